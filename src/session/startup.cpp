#include "session/startup.h"

#include "device/discovery.h"
#include "log_categories.h"
#include "storage/app_config.h"
#include "storage/profile_files.h"

namespace {

const char kDamagedConfigMessage[] =
    "The configuration file %1 was damaged (%2). It is kept as %3; the shipped defaults are used instead.";
const char kDamagedConfigUnmovedMessage[] =
    "The configuration file %1 is damaged (%2) and could not be set aside; fix or remove it.";
const char kDamageReason[] = "no product name, or a profile slot without a name";
const char kProductFolderMessage[] = "Could not create the product folder %1; the profile library is not kept.";
const char kInvalidSlotNameMessage[] = "A profile slot of %1 names no valid file; that slot starts from the defaults.";
const char kDefaultProfileMessage[] = "Could not write the default profile file %1.";

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
    if (loadConfiguration(configuration.lastUploaded) == StorageResult::InvalidName)
        messages << QString::fromLatin1(kInvalidSlotNameMessage).arg(configIniPath());
    configuration.working = configuration.lastUploaded;
    if (writeDefaultProfileFile() != StorageResult::Ok)
        messages << QString::fromLatin1(kDefaultProfileMessage).arg(defaultProfileFilePath());
    return messages;
}

QByteArray productToOpen()
{
    const QList<QByteArray> connected = connectedModelNames();
    return connected.size() == 1 ? connected.first() : currentProductName().toLatin1();
}
