// SPDX-License-Identifier: GPL-3.0-or-later
#include "controls/name_field.h"

#include <QEvent>
#include <QPainter>
#include <QStyle>
#include <QStyleOptionFrame>

namespace {

// QLineEdit's own room between its contents rectangle and the text.
constexpr int kLineEditMargin = 2;

} // namespace

TarqNameField::TarqNameField(QWidget* parent)
    : TarqLineEdit(parent)
{
}

FittedText TarqNameField::shownText() const
{
    return TextFit::fit(text(), font(), textArea().width());
}

bool TarqNameField::event(QEvent* event)
{
    if (event->type() == QEvent::ToolTip && !hasFocus() &&
        TextFit::showWholeTextTip(this, event, shownText().elided, text()))
        return true;
    return TarqLineEdit::event(event);
}

void TarqNameField::paintEvent(QPaintEvent* event)
{
    const FittedText shown = shownText();
    if (hasFocus() || shown.font == font()) {
        TarqLineEdit::paintEvent(event);
        return;
    }
    QPainter painter(this);
    QStyleOptionFrame option;
    initStyleOption(&option);
    style()->drawPrimitive(QStyle::PE_PanelLineEdit, &option, &painter, this);
    painter.setFont(shown.font);
    painter.setPen(palette().color(isEnabled() ? QPalette::Active : QPalette::Disabled, QPalette::Text));
    painter.drawText(textArea(), static_cast<int>(alignment()) | Qt::AlignVCenter, shown.text);
}

QRect TarqNameField::textArea() const
{
    QStyleOptionFrame option;
    initStyleOption(&option);
    const QRect contents = style()->subElementRect(QStyle::SE_LineEditContents, &option, this);
    return contents.marginsRemoved(textMargins()).adjusted(kLineEditMargin, 0, -kLineEditMargin, 0);
}
