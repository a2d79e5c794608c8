// SPDX-License-Identifier: GPL-3.0-or-later
#include "visible_texts.h"

#include "controls/labels_menus.h"
#include "controls/name_field.h"
#include "controls/progress.h"
#include "controls/push_button.h"
#include "controls/text_label.h"

#include <QAbstractButton>
#include <QApplication>
#include <QFontMetrics>
#include <QHelpEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPointer>
#include <QScreen>
#include <QStyle>
#include <QTest>
#include <QTextDocument>
#include <QToolTip>

namespace {

const QChar kEllipsis(0x2026);

QString describe(const QWidget* widget, const QString& text, const QString& where)
{
    return QStringLiteral("%1: %2 \"%3\"").arg(where, QLatin1String(widget->metaObject()->className()), text);
}

// A text drawn in font into width: whole, or elided with its whole text in the tooltip.
void verifyDrawn(QWidget* widget, const QString& whole, const QString& drawn, const QFont& font, int width,
                 const QString& where)
{
    const int needed = QFontMetrics(font).horizontalAdvance(drawn);
    QVERIFY2(needed <= width && width <= widget->width(),
             qPrintable(describe(widget, drawn, where) +
                        QStringLiteral(" needs %1 px, has %2 of %3").arg(needed).arg(width).arg(widget->width())));
    if (drawn == whole)
        return;
    QVERIFY2(drawn.endsWith(kEllipsis), qPrintable(describe(widget, drawn, where) + QStringLiteral(" is cut")));
    QVERIFY2(whole.startsWith(drawn.chopped(1)), qPrintable(describe(widget, drawn, where)));
    QVERIFY2(toolTipShown(widget).startsWith(whole),
             qPrintable(describe(widget, whole, where) + QStringLiteral(" is elided without the whole text as tip")));
}

void verifyNeeds(const QWidget* widget, const QString& text, int needed, int room, const QString& where)
{
    QVERIFY2(needed <= room,
             qPrintable(describe(widget, text, where) + QStringLiteral(" needs %1 px, has %2").arg(needed).arg(room)));
}

void verifyTextLabel(TarqTextLabel* label, const QString& where)
{
    const QFontMetrics metrics(label->shownFont());
    const QStringList lines = label->shownLines();
    const QRect area = label->contentsRect();
    verifyNeeds(label, label->text(), lines.size() * metrics.lineSpacing(), area.height(), where);
    for (const QString& line : lines) {
        verifyNeeds(label, line, metrics.horizontalAdvance(line.trimmed()), area.width(), where);
        if (QTest::currentTestFailed())
            return;
    }
    if (label->isElided()) {
        QVERIFY2(lines.last().endsWith(kEllipsis), qPrintable(describe(label, lines.last(), where)));
        QVERIFY2(toolTipShown(label).startsWith(label->text()), qPrintable(describe(label, label->text(), where)));
    }
}

void verifyLabel(const QLabel* label, const QFont& font, const QString& where)
{
    const QRect area =
        label->contentsRect().adjusted(label->margin(), label->margin(), -label->margin(), -label->margin());
    const QFontMetrics metrics(font);
    QString text = label->text();
    if (label->textFormat() == Qt::RichText ||
        (label->textFormat() == Qt::AutoText && Qt::mightBeRichText(label->text()))) {
        QTextDocument document;
        document.setHtml(text);
        text = document.toPlainText();
    }
    if (label->wordWrap()) {
        const QRect needed = metrics.boundingRect(area, Qt::TextWordWrap | int(label->alignment()), text);
        verifyNeeds(label, text, needed.width(), area.width(), where);
        verifyNeeds(label, text, needed.height(), area.height(), where);
        return;
    }
    int widest = 0;
    for (const QString& line : text.split(QLatin1Char('\n')))
        widest = qMax(widest, metrics.horizontalAdvance(line));
    verifyNeeds(label, text, widest, area.width(), where);
}

void verifyLineEdit(QLineEdit* edit, const QString& where)
{
    if (auto* field = qobject_cast<TarqNameField*>(edit)) {
        const FittedText shown = field->shownText();
        verifyDrawn(field, field->text(), shown.text, shown.font, shown.width, where);
        return;
    }
    const QRect area = edit->rect().marginsRemoved(edit->textMargins());
    verifyNeeds(edit, edit->text(), QFontMetrics(edit->font()).horizontalAdvance(edit->text()), area.width(), where);
}

// A button of Qt's own kinds is as wide as its text needs, or it is cut.
void verifyButton(const QAbstractButton* button, const QString& where)
{
    verifyNeeds(button, button->text(), button->sizeHint().width(), button->width(), where);
}

bool shows(const QWidget* widget, const QWidget& root)
{
    return (widget == &root || widget->isVisibleTo(&root)) && !widget->size().isEmpty();
}

} // namespace

QString toolTipShown(QWidget* widget)
{
    // A tip shown before would otherwise fade out slowly and be read again.
    for (QWidget* shown : QApplication::topLevelWidgets()) {
        if (shown->inherits("QTipLabel"))
            shown->hide();
    }
    const QPoint centre = widget->rect().center();
    QHelpEvent event(QEvent::ToolTip, centre, widget->mapToGlobal(centre));
    QApplication::sendEvent(widget, &event);
    return QToolTip::isVisible() ? QToolTip::text() : QString();
}

void verifyVisibleTextsFit(QWidget& root, const QString& where)
{
    // Waiting for a tip lets the event loop run, which may delete widgets (a rebuilt menu).
    QList<QPointer<QWidget>> widgets{ &root };
    for (QWidget* child : root.findChildren<QWidget*>())
        widgets << child;
    for (QWidget* widget : widgets) {
        if (!widget || !shows(widget, root))
            continue;
        if (auto* button = qobject_cast<TarqPushButton*>(widget)) {
            if (!button->text().isEmpty()) {
                const FittedText shown = button->shownText();
                verifyDrawn(button, button->text(), shown.text, shown.font, shown.width, where);
            }
        } else if (auto* bar = qobject_cast<TarqProcessbar*>(widget)) {
            const FittedText shown = bar->shownText();
            if (!shown.text.isEmpty())
                verifyDrawn(bar, bar->text(), shown.text, shown.font, shown.width, where);
        } else if (auto* textLabel = qobject_cast<TarqTextLabel*>(widget)) {
            verifyTextLabel(textLabel, where);
        } else if (auto* tarqLabel = qobject_cast<TarqLabel*>(widget)) {
            const FittedText shown = tarqLabel->shownText();
            if (tarqLabel->text().isEmpty())
                continue;
            if (tarqLabel->wordWrap())
                verifyLabel(tarqLabel, shown.font, where);
            else
                verifyDrawn(tarqLabel, tarqLabel->text(), shown.text, shown.font, shown.width, where);
        } else if (auto* label = qobject_cast<QLabel*>(widget)) {
            if (!label->text().isEmpty())
                verifyLabel(label, label->font(), where);
        } else if (auto* edit = qobject_cast<QLineEdit*>(widget)) {
            if (!edit->text().isEmpty() && !edit->hasFocus())
                verifyLineEdit(edit, where);
        } else if (auto* other = qobject_cast<QAbstractButton*>(widget)) {
            if (!other->text().isEmpty())
                verifyButton(other, where);
        }
        if (QTest::currentTestFailed())
            return;
    }
}

void verifyMenuEntriesFit(QMenu& menu, const QString& where)
{
    if (menu.actions().isEmpty())
        return;
    menu.popup(QPoint(0, 0));
    QVERIFY(QTest::qWaitForWindowExposed(&menu));
    const QRect screen = menu.screen()->availableGeometry();
    QVERIFY2(menu.width() >= menu.sizeHint().width() || menu.width() == screen.width(), qPrintable(where));
    for (QAction* action : menu.actions()) {
        if (action->isSeparator() || !action->isVisible() || action->text().isEmpty())
            continue;
        QString text = action->text();
        text.remove(QLatin1Char('&'));
        const QFont font = action->font().resolve(menu.font());
        const int needed = QFontMetrics(font).horizontalAdvance(text);
        const int room = menu.actionGeometry(action).width();
        QVERIFY2(
            needed <= room,
            qPrintable(
                QStringLiteral("%1: menu entry \"%2\" needs %3 px, has %4").arg(where, text).arg(needed).arg(room)));
    }
    menu.close();
}
