// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

// Texts longer than the controls that show them have room for, in any language and at any scale.

// A profile name as long as a user may type one, wider than a slot button or the name field.
inline QString longProfileName()
{
    return QStringLiteral("Tournament settings for the long weekend");
}

// A path of exactly 200 characters with folder names of every length (some with hyphens).
inline QString twoHundredCharacterPath()
{
    QString path = QStringLiteral("/home/someone/.config/mousecfg/Configs/Profiles/a/bb/ccc");
    for (int folder = 1; path.size() < 200; ++folder)
        path += QStringLiteral("/tournament-") + QString(folder % 7, QLatin1Char('x'));
    return path.left(195) + QStringLiteral(".prof");
}
