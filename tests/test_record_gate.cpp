// SPDX-License-Identifier: GPL-3.0-or-later
#include "buttons/function_catalogue.h"
#include "buttons/function_encoding.h"
#include "device/section_encoding.h"
#include "macro/macro_events.h"
#include "random_config.h"
#include "session/profile_loading.h"
#include "session/record_gate.h"
#include "session/send_check.h"
#include "session/startup.h"
#include "storage/app_config.h"
#include "storage/macro_files.h"
#include "storage/paths.h"
#include "storage/profile_files.h"
#include "storage/settings_guard.h"
#include "storage_sandbox.h"

Q_DECLARE_METATYPE(QVector<MacroEvent>)

#include <QFile>
#include <QFileInfo>
#include <QRandomGenerator>
#include <QSettings>
#include <QtTest>

namespace {

constexpr int kRecords = 200;

// A record whose every checked field lies inside its range (the rest random), made without the
// gate so that the gate can be held to leaving it alone.
ProfileRecord validProfile(quint32 seed, const RecordLimits& limits)
{
    QRandomGenerator random(seed);
    ProfileRecord profile = randomProfile(seed);
    const int rates[] = { 1, 2, 4, 8 };
    profile.pollrate = quint8(rates[random.bounded(4)]);
    profile.dpi = quint8(random.bounded(limits.stageCount));
    profile.LedMode = quint8(random.bounded(kLedEffectCount));
    profile.LedMoveOFF = random.bounded(2) ? 255 : 0;
    profile.LedSleepTime = quint8(random.bounded(limits.sleepMinimum, limits.sleepMaximum + 1));
    profile.scrollspeed = quint8(random.bounded(1, 21));
    for (DpiStage& stage : profile.dpiStages) {
        stage.used = quint8(random.bounded(2));
        stage.link = quint8(random.bounded(2));
        stage.x = quint32(random.bounded(limits.steps.minimum, limits.steps.maximum + 1));
        stage.y = stage.link ? stage.x : quint32(random.bounded(limits.steps.minimum, limits.steps.maximum + 1));
    }
    for (ButtonEntry& button : profile.buttons) {
        if (random.bounded(4) == 0) {
            button.Fun = FunctionCode::FireKey;
            button.Res1 = quint8(random.bounded(1, 256));
            button.LoopNumber = random.bounded(1, 256);
        }
    }
    profile.buttons[0].Fun = FunctionCode::Left;
    return profile;
}

void expectValid(const ProfileRecord& profile, const RecordLimits& limits)
{
    QVERIFY(profile.pollrate == 1 || profile.pollrate == 2 || profile.pollrate == 4 || profile.pollrate == 8);
    QVERIFY(profile.dpi < limits.stageCount);
    QVERIFY(profile.LedMode < kLedEffectCount);
    QVERIFY(profile.LedMoveOFF == 0 || profile.LedMoveOFF == 255);
    QVERIFY(profile.LedSleepTime >= limits.sleepMinimum && profile.LedSleepTime <= limits.sleepMaximum);
    QVERIFY(profile.scrollspeed >= 1 && profile.scrollspeed <= 20);
    for (const DpiStage& stage : profile.dpiStages) {
        QVERIFY(stage.used <= 1 && stage.link <= 1);
        QVERIFY(int(stage.x) >= limits.steps.minimum && int(stage.x) <= limits.steps.maximum);
        QVERIFY(int(stage.y) >= limits.steps.minimum && int(stage.y) <= limits.steps.maximum);
        QVERIFY(!stage.link || stage.x == stage.y);
    }
    for (const ButtonEntry& button : profile.buttons) {
        if (button.Fun == FunctionCode::FireKey && button.Res1 != 0)
            QVERIFY(button.LoopNumber >= 1 && button.LoopNumber <= 255);
    }
}

// Drops about one key in eight, chosen by the seed.
void dropKeys(const QString& path, quint32 seed)
{
    QSettings settings(path, QSettings::IniFormat);
    QRandomGenerator random(seed);
    for (const QString& key : settings.allKeys()) {
        if (random.bounded(8) == 0)
            settings.remove(key);
    }
}

MacroFile macroOf(const QVector<MacroEvent>& events)
{
    MacroFile macro;
    macro.events = events;
    return macro;
}

} // namespace

class TestRecordGate : public QObject
{
    Q_OBJECT

private slots:
    void init()
    {
        m_sandbox = std::make_unique<StorageSandbox>();
        QVERIFY(m_sandbox->isValid());
        QVERIFY(initDirectories({ m_sandbox->appPath(), {} }));
        QVERIFY(QDir().mkpath(profileDirectory()));
    }

    void cleanup() { m_sandbox.reset(); }

    // Seeded records through a slot file: valid ones come back unchanged, others come back
    // valid, and a second pass through the gate finds nothing more to repair.
    void everyLoadedRecordIsValidAndValidOnesNeverChange()
    {
        const RecordLimits limits = currentRecordLimits();
        const QString path = profileFilePath(QStringLiteral("Profile 1"));
        for (int seed = 0; seed < kRecords; ++seed) {
            const bool valid = seed % 2 == 0;
            const ProfileRecord written = valid ? validProfile(quint32(seed), limits) : randomProfile(quint32(seed));
            QVERIFY(writeProfileFile(written, path) == StorageResult::Ok);
            if (seed % 10 == 3)
                dropKeys(path, quint32(seed));
            const bool garbage = seed % 14 == 5;
            if (garbage)
                QVERIFY(writeBytes(path, QByteArray("\x7f"
                                                    "ELF\x01\x02 not a profile at all",
                                                    28)));

            ProfileRecord loaded;
            const QStringList report = loadProfileThroughGate(loaded, path, limits);
            if (valid && !garbage && seed % 10 != 3) {
                QVERIFY2(report.isEmpty(), qPrintable(report.join('\n')));
                QCOMPARE(loaded, written);
            }
            if (garbage) {
                QVERIFY(QFileInfo::exists(path + QStringLiteral(".damaged")));
                QVERIFY2(report.first().contains(QStringLiteral("Profile 1.prof")), qPrintable(report.first()));
                QCOMPARE(loaded.dpiStages, limits.defaults.dpiStages);
                QCOMPARE(loaded.buttons, limits.defaults.buttons);
            }
            for (const QString& line : report)
                QVERIFY2(line.startsWith(QStringLiteral("Profile 1.prof")), qPrintable(line));
            expectValid(loaded, limits);
            const ProfileRecord once = loaded;
            QVERIFY(repairProfileRecord(loaded, limits).isEmpty());
            QCOMPARE(loaded, once);
        }
    }

    void repairsSayWhatTheyDid()
    {
        const RecordLimits limits = currentRecordLimits();
        ProfileRecord profile = limits.defaults;
        profile.pollrate = 231;
        profile.dpi = 7;
        profile.dpiStages[2] = { 44, 1, 0, 34464, 65535 };
        profile.LedMoveOFF = 0xFD;
        const QStringList repairs = repairProfileRecord(profile, limits);
        QVERIFY(repairs.contains(QStringLiteral("report rate 231 is not a rate; 1000 Hz used.")));
        QCOMPARE(profile.pollrate, quint8(1));
        QCOMPARE(profile.dpi, limits.defaults.dpi);
        QCOMPARE(profile.dpiStages[2].used, quint8(1));
        QCOMPARE(int(profile.dpiStages[2].x), limits.steps.maximum);
        QCOMPARE(profile.dpiStages[2].y, profile.dpiStages[2].x);
        QCOMPARE(profile.LedMoveOFF, quint8(0));
        QVERIFY(
            reportText(repairReport(QStringLiteral("Game.prof"), repairs)).startsWith(QStringLiteral("Game.prof: ")));
    }

    void deviceOptionsTakeTheirFactoryValues()
    {
        // Missing keys read as the factory options, so a first run sends key response 20.
        QVERIFY(writeBytes(configIniPath(), "[Config]\nCurrentProductName=Tarq M1\n"));
        ConfigRecord config;
        loadConfiguration(config);
        QCOMPARE(config.Debounce, quint8(20));
        QCOMPARE(config.AngleValue, quint8(1));
        QCOMPARE(config.Jitter, quint8(1));
        QCOMPARE(config.LiftHigh, quint8(1));
        QCOMPARE(config.Sync, quint8(0));

        const RecordLimits limits = currentRecordLimits();
        config.Debounce = 0;
        config.LiftHigh = 0xFD;
        config.AngleValue = 7;
        const QStringList repairs = repairDeviceOptions(config, limits);
        QCOMPARE(repairs.size(), 3);
        QCOMPARE(config.Debounce, quint8(1));
        QCOMPARE(config.LiftHigh, quint8(2));
        QCOMPARE(config.AngleValue, quint8(1));
        QVERIFY(repairDeviceOptions(config, limits).isEmpty());
    }

    void aFirstStartHasTheFactoryOptions()
    {
        ConfigurationPair loaded;
        QVERIFY(loadStartupConfiguration(loaded).isEmpty());
        QCOMPARE(loaded.working.Debounce, quint8(20));
        // Angle snapping and jitter filtering off, lift-off 1: the flags stay clear.
        QCOMPARE(sensorOptionByte(loaded.working, productSync()), quint8(1));
    }

    void filesThatAreNoProfileStartFromTheDefaults()
    {
        const RecordLimits limits = currentRecordLimits();
        const QString missing = profileFilePath(QStringLiteral("Gone"));
        ProfileRecord record = randomProfile(3);
        QStringList report = loadProfileThroughGate(record, missing, limits);
        QCOMPARE(report.size(), 1);
        QVERIFY(report.first().contains(QStringLiteral("Gone.prof")));
        QCOMPARE(record.buttons, limits.defaults.buttons);
        QCOMPARE(record.ProfileName, QStringLiteral("Gone"));
        QVERIFY(loadProfileThroughGate(record, missing, limits, MissingFile::Silent).isEmpty());

        // Another product's profile is damaged here, and kept as it was.
        const QString foreign = profileFilePath(QStringLiteral("Foreign"));
        QVERIFY(writeProfileFile(validProfile(4, limits), foreign) == StorageResult::Ok);
        QVERIFY(writeProductTag(QStringLiteral("Other Mouse"), foreign) == StorageResult::Ok);
        const QByteArray content = readBytes(foreign);
        report = loadProfileThroughGate(record, foreign, limits);
        QVERIFY(report.first().contains(QStringLiteral("Foreign.prof.damaged")));
        QCOMPARE(readBytes(foreign + QStringLiteral(".damaged")), content);
        QVERIFY(!QFileInfo::exists(foreign));
    }

    void aLinkedProfileFileIsNeverWrittenThrough()
    {
        const QString target = m_sandbox->path(QStringLiteral("elsewhere.txt"));
        QVERIFY(writeBytes(target, "somebody's file\n"));
        const QString slot = profileFilePath(QStringLiteral("Profile 1"));
        QVERIFY(QFile::link(target, slot));
        ProfileRecord record;
        const QStringList report = loadProfileThroughGate(record, slot, currentRecordLimits());
        QVERIFY(!report.isEmpty());
        QVERIFY(writeProfileFile(currentRecordLimits().defaults, slot) == StorageResult::Ok);
        QCOMPARE(readBytes(target), QByteArray("somebody's file\n"));
        QVERIFY(!QFileInfo(slot).isSymLink());
        QVERIFY(QFileInfo(slot).isFile());
    }

    void theGateOutRefusesAProfileWithoutALeftClick()
    {
        ConfigRecord config;
        makeDefaultConfiguration(config);
        QVERIFY(!checkBeforeSend(config).refused());
        for (ButtonEntry& button : config.profiles[0].buttons)
            button.Fun = FunctionCode::Right;
        // A Left on a side slot the mouse is never sent keeps nothing.
        config.profiles[0].buttons[25].Fun = FunctionCode::Left;
        const SendCheck check = checkBeforeSend(config);
        QVERIFY(check.refused());
        QCOMPARE(check.refusalText(), QStringLiteral("Profile 1: AT LEAST ONE CLICK FUNCTION TO BE RETAINED."));
        config.profiles[0].buttons[41].Fun = FunctionCode::Left;
        QVERIFY(!checkBeforeSend(config).refused());
    }

    void theGateOutNamesMacrosTheMouseCannotHold_data()
    {
        QTest::addColumn<QVector<MacroEvent>>("events");
        QTest::addColumn<QString>("warning");
        QVector<MacroEvent> clicks;
        for (int i = 0; i < 31; ++i)
            clicks << buttonEvent(true, MouseButtonBit::Left) << buttonEvent(false, MouseButtonBit::Left);
        QTest::newRow("cut mid-click") << clicks
                                       << "The macro \"burst\" is too long for the mouse and will be cut after 53 "
                                          "events; LEFT stays pressed.";
        QTest::newRow("fits") << clicks.mid(0, 20) << QString();
        QTest::newRow("key held") << QVector<MacroEvent>{ keyEvent(true, 0x04), buttonEvent(true, 1),
                                                          buttonEvent(false, 1) }
                                  << "The macro \"burst\" ends with a key or button pressed; A stays pressed.";
    }

    void theGateOutNamesMacrosTheMouseCannotHold()
    {
        QFETCH(QVector<MacroEvent>, events);
        QFETCH(QString, warning);
        QCOMPARE(saveMacro(QStringLiteral("burst"), macroOf(events)), MacroResult::Ok);
        ConfigRecord config;
        makeDefaultConfiguration(config);
        ButtonEntry& button = config.profiles[0].buttons[2];
        button.Fun = FunctionCode::Macro;
        button.macroname = QStringLiteral("burst");
        button.LoopNumber = 1;
        const SendCheck check = checkBeforeSend(config);
        QVERIFY(!check.refused());
        QCOMPARE(check.warningText(), warning);

        button.macroname = QStringLiteral("never saved");
        QVERIFY(checkBeforeSend(config).warningText().contains(QStringLiteral("\"never saved\" has no file")));
    }

private:
    std::unique_ptr<StorageSandbox> m_sandbox;
};

QTEST_GUILESS_MAIN(TestRecordGate)
#include "test_record_gate.moc"
