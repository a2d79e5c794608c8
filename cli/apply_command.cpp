#include "cli_commands.h"
#include "configuration_send.h"
#include "session/startup.h"

int runApplyCommand(const QStringList& arguments, DeviceSession& session)
{
    QStringList rest = arguments;
    const bool full = takeFullOption(rest);
    if (!rest.isEmpty())
        return badArgument(QStringLiteral("apply takes only --full, not %1").arg(rest.first()));
    ConfigurationPair configuration;
    loadConfigurationReporting(configuration);
    return sendReporting(configuration, full, session);
}
