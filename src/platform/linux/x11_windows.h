// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "session/active_window.h"

// After the toolkit's meta types (in the header above): Xlib defines Bool.
#include <X11/Xlib.h>

// What the active-window source and the window picker read off X windows, on connections of
// their own.

// On a Wayland desktop an X connection reaches XWayland, which knows only X clients.
bool onWaylandDesktop();

// Opens a connection to $DISPLAY whose errors (a window gone between two requests) are ignored
// instead of ending the program; null when there is no X server. Close it with closeDisplay.
Display* openQuietDisplay();
void closeDisplay(Display* display);

// Its WM_CLASS names and the base name of the executable of its _NET_WM_PID, where it has them.
ActiveWindow describeWindow(Display* display, Window window);

// The client window in a top-level one: a window manager's frame holds it somewhere below, marked
// by WM_STATE. The top-level window itself when none is marked.
Window clientWindowOf(Display* display, Window topLevel);

// Whether the running window manager announces _NET_ACTIVE_WINDOW in _NET_SUPPORTED.
bool supportsActiveWindow(Display* display);
