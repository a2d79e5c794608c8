// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/simulation.h"

#include "controls/accessibility.h"
#include "device/hid_backend.h"
#include "platform/hotplug.h"
#include "sim/control_panel.h"
#include "sim/sim_backend.h"
#include "sim/sim_environment.h"
#include "sim/sim_hotplug_source.h"
#include "sim/sim_trace.h"
#include "sim/virtual_mouse.h"

#include <QGuiApplication>
#include <QScreen>
#include <QWidget>
#include <cstdio>

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
    // The window's traffic as the command line's is traced, for a look from outside.
    const QString trace = qEnvironmentVariable(kSimTraceVariable);
    if (!trace.isEmpty() && !m_mouse->trace().setFile(trace, SimTrace::Start::Append))
        std::fprintf(stderr, "mousecfg: cannot write the trace file %s\n", qPrintable(trace));
}

Simulation::~Simulation() = default;

std::unique_ptr<HotplugSource> Simulation::takeHotplugSource()
{
    return std::move(m_hotplug);
}

void Simulation::showPanel(QWidget& window)
{
    m_panel = std::make_unique<VirtualMousePanel>(*m_mouse);
    // A window of its own to screen readers, named by its title, like the main window.
    Accessibility::setRole(m_panel.get(), QAccessible::Window);
    m_panel->setAccessibleName(m_panel->windowTitle());
    m_panel->show();
    const QScreen* screen = QGuiApplication::primaryScreen();
    if (!screen)
        return;
    // Side by side and centred together where the screen is wide enough; otherwise the panel
    // keeps to the right edge, over the window's right part, where it is moved away easily.
    const QRect available = screen->availableGeometry();
    const QSize panel = m_panel->frameGeometry().size();
    const QSize main = window.frameGeometry().size();
    const int together = main.width() + kPanelGap + panel.width();
    int windowX = available.left() + (available.width() - together) / 2;
    if (together > available.width())
        windowX = available.left();
    window.move(windowX, window.y());
    const int panelX = qMin(windowX + main.width() + kPanelGap, available.right() - panel.width());
    const int panelY = qBound(available.top(), window.y(), qMax(available.top(), available.bottom() - panel.height()));
    m_panel->move(qMax(available.left(), panelX), panelY);
}
