#include "platform/osd_message.h"

#include <QtEndian>
#include <QtTest>

class TestOsdMessage : public QObject
{
    Q_OBJECT

private slots:
    void layoutFieldByField();
    void longTextsAreCut_data();
    void longTextsAreCut();
    void roundTripAndForeignSizes();
};

namespace {

quint32 intAt(const QByteArray& bytes, int offset)
{
    return qFromLittleEndian<quint32>(reinterpret_cast<const uchar*>(bytes.constData() + offset));
}

quint16 unitAt(const QByteArray& bytes, int offset, int unit)
{
    return qFromLittleEndian<quint16>(reinterpret_cast<const uchar*>(bytes.constData() + offset + 2 * unit));
}

} // namespace

void TestOsdMessage::layoutFieldByField()
{
    OsdMessage message;
    message.text = QStringLiteral("DPI 2:1600");
    message.colour = QColor(219, 200, 182);
    const QByteArray bytes = encodeOsdMessage(message);
    QCOMPARE(bytes.size(), 1044);
    for (int i = 0; i < message.text.size(); ++i)
        QCOMPARE(unitAt(bytes, 0, i), message.text.at(i).unicode());
    QCOMPARE(unitAt(bytes, 0, message.text.size()), quint16(0));
    QCOMPARE(intAt(bytes, 512), 0u);
    QCOMPARE(intAt(bytes, 516), 1500u);
    QCOMPARE(intAt(bytes, 520), 0u);
    QCOMPARE(intAt(bytes, 524), 0x00B6C8DBu); // red in the low byte
    QCOMPARE(intAt(bytes, 528), 60u);
    const QString face = QStringLiteral("Arial");
    for (int i = 0; i < face.size(); ++i)
        QCOMPARE(unitAt(bytes, 532, i), face.at(i).unicode());
    QCOMPARE(unitAt(bytes, 532, face.size()), quint16(0));
    // Nothing but zeros after the terminators.
    QCOMPARE(bytes.mid(2 * (message.text.size() + 1), 512 - 2 * (message.text.size() + 1)),
             QByteArray(512 - 2 * (message.text.size() + 1), '\0'));
    QCOMPARE(bytes.mid(532 + 2 * (face.size() + 1)), QByteArray(512 - 2 * (face.size() + 1), '\0'));
}

void TestOsdMessage::longTextsAreCut_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("keptUnits");
    QTest::newRow("300 units keep 255") << QString(300, QLatin1Char('x')) << 255;
    QTest::newRow("256 units keep 255") << QString(256, QLatin1Char('y')) << 255;
    QTest::newRow("255 units fit") << QString(255, QLatin1Char('z')) << 255;
    // A pair split by the cut would leave half a character: it goes whole.
    QTest::newRow("pair across the cut") << QString(254, QLatin1Char('a')) + QString::fromUtf8("\xF0\x9F\x96\xB1")
                                         << 254;
}

void TestOsdMessage::longTextsAreCut()
{
    QFETCH(QString, text);
    QFETCH(int, keptUnits);
    OsdMessage message;
    message.text = text;
    const QByteArray bytes = encodeOsdMessage(message);
    QCOMPARE(bytes.size(), 1044);
    for (int i = 0; i < keptUnits; ++i)
        QCOMPARE(unitAt(bytes, 0, i), text.at(i).unicode());
    for (int i = keptUnits; i < 256; ++i)
        QCOMPARE(unitAt(bytes, 0, i), quint16(0));
    // The next field is untouched by the long text.
    QCOMPARE(intAt(bytes, 516), 1500u);
    OsdMessage back;
    QVERIFY(decodeOsdMessage(bytes, &back));
    QCOMPARE(back.text, text.left(keptUnits));
}

void TestOsdMessage::roundTripAndForeignSizes()
{
    OsdMessage message;
    message.text = QString::fromUtf8("DPI 3:3200 · 中文");
    message.colour = QColor(255, 128, 0);
    message.displayMs = 900;
    message.fontSize = 40;
    message.fontFace = QStringLiteral("DejaVu Sans");
    OsdMessage back;
    QVERIFY(decodeOsdMessage(encodeOsdMessage(message), &back));
    QCOMPARE(back.text, message.text);
    QCOMPARE(back.colour, message.colour);
    QCOMPARE(back.displayMs, 900);
    QCOMPARE(back.fontSize, 40);
    QCOMPARE(back.fontFace, message.fontFace);

    QVERIFY(!decodeOsdMessage(QByteArray(1043, 'a'), &back));
    QVERIFY(!decodeOsdMessage(QByteArray(1045, 'a'), &back));
    // A text field without a terminator ends with the field.
    QByteArray unterminated = encodeOsdMessage(message);
    unterminated.replace(0, 512, QByteArray(512, 'A'));
    QVERIFY(decodeOsdMessage(unterminated, &back));
    QCOMPARE(back.text.size(), 256);
    QCOMPARE(back.displayMs, 900);
}

QTEST_GUILESS_MAIN(TestOsdMessage)
#include "test_osd_message.moc"
