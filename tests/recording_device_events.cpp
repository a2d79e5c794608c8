// SPDX-License-Identifier: GPL-3.0-or-later
#include "recording_device_events.h"

#include "device/discovery.h"

RecordingDeviceEvents::RecordingDeviceEvents(const QString& currentProduct, int connectedMice)
    : m_currentProduct(currentProduct)
    , m_connectedMice(connectedMice)
{
}

void RecordingDeviceEvents::refreshMouseList()
{
    m_connectedMice = countConnectedMice();
    m_calls << QStringLiteral("refreshMouseList");
}

void RecordingDeviceEvents::setConnectedMouseCount(int count)
{
    m_connectedMice = count;
    m_calls << QStringLiteral("mouseCount %1").arg(count);
}

void RecordingDeviceEvents::scheduleWarnClose(int delayMs)
{
    m_calls << QStringLiteral("warnClose %1").arg(delayMs);
}

void RecordingDeviceEvents::scheduleWarning(int delayMs)
{
    m_calls << QStringLiteral("warning %1").arg(delayMs);
}

void RecordingDeviceEvents::setDeviceOpen(bool open)
{
    m_calls << QStringLiteral("deviceOpen %1").arg(open);
}

void RecordingDeviceEvents::setWarningOpen(bool open)
{
    m_calls << QStringLiteral("warningOpen %1").arg(open);
}

void RecordingDeviceEvents::stopMonitorThreadThen(std::function<void()> stopped)
{
    m_calls << QStringLiteral("stopMonitor");
    if (m_holdStops)
        m_heldStops.push_back(std::move(stopped));
    else
        stopped();
}

void RecordingDeviceEvents::releaseMonitorStops()
{
    auto held = std::move(m_heldStops);
    m_heldStops.clear();
    for (const auto& stopped : held)
        stopped();
}
