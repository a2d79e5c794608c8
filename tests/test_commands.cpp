#include "device/commands.h"
#include "device_sandbox.h"

#include <QtTest>

namespace {

// Byte i of every report written, in order.
QVector<int> writtenByte(const VirtualMouse& mouse, int index)
{
    QVector<int> bytes;
    for (const QString& line : mouse.trace().lines()) {
        if (line.startsWith(QLatin1Char('W')))
            bytes << quint8(traceBytes(line).at(index));
    }
    return bytes;
}

} // namespace

class TestCommands : public QObject
{
    Q_OBJECT

private slots:
    void commitAllOrder()
    {
        DeviceSandbox sandbox;
        sandbox.connect({ MouseLink::Receiver });
        QCOMPARE(int(commitAll()), int(kTransportOk));
        QCOMPARE(writtenByte(sandbox.mouse(), 3), (QVector<int>{ 0x40, 0x40, 0x40, 0x40, 0x40 }));
        QCOMPARE(writtenByte(sandbox.mouse(), 4), (QVector<int>{ 0xF3, 0xF3, 0xF3, 0xF3, 0xF3 }));
        QCOMPARE(writtenByte(sandbox.mouse(), 5), (QVector<int>{ 0x04, 0x01, 0x02, 0x08, 0x10 }));
        QCOMPARE(sandbox.mouse().commitsReceived(), (std::vector<quint8>{ 0x04, 0x01, 0x02, 0x08, 0x10 }));
    }

    void commitAllStopsAtTheFirstFailure()
    {
        DeviceSandbox sandbox;
        sandbox.connect({ MouseLink::Receiver });
        sandbox.mouse().failWritesAfter(1, 1); // commit 0x01 cannot be written
        QCOMPARE(int(commitAll()), int(kTransportWriteFailed));
        QCOMPARE(writtenByte(sandbox.mouse(), 5), (QVector<int>{ 0x04, 0x01 }));
        QCOMPARE(sandbox.mouse().commitsReceived(), (std::vector<quint8>{ 0x04 }));
    }

    void uploadBracket()
    {
        DeviceSandbox sandbox;
        sandbox.connect({ MouseLink::Receiver });
        QCOMPARE(int(beginUpload()), int(kTransportOk));
        QVERIFY(sandbox.mouse().isUploadOpen());
        QCOMPARE(int(endUpload()), int(kTransportOk));
        QVERIFY(!sandbox.mouse().isUploadOpen());
        QCOMPARE(writtenByte(sandbox.mouse(), 3), (QVector<int>{ 0x46, 0x46 }));
        QCOMPARE(writtenByte(sandbox.mouse(), 4), (QVector<int>{ 0, 1 }));
    }

    void selectProfileIgnoresTheAnswer()
    {
        DeviceSandbox sandbox;
        sandbox.connect({ MouseLink::Receiver });
        sandbox.mouse().setFastTimeouts(true);
        sandbox.mouse().sleep(); // the commit after it goes unanswered
        QCOMPARE(int(selectProfileOnDevice(3)), 1);
        const QVector<int> codes = writtenByte(sandbox.mouse(), 3);
        QCOMPARE(codes.first(), 0x44);
        QVERIFY(codes.size() > 1 && std::all_of(codes.begin() + 1, codes.end(), [](int code) { return code == 0x40; }));
        sandbox.mouse().wake();
        QCOMPARE(int(selectProfileOnDevice(4)), 1);
        QCOMPARE(sandbox.mouse().activeProfile(), 4);
    }

    void menuProfileSwitch()
    {
        DeviceSandbox sandbox;
        sandbox.connect({ MouseLink::Receiver });
        QCOMPARE(int(switchOnBoardProfile(2)), int(kTransportOk));
        QCOMPARE(writtenByte(sandbox.mouse(), 3), (QVector<int>{ 0x44, 0x40, 0x40, 0x40, 0x40, 0x40, 0x40 }));
        QCOMPARE(writtenByte(sandbox.mouse(), 4), (QVector<int>{ 2, 0xF3, 0xF3, 0xF3, 0xF3, 0xF3, 0xF3 }));
        QCOMPARE(writtenByte(sandbox.mouse(), 5), (QVector<int>{ 0, 0x01, 0x04, 0x01, 0x02, 0x08, 0x10 }));
        QCOMPARE(sandbox.mouse().activeProfile(), 2);
    }

    void sectionWriteIsStoredAndClosed_data()
    {
        QTest::addColumn<int>("code");
        QTest::addColumn<int>("endLow");
        QTest::addColumn<int>("endHigh");
        QTest::newRow("general") << int(CommandCode::GeneralSection) << 0x7F << 0;
        QTest::newRow("dpi") << int(CommandCode::DpiSection) << 0x7F << 0;
        QTest::newRow("buttons") << int(CommandCode::ButtonSection) << 0x7F << 0;
        QTest::newRow("lighting") << int(CommandCode::LightingSection) << 0x7F << 0;
        QTest::newRow("macros") << int(CommandCode::MacroSection) << 0xFF << 0x0F;
    }

    void sectionWriteIsStoredAndClosed()
    {
        QFETCH(int, code);
        QFETCH(int, endLow);
        QFETCH(int, endHigh);
        DeviceSandbox sandbox;
        sandbox.connect({ MouseLink::Receiver });
        const QByteArray first = QByteArray::fromHex("0102030405060708090a0b0c0d0e0f101112131415161718");
        const QByteArray second = QByteArray::fromHex("a1a2a3");
        QCOMPARE(int(writeSectionBlock(quint8(code), 0, BlockMarker::First, first)), int(kTransportOk));
        QCOMPARE(int(writeSectionBlock(quint8(code), 24, BlockMarker::Next, second)), int(kTransportOk));
        QCOMPARE(sandbox.mouse().sectionWrites(quint8(code)), 0);
        QCOMPARE(int(writeEndOfSection(quint8(code))), int(kTransportOk));

        const QByteArray end = traceBytes(sandbox.mouse().trace().lines().at(4));
        QCOMPARE(int(quint8(end.at(4))), endLow);
        QCOMPARE(int(quint8(end.at(5))), endHigh);
        QCOMPARE(end.mid(6, 3), QByteArray::fromHex("01d31a"));
        QCOMPARE(sandbox.mouse().sectionWrites(quint8(code)), 1);
        QCOMPARE(sandbox.mouse().section(quint8(code)).left(27), first + second);
        QCOMPARE(sandbox.mouse().protocolErrors(), 0);
    }

    void commitGoesToTheActiveProfile()
    {
        DeviceSandbox sandbox;
        sandbox.connect({ MouseLink::Receiver });
        selectProfileOnDevice(3);
        writeSectionBlock(CommandCode::DpiSection, 0, BlockMarker::First, QByteArray::fromHex("05"));
        writeEndOfSection(CommandCode::DpiSection);
        QCOMPARE(int(commit(CommitBit::Dpi)), int(kTransportOk));
        QCOMPARE(sandbox.mouse().onBoardSection(3, CommandCode::DpiSection).at(0), '\x05');
        QCOMPARE(sandbox.mouse().onBoardSection(0, CommandCode::DpiSection).at(0), '\0');
    }

    void longDataIsCutToOneReport()
    {
        DeviceSandbox sandbox;
        sandbox.connect({ MouseLink::Receiver });
        QCOMPARE(int(writeSectionBlock(CommandCode::MacroSection, 0x0123, BlockMarker::First, QByteArray(40, 'x'))),
                 int(kTransportOk));
        const QByteArray written = traceBytes(sandbox.mouse().trace().lines().first());
        QCOMPARE(written.mid(4, 3), QByteArray::fromHex("230119"));
        QCOMPARE(written.mid(8), QByteArray(25, 'x'));
    }
};

QTEST_GUILESS_MAIN(TestCommands)
#include "test_commands.moc"
