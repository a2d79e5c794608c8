// SPDX-License-Identifier: GPL-3.0-or-later
#include "cli_commands.h"
#include "cli_output.h"
#include "device/transport.h"
#include "device/upload.h"

const std::vector<CliCommand>& cliCommands()
{
    static const std::vector<CliCommand> commands = {
        { "devices", "[--json]", "the mouse interfaces found", runDevicesCommand, nullptr },
        { "select-profile", "N", "switch the mouse to on-board profile N (1..5)", runSelectProfileCommand,
          runSelectProfileThroughWindow },
        { "battery", "[--json]", "one battery reading: level, millivolts, charging", runBatteryCommand,
          runBatteryThroughWindow },
        { "apply", "[--full]", "send what changed since the last upload (everything with --full)", runApplyCommand,
          runApplyThroughWindow },
        { "import-conf", "FILE [--full]", "load a configuration file and send it", runImportConfCommand,
          runImportConfThroughWindow },
        { "export-conf", "FILE", "save the configuration to FILE (a regular file or a new one)", runExportConfCommand,
          runExportConfThroughWindow },
        { "dpi", "[--json]", "the current profile's DPI stages, the active one marked", runDpiCommand,
          runDpiThroughWindow },
        { "status", "[--json]", "the running window's view of the mouse, once", nullptr, runStatusThroughWindow },
        { "watch", "[--json]", "one line per change the running window sees, until interrupted", nullptr,
          runWatchThroughWindow },
        { "app-profiles", "[--json]",
          "the rules by which the running window switches profiles with the application in front",
          runAppProfilesCommand, nullptr },
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
