// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QRect>
#include <QSize>

class QWidget;

// Where popups may go. Where the desktop tells programs where their windows are (X11, Windows),
// that is the screen's available area. Wayland tells no window its position: a popup lands
// relative to its window, so only the window's own rectangle is known to be on screen.

bool windowPositionsKnown();

// Tests pretend one kind of desktop or the other while one lives.
class ScopedWindowPositions final
{
public:
    explicit ScopedWindowPositions(bool known);
    ~ScopedWindowPositions();
    ScopedWindowPositions(const ScopedWindowPositions&) = delete;
    ScopedWindowPositions& operator=(const ScopedWindowPositions&) = delete;

private:
    int m_saved;
};

// In global coordinates, for a popup opened from anchor (a button, or the menu a submenu opens
// from).
QRect popupArea(const QWidget* anchor);

// A popup of size wanted dropped from the anchor rectangle: below it when it fits in area, else
// above, else on the side with more room; never taller than area (the menu scrolls) and moved
// sideways into it. An empty anchor only keeps the popup at its top-left within area.
QRect placePopup(const QRect& anchor, const QSize& wanted, const QRect& area);
