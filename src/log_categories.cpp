// SPDX-License-Identifier: GPL-3.0-or-later
#include "log_categories.h"

Q_LOGGING_CATEGORY(lcDevice, "mousecfg.device", QtInfoMsg)
Q_LOGGING_CATEGORY(lcTransport, "mousecfg.transport", QtInfoMsg)
Q_LOGGING_CATEGORY(lcMonitor, "mousecfg.monitor", QtInfoMsg)
Q_LOGGING_CATEGORY(lcStorage, "mousecfg.storage", QtInfoMsg)
Q_LOGGING_CATEGORY(lcSession, "mousecfg.session", QtInfoMsg)
Q_LOGGING_CATEGORY(lcPlatform, "mousecfg.platform", QtInfoMsg)
Q_LOGGING_CATEGORY(lcSim, "mousecfg.sim", QtInfoMsg)
Q_LOGGING_CATEGORY(lcCli, "mousecfg.cli", QtInfoMsg)
Q_LOGGING_CATEGORY(lcUi, "mousecfg.ui", QtInfoMsg)
Q_LOGGING_CATEGORY(lcStartup, "mousecfg.startup", QtInfoMsg)
