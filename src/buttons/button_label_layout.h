// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "storage/product_description.h"

#include <QRect>
#include <QSize>
#include <QVector>
#include <array>

// Where the button page puts its labels. The product's layout list (one entry per button,
// kHiddenButtonSlot for a button the page does not show) decides which positions of the button row
// are shown; the shown ones are numbered 1, 2, 3, ... without gaps.

constexpr int kButtonRowSize = 20;

struct ButtonLabelPlace
{
    QRect rect;     // empty for a position that is not shown
    int number = 0; // the label's badge; 0 when not shown
};

using ButtonRowPlaces = std::array<ButtonLabelPlace, kButtonRowSize>;

struct ButtonPagePlaces
{
    ButtonRowPlaces row{};
    std::array<QRect, 2> wheel{}; // empty in the side view
    // The page height the labels need: no more than the page has whenever they can fit it.
    int minimumHeight = 0;
};

// Positions of the row that are shown: those below the button count whose entry is not hidden.
int shownButtonLabelCount(const ButtonTable& layout, int buttonCount);

// The front view: every shown position and the two wheel positions. A single column of 220 × 30
// design pixels at x 56 with the wheel pair in a column beside it, as long as it fits the page
// height: more than nine labels 20 pixels apart below a 30-pixel margin, fewer spread evenly.
// Labels that do not fit one column stand in as many columns as the page's width allows, the
// wheel pair in the last; only labels that fit no way make the page taller than it is.
ButtonPagePlaces frontViewPlaces(const ButtonTable& layout, int buttonCount, const QSize& page, double scale);

// The side view: only the shown positions among sidePositions, numbered as in the front view, and
// no wheel pair.
ButtonPagePlaces sideViewPlaces(const ButtonTable& layout, int buttonCount, const QVector<int>& sidePositions,
                                const QSize& page, double scale);
