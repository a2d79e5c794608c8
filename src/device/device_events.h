// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>
#include <functional>

// What the hot-plug handler of the device link needs from the main window. The window implements
// it; tests record the calls.
class DeviceEvents
{
public:
    virtual ~DeviceEvents() = default;

    // Rebuilds the mouse list from the presence flags; also stores the current product.
    virtual void refreshMouseList() = 0;
    // Mice in the window's list (as of its last refresh).
    virtual int connectedMouseCount() const = 0;
    // The link recounted the mice after a removal, without rebuilding the list.
    virtual void setConnectedMouseCount(int count) = 0;
    // "Config/CurrentProductName".
    virtual QString currentProductName() const = 0;
    virtual void stopMonitorThread() = 0;
    // Asks the monitor thread to stop without waiting on the GUI thread for its read to time out;
    // stopped runs on the GUI thread once it has ended (at once when none runs).
    virtual void stopMonitorThreadThen(std::function<void()> stopped) = 0;
    virtual void startMonitorThread() = 0;
    // Loads the working configuration from the configuration files and refreshes all pages.
    virtual void reloadConfiguration() = 0;
    // Runs the window's mouse-arrival handling (open and reload everything) after delayMs.
    virtual void scheduleWarnClose(int delayMs) = 0;
    // Shows the disconnect warning after delayMs.
    virtual void scheduleWarning(int delayMs) = 0;
    virtual void setDeviceOpen(bool open) = 0;
    virtual void setWarningOpen(bool open) = 0;
    // Redraws receiver/cable connection state from the presence flags.
    virtual void updateConnectionDisplay() = 0;
};
