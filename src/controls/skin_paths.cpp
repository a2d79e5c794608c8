// SPDX-License-Identifier: GPL-3.0-or-later
#include "controls/skin_paths.h"

#include "storage/paths.h"

#include <QtGlobal>

QString skinPath(const QString& name)
{
    return dataDir() + QStringLiteral("/skin/") + name;
}

QStringList tabButtonImages()
{
    return { skinPath(QStringLiteral("tabbutton-1.png")), skinPath(QStringLiteral("tabbutton-3.png")),
             skinPath(QStringLiteral("tabbutton-2.png")) };
}

// Q_INIT_RESOURCE must be used outside any namespace.
static void initMousecfgResources()
{
    Q_INIT_RESOURCE(mousecfg_resources);
}

void ensureEmbeddedImages()
{
    static const bool registered = (initMousecfgResources(), true);
    Q_UNUSED(registered)
}
