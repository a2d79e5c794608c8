// SPDX-License-Identifier: GPL-3.0-or-later
#include "session/macro_references.h"

#include "buttons/function_catalogue.h"
#include "storage/app_config.h"
#include "storage/profile_files.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QSet>
#include <functional>

namespace {

const QString kProfileFilePattern = QStringLiteral("*.prof");

QString translated(const char* source)
{
    return QCoreApplication::translate("TarqMessageBox", source);
}

// Applies change to every entry of profile that plays the macro; returns how many it changed.
int changeUsers(ProfileRecord& profile, const QString& name, const std::function<void(int, ButtonEntry&)>& change)
{
    int changed = 0;
    for (int b = 0; b < kButtonSlotCount; ++b) {
        ButtonEntry& entry = profile.buttons[size_t(b)];
        if (usesMacro(entry, name)) {
            change(b, entry);
            ++changed;
        }
    }
    return changed;
}

std::function<void(int, ButtonEntry&)> renaming(const QString& newName)
{
    return [newName](int, ButtonEntry& entry) { entry.macroname = newName; };
}

// The product's factory entry for the button; the entry keeps its ID, which names the button.
std::function<void(int, ButtonEntry&)> resetting()
{
    ProfileRecord defaults;
    makeDefaultProfile(defaults);
    return [defaults](int button, ButtonEntry& entry) {
        const qint32 id = entry.ID;
        entry = defaults.buttons[size_t(button)];
        entry.ID = id;
    };
}

StorageResult changeProfileFiles(const QString& name, const std::function<void(int, ButtonEntry&)>& change,
                                 QString* failedPath)
{
    StorageResult result = StorageResult::Ok;
    for (const QString& path : profileFilesOnDisk()) {
        ProfileRecord profile;
        // A damaged file would be written back without what it lost: it is left as it is.
        if (readProfileFile(profile, path) != StorageResult::Ok || changeUsers(profile, name, change) == 0)
            continue;
        const StorageResult written = writeProfileFile(profile, path);
        if (written != StorageResult::Ok && result == StorageResult::Ok) {
            result = written;
            if (failedPath)
                *failedPath = path;
        }
    }
    return result;
}

QStringList profileFilesIn(const QString& folder)
{
    QStringList paths;
    if (folder.isEmpty())
        return paths;
    const QDir dir(folder);
    for (const QString& file : dir.entryList({ kProfileFilePattern }, QDir::Files, QDir::Name))
        paths << QFileInfo(dir.filePath(file)).absoluteFilePath();
    return paths;
}

} // namespace

bool usesMacro(const ButtonEntry& entry, const QString& name)
{
    return (entry.Fun == FunctionCode::Macro || entry.Fun == FunctionCode::GunFile) && entry.macroname == name &&
           !name.isEmpty();
}

QVector<MacroUser> macroUsers(const QString& name, const ConfigRecord* working)
{
    QVector<MacroUser> users;
    QSet<QString> slotFiles;
    if (working) {
        for (int slot = 0; slot < kProfileCount; ++slot) {
            const QString& profileName = working->profileNames[size_t(slot)];
            slotFiles.insert(QFileInfo(profileFilePath(profileName)).absoluteFilePath());
            const ProfileRecord& profile = working->profiles[size_t(slot)];
            for (int b = 0; b < kButtonSlotCount; ++b) {
                if (usesMacro(profile.buttons[size_t(b)], name))
                    users.append({ profileName, b });
            }
        }
    }
    for (const QString& path : profileFilesOnDisk()) {
        ProfileRecord profile;
        if (slotFiles.contains(path) || readProfileFile(profile, path) != StorageResult::Ok)
            continue;
        for (int b = 0; b < kButtonSlotCount; ++b) {
            if (usesMacro(profile.buttons[size_t(b)], name))
                users.append({ QFileInfo(path).completeBaseName(), b });
        }
    }
    return users;
}

int renameMacroReferences(ConfigRecord& config, const QString& oldName, const QString& newName)
{
    int changed = 0;
    for (ProfileRecord& profile : config.profiles)
        changed += changeUsers(profile, oldName, renaming(newName));
    return changed;
}

int resetMacroReferences(ConfigRecord& config, const QString& name)
{
    const auto reset = resetting();
    int changed = 0;
    for (ProfileRecord& profile : config.profiles)
        changed += changeUsers(profile, name, reset);
    return changed;
}

QStringList profileFilesOnDisk()
{
    QStringList paths = profileFilesIn(profileDirectory());
    // The library is what its list names; a file it does not list is reachable from nowhere.
    for (const QString& name : readProfileList()) {
        const QString path = libraryProfileFilePath(name);
        if (!path.isEmpty() && QFileInfo(path).isFile()) {
            const QString absolute = QFileInfo(path).absoluteFilePath();
            if (!paths.contains(absolute))
                paths << absolute;
        }
    }
    return paths;
}

StorageResult renameMacroInProfileFiles(const QString& oldName, const QString& newName, QString* failedPath)
{
    return changeProfileFiles(oldName, renaming(newName), failedPath);
}

StorageResult resetMacroInProfileFiles(const QString& name, QString* failedPath)
{
    return changeProfileFiles(name, resetting(), failedPath);
}

QString deleteMacroQuestion(const QString& name, const QVector<MacroUser>& users)
{
    QStringList lines{ translated(QT_TRANSLATE_NOOP("TarqMessageBox", "Delete the macro \"%1\"?")).arg(name) };
    for (const MacroUser& user : users)
        lines << translated(QT_TRANSLATE_NOOP("TarqMessageBox", "Button %1 of %2 uses it."))
                     .arg(user.button + 1)
                     .arg(user.profileName);
    return lines.join(QLatin1Char('\n'));
}

QString referencesNotWrittenText(const QString& path)
{
    return translated(QT_TRANSLATE_NOOP("TarqMessageBox",
                                        "%1 could not be written: its buttons still name the macro as before."))
        .arg(QDir::toNativeSeparators(path));
}
