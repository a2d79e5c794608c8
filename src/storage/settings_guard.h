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

    QSettings& settings() { return *m_settings; }
    const QSettings& settings() const { return *m_settings; }

    // The file held unsafe values that were left out.
    bool wasDamaged() const { return m_damaged; }

    // Sets a value and remembers the one it replaces. A sync that fails puts those back: the
    // settings class would otherwise keep the write that never reached the file, show it to every
    // reader in this process and write it with the next successful sync of the same file.
    void setValue(const QString& key, const QVariant& value);

    // Writes pending changes out; false when the file could not be written.
    bool sync();

private:
    std::unique_ptr<QTemporaryFile> m_cleanCopy;
    std::unique_ptr<QSettings> m_settings;
    struct Replaced
    {
        QString key;
        QVariant value; // invalid when the key was not there
    };
    std::vector<Replaced> m_replaced;
    bool m_damaged = false;
    bool m_failed = false;
};
