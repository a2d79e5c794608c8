#include "controls/theme.h"
#include "drawing.h"
#include "painters.h"

#include <QFont>

using namespace Drawing;

namespace {

const QColor kIconLight(215, 218, 222);

QColor accent()
{
    return themeColourAt(kDefaultThemeIndex);
}

QPen stroke(const QColor& colour, qreal width)
{
    return QPen(colour, width, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin);
}

void warning(QPainter& p, const QSizeF& size)
{
    const qreal w = size.width();
    QPainterPath triangle;
    triangle.moveTo(w / 2, 4);
    triangle.lineTo(w - 3, w - 5);
    triangle.lineTo(3, w - 5);
    triangle.closeSubpath();
    QLinearGradient fill(0, 0, 0, w);
    fill.setColorAt(0, accent().lighter(120));
    fill.setColorAt(1, accent().darker(115));
    p.setPen(stroke(accent().lighter(140), 2.2));
    p.setBrush(fill);
    p.drawPath(triangle);
    p.setPen(stroke(QColor(20, 20, 20), 4));
    p.drawLine(QPointF(w / 2, 16), QPointF(w / 2, 28));
    p.drawPoint(QPointF(w / 2, 34.5));
}

void receiver(QPainter& p, const QSizeF& size, bool missing)
{
    const qreal w = size.width();
    const qreal u = w / 26.0; // drawn on a 26-unit grid so both sizes share one shape
    p.save();
    p.scale(u, u);
    p.setPen(stroke(missing ? kIconLight : kIconLight, 1.6));
    p.setBrush(QColor(30, 32, 35));
    p.drawRoundedRect(QRectF(8, 3, 10, 12), 1.5, 1.5);
    p.setBrush(Qt::NoBrush);
    p.drawRect(QRectF(10.5, 5.5, 2, 2));
    p.drawRect(QRectF(13.5, 5.5, 2, 2));
    p.setBrush(missing ? QColor(70, 74, 80) : accent());
    p.setPen(stroke(kIconLight, 1.6));
    p.drawRoundedRect(QRectF(6, 14, 14, 10), 2.5, 2.5);
    if (missing) {
        p.setPen(stroke(accent(), 2.4));
        p.drawLine(QPointF(3, 23), QPointF(23, 3));
    }
    p.restore();
}

void bolt(QPainter& p, const QSizeF& size)
{
    const qreal w = size.width();
    const qreal h = size.height();
    QPainterPath path;
    path.moveTo(w * 0.62, 1);
    path.lineTo(w * 0.12, h * 0.56);
    path.lineTo(w * 0.46, h * 0.56);
    path.lineTo(w * 0.36, h - 1);
    path.lineTo(w * 0.9, h * 0.42);
    path.lineTo(w * 0.55, h * 0.42);
    path.closeSubpath();
    p.setPen(stroke(QColor(255, 230, 150), 0.8));
    p.setBrush(QColor(255, 196, 40));
    p.drawPath(path);
}

void logo(QPainter& p, const QSizeF& size)
{
    // An angular emblem and the wordmark of our own sample brand.
    QPainterPath emblem;
    emblem.moveTo(4, 8);
    emblem.lineTo(28, 8);
    emblem.lineTo(34, 14);
    emblem.lineTo(22, 14);
    emblem.lineTo(19, 34);
    emblem.lineTo(12, 34);
    emblem.lineTo(15, 14);
    emblem.lineTo(8, 14);
    emblem.closeSubpath();
    QLinearGradient fill(0, 8, 0, 34);
    fill.setColorAt(0, accent().lighter(125));
    fill.setColorAt(1, accent().darker(120));
    p.setPen(Qt::NoPen);
    p.setBrush(fill);
    p.drawPath(emblem);
    QFont font(QStringLiteral("DejaVu Sans"));
    font.setBold(true);
    font.setPixelSize(22);
    font.setLetterSpacing(QFont::AbsoluteSpacing, 3);
    QPainterPath word;
    word.addText(QPointF(42, 29), font, QStringLiteral("TARQ"));
    p.setBrush(kIconLight);
    p.drawPath(word);
    p.fillRect(QRectF(42, 33, size.width() - 46, 1.2), withAlpha(accent(), 160));
}

void rate(QPainter& p, const QSizeF& size)
{
    const qreal w = size.width();
    p.setPen(stroke(accent(), 1.8));
    p.setBrush(Qt::NoBrush);
    p.drawPolyline(QPolygonF({ QPointF(2, w / 2), QPointF(7, w / 2), QPointF(9.5, 5), QPointF(13.5, w - 4),
                               QPointF(16.5, w / 2), QPointF(w - 2, w / 2) }));
}

void clock(QPainter& p, const QSizeF& size, bool filled)
{
    const QRectF face = QRectF(QPointF(0, 0), size).adjusted(1.5, 1.5, -1.5, -1.5);
    p.setPen(stroke(filled ? accent() : kIconLight, 1.4));
    p.setBrush(filled ? withAlpha(accent(), 50) : Qt::NoBrush);
    p.drawEllipse(face);
    const QPointF c = face.center();
    p.drawLine(c, QPointF(c.x(), c.y() - 4.5));
    p.drawLine(c, QPointF(c.x() + 3.5, c.y() + 1));
}

void key(QPainter& p, const QSizeF& size, bool down)
{
    const qreal w = size.width();
    p.setPen(stroke(kIconLight, 1.2));
    p.setBrush(QColor(40, 43, 47));
    p.drawRoundedRect(QRectF(1.5, 3.5, w - 3, w - 5), 2.5, 2.5);
    p.setPen(stroke(down ? accent() : QColor(120, 210, 255), 1.6));
    const qreal dir = down ? 1 : -1;
    const qreal cy = w / 2 + 0.5;
    p.drawLine(QPointF(w / 2, cy - 3.5 * dir), QPointF(w / 2, cy + 3 * dir));
    p.drawPolyline(QPolygonF({ QPointF(w / 2 - 3, cy), QPointF(w / 2, cy + 3 * dir), QPointF(w / 2 + 3, cy) }));
}

void mouseMove(QPainter& p, const QSizeF& size)
{
    const qreal w = size.width();
    p.setPen(stroke(kIconLight, 1.2));
    p.setBrush(QColor(40, 43, 47));
    p.drawRoundedRect(QRectF(4.5, 1.5, w - 9, w - 3), 3.5, 3.5);
    p.drawLine(QPointF(w / 2, 1.5), QPointF(w / 2, 6.5));
    p.setPen(stroke(accent(), 1.4));
    p.drawLine(QPointF(w / 2, 3), QPointF(w / 2, 5.5));
}

void selectionMark(QPainter& p, const QSizeF& size)
{
    const qreal w = size.width();
    p.setPen(stroke(accent(), 2));
    p.setBrush(Qt::NoBrush);
    p.drawPolyline(QPolygonF({ QPointF(3, w / 2), QPointF(6.5, w - 4), QPointF(w - 3, 4) }));
}

void sliderHandle(QPainter& p, const QSizeF& size)
{
    const QRectF r = QRectF(QPointF(0, 0), size).adjusted(2, 2, -2, -2);
    QRadialGradient fill(r.center() - QPointF(2, 2), r.width());
    fill.setColorAt(0, Qt::white);
    fill.setColorAt(1, QColor(190, 192, 196));
    p.setPen(stroke(accent(), 1.5));
    p.setBrush(fill);
    p.drawEllipse(r);
}

void bullet(QPainter& p, const QSizeF& size)
{
    const qreal w = size.width();
    QPainterPath shell;
    shell.moveTo(w / 2 - 3, w - 2);
    shell.lineTo(w / 2 - 3, 6);
    shell.quadTo(w / 2, -1, w / 2 + 3, 6);
    shell.lineTo(w / 2 + 3, w - 2);
    shell.closeSubpath();
    QLinearGradient fill(w / 2 - 3, 0, w / 2 + 3, 0);
    fill.setColorAt(0, QColor(190, 140, 60));
    fill.setColorAt(0.5, QColor(250, 210, 120));
    fill.setColorAt(1, QColor(160, 110, 40));
    p.setPen(Qt::NoPen);
    p.setBrush(fill);
    p.drawPath(shell);
    p.fillRect(QRectF(w / 2 - 3, 9, 6, 1), QColor(120, 80, 30));
}

ImagePainter toggle(bool on)
{
    return [on](QPainter& p, const QSizeF& size) {
        const qreal w = size.width();
        const QRectF track(1, w / 2 - 4.5, w - 2, 9);
        p.setPen(stroke(on ? accent() : QColor(Palette::Line), 1));
        p.setBrush(on ? withAlpha(accent(), 90) : QColor(26, 27, 30));
        p.drawRoundedRect(track, 4.5, 4.5);
        p.setPen(Qt::NoPen);
        p.setBrush(on ? accent() : QColor(150, 154, 160));
        const qreal knob = 7;
        p.drawEllipse(QRectF(on ? w - knob - 2 : 2, w / 2 - knob / 2, knob, knob));
    };
}

ImagePainter radio(bool on)
{
    return [on](QPainter& p, const QSizeF& size) {
        const QRectF ring = QRectF(QPointF(0, 0), size).adjusted(1.5, 1.5, -1.5, -1.5);
        p.setPen(stroke(on ? accent() : QColor(150, 154, 160), 1.3));
        p.setBrush(QColor(22, 23, 26));
        p.drawEllipse(ring);
        if (on) {
            p.setPen(Qt::NoPen);
            p.setBrush(accent());
            p.drawEllipse(ring.adjusted(3.5, 3.5, -3.5, -3.5));
        }
    };
}

} // namespace

void paintAppIcon(QPainter& p, const QSizeF& size)
{
    const qreal w = size.width();
    const qreal u = w / 32.0;
    p.save();
    p.scale(u, u);
    QLinearGradient back(0, 0, 0, 32);
    back.setColorAt(0, QColor(44, 47, 51));
    back.setColorAt(1, QColor(16, 17, 19));
    p.setPen(QPen(accent(), 1.2));
    p.setBrush(back);
    p.drawRoundedRect(QRectF(1, 1, 30, 30), 6, 6);
    QPainterPath body;
    body.addRoundedRect(QRectF(10, 6, 12, 20), 6, 6);
    p.setPen(QPen(kIconLight, 1.6));
    p.setBrush(Qt::NoBrush);
    p.drawPath(body);
    p.drawLine(QPointF(16, 6), QPointF(16, 13));
    p.setPen(QPen(accent(), 2.2, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(QPointF(16, 9), QPointF(16, 11.5));
    p.restore();
}

PainterTable iconPainters()
{
    PainterTable table;
    table.insert(QStringLiteral("warn.png"), warning);
    table.insert(QStringLiteral("dongle.png"), [](QPainter& p, const QSizeF& s) { receiver(p, s, false); });
    table.insert(QStringLiteral("dongle2.png"), [](QPainter& p, const QSizeF& s) { receiver(p, s, true); });
    table.insert(QStringLiteral("lightning.png"), bolt);
    table.insert(QStringLiteral("mouselogo.png"), logo);
    table.insert(QStringLiteral("rate.png"), rate);
    table.insert(QStringLiteral("delay.png"), [](QPainter& p, const QSizeF& s) { clock(p, s, false); });
    table.insert(QStringLiteral("icondelay.png"), [](QPainter& p, const QSizeF& s) { clock(p, s, true); });
    table.insert(QStringLiteral("keydown.png"), [](QPainter& p, const QSizeF& s) { key(p, s, true); });
    table.insert(QStringLiteral("keyup.png"), [](QPainter& p, const QSizeF& s) { key(p, s, false); });
    table.insert(QStringLiteral("mouse_move.png"), mouseMove);
    table.insert(QStringLiteral("profilesel.png"), selectionMark);
    table.insert(QStringLiteral("gunset_slider.png"), sliderHandle);
    table.insert(QStringLiteral("gunset_bullet.png"), bullet);
    table.insert(QStringLiteral("checkbox1-1.png"), toggle(false));
    table.insert(QStringLiteral("checkbox1-2.png"), toggle(true));
    table.insert(QStringLiteral("checkbox2-1.png"), radio(false));
    table.insert(QStringLiteral("checkbox2-2.png"), radio(true));
    return table;
}
