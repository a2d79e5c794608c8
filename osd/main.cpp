// SPDX-License-Identifier: GPL-3.0-or-later
#include "osd_presenter.h"
#include "osd_server.h"
#include "platform/companion_client.h"
#include "platform/osd_message.h"
#include "platform/program_identity.h"
#include "platform/single_instance.h"

#include <QApplication>
#include <QFile>
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
    bool help = false;
    bool version = false;
    QStringList rest; // what is not ours: the toolkit's options, or mistakes
};

OsdOptions takeOsdOptions(QStringList args)
{
    OsdOptions options;
    options.notifications = args.removeAll(QStringLiteral("--notifications")) > 0;
    options.help = args.removeAll(QStringLiteral("--help")) > 0;
    options.version = args.removeAll(QStringLiteral("--version")) > 0;
    options.rest = args;
    return options;
}

int usageError(const QString& argument)
{
    std::fprintf(stderr, "%s: unknown argument %s\n%s", kProgramName, qPrintable(argument), kUsage);
    return kExitUsage;
}

// Answers --help, --version and mistakes in our own options from argv itself, before the
// application object needs a display. Options with one dash are the toolkit's (-platform,
// -display, ...): they and their values wait for the application object. Returns the exit
// code, or -1 to go on.
int answerBeforeApplication(int argc, char* argv[])
{
    QStringList args;
    for (int i = 1; i < argc; ++i)
        args << QFile::decodeName(argv[i]);
    const OsdOptions options = takeOsdOptions(args);
    for (const QString& arg : options.rest) {
        if (arg.startsWith(QLatin1String("--")))
            return usageError(arg);
    }
    if (options.help) {
        std::fputs(kUsage, stdout);
        return 0;
    }
    if (options.version) {
        std::printf("%s %s\n", kProgramName, MOUSECFG_VERSION);
        return 0;
    }
    return -1;
}

} // namespace

int main(int argc, char* argv[])
{
    const int answered = answerBeforeApplication(argc, argv);
    if (answered >= 0)
        return answered;
    QApplication app(argc, argv);
    QCoreApplication::setApplicationName(QLatin1String(kProgramName));
    QCoreApplication::setApplicationVersion(QStringLiteral(MOUSECFG_VERSION));
    QGuiApplication::setDesktopFileName(programDesktopId());
    QApplication::setQuitOnLastWindowClosed(false);
    const OsdOptions options = takeOsdOptions(QCoreApplication::arguments().mid(1));
    if (!options.rest.isEmpty())
        return usageError(options.rest.first());

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
