// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/window_shape.h"

#include <vector>

namespace {

struct Span
{
    int left;
    int right; // exclusive
    bool operator==(const Span& other) const { return left == other.left && right == other.right; }
};

std::vector<Span> opaqueSpans(const QImage& image, int y)
{
    std::vector<Span> spans;
    const auto* row = reinterpret_cast<const QRgb*>(image.constScanLine(y));
    const int width = image.width();
    for (int x = 0; x < width;) {
        while (x < width && qAlpha(row[x]) == 0)
            ++x;
        const int left = x;
        while (x < width && qAlpha(row[x]) != 0)
            ++x;
        if (x > left)
            spans.push_back({ left, x });
    }
    return spans;
}

} // namespace

QRegion opaqueRegion(const QImage& image)
{
    if (image.isNull())
        return {};
    if (!image.hasAlphaChannel())
        return QRegion(image.rect());
    const QImage argb = image.format() == QImage::Format_ARGB32 || image.format() == QImage::Format_ARGB32_Premultiplied
                            ? image
                            : image.convertToFormat(QImage::Format_ARGB32_Premultiplied);
    // Rows with the same spans make one band: sorted, never touching sideways, as setRects() wants.
    std::vector<QRect> rects;
    std::vector<Span> band;
    int bandTop = 0;
    const auto closeBand = [&](int bottom) {
        for (const Span& span : band)
            rects.emplace_back(span.left, bandTop, span.right - span.left, bottom - bandTop);
    };
    for (int y = 0; y < argb.height(); ++y) {
        std::vector<Span> spans = opaqueSpans(argb, y);
        if (y > 0 && spans == band)
            continue;
        closeBand(y);
        band = std::move(spans);
        bandTop = y;
    }
    closeBand(argb.height());
    QRegion region;
    if (!rects.empty())
        region.setRects(rects.data(), int(rects.size()));
    return region;
}
