// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "device/battery_warnings.h"
#include "platform/desktop_notifications.h"

#include <QCoreApplication>

// Tells the user through the desktop when the mouse battery runs low, by the thresholds of
// Config.ini; BatteryWarnings decides when. One notification stands for the battery at a time,
// and it is withdrawn once it is no longer true: the mouse charges, its cable is in, the level
// is above the threshold it names, or the program ends.
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

    // The cable came in: the mouse charges whether or not a reading says so yet.
    void cableConnected();

private:
    void withdraw();

    DesktopNotifications m_notifications;
    BatteryWarnings m_warnings;
    // The threshold the notification on screen names; 0 when none is shown.
    int m_shownThreshold = 0;
};
