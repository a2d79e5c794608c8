// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>
#include <QStringList>
#include <QVector>
#include <QtGlobal>

// One macro per INI file under the configuration directory's "/MacroDB/", and the library's
// list of names in Config.ini ("MACRO_LIST/0" .. "MACRO_LIST/49", an empty entry is free).

constexpr int kMacroListSize = 50;
constexpr const char* kTooManyMacrosMessage = "TOO MANY MACROS TO BE CREATE!";
constexpr const char* kMacroFileFilter = "Macro File(*.MSMACRO)";

// Event kind bytes; bit 7 is the press flag.
namespace MacroKind {
constexpr quint8 PressFlag = 0x80;
constexpr quint8 KeyPress = 0x84;
constexpr quint8 KeyRelease = 0x04;
constexpr quint8 ButtonPress = 0x81;
constexpr quint8 ButtonRelease = 0x01;
constexpr quint8 Move = 0x02;
constexpr quint8 Delay = 0x06;
} // namespace MacroKind

struct MacroEvent
{
    quint8 kind = 0;
    quint8 dataL = 0;
    quint8 dataH = 0;

    bool operator==(const MacroEvent& other) const
    {
        return kind == other.kind && dataL == other.dataL && dataH == other.dataH;
    }
};

struct MacroFile
{
    QString macroFilePath;
    int defaultDelay = 0;
    int delayType = 0;
    int loopType = 0;
    int loopTime = 0;
    QVector<MacroEvent> events;
};

enum class MacroResult {
    Ok = 0,
    InvalidName,   // a name that would leave the macro folder (isValidFileName)
    TooManyMacros, // the list is full: show kTooManyMacrosMessage
    NotInList,
    NameTaken,
    FileError,
    NotAMacroFile, // an import whose file holds no macro
    Missing,       // the macro has no file yet
    FileKept,      // a delete whose file could not be removed: the macro stays listed
};

// The message a refused or failed operation shows, a source text of the message box's catalogue;
// empty for Ok.
const char* macroResultMessage(MacroResult result);

QString macroDirectory();
QString macroFilePath(const QString& name);

// Writes every key of the macro (keys beyond the new count stay, readers ignore them) and
// sets "Setting/WriteSign" to 1 so the next upload resends the macro.
MacroResult saveMacro(const QString& name, const MacroFile& macro);

// A missing or unreadable file loads as an empty macro.
MacroFile loadMacro(const QString& name);
// The same for a file anywhere, such as one about to be imported.
MacroFile loadMacroFile(const QString& path);

// Delay count of a recorded pause: whole units of the product's minimum delay, at least one.
int macroDelayCount(int milliseconds, int minimumDelay);

// The 50 list entries of Config.ini in order, empty ones included.
QStringList macroListEntries();
int countMacros();
MacroResult addMacroToList(const QString& name);
MacroResult removeMacroFromList(const QString& name);
MacroResult renameMacroInList(const QString& oldName, const QString& newName);

// "name_N" with the smallest N >= 1 for which no macro file exists.
QString newMacroName();

// The editor's "NEW": refuses a full library, else saves an empty macro under a new name and
// lists it. *createdName receives the name on success.
MacroResult createMacro(QString* createdName = nullptr);

// Renames the file (when it exists) and the list entry; refuses a name already in use.
MacroResult renameMacro(const QString& oldName, const QString& newName);

// Removes the list entry, then the file; a list that cannot be written keeps both, and a file that
// cannot be removed keeps its entry (FileKept).
MacroResult deleteMacro(const QString& name);

// Copies a macro file into the macro folder under its own base name and lists it. A name already
// listed or on disk is refused (NameTaken), as are names that are no file names and files that
// hold no macro; nothing is left behind by a refusal or a failure.
MacroResult importMacroFile(const QString& sourcePath, QString* importedName = nullptr);

// Copies the macro's file to targetPath, replacing what is there. The copy is written whole or not
// at all, so a full disk leaves an older file at targetPath as it was.
MacroResult exportMacroFile(const QString& name, const QString& targetPath);
