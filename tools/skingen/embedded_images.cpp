#include "embedded_images.h"

#include "controls/skin_catalogue.h"
#include "controls/theme.h"
#include "drawing.h"
#include "gif_encoder.h"

#include <QtMath>

using namespace Drawing;

namespace {

constexpr int kFrameDelayCentiseconds = 8;
constexpr int kPaletteSize = 256;
constexpr int kSegments = 12;

QColor accent()
{
    return themeColourAt(kDefaultThemeIndex);
}

// GIF has no partial transparency, so the spinner is drawn on the progress dialog's own surface
// and every colour lies between that surface and the accent.
QVector<QRgb> spinnerPalette()
{
    QVector<QRgb> palette;
    for (int i = 0; i < kPaletteSize; ++i)
        palette.append(mix(QColor(Palette::Surface), accent(), i / qreal(kPaletteSize - 1)).rgb());
    return palette;
}

QImage spinnerFrame(int frame, int resolution)
{
    const qreal side = EmbeddedImage::LoadingSize;
    QImage image = render(QSizeF(side, side), resolution, [frame, side](QPainter& p) {
        p.fillRect(QRectF(0, 0, side, side), QColor(Palette::Surface));
        const QPointF centre(side / 2, side / 2);
        for (int i = 0; i < kSegments; ++i) {
            const int age = (frame - i + kSegments) % kSegments; // 0 = the head
            const qreal strength = 1.0 - age / qreal(kSegments);
            const qreal angle = qDegreesToRadians(i * 360.0 / kSegments - 90);
            const QPointF direction(qCos(angle), qSin(angle));
            p.setPen(QPen(mix(QColor(Palette::Surface), accent(), 0.15 + 0.85 * strength * strength), 4.2,
                          Qt::SolidLine, Qt::RoundCap));
            p.drawLine(centre + direction * 12, centre + direction * 20);
        }
    });
    return image.convertToFormat(QImage::Format_RGB32);
}

} // namespace

QByteArray loadingAnimation(int resolution)
{
    QVector<QImage> frames;
    for (int frame = 0; frame < EmbeddedImage::LoadingFrames; ++frame)
        frames.append(spinnerFrame(frame, resolution));
    return GifEncoder::encode(frames, spinnerPalette(), kFrameDelayCentiseconds);
}

QImage yesMark(int resolution)
{
    const qreal s = EmbeddedImage::ButtonIconSize;
    return render(QSizeF(s, s), resolution, [s](QPainter& p) {
        p.setPen(QPen(accent(), 2.2, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
        p.drawPolyline(QPolygonF({ QPointF(2.5, s * 0.52), QPointF(s * 0.42, s - 3), QPointF(s - 2, 3) }));
    });
}

QImage noMark(int resolution)
{
    const qreal s = EmbeddedImage::ButtonIconSize;
    return render(QSizeF(s, s), resolution, [s](QPainter& p) {
        p.setPen(QPen(QColor(225, 225, 225), 2.2, Qt::SolidLine, Qt::RoundCap));
        p.drawLine(QPointF(3, 3), QPointF(s - 3, s - 3));
        p.drawLine(QPointF(s - 3, 3), QPointF(3, s - 3));
    });
}
