// SPDX-License-Identifier: GPL-3.0-or-later
#include "controls/push_button.h"

#include "controls/display_scale.h"
#include "controls/theme.h"

#include <QCursor>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QPointer>
#include <QtMath>

namespace {

constexpr int kMaxImages = 3;
// Room kept on either side of a text, in design pixels.
constexpr int kTextPadding = 3;

QColor textColour(bool alternative, int state)
{
    static const QColor imageColours[] = { QColor(200, 200, 200), QColor(225, 225, 225), Qt::white,
                                           QColor(100, 100, 100) };
    static const QColor alternativeColours[] = { Qt::white, Qt::black, Qt::black, QColor(100, 100, 100) };
    const int index = qBound<int>(TarqPushButton::Normal, state, TarqPushButton::Disabled);
    return alternative ? alternativeColours[index] : imageColours[index];
}

} // namespace

TarqPushButton::TarqPushButton(const QStringList& imagePaths, QWidget* parent, const QString& iconPath)
    : QPushButton(parent)
{
    setImages(imagePaths);
    if (!iconPath.isEmpty())
        m_icon.load(iconPath);
    setFocusPolicy(Qt::TabFocus);
}

void TarqPushButton::setImages(const QStringList& imagePaths)
{
    m_images.clear();
    for (const QString& path : imagePaths) {
        if (m_images.size() == kMaxImages)
            break;
        m_images.append(QPixmap(path));
    }
    updateGeometry();
    update();
}

void TarqPushButton::setCheckable(bool checkable)
{
    QPushButton::setCheckable(checkable);
    setState(Normal);
}

void TarqPushButton::setChecked(bool checked)
{
    if (isCheckable())
        QPushButton::setChecked(checked);
    else if (isEnabled())
        setState(checked ? HoverOrChecked : Normal);
}

void TarqPushButton::setEnabled(bool enabled)
{
    QPushButton::setEnabled(enabled);
    showRestingState();
}

void TarqPushButton::setText(const QString& text)
{
    QPushButton::setText(text);
    update();
}

void TarqPushButton::setBadgeNumber(int number)
{
    m_badge = qMax(0, number);
    update();
}

FittedText TarqPushButton::shownText() const
{
    return TextFit::fit(text(), uiFont(), textArea().width());
}

QSize TarqPushButton::sizeHint() const
{
    if (!m_icon.isNull())
        return m_icon.size();
    if (const QPixmap* image = imageForState())
        return image->size();
    return QPushButton::sizeHint();
}

bool TarqPushButton::event(QEvent* event)
{
    if (event->type() == QEvent::ToolTip && !text().isEmpty() &&
        TextFit::showWholeTextTip(this, event, shownText().elided, text()))
        return true;
    return QPushButton::event(event);
}

void TarqPushButton::enterEvent(QEvent* event)
{
    if (isEnabled()) {
        emit OverSignal(this, true);
        if (m_hoverFeedback && m_images.size() > 1)
            setState(HoverOrChecked);
    }
    QPushButton::enterEvent(event);
}

void TarqPushButton::leaveEvent(QEvent* event)
{
    if (isEnabled()) {
        // The press already told the listener about this button; the pointer leaving afterwards
        // (for instance into a menu the press opened) is not a hover change.
        if (m_skipNextLeave)
            m_skipNextLeave = false;
        else
            emit OverSignal(this, false);
        showRestingState();
    }
    QPushButton::leaveEvent(event);
}

void TarqPushButton::mousePressEvent(QMouseEvent* event)
{
    if (isEnabled() && event->button() == Qt::LeftButton) {
        m_skipNextLeave = true;
        pressWithLeftButton();
    }
    QPointer<TarqPushButton> self(this);
    QPushButton::mousePressEvent(event);
    if (self)
        endHoverAfterMenu();
}

void TarqPushButton::endHoverAfterMenu()
{
    // A menu the press opened has closed again: the pointer may have left while the menu held it,
    // and no leave will come for that.
    if (!menu() || !isEnabled() || rect().contains(mapFromGlobal(QCursor::pos())))
        return;
    m_skipNextLeave = false;
    emit OverSignal(this, false);
    showRestingState();
}

void TarqPushButton::keyPressEvent(QKeyEvent* event)
{
    // Enter works like Space: the window has no default button that would take it.
    if ((event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) && !event->isAutoRepeat()) {
        QKeyEvent press(QEvent::KeyPress, Qt::Key_Space, event->modifiers());
        keyPressEvent(&press);
        QKeyEvent release(QEvent::KeyRelease, Qt::Key_Space, event->modifiers());
        keyReleaseEvent(&release);
        event->accept();
        return;
    }
    // Space works like a click, so a focused button toggles as it does under the pointer.
    const bool space = isEnabled() && event->key() == Qt::Key_Space && !event->isAutoRepeat();
    if (space) {
        pressWithLeftButton();
        showRestingState();
    }
    QPointer<TarqPushButton> self(this);
    QPushButton::keyPressEvent(event);
    if (self && space)
        endHoverAfterMenu();
}

void TarqPushButton::keyReleaseEvent(QKeyEvent* event)
{
    QPushButton::keyReleaseEvent(event);
    if (!event->isAutoRepeat())
        m_pressToggled = false;
}

void TarqPushButton::pressWithLeftButton()
{
    const bool wasChecked = isChecked();
    if (isCheckable()) {
        m_pressToggled = true;
        // An exclusive group refuses to uncheck its checked button, as a click would be refused.
        setChecked(!wasChecked);
    }
    if (m_images.size() == kMaxImages)
        setState(wasChecked ? Normal : Pressed);
    emit EnterSignal(this);
}

void TarqPushButton::mouseReleaseEvent(QMouseEvent* event)
{
    if (isEnabled() && event->button() == Qt::LeftButton && m_images.size() >= 2)
        setState(HoverOrChecked);
    QPushButton::mouseReleaseEvent(event);
    if (event->button() == Qt::LeftButton)
        m_pressToggled = false;
}

void TarqPushButton::changeEvent(QEvent* event)
{
    // Disabling through a parent or through QWidget::setEnabled must grey the button too.
    if (event->type() == QEvent::EnabledChange)
        showRestingState();
    QPushButton::changeEvent(event);
}

void TarqPushButton::checkStateSet()
{
    // Called for every setChecked, also when a button group unchecks this button.
    showRestingState();
}

void TarqPushButton::nextCheckState()
{
    // The press has toggled already; only a click without a press (click(), a shortcut) toggles here.
    if (m_pressToggled) {
        m_pressToggled = false;
        return;
    }
    const bool wasChecked = isChecked();
    QPushButton::nextCheckState();
    if (isChecked() != wasChecked)
        showRestingState();
}

void TarqPushButton::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    painter.setRenderHint(QPainter::SmoothPixmapTransform);
    painter.setRenderHint(QPainter::Antialiasing);
    const bool alternative = alternativeSkin();
    if (alternative) {
        paintAlternativeFrame(painter);
    } else if (const QPixmap* image = imageForState()) {
        if (m_state == Disabled)
            painter.setOpacity(0.55);
        painter.drawPixmap(rect(), *image);
        painter.setOpacity(1.0);
    }
    if (!m_icon.isNull()) {
        const QSize iconSize = m_icon.size().scaled(size(), Qt::KeepAspectRatio);
        QRect iconRect(QPoint(0, 0), iconSize);
        iconRect.moveCenter(rect().center());
        painter.drawPixmap(iconRect, m_icon);
    }
    if (m_badge > 0)
        paintBadge(painter);
    if (!text().isEmpty()) {
        const FittedText shown = shownText();
        painter.setFont(shown.font);
        painter.setPen(textColour(alternative, m_state));
        painter.drawText(textArea(), Qt::AlignCenter, shown.text);
    }
}

void TarqPushButton::paintAlternativeFrame(QPainter& painter) const
{
    const QColor accent = themeColour();
    const qreal line = qMax(1.0, displayScaleFactor());
    const QRectF frame = QRectF(rect()).adjusted(line / 2, line / 2, -line / 2, -line / 2);
    QLinearGradient fill(frame.topLeft(), frame.bottomLeft());
    switch (m_state) {
        case HoverOrChecked:
            fill.setColorAt(0, accent.lighter(130));
            fill.setColorAt(1, accent);
            break;
        case Pressed:
            fill.setColorAt(0, accent.darker(140));
            fill.setColorAt(1, accent.darker(110));
            break;
        case Disabled:
            fill.setColorAt(0, QColor(Palette::Surface));
            fill.setColorAt(1, QColor(Palette::Surface));
            break;
        default:
            fill.setColorAt(0, QColor(Palette::SurfaceRaised));
            fill.setColorAt(1, QColor(Palette::Surface));
            break;
    }
    const qreal radius = 3 * displayScaleFactor();
    painter.setBrush(fill);
    painter.setPen(QPen(m_state == Disabled ? QColor(Palette::Line) : accent, line));
    painter.drawRoundedRect(frame, radius, radius);
}

// The text stays centred on the button; a badge takes the same room from either side.
QRect TarqPushButton::textArea() const
{
    const int inset = scaled(kTextPadding) + (m_badge > 0 ? qCeil(badgeRect().right()) : 0);
    return rect().adjusted(inset, 0, -inset, 0);
}

QRectF TarqPushButton::badgeRect() const
{
    const qreal side = height() * 0.62;
    return QRectF(height() * 0.19, (height() - side) / 2, side, side);
}

void TarqPushButton::paintBadge(QPainter& painter) const
{
    const QRectF badge = badgeRect();
    const qreal side = badge.height();
    const QColor accent = m_state == Disabled ? QColor(100, 100, 100) : themeColour();
    painter.setPen(Qt::NoPen);
    painter.setBrush(accent);
    painter.drawRoundedRect(badge, side / 4, side / 4);
    painter.setPen(Qt::black);
    painter.setFont(uiFont(0, 2));
    painter.drawText(badge, Qt::AlignCenter, QString::number(m_badge));
}

const QPixmap* TarqPushButton::imageForState() const
{
    if (m_images.isEmpty())
        return nullptr;
    // A state without its own image shows the normal one.
    const int index = m_state == Disabled || m_state >= m_images.size() ? 0 : m_state;
    return &m_images.at(index);
}

void TarqPushButton::showRestingState()
{
    if (!isEnabled())
        setState(Disabled);
    else
        setState(isChecked() ? HoverOrChecked : Normal);
}

void TarqPushButton::setState(int state)
{
    m_state = state;
    update();
}
