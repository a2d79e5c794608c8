// SPDX-License-Identifier: GPL-3.0-or-later
#include "log_categories.h"
#include "platform/linux/session_bus.h"
#include "platform/mouse_bus_client.h"

#include <QDBusArgument>
#include <QDBusConnection>
#include <QDBusMessage>
#include <QDBusServiceWatcher>

namespace {

const QString kPropertiesInterface = QStringLiteral("org.freedesktop.DBus.Properties");

QDBusMessage serviceCall(const QString& interface, const QString& method)
{
    return QDBusMessage::createMethodCall(MouseBus::serviceName(), MouseBus::objectPath(), interface, method);
}

// Values of a{sv} arrive as variants; arrays inside them may still be marshalled.
QVariant plainValue(const QVariant& value)
{
    if (value.userType() == qMetaTypeId<QDBusArgument>())
        return qdbus_cast<QStringList>(value.value<QDBusArgument>());
    return value;
}

QVariantMap plainMap(const QVariantMap& map)
{
    QVariantMap plain;
    for (auto it = map.cbegin(); it != map.cend(); ++it)
        plain.insert(it.key(), plainValue(it.value()));
    return plain;
}

} // namespace

MouseBusClient::MouseBusClient(QObject* parent)
    : QObject(parent)
{
}

MouseBusClient::~MouseBusClient() = default;

bool MouseBusClient::connectToService()
{
    if (!sessionBusAvailable() || !QDBusConnection::sessionBus().isConnected())
        return false;
    QDBusMessage getAll = serviceCall(kPropertiesInterface, QStringLiteral("GetAll"));
    getAll << MouseBus::interfaceName();
    const QDBusMessage reply = QDBusConnection::sessionBus().call(getAll, QDBus::Block, kQueryTimeoutMs);
    if (reply.type() != QDBusMessage::ReplyMessage || reply.arguments().isEmpty()) {
        qCDebug(lcPlatform) << "no window service:" << reply.errorName() << reply.errorMessage();
        return false;
    }
    m_properties = plainMap(qdbus_cast<QVariantMap>(reply.arguments().first()));
    return true;
}

MouseBusAnswer MouseBusClient::call(const QString& method, const QVariantList& arguments, int timeoutMs)
{
    QDBusMessage message = serviceCall(MouseBus::interfaceName(), method);
    message.setArguments(arguments);
    const QDBusMessage reply = QDBusConnection::sessionBus().call(message, QDBus::Block, timeoutMs);
    MouseBusAnswer answer;
    if (reply.type() == QDBusMessage::ReplyMessage) {
        for (const QVariant& value : reply.arguments())
            answer.values << plainValue(value);
        return answer;
    }
    answer.errorName =
        reply.errorName().isEmpty() ? QStringLiteral("org.freedesktop.DBus.Error.NoReply") : reply.errorName();
    answer.error = MouseBus::errorOfName(answer.errorName);
    answer.message =
        reply.errorMessage().isEmpty() ? QStringLiteral("The window did not answer.") : reply.errorMessage();
    return answer;
}

bool MouseBusClient::watch()
{
    QDBusConnection bus = QDBusConnection::sessionBus();
    auto* watcher =
        new QDBusServiceWatcher(MouseBus::serviceName(), bus, QDBusServiceWatcher::WatchForUnregistration, this);
    connect(watcher, &QDBusServiceWatcher::serviceUnregistered, this, &MouseBusClient::serviceGone);
    return bus.connect(MouseBus::serviceName(), MouseBus::objectPath(), kPropertiesInterface,
                       QStringLiteral("PropertiesChanged"), this,
                       SLOT(onPropertiesChanged(QString, QVariantMap, QStringList)));
}

void MouseBusClient::onPropertiesChanged(const QString& interface, const QVariantMap& changed,
                                         const QStringList& invalidated)
{
    if (interface != MouseBus::interfaceName())
        return;
    for (auto it = changed.cbegin(); it != changed.cend(); ++it)
        m_properties.insert(it.key(), plainValue(it.value()));
    for (const QString& name : invalidated)
        m_properties.remove(name);
    emit propertiesChanged();
}
