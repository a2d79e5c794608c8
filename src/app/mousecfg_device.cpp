// SPDX-License-Identifier: GPL-3.0-or-later
// The window's side of the device: hot-plugging, the mouse list, the battery display, the
// mouse's own buttons and the product pictures.
#include "app/battery_notifier.h"
#include "app/hot_spots.h"
#include "app/mousecfg_widget.h"
#include "app/window_layout.h"
#include "controls/labels_menus.h"
#include "controls/message_box.h"
#include "controls/progress.h"
#include "controls/push_button.h"
#include "controls/skin_paths.h"
#include "controls/theme.h"
#include "device/battery.h"
#include "device/commands.h"
#include "device/device_state.h"
#include "device/discovery.h"
#include "device/interface_change.h"
#include "log_categories.h"
#include "pages/dpi_page.h"
#include "pages/report_rate_page.h"
#include "pages/tarq_page.h"
#include "platform/pointer_speed.h"
#include "storage/app_config.h"
#include "storage/product_description.h"
#include "storage/profile_files.h"

#include <QFile>
#include <QLabel>
#include <QThread>
#include <QTimer>

namespace {

constexpr int kSwitchPauseMs = 50;

// Read as an image, not a pixmap: only the scaled picture is kept, the full-size one never sits
// in the pixmap cache. A missing file gives a null picture.
QPixmap fittedPicture(const QString& path, const QSize& box)
{
    const QImage picture = QFile::exists(path) ? QImage(path) : QImage();
    return picture.isNull() ? QPixmap()
                            : QPixmap::fromImage(picture.scaled(box, Qt::KeepAspectRatio, Qt::SmoothTransformation));
}

QString batteryStyle(bool off, double factor)
{
    const int fontPixels = qRound(16 * factor);
    if (off)
        return QStringLiteral("QProgressBar{background-color:rgb(100,100,100);color:white;font:bold %1px;"
                              "text-align:center;border-radius:2px;border:0px;}"
                              "QProgressBar::chunk{background-color:rgb(100,100,100);border-radius:2px;}")
            .arg(fontPixels);
    const QColor accent = themeColour();
    return QStringLiteral("QProgressBar{background-color:white;color:black;font:bold %1px;text-align:center;"
                          "border-radius:2px;border:0px;}"
                          "QProgressBar::chunk{background-color:rgb(%2,%3,%4);border-radius:2px;}")
        .arg(fontPixels)
        .arg(accent.red())
        .arg(accent.green())
        .arg(accent.blue());
}

} // namespace

void MousecfgWidget::onInterfaceChanged(const QString& name, bool arrived)
{
    // The sending thread reads the handles and the working record: hot-plug waits for it.
    if (m_sendThread) {
        m_deferredInterfaceChanges.emplace_back(name, arrived);
        return;
    }
    qCDebug(lcUi) << (arrived ? "DBT_DEVICEARRIVAL\n" : "DBT_DEVICEREMOVECOMPLETE\n") << name;
    if (!m_interfaceChanges)
        m_interfaceChanges = new InterfaceChangeHandler(*this, this);
    m_interfaceChanges->onInterfaceChanged(name, arrived);
}

QString MousecfgWidget::currentProductName() const
{
    return ::currentProductName();
}

void MousecfgWidget::refreshMouseList()
{
    // The bus hears of it once this event is handled, whichever way this ends.
    emit mouseStateChanged();
    m_mouseMenu->clear();
    QStringList names;
    for (const QByteArray& model : connectedModelNames())
        names << QString::fromLatin1(model);
    m_connectedMice = names.size();
    if (names.isEmpty()) {
        m_mouseSelector->hide();
        setCurrentProductName(QString());
        return;
    }
    if (names.size() == 1) {
        m_mouseSelector->hide();
        qCDebug(lcUi).noquote() << "RefreshMouseList " + names.first();
        setCurrentProductName(names.first());
        return;
    }
    for (const QString& name : names) {
        auto* action = new TarqAction(name, m_mouseMenu);
        m_mouseMenu->addAction(action);
    }
    m_mouseSelector->setText(currentProductName());
    m_mouseSelector->setAccessibleName(tr("Mouse"));
    m_mouseSelector->show();
    connect(m_mouseMenu, &QMenu::triggered, this, &MousecfgWidget::slot_show_mousename, Qt::UniqueConnection);
}

void MousecfgWidget::slot_show_mousename(QAction* action)
{
    StopBatteryThread();
    QThread::msleep(kSwitchPauseMs);
    closeDevice();
    QThread::msleep(kSwitchPauseMs);
    m_frontView = true;
    m_mouseSelector->setText(action->text());
    setCurrentProductName(action->text());
    slotWarnClose();
}

void MousecfgWidget::scheduleWarnClose(int delayMs)
{
    QTimer::singleShot(delayMs, this, &MousecfgWidget::slotWarnClose);
}

void MousecfgWidget::scheduleWarning(int delayMs)
{
    QTimer::singleShot(delayMs, this, &MousecfgWidget::slotWarning);
}

void MousecfgWidget::slotWarnClose()
{
    openDevice(currentProductName().toLatin1());
    StartBatteryThread();
    reloadEverything();
    m_deviceOpen = true;
}

void MousecfgWidget::reloadConfiguration()
{
    reloadEverything();
    if (m_batteryNotifier)
        m_batteryNotifier->reloadThresholds();
}

void MousecfgWidget::reloadEverything()
{
    m_frontView = true;
    loadProductImages();
    noteForUser(loadStartupConfiguration(m_configuration));
    adoptDesktopPointerSpeed();
    m_library.reload();
    m_dpiPage->setSensor(sensorVariant());
    showSlotLabel(m_slotActions[size_t(m_library.currentSlot())]->text());
    m_nameEdit->setText(m_library.currentName());
    RebuildProfileMenu();
    selectTab(LightingTab);
    SelBtnChanged(0, 0);
    loadModelImages();
    showView(true);
    RefreshPages();
    m_tray->setToolTip(currentProductName());
}

bool MousecfgWidget::sidePresent(bool cable, bool pointer) const
{
    const QByteArray product = currentProductName().toLatin1();
    const DeviceIdentityTable& table = deviceTable();
    for (quint32 i = 0; i < table.count && i < quint32(kDeviceTableCapacity); ++i) {
        const DeviceIdentityEntry& entry = table.entries[i];
        if (entry.modelName != product)
            continue;
        const DeviceSide& side = cable ? entry.cable : entry.receiver;
        if ((pointer ? side.pointerPresent : side.commandPresent).load() == 1)
            return true;
    }
    return false;
}

void MousecfgWidget::updateConnectionDisplay()
{
    const bool cable = sidePresent(true);
    m_connection = connectionDisplayFor(cable, sidePresent(false), m_charging);
    if (cable && m_batteryNotifier)
        m_batteryNotifier->cableConnected();
    m_dongleIcon->setVisible(m_connection.receiverIcon);
    m_batteryBar->setVisible(m_connection.batteryBar);
    m_chargingIcon->hide();
    update(scaledRect(WindowLayout::BatteryFrame, m_scaleFactor));
    emit mouseStateChanged();
}

void MousecfgWidget::showBatteryOff()
{
    m_batteryBar->setBarText(tr("MOUSE OFF"));
    m_batteryBar->setTextVisible(false);
    m_batteryBar->setStyleSheet(batteryStyle(true, m_scaleFactor));
    m_batteryBar->setAccessibleDescription(tr("MOUSE OFF"));
    m_chargingIcon->hide();
    setMouseOff(true);
    emit mouseStateChanged();
}

void MousecfgWidget::slotRefreshBatteryStatus(quint8 iCharge, quint8 iLowByte, quint8 iHiByte)
{
    if (iCharge == 0 && iLowByte == 0 && iHiByte == 0) {
        showBatteryOff();
        return;
    }
    setMouseOff(false);
    const bool cable = sidePresent(true);
    m_batteryBar->setBarText(QString());
    m_batteryBar->setTextVisible(true);
    m_batteryBar->setFormat(cable ? QString() : QStringLiteral("%p%"));
    m_batteryBar->setStyleSheet(batteryStyle(false, m_scaleFactor));
    m_charging = iCharge != 0;
    m_chargingIcon->setVisible(m_charging);

    BatteryReading& reading = m_batteryReading;
    reading.chargeByte = iCharge;
    reading.levelLow = iLowByte;
    reading.levelHigh = iHiByte;
    const int percent = batteryPercent(reading, m_batteryFull);
    if (percent != m_lastBatteryPercent) {
        m_lastBatteryPercent = percent;
        setBatteryLevel(percent);
    }
    m_batteryBar->setValue(cable ? 100 : percent);
    m_batteryBar->setAccessibleDescription(cable ? QString() : QStringLiteral("%1%").arg(percent));
    updateConnectionDisplay();
    if (m_batteryNotifier)
        m_batteryNotifier->updateBattery(batteryLevelEstimate(reading, m_batteryFull), m_charging, cable);
}

void MousecfgWidget::slotRefreshStatus(quint8 iProfile, quint8 iDPI, quint8 iRate, quint8)
{
    if (iProfile < kProfileCount && iProfile != m_configuration.working.ProfileID)
        slotRefreshProfile(iProfile);
    // Measured against what the mouse was known to hold, so a stage or rate chosen on a page and
    // not sent yet is not taken back by the next report.
    const ProfileRecord& held = m_configuration.lastUploaded.profiles[m_configuration.working.ProfileID];
    if (iDPI != held.dpi)
        slotRefreshDPIStage(iDPI);
    if (iRate != held.pollrate)
        slotRefreshRate(iRate);
}

void MousecfgWidget::slotRefreshProfile(quint8 iProfile)
{
    if (iProfile >= kProfileCount)
        return;
    // The mouse's own buttons changed what it holds: no edit of the user's.
    m_configuration.lastUploaded.ProfileID = iProfile;
    SelectSlot(iProfile, false);
    RebuildProfileMenu();
    applyPointerSpeed(iProfile);
}

void MousecfgWidget::slotRefreshDPIStage(quint8 iDPI)
{
    ProfileRecord& current = m_configuration.working.profiles[m_configuration.working.ProfileID];
    current.dpi = iDPI;
    m_configuration.lastUploaded.profiles[m_configuration.working.ProfileID].dpi = iDPI;
    m_dpiPage->showDpiStage(iDPI);
    saveProfileDpiStage(m_library.currentName(), iDPI);
    if (iDPI < kDpiStageCount)
        ShowOsdText(dpiStageOsdText(iDPI));
    emit mouseStateChanged();
}

void MousecfgWidget::slotRefreshLightMode(quint8 iBuff1)
{
    m_lightingPage->showLightMode(iBuff1);
    const quint8 slot = m_configuration.working.ProfileID;
    if (slot < kProfileCount)
        m_configuration.lastUploaded.profiles[slot].LedMode = m_configuration.working.profiles[slot].LedMode;
}

void MousecfgWidget::slotRefreshRate(quint8 iRate)
{
    ProfileRecord& current = m_configuration.working.profiles[m_configuration.working.ProfileID];
    current.pollrate = iRate;
    m_configuration.lastUploaded.profiles[m_configuration.working.ProfileID].pollrate = iRate;
    m_ratePage->showReportRate(iRate);
    ShowOsdText(reportRateOsdText(iRate));
    emit mouseStateChanged();
}

void MousecfgWidget::slotRefreshWriteStatus(quint8 iStatus)
{
    if (iStatus == 0)
        setPendingUploadFlag(1);
    emit mouseStateChanged();
}

void MousecfgWidget::applyPointerSpeed(int slot)
{
    applyUploadedPointerSpeed(slot);
}

void MousecfgWidget::adoptDesktopPointerSpeed()
{
    ConfigRecord& working = m_configuration.working;
    working.profiles[size_t(working.ProfileID < kProfileCount ? working.ProfileID : 0)].mousespeed =
        quint8(getSystemPointerSpeed());
}

void MousecfgWidget::StartBatteryThread()
{
    if (!commandHandle())
        return;
    m_battery.startMonitor();
}

void MousecfgWidget::StopBatteryThread()
{
    m_battery.stopMonitor();
}

void MousecfgWidget::loadProductImages()
{
    const QSize box = scaledRect(WindowLayout::MousePicture, m_scaleFactor).size();
    m_frontPicture = fittedPicture(productPicturePath(QStringLiteral("Mouse.png")), box);
    m_hoverPictures.clear();
    m_sidePicture = QPixmap();
    // The window opens without the pictures it does not show at once; they follow its first paint.
    if (m_firstPaintReported)
        loadDeferredPictures();
    m_frontImage->setPixmap(m_frontPicture);

    // Hot-spots sit on the buttons of the picture as it is shown (kept aspect, centred).
    const QRect pictureBox = scaledRect(WindowLayout::MousePicture, m_scaleFactor);
    const QSize shown = m_frontPicture.isNull() ? pictureBox.size() : m_frontPicture.size();
    const QRect shownRect(pictureBox.x() + (pictureBox.width() - shown.width()) / 2,
                          pictureBox.y() + (pictureBox.height() - shown.height()) / 2, shown.width(), shown.height());
    const int spotSize = qRound(WindowLayout::kHotSpotSize * m_scaleFactor);
    auto placeSpot = [&](TarqPushButton* spot, const QPointF& gridPoint) {
        const QPoint centre(shownRect.x() + qRound(gridPoint.x() * shownRect.width() / kPictureGridWidth),
                            shownRect.y() + qRound(gridPoint.y() * shownRect.height() / kPictureGridHeight));
        spot->setGeometry(centre.x() - spotSize / 2, centre.y() - spotSize / 2, spotSize, spotSize);
    };
    for (int i = 0; i < kHotSpotCount; ++i) {
        const HotSpotPlace front = frontHotSpot(i);
        if (front.placed)
            placeSpot(m_frontSpots[size_t(i)], front.centre);
        const HotSpotPlace side = sideHotSpot(i);
        if (side.placed)
            placeSpot(m_sideSpots[size_t(i)], side.centre);
    }
    for (int i = 0; i < 2; ++i)
        placeSpot(m_extraSpots[size_t(i)], wheelHotSpot(i));
}

void MousecfgWidget::loadDeferredPictures()
{
    const QSize box = scaledRect(WindowLayout::MousePicture, m_scaleFactor).size();
    m_sidePicture =
        fittedPicture(skinPath(QStringLiteral("mouse/") + currentProductName() + QStringLiteral("_Side.png")), box);
    m_sideImage->setPixmap(m_sidePicture);
    m_hoverPictures.clear();
    for (int i = 0; i < kHotSpotCount; ++i)
        m_hoverPictures.push_back(fittedPicture(productPicturePath(QStringLiteral("mouse_%1.png").arg(i + 1)), box));
}

QString MousecfgWidget::productPicturePath(const QString& name) const
{
    return skinPath(QStringLiteral("mouse/") + currentProductName() + QLatin1Char('/') + name);
}

void MousecfgWidget::loadModelImages()
{
    const bool alternative = usesAlternativeWheelImages(currentProductName());
    const char* up = alternative ? "btn_up4.png" : "btn_up2.png";
    const char* upChecked = alternative ? "btn_up3.png" : "btn_up1.png";
    const char* down = alternative ? "btn_down4.png" : "btn_down2.png";
    const char* downChecked = alternative ? "btn_down3.png" : "btn_down1.png";
    m_extraSpots[0]->setImages({ skinPath(QLatin1String(up)), skinPath(QLatin1String(upChecked)) });
    m_extraSpots[1]->setImages({ skinPath(QLatin1String(down)), skinPath(QLatin1String(downChecked)) });
}
