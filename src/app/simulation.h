#pragma once

#include <memory>

class HotplugSource;
class QWidget;
class ScopedHidBackend;
class SimBackend;
class VirtualMouse;
class VirtualMousePanel;

// The virtual mouse behind the HID seam for `mousecfg --simulate`, with its demo panel.
class Simulation final
{
public:
    Simulation();
    ~Simulation();
    Simulation(const Simulation&) = delete;
    Simulation& operator=(const Simulation&) = delete;

    // The window's hot-plug source: the virtual mouse's plugging and unplugging.
    std::unique_ptr<HotplugSource> takeHotplugSource();
    // Opens the demo panel beside window.
    void showPanel(QWidget& window);

private:
    std::unique_ptr<VirtualMouse> m_mouse;
    std::unique_ptr<SimBackend> m_backend;
    std::unique_ptr<ScopedHidBackend> m_installed;
    std::unique_ptr<HotplugSource> m_hotplug;
    std::unique_ptr<VirtualMousePanel> m_panel;
};
