#pragma once

#include <QByteArray>
#include <QString>
#include <cstddef>
#include <vector>

// The HID seam: every hidapi call of the device link goes through the backend installed here,
// so the virtual mouse can stand in for the real library in tests and in --simulate.

// An open interface. Opaque: each backend hands out and takes back its own pointers.
struct HidDeviceOpaque;
using HidHandle = HidDeviceOpaque*;

struct HidDeviceInfo
{
    QByteArray path;          // what openPath takes
    QByteArray interfaceName; // what discovery and hot-plug match ("...&col04"); empty: not a
                              // top-level collection, never matched
    quint16 vendorId = 0;
    quint16 productId = 0;
    quint16 releaseNumber = 0; // bcdDevice
    quint16 usagePage = 0;
    quint16 usage = 0;
    QString serialNumber;
};

enum class HidOpenError {
    None,
    PermissionDenied, // the interface exists but the user may not open it
    Other,
};

class HidBackend
{
public:
    virtual ~HidBackend() = default;

    // 0 on success, -1 on failure (as hid_init / hid_exit).
    virtual int init() = 0;
    virtual int exit() = 0;
    // Every HID collection present, in the system's order.
    virtual std::vector<HidDeviceInfo> enumerate() = 0;
    // nullptr on failure; *error (when given) says why.
    virtual HidHandle openPath(const QByteArray& path, HidOpenError* error = nullptr) = 0;
    virtual void close(HidHandle handle) = 0;
    // Bytes written, or -1.
    virtual int write(HidHandle handle, const quint8* data, std::size_t length) = 0;
    // Bytes read, 0 when nothing arrived within timeoutMs, -1 on error.
    virtual int readTimeout(HidHandle handle, quint8* data, std::size_t length, int timeoutMs) = 0;
};

// The installed backend; hidapi unless another was installed.
HidBackend& hidBackend();

// Installs backend (not owned; it must outlive its use). nullptr restores hidapi.
// Call before any device thread starts.
void setHidBackend(HidBackend* backend);

// Installs a backend for the lifetime of the guard, then restores the previous one.
class ScopedHidBackend final
{
public:
    explicit ScopedHidBackend(HidBackend& backend);
    ~ScopedHidBackend();
    ScopedHidBackend(const ScopedHidBackend&) = delete;
    ScopedHidBackend& operator=(const ScopedHidBackend&) = delete;

private:
    HidBackend* m_previous;
};
