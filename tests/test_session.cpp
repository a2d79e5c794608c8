// SPDX-License-Identifier: GPL-3.0-or-later
#include "buttons/function_catalogue.h"
#include "device/battery.h"
#include "device/commands.h"
#include "device/device_state.h"
#include "device/upload.h"
#include "random_config.h"
#include "scoped_language.h"
#include "session/configuration_files.h"
#include "session/record_gate.h"
#include "session/sending.h"
#include "session/startup.h"
#include "storage/app_config.h"
#include "storage/macro_files.h"
#include "storage/paths.h"
#include "storage/profile_files.h"
#include "storage_sandbox.h"
#include "upload_sandbox.h"

#include <QDir>
#include <QLocalServer>
#include <QSettings>
#include <QtTest>
#include <sys/stat.h>

namespace {

bool makeFifo(const QString& path)
{
    return mkfifo(QFile::encodeName(path).constData(), 0600) == 0;
}

ConfigRecord withMacroOnButton(const QString& name)
{
    ConfigRecord config = UploadSandbox::configuration();
    ButtonEntry& entry = config.profiles[0].buttons[1];
    entry.Fun = FunctionCode::Macro;
    entry.macroname = name;
    entry.LoopNumber = 1;
    return config;
}

} // namespace

class TestSession final : public QObject
{
    Q_OBJECT

private slots:
    void batteryReadingsFollowTheDisplayLadder_data();
    void batteryReadingsFollowTheDisplayLadder();
    void virtualMouseLevelReadsBackAsItsMillivolts();
    void comparingForTheWindowLeavesAnEditedMacroToTheUpload();
    void aSaveThatFailsIsReportedAndTheMouseStillGetsTheSend();
    void thePendingFlagStaysUntilAnUploadEnds();
    void exportTargets_data();
    void exportTargets();
    void exportReplacesTheOldFileWhole();
    void importRefusalsSayWhy();
    void damagedConfigIniIsSetAsideAndDefaultsTakeOver();
    void aFirstStartFillsTheSlotsFromTheProductDefaults();
};

void TestSession::batteryReadingsFollowTheDisplayLadder_data()
{
    QTest::addColumn<int>("level");
    QTest::addColumn<int>("full");
    QTest::addColumn<int>("percent");
    QTest::newRow("994 is 4100 mV: 90") << 994 << 4200 << 90;
    QTest::newRow("993 falls below the 4100 step: 80") << 993 << 4200 << 80;
    QTest::newRow("full threshold at 4100 makes 994 full") << 994 << 4100 << 100;
    QTest::newRow("exactly 3200 mV: 20") << 776 << 4200 << 20;
    QTest::newRow("below every step: 10") << 700 << 4200 << 10;
    QTest::newRow("at the default full threshold") << 1019 << 4200 << 100;
}

void TestSession::batteryReadingsFollowTheDisplayLadder()
{
    QFETCH(int, level);
    QFETCH(int, full);
    QFETCH(int, percent);
    std::array<quint8, 33> report{};
    report[BatteryByte::LevelLow] = quint8(level & 0xFF);
    report[BatteryByte::LevelHigh] = quint8(level >> 8);
    const BatteryReading reading = decodeBatteryReport(report.data());
    QCOMPARE(reading.level(), level);
    QCOMPARE(reading.millivolts(), level * 990 / 240);
    QVERIFY(reading.answered());
    QVERIFY(!reading.charging());
    QCOMPARE(batteryPercent(reading, full), percent);
}

void TestSession::virtualMouseLevelReadsBackAsItsMillivolts()
{
    for (int millivolts : { 0, 1, 3199, 3200, 3900, 4100, 4200 }) {
        const quint16 level = batteryLevelForMillivolts(millivolts);
        BatteryReading reading;
        reading.levelLow = quint8(level & 0xFF);
        reading.levelHigh = quint8(level >> 8);
        QVERIFY2(reading.millivolts() >= millivolts, qPrintable(QString::number(millivolts)));
        // The smallest such word: one less reads back below.
        reading.levelLow = quint8((level - 1) & 0xFF);
        reading.levelHigh = quint8((level - 1) >> 8);
        QVERIFY(level == 0 || reading.millivolts() < millivolts);
    }
    QCOMPARE(batteryLevelForMillivolts(1 << 30), quint16(0xFFFF));
}

void TestSession::comparingForTheWindowLeavesAnEditedMacroToTheUpload()
{
    UploadSandbox sandbox;
    QVERIFY(sandbox.isValid());
    MacroFile macro;
    macro.events.append({ MacroKind::KeyPress, 4, 0 });
    macro.events.append({ MacroKind::KeyRelease, 4, 0 });
    QCOMPARE(saveMacro(QStringLiteral("burst"), macro), MacroResult::Ok);
    ConfigRecord last = withMacroOnButton(QStringLiteral("burst"));
    ConfigRecord working = last;

    // The window compares to show unsaved changes, as often as it repaints.
    for (int i = 0; i < 3; ++i)
        QCOMPARE(compareConfigurations(working, last), ChangeFlag::None);

    const SendOutcome outcome = runSendingSequence(working, last, false);
    QCOMPARE(outcome.result, quint8(0));
    QCOMPARE(outcome.sentFlags, ChangeFlag::Buttons);
    QCOMPARE(sandbox.mouse().sectionWrites(CommandCode::MacroSection), 1);

    sandbox.clearTrace();
    const SendOutcome again = runSendingSequence(working, last, false);
    QCOMPARE(again.sentFlags, ChangeFlag::None);
    QVERIFY(sandbox.writes().isEmpty());
}

void TestSession::aSaveThatFailsIsReportedAndTheMouseStillGetsTheSend()
{
    UploadSandbox sandbox;
    QVERIFY(sandbox.isValid());
    ConfigRecord last = UploadSandbox::configuration();
    ConfigRecord working = last;
    working.profiles[0].pollrate = 3;
    // A directory where a profile file belongs: the save fails whoever runs the test.
    const QString blocked = profileFilePath(working.profileNames[2]);
    QVERIFY(QDir().mkpath(blocked));

    TarqProcessThread thread(working, last);
    QSignalSpy done(&thread, &TarqProcessThread::DoProcessDlg);
    thread.start();
    QVERIFY(done.wait(30000));
    thread.wait();
    const SendOutcome outcome = thread.outcome();
    QCOMPARE(outcome.result, quint8(0));
    QCOMPARE(outcome.sentFlags, ChangeFlag::General);
    QCOMPARE(outcome.saved, StorageResult::WriteFailed);
    QCOMPARE(outcome.unsavedPath, blocked);
    QCOMPARE(sandbox.mouse().sectionWrites(CommandCode::GeneralSection), 1);
    QVERIFY(sendingMessage(outcome).isEmpty());

    setMouseOff(true);
    working.profiles[0].pollrate = 1;
    const SendOutcome off = runSendingSequence(working, last, false);
    setMouseOff(false);
    QCOMPARE(off.result, kUploadMouseOff);
    QCOMPARE(off.saved, StorageResult::WriteFailed);
    QCOMPARE(sendingMessage(off), QString::fromLatin1(kMouseSleepingMessage));
}

void TestSession::thePendingFlagStaysUntilAnUploadEnds()
{
    UploadSandbox sandbox;
    QVERIFY(sandbox.isValid());
    ConfigRecord last = UploadSandbox::configuration();
    ConfigRecord working = last;
    QCOMPARE(setPendingUploadFlag(0), StorageResult::Ok);

    // A send refused because the mouse sleeps still has to reach it, after a restart too.
    working.profiles[0].pollrate = 2;
    setMouseOff(true);
    QCOMPARE(runSendingSequence(working, last, false).result, kUploadMouseOff);
    setMouseOff(false);
    QCOMPARE(pendingUploadFlag(), 1);

    // Set before the first report: an upload cut short leaves it set.
    QCOMPARE(setPendingUploadFlag(0), StorageResult::Ok);
    working.profiles[0].pollrate = 4;
    sandbox.mouse().failWritesAfter(3, 1000);
    QVERIFY(runSendingSequence(working, last, false).result != 0);
    QCOMPARE(pendingUploadFlag(), 1);
    sandbox.mouse().failWritesAfter(0, 0);

    // The next send, of nothing new, sends every section and clears it.
    const SendOutcome next = runSendingSequence(working, last, false);
    QCOMPARE(next.result, quint8(0));
    QCOMPARE(next.sentFlags, ChangeFlag::All);
    QCOMPARE(pendingUploadFlag(), 0);
}

void TestSession::exportTargets_data()
{
    QTest::addColumn<QString>("kind");
    QTest::addColumn<int>("problem");
    QTest::newRow("new file") << "new" << int(ConfigFileProblem::None);
    QTest::newRow("existing file") << "file" << int(ConfigFileProblem::None);
    QTest::newRow("link to a file") << "link" << int(ConfigFileProblem::None);
    QTest::newRow("empty path") << "empty" << int(ConfigFileProblem::EmptyPath);
    QTest::newRow("directory") << "dir" << int(ConfigFileProblem::NotARegularFile);
    QTest::newRow("fifo") << "fifo" << int(ConfigFileProblem::NotARegularFile);
    QTest::newRow("socket") << "socket" << int(ConfigFileProblem::NotARegularFile);
    QTest::newRow("dangling link") << "dangling" << int(ConfigFileProblem::NotARegularFile);
    QTest::newRow("missing folder") << "nofolder" << int(ConfigFileProblem::NoFolder);
    QTest::newRow("parent is a file") << "underfile" << int(ConfigFileProblem::NoFolder);
}

void TestSession::exportTargets()
{
    QFETCH(QString, kind);
    QFETCH(int, problem);
    UploadSandbox sandbox;
    QTemporaryDir dir;
    QString path = dir.filePath(QStringLiteral("target.conf"));
    QLocalServer server;
    if (kind == QLatin1String("file")) {
        QVERIFY(writeBytes(path, "[Old]\nkey=1\n"));
    } else if (kind == QLatin1String("link")) {
        QVERIFY(writeBytes(dir.filePath(QStringLiteral("real.conf")), "x"));
        QVERIFY(QFile::link(dir.filePath(QStringLiteral("real.conf")), path));
    } else if (kind == QLatin1String("empty")) {
        path.clear();
    } else if (kind == QLatin1String("dir")) {
        QVERIFY(QDir().mkpath(path));
    } else if (kind == QLatin1String("fifo")) {
        QVERIFY(makeFifo(path));
    } else if (kind == QLatin1String("socket")) {
        server.setSocketOptions(QLocalServer::UserAccessOption);
        QVERIFY(server.listen(path));
    } else if (kind == QLatin1String("dangling")) {
        QVERIFY(QFile::link(dir.filePath(QStringLiteral("gone.conf")), path));
    } else if (kind == QLatin1String("nofolder")) {
        path = dir.filePath(QStringLiteral("missing/target.conf"));
    } else if (kind == QLatin1String("underfile")) {
        QVERIFY(writeBytes(dir.filePath(QStringLiteral("plain")), "x"));
        path = dir.filePath(QStringLiteral("plain/target.conf"));
    }
    const QStringList before = QDir(dir.path()).entryList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::System);

    // Without a reader, a FIFO target would block here for ever.
    const ConfigFileResult result = exportConfigurationFile(UploadSandbox::configuration(), path);
    QCOMPARE(int(result.problem), problem);
    if (result.ok()) {
        QCOMPARE(QSettings(path, QSettings::IniFormat).value(QStringLiteral("MouseName/Name")).toString(),
                 currentProductName());
        QVERIFY(result.message().isEmpty());
    } else {
        QVERIFY(!result.message().isEmpty());
        QVERIFY(path.isEmpty() || result.message().contains(path));
        // Nothing made beside the refused target, and the target is what it was.
        QCOMPARE(QDir(dir.path()).entryList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::System), before);
        QVERIFY(!QFileInfo(path).isFile());
    }
    QVERIFY(!QDir(dir.filePath(QStringLiteral("missing"))).exists());
}

void TestSession::exportReplacesTheOldFileWhole()
{
    UploadSandbox sandbox;
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("mine.conf"));
    QVERIFY(writeBytes(path, "[Stale]\nkept=1\n[PROFILE_0]\nobsolete=7\n[Config]\nDiff=1\n"));
    ConfigRecord config = UploadSandbox::configuration();
    config.profiles[0].pollrate = 2;
    QVERIFY(exportConfigurationFile(config, path).ok());
    QSettings written(path, QSettings::IniFormat);
    QVERIFY(!written.contains(QStringLiteral("Stale/kept")));
    QVERIFY(!written.contains(QStringLiteral("PROFILE_0/obsolete")));
    QVERIFY(!written.contains(QStringLiteral("Config/Diff")));
    QCOMPARE(written.value(QStringLiteral("PROFILE_0/pollrate")).toInt(), 2);

    ConfigRecord back = UploadSandbox::configuration();
    QVERIFY(importConfigurationFile(back, path).ok());
    QCOMPARE(back.profiles[0].pollrate, quint8(2));
}

void TestSession::importRefusalsSayWhy()
{
    UploadSandbox sandbox;
    QTemporaryDir dir;
    const ConfigRecord original = UploadSandbox::configuration();
    const QString good = dir.filePath(QStringLiteral("good.conf"));
    QVERIFY(exportConfigurationFile(original, good).ok());

    const QString other = dir.filePath(QStringLiteral("other.conf"));
    QVERIFY(QFile::copy(good, other));
    QSettings(other, QSettings::IniFormat).setValue(QStringLiteral("MouseName/Name"), QStringLiteral("Other Mouse"));
    const QString damaged = dir.filePath(QStringLiteral("damaged.conf"));
    QVERIFY(writeBytes(damaged, readBytes(good) + "\n[Extra]\nx=@Variant(\\0\\0\\0\\x7f\\0\\0\\0\\x1)\n"));
    const QString fifo = dir.filePath(QStringLiteral("pipe.conf"));
    QVERIFY(makeFifo(fifo));

    struct Case
    {
        QString path;
        ConfigFileProblem problem;
    };
    const Case cases[] = {
        { dir.filePath(QStringLiteral("none.conf")), ConfigFileProblem::Unreadable },
        { dir.path(), ConfigFileProblem::Unreadable },
        { fifo, ConfigFileProblem::Unreadable },
        { damaged, ConfigFileProblem::Damaged },
        { other, ConfigFileProblem::OtherProduct },
    };
    QStringList messages;
    for (const Case& c : cases) {
        ConfigRecord config = original;
        config.profiles[1].pollrate ^= 1;
        const ConfigRecord before = config;
        const ConfigFileResult result = importConfigurationFile(config, c.path);
        QCOMPARE(int(result.problem), int(c.problem));
        QVERIFY(config == before);
        QVERIFY(result.message().contains(c.path));
        messages << result.message();
    }
    QVERIFY(messages.at(3).contains(QLatin1String(kMalformedImportMessage)));
    QVERIFY(messages.at(4).contains(QStringLiteral("\"Other Mouse\"")));
    QVERIFY(messages.at(4).contains(QStringLiteral("\"%1\"").arg(currentProductName())));
}

void TestSession::damagedConfigIniIsSetAsideAndDefaultsTakeOver()
{
    StorageSandbox sandbox;
    QVERIFY(sandbox.isValid());
    QVERIFY(initDirectories({ sandbox.appPath(), {} }));
    QVERIFY(checkConfigurationFile().isEmpty());
    ConfigurationPair sound;
    QVERIFY(loadStartupConfiguration(sound).isEmpty());
    const QString exported = sandbox.path(QStringLiteral("saved.conf"));
    QVERIFY(exportConfigurationFile(sound.working, exported).ok());

    // A file a crash left half-written: no product, three slots without names. What it still
    // holds is kept, the rest filled in; a free default name never repeats one a slot shows.
    const QByteArray broken = "[Config]\nProfile1=Game\nProfile2=Profile 3\nDiff=1\n";
    QVERIFY(writeBytes(configIniPath(), broken));
    const QString message = checkConfigurationFile().text();
    QVERIFY2(message.contains(configIniPath()), qPrintable(message));
    QVERIFY(!QFileInfo::exists(damagedConfigIniPath()));
    QCOMPARE(pendingUploadFlag(), 1);

    ConfigurationPair loaded;
    loadStartupConfiguration(loaded);
    QVERIFY(!currentProductName().isEmpty());
    const QStringList expected = { "Game", "Profile 3", "Profile 1", "Profile 4", "Profile 5" };
    for (int slot = 0; slot < kProfileCount; ++slot)
        QCOMPARE(loaded.working.profileNames[size_t(slot)], expected.at(slot));
    QVERIFY(importConfigurationFile(loaded.working, exported).ok());
    QVERIFY(checkConfigurationFile().isEmpty());

    // Only a file that cannot be read at all is replaced whole, and kept beside.
    QVERIFY(QFile::remove(configIniPath()));
    QVERIFY(QDir().mkpath(configIniPath()));
    const StartupNote setAside = checkConfigurationFile();
    QVERIFY(setAside.text().contains(damagedConfigIniPath()));
    QVERIFY(QFileInfo(damagedConfigIniPath()).isDir());
    // Made before the window's language is installed, the note reads in it once it is. A build
    // without the window has no catalogues.
    if (!QFile::exists(QCoreApplication::applicationDirPath() + QStringLiteral("/lang/mousecfg_de.qm")))
        QSKIP("no catalogues in this build");
    const ScopedLanguage german(QStringLiteral("de"));
    QVERIFY(german.isLoaded());
    QVERIFY2(setAside.text().startsWith(QStringLiteral("Die Konfigurationsdatei")), qPrintable(setAside.text()));
    QCOMPARE(currentProductName(), QStringLiteral("Tarq M1"));
}

void TestSession::aFirstStartFillsTheSlotsFromTheProductDefaults()
{
    StorageSandbox sandbox;
    QVERIFY(sandbox.isValid());
    QVERIFY(initDirectories({ sandbox.appPath(), {} }));
    // Slot 2's file is the user's own and stays as it is.
    ProfileRecord own = randomProfile(21);
    repairProfileRecord(own, currentRecordLimits());
    QVERIFY(writeProfileFile(own, profileFilePath(defaultProfileName(1))) == StorageResult::Ok);

    ConfigurationPair loaded;
    QVERIFY(loadStartupConfiguration(loaded).isEmpty());
    ProfileRecord defaults;
    makeDefaultProfile(defaults);
    for (int slot : { 0, 2, 3, 4 }) {
        QVERIFY(QFile::exists(profileFilePath(defaultProfileName(slot))));
        const ProfileRecord& record = loaded.working.profiles[size_t(slot)];
        QCOMPARE(record.dpiStages, defaults.dpiStages);
        QCOMPARE(record.pollrate, defaults.pollrate);
        QCOMPARE(record.ledEffects, defaults.ledEffects);
        QCOMPARE(record.buttons, defaults.buttons);
    }
    QCOMPARE(loaded.working.profiles[1].dpiStages, own.dpiStages);
    QCOMPARE(loaded.working.profiles[1].ledEffects, own.ledEffects);
    QCOMPARE(loaded.working, loaded.lastUploaded);
}

QTEST_GUILESS_MAIN(TestSession)
#include "test_session.moc"
