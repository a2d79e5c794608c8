// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "storage/profile_record.h"

#include <QString>
#include <QStringList>

// The window's profile commands over the product's profile library: choose, add, copy, rename,
// delete, reset, export and import one profile. Each returns what happened and the message to
// show; the window asks, shows and refreshes. A refused or failed command leaves the library
// list, the slot names and the files as they were.
//
// Every profile file lives in the profile folder (profileFilePath), where the slots are read from
// and saved to: a library copy elsewhere would go stale as soon as a slot is saved. The list of
// names is "PROFILE_LIST" of the product configuration.

// The profile menu shows at most this many names; Add, Copy and Import refuse beyond it.
constexpr int kProfileLibraryCapacity = 200;

// Texts shown through TarqMessageBox (translation context "TarqMessageBox").
constexpr const char* kProfileUsedMessage = "Profile is Already Used!";
constexpr const char* kProfileExistsMessage = "Profile Exist!";
constexpr const char* kKeepOneProfileMessage = "AT LEAST ONE PROFILE TO BE RETAINED.";
constexpr const char* kDefaultProfileLockedMessage = "The default Profile cannot be deleted or renamed.";
constexpr const char* kDeleteProfileQuestion = "Are you sure you want delete this profile?";
constexpr const char* kResetProfileQuestion = "Are you sure you want reset this profile?";
constexpr const char* kResetAllProfilesQuestion = "Are you sure you want reset all profiles?";
constexpr const char* kProfileOtherProductMessage = "The file is not match current mouse!";
constexpr const char* kLibraryFullMessage = "The profile library already holds 200 profiles. Delete one first.";
constexpr const char* kNoReplacementMessage =
    "This profile cannot be deleted: every other profile is shown in another slot.";
constexpr const char* kInvalidProfileNameMessage =
    "A profile name must not be empty or contain / \\ : or control characters.";
// %1: the file that could not be written, copied, renamed or removed.
constexpr const char* kProfileFileFailedMessage = "The profile file %1 could not be changed. Nothing was changed.";
// %1: the file the user chose.
constexpr const char* kProfileUnreadableMessage = "The profile file %1 cannot be read.";
constexpr const char* kProfileExportFailedMessage = "The profile could not be saved to %1.";

enum class ProfileCommandStatus {
    Done,
    Refused, // a rule said no; the message says which
    Failed,  // a file operation failed; everything is as it was
};

struct ProfileCommandResult
{
    ProfileCommandStatus status = ProfileCommandStatus::Done;
    const char* message = nullptr; // source text, nullptr when there is nothing to say
    QString argument;              // fills %1 of the message
    // The name field shows the current slot's name again (a refused rename of a default profile);
    // otherwise a refused rename keeps what the user typed.
    bool restoreNameField = false;
    // What the gate in repaired or replaced in the profile the command loaded, one line each.
    QStringList notices;

    bool ok() const { return status == ProfileCommandStatus::Done; }
    // The message in the current language with its argument; empty when there is none.
    QString text() const;
};

class ProfileLibrary final
{
public:
    // Works on the current slot (working.ProfileID) of working, which the caller keeps alive.
    // Reads the list (reload).
    explicit ProfileLibrary(ConfigRecord& working);

    // ReadProfileList: the names of the product configuration's "PROFILE_LIST".
    void reload();
    const QStringList& names() const { return m_names; }
    int currentSlot() const;
    QString currentName() const;

    // "Profile 1" .. "Profile 5" cannot be deleted or renamed.
    static bool isDefaultName(const QString& name);

    // A menu entry: refused when another slot shows name; else the current slot shows it, read
    // from its file, and Config.ini's slot assignment says so at once. Nothing is sent.
    ProfileCommandResult choose(const QString& name);
    // A new profile "Profile N" (the first N without a file) from the default profile file, shown
    // in the current slot and written to the slot assignment.
    ProfileCommandResult add();
    // A copy of the current slot's file as "NAME copy", "NAME copy 2", ...; the current slot shows
    // the copy's name and keeps its record (whose ProfileName becomes the copy's); the slot
    // assignment is written.
    ProfileCommandResult copy();
    // Renames the current slot's profile (list, slot name, record name, file) and writes the list
    // and the slot assignment.
    ProfileCommandResult rename(const QString& newName);
    // Whether the current slot's profile may be deleted; asked before the confirmation.
    ProfileCommandResult checkRemove() const;
    // Deletes the current slot's profile; the slot shows the replacement, read from its file. Writes
    // the list and the slot assignment, so Config.ini never names the deleted file.
    ProfileCommandResult remove();
    // Tags the current slot's file with productName and copies it to path, replacing a file there
    // (the save dialog asked already).
    ProfileCommandResult exportProfile(const QString& path, const QString& productName);
    // Adds the file at path to the library under its base name and shows it in the current slot.
    // Refused for another product's file, a taken or invalid name, a full library.
    ProfileCommandResult importProfile(const QString& path, const QString& productName);
    // The current slot's record back to the product defaults; the name is kept. speed is the
    // desktop's pointer speed, which the reset profile keeps: nobody chose the factory one.
    void resetCurrent(int pointerSpeed);
    // Every slot back to the factory defaults and names (Reset all), keeping the desktop's speed.
    void resetAll(int pointerSpeed);
    // Cancel: the current slot's record read back from its file, dropping unsent edits. Returns what
    // the gate in repaired.
    QStringList reloadCurrent();
    // Unsent edits dropped: every slot read back from its file (the files hold what the last send
    // saved, or a profile chosen since) and the device-wide options back to uploaded's. The
    // slots' pointer speeds stay: they are the desktop's, not edits. Returns what the gate repaired.
    QStringList discardEdits(const ConfigRecord& uploaded);

private:
    ProfileRecord& currentRecord();
    // Reads name's file through the gate into the current slot; the result carries the report.
    ProfileCommandResult showInCurrentSlot(const QString& name);
    bool isShownInOtherSlot(const QString& name) const;
    bool isTaken(const QString& name) const;

    ConfigRecord& m_working;
    QStringList m_names;
};
