// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QVector>

// clang-format off
// Xlib's macros (None, Status, KeyPress) must come after every Qt header.
#include <X11/Xlib.h>
#include <X11/Xatom.h>
// clang-format on

// What the x11 tests read off the server on a connection of their own.

struct DisplayConnection
{
    Display* display = XOpenDisplay(nullptr);
    ~DisplayConnection()
    {
        if (display)
            XCloseDisplay(display);
    }
    DisplayConnection() = default;
    DisplayConnection(const DisplayConnection&) = delete;
    DisplayConnection& operator=(const DisplayConnection&) = delete;
};

// The values of a 32-bit property (cardinals, windows, atoms), empty when the window lacks it.
inline QVector<unsigned long> cardinals(Display* display, Window window, const char* property, Atom type)
{
    Atom actualType = 0;
    int format = 0;
    unsigned long count = 0;
    unsigned long remaining = 0;
    unsigned char* data = nullptr;
    QVector<unsigned long> values;
    if (XGetWindowProperty(display, window, XInternAtom(display, property, False), 0, 1024, False, type, &actualType,
                           &format, &count, &remaining, &data) == Success &&
        data) {
        if (format == 32) {
            const auto* items = reinterpret_cast<const unsigned long*>(data);
            values = QVector<unsigned long>(items, items + count);
        }
        XFree(data);
    }
    return values;
}
