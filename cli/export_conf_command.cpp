#include "cli_commands.h"
#include "cli_output.h"
#include "configuration_send.h"
#include "session/configuration_files.h"
#include "session/startup.h"

int runExportConfCommand(const QStringList& arguments, DeviceSession&)
{
    if (arguments.size() != 1)
        return badArgument(QStringLiteral("export-conf takes one configuration file"));
    const QString path = arguments.first();
    if (path.isEmpty())
        return badArgument(QStringLiteral("export-conf needs a file name, not an empty one"));
    // A FIFO or a device node is refused before anything is read or written.
    const ConfigFileResult target = checkExportTarget(path);
    if (!target.ok()) {
        err() << target.message() << '\n';
        return kExitCannotWrite;
    }
    ConfigurationPair configuration;
    loadConfigurationReporting(configuration);
    const ConfigFileResult exported = exportConfigurationFile(configuration.working, path);
    if (!exported.ok()) {
        err() << exported.message() << '\n';
        return kExitCannotWrite;
    }
    out() << "Configuration saved to " << path << ".\n";
    return kExitOk;
}
