#include "app/gui_thread_monitor.h"

#include <QMetaObject>
#include <QObject>
#include <QThread>

GuiThreadMonitor::GuiThreadMonitor(MonitorSwitch& monitor, QObject* owner)
    : m_monitor(monitor)
    , m_owner(owner)
{
}

void GuiThreadMonitor::stopMonitor()
{
    runOnOwnerThread(&MonitorSwitch::stopMonitor);
}

void GuiThreadMonitor::startMonitor()
{
    runOnOwnerThread(&MonitorSwitch::startMonitor);
}

void GuiThreadMonitor::runOnOwnerThread(void (MonitorSwitch::*call)())
{
    if (QThread::currentThread() == m_owner->thread()) {
        (m_monitor.*call)();
        return;
    }
    QMetaObject::invokeMethod(
        m_owner, [this, call] { (m_monitor.*call)(); }, Qt::BlockingQueuedConnection);
}
