#pragma once

#include <QDBusConnection>
#include <QDBusContext>
#include <QDBusMessage>
#include <QList>
#include <QObject>
#include <QStringList>
#include <QVariantMap>

// A notification service of the test's own on a given bus: owns org.freedesktop.Notifications,
// answers Notify with a new id (or the id it replaces) and records every call so a test asserts
// exactly what the desktop would have shown. It can hold its answers back, as a busy service does.
class FakeNotificationService final
    : public QObject
    , protected QDBusContext
{
    Q_OBJECT
    Q_CLASSINFO("D-Bus Interface", "org.freedesktop.Notifications")
    Q_DISABLE_COPY(FakeNotificationService)

public:
    struct NotifyCall
    {
        QString appName;
        quint32 replacesId = 0;
        QString appIcon;
        QString summary;
        QString body;
        QStringList actions;
        QVariantMap hints;
        int expireTimeout = 0;
        quint32 answeredId = 0; // the id this call was (or will be) answered with
    };

    // Connects to the bus at busAddress and takes the service name; see isRegistered().
    explicit FakeNotificationService(const QString& busAddress, QObject* parent = nullptr);
    ~FakeNotificationService() override;

    bool isRegistered() const { return m_registered; }
    QString errorString() const { return m_error; }

    const QList<NotifyCall>& notifyCalls() const { return m_calls; }
    const QList<quint32>& closedIds() const { return m_closedIds; }

    // While holding, Notify calls are recorded at once but answered only by releaseReplies().
    void setHoldReplies(bool hold) { m_holdReplies = hold; }
    int heldReplyCount() const { return int(m_heldReplies.size()); }
    void releaseReplies();

public slots:
    Q_SCRIPTABLE quint32 Notify(const QString& app_name, quint32 replaces_id, const QString& app_icon,
                                const QString& summary, const QString& body, const QStringList& actions,
                                const QVariantMap& hints, int expire_timeout);
    Q_SCRIPTABLE void CloseNotification(quint32 id);
    Q_SCRIPTABLE QStringList GetCapabilities();
    Q_SCRIPTABLE QString GetServerInformation(QString& vendor, QString& version, QString& spec_version);

signals:
    Q_SCRIPTABLE void NotificationClosed(quint32 id, quint32 reason);
    // Not on the bus: tells the test a Notify call was recorded.
    void notifyReceived();

private:
    QDBusConnection m_connection;
    QList<NotifyCall> m_calls;
    QList<quint32> m_closedIds;
    QList<QPair<QDBusMessage, quint32>> m_heldReplies;
    quint32 m_nextId = 1;
    bool m_holdReplies = false;
    bool m_registered = false;
    QString m_error;
};
