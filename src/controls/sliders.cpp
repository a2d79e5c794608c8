#include "controls/sliders.h"

#include "controls/display_scale.h"
#include "controls/labels_menus.h"
#include "controls/theme.h"

#include <QMouseEvent>
#include <QPainter>
#include <QSignalBlocker>
#include <QStyleOptionSlider>

namespace {

constexpr int kTipSize = 20;
constexpr int kTipFontSize = 11;
constexpr int kGrooveThickness = 4;
constexpr int kHandleDiameter = 14;
constexpr int kTwoBarHandleWidth = 10;

QString rgba(const QColor& colour, double alpha)
{
    return QStringLiteral("rgba(%1,%2,%3,%4)").arg(colour.red()).arg(colour.green()).arg(colour.blue()).arg(alpha);
}

QString twoBarGrooveStyle()
{
    const QColor accent = themeColour();
    const int groove = scaled(kGrooveThickness);
    return QStringLiteral("QSlider{background:transparent;}"
                          "QSlider::groove:horizontal{height:%1px;border-radius:%2px;"
                          "background:qlineargradient(x1:0,y1:0,x2:1,y2:0,stop:0 %3,stop:1 %4);}"
                          "QSlider::handle:horizontal{width:%5px;margin:-%6px 0px;border-radius:%7px;"
                          "background:rgb(235,235,235);border:1px solid %4;}"
                          "QSlider::handle:horizontal:hover{background:white;}"
                          "QSlider::handle:horizontal:focus{background:white;border:2px solid %4;}"
                          "QSlider::handle:horizontal:disabled{background:rgb(100,100,100);}")
        .arg(groove)
        .arg(groove / 2)
        .arg(rgba(accent, 0.25), rgba(accent, 1.0))
        .arg(scaled(kTwoBarHandleWidth))
        .arg(scaled(5))
        .arg(scaled(3));
}

} // namespace

TarqSlider::TarqSlider(QWidget* parent)
    : TarqSlider(Qt::Horizontal, parent)
{
}

TarqSlider::TarqSlider(Qt::Orientation orientation, QWidget* parent)
    : QSlider(orientation, parent)
    , m_tip(new TarqLabel(parent ? parent : this))
{
    setStyleSheet(QStringLiteral("background-color: rgba(0,0,0,0)"));
    m_tip->setAutoFillBackground(true);
    m_tip->setAlignment(Qt::AlignCenter);
    m_tip->setFixedFontSize(kTipFontSize);
    QPalette tipPalette = m_tip->palette();
    tipPalette.setColor(QPalette::Window, themeColour());
    tipPalette.setColor(QPalette::WindowText, Qt::black);
    m_tip->setPalette(tipPalette);
    m_tip->resize(scaled(kTipSize), scaled(kTipSize));
    m_tip->hide();
    connect(this, &QSlider::valueChanged, m_tip, [this] {
        if (m_tip->isVisible())
            placeTip();
    });
}

TarqSlider::~TarqSlider()
{
    if (m_tip && m_tip->parent() != this)
        delete m_tip;
}

void TarqSlider::mousePressEvent(QMouseEvent* event)
{
    QSlider::mousePressEvent(event);
    if (event->button() == Qt::LeftButton) {
        placeTip();
        m_tip->show();
        m_tip->raise();
    }
}

void TarqSlider::mouseReleaseEvent(QMouseEvent* event)
{
    QSlider::mouseReleaseEvent(event);
    if (event->button() == Qt::LeftButton) {
        m_tip->hide();
        emit MouseChange();
    }
}

void TarqSlider::moveEvent(QMoveEvent* event)
{
    QSlider::moveEvent(event);
    if (m_tip->isVisible())
        placeTip();
}

int TarqSlider::trackLength() const
{
    return qMax(0, width() - scaled(kTipSize));
}

void TarqSlider::placeTip()
{
    m_tip->setNumber(value());
    m_tip->resize(scaled(kTipSize), scaled(kTipSize));
    const int span = maximum() - minimum();
    const int offset = span > 0 ? static_cast<int>(static_cast<qint64>(value() - minimum()) * trackLength() / span) : 0;
    // Above the slider when it sits in a parent, otherwise over its own top edge.
    if (m_tip->parentWidget() == this)
        m_tip->move(offset, 0);
    else
        m_tip->move(x() + offset, y() - m_tip->height());
}

QRect TarqSlider::handleRect() const
{
    const int diameter = qMin(scaled(kHandleDiameter), height());
    const int span = maximum() - minimum();
    const int travel = qMax(0, width() - diameter);
    const int offset = span > 0 ? static_cast<int>(static_cast<qint64>(value() - minimum()) * travel / span) : 0;
    return QRect(offset, (height() - diameter) / 2, diameter, diameter);
}

void TarqSlider::paintEvent(QPaintEvent*)
{
    if (orientation() != Qt::Horizontal) {
        QPainter painter(this);
        QStyleOptionSlider option;
        initStyleOption(&option);
        style()->drawComplexControl(QStyle::CC_Slider, &option, &painter, this);
        return;
    }
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    const QColor accent = isEnabled() ? themeColour() : QColor(Palette::MutedText);
    const QRect handle = handleRect();
    const qreal groove = scaled(kGrooveThickness);
    const QRectF track(handle.width() / 2.0, (height() - groove) / 2.0, width() - handle.width(), groove);
    painter.setPen(Qt::NoPen);
    painter.setBrush(QColor(Palette::Line));
    painter.drawRoundedRect(track, groove / 2, groove / 2);
    QRectF filled = track;
    filled.setRight(handle.center().x() + 0.5);
    QLinearGradient fill(track.topLeft(), track.topRight());
    fill.setColorAt(0, accent.darker(160));
    fill.setColorAt(1, accent);
    painter.setBrush(fill);
    painter.drawRoundedRect(filled, groove / 2, groove / 2);

    const qreal ring = qMax(1.0, displayScaleFactor());
    painter.setPen(QPen(accent, ring));
    if (!isEnabled())
        painter.setBrush(QColor(110, 112, 116));
    else
        painter.setBrush(isSliderDown() || underMouse() ? QColor(Qt::white) : QColor(230, 230, 230));
    painter.drawEllipse(QRectF(handle).adjusted(ring / 2, ring / 2, -ring / 2, -ring / 2));
    if (hasFocus()) {
        painter.setPen(QPen(accent.lighter(130), 1));
        painter.setBrush(Qt::NoBrush);
        painter.drawEllipse(QRectF(handle).adjusted(-1.5, -1.5, 1.5, 1.5));
    }
}

TarqTwoBarSlider::TarqTwoBarSlider(QWidget* parent, int maximum, int minimum)
    : QWidget(parent)
    , m_first(makeBar())
    , m_second(makeBar())
    , m_linkedBar(makeBar())
{
    setAttribute(Qt::WA_StyledBackground);
    setStyleSheet(QStringLiteral("background-color: rgba(33,35,35,0.5)"));
    m_linkedBar->hide();
    setRange(maximum, minimum);
}

QSlider* TarqTwoBarSlider::makeBar()
{
    auto* bar = new QSlider(Qt::Horizontal, this);
    bar->setStyleSheet(twoBarGrooveStyle());
    connect(bar, &QSlider::valueChanged, this, [this, bar] { onBarMoved(bar); });
    return bar;
}

void TarqTwoBarSlider::setRange(int maximum, int minimum)
{
    for (QSlider* bar : { m_first, m_second, m_linkedBar }) {
        const QSignalBlocker blocker(bar);
        bar->setRange(minimum, maximum);
    }
}

void TarqTwoBarSlider::setValues(int first, int second)
{
    const QSignalBlocker blockFirst(m_first);
    const QSignalBlocker blockSecond(m_second);
    const QSignalBlocker blockLinked(m_linkedBar);
    m_first->setValue(first);
    m_second->setValue(second);
    m_linkedBar->setValue(first);
}

void TarqTwoBarSlider::setLinked(bool linked)
{
    m_linked = linked;
    if (linked) {
        const QSignalBlocker blocker(m_linkedBar);
        m_linkedBar->setValue(m_first->value());
    }
    m_linkedBar->setVisible(linked);
    m_first->setVisible(!linked);
    m_second->setVisible(!linked);
}

int TarqTwoBarSlider::firstValue() const
{
    return m_linked ? m_linkedBar->value() : m_first->value();
}

int TarqTwoBarSlider::secondValue() const
{
    return m_linked ? m_linkedBar->value() : m_second->value();
}

void TarqTwoBarSlider::resizeEvent(QResizeEvent* event)
{
    QWidget::resizeEvent(event);
    layoutBars();
}

void TarqTwoBarSlider::layoutBars()
{
    const int half = height() / 2;
    const int inset = scaled(4);
    m_first->setGeometry(inset, 0, width() - 2 * inset, half);
    m_second->setGeometry(inset, half, width() - 2 * inset, height() - half);
    m_linkedBar->setGeometry(inset, 0, width() - 2 * inset, height());
}

void TarqTwoBarSlider::onBarMoved(const QSlider* bar)
{
    if (bar == m_linkedBar) {
        // The linked bar carries both values; keep the hidden bars in step for unlinking later.
        const QSignalBlocker blockFirst(m_first);
        const QSignalBlocker blockSecond(m_second);
        m_first->setValue(m_linkedBar->value());
        m_second->setValue(m_linkedBar->value());
    }
    emit SliderChangedSignal(firstValue(), secondValue());
}
