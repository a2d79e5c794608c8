// SPDX-License-Identifier: GPL-3.0-or-later
#include "paths.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryFile>

namespace {

const char* const kAppDirOption = "--app-dir";
const char* const kConfigDirOption = "--config-dir";
const char* const kAppDirVariable = "MOUSECFG_APP_DIR";
const char* const kConfigDirVariable = "MOUSECFG_CONFIG_DIR";
const char* const kConfigSuffix = "/Configs";
const char* const kSeedSuffix = "/defaults/Config.ini";
const char* const kConfigFileSuffix = "/Config.ini";
const char* const kProductFileSuffix = "/DefaultProfile.bin";

#ifdef MOUSECFG_DATA_FROM_APP_DIR
const char* const kInstalledDataDir = MOUSECFG_DATA_FROM_APP_DIR;
#else
const char* const kInstalledDataDir = ".";
#endif

QString g_appDir;
QString g_dataDir;
QString g_configDir;

QString cleanDir(const QString& dir)
{
    return QDir::cleanPath(QDir(dir).absolutePath());
}

QString defaultAppDir()
{
    if (QCoreApplication::instance())
        return QCoreApplication::applicationDirPath();
    return QDir::currentPath();
}

// A named directory holds everything, as a build tree does; otherwise the data may live in the
// installed layout's own folder, which is used only when it is really there.
QString dataDirFor(const QString& app, bool named)
{
    if (named || QFileInfo::exists(app + QLatin1String(kProductFileSuffix)))
        return app;
    const QString installed = QDir::cleanPath(app + QLatin1Char('/') + QLatin1String(kInstalledDataDir));
    return QFileInfo::exists(installed + QLatin1String(kProductFileSuffix)) ? installed : app;
}

QString xdgConfigDir()
{
    QString base = qEnvironmentVariable("XDG_CONFIG_HOME");
    if (base.isEmpty() || QDir::isRelativePath(base))
        base = QDir::homePath() + QStringLiteral("/.config");
    return base + QStringLiteral("/mousecfg") + QLatin1String(kConfigSuffix);
}

// Why files cannot be written into dir, which is made when missing; empty when they can. A file
// is really made and removed: permission bits say nothing for root or on a read-only mount.
QString whyNotWritable(const QString& dir)
{
    const QFileInfo info(dir);
    if (info.exists() && !info.isDir())
        return QStringLiteral("it is not a directory");
    if (!info.exists() && !QDir().mkpath(dir))
        return QStringLiteral("it cannot be created");
    QTemporaryFile probe(dir + QStringLiteral("/.mousecfg-XXXXXX"));
    if (!probe.open())
        return QStringLiteral("it is not writable");
    return QString();
}

bool seedConfigFile(const QString& dataDirectory, const QString& configDirectory)
{
    const QString target = configDirectory + QLatin1String(kConfigFileSuffix);
    const QString seed = dataDirectory + QLatin1String(kSeedSuffix);
    if (QFileInfo::exists(target) || !QFileInfo::exists(seed))
        return false;
    if (!QFile::copy(seed, target))
        return false;
    // An installed seed is read-only; the copy is the user's to change.
    QFile::setPermissions(target, QFile::ReadOwner | QFile::WriteOwner | QFile::ReadGroup | QFile::ReadOther);
    return true;
}

} // namespace

bool takeDirectoryOptions(QStringList& args, DirectoryOptions& options, QString* error)
{
    QStringList rest;
    for (int i = 0; i < args.size(); ++i) {
        const QString& arg = args.at(i);
        QString* target = nullptr;
        QString name;
        for (const char* option : { kAppDirOption, kConfigDirOption }) {
            const QString optionName = QLatin1String(option);
            if (arg == optionName || arg.startsWith(optionName + QLatin1Char('='))) {
                target = option == kAppDirOption ? &options.appDir : &options.configDir;
                name = optionName;
            }
        }
        if (!target) {
            rest.append(arg);
            continue;
        }
        if (arg.size() > name.size()) {
            *target = arg.mid(name.size() + 1);
        } else if (i + 1 < args.size()) {
            *target = args.at(++i);
        } else {
            if (error)
                *error = QStringLiteral("%1 needs a directory").arg(name);
            return false;
        }
        if (target->isEmpty()) {
            if (error)
                *error = QStringLiteral("%1 needs a directory").arg(name);
            return false;
        }
    }
    args = rest;
    return true;
}

void initAppDirectory(const DirectoryOptions& options)
{
    QString app = options.appDir;
    if (app.isEmpty())
        app = qEnvironmentVariable(kAppDirVariable);
    const bool named = !app.isEmpty();
    if (!named)
        app = defaultAppDir();
    g_appDir = cleanDir(app);
    g_dataDir = dataDirFor(g_appDir, named);
}

bool initDirectories(const DirectoryOptions& options, QString* error, QString* notice)
{
    initAppDirectory(options);
    const QString app = g_appDir;

    QString config = options.configDir;
    if (config.isEmpty())
        config = qEnvironmentVariable(kConfigDirVariable);
    const bool chosen = !config.isEmpty();
    // An installed program keeps the user's files in the user's home, even when run by root, who
    // could write the system folder.
    if (!chosen)
        config = g_dataDir == app ? app + QLatin1String(kConfigSuffix) : xdgConfigDir();
    config = cleanDir(config);

    const QString reason = whyNotWritable(config);
    if (!reason.isEmpty()) {
        const QString fallback = cleanDir(xdgConfigDir());
        const QString fallbackReason = fallback == config ? reason : whyNotWritable(fallback);
        if (!fallbackReason.isEmpty()) {
            if (error)
                *error = QStringLiteral("cannot write the configuration directory %1 (%2) nor %3 (%4)")
                             .arg(config, reason, fallback, fallbackReason);
            return false;
        }
        // Under a system folder the default one is expected to be read-only: only a directory the
        // user named, or one that already holds files, is worth a notice.
        if (notice && (chosen || QFileInfo(config).isDir()))
            *notice = QStringLiteral("the configuration directory %1 cannot be used (%2); using %3 instead")
                          .arg(config, reason, fallback);
        config = fallback;
    }
    g_configDir = config;
    seedConfigFile(g_dataDir, config);
    return true;
}

bool seedConfigFile()
{
    return seedConfigFile(dataDir(), configDir());
}

QString appDir()
{
    if (g_appDir.isEmpty())
        return cleanDir(defaultAppDir());
    return g_appDir;
}

QString dataDir()
{
    if (g_dataDir.isEmpty())
        return dataDirFor(appDir(), false);
    return g_dataDir;
}

QString configDir()
{
    if (g_configDir.isEmpty())
        return appDir() + QLatin1String(kConfigSuffix);
    return g_configDir;
}
