// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/mouse_bus_service.h"

#include "app/mousecfg_widget.h"
#include "log_categories.h"
#include "mouse1_adaptor.h"
#include "platform/linux/session_bus.h"
#include "storage/profile_record.h"

#include <QDBusError>
#include <QDBusMessage>

namespace {

const QString kPropertiesInterface = QStringLiteral("org.freedesktop.DBus.Properties");

} // namespace

MouseBusService::MouseBusService(MousecfgWidget& window, bool simulated)
    : m_window(window)
    , m_connection(QString())
    , m_simulated(simulated)
{
    new Mouse1Adaptor(this);
    m_announced = stateNow();
    // Queued: a burst of changes in one event (a slot with its stage and rate) is announced once.
    connect(&window, &MousecfgWidget::mouseStateChanged, this, &MouseBusService::announceChanges, Qt::QueuedConnection);
}

MouseBusService::~MouseBusService()
{
    if (!m_registered)
        return;
    m_connection.unregisterService(MouseBus::serviceName());
    m_connection.unregisterObject(MouseBus::objectPath());
}

bool MouseBusService::registerOn(QDBusConnection connection, QString* error)
{
    if (!connection.isConnected()) {
        *error = QStringLiteral("no session bus");
        return false;
    }
    if (!connection.registerObject(MouseBus::objectPath(), this, QDBusConnection::ExportAdaptors)) {
        *error = QStringLiteral("the object path %1 is taken").arg(MouseBus::objectPath());
        return false;
    }
    if (!connection.registerService(MouseBus::serviceName())) {
        *error =
            QStringLiteral("the name %1 is taken: %2").arg(MouseBus::serviceName(), connection.lastError().message());
        connection.unregisterObject(MouseBus::objectPath());
        return false;
    }
    m_connection = connection;
    m_registered = true;
    return true;
}

bool MouseBusService::registerOnSessionBus(QString* error)
{
    if (!sessionBusAvailable())
        return false;
    return registerOn(QDBusConnection::sessionBus(), error);
}

MouseBusState MouseBusService::stateNow() const
{
    MouseBusState state = m_window.mouseBusState();
    state.simulated = m_simulated;
    return state;
}

const MouseBusState& MouseBusService::current()
{
    // A change read before its queued announcement is announced first, so no client misses it.
    announceChanges();
    return m_announced;
}

void MouseBusService::announceChanges()
{
    const MouseBusState now = stateNow();
    const QVariantMap changed = changedProperties(m_announced, now);
    m_announced = now;
    if (changed.isEmpty() || !m_registered)
        return;
    QDBusMessage signal =
        QDBusMessage::createSignal(MouseBus::objectPath(), kPropertiesInterface, QStringLiteral("PropertiesChanged"));
    signal << MouseBus::interfaceName() << changed << QStringList();
    m_connection.send(signal);
}

void MouseBusService::SelectSlot(uint slot)
{
    if (slot < 1 || slot > uint(kProfileCount)) {
        sendErrorReply(
            QDBusError::InvalidArgs,
            QStringLiteral("SelectSlot takes the slot number, 1 to %1, not %2.").arg(kProfileCount).arg(slot));
        return;
    }
    answerNow(m_window.selectSlotForBus(int(slot) - 1));
}

bool MouseBusService::Apply(QStringList&)
{
    m_window.applyForBus(answerLater());
    return false;
}

bool MouseBusService::ImportConfiguration(const QString& path, QStringList&)
{
    m_window.importForBus(path, answerLater());
    return false;
}

void MouseBusService::RequestFullUpload()
{
    answerNow(m_window.requestFullUploadForBus());
}

void MouseBusService::ExportConfiguration(const QString& path)
{
    answerNow(m_window.exportForBus(path));
}

void MouseBusService::Show()
{
    m_window.showForBus();
}

void MouseBusService::answerNow(const MouseBusReply& reply)
{
    if (!reply.ok())
        sendErrorReply(MouseBus::errorName(reply.error), reply.message);
}

std::function<void(const MouseBusReply&)> MouseBusService::answerLater()
{
    setDelayedReply(true);
    return [bus = connection(), call = message()](const MouseBusReply& reply) {
        if (reply.ok())
            bus.send(call.createReply(QVariantList{ reply.sent, reply.notes }));
        else
            bus.send(call.createErrorReply(MouseBus::errorName(reply.error), reply.message));
    };
}
