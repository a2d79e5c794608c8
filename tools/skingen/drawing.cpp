#include "drawing.h"

#include "controls/theme.h"

#include <cmath>

namespace Drawing {

QImage render(const QSizeF& designSize, int resolution, const Painting& paint)
{
    const QSize pixels(static_cast<int>(std::lround(designSize.width() * resolution)),
                       static_cast<int>(std::lround(designSize.height() * resolution)));
    QImage image(pixels, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setRenderHint(QPainter::SmoothPixmapTransform);
    painter.scale(resolution, resolution);
    paint(painter);
    painter.end();
    return image;
}

QPen hairline(const QColor& colour)
{
    return QPen(colour, 1.0);
}

QColor withAlpha(QColor colour, int alpha)
{
    colour.setAlpha(alpha);
    return colour;
}

QColor mix(const QColor& a, const QColor& b, qreal t)
{
    return QColor::fromRgbF(a.redF() + (b.redF() - a.redF()) * t, a.greenF() + (b.greenF() - a.greenF()) * t,
                            a.blueF() + (b.blueF() - a.blueF()) * t, a.alphaF() + (b.alphaF() - a.alphaF()) * t);
}

void panel(QPainter& painter, const QRectF& rect, qreal radius, const QColor& top, const QColor& bottom)
{
    const qreal px = 1.0; // one design pixel
    const QRectF inner = rect.adjusted(px / 2, px / 2, -px / 2, -px / 2);
    QLinearGradient fill(rect.topLeft(), rect.bottomLeft());
    fill.setColorAt(0, top);
    fill.setColorAt(1, bottom);
    painter.setPen(Qt::NoPen);
    painter.setBrush(fill);
    painter.drawRoundedRect(rect, radius, radius);
    painter.setBrush(Qt::NoBrush);
    painter.setPen(hairline(QColor(Palette::Line)));
    painter.drawRoundedRect(inner, radius, radius);
    // A faint light edge along the top sells the depth without a bubbly bevel.
    painter.setPen(hairline(QColor(255, 255, 255, 18)));
    painter.drawLine(QPointF(rect.left() + radius, rect.top() + 1.5 * px),
                     QPointF(rect.right() - radius, rect.top() + 1.5 * px));
}

void buttonFace(QPainter& painter, const QRectF& rect, ButtonLook look, qreal radius)
{
    const QColor accent = themeColourAt(kDefaultThemeIndex);
    const qreal px = 1.0; // one design pixel
    const QRectF inner = rect.adjusted(px / 2, px / 2, -px / 2, -px / 2);
    QLinearGradient fill(rect.topLeft(), rect.bottomLeft());
    QColor border = QColor(Palette::Line);
    switch (look) {
        case ButtonLook::Normal:
            fill.setColorAt(0, QColor(48, 51, 56));
            fill.setColorAt(1, QColor(32, 34, 38));
            break;
        case ButtonLook::Hover:
            fill.setColorAt(0, QColor(60, 64, 70));
            fill.setColorAt(1, QColor(40, 43, 47));
            border = mix(QColor(Palette::Line), accent, 0.7);
            break;
        case ButtonLook::Pressed:
            fill.setColorAt(0, mix(QColor(26, 27, 30), accent, 0.28));
            fill.setColorAt(1, mix(QColor(20, 21, 24), accent, 0.12));
            border = accent;
            break;
    }
    painter.setPen(Qt::NoPen);
    painter.setBrush(fill);
    painter.drawRoundedRect(rect, radius, radius);
    painter.setBrush(Qt::NoBrush);
    painter.setPen(hairline(border));
    painter.drawRoundedRect(inner, radius, radius);
    if (look != ButtonLook::Pressed) {
        painter.setPen(hairline(QColor(255, 255, 255, look == ButtonLook::Hover ? 34 : 20)));
        painter.drawLine(QPointF(rect.left() + radius, rect.top() + 1.5 * px),
                         QPointF(rect.right() - radius, rect.top() + 1.5 * px));
    }
}

} // namespace Drawing
