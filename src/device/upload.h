#pragma once

#include "device/section_encoding.h"
#include "storage/profile_record.h"

#include <QThread>
#include <QtGlobal>
#include <atomic>

class MonitorSwitch;

// Sending a configuration to the mouse: only the sections that changed, bracketed by the
// begin and end commands, with the battery thread stopped so nothing else reads the echoes.

// The sending thread's result besides the transport results: the mouse is off, nothing was sent.
constexpr quint8 kUploadMouseOff = 5;

// What the sections are encoded from: a copy of the last record given to uploadConfiguration.
// Used by the sending thread only (and, between uploads, by whoever needs the sent values).
ConfigRecord& deviceImage();

// The product and host facts of the current installation, read from the stored files.
EncodingContext currentEncodingContext();

// Each writer sends one section of the device image and returns a transport result. The upload
// reads the context once for all sections; a lone write reads it from the files.
quint8 writeGeneralSection(const EncodingContext& context = currentEncodingContext());
quint8 writeDpiSection(int profileIndex, const EncodingContext& context = currentEncodingContext());
quint8 writeButtonSection(const EncodingContext& context = currentEncodingContext());
quint8 writeLightingSection();
quint8 writeMacroSection();

// Sends the sections named by flags (ChangeFlag bits) of record, then the macros. Stops the monitor
// first; starts it again afterwards when a command handle is open. Returns the first non-zero
// transport result, or 0. monitor may be nullptr (the command line runs none).
quint8 uploadConfiguration(const ConfigRecord& record, ChangeFlags flags, MonitorSwitch* monitor = nullptr);

// One apply: saves the working configuration, sends what changed since the last upload (or
// everything after a failure or when forced), remembers what was sent and emits DoProcessDlg.
class TarqProcessThread final : public QThread
{
    Q_OBJECT
    Q_DISABLE_COPY(TarqProcessThread)

public:
    TarqProcessThread(ConfigRecord& working, ConfigRecord& lastUploaded, MonitorSwitch* monitor = nullptr);
    ~TarqProcessThread() override;

    void setStop(bool stop) { m_stop = stop; }
    void setForceFull(bool forceFull) { m_forceFull = forceFull; }
    // 0 success, kUploadMouseOff, any other value a transport failure.
    quint8 result() const { return m_result; }
    // The sections the last run sent (ChangeFlag bits); 0 when there was nothing to send.
    ChangeFlags sentFlags() const { return m_sentFlags; }

signals:
    void DoProcessDlg();

protected:
    void run() override;

private:
    ConfigRecord& m_working;
    ConfigRecord& m_lastUploaded;
    MonitorSwitch* m_monitor;
    std::atomic_bool m_stop{ false };
    std::atomic_bool m_forceFull{ false };
    std::atomic<quint8> m_result{ 0 };
    std::atomic<ChangeFlags> m_sentFlags{ ChangeFlag::None };
};
