// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "session/active_window.h"

#include <QObject>
#include <memory>

// "Pick a window": the next window the user clicks, anywhere on the desktop. X11: a grab of the
// pointer with a crosshair cursor and of the keyboard for Escape.
class WindowPicker : public QObject
{
    Q_OBJECT

public:
    using QObject::QObject;

    // Whether picking can work on this desktop at all.
    virtual bool isAvailable() const = 0;
    // Starts waiting for the click; false when the pointer cannot be taken (another program holds
    // it, no X server). Exactly one of picked and cancelled follows a start that succeeded.
    virtual bool start() = 0;
    // Gives the pointer back; cancelled follows when a pick was running.
    virtual void cancel() = 0;
    virtual bool isPicking() const = 0;

signals:
    void picked(const ActiveWindow& window);
    // Escape, a click on no window, or cancel().
    void cancelled();
};

std::unique_ptr<WindowPicker> createWindowPicker();
