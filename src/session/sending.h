// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "storage/profile_record.h"
#include "storage/storage_result.h"

#include <QString>
#include <QThread>
#include <atomic>

class MonitorSwitch;

// The apply sequence shared by the window's sending thread and the command line: save the working
// configuration, test for a mouse that is off, compare with what the mouse was last given, send
// what changed (everything after a failure or when forced), remember what was sent.

// The two messages the window shows after a send that did not succeed.
constexpr const char* kMouseSleepingMessage = "Mouse is sleeping or not connected.";
constexpr const char* kSendFailedMessage = "Send data failed, please try again.";

struct SendOutcome
{
    // 0 success, kUploadMouseOff, any other value a transport result.
    quint8 result = 0;
    // The sections sent (ChangeFlag bits); None when there was nothing to send.
    ChangeFlags sentFlags = ChangeFlag::None;
    // A save of the configuration or of the pending-upload flag that failed; the send itself
    // still ran, so the mouse has what the user asked for, but the files do not.
    StorageResult saved = StorageResult::Ok;
    QString unsavedPath;
};

// Runs the sequence on the calling thread. monitor may be nullptr (the command line runs none).
SendOutcome runSendingSequence(ConfigRecord& working, ConfigRecord& lastUploaded, bool forceFull,
                               MonitorSwitch* monitor = nullptr);

// The window's message for an outcome: empty on success, else one of the two above.
QString sendingMessage(const SendOutcome& outcome);

// One apply behind the modal progress dialog: runs the sequence and emits DoProcessDlg.
class TarqProcessThread final : public QThread
{
    Q_OBJECT
    Q_DISABLE_COPY(TarqProcessThread)

public:
    TarqProcessThread(ConfigRecord& working, ConfigRecord& lastUploaded, MonitorSwitch* monitor = nullptr);
    ~TarqProcessThread() override;

    void setStop(bool stop) { m_stop = stop; }
    void setForceFull(bool forceFull) { m_forceFull = forceFull; }
    bool isForceFull() const { return m_forceFull; }
    // 0 success, kUploadMouseOff, any other value a transport failure.
    quint8 result() const { return m_result; }
    // The sections the last run sent (ChangeFlag bits); 0 when there was nothing to send.
    ChangeFlags sentFlags() const { return m_sentFlags; }
    // Read after DoProcessDlg (or wait()): what the run could not save.
    SendOutcome outcome() const;

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
    // Written by run() before DoProcessDlg, read by the GUI thread after it.
    SendOutcome m_outcome;
};
