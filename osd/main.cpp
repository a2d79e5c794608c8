#include "osd_presenter.h"
#include "osd_server.h"
#include "platform/companion_client.h"
#include "platform/program_identity.h"

#include <QApplication>
#include <QCommandLineParser>
#include <QLockFile>
#include <QTimer>
#include <cstdio>

namespace {

// A companion nobody has talked to for this long leaves; the window starts it again when needed.
constexpr int kIdleExitMs = 10 * 60 * 1000;

} // namespace

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    QCoreApplication::setApplicationName(QStringLiteral("mousecfg-osd"));
    QGuiApplication::setDesktopFileName(programDesktopId());
    QApplication::setQuitOnLastWindowClosed(false);

    QCommandLineParser parser;
    parser.setApplicationDescription(QStringLiteral("Shows the mouse's DPI and report-rate changes on screen."));
    parser.addHelpOption();
    const QCommandLineOption notificationsOption(QStringLiteral("notifications"),
                                                 QStringLiteral("Show desktop notifications instead of the overlay."));
    parser.addOption(notificationsOption);
    parser.process(app);

    const QString name = companionSocketName(QString::fromLatin1(kOsdWindowTitle));
    // One companion per user: a second one, started while the first was coming up, leaves.
    QLockFile lock(name + QStringLiteral(".lock"));
    if (!lock.tryLock(0))
        return 0;

    const OsdPresenter::Mode mode = parser.isSet(notificationsOption)
                                        ? OsdPresenter::Mode::Notification
                                        : OsdPresenter::modeFor(QGuiApplication::platformName());
    OsdPresenter presenter(mode);
    OsdServer server;
    if (!server.listen(name)) {
        std::fprintf(stderr, "OSD: cannot listen on %s: %s\n", qPrintable(name), qPrintable(server.errorString()));
        return 1;
    }
    QTimer idle;
    idle.setSingleShot(true);
    idle.setInterval(kIdleExitMs);
    QObject::connect(&idle, &QTimer::timeout, &app, &QCoreApplication::quit);
    QObject::connect(&server, &OsdServer::messageReceived, &presenter, [&presenter, &idle](const OsdMessage& message) {
        presenter.present(message);
        idle.start();
    });
    idle.start();
    return QApplication::exec();
}
