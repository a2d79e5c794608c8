#pragma once

#include "device/hid_backend.h"

class VirtualMouse;

// The HID seam's stand-in that talks to a virtual mouse instead of hidapi.
class SimBackend final : public HidBackend
{
public:
    explicit SimBackend(VirtualMouse& mouse);

    int init() override { return 0; }
    int exit() override { return 0; }
    std::vector<HidDeviceInfo> enumerate() override;
    HidHandle openPath(const QByteArray& path, HidOpenError* error) override;
    void close(HidHandle handle) override;
    int write(HidHandle handle, const quint8* data, std::size_t length) override;
    int readTimeout(HidHandle handle, quint8* data, std::size_t length, int timeoutMs) override;

private:
    VirtualMouse& m_mouse;
};
