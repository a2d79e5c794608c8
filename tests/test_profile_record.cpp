#include "random_config.h"
#include "storage/macro_files.h"
#include "storage/paths.h"
#include "storage/profile_record.h"
#include "storage_sandbox.h"

#include <QSettings>
#include <QtTest>
#include <functional>

using ConfigEdit = std::function<void(ConfigRecord& working, ConfigRecord& uploaded)>;
Q_DECLARE_METATYPE(ConfigEdit)

namespace {

// A configuration without macro buttons, so a comparison opens no macro file unless a test asks.
ConfigRecord configWithoutMacros(quint32 seed)
{
    ConfigRecord config = randomConfiguration(seed);
    config.ProfileID = 1;
    for (ProfileRecord& profile : config.profiles) {
        profile.LedMode = 3;
        for (ButtonEntry& button : profile.buttons) {
            if (button.Fun == kMacroFunction) {
                button.Fun = 0;
            }
        }
    }
    return config;
}

int writeSignOf(const QString& path)
{
    return QSettings(path, QSettings::IniFormat).value(QStringLiteral("Setting/WriteSign")).toInt();
}

void useMacro(ConfigRecord& config, int profile, int slot, const QString& name)
{
    ButtonEntry& button = config.profiles[static_cast<size_t>(profile)].buttons[static_cast<size_t>(slot)];
    button.Fun = kMacroFunction;
    button.macroname = name;
}

} // namespace

class TestProfileRecord final : public QObject
{
    Q_OBJECT

private slots:
    void builtInDefaultsWithoutProductFile();
    void productDefaultsComeFromTheDescription();
    void resetAllGivesEverySlotTheFactoryDefaults();
    void changeFlags_data();
    void changeFlags();
    void macroWriteSignIsPickedUpOnce();
    void macroWriteSignIsNotReadPastTheFirstDifference();
    void macroNamesOutsideTheFolderAreNeverOpened();
};

void TestProfileRecord::builtInDefaultsWithoutProductFile()
{
    StorageSandbox sandbox(StorageSandbox::Product::None);
    QVERIFY(sandbox.isValid());
    ProfileRecord profile = randomProfile(7);
    makeDefaultProfile(profile);

    QCOMPARE(profile.pollrate, quint8(1));
    QCOMPARE(profile.dpi, quint8(1));
    QCOMPARE(profile.LedMode, quint8(9));
    QCOMPARE(profile.LedMoveOFF, quint8(0));
    QCOMPARE(profile.LedSleepTime, quint8(1));
    QCOMPARE(profile.mousespeed, quint8(10));
    QCOMPARE(profile.dbclickspeed, quint8(5));
    QCOMPARE(profile.scrollispage, quint8(0));
    QCOMPARE(profile.scrollspeed, quint8(1));
    QCOMPARE(profile.accelenable, quint8(1));
    QCOMPARE(profile.acee, quint8(1));
    const quint32 levels[kDpiStageCount] = { 8, 12, 16, 24, 50, 75, 0, 0 };
    for (int i = 0; i < kDpiStageCount; ++i) {
        QCOMPARE(profile.dpiStages[static_cast<size_t>(i)], (DpiStage{ 1, 1, levels[i], levels[i], levels[i] }));
    }
    const qint32 functions[] = { 1, 2, 3, 4, 5, 4, 5 };
    for (int b = 0; b < kButtonSlotCount; ++b) {
        ButtonEntry expected;
        expected.Fun = b < 7 ? functions[b] : b == 40 ? 52 : b == 41 ? 53 : 0;
        QCOMPARE(profile.buttons[static_cast<size_t>(b)], expected);
    }
    for (int e = 0; e < kLedEffectCount; ++e) {
        const LedEffectSetting& effect = profile.ledEffects[static_cast<size_t>(e)];
        QCOMPARE(effect.RGB, e == 10 ? QColor(0, 255, 0) : QColor(255, 0, 0));
        QCOMPARE(effect.h, 360u);
        QCOMPARE(effect.s, 0u);
        QCOMPARE(effect.bright, 3u);
        const quint32 speed = e == 4 ? 2 : e == 9 ? 4 : e == 10 ? 5 : e == 12 ? 1 : 3;
        QCOMPARE(effect.breath, speed);
    }
    QVERIFY(profile.ProfileName.isEmpty());
    QVERIFY(profile.ProfilePath.isEmpty());
}

void TestProfileRecord::productDefaultsComeFromTheDescription()
{
    StorageSandbox sandbox(StorageSandbox::Product::None);
    QVERIFY(sandbox.isValid());
    QVERIFY(writeBytes(sandbox.path("DefaultProfile.bin"),
                       "[PROFILE]\npollrate=258\ndpi=3\nLedMode=517\n"
                       "DPI_INFO_0_xy=100\nDPI_INFO_7_xy=777\n"
                       "BUTTON_INFO_0_ID=9\nBUTTON_INFO_0_Fun=48\nBUTTON_INFO_0_LoopNumber=4\n"
                       "BUTTON_INFO_0_KeyNumber=2\nBUTTON_INFO_0_Res1=1\nBUTTON_INFO_0_Res4=260\n"
                       "BUTTON_INFO_15_Fun=16\nBUTTON_INFO_16_Fun=47\n"
                       "LedMode\\LED_MODE_2_RGB=@Variant(\\0\\0\\0\\x43\\x1\\xff\\xff\\0\\0\\0\\0\\xff\\xff\\0\\0)\n"
                       "LedMode\\LED_MODE_2_bright=4\nLedMode\\LED_MODE_2_breath=6\n"));
    ProfileRecord profile;
    makeDefaultProfile(profile);

    QCOMPARE(profile.pollrate, quint8(2));
    QCOMPARE(profile.dpi, quint8(3));
    QCOMPARE(profile.LedMode, quint8(5));
    QCOMPARE(profile.LedSleepTime, quint8(1));
    QCOMPARE(profile.dpiStages[0], (DpiStage{ 1, 1, 100, 100, 100 }));
    QCOMPARE(profile.dpiStages[3], (DpiStage{ 1, 1, 0, 0, 0 }));
    QCOMPARE(profile.dpiStages[7], (DpiStage{ 1, 1, 777, 777, 777 }));
    const ButtonEntry& first = profile.buttons[0];
    QCOMPARE(first.ID, 0); // the identifier is not a default the product gives
    QCOMPARE(first.Fun, 48);
    QCOMPARE(first.LoopNumber, 4);
    QCOMPARE(first.KeyNumber, 2);
    QCOMPARE(first.Res1, quint8(1));
    QCOMPARE(first.Res4, quint8(4));
    QCOMPARE(profile.buttons[15].Fun, 16);
    QCOMPARE(profile.buttons[16].Fun, 0); // the file fills entries 0..15 only
    QCOMPARE(profile.buttons[40].Fun, 52);
    QCOMPARE(profile.buttons[41].Fun, 53);
    QCOMPARE(profile.ledEffects[2].RGB, QColor(0, 0, 255));
    QCOMPARE(profile.ledEffects[2].h, 360u);
    QCOMPARE(profile.ledEffects[2].bright, 4u);
    QCOMPARE(profile.ledEffects[2].breath, 6u);
    QVERIFY(!profile.ledEffects[3].RGB.isValid());
}

void TestProfileRecord::resetAllGivesEverySlotTheFactoryDefaults()
{
    StorageSandbox sandbox;
    QVERIFY(sandbox.isValid());
    ConfigRecord config = randomConfiguration(11);
    config.Count = 3;
    makeDefaultConfiguration(config);

    ProfileRecord factory;
    makeDefaultProfile(factory);
    for (int slot = 0; slot < kProfileCount; ++slot) {
        QCOMPARE(config.profiles[static_cast<size_t>(slot)], factory);
        QCOMPARE(config.profileNames[static_cast<size_t>(slot)], QStringLiteral("Profile %1").arg(slot + 1));
    }
    QCOMPARE(config.Count, quint8(3));
    QCOMPARE(config.ProfileID, quint8(0));
    QCOMPARE(config.AngleValue, quint8(1));
    QCOMPARE(config.Sync, quint8(0));
    QCOMPARE(config.Jitter, quint8(1));
    QCOMPARE(config.Debounce, quint8(20));
    QCOMPARE(config.LiftHigh, quint8(1)); // the shipped product has sync capability 2

    StorageSandbox withoutProduct(StorageSandbox::Product::None);
    QVERIFY(withoutProduct.isValid());
    makeDefaultConfiguration(config);
    QCOMPARE(config.LiftHigh, quint8(0));
}

void TestProfileRecord::changeFlags_data()
{
    QTest::addColumn<ConfigEdit>("edit");
    QTest::addColumn<int>("flags");

    auto row = [](const char* name, int flags, ConfigEdit edit) { QTest::newRow(name) << edit << flags; };
    row("identical", 0, [](ConfigRecord&, ConfigRecord&) {});
    row("report rate of an inactive profile", 1, [](ConfigRecord& w, ConfigRecord&) { w.profiles[4].pollrate ^= 1; });
    row("scroll amount", 1, [](ConfigRecord& w, ConfigRecord&) { w.profiles[0].scrollspeed ^= 1; });
    row("angle snapping", 1, [](ConfigRecord& w, ConfigRecord&) { w.AngleValue ^= 1; });
    row("lift-off", 1, [](ConfigRecord& w, ConfigRecord&) { w.LiftHigh ^= 1; });
    row("sync", 1, [](ConfigRecord& w, ConfigRecord&) { w.Sync ^= 1; });
    row("jitter", 1, [](ConfigRecord& w, ConfigRecord&) { w.Jitter ^= 1; });
    row("debounce", 1, [](ConfigRecord& w, ConfigRecord&) { w.Debounce ^= 1; });
    row("profile count only", 0, [](ConfigRecord& w, ConfigRecord&) { w.Count ^= 1; });
    row("active profile index", 1, [](ConfigRecord& w, ConfigRecord&) { w.ProfileID = 2; });
    row("active stage of the active profile", 1, [](ConfigRecord& w, ConfigRecord&) { w.profiles[1].dpi ^= 1; });
    row("active stage of another profile", 0, [](ConfigRecord& w, ConfigRecord&) { w.profiles[2].dpi ^= 1; });
    row("light-off of the active profile", 1, [](ConfigRecord& w, ConfigRecord&) { w.profiles[1].LedMoveOFF ^= 1; });
    row("sleep time of another profile", 0, [](ConfigRecord& w, ConfigRecord&) { w.profiles[3].LedSleepTime ^= 1; });
    row("effect of the active profile", 9, [](ConfigRecord& w, ConfigRecord&) { w.profiles[1].LedMode = 4; });
    row("effect of another profile", 8, [](ConfigRecord& w, ConfigRecord&) { w.profiles[3].LedMode = 4; });
    row("pointer speed", 0, [](ConfigRecord& w, ConfigRecord&) { w.profiles[1].mousespeed ^= 1; });
    row("stage link only", 0, [](ConfigRecord& w, ConfigRecord&) { w.profiles[2].dpiStages[5].link ^= 1; });
    row("stage linked resolution only", 0, [](ConfigRecord& w, ConfigRecord&) { w.profiles[2].dpiStages[5].xy ^= 1; });
    row("stage x", 2, [](ConfigRecord& w, ConfigRecord&) { w.profiles[2].dpiStages[7].x ^= 1; });
    row("stage y", 2, [](ConfigRecord& w, ConfigRecord&) { w.profiles[4].dpiStages[0].y ^= 1; });
    row("stage enabled", 2, [](ConfigRecord& w, ConfigRecord&) { w.profiles[0].dpiStages[3].used ^= 1; });
    row("button function", 4, [](ConfigRecord& w, ConfigRecord&) { w.profiles[3].buttons[41].Fun ^= 1; });
    row("button identifier", 4, [](ConfigRecord& w, ConfigRecord&) { w.profiles[0].buttons[0].ID ^= 1; });
    row("button parameter", 4, [](ConfigRecord& w, ConfigRecord&) { w.profiles[2].buttons[9].Res3 ^= 1; });
    row("key slot high byte", 4, [](ConfigRecord& w, ConfigRecord&) { w.profiles[1].buttons[5].KeyInfo[62].H ^= 1; });
    row("macro name of a non-macro button", 0,
        [](ConfigRecord& w, ConfigRecord&) { w.profiles[1].buttons[5].macroname += QLatin1Char('x'); });
    row("macro name of a macro button", 4, [](ConfigRecord& w, ConfigRecord& u) {
        useMacro(w, 2, 3, QStringLiteral("one"));
        useMacro(u, 2, 3, QStringLiteral("two"));
    });
    row("unchanged macro button without a macro file", 0, [](ConfigRecord& w, ConfigRecord& u) {
        useMacro(w, 2, 3, QStringLiteral("absent"));
        useMacro(u, 2, 3, QStringLiteral("absent"));
    });
    row("colour of the selected effect", 8,
        [](ConfigRecord& w, ConfigRecord&) { w.profiles[4].ledEffects[3].RGB = QColor(1, 2, 3); });
    row("speed of the selected effect", 8,
        [](ConfigRecord& w, ConfigRecord&) { w.profiles[0].ledEffects[3].breath ^= 1; });
    row("colour of an effect not selected", 0,
        [](ConfigRecord& w, ConfigRecord&) { w.profiles[4].ledEffects[5].RGB = QColor(1, 2, 3); });
    row("one of each section", 15, [](ConfigRecord& w, ConfigRecord&) {
        w.Debounce ^= 1;
        w.profiles[2].dpiStages[1].x ^= 1;
        w.profiles[2].buttons[1].Fun ^= 1;
        w.profiles[2].ledEffects[3].v ^= 1;
    });
    // Indexes read from files may point past the tables; those lookups are skipped.
    row("effect index past the effects", 0, [](ConfigRecord& w, ConfigRecord& u) {
        w.profiles[2].LedMode = u.profiles[2].LedMode = 200;
        w.profiles[2].ledEffects[13].RGB = QColor(9, 9, 9);
    });
    row("active index past the profiles", 0, [](ConfigRecord& w, ConfigRecord& u) {
        w.ProfileID = u.ProfileID = 9;
        w.profiles[0].dpi ^= 1;
    });
}

void TestProfileRecord::changeFlags()
{
    QFETCH(ConfigEdit, edit);
    QFETCH(int, flags);
    StorageSandbox sandbox;
    QVERIFY(sandbox.isValid());
    ConfigRecord uploaded = configWithoutMacros(21);
    ConfigRecord working = uploaded;
    edit(working, uploaded);
    QCOMPARE(compareConfigurations(working, uploaded), flags);
    QVERIFY(!QFile::exists(macroFilePath(QStringLiteral("absent"))));
}

void TestProfileRecord::macroWriteSignIsPickedUpOnce()
{
    StorageSandbox sandbox;
    QVERIFY(sandbox.isValid());
    QCOMPARE(saveMacro(QStringLiteral("burst"), MacroFile{}), MacroResult::Ok);
    QCOMPARE(writeSignOf(macroFilePath(QStringLiteral("burst"))), 1);
    ConfigRecord uploaded = configWithoutMacros(5);
    useMacro(uploaded, 3, 17, QStringLiteral("burst"));
    const ConfigRecord working = uploaded;

    // Comparing alone (the window showing unsaved changes) must leave the sign for the upload.
    QCOMPARE(compareConfigurations(working, uploaded), ChangeFlag::None);
    QCOMPARE(writeSignOf(macroFilePath(QStringLiteral("burst"))), 1);
    QCOMPARE(takeMacroChanges(working, uploaded), ChangeFlag::Buttons);
    QCOMPARE(writeSignOf(macroFilePath(QStringLiteral("burst"))), 0);
    QCOMPARE(takeMacroChanges(working, uploaded), ChangeFlag::None);
}

void TestProfileRecord::macroWriteSignIsNotReadPastTheFirstDifference()
{
    StorageSandbox sandbox;
    QVERIFY(sandbox.isValid());
    QCOMPARE(saveMacro(QStringLiteral("late"), MacroFile{}), MacroResult::Ok);
    ConfigRecord uploaded = configWithoutMacros(6);
    useMacro(uploaded, 1, 0, QStringLiteral("late"));
    ConfigRecord working = uploaded;
    working.profiles[0].buttons[2].Fun ^= 1;

    QCOMPARE(takeMacroChanges(working, uploaded), ChangeFlag::Buttons);
    // The upload sends every button anyway; the sign stays for the next comparison.
    QCOMPARE(writeSignOf(macroFilePath(QStringLiteral("late"))), 1);
}

void TestProfileRecord::macroNamesOutsideTheFolderAreNeverOpened()
{
    StorageSandbox sandbox;
    QVERIFY(sandbox.isValid());
    const QString outside = sandbox.path("escape.MSMACRO");
    QVERIFY(writeBytes(outside, "[Setting]\nWriteSign=1\n"));
    ConfigRecord uploaded = configWithoutMacros(8);
    useMacro(uploaded, 0, 4, QStringLiteral("../../escape"));
    const ConfigRecord working = uploaded;

    QCOMPARE(takeMacroChanges(working, uploaded), ChangeFlag::None);
    QCOMPARE(readBytes(outside), QByteArray("[Setting]\nWriteSign=1\n"));
}

QTEST_GUILESS_MAIN(TestProfileRecord)
#include "test_profile_record.moc"
