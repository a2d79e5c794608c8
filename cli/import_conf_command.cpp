#include "cli_commands.h"
#include "cli_output.h"
#include "configuration_send.h"
#include "storage/app_config.h"
#include "storage/profile_files.h"

#include <QFileInfo>

int runImportConfCommand(const QStringList& arguments, DeviceSession& session)
{
    QStringList rest = arguments;
    const bool full = takeFullOption(rest);
    if (rest.size() != 1) {
        return kExitUsage;
    }
    const QString path = rest.first();
    if (!QFileInfo(path).isFile()) {
        err() << "No configuration file " << path << ".\n";
        return kExitBadFile;
    }
    CliConfiguration configuration;
    loadStartupConfiguration(configuration);
    // The window ignores another product's file silently; here the user is told why nothing happened.
    const QString product = readProductTag(path);
    if (product != currentProductName()) {
        err() << "The file is not match current mouse! (" << path << " is for \"" << product << "\", this is \""
              << currentProductName() << "\")\n";
        return kExitBadFile;
    }
    if (importConfiguration(configuration.working, path) == StorageResult::MalformedFile) {
        err() << kMalformedImportMessage << '\n';
        return kExitBadFile;
    }
    return sendConfiguration(configuration, full, session);
}
