#include "device/commands.h"
#include "device/device_state.h"
#include "device/transport.h"
#include "device_sandbox.h"

#include <QThread>
#include <QtTest>
#include <atomic>
#include <thread>

namespace {

quint8 send(const CommandReport& report)
{
    return sendCommand(report.data(), int(report.size()));
}

CommandReport dpiBlock()
{
    CommandReport report = makeCommandReport(CommandCode::DpiSection, 0, 0, 3, BlockMarker::First);
    report[8] = 0x11;
    report[9] = 0x22;
    report[10] = 0x33;
    return report;
}

} // namespace

class TestTransport : public QObject
{
    Q_OBJECT

private slots:
    void checksumFollowsTheRule()
    {
        // 0xFA + 0x48 = 0x142; 0x42 ^ 0x66 = 0x24.
        QCOMPARE(int(batteryQueryReport()[1]), 0x24);
        CommandReport report = makeCommandReport(0x01, 0xFF, 0xFF, 0xFF, 0xFF);
        QCOMPARE(int(commandChecksum(report.data())), ((0xFA + 0x01 + 4 * 0xFF) & 0xFF) ^ 0x66);
    }

    void noOpenHandleWritesNothing()
    {
        DeviceSandbox sandbox;
        sandbox.mouse().plug(MouseLink::Receiver);
        sandbox.startLink(); // found but not opened
        QCOMPARE(int(send(makeCommandReport(CommandCode::UploadBracket))), int(kTransportNoDevice));
        QCOMPARE(sandbox.mouse().trace().writes(), 0);
    }

    void selectProfileIsWrittenOnceAndNeverRead()
    {
        DeviceSandbox sandbox;
        sandbox.connect({ MouseLink::Receiver });
        sandbox.mouse().sleep(); // an unanswering mouse changes nothing
        QCOMPARE(int(send(makeCommandReport(CommandCode::SelectProfile, 3))), int(kTransportOk));
        const QStringList trace = sandbox.mouse().trace().lines();
        QCOMPARE(trace.size(), 1);
        QByteArray expected = QByteArray::fromHex("0527fa4403");
        expected.append(QByteArray(28, '\0'));
        QCOMPARE(traceBytes(trace.first()), expected);
    }

    void differencesOutsideTheComparedBytesPass_data()
    {
        QTest::addColumn<int>("code");
        QTest::addColumn<int>("byteIndex");
        QTest::newRow("data write, checksum differs") << int(CommandCode::DpiSection) << 1;
        QTest::newRow("data write, block marker differs") << int(CommandCode::DpiSection) << 7;
        QTest::newRow("bracket, data byte differs") << int(CommandCode::UploadBracket) << 8;
        QTest::newRow("commit, data byte differs") << int(CommandCode::Commit) << 12;
    }

    void differencesOutsideTheComparedBytesPass()
    {
        QFETCH(int, code);
        QFETCH(int, byteIndex);
        DeviceSandbox sandbox;
        sandbox.connect({ MouseLink::Receiver });
        CommandReport report = code == CommandCode::DpiSection ? dpiBlock() : makeCommandReport(quint8(code));
        if (code == CommandCode::Commit) {
            report[4] = 0xF3;
            report[5] = CommitBit::Dpi;
        }
        sandbox.mouse().alterNextEchoes(1, byteIndex);
        QCOMPARE(int(send(report)), int(kTransportOk));
        QCOMPARE(sandbox.mouse().trace().writes(), 1);
        QCOMPARE(sandbox.mouse().trace().reads(), 1);
    }

    void mismatchesAreRetried_data()
    {
        QTest::addColumn<QString>("fault");
        QTest::addColumn<int>("result");
        QTest::addColumn<int>("writes");
        QTest::addColumn<int>("reads");
        // A wrong header is read again without writing.
        QTest::newRow("header once") << "header 1" << 0 << 1 << 2;
        // Wrong data is written again.
        QTest::newRow("data once") << "data 1" << 0 << 2 << 2;
        QTest::newRow("data always") << "data 99" << 2 << 3 << 3;
        // 20 reads, a rewrite, then each mismatch rewrites until the third rewrite gives up.
        QTest::newRow("header on every read") << "header 999" << 2 << 3 << 22;
    }

    void mismatchesAreRetried()
    {
        QFETCH(QString, fault);
        QFETCH(int, result);
        QFETCH(int, writes);
        QFETCH(int, reads);
        DeviceSandbox sandbox;
        sandbox.connect({ MouseLink::Receiver });
        const int count = fault.section(QLatin1Char(' '), 1).toInt();
        if (fault.startsWith(QLatin1String("header")))
            sandbox.mouse().answerNextReadsWithMismatch(count, 4);
        else
            sandbox.mouse().alterNextEchoes(count, 9);
        QCOMPARE(int(send(dpiBlock())), result);
        QCOMPARE(sandbox.mouse().trace().writes(), writes);
        QCOMPARE(sandbox.mouse().trace().reads(), reads);
    }

    void zeroEchoes_data()
    {
        QTest::addColumn<int>("zeroEchoes");
        QTest::addColumn<int>("writes");
        QTest::newRow("six on the first exchange end in success") << 6 << 6;
        QTest::newRow("five, then the real echo") << 5 << 6;
        QTest::newRow("one, then the real echo") << 1 << 2;
    }

    void zeroEchoes()
    {
        QFETCH(int, zeroEchoes);
        QFETCH(int, writes);
        DeviceSandbox sandbox;
        sandbox.connect({ MouseLink::Receiver });
        sandbox.mouse().zeroNextEchoes(zeroEchoes);
        QCOMPARE(int(send(dpiBlock())), int(kTransportOk));
        QCOMPARE(sandbox.mouse().trace().writes(), writes);
        QCOMPARE(sandbox.mouse().trace().reads(), writes);
    }

    void readTimeouts_data()
    {
        QTest::addColumn<int>("timeouts");
        QTest::addColumn<int>("result");
        QTest::addColumn<int>("writes");
        QTest::addColumn<int>("reads");
        QTest::newRow("30, then success after the rewrite") << 30 << 0 << 2 << 31;
        QTest::newRow("29, then the echo without a rewrite") << 29 << 0 << 1 << 30;
        // The failure count is never reset: after 30, every failure rewrites.
        QTest::newRow("never answered") << 1000 << 2 << 3 << 32;
    }

    void readTimeouts()
    {
        QFETCH(int, timeouts);
        QFETCH(int, result);
        QFETCH(int, writes);
        QFETCH(int, reads);
        DeviceSandbox sandbox;
        sandbox.connect({ MouseLink::Receiver });
        sandbox.mouse().setFastTimeouts(true);
        sandbox.mouse().failNextReads(timeouts);
        QCOMPARE(int(send(dpiBlock())), result);
        QCOMPARE(sandbox.mouse().trace().writes(), writes);
        QCOMPARE(sandbox.mouse().trace().reads(), reads);
        QCOMPARE(sandbox.mouse().trace().timeouts(), std::min(timeouts, reads));
    }

    void writeFailureIsNotRetried()
    {
        DeviceSandbox sandbox;
        sandbox.connect({ MouseLink::Receiver });
        sandbox.mouse().failNextWrites(1);
        QCOMPARE(int(send(dpiBlock())), int(kTransportWriteFailed));
        QCOMPARE(sandbox.mouse().trace().writes(), 1);
        QCOMPARE(sandbox.mouse().trace().reads(), 0);
    }

    void statusReportDuringAnUploadIsSkipped()
    {
        DeviceSandbox sandbox;
        sandbox.connect({ MouseLink::Receiver });
        sandbox.mouse().injectStatusReportBeforeNextEcho();
        QCOMPARE(int(send(dpiBlock())), int(kTransportOk));
        const QStringList trace = sandbox.mouse().trace().lines();
        QCOMPARE(trace.size(), 3);
        QCOMPARE(int(quint8(traceBytes(trace.at(1)).at(3))), int(CommandCode::StatusReport));
        QCOMPARE(traceBytes(trace.at(2)), traceBytes(trace.at(0)));
        QCOMPARE(sandbox.mouse().pendingSection(CommandCode::DpiSection).left(3), QByteArray::fromHex("112233"));
    }

    void cableIsPreferred()
    {
        DeviceSandbox sandbox;
        sandbox.connect({ MouseLink::Receiver, MouseLink::Cable });
        QVERIFY(deviceHandles().receiver.command.load());
        // Asleep, the mouse answers only through its cable.
        sandbox.mouse().sleep();
        QCOMPARE(int(send(makeCommandReport(CommandCode::UploadBracket))), int(kTransportOk));
        QCOMPARE(sandbox.mouse().uploadsBegun(), 1);
    }

    void traceTexts()
    {
        DeviceSandbox sandbox;
        QStringList texts;
        setTransportTraceSink([&texts](const QString& text) { texts << text; });
        QCOMPARE(int(send(makeCommandReport(CommandCode::UploadBracket))), int(kTransportNoDevice));
        QCOMPARE(texts, (QStringList{ QStringLiteral("开始发送--------------------------------------"),
                                      QStringLiteral("没找到设备，失败返回--------------------------------------"),
                                      QStringLiteral(" "), QStringLiteral(" ") }));

        texts.clear();
        sandbox.connect({ MouseLink::Receiver });
        QCOMPARE(int(send(makeCommandReport(CommandCode::UploadBracket, 1))), int(kTransportOk));
        QCOMPARE(texts.size(), 7);
        QVERIFY(texts.at(1).startsWith(QLatin1String("hid_write length=33 data=05 ")));
        QCOMPARE(texts.at(1).section(QLatin1String("data="), 1).split(QLatin1Char(' ')).size(), 33);
        QCOMPARE(texts.at(2), QStringLiteral("hid_read开始"));
        QVERIFY(texts.at(3).startsWith(QLatin1String("hid_read length=33 data=05 ")));
        QCOMPARE(texts.at(4), QStringLiteral("发送成功--------------------------------------"));
    }

    // The monitor and upload threads read handles and flags the GUI thread sets; run under
    // ThreadSanitizer this must stay quiet.
    void stateIsSafeToReadFromAnotherThread()
    {
        DeviceSandbox sandbox;
        sandbox.connect({ MouseLink::Receiver });
        std::atomic<int> results{ 0 };
        std::atomic_bool finished{ false };
        std::thread sender([&results, &finished] {
            for (int i = 0; i < 5; ++i)
                results += send(makeCommandReport(CommandCode::UploadBracket, quint8(i % 2)));
            setMouseOff(true);
            setSensorModeByte(8);
            finished = true;
        });
        int seen = 0;
        sandbox.mouse().pressDpiButton(); // a status report the sending thread reads past
        while (!finished) {
            seen += deviceTable().entries[0].receiver.commandPresent.load();
            seen += commandHandle() ? 1 : 0;
            QThread::msleep(1);
        }
        sender.join();
        QCOMPARE(results.load(), 0);
        QVERIFY(seen > 0);
        QVERIFY(isMouseOff());
        QCOMPARE(int(sensorModeByte()), 8);
        setMouseOff(false);
        setSensorModeByte(0);
    }
};

QTEST_GUILESS_MAIN(TestTransport)
#include "test_transport.moc"
