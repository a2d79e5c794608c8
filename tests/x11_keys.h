// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QList>
#include <QPair>
#include <QProcess>
#include <QSignalSpy>
#include <QStandardPaths>
#include <QStringList>
#include <X11/Xlib.h>
#include <initializer_list>

// Real keys through the X server for the x11 tests, and a window of another program to send
// them to.

constexpr int kReleaseFlag = 0x80;

// Why real keys cannot be sent here (for QSKIP), or nullptr when they can.
inline const char* missingForRealKeys()
{
    if (qEnvironmentVariableIsEmpty("DISPLAY"))
        return "needs an X server";
    if (QStandardPaths::findExecutable(QStringLiteral("xdotool")).isEmpty())
        return "needs xdotool";
    return nullptr;
}

// Real key events through the X server's test extension.
inline bool xdotool(const QStringList& arguments)
{
    return QProcess::execute(QStringLiteral("xdotool"), arguments) == 0;
}

inline bool xdotoolSteps(std::initializer_list<const char*> steps)
{
    for (const char* step : steps) {
        const QString text = QString::fromLatin1(step);
        const bool release = text.startsWith(QLatin1Char('-'));
        if (!xdotool({ release ? QStringLiteral("keyup") : QStringLiteral("keydown"), release ? text.mid(1) : text }))
            return false;
    }
    return true;
}

// A window of another program: its own connection and window, which may hold the input focus.
class ForeignWindow final
{
public:
    ForeignWindow()
        : m_display(XOpenDisplay(nullptr))
    {
        if (!m_display)
            return;
        m_window = XCreateSimpleWindow(m_display, DefaultRootWindow(m_display), 0, 0, 50, 50, 0, 0, 0);
        XSelectInput(m_display, m_window, KeyPressMask | KeyReleaseMask | StructureNotifyMask);
        XMapWindow(m_display, m_window);
        XEvent event;
        do
            XWindowEvent(m_display, m_window, StructureNotifyMask, &event);
        while (event.type != MapNotify);
    }
    ~ForeignWindow()
    {
        if (m_display)
            XCloseDisplay(m_display);
    }
    Q_DISABLE_COPY(ForeignWindow)

    bool isValid() const { return m_display != nullptr; }

    void takeFocus()
    {
        XSetInputFocus(m_display, m_window, RevertToParent, CurrentTime);
        XSync(m_display, False);
    }

    // Key presses the window has received so far.
    int keyPresses()
    {
        XSync(m_display, False);
        XEvent event;
        while (XCheckWindowEvent(m_display, m_window, KeyPressMask | KeyReleaseMask, &event)) {
            if (event.type == KeyPress)
                ++m_presses;
        }
        return m_presses;
    }

    // Whether another client holds the keyboard: our own grab is then refused.
    bool keyboardGrabbedElsewhere()
    {
        const int status = XGrabKeyboard(m_display, m_window, False, GrabModeAsync, GrabModeAsync, CurrentTime);
        if (status == GrabSuccess)
            XUngrabKeyboard(m_display, CurrentTime);
        XSync(m_display, False);
        return status == AlreadyGrabbed;
    }

private:
    Display* m_display;
    Window m_window = 0;
    int m_presses = 0;
};

// Every key event a dialog's capture saw, as (key code, flags).
inline QList<QPair<int, int>> seen(const QSignalSpy& spy)
{
    QList<QPair<int, int>> events;
    for (const QList<QVariant>& arguments : spy)
        events.append({ arguments.at(0).toInt(), arguments.at(1).toInt() });
    return events;
}
