#include "buttons/button_label_layout.h"

#include <cmath>

namespace {

constexpr int kFixedSpacingAbove = 9;
constexpr int kFixedTop = 30;
constexpr int kFixedGap = 20;
constexpr int kLabelX = 56;
constexpr int kLabelWidth = 220;
constexpr int kLabelHeight = 30;
constexpr int kWheelColumnX = kLabelX + kLabelWidth + 40;
// The smallest gap an even spread may use before the page grows (and scrolls) instead.
constexpr int kMinimumSpreadGap = 20;

int scaledLength(double length, double scale)
{
    return static_cast<int>(std::lround(length * scale));
}

bool isShown(const ButtonTable& layout, int buttonCount, int position)
{
    if (position >= buttonCount || position >= kButtonRowSize) {
        return false;
    }
    return position >= kButtonTableSize || layout[static_cast<size_t>(position)] != kHiddenButtonSlot;
}

} // namespace

int shownButtonLabelCount(const ButtonTable& layout, int buttonCount)
{
    int shown = 0;
    for (int position = 0; position < kButtonRowSize; ++position) {
        if (isShown(layout, buttonCount, position)) {
            ++shown;
        }
    }
    return shown;
}

ButtonRowPlaces buttonRowPlaces(const ButtonTable& layout, int buttonCount, int pageHeight, double scale)
{
    const int shown = shownButtonLabelCount(layout, buttonCount);
    const int labelHeight = scaledLength(kLabelHeight, scale);
    int top = kFixedTop;
    int gap = kFixedGap;
    if (shown <= kFixedSpacingAbove) {
        gap = (pageHeight - labelHeight * shown) / (shown + 1);
        top = gap;
    }
    ButtonRowPlaces places{};
    int count = 0;
    for (int position = 0; position < kButtonRowSize; ++position) {
        if (!isShown(layout, buttonCount, position)) {
            continue;
        }
        ButtonLabelPlace& place = places[static_cast<size_t>(position)];
        place.rect = QRect(scaledLength(kLabelX, scale), top + gap * count + labelHeight * count,
                           scaledLength(kLabelWidth, scale), labelHeight);
        place.number = ++count;
    }
    return places;
}

std::array<QRect, 2> wheelLabelRects(const ButtonRowPlaces& rowPlaces, double scale)
{
    std::array<QRect, 2> rects{};
    size_t wheel = 0;
    for (const ButtonLabelPlace& place : rowPlaces) {
        if (place.number > 0 && wheel < rects.size()) {
            rects[wheel] = place.rect;
            rects[wheel++].moveLeft(scaledLength(kWheelColumnX, scale));
        }
    }
    const int labelHeight = scaledLength(kLabelHeight, scale);
    for (; wheel < rects.size(); ++wheel) {
        rects[wheel] = QRect(scaledLength(kWheelColumnX, scale), labelHeight * int(2 * wheel + 1),
                             scaledLength(kLabelWidth, scale), labelHeight);
    }
    return rects;
}

int buttonRowMinimumHeight(int shownCount, double scale)
{
    const int labels = scaledLength(kLabelHeight, scale) * shownCount;
    if (shownCount > kFixedSpacingAbove) {
        return 2 * kFixedTop + labels + kFixedGap * (shownCount - 1);
    }
    return labels + scaledLength(kMinimumSpreadGap, scale) * (shownCount + 1);
}
