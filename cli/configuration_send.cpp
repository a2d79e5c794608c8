#include "configuration_send.h"

#include "cli_commands.h"
#include "cli_output.h"
#include "device/upload.h"
#include "device_session.h"
#include "storage/app_config.h"
#include "storage/profile_files.h"

namespace {

const QString kFullOption = QStringLiteral("--full");

} // namespace

void loadStartupConfiguration(CliConfiguration& configuration)
{
    // First run: the product folder and its profile list are made before anything reads them.
    if (ensureProductFolder() != StorageResult::Ok)
        err() << "Could not create the product folder " << productFolder() << "; using defaults.\n";
    loadConfiguration(configuration.lastUploaded);
    configuration.working = configuration.lastUploaded;
    writeDefaultProfileFile();
}

bool takeFullOption(QStringList& arguments)
{
    return arguments.removeAll(kFullOption) > 0;
}

int sendConfiguration(CliConfiguration& configuration, bool full, DeviceSession& session)
{
    if (!session.openProduct()) {
        err() << "No mouse connected.\n";
        return kExitNoDevice;
    }
    // The command line runs no monitor thread, so nothing needs stopping around the upload.
    TarqProcessThread thread(configuration.working, configuration.lastUploaded);
    thread.setForceFull(full);
    thread.start();
    thread.wait();
    const int result = thread.result();
    if (result == kUploadMouseOff) {
        err() << "Mouse is sleeping or not connected.\n";
    } else if (result != 0) {
        err() << "Send data failed, please try again. (transport result " << result << ")\n";
    } else if (thread.sentFlags() == ChangeFlag::None) {
        out() << "Nothing changed since the last upload; nothing sent.\n";
    } else {
        out() << "Configuration sent.\n";
    }
    return result;
}
