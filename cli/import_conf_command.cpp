// SPDX-License-Identifier: GPL-3.0-or-later
#include "cli_commands.h"
#include "cli_output.h"
#include "configuration_send.h"
#include "session/configuration_files.h"
#include "session/startup.h"
#include "window_link.h"

#include <QFileInfo>

namespace {

// The file to import, or empty after printing why the arguments are wrong; *full for --full.
QString importArguments(QStringList arguments, bool* full)
{
    *full = takeFullOption(arguments);
    return fileArgument(arguments, "import-conf");
}

} // namespace

int runImportConfCommand(const QStringList& arguments, DeviceSession& session)
{
    bool full = false;
    const QString path = importArguments(arguments, &full);
    if (path.isEmpty())
        return kExitUsage;
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

int runImportConfThroughWindow(const QStringList& arguments, WindowLink& window)
{
    bool full = false;
    const QString path = importArguments(arguments, &full);
    if (path.isEmpty())
        return kExitUsage;
    // The window has a folder of its own: it is given the file, not the name.
    return sendThroughWindow(window, MouseBus::kImportConfiguration, { QFileInfo(path).absoluteFilePath() }, full);
}
