// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/hot_spots.h"

#include "controls/skin_paths.h"

#include <QFileInfo>
#include <QStringList>
#include <array>

namespace {

// Button centres of the pictures the skin draws: 1 left, 2 right, 3 wheel, 4 forward, 5 back,
// 6 DPI up, 7 DPI down, 8 profile.
constexpr std::array<QPointF, 8> kFrontCentres{ QPointF(96, 105),  QPointF(204, 105), QPointF(150, 87),
                                                QPointF(62, 201),  QPointF(62, 249),  QPointF(150, 130),
                                                QPointF(150, 150), QPointF(150, 306) };
// The side picture shows the two thumb buttons.
constexpr int kFirstSideButton = 3;
constexpr std::array<QPointF, 2> kSideCentres{ QPointF(163, 176), QPointF(163, 236) };
constexpr std::array<QPointF, 2> kWheelCentres{ QPointF(178, 70), QPointF(178, 104) };

} // namespace

HotSpotPlace frontHotSpot(int index)
{
    if (index < 0 || index >= int(kFrontCentres.size()))
        return {};
    return { true, kFrontCentres[size_t(index)] };
}

HotSpotPlace sideHotSpot(int index)
{
    const int side = index - kFirstSideButton;
    if (side < 0 || side >= int(kSideCentres.size()))
        return {};
    return { true, kSideCentres[size_t(side)] };
}

QVector<int> sideButtonIndices()
{
    QVector<int> indices;
    for (int side = 0; side < int(kSideCentres.size()); ++side)
        indices.append(kFirstSideButton + side);
    return indices;
}

QString sidePictureName(const QString& productName)
{
    return QStringLiteral("mouse/") + productName + QStringLiteral("_Side.png");
}

QVector<int> sideViewButtons(const QString& productName)
{
    return QFileInfo::exists(skinPath(sidePictureName(productName))) ? sideButtonIndices() : QVector<int>();
}

QPointF wheelHotSpot(int index)
{
    return kWheelCentres[size_t(index == 0 ? 0 : 1)];
}

bool usesAlternativeWheelImages(const QString& productName)
{
    static const QStringList tiltWheelModels{
        QStringLiteral("Tarq M2"),         QStringLiteral("Tarq M2 Pro"), QStringLiteral("Tarq M2 Air"),
        QStringLiteral("Tarq M3"),         QStringLiteral("Tarq M3 Pro"), QStringLiteral("Tarq M3 Air"),
        QStringLiteral("Tarq M4"),         QStringLiteral("Tarq M4 Pro"), QStringLiteral("Tarq M5"),
        QStringLiteral("Tarq M5 Pro"),     QStringLiteral("Tarq M6"),     QStringLiteral("Tarq M6 Pro"),
        QStringLiteral("Tarq R1"),         QStringLiteral("Tarq R1 Pro"), QStringLiteral("Tarq R2"),
        QStringLiteral("Tarq R2 Pro"),     QStringLiteral("Tarq X1"),     QStringLiteral("Tarq X1 Pro"),
        QStringLiteral("Tarq X2"),         QStringLiteral("Tarq X2 Pro"), QStringLiteral("Tarq Ultra"),
        QStringLiteral("Tarq Ultra Mini"),
    };
    return tiltWheelModels.contains(productName);
}
