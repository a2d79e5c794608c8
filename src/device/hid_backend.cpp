#include "device/hid_backend.h"

#include "device/hidapi_backend.h"

#include <atomic>

namespace {

std::atomic<HidBackend*> g_backend{ nullptr };

} // namespace

HidBackend& hidBackend()
{
    HidBackend* backend = g_backend.load();
    return backend ? *backend : hidapiBackend();
}

void setHidBackend(HidBackend* backend)
{
    g_backend.store(backend);
}

ScopedHidBackend::ScopedHidBackend(HidBackend& backend)
    : m_previous(g_backend.exchange(&backend))
{
}

ScopedHidBackend::~ScopedHidBackend()
{
    g_backend.store(m_previous);
}
