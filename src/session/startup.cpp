// SPDX-License-Identifier: GPL-3.0-or-later
#include "session/startup.h"

#include "device/discovery.h"
#include "log_categories.h"
#include "session/profile_loading.h"
#include "session/record_gate.h"
#include "storage/app_config.h"
#include "storage/file_names.h"
#include "storage/profile_files.h"
#include "storage/settings_guard.h"

#include <QCoreApplication>
#include <QFile>
#include <QFileInfo>
#include <algorithm>

namespace {

const char* const kDamagedConfigMessage = QT_TRANSLATE_NOOP(
    "Startup", "The configuration file %1 could not be read. It is kept as %2; the shipped defaults are used instead.");
const char* const kDamagedConfigUnmovedMessage = QT_TRANSLATE_NOOP(
    "Startup", "The configuration file %1 could not be read and could not be set aside; fix or remove it.");
const char* const kCompletedConfigMessage =
    QT_TRANSLATE_NOOP("Startup", "The configuration file %1 was damaged: %2 filled in, everything else kept.");
const char* const kCleanedConfigMessage = QT_TRANSLATE_NOOP(
    "Startup",
    "The configuration file %1 held values that cannot be read safely; they were dropped, everything else kept.");
const char* const kUncompletedConfigMessage = QT_TRANSLATE_NOOP(
    "Startup",
    "The configuration file %1 is damaged (no product name, or a profile slot without a name) and could not be "
    "repaired; fix or remove it.");
// The window installs its language before it reads the configuration; the command line loads no catalogue.
QString translated(const char* source)
{
    return QCoreApplication::translate("Startup", source);
}

const QString kConfigFileName = QStringLiteral("Config.ini");
const char* const kProductFolderMessage =
    QT_TRANSLATE_NOOP("Startup", "Could not create the product folder %1; the profile library is not kept.");
const char* const kInvalidSlotNameMessage =
    QT_TRANSLATE_NOOP("Startup", "A profile slot of %1 names no valid file; that slot starts from the defaults.");
const char* const kDefaultProfileMessage = QT_TRANSLATE_NOOP("Startup", "Could not write the default profile file %1.");
const char* const kSlotProfileMessage =
    QT_TRANSLATE_NOOP("Startup", "Could not create the profile file %1 from the defaults.");

// A first start (or a slot whose file was removed) begins with the product's defaults, as a new
// profile does, rather than with an empty record.
bool seedMissingSlotProfiles(const ConfigRecord& names, QStringList& messages)
{
    bool seeded = false;
    for (const QString& name : names.profileNames) {
        if (!isValidFileName(name))
            continue;
        const QString path = profileFilePath(name);
        if (QFileInfo::exists(path))
            continue;
        if (QFile::copy(defaultProfileFilePath(), path))
            seeded = true;
        else
            messages << translated(kSlotProfileMessage).arg(path);
    }
    return seeded;
}

bool hasMissingSlotFile(const ConfigRecord& names)
{
    return std::any_of(names.profileNames.begin(), names.profileNames.end(), [](const QString& name) {
        return isValidFileName(name) && !QFileInfo::exists(profileFilePath(name));
    });
}

} // namespace

QString StartupNote::text() const
{
    if (!source)
        return QString();
    QString text = translated(source);
    for (const QString& argument : arguments)
        text = text.arg(argument);
    return text;
}

StartupNote checkConfigurationFile()
{
    const SettingsReadScope once;
    const QString path = configIniPath();
    if (configIniIsUnreadable()) {
        if (replaceDamagedConfigIni() != StorageResult::Ok)
            return { kDamagedConfigUnmovedMessage, { path } };
        qCDebug(lcSession) << "unreadable configuration replaced:" << path;
        return { kDamagedConfigMessage, { path, damagedConfigIniPath() } };
    }
    if (!configIniIsDamaged())
        return {};
    QStringList filled;
    if (completeConfigIni(&filled) != StorageResult::Ok)
        return { kUncompletedConfigMessage, { path } };
    qCDebug(lcSession) << "damaged configuration completed:" << path << filled;
    if (filled.isEmpty())
        return { kCleanedConfigMessage, { path } };
    return { kCompletedConfigMessage, { path, filled.join(QStringLiteral(", ")) } };
}

QStringList refreshDefaultProfileFile()
{
    if (writeDefaultProfileFile() == StorageResult::Ok)
        return {};
    return { translated(kDefaultProfileMessage).arg(defaultProfileFilePath()) };
}

QStringList loadStartupConfiguration(ConfigurationPair& configuration, DefaultProfileRefresh defaults)
{
    // Config.ini, the product description and each profile file are asked many times each.
    const SettingsReadScope once;
    QStringList messages;
    if (ensureProductFolder() != StorageResult::Ok)
        messages << translated(kProductFolderMessage).arg(productFolder());
    ConfigRecord& loaded = configuration.lastUploaded;
    if (loadConfiguration(loaded) == StorageResult::InvalidName)
        messages << translated(kInvalidSlotNameMessage).arg(configIniPath());
    bool defaultsWritten = false;
    // Missing slot files are seeded from the default profile file, so it must be current first.
    if (defaults == DefaultProfileRefresh::Now || hasMissingSlotFile(loaded)) {
        const QStringList failed = refreshDefaultProfileFile();
        messages << failed;
        defaultsWritten = failed.isEmpty();
    }
    if (defaultsWritten && seedMissingSlotProfiles(loaded, messages))
        loadConfiguration(loaded);

    const RecordLimits limits = currentRecordLimits();
    messages << repairReport(kConfigFileName, repairDeviceOptions(loaded, limits));
    for (int slot = 0; slot < kProfileCount; ++slot) {
        const QString& name = loaded.profileNames[size_t(slot)];
        ProfileRecord& profile = loaded.profiles[size_t(slot)];
        if (isValidFileName(name)) {
            messages << gateReadProfile(profile, profileFilePath(name), limits);
        } else {
            profile = limits.defaults;
            profile.ProfileName = name;
        }
    }
    configuration.working = configuration.lastUploaded;
    return messages;
}

QByteArray productToOpen()
{
    const QList<QByteArray> connected = connectedModelNames();
    return connected.size() == 1 ? connected.first() : currentProductName().toLatin1();
}
