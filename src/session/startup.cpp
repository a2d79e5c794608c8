#include "session/startup.h"

#include "device/discovery.h"
#include "log_categories.h"
#include "storage/app_config.h"
#include "storage/file_names.h"
#include "storage/profile_files.h"

#include <QFile>
#include <QFileInfo>

namespace {

const char kDamagedConfigMessage[] =
    "The configuration file %1 was damaged (%2). It is kept as %3; the shipped defaults are used instead.";
const char kDamagedConfigUnmovedMessage[] =
    "The configuration file %1 is damaged (%2) and could not be set aside; fix or remove it.";
const char kDamageReason[] = "no product name, or a profile slot without a name";
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
    if (!configIniIsDamaged())
        return QString();
    const QString path = configIniPath();
    if (replaceDamagedConfigIni() != StorageResult::Ok)
        return QString::fromLatin1(kDamagedConfigUnmovedMessage).arg(path, QLatin1String(kDamageReason));
    qCDebug(lcSession) << "damaged configuration replaced:" << path;
    return QString::fromLatin1(kDamagedConfigMessage).arg(path, QLatin1String(kDamageReason), damagedConfigIniPath());
}

QStringList loadStartupConfiguration(ConfigurationPair& configuration)
{
    QStringList messages;
    if (ensureProductFolder() != StorageResult::Ok)
        messages << QString::fromLatin1(kProductFolderMessage).arg(productFolder());
    const bool defaultsWritten = writeDefaultProfileFile() == StorageResult::Ok;
    if (!defaultsWritten)
        messages << QString::fromLatin1(kDefaultProfileMessage).arg(defaultProfileFilePath());
    if (loadConfiguration(configuration.lastUploaded) == StorageResult::InvalidName)
        messages << QString::fromLatin1(kInvalidSlotNameMessage).arg(configIniPath());
    if (defaultsWritten && seedMissingSlotProfiles(configuration.lastUploaded, messages))
        loadConfiguration(configuration.lastUploaded);
    configuration.working = configuration.lastUploaded;
    return messages;
}

QByteArray productToOpen()
{
    const QList<QByteArray> connected = connectedModelNames();
    return connected.size() == 1 ? connected.first() : currentProductName().toLatin1();
}
