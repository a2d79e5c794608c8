#include "app/simulation.h"

#include "device/hid_backend.h"
#include "platform/hotplug.h"
#include "sim/control_panel.h"
#include "sim/sim_backend.h"
#include "sim/sim_environment.h"
#include "sim/sim_hotplug_source.h"
#include "sim/virtual_mouse.h"

#include <QGuiApplication>
#include <QScreen>
#include <QWidget>

namespace {

constexpr int kPanelGap = 12;

} // namespace

Simulation::Simulation()
    : m_mouse(std::make_unique<VirtualMouse>(simIdentitiesFromProductDescription()))
    , m_backend(std::make_unique<SimBackend>(*m_mouse))
    , m_installed(std::make_unique<ScopedHidBackend>(*m_backend))
    , m_hotplug(std::make_unique<SimHotplugSource>(*m_mouse))
{
    applySimEnvironment(*m_mouse);
}

Simulation::~Simulation() = default;

std::unique_ptr<HotplugSource> Simulation::takeHotplugSource()
{
    return std::move(m_hotplug);
}

void Simulation::showPanel(const QWidget& window)
{
    m_panel = std::make_unique<VirtualMousePanel>(*m_mouse);
    m_panel->adjustSize();
    // Beside the window where the screen has room, else at the screen's right edge.
    const QRect frame = window.frameGeometry();
    QPoint at(frame.right() + kPanelGap, frame.top());
    if (const QScreen* screen = QGuiApplication::primaryScreen()) {
        const QRect available = screen->availableGeometry();
        if (at.x() + m_panel->width() > available.right())
            at.setX(qMax(available.left(), available.right() - m_panel->width()));
        at.setY(qBound(available.top(), at.y(), qMax(available.top(), available.bottom() - m_panel->height())));
    }
    m_panel->move(at);
    m_panel->show();
}
