#include "cli_commands.h"
#include "cli_options.h"
#include "cli_output.h"
#include "device_session.h"

#include <QCoreApplication>
#include <QLoggingCategory>
#include <algorithm>

namespace {

// The device link's diagnostics are debug lines; a command line shows them only when asked to.
const char kDebugVariable[] = "MOUSECFG_DEBUG";

const char kGlobalUsage[] = "usage: mousecfg-cli [--simulate] [--trace FILE] [--app-dir DIR] [--config-dir DIR] ";

void printUsage()
{
    QStringList commands;
    for (const CliCommand& command : cliCommands()) {
        const QString arguments = QString::fromLatin1(command.arguments);
        commands << QString::fromLatin1(command.name) +
                        (arguments.isEmpty() ? QString() : QLatin1Char(' ') + arguments);
    }
    err() << kGlobalUsage << "{" << commands.join(QLatin1String(" | ")) << "}\n";
}

} // namespace

int main(int argc, char* argv[])
{
    QCoreApplication application(argc, argv);
    if (!qEnvironmentVariableIsSet(kDebugVariable))
        QLoggingCategory::setFilterRules(QStringLiteral("default.debug=false"));
    QStringList args = QCoreApplication::arguments();
    args.removeFirst();

    CliOptions options;
    QString error;
    if (!parseCliOptions(args, options, &error)) {
        err() << "mousecfg-cli: " << error << '\n';
        printUsage();
        return kExitUsage;
    }
    const auto& commands = cliCommands();
    const auto command = std::find_if(commands.begin(), commands.end(), [&](const CliCommand& candidate) {
        return options.command == QLatin1String(candidate.name);
    });
    if (command == commands.end()) {
        if (!options.command.isEmpty())
            err() << "mousecfg-cli: unknown command " << options.command << '\n';
        printUsage();
        return kExitUsage;
    }
    if (!initDirectories(options.directories, &error)) {
        err() << "mousecfg-cli: " << error << '\n';
        return kExitNoDevice;
    }

    DeviceSession session(options);
    if (!session.start(&error)) {
        err() << "mousecfg-cli: " << error << '\n';
        return kExitNoDevice;
    }
    const int result = command->run(options.arguments, session);
    if (result == kExitUsage)
        printUsage();
    return result;
}
