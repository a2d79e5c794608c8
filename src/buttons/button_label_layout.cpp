// SPDX-License-Identifier: GPL-3.0-or-later
#include "buttons/button_label_layout.h"

#include <algorithm>
#include <cmath>

namespace {

constexpr int kFixedSpacingAbove = 9;
constexpr int kFixedTop = 30;
constexpr int kFixedGap = 20;
constexpr int kLabelX = 56;
constexpr int kLabelWidth = 220;
constexpr int kLabelHeight = 30;
constexpr int kWheelColumnX = kLabelX + kLabelWidth + 40;
constexpr int kWheelCount = 2;
// The smallest gap between labels and round them before another column is used.
constexpr int kMinimumGap = 20;
// Columns keep this much margin to the page's sides and between each other, and are never
// narrower than a label can show its function in.
constexpr int kColumnMargin = 12;
constexpr int kColumnGap = 12;
constexpr int kMinimumColumnWidth = 160;

int scaledLength(double length, double scale)
{
    return static_cast<int>(std::lround(length * scale));
}

bool isShown(const ButtonTable& layout, int buttonCount, int position)
{
    if (position < 0 || position >= buttonCount || position >= kButtonRowSize) {
        return false;
    }
    return position >= kButtonTableSize || layout[static_cast<size_t>(position)] != kHiddenButtonSlot;
}

// A label to place: its position in the row and its badge.
struct Shown
{
    int position;
    int number;
};

int ceilDiv(int a, int b)
{
    return (a + b - 1) / b;
}

// The single column of the product's layout rule, the wheel pair beside it. Returns false when it
// does not fit the page height; the places are then still set, and the minimum height says how tall
// the page must be.
bool placeOneColumn(const QVector<Shown>& shown, bool wheel, const QSize& page, double scale, ButtonPagePlaces& places)
{
    const int count = shown.size();
    const int labelHeight = scaledLength(kLabelHeight, scale);
    int top = kFixedTop;
    int gap = kFixedGap;
    if (count <= kFixedSpacingAbove) {
        gap = (page.height() - labelHeight * count) / (count + 1);
        top = gap;
    }
    for (int i = 0; i < count; ++i) {
        ButtonLabelPlace& place = places.row[static_cast<size_t>(shown[i].position)];
        place.rect = QRect(scaledLength(kLabelX, scale), top + (gap + labelHeight) * i,
                           scaledLength(kLabelWidth, scale), labelHeight);
        place.number = shown[i].number;
    }
    if (wheel) {
        for (int w = 0; w < kWheelCount; ++w) {
            // Beside the first two labels, or at the top of the page when the row shows fewer.
            const int y =
                w < count ? places.row[static_cast<size_t>(shown[w].position)].rect.y() : labelHeight * (2 * w + 1);
            places.wheel[static_cast<size_t>(w)] =
                QRect(scaledLength(kWheelColumnX, scale), y, scaledLength(kLabelWidth, scale), labelHeight);
        }
    }
    const int rows = wheel ? std::max(count, kWheelCount) : count;
    const int needed = count > kFixedSpacingAbove ? 2 * kFixedTop + labelHeight * count + kFixedGap * (count - 1)
                                                  : labelHeight * rows + scaledLength(kMinimumGap, scale) * (rows + 1);
    places.minimumHeight = needed;
    return needed <= page.height();
}

// Columns filled top to bottom, the wheel pair in a column of its own after them. False when the
// page is too narrow or too low for them.
bool placeColumns(const QVector<Shown>& shown, bool wheel, const QSize& page, double scale, ButtonPagePlaces& places)
{
    const int count = shown.size();
    const int labelHeight = scaledLength(kLabelHeight, scale);
    const int minimumGap = scaledLength(kMinimumGap, scale);
    const int rowsFitting = (page.height() - minimumGap) / (labelHeight + minimumGap);
    const int rowsNeeded = wheel ? kWheelCount : 1;
    if (count == 0 || rowsFitting < rowsNeeded) {
        return false;
    }
    const int labelColumns = ceilDiv(count, rowsFitting);
    const int rows = std::max(rowsNeeded, ceilDiv(count, labelColumns));
    const int columns = labelColumns + (wheel ? 1 : 0);
    const int margin = scaledLength(kColumnMargin, scale);
    const int columnGap = scaledLength(kColumnGap, scale);
    const int width =
        std::min(scaledLength(kLabelWidth, scale), (page.width() - 2 * margin - (columns - 1) * columnGap) / columns);
    if (width < scaledLength(kMinimumColumnWidth, scale)) {
        return false;
    }
    const int left = (page.width() - columns * width - (columns - 1) * columnGap) / 2;
    const int gap = (page.height() - rows * labelHeight) / (rows + 1);
    auto cell = [&](int column, int row) {
        return QRect(left + column * (width + columnGap), gap + row * (labelHeight + gap), width, labelHeight);
    };
    for (int i = 0; i < count; ++i) {
        ButtonLabelPlace& place = places.row[static_cast<size_t>(shown[i].position)];
        place.rect = cell(i / rows, i % rows);
        place.number = shown[i].number;
    }
    if (wheel) {
        for (int w = 0; w < kWheelCount; ++w) {
            places.wheel[static_cast<size_t>(w)] = cell(labelColumns, w);
        }
    }
    places.minimumHeight = rows * labelHeight + (rows + 1) * minimumGap;
    return true;
}

ButtonPagePlaces placeLabels(const QVector<Shown>& shown, bool wheel, const QSize& page, double scale)
{
    ButtonPagePlaces places;
    if (placeOneColumn(shown, wheel, page, scale, places)) {
        return places;
    }
    ButtonPagePlaces columns;
    // Nothing fits without scrolling: the single column, on a page grown to hold it.
    return placeColumns(shown, wheel, page, scale, columns) ? columns : places;
}

QVector<Shown> frontLabels(const ButtonTable& layout, int buttonCount)
{
    QVector<Shown> shown;
    for (int position = 0; position < kButtonRowSize; ++position) {
        if (isShown(layout, buttonCount, position)) {
            shown.append({ position, shown.size() + 1 });
        }
    }
    return shown;
}

} // namespace

int shownButtonLabelCount(const ButtonTable& layout, int buttonCount)
{
    return frontLabels(layout, buttonCount).size();
}

ButtonPagePlaces frontViewPlaces(const ButtonTable& layout, int buttonCount, const QSize& page, double scale)
{
    return placeLabels(frontLabels(layout, buttonCount), true, page, scale);
}

ButtonPagePlaces sideViewPlaces(const ButtonTable& layout, int buttonCount, const QVector<int>& sidePositions,
                                const QSize& page, double scale)
{
    QVector<Shown> shown;
    for (const Shown& label : frontLabels(layout, buttonCount)) {
        if (sidePositions.contains(label.position)) {
            shown.append(label);
        }
    }
    return placeLabels(shown, false, page, scale);
}
