#include "cli_commands.h"
#include "cli_output.h"
#include "device/transport.h"
#include "device/upload.h"

const std::vector<CliCommand>& cliCommands()
{
    static const std::vector<CliCommand> commands = {
        { "devices", "", runDevicesCommand },
        { "select-profile", "N", runSelectProfileCommand },
        { "battery", "", runBatteryCommand },
        { "apply", "[--full]", runApplyCommand },
        { "import-conf", "FILE [--full]", runImportConfCommand },
        { "export-conf", "FILE", runExportConfCommand },
        { "dpi", "", runDpiCommand },
    };
    return commands;
}

int exitCodeForResult(int result)
{
    switch (result) {
        case kTransportOk:
            return kExitOk;
        case kTransportNoDevice:
            return kExitNoDevice;
        case kTransportWriteFailed:
            return kExitWriteFailed;
        case kUploadMouseOff:
            return kExitMouseAsleep;
        default:
            return kExitNotConfirmed;
    }
}

int badArgument(const QString& text)
{
    err() << "mousecfg-cli: " << text << '\n';
    return kExitUsage;
}
