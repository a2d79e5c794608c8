#pragma once

#include "device/monitor.h"
#include "device_sandbox.h"
#include "session/sending.h"
#include "storage/profile_record.h"

#include <QByteArray>
#include <QList>
#include <QVariant>

// A connected virtual mouse for upload and monitor tests, with a product description we control:
// six buttons at positions 0..5, six DPI stages, sync mode 2, sensor 3395.
class UploadSandbox final
{
public:
    UploadSandbox();
    UploadSandbox(const UploadSandbox&) = delete;
    UploadSandbox& operator=(const UploadSandbox&) = delete;

    bool isValid() const { return m_device.isValid(); }
    VirtualMouse& mouse() { return m_device.mouse(); }
    DeviceSandbox& device() { return m_device; }

    void setProductValue(const QString& key, const QVariant& value);
    void removeProductValue(const QString& key);
    // Stores the masked counts so that they unmask to these values.
    void setProductCounts(int buttons, int dpiStages);
    void setSensor(int sensorCode);

    // Every report written since the trace was last cleared, and byte 3 (the command) of each.
    QList<QByteArray> writes();
    QByteArray writtenCommands();
    void clearTrace() { mouse().trace().clear(); }

    // A factory configuration of the test product, as the window would hold it.
    static ConfigRecord configuration();

private:
    DeviceSandbox m_device;
};

// Counts what the upload asks of the monitor.
class RecordingMonitor final : public MonitorSwitch
{
public:
    void stopMonitor() override { ++stops; }
    void startMonitor() override { ++starts; }
    int stops = 0;
    int starts = 0;
};

struct ProcessOutcome
{
    quint8 result = 0;
    int dialogSignals = 0;
    ChangeFlags sent = 0;
};

// Runs one sending thread to its end.
ProcessOutcome runProcessThread(ConfigRecord& working, ConfigRecord& lastUploaded, MonitorSwitch* monitor = nullptr,
                                bool forceFull = false);
