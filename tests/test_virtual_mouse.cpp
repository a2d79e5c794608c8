#include "device/commands.h"
#include "device/hid_backend.h"
#include "device_sandbox.h"
#include "sim/section_decoder.h"
#include "sim/sim_hotplug_source.h"

#include <QElapsedTimer>
#include <QSignalSpy>
#include <QtTest>

namespace {

// A raw transfer through the seam, with the checksum a report of that kind carries.
int writeRaw(HidHandle handle, CommandReport report, bool withChecksum = true)
{
    if (withChecksum)
        report[1] = commandChecksum(report.data());
    return hidBackend().write(handle, report.data(), report.size());
}

CommandReport readRaw(HidHandle handle, int* result = nullptr)
{
    CommandReport report{};
    const int read = hidBackend().readTimeout(handle, report.data(), report.size(), 20);
    if (result)
        *result = read;
    return report;
}

HidHandle openCommand(VirtualMouse& mouse, MouseLink link)
{
    return hidBackend().openPath(mouse.interfacePath(link, VirtualMouse::kCommandCollection));
}

void writeSection(HidHandle handle, quint8 code, const QByteArray& bytes)
{
    for (int offset = 0; offset < bytes.size(); offset += 24) {
        const QByteArray block = bytes.mid(offset, 24);
        CommandReport report = makeCommandReport(code, quint8(offset & 0xFF), quint8(offset >> 8), quint8(block.size()),
                                                 offset == 0 ? BlockMarker::First : BlockMarker::Next);
        std::copy(block.begin(), block.end(), report.begin() + 8);
        writeRaw(handle, report);
    }
    const quint16 end = code == CommandCode::MacroSection ? kMacroSectionEndOffset : kSectionEndOffset;
    CommandReport close = makeCommandReport(code, quint8(end & 0xFF), quint8(end >> 8), 1, BlockMarker::End);
    close[8] = kEndOfSectionByte;
    writeRaw(handle, close);
}

} // namespace

class TestVirtualMouse : public QObject
{
    Q_OBJECT

private slots:
    void collectionsOfEachIdentity()
    {
        DeviceSandbox sandbox;
        QVERIFY(hidBackend().enumerate().empty());
        sandbox.mouse().plug(MouseLink::Cable);
        const std::vector<HidDeviceInfo> entries = hidBackend().enumerate();
        QCOMPARE(int(entries.size()), 4);
        const quint16 pairs[4][2] = { { 1, 2 }, { 1, 6 }, { 0x0C, 1 }, { 1, 0 } };
        for (int i = 0; i < 4; ++i) {
            QCOMPARE(entries[i].usagePage, pairs[i][0]);
            QCOMPARE(entries[i].usage, pairs[i][1]);
            QCOMPARE(entries[i].productId, DeviceSandbox::kCableProductId);
            QVERIFY(entries[i].interfaceName.endsWith(
                QStringLiteral("&col%1#sim&cable#{4d1e55b2-f16f-11cf-88cb-001111000030}")
                    .arg(i + 1, 2, 10, QLatin1Char('0'))
                    .toLatin1()));
        }
    }

    void plugAndUnplugAreAnnounced()
    {
        DeviceSandbox sandbox;
        QSignalSpy spy(&sandbox.mouse(), &VirtualMouse::interfaceChanged);
        sandbox.mouse().plug(MouseLink::Receiver);
        sandbox.mouse().plug(MouseLink::Receiver); // already in: no news
        sandbox.mouse().unplug(MouseLink::Receiver);
        QCOMPARE(spy.count(), 8);
        QCOMPARE(spy.at(3).at(0).toString(), sandbox.mouse().hotplugName(MouseLink::Receiver, 4));
        QVERIFY(spy.at(3).at(0).toString().startsWith(QLatin1String("HID#VID_3A5C&PID_1001&col04")));
        QCOMPARE(spy.at(3).at(1).toBool(), true);
        QCOMPARE(spy.at(7).at(1).toBool(), false);
    }

    void hotplugSourceForwardsWhileStarted()
    {
        DeviceSandbox sandbox;
        SimHotplugSource source(sandbox.mouse());
        QSignalSpy spy(&source, &HotplugSource::interfaceChanged);
        sandbox.mouse().plug(MouseLink::Cable); // not started yet: not heard
        QVERIFY(source.start());
        QVERIFY(source.start()); // starting twice does not double the news
        sandbox.mouse().unplug(MouseLink::Cable);
        QCOMPARE(spy.count(), VirtualMouse::kCollectionCount);
        for (int i = 0; i < spy.count(); ++i) {
            QCOMPARE(spy.at(i).at(0).toString(), sandbox.mouse().hotplugName(MouseLink::Cable, i + 1));
            QCOMPARE(spy.at(i).at(1).toBool(), false);
        }
        source.stop();
        sandbox.mouse().plug(MouseLink::Receiver);
        QCOMPARE(spy.count(), VirtualMouse::kCollectionCount);
    }

    void badReportsAreNotEchoed_data()
    {
        QTest::addColumn<int>("byteIndex");
        QTest::addColumn<int>("value");
        QTest::newRow("report id") << 0 << 0x06;
        QTest::newRow("checksum") << 1 << 0x00;
        QTest::newRow("marker") << 2 << 0xFB;
    }

    void badReportsAreNotEchoed()
    {
        QFETCH(int, byteIndex);
        QFETCH(int, value);
        DeviceSandbox sandbox;
        sandbox.mouse().plug(MouseLink::Receiver);
        sandbox.mouse().setFastTimeouts(true);
        const HidHandle handle = openCommand(sandbox.mouse(), MouseLink::Receiver);
        CommandReport report = makeCommandReport(CommandCode::UploadBracket);
        report[1] = commandChecksum(report.data());
        report[byteIndex] = quint8(value);
        QCOMPARE(writeRaw(handle, report, false), 33);
        int read = -1;
        readRaw(handle, &read);
        QCOMPARE(read, 0);
        QCOMPARE(sandbox.mouse().rejectedReports(), 1);
        QCOMPARE(sandbox.mouse().uploadsBegun(), 0);
        QCOMPARE(sandbox.mouse().trace().lines().last(), QStringLiteral("R timeout"));
    }

    void traceLineFormat()
    {
        DeviceSandbox sandbox;
        QTemporaryDir dir;
        const QString file = dir.filePath(QStringLiteral("t.log"));
        QVERIFY(sandbox.mouse().trace().setFile(file));
        sandbox.mouse().plug(MouseLink::Receiver);
        const HidHandle handle = openCommand(sandbox.mouse(), MouseLink::Receiver);
        const CommandReport query = batteryQueryReport();
        hidBackend().write(handle, query.data(), query.size());
        const QString expected = QStringLiteral("W 05 24 fa 48") + QStringLiteral(" 00").repeated(29);
        QCOMPARE(sandbox.mouse().trace().lines().first(), expected);
        QFile log(file);
        QVERIFY(log.open(QIODevice::ReadOnly));
        QCOMPARE(log.readAll(), expected.toLatin1() + '\n');
    }

    void readsBlockUntilTheEchoOrTheTimeout()
    {
        DeviceSandbox sandbox;
        sandbox.mouse().plug(MouseLink::Receiver);
        const HidHandle handle = openCommand(sandbox.mouse(), MouseLink::Receiver);
        QElapsedTimer clock;
        clock.start();
        CommandReport report{};
        QCOMPARE(hidBackend().readTimeout(handle, report.data(), report.size(), 60), 0);
        QVERIFY(clock.elapsed() >= 55);

        writeRaw(handle, makeCommandReport(CommandCode::UploadBracket, 1));
        QCOMPARE(hidBackend().readTimeout(handle, report.data(), report.size(), 50), 33);
        QCOMPARE(int(report[3]), int(CommandCode::UploadBracket));
    }

    void batteryAnswer()
    {
        DeviceSandbox sandbox;
        sandbox.mouse().plug(MouseLink::Receiver);
        sandbox.mouse().setBatteryMillivolts(4100);
        sandbox.mouse().setCharging(true);
        sandbox.mouse().setModeByte(8);
        const HidHandle handle = openCommand(sandbox.mouse(), MouseLink::Receiver);
        writeRaw(handle, batteryQueryReport());
        CommandReport answer = readRaw(handle);
        QCOMPARE(int(answer[3]), 0x48);
        const int level = answer[5] * 256 + answer[4];
        QCOMPARE(level * 990 / 240, 4100); // as the window turns the word into millivolts
        QCOMPARE(int(answer[6]), 1);
        QCOMPARE(int(answer[7]), 1);
        QCOMPARE(int(answer[10]), 8);
        QCOMPARE(answer[1], commandChecksum(answer.data()));

        // Mid-upload the mouse's configuration is not in step.
        writeRaw(handle, makeCommandReport(CommandCode::UploadBracket, 0));
        readRaw(handle);
        writeRaw(handle, batteryQueryReport());
        QCOMPARE(int(readRaw(handle)[7]), 0);
    }

    void uploadEndIsAnnounced()
    {
        DeviceSandbox sandbox;
        VirtualMouse& mouse = sandbox.mouse();
        mouse.plug(MouseLink::Receiver);
        mouse.setFastTimeouts(true);
        const HidHandle handle = openCommand(mouse, MouseLink::Receiver);
        // A receiver may look at the mouse at once: nothing is locked while it hears the news.
        QList<int> endsSeen;
        connect(&mouse, &VirtualMouse::uploadEnded, this, [&] { endsSeen << mouse.uploadsEnded(); });
        writeRaw(handle, makeCommandReport(CommandCode::UploadBracket, 0));
        QVERIFY(endsSeen.isEmpty());
        writeRaw(handle, makeCommandReport(CommandCode::UploadBracket, 1));
        QCOMPARE(endsSeen, QList<int>{ 1 });
        // Asleep, the mouse never hears the end.
        mouse.sleep();
        writeRaw(handle, makeCommandReport(CommandCode::UploadBracket, 1));
        QCOMPARE(endsSeen, QList<int>{ 1 });
    }

    void asleepTheReceiverGoesQuiet()
    {
        DeviceSandbox sandbox;
        sandbox.mouse().plug(MouseLink::Receiver);
        sandbox.mouse().plug(MouseLink::Cable);
        sandbox.mouse().setFastTimeouts(true);
        sandbox.mouse().sleep();
        const HidHandle receiver = openCommand(sandbox.mouse(), MouseLink::Receiver);
        const HidHandle cable = openCommand(sandbox.mouse(), MouseLink::Cable);
        writeRaw(receiver, batteryQueryReport());
        int read = -1;
        readRaw(receiver, &read);
        QCOMPARE(read, 0);
        writeRaw(cable, batteryQueryReport());
        QCOMPARE(int(readRaw(cable, &read)[3]), 0x48);
        QCOMPARE(read, 33);
    }

    void ownButtonsSendStatusReports()
    {
        DeviceSandbox sandbox;
        sandbox.mouse().plug(MouseLink::Receiver);
        const HidHandle handle = openCommand(sandbox.mouse(), MouseLink::Receiver);
        sandbox.mouse().pressProfileButton();
        sandbox.mouse().pressDpiButton();
        sandbox.mouse().pressRateButton();
        sandbox.mouse().pressLightingButton();
        CommandReport last{};
        for (int i = 0; i < 4; ++i) {
            last = readRaw(handle);
            QCOMPARE(int(last[3]), 0x49);
        }
        // The rate button steps from 1000 Hz (code 1) to 125 Hz (code 8).
        QCOMPARE(QByteArray(reinterpret_cast<const char*>(last.data() + 4), 4), QByteArray::fromHex("01010801"));
        QCOMPARE(sandbox.mouse().activeProfile(), 1);
        QList<int> rates;
        for (int i = 0; i < 4; ++i) {
            sandbox.mouse().pressRateButton();
            rates << sandbox.mouse().rateCode();
        }
        QCOMPARE(rates, QList<int>({ 4, 2, 1, 8 }));
    }

    // A commit of the general section sets what the status reports tell: the rate of the active
    // profile, and the stage and lighting when the section is that profile's.
    void aCommitTakesTheSettingsItWasGiven()
    {
        DeviceSandbox sandbox;
        VirtualMouse& mouse = sandbox.mouse();
        mouse.plug(MouseLink::Receiver);
        const HidHandle handle = openCommand(mouse, MouseLink::Receiver);
        const QByteArray general = QByteArray::fromHex("0101010101"
                                                       "01"
                                                       "00"
                                                       "00"
                                                       "01"
                                                       "14"
                                                       "01"
                                                       "0204080101"
                                                       "1f"
                                                       "03"
                                                       "08");
        writeSection(handle, CommandCode::GeneralSection, general);
        writeRaw(handle, makeCommandReport(CommandCode::Commit, 0xF3, CommitBit::General));
        QCOMPARE(mouse.rateCode(), 2);
        QCOMPARE(mouse.dpiStage(), 3);
        QCOMPARE(mouse.lightingMode(), 10);

        // Switching to profile 1 takes its rate; the stage in the section is profile 0's.
        writeRaw(handle, makeCommandReport(CommandCode::SelectProfile, 1));
        writeRaw(handle, makeCommandReport(CommandCode::Commit, 0xF3, CommitBit::General));
        QCOMPARE(mouse.activeProfile(), 1);
        QCOMPARE(mouse.rateCode(), 4);
        QCOMPARE(mouse.dpiStage(), 3);
    }

    void unpluggedHandlesFail()
    {
        DeviceSandbox sandbox;
        sandbox.mouse().plug(MouseLink::Receiver);
        const HidHandle handle = openCommand(sandbox.mouse(), MouseLink::Receiver);
        QVERIFY(handle);
        sandbox.mouse().unplug(MouseLink::Receiver);
        QCOMPARE(writeRaw(handle, batteryQueryReport()), -1);
        int read = 0;
        readRaw(handle, &read);
        QCOMPARE(read, -1);
        sandbox.mouse().plug(MouseLink::Receiver);
        QCOMPARE(writeRaw(handle, batteryQueryReport()), -1); // a new plug-in is a new device
        QVERIFY(!hidBackend().openPath("\\\\?\\HID#VID_3A5C&PID_1001&col09"));
        hidBackend().close(handle);
        QCOMPARE(sandbox.mouse().openHandleCount(), 0);
    }

    void blockRules_data()
    {
        QTest::addColumn<QByteArray>("blocks"); // offset, marker, count triples then data
        QTest::addColumn<int>("protocolErrors");
        QTest::addColumn<int>("closedWrites");
        QTest::newRow("start, continue, end") << QByteArray::fromHex("00d1 18d2 7fd3") << 0 << 1;
        QTest::newRow("start away from offset 0") << QByteArray::fromHex("08d1") << 1 << 0;
        QTest::newRow("end at the wrong offset") << QByteArray::fromHex("00d1 7ed3") << 1 << 0;
        QTest::newRow("end without a start") << QByteArray::fromHex("7fd3") << 1 << 0;
        QTest::newRow("past the section") << QByteArray::fromHex("00d1 7ad2") << 1 << 0;
    }

    void blockRules()
    {
        QFETCH(QByteArray, blocks);
        QFETCH(int, protocolErrors);
        QFETCH(int, closedWrites);
        DeviceSandbox sandbox;
        sandbox.mouse().plug(MouseLink::Receiver);
        const HidHandle handle = openCommand(sandbox.mouse(), MouseLink::Receiver);
        for (int i = 0; i + 1 < blocks.size(); i += 2) {
            const quint8 marker = quint8(blocks.at(i + 1));
            const quint8 count = marker == BlockMarker::End ? 1 : 8;
            CommandReport report =
                makeCommandReport(CommandCode::LightingSection, quint8(blocks.at(i)), 0, count, marker);
            report[8] = marker == BlockMarker::End ? kEndOfSectionByte : 0x77;
            writeRaw(handle, report);
        }
        QCOMPARE(sandbox.mouse().protocolErrors(), protocolErrors);
        QCOMPARE(sandbox.mouse().sectionWrites(CommandCode::LightingSection), closedWrites);
    }

    void decoderReadsWhatWasSent()
    {
        DeviceSandbox sandbox;
        sandbox.mouse().plug(MouseLink::Receiver);
        const HidHandle handle = openCommand(sandbox.mouse(), MouseLink::Receiver);

        writeSection(handle, CommandCode::GeneralSection,
                     QByteArray::fromHex("0102030405"
                                         "20"
                                         "02"
                                         "01"
                                         "05"
                                         "03"
                                         "01"
                                         "0102030400"
                                         "1f"
                                         "04"
                                         "09"));
        const DecodedGeneral general = decodeGeneralSection(sandbox.mouse().section(CommandCode::GeneralSection));
        QCOMPARE(int(general.scrollSpeed[4]), 5);
        QCOMPARE(int(general.sensorOption), 0x20);
        QCOMPARE(int(general.activeProfile), 2);
        QCOMPARE(int(general.debounce), 3);
        QCOMPARE(int(general.pollRate[3]), 4);
        QCOMPARE(int(general.fixed1F), 0x1F);
        QCOMPARE(int(general.lightingCode), 9);

        QByteArray dpi = QByteArray::fromHex("02");
        dpi += QByteArray::fromHex("01a1800f00") + QByteArray::fromHex("0110001000");
        writeSection(handle, CommandCode::DpiSection, dpi);
        const DecodedDpi stages = decodeDpiSection(sandbox.mouse().section(CommandCode::DpiSection));
        QCOMPARE(int(stages.stageCount), 2);
        QCOMPARE(int(stages.stages[0].xLow), 0xA1);
        QCOMPARE(int(stages.stages[0].xFlag), 0x80);
        QCOMPARE(int(stages.stages[1].yLow), 0x10);
        QCOMPARE(int(stages.stages[2].used), 0);

        QByteArray macros(4000, '\0');
        macros.replace(200, 9, QByteArray::fromHex("841e00041e00060100"));
        writeSection(handle, CommandCode::MacroSection, macros);
        const auto macroSlots = decodeMacroSection(sandbox.mouse().section(CommandCode::MacroSection));
        QVERIFY(macroSlots[0].isEmpty());
        QCOMPARE(int(macroSlots[1].triples.size()), 3);
        QCOMPARE(int(macroSlots[1].triples[2][0]), 6);
        QCOMPARE(sandbox.mouse().protocolErrors(), 0);
    }
};

QTEST_GUILESS_MAIN(TestVirtualMouse)
#include "test_virtual_mouse.moc"
