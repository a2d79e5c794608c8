#include "session/sending.h"

#include "device/device_state.h"
#include "device/upload.h"
#include "log_categories.h"
#include "storage/app_config.h"
#include "storage/profile_files.h"

namespace {

void noteSave(SendOutcome& outcome, StorageResult result, const QString& path)
{
    if (result == StorageResult::Ok || outcome.saved != StorageResult::Ok)
        return;
    outcome.saved = result;
    outcome.unsavedPath = path;
    qCDebug(lcSession).noquote() << "could not save" << path;
}

void saveWorking(SendOutcome& outcome, const ConfigRecord& working)
{
    QString failedPath;
    const StorageResult saved = saveConfiguration(working, &failedPath);
    noteSave(outcome, saved, failedPath);
}

} // namespace

SendOutcome runSendingSequence(ConfigRecord& working, ConfigRecord& lastUploaded, bool forceFull,
                               MonitorSwitch* monitor)
{
    SendOutcome outcome;
    saveWorking(outcome, working);
    if (isMouseOff()) {
        // What the user asked for has still to reach the mouse, after a restart too.
        noteSave(outcome, setPendingUploadFlag(1), configIniPath());
        outcome.result = kUploadMouseOff;
        return outcome;
    }
    ChangeFlags flags = compareConfigurations(working, lastUploaded) | takeMacroChanges(working, lastUploaded);
    if (pendingUploadFlag() == 1 || forceFull) {
        flags = ChangeFlag::All;
    } else if (flags == ChangeFlag::None) {
        return outcome;
    }
    saveWorking(outcome, working);
    outcome.sentFlags = flags;
    // Set before the first report: an upload cut short, by a crash too, is sent whole next time.
    noteSave(outcome, setPendingUploadFlag(1), configIniPath());
    outcome.result = uploadConfiguration(working, flags, monitor);
    lastUploaded = working;
    if (outcome.result == 0)
        noteSave(outcome, setPendingUploadFlag(0), configIniPath());
    return outcome;
}

QString sendingMessage(const SendOutcome& outcome)
{
    if (outcome.result == 0)
        return QString();
    return QString::fromLatin1(outcome.result == kUploadMouseOff ? kMouseSleepingMessage : kSendFailedMessage);
}

TarqProcessThread::TarqProcessThread(ConfigRecord& working, ConfigRecord& lastUploaded, MonitorSwitch* monitor)
    : m_working(working)
    , m_lastUploaded(lastUploaded)
    , m_monitor(monitor)
{
    setObjectName(QStringLiteral("TarqProcessThread"));
}

TarqProcessThread::~TarqProcessThread()
{
    wait();
}

SendOutcome TarqProcessThread::outcome() const
{
    return m_outcome;
}

void TarqProcessThread::run()
{
    if (m_stop) {
        qCDebug(lcSession, "isStop.\n");
        return;
    }
    m_outcome = runSendingSequence(m_working, m_lastUploaded, m_forceFull, m_monitor);
    m_result = m_outcome.result;
    m_sentFlags = m_outcome.sentFlags;
    emit DoProcessDlg();
}
