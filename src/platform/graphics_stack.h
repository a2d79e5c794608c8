// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// Our windows paint with the raster engine only. Left to itself, the X11 platform plugin loads
// the GL stack with the first window (tens of milliseconds and about 50 MB of mapped libraries)
// to pick its visuals; translucent windows get their ARGB visual without it. Call before the
// application object exists. A user's own QT_XCB_GL_INTEGRATION is kept.
void skipUnusedGraphicsStack();
