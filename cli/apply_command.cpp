#include "cli_commands.h"
#include "configuration_send.h"

int runApplyCommand(const QStringList& arguments, DeviceSession& session)
{
    QStringList rest = arguments;
    const bool full = takeFullOption(rest);
    if (!rest.isEmpty()) {
        return kExitUsage;
    }
    CliConfiguration configuration;
    loadStartupConfiguration(configuration);
    return sendConfiguration(configuration, full, session);
}
