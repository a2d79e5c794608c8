// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "storage/profile_record.h"
#include "storage/storage_result.h"

#include <QString>
#include <QStringList>
#include <QVector>

// A macro's name is how buttons find it: a button entry whose function plays a macro or a gun
// file names it in `macroname`. Renaming or deleting a macro therefore carries over to every entry
// that names it, in the window's working record and in the profile files on disk (the slots' and
// the profile library's), so no button is left naming a file that is gone. The last-uploaded record
// is never touched: the changed entries are what makes the next send resend buttons and macros.

struct MacroUser
{
    QString profileName; // the slot's profile name, or the file's base name for a profile in no slot
    int button = 0;      // entry index
};

bool usesMacro(const ButtonEntry& entry, const QString& name);

// The buttons that play the macro: those of working's five slots (when given), then those of the
// profile files on disk that are no slot's file.
QVector<MacroUser> macroUsers(const QString& name, const ConfigRecord* working);

// Each returns how many entries it changed.
int renameMacroReferences(ConfigRecord& config, const QString& oldName, const QString& newName);
// The entries go back to the product's default function for their button.
int resetMacroReferences(ConfigRecord& config, const QString& name);

// The profile files under the profile directory and the product's library folder.
QStringList profileFilesOnDisk();
// Files that cannot be read whole are left alone. *failedPath names the first file that could not
// be written; the others are still done.
StorageResult renameMacroInProfileFiles(const QString& oldName, const QString& newName, QString* failedPath = nullptr);
StorageResult resetMacroInProfileFiles(const QString& name, QString* failedPath = nullptr);

// "Delete the macro "NAME"?" and one sentence per button that uses it, in the current language
// (translation context "TarqMessageBox").
QString deleteMacroQuestion(const QString& name, const QVector<MacroUser>& users);
// Shown when a profile file kept the old reference (context "TarqMessageBox").
QString referencesNotWrittenText(const QString& path);
