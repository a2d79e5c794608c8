// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QLoggingCategory>

// One category per area, so a user turns on just the part that misbehaves:
// QT_LOGGING_RULES="mousecfg.monitor=true", or "mousecfg.*=true" for everything. Debug lines are
// off by default; warnings that a user must act on (a device node without permission) stay on.
Q_DECLARE_LOGGING_CATEGORY(lcDevice)
Q_DECLARE_LOGGING_CATEGORY(lcTransport)
Q_DECLARE_LOGGING_CATEGORY(lcMonitor)
Q_DECLARE_LOGGING_CATEGORY(lcStorage)
Q_DECLARE_LOGGING_CATEGORY(lcSession)
Q_DECLARE_LOGGING_CATEGORY(lcPlatform)
Q_DECLARE_LOGGING_CATEGORY(lcSim)
Q_DECLARE_LOGGING_CATEGORY(lcCli)
Q_DECLARE_LOGGING_CATEGORY(lcUi)
// The milliseconds of each start-up step: QT_LOGGING_RULES="mousecfg.startup=true".
Q_DECLARE_LOGGING_CATEGORY(lcStartup)
