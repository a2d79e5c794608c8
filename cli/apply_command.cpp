// SPDX-License-Identifier: GPL-3.0-or-later
#include "cli_commands.h"
#include "configuration_send.h"
#include "session/startup.h"
#include "window_link.h"

int runApplyCommand(const QStringList& arguments, DeviceSession& session)
{
    bool full = false;
    if (!takeOnlyOption(arguments, "apply", kFullOption, &full))
        return kExitUsage;
    ConfigurationPair configuration;
    loadConfigurationReporting(configuration);
    return sendReporting(configuration, full, session);
}

int runApplyThroughWindow(const QStringList& arguments, WindowLink& window)
{
    bool full = false;
    if (!takeOnlyOption(arguments, "apply", kFullOption, &full))
        return kExitUsage;
    return sendThroughWindow(window, MouseBus::kApply, {}, full);
}
