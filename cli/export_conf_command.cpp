// SPDX-License-Identifier: GPL-3.0-or-later
#include "cli_commands.h"
#include "cli_output.h"
#include "configuration_send.h"
#include "session/configuration_files.h"
#include "session/startup.h"
#include "window_link.h"

#include <QFileInfo>

namespace {

int reportSaved(const QString& path)
{
    out() << "Configuration saved to " << path << ".\n";
    return kExitOk;
}

} // namespace

int runExportConfCommand(const QStringList& arguments, DeviceSession&)
{
    const QString path = fileArgument(arguments, "export-conf");
    if (path.isEmpty())
        return kExitUsage;
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
    return reportSaved(path);
}

int runExportConfThroughWindow(const QStringList& arguments, WindowLink& window)
{
    const QString path = fileArgument(arguments, "export-conf");
    if (path.isEmpty())
        return kExitUsage;
    const int result =
        window.call(MouseBus::kExportConfiguration, { QFileInfo(path).absoluteFilePath() }, kExitCannotWrite);
    return result == kExitOk ? reportSaved(path) : result;
}
