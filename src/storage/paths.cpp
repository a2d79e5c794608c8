#include "paths.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>

namespace {

const char* const kAppDirOption = "--app-dir";
const char* const kConfigDirOption = "--config-dir";
const char* const kAppDirVariable = "MOUSECFG_APP_DIR";
const char* const kConfigDirVariable = "MOUSECFG_CONFIG_DIR";
const char* const kConfigSuffix = "/Configs";
const char* const kSeedSuffix = "/defaults/Config.ini";
const char* const kConfigFileSuffix = "/Config.ini";

QString g_appDir;
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

QString xdgConfigDir()
{
    QString base = qEnvironmentVariable("XDG_CONFIG_HOME");
    if (base.isEmpty() || QDir::isRelativePath(base))
        base = QDir::homePath() + QStringLiteral("/.config");
    return base + QStringLiteral("/mousecfg") + QLatin1String(kConfigSuffix);
}

// A directory counts as writable when it exists and accepts new files, or when it can be made.
bool canWriteInto(const QString& dir)
{
    QFileInfo info(dir);
    if (info.exists())
        return info.isDir() && info.isWritable();
    return QDir().mkpath(dir);
}

void seedConfigFile(const QString& appDirectory, const QString& configDirectory)
{
    const QString target = configDirectory + QLatin1String(kConfigFileSuffix);
    const QString seed = appDirectory + QLatin1String(kSeedSuffix);
    if (QFileInfo::exists(target) || !QFileInfo::exists(seed))
        return;
    if (QFile::copy(seed, target)) {
        // An installed seed is read-only; the copy is the user's to change.
        QFile::setPermissions(target, QFile::ReadOwner | QFile::WriteOwner | QFile::ReadGroup | QFile::ReadOther);
    }
}

} // namespace

bool takeDirectoryOptions(QStringList& args, DirectoryOptions& options, QString* error)
{
    QStringList rest;
    for (int i = 0; i < args.size(); ++i) {
        const QString& arg = args.at(i);
        QString* target = nullptr;
        QString name;
        for (const char* option : {kAppDirOption, kConfigDirOption}) {
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

bool initDirectories(const DirectoryOptions& options, QString* error)
{
    QString app = options.appDir;
    if (app.isEmpty())
        app = qEnvironmentVariable(kAppDirVariable);
    if (app.isEmpty())
        app = defaultAppDir();
    app = cleanDir(app);

    QString config = options.configDir;
    if (config.isEmpty())
        config = qEnvironmentVariable(kConfigDirVariable);
    if (config.isEmpty()) {
        config = app + QLatin1String(kConfigSuffix);
        if (!canWriteInto(config))
            config = xdgConfigDir();
    }
    config = cleanDir(config);

    if (!QDir().mkpath(config)) {
        if (error)
            *error = QStringLiteral("cannot create the configuration directory %1").arg(config);
        return false;
    }
    g_appDir = app;
    g_configDir = config;
    seedConfigFile(app, config);
    return true;
}

QString appDir()
{
    if (g_appDir.isEmpty())
        return cleanDir(defaultAppDir());
    return g_appDir;
}

QString configDir()
{
    if (g_configDir.isEmpty())
        return appDir() + QLatin1String(kConfigSuffix);
    return g_configDir;
}
