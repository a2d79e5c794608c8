#include "buttons/button_label_layout.h"

#include <cmath>

namespace {

constexpr int kFixedSpacingAbove = 9;
constexpr int kFixedTop = 30;
constexpr int kFixedGap = 20;
constexpr int kLabelX = 56;
constexpr int kLabelWidth = 220;
constexpr int kLabelHeight = 30;
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

int buttonRowMinimumHeight(int shownCount, double scale)
{
    const int labels = scaledLength(kLabelHeight, scale) * shownCount;
    if (shownCount > kFixedSpacingAbove) {
        return 2 * kFixedTop + labels + kFixedGap * (shownCount - 1);
    }
    return labels + scaledLength(kMinimumSpreadGap, scale) * (shownCount + 1);
}
