#pragma once

#include <QByteArray>
#include <QProcess>
#include <QString>
#include <QTemporaryDir>

// A D-Bus session bus of the test's own: a dbus-daemon that auto-starts no services, announced in
// DBUS_SESSION_BUS_ADDRESS for the code under test. Start it before that code first touches the
// session bus (Qt keeps its session connection for the life of the process). The daemon stops
// and the variable is restored when the object goes.
class PrivateSessionBus final
{
public:
    PrivateSessionBus();
    ~PrivateSessionBus();
    PrivateSessionBus(const PrivateSessionBus&) = delete;
    PrivateSessionBus& operator=(const PrivateSessionBus&) = delete;

    bool isValid() const { return !m_address.isEmpty(); }
    // Why the bus could not be started, for the test's failure message.
    QString errorString() const { return m_error; }
    QString address() const { return m_address; }

private:
    QTemporaryDir m_dir;
    QProcess m_daemon;
    QString m_address;
    QString m_error;
    QByteArray m_previousAddress;
    bool m_hadPreviousAddress = false;
};
