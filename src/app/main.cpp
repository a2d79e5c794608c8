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
#include <cstdio>
#include <memory>

namespace {

const char kUsage[] = "usage: mousecfg [--simulate] [--app-dir DIR] [--config-dir DIR]\n"
                      "  --simulate         run against the virtual mouse, with its demo panel\n"
                      "  --app-dir DIR      the application directory (DefaultProfile.bin, skin/, lang/)\n"
                      "  --config-dir DIR   the configuration directory (Config.ini, profiles, macros)\n"
                      "  --help, --version  this text, the version\n";

} // namespace

int main(int argc, char* argv[])
{
    QElapsedTimer sinceStart;
    sinceStart.start();
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

    QStringList args = QCoreApplication::arguments().mid(1);
    DirectoryOptions directories;
    QString error;
    if (!takeDirectoryOptions(args, directories, &error)) {
        std::fprintf(stderr, "mousecfg: %s\n%s", qPrintable(error), kUsage);
        return 64;
    }
    const bool simulate = args.removeAll(QStringLiteral("--simulate")) > 0;
    if (args.contains(QStringLiteral("--help"))) {
        std::fputs(kUsage, stdout);
        return 0;
    }
    if (args.contains(QStringLiteral("--version"))) {
        std::printf("mousecfg %s\n", MOUSECFG_VERSION);
        return 0;
    }
    if (!args.isEmpty()) {
        std::fprintf(stderr, "mousecfg: unknown argument %s\n%s", qPrintable(args.first()), kUsage);
        return 64;
    }
    QString notice;
    if (!initDirectories(directories, &error, &notice)) {
        std::fprintf(stderr, "mousecfg: %s\n", qPrintable(error));
        return 1;
    }
    if (!notice.isEmpty())
        std::fprintf(stderr, "mousecfg: %s\n", qPrintable(notice));
    const QString damaged = checkConfigurationFile();
    if (!damaged.isEmpty())
        std::fprintf(stderr, "mousecfg: %s\n", qPrintable(damaged));

    const QString product = productName();
    SingleInstanceLock instance(singleInstanceLockName(product));
    // A lock that cannot be made at all (no writable temp folder) must not keep the program away.
    if (!instance.tryAcquire() && instance.error() == SingleInstanceLock::Error::HeldElsewhere)
        return 1;

    std::unique_ptr<Simulation> simulation;
    std::unique_ptr<HotplugSource> hotplug;
    if (simulate) {
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
