// SPDX-License-Identifier: GPL-3.0-or-later
#include "controls/text_label.h"

#include "controls/text_fit.h"

#include <QFontMetrics>
#include <QPainter>

TarqTextLabel::TarqTextLabel(const QString& text, QWidget* parent)
    : QLabel(text, parent)
{
    // Messages quote file names and profile names, which may hold anything.
    setTextFormat(Qt::PlainText);
}

QStringList TarqTextLabel::shownLines() const
{
    return shown().lines;
}

QFont TarqTextLabel::shownFont() const
{
    return shown().font;
}

bool TarqTextLabel::isElided() const
{
    return shown().elided;
}

bool TarqTextLabel::hasHeightForWidth() const
{
    return wordWrap();
}

int TarqTextLabel::heightForWidth(int width) const
{
    const QMargins margins = contentsMargins();
    const int lines =
        wordWrap() ? TextFit::wrapLines(text(), font(), width - margins.left() - margins.right()).size() : 1;
    return lines * QFontMetrics(font()).lineSpacing() + margins.top() + margins.bottom();
}

bool TarqTextLabel::event(QEvent* event)
{
    if (TextFit::showWholeTextTip(this, event, isElided(), text()))
        return true;
    return QLabel::event(event);
}

void TarqTextLabel::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    drawFrame(&painter);
    const Shown lines = shown();
    painter.setFont(lines.font);
    painter.setPen(palette().color(isEnabled() ? QPalette::Active : QPalette::Disabled, foregroundRole()));
    const int spacing = QFontMetrics(lines.font).lineSpacing();
    const QRect area = contentsRect();
    QRect line(area.left(), area.top(), area.width(), spacing);
    const int block = spacing * lines.lines.size();
    if (alignment() & Qt::AlignVCenter)
        line.moveTop(area.top() + (area.height() - block) / 2);
    else if (alignment() & Qt::AlignBottom)
        line.moveTop(area.bottom() + 1 - block);
    const int horizontal = static_cast<int>(alignment() & Qt::AlignHorizontal_Mask);
    for (const QString& text : lines.lines) {
        // A line keeps the space it was broken at; centring it would shift it.
        int end = text.size();
        while (end > 0 && text.at(end - 1).isSpace())
            --end;
        painter.drawText(line, horizontal | Qt::AlignVCenter, text.left(end));
        line.translate(0, spacing);
    }
}

TarqTextLabel::Shown TarqTextLabel::shown() const
{
    const int width = contentsRect().width();
    if (!wordWrap()) {
        const FittedText fitted = TextFit::fit(text(), font(), width);
        return { { fitted.text }, fitted.font, fitted.elided };
    }
    Shown result{ TextFit::wrapLines(text(), font(), width), font(), false };
    const QFontMetrics metrics(font());
    const int room = qMax(1, contentsRect().height() / metrics.lineSpacing());
    if (result.lines.size() > room) {
        const QString rest = QStringList(result.lines.mid(room - 1)).join(QString());
        result.lines = result.lines.mid(0, room - 1);
        result.lines << metrics.elidedText(rest, Qt::ElideRight, width);
        result.elided = true;
    }
    return result;
}
