// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QtGlobal>

// Where start-up spends its time, step by step, for QT_LOGGING_RULES="mousecfg.startup=true":
// each mark logs the milliseconds since the previous one and since main() began. Marks cost
// nothing worth measuring while the category is off.
namespace StartupTiming {

// The first line of main(); also logs how long the process took to reach it (loading and
// linking the libraries), as far as the system's clock ticks tell.
void begin();
// The step that has just ended, named for the log ("pages built").
void mark(const char* step);
// Milliseconds since begin(); 0 before it.
qint64 elapsedMs();

} // namespace StartupTiming
