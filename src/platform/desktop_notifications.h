#pragma once

#include <QObject>
#include <QString>
#include <memory>

// Notifications through the desktop's notification service (org.freedesktop.Notifications). Each
// object keeps at most one notification of its own on screen. Calls never wait for the service:
// a hung or missing service must not hold up the window.
class DesktopNotifications final : public QObject
{
    Q_OBJECT
    Q_DISABLE_COPY(DesktopNotifications)

public:
    enum class Urgency { Low = 0, Normal = 1, Critical = 2 };

    // appName: the sender's name the service shows; desktopEntry: the "desktop-entry" hint
    // (see programDesktopId); icon: an icon name or empty.
    explicit DesktopNotifications(const QString& appName, const QString& desktopEntry = QString(),
                                  const QString& icon = QString(), QObject* parent = nullptr);
    ~DesktopNotifications() override;

    // Shows the text, replacing this object's previous notification instead of stacking.
    // Nothing happens (no error, no blocking) when there is no session bus or no service.
    // timeoutMs: -1 lets the service choose, 0 keeps the notification until dismissed.
    void show(const QString& summary, const QString& body, Urgency urgency = Urgency::Normal, int timeoutMs = -1);
    quint32 lastId() const; // the id the service gave the last notification, 0 before

signals:
    void shown(quint32 id); // after the service answered a show()

private:
    class Channel;
    std::unique_ptr<Channel> m_channel;
};
