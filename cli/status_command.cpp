// SPDX-License-Identifier: GPL-3.0-or-later
#include "cli_commands.h"
#include "cli_output.h"
#include "window_link.h"
#include "window_state_output.h"

int runStatusThroughWindow(const QStringList& arguments, WindowLink& window)
{
    bool json = false;
    if (!takeOnlyOption(arguments, "status", kJsonOption, &json))
        return kExitUsage;
    if (json)
        out() << statusJson(window.properties()) << '\n';
    else
        out() << statusText(window.properties());
    return kExitOk;
}
