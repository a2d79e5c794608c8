// SPDX-License-Identifier: GPL-3.0-or-later
#include "osd_presenter.h"
#include "osd_server.h"
#include "platform/companion_client.h"
#include "platform/graphics_stack.h"
#include "platform/osd_message.h"
#include "platform/program_identity.h"
#include "platform/single_instance.h"
#include "platform/terminal_options.h"

#include <QApplication>
#include <QTimer>
#include <cstdio>

namespace {

// A companion nobody has talked to for this long leaves; the window starts it again when needed.
constexpr int kIdleExitMs = 10 * 60 * 1000;
constexpr int kExitUsage = 64; // EX_USAGE, as the window and the command line use it

// The executable's name as built and installed; every message of this program carries it.
const char kProgramName[] = "OSD";
const char kUsage[] = "usage: OSD [--notifications]\n"
                      "Shows the mouse's DPI and report-rate changes on screen; the mousecfg window starts it.\n"
                      "  --notifications    show desktop notifications instead of the overlay\n"
                      "  --help, --version  this text, the version\n";

struct OsdOptions
{
    bool notifications = false;
    TerminalOptions terminal;
};

OsdOptions takeOsdOptions(const QStringList& args)
{
    OsdOptions options;
    options.terminal = takeTerminalOptions(args, { { QStringLiteral("--notifications"), &options.notifications } });
    return options;
}

int usageError(const QString& argument)
{
    std::fprintf(stderr, "%s: unknown argument %s\n%s", kProgramName, qPrintable(argument), kUsage);
    return kExitUsage;
}

// Returns the exit code, or -1 to go on and make the application object.
int answerBeforeApplication(int argc, char* argv[])
{
    const OsdOptions options = takeOsdOptions(argumentsBeforeApplication(argc, argv));
    const QString unknown = firstUnknownLongOption(options.terminal.rest);
    if (!unknown.isEmpty())
        return usageError(unknown);
    return answerHelpOrVersion(options.terminal, kProgramName, kUsage, MOUSECFG_VERSION);
}

} // namespace

int main(int argc, char* argv[])
{
    const int answered = answerBeforeApplication(argc, argv);
    if (answered >= 0)
        return answered;
    skipUnusedGraphicsStack();
    QApplication app(argc, argv);
    QCoreApplication::setApplicationName(QLatin1String(kProgramName));
    QCoreApplication::setApplicationVersion(QStringLiteral(MOUSECFG_VERSION));
    QGuiApplication::setDesktopFileName(programDesktopId());
    QApplication::setQuitOnLastWindowClosed(false);
    const OsdOptions options = takeOsdOptions(QCoreApplication::arguments().mid(1));
    if (!options.terminal.rest.isEmpty())
        return usageError(options.terminal.rest.first());

    // One companion per user: a second one, started while the first was coming up, leaves.
    SingleInstanceLock instance(QString::fromLatin1(kOsdWindowTitle));
    if (!instance.tryAcquire()) {
        if (instance.error() == SingleInstanceLock::Error::HeldElsewhere)
            return 0;
        std::fprintf(stderr, "%s: %s\n", kProgramName, qPrintable(instance.errorString()));
        return 1;
    }

    const OsdPresenter::Mode mode = options.notifications ? OsdPresenter::Mode::Notification
                                                          : OsdPresenter::modeFor(QGuiApplication::platformName());
    OsdPresenter presenter(mode);
    OsdServer server;
    const QString name = companionSocketName(QString::fromLatin1(kOsdWindowTitle));
    if (!server.listen(name)) {
        std::fprintf(stderr, "%s: cannot listen on %s: %s\n", kProgramName, qPrintable(name),
                     qPrintable(server.errorString()));
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
