#pragma once

#include <QByteArray>
#include <QImage>
#include <QVector>

// A minimal GIF89a writer for the loading animation: one global palette of up to 256 colours,
// LZW-coded frames and an endless loop.
namespace GifEncoder {

// Nearest palette entry of every pixel, row by row.
QByteArray indexImage(const QImage& image, const QVector<QRgb>& palette);

// Encodes the frames (all of the image size) with delayCentiseconds between them.
QByteArray encode(const QVector<QImage>& frames, const QVector<QRgb>& palette, int delayCentiseconds);

// The LZW-compressed data of one frame's indices, without the minimum code size byte or the
// sub-block framing.
QByteArray compress(const QByteArray& indices, int minimumCodeSize);

} // namespace GifEncoder
