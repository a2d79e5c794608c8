#include "random_config.h"
#include "storage/app_config.h"
#include "storage/paths.h"
#include "storage/profile_files.h"
#include "storage/profile_keys.h"
#include "storage_sandbox.h"

#include <QDateTime>
#include <QDir>
#include <QFileInfo>
#include <QSettings>
#include <QThread>
#include <QtTest>

namespace {

QDateTime writtenAt(const QString& path)
{
    return QFileInfo(path).lastModified();
}

// Gives the file system clock time to move, so a rewrite shows in the modification time.
void letTimePass()
{
    QThread::msleep(30);
}

void copyEveryKey(const QString& from, const QString& to)
{
    const QSettings source(from, QSettings::IniFormat);
    QSettings target(to, QSettings::IniFormat);
    const QStringList keys = source.allKeys();
    for (const QString& key : keys) {
        target.setValue(key, source.value(key));
    }
}

} // namespace

class TestProfileFiles final : public QObject
{
    Q_OBJECT

private slots:
    void keysAreSpelledAsStored_data();
    void keysAreSpelledAsStored();
    void configurationRoundTripsThroughProfileFiles();
    void filesResavedByAnotherSettingsObjectReadBackIdentically();
    void exportedConfigurationRoundTrips();
    void missingKeysReadTheReadingDefaults();
    void optionsReadLowEightBitsAndAValidProfileIndex();
    void saveWritesEverySlot();
    void namesThatLeaveTheFolderAreRefused_data();
    void namesThatLeaveTheFolderAreRefused();
    void unchangedProfileFilesAreNotRewritten();
    void incompleteOrEditedFilesAreRewritten();
    void writeFailuresAreReported();
    void smallWritersTouchOnlyTheirKeys();
};

void TestProfileFiles::keysAreSpelledAsStored_data()
{
    QTest::addColumn<QString>("key");
    QTest::addColumn<QString>("value");
    QTest::newRow("report rate") << "PROFILE/pollrate"
                                 << "8";
    QTest::newRow("stage link") << "PROFILE/DPI_INFO_7_link"
                                << "1";
    QTest::newRow("stage linked resolution") << "PROFILE/DPI_INFO_7_xy"
                                             << "4000000000";
    QTest::newRow("key slot kind") << "PROFILE/BUTTON_INFO_3_KeyInfo_7_map"
                                   << "11";
    QTest::newRow("key slot code ends in an underscore") << "PROFILE/BUTTON_INFO_3_KeyInfo_7_"
                                                         << "22";
    QTest::newRow("key slot high byte") << "PROFILE/BUTTON_INFO_3_KeyInfo_7_H"
                                        << "33";
    QTest::newRow("button parameter") << "PROFILE/BUTTON_INFO_41_Res4"
                                      << "44";
    QTest::newRow("macro name") << "PROFILE/BUTTON_INFO_41_macroname"
                                << "spray";
    QTest::newRow("effect speed") << "PROFILE/LedMode/LED_MODE_13_breath"
                                  << "5";
    QTest::newRow("light-off") << "PROFILE/LedMoveOFF"
                               << "0";
    QTest::newRow("sleep time") << "PROFILE/LedSleepTime"
                                << "7";
}

void TestProfileFiles::keysAreSpelledAsStored()
{
    QFETCH(QString, key);
    QFETCH(QString, value);
    StorageSandbox sandbox;
    QVERIFY(sandbox.isValid());
    ProfileRecord profile;
    profile.pollrate = 8;
    profile.dpiStages[7].link = 1;
    profile.dpiStages[7].xy = 4000000000u;
    profile.buttons[3].KeyInfo[7] = { 11, 22, 33 };
    profile.buttons[41].Res4 = 44;
    profile.buttons[41].macroname = QStringLiteral("spray");
    profile.ledEffects[13].breath = 5;
    profile.LedSleepTime = 7;
    const QString path = sandbox.path("spelled.prof");
    QCOMPARE(writeProfileFile(profile, path), StorageResult::Ok);

    const QSettings file(path, QSettings::IniFormat);
    QCOMPARE(file.value(key).toString(), value);
    QCOMPARE(file.allKeys().size(), kProfileFileKeyCount);
}

void TestProfileFiles::configurationRoundTripsThroughProfileFiles()
{
    StorageSandbox sandbox;
    QVERIFY(sandbox.isValid());
    for (quint32 seed = 1; seed <= 3; ++seed) {
        const ConfigRecord saved = randomConfiguration(seed);
        QCOMPARE(saveConfiguration(saved), StorageResult::Ok);
        ConfigRecord loaded = randomConfiguration(seed + 100);
        QCOMPARE(loadConfiguration(loaded), StorageResult::Ok);
        QVERIFY(loaded == saved);
    }
    const ButtonTable matrix = applicationButtonMatrix();
    for (int i = 0; i < kButtonTableSize; ++i) {
        QCOMPARE(matrix[static_cast<size_t>(i)], quint8(i));
    }
}

void TestProfileFiles::filesResavedByAnotherSettingsObjectReadBackIdentically()
{
    StorageSandbox sandbox;
    QVERIFY(sandbox.isValid());
    const ConfigRecord config = randomConfiguration(4);
    QCOMPARE(writeProfileFile(config.profiles[2], sandbox.path("a.prof")), StorageResult::Ok);
    copyEveryKey(sandbox.path("a.prof"), sandbox.path("b.prof"));
    ProfileRecord profile;
    QCOMPARE(readProfileFile(profile, sandbox.path("b.prof")), StorageResult::Ok);
    QVERIFY(profile == config.profiles[2]);

    QCOMPARE(exportConfiguration(config, sandbox.path("a.conf")), StorageResult::Ok);
    copyEveryKey(sandbox.path("a.conf"), sandbox.path("b.conf"));
    ConfigRecord imported = config;
    QCOMPARE(importConfiguration(imported, sandbox.path("b.conf")), StorageResult::Ok);
    QVERIFY(imported == config);
}

void TestProfileFiles::exportedConfigurationRoundTrips()
{
    StorageSandbox sandbox;
    QVERIFY(sandbox.isValid());
    const ConfigRecord exported = randomConfiguration(9);
    const QString path = sandbox.path("all.conf");
    QCOMPARE(writeProductTag(QStringLiteral("Tarq M1"), path), StorageResult::Ok);
    QCOMPARE(exportConfiguration(exported, path), StorageResult::Ok);

    const QSettings file(path, QSettings::IniFormat);
    QCOMPARE(readProductTag(path), QStringLiteral("Tarq M1"));
    QVERIFY(file.childGroups().contains(QStringLiteral("PROFILE_0")));
    QVERIFY(!file.childGroups().contains(QStringLiteral("PROFILE_5")));
    QVERIFY(!file.childGroups().contains(QStringLiteral("PROFILE")));
    const QStringList keys = file.allKeys();
    QVERIFY(keys.filter(QStringLiteral("LedMoveOFF")).isEmpty());
    QVERIFY(keys.filter(QStringLiteral("LedSleepTime")).isEmpty());
    QVERIFY(keys.filter(QStringLiteral("Config/Profile")).filter(QRegularExpression("Profile\\d$")).isEmpty());
    // Seven options, the product tag and five sections without the two lighting extras.
    QCOMPARE(keys.size(), 7 + 1 + kProfileCount * (kProfileFileKeyCount - 2));
    QCOMPARE(file.value("PROFILE_4/BUTTON_INFO_0_KeyInfo_0_").toInt(),
             int(exported.profiles[4].buttons[0].KeyInfo[0].code));

    ConfigRecord working = randomConfiguration(10);
    const ConfigRecord before = working;
    QCOMPARE(importConfiguration(working, path), StorageResult::Ok);
    ConfigRecord expected = exported;
    expected.profileNames = before.profileNames; // the export names no slots
    for (int i = 0; i < kProfileCount; ++i) {
        expected.profiles[static_cast<size_t>(i)].LedMoveOFF = before.profiles[static_cast<size_t>(i)].LedMoveOFF;
        expected.profiles[static_cast<size_t>(i)].LedSleepTime = before.profiles[static_cast<size_t>(i)].LedSleepTime;
    }
    QVERIFY(working == expected);

    QCOMPARE(importConfiguration(working, sandbox.path("absent.conf")), StorageResult::FileNotFound);
    QVERIFY(working == expected);
}

void TestProfileFiles::missingKeysReadTheReadingDefaults()
{
    StorageSandbox sandbox;
    QVERIFY(sandbox.isValid());
    QVERIFY(writeBytes(sandbox.path("sparse.prof"), "[PROFILE]\npollrate=3\n"));
    ProfileRecord sparse = randomProfile(3);
    QCOMPARE(readProfileFile(sparse, sandbox.path("sparse.prof")), StorageResult::Ok);
    ProfileRecord expected;
    expected.pollrate = 3;
    expected.LedMoveOFF = 255;
    expected.LedSleepTime = 1;
    QVERIFY(sparse == expected);

    ProfileRecord missing = randomProfile(4);
    QCOMPARE(readProfileFile(missing, sandbox.path("absent.prof")), StorageResult::Ok);
    expected.pollrate = 0;
    QVERIFY(missing == expected);
    QVERIFY(!QFile::exists(sandbox.path("absent.prof")));
}

void TestProfileFiles::optionsReadLowEightBitsAndAValidProfileIndex()
{
    StorageSandbox sandbox;
    QVERIFY(sandbox.isValid());
    QVERIFY(writeBytes(configIniPath(), "[Config]\nProfileID=261\nAngleValue=300\nDebounce=-1\nCount=abc\n"
                                        "Jitter=99999999999999999999\nProfile1=A\n"));
    ConfigRecord config = randomConfiguration(12);
    QCOMPARE(loadConfiguration(config), StorageResult::InvalidName); // slots 2..5 have no names
    QCOMPARE(config.ProfileID, quint8(0));
    QCOMPARE(config.AngleValue, quint8(44));
    QCOMPARE(config.Debounce, quint8(255));
    QCOMPARE(config.Count, quint8(0));
    QCOMPARE(config.Jitter, quint8(0));
    QCOMPARE(config.profileNames[0], QStringLiteral("A"));
    QCOMPARE(config.profiles[1].LedMoveOFF, quint8(255));

    QVERIFY(writeBytes(configIniPath(), "[Config]\nProfileID=4\n"));
    QCOMPARE(loadConfiguration(config), StorageResult::InvalidName);
    QCOMPARE(config.ProfileID, quint8(4));
    // Out of range before any cut to eight bits: 257 is not slot 1.
    QVERIFY(writeBytes(configIniPath(), "[Config]\nProfileID=257\n"));
    QCOMPARE(loadConfiguration(config), StorageResult::InvalidName);
    QCOMPARE(config.ProfileID, quint8(0));
}

void TestProfileFiles::saveWritesEverySlot()
{
    StorageSandbox sandbox;
    QVERIFY(sandbox.isValid());
    ConfigRecord config;
    makeDefaultConfiguration(config);
    QCOMPARE(saveConfiguration(config), StorageResult::Ok);
    config.profileNames[3] = QStringLiteral("Sniper");
    config.profiles[3].dpiStages[2].x = 1234;
    QCOMPARE(saveConfiguration(config), StorageResult::Ok);

    for (int slot = 0; slot < kProfileCount; ++slot) {
        QVERIFY(QFile::exists(profileFilePath(config.profileNames[static_cast<size_t>(slot)])));
    }
    ConfigRecord restarted;
    QCOMPARE(loadConfiguration(restarted), StorageResult::Ok);
    QCOMPARE(restarted.profileNames[3], QStringLiteral("Sniper"));
    QCOMPARE(restarted.profiles[3].dpiStages[2].x, 1234u);
    QVERIFY(restarted == config);
}

void TestProfileFiles::namesThatLeaveTheFolderAreRefused_data()
{
    QTest::addColumn<QString>("name");
    QTest::newRow("empty") << "";
    QTest::newRow("blank") << "   ";
    QTest::newRow("dot") << ".";
    QTest::newRow("dot dot") << "..";
    QTest::newRow("parent") << "../Config";
    QTest::newRow("slash") << "a/b";
    QTest::newRow("backslash") << "a\\b";
    QTest::newRow("colon") << "c:d";
    QTest::newRow("control character") << "tab\there";
}

void TestProfileFiles::namesThatLeaveTheFolderAreRefused()
{
    QFETCH(QString, name);
    StorageSandbox sandbox;
    QVERIFY(sandbox.isValid());
    const QByteArray configBefore = readBytes(configIniPath());
    ConfigRecord config;
    makeDefaultConfiguration(config);
    config.profileNames[2] = name;
    QCOMPARE(saveConfiguration(config), StorageResult::InvalidName);
    QCOMPARE(saveProfileList(config), StorageResult::InvalidName);
    QCOMPARE(writeNamedProfile(config.profiles[2], name), StorageResult::InvalidName);
    QCOMPARE(saveProfileDpiStage(name, 3), StorageResult::InvalidName);
    ProfileRecord profile;
    QCOMPARE(readNamedProfile(profile, name), StorageResult::InvalidName);

    // The other slots are written; nothing lands beside the profile folder.
    QVERIFY(QFile::exists(profileFilePath(QStringLiteral("Profile 5"))));
    QCOMPARE(QDir(profileDirectory()).entryList(QDir::Files).size(), 4);
    QCOMPARE(QDir(configDir()).entryList(QDir::Files), QStringList{ QStringLiteral("Config.ini") });
    QVERIFY(QDir(sandbox.appPath()).entryList({ QStringLiteral("*.prof") }, QDir::Files).isEmpty());
    QVERIFY(readBytes(configIniPath()) != configBefore);

    ConfigRecord loaded;
    QCOMPARE(loadConfiguration(loaded), StorageResult::InvalidName);
    QCOMPARE(loaded.profiles[2].LedMoveOFF, quint8(255));
    QVERIFY(loaded.profiles[3] == config.profiles[3]);
}

void TestProfileFiles::unchangedProfileFilesAreNotRewritten()
{
    StorageSandbox sandbox;
    QVERIFY(sandbox.isValid());
    ConfigRecord config = randomConfiguration(13);
    QCOMPARE(saveConfiguration(config), StorageResult::Ok);
    QDateTime before[kProfileCount];
    for (int slot = 0; slot < kProfileCount; ++slot) {
        before[slot] = writtenAt(profileFilePath(config.profileNames[static_cast<size_t>(slot)]));
    }
    letTimePass();
    config.profiles[1].buttons[7].KeyInfo[3].map ^= 1;
    QCOMPARE(saveConfiguration(config), StorageResult::Ok);
    for (int slot = 0; slot < kProfileCount; ++slot) {
        const QDateTime now = writtenAt(profileFilePath(config.profileNames[static_cast<size_t>(slot)]));
        QCOMPARE(now == before[slot], slot != 1);
    }

    // A file read exactly counts as holding its record, also for a later process; Config.ini
    // is left alone too when its values are those stored.
    ConfigRecord loaded;
    QCOMPARE(loadConfiguration(loaded), StorageResult::Ok);
    const QDateTime slot1 = writtenAt(profileFilePath(config.profileNames[1]));
    const QDateTime options = writtenAt(configIniPath());
    letTimePass();
    QCOMPARE(saveConfiguration(loaded), StorageResult::Ok);
    QCOMPARE(writtenAt(profileFilePath(config.profileNames[1])), slot1);
    QCOMPARE(writtenAt(configIniPath()), options);
}

void TestProfileFiles::incompleteOrEditedFilesAreRewritten()
{
    StorageSandbox sandbox;
    QVERIFY(sandbox.isValid());
    const ProfileRecord profile = randomProfile(14);
    const QString path = profileFilePath(QStringLiteral("edited"));
    QCOMPARE(writeNamedProfile(profile, QStringLiteral("edited")), StorageResult::Ok);
    letTimePass();
    QSettings(path, QSettings::IniFormat).setValue(QStringLiteral("PROFILE/acee"), int(profile.acee) ^ 1);
    QCOMPARE(writeNamedProfile(profile, QStringLiteral("edited")), StorageResult::Ok);
    ProfileRecord reread;
    QCOMPARE(readProfileFile(reread, path), StorageResult::Ok);
    QVERIFY(reread == profile);

    // Reading a file without light-off gives 255; saving that record must complete the file.
    QVERIFY(writeBytes(path, "[PROFILE]\npollrate=2\n"));
    QCOMPARE(readProfileFile(reread, path), StorageResult::Ok);
    QCOMPARE(writeProfileFile(reread, path), StorageResult::Ok);
    QCOMPARE(QSettings(path, QSettings::IniFormat).allKeys().size(), kProfileFileKeyCount);
    QCOMPARE(QSettings(path, QSettings::IniFormat).value(QStringLiteral("PROFILE/LedMoveOFF")).toInt(), 255);
}

void TestProfileFiles::writeFailuresAreReported()
{
    StorageSandbox sandbox;
    QVERIFY(sandbox.isValid());
    // A file where the profile folder should be: works as root too.
    QVERIFY(writeBytes(configDir() + QStringLiteral("/Profile"), "not a folder"));
    ConfigRecord config;
    makeDefaultConfiguration(config);
    QCOMPARE(saveConfiguration(config), StorageResult::WriteFailed);
    QCOMPARE(writeDefaultProfileFile(), StorageResult::WriteFailed);
    QCOMPARE(exportConfiguration(config, configDir() + QStringLiteral("/Profile/x.conf")), StorageResult::WriteFailed);
}

void TestProfileFiles::smallWritersTouchOnlyTheirKeys()
{
    StorageSandbox sandbox;
    QVERIFY(sandbox.isValid());
    ConfigRecord config = randomConfiguration(15);
    QCOMPARE(saveConfiguration(config), StorageResult::Ok);

    QCOMPARE(saveProfileDpiStage(config.profileNames[0], 6), StorageResult::Ok);
    config.Count = 2;
    config.profileNames[4] = QStringLiteral("Renamed");
    QCOMPARE(saveProfileList(config), StorageResult::Ok);
    QCOMPARE(saveActiveProfileIndex(3), StorageResult::Ok);

    ConfigRecord loaded;
    QCOMPARE(loadConfiguration(loaded), StorageResult::Ok);
    ConfigRecord expected = config;
    expected.ProfileID = 3;
    expected.profiles[0].dpi = 6;
    expected.profiles[4] = ProfileRecord(); // "Renamed" has no file yet
    expected.profiles[4].LedMoveOFF = 255;
    expected.profiles[4].LedSleepTime = 1;
    QVERIFY(loaded == expected);

    QCOMPARE(writeDefaultProfileFile(), StorageResult::Ok);
    ProfileRecord factory;
    makeDefaultProfile(factory);
    ProfileRecord stored;
    QCOMPARE(readProfileFile(stored, defaultProfileFilePath()), StorageResult::Ok);
    QVERIFY(stored == factory);
    QVERIFY(defaultProfileFilePath().endsWith(QStringLiteral("/Configs/Profile/DefaultProfile.prof")));
}

QTEST_GUILESS_MAIN(TestProfileFiles)
#include "test_profile_files.moc"
