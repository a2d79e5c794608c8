#pragma once

#include "platform/keyboard_capture.h"

// What each platform supplies behind GlobalKeyCapture and keyFromWindowEvent.

class GlobalKeyCapture::Backend
{
public:
    explicit Backend(GlobalKeyCapture& owner)
        : m_owner(owner)
    {
    }
    virtual ~Backend() = default;

    virtual bool start() = 0;
    virtual void stop() = 0;
    virtual bool isRunning() const = 0;

protected:
    // A capture runs as a session, begun and ended on the owner's thread. Its events may still
    // be queued when it ends; they are dropped then, so nothing arrives after stop().
    quint64 beginSession() { return ++m_session; }
    void endSession() { ++m_session; }

    // Callable from any thread; delivered on the owner's thread in the order posted.
    void postReady(quint64 session);
    void postKey(quint64 session, CapturedKey key);

private:
    template<typename Emit>
    void post(quint64 session, Emit emitSignal);

    GlobalKeyCapture& m_owner;
    quint64 m_session = 0;
};

std::unique_ptr<GlobalKeyCapture::Backend> createKeyCaptureBackend(GlobalKeyCapture& owner);

// The key of a native scan code that a window event carries; false when the platform's code
// names no key, and the toolkit's key is used instead.
bool keyFromNativeScanCode(quint32 nativeScanCode, bool released, CapturedKey& key);
