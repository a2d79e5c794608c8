// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// From now on an interrupt (SIGINT, SIGTERM) ends the event loop of the application with code 0
// instead of the process, so that what runs in it ends cleanly: output flushed, bus left.
void quitOnInterrupt();
