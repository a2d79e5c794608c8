// SPDX-License-Identifier: GPL-3.0-or-later
#include "controls/labels_menus.h"

#include "controls/display_scale.h"
#include "controls/popup_placement.h"
#include "controls/theme.h"

#include <QActionGroup>
#include <QMouseEvent>
#include <QPainter>
#include <QPushButton>
#include <QStyle>

namespace {

QString rgb(const QColor& colour)
{
    return QStringLiteral("rgb(%1,%2,%3)").arg(colour.red()).arg(colour.green()).arg(colour.blue());
}

QString lineEditStyle()
{
    return QStringLiteral(
               "QLineEdit{background-color:%1;color:%2;border:1px solid %3;border-radius:%4px;padding:0px %5px;"
               "selection-background-color:%6;selection-color:black;}"
               "QLineEdit:focus{border-color:%6;}QLineEdit:disabled{color:%7;}")
        .arg(rgb(QColor(Palette::Background)), rgb(QColor(Palette::Text)), rgb(QColor(Palette::Line)))
        .arg(scaled(3))
        .arg(scaled(6))
        .arg(rgb(themeColour()), rgb(QColor(Palette::MutedText)));
}

QString menuStyle()
{
    // menu-scrollable: a long menu scrolls instead of spreading over columns it cannot show.
    return QStringLiteral("QMenu{background-color:%1;color:%2;border:1px solid %3;padding:%4px 0px;"
                          "menu-scrollable:1;}"
                          "QMenu::item{padding:%5px %6px;background:transparent;}"
                          "QMenu::item:selected{background-color:%7;color:black;}"
                          "QMenu::item:disabled{color:%8;}"
                          "QMenu::separator{height:1px;background:%3;margin:%4px %5px;}")
        .arg(rgb(QColor(Palette::Surface)), rgb(QColor(Palette::Text)), rgb(QColor(Palette::Line)))
        .arg(scaled(3))
        .arg(scaled(5))
        .arg(scaled(16))
        .arg(rgb(themeColour()), rgb(QColor(Palette::MutedText)));
}

} // namespace

TarqLabel::TarqLabel(QWidget* parent)
    : TarqLabel(QString(), parent)
{
}

TarqLabel::TarqLabel(const QString& text, QWidget* parent)
    : QLabel(text, parent)
{
    setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
}

void TarqLabel::setNumber(int value)
{
    setText(QString::asprintf("%d", value));
}

void TarqLabel::setText(const QString& text)
{
    QLabel::setText(text);
    setFont(uiFont(m_fixedFontSize, m_fontReduction));
}

void TarqLabel::setFixedFontSize(int pixelSize)
{
    m_fixedFontSize = pixelSize;
    update();
}

void TarqLabel::setFontSizeReduction(int pixels)
{
    m_fontReduction = pixels;
    update();
}

FittedText TarqLabel::shownText() const
{
    const QFont font = uiFont(m_fixedFontSize, m_fontReduction);
    if (wordWrap() || text().contains(QLatin1Char('\n')))
        return { text(), font, textArea().width(), false };
    return TextFit::fit(text(), font, textArea().width());
}

bool TarqLabel::event(QEvent* event)
{
    if (event->type() == QEvent::ToolTip && !text().isEmpty() &&
        TextFit::showWholeTextTip(this, event, shownText().elided, text()))
        return true;
    return QLabel::event(event);
}

void TarqLabel::mousePressEvent(QMouseEvent* event)
{
    if (event->button() == Qt::LeftButton)
        emit EnterSignal(this);
    QLabel::mousePressEvent(event);
}

void TarqLabel::paintEvent(QPaintEvent* event)
{
    if (text().isEmpty()) {
        QLabel::paintEvent(event); // pictures and movies
        return;
    }
    QPainter painter(this);
    drawFrame(&painter);
    const FittedText shown = shownText();
    painter.setFont(shown.font);
    painter.setPen(palette().color(isEnabled() ? QPalette::Active : QPalette::Disabled, foregroundRole()));
    const int flags = static_cast<int>(alignment()) | (wordWrap() ? Qt::TextWordWrap : 0);
    painter.drawText(textArea(), flags, shown.text);
}

QRect TarqLabel::textArea() const
{
    return contentsRect().adjusted(margin(), margin(), -margin(), -margin());
}

TarqAction::TarqAction(QObject* parent)
    : QAction(parent)
{
    setFont(uiFont());
}

TarqAction::TarqAction(const QString& text, QObject* parent)
    : QAction(text, parent)
{
    setFont(uiFont());
}

void TarqAction::setText(const QString& text)
{
    QAction::setText(text);
    setFont(uiFont());
}

TarqMenu::TarqMenu(QWidget* parent)
    : QMenu(parent)
{
    applyLook();
    connect(this, &QMenu::aboutToShow, this, &TarqMenu::prepareOpening);
}

TarqMenu::TarqMenu(const QString& title, QWidget* parent)
    : QMenu(title, parent)
{
    applyLook();
    connect(this, &QMenu::aboutToShow, this, &TarqMenu::prepareOpening);
}

void TarqMenu::setTitle(const QString& title)
{
    QMenu::setTitle(title);
    menuAction()->setFont(uiFont());
}

void TarqMenu::addChoice(QAction* action)
{
    if (!m_choices) {
        m_choices = new QActionGroup(this);
        m_choices->setExclusive(true);
    }
    action->setCheckable(true);
    m_choices->addAction(action);
    addAction(action);
}

void TarqMenu::setCurrentEntry(std::function<QAction*()> current)
{
    m_current = std::move(current);
}

void TarqMenu::prepareOpening()
{
    // Before the menu measures itself: a change to a shown menu or its entries resizes it to its
    // whole length, past the height it scrolls in. The language or the scale may have changed
    // since the menu was built; a choice the command refused must not stay checked.
    applyLook();
    m_opening = m_current ? m_current() : nullptr;
    if (m_opening && m_opening->isCheckable())
        m_opening->setChecked(true);
}

void TarqMenu::showEvent(QShowEvent* event)
{
    // Shown without popping up (no aboutToShow): the look is brought up to date here instead.
    if (font() != uiFont() || styleSheet() != menuStyle())
        applyLook();
    QMenu::showEvent(event);
    keepOnScreen();
    if (m_opening && actions().contains(m_opening))
        setActiveAction(m_opening);
}

QPushButton* TarqMenu::openingButton() const
{
    const QWidget* owner = parentWidget();
    if (!owner)
        return nullptr;
    for (QPushButton* button : owner->window()->findChildren<QPushButton*>()) {
        if (button->menu() == this && button->isDown())
            return button;
    }
    return nullptr;
}

void TarqMenu::keepOnScreen()
{
    // The toolkit keeps popups on the screen it believes the window is on; where window
    // positions are unknown that belief is wrong, and only the window's rectangle is safe.
    const QPushButton* button = openingButton();
    const QWidget* anchor = button ? static_cast<const QWidget*>(button) : parentWidget();
    const QRect area = popupArea(anchor);
    if (area.isEmpty() || area.contains(geometry()))
        return;
    const QRect from = button ? QRect(button->mapToGlobal(QPoint(0, 0)), button->size()) : QRect(pos(), QSize());
    setGeometry(placePopup(from, size(), area));
}

void TarqMenu::applyLook()
{
    setFont(uiFont());
    menuAction()->setFont(uiFont());
    setStyleSheet(menuStyle());
}

TarqLineEdit::TarqLineEdit(QWidget* parent)
    : QLineEdit(parent)
{
    setFont(uiFont());
    setStyleSheet(lineEditStyle());
}

void TarqLineEdit::focusOutEvent(QFocusEvent* event)
{
    QLineEdit::focusOutEvent(event);
    emit tarqLostFocus();
}
