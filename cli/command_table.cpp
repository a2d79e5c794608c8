// SPDX-License-Identifier: GPL-3.0-or-later
#include "cli_commands.h"
#include "cli_output.h"
#include "device/transport.h"
#include "device/upload.h"

const std::vector<CliCommand>& cliCommands()
{
    static const std::vector<CliCommand> commands = {
        { "devices", "", "the mouse interfaces found", runDevicesCommand },
        { "select-profile", "N", "switch the mouse to on-board profile N (1..5)", runSelectProfileCommand },
        { "battery", "", "one battery reading: level, millivolts, charging", runBatteryCommand },
        { "apply", "[--full]", "send what changed since the last upload (everything with --full)", runApplyCommand },
        { "import-conf", "FILE [--full]", "load a configuration file and send it", runImportConfCommand },
        { "export-conf", "FILE", "save the configuration to FILE (a regular file or a new one)", runExportConfCommand },
        { "dpi", "", "the current profile's DPI stages, the active one marked", runDpiCommand },
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
