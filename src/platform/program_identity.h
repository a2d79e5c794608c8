#pragma once

#include <QString>

// How the desktop knows the program: the id its desktop entry, metainfo and icons are named by,
// and the name its notifications carry.
inline QString programDesktopId()
{
    return QStringLiteral(MOUSECFG_APP_ID);
}

inline QString programName()
{
    return QStringLiteral("mousecfg");
}
