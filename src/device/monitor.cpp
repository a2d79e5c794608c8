// SPDX-License-Identifier: GPL-3.0-or-later
#include "device/monitor.h"

#include "device/battery.h"
#include "device/commands.h"
#include "device/device_state.h"
#include "device/hid_backend.h"
#include "log_categories.h"

#include <algorithm>
#include <array>
#include <chrono>

namespace {

constexpr int kQueryPassCounter = 2;

using Report = std::array<quint8, kCommandReportSize>;

bool isKind(const Report& report, quint8 code)
{
    return report[3] == code;
}

} // namespace

TarqGetBatteryThread::TarqGetBatteryThread(const MonitorTimings& timings)
    : m_timings(timings)
{
    setObjectName(QStringLiteral("TarqGetBatteryThread"));
}

TarqGetBatteryThread::~TarqGetBatteryThread()
{
    requestStop();
    wait();
}

void TarqGetBatteryThread::requestStop()
{
    {
        std::lock_guard<std::mutex> lock(m_pauseMutex);
        m_stop = true;
    }
    m_pauseWake.notify_all();
}

void TarqGetBatteryThread::pause(int milliseconds)
{
    std::unique_lock<std::mutex> lock(m_pauseMutex);
    m_pauseWake.wait_for(lock, std::chrono::milliseconds(milliseconds), [this] { return m_stop.load(); });
}

void TarqGetBatteryThread::handleBatteryReport(const quint8* report)
{
    setSensorModeByte(report[BatteryByte::SensorMode]);
    const BatteryReading reading = decodeBatteryReport(report);
    emit RefreshBatteryStatus(reading.chargeByte, reading.levelLow, reading.levelHigh);
    if (reading.answered()) {
        emit RefreshWriteStatus(report[BatteryByte::WriteStatus]);
    }
}

void TarqGetBatteryThread::run()
{
    qCDebug(lcMonitor, "TarqGetBatteryThread.\n");
    int cycle = 0;
    for (;;) {
        if (m_stop) {
            qCDebug(lcMonitor, "TarqGetBatteryThread Stop.\n");
            return;
        }
        const HidHandle handle = commandHandle();
        if (!handle) {
            return;
        }
        Report received{};
        if (cycle == 0) {
            const CommandReport query = batteryQueryReport();
            if (hidBackend().write(handle, query.data(), query.size()) < 0) {
                qCDebug(lcMonitor, "Unable to send a feature report.\n");
            }
            pause(m_timings.afterQueryWrite);
            // A read that times out is a mouse that does not answer: the window shows it as off.
            if (hidBackend().readTimeout(handle, received.data(), received.size(), kMonitorReadTimeoutMs) <= 0) {
                emit RefreshBatteryStatus(0, 0, 0);
            } else {
                qCDebug(lcMonitor, "Threadread bat - %x %x %x %x %x %x %x %x\n", received[0], received[1], received[2],
                        received[3], received[4], received[5], received[6], received[7]);
                if (isKind(received, CommandCode::BatteryQuery)) {
                    handleBatteryReport(received.data());
                }
            }
            cycle = kQueryPassCounter;
            pause(m_timings.afterQueryRead);
        } else {
            ++cycle;
        }

        received.fill(0);
        if (hidBackend().readTimeout(handle, received.data(), received.size(), kMonitorReadTimeoutMs) <= 0) {
            qCDebug(lcMonitor, "Unable to read a feature report 1.\n");
            pause(m_timings.afterFailedRead);
        } else if (isKind(received, CommandCode::StatusReport)) {
            emit RefreshStatus(received[4], received[5], received[6], received[7]);
            pause(m_timings.afterReport);
        } else if (isKind(received, CommandCode::BatteryQuery)) {
            handleBatteryReport(received.data());
            pause(m_timings.afterReport);
        } else {
            pause(m_timings.afterReport);
        }
        if (cycle == kMonitorCycleLength) {
            cycle = 0;
        }
    }
}

BatteryMonitor::BatteryMonitor(Connector connector, const MonitorTimings& timings)
    : m_connector(std::move(connector))
    , m_timings(timings)
{
}

BatteryMonitor::~BatteryMonitor()
{
    stopMonitor();
}

void BatteryMonitor::startMonitor()
{
    stopMonitor();
    m_thread = std::make_unique<TarqGetBatteryThread>(m_timings);
    if (m_connector) {
        m_connector(*m_thread);
    }
    m_thread->start();
}

void BatteryMonitor::stopMonitor()
{
    for (const auto& stopping : m_stopping) {
        stopping->wait();
    }
    m_stopping.clear();
    if (!m_thread) {
        return;
    }
    m_thread->requestStop();
    m_thread->wait();
    m_thread.reset();
}

void BatteryMonitor::stopMonitorThen(QObject* context, std::function<void()> stopped)
{
    if (m_thread) {
        m_thread->requestStop();
        m_stopping.push_back(std::move(m_thread));
    }
    if (m_stopping.empty()) {
        stopped();
        return;
    }
    auto remaining = std::make_shared<int>(int(m_stopping.size()));
    for (const auto& stopping : m_stopping) {
        TarqGetBatteryThread* thread = stopping.get();
        // A thread may end before its connection is made: then the check below hands on instead.
        auto handedOn = std::make_shared<bool>(false);
        auto finish = [this, thread, stopped, remaining, handedOn] {
            if (*handedOn) {
                return;
            }
            *handedOn = true;
            release(thread);
            if (--*remaining == 0) {
                stopped();
            }
        };
        QObject::connect(thread, &QThread::finished, context, finish, Qt::QueuedConnection);
        if (thread->isFinished()) {
            QMetaObject::invokeMethod(context, finish, Qt::QueuedConnection);
        }
    }
}

void BatteryMonitor::release(const TarqGetBatteryThread* thread)
{
    const auto it = std::find_if(m_stopping.begin(), m_stopping.end(),
                                 [thread](const auto& stopping) { return stopping.get() == thread; });
    if (it != m_stopping.end()) {
        (*it)->wait();
        m_stopping.erase(it);
    }
}
