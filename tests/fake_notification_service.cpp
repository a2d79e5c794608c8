#include "fake_notification_service.h"

namespace {

const QString kServiceName = QStringLiteral("org.freedesktop.Notifications");
const QString kObjectPath = QStringLiteral("/org/freedesktop/Notifications");
// The NotificationClosed reason for a notification closed through CloseNotification.
constexpr quint32 kClosedByCall = 3;

QString uniqueConnectionName(const void* owner)
{
    return QStringLiteral("fake-notification-service-%1").arg(quintptr(owner), 0, 16);
}

} // namespace

FakeNotificationService::FakeNotificationService(const QString& busAddress, QObject* parent)
    : QObject(parent)
    , m_connection(QDBusConnection::connectToBus(busAddress, uniqueConnectionName(this)))
{
    if (!m_connection.isConnected()) {
        m_error = QStringLiteral("cannot connect to %1: %2").arg(busAddress, m_connection.lastError().message());
        return;
    }
    if (!m_connection.registerObject(
            kObjectPath, this, QDBusConnection::ExportScriptableSlots | QDBusConnection::ExportScriptableSignals)) {
        m_error = QStringLiteral("cannot register %1").arg(kObjectPath);
        return;
    }
    if (!m_connection.registerService(kServiceName)) {
        m_error = QStringLiteral("cannot own %1: %2").arg(kServiceName, m_connection.lastError().message());
        return;
    }
    m_registered = true;
}

FakeNotificationService::~FakeNotificationService()
{
    const QString name = m_connection.name();
    if (m_connection.isConnected()) {
        m_connection.unregisterService(kServiceName);
        m_connection.unregisterObject(kObjectPath);
    }
    m_connection = QDBusConnection(QString());
    QDBusConnection::disconnectFromBus(name);
}

void FakeNotificationService::releaseReplies()
{
    const auto held = std::exchange(m_heldReplies, {});
    for (const auto& [call, id] : held)
        m_connection.send(call.createReply(id));
}

quint32 FakeNotificationService::Notify(const QString& app_name, quint32 replaces_id, const QString& app_icon,
                                        const QString& summary, const QString& body, const QStringList& actions,
                                        const QVariantMap& hints, int expire_timeout)
{
    const quint32 id = replaces_id != 0 ? replaces_id : m_nextId++;
    m_calls.append({ app_name, replaces_id, app_icon, summary, body, actions, hints, expire_timeout, id });
    if (m_holdReplies) {
        setDelayedReply(true);
        m_heldReplies.append({ message(), id });
    }
    emit notifyReceived();
    return id;
}

void FakeNotificationService::CloseNotification(quint32 id)
{
    m_closedIds.append(id);
    emit NotificationClosed(id, kClosedByCall);
}

QStringList FakeNotificationService::GetCapabilities()
{
    return { QStringLiteral("body") };
}

QString FakeNotificationService::GetServerInformation(QString& vendor, QString& version, QString& spec_version)
{
    vendor = QStringLiteral("mousecfg tests");
    version = QStringLiteral("1");
    spec_version = QStringLiteral("1.2");
    return QStringLiteral("fake-notification-service");
}
