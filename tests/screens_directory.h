#pragma once

#include <QCoreApplication>
#include <QDir>
#include <QString>

// Where the screenshot tests put their pictures to be looked at: MOUSECFG_SCREENS_DIR, else the
// build directory's screens/ folder.
inline QString screensDirectory()
{
    const QString forced = qEnvironmentVariable("MOUSECFG_SCREENS_DIR");
    const QString folder =
        forced.isEmpty() ? QCoreApplication::applicationDirPath() + QStringLiteral("/../screens") : forced;
    QDir().mkpath(folder);
    return QDir(folder).absolutePath();
}
