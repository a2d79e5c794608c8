// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QThread>
#include <QtGlobal>
#include <atomic>
#include <condition_variable>
#include <functional>
#include <memory>
#include <mutex>
#include <vector>

// The thread that watches the mouse between uploads: a battery query about every 25 seconds
// and, between queries, the status reports the mouse sends when its own buttons change the
// profile, DPI stage, report rate or lighting.

// Pauses of one monitor pass, in milliseconds. Tests shorten them; reads keep their timeouts.
struct MonitorTimings
{
    int afterQueryWrite = 10;
    int afterQueryRead = 450;
    int afterReport = 400;
    int afterFailedRead = 450;
};

// Listening passes per cycle: a new battery query follows when the counter reaches this.
constexpr int kMonitorCycleLength = 57;
constexpr int kMonitorReadTimeoutMs = 50;

class TarqGetBatteryThread final : public QThread
{
    Q_OBJECT
    Q_DISABLE_COPY(TarqGetBatteryThread)

public:
    explicit TarqGetBatteryThread(const MonitorTimings& timings = {});
    ~TarqGetBatteryThread() override;

    // Asks the loop to end at its next pass; pauses end at once.
    void requestStop();

signals:
    void RefreshBatteryStatus(quint8 iCharge, quint8 iLowByte, quint8 iHiByte);
    void RefreshStatus(quint8 iProfile, quint8 iDPI, quint8 iRate, quint8 iMode);
    void RefreshWriteStatus(quint8 iStatus);

protected:
    void run() override;

private:
    void handleBatteryReport(const quint8* report);
    // Sleeps, but wakes at once when a stop is requested.
    void pause(int milliseconds);

    const MonitorTimings m_timings;
    std::atomic_bool m_stop{ false };
    std::mutex m_pauseMutex;
    std::condition_variable m_pauseWake;
};

// What the upload needs of the monitor: it must not read the command interface meanwhile.
class MonitorSwitch
{
public:
    virtual ~MonitorSwitch() = default;
    virtual void stopMonitor() = 0;
    virtual void startMonitor() = 0;
};

// Keeps at most one monitor thread: start replaces a running one, stop waits until the thread
// has left its loop and releases it. A thread that was only asked to stop still counts: start
// and stop wait for it too, so two threads never read at the same time.
class BatteryMonitor final : public MonitorSwitch
{
public:
    // Called with every new thread before it starts, to connect its signals.
    using Connector = std::function<void(TarqGetBatteryThread&)>;

    explicit BatteryMonitor(Connector connector = {}, const MonitorTimings& timings = {});
    ~BatteryMonitor() override;
    BatteryMonitor(const BatteryMonitor&) = delete;
    BatteryMonitor& operator=(const BatteryMonitor&) = delete;

    void startMonitor() override;
    void stopMonitor() override;
    // Asks the thread to stop and returns at once, where stopMonitor would wait for its read to
    // time out; stopped runs on context's thread once the thread has ended, or at once when none
    // runs. context must not outlive the monitor.
    void stopMonitorThen(QObject* context, std::function<void()> stopped);
    bool hasThread() const { return m_thread != nullptr; }

private:
    // Waits for a thread that was asked to stop (it has ended, or is about to) and deletes it.
    void release(const TarqGetBatteryThread* thread);

    Connector m_connector;
    MonitorTimings m_timings;
    std::unique_ptr<TarqGetBatteryThread> m_thread;
    std::vector<std::unique_ptr<TarqGetBatteryThread>> m_stopping;
};
