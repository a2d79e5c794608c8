#pragma once

#include "storage/product_description.h"

#include <QRect>
#include <array>

// Where the button page puts the labels of a button row. The product's layout list (one entry
// per button, kHiddenButtonSlot for a button the page does not show) decides which positions
// are shown; the shown ones are numbered 1, 2, 3, ... without gaps.

constexpr int kButtonRowSize = 20;

struct ButtonLabelPlace
{
    QRect rect;     // empty for a position that is not shown
    int number = 0; // the label's badge; 0 when not shown
};

using ButtonRowPlaces = std::array<ButtonLabelPlace, kButtonRowSize>;

// Positions of the row that are shown: those below the button count whose entry is not hidden.
int shownButtonLabelCount(const ButtonTable& layout, int buttonCount);

// More than nine labels stand 20 pixels apart below a 30-pixel margin; fewer are spread evenly
// over the page height. Labels are 220 × 30 design pixels at x 56.
ButtonRowPlaces buttonRowPlaces(const ButtonTable& layout, int buttonCount, int pageHeight, double scale);

// The two wheel positions stand in a second column, beside the first two shown labels of the row
// (at the top of the page when the row shows fewer).
std::array<QRect, 2> wheelLabelRects(const ButtonRowPlaces& rowPlaces, double scale);

// The height the page needs so that its labels neither overlap nor leave it.
int buttonRowMinimumHeight(int shownCount, double scale);
