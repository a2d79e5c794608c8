#include "session/startup.h"

#include "device/discovery.h"
#include "log_categories.h"
#include "session/profile_loading.h"
#include "session/record_gate.h"
#include "storage/app_config.h"
#include "storage/file_names.h"
#include "storage/profile_files.h"

#include <QFile>
#include <QFileInfo>

namespace {

const char kDamagedConfigMessage[] =
    "The configuration file %1 could not be read. It is kept as %2; the shipped defaults are used instead.";
const char kDamagedConfigUnmovedMessage[] =
    "The configuration file %1 could not be read and could not be set aside; fix or remove it.";
const char kCompletedConfigMessage[] = "The configuration file %1 was damaged: %2 filled in, everything else kept.";
const char kCleanedConfigMessage[] =
    "The configuration file %1 held values that cannot be read safely; they were dropped, everything else kept.";
const char kUncompletedConfigMessage[] =
    "The configuration file %1 is damaged (no product name, or a profile slot without a name) and could not be "
    "repaired; fix or remove it.";
const QString kConfigFileName = QStringLiteral("Config.ini");
const char kProductFolderMessage[] = "Could not create the product folder %1; the profile library is not kept.";
const char kInvalidSlotNameMessage[] = "A profile slot of %1 names no valid file; that slot starts from the defaults.";
const char kDefaultProfileMessage[] = "Could not write the default profile file %1.";
const char kSlotProfileMessage[] = "Could not create the profile file %1 from the defaults.";

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
            messages << QString::fromLatin1(kSlotProfileMessage).arg(path);
    }
    return seeded;
}

} // namespace

QString checkConfigurationFile()
{
    const QString path = configIniPath();
    if (configIniIsUnreadable()) {
        if (replaceDamagedConfigIni() != StorageResult::Ok)
            return QString::fromLatin1(kDamagedConfigUnmovedMessage).arg(path);
        qCDebug(lcSession) << "unreadable configuration replaced:" << path;
        return QString::fromLatin1(kDamagedConfigMessage).arg(path, damagedConfigIniPath());
    }
    if (!configIniIsDamaged())
        return QString();
    QStringList filled;
    if (completeConfigIni(&filled) != StorageResult::Ok)
        return QString::fromLatin1(kUncompletedConfigMessage).arg(path);
    qCDebug(lcSession) << "damaged configuration completed:" << path << filled;
    if (filled.isEmpty())
        return QString::fromLatin1(kCleanedConfigMessage).arg(path);
    return QString::fromLatin1(kCompletedConfigMessage).arg(path, filled.join(QStringLiteral(", ")));
}

QStringList loadStartupConfiguration(ConfigurationPair& configuration)
{
    QStringList messages;
    if (ensureProductFolder() != StorageResult::Ok)
        messages << QString::fromLatin1(kProductFolderMessage).arg(productFolder());
    const bool defaultsWritten = writeDefaultProfileFile() == StorageResult::Ok;
    if (!defaultsWritten)
        messages << QString::fromLatin1(kDefaultProfileMessage).arg(defaultProfileFilePath());
    ConfigRecord& loaded = configuration.lastUploaded;
    if (loadConfiguration(loaded) == StorageResult::InvalidName)
        messages << QString::fromLatin1(kInvalidSlotNameMessage).arg(configIniPath());
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
