// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/mousecfg_widget.h"
#include "app/simulation.h"
#include "app/startup_probe.h"
#include "platform/hotplug.h"
#include "platform/program_identity.h"
#include "platform/single_instance.h"
#include "session/startup.h"
#include "storage/paths.h"
#include "storage/product_description.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QFile>
#include <cstdio>
#include <memory>

namespace {

const char kUsage[] = "usage: mousecfg [--simulate] [--app-dir DIR] [--config-dir DIR]\n"
                      "  --simulate         run against the virtual mouse, with its demo panel\n"
                      "  --app-dir DIR      the application directory (DefaultProfile.bin, skin/, lang/)\n"
                      "  --config-dir DIR   the configuration directory (Config.ini, profiles, macros)\n"
                      "  --help, --version  this text, the version\n";
const char kAlreadyRunning[] = "mousecfg is already running for %s.\n";
const char kAlreadyRunningUnnamed[] = "mousecfg is already running.\n";
constexpr int kExitUsage = 64; // EX_USAGE
constexpr int kExitAlreadyRunning = 1;

struct WindowOptions
{
    DirectoryOptions directories;
    bool simulate = false;
    bool help = false;
    bool version = false;
    QStringList rest; // what is not ours: the toolkit's options, or mistakes
};

// False with *error set when an option of ours lacks its value.
bool takeWindowOptions(QStringList args, WindowOptions& options, QString* error)
{
    if (!takeDirectoryOptions(args, options.directories, error))
        return false;
    options.simulate = args.removeAll(QStringLiteral("--simulate")) > 0;
    options.help = args.removeAll(QStringLiteral("--help")) > 0;
    options.version = args.removeAll(QStringLiteral("--version")) > 0;
    options.rest = args;
    return true;
}

int usageError(const QString& error)
{
    std::fprintf(stderr, "mousecfg: %s\n%s", qPrintable(error), kUsage);
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
    WindowOptions options;
    QString error;
    if (!takeWindowOptions(args, options, &error))
        return usageError(error);
    for (const QString& arg : qAsConst(options.rest)) {
        if (arg.startsWith(QLatin1String("--")))
            return usageError(QStringLiteral("unknown argument %1").arg(arg));
    }
    if (options.help) {
        std::fputs(kUsage, stdout);
        return 0;
    }
    if (options.version) {
        std::printf("mousecfg %s\n", MOUSECFG_VERSION);
        return 0;
    }
    return -1;
}

} // namespace

int main(int argc, char* argv[])
{
    QElapsedTimer sinceStart;
    sinceStart.start();
    const int answered = answerBeforeApplication(argc, argv);
    if (answered >= 0)
        return answered;
    // The window scales itself from the screen's DPI; the toolkit must not enlarge it a second
    // time (a Wayland or QT_SCALE_FACTOR scale still applies once, and the window then stays at 1.0).
    QCoreApplication::setAttribute(Qt::AA_DisableHighDpiScaling);
    QCoreApplication::setAttribute(Qt::AA_UseHighDpiPixmaps);
    QApplication app(argc, argv);
    QCoreApplication::setApplicationName(QStringLiteral("mousecfg"));
    QCoreApplication::setApplicationVersion(QStringLiteral(MOUSECFG_VERSION));
    // Wayland matches the window to its desktop entry, and so to its icon, by this name.
    QGuiApplication::setDesktopFileName(programDesktopId());
    // The window lives on in the tray while hidden; only "&Quit" ends the program.
    QApplication::setQuitOnLastWindowClosed(false);

    WindowOptions options;
    QString error;
    if (!takeWindowOptions(QCoreApplication::arguments().mid(1), options, &error))
        return usageError(error);
    if (!options.rest.isEmpty())
        return usageError(QStringLiteral("unknown argument %1").arg(options.rest.first()));

    // The lock comes before any file is written, so a second copy changes nothing under the first.
    initAppDirectory(options.directories);
    const QString product = productName();
    SingleInstanceLock instance(singleInstanceLockName(product));
    if (!instance.tryAcquire()) {
        if (instance.error() == SingleInstanceLock::Error::HeldElsewhere) {
            if (product.isEmpty())
                std::fputs(kAlreadyRunningUnnamed, stderr);
            else
                std::fprintf(stderr, kAlreadyRunning, qPrintable(product));
            return kExitAlreadyRunning;
        }
        // A lock that cannot be made at all must not keep the program away.
        std::fprintf(stderr, "mousecfg: %s; another copy is not detected\n", qPrintable(instance.errorString()));
    }

    QString notice;
    if (!initDirectories(options.directories, &error, &notice)) {
        std::fprintf(stderr, "mousecfg: %s\n", qPrintable(error));
        return 1;
    }
    if (!notice.isEmpty())
        std::fprintf(stderr, "mousecfg: %s\n", qPrintable(notice));
    const QString damaged = checkConfigurationFile();
    if (!damaged.isEmpty())
        std::fprintf(stderr, "mousecfg: %s\n", qPrintable(damaged));

    std::unique_ptr<Simulation> simulation;
    std::unique_ptr<HotplugSource> hotplug;
    if (options.simulate) {
        simulation = std::make_unique<Simulation>();
        hotplug = simulation->takeHotplugSource();
    }
    int result = 0;
    {
        MousecfgWidget window(std::move(hotplug));
        window.noteForUser(damaged);
        QObject::connect(&window, &MousecfgWidget::exitRequested, &app, &QCoreApplication::exit);
        if (qEnvironmentVariableIsSet(kStartupProbeVariable)) {
            QObject::connect(&window, &MousecfgWidget::firstPainted, &window, [&sinceStart] {
                std::printf("%s %lld\n", kFirstPaintLine, static_cast<long long>(sinceStart.elapsed()));
                std::fflush(stdout);
            });
        }
        if (window.connectedMouseCount() != 0) {
            window.setWindowOpacity(1.0);
            window.show();
        }
        window.setWindowTitle(product);
        // The demo panel follows the window's first paint, so the window is never kept waiting.
        if (simulation) {
            QObject::connect(&window, &MousecfgWidget::firstPainted, &window,
                             [&simulation, &window] { simulation->showPanel(window); });
        }
        result = QApplication::exec();
    }
    return result;
}
