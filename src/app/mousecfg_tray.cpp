// SPDX-License-Identifier: GPL-3.0-or-later
// The window's ways away and back: the tray icon and its menu, closing, putting the window away
// after OK and Cancel, the show-or-warn step and quitting.
#include "app/mousecfg_widget.h"
#include "controls/labels_menus.h"
#include "controls/message_box.h"
#include "pages/tarq_page.h"

#include <QCloseEvent>
#include <QCoreApplication>

void MousecfgWidget::createTray()
{
    m_trayMenu = new TarqMenu(this);
    m_loadConfigAction = new TarqAction(this);
    m_applicationsAction = new TarqAction(this);
    m_quitAction = new TarqAction(this);
    connect(m_loadConfigAction, &QAction::triggered, this, &MousecfgWidget::showOrWarn);
    connect(m_applicationsAction, &QAction::triggered, this, &MousecfgWidget::openApplicationsDialog);
    connect(m_quitAction, &QAction::triggered, this, &MousecfgWidget::quitWhenSettled);
    m_trayMenu->addAction(m_loadConfigAction);
    m_trayMenu->addAction(m_applicationsAction);
    m_trayMenu->addSeparator();
    m_trayMenu->addAction(m_quitAction);
    m_tray = new QSystemTrayIcon(this);
    m_tray->setContextMenu(m_trayMenu);
    m_tray->setIcon(windowIcon());
    m_tray->setToolTip(currentProductName());
    connect(m_tray, &QSystemTrayIcon::activated, this, &MousecfgWidget::iconActivated);
    retranslateTray();
    m_tray->show();
}

void MousecfgWidget::closeEvent(QCloseEvent* event)
{
    if (!m_macroPage->settleUnsavedEdits()) {
        event->ignore();
        return;
    }
    // Without a tray there would be no way back to a hidden window: closing then quits.
    event->ignore();
    if (QSystemTrayIcon::isSystemTrayAvailable()) {
        hide();
        return;
    }
    quitWhenSettled();
}

void MousecfgWidget::putAway()
{
    // A hidden window without a tray could never be brought back; a minimised one stays in the
    // task bar, which is what closing to the tray comes closest to.
    if (QSystemTrayIcon::isSystemTrayAvailable())
        hide();
    else
        showMinimized();
}

bool MousecfgWidget::isPutAway() const
{
    return isHidden() || isMinimized();
}

void MousecfgWidget::bringBack()
{
    // The window has a fixed size: a normal state is all there is to restore.
    showNormal();
    raise();
    activateWindow();
}

void MousecfgWidget::quitWhenSettled()
{
    // An upload is not cut short (a tray menu served over the bus is not held by the progress
    // dialog): the program ends once it is through.
    if (isSending()) {
        m_quitAfterSend = true;
        return;
    }
    if (m_macroPage->settleUnsavedEdits())
        settleUnsentEdits([] { QCoreApplication::quit(); });
}

void MousecfgWidget::iconActivated(QSystemTrayIcon::ActivationReason reason)
{
    if (reason != QSystemTrayIcon::DoubleClick && reason != QSystemTrayIcon::Trigger)
        return;
    if (isPutAway())
        showOrWarn();
    else if (!m_warningOpen)
        hide();
}

void MousecfgWidget::showOrWarn()
{
    bringBack();
    if (m_connectedMice != 0 || m_warningBox)
        return;
    m_warningOpen = true;
    m_warningBox = new TarqMessageBox(TarqMessageBox::DongleMissing, QString(), QStringLiteral("Warning"),
                                      QStringLiteral("Dongle Disconnect!"), this, true);
    m_warningBox->setAttribute(Qt::WA_DeleteOnClose);
    m_warningBox->setWindowModality(Qt::ApplicationModal);
    connect(m_warningBox, &QDialog::finished, this, [this] {
        // Without a tray, hiding would leave the program running with no way back to it.
        if (m_connectedMice == 0 && QSystemTrayIcon::isSystemTrayAvailable())
            hide();
        m_warningOpen = false;
    });
    m_warningBox->open();
}

void MousecfgWidget::slotWarning()
{
    showOrWarn();
}
