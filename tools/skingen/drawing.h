#pragma once

#include <QColor>
#include <QImage>
#include <QPainter>
#include <QPainterPath>
#include <functional>

// Shared drawing of the skin: canvases in design pixels rendered at the skin resolution, and the
// surfaces (panels, buttons) the images are built from.
namespace Drawing {

using Painting = std::function<void(QPainter&)>;

// A transparent image of designSize × resolution whose painter works in design pixels.
QImage render(const QSizeF& designSize, int resolution, const Painting& paint);

enum class ButtonLook { Normal, Hover, Pressed };

// A rounded button face in rect for one of the three looks.
void buttonFace(QPainter& painter, const QRectF& rect, ButtonLook look, qreal radius = 4);

// A dark panel with a top highlight and a 1-pixel border.
void panel(QPainter& painter, const QRectF& rect, qreal radius, const QColor& top, const QColor& bottom);

// A line one design pixel wide: whole device pixels in the file, so that a copy scaled down with a
// fast transformation still keeps every line.
QPen hairline(const QColor& colour);

QColor withAlpha(QColor colour, int alpha);
QColor mix(const QColor& a, const QColor& b, qreal t);

} // namespace Drawing
