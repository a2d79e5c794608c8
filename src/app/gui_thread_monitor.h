#pragma once

#include "device/monitor.h"

class QObject;

// Lets the sending thread stop and restart the window's battery thread: the calls are carried
// out on the thread that owns the window, which also keeps the monitor's thread objects there.
// The owner must keep its event loop running while a send waits on it.
class GuiThreadMonitor final : public MonitorSwitch
{
public:
    GuiThreadMonitor(MonitorSwitch& monitor, QObject* owner);

    void stopMonitor() override;
    void startMonitor() override;

private:
    void runOnOwnerThread(void (MonitorSwitch::*call)());

    MonitorSwitch& m_monitor;
    QObject* m_owner;
};
