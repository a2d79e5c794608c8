// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/linux/session_bus.h"

#include <QFileInfo>
#include <QString>

bool sessionBusAvailable()
{
    if (!qEnvironmentVariableIsEmpty("DBUS_SESSION_BUS_ADDRESS"))
        return true;
    const QString runtimeDir = qEnvironmentVariable("XDG_RUNTIME_DIR");
    return !runtimeDir.isEmpty() && QFileInfo::exists(runtimeDir + QStringLiteral("/bus"));
}
