// SPDX-License-Identifier: GPL-3.0-or-later
#include "controls/focus_ring.h"

#include "controls/display_scale.h"
#include "controls/theme.h"

#include <QAbstractScrollArea>
#include <QApplication>
#include <QEvent>
#include <QPainter>

namespace {

constexpr int kLineWidth = 2;
constexpr int kGap = 2;
constexpr qreal kCornerRadius = 3;

// Paints the ring; it lies over the window, so it takes no input and no focus.
class RingOverlay final : public QWidget
{
public:
    explicit RingOverlay(QWidget* window)
        : QWidget(window)
    {
        setObjectName(QStringLiteral("focusRing"));
        setAttribute(Qt::WA_TransparentForMouseEvents);
        setAttribute(Qt::WA_NoSystemBackground);
        setFocusPolicy(Qt::NoFocus);
    }

    // clip: the part of the ring that may be drawn, in this widget's parent.
    void place(const QRect& ring, const QRect& clip)
    {
        m_clip = clip.translated(-ring.topLeft());
        setGeometry(ring);
        raise();
        show();
        QWidget::update();
    }

protected:
    void paintEvent(QPaintEvent*) override
    {
        QPainter painter(this);
        painter.setRenderHint(QPainter::Antialiasing);
        painter.setClipRect(m_clip);
        const qreal line = scaled(kLineWidth);
        painter.setPen(QPen(themeColour(), line));
        painter.setBrush(Qt::NoBrush);
        const QRectF frame = QRectF(rect()).adjusted(line / 2, line / 2, -line / 2, -line / 2);
        painter.drawRoundedRect(frame, scaled(kCornerRadius), scaled(kCornerRadius));
    }

private:
    QRect m_clip;
};

bool isGeometryEvent(QEvent::Type type)
{
    return type == QEvent::Move || type == QEvent::Resize || type == QEvent::Show || type == QEvent::Hide ||
           type == QEvent::ParentChange;
}

} // namespace

FocusRing::FocusRing(QObject* parent)
    : QObject(parent)
{
}

FocusRing* FocusRing::install()
{
    static QPointer<FocusRing> ring;
    if (!ring && qApp) {
        ring = new FocusRing(qApp);
        qApp->installEventFilter(ring);
        connect(qApp, &QApplication::focusChanged, ring, [](QWidget*, QWidget* now) { ring->follow(now); });
        ring->follow(QApplication::focusWidget());
    }
    return ring;
}

int FocusRing::lineWidth()
{
    return scaled(kLineWidth);
}

int FocusRing::gap()
{
    return scaled(kGap);
}

QWidget* FocusRing::ringedWidget() const
{
    return m_ring && m_ring->isVisible() ? m_target.data() : nullptr;
}

QRect FocusRing::ringRect() const
{
    return m_ring && m_ring->isVisible() ? m_ring->geometry() : QRect();
}

void FocusRing::follow(QWidget* widget)
{
    m_target = widget;
    update();
}

bool FocusRing::eventFilter(QObject* watched, QEvent* event)
{
    const QEvent::Type type = event->type();
    if (type == QEvent::KeyPress && !m_keyboardInUse) {
        m_keyboardInUse = true;
        update();
    } else if ((type == QEvent::MouseButtonPress || type == QEvent::MouseButtonDblClick) && m_keyboardInUse) {
        m_keyboardInUse = false;
        update();
    } else if (isGeometryEvent(type) && m_target && watched != m_ring && watched->isWidgetType()) {
        auto* widget = static_cast<QWidget*>(watched);
        if (widget == m_target || widget->isAncestorOf(m_target))
            update();
    }
    return false;
}

void FocusRing::update()
{
    QWidget* target = m_target;
    QWidget* window = target ? target->window() : nullptr;
    const bool shown = target && window != target && m_keyboardInUse && target->isVisible() &&
                       window->windowType() != Qt::Popup && window->windowType() != Qt::ToolTip;
    if (!shown) {
        if (m_ring)
            m_ring->hide();
        return;
    }
    if (!m_ring || m_ring->parentWidget() != window) {
        delete m_ring;
        m_ring = new RingOverlay(window);
    }
    const QRect control(target->mapTo(window, QPoint(0, 0)), target->size());
    const int outset = gap() + lineWidth();
    const QRect ring = control.adjusted(-outset, -outset, outset, outset);
    // A control scrolled partly out of view has its ring cut where the view ends.
    QRect clip = ring & window->rect();
    for (QWidget* parent = target->parentWidget(); parent && parent != window; parent = parent->parentWidget()) {
        auto* area = qobject_cast<QAbstractScrollArea*>(parent->parentWidget());
        if (area && area->viewport() == parent)
            clip &= QRect(area->mapTo(window, QPoint(0, 0)), area->size());
    }
    static_cast<RingOverlay*>(m_ring.data())->place(ring, clip);
}
