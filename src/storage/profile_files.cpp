// SPDX-License-Identifier: GPL-3.0-or-later
#include "storage/profile_files.h"

#include "storage/app_config.h"
#include "storage/file_names.h"
#include "storage/profile_file_cache.h"
#include "storage/profile_keys.h"
#include "storage/profile_section.h"
#include "storage/settings_guard.h"

#include <QDir>
#include <QFileInfo>
#include <QMutex>
#include <QMutexLocker>
#include <QSaveFile>
#include <QSettings>
#include <QTemporaryDir>
#include <algorithm>
#include <functional>

namespace {

const QString kProfileIdKey = QStringLiteral("Config/ProfileID");
const QString kAngleValueKey = QStringLiteral("Config/AngleValue");
const QString kLiftHighKey = QStringLiteral("Config/LiftHigh");
const QString kSyncKey = QStringLiteral("Config/Sync");
const QString kJitterKey = QStringLiteral("Config/Jitter");
const QString kDebounceKey = QStringLiteral("Config/Debounce");
const QString kCountKey = QStringLiteral("Config/Count");
const QString kProfileNameKey = QStringLiteral("Config/Profile%1");
const QString kProductTagKey = QStringLiteral("MouseName/Name");

quint8 readByte(const QSettings& settings, const QString& key)
{
    return static_cast<quint8>(settings.value(key).toInt() & 0xFF);
}

// The index picks one of five records; anything else would index past them.
quint8 readProfileId(const QSettings& settings)
{
    // Checked before the 8-bit cut, so 257 is out of range rather than slot 1.
    const int id = settings.value(kProfileIdKey).toInt();
    return id >= 0 && id < kProfileCount ? static_cast<quint8>(id) : 0;
}

// A missing option takes its factory value: read as 0, key response 0 and angle snapping and
// jitter filtering on would reach the mouse although nobody chose them.
quint8 readOption(const QSettings& settings, const QString& key, quint8 factory)
{
    return settings.contains(key) ? readByte(settings, key) : factory;
}

void readOptions(const QSettings& settings, ConfigRecord& config)
{
    ConfigRecord factory;
    makeDefaultDeviceOptions(factory);
    config.ProfileID = readProfileId(settings);
    config.AngleValue = readOption(settings, kAngleValueKey, factory.AngleValue);
    config.LiftHigh = readOption(settings, kLiftHighKey, factory.LiftHigh);
    config.Sync = readOption(settings, kSyncKey, factory.Sync);
    config.Jitter = readOption(settings, kJitterKey, factory.Jitter);
    config.Debounce = readOption(settings, kDebounceKey, factory.Debounce);
    config.Count = readByte(settings, kCountKey);
}

// Every apply saves twice; a settings object with no changes leaves its file unwritten. Readers
// take these keys as text or as a number from the text, so equal text is an equal value.
void setIfDifferent(QSettings& settings, const QString& key, const QVariant& value)
{
    const QVariant stored = settings.value(key);
    if (!stored.isValid() || stored.toString() != value.toString()) {
        settings.setValue(key, value);
    }
}

void writeOptions(QSettings& settings, const ConfigRecord& config)
{
    setIfDifferent(settings, kProfileIdKey, config.ProfileID);
    setIfDifferent(settings, kAngleValueKey, config.AngleValue);
    setIfDifferent(settings, kSyncKey, config.Sync);
    setIfDifferent(settings, kLiftHighKey, config.LiftHigh);
    setIfDifferent(settings, kJitterKey, config.Jitter);
    setIfDifferent(settings, kDebounceKey, config.Debounce);
    setIfDifferent(settings, kCountKey, config.Count);
}

void writeProfileNames(QSettings& settings, const ConfigRecord& config)
{
    for (int i = 0; i < kProfileCount; ++i) {
        setIfDifferent(settings, kProfileNameKey.arg(i + 1), config.profileNames[static_cast<size_t>(i)]);
    }
}

StorageResult synced(GuardedSettings& file)
{
    return file.sync() ? StorageResult::Ok : StorageResult::WriteFailed;
}

StorageResult worse(StorageResult current, StorageResult next)
{
    return current == StorageResult::Ok ? next : current;
}

QMutex& buttonMatrixMutex()
{
    static QMutex mutex;
    return mutex;
}

ButtonTable& buttonMatrix()
{
    static ButtonTable matrix{};
    return matrix;
}

void loadApplicationButtonMatrix()
{
    ButtonTable matrix{};
    if (loadButtonMatrix(matrix) == 0) {
        const QMutexLocker locker(&buttonMatrixMutex());
        buttonMatrix() = matrix;
    }
}

// A profile file that is a symbolic link is never written through: its target may be anything
// the link's maker chose. The link becomes a regular file holding what the target held.
bool detachSymbolicLink(const QString& path)
{
    if (!QFileInfo(path).isSymLink()) {
        return true;
    }
    QByteArray content;
    QFile target(path);
    if (QFileInfo(path).isFile() && target.open(QIODevice::ReadOnly)) {
        content = target.readAll();
        target.close();
    }
    forgetProfileFile(path);
    if (!QFile::remove(path)) {
        return false;
    }
    QSaveFile copy(path);
    return copy.open(QIODevice::WriteOnly) && copy.write(content) == content.size() && copy.commit();
}

// The settings class writes only to a path of its own, so a file for the user is drafted
// privately (from a copy of base when there is one, keeping what the record does not hold) and
// then written beside the target in one piece: an old file at path is replaced whole, never read.
StorageResult writeDrafted(const QString& path, const QString& base, const std::function<void(QSettings&)>& fill)
{
    QTemporaryDir scratch;
    if (!scratch.isValid()) {
        return StorageResult::WriteFailed;
    }
    const QString draftPath = scratch.filePath(QStringLiteral("draft"));
    if (!base.isEmpty() && QFileInfo(base).isFile()) {
        QFile::copy(base, draftPath);
        QFile::setPermissions(draftPath, QFile::ReadOwner | QFile::WriteOwner);
    }
    {
        QSettings draft(draftPath, QSettings::IniFormat);
        fill(draft);
        draft.sync();
        if (draft.status() != QSettings::NoError) {
            return StorageResult::WriteFailed;
        }
    }
    QFile draftFile(draftPath);
    if (!draftFile.open(QIODevice::ReadOnly)) {
        return StorageResult::WriteFailed;
    }
    const QByteArray content = draftFile.readAll();
    forgetProfileFile(path);
    QSaveFile target(path);
    if (!target.open(QIODevice::WriteOnly) || target.write(content) != content.size() || !target.commit()) {
        return StorageResult::WriteFailed;
    }
    return StorageResult::Ok;
}

} // namespace

StorageResult readProfileFile(ProfileRecord& profile, const QString& path)
{
    const GuardedSettings file(path, GuardedSettings::Mode::Read);
    const bool exact = readProfileSection(file.settings(), profileFileKeys(), profile, LedExtras::Included);
    if (exact && !file.wasDamaged()) {
        rememberProfileFile(path, profile);
    } else {
        forgetProfileFile(path);
    }
    return file.wasDamaged() ? StorageResult::MalformedFile : StorageResult::Ok;
}

StorageResult writeProfileFile(const ProfileRecord& profile, const QString& path)
{
    if (profileFileHolds(path, profile)) {
        return StorageResult::Ok;
    }
    forgetProfileFile(path);
    const QString folder = QFileInfo(path).absolutePath();
    if (!QDir().mkpath(folder) || !detachSymbolicLink(path)) {
        return StorageResult::WriteFailed;
    }
    GuardedSettings file(path, GuardedSettings::Mode::Write);
    writeProfileSection(file.settings(), profileFileKeys(), profile, LedExtras::Included);
    const StorageResult result = synced(file);
    if (result == StorageResult::Ok) {
        rememberProfileFile(path, profile);
    }
    return result;
}

StorageResult readNamedProfile(ProfileRecord& profile, const QString& name)
{
    if (!isValidFileName(name)) {
        return StorageResult::InvalidName;
    }
    return readProfileFile(profile, profileFilePath(name));
}

StorageResult writeNamedProfile(const ProfileRecord& profile, const QString& name)
{
    if (!isValidFileName(name)) {
        return StorageResult::InvalidName;
    }
    return writeProfileFile(profile, profileFilePath(name));
}

StorageResult loadConfiguration(ConfigRecord& config)
{
    {
        const GuardedSettings file(configIniPath(), GuardedSettings::Mode::Read);
        const QSettings& settings = file.settings();
        readOptions(settings, config);
        for (int i = 0; i < kProfileCount; ++i) {
            config.profileNames[static_cast<size_t>(i)] = settings.value(kProfileNameKey.arg(i + 1)).toString();
        }
    }
    StorageResult result = StorageResult::Ok;
    for (int i = 0; i < kProfileCount; ++i) {
        ProfileRecord& profile = config.profiles[static_cast<size_t>(i)];
        const QString& name = config.profileNames[static_cast<size_t>(i)];
        if (isValidFileName(name)) {
            readProfileFile(profile, profileFilePath(name));
        } else {
            // Read as the missing file it would be, never from outside the profile folder.
            setMissingFileValues(profile);
            result = StorageResult::InvalidName;
        }
    }
    loadApplicationButtonMatrix();
    return result;
}

StorageResult saveConfiguration(const ConfigRecord& config, QString* failedPath)
{
    QString failed;
    StorageResult result = StorageResult::Ok;
    {
        GuardedSettings file(configIniPath(), GuardedSettings::Mode::Write);
        writeOptions(file.settings(), config);
        writeProfileNames(file.settings(), config);
        result = synced(file);
        if (result != StorageResult::Ok) {
            failed = configIniPath();
        }
    }
    for (int i = 0; i < kProfileCount; ++i) {
        const QString& name = config.profileNames[static_cast<size_t>(i)];
        const StorageResult written = writeNamedProfile(config.profiles[static_cast<size_t>(i)], name);
        if (written != StorageResult::Ok && failed.isEmpty()) {
            failed = written == StorageResult::InvalidName ? name : profileFilePath(name);
        }
        result = worse(result, written);
    }
    if (failedPath) {
        *failedPath = failed;
    }
    return result;
}

StorageResult saveProfileList(const ConfigRecord& config)
{
    GuardedSettings file(configIniPath(), GuardedSettings::Mode::Write);
    file.settings().setValue(kProfileIdKey, config.ProfileID);
    file.settings().setValue(kCountKey, config.Count);
    writeProfileNames(file.settings(), config);
    const StorageResult written = synced(file);
    // The names are kept for the user to correct, but one that cannot name a file is reported.
    const bool namesValid = std::all_of(config.profileNames.begin(), config.profileNames.end(), isValidFileName);
    return worse(written, namesValid ? StorageResult::Ok : StorageResult::InvalidName);
}

StorageResult saveActiveProfileIndex(int index)
{
    GuardedSettings file(configIniPath(), GuardedSettings::Mode::Write);
    file.settings().setValue(kProfileIdKey, index);
    return synced(file);
}

StorageResult saveProfileDpiStage(const QString& profileName, int stage)
{
    if (!isValidFileName(profileName)) {
        return StorageResult::InvalidName;
    }
    const QString path = profileFilePath(profileName);
    forgetProfileFile(path);
    if (!detachSymbolicLink(path)) {
        return StorageResult::WriteFailed;
    }
    GuardedSettings file(path, GuardedSettings::Mode::Write);
    file.settings().setValue(profileFileKeys().dpi, stage);
    return synced(file);
}

StorageResult writeDefaultProfileFile()
{
    ProfileRecord profile;
    makeDefaultProfile(profile);
    const QString path = defaultProfileFilePath();
    // Reading the file back costs a fraction of writing it, and at most starts it holds the
    // defaults already; a read that matches them leaves the file alone.
    const QFileInfo info(path);
    if (!profileFileHolds(path, profile) && info.isFile() && !info.isSymLink()) {
        ProfileRecord stored;
        readProfileFile(stored, path);
    }
    return writeProfileFile(profile, path);
}

StorageResult exportConfiguration(const ConfigRecord& config, const QString& path)
{
    forgetProfileFile(path);
    GuardedSettings file(path, GuardedSettings::Mode::Write);
    QSettings& settings = file.settings();
    writeOptions(settings, config);
    for (int i = 0; i < kProfileCount; ++i) {
        writeProfileSection(settings, exportedProfileKeys(i), config.profiles[static_cast<size_t>(i)],
                            LedExtras::Excluded);
    }
    return synced(file);
}

StorageResult writeConfigurationFile(const ConfigRecord& config, const QString& productName, const QString& path)
{
    return writeDrafted(path, QString(), [&](QSettings& draft) {
        draft.setValue(kProductTagKey, productName);
        writeOptions(draft, config);
        for (int i = 0; i < kProfileCount; ++i) {
            writeProfileSection(draft, exportedProfileKeys(i), config.profiles[static_cast<size_t>(i)],
                                LedExtras::Excluded);
        }
    });
}

StorageResult writeExportedProfileFile(const ProfileRecord& profile, const QString& productName,
                                       const QString& libraryPath, const QString& path)
{
    return writeDrafted(path, libraryPath, [&](QSettings& draft) {
        writeProfileSection(draft, profileFileKeys(), profile, LedExtras::Included);
        draft.setValue(kProductTagKey, productName);
    });
}

StorageResult importConfiguration(ConfigRecord& config, const QString& path)
{
    // Reading a missing file would replace the whole configuration with zeros.
    if (!QFileInfo(path).isFile()) {
        return StorageResult::FileNotFound;
    }
    const GuardedSettings file(path, GuardedSettings::Mode::Read);
    if (file.wasDamaged()) {
        return StorageResult::MalformedFile;
    }
    const QSettings& settings = file.settings();
    readOptions(settings, config);
    for (int i = 0; i < kProfileCount; ++i) {
        const QString name = settings.value(kProfileNameKey.arg(i + 1)).toString();
        if (isValidFileName(name)) {
            config.profileNames[static_cast<size_t>(i)] = name;
        }
        readProfileSection(settings, exportedProfileKeys(i), config.profiles[static_cast<size_t>(i)],
                           LedExtras::Excluded);
    }
    return StorageResult::Ok;
}

StorageResult writeProductTag(const QString& productName, const QString& path)
{
    forgetProfileFile(path);
    if (!detachSymbolicLink(path)) {
        return StorageResult::WriteFailed;
    }
    GuardedSettings file(path, GuardedSettings::Mode::Write);
    file.settings().setValue(kProductTagKey, productName);
    return synced(file);
}

QString readProductTag(const QString& path)
{
    const GuardedSettings file(path, GuardedSettings::Mode::Read);
    return file.settings().value(kProductTagKey).toString();
}

ButtonTable applicationButtonMatrix()
{
    const QMutexLocker locker(&buttonMatrixMutex());
    return buttonMatrix();
}
