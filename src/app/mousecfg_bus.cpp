// SPDX-License-Identifier: GPL-3.0-or-later
// The window's commands as the session bus asks for them: the same steps as its buttons, with the
// outcome handed back instead of only shown, and no question a caller on the bus could not answer.
#include "app/mousecfg_widget.h"
#include "device/commands.h"
#include "device/device_state.h"
#include "device/sensor_resolution.h"
#include "device/transport.h"
#include "device/upload.h"
#include "session/configuration_files.h"
#include "session/send_check.h"
#include "session/sending.h"
#include "storage/app_config.h"
#include "storage/product_description.h"

#include <QApplication>
#include <memory>

namespace {

using MouseBus::Error;

const char kNoMouseMessage[] = "No mouse connected.";
const char kBusyMessage[] = "The window is busy: a send is running or a question waits for an answer.";
const char kSwitchFailedMessage[] = "The mouse did not confirm the profile switch.";
const char kNotSavedMessage[] = "The mouse has the new settings, but they could not be saved to %1.";
const char kUnsentEditsMessage[] =
    "The window holds changes not sent to the mouse yet; send or discard them there first.";

// The report rate codes are the mouse's divisors of 1000 Hz.
uint reportRateHz(int rateCode)
{
    return rateCode == 1 || rateCode == 2 || rateCode == 4 || rateCode == 8 ? uint(1000 / rateCode) : 0;
}

MouseBusReply replyOfSend(const SendOutcome& outcome, const QStringList& notes)
{
    if (outcome.result == kUploadMouseOff)
        return MouseBusReply::failure(Error::MouseOff, QLatin1String(kMouseSleepingMessage));
    if (outcome.result != kTransportOk)
        return MouseBusReply::failure(Error::Failed, QLatin1String(kSendFailedMessage));
    if (outcome.saved != StorageResult::Ok)
        return MouseBusReply::failure(Error::Failed, QLatin1String(kNotSavedMessage).arg(outcome.unsavedPath));
    return { Error::None, QString(), outcome.sentFlags != ChangeFlag::None, notes };
}

} // namespace

MouseBusState MousecfgWidget::mouseBusState() const
{
    MouseBusState state;
    const ConfigRecord& working = m_configuration.working;
    const int slot = working.ProfileID < kProfileCount ? working.ProfileID : 0;
    const ProfileRecord& profile = working.profiles[size_t(slot)];
    const int stage = profile.dpi < kDpiStageCount ? profile.dpi : 0;
    state.connected = m_connectedMice != 0;
    // Without a mouse, still the product this installation is for: clients match it.
    const QString connectedProduct = currentProductName();
    state.product = connectedProduct.isEmpty() ? productName() : connectedProduct;
    state.connection = connectionName(sidePresent(true), sidePresent(false));
    state.activeSlot = uint(slot + 1);
    for (const QString& name : working.profileNames)
        state.slotNames << name;
    state.dpiStage = uint(stage + 1);
    state.dpi = uint(dpiOfStep(int(profile.dpiStages[size_t(stage)].x), sensorVariant()));
    state.reportRateHz = reportRateHz(profile.pollrate);
    state.mouseOff = isMouseOff();
    if (state.connected && !state.mouseOff && m_batteryReading.answered()) {
        state.batteryPercent = m_lastBatteryPercent;
        state.batteryLevel = uint(m_batteryReading.level());
        state.charging = m_charging;
    }
    state.pendingUpload = pendingUploadFlag() == 1;
    return state;
}

MouseBusReply MousecfgWidget::refusalForBus(bool needsMouse) const
{
    if (needsMouse && (m_connectedMice == 0 || !commandHandle()))
        return MouseBusReply::failure(Error::NoMouse, QLatin1String(kNoMouseMessage));
    if (needsMouse && isMouseOff())
        return MouseBusReply::failure(Error::MouseOff, QLatin1String(kMouseSleepingMessage));
    // The window's own rule: nothing new starts while a send runs or a question waits.
    if (isSending() || m_unsentQuestionOpen || QApplication::activeModalWidget())
        return MouseBusReply::failure(Error::Busy, QLatin1String(kBusyMessage));
    return {};
}

MouseBusReply MousecfgWidget::selectSlotForBus(int slot)
{
    const MouseBusReply refused = refusalForBus(true);
    if (!refused.ok())
        return refused;
    // Unsent edits stay in the working record of their slot, still marked: a script's switch
    // asks no question of the user.
    switch (onSlotActionTriggered(slot)) {
        case kTransportOk:
            return {};
        case kTransportNoDevice:
            return MouseBusReply::failure(Error::NoMouse, QLatin1String(kNoMouseMessage));
        default:
            return MouseBusReply::failure(Error::Failed, QLatin1String(kSwitchFailedMessage));
    }
}

void MousecfgWidget::applyForBus(std::function<void(const MouseBusReply&)> done)
{
    const MouseBusReply refused = refusalForBus(true);
    if (!refused.ok()) {
        done(refused);
        return;
    }
    sendForBus({}, std::move(done));
}

void MousecfgWidget::importForBus(const QString& path, std::function<void(const MouseBusReply&)> done)
{
    MouseBusReply refused = refusalForBus(true);
    if (refused.ok() && hasUnsentEdits())
        refused = MouseBusReply::failure(Error::Busy, QLatin1String(kUnsentEditsMessage));
    if (!refused.ok()) {
        done(refused);
        return;
    }
    const ConfigFileResult loaded = loadConfiguration(path);
    if (!loaded.ok()) {
        done(MouseBusReply::failure(Error::BadFile, loaded.message()));
        return;
    }
    sendForBus(loaded.repairs, std::move(done));
}

MouseBusReply MousecfgWidget::exportForBus(const QString& path)
{
    const MouseBusReply refused = refusalForBus(false);
    if (!refused.ok())
        return refused;
    ConfigFileResult result = checkExportTarget(path);
    if (result.ok())
        result = exportConfigurationFile(m_configuration.working, path);
    return result.ok() ? MouseBusReply() : MouseBusReply::failure(Error::Failed, result.message());
}

MouseBusReply MousecfgWidget::requestFullUploadForBus()
{
    const MouseBusReply refused = refusalForBus(false);
    if (!refused.ok())
        return refused;
    const StorageResult stored = setPendingUploadFlag(1);
    emit mouseStateChanged();
    return stored == StorageResult::Ok
               ? MouseBusReply()
               : MouseBusReply::failure(Error::Failed,
                                        QStringLiteral("The settings could not be saved to %1.").arg(configIniPath()));
}

void MousecfgWidget::showForBus()
{
    // A question waiting in the window comes to the front with it: it is what holds the window.
    if (QWidget* modal = QApplication::activeModalWidget()) {
        bringBack();
        modal->raise();
        modal->activateWindow();
        return;
    }
    showOrWarn();
}

void MousecfgWidget::sendForBus(QStringList notes, std::function<void(const MouseBusReply&)> done)
{
    // The caller hears the check's warnings instead of being asked: the command line sends too.
    const SendCheck check = checkBeforeSend(m_configuration.working);
    if (check.refused()) {
        done(MouseBusReply::failure(Error::BadFile, check.refusalText() + QStringLiteral(" Nothing was sent.")));
        return;
    }
    notes += check.warnings;
    startSend(false, {});
    // Sends run one at a time: the next one to finish is this one. It is answered when it ends,
    // before a failure's box has its answer.
    auto finished = std::make_shared<QMetaObject::Connection>();
    *finished = connect(this, &MousecfgWidget::sendFinished, this, [this, finished, notes, done](int) {
        disconnect(*finished);
        done(replyOfSend(*m_lastSendOutcome, notes));
    });
}
