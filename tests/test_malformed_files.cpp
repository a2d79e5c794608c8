// SPDX-License-Identifier: GPL-3.0-or-later
#include "random_config.h"
#include "session/profile_loading.h"
#include "session/record_gate.h"
#include "session/startup.h"
#include "storage/app_config.h"
#include "storage/macro_files.h"
#include "storage/product_description.h"
#include "storage/profile_files.h"
#include "storage/settings_guard.h"
#include "storage_sandbox.h"

#include <QRandomGenerator>
#include <QSettings>
#include <QtTest>

namespace {

// A serialised string list that claims 2^31 items: the settings class runs out of memory on it.
const QByteArray kHugeList = "@Variant(\\0\\0\\0\\v\\x7f\\xff\\xff\\xff)";
const QByteArray kRed = "@Variant(\\0\\0\\0\\x43\\x1\\xff\\xff\\xff\\xff\\0\\0\\0\\0\\0\\0)";
const QByteArray kCutColour = "@Variant(\\0\\0\\0\\x43\\x1\\xff\\xff)";

QByteArray withLineAfter(const QByteArray& content, const QByteArray& anchor, const QByteArray& line)
{
    QByteArray result = content;
    const int at = result.indexOf(anchor);
    const int lineEnd = result.indexOf('\n', at);
    return result.insert(lineEnd + 1, line + '\n');
}

QByteArray garbage(QRandomGenerator& random)
{
    static const QByteArray pieces[] = { "@Variant(", "\\0",   "\\x7f",    "\\xff",
                                         "\\",        "\n",    "\r",       "[PROFILE]",
                                         "[",         "]",     "=",        "\"",
                                         ",",         ";",     "pollrate", "LedMode\\LED_MODE_1_RGB",
                                         "%",         "\\x43", " " };
    QByteArray bytes;
    const int length = random.bounded(400);
    for (int i = 0; i < length; ++i) {
        if (random.bounded(3) == 0) {
            bytes += static_cast<char>(random.bounded(256));
        } else {
            bytes += pieces[random.bounded(int(std::size(pieces)))];
        }
    }
    return bytes;
}

} // namespace

class TestMalformedFiles final : public QObject
{
    Q_OBJECT

private slots:
    void unsafeLinesAreDropped_data();
    void unsafeLinesAreDropped();
    void damagedConfigIniReadsWhatIsSafeAndIsRepairedOnWrite();
    void damagedProfileFileReadsDefaultsForTheDamagedKeys();
    void damagedExportIsRefusedAndLeftAlone();
    void damagedMacroFileStillHandsOverItsWriteSign();
    void damagedProductDescriptionIsReadNotRepaired();
    void garbageNeverCrashesAndIsWrittenBackWellFormed();
    void oversizedFilesAreSetAsideUnread();
};

void TestMalformedFiles::unsafeLinesAreDropped_data()
{
    QTest::addColumn<QByteArray>("content");
    QTest::addColumn<QByteArray>("clean");

    const QByteArray keep = "[Config]\nDiff=1\n";
    QTest::newRow("huge string list") << "[Config]\nv=" + kHugeList + "\nDiff=1\n" << keep;
    QTest::newRow("cut colour") << "[Config]\nc=" + kCutColour + "\nDiff=1\n" << keep;
    QTest::newRow("colour with bytes after it")
        << QByteArray("[Config]\nc=@Variant(\\0\\0\\0\\x43\\x1\\xff\\xff\\xff\\xff\\0\\0\\0\\0\\0\\0\\0)\nDiff=1\n")
        << keep;
    QTest::newRow("unknown colour spec")
        << QByteArray("[Config]\nc=@Variant(\\0\\0\\0\\x43\\x9\\xff\\xff\\xff\\xff\\0\\0\\0\\0\\0\\0)\nDiff=1\n")
        << keep;
    QTest::newRow("hex-escaped at sign") << QByteArray(
                                                "[Config]\nv=\\x40Variant(\\0\\0\\0\\v\\x7f\\xff\\xff\\xff)\nDiff=1\n")
                                         << keep;
    QTest::newRow("octal-escaped at sign")
        << QByteArray("[Config]\nv=\\100Variant(\\0\\0\\0\\v\\x7f\\xff\\xff\\xff)\nDiff=1\n") << keep;
    QTest::newRow("quoted") << "[Config]\nv=\"" + kHugeList + "\"\nDiff=1\n" << keep;
    QTest::newRow("quote inside the prefix")
        << QByteArray("[Config]\nv=\"@\"Variant(\\0\\0\\0\\v\\x7f\\xff\\xff\\xff)\nDiff=1\n") << keep;
    QTest::newRow("list element") << "[Config]\nv=a, " + kHugeList + "\nDiff=1\n" << keep;
    QTest::newRow("continued line") << QByteArray(
                                           "[Config]\nv=@Vari\\\nant(\\0\\0\\0\\v\\x7f\\xff\\xff\\xff)\nDiff=1\n")
                                    << keep;
    QTest::newRow("date and time") << QByteArray("[Config]\nv=@DateTime(\\0\\0\\0\\x10)\nDiff=1\n") << keep;
    QTest::newRow("windows line ends") << "[Config]\r\nv=" + kHugeList + "\r\nDiff=1\r\n"
                                       << QByteArray("[Config]\r\nDiff=1\r\n");

    const QByteArray colour = "[Config]\nc=" + kRed + "\nDiff=1\n";
    QTest::newRow("well-formed colour") << colour << colour;
    const QByteArray escaped = "[Config]\ns=@@Variant(\\0\\0\\0\\v\\x7f\\xff\\xff\\xff)\n";
    QTest::newRow("string escaped by the writer") << escaped << escaped;
    const QByteArray inText = "[Config]\nProfile1=My " + kHugeList + "\n";
    QTest::newRow("inside a plain string") << inText << inText;
    const QByteArray bytes = "[Config]\nb=@ByteArray(\\0\\x1)\n";
    QTest::newRow("byte array") << bytes << bytes;
}

void TestMalformedFiles::unsafeLinesAreDropped()
{
    QFETCH(QByteArray, content);
    QFETCH(QByteArray, clean);
    bool damaged = false;
    QCOMPARE(withoutUnsafeValues(content, &damaged), clean);
    QCOMPARE(damaged, clean != content);
}

void TestMalformedFiles::damagedConfigIniReadsWhatIsSafeAndIsRepairedOnWrite()
{
    StorageSandbox sandbox;
    QVERIFY(sandbox.isValid());
    QVERIFY(writeBytes(configIniPath(), "[Config]\nDiff=1\nBattery=55\nProfile1=A\nbad=" + kHugeList + "\n"));
    QVERIFY(hasUnsafeValues(configIniPath()));
    QCOMPARE(pendingUploadFlag(), 1);
    QCOMPARE(batteryLevel(), 55);
    ConfigRecord config;
    loadConfiguration(config);
    QCOMPARE(config.profileNames[0], QStringLiteral("A"));

    QCOMPARE(setBatteryLevel(60), StorageResult::Ok);
    QVERIFY(!hasUnsafeValues(configIniPath()));
    QCOMPARE(batteryLevel(), 60);
    QCOMPARE(pendingUploadFlag(), 1);
}

void TestMalformedFiles::damagedProfileFileReadsDefaultsForTheDamagedKeys()
{
    StorageSandbox sandbox;
    QVERIFY(sandbox.isValid());
    ProfileRecord profile = randomProfile(31);
    profile.ledEffects[3].RGB = QColor(10, 20, 30);
    const QString path = sandbox.path("damaged.prof");
    QCOMPARE(writeProfileFile(profile, path), StorageResult::Ok);
    QByteArray content = readBytes(path);
    const int colour = content.indexOf("LED_MODE_3_RGB=") + int(qstrlen("LED_MODE_3_RGB="));
    content.replace(colour, content.indexOf('\n', colour) - colour, kCutColour);
    content = withLineAfter(content, "[PROFILE]", "bomb=" + kHugeList);
    QVERIFY(writeBytes(path, content));

    ProfileRecord read;
    QCOMPARE(readProfileFile(read, path), StorageResult::MalformedFile);
    QVERIFY(!read.ledEffects[3].RGB.isValid());
    ProfileRecord expected = profile;
    expected.ledEffects[3].RGB = QColor();
    QVERIFY(read == expected);
    QCOMPARE(readBytes(path), content); // reading never changes a file

    QCOMPARE(writeProfileFile(read, path), StorageResult::Ok);
    QVERIFY(!hasUnsafeValues(path));
    ProfileRecord reread;
    QCOMPARE(readProfileFile(reread, path), StorageResult::Ok);
    QVERIFY(reread == read);
}

void TestMalformedFiles::damagedExportIsRefusedAndLeftAlone()
{
    StorageSandbox sandbox;
    QVERIFY(sandbox.isValid());
    const QString path = sandbox.path("shared.conf");
    QCOMPARE(exportConfiguration(randomConfiguration(32), path), StorageResult::Ok);
    const QByteArray content = withLineAfter(readBytes(path), "[PROFILE_2]", "x=" + kHugeList);
    QVERIFY(writeBytes(path, content));

    ConfigRecord working = randomConfiguration(33);
    const ConfigRecord before = working;
    QCOMPARE(importConfiguration(working, path), StorageResult::MalformedFile);
    QVERIFY(working == before);
    QCOMPARE(readBytes(path), content);
    QVERIFY(QString::fromLatin1(kMalformedImportMessage).size() > 0);
}

void TestMalformedFiles::damagedMacroFileStillHandsOverItsWriteSign()
{
    StorageSandbox sandbox;
    QVERIFY(sandbox.isValid());
    const QString path = macroFilePath(QStringLiteral("rapid"));
    QVERIFY(writeBytes(path, "[Setting]\nCount=1\nWriteSign=1\nMap_0=" + kHugeList + "\n"));
    ConfigRecord config = randomConfiguration(34);
    for (ProfileRecord& profile : config.profiles) {
        for (ButtonEntry& button : profile.buttons) {
            button.Fun = 1;
        }
    }
    config.profiles[0].buttons[0].Fun = kMacroFunction;
    config.profiles[0].buttons[0].macroname = QStringLiteral("rapid");

    QCOMPARE(takeMacroChanges(config, config), ChangeFlag::Buttons);
    QVERIFY(!hasUnsafeValues(path));
    QCOMPARE(QSettings(path, QSettings::IniFormat).value(QStringLiteral("Setting/WriteSign")).toInt(), 0);
}

void TestMalformedFiles::damagedProductDescriptionIsReadNotRepaired()
{
    StorageSandbox sandbox(StorageSandbox::Product::None);
    QVERIFY(sandbox.isValid());
    const QByteArray content = "[PROFILE]\nProductName=P\nvid1=7\nLedMode\\LED_MODE_0_RGB=" + kHugeList + "\n";
    QVERIFY(writeBytes(productDescriptionPath(), content));
    QCOMPARE(productName(), QStringLiteral("P"));
    QCOMPARE(readUsbIdentifiers().receiverVendorId, 7);
    ProfileRecord profile;
    makeDefaultProfile(profile);
    QVERIFY(!profile.ledEffects[0].RGB.isValid());
    QCOMPARE(readBytes(productDescriptionPath()), content);
}

void TestMalformedFiles::garbageNeverCrashesAndIsWrittenBackWellFormed()
{
    StorageSandbox sandbox;
    QVERIFY(sandbox.isValid());
    const ProfileRecord sample = randomProfile(35);
    const QString valid = sandbox.path("valid.prof");
    QCOMPARE(writeProfileFile(sample, valid), StorageResult::Ok);
    const QByteArray validContent = readBytes(valid);

    QRandomGenerator random(36);
    for (int round = 0; round < 60; ++round) {
        QByteArray content;
        switch (round % 3) {
            case 0:
                content = garbage(random);
                break;
            case 1: // cut half-way, as after a crash while writing
                content = validContent.left(random.bounded(validContent.size()));
                break;
            default:
                content = validContent;
                for (int i = 0; i < 5; ++i) {
                    content.insert(random.bounded(content.size()), garbage(random).left(40));
                }
        }
        const QString path = sandbox.path(QStringLiteral("fuzz%1.prof").arg(round));
        QVERIFY(writeBytes(path, content));
        ProfileRecord read;
        readProfileFile(read, path);
        QCOMPARE(writeProfileFile(read, path), StorageResult::Ok);
        QVERIFY2(!hasUnsafeValues(path), qPrintable(path));
        ProfileRecord reread;
        QCOMPARE(readProfileFile(reread, path), StorageResult::Ok);
        QVERIFY2(reread == read, qPrintable(path));
    }
}

void TestMalformedFiles::oversizedFilesAreSetAsideUnread()
{
    StorageSandbox sandbox;
    QVERIFY(sandbox.isValid());
    ConfigurationPair first;
    QVERIFY(loadStartupConfiguration(first).isEmpty());
    // Well formed, and only too large: a settings file never is.
    QByteArray padding = "\n[Padding]\n";
    for (int i = 0; padding.size() <= kMaxSettingsFileBytes; ++i)
        padding += "Key" + QByteArray::number(i) + "=a value nobody reads\n";
    const QByteArray config = readBytes(configIniPath()) + padding;
    QVERIFY(writeBytes(configIniPath(), config));

    {
        GuardedSettings file(configIniPath(), GuardedSettings::Mode::Write);
        QVERIFY(file.wasDamaged());
        QVERIFY(file.settings().allKeys().isEmpty());
        file.setValue(QStringLiteral("Config/Battery"), 5);
        QVERIFY(!file.sync());
    }
    QCOMPARE(readBytes(configIniPath()), config);

    const StartupNote note = checkConfigurationFile();
    QVERIFY(!note.isEmpty());
    QVERIFY2(note.text().contains(QStringLiteral("could not be read")), qPrintable(note.text()));
    QCOMPARE(readBytes(damagedConfigIniPath()), config);
    QCOMPARE(currentProductName(), QStringLiteral("Tarq M1"));

    const QString slotFile = profileFilePath(first.working.profileNames[1]);
    const QByteArray profile = readBytes(slotFile) + padding;
    QVERIFY(writeBytes(slotFile, profile));
    ProfileRecord read;
    const QStringList report = gateReadProfile(read, slotFile, currentRecordLimits());
    QVERIFY2(report.join(QLatin1Char(' ')).contains(QStringLiteral("is damaged")), qPrintable(report.join(' ')));
    QCOMPARE(readBytes(slotFile + QStringLiteral(".damaged")), profile);
    ProfileRecord defaults;
    makeDefaultProfile(defaults);
    QCOMPARE(read.pollrate, defaults.pollrate);
    QCOMPARE(read.dpi, defaults.dpi);
}

QTEST_GUILESS_MAIN(TestMalformedFiles)
#include "test_malformed_files.moc"
