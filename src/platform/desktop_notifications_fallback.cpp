// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/desktop_notifications.h"

// Where the platform has no notification service, warnings simply are not shown.
class DesktopNotifications::Channel
{
};

DesktopNotifications::DesktopNotifications(const QString&, const QString&, const QString&, QObject* parent)
    : QObject(parent)
{
}

DesktopNotifications::~DesktopNotifications() = default;

void DesktopNotifications::show(const QString&, const QString&, Urgency, int) {}

void DesktopNotifications::close() {}

quint32 DesktopNotifications::lastId() const
{
    return 0;
}
