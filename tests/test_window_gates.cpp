// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/mousecfg_widget.h"
#include "buttons/function_catalogue.h"
#include "controls/labels_menus.h"
#include "device/commands.h"
#include "device/section_encoding.h"
#include "device/upload.h"
#include "macro_page_driver.h"
#include "pages/performance_page.h"
#include "random_config.h"
#include "session/record_gate.h"
#include "sim/section_decoder.h"
#include "storage/app_config.h"
#include "storage/paths.h"
#include "storage/profile_files.h"
#include "storage_sandbox.h"
#include "window_sandbox.h"

#include <QFileInfo>
#include <QRandomGenerator>
#include <QSettings>
#include <QtTest>

namespace {

constexpr int kRecords = 200;

// What the virtual mouse holds of the active profile, against what the record encodes to.
void expectMouseHolds(VirtualMouse& mouse, const ConfigRecord& config)
{
    const ProfileRecord& profile = config.profiles[config.ProfileID];
    const DecodedGeneral general = decodeGeneralSection(mouse.section(CommandCode::GeneralSection));
    QCOMPARE(general.pollRate[config.ProfileID], profile.pollrate);
    QCOMPARE(general.dpiStage, profile.dpi);
    QCOMPARE(general.debounce, config.Debounce);
    QCOMPARE(general.ledMoveOff, profile.LedMoveOFF);
    QCOMPARE(general.ledSleepTime, profile.LedSleepTime);
    QCOMPARE(general.lightingCode, lightingCode(profile.LedMode));
    QCOMPARE(general.scrollSpeed[config.ProfileID], profile.scrollspeed);
    const DecodedDpi dpi = decodeDpiSection(mouse.onBoardSection(mouse.activeProfile(), CommandCode::DpiSection));
    EncodingContext context = currentEncodingContext();
    for (int stage = 0; stage < kDpiStageCount; ++stage) {
        const DpiStageBlock block = encodeDpiStageBlock(profile, stage, context);
        const DecodedDpiStage& sent = dpi.stages[size_t(stage)];
        const std::array<quint8, kDpiStageBlockSize> received = { sent.used, sent.xLow, sent.xFlag, sent.yLow,
                                                                  sent.yFlag };
        QCOMPARE(QByteArray(reinterpret_cast<const char*>(block.data()), kDpiStageBlockSize),
                 QByteArray(reinterpret_cast<const char*>(received.data()), kDpiStageBlockSize));
    }
}

// A seeded slot file: half the records valid, half with values outside every range, some with keys
// missing; every seventh left damaged.
ProfileRecord writeSeededSlotFile(int seed, const RecordLimits& limits, const QString& path)
{
    ProfileRecord record = randomProfile(quint32(seed));
    if (seed % 2 == 0)
        repairProfileRecord(record, limits);
    record.buttons[0].Fun = FunctionCode::Left;
    writeProfileFile(record, path);
    if (seed % 10 == 1) {
        QSettings settings(path, QSettings::IniFormat);
        settings.remove(QStringLiteral("PROFILE/pollrate"));
        settings.remove(QStringLiteral("PROFILE/DPI_INFO_2_x"));
    }
    if (seed % 7 == 3)
        writeBytes(path, "garbage, not a profile\n");
    return record;
}

void closeAnyMessage()
{
    if (TarqMessageBox* box = visibleMessageBox()) {
        box->accept();
        QTRY_VERIFY(!visibleMessageBox());
    }
}

} // namespace

class TestWindowGates : public QObject
{
    Q_OBJECT

private slots:
    // Seeded records loaded through the gate by Cancel, shown, taken back by Apply and sent: the
    // pages give back what they were shown, the mouse holds it, and a valid record is unchanged.
    void whatThePagesShowIsWhatTheMouseGets()
    {
        WindowSandbox sandbox;
        QVERIFY(sandbox.isValid());
        sandbox.mouse().plug(MouseLink::Receiver);
        auto window = sandbox.makeWindow();
        const RecordLimits limits = currentRecordLimits();
        const QString path = profileFilePath(QStringLiteral("Profile 1"));
        for (int seed = 0; seed < kRecords; ++seed) {
            ProfileRecord written = writeSeededSlotFile(seed, limits, path);
            const quint8 desktopSpeed = window->workingConfiguration().profiles[0].mousespeed;
            click(*window, QStringLiteral("Cancel"));
            closeAnyMessage();
            const ConfigRecord shown = window->workingConfiguration();
            // Cancel keeps the pointer speed the slot took from the desktop; the rest is the file's.
            QCOMPARE(shown.profiles[0].mousespeed, desktopSpeed);
            written.mousespeed = desktopSpeed;
            if (seed % 2 == 0 && seed % 10 != 1 && seed % 7 != 3)
                QCOMPARE(shown.profiles[0], written);

            // The first send is whole; later ones send what changed, so the mouse holds it all.
            if (seed == 0)
                QVERIFY(setPendingUploadFlag(1) == StorageResult::Ok);
            click(*window, QStringLiteral("Apply"));
            waitForSend(*window, 0);
            closeAnyMessage();
            ConfigRecord applied = window->workingConfiguration();
            QCOMPARE(applied.profiles[0].buttons, shown.profiles[0].buttons);
            QCOMPARE(applied.profiles[0].dpiStages, shown.profiles[0].dpiStages);
            QCOMPARE(applied.profiles[0].dpi, shown.profiles[0].dpi);
            QCOMPARE(applied.profiles[0].pollrate, shown.profiles[0].pollrate);
            QCOMPARE(applied.profiles[0].ledEffects, shown.profiles[0].ledEffects);
            QCOMPARE(applied.Debounce, shown.Debounce);
            expectMouseHolds(sandbox.mouse(), applied);
            if (QTest::currentTestFailed())
                QFAIL(qPrintable(QStringLiteral("seed %1").arg(seed)));
            QFile::remove(path + QStringLiteral(".damaged"));
        }
    }

    void aMissingLibraryFileStartsFromTheDefaults()
    {
        WindowSandbox sandbox;
        QVERIFY(sandbox.isValid());
        sandbox.mouse().plug(MouseLink::Receiver);
        QDir().mkpath(productFolder());
        QVERIFY(writeProfileList({ "Profile 1", "Profile 2", "Profile 3", "Profile 4", "Profile 5", "Ghost" }) ==
                StorageResult::Ok);
        auto window = sandbox.makeWindow();
        chooseFromMenu(*window, QStringLiteral("Profile list"), QStringLiteral("Ghost"));
        expectMessage(QStringLiteral("Ghost.prof is missing"));
        ProfileRecord defaults;
        makeDefaultProfile(defaults);
        QCOMPARE(window->workingConfiguration().profiles[0].buttons, defaults.buttons);
        QCOMPARE(window->workingConfiguration().profiles[0].dpiStages, defaults.dpiStages);

        QVERIFY(setPendingUploadFlag(1) == StorageResult::Ok);
        click(*window, QStringLiteral("Apply"));
        waitForSend(*window, 0);
        expectMouseHolds(sandbox.mouse(), window->workingConfiguration());
        const DecodedButtons buttons = decodeButtonSection(
            sandbox.mouse().onBoardSection(sandbox.mouse().activeProfile(), CommandCode::ButtonSection));
        QVERIFY(buttons.buttonSlots[0] != ButtonSlot{});
    }

    void cancelSetsADamagedSlotFileAside()
    {
        WindowSandbox sandbox;
        QVERIFY(sandbox.isValid());
        sandbox.mouse().plug(MouseLink::Receiver);
        auto window = sandbox.makeWindow();
        const QString path = profileFilePath(QStringLiteral("Profile 1"));
        QVERIFY(writeBytes(path, "\x01\x02 garbage"));
        click(*window, QStringLiteral("Cancel"));
        expectMessage(QStringLiteral("Profile 1.prof.damaged"));
        QCOMPARE(readBytes(path + QStringLiteral(".damaged")), QByteArray("\x01\x02 garbage"));
        ProfileRecord defaults;
        makeDefaultProfile(defaults);
        QCOMPARE(window->workingConfiguration().profiles[0].buttons, defaults.buttons);
    }

    // An imported file out of every range: the window says what it repaired and sends only that.
    void importsAreRepairedAndSaySo()
    {
        WindowSandbox sandbox;
        QVERIFY(sandbox.isValid());
        sandbox.mouse().plug(MouseLink::Receiver);
        auto window = sandbox.makeWindow();
        const QString prof = sandbox.appPath() + QStringLiteral("/Wild.prof");
        ProfileRecord wild = window->workingConfiguration().profiles[0];
        wild.pollrate = 231;
        wild.dpi = 7;
        wild.dpiStages[1] = { 44, 1, 0, 34464, 65535 };
        QVERIFY(writeProfileFile(wild, prof) == StorageResult::Ok);
        QVERIFY(writeProductTag(currentProductName(), prof) == StorageResult::Ok);
        QVERIFY(setPendingUploadFlag(1) == StorageResult::Ok);
        chooseInFileDialog(window.get(), { prof });
        TarqPushButton* import = buttonNamed(window.get(), QStringLiteral("Import profile"));
        QVERIFY(import);
        import->click();
        waitForSend(*window, 0);
        expectMessage(QStringLiteral("Wild.prof: report rate 231 is not a rate; 1000 Hz used."));
        const ConfigRecord& working = window->workingConfiguration();
        QCOMPARE(working.profileNames[0], QStringLiteral("Wild"));
        QCOMPARE(working.profiles[0].pollrate, quint8(1));
        QVERIFY(working.profiles[0].dpi < productDpiStageCount());
        expectMouseHolds(sandbox.mouse(), working);

        ConfigRecord conf = working;
        conf.Debounce = 0;
        conf.LiftHigh = 0xFD;
        conf.profiles[0].pollrate = 99;
        const QString confPath = sandbox.appPath() + QStringLiteral("/wild.conf");
        QVERIFY(writeConfigurationFile(conf, currentProductName(), confPath) == StorageResult::Ok);
        chooseInFileDialog(window.get(), { confPath });
        click(*window, QStringLiteral("LOAD1"));
        waitForSend(*window, 0);
        expectMessage(QStringLiteral("wild.conf: key response 0 is outside 1..255; 1 used."));
        QCOMPARE(window->workingConfiguration().LiftHigh, quint8(2));
        expectMouseHolds(sandbox.mouse(), window->workingConfiguration());
    }

    void noLeftClickIsNeverSent()
    {
        WindowSandbox sandbox;
        QVERIFY(sandbox.isValid());
        sandbox.mouse().plug(MouseLink::Receiver);
        auto window = sandbox.makeWindow();
        for (ButtonEntry& button : window->workingConfiguration().profiles[0].buttons)
            button.Fun = FunctionCode::Right;
        const int begun = sandbox.mouse().uploadsBegun();
        click(*window, QStringLiteral("Apply"));
        expectMessage(QStringLiteral("Profile 1: AT LEAST ONE CLICK FUNCTION TO BE RETAINED."));
        QCOMPARE(sandbox.mouse().uploadsBegun(), begun);
    }

    void aFirstRunShowsAndSendsTheFactoryKeyResponse()
    {
        WindowSandbox sandbox;
        QVERIFY(sandbox.isValid());
        sandbox.mouse().plug(MouseLink::Receiver);
        auto window = sandbox.makeWindow();
        auto* performance = window->findChild<TarqPointSpeed*>();
        QVERIFY(performance);
        QCOMPARE(performance->keyResponseValue()->text(), QStringLiteral("20"));
        QVERIFY(setPendingUploadFlag(1) == StorageResult::Ok);
        click(*window, QStringLiteral("Apply"));
        waitForSend(*window, 0);
        const DecodedGeneral general = decodeGeneralSection(sandbox.mouse().section(CommandCode::GeneralSection));
        QCOMPARE(general.debounce, quint8(20));
        QCOMPARE(general.sensorOption, quint8(1));
    }
};

QTEST_MAIN(TestWindowGates)
#include "test_window_gates.moc"
