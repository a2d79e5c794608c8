#pragma once

#include <QByteArray>
#include <QColor>
#include <QString>

// The message the window hands its on-screen-display companion: 1044 bytes, little-endian. Text
// and font face are zero-terminated UTF-16 in fields of 256 units; the colour is a Win32 COLORREF
// (red in the low byte), so the same bytes travel through WM_COPYDATA on Windows.
struct OsdMessage
{
    QString text;
    qint32 reserved0 = 0;
    qint32 displayMs = 1500;
    qint32 reserved1 = 0;
    QColor colour = Qt::white;
    qint32 fontSize = 60;
    QString fontFace = QStringLiteral("Arial");
};

namespace OsdLayout {
constexpr int TextField = 0;
constexpr int Reserved0 = 512;
constexpr int DisplayMs = 516;
constexpr int Reserved1 = 520;
constexpr int Colour = 524;
constexpr int FontSize = 528;
constexpr int FontFace = 532;
constexpr int Size = 1044;
// UTF-16 units a string field holds before its terminator.
constexpr int MaxUnits = 255;
} // namespace OsdLayout

// The window title the companion is found by, and the name of its socket.
extern const char kOsdWindowTitle[];

quint32 colorRef(const QColor& colour);
QColor colourFromColorRef(quint32 value);

// Strings longer than 255 units are cut (never inside a surrogate pair).
QByteArray encodeOsdMessage(const OsdMessage& message);
// False when bytes is not exactly one message; strings end at their terminator or the field's end.
bool decodeOsdMessage(const QByteArray& bytes, OsdMessage* message);
