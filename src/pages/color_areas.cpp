#include "pages/color_areas.h"

#include "controls/display_scale.h"
#include "controls/theme.h"

#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>

namespace {

constexpr int kHueStops = 16;
constexpr int kRingDiameter = 12;
constexpr int kPointerHeight = 3;
// Position the square's last pixel stands for: channel 255 at 127·k, so the ring reaches it.
constexpr int kLastChannelPixel = 127;

void drawFrame(QPainter& painter, const QRect& area, const QColor& colour)
{
    painter.setBrush(Qt::NoBrush);
    painter.setPen(QPen(colour, 1));
    painter.drawRect(QRectF(area).adjusted(0.5, 0.5, -0.5, -0.5));
}

} // namespace

int normalisedHue(int hue)
{
    return hue >= 0 && hue < 360 ? hue : 0;
}

HColorArea::HColorArea(QWidget* parent)
    : QWidget(parent)
{
    setCursor(Qt::PointingHandCursor);
}

void HColorArea::setHue(int hue)
{
    m_hue = qBound(0, hue, 360);
    update();
}

void HColorArea::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    QLinearGradient gradient(0, height(), 0, 0);
    for (int stop = 0; stop <= kHueStops; ++stop) {
        const qreal fraction = qreal(stop) / kHueStops;
        gradient.setColorAt(fraction, QColor::fromHsvF(fraction < 1.0 ? fraction : 0.0, 1.0, 1.0));
    }
    painter.fillRect(rect(), gradient);
    const int y = qBound(0, int(height() * (1.0 - m_hue / 360.0)), height() - 1);
    const int pointer = qMax(1, scaled(kPointerHeight));
    painter.fillRect(QRect(0, y - pointer / 2, width(), pointer), Qt::white);
    painter.fillRect(QRect(0, y - pointer / 2 - 1, width(), 1), Qt::black);
    drawFrame(painter, rect(), QColor(Palette::Line));
}

void HColorArea::pickAt(int y)
{
    const qreal fraction = height() > 0 ? qBound(0.0, 1.0 - qreal(y) / height(), 1.0) : 0.0;
    m_hue = int(fraction * 360);
    update();
    emit hueChangedSignal(m_hue);
}

void HColorArea::mousePressEvent(QMouseEvent* event)
{
    if (event->button() == Qt::LeftButton)
        pickAt(event->pos().y());
}

void HColorArea::mouseMoveEvent(QMouseEvent* event)
{
    if (event->buttons() & Qt::LeftButton)
        pickAt(event->pos().y());
}

void HColorArea::mouseReleaseEvent(QMouseEvent* event)
{
    if (event->button() == Qt::LeftButton)
        emit mouseReleasedSignal();
}

SVColorArea::SVColorArea(QWidget* parent)
    : QWidget(parent)
{
    setCursor(Qt::CrossCursor);
}

void SVColorArea::setHue(int hue)
{
    m_hue = normalisedHue(hue);
    update();
}

void SVColorArea::setPoint(int saturationPixels, int valuePixels)
{
    m_x = qBound(0, saturationPixels, sideLength());
    m_y = qBound(0, valuePixels, sideLength());
    update();
}

void SVColorArea::hueChangedSlot(int hue)
{
    setHue(hue);
    emit svChangedSignal(hue, m_x, m_y);
}

void SVColorArea::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    QLinearGradient saturation(0, 0, width(), 0);
    saturation.setColorAt(0, Qt::white);
    saturation.setColorAt(1, QColor::fromHsv(m_hue, 255, 255));
    painter.fillRect(rect(), saturation);
    QLinearGradient value(0, 0, 0, height());
    value.setColorAt(0, Qt::transparent);
    value.setColorAt(1, Qt::black);
    painter.fillRect(rect(), value);
    drawFrame(painter, rect(), QColor(Palette::Line));

    const qreal radius = scaled(kRingDiameter) / 2.0;
    const QPointF centre(m_x, sideLength() - m_y);
    painter.setBrush(Qt::NoBrush);
    painter.setPen(QPen(Qt::black, 1));
    painter.drawEllipse(centre, radius + 1, radius + 1);
    painter.setPen(QPen(Qt::white, 1));
    painter.drawEllipse(centre, radius, radius);
}

void SVColorArea::pickAt(const QPoint& position)
{
    const int side = sideLength();
    m_x = qBound(0, position.x(), side);
    m_y = qBound(0, side - position.y(), side);
    update();
    emit svChangedSignal(m_hue, m_x, m_y);
}

void SVColorArea::mousePressEvent(QMouseEvent* event)
{
    if (event->button() == Qt::LeftButton)
        pickAt(event->pos());
}

void SVColorArea::mouseMoveEvent(QMouseEvent* event)
{
    if (event->buttons() & Qt::LeftButton)
        pickAt(event->pos());
}

void SVColorArea::mouseReleaseEvent(QMouseEvent* event)
{
    if (event->button() == Qt::LeftButton)
        emit mouseReleasedSignal();
}

PreviewColorArea::PreviewColorArea(QWidget* parent)
    : QWidget(parent)
{
}

void PreviewColorArea::setColor(const QColor& colour)
{
    m_colour = colour;
    update();
}

int PreviewColorArea::channelFromPixels(int pixels, double factor)
{
    if (factor <= 0)
        return 0;
    if (pixels > kLastChannelPixel * factor)
        return 255;
    return qMax(0, int(pixels * 2 / factor));
}

void PreviewColorArea::svChangedSlot(int hue, int saturationPixels, int valuePixels)
{
    const double factor = displayScaleFactor();
    const int h = normalisedHue(hue);
    const int s = channelFromPixels(saturationPixels, factor);
    const int v = channelFromPixels(valuePixels, factor);
    setColor(QColor::fromHsv(h, s, v));
    emit svChangedSignal(h, s, v);
}

void PreviewColorArea::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    painter.fillRect(rect(), m_colour);
    drawFrame(painter, rect(), QColor(Palette::Line));
}

DefaultColorArea::DefaultColorArea(const QColor& colour, QWidget* parent)
    : QWidget(parent)
    , m_colour(colour)
{
    setFocusPolicy(Qt::StrongFocus);
    setCursor(Qt::PointingHandCursor);
}

void DefaultColorArea::setColor(const QColor& colour)
{
    m_colour = colour;
    update();
}

void DefaultColorArea::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    painter.fillRect(rect(), m_colour.isValid() ? m_colour : QColor(Qt::black));
    const bool marked = hasFocus() || m_pressed;
    drawFrame(painter, rect(), marked ? themeColour() : QColor(Palette::Line));
    if (marked)
        drawFrame(painter, rect().adjusted(1, 1, -1, -1), themeColour());
}

void DefaultColorArea::mousePressEvent(QMouseEvent* event)
{
    if (event->button() != Qt::LeftButton)
        return QWidget::mousePressEvent(event);
    m_pressed = true;
    update();
}

void DefaultColorArea::mouseReleaseEvent(QMouseEvent* event)
{
    if (event->button() != Qt::LeftButton || !m_pressed)
        return QWidget::mouseReleaseEvent(event);
    m_pressed = false;
    update();
    if (rect().contains(event->pos()))
        emit ClickedSignal();
}

void DefaultColorArea::keyPressEvent(QKeyEvent* event)
{
    switch (event->key()) {
        case Qt::Key_Space:
        case Qt::Key_Return:
        case Qt::Key_Enter:
            if (!event->isAutoRepeat())
                emit ClickedSignal();
            return;
        default:
            QWidget::keyPressEvent(event);
    }
}
