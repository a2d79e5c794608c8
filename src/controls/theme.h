#pragma once

#include <QColor>

// The accent colours selectable with "Config/GColorID" and the surface colours every control
// shares, so that the skin images and the widgets drawn in code match.

constexpr int kThemeColourCount = 7;

// Accent of table index; indices outside the table give the default accent.
QColor themeColourAt(int index);

// The index the skin images are drawn with and the accent until the main window sets another.
constexpr int kDefaultThemeIndex = 6;

// Process-wide accent, chosen by the main window from "Config/GColorID".
void setThemeColourIndex(int index);
int themeColourIndex();
QColor themeColour();

namespace Palette {
inline QColor background()
{
    return QColor(18, 19, 21);
}
inline QColor surface()
{
    return QColor(30, 32, 35);
}
inline QColor surfaceRaised()
{
    return QColor(44, 47, 51);
}
inline QColor line()
{
    return QColor(62, 66, 72);
}
inline QColor text()
{
    return QColor(225, 225, 225);
}
inline QColor mutedText()
{
    return QColor(140, 144, 150);
}
} // namespace Palette
