// SPDX-License-Identifier: GPL-3.0-or-later
#include "log_categories.h"
#include "platform/active_window_source.h"
#include "platform/linux/x11_windows.h"

#include <QSocketNotifier>
#include <X11/Xatom.h>

namespace {

// The root window's property changes arrive on a connection of our own, read when its socket
// has data: the source costs nothing while the focus stays.
class X11ActiveWindowSource final : public ActiveWindowSource
{
public:
    X11ActiveWindowSource();
    ~X11ActiveWindowSource() override { closeDisplay(m_display); }

    bool isAvailable() const override { return m_available; }
    ActiveWindow current() const override { return m_current; }

private:
    void readEvents();
    void takeQueuedEvents();
    ActiveWindow readActiveWindow() const;

    Display* m_display = nullptr;
    Atom m_activeAtom = 0;
    Atom m_supportedAtom = 0;
    bool m_available = false;
    ActiveWindow m_current;
};

X11ActiveWindowSource::X11ActiveWindowSource()
{
    qRegisterMetaType<ActiveWindow>();
    if (onWaylandDesktop()) {
        qCDebug(lcPlatform) << "a Wayland desktop says no program which window is active";
        return;
    }
    m_display = openQuietDisplay();
    if (!m_display) {
        qCDebug(lcPlatform) << "no X server to ask for the active window";
        return;
    }
    m_activeAtom = XInternAtom(m_display, "_NET_ACTIVE_WINDOW", False);
    m_supportedAtom = XInternAtom(m_display, "_NET_SUPPORTED", False);
    XSelectInput(m_display, XDefaultRootWindow(m_display), PropertyChangeMask);
    m_available = supportsActiveWindow(m_display);
    if (m_available)
        m_current = readActiveWindow();
    qCDebug(lcPlatform) << "the window manager" << (m_available ? "announces" : "does not announce")
                        << "the active window";
    auto* notifier = new QSocketNotifier(ConnectionNumber(m_display), QSocketNotifier::Read, this);
    connect(notifier, &QSocketNotifier::activated, this, &X11ActiveWindowSource::readEvents);
    // Replies to the requests above may have brought events along.
    readEvents();
}

ActiveWindow X11ActiveWindowSource::readActiveWindow() const
{
    Atom actualType = 0;
    int format = 0;
    unsigned long count = 0;
    unsigned long remaining = 0;
    unsigned char* data = nullptr;
    Window window = 0;
    if (XGetWindowProperty(m_display, XDefaultRootWindow(m_display), m_activeAtom, 0, 1, False, XA_WINDOW, &actualType,
                           &format, &count, &remaining, &data) == Success &&
        data) {
        if (format == 32 && count == 1)
            window = Window(*reinterpret_cast<const unsigned long*>(data));
        XFree(data);
    }
    return describeWindow(m_display, window);
}

void X11ActiveWindowSource::readEvents()
{
    // The requests below read replies, and Xlib queues the events that arrive with them; the
    // socket says nothing more of those, so they are taken here before returning.
    do {
        takeQueuedEvents();
    } while (XEventsQueued(m_display, QueuedAlready) > 0);
}

void X11ActiveWindowSource::takeQueuedEvents()
{
    bool activeChanged = false;
    bool supportChanged = false;
    while (XPending(m_display)) {
        XEvent event;
        XNextEvent(m_display, &event);
        if (event.type != PropertyNotify)
            continue;
        activeChanged = activeChanged || event.xproperty.atom == m_activeAtom;
        supportChanged = supportChanged || event.xproperty.atom == m_supportedAtom;
    }
    if (supportChanged) {
        const bool available = supportsActiveWindow(m_display);
        if (available != m_available) {
            m_available = available;
            activeChanged = available;
            if (!available)
                m_current = {};
            emit availabilityChanged(available);
        }
    }
    if (!activeChanged || !m_available)
        return;
    const ActiveWindow now = readActiveWindow();
    if (now.id == m_current.id)
        return;
    m_current = now;
    qCDebug(lcPlatform) << "active window" << Qt::hex << now.id << Qt::dec << now.instanceName << now.className
                        << now.executableName;
    emit activeWindowChanged(now);
}

} // namespace

std::unique_ptr<ActiveWindowSource> createActiveWindowSource()
{
    return std::make_unique<X11ActiveWindowSource>();
}
