// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/firmware.h"

#include "platform/executable_name.h"

#include <QFileInfo>
#include <QProcess>

QString firmwareUpdaterPath(const QString& dataDirectory, int languageIndex)
{
    const QString base = languageIndex == 0 ? QStringLiteral("FWUPDATE-en") : QStringLiteral("FWUPDATE");
    return dataDirectory + QStringLiteral("/skin/mouse/bin/") + executableName(base);
}

UpdaterStart startFirmwareUpdater(const QString& path)
{
    const QFileInfo info(path);
    if (!info.exists())
        return UpdaterStart::Missing;
    if (!info.isFile() || !info.isExecutable())
        return UpdaterStart::NotStarted;
    return QProcess::startDetached(path, QStringList(), info.absolutePath()) ? UpdaterStart::Started
                                                                             : UpdaterStart::NotStarted;
}
