// SPDX-License-Identifier: GPL-3.0-or-later
#include "cli_commands.h"
#include "cli_options.h"
#include "cli_output.h"
#include "device_session.h"
#include "log_categories.h"
#include "session/startup.h"

#include <QCoreApplication>
#include <algorithm>

namespace {

const char kGlobalUsage[] = "usage: mousecfg-cli [--simulate] [--trace FILE] [--app-dir DIR] [--config-dir DIR] ";

const char kOptionsHelp[] = R"(
Sends and reads the mouse's configuration without the window.
  --simulate         talk to the virtual mouse instead of a real one
  --trace FILE       with --simulate: write every report to FILE, started afresh
  --app-dir DIR      the application directory (DefaultProfile.bin, defaults/, lang/)
  --config-dir DIR   the configuration directory (Config.ini, profiles, macros)
  --help, --version  this text, the version

)";
constexpr int kHelpColumn = 21; // where the descriptions start, as in the options above

const char kExitCodesHelp[] = R"(
Exit codes:
  0  done
  1  no mouse
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
