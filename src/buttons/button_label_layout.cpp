// SPDX-License-Identifier: GPL-3.0-or-later
#include "buttons/button_label_layout.h"

#include <algorithm>
#include <cmath>
#include <limits>

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

// The page height the single column needs.
int oneColumnHeight(int count, bool wheel, double scale)
{
    const int labelHeight = scaledLength(kLabelHeight, scale);
    if (count > kFixedSpacingAbove) {
        return 2 * kFixedTop + labelHeight * count + kFixedGap * (count - 1);
    }
    const int rows = wheel ? std::max(count, kWheelCount) : count;
    return labelHeight * rows + scaledLength(kMinimumGap, scale) * (rows + 1);
}

// The page width the single column needs, with the wheel column beside it.
int oneColumnWidth(bool wheel, double scale)
{
    return scaledLength(wheel ? kWheelColumnX + kLabelWidth : kLabelX + kLabelWidth, scale);
}

int columnWidth(int columns, int pageWidth, double scale)
{
    const int margin = scaledLength(kColumnMargin, scale);
    const int columnGap = scaledLength(kColumnGap, scale);
    return std::min(scaledLength(kLabelWidth, scale), (pageWidth - 2 * margin - (columns - 1) * columnGap) / columns);
}

int rowsHeight(int rows, double scale)
{
    return rows * scaledLength(kLabelHeight, scale) + (rows + 1) * scaledLength(kMinimumGap, scale);
}

// The lowest page in which the labels stand in columns no narrower than a label can be read in;
// INT_MAX when the page is too narrow for that.
int columnsHeight(int count, bool wheel, int pageWidth, double scale)
{
    if (count == 0) {
        return std::numeric_limits<int>::max();
    }
    for (int rows = wheel ? kWheelCount : 1; rows <= std::max(count, kWheelCount); ++rows) {
        const int columns = ceilDiv(count, rows) + (wheel ? 1 : 0);
        if (columnWidth(columns, pageWidth, scale) >= scaledLength(kMinimumColumnWidth, scale)) {
            return rowsHeight(rows, scale);
        }
    }
    return std::numeric_limits<int>::max();
}

// The single column of the product's layout rule, the wheel pair beside it. False when it does
// not fit the page height; the places are then still set.
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
    return oneColumnWidth(wheel, scale) <= page.width() && oneColumnHeight(count, wheel, scale) <= page.height();
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
    const int columnGap = scaledLength(kColumnGap, scale);
    const int width = columnWidth(columns, page.width(), scale);
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
    return true;
}

ButtonPagePlaces placeLabels(const QVector<Shown>& shown, bool wheel, const QSize& page, double scale)
{
    // The minimum follows the page's width alone, the lowest arrangement that holds the labels: a
    // page that fits keeps fitting down to it, and one that does not grows only that far. A page
    // too narrow for any (as a scroll area's page is before it is placed) asks for no height: more
    // would not help it.
    constexpr int kNone = std::numeric_limits<int>::max();
    const int oneColumn =
        oneColumnWidth(wheel, scale) <= page.width() ? oneColumnHeight(shown.size(), wheel, scale) : kNone;
    const int lowest = std::min(oneColumn, columnsHeight(shown.size(), wheel, page.width(), scale));
    ButtonPagePlaces places;
    // Until the page has grown, the single column stands as it is, running off the page.
    if (!placeOneColumn(shown, wheel, page, scale, places)) {
        ButtonPagePlaces columns;
        if (placeColumns(shown, wheel, page, scale, columns))
            places = columns;
    }
    places.minimumHeight = lowest == kNone ? 0 : lowest;
    return places;
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
