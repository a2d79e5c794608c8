#include "cli_commands.h"
#include "cli_output.h"
#include "configuration_send.h"
#include "storage/app_config.h"
#include "storage/profile_files.h"

int runExportConfCommand(const QStringList& arguments, DeviceSession&)
{
    if (arguments.size() != 1) {
        return kExitUsage;
    }
    const QString path = arguments.first();
    CliConfiguration configuration;
    loadStartupConfiguration(configuration);
    if (writeProductTag(currentProductName(), path) != StorageResult::Ok ||
        exportConfiguration(configuration.working, path) != StorageResult::Ok) {
        err() << "Cannot write the configuration file " << path << ".\n";
        return kExitBadFile;
    }
    out() << "Configuration saved to " << path << ".\n";
    return kExitOk;
}
