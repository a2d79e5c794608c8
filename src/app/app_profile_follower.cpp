// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/app_profile_follower.h"

#include "log_categories.h"
#include "platform/active_window_source.h"

#include <QApplication>
#include <QDialog>
#include <QWidget>

AppProfileFollower::AppProfileFollower(Window window, QObject* parent)
    : QObject(parent)
    , m_window(std::move(window))
{
}

AppProfileFollower::~AppProfileFollower() = default;

void AppProfileFollower::setSettings(const AppProfileSettings& settings)
{
    m_switcher.setSettings(settings);
    m_pendingSlot = 0;
    if (settings.enabled)
        ensureSource();
}

bool AppProfileFollower::desktopTells()
{
    ensureSource();
    return m_source->isAvailable();
}

ActiveWindow AppProfileFollower::activeWindow() const
{
    return m_source ? m_source->current() : ActiveWindow{};
}

void AppProfileFollower::ensureSource()
{
    if (m_source)
        return;
    m_source = createActiveWindowSource();
    connect(m_source.get(), &ActiveWindowSource::activeWindowChanged, this, &AppProfileFollower::onActiveWindowChanged);
}

void AppProfileFollower::onActiveWindowChanged(const ActiveWindow& window)
{
    // Window managers clear the property for a moment between two windows: no window in front is
    // no answer, and acting on it would switch to the default and straight back.
    if (window.id == 0)
        return;
    // Our own window in front is the user configuring the mouse: its slot stays theirs.
    if (QWidget::find(WId(window.id))) {
        m_switcher.ownWindowFocused();
    } else {
        const int slot = m_switcher.slotForFocus(window, m_window.activeSlot());
        if (slot != 0)
            switchWhenFree(slot);
    }
    emit activeWindowSeen(window);
}

void AppProfileFollower::switchWhenFree(int slot)
{
    m_pendingSlot = slot;
    runPendingSwitch();
}

void AppProfileFollower::runPendingSwitch()
{
    if (m_pendingSlot == 0)
        return;
    if (m_window.busy()) {
        awaitModalWidget();
        return;
    }
    const int slot = std::exchange(m_pendingSlot, 0);
    if (!m_window.mouseReady()) {
        qCDebug(lcUi) << "no mouse to switch to slot" << slot << "for the application in front";
        return;
    }
    if (slot == m_window.activeSlot())
        return;
    qCDebug(lcUi) << "switching to slot" << slot << "for the application in front";
    m_window.switchTo(slot);
    emit switched(slot);
}

void AppProfileFollower::awaitModalWidget()
{
    // A send ends through its progress box, so waiting for the box that is open covers sends too;
    // the window also calls back when a send ends.
    QWidget* modal = QApplication::activeModalWidget();
    if (!modal || modal == m_awaited)
        return;
    m_awaited = modal;
    if (auto* dialog = qobject_cast<QDialog*>(modal))
        connect(dialog, &QDialog::finished, this, &AppProfileFollower::runPendingSwitch, Qt::QueuedConnection);
    connect(modal, &QObject::destroyed, this, &AppProfileFollower::runPendingSwitch, Qt::QueuedConnection);
}
