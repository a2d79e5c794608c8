#include "platform/keyboard_capture_backend.h"

#include <iterator>
#include <windows.h>

namespace {

constexpr quint32 kScanCodeMask = 0xFF;
// Window messages mark an extended key with bit 8, raw input with the 0xE0 prefix byte.
constexpr quint32 kExtendedBit = 0x100;
constexpr quint32 kExtendedPrefix = 0xE000;
constexpr quint32 kPrefixMask = 0xFF00;
constexpr quint32 kLastMainBlockScanCode = 88;
// Without the prefix, 0x45 is Pause; with it, Num Lock.
constexpr quint32 kPauseScanCode = 0x45;
constexpr int kPauseEvdev = 119;

struct ExtendedScanCode
{
    quint32 scanCode;
    int evdevCode;
};

// The prefixed keys by their evdev numbers, so both platforms share one key table.
constexpr ExtendedScanCode kExtendedScanCodes[] = {
    { 0x1C, 96 },  { 0x1D, 97 },  { 0x35, 98 },  { 0x37, 99 },  { 0x38, 100 }, { 0x45, 69 },  { 0x47, 102 },
    { 0x48, 103 }, { 0x49, 104 }, { 0x4B, 105 }, { 0x4D, 106 }, { 0x4F, 107 }, { 0x50, 108 }, { 0x51, 109 },
    { 0x52, 110 }, { 0x53, 111 }, { 0x5B, 125 }, { 0x5C, 126 }, { 0x5D, 127 },
};

CapturedKey keyFromScanCode(quint32 scanCode, bool extended, bool released)
{
    int evdevCode = 0;
    if (extended) {
        for (const ExtendedScanCode& entry : kExtendedScanCodes) {
            if (entry.scanCode == scanCode)
                evdevCode = entry.evdevCode;
        }
    } else if (scanCode == kPauseScanCode) {
        evdevCode = kPauseEvdev;
    } else if (scanCode <= kLastMainBlockScanCode) {
        evdevCode = int(scanCode);
    }
    return keyFromEvdev(evdevCode, released);
}

// A low-level hook has no closure; only one capture listens at a time.
class WindowsKeyCapture;
WindowsKeyCapture* g_activeCapture = nullptr;

class WindowsKeyCapture final : public GlobalKeyCapture::Backend
{
public:
    using Backend::Backend;
    ~WindowsKeyCapture() override { stop(); }

    bool start() override
    {
        if (isRunning())
            return true;
        if (g_activeCapture)
            return false;
        m_hook = SetWindowsHookExW(WH_KEYBOARD_LL, &WindowsKeyCapture::hookProc, GetModuleHandleW(nullptr), 0);
        if (!m_hook)
            return false;
        g_activeCapture = this;
        m_session = beginSession();
        postReady(m_session);
        return true;
    }

    void stop() override
    {
        if (!isRunning())
            return;
        UnhookWindowsHookEx(m_hook);
        m_hook = nullptr;
        g_activeCapture = nullptr;
        endSession();
    }

    bool isRunning() const override { return m_hook != nullptr; }

private:
    // Runs on the thread that set the hook, between its messages; it must return quickly, so
    // the key is queued rather than handled here.
    static LRESULT CALLBACK hookProc(int code, WPARAM message, LPARAM data)
    {
        if (code == HC_ACTION && g_activeCapture) {
            const auto* info = reinterpret_cast<const KBDLLHOOKSTRUCT*>(data);
            const bool extended = (info->flags & LLKHF_EXTENDED) != 0;
            const bool released = (info->flags & LLKHF_UP) != 0;
            g_activeCapture->postKey(g_activeCapture->m_session,
                                     keyFromScanCode(info->scanCode & kScanCodeMask, extended, released));
        }
        return CallNextHookEx(nullptr, code, message, data);
    }

    HHOOK m_hook = nullptr;
    quint64 m_session = 0;
};

} // namespace

std::unique_ptr<GlobalKeyCapture::Backend> createKeyCaptureBackend(GlobalKeyCapture& owner)
{
    return std::make_unique<WindowsKeyCapture>(owner);
}

bool keyFromNativeScanCode(quint32 nativeScanCode, bool released, CapturedKey& key)
{
    if (nativeScanCode == 0)
        return false;
    const bool extended = (nativeScanCode & kExtendedBit) != 0 || (nativeScanCode & kPrefixMask) == kExtendedPrefix;
    key = keyFromScanCode(nativeScanCode & kScanCodeMask, extended, released);
    return true;
}
