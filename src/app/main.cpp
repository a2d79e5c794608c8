// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/mousecfg_widget.h"
#include "app/simulation.h"
#include "app/startup_probe.h"
#include "platform/graphics_stack.h"
#include "platform/hotplug.h"
#include "platform/mouse_bus_client.h"
#include "platform/program_identity.h"
#include "platform/single_instance.h"
#include "platform/terminal_options.h"
#include "session/startup.h"
#include "startup_timing.h"
#include "storage/paths.h"
#include "storage/product_description.h"

#if MOUSECFG_BUS_SERVICE
#include "app/mouse_bus_service.h"
#endif

#include <QApplication>
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
    TerminalOptions terminal;
};

// False with *error set when an option of ours lacks its value.
bool takeWindowOptions(QStringList args, WindowOptions& options, QString* error)
{
    if (!takeDirectoryOptions(args, options.directories, error))
        return false;
    options.terminal = takeTerminalOptions(args, { { QStringLiteral("--simulate"), &options.simulate } });
    return true;
}

// A second start brings the running window back (from the tray, from minimised) before it ends.
void showRunningWindow(const QString& product)
{
    MouseBusClient window;
    if (!window.connectToService() ||
        window.properties().value(QLatin1String(MouseBus::kProduct)).toString() != product)
        return;
    window.call(QLatin1String(MouseBus::kShow), {}, MouseBusClient::kQueryTimeoutMs);
}

int usageError(const QString& error)
{
    std::fprintf(stderr, "mousecfg: %s\n%s", qPrintable(error), kUsage);
    return kExitUsage;
}

// Returns the exit code, or -1 to go on and make the application object.
int answerBeforeApplication(int argc, char* argv[])
{
    WindowOptions options;
    QString error;
    if (!takeWindowOptions(argumentsBeforeApplication(argc, argv), options, &error))
        return usageError(error);
    const QString unknown = firstUnknownLongOption(options.terminal.rest);
    if (!unknown.isEmpty())
        return usageError(QStringLiteral("unknown argument %1").arg(unknown));
    return answerHelpOrVersion(options.terminal, "mousecfg", kUsage, MOUSECFG_VERSION);
}

} // namespace

int main(int argc, char* argv[])
{
    StartupTiming::begin();
    const int answered = answerBeforeApplication(argc, argv);
    if (answered >= 0)
        return answered;
    // The window scales itself from the screen's DPI; the toolkit must not enlarge it a second
    // time (a Wayland or QT_SCALE_FACTOR scale still applies once, and the window then stays at 1.0).
    skipUnusedGraphicsStack();
    QCoreApplication::setAttribute(Qt::AA_DisableHighDpiScaling);
    QCoreApplication::setAttribute(Qt::AA_UseHighDpiPixmaps);
    QApplication app(argc, argv);
    QCoreApplication::setApplicationName(QStringLiteral("mousecfg"));
    QCoreApplication::setApplicationVersion(QStringLiteral(MOUSECFG_VERSION));
    // Wayland matches the window to its desktop entry, and so to its icon, by this name.
    QGuiApplication::setDesktopFileName(programDesktopId());
    // The window lives on in the tray while hidden; only "&Quit" ends the program.
    QApplication::setQuitOnLastWindowClosed(false);
    StartupTiming::mark("application object");

    WindowOptions options;
    QString error;
    if (!takeWindowOptions(QCoreApplication::arguments().mid(1), options, &error))
        return usageError(error);
    if (!options.terminal.rest.isEmpty())
        return usageError(QStringLiteral("unknown argument %1").arg(options.terminal.rest.first()));

    // The lock comes before any file is written, so a second copy changes nothing under the first.
    initAppDirectory(options.directories);
    const QString product = productName();
    SingleInstanceLock instance(singleInstanceLockName(product));
    if (!instance.tryAcquire()) {
        if (instance.error() == SingleInstanceLock::Error::HeldElsewhere) {
            showRunningWindow(product);
            if (product.isEmpty())
                std::fputs(kAlreadyRunningUnnamed, stderr);
            else
                std::fprintf(stderr, kAlreadyRunning, qPrintable(product));
            return kExitAlreadyRunning;
        }
        // A lock that cannot be made at all must not keep the program away.
        std::fprintf(stderr, "mousecfg: %s; another copy is not detected\n", qPrintable(instance.errorString()));
    }
    StartupTiming::mark("instance lock");

    QString notice;
    if (!initDirectories(options.directories, &error, &notice)) {
        std::fprintf(stderr, "mousecfg: %s\n", qPrintable(error));
        return 1;
    }
    if (!notice.isEmpty())
        std::fprintf(stderr, "mousecfg: %s\n", qPrintable(notice));
    const StartupNote damaged = checkConfigurationFile();
    if (!damaged.isEmpty())
        std::fprintf(stderr, "mousecfg: %s\n", qPrintable(damaged.text()));
    StartupTiming::mark("folders and Config.ini checked");

    std::unique_ptr<Simulation> simulation;
    std::unique_ptr<HotplugSource> hotplug;
    if (options.simulate) {
        simulation = std::make_unique<Simulation>();
        hotplug = simulation->takeHotplugSource();
    }
    int result = 0;
    {
        MousecfgWidget window(std::move(hotplug));
        // Read again now that the window has installed its language.
        window.noteForUser(damaged.text());
        QObject::connect(&window, &MousecfgWidget::exitRequested, &app, &QCoreApplication::exit);
        const bool probed = qEnvironmentVariableIsSet(kStartupProbeVariable);
        QObject::connect(&window, &MousecfgWidget::firstPainted, &window, [probed] {
            StartupTiming::mark("first paint");
            if (probed) {
                std::printf("%s %lld\n", kFirstPaintLine, static_cast<long long>(StartupTiming::elapsedMs()));
                std::fflush(stdout);
            }
        });
        if (window.connectedMouseCount() != 0) {
            window.setWindowOpacity(1.0);
            window.show();
        }
        window.setWindowTitle(product);
        StartupTiming::mark("window shown");
#if MOUSECFG_BUS_SERVICE
        MouseBusService service(window, options.simulate);
        QString busError;
        if (!service.registerOnSessionBus(&busError) && !busError.isEmpty())
            std::fprintf(stderr, "mousecfg: the session-bus service is not offered: %s\n", qPrintable(busError));
        StartupTiming::mark("session-bus service");
#endif
        // The demo panel follows the window's first paint, so the window is never kept waiting.
        if (simulation) {
            QObject::connect(&window, &MousecfgWidget::firstPainted, &window,
                             [&simulation, &window] { simulation->showPanel(window); });
        }
        result = QApplication::exec();
    }
    return result;
}
