// SPDX-License-Identifier: GPL-3.0-or-later
#include "cli_commands.h"
#include "cli_options.h"
#include "cli_output.h"
#include "device_session.h"
#include "log_categories.h"
#include "session/startup.h"
#include "window_link.h"

#include <QCoreApplication>
#include <QFile>
#include <algorithm>

namespace {

const char kGlobalUsage[] =
    "usage: mousecfg-cli [--simulate] [--trace FILE] [--direct] [--verbose] [--app-dir DIR] [--config-dir DIR] ";

const char kOptionsHelp[] = R"(
Sends and reads the mouse's configuration. While the window (mousecfg) runs, it is the one
that talks to the mouse: the commands below that need the mouse, and status and watch, are
carried out by it over the session bus.
  --simulate         talk to the virtual mouse instead of a real one
  --trace FILE       with --simulate: write every report to FILE, started afresh
  --direct           open the mouse even where the running window would do it
                     (refused while the window runs: it holds the mouse)
  --verbose          say on stderr when the running window carries the command out
  --app-dir DIR      the application directory (DefaultProfile.bin, defaults/, lang/)
  --config-dir DIR   the configuration directory (Config.ini, profiles, macros)
  --help, --version  this text, the version

)";
constexpr int kHelpColumn = 21; // where the descriptions start, as in the options above

const char kExitCodesHelp[] = R"(
Exit codes:
  0  done
  1  no mouse (or the running window holds it: busy, or --direct while it runs)
  2  the mouse did not confirm a report after the retries
  3  an input file of another product, damaged or unreadable
  4  a write to the mouse failed
  5  the mouse is asleep
  6  a file could not be written (the message names it)
  64 a bad argument

Diagnostics: QT_LOGGING_RULES="mousecfg.*=true" (or one area, such as mousecfg.transport).
)";

QString commandWithArguments(const CliCommand& command)
{
    const QString arguments = QString::fromLatin1(command.arguments);
    return QString::fromLatin1(command.name) + (arguments.isEmpty() ? QString() : QLatin1Char(' ') + arguments);
}

// The command list comes from the command table, so that no command is left out.
QString helpText()
{
    QString text = QLatin1String(kOptionsHelp);
    for (const CliCommand& command : cliCommands()) {
        const QString call = QStringLiteral("  ") + commandWithArguments(command);
        text += call.leftJustified(kHelpColumn - 2) + QLatin1String("  ") + QLatin1String(command.summary) +
                QLatin1Char('\n');
    }
    return text + QLatin1String(kExitCodesHelp);
}

QString usageLine()
{
    QStringList commands;
    for (const CliCommand& command : cliCommands())
        commands << commandWithArguments(command);
    return QLatin1String(kGlobalUsage) + QLatin1Char('{') + commands.join(QLatin1String(" | ")) + QLatin1Char('}');
}

int usageError(const QString& error)
{
    if (!error.isEmpty())
        err() << "mousecfg-cli: " << error << '\n';
    err() << usageLine() << '\n';
    return kExitUsage;
}

// With --simulate and --trace, the trace is started afresh even when the window does the work:
// the empty file says that this command never opened the virtual mouse.
bool startEmptyTrace(const CliOptions& options)
{
    if (!options.simulate || !options.traceFromOption)
        return true;
    QFile trace(options.traceFile);
    return trace.open(QIODevice::WriteOnly | QIODevice::Truncate);
}

// Runs the command through the running window when one answers; -1 to go on and open the mouse.
int runThroughRunningWindow(const CliCommand& command, const CliOptions& options)
{
    if (!command.throughWindow)
        return -1;
    WindowLink window;
    if (!window.connect(options)) {
        if (command.run)
            return -1;
        err() << "mousecfg-cli: " << command.name << " asks the running window, and none answers on the session bus.\n";
        return kExitNoDevice;
    }
    if (options.direct && command.run) {
        err() << "mousecfg-cli: the window (mousecfg) is running and holds the mouse; --direct is refused while it "
                 "runs. Leave it out to have the window carry the command out, or quit the window.\n";
        return kExitNoDevice;
    }
    if (options.verbose)
        err() << "mousecfg-cli: carried out by the running window over the session bus.\n";
    if (!startEmptyTrace(options)) {
        err() << "mousecfg-cli: cannot write the trace file " << options.traceFile << '\n';
        return kExitCannotWrite;
    }
    return command.throughWindow(options.arguments, window);
}

} // namespace

int main(int argc, char* argv[])
{
    QCoreApplication application(argc, argv);
    QCoreApplication::setApplicationName(QStringLiteral("mousecfg-cli"));
    QCoreApplication::setApplicationVersion(QStringLiteral(MOUSECFG_VERSION));
    QStringList args = QCoreApplication::arguments();
    args.removeFirst();

    CliOptions options;
    QString error;
    if (!parseCliOptions(args, options, &error))
        return usageError(error);
    if (options.help) {
        out() << usageLine() << '\n' << helpText();
        return kExitOk;
    }
    if (options.version) {
        out() << "mousecfg-cli " << QCoreApplication::applicationVersion() << '\n';
        return kExitOk;
    }
    const auto& commands = cliCommands();
    const auto command = std::find_if(commands.begin(), commands.end(), [&](const CliCommand& candidate) {
        return options.command == QLatin1String(candidate.name);
    });
    if (command == commands.end())
        return usageError(options.command.isEmpty() ? QStringLiteral("no command given")
                                                    : QStringLiteral("unknown command %1").arg(options.command));

    QString notice;
    if (!initDirectories(options.directories, &error, &notice)) {
        err() << "mousecfg-cli: " << error << '\n';
        return kExitCannotWrite;
    }
    if (!notice.isEmpty())
        err() << "mousecfg-cli: " << notice << '\n';
    const StartupNote repaired = checkConfigurationFile();
    if (!repaired.isEmpty())
        err() << "mousecfg-cli: " << repaired.text() << '\n';

    const int throughWindow = runThroughRunningWindow(*command, options);
    if (throughWindow >= 0) {
        qCDebug(lcCli) << "command" << options.command << "through the window, exit code" << throughWindow;
        if (throughWindow == kExitUsage)
            err() << usageLine() << '\n';
        return throughWindow;
    }

    DeviceSession session(options);
    if (const int started = session.start(&error)) {
        err() << "mousecfg-cli: " << error << '\n';
        return started;
    }
    const int result = command->run(options.arguments, session);
    qCDebug(lcCli) << "command" << options.command << "exit code" << result;
    if (result == kExitUsage)
        err() << usageLine() << '\n';
    return result;
}
