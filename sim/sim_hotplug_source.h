#pragma once

#include "platform/hotplug.h"

class VirtualMouse;

// The hot-plug source of --simulate: the virtual mouse's plugging and unplugging, passed on while
// started. The mouse must outlive the source.
class SimHotplugSource final : public HotplugSource
{
    Q_OBJECT
    Q_DISABLE_COPY(SimHotplugSource)

public:
    explicit SimHotplugSource(VirtualMouse& mouse, QObject* parent = nullptr);
    ~SimHotplugSource() override;

    bool start() override;
    void stop() override;

private:
    VirtualMouse& m_mouse;
    QMetaObject::Connection m_forwarding;
};
