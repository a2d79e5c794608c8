#include "controls/skin_catalogue.h"
#include "controls/theme.h"
#include "drawing.h"
#include "painters.h"

using namespace Drawing;

namespace {

QColor accent()
{
    return themeColourAt(kDefaultThemeIndex);
}

void mainBackground(QPainter& p, const QSizeF& size)
{
    const QRectF all(QPointF(0, 0), size);
    const qreal radius = 14;
    QPainterPath shape;
    shape.addRoundedRect(all, radius, radius);
    p.setClipPath(shape);

    QLinearGradient base(all.topLeft(), all.bottomLeft());
    base.setColorAt(0, QColor(28, 30, 33));
    base.setColorAt(0.5, QColor(19, 20, 22));
    base.setColorAt(1, QColor(13, 14, 16));
    p.fillRect(all, base);

    // Sparse diagonal hatching in the header gives the surface some grain.
    p.save();
    p.setClipRect(QRectF(0, 0, size.width(), 62), Qt::IntersectClip);
    p.setPen(QPen(QColor(255, 255, 255, 8), 1));
    for (qreal x = -80; x < size.width(); x += 9)
        p.drawLine(QPointF(x, 62), QPointF(x + 62, 0));
    p.restore();

    QLinearGradient header(0, 0, 0, 62);
    header.setColorAt(0, QColor(40, 43, 47, 200));
    header.setColorAt(1, QColor(22, 23, 26, 120));
    p.fillRect(QRectF(0, 0, size.width(), 62), header);
    QLinearGradient glow(0, 0, size.width(), 0);
    glow.setColorAt(0, withAlpha(accent(), 0));
    glow.setColorAt(0.18, withAlpha(accent(), 220));
    glow.setColorAt(0.6, withAlpha(accent(), 90));
    glow.setColorAt(1, withAlpha(accent(), 0));
    p.fillRect(QRectF(0, 61, size.width(), 1), glow);

    // Side bar behind tabs and slots, content area, bottom bar.
    panel(p, QRectF(56, 76, 180, 326), 8, QColor(31, 33, 37), QColor(24, 25, 28));
    panel(p, QRectF(56, 410, 180, 160), 8, QColor(29, 31, 34), QColor(22, 23, 26));
    panel(p, QRectF(270, 70, 696, 486), 10, QColor(26, 28, 31), QColor(17, 18, 20));
    p.fillRect(QRectF(56, 576, size.width() - 112, 1), QColor(255, 255, 255, 14));
    QLinearGradient footer(0, 577, 0, size.height());
    footer.setColorAt(0, QColor(22, 23, 26));
    footer.setColorAt(1, QColor(14, 15, 17));
    p.fillRect(QRectF(0, 577, size.width(), size.height() - 577), footer);

    p.setClipping(false);
    p.setPen(hairline(QColor(70, 74, 80)));
    p.setBrush(Qt::NoBrush);
    const qreal px = 1.0; // one design pixel
    p.drawRoundedRect(all.adjusted(px / 2, px / 2, -px / 2, -px / 2), radius, radius);
}

void dialogBackground(QPainter& p, const QSizeF& size)
{
    const QRectF all(QPointF(0, 0), size);
    panel(p, all, 10, QColor(36, 38, 42), QColor(20, 21, 24));
    QLinearGradient band(0, 0, size.width(), 0);
    band.setColorAt(0, withAlpha(accent(), 0));
    band.setColorAt(0.5, withAlpha(accent(), 230));
    band.setColorAt(1, withAlpha(accent(), 0));
    p.fillRect(QRectF(24, 0, size.width() - 48, 2), band);
    p.fillRect(QRectF(24, Skin::DialogSeparatorY, size.width() - 48, 1), QColor(255, 255, 255, 12));
}

ImagePainter face(ButtonLook look, qreal radius = 4)
{
    return
        [look, radius](QPainter& p, const QSizeF& size) { buttonFace(p, QRectF(QPointF(0, 0), size), look, radius); };
}

ImagePainter tab(ButtonLook look)
{
    return [look](QPainter& p, const QSizeF& size) {
        const QRectF all(QPointF(0, 0), size);
        buttonFace(p, all, look, 4);
        if (look == ButtonLook::Pressed)
            p.fillRect(QRectF(0.5, 5, 3, size.height() - 10), accent());
    };
}

ImagePainter arrowButton(ButtonLook look, bool up)
{
    return [look, up](QPainter& p, const QSizeF& size) {
        buttonFace(p, QRectF(QPointF(0, 0), size), look, 4);
        const qreal cx = size.width() / 2;
        const qreal cy = size.height() / 2;
        const qreal dir = up ? -1 : 1;
        p.setPen(QPen(look == ButtonLook::Normal ? QColor(200, 200, 200) : accent(), 1.6, Qt::SolidLine, Qt::RoundCap,
                      Qt::RoundJoin));
        p.drawLine(QPointF(cx, cy - 6 * dir), QPointF(cx, cy + 3 * dir));
        p.drawPolyline(
            QPolygonF({ QPointF(cx - 4, cy - 2 * dir), QPointF(cx, cy - 6 * dir), QPointF(cx + 4, cy - 2 * dir) }));
        p.drawLine(QPointF(cx - 6, cy + 7), QPointF(cx + 6, cy + 7));
    };
}

void dropDownButton(QPainter& p, const QSizeF& size)
{
    buttonFace(p, QRectF(QPointF(0, 0), size), ButtonLook::Normal, 4);
    const qreal cx = size.width() / 2;
    const qreal cy = size.height() / 2;
    p.setPen(QPen(accent(), 1.6, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.drawPolyline(QPolygonF({ QPointF(cx - 4, cy - 2), QPointF(cx, cy + 2), QPointF(cx + 4, cy - 2) }));
}

ImagePainter hotSpot(bool selected, int variant)
{
    return [selected, variant](QPainter& p, const QSizeF& size) {
        const QRectF all(QPointF(0, 0), size);
        const QRectF dot = all.adjusted(3, 3, -3, -3);
        if (selected) {
            QRadialGradient halo(all.center(), size.width() / 2);
            halo.setColorAt(0.5, withAlpha(accent(), 140));
            halo.setColorAt(1, withAlpha(accent(), 0));
            p.setPen(Qt::NoPen);
            p.setBrush(halo);
            p.drawEllipse(all);
        }
        p.setBrush(selected ? accent() : QColor(20, 21, 24, 200));
        p.setPen(QPen(selected ? QColor(255, 220, 180) : mix(QColor(200, 200, 200), accent(), 0.4), 1.4));
        if (variant == 0) {
            p.drawEllipse(dot);
        } else {
            p.drawRoundedRect(dot, 3, 3);
        }
    };
}

ImagePainter wheelHotSpot(bool up, bool highlighted, bool square)
{
    return [up, highlighted, square](QPainter& p, const QSizeF& size) {
        hotSpot(highlighted, square ? 1 : 0)(p, size);
        const qreal cx = size.width() / 2;
        const qreal cy = size.height() / 2;
        const qreal dir = up ? -1 : 1;
        p.setPen(QPen(highlighted ? QColor(20, 20, 20) : QColor(225, 225, 225), 1.4, Qt::SolidLine, Qt::RoundCap,
                      Qt::RoundJoin));
        p.setBrush(Qt::NoBrush);
        p.drawPolyline(
            QPolygonF({ QPointF(cx - 3.5, cy - 2 * dir), QPointF(cx, cy + 2 * dir), QPointF(cx + 3.5, cy - 2 * dir) }));
    };
}

ImagePainter batteryFrame(bool cable)
{
    return [cable](QPainter& p, const QSizeF& size) {
        const QRectF body(4, 10, size.width() - 16, size.height() - 20);
        p.setBrush(QColor(16, 17, 19));
        p.setPen(QPen(QColor(150, 154, 160), 1.5));
        p.drawRoundedRect(body, 5, 5);
        p.setPen(Qt::NoPen);
        p.setBrush(QColor(150, 154, 160));
        p.drawRoundedRect(QRectF(body.right() + 1.5, size.height() / 2 - 6, 4, 12), 1.5, 1.5);
        if (cable) {
            // A plug over the frame: the mouse runs on its cable.
            const QPointF c = body.center();
            p.setBrush(accent());
            QPainterPath plug;
            plug.addRoundedRect(QRectF(c.x() - 7, c.y() - 4, 14, 10), 2, 2);
            p.drawPath(plug);
            p.fillRect(QRectF(c.x() - 5, c.y() - 9, 2.5, 5), accent());
            p.fillRect(QRectF(c.x() + 2.5, c.y() - 9, 2.5, 5), accent());
            p.fillRect(QRectF(c.x() - 1.5, c.y() + 6, 3, 6), accent());
        }
    };
}

} // namespace

PainterTable chromePainters()
{
    PainterTable table;
    table.insert(QStringLiteral("cfgMainback.png"), mainBackground);
    table.insert(QStringLiteral("dlg.png"), dialogBackground);
    table.insert(QStringLiteral("dlg_gun.png"), dialogBackground);
    table.insert(QStringLiteral("process.png"), dialogBackground);
    table.insert(QStringLiteral("tabbutton-1.png"), tab(ButtonLook::Normal));
    table.insert(QStringLiteral("tabbutton-3.png"), tab(ButtonLook::Hover));
    table.insert(QStringLiteral("tabbutton-2.png"), tab(ButtonLook::Pressed));
    table.insert(QStringLiteral("profile_edit_name_1.png"), face(ButtonLook::Normal));
    table.insert(QStringLiteral("profile_edit_name_2.png"), tab(ButtonLook::Pressed));
    table.insert(QStringLiteral("dpi_stage1.png"), face(ButtonLook::Normal));
    table.insert(QStringLiteral("dpi_stage3.png"), tab(ButtonLook::Hover));
    table.insert(QStringLiteral("dpi_stage2.png"), tab(ButtonLook::Pressed));
    for (const char* name : { "add", "copy", "del", "reset" }) {
        table.insert(QStringLiteral("profile_") + QLatin1String(name) + QStringLiteral("1.png"),
                     face(ButtonLook::Normal));
        table.insert(QStringLiteral("profile_") + QLatin1String(name) + QStringLiteral("2.png"),
                     face(ButtonLook::Hover));
    }
    // The export button carries the import images and the import button the export image.
    table.insert(QStringLiteral("profile_import1.png"), arrowButton(ButtonLook::Normal, true));
    table.insert(QStringLiteral("profile_import2.png"), arrowButton(ButtonLook::Hover, true));
    table.insert(QStringLiteral("profile_export1.png"), arrowButton(ButtonLook::Normal, false));
    table.insert(QStringLiteral("profile_apply1.png"), dropDownButton);
    table.insert(QStringLiteral("btn_1.png"), hotSpot(false, 0));
    table.insert(QStringLiteral("btn_2.png"), hotSpot(true, 0));
    // As with btn_2/btn_1, the higher number is the first image of its list: the selected look.
    table.insert(QStringLiteral("btn_up1.png"), wheelHotSpot(true, false, false));
    table.insert(QStringLiteral("btn_up2.png"), wheelHotSpot(true, true, false));
    table.insert(QStringLiteral("btn_down1.png"), wheelHotSpot(false, false, false));
    table.insert(QStringLiteral("btn_down2.png"), wheelHotSpot(false, true, false));
    table.insert(QStringLiteral("btn_up3.png"), wheelHotSpot(true, false, true));
    table.insert(QStringLiteral("btn_up4.png"), wheelHotSpot(true, true, true));
    table.insert(QStringLiteral("btn_down3.png"), wheelHotSpot(false, false, true));
    table.insert(QStringLiteral("btn_down4.png"), wheelHotSpot(false, true, true));
    table.insert(QStringLiteral("bat1.png"), batteryFrame(false));
    table.insert(QStringLiteral("bat2.png"), batteryFrame(true));
    return table;
}
