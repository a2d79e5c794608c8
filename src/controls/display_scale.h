// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QFont>

class QRect;
class QWidget;

// Process-wide display scale factor (1.0 to 5.0), set by the main window from its screen's DPI.
void setDisplayScaleFactor(double factor);
double displayScaleFactor();

// The scale ladder: a screen's logical DPI / 96 maps to a step 0..16 and the factor
// 1.0 + 0.25 × step (below 1.1 step 0, below 1.4 step 1, ... from 4.8 on step 16).
constexpr int kScaleStepCount = 17;
int displayScaleStep(double dpiRatio);
double displayScaleFactorOfStep(int step);

// A design-space length times the current factor, rounded to whole device pixels.
int scaled(double designLength);

// rect's x, y, width and height times factor, each rounded.
QRect scaledRect(const QRect& rect, double factor);

// Multiplies the widget's current rectangle by factor and applies it.
void scaleWidgetRect(QWidget* widget, double factor);

// The product's alternative skin ("PROFILE/ColorMode" non-zero), read once by the main window.
void setAlternativeSkin(bool alternative);
bool alternativeSkin();

// Family and pixel size of the current language (Config.ini "FONT_LIST") times the factor.
// A positive fixedPixelSize replaces the language's size; reduction is subtracted from it before
// scaling. The size never drops below one pixel. Built from memory, so painting may call it.
QFont uiFont(int fixedPixelSize = 0, int reduction = 0);

// uiFont(), made smaller (to at most minimumShare of its size) until text fits in width pixels,
// so a long translation stays whole instead of being cut.
QFont uiFontFitting(const QString& text, int width, double minimumShare = 0.7);
