// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/mouse_bus_client.h"

// No session bus here: the command line opens the mouse itself.

MouseBusClient::MouseBusClient(QObject* parent)
    : QObject(parent)
{
}

MouseBusClient::~MouseBusClient() = default;

bool MouseBusClient::connectToService()
{
    return false;
}

MouseBusAnswer MouseBusClient::call(const QString&, const QVariantList&, int)
{
    MouseBusAnswer answer;
    answer.error = MouseBus::Error::Failed;
    answer.errorName = MouseBus::errorName(answer.error);
    answer.message = QStringLiteral("There is no session bus on this system.");
    return answer;
}

bool MouseBusClient::watch()
{
    return false;
}

void MouseBusClient::onPropertiesChanged(const QString&, const QVariantMap&, const QStringList&) {}
