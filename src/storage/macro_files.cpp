// SPDX-License-Identifier: GPL-3.0-or-later
#include "storage/macro_files.h"

#include "storage/app_config.h"
#include "storage/file_names.h"
#include "storage/paths.h"
#include "storage/settings_guard.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>
#include <QSettings>
#include <algorithm>

namespace {

const QString kMacroFolder = QStringLiteral("/MacroDB/");
const QString kMacroSuffix = QStringLiteral(".MSMACRO");
const QString kNewMacroPattern = QStringLiteral("name_%1");

const QString kMacroFilePathKey = QStringLiteral("Setting/MacroFilePath");
const QString kDefaultDelayKey = QStringLiteral("Setting/DefaultDelay");
const QString kDelayTypeKey = QStringLiteral("Setting/DelayType");
const QString kLoopTypeKey = QStringLiteral("Setting/LoopType");
const QString kLoopTimeKey = QStringLiteral("Setting/LoopTime");
const QString kCountKey = QStringLiteral("Setting/Count");
const QString kWriteSignKey = QStringLiteral("Setting/WriteSign");
const QString kMapKey = QStringLiteral("Setting/Map_%1");
const QString kDataHKey = QStringLiteral("Setting/DataH_%1");
const QString kDataLKey = QStringLiteral("Setting/DataL_%1");

// A damaged count must not make a reader walk millions of keys.
constexpr int kMaxReadableEvents = 4096;

quint8 readByte(const QSettings& settings, const QString& key)
{
    return static_cast<quint8>(settings.value(key).toInt() & 0xFF);
}

} // namespace

QString macroDirectory()
{
    return configDir() + kMacroFolder;
}

QString macroFilePath(const QString& name)
{
    return macroDirectory() + name + kMacroSuffix;
}

MacroResult saveMacro(const QString& name, const MacroFile& macro)
{
    if (!isValidFileName(name)) {
        return MacroResult::InvalidName;
    }
    if (!QDir().mkpath(macroDirectory())) {
        return MacroResult::FileError;
    }
    GuardedSettings file(macroFilePath(name), GuardedSettings::Mode::Write);
    GuardedSettings& settings = file;
    settings.setValue(kMacroFilePathKey, macroFilePath(name));
    settings.setValue(kDefaultDelayKey, macro.defaultDelay);
    settings.setValue(kDelayTypeKey, macro.delayType);
    settings.setValue(kLoopTypeKey, macro.loopType);
    settings.setValue(kLoopTimeKey, macro.loopTime);
    settings.setValue(kCountKey, macro.events.size());
    for (int j = 0; j < macro.events.size(); ++j) {
        const MacroEvent& event = macro.events.at(j);
        settings.setValue(kMapKey.arg(j), event.kind);
        settings.setValue(kDataHKey.arg(j), event.dataH);
        settings.setValue(kDataLKey.arg(j), event.dataL);
    }
    settings.setValue(kWriteSignKey, 1);
    return file.sync() ? MacroResult::Ok : MacroResult::FileError;
}

MacroFile loadMacro(const QString& name)
{
    if (!isValidFileName(name)) {
        return MacroFile();
    }
    return loadMacroFile(macroFilePath(name));
}

MacroFile loadMacroFile(const QString& path)
{
    MacroFile macro;
    if (!QFile::exists(path)) {
        return macro;
    }
    const GuardedSettings file(path, GuardedSettings::Mode::Read);
    const QSettings& settings = file.settings();
    macro.macroFilePath = settings.value(kMacroFilePathKey).toString();
    macro.defaultDelay = settings.value(kDefaultDelayKey).toInt();
    macro.delayType = settings.value(kDelayTypeKey).toInt();
    macro.loopType = settings.value(kLoopTypeKey).toInt();
    macro.loopTime = settings.value(kLoopTimeKey).toInt();
    const int count = std::clamp(settings.value(kCountKey).toInt(), 0, kMaxReadableEvents);
    macro.events.reserve(count);
    for (int j = 0; j < count; ++j) {
        macro.events.append({ readByte(settings, kMapKey.arg(j)), readByte(settings, kDataLKey.arg(j)),
                              readByte(settings, kDataHKey.arg(j)) });
    }
    return macro;
}

int macroDelayCount(int milliseconds, int minimumDelay)
{
    if (minimumDelay <= 0) {
        return std::max(1, milliseconds);
    }
    return std::max(1, milliseconds / minimumDelay);
}

namespace {

const QString kMacroListKey = QStringLiteral("MACRO_LIST/%1");

int indexInList(const QStringList& entries, const QString& name)
{
    return name.isEmpty() ? -1 : static_cast<int>(entries.indexOf(name));
}

bool writeListEntry(int index, const QString& name)
{
    GuardedSettings file(configIniPath(), GuardedSettings::Mode::Write);
    file.setValue(kMacroListKey.arg(index), name);
    return file.sync();
}

} // namespace

QStringList macroListEntries()
{
    const GuardedSettings file(configIniPath(), GuardedSettings::Mode::Read);
    const QSettings& settings = file.settings();
    QStringList entries;
    entries.reserve(kMacroListSize);
    for (int i = 0; i < kMacroListSize; ++i) {
        entries.append(settings.value(kMacroListKey.arg(i)).toString());
    }
    return entries;
}

int countMacros()
{
    const QStringList entries = macroListEntries();
    return static_cast<int>(
        std::count_if(entries.cbegin(), entries.cend(), [](const QString& e) { return !e.isEmpty(); }));
}

MacroResult addMacroToList(const QString& name)
{
    if (!isValidFileName(name)) {
        return MacroResult::InvalidName;
    }
    const QStringList entries = macroListEntries();
    if (entries.contains(name)) {
        return MacroResult::NameTaken;
    }
    const int freeIndex = static_cast<int>(entries.indexOf(QString()));
    if (freeIndex < 0) {
        return MacroResult::TooManyMacros;
    }
    return writeListEntry(freeIndex, name) ? MacroResult::Ok : MacroResult::FileError;
}

MacroResult removeMacroFromList(const QString& name)
{
    const int index = indexInList(macroListEntries(), name);
    if (index < 0) {
        return MacroResult::NotInList;
    }
    return writeListEntry(index, QString()) ? MacroResult::Ok : MacroResult::FileError;
}

MacroResult renameMacroInList(const QString& oldName, const QString& newName)
{
    if (!isValidFileName(newName)) {
        return MacroResult::InvalidName;
    }
    const QStringList entries = macroListEntries();
    const int index = indexInList(entries, oldName);
    if (index < 0) {
        return MacroResult::NotInList;
    }
    if (newName != oldName && entries.contains(newName)) {
        return MacroResult::NameTaken;
    }
    return writeListEntry(index, newName) ? MacroResult::Ok : MacroResult::FileError;
}

QString newMacroName()
{
    for (int n = 1;; ++n) {
        const QString candidate = kNewMacroPattern.arg(n);
        if (!QFile::exists(macroFilePath(candidate))) {
            return candidate;
        }
    }
}

MacroResult createMacro(QString* createdName)
{
    if (countMacros() > kMacroListSize - 1) {
        return MacroResult::TooManyMacros;
    }
    const QString name = newMacroName();
    const MacroResult saved = saveMacro(name, MacroFile());
    if (saved != MacroResult::Ok) {
        return saved;
    }
    // A listed name whose file had gone is whole again now; a new entry would only repeat it.
    const MacroResult listed = addMacroToList(name);
    if (listed != MacroResult::Ok && listed != MacroResult::NameTaken) {
        QFile::remove(macroFilePath(name));
        return listed;
    }
    if (createdName) {
        *createdName = name;
    }
    return MacroResult::Ok;
}

MacroResult renameMacro(const QString& oldName, const QString& newName)
{
    if (!isValidFileName(newName)) {
        return MacroResult::InvalidName;
    }
    if (newName == oldName) {
        return MacroResult::Ok;
    }
    const QStringList entries = macroListEntries();
    if (indexInList(entries, oldName) < 0) {
        return MacroResult::NotInList;
    }
    if (QFile::exists(macroFilePath(newName)) || entries.contains(newName)) {
        return MacroResult::NameTaken;
    }
    const bool hasFile = isValidFileName(oldName) && QFile::exists(macroFilePath(oldName));
    if (hasFile && !QFile::rename(macroFilePath(oldName), macroFilePath(newName))) {
        return MacroResult::FileError;
    }
    const MacroResult listed = renameMacroInList(oldName, newName);
    if (listed != MacroResult::Ok && hasFile) {
        // The list still names the old file: give it its name back.
        QFile::rename(macroFilePath(newName), macroFilePath(oldName));
    }
    return listed;
}

MacroResult deleteMacro(const QString& name)
{
    const int index = indexInList(macroListEntries(), name);
    const MacroResult removed = removeMacroFromList(name);
    if (removed == MacroResult::FileError) {
        return removed;
    }
    if (!isValidFileName(name)) {
        return removed;
    }
    const QString path = macroFilePath(name);
    QFile::remove(path);
    if (QFileInfo::exists(path) || QFileInfo(path).isSymLink()) {
        // An immutable file or a read-only folder: the macro stays, and so does its entry.
        if (index >= 0) {
            writeListEntry(index, name);
        }
        return MacroResult::FileKept;
    }
    return removed;
}

const char* macroResultMessage(MacroResult result)
{
    switch (result) {
        case MacroResult::Ok:
            return "";
        case MacroResult::InvalidName:
            return QT_TRANSLATE_NOOP("TarqMessageBox", "This name cannot be used for a file: leave out / \\ : and "
                                                       "control characters.");
        case MacroResult::TooManyMacros:
            return kTooManyMacrosMessage;
        case MacroResult::NotInList:
            return QT_TRANSLATE_NOOP("TarqMessageBox", "This macro is no longer in the library.");
        case MacroResult::NameTaken:
            return QT_TRANSLATE_NOOP("TarqMessageBox", "Macro Exist!");
        case MacroResult::FileError:
            return QT_TRANSLATE_NOOP("TarqMessageBox", "The macro file could not be written. Check that the disk has "
                                                       "room and that the folder may be written to.");
        case MacroResult::NotAMacroFile:
            return QT_TRANSLATE_NOOP("TarqMessageBox", "This file holds no macro.");
        case MacroResult::Missing:
            return QT_TRANSLATE_NOOP("TarqMessageBox", "This macro has not been saved yet.");
        case MacroResult::FileKept:
            return QT_TRANSLATE_NOOP("TarqMessageBox", "The macro file could not be removed, so the macro stays in "
                                                       "the library. Check that the folder may be written to.");
    }
    return "";
}

MacroResult importMacroFile(const QString& sourcePath, QString* importedName)
{
    const QString name = QFileInfo(sourcePath).completeBaseName();
    if (!isValidFileName(name)) {
        return MacroResult::InvalidName;
    }
    if (macroListEntries().contains(name) || QFile::exists(macroFilePath(name))) {
        return MacroResult::NameTaken;
    }
    {
        const GuardedSettings source(sourcePath, GuardedSettings::Mode::Read);
        if (source.settings().status() != QSettings::NoError || !source.settings().contains(kCountKey)) {
            return MacroResult::NotAMacroFile;
        }
    }
    if (countMacros() >= kMacroListSize) {
        return MacroResult::TooManyMacros;
    }
    if (!QDir().mkpath(macroDirectory()) || !QFile::copy(sourcePath, macroFilePath(name))) {
        QFile::remove(macroFilePath(name));
        return MacroResult::FileError;
    }
    const MacroResult listed = addMacroToList(name);
    if (listed != MacroResult::Ok) {
        QFile::remove(macroFilePath(name));
        return listed;
    }
    if (importedName) {
        *importedName = name;
    }
    return MacroResult::Ok;
}

MacroResult exportMacroFile(const QString& name, const QString& targetPath)
{
    if (!isValidFileName(name)) {
        return MacroResult::InvalidName;
    }
    QFile source(macroFilePath(name));
    if (!source.exists()) {
        return MacroResult::Missing;
    }
    if (!source.open(QIODevice::ReadOnly)) {
        return MacroResult::FileError;
    }
    const QByteArray content = source.readAll();
    // Unbuffered: a short write must show here, not vanish in a flush the commit does not check.
    QSaveFile target(targetPath);
    if (!target.open(QIODevice::WriteOnly | QIODevice::Unbuffered) || target.write(content) != content.size()) {
        target.cancelWriting();
        return MacroResult::FileError;
    }
    return target.commit() ? MacroResult::Ok : MacroResult::FileError;
}
