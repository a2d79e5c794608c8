// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QObject>
#include <QString>
#include <memory>

// Notifications through the desktop's notification service (org.freedesktop.Notifications). Each
// object keeps at most one notification of its own on screen and withdraws it when it goes. Calls
// never wait for the service, a hung or missing service must not hold up the window; only the
// withdrawal at the end waits, briefly, since nothing is left to deliver it afterwards.
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
    // Withdraws what is still shown, waiting at most kWithdrawAtEndTimeoutMs for the service.
    ~DesktopNotifications() override;

    static constexpr int kWithdrawAtEndTimeoutMs = 200;

    // Shows the text, replacing this object's previous notification instead of stacking.
    // Nothing happens (no error, no blocking) when there is no session bus or no service.
    // timeoutMs: -1 lets the service choose, 0 keeps the notification until dismissed.
    void show(const QString& summary, const QString& body, Urgency urgency = Urgency::Normal, int timeoutMs = -1);
    // Withdraws this object's notification (CloseNotification); nothing when none is shown. One
    // whose id the service has not answered yet is withdrawn as soon as the id arrives.
    void close();
    quint32 lastId() const; // the id of the notification on screen, 0 before and after close()

signals:
    void shown(quint32 id); // after the service answered a show()

private:
    class Channel;
    std::unique_ptr<Channel> m_channel;
};
