// SPDX-License-Identifier: GPL-3.0-or-later
// The window's profile commands, the slots and sending with progress; and its texts.
#include "app/gui_thread_monitor.h"
#include "app/mousecfg_widget.h"
#include "controls/file_dialogs.h"
#include "controls/labels_menus.h"
#include "controls/message_box.h"
#include "controls/progress.h"
#include "controls/push_button.h"
#include "controls/translator.h"
#include "device/commands.h"
#include "device/device_state.h"
#include "device/upload.h"
#include "log_categories.h"
#include "pages/tarq_page.h"
#include "platform/pointer_speed.h"
#include "session/configuration_files.h"
#include "session/record_gate.h"
#include "session/send_check.h"
#include "session/sending.h"
#include "storage/app_config.h"
#include "storage/product_description.h"
#include "storage/profile_files.h"

#include <QCoreApplication>
#include <QScrollArea>
#include <utility>

namespace {

constexpr int kProfileMenuWidth = 152;
// The mouse has what was asked for, the files do not: the user must know before quitting.
const char kSentNotSavedMessage[] =
    QT_TRANSLATE_NOOP("TarqMessageBox", "The mouse has the new settings, but they could not be saved to %1.");
const char kNotSavedMessage[] = QT_TRANSLATE_NOOP("TarqMessageBox", "The settings could not be saved to %1.");
const char kSendAnywayQuestion[] = QT_TRANSLATE_NOOP("TarqMessageBox", "Send anyway?");

QString messageText(const char* source)
{
    return QCoreApplication::translate("TarqMessageBox", source);
}

} // namespace

void MousecfgWidget::retranslateUi()
{
    // Installations that name no model show the product instead of an empty field.
    const QString model = modelText().isEmpty() ? currentProductName() : modelText();
    m_modeLabel->setText(tr("Mode") + QStringLiteral(": ") + model);
    m_versionLabel->setText(tr("Version") + QStringLiteral(": ") + productVersion());
    m_nameEdit->setToolTip(tr("Press Enter To Apply"));
    m_nameEdit->setAccessibleName(tr("NAME"));
    m_nameCaption->setText(tr("NAME"));
    const std::pair<TarqPushButton*, const char*> texts[] = {
        { m_resetButton, QT_TR_NOOP("RESET") },
        { m_addButton, QT_TR_NOOP("ADD") },
        { m_deleteButton, QT_TR_NOOP("DELETE") },
        { m_copyButton, QT_TR_NOOP("COPY") },
        { m_resetAllButton, QT_TR_NOOP("Reset All") },
        { m_okButton, QT_TR_NOOP("OK") },
        { m_cancelButton, QT_TR_NOOP("Cancel") },
        { m_applyButton, QT_TR_NOOP("Apply") },
        { m_loadButton, QT_TR_NOOP("LOAD1") },
        { m_saveButton, QT_TR_NOOP("SAVE") },
        { m_tabs[LightingTab], QT_TR_NOOP("LIGHTING") },
        { m_tabs[CustomizeTab], QT_TR_NOOP("CUSTOMIZE") },
        { m_tabs[DpiTab], QT_TR_NOOP("DPI") },
        { m_tabs[MacroTab], QT_TR_NOOP("MACRO") },
        { m_firmwareButton, QT_TR_NOOP("Firmware Update") },
        { m_frontButton, QT_TR_NOOP("Front") },
        { m_sideButton, QT_TR_NOOP("Side") },
    };
    for (const auto& [button, source] : texts) {
        button->setText(tr(source));
        button->setAccessibleName(tr(source));
    }
    // Image-only controls are named for screen readers.
    m_exportButton->setAccessibleName(tr("Export profile"));
    m_exportButton->setToolTip(tr("Export profile"));
    m_importButton->setAccessibleName(tr("Import profile"));
    m_importButton->setToolTip(tr("Import profile"));
    m_profileMenuButton->setAccessibleName(tr("Profile list"));
    m_closeButton->setAccessibleName(tr("Close"));
    m_minimiseButton->setAccessibleName(tr("Minimise"));
    m_batteryBar->setAccessibleName(tr("Battery"));
    m_languageButton->setAccessibleName(tr("Language"));
    m_applicationsButton->setText(tr("Applications"));
    m_applicationsButton->setAccessibleName(tr("Applications"));
    m_applicationsButton->setToolTip(tr("Profiles that follow the application in front"));
    m_mouseSelector->setAccessibleName(tr("Mouse"));
    m_profileLabel->setAccessibleDescription(tr("Choose the profile slot"));
    m_tabList->setAccessibleName(tr("Pages"));
    setAccessibleName(currentProductName());
    m_dongleIcon->setAccessibleName(tr("Receiver connected"));
    m_chargingIcon->setAccessibleName(tr("Charging"));
    for (int i = 0; i < MousecfgWidget::kHotSpotCount; ++i) {
        m_frontSpots[size_t(i)]->setAccessibleName(tr("Button %1").arg(i + 1));
        m_sideSpots[size_t(i)]->setAccessibleName(tr("Button %1").arg(i + 1));
    }
    m_extraSpots[0]->setAccessibleName(tr("Wheel up"));
    m_extraSpots[1]->setAccessibleName(tr("Wheel down"));
    if (isMouseOff())
        m_batteryBar->setBarText(tr("MOUSE OFF"));
    for (int slot = 0; slot < kProfileCount && m_slotActions[size_t(slot)]; ++slot) {
        m_slotActions[size_t(slot)]->setText(tr("Profile") + QStringLiteral(" %1").arg(slot + 1));
        // Screen readers hear the slot; the profile it holds is the description.
        m_slotButtons[size_t(slot)]->setAccessibleName(m_slotActions[size_t(slot)]->text());
    }
    if (m_slotActions[0])
        showSlotLabel(m_slotActions[size_t(m_library.currentSlot())]->text());
    if (m_loadConfigAction)
        retranslateTray();
    for (TarqPage* page : allPages())
        page->retranslate();
}

void MousecfgWidget::retranslateTray()
{
    m_loadConfigAction->setText(tr("&Load Config"));
    m_applicationsAction->setText(tr("Applications"));
    m_quitAction->setText(tr("&Quit"));
}

void MousecfgWidget::rebuildLanguageMenu()
{
    m_languageMenu->clear();
    const LanguageList& languages = m_translator->languages();
    for (int i = 0; i < languages.offeredCount(); ++i) {
        auto* action = new TarqAction(languages.names[size_t(i)], m_languageMenu);
        connect(action, &QAction::triggered, this, [this, i] {
            const LanguageList& list = m_translator->languages();
            m_languageButton->setText(list.names[size_t(i)]);
            m_translator->switchTo(i);
        });
        m_languageMenu->addChoice(action);
    }
    m_languageMenu->setCurrentEntry([this]() -> QAction* {
        const QList<QAction*> entries = m_languageMenu->actions();
        const int index = currentLanguageIndex();
        return index >= 0 && index < entries.size() ? entries.at(index) : nullptr;
    });
    const int current = qBound(0, currentLanguageIndex(), qMax(0, languages.offeredCount() - 1));
    m_languageButton->setText(languages.offeredCount() > 0 ? languages.names[size_t(current)] : QString());
    m_languageButton->setVisible(m_translator->selectorVisible());
}

void MousecfgWidget::rebuildSlotMenu()
{
    m_slotMenu->clear();
    for (int slot = 0; slot < kProfileCount; ++slot) {
        auto* action = new TarqAction(tr("Profile") + QStringLiteral(" %1").arg(slot + 1), m_slotMenu);
        connect(action, &QAction::triggered, this, [this, slot] { onSlotChosen(slot); });
        m_slotMenu->addChoice(action);
        m_slotActions[size_t(slot)] = action;
    }
    m_slotMenu->setCurrentEntry([this] { return m_slotActions[size_t(m_library.currentSlot())]; });
    showSlotLabel(m_slotActions[size_t(m_library.currentSlot())]->text());
}

void MousecfgWidget::RebuildProfileMenu()
{
    m_profileMenu->clear();
    const QStringList& names = m_library.names();
    for (int i = 0; i < names.size() && i < kProfileLibraryCapacity; ++i) {
        auto* action = new TarqAction(names.at(i), m_profileMenu);
        connect(action, &QAction::triggered, this, [this, action] { onChooseProfile(action); });
        m_profileMenu->addChoice(action);
    }
    m_profileMenu->setCurrentEntry([this]() -> QAction* {
        for (QAction* action : m_profileMenu->actions()) {
            if (action->text() == m_library.currentName())
                return action;
        }
        return nullptr;
    });
    m_profileMenu->setFixedWidth(qRound(kProfileMenuWidth * m_scaleFactor));
    showSlotNames();
}

void MousecfgWidget::showSlotNames()
{
    for (int slot = 0; slot < kProfileCount; ++slot) {
        const QString& name = m_configuration.working.profileNames[size_t(slot)];
        m_slotButtons[size_t(slot)]->setText(name);
        m_slotButtons[size_t(slot)]->setAccessibleDescription(name);
    }
}

void MousecfgWidget::RefreshPages()
{
    ConfigRecord& working = m_configuration.working;
    const int slot = m_library.currentSlot();
    for (int i = 0; i < kProfileCount; ++i)
        m_slotButtons[size_t(i)]->setChecked(i == slot);
    showSlotNames();
    ProfileRecord& profile = working.profiles[size_t(slot)];
    const int dpiStageCount = productDpiStageCount();
    for (TarqPage* page : allPages())
        page->showProfile(profile, working, dpiStageCount);
    markUnsentEdits();
}

void MousecfgWidget::SelectSlot(int index, bool reload)
{
    if (index < 0 || index >= kProfileCount)
        return;
    showSlotLabel(m_slotActions[size_t(index)]->text());
    ConfigRecord& working = m_configuration.working;
    working.ProfileID = quint8(index);
    if (reload) {
        // No page edits the pointer speed: the one the slot holds (the desktop's, adopted at
        // start) is no unsent edit, and reading the file must not make the next send change it.
        const quint8 speed = working.profiles[size_t(index)].mousespeed;
        noteForUser(m_library.reloadCurrent());
        working.profiles[size_t(index)].mousespeed = speed;
    }
    m_nameEdit->setText(working.profileNames[size_t(index)]);
    RefreshPages();
    saveActiveProfileIndex(index);
}

void MousecfgWidget::onSlotChosen(int slot)
{
    // The mark stays on the current slot until the switch is done; settling may refuse it.
    for (int i = 0; i < kProfileCount; ++i)
        m_slotButtons[size_t(i)]->setChecked(i == m_library.currentSlot());
    if (slot != m_library.currentSlot())
        settleUnsentEdits([this, slot] { onSlotActionTriggered(slot); });
}

quint8 MousecfgWidget::onSlotActionTriggered(int slot)
{
    SelectSlot(slot, false);
    RebuildProfileMenu();
    // The battery thread reads the same interface: it would take the switch's echoes.
    const bool monitoring = m_battery.hasThread();
    StopBatteryThread();
    // The mouse holds the slot now: being on another slot is no edit still to send.
    const quint8 result = switchOnBoardProfile(quint8(slot));
    if (result == 0)
        m_configuration.lastUploaded.ProfileID = quint8(slot);
    markUnsentEdits();
    if (monitoring)
        StartBatteryThread();
    applyPointerSpeed(slot);
    return result;
}

void MousecfgWidget::showSlotLabel(const QString& text)
{
    // Screen readers hear what it shows ("Profile 1").
    m_profileLabel->setText(text);
    m_profileLabel->setAccessibleName(text);
}

void MousecfgWidget::slot_show_profilename(QAction* action)
{
    showSlotLabel(action->text());
    m_nameEdit->setText(action->text());
    m_configuration.working.profileNames[size_t(m_library.currentSlot())] = action->text();
    emit mouseStateChanged();
}

void MousecfgWidget::showCommandResult(const ProfileCommandResult& result)
{
    if (result.message)
        showMessage(TarqMessageBox::Warning, result.text());
    noteForUser(result.notices);
}

void MousecfgWidget::afterSlotNameChange()
{
    m_nameEdit->setText(m_library.currentName());
    RebuildProfileMenu();
    RefreshPages();
}

void MousecfgWidget::onChooseProfile(QAction* action)
{
    settleUnsentEdits([this, name = action->text()] {
        const ProfileCommandResult result = m_library.choose(name);
        showCommandResult(result);
        if (result.ok())
            afterSlotNameChange();
    });
}

void MousecfgWidget::onCommandClicked()
{
    QObject* button = sender();
    if (button == m_addButton)
        addProfile();
    else if (button == m_copyButton)
        copyProfile();
    else if (button == m_deleteButton)
        deleteProfile();
    else if (button == m_resetButton)
        resetProfile();
    else if (button == m_resetAllButton)
        resetAllProfiles();
    else if (button == m_applyButton)
        applyChanges();
    else if (button == m_okButton)
        okClicked();
    else if (button == m_cancelButton)
        cancelClicked();
    else if (button == m_exportButton)
        exportProfile();
    else if (button == m_importButton)
        importProfile();
    else if (button == m_saveButton)
        saveConfigurationFile();
    else if (button == m_loadButton)
        loadConfigurationFile();
}

void MousecfgWidget::addProfile()
{
    const ProfileCommandResult result = m_library.add();
    showCommandResult(result);
    if (result.ok())
        afterSlotNameChange();
}

void MousecfgWidget::copyProfile()
{
    const ProfileCommandResult result = m_library.copy();
    showCommandResult(result);
    if (result.ok()) {
        m_nameEdit->setText(m_library.currentName());
        RebuildProfileMenu();
    }
}

void MousecfgWidget::slotProfileNameChange()
{
    const ProfileCommandResult result = m_library.rename(m_nameEdit->text());
    showCommandResult(result);
    if (result.ok() || result.restoreNameField)
        m_nameEdit->setText(m_library.currentName());
    if (result.ok()) {
        RebuildProfileMenu();
        RefreshPages();
    }
}

void MousecfgWidget::deleteProfile()
{
    const ProfileCommandResult allowed = m_library.checkRemove();
    if (!allowed.ok()) {
        showCommandResult(allowed);
        return;
    }
    showMessage(TarqMessageBox::Question, messageText(kDeleteProfileQuestion), [this](bool accepted) {
        if (!accepted)
            return;
        const ProfileCommandResult result = m_library.remove();
        showCommandResult(result);
        if (result.ok())
            afterSlotNameChange();
    });
}

void MousecfgWidget::resetProfile()
{
    showMessage(TarqMessageBox::Question, messageText(kResetProfileQuestion), [this](bool accepted) {
        if (!accepted)
            return;
        qCDebug(lcUi, "Accepted %d", m_library.currentSlot());
        m_library.resetCurrent(getSystemPointerSpeed());
        retranslateUi();
        RefreshPages();
        m_nameEdit->setText(m_library.currentName());
        sendWithProgress(false);
    });
}

void MousecfgWidget::resetAllProfiles()
{
    showMessage(TarqMessageBox::Question, messageText(kResetAllProfilesQuestion), [this](bool accepted) {
        if (!accepted)
            return;
        m_library.resetAll(getSystemPointerSpeed());
        m_nameEdit->setText(m_library.currentName());
        RebuildProfileMenu();
        RefreshPages();
        sendWithProgress(true);
    });
}

void MousecfgWidget::applyChanges()
{
    sendWithProgress(false);
}

void MousecfgWidget::okClicked()
{
    // The pages wrote every edit into the working record already: OK sends what Apply sends.
    sendWithProgress(false, [this](int) { putAway(); });
}

void MousecfgWidget::cancelClicked()
{
    // Cancel drops every unsent edit, in each slot and in the device-wide options alike.
    putAway();
    discardUnsentEdits();
    saveActiveProfileIndex(m_library.currentSlot());
}

void MousecfgWidget::exportProfile()
{
    auto dialog = makeSaveDialog(this, tr("Save Profile File"), tr(kProfileFileFilter), m_library.currentName());
    showFileDialog(std::move(dialog), this, [this](const QString& path) {
        showCommandResult(m_library.exportProfile(path, currentProductName()));
    });
}

void MousecfgWidget::importProfile()
{
    auto dialog = makeOpenDialog(this, tr("Load Profile File"), tr(kProfileFileFilter));
    showFileDialog(std::move(dialog), this, [this](const QString& path) {
        const ProfileCommandResult result = m_library.importProfile(path, currentProductName());
        showCommandResult(result);
        if (!result.ok())
            return;
        afterSlotNameChange();
        sendWithProgress(false);
    });
}

void MousecfgWidget::saveConfigurationFile()
{
    // A whole configuration is the mouse's, so it is suggested under the product's name.
    auto dialog = makeSaveDialog(this, tr("Save Config File"), tr(kConfigFileFilter), currentProductName());
    showFileDialog(std::move(dialog), this, [this](const QString& path) {
        const ConfigFileResult result = exportConfigurationFile(m_configuration.working, path);
        if (!result.ok())
            showMessage(TarqMessageBox::Warning, result.message());
    });
}

void MousecfgWidget::loadConfigurationFile()
{
    settleUnsentEdits([this] {
        auto dialog = makeOpenDialog(this, tr("Load Config File"), tr(kConfigFileFilter));
        showFileDialog(std::move(dialog), this, [this](const QString& path) { loadConfigurationFileNow(path); });
    });
}

void MousecfgWidget::loadConfigurationFileNow(const QString& path)
{
    const ConfigFileResult loaded = loadConfiguration(path);
    // Another product's file is passed over without a word; a damaged one is worth telling.
    if (loaded.problem == ConfigFileProblem::OtherProduct)
        return;
    if (!loaded.ok()) {
        showMessage(TarqMessageBox::Warning, loaded.message());
        return;
    }
    noteForUser(loaded.repairs);
    sendWithProgress(false);
}

ConfigFileResult MousecfgWidget::loadConfiguration(const QString& path)
{
    const ConfigFileResult checked = checkImportSource(path);
    if (!checked.ok())
        return checked;
    const ConfigFileResult imported = importConfigurationFile(m_configuration.working, path);
    if (!imported.ok())
        return imported;
    selectTab(LightingTab);
    loadModelImages();
    m_nameEdit->setText(m_library.currentName());
    RebuildProfileMenu();
    RefreshPages();
    return imported;
}

void MousecfgWidget::sendWithProgress(bool sendAll, std::function<void(int)> after)
{
    if (m_sendThread)
        return;
    const SendCheck check = checkBeforeSend(m_configuration.working);
    if (check.refused()) {
        showMessage(TarqMessageBox::Warning, check.refusalText());
        return;
    }
    if (check.warnings.isEmpty()) {
        startSend(sendAll, std::move(after));
        return;
    }
    const QString question = check.warningText() + QLatin1Char('\n') + messageText(kSendAnywayQuestion);
    showMessage(TarqMessageBox::Question, question, [this, sendAll, after](bool accepted) {
        if (accepted)
            startSend(sendAll, after);
    });
}

void MousecfgWidget::startSend(bool sendAll, std::function<void(int)> after)
{
    if (m_sendThread)
        return;
    m_afterSend = std::move(after);
    m_monitorSwitch = std::make_unique<GuiThreadMonitor>(m_battery, this);
    m_sendThread = std::make_unique<TarqProcessThread>(m_configuration.working, m_configuration.lastUploaded,
                                                       m_monitorSwitch.get());
    m_sendThread->setForceFull(sendAll);
    m_processDialog = new TarqProcessDialog(this);
    m_processDialog->setAttribute(Qt::WA_DeleteOnClose);
    m_processDialog->setWindowModality(Qt::ApplicationModal);
    connect(m_sendThread.get(), &TarqProcessThread::DoProcessDlg, m_processDialog, &TarqProcessDialog::slotProcessDlg);
    connect(m_processDialog, &QDialog::finished, this, &MousecfgWidget::finishSend);
    m_processDialog->open();
    m_sendThread->start(QThread::InheritPriority);
}

void MousecfgWidget::finishSend()
{
    m_processDialog = nullptr;
    m_sendThread->wait();
    const SendOutcome outcome = m_sendThread->outcome();
    const bool sentAll = m_sendThread->isForceFull();
    m_sendThread.reset();
    m_monitorSwitch.reset();
    m_lastSendOutcome = outcome;
    if (outcome.result == 0 && outcome.sentFlags != ChangeFlag::None)
        applyPointerSpeed(m_library.currentSlot());
    markUnsentEdits();
    const QString message = sendingMessage(outcome);
    std::function<void(int)> after = std::move(m_afterSend);
    m_afterSend = nullptr;
    if (!message.isEmpty() && outcome.result != kUploadMouseOff) {
        // What waits for the send waits for the answer too: Retry hands it to the next send.
        auto* box = new TarqMessageBox(TarqMessageBox::Warning, QString(), QStringLiteral("Warning"),
                                       QLatin1String(kSendFailedMessage), this);
        box->offerRetry();
        box->setAttribute(Qt::WA_DeleteOnClose);
        box->setWindowModality(Qt::ApplicationModal);
        connect(box, &QDialog::finished, this, [this, sentAll, after, result = outcome.result](int answer) {
            if (answer == TarqMessageBox::RetryChosen)
                startSend(sentAll, after);
            else if (after)
                after(result);
        });
        box->open();
        after = nullptr;
    } else if (!message.isEmpty()) {
        showMessage(TarqMessageBox::Warning, messageText(kMouseSleepingMessage));
    } else if (outcome.saved != StorageResult::Ok) {
        showMessage(TarqMessageBox::Warning,
                    messageText(outcome.sentFlags != ChangeFlag::None ? kSentNotSavedMessage : kNotSavedMessage)
                        .arg(outcome.unsavedPath));
    }
    if (after)
        after(outcome.result);
    emit sendFinished(outcome.result);
    // Hot-plugging that happened meanwhile is followed now.
    auto deferred = std::move(m_deferredInterfaceChanges);
    m_deferredInterfaceChanges.clear();
    for (const auto& [name, arrived] : deferred)
        onInterfaceChanged(name, arrived);
    // A failure is shown instead: the user decides again once it is read.
    if (std::exchange(m_quitAfterSend, false) && outcome.result == 0)
        quitWhenSettled();
}
