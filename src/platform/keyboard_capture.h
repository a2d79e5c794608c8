#pragma once

#include <QObject>
#include <memory>

// Flags of a captured key event, as the Windows low-level keyboard hook reports them, so that
// the capture dialogs see the same values on every platform.
namespace KeyFlag {
constexpr int Extended = 0x01;
constexpr int Released = 0x80;
} // namespace KeyFlag

struct CapturedKey
{
    int keyCode = 0; // the program's key code; 0 when the key has none
    int flags = 0;   // KeyFlag bits

    bool released() const { return (flags & KeyFlag::Released) != 0; }
    bool operator==(const CapturedKey& other) const { return keyCode == other.keyCode && flags == other.flags; }
    bool operator!=(const CapturedKey& other) const { return !(*this == other); }
};

// A Linux input (evdev) key code, X keycode − 8 on X11, as a program key code. Keys that share
// a scan code with another key (right Ctrl, keypad Enter, the navigation block) carry the
// extended flag.
CapturedKey keyFromEvdev(int evdevCode, bool released);

// A key event that the toolkit delivered to one of our own windows: the platform's native scan
// code when the event has one, else the toolkit's key (events made by tests carry no scan code).
CapturedKey keyFromWindowEvent(quint32 nativeScanCode, int qtKey, bool released);

// Sees every key of the desktop session, whichever window has the focus, on a thread of its own.
// Used while a capture dialog is open, so keys the desktop keeps for itself (Alt+Tab, the Super
// keys) can be captured too.
class GlobalKeyCapture final : public QObject
{
    Q_OBJECT
    Q_DISABLE_COPY(GlobalKeyCapture)

public:
    explicit GlobalKeyCapture(QObject* parent = nullptr);
    // Stops and waits for the thread.
    ~GlobalKeyCapture() override;

    // False when the session offers no global capture (no X display, no RECORD extension, a
    // Wayland session); nothing runs then and the caller falls back to its own key events.
    bool start();
    // Stops the capture and waits for its thread; nothing happens when it does not run.
    void stop();
    bool isRunning() const;

signals:
    // The capture listens: every key pressed from now on is reported. Emitted once per start.
    void ready();
    // One key event, delivered on the thread this object lives on, in the order they happened.
    void keyEvent(int keyCode, int flags);

public:
    class Backend;

private:
    std::unique_ptr<Backend> m_backend;
};
