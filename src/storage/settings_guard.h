// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QByteArray>
#include <QString>
#include <QVariant>
#include <memory>
#include <vector>

class QSettings;
class QTemporaryFile;

// The settings class deserialises "@Variant(...)" values with no limits: a crafted value can
// abort the process, and a cut colour loads as a valid one. Every file is therefore checked
// before the settings class sees it; the only serialised value we accept is a whole colour.

// No settings file of ours comes near this size (a profile file is about 250 kB); a larger one
// is damaged or hostile, and parsing it would cost seconds and hundreds of megabytes.
constexpr qint64 kMaxSettingsFileBytes = 4 * 1024 * 1024;
// True when the file exists and is larger than that.
bool isOversizedSettingsFile(const QString& path);

// Returns content without the lines that hold a serialised value other than a well-formed
// colour; *damaged tells whether any line was dropped.
QByteArray withoutUnsafeValues(const QByteArray& content, bool* damaged = nullptr);

// True when the file exists and holds a value withoutUnsafeValues() would drop.
bool hasUnsafeValues(const QString& path);

// How many settings files have been opened through the guard since the process started, so that
// a caller can prove a path it keeps cheap (painting, hovering) opens none.
quint64 guardedSettingsOpenCount();

// A settings object over a checked file, for the length of one operation. Reading a damaged
// file reads a cleaned copy and leaves the file alone; writing repairs the file first, so what
// is written back is well formed.
class GuardedSettings final
{
public:
    enum class Mode {
        Read,
        Write,
    };

    GuardedSettings(const QString& path, Mode mode);
    ~GuardedSettings();
    GuardedSettings(const GuardedSettings&) = delete;
    GuardedSettings& operator=(const GuardedSettings&) = delete;

    QSettings& settings();
    const QSettings& settings() const;

    // The file held unsafe values that were left out, or was too large to be read at all.
    bool wasDamaged() const;

    // Sets a value and remembers the one it replaces. A sync that fails puts those back: the
    // settings class would otherwise keep the write that never reached the file, show it to every
    // reader in this process and write it with the next successful sync of the same file.
    void setValue(const QString& key, const QVariant& value);

    // Writes pending changes out; false when the file could not be written.
    bool sync();

    struct CheckedFile;

private:
    std::shared_ptr<CheckedFile> m_file;
    struct Replaced
    {
        QString key;
        QVariant value; // invalid when the key was not there
    };
    std::vector<Replaced> m_replaced;
};

// One operation on this thread (a start-up, a load) that reads the same files many times: while
// a scope lives, reading a file again shares the checked copy of the first read instead of
// reading, checking and parsing it anew. Writing the file through the guard, or the file changing
// on disk (its size, time or identity), ends the sharing for that file. Scopes nest; the
// outermost one decides. Reads on other threads are not shared.
class SettingsReadScope final
{
public:
    SettingsReadScope();
    ~SettingsReadScope();
    SettingsReadScope(const SettingsReadScope&) = delete;
    SettingsReadScope& operator=(const SettingsReadScope&) = delete;
};
