#include "sim/sim_hotplug_source.h"

#include "sim/virtual_mouse.h"

SimHotplugSource::SimHotplugSource(VirtualMouse& mouse, QObject* parent)
    : HotplugSource(parent)
    , m_mouse(mouse)
{
}

SimHotplugSource::~SimHotplugSource()
{
    stop();
}

bool SimHotplugSource::start()
{
    if (!m_forwarding)
        m_forwarding = connect(&m_mouse, &VirtualMouse::interfaceChanged, this, &HotplugSource::interfaceChanged);
    return true;
}

void SimHotplugSource::stop()
{
    disconnect(m_forwarding);
    m_forwarding = {};
}
