// SPDX-License-Identifier: GPL-3.0-or-later
// The window's side of the application profiles: the follower that switches slots with the
// application in front, and the dialog of its rules.
#include "app/app_profile_follower.h"
#include "app/app_profiles_dialog.h"
#include "app/mousecfg_widget.h"
#include "device/device_state.h"
#include "platform/window_picker.h"
#include "storage/app_profile_rules.h"

#include <QApplication>
#include <QTimer>

void MousecfgWidget::createApplicationFollower()
{
    AppProfileFollower::Window window;
    window.activeSlot = [this] { return m_library.currentSlot() + 1; };
    window.busy = [this] { return isSending() || m_unsentQuestionOpen || QApplication::activeModalWidget(); };
    window.mouseReady = [this] { return m_connectedMice != 0 && commandHandle() && !isMouseOff(); };
    // The slot menu's own switch: the pages show the slot, the battery thread pauses around it and
    // the slot's pointer speed applies. No question about unsent edits: they stay marked in their slot.
    window.switchTo = [this](int slot) { onSlotActionTriggered(slot - 1); };
    m_appFollower = new AppProfileFollower(std::move(window), this);
    connect(this, &MousecfgWidget::sendFinished, m_appFollower, &AppProfileFollower::runPendingSwitch,
            Qt::QueuedConnection);
    // Reading the rules and asking the desktop wait until the window is up.
    QTimer::singleShot(0, m_appFollower, [this] { m_appFollower->setSettings(readAppProfileSettings()); });
}

void MousecfgWidget::openApplicationsDialog()
{
    bringBack();
    if (m_appProfilesDialog) {
        m_appProfilesDialog->raise();
        m_appProfilesDialog->activateWindow();
        return;
    }
    // Another box waits for an answer first; the dialog would hide it.
    if (QApplication::activeModalWidget())
        return;
    // The file, not the follower's copy: a change made to Config.ini meanwhile shows.
    auto* dialog =
        new TarqAppProfilesDialog(readAppProfileSettings(), m_appFollower->desktopTells(), createWindowPicker(), this);
    dialog->setAttribute(Qt::WA_DeleteOnClose);
    connect(dialog, &QDialog::accepted, m_appFollower,
            [this] { m_appFollower->setSettings(readAppProfileSettings()); });
    m_appProfilesDialog = dialog;
    dialog->open();
}
