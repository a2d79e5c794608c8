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
constexpr QRgb Background = qRgb(18, 19, 21);
constexpr QRgb Surface = qRgb(30, 32, 35);
constexpr QRgb SurfaceRaised = qRgb(44, 47, 51);
constexpr QRgb Line = qRgb(62, 66, 72);
constexpr QRgb Text = qRgb(225, 225, 225);
constexpr QRgb MutedText = qRgb(140, 144, 150);
} // namespace Palette
