// SPDX-License-Identifier: GPL-3.0-or-later
#include "controls/text_fit.h"

#include "controls/display_scale.h"

#include <QFontInfo>
#include <QFontMetrics>
#include <QHelpEvent>
#include <QTextLayout>
#include <QToolTip>
#include <QWidget>
#include <algorithm>
#include <cmath>

namespace {

constexpr QChar kZeroWidthSpace(0x200B);
constexpr QChar kWordJoiner(0x2060);

int pixelSizeOf(const QFont& font)
{
    return font.pixelSize() > 0 ? font.pixelSize() : QFontInfo(font).pixelSize();
}

bool isPathSeparator(QChar c)
{
    return c == QLatin1Char('/') || c == QLatin1Char('\\');
}

} // namespace

int TextFit::smallestReadablePixelSize()
{
    // Truncated as the language's font size is, so both scale alike.
    return qMax(1, static_cast<int>(SmallestDesignPixels * displayScaleFactor()));
}

int TextFit::smallestPixelSize(const QFont& font)
{
    const int size = pixelSizeOf(font);
    const int share = static_cast<int>(std::ceil(size * MinimumShare));
    return qMin(size, qMax(share, smallestReadablePixelSize()));
}

FittedText TextFit::fit(const QString& text, const QFont& font, int width, int smallestPixels)
{
    FittedText shown{ text, font, width, false };
    int size = pixelSizeOf(font);
    const int smallest = qBound(1, smallestPixels, size);
    while (size > smallest && QFontMetrics(shown.font).horizontalAdvance(text) > width)
        shown.font.setPixelSize(--size);
    const QFontMetrics metrics(shown.font);
    if (metrics.horizontalAdvance(text) > width) {
        shown.text = metrics.elidedText(text, Qt::ElideRight, qMax(0, width));
        shown.elided = true;
    }
    return shown;
}

FittedText TextFit::fit(const QString& text, const QFont& font, int width)
{
    return fit(text, font, width, smallestPixelSize(font));
}

QStringList TextFit::wrapLines(const QString& text, const QFont& font, int width)
{
    // Inside a path a line may end only after a separator, not after a hyphen or a dot of a folder
    // name: a zero-width space after each separator lets the layout break there, and a word joiner
    // after every other character of the path holds the rest together.
    QString breakable;
    breakable.reserve(text.size() * 2);
    for (int start = 0; start < text.size();) {
        int end = start;
        while (end < text.size() && !text.at(end).isSpace())
            ++end;
        const QStringRef word = text.midRef(start, end - start);
        const bool path = std::any_of(word.begin(), word.end(), isPathSeparator);
        for (int i = 0; i < word.size(); ++i) {
            breakable += word.at(i);
            if (path && isPathSeparator(word.at(i)))
                breakable += kZeroWidthSpace;
            else if (path && i + 1 < word.size())
                breakable += kWordJoiner;
        }
        for (start = end; start < text.size() && text.at(start).isSpace(); ++start)
            breakable += text.at(start) == QLatin1Char('\n') ? QChar(QChar::LineSeparator) : text.at(start);
    }
    QTextLayout layout(breakable, font);
    QTextOption option;
    option.setWrapMode(QTextOption::WrapAtWordBoundaryOrAnywhere);
    layout.setTextOption(option);
    QStringList lines;
    layout.beginLayout();
    for (QTextLine line = layout.createLine(); line.isValid(); line = layout.createLine()) {
        line.setLineWidth(qMax(1, width));
        QString part = breakable.mid(line.textStart(), line.textLength());
        part.remove(kZeroWidthSpace);
        part.remove(kWordJoiner);
        part.remove(QChar(QChar::LineSeparator));
        lines << part;
    }
    layout.endLayout();
    return lines;
}

bool TextFit::showWholeTextTip(QWidget* widget, QEvent* event, bool elided, const QString& whole)
{
    if (event->type() != QEvent::ToolTip || !elided)
        return false;
    // A tooltip of the widget's own still shows, below the text it explains.
    const QString own = widget->toolTip();
    const QString tip = own.isEmpty() ? whole : whole + QLatin1Char('\n') + own;
    QToolTip::showText(static_cast<QHelpEvent*>(event)->globalPos(), tip, widget);
    return true;
}
