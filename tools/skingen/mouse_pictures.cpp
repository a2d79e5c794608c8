#include "mouse_pictures.h"

#include "controls/theme.h"
#include "drawing.h"

#include <QPainterPath>

using namespace Drawing;

namespace {

// The picture is laid out on a 300 × 400 grid and scaled to the requested size.
constexpr qreal kGridWidth = 300;
constexpr qreal kGridHeight = 400;

QColor accent()
{
    return themeColourAt(kDefaultThemeIndex);
}

QPainterPath body()
{
    QPainterPath path;
    path.moveTo(150, 28);
    path.cubicTo(215, 28, 238, 90, 240, 170);
    path.cubicTo(242, 260, 232, 330, 205, 360);
    path.cubicTo(180, 385, 120, 385, 95, 360);
    path.cubicTo(68, 330, 58, 260, 60, 170);
    path.cubicTo(62, 90, 85, 28, 150, 28);
    return path;
}

QPainterPath frontShell(bool left)
{
    QPainterPath shell;
    shell.moveTo(150, 31);
    shell.lineTo(150, 170);
    shell.cubicTo(150, 170, 110, 176, 66, 168);
    shell.cubicTo(68, 95, 90, 32, 150, 31);
    if (left)
        return shell;
    QTransform mirror;
    mirror.translate(300, 0);
    mirror.scale(-1, 1);
    return mirror.map(shell);
}

QPainterPath roundedRect(const QRectF& rect, qreal radius)
{
    QPainterPath path;
    path.addRoundedRect(rect, radius, radius);
    return path;
}

// 1 left, 2 right, 3 wheel, 4 forward, 5 back, 6 DPI up, 7 DPI down, 8 profile.
QPainterPath buttonRegion(int button)
{
    switch (button) {
        case 1:
            return frontShell(true);
        case 2:
            return frontShell(false);
        case 3:
            return roundedRect(QRectF(140, 62, 20, 50), 9);
        case 4:
            return roundedRect(QRectF(56, 180, 12, 42), 5);
        case 5:
            return roundedRect(QRectF(56, 228, 12, 42), 5);
        case 6:
            return roundedRect(QRectF(143, 122, 14, 16), 4);
        case 7:
            return roundedRect(QRectF(143, 142, 14, 16), 4);
        case 8:
            return roundedRect(QRectF(136, 300, 28, 12), 5);
        default:
            return {};
    }
}

void paintRegion(QPainter& p, const QPainterPath& region, bool highlighted)
{
    if (highlighted) {
        QLinearGradient fill(region.boundingRect().topLeft(), region.boundingRect().bottomLeft());
        fill.setColorAt(0, accent().lighter(125));
        fill.setColorAt(1, accent().darker(130));
        p.setBrush(fill);
        p.setPen(QPen(accent().lighter(150), 1.4));
    } else {
        QLinearGradient fill(region.boundingRect().topLeft(), region.boundingRect().bottomLeft());
        fill.setColorAt(0, QColor(58, 62, 68));
        fill.setColorAt(1, QColor(34, 36, 40));
        p.setBrush(fill);
        p.setPen(QPen(QColor(16, 17, 19), 1.6));
    }
    p.drawPath(region);
}

// A shell lit from the middle: darker flanks, a lighter crest at crest (0..1 across the shell).
void paintShell(QPainter& p, const QPainterPath& path, qreal left, qreal right, qreal crest)
{
    QLinearGradient shell(left, 0, right, 0);
    shell.setColorAt(0, QColor(28, 30, 33));
    shell.setColorAt(crest, QColor(53, 57, 63));
    shell.setColorAt(1, QColor(29, 31, 35));
    p.setBrush(shell);
    p.setPen(QPen(QColor(12, 13, 15), 2));
    p.drawPath(path);
}

void glow(QPainter& p, const QPainterPath& region)
{
    const QRectF box = region.boundingRect();
    QRadialGradient halo(box.center(), qMax(box.width(), box.height()) * 0.9);
    halo.setColorAt(0, withAlpha(accent(), 120));
    halo.setColorAt(1, withAlpha(accent(), 0));
    p.setPen(Qt::NoPen);
    p.setBrush(halo);
    p.drawEllipse(box.center(), qMax(box.width(), box.height()) * 0.9, qMax(box.width(), box.height()) * 0.9);
}

} // namespace

void paintMouseTop(QPainter& p, const QSizeF& size, int highlightedButton)
{
    p.save();
    p.scale(size.width() / kGridWidth, size.height() / kGridHeight);
    const QPainterPath shape = body();
    QRadialGradient shadow(QPointF(150, 220), 190);
    shadow.setColorAt(0.6, QColor(0, 0, 0, 120));
    shadow.setColorAt(1, QColor(0, 0, 0, 0));
    p.setPen(Qt::NoPen);
    p.setBrush(shadow);
    p.drawEllipse(QPointF(150, 225), 170, 190);

    paintShell(p, shape, 60, 240, 0.5);

    // The accent light strip along the tail.
    QPainterPath strip;
    strip.moveTo(92, 330);
    strip.cubicTo(115, 362, 185, 362, 208, 330);
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(withAlpha(accent(), 200), 3, Qt::SolidLine, Qt::RoundCap));
    p.drawPath(strip);

    if (highlightedButton > 0)
        glow(p, buttonRegion(highlightedButton));
    for (int button = 1; button <= 8; ++button)
        paintRegion(p, buttonRegion(button), button == highlightedButton);

    // Wheel ribs over the wheel button.
    p.setPen(QPen(QColor(0, 0, 0, 110), 1.2));
    for (qreal y = 70; y < 108; y += 6)
        p.drawLine(QPointF(144, y), QPointF(156, y));
    p.restore();
}

void paintMouseSide(QPainter& p, const QSizeF& size)
{
    p.save();
    p.scale(size.width() / kGridWidth, size.height() / kGridHeight);
    QPainterPath flank;
    flank.moveTo(110, 30);
    flank.cubicTo(170, 30, 215, 120, 220, 220);
    flank.cubicTo(224, 310, 200, 372, 160, 378);
    flank.lineTo(95, 378);
    flank.cubicTo(80, 378, 76, 360, 78, 330);
    flank.lineTo(86, 60);
    flank.cubicTo(88, 40, 96, 30, 110, 30);
    paintShell(p, flank, 80, 220, 0.6);
    p.setPen(QPen(withAlpha(accent(), 200), 3, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(QPointF(92, 360), QPointF(170, 360));
    paintRegion(p, roundedRect(QRectF(150, 150, 26, 52), 8), false);
    paintRegion(p, roundedRect(QRectF(150, 210, 26, 52), 8), false);
    p.restore();
}
