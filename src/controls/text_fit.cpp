// SPDX-License-Identifier: GPL-3.0-or-later
#include "controls/text_fit.h"

#include "controls/display_scale.h"

#include <QFontInfo>
#include <QFontMetrics>
#include <QHelpEvent>
#include <QTextLayout>
#include <QToolTip>
#include <QWidget>
#include <cmath>

namespace {

constexpr QChar kZeroWidthSpace(0x200B);

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
    return qMax(1, scaled(SmallestDesignPixels));
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
    // A path has no spaces: a zero-width space after each separator lets the layout break there
    // instead of cutting a folder name in two.
    QString breakable;
    breakable.reserve(text.size() + text.size() / 4);
    for (const QChar c : text) {
        breakable += c == QLatin1Char('\n') ? QChar(QChar::LineSeparator) : c;
        if (isPathSeparator(c))
            breakable += kZeroWidthSpace;
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
