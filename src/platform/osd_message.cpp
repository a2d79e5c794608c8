#include "platform/osd_message.h"

#include <QtEndian>

const char kOsdWindowTitle[] = "KRMX Wireless Mouse OSD";

namespace {

constexpr int kFieldUnits = OsdLayout::MaxUnits + 1;

void putString(QByteArray& bytes, int offset, const QString& text)
{
    int units = qMin(text.size(), OsdLayout::MaxUnits);
    // Half a surrogate pair would show as a replacement character.
    if (units > 0 && units < text.size() && text.at(units - 1).isHighSurrogate())
        --units;
    auto* out = reinterpret_cast<uchar*>(bytes.data() + offset);
    for (int i = 0; i < units; ++i)
        qToLittleEndian<quint16>(text.at(i).unicode(), out + 2 * i);
    // The rest of the field, the terminator included, is already zero.
}

QString takeString(const QByteArray& bytes, int offset)
{
    const auto* in = reinterpret_cast<const uchar*>(bytes.constData() + offset);
    QString text;
    for (int i = 0; i < kFieldUnits; ++i) {
        const quint16 unit = qFromLittleEndian<quint16>(in + 2 * i);
        if (unit == 0)
            break;
        text.append(QChar(unit));
    }
    return text;
}

void putInt(QByteArray& bytes, int offset, quint32 value)
{
    qToLittleEndian<quint32>(value, reinterpret_cast<uchar*>(bytes.data() + offset));
}

quint32 takeInt(const QByteArray& bytes, int offset)
{
    return qFromLittleEndian<quint32>(reinterpret_cast<const uchar*>(bytes.constData() + offset));
}

} // namespace

quint32 colorRef(const QColor& colour)
{
    return quint32(colour.red()) | quint32(colour.green()) << 8 | quint32(colour.blue()) << 16;
}

QColor colourFromColorRef(quint32 value)
{
    return QColor(int(value & 0xFF), int(value >> 8 & 0xFF), int(value >> 16 & 0xFF));
}

QByteArray encodeOsdMessage(const OsdMessage& message)
{
    QByteArray bytes(OsdLayout::Size, '\0');
    putString(bytes, OsdLayout::TextField, message.text);
    putInt(bytes, OsdLayout::Reserved0, quint32(message.reserved0));
    putInt(bytes, OsdLayout::DisplayMs, quint32(message.displayMs));
    putInt(bytes, OsdLayout::Reserved1, quint32(message.reserved1));
    putInt(bytes, OsdLayout::Colour, colorRef(message.colour));
    putInt(bytes, OsdLayout::FontSize, quint32(message.fontSize));
    putString(bytes, OsdLayout::FontFace, message.fontFace);
    return bytes;
}

bool decodeOsdMessage(const QByteArray& bytes, OsdMessage* message)
{
    if (bytes.size() != OsdLayout::Size)
        return false;
    message->text = takeString(bytes, OsdLayout::TextField);
    message->reserved0 = qint32(takeInt(bytes, OsdLayout::Reserved0));
    message->displayMs = qint32(takeInt(bytes, OsdLayout::DisplayMs));
    message->reserved1 = qint32(takeInt(bytes, OsdLayout::Reserved1));
    message->colour = colourFromColorRef(takeInt(bytes, OsdLayout::Colour));
    message->fontSize = qint32(takeInt(bytes, OsdLayout::FontSize));
    message->fontFace = takeString(bytes, OsdLayout::FontFace);
    return true;
}
