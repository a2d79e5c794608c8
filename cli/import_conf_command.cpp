#include "cli_commands.h"
#include "cli_output.h"
#include "configuration_send.h"
#include "session/configuration_files.h"
#include "session/startup.h"

int runImportConfCommand(const QStringList& arguments, DeviceSession& session)
{
    QStringList rest = arguments;
    const bool full = takeFullOption(rest);
    if (rest.size() != 1)
        return badArgument(QStringLiteral("import-conf takes one configuration file"));
    const QString path = rest.first();
    if (path.isEmpty())
        return badArgument(QStringLiteral("import-conf needs a file name, not an empty one"));
    // Checked before the stored configuration is touched, so a refused file changes nothing.
    const ConfigFileResult checked = checkImportSource(path);
    if (!checked.ok()) {
        err() << checked.message() << '\n';
        return kExitBadFile;
    }
    ConfigurationPair configuration;
    loadConfigurationReporting(configuration);
    const ConfigFileResult imported = importConfigurationFile(configuration.working, path);
    if (!imported.ok()) {
        err() << imported.message() << '\n';
        return kExitBadFile;
    }
    for (const QString& repair : imported.repairs)
        err() << repair << '\n';
    return sendReporting(configuration, full, session);
}
