// SPDX-License-Identifier: GPL-3.0-or-later
#include "private_x_session.h"

#include <QDeadlineTimer>
#include <QProcessEnvironment>
#include <QStandardPaths>
#include <QTest>
#include <X11/Xlib.h>

namespace {

const char kDisplayVariable[] = "DISPLAY";
constexpr int kStartTimeoutMs = 15000;
constexpr int kStopTimeoutMs = 5000;

QStringList programsOf(int parts)
{
    QStringList programs{ QStringLiteral("Xvfb") };
    if (parts & PrivateXSession::WindowManager)
        programs << QStringLiteral("openbox");
    if (parts & PrivateXSession::Tray)
        programs << QStringLiteral("trayer");
    return programs;
}

} // namespace

QString PrivateXSession::missingProgram(int parts)
{
    for (const QString& program : programsOf(parts))
        if (QStandardPaths::findExecutable(program).isEmpty())
            return program;
    return {};
}

PrivateXSession::PrivateXSession(int parts)
{
    if (const QString missing = missingProgram(parts); !missing.isEmpty()) {
        m_error = missing + QStringLiteral(" not found (scripts/setup installs it)");
        return;
    }
    if (!m_home.isValid()) {
        m_error = QStringLiteral("no temporary directory: %1").arg(m_home.errorString());
        return;
    }
    // Xvfb picks a free display itself and prints its number on the descriptor named.
    if (!start(QStringLiteral("Xvfb"),
               { QStringLiteral("-displayfd"), QStringLiteral("1"), QStringLiteral("-screen"), QStringLiteral("0"),
                 QStringLiteral("1280x800x24"), QStringLiteral("-nolisten"), QStringLiteral("tcp") }))
        return;
    QProcess& server = *m_processes.back();
    const QDeadlineTimer deadline(kStartTimeoutMs);
    while (!server.canReadLine() && server.state() == QProcess::Running && !deadline.hasExpired())
        server.waitForReadyRead(int(deadline.remainingTime()));
    const QString number = QString::fromLatin1(server.readLine()).trimmed();
    if (number.isEmpty()) {
        m_error =
            QStringLiteral("Xvfb named no display: %1").arg(QString::fromLocal8Bit(server.readAllStandardError()));
        return;
    }
    m_display = QLatin1Char(':') + number;
    m_hadPreviousDisplay = qEnvironmentVariableIsSet(kDisplayVariable);
    m_previousDisplay = qgetenv(kDisplayVariable);
    qputenv(kDisplayVariable, m_display.toLatin1());

    if ((parts & WindowManager) &&
        (!start(QStringLiteral("openbox"), {}) || !waitForSelection("WM_S0", QStringLiteral("openbox"))))
        return;
    if (parts & Tray) {
        const QStringList arguments{ QStringLiteral("--edge"),      QStringLiteral("bottom"),
                                     QStringLiteral("--align"),     QStringLiteral("left"),
                                     QStringLiteral("--widthtype"), QStringLiteral("request"),
                                     QStringLiteral("--height"),    QStringLiteral("24") };
        if (!start(QStringLiteral("trayer"), arguments) ||
            !waitForSelection("_NET_SYSTEM_TRAY_S0", QStringLiteral("trayer")))
            return;
        m_tray = m_processes.back().get();
    }
}

PrivateXSession::~PrivateXSession()
{
    for (auto process = m_processes.rbegin(); process != m_processes.rend(); ++process) {
        (*process)->terminate();
        if (!(*process)->waitForFinished(kStopTimeoutMs)) {
            (*process)->kill();
            (*process)->waitForFinished(kStopTimeoutMs);
        }
    }
    if (m_display.isEmpty())
        return;
    if (m_hadPreviousDisplay)
        qputenv(kDisplayVariable, m_previousDisplay);
    else
        qunsetenv(kDisplayVariable);
}

qint64 PrivateXSession::trayProcessId() const
{
    return m_tray ? m_tray->processId() : 0;
}

bool PrivateXSession::start(const QString& program, const QStringList& arguments)
{
    auto process = std::make_unique<QProcess>();
    // Whatever the programs keep (openbox's cache and session files) stays in the test's folder.
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(QStringLiteral("HOME"), m_home.path());
    environment.insert(QStringLiteral("XDG_CONFIG_HOME"), m_home.filePath(QStringLiteral("config")));
    environment.insert(QStringLiteral("XDG_CACHE_HOME"), m_home.filePath(QStringLiteral("cache")));
    environment.insert(QStringLiteral("XDG_DATA_HOME"), m_home.filePath(QStringLiteral("data")));
    process->setProcessEnvironment(environment);
    process->start(program, arguments);
    const bool started = process->waitForStarted(kStartTimeoutMs);
    if (!started)
        m_error = QStringLiteral("%1 did not start: %2").arg(program, process->errorString());
    m_processes.push_back(std::move(process));
    return started;
}

bool PrivateXSession::waitForSelection(const char* selection, const QString& owner)
{
    Display* display = XOpenDisplay(m_display.toLatin1().constData());
    if (!display) {
        m_error = QStringLiteral("cannot open %1").arg(m_display);
        return false;
    }
    const Atom atom = XInternAtom(display, selection, False);
    QProcess& process = *m_processes.back();
    const bool owned =
        QTest::qWaitFor([&] { return XGetSelectionOwner(display, atom) != 0 || process.state() != QProcess::Running; },
                        kStartTimeoutMs);
    const bool ready = owned && process.state() == QProcess::Running;
    XCloseDisplay(display);
    if (!ready)
        m_error = QStringLiteral("%1 did not take %2: %3")
                      .arg(owner, QLatin1String(selection), QString::fromLocal8Bit(process.readAllStandardError()));
    return ready;
}
