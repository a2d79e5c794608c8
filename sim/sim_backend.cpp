#include "sim/sim_backend.h"

#include "sim/virtual_mouse.h"

SimBackend::SimBackend(VirtualMouse& mouse)
    : m_mouse(mouse)
{
}

std::vector<HidDeviceInfo> SimBackend::enumerate()
{
    return m_mouse.enumerate();
}

HidHandle SimBackend::openPath(const QByteArray& path, HidOpenError* error)
{
    return m_mouse.open(path, error);
}

void SimBackend::close(HidHandle handle)
{
    m_mouse.close(handle);
}

int SimBackend::write(HidHandle handle, const quint8* data, std::size_t length)
{
    return m_mouse.write(handle, data, length);
}

int SimBackend::readTimeout(HidHandle handle, quint8* data, std::size_t length, int timeoutMs)
{
    return m_mouse.read(handle, data, length, timeoutMs);
}
