// SPDX-License-Identifier: GPL-3.0-or-later
#include "log_categories.h"
#include "platform/linux/x11_windows.h"
#include "platform/window_picker.h"

#include <QSocketNotifier>
#include <X11/XKBlib.h>
#include <X11/cursorfont.h>
#include <X11/keysym.h>

namespace {

// The grabs live on a connection of their own, opened for one pick: the toolkit's connection
// keeps serving our windows meanwhile, and closing ours ends the grabs whatever happens.
class X11WindowPicker final : public WindowPicker
{
public:
    ~X11WindowPicker() override { release(); }

    bool isAvailable() const override { return !onWaylandDesktop() && !qEnvironmentVariableIsEmpty("DISPLAY"); }
    bool start() override;
    void cancel() override;
    bool isPicking() const override { return m_display != nullptr; }

private:
    void readEvents();
    void release();

    Display* m_display = nullptr;
    Cursor m_cursor = 0;
    QSocketNotifier* m_notifier = nullptr;
};

bool X11WindowPicker::start()
{
    if (isPicking() || !isAvailable())
        return false;
    m_display = openQuietDisplay();
    if (!m_display)
        return false;
    const Window root = XDefaultRootWindow(m_display);
    m_cursor = XCreateFontCursor(m_display, XC_crosshair);
    const int pointer = XGrabPointer(m_display, root, False, ButtonPressMask | ButtonReleaseMask, GrabModeAsync,
                                     GrabModeAsync, None, m_cursor, CurrentTime);
    if (pointer != GrabSuccess) {
        qCDebug(lcPlatform) << "the pointer could not be taken for picking a window:" << pointer;
        release();
        return false;
    }
    // Without the keyboard Escape still reaches our dialog, which cancels the pick itself.
    if (XGrabKeyboard(m_display, root, False, GrabModeAsync, GrabModeAsync, CurrentTime) != GrabSuccess)
        qCDebug(lcPlatform) << "picking a window without the keyboard";
    XFlush(m_display);
    m_notifier = new QSocketNotifier(ConnectionNumber(m_display), QSocketNotifier::Read, this);
    connect(m_notifier, &QSocketNotifier::activated, this, &X11WindowPicker::readEvents);
    return true;
}

void X11WindowPicker::cancel()
{
    if (!isPicking())
        return;
    release();
    emit cancelled();
}

void X11WindowPicker::readEvents()
{
    while (m_display && XPending(m_display)) {
        XEvent event;
        XNextEvent(m_display, &event);
        if (event.type == KeyPress && XkbKeycodeToKeysym(m_display, KeyCode(event.xkey.keycode), 0, 0) == XK_Escape) {
            cancel();
            return;
        }
        if (event.type != ButtonPress)
            continue;
        // The pointer was grabbed on the root: the window under it is the top-level child named.
        const Window topLevel = event.xbutton.subwindow;
        if (topLevel == 0) {
            cancel();
            return;
        }
        const ActiveWindow window = describeWindow(m_display, clientWindowOf(m_display, topLevel));
        release();
        qCDebug(lcPlatform) << "picked" << window.instanceName << window.className << window.executableName;
        emit picked(window);
        return;
    }
}

void X11WindowPicker::release()
{
    delete m_notifier;
    m_notifier = nullptr;
    if (!m_display)
        return;
    XUngrabKeyboard(m_display, CurrentTime);
    XUngrabPointer(m_display, CurrentTime);
    if (m_cursor)
        XFreeCursor(m_display, m_cursor);
    m_cursor = 0;
    closeDisplay(m_display);
    m_display = nullptr;
}

} // namespace

std::unique_ptr<WindowPicker> createWindowPicker()
{
    return std::make_unique<X11WindowPicker>();
}
