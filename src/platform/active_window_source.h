// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "session/active_window.h"

#include <QObject>
#include <memory>

// Which window is in front, as the desktop announces it. X11: the root window's
// _NET_ACTIVE_WINDOW, watched on a connection of its own. A Wayland session tells no program
// (XWayland only knows its own clients, which is no answer), nor does an X server without a
// window manager that keeps the property; the source is then unavailable and never signals.
class ActiveWindowSource : public QObject
{
    Q_OBJECT

public:
    using QObject::QObject;

    // Whether this desktop says which window is active; it may start to once a window manager
    // comes up.
    virtual bool isAvailable() const = 0;
    // The window in front now; an empty one (id 0) when there is none or the source is unavailable.
    virtual ActiveWindow current() const = 0;

signals:
    // Another window came to the front.
    void activeWindowChanged(const ActiveWindow& window);
    void availabilityChanged(bool available);
};

// The source of this platform and desktop.
std::unique_ptr<ActiveWindowSource> createActiveWindowSource();
