#pragma once

#include "device/battery_warnings.h"
#include "platform/desktop_notifications.h"

#include <QCoreApplication>

// Tells the user through the desktop when the mouse battery runs low, by the thresholds of
// Config.ini; BatteryWarnings decides when. One notification stands for the battery at a time.
class BatteryNotifier final
{
    Q_DECLARE_TR_FUNCTIONS(BatteryNotifier)

public:
    BatteryNotifier();

    // Reads the thresholds again; what was already announced stays announced.
    void reloadThresholds();

    // One reading of a mouse that answered: the level estimate in percent, and whether it charges
    // or has its cable connected.
    void updateBattery(int levelPercent, bool charging, bool cable);

private:
    DesktopNotifications m_notifications;
    BatteryWarnings m_warnings;
};
