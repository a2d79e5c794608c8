#include "sim/control_panel.h"

#include "device/commands.h"
#include "sim/on_board_profile_text.h"
#include "sim/virtual_mouse.h"

#include <QCheckBox>
#include <QFontDatabase>
#include <QFormLayout>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QSignalBlocker>
#include <QSpinBox>
#include <QVBoxLayout>

namespace {

constexpr int kMillivoltStep = 10;
// Room for the longest line and every line of the on-board view, so it needs no scrolling.
constexpr int kViewColumns = 64;
constexpr int kViewLines = 22;

// Some platforms (the offscreen one among them) name a proportional font as their fixed one.
QFont monospaceFont()
{
    QFont font = QFontDatabase::systemFont(QFontDatabase::FixedFont);
    if (!QFontInfo(font).fixedPitch()) {
        font.setFamily(QStringLiteral("monospace"));
        font.setStyleHint(QFont::Monospace);
    }
    return font;
}

void setPlugged(VirtualMouse& mouse, MouseLink link, bool plugged)
{
    if (plugged)
        mouse.plug(link);
    else
        mouse.unplug(link);
}

} // namespace

VirtualMousePanel::VirtualMousePanel(VirtualMouse& mouse, QWidget* parent)
    : QWidget(parent)
    , m_mouse(mouse)
{
    setWindowTitle(tr("Virtual mouse"));

    auto* controls = new QVBoxLayout;
    controls->addWidget(makeConnectionGroup());
    controls->addWidget(makeBatteryGroup());
    controls->addWidget(makeButtonGroup());
    controls->addWidget(makeStateGroup());
    controls->addStretch();

    auto* layout = new QHBoxLayout(this);
    layout->addLayout(controls);
    layout->addWidget(makeOnBoardGroup(), 1);

    // Uploads run on the sending thread, plugging anywhere: the panel looks again on its own.
    connect(&m_mouse, &VirtualMouse::uploadEnded, this, &VirtualMousePanel::refresh, Qt::QueuedConnection);
    connect(&m_mouse, &VirtualMouse::profileSelected, this, &VirtualMousePanel::refresh, Qt::QueuedConnection);
    connect(&m_mouse, &VirtualMouse::interfaceChanged, this, &VirtualMousePanel::refresh, Qt::QueuedConnection);
    refresh();
}

VirtualMousePanel::~VirtualMousePanel() = default;

QCheckBox* VirtualMousePanel::makeCheckBox(const QString& text, const QString& accessibleName)
{
    auto* box = new QCheckBox(text);
    box->setAccessibleName(accessibleName);
    return box;
}

QGroupBox* VirtualMousePanel::makeConnectionGroup()
{
    m_receiverPlugged = makeCheckBox(tr("&Receiver plugged in"), tr("Receiver plugged in"));
    m_cablePlugged = makeCheckBox(tr("&Cable plugged in"), tr("Cable plugged in"));
    m_asleep = makeCheckBox(tr("&Asleep"), tr("Asleep"));
    m_asleep->setToolTip(tr("Asleep, the mouse answers through the cable only"));
    connect(m_receiverPlugged, &QCheckBox::toggled, this, [this](bool plugged) {
        setPlugged(m_mouse, MouseLink::Receiver, plugged);
        refresh();
    });
    connect(m_cablePlugged, &QCheckBox::toggled, this, [this](bool plugged) {
        setPlugged(m_mouse, MouseLink::Cable, plugged);
        refresh();
    });
    connect(m_asleep, &QCheckBox::toggled, this, [this](bool asleep) {
        if (asleep)
            m_mouse.sleep();
        else
            m_mouse.wake();
        refresh();
    });

    auto* group = new QGroupBox(tr("Connection"));
    auto* layout = new QVBoxLayout(group);
    layout->addWidget(m_receiverPlugged);
    layout->addWidget(m_cablePlugged);
    layout->addWidget(m_asleep);
    return group;
}

QGroupBox* VirtualMousePanel::makeBatteryGroup()
{
    m_millivolts = new QSpinBox;
    m_millivolts->setRange(kMinimumMillivolts, kMaximumMillivolts);
    m_millivolts->setSingleStep(kMillivoltStep);
    m_millivolts->setSuffix(tr(" mV"));
    // Typed values reach the mouse when complete, not digit by digit.
    m_millivolts->setKeyboardTracking(false);
    m_millivolts->setAccessibleName(tr("Battery voltage"));
    m_charging = makeCheckBox(tr("C&harging"), tr("Charging"));
    connect(m_millivolts, QOverload<int>::of(&QSpinBox::valueChanged), this, [this](int millivolts) {
        m_mouse.setBatteryMillivolts(millivolts);
        refresh();
    });
    connect(m_charging, &QCheckBox::toggled, this, [this](bool charging) {
        m_mouse.setCharging(charging);
        refresh();
    });

    auto* group = new QGroupBox(tr("Battery"));
    auto* form = new QFormLayout(group);
    form->addRow(tr("&Voltage:"), m_millivolts);
    form->addRow(QString(), m_charging);
    return group;
}

QGroupBox* VirtualMousePanel::makeButtonGroup()
{
    auto* group = new QGroupBox(tr("Buttons on the mouse"));
    auto* grid = new QGridLayout(group);
    const auto addButton = [this, grid](const QString& text, const QString& accessibleName, int row, int column,
                                        void (VirtualMouse::*press)()) {
        auto* button = new QPushButton(text);
        button->setAccessibleName(accessibleName);
        connect(button, &QPushButton::clicked, this, [this, press] {
            (m_mouse.*press)();
            refresh();
        });
        grid->addWidget(button, row, column);
    };
    addButton(tr("&DPI"), tr("DPI button"), 0, 0, &VirtualMouse::pressDpiButton);
    addButton(tr("&Profile"), tr("Profile button"), 0, 1, &VirtualMouse::pressProfileButton);
    addButton(tr("Report ra&te"), tr("Report rate button"), 1, 0, &VirtualMouse::pressRateButton);
    addButton(tr("&Lighting"), tr("Lighting button"), 1, 1, &VirtualMouse::pressLightingButton);
    return group;
}

QLabel* VirtualMousePanel::addStateRow(QFormLayout* form, const QString& label)
{
    auto* value = new QLabel;
    value->setAccessibleName(label);
    value->setTextInteractionFlags(Qt::TextSelectableByMouse);
    form->addRow(label + QLatin1Char(':'), value);
    return value;
}

QGroupBox* VirtualMousePanel::makeStateGroup()
{
    auto* group = new QGroupBox(tr("Mouse state"));
    auto* form = new QFormLayout(group);
    m_profileValue = addStateRow(form, tr("Active profile"));
    m_dpiStageValue = addStateRow(form, tr("DPI stage"));
    m_rateValue = addStateRow(form, tr("Report rate"));
    m_lightingValue = addStateRow(form, tr("Lighting"));
    m_uploadsValue = addStateRow(form, tr("Uploads"));
    return group;
}

QGroupBox* VirtualMousePanel::makeOnBoardGroup()
{
    m_onBoardView = new QPlainTextEdit;
    m_onBoardView->setReadOnly(true);
    m_onBoardView->setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
    m_onBoardView->setLineWrapMode(QPlainTextEdit::NoWrap);
    m_onBoardView->setFont(monospaceFont());
    m_onBoardView->setAccessibleName(tr("Active on-board profile"));
    const QFontMetrics metrics(m_onBoardView->font());
    const int margins = 2 * (m_onBoardView->frameWidth() + int(m_onBoardView->document()->documentMargin()));
    m_onBoardView->setMinimumSize(metrics.horizontalAdvance(QString(kViewColumns, QLatin1Char('0'))) + margins,
                                  metrics.lineSpacing() * kViewLines + margins);

    auto* group = new QGroupBox(tr("Active &on-board profile"));
    auto* layout = new QVBoxLayout(group);
    layout->addWidget(m_onBoardView);
    return group;
}

void VirtualMousePanel::refresh()
{
    {
        // Showing the state must not send it back to the mouse.
        const QSignalBlocker receiverBlocker(m_receiverPlugged);
        const QSignalBlocker cableBlocker(m_cablePlugged);
        const QSignalBlocker asleepBlocker(m_asleep);
        const QSignalBlocker millivoltBlocker(m_millivolts);
        const QSignalBlocker chargingBlocker(m_charging);
        m_receiverPlugged->setChecked(m_mouse.isPlugged(MouseLink::Receiver));
        m_cablePlugged->setChecked(m_mouse.isPlugged(MouseLink::Cable));
        m_asleep->setChecked(m_mouse.isAsleep());
        m_millivolts->setValue(m_mouse.batteryMillivolts());
        m_charging->setChecked(m_mouse.isCharging());
    }
    m_profileValue->setText(tr("%1 of %2").arg(m_mouse.activeProfile() + 1).arg(kOnBoardProfileCount));
    m_dpiStageValue->setText(QString::number(m_mouse.dpiStage() + 1));
    m_rateValue->setText(tr("code %1").arg(m_mouse.rateCode()));
    m_lightingValue->setText(tr("mode %1").arg(m_mouse.lightingMode()));
    const QString uploads = tr("%1 finished").arg(m_mouse.uploadsEnded());
    m_uploadsValue->setText(m_mouse.isUploadOpen() ? tr("%1, one open").arg(uploads) : uploads);

    const QString text = onBoardProfileText(m_mouse);
    if (m_onBoardView->toPlainText() != text)
        m_onBoardView->setPlainText(text);
}
