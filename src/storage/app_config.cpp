// SPDX-License-Identifier: GPL-3.0-or-later
#include "storage/app_config.h"

#include "storage/file_names.h"
#include "storage/paths.h"
#include "storage/product_description.h"
#include "storage/profile_record.h"
#include "storage/settings_guard.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSettings>
#include <algorithm>

namespace {

const QString kConfigFile = QStringLiteral("/Config.ini");
const QString kDamagedSuffix = QStringLiteral(".damaged");
const QString kSlotNameKey = QStringLiteral("Config/Profile%1");
const QString kProfileFolder = QStringLiteral("/Profile/");
const QString kProfileSuffix = QStringLiteral(".prof");
const QString kDefaultProfileName = QStringLiteral("DefaultProfile");

const QString kPendingUploadKey = QStringLiteral("Config/Diff");
const QString kBatteryKey = QStringLiteral("Config/Battery");
const QString kBatteryFullKey = QStringLiteral("Config/BatteryFull");
const QString kBatteryWarn1Key = QStringLiteral("Config/BatteryWarn1");
const QString kBatteryWarn2Key = QStringLiteral("Config/BatteryWarn2");
const QString kCurrentProductKey = QStringLiteral("Config/CurrentProductName");
const QString kModelKey = QStringLiteral("Config/Model");
const QString kAccentColorKey = QStringLiteral("Config/GColorID");
const QString kSensorVariantKey = QStringLiteral("MouseSenSor/1");
const QString kLightingVariantKey = QStringLiteral("MouseLEDMode/%1");
const QString kMouseListKey = QStringLiteral("Mouse_List/%1");
const QString kLastFileFolderKey = QStringLiteral("Config/LastFileFolder");

const QString kProfileListCountKey = QStringLiteral("PROFILE_LIST/Count");
const QString kProfileListKey = QStringLiteral("PROFILE_LIST/%1");
const QString kShortListCountKey = QStringLiteral("PROFILE_LIST/SCount");
const QString kShortListKey = QStringLiteral("PROFILE_LIST/S%1");

// A damaged count must not make a reader walk millions of keys; the library menu holds 200.
constexpr int kMaxProfileListEntries = 1000;

QVariant readValue(const QString& path, const QString& key, const QVariant& fallback = {})
{
    const GuardedSettings file(path, GuardedSettings::Mode::Read);
    return file.settings().value(key, fallback);
}

int readPercent(const QString& key, int fallback)
{
    bool ok = false;
    const int percent = readValue(configIniPath(), key).toString().toInt(&ok);
    return ok && percent >= 0 && percent <= 100 ? percent : fallback;
}

StorageResult writeValue(const QString& path, const QString& key, const QVariant& value)
{
    GuardedSettings file(path, GuardedSettings::Mode::Write);
    file.settings().setValue(key, value);
    return file.sync() ? StorageResult::Ok : StorageResult::WriteFailed;
}

QStringList readNameList(const QString& countKey, const QString& entryKey)
{
    const GuardedSettings file(productConfigPath(), GuardedSettings::Mode::Read);
    const QSettings& settings = file.settings();
    const int count = std::clamp(settings.value(countKey).toInt(), 0, kMaxProfileListEntries);
    QStringList names;
    names.reserve(count);
    for (int i = 1; i <= count; ++i) {
        names.append(settings.value(entryKey.arg(i)).toString());
    }
    return names;
}

} // namespace

QString configIniPath()
{
    return configDir() + kConfigFile;
}

bool configIniIsDamaged()
{
    if (!QFileInfo::exists(configIniPath())) {
        return false;
    }
    const GuardedSettings file(configIniPath(), GuardedSettings::Mode::Read);
    const QSettings& settings = file.settings();
    if (file.wasDamaged() || settings.value(kCurrentProductKey).toString().isEmpty()) {
        return true;
    }
    for (int slot = 1; slot <= kProfileCount; ++slot) {
        if (settings.value(kSlotNameKey.arg(slot)).toString().isEmpty()) {
            return true;
        }
    }
    return false;
}

bool configIniIsUnreadable()
{
    const QString path = configIniPath();
    if (!QFileInfo::exists(path)) {
        return false;
    }
    QFile probe(path);
    if (!QFileInfo(path).isFile() || !probe.open(QIODevice::ReadOnly) || isOversizedSettingsFile(path)) {
        return true;
    }
    probe.close();
    const GuardedSettings file(path, GuardedSettings::Mode::Read);
    return file.settings().status() == QSettings::FormatError;
}

StorageResult completeConfigIni(QStringList* filled)
{
    GuardedSettings file(configIniPath(), GuardedSettings::Mode::Write);
    QSettings& settings = file.settings();
    const QString product = productName();
    if (settings.value(kCurrentProductKey).toString().isEmpty() && isValidFileName(product)) {
        file.setValue(kCurrentProductKey, product);
        if (filled) {
            *filled << kCurrentProductKey;
        }
    }
    QStringList names;
    for (int slot = 1; slot <= kProfileCount; ++slot) {
        names << settings.value(kSlotNameKey.arg(slot)).toString();
    }
    for (int slot = 0; slot < kProfileCount; ++slot) {
        if (!names.at(slot).isEmpty()) {
            continue;
        }
        // The slot's own default name, unless another slot shows it already.
        QString name = defaultProfileName(slot);
        for (int n = 0; names.contains(name); ++n) {
            name = defaultProfileName(n);
        }
        names[slot] = name;
        file.setValue(kSlotNameKey.arg(slot + 1), name);
        if (filled) {
            *filled << kSlotNameKey.arg(slot + 1);
        }
    }
    return file.sync() ? StorageResult::Ok : StorageResult::WriteFailed;
}

QString damagedConfigIniPath()
{
    return configIniPath() + kDamagedSuffix;
}

StorageResult replaceDamagedConfigIni()
{
    const QString path = configIniPath();
    const QString kept = damagedConfigIniPath();
    QFile::remove(kept);
    if (!QFile::rename(path, kept)) {
        return StorageResult::WriteFailed;
    }
    seedConfigFile();
    GuardedSettings file(path, GuardedSettings::Mode::Write);
    QSettings& settings = file.settings();
    const QString product = productName();
    if (settings.value(kCurrentProductKey).toString().isEmpty() && isValidFileName(product)) {
        settings.setValue(kCurrentProductKey, product);
    }
    for (int slot = 1; slot <= kProfileCount; ++slot) {
        if (settings.value(kSlotNameKey.arg(slot)).toString().isEmpty()) {
            settings.setValue(kSlotNameKey.arg(slot), defaultProfileName(slot - 1));
        }
    }
    return file.sync() ? StorageResult::Ok : StorageResult::WriteFailed;
}

QString profileDirectory()
{
    return configDir() + kProfileFolder;
}

QString profileFilePath(const QString& name)
{
    return profileDirectory() + name + kProfileSuffix;
}

QString defaultProfileFilePath()
{
    return profileFilePath(kDefaultProfileName);
}

QString productFolder()
{
    const QString product = currentProductName();
    if (!isValidFileName(product)) {
        return QString();
    }
    return configDir() + QLatin1Char('/') + product;
}

QString productConfigPath()
{
    const QString folder = productFolder();
    return folder.isEmpty() ? QString() : folder + kConfigFile;
}

QString libraryProfileFilePath(const QString& name)
{
    const QString folder = productFolder();
    if (folder.isEmpty() || !isValidFileName(name)) {
        return QString();
    }
    return folder + kProfileFolder + name + kProfileSuffix;
}

StorageResult ensureProductFolder()
{
    const QString folder = productFolder();
    if (folder.isEmpty()) {
        return StorageResult::InvalidName;
    }
    if (!QDir().mkpath(folder + kProfileFolder)) {
        return StorageResult::WriteFailed;
    }
    {
        const GuardedSettings file(productConfigPath(), GuardedSettings::Mode::Read);
        if (file.settings().contains(kProfileListCountKey)) {
            return StorageResult::Ok;
        }
    }
    QStringList names;
    for (int slot = 0; slot < kProfileCount; ++slot) {
        names.append(defaultProfileName(slot));
    }
    return writeProfileList(names);
}

QStringList readProfileList()
{
    if (productConfigPath().isEmpty()) {
        return {};
    }
    return readNameList(kProfileListCountKey, kProfileListKey);
}

StorageResult writeProfileList(const QStringList& names)
{
    const QString path = productConfigPath();
    if (path.isEmpty()) {
        return StorageResult::InvalidName;
    }
    // Every entry names a library file, so one that would leave the folder refuses the list.
    if (!std::all_of(names.begin(), names.end(), isValidFileName)) {
        return StorageResult::InvalidName;
    }
    GuardedSettings file(path, GuardedSettings::Mode::Write);
    QSettings& settings = file.settings();
    const int oldCount = std::clamp(settings.value(kProfileListCountKey).toInt(), 0, kMaxProfileListEntries);
    settings.setValue(kProfileListCountKey, names.size());
    for (int i = 0; i < names.size(); ++i) {
        settings.setValue(kProfileListKey.arg(i + 1), names.at(i));
    }
    // A shorter list must not leave old names behind for a later, longer count to pick up.
    for (int i = static_cast<int>(names.size()) + 1; i <= oldCount; ++i) {
        settings.remove(kProfileListKey.arg(i));
    }
    return file.sync() ? StorageResult::Ok : StorageResult::WriteFailed;
}

QStringList readShortProfileList()
{
    if (productConfigPath().isEmpty()) {
        return {};
    }
    return readNameList(kShortListCountKey, kShortListKey);
}

int pendingUploadFlag()
{
    return readValue(configIniPath(), kPendingUploadKey).toInt();
}

StorageResult setPendingUploadFlag(int flag)
{
    return writeValue(configIniPath(), kPendingUploadKey, flag);
}

int batteryLevel()
{
    return readValue(configIniPath(), kBatteryKey).toInt();
}

StorageResult setBatteryLevel(int percent)
{
    return writeValue(configIniPath(), kBatteryKey, percent);
}

int batteryFullThreshold()
{
    return readValue(configIniPath(), kBatteryFullKey, kDefaultBatteryFull).toInt();
}

int batteryFirstWarningThreshold()
{
    return readPercent(kBatteryWarn1Key, kDefaultBatteryWarn1);
}

int batterySecondWarningThreshold()
{
    return readPercent(kBatteryWarn2Key, kDefaultBatteryWarn2);
}

QString currentProductName()
{
    return readValue(configIniPath(), kCurrentProductKey).toString();
}

StorageResult setCurrentProductName(const QString& name)
{
    if (!isValidFileName(name)) {
        return StorageResult::InvalidName;
    }
    return writeValue(configIniPath(), kCurrentProductKey, name);
}

QString modelText()
{
    return readValue(configIniPath(), kModelKey).toString();
}

int accentColorIndex()
{
    return readValue(configIniPath(), kAccentColorKey).toInt();
}

int sensorVariant()
{
    return readValue(configIniPath(), kSensorVariantKey).toInt();
}

int lightingVariant()
{
    const GuardedSettings file(configIniPath(), GuardedSettings::Mode::Read);
    const QString product = file.settings().value(kCurrentProductKey).toString();
    return file.settings().value(kLightingVariantKey.arg(product)).toInt();
}

QString mouseListEntry(int index)
{
    return readValue(configIniPath(), kMouseListKey.arg(index)).toString();
}

QString lastFileFolder()
{
    return readValue(configIniPath(), kLastFileFolderKey).toString();
}

StorageResult setLastFileFolder(const QString& folder)
{
    return writeValue(configIniPath(), kLastFileFolderKey, folder);
}
