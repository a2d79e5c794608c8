// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QObject>
#include <QString>
#include <QTimer>

class DeviceEvents;

// Interface kinds a hot-plug name is recognised as.
enum class InterfaceKind { Unknown = 0, Pointer = 1, Command = 4 };

struct HotplugName
{
    InterfaceKind kind = InterfaceKind::Unknown;
    int vendorId = 0;
    int productId = 0;
};

// Reads "HID#VID_xxxx&PID_xxxx[&MI_00]&col01|col04" (any case) out of a hot-plug name.
HotplugName parseHotplugName(const QString& name);

// Follows interface arrivals and removals for the window (events): presence flags, reopening, the
// pending-upload flag and the window's reactions. A device whose interfaces changed is closed
// and opened again after a pause; the pause runs on a timer, so the GUI thread goes on painting
// and answering through a plug-in. A change during the pause starts it afresh: the device is
// opened once, after the last change, and not at all once the mouse is gone. GUI thread.
class InterfaceChangeHandler final : public QObject
{
    Q_OBJECT
    Q_DISABLE_COPY(InterfaceChangeHandler)

public:
    static constexpr int kReopenDelayMs = 500;

    // events must outlive the handler.
    explicit InterfaceChangeHandler(DeviceEvents& events, QObject* parent = nullptr);

    // One interface arrived (arrived) or left.
    void onInterfaceChanged(const QString& name, bool arrived);
    // The device is being closed, or is closed and waits for its pause to end.
    bool isReopenPending() const { return m_closing || m_reopenTimer.isActive(); }

signals:
    // The pause ended: the device is open again and the monitor thread started.
    void reopened();

private:
    void reopenAfterPause();
    void finishReopen();
    void cancelReopen();
    void restartMonitor();

    DeviceEvents& m_events;
    QTimer m_reopenTimer;
    // The monitor is stopping; the device is closed and the pause starts once it has.
    bool m_closing = false;
    // Moves on with every reopening begun or called off, so that what an earlier one left to
    // the monitor's stopping does nothing.
    quint64 m_generation = 0;
};
