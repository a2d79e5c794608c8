// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "platform/companion_client.h"
#include "platform/osd_message.h"
#include "platform/single_instance.h"

#include <QCoreApplication>
#include <QFile>
#include <csignal>
#include <sys/types.h>

// The built companion program, and the process id its instance lock names: the window starts the
// companion detached, so a test finds it there to stop it.
inline QString builtOsdProgram()
{
    return QCoreApplication::applicationDirPath() + QStringLiteral("/OSD");
}

inline qint64 runningOsdProcessId()
{
    const QString path = SingleInstanceLock(QString::fromLatin1(kOsdWindowTitle)).location();
    QFile lock(path);
    if (path.isEmpty() || !lock.open(QIODevice::ReadOnly))
        return 0;
    return lock.readLine().trimmed().toLongLong();
}

inline void stopRunningOsd()
{
    if (const qint64 pid = runningOsdProcessId())
        ::kill(pid_t(pid), SIGTERM);
}
