// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/mousecfg_widget.h"

#include "app/battery_notifier.h"
#include "app/gui_thread_monitor.h"
#include "app/hot_spots.h"
#include "app/window_layout.h"
#include "app/window_shape.h"
#include "buttons/button_page.h"
#include "controls/accessibility.h"
#include "controls/focus_ring.h"
#include "controls/labels_menus.h"
#include "controls/message_box.h"
#include "controls/name_field.h"
#include "controls/progress.h"
#include "controls/push_button.h"
#include "controls/skin_catalogue.h"
#include "controls/skin_paths.h"
#include "controls/theme.h"
#include "controls/tool_tip_look.h"
#include "controls/translator.h"
#include "device/discovery.h"
#include "log_categories.h"
#include "macro/macro_dialog.h"
#include "pages/dpi_page.h"
#include "pages/lighting_page.h"
#include "pages/page_look.h"
#include "pages/performance_page.h"
#include "pages/report_rate_page.h"
#include "platform/hotplug.h"
#include "session/record_gate.h"
#include "session/send_check.h"
#include "session/sending.h"
#include "startup_timing.h"
#include "storage/app_config.h"
#include "storage/product_description.h"
#include "storage/settings_guard.h"

#include <QApplication>
#include <QBitmap>
#include <QEventLoop>
#include <QIcon>
#include <QMouseEvent>
#include <QPainter>
#include <QScreen>
#include <QScrollArea>
#include <QScrollBar>
#include <QTimer>
#include <QWindow>
#include <utility>

namespace {

// Dragging starts only past this many pixels, so a click on the window does not move it.
constexpr int kDragThreshold = 4;
constexpr int kWarningDelayMs = 200;

// A screen whose scale the system reports wrongly can be overridden ("1.5", "2").
const char kScaleOverrideVariable[] = "MOUSECFG_SCALE_FACTOR";

double screenDpiRatio(const QScreen* screen)
{
    bool ok = false;
    const double forced = qEnvironmentVariable(kScaleOverrideVariable).toDouble(&ok);
    if (ok && forced > 0)
        return forced;
    return screen ? screen->logicalDotsPerInch() / 96.0 : 1.0;
}

QStringList imagePair(const char* stem)
{
    return { skinPath(QStringLiteral("profile_%1%2.png").arg(QLatin1String(stem)).arg(1)),
             skinPath(QStringLiteral("profile_%1%2.png").arg(QLatin1String(stem)).arg(2)) };
}

// The background is stretched to the window, whatever the picture's own proportions.
QImage backgroundOfSize(const QImage& source, const QSize& size)
{
    return source.isNull() ? QImage() : source.scaled(size, Qt::IgnoreAspectRatio, Qt::FastTransformation);
}

} // namespace

MousecfgWidget::MousecfgWidget(std::unique_ptr<HotplugSource> hotplug, QWidget* parent)
    : QWidget(parent)
    , m_library(m_configuration.working)
    , m_battery([this](TarqGetBatteryThread& thread) {
        connect(&thread, &TarqGetBatteryThread::RefreshBatteryStatus, this, &MousecfgWidget::slotRefreshBatteryStatus);
        connect(&thread, &TarqGetBatteryThread::RefreshStatus, this, &MousecfgWidget::slotRefreshStatus);
        connect(&thread, &TarqGetBatteryThread::RefreshWriteStatus, this, &MousecfgWidget::slotRefreshWriteStatus);
    })
    , m_hotplug(std::move(hotplug))
{
    setObjectName(QStringLiteral("MousecfgWidget"));
    // Building the window asks Config.ini and the product description for dozens of values.
    const SettingsReadScope once;
    Accessibility::install();
    FocusRing::install();
    // A frameless top-level widget would otherwise read as a filler.
    Accessibility::setRole(this, QAccessible::Window);
    m_batteryFrame.load(skinPath(QStringLiteral("bat1.png")));
    m_batteryFrameCable.load(skinPath(QStringLiteral("bat2.png")));
    setThemeColourIndex(accentColorIndex());
    ToolTipLook::install();
    setAlternativeSkin(productColorMode() != 0);
    StartupTiming::mark("window: skin and look");

    m_scaleStep = displayScaleStep(screenDpiRatio(QGuiApplication::primaryScreen()));
    m_scaleFactor = displayScaleFactorOfStep(m_scaleStep);
    startBackgroundLoad();
    setDisplayScaleFactor(m_scaleFactor);
    setBaseSize(WindowLayout::kWidth, WindowLayout::kHeight);
    setMinimumSize(WindowLayout::kWidth, WindowLayout::kHeight);
    resize(scaled(WindowLayout::kWidth), scaled(WindowLayout::kHeight));
    if (const QScreen* screen = QGuiApplication::primaryScreen())
        move(screen->availableGeometry().center() - rect().center());

    if (!m_hotplug)
        m_hotplug = createHotplugSource();
    connect(m_hotplug.get(), &HotplugSource::interfaceChanged, this, &MousecfgWidget::onInterfaceChanged);
    if (!m_hotplug->start())
        qCDebug(lcUi, "注册失败");
    setWindowFlag(Qt::FramelessWindowHint);
    setAttribute(Qt::WA_TranslucentBackground);
    StartupTiming::mark("window: scale and hot-plug");

    createHeader();
    StartupTiming::mark("window: header");
    // Edits end with input anywhere in the window, its pages and its dialogs.
    QCoreApplication::instance()->installEventFilter(this);

    // The device link for the product to show: the only connected one, else the stored one.
    loadDeviceTable();
    enumerateDevices();
    refreshMouseList();
    const QByteArray product = productToOpen();
    if (!product.isEmpty() && product != currentProductName().toLatin1())
        setCurrentProductName(QString::fromLatin1(product));
    openDevice(product);
    m_deviceOpen = m_connectedMice != 0;
    StartupTiming::mark("window: devices opened");

    // The language comes first: the worker's messages are translated as they are made.
    m_translator = new TarqTranslator(this);
    m_translator->startUp();
    connect(m_translator, &TarqTranslator::languageChanged, this, [this] { retranslateUi(); });
    StartupTiming::mark("window: language");

    // The stored configuration is read on a worker thread while the widgets are made; nothing
    // touches the records until it is joined.
    auto configurationLoad = std::async(
        std::launch::async, [this] { return loadStartupConfiguration(m_configuration, DefaultProfileRefresh::Later); });

    createTabsAndSlots();
    createProfileControls();
    createCommandButtons();
    createMouseView();
    StartupTiming::mark("window: header widgets");
    createPages();
    StartupTiming::mark("window: pages");
    createBatteryDisplay();
    createOsdLink();
    StartupTiming::mark("window: battery and OSD");

    // What needs no stored record is done while the worker still reads them.
    m_lastBatteryPercent = batteryLevel();
    m_batteryFull = batteryFullThreshold();
    m_batteryBar->setValue(m_lastBatteryPercent);
    rebuildLanguageMenu();
    loadProductImages();
    loadModelImages();
    setStyleSheet(QStringLiteral("*{outline:0px;}"));
    setWindowIcon(QIcon(skinPath(QLatin1String(Skin::WindowIcon))));
    createTray();
    setTabOrder();
    setMask(windowShape());
    StartupTiming::mark("window: pictures, tray, mask");

    noteForUser(configurationLoad.get());
    StartupTiming::mark("window: configuration joined");
    adoptDesktopPointerSpeed();
    m_library.reload();
    rebuildSlotMenu();
    RebuildProfileMenu();
    showSpotLooks();
    selectTab(productLedDisable() != 0 ? CustomizeTab : LightingTab);
    RefreshPages();
    retranslateUi();
    m_nameEdit->setText(m_library.currentName());
    StartupTiming::mark("window: first tab filled");

    slotRefreshBatteryStatus(0, 1, 1);
    // The placeholder is no answer of the mouse's.
    m_batteryReading = {};
    m_batteryNotifier = std::make_unique<BatteryNotifier>();
    updateConnectionDisplay();
    StartBatteryThread();
    StartupTiming::mark("window: battery thread");
    createApplicationFollower();
    // A missing mouse is told (which brings the window back). With a mouse there is nothing to
    // show: the window is up, or the user has put it away since, and it must not take the focus
    // from whatever the user turned to meanwhile.
    QTimer::singleShot(kWarningDelayMs, this, [this] {
        if (m_connectedMice == 0)
            slotWarning();
    });
}

MousecfgWidget::~MousecfgWidget()
{
    if (m_sendThread) {
        // An upload is not cut short. The sending thread hands the monitor back through this
        // thread: keep serving it until the thread ends.
        QEventLoop untilSent;
        connect(m_sendThread.get(), &QThread::finished, &untilSent, &QEventLoop::quit);
        if (!m_sendThread->isFinished())
            untilSent.exec();
    }
    StopBatteryThread();
    if (m_hotplug)
        m_hotplug->stop();
    closeDevice();
    exitDeviceLayer();
}

void MousecfgWidget::startBackgroundLoad()
{
    m_backgroundLoad =
        std::async(std::launch::async, [path = skinPath(QLatin1String(Skin::MainBackground)), step = m_scaleStep,
                                        size = QSize(scaled(WindowLayout::kWidth), scaled(WindowLayout::kHeight))] {
            ScaledBackground loaded;
            loaded.step = step;
            loaded.image = backgroundOfSize(QImage(path), size);
            loaded.shape = opaqueRegion(loaded.image);
            return loaded;
        });
}

void MousecfgWidget::takeBackgroundLoad()
{
    if (!m_backgroundLoad.valid())
        return;
    m_loadedBackground = m_backgroundLoad.get();
    if (!m_loadedBackground.image.isNull())
        m_backgroundCache[size_t(m_loadedBackground.step)] = QPixmap::fromImage(m_loadedBackground.image);
    m_loadedBackground.image = QImage();
}

const QPixmap& MousecfgWidget::scaledBackground()
{
    takeBackgroundLoad();
    QPixmap& cached = m_backgroundCache[size_t(m_scaleStep)];
    if (!cached.isNull())
        return cached;
    // The full-size image is not kept: another scale step is rare and reads it again.
    const QImage image = backgroundOfSize(QImage(skinPath(QLatin1String(Skin::MainBackground))),
                                          QSize(scaled(WindowLayout::kWidth), scaled(WindowLayout::kHeight)));
    if (!image.isNull())
        cached = QPixmap::fromImage(image);
    return cached;
}

QRegion MousecfgWidget::windowShape()
{
    takeBackgroundLoad();
    if (m_loadedBackground.step == m_scaleStep)
        return m_loadedBackground.shape;
    return opaqueRegion(scaledBackground().toImage());
}

void MousecfgWidget::place(QWidget* widget, const QRect& design)
{
    m_placed.push_back({ widget, design });
    widget->setGeometry(scaledRect(design, m_scaleFactor));
}

TarqPushButton* MousecfgWidget::makeTextButton(const QRect& design, const QStringList& images)
{
    auto* button = new TarqPushButton(images, this);
    place(button, design);
    connect(button, &QPushButton::clicked, this, &MousecfgWidget::onCommandClicked);
    return button;
}

void MousecfgWidget::createHeader()
{
    m_logo = new QLabel(this);
    m_logo->setScaledContents(true);
    m_logo->setPixmap(QPixmap(skinPath(QStringLiteral("mouselogo.png"))));
    place(m_logo, WindowLayout::Logo);

    m_modeLabel = new TarqLabel(this);
    m_modeLabel->setFontSizeReduction(1);
    m_modeLabel->setStyleSheet(QStringLiteral("color:rgb(140,144,150);"));
    place(m_modeLabel, WindowLayout::ModeLabel);
    m_versionLabel = new TarqLabel(this);
    m_versionLabel->setFontSizeReduction(1);
    m_versionLabel->setStyleSheet(QStringLiteral("color:rgb(140,144,150);"));
    place(m_versionLabel, WindowLayout::VersionLabel);

    m_dongleIcon = new QLabel(this);
    m_dongleIcon->setScaledContents(true);
    m_dongleIcon->setPixmap(QPixmap(skinPath(QStringLiteral("dongle.png"))));
    place(m_dongleIcon, WindowLayout::DongleIcon);

    m_mouseSelector = new TarqPushButton(tabButtonImages(), this);
    m_mouseMenu = new TarqMenu(this);
    m_mouseSelector->setMenu(m_mouseMenu);
    m_mouseSelector->hide();
    place(m_mouseSelector, WindowLayout::MouseSelector);

    m_languageButton = new TarqPushButton(tabButtonImages(), this);
    m_languageMenu = new TarqMenu(this);
    m_languageButton->setMenu(m_languageMenu);
    place(m_languageButton, WindowLayout::LanguageButton);

    m_applicationsButton = new TarqPushButton(tabButtonImages(), this);
    place(m_applicationsButton, WindowLayout::ApplicationsButton);
    connect(m_applicationsButton, &QPushButton::clicked, this, &MousecfgWidget::openApplicationsDialog);

    m_minimiseButton = new TarqPushButton(tabButtonImages(), this);
    m_minimiseButton->setText(QStringLiteral("\u2013"));
    place(m_minimiseButton, WindowLayout::MinimiseButton);
    connect(m_minimiseButton, &QPushButton::clicked, this, &QWidget::showMinimized);
    m_closeButton = new TarqPushButton(tabButtonImages(), this);
    m_closeButton->setText(QStringLiteral("\u00d7"));
    place(m_closeButton, WindowLayout::CloseButton);
    connect(m_closeButton, &QPushButton::clicked, this, &QWidget::close);
}

void MousecfgWidget::createTabsAndSlots()
{
    // The tabs sit in a list of their own, so screen readers meet them as one set of page tabs.
    const QRect tabList =
        WindowLayout::Tab.united(WindowLayout::Tab.translated(0, WindowLayout::kTabPitch * (int(m_tabs.size()) - 1)));
    m_tabList = new QWidget(this);
    Accessibility::setRole(m_tabList, QAccessible::PageTabList);
    place(m_tabList, tabList);
    for (int tab = 0; tab < int(m_tabs.size()); ++tab) {
        auto* button = new TarqPushButton(tabButtonImages(), m_tabList);
        button->setCheckable(true);
        Accessibility::setRole(button, QAccessible::PageTab);
        place(button, WindowLayout::Tab.translated(0, WindowLayout::kTabPitch * tab).translated(-tabList.topLeft()));
        // A press switches at once, as a click does for the keyboard.
        connect(button, &QPushButton::pressed, this, [this, tab] { selectTab(tab); });
        connect(button, &QPushButton::clicked, this, [this, tab] { selectTab(tab); });
        m_tabs[size_t(tab)] = button;
    }
    const QStringList slotImages{ skinPath(QStringLiteral("profile_edit_name_1.png")),
                                  skinPath(QStringLiteral("profile_edit_name_2.png")),
                                  skinPath(QStringLiteral("profile_edit_name_2.png")) };
    for (int slot = 0; slot < kProfileCount; ++slot) {
        auto* button = new TarqPushButton(slotImages, this);
        button->setCheckable(true);
        // It marks the current slot, one of five.
        Accessibility::setRole(button, QAccessible::RadioButton);
        place(button, WindowLayout::Slot.translated(0, WindowLayout::kSlotPitch * slot));
        connect(button, &QPushButton::clicked, this, [this, slot] { onSlotChosen(slot); });
        m_slotButtons[size_t(slot)] = button;
    }
}

void MousecfgWidget::createProfileControls()
{
    m_profileLabel = new TarqPushButton(
        { skinPath(QStringLiteral("profile_edit_name_1.png")), skinPath(QStringLiteral("profile_edit_name_2.png")) },
        this);
    m_slotMenu = new TarqMenu(this);
    m_profileLabel->setMenu(m_slotMenu);
    place(m_profileLabel, WindowLayout::ProfileLabel);

    m_nameCaption = new TarqLabel(this);
    m_nameCaption->setFontSizeReduction(1);
    m_nameCaption->setStyleSheet(QStringLiteral("color:rgb(140,144,150);"));
    place(m_nameCaption, WindowLayout::NameCaption);

    m_nameEdit = new TarqNameField(this);
    m_nameEdit->setMaxLength(100);
    m_nameEdit->setAlignment(Qt::AlignCenter);
    m_nameEdit->setStyleSheet(QStringLiteral("QLineEdit{background-color:rgb(30,32,35);color:rgb(225,225,225);"
                                             "border:1px solid rgb(62,66,72);border-radius:3px;}"
                                             "QLineEdit:focus{border-color:%1;}")
                                  .arg(themeColour().name()));
    m_nameEdit->setFont(uiFont());
    place(m_nameEdit, WindowLayout::NameEdit);
    connect(m_nameEdit, &QLineEdit::returnPressed, this, &MousecfgWidget::slotProfileNameChange);

    m_profileMenuButton = new TarqPushButton({ skinPath(QStringLiteral("profile_apply1.png")) }, this);
    m_profileMenu = new TarqMenu(this);
    m_profileMenuButton->setMenu(m_profileMenu);
    place(m_profileMenuButton, WindowLayout::ProfileMenuButton);
}

void MousecfgWidget::createCommandButtons()
{
    m_addButton = makeTextButton(WindowLayout::AddButton, imagePair("add"));
    m_copyButton = makeTextButton(WindowLayout::CopyButton, imagePair("copy"));
    m_deleteButton = makeTextButton(WindowLayout::DeleteButton, imagePair("del"));
    m_resetButton = makeTextButton(WindowLayout::ResetButton, imagePair("reset"));
    m_exportButton = makeTextButton(WindowLayout::ExportButton, imagePair("import"));
    m_importButton = makeTextButton(WindowLayout::ImportButton, { skinPath(QStringLiteral("profile_export1.png")) });
    m_resetAllButton = makeTextButton(WindowLayout::ResetAllButton, tabButtonImages());
    m_okButton = makeTextButton(WindowLayout::OkButton, tabButtonImages());
    m_cancelButton = makeTextButton(WindowLayout::CancelButton, tabButtonImages());
    m_applyButton = makeTextButton(WindowLayout::ApplyButton, tabButtonImages());
    m_loadButton = makeTextButton(WindowLayout::LoadButton, tabButtonImages());
    m_saveButton = makeTextButton(WindowLayout::SaveButton, tabButtonImages());
    // Acts on the press, not on the release.
    m_firmwareButton = new TarqPushButton(tabButtonImages(), this);
    place(m_firmwareButton, WindowLayout::FirmwareButton);
    connect(m_firmwareButton, &QPushButton::pressed, this, &MousecfgWidget::onFirmwarePressed);
}

void MousecfgWidget::createMouseView()
{
    m_frontImage = new QLabel(this);
    m_frontImage->setAlignment(Qt::AlignCenter);
    place(m_frontImage, WindowLayout::MousePicture);
    m_sideImage = new QLabel(this);
    m_sideImage->setAlignment(Qt::AlignCenter);
    place(m_sideImage, WindowLayout::MousePicture);

    m_frontButton = new TarqPushButton(tabButtonImages(), this);
    m_frontButton->setCheckable(true);
    Accessibility::setRole(m_frontButton, QAccessible::RadioButton);
    place(m_frontButton, WindowLayout::FrontButton);
    connect(m_frontButton, &QPushButton::clicked, this, [this] { showView(true); });
    m_sideButton = new TarqPushButton(tabButtonImages(), this);
    m_sideButton->setCheckable(true);
    Accessibility::setRole(m_sideButton, QAccessible::RadioButton);
    place(m_sideButton, WindowLayout::SideButton);
    connect(m_sideButton, &QPushButton::clicked, this, [this] { showView(false); });

    // Unchecked is the lit look (the selected or pointed-at button), checked the plain one.
    const QStringList spotImages{ skinPath(QStringLiteral("btn_2.png")), skinPath(QStringLiteral("btn_1.png")) };
    auto makeSpot = [this, &spotImages](int row, int index) {
        auto* spot = new TarqPushButton(spotImages, this);
        spot->setCheckable(true);
        // Checked only draws it plain: to a screen reader it is a button that selects.
        Accessibility::setRole(spot, QAccessible::Button);
        spot->setHoverFeedback(false);
        spot->hide();
        connect(spot, &TarqPushButton::OverSignal, this, &MousecfgWidget::slotMouseOver);
        connect(spot, &QPushButton::clicked, this, [this, row, index] { SelBtnChanged(quint8(index), quint8(row)); });
        return spot;
    };
    for (int i = 0; i < kHotSpotCount; ++i) {
        m_frontSpots[size_t(i)] = makeSpot(0, i);
        m_sideSpots[size_t(i)] = makeSpot(1, i);
    }
    for (int i = 0; i < 2; ++i)
        m_extraSpots[size_t(i)] = makeSpot(2, i);
}

void MousecfgWidget::createPages()
{
    m_buttonPage = new TarqBtnWindow(nullptr, m_scaleFactor);
    m_buttonPage->setSideButtons(sideViewButtons(currentProductName()));
    m_buttonScroll = new QScrollArea(this);
    m_buttonScroll->setStyleSheet(QStringLiteral("QScrollArea{background-color:transparent;margin:0px;border:0px}") +
                                  scrollBarStyle());
    m_buttonScroll->viewport()->setStyleSheet(QStringLiteral("background-color:transparent;margin:0px;"));
    m_buttonScroll->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    m_buttonScroll->setVerticalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    m_buttonScroll->setWidgetResizable(true);
    m_buttonScroll->setWidget(m_buttonPage);
    place(m_buttonScroll, WindowLayout::ButtonPage);

    m_dpiPage = new TarqDPIWindow(this);
    m_dpiPage->setSensor(sensorVariant());
    place(m_dpiPage, WindowLayout::DpiPage);
    // Made after the DPI page: it overlaps the lower edge of that page's rectangle.
    m_performancePage = new TarqPointSpeed(nullptr, this);
    place(m_performancePage, WindowLayout::PerformancePage);
    m_ratePage = new TarqReportRate(nullptr, this);
    place(m_ratePage, WindowLayout::ReportRatePage);
    m_macroPage = new MacroDialog(this);
    place(m_macroPage, WindowLayout::MacroPage);
    m_lightingPage = new TarqColorWindow(this);
    place(m_lightingPage, WindowLayout::LightingPage);

    connect(m_buttonPage, &TarqPage::GotoMacroTab, this, &MousecfgWidget::slotGotoMacro);
    connect(m_buttonPage, &TarqPage::PopOneClickBox, this, &MousecfgWidget::slotPopOneClickBox);
    connect(m_buttonPage, &TarqPage::SelBtnControl, this, &MousecfgWidget::slotMouseOver);
    connect(m_ratePage, &TarqPage::RefreshLift, this, &MousecfgWidget::slotLiftChange);
    connect(m_macroPage, &TarqPage::EnableButtonsSignal, this, &MousecfgWidget::slotEnableButtons);
    connect(static_cast<MacroDialog*>(m_macroPage), &MacroDialog::macroReferencesChanged, m_buttonPage,
            &TarqBtnWindow::relabel);
}

void MousecfgWidget::createBatteryDisplay()
{
    m_batteryBar = new TarqProcessbar(this);
    m_batteryBar->setRange(0, 100);
    m_batteryBar->setAlignment(Qt::AlignCenter);
    place(m_batteryBar, WindowLayout::BatteryBar);
    m_chargingIcon = new QLabel(this);
    m_chargingIcon->setScaledContents(true);
    m_chargingIcon->setPixmap(QPixmap(skinPath(QStringLiteral("lightning.png"))));
    m_chargingIcon->hide();
    place(m_chargingIcon, WindowLayout::ChargingIcon);
}

void MousecfgWidget::setTabOrder()
{
    // Tab walks keyboardOrder(); the scroll area takes no part in it, its page does.
    m_buttonScroll->setFocusPolicy(Qt::NoFocus);
}

void MousecfgWidget::relayout()
{
    for (const Placed& placed : m_placed)
        placed.widget->setGeometry(scaledRect(placed.design, m_scaleFactor));
    loadProductImages();
    loadModelImages();
    showView(m_frontView);
    selectTab(m_currentTab);
}

void MousecfgWidget::applyScaleStep(int step)
{
    m_scaleStep = step;
    m_scaleFactor = displayScaleFactorOfStep(step);
    setDisplayScaleFactor(m_scaleFactor);
    setMask(windowShape());
    if (m_buttonPage)
        m_buttonPage->setScale(m_scaleFactor);
    relayout();
}

std::array<TarqPage*, 6> MousecfgWidget::allPages() const
{
    return { m_buttonPage, m_dpiPage, m_performancePage, m_ratePage, m_lightingPage, m_macroPage };
}

TarqPage* MousecfgWidget::page(int tab) const
{
    switch (tab) {
        case LightingTab:
            return m_lightingPage;
        case CustomizeTab:
            return m_buttonPage;
        case DpiTab:
            return m_dpiPage;
        case MacroTab:
            return m_macroPage;
        default:
            return nullptr;
    }
}

void MousecfgWidget::selectTab(int tab)
{
    if (tab < LightingTab || tab > MacroTab)
        return;
    // Edits that could not be saved keep the user on the page that holds them.
    if (m_currentTab == MacroTab && tab != MacroTab && m_macroPage && !m_macroPage->settleUnsavedEdits())
        tab = MacroTab;
    m_currentTab = tab;
    for (int i = 0; i < int(m_tabs.size()); ++i)
        m_tabs[size_t(i)]->setChecked(i == tab);
    const bool lighting = tab == LightingTab;
    const bool customize = tab == CustomizeTab;
    const bool dpi = tab == DpiTab;
    m_lightingPage->setVisible(lighting);
    m_buttonScroll->setVisible(customize);
    m_dpiPage->setVisible(dpi);
    m_performancePage->setVisible(dpi);
    m_ratePage->setVisible(dpi);
    m_macroPage->setVisible(tab == MacroTab);
    m_frontButton->setVisible(customize);
    m_sideButton->setVisible(customize && m_buttonPage->hasSideView());
    m_frontImage->setVisible(lighting || (customize && m_frontView));
    m_sideImage->setVisible(customize && !m_frontView);
    const int shownButtons = qBound(0, productButtonCount(), kHotSpotCount);
    for (int i = 0; i < kHotSpotCount; ++i) {
        const bool shown = i < shownButtons && customize;
        m_frontSpots[size_t(i)]->setVisible(shown && m_frontView && frontHotSpot(i).placed);
        m_sideSpots[size_t(i)]->setVisible(shown && !m_frontView && sideHotSpot(i).placed);
    }
    for (TarqPushButton* extra : m_extraSpots)
        extra->setVisible(customize && m_frontView);
}

void MousecfgWidget::showView(bool front)
{
    // The product may have changed, and with it the side picture.
    m_buttonPage->setSideButtons(sideViewButtons(currentProductName()));
    front = front || !m_buttonPage->hasSideView();
    m_frontView = front;
    m_frontButton->setChecked(front);
    m_sideButton->setChecked(!front);
    m_buttonPage->setFrontView(front);
    if (m_currentTab == CustomizeTab)
        selectTab(CustomizeTab);
}

void MousecfgWidget::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    painter.drawPixmap(0, 0, scaledBackground());
    const QPixmap& frame = m_connection.cableFrame() ? m_batteryFrameCable : m_batteryFrame;
    painter.setRenderHint(QPainter::SmoothPixmapTransform);
    painter.drawPixmap(scaledRect(WindowLayout::BatteryFrame, m_scaleFactor), frame);
    if (!m_firstPaintReported) {
        m_firstPaintReported = true;
        QTimer::singleShot(0, this, [this] {
            emit firstPainted();
            QTimer::singleShot(0, this, &MousecfgWidget::loadDeferredPictures);
            QTimer::singleShot(0, this, [this] { noteForUser(refreshDefaultProfileFile()); });
        });
    }
}

void MousecfgWidget::resizeEvent(QResizeEvent* event)
{
    QWidget::resizeEvent(event);
    const QScreen* windowScreen = screen();
    const int step = displayScaleStep(screenDpiRatio(windowScreen ? windowScreen : QGuiApplication::primaryScreen()));
    if (step == m_scaleStep)
        return;
    applyScaleStep(step);
    resize(scaled(WindowLayout::kWidth), scaled(WindowLayout::kHeight));
    qCDebug(lcUi, "width = %d, height = %d m_iDpiVal = %d\n", width(), height(), m_scaleStep);
}

void MousecfgWidget::mousePressEvent(QMouseEvent* event)
{
    if (event->button() != Qt::LeftButton)
        return QWidget::mousePressEvent(event);
    m_dragging = true;
    m_dragMoved = false;
    m_pressGlobal = event->globalPos();
    m_windowAtPress = frameGeometry().topLeft();
}

void MousecfgWidget::mouseMoveEvent(QMouseEvent* event)
{
    if (!m_dragging)
        return QWidget::mouseMoveEvent(event);
    const QPoint offset = event->globalPos() - m_pressGlobal;
    if (!m_dragMoved && offset.manhattanLength() <= kDragThreshold)
        return;
    // Where the window system moves windows itself (Wayland allows nothing else), let it.
    if (!m_dragMoved && windowHandle() && windowHandle()->startSystemMove()) {
        m_dragging = false;
        return;
    }
    m_dragMoved = true;
    move(m_windowAtPress + offset);
}

void MousecfgWidget::mouseReleaseEvent(QMouseEvent* event)
{
    m_dragging = false;
    QWidget::mouseReleaseEvent(event);
}

bool MousecfgWidget::eventFilter(QObject* watched, QEvent* event)
{
    queueUnsentCheck(event);
    return QWidget::eventFilter(watched, event);
}

void MousecfgWidget::slotGotoMacro(quint8 tab)
{
    selectTab(tab);
}

void MousecfgWidget::OnProfileMenuCheck(QWidget*) {}

void MousecfgWidget::slotEnableButtons(bool bEnable)
{
    const QList<QWidget*> controls{ m_addButton,          m_copyButton,        m_deleteButton,   m_resetButton,
                                    m_exportButton,       m_importButton,      m_resetAllButton, m_okButton,
                                    m_cancelButton,       m_applyButton,       m_languageButton, m_closeButton,
                                    m_applicationsButton, m_minimiseButton,    m_firmwareButton, m_profileLabel,
                                    m_nameEdit,           m_profileMenuButton, m_mouseSelector,  m_loadButton,
                                    m_saveButton };
    for (QWidget* control : controls)
        control->setEnabled(bEnable);
    for (TarqPushButton* tab : m_tabs)
        tab->setEnabled(bEnable);
    for (TarqPushButton* slot : m_slotButtons)
        slot->setEnabled(bEnable);
}

void MousecfgWidget::slotLiftChange(quint8 iLift)
{
    m_configuration.working.LiftHigh = iLift;
}

void MousecfgWidget::showMessage(int kind, const QString& text, std::function<void(bool)> answered)
{
    auto* box = new TarqMessageBox(kind, QString(), QStringLiteral("Warning"), text, this);
    box->setAttribute(Qt::WA_DeleteOnClose);
    box->setWindowModality(Qt::ApplicationModal);
    connect(box, &QDialog::finished, this, [answered](int result) {
        if (answered)
            answered(result == QDialog::Accepted);
    });
    box->open();
}

void MousecfgWidget::slotPopOneClickBox()
{
    showMessage(TarqMessageBox::Warning, QString::fromLatin1(kKeepOneClickMessage));
}

void MousecfgWidget::noteForUser(const QString& text)
{
    if (!text.isEmpty())
        noteForUser(QStringList{ text });
}

void MousecfgWidget::noteForUser(const QStringList& lines)
{
    if (lines.isEmpty())
        return;
    for (const QString& line : lines)
        qCWarning(lcUi).noquote() << line;
    if (m_notes.isEmpty())
        QTimer::singleShot(0, this, &MousecfgWidget::showNotes);
    m_notes << lines;
}

void MousecfgWidget::showNotes()
{
    const QStringList notes = std::exchange(m_notes, {});
    if (!notes.isEmpty())
        showMessage(TarqMessageBox::Warning, reportText(notes));
}
