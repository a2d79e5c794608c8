// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QFont>
#include <QString>
#include <QStringList>

class QEvent;
class QWidget;

// How a text is shown in a space that may be too small for it. The font shrinks first, down to a
// limit, so that the words stay whole; only when the smallest font is still too wide is the end
// elided with "…", and the widget's tooltip then shows the whole text. Every control that draws
// a text of unknown length (a translation, a profile name, a path) fits it here.
struct FittedText
{
    QString text; // what is drawn: the whole text, or its start with "…"
    QFont font;
    int width = 0; // the width it was fitted into
    bool elided = false;
};

namespace TextFit {

// A font shrinks to no less than this share of its size...
constexpr double MinimumShare = 0.8;
// ...and never below this many design pixels (times the display scale).
constexpr int SmallestDesignPixels = 9;

// The smallest pixel size font may take: MinimumShare of it, but not below the smallest
// readable size (nor above the font's own size).
int smallestPixelSize(const QFont& font);
// The smallest readable pixel size at the current display scale.
int smallestReadablePixelSize();

// text in font, fitted into width pixels; the font shrinks to no less than smallestPixels.
FittedText fit(const QString& text, const QFont& font, int width, int smallestPixels);
FittedText fit(const QString& text, const QFont& font, int width);

// The lines text wraps to in width pixels: broken at spaces, after the path separators '/' and
// '\\' and where the language allows (between Chinese characters), and at line feeds. A word
// wider than width by itself is broken where it reaches the edge. No character is dropped: the
// lines joined (with the spaces they were broken at) give the text back.
QStringList wrapLines(const QString& text, const QFont& font, int width);

// For a widget whose drawn text may be elided: answers a tooltip event with the whole text while
// it is elided and the widget has no tooltip of its own. Returns whether it showed one.
bool showWholeTextTip(QWidget* widget, QEvent* event, bool elided, const QString& whole);

} // namespace TextFit
