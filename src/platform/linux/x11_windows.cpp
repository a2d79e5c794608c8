// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/linux/x11_windows.h"

#include <QFileInfo>
#include <QMutex>
#include <QSet>
#include <QSysInfo>
#include <X11/Xatom.h>
#include <X11/Xutil.h>

namespace {

// Xlib has one error handler per process; ours passes on the errors of other connections.
QMutex g_quietLock;
QSet<Display*> g_quietDisplays;
XErrorHandler g_previousHandler = nullptr;
bool g_handlerInstalled = false;

int ignoreErrorsOfQuietDisplays(Display* display, XErrorEvent* event)
{
    {
        QMutexLocker locker(&g_quietLock);
        if (g_quietDisplays.contains(display))
            return 0;
    }
    return g_previousHandler ? g_previousHandler(display, event) : 0;
}

// A 32-bit property's values, at most max of them.
QVector<unsigned long> longProperty(Display* display, Window window, Atom property, Atom type, long max)
{
    Atom actualType = 0;
    int format = 0;
    unsigned long count = 0;
    unsigned long remaining = 0;
    unsigned char* data = nullptr;
    QVector<unsigned long> values;
    if (XGetWindowProperty(display, window, property, 0, max, False, type, &actualType, &format, &count, &remaining,
                           &data) == Success &&
        data) {
        if (format == 32 && actualType == type) {
            const auto* items = reinterpret_cast<const unsigned long*>(data);
            values = QVector<unsigned long>(items, items + count);
        }
        XFree(data);
    }
    return values;
}

QString executableOf(unsigned long pid)
{
    if (pid == 0)
        return {};
    const QFileInfo link(QStringLiteral("/proc/%1/exe").arg(pid));
    const QString target = link.symLinkTarget();
    return target.isEmpty() ? QString() : QFileInfo(target).fileName();
}

// Without WM_CLIENT_MACHINE the client says nothing of where it runs; local is the likely case.
bool runsOnThisMachine(Display* display, Window window)
{
    XTextProperty machine{};
    if (!XGetWMClientMachine(display, window, &machine) || !machine.value)
        return true;
    const QString name = QString::fromLocal8Bit(reinterpret_cast<const char*>(machine.value), int(machine.nitems));
    XFree(machine.value);
    return name.compare(QSysInfo::machineHostName(), Qt::CaseInsensitive) == 0 || name == QLatin1String("localhost");
}

bool hasWmState(Display* display, Window window)
{
    const Atom wmState = XInternAtom(display, "WM_STATE", False);
    Atom actualType = 0;
    int format = 0;
    unsigned long count = 0;
    unsigned long remaining = 0;
    unsigned char* data = nullptr;
    const bool read = XGetWindowProperty(display, window, wmState, 0, 0, False, AnyPropertyType, &actualType, &format,
                                         &count, &remaining, &data) == Success;
    if (data)
        XFree(data);
    return read && actualType != 0;
}

// Frames are shallow: the client sits one or two levels down.
constexpr int kMaxFrameDepth = 4;

Window markedClientBelow(Display* display, Window window, int depth)
{
    if (depth > kMaxFrameDepth)
        return 0;
    Window root = 0;
    Window parent = 0;
    Window* children = nullptr;
    unsigned int count = 0;
    if (!XQueryTree(display, window, &root, &parent, &children, &count))
        return 0;
    Window found = 0;
    for (unsigned int i = 0; i < count && !found; ++i)
        if (hasWmState(display, children[i]))
            found = children[i];
    for (unsigned int i = 0; i < count && !found; ++i)
        found = markedClientBelow(display, children[i], depth + 1);
    if (children)
        XFree(children);
    return found;
}

} // namespace

bool onWaylandDesktop()
{
    return !qEnvironmentVariableIsEmpty("WAYLAND_DISPLAY") ||
           qgetenv("XDG_SESSION_TYPE").compare("wayland", Qt::CaseInsensitive) == 0;
}

Display* openQuietDisplay()
{
    Display* display = XOpenDisplay(nullptr);
    if (!display)
        return nullptr;
    QMutexLocker locker(&g_quietLock);
    g_quietDisplays.insert(display);
    if (!g_handlerInstalled) {
        g_previousHandler = XSetErrorHandler(ignoreErrorsOfQuietDisplays);
        g_handlerInstalled = true;
    }
    return display;
}

void closeDisplay(Display* display)
{
    if (!display)
        return;
    XCloseDisplay(display);
    QMutexLocker locker(&g_quietLock);
    g_quietDisplays.remove(display);
}

ActiveWindow describeWindow(Display* display, Window window)
{
    ActiveWindow described;
    described.id = window;
    if (window == 0)
        return described;
    XClassHint hint{};
    if (XGetClassHint(display, window, &hint)) {
        described.instanceName = QString::fromLocal8Bit(hint.res_name);
        described.className = QString::fromLocal8Bit(hint.res_class);
        if (hint.res_name)
            XFree(hint.res_name);
        if (hint.res_class)
            XFree(hint.res_class);
    }
    // A process id only names a process here when the client runs on this machine.
    if (!runsOnThisMachine(display, window))
        return described;
    const QVector<unsigned long> pid =
        longProperty(display, window, XInternAtom(display, "_NET_WM_PID", False), XA_CARDINAL, 1);
    if (!pid.isEmpty())
        described.executableName = executableOf(pid.first());
    return described;
}

Window clientWindowOf(Display* display, Window topLevel)
{
    if (topLevel == 0 || hasWmState(display, topLevel))
        return topLevel;
    const Window client = markedClientBelow(display, topLevel, 0);
    return client ? client : topLevel;
}

bool supportsActiveWindow(Display* display)
{
    const Atom active = XInternAtom(display, "_NET_ACTIVE_WINDOW", False);
    constexpr long kMaxSupported = 1024;
    return longProperty(display, XDefaultRootWindow(display), XInternAtom(display, "_NET_SUPPORTED", False), XA_ATOM,
                        kMaxSupported)
        .contains(active);
}
