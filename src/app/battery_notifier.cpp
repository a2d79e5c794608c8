// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/battery_notifier.h"

#include "platform/program_identity.h"
#include "storage/app_config.h"

BatteryNotifier::BatteryNotifier()
    : m_notifications(programName(), programDesktopId(), programDesktopId())
    , m_warnings(batteryFirstWarningThreshold(), batterySecondWarningThreshold())
{
}

void BatteryNotifier::reloadThresholds()
{
    m_warnings.setThresholds(batteryFirstWarningThreshold(), batterySecondWarningThreshold());
}

void BatteryNotifier::updateBattery(int levelPercent, bool charging, bool cable)
{
    const BatteryWarning due = m_warnings.update(levelPercent, charging || cable);
    if (due.threshold == 0) {
        if (charging || cable || levelPercent > m_shownThreshold)
            withdraw();
        return;
    }
    m_shownThreshold = due.threshold;
    m_notifications.show(
        tr("Mouse battery low"),
        tr("The battery is at %1 % or less. Connect the cable to charge the mouse.").arg(due.threshold),
        due.last ? DesktopNotifications::Urgency::Critical : DesktopNotifications::Urgency::Normal);
}

void BatteryNotifier::cableConnected()
{
    withdraw();
}

void BatteryNotifier::withdraw()
{
    if (m_shownThreshold == 0)
        return;
    m_shownThreshold = 0;
    m_notifications.close();
}
