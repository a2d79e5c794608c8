#include "cli_commands.h"

const std::vector<CliCommand>& cliCommands()
{
    static const std::vector<CliCommand> commands = {
        { "devices", "", runDevicesCommand },
        { "select-profile", "N", runSelectProfileCommand },
        { "battery", "", runBatteryCommand },
        { "apply", "[--full]", runApplyCommand },
        { "import-conf", "FILE [--full]", runImportConfCommand },
        { "export-conf", "FILE", runExportConfCommand },
    };
    return commands;
}
