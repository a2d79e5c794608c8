#pragma once

#include <QPointF>
#include <QString>

// Where the hot-spots sit on the mouse pictures, in the pictures' 300 × 400 grid, and which
// models draw their wheel hot-spots with the alternative images.

constexpr double kPictureGridWidth = 300;
constexpr double kPictureGridHeight = 400;

struct HotSpotPlace
{
    bool placed = false; // the picture has no such button: the hot-spot stays hidden
    QPointF centre;
};

// Button index (0-based) of the front row and of the side row.
HotSpotPlace frontHotSpot(int index);
HotSpotPlace sideHotSpot(int index);
// 0 wheel up, 1 wheel down.
QPointF wheelHotSpot(int index);

// Models whose wheel is drawn tilted: their two extra hot-spots use the third and fourth images.
bool usesAlternativeWheelImages(const QString& productName);
