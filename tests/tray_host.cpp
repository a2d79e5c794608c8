// A small system tray for the x11 tests, since no desktop panel runs under Xvfb: it owns the
// tray manager selection of the default screen, embeds every icon that asks to dock (XEmbed) in
// one window along the bottom-left of the screen, and reports on stdout:
//   ready             the selection is owned and the MANAGER message sent
//   docked 0xWINDOW   an icon was reparented, told it is embedded and mapped
//   undocked 0xWINDOW the icon was destroyed or left
// It runs until it is killed or another tray takes the selection (exit 0). It exits 1 when the
// display cannot be opened or the selection cannot be taken, and 2 when another tray owns it.

#include <X11/Xatom.h>
#include <X11/Xlib.h>
#include <X11/Xutil.h>
#include <algorithm>
#include <cstdio>
#include <string>
#include <vector>

namespace {

constexpr long kRequestDock = 0;                // SYSTEM_TRAY_REQUEST_DOCK
constexpr long kEmbeddedNotify = 0;             // XEMBED_EMBEDDED_NOTIFY
constexpr long kXembedVersion = 0;              // the only protocol version there is
constexpr unsigned long kXembedMapped = 1 << 0; // XEMBED_MAPPED in _XEMBED_INFO's flags
constexpr unsigned long kHorizontal = 0;        // _NET_SYSTEM_TRAY_ORIENTATION_HORZ
constexpr int kIconSize = 24;
constexpr int kExitFailure = 1;
constexpr int kExitTrayRunning = 2;

struct Atoms
{
    Atom selection;
    Atom manager;
    Atom opcode;
    Atom orientation;
    Atom visual;
    Atom xembed;
    Atom xembedInfo;
};

struct Tray
{
    Display* display = nullptr;
    Window root = 0;
    Window owner = 0;     // holds the selection; never mapped
    Window container = 0; // the visible strip the icons live in
    Atoms atoms{};
    std::vector<Window> icons;
};

// Set by the error handler for the request a caller is waiting on with XSync.
Window g_failedWindow = 0;

int rememberFailure(Display* display, XErrorEvent* error)
{
    // An icon may be destroyed between its request and our answer; only that icon is lost.
    g_failedWindow = error->resourceid;
    if (error->error_code != BadWindow) {
        char text[160];
        XGetErrorText(display, error->error_code, text, sizeof text);
        std::fprintf(stderr, "tray_host: X error %s (request %d)\n", text, error->request_code);
    }
    return 0;
}

void report(const char* what, Window window)
{
    std::printf("%s 0x%lx\n", what, window);
    std::fflush(stdout);
}

Atoms internAtoms(Display* display, int screen)
{
    const std::string selection = "_NET_SYSTEM_TRAY_S" + std::to_string(screen);
    return { XInternAtom(display, selection.c_str(), False),
             XInternAtom(display, "MANAGER", False),
             XInternAtom(display, "_NET_SYSTEM_TRAY_OPCODE", False),
             XInternAtom(display, "_NET_SYSTEM_TRAY_ORIENTATION", False),
             XInternAtom(display, "_NET_SYSTEM_TRAY_VISUAL", False),
             XInternAtom(display, "_XEMBED", False),
             XInternAtom(display, "_XEMBED_INFO", False) };
}

void setCardinal(const Tray& tray, Atom property, Atom type, unsigned long value)
{
    XChangeProperty(tray.display, tray.owner, property, type, 32, PropModeReplace,
                    reinterpret_cast<const unsigned char*>(&value), 1);
}

// The selection must be taken with a real timestamp; a property change on our own window yields one.
Time serverTime(const Tray& tray)
{
    setCardinal(tray, tray.atoms.orientation, XA_CARDINAL, kHorizontal);
    XEvent event;
    XWindowEvent(tray.display, tray.owner, PropertyChangeMask, &event);
    return event.xproperty.time;
}

// 0 when the selection is ours, else the exit code.
int takeSelection(Tray& tray, int screen)
{
    if (XGetSelectionOwner(tray.display, tray.atoms.selection) != 0) {
        std::fprintf(stderr, "tray_host: another system tray already runs on screen %d\n", screen);
        return kExitTrayRunning;
    }
    const Time now = serverTime(tray);
    // Icons of an ARGB-less tray draw onto a parent-relative background of the default visual.
    setCardinal(tray, tray.atoms.visual, XA_VISUALID, XVisualIDFromVisual(XDefaultVisual(tray.display, screen)));
    XSetSelectionOwner(tray.display, tray.atoms.selection, tray.owner, now);
    if (XGetSelectionOwner(tray.display, tray.atoms.selection) != tray.owner) {
        std::fprintf(stderr, "tray_host: could not take the tray selection of screen %d\n", screen);
        return kExitFailure;
    }
    XEvent manager{};
    manager.xclient.type = ClientMessage;
    manager.xclient.window = tray.root;
    manager.xclient.message_type = tray.atoms.manager;
    manager.xclient.format = 32;
    manager.xclient.data.l[0] = static_cast<long>(now);
    manager.xclient.data.l[1] = static_cast<long>(tray.atoms.selection);
    manager.xclient.data.l[2] = static_cast<long>(tray.owner);
    XSendEvent(tray.display, tray.root, False, StructureNotifyMask, &manager);
    XSync(tray.display, False);
    return 0;
}

// True when _XEMBED_INFO asks for the icon to be shown; an icon without the property is shown too.
bool wantsToBeMapped(const Tray& tray, Window icon)
{
    Atom type = 0;
    int format = 0;
    unsigned long count = 0;
    unsigned long remaining = 0;
    unsigned char* data = nullptr;
    if (XGetWindowProperty(tray.display, icon, tray.atoms.xembedInfo, 0, 2, False, tray.atoms.xembedInfo, &type,
                           &format, &count, &remaining, &data) != Success)
        return false;
    bool mapped = true;
    if (data && format == 32 && count >= 2)
        mapped = (reinterpret_cast<const unsigned long*>(data)[1] & kXembedMapped) != 0;
    if (data)
        XFree(data);
    return mapped;
}

void sendEmbeddedNotify(const Tray& tray, Window icon)
{
    XEvent message{};
    message.xclient.type = ClientMessage;
    message.xclient.window = icon;
    message.xclient.message_type = tray.atoms.xembed;
    message.xclient.format = 32;
    message.xclient.data.l[0] = CurrentTime;
    message.xclient.data.l[1] = kEmbeddedNotify;
    message.xclient.data.l[2] = 0;
    message.xclient.data.l[3] = static_cast<long>(tray.container);
    message.xclient.data.l[4] = kXembedVersion;
    XSendEvent(tray.display, icon, False, NoEventMask, &message);
}

void layOut(const Tray& tray)
{
    const int count = std::max<int>(1, static_cast<int>(tray.icons.size()));
    XResizeWindow(tray.display, tray.container, static_cast<unsigned>(count * kIconSize), kIconSize);
    for (size_t i = 0; i < tray.icons.size(); ++i)
        XMoveResizeWindow(tray.display, tray.icons[i], static_cast<int>(i) * kIconSize, 0, kIconSize, kIconSize);
}

void dock(Tray& tray, Window icon)
{
    if (std::find(tray.icons.begin(), tray.icons.end(), icon) != tray.icons.end())
        return;
    g_failedWindow = 0;
    XSelectInput(tray.display, icon, StructureNotifyMask | PropertyChangeMask);
    // Should this tray go away first, the icon goes back to the root window instead of dying with it.
    XAddToSaveSet(tray.display, icon);
    XReparentWindow(tray.display, icon, tray.container, static_cast<int>(tray.icons.size()) * kIconSize, 0);
    tray.icons.push_back(icon);
    layOut(tray);
    sendEmbeddedNotify(tray, icon);
    if (wantsToBeMapped(tray, icon))
        XMapRaised(tray.display, icon);
    XSync(tray.display, False);
    if (g_failedWindow == icon) {
        tray.icons.erase(std::find(tray.icons.begin(), tray.icons.end(), icon));
        layOut(tray);
        return;
    }
    report("docked", icon);
}

void forget(Tray& tray, Window icon)
{
    const auto found = std::find(tray.icons.begin(), tray.icons.end(), icon);
    if (found == tray.icons.end())
        return;
    tray.icons.erase(found);
    layOut(tray);
    XFlush(tray.display);
    report("undocked", icon);
}

// Returns false once the tray should end.
bool handle(Tray& tray, const XEvent& event)
{
    switch (event.type) {
        case ClientMessage:
            if (event.xclient.window == tray.owner && event.xclient.message_type == tray.atoms.opcode &&
                event.xclient.data.l[1] == kRequestDock)
                dock(tray, static_cast<Window>(event.xclient.data.l[2]));
            break;
        case DestroyNotify:
            forget(tray, event.xdestroywindow.window);
            break;
        case ReparentNotify:
            if (event.xreparent.parent != tray.container)
                forget(tray, event.xreparent.window);
            break;
        case PropertyNotify:
            if (event.xproperty.atom == tray.atoms.xembedInfo &&
                std::find(tray.icons.begin(), tray.icons.end(), event.xproperty.window) != tray.icons.end()) {
                if (wantsToBeMapped(tray, event.xproperty.window))
                    XMapRaised(tray.display, event.xproperty.window);
                else
                    XUnmapWindow(tray.display, event.xproperty.window);
                XFlush(tray.display);
            }
            break;
        case SelectionClear:
            return event.xselectionclear.selection != tray.atoms.selection;
        default:
            break;
    }
    return true;
}

} // namespace

int main()
{
    Tray tray;
    tray.display = XOpenDisplay(nullptr);
    if (!tray.display) {
        std::fprintf(stderr, "tray_host: cannot open the display\n");
        return kExitFailure;
    }
    XSetErrorHandler(rememberFailure);
    const int screen = XDefaultScreen(tray.display);
    tray.root = XRootWindow(tray.display, screen);
    tray.atoms = internAtoms(tray.display, screen);

    tray.owner = XCreateSimpleWindow(tray.display, tray.root, -1, -1, 1, 1, 0, 0, 0);
    XSelectInput(tray.display, tray.owner, PropertyChangeMask);

    // Stays where the tray sits on a panel and out of a window manager's hands.
    XSetWindowAttributes attributes{};
    attributes.override_redirect = True;
    attributes.background_pixel = XWhitePixel(tray.display, screen);
    const int screenHeight = XDisplayHeight(tray.display, screen);
    tray.container =
        XCreateWindow(tray.display, tray.root, 0, screenHeight - kIconSize, kIconSize, kIconSize, 0, CopyFromParent,
                      InputOutput, CopyFromParent, CWOverrideRedirect | CWBackPixel, &attributes);
    XStoreName(tray.display, tray.container, "tray_host");
    XMapRaised(tray.display, tray.container);

    if (const int failure = takeSelection(tray, screen)) {
        XCloseDisplay(tray.display);
        return failure;
    }
    std::printf("ready\n");
    std::fflush(stdout);

    XEvent event;
    do {
        XNextEvent(tray.display, &event);
    } while (handle(tray, event));
    XCloseDisplay(tray.display);
    return 0;
}
