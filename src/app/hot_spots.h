// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QPointF>
#include <QString>
#include <QVector>

// Where the hot-spots sit on the mouse pictures, in the pictures' 300 × 400 grid, and which
// models draw their wheel hot-spots with the alternative images.

constexpr double kPictureGridWidth = 300;
constexpr double kPictureGridHeight = 400;

struct HotSpotPlace
{
    bool placed = false; // the picture has no such button: the hot-spot stays hidden
    QPointF centre;
};

// Button index (0-based) of the front row. The side picture shows some of those same buttons, and
// its hot-spots are indexed by the front row's index too.
HotSpotPlace frontHotSpot(int index);
HotSpotPlace sideHotSpot(int index);
// The front row's buttons that have a hot-spot on the side picture, in order.
QVector<int> sideButtonIndices();
// Those buttons when the product has a side picture in the skin, else none: the side view shows them.
QVector<int> sideViewButtons(const QString& productName);

// The side picture of a product, relative to the skin folder; a product without one has no side view.
QString sidePictureName(const QString& productName);
// 0 wheel up, 1 wheel down.
QPointF wheelHotSpot(int index);

// Models whose wheel is drawn tilted: their two extra hot-spots use the third and fourth images.
bool usesAlternativeWheelImages(const QString& productName);
