// SPDX-License-Identifier: GPL-3.0-or-later
#include "session/profile_commands.h"

#include "log_categories.h"
#include "session/configuration_files.h"
#include "session/profile_loading.h"
#include "storage/app_config.h"
#include "storage/file_names.h"
#include "storage/profile_file_cache.h"
#include "storage/profile_files.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>

namespace {

const QString kDefaultProfileBaseName = QStringLiteral("DefaultProfile");
const QString kCopySuffix = QStringLiteral(" copy");
const QLatin1String kPlaceholder("%1");

ProfileCommandResult done()
{
    return {};
}

ProfileCommandResult refused(const char* message, const QString& argument = QString())
{
    ProfileCommandResult result;
    result.status = ProfileCommandStatus::Refused;
    result.message = message;
    result.argument = argument;
    qCDebug(lcSession).noquote() << "profile command refused:" << message << argument;
    return result;
}

ProfileCommandResult failed(const char* message, const QString& path)
{
    ProfileCommandResult result;
    result.status = ProfileCommandStatus::Failed;
    result.message = message;
    result.argument = path;
    qCDebug(lcSession).noquote() << "profile command failed:" << message << path;
    return result;
}

ProfileCommandResult fileFailed(const QString& path)
{
    return failed(kProfileFileFailedMessage, path);
}

// Exists as anything at all, a dangling link included: the name cannot be given to a new file.
bool pathIsTaken(const QString& path)
{
    const QFileInfo info(path);
    return info.exists() || info.isSymLink();
}

// A copy keeps the permissions of its source; a profile the user saves later must stay writable.
void makeOwnerWritable(const QString& path)
{
    QFile::setPermissions(path, QFile::permissions(path) | QFileDevice::ReadOwner | QFileDevice::WriteOwner);
}

// Copies source to target, which must not exist yet.
bool copyNewFile(const QString& source, const QString& target)
{
    forgetProfileFile(target);
    if (!QFile::copy(source, target)) {
        return false;
    }
    makeOwnerWritable(target);
    return true;
}

void removeNewFile(const QString& path)
{
    QFile::remove(path);
    forgetProfileFile(path);
}

// A write that fails leaves its values pending in the settings class's per-process cache of the
// file, where every later read in this process would find them (and a later write would store
// them). Writing what the file held before puts the cached values back in step with the file.
bool listWritten(const QStringList& names, const QStringList& previous)
{
    if (writeProfileList(names) == StorageResult::Ok) {
        return true;
    }
    writeProfileList(previous);
    return false;
}

// Writes the slot assignment with the current slot showing name; on failure the slot shows
// previous again, in config and in the cache. saveProfileList also reports InvalidName when a
// slot holds a name that cannot name a file; the names were written all the same.
bool slotNamesWritten(ConfigRecord& config, QString& slotName, const QString& name, const QString& previous)
{
    slotName = name;
    if (saveProfileList(config) != StorageResult::WriteFailed) {
        return true;
    }
    slotName = previous;
    saveProfileList(config);
    return false;
}

// The file a failed list write names: the product configuration, or Config.ini when the product
// it names cannot name a folder.
QString productListPath()
{
    const QString path = productConfigPath();
    return path.isEmpty() ? configIniPath() : path;
}

bool ensureProfileDirectory()
{
    return QDir().mkpath(profileDirectory());
}

} // namespace

QString ProfileCommandResult::text() const
{
    if (!message) {
        return QString();
    }
    const QString translated = QCoreApplication::translate("TarqMessageBox", message);
    return translated.contains(kPlaceholder) ? translated.arg(argument) : translated;
}

ProfileLibrary::ProfileLibrary(ConfigRecord& working)
    : m_working(working)
{
    reload();
}

void ProfileLibrary::reload()
{
    m_names = readProfileList();
}

int ProfileLibrary::currentSlot() const
{
    const int slot = m_working.ProfileID;
    return slot >= 0 && slot < kProfileCount ? slot : 0;
}

QString ProfileLibrary::currentName() const
{
    return m_working.profileNames[static_cast<size_t>(currentSlot())];
}

bool ProfileLibrary::isDefaultName(const QString& name)
{
    for (int slot = 0; slot < kProfileCount; ++slot) {
        if (name == defaultProfileName(slot)) {
            return true;
        }
    }
    return false;
}

ProfileRecord& ProfileLibrary::currentRecord()
{
    return m_working.profiles[static_cast<size_t>(currentSlot())];
}

bool ProfileLibrary::isShownInOtherSlot(const QString& name) const
{
    const int current = currentSlot();
    for (int slot = 0; slot < kProfileCount; ++slot) {
        if (slot != current && m_working.profileNames[static_cast<size_t>(slot)] == name) {
            return true;
        }
    }
    return false;
}

// A name is free only when neither a file nor a list entry has it; "DefaultProfile" is the
// template's and never a profile's.
bool ProfileLibrary::isTaken(const QString& name) const
{
    return name == kDefaultProfileBaseName || m_names.contains(name) || pathIsTaken(profileFilePath(name));
}

ProfileCommandResult ProfileLibrary::choose(const QString& name)
{
    if (isShownInOtherSlot(name)) {
        return refused(kProfileUsedMessage);
    }
    if (!isValidFileName(name)) {
        return refused(kInvalidProfileNameMessage, name);
    }
    return showInCurrentSlot(name);
}

ProfileCommandResult ProfileLibrary::showInCurrentSlot(const QString& name)
{
    ProfileRecord record;
    ProfileCommandResult result;
    result.notices = loadProfileThroughGate(record, profileFilePath(name), currentRecordLimits());
    record.ProfileName = name;
    QString& slotName = m_working.profileNames[static_cast<size_t>(currentSlot())];
    if (!slotNamesWritten(m_working, slotName, name, QString(slotName))) {
        return fileFailed(configIniPath());
    }
    currentRecord() = record;
    return result;
}

ProfileCommandResult ProfileLibrary::add()
{
    if (m_names.size() >= kProfileLibraryCapacity) {
        return refused(kLibraryFullMessage);
    }
    QString name;
    for (int n = 1;; ++n) {
        name = defaultProfileName(n - 1);
        if (!isTaken(name)) {
            break;
        }
    }
    const QString path = profileFilePath(name);
    if (!ensureProfileDirectory()) {
        return fileFailed(profileDirectory());
    }
    const QString templatePath = defaultProfileFilePath();
    if (QFileInfo(templatePath).isFile()) {
        if (!copyNewFile(templatePath, path)) {
            removeNewFile(path);
            return fileFailed(path);
        }
    } else {
        ProfileRecord fresh;
        makeDefaultProfile(fresh);
        if (writeProfileFile(fresh, path) != StorageResult::Ok) {
            removeNewFile(path);
            return fileFailed(path);
        }
    }
    QStringList names = m_names;
    names.append(name);
    if (!listWritten(names, m_names)) {
        removeNewFile(path);
        return fileFailed(productListPath());
    }
    m_names = names;
    return showInCurrentSlot(name);
}

ProfileCommandResult ProfileLibrary::copy()
{
    if (m_names.size() >= kProfileLibraryCapacity) {
        return refused(kLibraryFullMessage);
    }
    const QString base = currentName();
    if (!isValidFileName(base)) {
        return refused(kInvalidProfileNameMessage, base);
    }
    QString name = base + kCopySuffix;
    for (int n = 2; isTaken(name); ++n) {
        name = base + kCopySuffix + QLatin1Char(' ') + QString::number(n);
    }
    const QString source = profileFilePath(base);
    const QString target = profileFilePath(name);
    if (!ensureProfileDirectory()) {
        return fileFailed(profileDirectory());
    }
    if (QFileInfo(source).isFile()) {
        if (!copyNewFile(source, target)) {
            removeNewFile(target);
            return fileFailed(target);
        }
    } else {
        // The slot was never saved: the copy holds what the slot shows, as a save would have.
        if (writeProfileFile(currentRecord(), target) != StorageResult::Ok) {
            removeNewFile(target);
            return fileFailed(target);
        }
    }
    QStringList names = m_names;
    names.append(name);
    if (!listWritten(names, m_names)) {
        removeNewFile(target);
        return fileFailed(productListPath());
    }
    m_names = names;
    QString& slotName = m_working.profileNames[static_cast<size_t>(currentSlot())];
    if (!slotNamesWritten(m_working, slotName, name, QString(slotName))) {
        return fileFailed(configIniPath());
    }
    currentRecord().ProfileName = name;
    return done();
}

ProfileCommandResult ProfileLibrary::rename(const QString& newName)
{
    const QString oldName = currentName();
    if (isDefaultName(oldName)) {
        ProfileCommandResult result = refused(kDefaultProfileLockedMessage);
        result.restoreNameField = true;
        return result;
    }
    if (newName == oldName) {
        return done();
    }
    if (!isValidFileName(newName)) {
        return refused(kInvalidProfileNameMessage, newName);
    }
    if (isTaken(newName)) {
        return refused(kProfileExistsMessage);
    }
    if (isShownInOtherSlot(newName)) {
        return refused(kProfileUsedMessage);
    }

    // The new file is written first and the old one removed last, so a crash at any step leaves
    // every name that the list or a slot holds with its file.
    const QString oldPath = profileFilePath(oldName);
    const QString newPath = profileFilePath(newName);
    const bool hasFile = isValidFileName(oldName) && QFileInfo(oldPath).isFile();
    if (hasFile && !copyNewFile(oldPath, newPath)) {
        removeNewFile(newPath);
        return fileFailed(newPath);
    }
    auto dropCopy = [&]() {
        if (hasFile) {
            removeNewFile(newPath);
        }
    };

    QStringList names = m_names;
    const int position = static_cast<int>(names.indexOf(oldName));
    if (position >= 0) {
        names[position] = newName;
    } else {
        names.append(newName);
    }
    if (!listWritten(names, m_names)) {
        dropCopy();
        return fileFailed(productListPath());
    }

    QString& slotName = m_working.profileNames[static_cast<size_t>(currentSlot())];
    if (!slotNamesWritten(m_working, slotName, newName, oldName)) {
        writeProfileList(m_names);
        dropCopy();
        return fileFailed(configIniPath());
    }
    m_names = names;
    currentRecord().ProfileName = newName;
    if (hasFile) {
        // A file that stays behind is harmless: no list entry or slot names it any more.
        QFile::remove(oldPath);
        forgetProfileFile(oldPath);
    }
    return done();
}

namespace {

// The entry after the deleted one, or the one before it when it is the
// last; stepping back over names other slots show, never onto the deleted name itself. -1 when
// stepping back passes the first entry.
int replacementPosition(const QStringList& names, const QString& name, const ConfigRecord& config, int currentSlot)
{
    const int count = static_cast<int>(names.size());
    const int position = static_cast<int>(names.indexOf(name));
    int candidate = position < 0 ? count - 1 : (position == count - 1 ? count - 2 : position + 1);
    auto unusable = [&](int index) {
        const QString& entry = names.at(index);
        if (index == position || entry == name || !isValidFileName(entry)) {
            return true;
        }
        for (int slot = 0; slot < kProfileCount; ++slot) {
            if (slot != currentSlot && config.profileNames[static_cast<size_t>(slot)] == entry) {
                return true;
            }
        }
        return false;
    };
    while (candidate >= 0 && unusable(candidate)) {
        --candidate;
    }
    return candidate;
}

} // namespace

ProfileCommandResult ProfileLibrary::checkRemove() const
{
    if (m_names.size() <= 1) {
        return refused(kKeepOneProfileMessage);
    }
    const QString name = currentName();
    if (isDefaultName(name)) {
        return refused(kDefaultProfileLockedMessage);
    }
    if (replacementPosition(m_names, name, m_working, currentSlot()) < 0) {
        return refused(kNoReplacementMessage);
    }
    return done();
}

ProfileCommandResult ProfileLibrary::remove()
{
    const ProfileCommandResult allowed = checkRemove();
    if (!allowed.ok()) {
        return allowed;
    }
    const QString name = currentName();
    const QString replacement = m_names.at(replacementPosition(m_names, name, m_working, currentSlot()));

    QStringList names = m_names;
    names.removeAll(name);
    if (!listWritten(names, m_names)) {
        return fileFailed(productListPath());
    }

    // The slot assignment is written too, so Config.ini never names the file deleted below.
    QString& slotName = m_working.profileNames[static_cast<size_t>(currentSlot())];
    if (!slotNamesWritten(m_working, slotName, replacement, name)) {
        writeProfileList(m_names);
        return fileFailed(configIniPath());
    }

    const QString path = isValidFileName(name) ? profileFilePath(name) : QString();
    if (!path.isEmpty() && pathIsTaken(path)) {
        if (!QFile::remove(path)) {
            slotName = name;
            saveProfileList(m_working);
            writeProfileList(m_names);
            return fileFailed(path);
        }
        forgetProfileFile(path);
    }

    m_names = names;
    return showInCurrentSlot(replacement);
}

ProfileCommandResult ProfileLibrary::exportProfile(const QString& path, const QString& productName)
{
    if (!checkExportTarget(path).ok()) {
        return refused(kProfileExportFailedMessage, path);
    }
    const QString name = currentName();
    if (!isValidFileName(name)) {
        return refused(kInvalidProfileNameMessage, name);
    }
    const QString source = profileFilePath(name);
    // A slot never saved has no file yet; it gets the one a save would write. The tag makes the
    // library's own file importable elsewhere too.
    if (!QFileInfo(source).isFile() && writeProfileFile(currentRecord(), source) != StorageResult::Ok) {
        return fileFailed(source);
    }
    if (readProductTag(source) != productName && writeProductTag(productName, source) != StorageResult::Ok) {
        return fileFailed(source);
    }
    // What the window shows, unsent edits included, not what the last send saved.
    if (writeExportedProfileFile(currentRecord(), productName, source, path) != StorageResult::Ok) {
        return failed(kProfileExportFailedMessage, path);
    }
    return done();
}

ProfileCommandResult ProfileLibrary::importProfile(const QString& path, const QString& productName)
{
    if (m_names.size() >= kProfileLibraryCapacity) {
        return refused(kLibraryFullMessage);
    }
    // A FIFO or device is never opened: reading one could block for ever.
    if (path.isEmpty() || !QFileInfo(path).isFile()) {
        return refused(kProfileUnreadableMessage, path);
    }
    {
        QFile probe(path);
        if (!probe.open(QIODevice::ReadOnly)) {
            return refused(kProfileUnreadableMessage, path);
        }
    }
    const QString name = QFileInfo(path).completeBaseName();
    if (!isValidFileName(name)) {
        return refused(kInvalidProfileNameMessage, name);
    }
    if (readProductTag(path) != productName) {
        return refused(kProfileOtherProductMessage);
    }
    qCDebug(lcSession).noquote() << "importing profile" << name;
    if (isTaken(name)) {
        return refused(kProfileExistsMessage);
    }
    if (isShownInOtherSlot(name)) {
        return refused(kProfileUsedMessage);
    }

    const QString target = profileFilePath(name);
    if (!ensureProfileDirectory()) {
        return fileFailed(profileDirectory());
    }
    if (!copyNewFile(path, target)) {
        removeNewFile(target);
        return fileFailed(target);
    }
    // A damaged file is refused rather than replaced by defaults: the user chose this one.
    if (inspectProfileFile(target) != ProfileFileState::Sound) {
        removeNewFile(target);
        return refused(kProfileUnreadableMessage, path);
    }
    QStringList names = m_names;
    names.append(name);
    if (!listWritten(names, m_names)) {
        removeNewFile(target);
        return fileFailed(productListPath());
    }
    m_names = names;
    return showInCurrentSlot(name);
}

void ProfileLibrary::resetCurrent(int pointerSpeed)
{
    ProfileRecord& record = currentRecord();
    const QString name = record.ProfileName;
    makeDefaultProfile(record);
    record.ProfileName = name;
    record.mousespeed = static_cast<quint8>(pointerSpeed);
}

void ProfileLibrary::resetAll(int pointerSpeed)
{
    makeDefaultConfiguration(m_working);
    for (ProfileRecord& profile : m_working.profiles) {
        profile.mousespeed = static_cast<quint8>(pointerSpeed);
    }
}

QStringList ProfileLibrary::discardEdits(const ConfigRecord& uploaded)
{
    m_working.AngleValue = uploaded.AngleValue;
    m_working.LiftHigh = uploaded.LiftHigh;
    m_working.Sync = uploaded.Sync;
    m_working.Jitter = uploaded.Jitter;
    m_working.Debounce = uploaded.Debounce;
    QStringList notices;
    for (int slot = 0; slot < kProfileCount; ++slot) {
        const QString& name = m_working.profileNames[static_cast<size_t>(slot)];
        if (!isValidFileName(name)) {
            continue;
        }
        ProfileRecord& record = m_working.profiles[static_cast<size_t>(slot)];
        const quint8 speed = record.mousespeed;
        notices << loadProfileThroughGate(record, profileFilePath(name), currentRecordLimits());
        record.mousespeed = speed;
    }
    return notices;
}

QStringList ProfileLibrary::reloadCurrent()
{
    const QString name = currentName();
    if (!isValidFileName(name)) {
        return {};
    }
    ProfileRecord& record = currentRecord();
    return loadProfileThroughGate(record, profileFilePath(name), currentRecordLimits());
}
