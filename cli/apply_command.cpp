// SPDX-License-Identifier: GPL-3.0-or-later
#include "cli_commands.h"
#include "configuration_send.h"
#include "session/startup.h"
#include "window_link.h"

namespace {

// Whether the arguments are only --full, with *full set; else the message is printed.
bool applyArguments(QStringList arguments, bool* full)
{
    *full = takeFullOption(arguments);
    if (arguments.isEmpty())
        return true;
    badArgument(QStringLiteral("apply takes only --full, not %1").arg(arguments.first()));
    return false;
}

} // namespace

int runApplyCommand(const QStringList& arguments, DeviceSession& session)
{
    bool full = false;
    if (!applyArguments(arguments, &full))
        return kExitUsage;
    ConfigurationPair configuration;
    loadConfigurationReporting(configuration);
    return sendReporting(configuration, full, session);
}

int runApplyThroughWindow(const QStringList& arguments, WindowLink& window)
{
    bool full = false;
    if (!applyArguments(arguments, &full))
        return kExitUsage;
    return sendThroughWindow(window, MouseBus::kApply, {}, full);
}
