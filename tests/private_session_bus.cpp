#include "private_session_bus.h"

#include <QDeadlineTimer>
#include <QFile>
#include <QStandardPaths>

namespace {

const char kAddressVariable[] = "DBUS_SESSION_BUS_ADDRESS";
constexpr int kStartTimeoutMs = 10000;
constexpr int kStopTimeoutMs = 5000;

// No service directories: a notification daemon installed on the machine must not be started
// into the test's bus in place of the test's own fake.
QByteArray busConfiguration(const QString& socketPath)
{
    return QByteArrayLiteral("<!DOCTYPE busconfig PUBLIC \"-//freedesktop//DTD D-Bus Bus Configuration 1.0//EN\"\n"
                             " \"http://www.freedesktop.org/standards/dbus/1.0/busconfig.dtd\">\n"
                             "<busconfig>\n"
                             "  <type>session</type>\n"
                             "  <listen>unix:path=") +
           socketPath.toUtf8() +
           QByteArrayLiteral("</listen>\n"
                             "  <auth>EXTERNAL</auth>\n"
                             "  <policy context=\"default\">\n"
                             "    <allow send_destination=\"*\" eavesdrop=\"true\"/>\n"
                             "    <allow eavesdrop=\"true\"/>\n"
                             "    <allow own=\"*\"/>\n"
                             "  </policy>\n"
                             "</busconfig>\n");
}

} // namespace

PrivateSessionBus::PrivateSessionBus()
{
    const QString program = QStandardPaths::findExecutable(QStringLiteral("dbus-daemon"));
    if (program.isEmpty()) {
        m_error = QStringLiteral("dbus-daemon not found: install the dbus-daemon package (scripts/setup does)");
        return;
    }
    if (!m_dir.isValid()) {
        m_error = QStringLiteral("no temporary directory for the bus: %1").arg(m_dir.errorString());
        return;
    }
    const QString configPath = m_dir.filePath(QStringLiteral("session.conf"));
    QFile config(configPath);
    if (!config.open(QIODevice::WriteOnly) ||
        config.write(busConfiguration(m_dir.filePath(QStringLiteral("bus")))) < 0) {
        m_error = QStringLiteral("cannot write %1: %2").arg(configPath, config.errorString());
        return;
    }
    config.close();

    m_daemon.setProcessChannelMode(QProcess::SeparateChannels);
    m_daemon.start(program, { QStringLiteral("--config-file=") + configPath, QStringLiteral("--nofork"),
                              QStringLiteral("--print-address") });
    if (!m_daemon.waitForStarted(kStartTimeoutMs)) {
        m_error = QStringLiteral("dbus-daemon did not start: %1").arg(m_daemon.errorString());
        return;
    }
    const QDeadlineTimer deadline(kStartTimeoutMs);
    while (!m_daemon.canReadLine() && m_daemon.state() == QProcess::Running && !deadline.hasExpired())
        m_daemon.waitForReadyRead(int(deadline.remainingTime()));
    const QString address = QString::fromUtf8(m_daemon.readLine()).trimmed();
    if (address.isEmpty()) {
        m_error = QStringLiteral("dbus-daemon printed no address: %1")
                      .arg(QString::fromLocal8Bit(m_daemon.readAllStandardError()).trimmed());
        return;
    }
    m_hadPreviousAddress = qEnvironmentVariableIsSet(kAddressVariable);
    m_previousAddress = qgetenv(kAddressVariable);
    qputenv(kAddressVariable, address.toUtf8());
    m_address = address;
}

PrivateSessionBus::~PrivateSessionBus()
{
    if (isValid()) {
        if (m_hadPreviousAddress)
            qputenv(kAddressVariable, m_previousAddress);
        else
            qunsetenv(kAddressVariable);
    }
    if (m_daemon.state() == QProcess::NotRunning)
        return;
    m_daemon.terminate();
    if (!m_daemon.waitForFinished(kStopTimeoutMs)) {
        m_daemon.kill();
        m_daemon.waitForFinished(kStopTimeoutMs);
    }
}
