// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "app/connection_display.h"
#include "app/mouse_bus_state.h"
#include "controls/device_open_source.h"
#include "controls/display_scale.h"
#include "device/battery.h"
#include "device/device_events.h"
#include "device/monitor.h"
#include "session/configuration_files.h"
#include "session/profile_commands.h"
#include "session/sending.h"
#include "session/startup.h"

#include <QImage>
#include <QPixmap>
#include <QPointer>
#include <QRegion>
#include <QSystemTrayIcon>
#include <QWidget>
#include <array>
#include <functional>
#include <future>
#include <memory>
#include <optional>
#include <vector>

class AppProfileFollower;
class BatteryNotifier;
class GuiThreadMonitor;
class InterfaceChangeHandler;
class OsdLink;
class HotplugSource;
class QLabel;
class QMenu;
class QScrollArea;
class QToolButton;
class TarqAction;
class TarqAppProfilesDialog;
class TarqLabel;
class TarqLineEdit;
class TarqMenu;
class TarqMessageBox;
class TarqBtnWindow;
class TarqDPIWindow;
class TarqPage;
class TarqPointSpeed;
class TarqReportRate;
class TarqProcessbar;
class TarqProcessDialog;
class TarqProcessThread;
class TarqPushButton;
class TarqTranslator;

// The program's one window: a frameless, skinned 999 × 640 window (times the display scale
// factor) with the tabs, the five slots, the profile commands, the battery display, the mouse and
// language selectors and the tray icon. It follows hot-plugging and the mouse's own buttons and
// sends the configuration behind a progress dialog.
class MousecfgWidget final
    : public QWidget
    , public DeviceEvents
    , public DeviceOpenSource
{
    Q_OBJECT
    Q_DISABLE_COPY(MousecfgWidget)

public:
    enum Tab { LightingTab = 0, CustomizeTab = 1, DpiTab = 2, MacroTab = 3 };
    static constexpr int kHotSpotCount = 20;

    // hotplug: where interface arrivals and removals come from; the platform's source when null.
    explicit MousecfgWidget(std::unique_ptr<HotplugSource> hotplug = nullptr, QWidget* parent = nullptr);
    ~MousecfgWidget() override;

    // A message about the stored files (repaired, damaged or unwritable) for the user; every note
    // made before the event loop comes back is shown in one box.
    void noteForUser(const QString& text);
    void noteForUser(const QStringList& lines);

    // DeviceEvents: how the device link's hot-plug handler reaches the window.
    void refreshMouseList() override;
    int connectedMouseCount() const override { return m_connectedMice; }
    void setConnectedMouseCount(int count) override { m_connectedMice = count; }
    QString currentProductName() const override;
    void stopMonitorThread() override { StopBatteryThread(); }
    void stopMonitorThreadThen(std::function<void()> stopped) override
    {
        m_battery.stopMonitorThen(this, std::move(stopped));
    }
    void startMonitorThread() override { StartBatteryThread(); }
    void reloadConfiguration() override;
    void scheduleWarnClose(int delayMs) override;
    void scheduleWarning(int delayMs) override;
    void setDeviceOpen(bool open) override { m_deviceOpen = open; }
    void setWarningOpen(bool open) override { m_warningOpen = open; }
    void updateConnectionDisplay() override;

    // DeviceOpenSource: the "Dongle Disconnect!" box closes itself once this is set.
    bool isDeviceOpen() const override { return m_deviceOpen; }

    // Operations of the window's commands.
    void RefreshPages();
    void SelectSlot(int index, bool reload);
    void RebuildProfileMenu();
    void StartBatteryThread();
    void StopBatteryThread();
    void selectTab(int tab);
    void showView(bool front);
    // Shows text on the on-screen display, in the theme colour.
    void ShowOsdText(const QString& text);

    // What tests and the demo look at.
    ConfigRecord& workingConfiguration() { return m_configuration.working; }
    const ConfigRecord& lastUploadedConfiguration() const { return m_configuration.lastUploaded; }
    const ProfileLibrary& profileLibrary() const { return m_library; }
    int currentTab() const { return m_currentTab; }
    double scaleFactor() const { return m_scaleFactor; }
    int scaleStep() const { return m_scaleStep; }
    bool isWarningOpen() const { return m_warningOpen; }
    bool isSending() const { return m_sendThread != nullptr; }
    bool batteryThreadRunning() const { return m_battery.hasThread(); }
    ConnectionDisplay connectionDisplay() const { return m_connection; }
    int batteryPercentShown() const { return m_lastBatteryPercent; }
    TarqProcessbar* batteryBar() const { return m_batteryBar; }
    QSystemTrayIcon* trayIcon() const { return m_tray; }
    OsdLink* osdLink() const { return m_osd; }
    AppProfileFollower* applicationFollower() const { return m_appFollower; }
    // The dialog of the application rules, opened from the tray menu and the header's button.
    void openApplicationsDialog();
    TarqPage* page(int tab) const;
    // The result of the last send: 0, kUploadMouseOff or a transport failure; -1 before any.
    int lastSendResult() const { return m_lastSendOutcome ? m_lastSendOutcome->result : -1; }

    // What the session bus sees of the window and asks of it (MouseBusService). Each command
    // answers once, through done where it may take a send's time.
    MouseBusState mouseBusState() const;
    MouseBusReply selectSlotForBus(int slot);
    void applyForBus(std::function<void(const MouseBusReply&)> done);
    void importForBus(const QString& path, std::function<void(const MouseBusReply&)> done);
    MouseBusReply exportForBus(const QString& path);
    MouseBusReply requestFullUploadForBus();
    void showForBus();

signals:
    // After each send, with its result (0 success).
    void sendFinished(int result);
    // After the first paint; the start-up benchmark waits for it.
    void firstPainted();
    // The program is to end with code: the firmware updater has taken over.
    void exitRequested(int code);
    // Something mouseBusState() shows may have changed.
    void mouseStateChanged();

public slots:
    void iconActivated(QSystemTrayIcon::ActivationReason reason);
    void SelBtnChanged(quint8 iBtn, quint8 iType);
    void slotGotoMacro(quint8 tab);
    void slot_show_profilename(QAction* action);
    void slot_show_mousename(QAction* action);
    void slotPopOneClickBox();
    void OnProfileMenuCheck(QWidget* item);
    void slotEnableButtons(bool bEnable);
    void slotLiftChange(quint8 iLift);
    void slotProfileNameChange();
    void slotRefreshProfile(quint8 iProfile);
    void slotRefreshDPIStage(quint8 iDPI);
    void slotRefreshLightMode(quint8 iBuff1);
    void slotRefreshRate(quint8 iRate);
    void slotWarning();
    void slotWarnClose();
    void slotRefreshBatteryStatus(quint8 iCharge, quint8 iLowByte, quint8 iHiByte);
    void slotRefreshStatus(quint8 iProfile, quint8 iDPI, quint8 iRate, quint8 iMode);
    void slotRefreshWriteStatus(quint8 iStatus);
    void slotMouseOver(TarqPushButton* btn, bool bType);

protected:
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;
    // Tab and Backtab walk keyboardOrder().
    bool focusNextPrevChild(bool next) override;

private:
    struct Placed
    {
        QWidget* widget;
        QRect design;
    };

    // Construction.
    void createHeader();
    void createTabsAndSlots();
    void createProfileControls();
    void createCommandButtons();
    void createMouseView();
    void createPages();
    std::array<TarqPage*, 6> allPages() const;
    void createBatteryDisplay();
    void createTray();
    void setTabOrder();
    // What Tab walks, as the window reads: the header, the tabs, the slots, the profile controls, the page
    // (view switches, hot-spots, the page's own controls) and the bottom row. Only what is shown.
    QList<QWidget*> keyboardOrder() const;
    // The hot-spot of row (0 front, 1 side, 2 the wheel pair) and index, or nullptr.
    TarqPushButton* spotOf(int row, int index) const;
    void showSpotLooks();
    TarqPushButton* makeTextButton(const QRect& design, const QStringList& images);
    void place(QWidget* widget, const QRect& design);
    void relayout();
    void applyScaleStep(int step);
    const QPixmap& scaledBackground();
    void startBackgroundLoad();
    void takeBackgroundLoad();
    // The background's shape at the current scale step.
    QRegion windowShape();

    // Device state.
    void onInterfaceChanged(const QString& name, bool arrived);
    void openAndReload();
    void reloadEverything();
    void loadProductImages();
    void loadDeferredPictures();
    QString productPicturePath(const QString& name) const;
    void loadModelImages();
    void showBatteryOff();
    void applyPointerSpeed(int slot);
    // Whether the receiver's or the cable's command (or, with pointer, pointer) interface is there.
    bool sidePresent(bool cable, bool pointer = false) const;

    // The application profiles: switching slots with the application in front.
    void createApplicationFollower();

    // The on-screen display and the firmware updater.
    void createOsdLink();
    QString dpiStageOsdText(int stage) const;
    static QString reportRateOsdText(int rateCode);
    void onFirmwarePressed();

    // Texts.
    void retranslateUi();
    void retranslateTray();
    void rebuildLanguageMenu();
    void rebuildSlotMenu();
    // The slot menu's button shows the current slot.
    void showSlotLabel(const QString& text);

    // Profile commands.
    void onCommandClicked();
    // A slot chosen from the slot menu or by its button.
    void onSlotChosen(int slot);
    // The slot menu's switch: the pages, then the mouse. Returns the switch's transport result.
    quint8 onSlotActionTriggered(int slot);
    // The slot buttons show the profile names of their slots.
    void showSlotNames();
    void onChooseProfile(QAction* action);
    void addProfile();
    void copyProfile();
    void deleteProfile();
    void resetProfile();
    void resetAllProfiles();
    void applyChanges();
    void okClicked();
    void cancelClicked();
    void exportProfile();
    void importProfile();
    void saveConfigurationFile();
    void loadConfigurationFile();
    void loadConfigurationFileNow(const QString& path);
    // Reads a .conf file into the working record and shows it; nothing changes when it is refused.
    ConfigFileResult loadConfiguration(const QString& path);
    void showCommandResult(const ProfileCommandResult& result);
    void afterSlotNameChange();
    // Every send passes the gate out first: refused, or warned about with the choice to go on.
    void sendWithProgress(bool sendAll, std::function<void(int)> after = {});
    void startSend(bool sendAll, std::function<void(int)> after);
    void finishSend();
    // Why a bus command may not run now (no mouse, mouse off, busy), or ok.
    MouseBusReply refusalForBus(bool needsMouse) const;
    // Sends what the window holds for a bus command; done follows the send's end.
    void sendForBus(QStringList notes, std::function<void(const MouseBusReply&)> done);

    // After OK and Cancel: to the tray, or minimised where there is none to come back from.
    void putAway();
    bool isPutAway() const;
    // Restores a hidden or minimised window and brings it to the front.
    void bringBack();
    // Windows of the show-or-warn step and the message boxes (non-blocking, application modal).
    void showOrWarn();
    void showMessage(int kind, const QString& text, std::function<void(bool)> answered = {});
    // Quits once the macro editor's and the pages' unsent work is settled.
    void quitWhenSettled();
    void showNotes();
    // The desktop's pointer speed becomes the current slot's: nobody chose another yet.
    void adoptDesktopPointerSpeed();

    // Unsent edits: what the pages changed that the mouse has not been sent.
    bool hasUnsentEdits() const;
    // Runs proceed at once without unsent edits; else asks whether to send them first (proceed
    // follows a successful send), discard them (proceed follows) or stay.
    void settleUnsentEdits(std::function<void()> proceed);
    void discardUnsentEdits();
    // The title's mark follows the unsent edits.
    void markUnsentEdits();
    void queueUnsentCheck(const QEvent* event);

    bool m_dragging = false;
    bool m_dragMoved = false;
    QPoint m_pressGlobal;
    QPoint m_windowAtPress;

    double m_scaleFactor = 1.0;
    int m_scaleStep = 0;
    // The background decodes, scales and gives the window its shape on a worker thread while the
    // window builds itself.
    struct ScaledBackground
    {
        int step = -1;
        QImage image;
        QRegion shape;
    };
    std::future<ScaledBackground> m_backgroundLoad;
    ScaledBackground m_loadedBackground;
    std::array<QPixmap, kScaleStepCount> m_backgroundCache;
    QPixmap m_batteryFrame;
    QPixmap m_batteryFrameCable;

    int m_connectedMice = 0;
    bool m_deviceOpen = false;
    bool m_warningOpen = false;
    ConnectionDisplay m_connection;
    bool m_charging = false;
    int m_lastBatteryPercent = 0;
    // The mouse's last answer; unanswered before the first.
    BatteryReading m_batteryReading;
    int m_batteryFull = 0;
    // Made after the placeholder reading shown at start, so only the mouse's own readings warn.
    std::unique_ptr<BatteryNotifier> m_batteryNotifier;
    int m_currentTab = LightingTab;
    bool m_frontView = true;
    int m_selectedRow = 0;
    int m_selectedButton = 0;
    bool m_firstPaintReported = false;
    std::optional<SendOutcome> m_lastSendOutcome;

    ConfigurationPair m_configuration;
    ProfileLibrary m_library;
    BatteryMonitor m_battery;
    std::unique_ptr<HotplugSource> m_hotplug;
    std::vector<std::pair<QString, bool>> m_deferredInterfaceChanges;
    InterfaceChangeHandler* m_interfaceChanges = nullptr;

    std::vector<Placed> m_placed;
    TarqTranslator* m_translator = nullptr;

    TarqPushButton* m_closeButton = nullptr;
    TarqPushButton* m_minimiseButton = nullptr;
    QLabel* m_logo = nullptr;
    QLabel* m_dongleIcon = nullptr;
    QLabel* m_chargingIcon = nullptr;
    TarqLabel* m_modeLabel = nullptr;
    TarqLabel* m_versionLabel = nullptr;
    TarqPushButton* m_mouseSelector = nullptr;
    TarqMenu* m_mouseMenu = nullptr;
    TarqPushButton* m_languageButton = nullptr;
    TarqMenu* m_languageMenu = nullptr;
    TarqPushButton* m_applicationsButton = nullptr;

    QWidget* m_tabList = nullptr;
    std::array<TarqPushButton*, 4> m_tabs{};
    std::array<TarqPushButton*, kProfileCount> m_slotButtons{};
    TarqPushButton* m_profileLabel = nullptr;
    TarqMenu* m_slotMenu = nullptr;
    std::array<TarqAction*, kProfileCount> m_slotActions{};
    TarqLabel* m_nameCaption = nullptr;
    TarqLineEdit* m_nameEdit = nullptr;
    TarqPushButton* m_profileMenuButton = nullptr;
    TarqMenu* m_profileMenu = nullptr;

    TarqPushButton* m_addButton = nullptr;
    TarqPushButton* m_copyButton = nullptr;
    TarqPushButton* m_deleteButton = nullptr;
    TarqPushButton* m_resetButton = nullptr;
    TarqPushButton* m_exportButton = nullptr;
    TarqPushButton* m_importButton = nullptr;
    TarqPushButton* m_resetAllButton = nullptr;
    TarqPushButton* m_okButton = nullptr;
    TarqPushButton* m_cancelButton = nullptr;
    TarqPushButton* m_applyButton = nullptr;
    TarqPushButton* m_loadButton = nullptr;
    TarqPushButton* m_saveButton = nullptr;
    TarqPushButton* m_firmwareButton = nullptr;

    QLabel* m_frontImage = nullptr;
    QLabel* m_sideImage = nullptr;
    TarqPushButton* m_frontButton = nullptr;
    TarqPushButton* m_sideButton = nullptr;
    std::array<TarqPushButton*, kHotSpotCount> m_frontSpots{};
    std::array<TarqPushButton*, kHotSpotCount> m_sideSpots{};
    std::array<TarqPushButton*, 2> m_extraSpots{};
    // The hot-spot the pointer (or a label, by pointer or focus) points at.
    TarqPushButton* m_hoveredSpot = nullptr;
    QPixmap m_frontPicture;
    QPixmap m_sidePicture;
    std::vector<QPixmap> m_hoverPictures;

    TarqBtnWindow* m_buttonPage = nullptr;
    QScrollArea* m_buttonScroll = nullptr;
    TarqDPIWindow* m_dpiPage = nullptr;
    TarqPointSpeed* m_performancePage = nullptr;
    TarqReportRate* m_ratePage = nullptr;
    TarqPage* m_macroPage = nullptr;
    TarqPage* m_lightingPage = nullptr;

    TarqProcessbar* m_batteryBar = nullptr;

    QSystemTrayIcon* m_tray = nullptr;
    QMenu* m_trayMenu = nullptr;
    TarqAction* m_loadConfigAction = nullptr;
    TarqAction* m_applicationsAction = nullptr;
    TarqAction* m_quitAction = nullptr;

    QPointer<TarqMessageBox> m_warningBox;
    TarqProcessDialog* m_processDialog = nullptr;
    std::unique_ptr<GuiThreadMonitor> m_monitorSwitch;
    std::unique_ptr<TarqProcessThread> m_sendThread;
    OsdLink* m_osd = nullptr;
    AppProfileFollower* m_appFollower = nullptr;
    QPointer<TarqAppProfilesDialog> m_appProfilesDialog;
    std::function<void(int)> m_afterSend;
    QStringList m_notes;
    bool m_unsentQuestionOpen = false;
    bool m_unsentCheckQueued = false;
    // Quit came while a send was running; it follows the send's end.
    bool m_quitAfterSend = false;
};
