#include "platform/keyboard_layout.h"

#include <X11/Xatom.h>
#include <X11/Xlib.h>
#include <mutex>

namespace {

// One connection for the whole run: opening a display costs more than the lookup itself,
// and key names are looked up by the dozen when a macro list is drawn.
Display* sessionDisplay()
{
    static Display* display = XOpenDisplay(nullptr);
    return display;
}

std::mutex& displayMutex()
{
    static std::mutex mutex;
    return mutex;
}

} // namespace

QString keyboardLayoutName()
{
    std::lock_guard<std::mutex> lock(displayMutex());
    Display* display = sessionDisplay();
    if (!display) {
        return QString();
    }
    const Atom rulesNames = XInternAtom(display, "_XKB_RULES_NAMES", True);
    if (rulesNames == None) {
        return QString();
    }
    Atom actualType = None;
    int actualFormat = 0;
    unsigned long itemCount = 0;
    unsigned long bytesAfter = 0;
    unsigned char* data = nullptr;
    const int status = XGetWindowProperty(display, DefaultRootWindow(display), rulesNames, 0, 1024, False, XA_STRING,
                                          &actualType, &actualFormat, &itemCount, &bytesAfter, &data);
    QString layout;
    if (status == Success && data && actualFormat == 8) {
        layout = layoutFromXkbRulesNames(QByteArray(reinterpret_cast<const char*>(data), static_cast<int>(itemCount)));
    }
    if (data) {
        XFree(data);
    }
    return layout;
}
