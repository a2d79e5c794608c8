// SPDX-License-Identifier: GPL-3.0-or-later
#include "log_categories.h"
#include "platform/desktop_notifications.h"
#include "platform/linux/session_bus.h"

#include <QDBusConnection>
#include <QDBusMessage>
#include <QDBusPendingCallWatcher>
#include <QDBusPendingReply>
#include <QVariantMap>
#include <optional>
#include <utility>

namespace {

const QString kService = QStringLiteral("org.freedesktop.Notifications");
const QString kPath = QStringLiteral("/org/freedesktop/Notifications");
const QString kInterface = QStringLiteral("org.freedesktop.Notifications");
const QString kNotifyMethod = QStringLiteral("Notify");
const QString kCloseMethod = QStringLiteral("CloseNotification");
const QString kUrgencyHint = QStringLiteral("urgency");
const QString kDesktopEntryHint = QStringLiteral("desktop-entry");

// A notification that took longer than this is stale; the next one goes out instead.
constexpr int kAnswerTimeoutMs = 5000;

} // namespace

class DesktopNotifications::Channel
{
public:
    Channel(DesktopNotifications& owner, const QString& appName, const QString& desktopEntry, const QString& icon)
        : m_owner(owner)
        , m_appName(appName)
        , m_desktopEntry(desktopEntry)
        , m_icon(icon)
    {
    }

    ~Channel()
    {
        // After the program has gone nobody could withdraw it: a short wait now is the last chance.
        if (m_lastId != 0 && m_bus && m_bus->isConnected())
            m_bus->call(closeCall(m_lastId), QDBus::Block, kWithdrawAtEndTimeoutMs);
    }

    quint32 lastId() const { return m_lastId; }

    void show(const QString& summary, const QString& body, Urgency urgency, int timeoutMs)
    {
        m_latest = Request{ summary, body, urgency, timeoutMs };
        // A close asked for while the id was on its way still happens first: what follows is a new
        // notification, as it is when the id is known.
        // While a call is out its id is unknown; the latest text follows with that id as replaces_id.
        if (!m_waiting)
            sendLatest();
    }

    void close()
    {
        m_latest.reset();
        if (m_waiting) {
            m_closeWanted = true;
            return;
        }
        closeShown();
    }

private:
    struct Request
    {
        QString summary;
        QString body;
        Urgency urgency;
        int timeoutMs;
    };

    bool connectBus()
    {
        if (!m_busTried) {
            m_busTried = true;
            if (sessionBusAvailable())
                m_bus = QDBusConnection::sessionBus();
            if (!m_bus || !m_bus->isConnected())
                qCDebug(lcPlatform) << "notifications: no session bus";
        }
        return m_bus && m_bus->isConnected();
    }

    static QDBusMessage closeCall(quint32 id)
    {
        QDBusMessage call = QDBusMessage::createMethodCall(kService, kPath, kInterface, kCloseMethod);
        call << id;
        return call;
    }

    void closeShown()
    {
        if (m_lastId == 0 || !connectBus())
            return;
        auto* watcher = new QDBusPendingCallWatcher(m_bus->asyncCall(closeCall(m_lastId), kAnswerTimeoutMs), &m_owner);
        QObject::connect(watcher, &QDBusPendingCallWatcher::finished, &m_owner, [](QDBusPendingCallWatcher* done) {
            done->deleteLater();
            if (done->isError())
                qCDebug(lcPlatform) << "notifications:" << done->error().name() << done->error().message();
        });
        // A later notification is a new one: the service may reuse a withdrawn id.
        m_lastId = 0;
    }

    void sendLatest()
    {
        if (!m_latest || !connectBus()) {
            m_latest.reset();
            return;
        }
        const Request request = *m_latest;
        m_latest.reset();

        QVariantMap hints;
        hints.insert(kUrgencyHint, QVariant::fromValue(quint8(request.urgency)));
        if (!m_desktopEntry.isEmpty())
            hints.insert(kDesktopEntryHint, m_desktopEntry);
        QDBusMessage call = QDBusMessage::createMethodCall(kService, kPath, kInterface, kNotifyMethod);
        call << m_appName << m_lastId << m_icon << request.summary << request.body << QStringList() << hints
             << qint32(request.timeoutMs);

        m_waiting = true;
        auto* watcher = new QDBusPendingCallWatcher(m_bus->asyncCall(call, kAnswerTimeoutMs), &m_owner);
        QObject::connect(watcher, &QDBusPendingCallWatcher::finished, &m_owner, [this](QDBusPendingCallWatcher* done) {
            done->deleteLater();
            m_waiting = false;
            const QDBusPendingReply<quint32> reply = *done;
            if (reply.isError()) {
                qCDebug(lcPlatform) << "notifications:" << reply.error().name() << reply.error().message();
            } else {
                m_lastId = reply.value();
                emit m_owner.shown(m_lastId);
            }
            if (std::exchange(m_closeWanted, false))
                closeShown();
            sendLatest();
        });
    }

    DesktopNotifications& m_owner;
    const QString m_appName;
    const QString m_desktopEntry;
    const QString m_icon;
    bool m_busTried = false;
    std::optional<QDBusConnection> m_bus;
    std::optional<Request> m_latest;
    bool m_waiting = false;
    // close() came while the id of the notification to close was still on its way.
    bool m_closeWanted = false;
    quint32 m_lastId = 0;
};

DesktopNotifications::DesktopNotifications(const QString& appName, const QString& desktopEntry, const QString& icon,
                                           QObject* parent)
    : QObject(parent)
    , m_channel(std::make_unique<Channel>(*this, appName, desktopEntry, icon))
{
}

DesktopNotifications::~DesktopNotifications() = default;

void DesktopNotifications::show(const QString& summary, const QString& body, Urgency urgency, int timeoutMs)
{
    m_channel->show(summary, body, urgency, timeoutMs);
}

void DesktopNotifications::close()
{
    m_channel->close();
}

quint32 DesktopNotifications::lastId() const
{
    return m_channel->lastId();
}
