// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "device/device_events.h"

#include <QStringList>
#include <functional>
#include <vector>

// Records what the device link asks of the window, and answers as the window would: its mouse
// list follows the presence flags; the current product is the only connected one, if any.
class RecordingDeviceEvents final : public DeviceEvents
{
public:
    explicit RecordingDeviceEvents(const QString& currentProduct, int connectedMice = 0);

    void refreshMouseList() override;
    int connectedMouseCount() const override { return m_connectedMice; }
    void setConnectedMouseCount(int count) override;
    QString currentProductName() const override { return m_currentProduct; }
    void stopMonitorThread() override { m_calls << QStringLiteral("stopMonitor"); }
    // Recorded as stopMonitor; the thread ends at once, or, while stops are held, when the test
    // releases them.
    void stopMonitorThreadThen(std::function<void()> stopped) override;
    void startMonitorThread() override { m_calls << QStringLiteral("startMonitor"); }
    void reloadConfiguration() override { m_calls << QStringLiteral("reload"); }
    void scheduleWarnClose(int delayMs) override;
    void scheduleWarning(int delayMs) override;
    void setDeviceOpen(bool open) override;
    void setWarningOpen(bool open) override;
    void updateConnectionDisplay() override { m_calls << QStringLiteral("display"); }

    QStringList calls() const { return m_calls; }
    void clear() { m_calls.clear(); }
    bool contains(const QString& call) const { return m_calls.contains(call); }
    // A monitor thread that takes its time to end.
    void holdMonitorStops(bool hold) { m_holdStops = hold; }
    // The held stops end now, oldest first.
    void releaseMonitorStops();

private:
    QString m_currentProduct;
    int m_connectedMice;
    QStringList m_calls;
    bool m_holdStops = false;
    std::vector<std::function<void()>> m_heldStops;
};
