#include "buttons/function_catalogue.h"
#include "device/commands.h"
#include "device/device_state.h"
#include "device/discovery.h"
#include "device/upload.h"
#include "sim/section_decoder.h"
#include "storage/app_config.h"
#include "storage/macro_files.h"
#include "upload_sandbox.h"

#include <QtTest>

Q_DECLARE_METATYPE(ButtonSlot)

namespace {

constexpr quint8 kBegin = CommandCode::UploadBracket;
constexpr quint8 kCommit = CommandCode::Commit;

QByteArray codes(std::initializer_list<int> list)
{
    QByteArray bytes;
    for (int code : list) {
        bytes.append(static_cast<char>(code));
    }
    return bytes;
}

// Command codes of a whole upload: bracket, the sections' blocks and ends, commits, bracket.
QByteArray section(quint8 code, int blocks)
{
    return QByteArray(blocks + 1, static_cast<char>(code));
}

QByteArray commitsAndEnd()
{
    return QByteArray(5, static_cast<char>(kCommit)) + codes({ kBegin });
}

MacroFile macroOf(int events, quint8 kind = MacroKind::KeyPress)
{
    MacroFile macro;
    for (int i = 0; i < events; ++i) {
        macro.events.append({ kind, static_cast<quint8>(4 + i % 26), 0 });
    }
    return macro;
}

void assignMacro(ButtonEntry& entry, const QString& name, int loopMode = 0, int loops = 1)
{
    entry.Fun = FunctionCode::Macro;
    entry.macroname = name;
    entry.Res1 = static_cast<quint8>(loopMode);
    entry.LoopNumber = loops;
}

ButtonSlot slotBytes(int b0, int b1, int b2, int b3)
{
    return { static_cast<quint8>(b0), static_cast<quint8>(b1), static_cast<quint8>(b2), static_cast<quint8>(b3) };
}

} // namespace

class TestUpload final : public QObject
{
    Q_OBJECT

private slots:
    void onlyLightingChanged();
    void nothingChangedSendsNothing();
    void mouseOffSendsNothing();
    void stopFlagEndsBeforeAnything();
    void failedUploadMakesTheNextOneFull();
    void monitorIsRestartedAfterSuccessAndAfterFailure();
    void generalSectionTakesTheActiveProfile();
    void sensorOptionByte_data();
    void sensorOptionByte();
    void dpiStageCount_data();
    void dpiStageCount();
    void aLoneSectionWriteReadsTheProductFiles();
    void dpiEncodingAtBothEndsOfEachRange_data();
    void dpiEncodingAtBothEndsOfEachRange();
    void buttonExamplesReachTheMouse();
    void buttonPositions_data();
    void buttonPositions();
    void macroUsedByTwoProfilesIsEncodedOnce();
    void macroSlotEncoding();
    void firstSentMacroBlockCarriesTheStartMarker();
    void lightingRecordsFromTheActiveProfile();
};

void TestUpload::onlyLightingChanged()
{
    UploadSandbox sandbox;
    QVERIFY(sandbox.isValid());
    ConfigRecord last = UploadSandbox::configuration();
    ConfigRecord working = last;
    ProfileRecord& profile = working.profiles[0];
    profile.ledEffects[profile.LedMode].RGB = QColor(10, 20, 30);

    const ProcessOutcome outcome = runProcessThread(working, last);
    QCOMPARE(outcome.result, quint8(0));
    QCOMPARE(outcome.dialogSignals, 1);
    QCOMPARE(outcome.sent, ChangeFlag::Lighting);
    QCOMPARE(sandbox.writtenCommands(), codes({ kBegin }) + section(CommandCode::LightingSection, 4) + commitsAndEnd());
    QCOMPARE(sandbox.mouse().commitsReceived(), (std::vector<quint8>{ 0x04, 0x01, 0x02, 0x08, 0x10 }));
    QVERIFY(last == working);
    QCOMPARE(pendingUploadFlag(), 0);
}

void TestUpload::nothingChangedSendsNothing()
{
    UploadSandbox sandbox;
    ConfigRecord last = UploadSandbox::configuration();
    ConfigRecord working = last;
    const ProcessOutcome outcome = runProcessThread(working, last);
    QCOMPARE(outcome.result, quint8(0));
    QCOMPARE(outcome.dialogSignals, 1);
    QCOMPARE(outcome.sent, ChangeFlag::None);
    QCOMPARE(sandbox.mouse().trace().writes(), 0);
}

void TestUpload::mouseOffSendsNothing()
{
    UploadSandbox sandbox;
    ConfigRecord last = UploadSandbox::configuration();
    ConfigRecord working = last;
    working.profiles[0].pollrate = 3;
    setMouseOff(true);
    const ProcessOutcome outcome = runProcessThread(working, last, nullptr, true);
    setMouseOff(false);
    QCOMPARE(outcome.result, kUploadMouseOff);
    QCOMPARE(outcome.dialogSignals, 1);
    QCOMPARE(sandbox.mouse().trace().writes(), 0);
    QCOMPARE(last.profiles[0].pollrate, UploadSandbox::configuration().profiles[0].pollrate);
}

void TestUpload::stopFlagEndsBeforeAnything()
{
    UploadSandbox sandbox;
    ConfigRecord last = UploadSandbox::configuration();
    ConfigRecord working = last;
    TarqProcessThread thread(working, last);
    thread.setStop(true);
    thread.setForceFull(true);
    QSignalSpy done(&thread, &TarqProcessThread::DoProcessDlg);
    thread.start();
    thread.wait();
    QCOMPARE(done.count(), 0);
    QCOMPARE(sandbox.mouse().trace().writes(), 0);
}

void TestUpload::failedUploadMakesTheNextOneFull()
{
    UploadSandbox sandbox;
    ConfigRecord last = UploadSandbox::configuration();
    ConfigRecord working = last;
    working.profiles[0].dpiStages[2].x = 100;
    sandbox.mouse().failNextWrites(1);
    const ProcessOutcome failed = runProcessThread(working, last);
    QCOMPARE(failed.result, kTransportWriteFailed);
    QCOMPARE(pendingUploadFlag(), 1);
    QVERIFY(last == working); // remembered even though it did not arrive

    sandbox.clearTrace();
    const ProcessOutcome again = runProcessThread(working, last);
    QCOMPARE(again.result, quint8(0));
    QCOMPARE(again.sent, ChangeFlag::All);
    for (quint8 code : { CommandCode::GeneralSection, CommandCode::ButtonSection, CommandCode::DpiSection,
                         CommandCode::LightingSection }) {
        QCOMPARE(sandbox.mouse().sectionWrites(code), 1);
    }
    QCOMPARE(sandbox.writtenCommands(),
             codes({ kBegin }) + section(CommandCode::GeneralSection, 1) + section(CommandCode::ButtonSection, 6) +
                 section(CommandCode::DpiSection, 9) + section(CommandCode::LightingSection, 4) + commitsAndEnd());
    QCOMPARE(pendingUploadFlag(), 0);
    QCOMPARE(decodeDpiSection(sandbox.mouse().section(CommandCode::DpiSection)).stages[2].xLow, quint8(100));
}

void TestUpload::monitorIsRestartedAfterSuccessAndAfterFailure()
{
    UploadSandbox sandbox;
    ConfigRecord record = UploadSandbox::configuration();
    RecordingMonitor monitor;
    QCOMPARE(uploadConfiguration(record, ChangeFlag::General, &monitor), quint8(0));
    QCOMPARE(monitor.stops, 1);
    QCOMPARE(monitor.starts, 1);

    sandbox.mouse().failNextWrites(1);
    QCOMPARE(uploadConfiguration(record, ChangeFlag::General, &monitor), kTransportWriteFailed);
    QCOMPARE(monitor.stops, 2);
    QCOMPARE(monitor.starts, 2);

    sandbox.mouse().unplug(MouseLink::Receiver);
    closeDevice();
    QCOMPARE(uploadConfiguration(record, ChangeFlag::General, &monitor), kTransportNoDevice);
    QCOMPARE(monitor.starts, 2); // nothing to watch without a handle
}

void TestUpload::generalSectionTakesTheActiveProfile()
{
    UploadSandbox sandbox;
    ConfigRecord record = UploadSandbox::configuration();
    for (int p = 0; p < kProfileCount; ++p) {
        record.profiles[p].scrollspeed = static_cast<quint8>(10 + p);
        record.profiles[p].pollrate = static_cast<quint8>(20 + p);
        record.profiles[p].LedMoveOFF = static_cast<quint8>(30 + p);
        record.profiles[p].LedSleepTime = static_cast<quint8>(40 + p);
        record.profiles[p].dpi = static_cast<quint8>(p);
        record.profiles[p].LedMode = static_cast<quint8>(9 + p);
    }
    record.ProfileID = 2;
    record.Debounce = 12;
    QCOMPARE(uploadConfiguration(record, ChangeFlag::General, nullptr), quint8(0));
    const DecodedGeneral general = decodeGeneralSection(sandbox.mouse().section(CommandCode::GeneralSection));
    QCOMPARE(general.scrollSpeed, (std::array<quint8, 5>{ 10, 11, 12, 13, 14 }));
    QCOMPARE(general.pollRate, (std::array<quint8, 5>{ 20, 21, 22, 23, 24 }));
    QCOMPARE(general.activeProfile, quint8(2));
    QCOMPARE(general.ledMoveOff, quint8(32));
    QCOMPARE(general.ledSleepTime, quint8(42));
    QCOMPARE(general.debounce, quint8(12));
    QCOMPARE(general.fixedOne, quint8(1));
    QCOMPARE(general.fixed1F, quint8(0x1F));
    QCOMPARE(general.dpiStage, quint8(2));
    QCOMPARE(general.lightingCode, quint8(7)); // mode 11
    QCOMPARE(sandbox.writtenCommands(), codes({ kBegin }) + section(CommandCode::GeneralSection, 1) + commitsAndEnd());

    record.profiles[2].LedMode = 200;
    QCOMPARE(uploadConfiguration(record, ChangeFlag::General, nullptr), quint8(0));
    QCOMPARE(decodeGeneralSection(sandbox.mouse().section(CommandCode::GeneralSection)).lightingCode, quint8(6));
}

void TestUpload::sensorOptionByte_data()
{
    QTest::addColumn<int>("syncMode");
    QTest::addColumn<int>("liftHigh");
    QTest::addColumn<int>("sync");
    QTest::addColumn<int>("angle");
    QTest::addColumn<int>("jitter");
    QTest::addColumn<int>("expected");
    QTest::newRow("mode 0 sends the lift-off distance") << 0 << 2 << 1 << 0 << 0 << 2;
    QTest::newRow("mode 1 sync on") << 1 << 2 << 1 << 0 << 0 << 1;
    QTest::newRow("mode 1 sync off") << 1 << 2 << 0 << 0 << 0 << 0;
    QTest::newRow("mode 2 all three bits together") << 2 << 1 << 1 << 0 << 0 << (1 | 0x80 | 0x40 | 0x20);
    QTest::newRow("mode 2 only sync") << 2 << 1 << 1 << 1 << 1 << (1 | 0x80);
    QTest::newRow("mode 2 no angle snapping") << 2 << 0 << 0 << 0 << 1 << 0x40;
    QTest::newRow("mode 3 no jitter filter") << 3 << 1 << 0 << 1 << 0 << (1 | 0x20);
}

void TestUpload::sensorOptionByte()
{
    QFETCH(int, syncMode);
    QFETCH(int, liftHigh);
    QFETCH(int, sync);
    QFETCH(int, angle);
    QFETCH(int, jitter);
    QFETCH(int, expected);
    UploadSandbox sandbox;
    sandbox.setProductValue(QStringLiteral("PROFILE/Sync"), syncMode);
    ConfigRecord record = UploadSandbox::configuration();
    record.LiftHigh = static_cast<quint8>(liftHigh);
    record.Sync = static_cast<quint8>(sync);
    record.AngleValue = static_cast<quint8>(angle);
    record.Jitter = static_cast<quint8>(jitter);
    QCOMPARE(uploadConfiguration(record, ChangeFlag::General, nullptr), quint8(0));
    QCOMPARE(decodeGeneralSection(sandbox.mouse().section(CommandCode::GeneralSection)).sensorOption, quint8(expected));
}

void TestUpload::dpiStageCount_data()
{
    QTest::addColumn<int>("stages");
    QTest::addColumn<int>("countByte");
    QTest::newRow("zero stages means eight") << 0 << 8;
    QTest::newRow("nine stages means eight") << 9 << 8;
    QTest::newRow("four") << 4 << 4;
}

void TestUpload::dpiStageCount()
{
    QFETCH(int, stages);
    QFETCH(int, countByte);
    UploadSandbox sandbox;
    sandbox.setProductCounts(6, stages);
    ConfigRecord record = UploadSandbox::configuration();
    for (int i = 0; i < kDpiStageCount; ++i) {
        record.profiles[0].dpiStages[i] = { 1, 1, 0, static_cast<quint32>(10 + i), static_cast<quint32>(20 + i) };
    }
    QCOMPARE(uploadConfiguration(record, ChangeFlag::Dpi, nullptr), quint8(0));
    const DecodedDpi dpi = decodeDpiSection(sandbox.mouse().section(CommandCode::DpiSection));
    QCOMPARE(dpi.stageCount, quint8(countByte));
    for (int i = 0; i < kDpiStageCount; ++i) {
        // Stages past the count keep their resolutions; only their enable byte is cleared.
        QCOMPARE(dpi.stages[i].used, quint8(i < countByte ? 1 : 0));
        QCOMPARE(dpi.stages[i].xLow, quint8(10 + i));
        QCOMPARE(dpi.stages[i].yLow, quint8(20 + i));
    }
}

void TestUpload::aLoneSectionWriteReadsTheProductFiles()
{
    UploadSandbox sandbox;
    sandbox.setProductCounts(6, 3);
    deviceImage() = UploadSandbox::configuration();
    deviceImage().profiles[2].dpiStages[0] = { 1, 1, 0, 40, 41 };
    QCOMPARE(writeDpiSection(2), quint8(0));
    const DecodedDpi dpi = decodeDpiSection(sandbox.mouse().section(CommandCode::DpiSection));
    QCOMPARE(dpi.stageCount, quint8(3));
    QCOMPARE(dpi.stages[0].xLow, quint8(40));
    QCOMPARE(dpi.stages[0].yLow, quint8(41));
}

void TestUpload::dpiEncodingAtBothEndsOfEachRange_data()
{
    QTest::addColumn<int>("sensor");
    QTest::addColumn<int>("x");
    QTest::addColumn<int>("y");
    QTest::addColumn<int>("mode");
    QTest::addColumn<ButtonSlot>("bytes");
    QTest::newRow("3104 swaps its axes") << 3104 << 14 << 105 << 0 << slotBytes(105, 0, 14, 0);
    QTest::newRow("31042 upper range") << 31042 << 158 << 14 << 0 << slotBytes(14, 0, 105, 1);
    QTest::newRow("3212") << 3212 << 16 << 111 << 0 << slotBytes(16, 0, 48, 2);
    QTest::newRow("3212 middle range") << 3212 << 64 << 94 << 0 << slotBytes(32, 1, 62, 1);
    QTest::newRow("3311") << 3311 << 1 << 120 << 0 << slotBytes(0, 0, 143, 0);
    QTest::newRow("33112") << 33112 << 1 << 180 << 0 << slotBytes(0, 0, 143, 1);
    QTest::newRow("3325 low and high") << 3325 << 1 << 90 << 0 << slotBytes(2, 0, 92, 2);
    QTest::newRow("3325 first and middle range ends") << 3325 << 50 << 75 << 0 << slotBytes(115, 0, 115, 1);
    QTest::newRow("33252") << 33252 << 1 << 75 << 0 << slotBytes(2, 0, 115, 1);
    QTest::newRow("3327") << 3327 << 1 << 106 << 0 << slotBytes(4, 0, 124, 4);
    QTest::newRow("3327 middle range end") << 3327 << 61 << 92 << 0 << slotBytes(140, 0, 140, 1);
    QTest::newRow("3333") << 3333 << 2 << 120 << 0 << slotBytes(4, 0, 187, 1);
    QTest::newRow("3335 sends X for both") << 3335 << 160 << 1 << 0 << slotBytes(188, 0, 188, 0);
    QTest::newRow("33352") << 33352 << 240 << 1 << 0 << slotBytes(188, 1, 188, 1);
    QTest::newRow("3360") << 3360 << 1 << 180 << 0 << slotBytes(0, 0, 119, 1);
    QTest::newRow("3370") << 3370 << 1 << 290 << 0 << slotBytes(0, 0, 189, 1);
    QTest::newRow("3389") << 3389 << 2 << 480 << 0 << slotBytes(2, 0, 0x40, 0x81);
    QTest::newRow("3389 first extended step") << 3389 << 321 << 320 << 0 << slotBytes(0xA1, 0x80, 0x40, 0x01);
    QTest::newRow("3395") << 3395 << 0 << 519 << 0 << slotBytes(0, 0, 0x07, 0x02);
    QTest::newRow("3395 limited in mode 8") << 3395 << 519 << 0 << 8 << slotBytes(0x8F, 0x01, 0, 0);
    QTest::newRow("33952") << 33952 << 519 << 779 << 0 << slotBytes(0x07, 0x02, 0x07, 0x82);
    QTest::newRow("3399 has no encoding") << 3399 << 0 << 599 << 0 << slotBytes(0, 0, 0, 0);
    QTest::newRow("unknown sensor") << 1234 << 50 << 50 << 0 << slotBytes(0, 0, 0, 0);
}

void TestUpload::dpiEncodingAtBothEndsOfEachRange()
{
    QFETCH(int, sensor);
    QFETCH(int, x);
    QFETCH(int, y);
    QFETCH(int, mode);
    QFETCH(ButtonSlot, bytes);
    UploadSandbox sandbox;
    sandbox.setSensor(sensor);
    setSensorModeByte(static_cast<quint8>(mode));
    ConfigRecord record = UploadSandbox::configuration();
    record.ProfileID = 1;
    record.profiles[1].dpiStages[3].x = static_cast<quint32>(x);
    record.profiles[1].dpiStages[3].y = static_cast<quint32>(y);
    QCOMPARE(uploadConfiguration(record, ChangeFlag::Dpi, nullptr), quint8(0));
    setSensorModeByte(0);
    const DecodedDpiStage stage = decodeDpiSection(sandbox.mouse().section(CommandCode::DpiSection)).stages[3];
    QCOMPARE(slotBytes(stage.xLow, stage.xFlag, stage.yLow, stage.yFlag), bytes);
}

void TestUpload::buttonExamplesReachTheMouse()
{
    UploadSandbox sandbox;
    for (const char* name : { "m0", "m1", "m2" }) {
        QCOMPARE(saveMacro(QString::fromLatin1(name), macroOf(2)), MacroResult::Ok);
    }
    ConfigRecord record = UploadSandbox::configuration();
    auto& buttons = record.profiles[0].buttons;
    assignMacro(buttons[0], "m0");
    assignMacro(buttons[1], "m1");
    assignMacro(buttons[2], "m2", 1);
    buttons[3].Fun = FunctionCode::ComboKey;
    buttons[3].KeyInfo[0] = { 225, 5, 0x80 };
    buttons[3].KeyInfo[1] = { 224, 5, 0x80 };
    buttons[3].KeyInfo[2] = { 4, 5, 0x80 };
    buttons[3].KeyInfo[3] = { 4, 5, 0x00 };
    buttons[3].KeyInfo[4] = { 224, 5, 0x00 };
    buttons[3].KeyInfo[5] = { 225, 5, 0x00 };
    buttons[4].Fun = FunctionCode::FireKey;
    buttons[4].Res1 = 0x84;
    buttons[4].LoopNumber = 10;
    buttons[4].KeyNumber = 35;
    buttons[5].Fun = 48;

    QCOMPARE(uploadConfiguration(record, ChangeFlag::Buttons, nullptr), quint8(0));
    const DecodedButtons decoded = decodeButtonSection(sandbox.mouse().section(CommandCode::ButtonSection));
    QCOMPARE(decoded.header, (std::array<quint8, 2>{ 0x0A, 0x00 }));
    QCOMPARE(decoded.buttonSlots[0], slotBytes(0x91, 0x00, 0x01, 0x00));
    QCOMPARE(decoded.buttonSlots[1], slotBytes(0x91, 0x01, 0x01, 0x00));
    QCOMPARE(decoded.buttonSlots[2], slotBytes(0x91, 0x82, 0xFF, 0xFF));
    QCOMPARE(decoded.buttonSlots[3], slotBytes(0x8F, 0x03, 0x04, 0x00));
    QCOMPARE(decoded.buttonSlots[4], slotBytes(0x99, 0x84, 0x0A, 0x03));
    QCOMPARE(decoded.buttonSlots[5], slotBytes(0x8A, 0, 0, 0));
    QCOMPARE(decoded.buttonSlots[6], slotBytes(0, 0, 0, 0));
    QCOMPARE(decoded.buttonSlots[22], slotBytes(0x8B, 0, 0, 0));
    QCOMPARE(decoded.buttonSlots[23], slotBytes(0x8C, 0, 0, 0));
    QCOMPARE(decoded.trailer, slotBytes(0xFF, 0xFF, 0xFF, 0xFF));
    // The slot numbers are remembered in the device image for the window.
    QCOMPARE(deviceImage().profiles[0].buttons[2].Res4, quint8(2));
    // Only the buttons' section and the macros they use went out.
    const DecodedMacroSlot third = decodeMacroSection(sandbox.mouse().section(CommandCode::MacroSection))[2];
    QCOMPARE(third.triples.size(), std::size_t(3));
}

void TestUpload::buttonPositions_data()
{
    QTest::addColumn<int>("buttonCount");
    QTest::addColumn<QVariantList>("matrix");   // positions of slots 0.., an invalid value removes the key
    QTest::addColumn<QVariantList>("expected"); // b0 of positions 0..23

    const QVariant none;
    // Slots 0..5 hold Left, Right, Middle, Forward, Back, Single key: 81 82 83 85 84 90.
    QTest::newRow("positions from the product file")
        << 3 << QVariantList{ 2, 0, 1 }
        << QVariantList{ 0x82, 0x83, 0x81, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0x8B, 0x8C };
    QTest::newRow("a missing key keeps the slot's own position")
        << 3 << QVariantList{ none, none, 0 }
        << QVariantList{ 0x83, 0x82, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0x8B, 0x8C };
    QTest::newRow("the wheel overwrites positions 22 and 23")
        << 2 << QVariantList{ 22, 23 }
        << QVariantList{ 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0x8B, 0x8C };
    QTest::newRow("positions past the image are skipped")
        << 2 << QVariantList{ 24, 200 }
        << QVariantList{ 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0x8B, 0x8C };
    QTest::newRow("no buttons still sends the wheel")
        << 0 << QVariantList{}
        << QVariantList{ 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0x8B, 0x8C };
}

void TestUpload::buttonPositions()
{
    QFETCH(int, buttonCount);
    QFETCH(QVariantList, matrix);
    QFETCH(QVariantList, expected);
    UploadSandbox sandbox;
    sandbox.setProductCounts(buttonCount, 6);
    for (int i = 0; i < 6; ++i) {
        const QString key = QStringLiteral("PROFILE/BUTTON_INFO_%1_Matrix").arg(i);
        if (i < matrix.size() && matrix.at(i).isValid()) {
            sandbox.setProductValue(key, matrix.at(i));
        } else {
            sandbox.removeProductValue(key);
        }
    }
    ConfigRecord record = UploadSandbox::configuration();
    const int functions[] = { 1, 2, 3, 4, 5, 6 };
    for (int i = 0; i < 6; ++i) {
        record.profiles[0].buttons[i].Fun = functions[i];
    }
    QCOMPARE(uploadConfiguration(record, ChangeFlag::Buttons, nullptr), quint8(0));
    const DecodedButtons decoded = decodeButtonSection(sandbox.mouse().section(CommandCode::ButtonSection));
    for (int p = 0; p < 24; ++p) {
        QVERIFY2(decoded.buttonSlots[p][0] == expected.at(p).toInt(), qPrintable(QStringLiteral("position %1").arg(p)));
    }
}

void TestUpload::macroUsedByTwoProfilesIsEncodedOnce()
{
    UploadSandbox sandbox;
    QCOMPARE(saveMacro("A", macroOf(3)), MacroResult::Ok);
    QCOMPARE(saveMacro("B", macroOf(1)), MacroResult::Ok);
    ConfigRecord record = UploadSandbox::configuration();
    assignMacro(record.profiles[0].buttons[3], "A");
    assignMacro(record.profiles[0].buttons[4], "B");
    assignMacro(record.profiles[2].buttons[5], "A");
    assignMacro(record.profiles[0].buttons[5], "A", 2);

    QCOMPARE(uploadConfiguration(record, ChangeFlag::Buttons, nullptr), quint8(0));
    const DecodedButtons buttons = decodeButtonSection(sandbox.mouse().section(CommandCode::ButtonSection));
    QCOMPARE(buttons.buttonSlots[3], slotBytes(0x91, 0x00, 0x01, 0x00));
    QCOMPARE(buttons.buttonSlots[4], slotBytes(0x91, 0x01, 0x01, 0x00));
    QCOMPARE(buttons.buttonSlots[5], slotBytes(0x91, 0x40, 0xFF, 0xFF));

    const QByteArray commands = sandbox.writtenCommands();
    QCOMPARE(commands.count(static_cast<char>(CommandCode::MacroSection)), 2 * 10 + 1);
    const auto macros = decodeMacroSection(sandbox.mouse().section(CommandCode::MacroSection));
    QCOMPARE(macros[0].triples.size(), std::size_t(4)); // three events and the closing delay
    QCOMPARE(macros[1].triples.size(), std::size_t(2));
    QVERIFY(macros[2].isEmpty());
}

void TestUpload::macroSlotEncoding()
{
    MacroFile five = macroOf(5);
    const MacroSlot spaced = encodeMacroSlot(five);
    const QByteArray expected = QByteArray::fromHex("840400840500840600840700060100840800060100");
    QCOMPARE(QByteArray(reinterpret_cast<const char*>(spaced.data()), expected.size()), expected);
    QCOMPARE(spaced[expected.size()], quint8(0));

    // Four events: the inserted delay and the closing one both follow.
    const MacroSlot four = encodeMacroSlot(macroOf(4));
    QCOMPARE(QByteArray(reinterpret_cast<const char*>(four.data()), 18),
             QByteArray::fromHex("840400840500840600840700060100060100"));

    MacroFile ownDelays = macroOf(5);
    ownDelays.events[2] = { MacroKind::Delay, 9, 1 };
    const MacroSlot copied = encodeMacroSlot(ownDelays);
    QCOMPARE(QByteArray(reinterpret_cast<const char*>(copied.data()), 15),
             QByteArray::fromHex("840400840500060901840700840800"));
    QCOMPARE(copied[15], quint8(0));

    // Long macros keep whole triples only: 66 of them, the last two bytes stay zero.
    MacroFile longOne = macroOf(70, MacroKind::Move);
    longOne.events[0] = { MacroKind::Delay, 1, 0 };
    const MacroSlot cut = encodeMacroSlot(longOne);
    QCOMPARE(cut[195], quint8(MacroKind::Move));
    QCOMPARE(cut[198], quint8(0));
    QCOMPARE(cut[199], quint8(0));

    const MacroSlot empty = encodeMacroSlot(MacroFile());
    QVERIFY(std::all_of(empty.cbegin(), empty.cend(), [](quint8 b) { return b == 0; }));
}

void TestUpload::firstSentMacroBlockCarriesTheStartMarker()
{
    UploadSandbox sandbox;
    QCOMPARE(saveMacro("empty", MacroFile()), MacroResult::Ok);
    QCOMPARE(saveMacro("full", macroOf(2)), MacroResult::Ok);
    ConfigRecord record = UploadSandbox::configuration();
    assignMacro(record.profiles[0].buttons[1], "empty");
    assignMacro(record.profiles[0].buttons[2], "full");
    QCOMPARE(uploadConfiguration(record, ChangeFlag::Buttons, nullptr), quint8(0));

    QList<QByteArray> macroWrites;
    for (const QByteArray& report : sandbox.writes()) {
        if (quint8(report.at(3)) == CommandCode::MacroSection) {
            macroWrites.append(report);
        }
    }
    QCOMPARE(macroWrites.size(), 11);
    QCOMPARE(quint8(macroWrites.first().at(4)), quint8(200)); // slot 1, the empty slot 0 is not sent
    QCOMPARE(quint8(macroWrites.first().at(7)), BlockMarker::First);
    QCOMPARE(quint8(macroWrites.at(1).at(7)), BlockMarker::Next);
    QCOMPARE(quint8(macroWrites.last().at(4)), quint8(0xFF));
    QCOMPARE(quint8(macroWrites.last().at(5)), quint8(0x0F));
    QCOMPARE(sandbox.mouse().protocolErrors(), 0);
    const auto macros = decodeMacroSection(sandbox.mouse().section(CommandCode::MacroSection));
    QVERIFY(macros[0].isEmpty());
    QCOMPARE(macros[1].triples.size(), std::size_t(3));

    // No macro at all: nothing of the macro section is sent.
    sandbox.clearTrace();
    record.profiles[0].buttons[2].Fun = FunctionCode::Right;
    record.profiles[0].buttons[1].Fun = FunctionCode::Right;
    QCOMPARE(uploadConfiguration(record, ChangeFlag::Buttons, nullptr), quint8(0));
    QVERIFY(!sandbox.writtenCommands().contains(static_cast<char>(CommandCode::MacroSection)));
}

void TestUpload::lightingRecordsFromTheActiveProfile()
{
    UploadSandbox sandbox;
    ConfigRecord record = UploadSandbox::configuration();
    record.ProfileID = 4;
    auto& effects = record.profiles[4].ledEffects;
    for (int e = 0; e < kLedEffectCount; ++e) {
        effects[e].RGB = QColor(e, 2 * e, 3 * e);
        effects[e].bright = static_cast<quint32>(e + 1);
        effects[e].breath = static_cast<quint32>(e + 100);
    }
    effects[2].RGB = QColor(); // missing colour
    effects[1].bright = 257;   // modulo 256
    QCOMPARE(uploadConfiguration(record, ChangeFlag::Lighting, nullptr), quint8(0));
    const auto records = decodeLightingSection(sandbox.mouse().section(CommandCode::LightingSection));
    using R = LightingRecord;
    QCOMPARE(records[0], (R{ 0x80, 0, 0, 0, 0, 0, 0, 0 }));
    QCOMPARE(records[1], (R{ 0x80, 1, 2, 3, 0x01, 0x00, 0x02, 1 }));
    QCOMPARE(records[2], (R{ 0x80, 0, 0, 0, 0x01, 102, 0x04, 0x03 }));
    QCOMPARE(records[3], (R{ 0x80, 0, 0, 0, 0x01, 103, 0x01, 0x03 }));
    QCOMPARE(records[4], (R{ 0x80, 0, 0, 0, 0x01, 104, 0x08, 5 }));
    QCOMPARE(records[5], (R{ 0x80, 0, 0, 0, 0x05, 109, 0x01, 10 }));
    QCOMPARE(records[6], (R{ 0x80, 0, 0, 0, 0x07, 0x00, 0x00, 12 }));
    QCOMPARE(records[7], (R{ 0x80, 0, 0, 0, 0x06, 110, 0x00, 11 }));
    QCOMPARE(records[8], (R{ 0x80, 0, 0, 0, 0x08, 112, 0x00, 13 }));
    QCOMPARE(records[9], (R{ 0x80, 0, 0, 0, 0x09, 113, 0x00, 14 }));
}

QTEST_GUILESS_MAIN(TestUpload)
#include "test_upload.moc"
