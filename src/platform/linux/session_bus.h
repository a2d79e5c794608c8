// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// Whether a session bus is announced. Without an address libdbus would start a bus of its own
// for the X display (autolaunch): nothing of ours is worth a new daemon, nor the wait for it.
bool sessionBusAvailable();
