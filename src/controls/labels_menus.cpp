#include "controls/labels_menus.h"

#include "controls/display_scale.h"
#include "controls/theme.h"

#include <QMouseEvent>
#include <QPainter>
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
    return QStringLiteral("QMenu{background-color:%1;color:%2;border:1px solid %3;padding:%4px 0px;}"
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
    painter.setFont(uiFont(m_fixedFontSize, m_fontReduction));
    painter.setPen(palette().color(isEnabled() ? QPalette::Active : QPalette::Disabled, foregroundRole()));
    const QRect area = contentsRect().adjusted(margin(), margin(), -margin(), -margin());
    const int flags = static_cast<int>(alignment()) | (wordWrap() ? Qt::TextWordWrap : 0);
    painter.drawText(area, flags, text());
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
}

TarqMenu::TarqMenu(const QString& title, QWidget* parent)
    : QMenu(title, parent)
{
    applyLook();
}

void TarqMenu::setTitle(const QString& title)
{
    QMenu::setTitle(title);
    menuAction()->setFont(uiFont());
}

void TarqMenu::showEvent(QShowEvent* event)
{
    // The language or the scale may have changed since the menu was built.
    applyLook();
    QMenu::showEvent(event);
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
