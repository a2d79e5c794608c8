#include "log_categories.h"
#include "platform/keyboard_capture_backend.h"

#include <QGuiApplication>
#include <QThread>
#include <X11/Xlib.h>
#include <X11/extensions/record.h>
#include <atomic>
#include <cerrno>
#include <poll.h>
#include <sys/eventfd.h>
#include <unistd.h>

namespace {

// X keycodes are evdev codes moved up by 8, the lowest keycode X allows.
constexpr quint32 kXKeycodeOffset = 8;

const char kXcbPlatform[] = "xcb";
const char kThreadName[] = "KeyCapture";

// XRecord hands over the wire event: its type byte, then its detail byte (the keycode).
constexpr int kWireTypeByte = 0;
constexpr int kWireDetailByte = 1;
constexpr unsigned char kSentEventBit = 0x80;

// On a Wayland desktop an X connection reaches XWayland and sees only X clients' keys.
bool sessionIsX11()
{
    const auto* application = qobject_cast<QGuiApplication*>(QCoreApplication::instance());
    return !application || QGuiApplication::platformName() == QLatin1String(kXcbPlatform);
}

// Records the key events of the whole X session on two connections: the control connection
// manages the context, the data connection receives it on a thread of its own, because
// enabling a context occupies its connection until the context is disabled.
class XRecordKeyCapture final : public GlobalKeyCapture::Backend
{
public:
    using Backend::Backend;
    ~XRecordKeyCapture() override { stop(); }

    bool start() override;
    void stop() override;
    bool isRunning() const override { return m_thread != nullptr; }

private:
    static void receive(XPointer closure, XRecordInterceptData* data);
    void handle(const XRecordInterceptData& data);
    void serviceDataConnection();
    bool createContext();
    void release();

    Display* m_control = nullptr;
    Display* m_data = nullptr;
    XRecordContext m_context = 0;
    int m_wakeFd = -1;
    QThread* m_thread = nullptr;
    std::atomic_bool m_stopping{ false };
    // Set before the thread starts, read by it only.
    quint64 m_threadSession = 0;
};

bool XRecordKeyCapture::start()
{
    if (isRunning())
        return true;
    if (!sessionIsX11()) {
        qCDebug(lcPlatform) << "key capture: not an X11 session";
        return false;
    }
    m_control = XOpenDisplay(nullptr);
    m_data = XOpenDisplay(nullptr);
    int major = 0;
    int minor = 0;
    if (!m_control || !m_data || !XRecordQueryVersion(m_control, &major, &minor)) {
        qCDebug(lcPlatform) << "key capture: no X display with the RECORD extension";
        release();
        return false;
    }
    // Enabling the context waits for the server's start of data, whose callback runs here.
    m_threadSession = beginSession();
    m_stopping = false;
    m_wakeFd = eventfd(0, EFD_CLOEXEC | EFD_NONBLOCK);
    if (m_wakeFd < 0 || !createContext()) {
        qCWarning(lcPlatform) << "key capture: cannot record the X session's keys";
        endSession();
        release();
        return false;
    }
    m_thread = QThread::create([this] { serviceDataConnection(); });
    m_thread->setObjectName(QLatin1String(kThreadName));
    m_thread->start();
    return true;
}

bool XRecordKeyCapture::createContext()
{
    XRecordRange* range = XRecordAllocRange();
    if (!range)
        return false;
    range->device_events.first = KeyPress;
    range->device_events.last = KeyRelease;
    XRecordClientSpec clients = XRecordAllClients;
    m_context = XRecordCreateContext(m_control, 0, &clients, 1, &range, 1);
    XFree(range);
    if (!m_context)
        return false;
    // The data connection must find the context on the server before it enables it.
    XSync(m_control, False);
    return XRecordEnableContextAsync(m_data, m_context, &XRecordKeyCapture::receive,
                                     reinterpret_cast<XPointer>(this)) != 0;
}

void XRecordKeyCapture::stop()
{
    if (!isRunning())
        return;
    endSession();
    m_stopping = true;
    // Disabling ends the recording on the data connection; the server answers it there.
    XRecordDisableContext(m_control, m_context);
    XSync(m_control, False);
    const quint64 wake = 1;
    if (write(m_wakeFd, &wake, sizeof wake) < 0)
        qCWarning(lcPlatform) << "key capture: cannot wake the capture thread" << errno;
    m_thread->wait();
    delete m_thread;
    m_thread = nullptr;
    release();
}

void XRecordKeyCapture::release()
{
    if (m_context && m_control) {
        XRecordFreeContext(m_control, m_context);
        XSync(m_control, False);
    }
    m_context = 0;
    if (m_data)
        XCloseDisplay(m_data);
    m_data = nullptr;
    if (m_control)
        XCloseDisplay(m_control);
    m_control = nullptr;
    if (m_wakeFd >= 0)
        close(m_wakeFd);
    m_wakeFd = -1;
}

void XRecordKeyCapture::serviceDataConnection()
{
    pollfd watched[] = {
        { ConnectionNumber(m_data), POLLIN, 0 },
        { m_wakeFd, POLLIN, 0 },
    };
    while (!m_stopping) {
        // Replies that arrived with earlier ones already sit in Xlib's buffer, out of poll's sight.
        XRecordProcessReplies(m_data);
        if (poll(watched, 2, -1) < 0) {
            if (errno == EINTR)
                continue;
            qCWarning(lcPlatform) << "key capture: poll failed" << errno;
            return;
        }
        if (watched[0].revents & (POLLERR | POLLHUP | POLLNVAL)) {
            qCWarning(lcPlatform) << "key capture: the X connection closed";
            return;
        }
    }
}

void XRecordKeyCapture::receive(XPointer closure, XRecordInterceptData* data)
{
    reinterpret_cast<XRecordKeyCapture*>(closure)->handle(*data);
    XRecordFreeData(data);
}

void XRecordKeyCapture::handle(const XRecordInterceptData& data)
{
    if (m_stopping)
        return;
    if (data.category == XRecordStartOfData) {
        postReady(m_threadSession);
        return;
    }
    if (data.category != XRecordFromServer || data.data_len == 0 || !data.data)
        return;
    const int type = data.data[kWireTypeByte] & ~kSentEventBit;
    if (type != KeyPress && type != KeyRelease)
        return;
    const quint32 keycode = data.data[kWireDetailByte];
    if (keycode < kXKeycodeOffset)
        return;
    postKey(m_threadSession, keyFromEvdev(int(keycode - kXKeycodeOffset), type == KeyRelease));
}

} // namespace

std::unique_ptr<GlobalKeyCapture::Backend> createKeyCaptureBackend(GlobalKeyCapture& owner)
{
    return std::make_unique<XRecordKeyCapture>(owner);
}

bool keyFromNativeScanCode(quint32 nativeScanCode, bool released, CapturedKey& key)
{
    if (nativeScanCode <= kXKeycodeOffset)
        return false;
    key = keyFromEvdev(int(nativeScanCode - kXKeycodeOffset), released);
    return true;
}
