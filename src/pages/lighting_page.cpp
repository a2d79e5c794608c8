// SPDX-License-Identifier: GPL-3.0-or-later
#include "pages/lighting_page.h"

#include "controls/display_scale.h"
#include "controls/labels_menus.h"
#include "controls/push_button.h"
#include "controls/skin_paths.h"
#include "controls/sliders.h"
#include "controls/theme.h"
#include "log_categories.h"
#include "pages/color_areas.h"
#include "pages/color_editor.h"
#include "pages/page_look.h"
#include "storage/product_description.h"
#include "storage/profile_record.h"

#include <QCheckBox>
#include <QSignalBlocker>

namespace {

struct Effect
{
    const char* name;
    bool brightness;
    bool speed;
    bool colour;
};

// Indexed by LedMode.
const Effect kEffects[kLedEffectCount] = {
    { QT_TRANSLATE_NOOP("TarqColorWindow", "OFF"), false, false, false },
    { QT_TRANSLATE_NOOP("TarqColorWindow", "FULL LIGHTED"), true, false, true },
    { QT_TRANSLATE_NOOP("TarqColorWindow", "BREATHING"), false, true, true },
    { QT_TRANSLATE_NOOP("TarqColorWindow", "7 COLOR BREATHING"), false, true, false },
    { QT_TRANSLATE_NOOP("TarqColorWindow", "RAINBOW"), true, true, false },
    { QT_TRANSLATE_NOOP("TarqColorWindow", "FLASH"), true, true, false },
    { QT_TRANSLATE_NOOP("TarqColorWindow", "Horizontal WAVE"), true, true, false },
    { QT_TRANSLATE_NOOP("TarqColorWindow", "Horizontal GO WITHOUT TRACE"), true, true, false },
    { QT_TRANSLATE_NOOP("TarqColorWindow", "Raindrop"), true, true, false },
    { QT_TRANSLATE_NOOP("TarqColorWindow", "WAVE"), true, true, false },
    { QT_TRANSLATE_NOOP("TarqColorWindow", "GO WITHOUT TRACE"), true, true, false },
    { QT_TRANSLATE_NOOP("TarqColorWindow", "REACTIVE"), true, false, false },
    { QT_TRANSLATE_NOOP("TarqColorWindow", "yo-yo"), true, true, false },
    { QT_TRANSLATE_NOOP("TarqColorWindow", "Marbles"), true, true, false },
};

// The effects the menu offers, in its order; the others are only shown when the mouse picks them.
constexpr int kMenuEffects[] = { 1, 2, 3, 4, 9, 11, 10, 12, 13, 0 };

constexpr int kBrightnessMin = 1;
constexpr int kBrightnessMax = 3;
constexpr int kSpeedMin = 1;
constexpr int kSpeedMax = 5;
constexpr int kFallbackSleepMin = 1;
constexpr int kFallbackSleepMax = 9;

// Design rectangle of the page: 664 × 199; a label column, a control column and the sleep column.
constexpr int kRowTop = 18;
constexpr int kRowStep = 44;
constexpr int kRowHeight = 30;
constexpr int kLabelLeft = 24;
constexpr int kLabelWidth = 150;
constexpr int kControlLeft = 180;
constexpr int kEffectButtonWidth = 240;
constexpr int kSliderWidth = 200;
constexpr int kSwatchWidth = 60;
constexpr int kSwatchHeight = 24;
constexpr int kSleepLeft = 440;
constexpr int kSleepSliderWidth = 116;
constexpr int kSleepValueLeft = kSleepLeft + kSleepSliderWidth + 8;
constexpr int kSleepValueWidth = 96;
constexpr int kCheckWidth = 216;

void placeAt(QWidget* widget, int x, int y, int width, int height)
{
    widget->setGeometry(scaled(x), scaled(y), scaled(width), scaled(height));
}

} // namespace

TarqColorWindow::TarqColorWindow(QWidget* parent)
    : TarqPage(parent)
    , m_effectLabel(new TarqLabel(this))
    , m_effectButton(new TarqPushButton(tabButtonImages(), this))
    , m_effectMenu(new TarqMenu(this))
    , m_brightLabel(new TarqLabel(this))
    , m_brightSlider(new TarqSlider(Qt::Horizontal, this))
    , m_speedLabel(new TarqLabel(this))
    , m_speedSlider(new TarqSlider(Qt::Horizontal, this))
    , m_colorLabel(new TarqLabel(this))
    , m_colorSwatch(new DefaultColorArea(Qt::black, this))
    , m_sleepLabel(new TarqLabel(this))
    , m_sleepSlider(new TarqSlider(Qt::Horizontal, this))
    , m_sleepValue(new TarqLabel(this))
    , m_moveOffCheck(new QCheckBox(this))
{
    setPageSurface(this);
    createControls();
    retranslate();
}

TarqColorArea* TarqColorWindow::colorEditor() const
{
    return m_editor;
}

const char* TarqColorWindow::effectName(int mode)
{
    return mode >= 0 && mode < kLedEffectCount ? kEffects[mode].name : "";
}

void TarqColorWindow::createControls()
{
    keepOffSurface({ m_effectLabel, m_brightLabel, m_speedLabel, m_colorLabel, m_sleepLabel, m_sleepValue });
    m_effectLabel->setBuddy(m_effectButton);
    m_brightLabel->setBuddy(m_brightSlider);
    m_speedLabel->setBuddy(m_speedSlider);
    m_colorLabel->setBuddy(m_colorSwatch);
    m_sleepLabel->setBuddy(m_sleepSlider);

    m_effectButton->setFocusPolicy(Qt::StrongFocus);
    m_brightSlider->setRange(kBrightnessMin, kBrightnessMax);
    m_speedSlider->setRange(kSpeedMin, kSpeedMax);
    m_sleepSlider->setRange(kFallbackSleepMin, kFallbackSleepMax);
    for (TarqSlider* slider : { m_brightSlider, m_speedSlider, m_sleepSlider }) {
        slider->setSingleStep(1);
        slider->setPageStep(1);
        slider->setFocusPolicy(Qt::StrongFocus);
        connect(slider, &QSlider::valueChanged, this, [this, slider](int value) { storeSliderValue(slider, value); });
        connect(slider, &TarqSlider::MouseChange, this, &TarqColorWindow::slotSliderMouseChange);
    }

    connect(m_effectButton, &QPushButton::clicked, this, &TarqColorWindow::popUpEffectMenu);
    connect(m_colorSwatch, &DefaultColorArea::ClickedSignal, this, &TarqColorWindow::color_clicked);
    connect(m_moveOffCheck, &QCheckBox::clicked, this, &TarqColorWindow::checkbtn_clicked);

    setTabOrder(m_effectButton, m_brightSlider);
    setTabOrder(m_brightSlider, m_speedSlider);
    setTabOrder(m_speedSlider, m_colorSwatch);
    setTabOrder(m_colorSwatch, m_sleepSlider);
    setTabOrder(m_sleepSlider, m_moveOffCheck);
}

void TarqColorWindow::retranslate()
{
    m_effectLabel->setText(tr("EFFECT"));
    m_brightLabel->setText(tr("BRIGHTNESS"));
    m_speedLabel->setText(tr("SPEED"));
    m_colorLabel->setText(tr("COLOR"));
    m_sleepLabel->setText(tr("SLEEP TIME"));
    m_moveOffCheck->setText(tr("MOVE TO LIGHT OFF"));
    m_effectButton->setAccessibleName(tr("EFFECT"));
    m_moveOffCheck->setAccessibleName(m_moveOffCheck->text());
    m_brightSlider->setAccessibleName(tr("Brightness"));
    m_speedSlider->setAccessibleName(tr("Speed"));
    m_sleepSlider->setAccessibleName(tr("Sleep time"));
    m_colorSwatch->setAccessibleName(tr("Colour"));
    m_effectButton->setText(tr(effectName(selectedEffect())));
    showSleepText();
    rebuildEffectMenu();
    applyLook();
    if (m_editor)
        m_editor->retranslate();
}

void TarqColorWindow::rebuildEffectMenu()
{
    m_effectMenu->clear();
    for (const int mode : kMenuEffects) {
        auto* action = new TarqAction(tr(kEffects[mode].name), m_effectMenu);
        action->setCheckable(true);
        action->setChecked(mode == selectedEffect());
        connect(action, &QAction::triggered, this, [this, mode] { chooseEffect(mode); });
        m_effectMenu->addAction(action);
    }
}

void TarqColorWindow::popUpEffectMenu()
{
    if (!m_profile)
        return;
    m_effectMenu->setMinimumWidth(m_effectButton->width());
    m_effectMenu->popup(m_effectButton->mapToGlobal(QPoint(0, m_effectButton->height())));
}

int TarqColorWindow::selectedEffect() const
{
    if (!m_profile || m_profile->LedMode >= kLedEffectCount)
        return -1;
    return m_profile->LedMode;
}

void TarqColorWindow::showProfile(ProfileRecord& profile, ConfigRecord& config, int)
{
    m_profile = &profile;
    m_profileIndex = -1;
    for (int i = 0; i < kProfileCount; ++i) {
        if (&config.profiles[size_t(i)] == &profile)
            m_profileIndex = i;
    }
    m_showSleep = productShowSleep() != 0;
    int sleepMin = productSleepMin();
    int sleepMax = productSleepMax();
    if (sleepMin < 0 || sleepMax > 255 || sleepMin > sleepMax) {
        qCWarning(lcUi) << "product sleep range" << sleepMin << ".." << sleepMax << "is not usable; using 1..9";
        sleepMin = kFallbackSleepMin;
        sleepMax = kFallbackSleepMax;
    }
    {
        const QSignalBlocker blocker(m_sleepSlider);
        m_sleepSlider->setRange(sleepMin, sleepMax);
        m_sleepSlider->setValue(profile.LedSleepTime);
    }
    m_moveOffCheck->setChecked(profile.LedMoveOFF == 0);
    showSleepText();
    refreshEffect();
}

void TarqColorWindow::showLightMode(quint8 mode)
{
    if (!m_profile)
        return;
    if (mode >= kLedEffectCount) {
        qCWarning(lcUi) << "the mouse reported the unknown lighting mode" << mode << "; keeping" << m_profile->LedMode;
        return;
    }
    m_profile->LedMode = mode;
    refreshEffect();
}

void TarqColorWindow::chooseEffect(int mode)
{
    if (!m_profile)
        return;
    m_profile->LedMode = quint8(mode);
    refreshEffect();
    const QColor colour = m_profile->ledEffects[size_t(mode)].RGB;
    qCDebug(lcUi, "EffectMenuFunction iProfile=%d i=%d r=%d g=%d b=%d", m_profileIndex, mode, colour.red(),
            colour.green(), colour.blue());
}

void TarqColorWindow::refreshEffect()
{
    showEffect();
    rebuildEffectMenu();
    layoutControls();
}

void TarqColorWindow::showEffect()
{
    const int mode = selectedEffect();
    if (m_profile && mode < 0)
        qCWarning(lcUi) << "the profile holds the unknown lighting mode" << m_profile->LedMode;
    m_effectButton->setText(tr(effectName(mode)));
    if (mode < 0)
        return;
    const LedEffectSetting& effect = m_profile->ledEffects[size_t(mode)];
    const QSignalBlocker brightBlocker(m_brightSlider);
    const QSignalBlocker speedBlocker(m_speedSlider);
    m_brightSlider->setValue(int(qMin<quint32>(effect.bright, kBrightnessMax)));
    m_speedSlider->setValue(int(qMin<quint32>(effect.breath, kSpeedMax)));
    m_colorSwatch->setColor(effect.RGB.isValid() ? effect.RGB : QColor(Qt::black));
}

void TarqColorWindow::showSleepText()
{
    const int minutes = m_profile ? m_profile->LedSleepTime : m_sleepSlider->value();
    m_sleepValue->setText(tr("%n MINUTES", nullptr, minutes));
}

void TarqColorWindow::storeSliderValue(const TarqSlider* slider, int value)
{
    if (!m_profile)
        return;
    if (slider == m_sleepSlider) {
        m_profile->LedSleepTime = quint8(value);
        showSleepText();
        return;
    }
    const int mode = selectedEffect();
    if (mode < 0)
        return;
    LedEffectSetting& effect = m_profile->ledEffects[size_t(mode)];
    if (slider == m_brightSlider)
        effect.bright = quint32(value);
    else
        effect.breath = quint32(value);
}

void TarqColorWindow::slotSliderMouseChange() {}

void TarqColorWindow::slotSendLedState(const QColor& colour)
{
    const int mode = selectedEffect();
    if (mode < 0 || !colour.isValid())
        return;
    m_profile->ledEffects[size_t(mode)].RGB = colour;
    m_colorSwatch->setColor(colour);
    qCDebug(lcUi, "slotSendLedState iProfile=%d i=%d r=%d g=%d b=%d", m_profileIndex, mode, colour.red(),
            colour.green(), colour.blue());
}

void TarqColorWindow::slotApplyColor() {}

void TarqColorWindow::color_clicked()
{
    const int mode = selectedEffect();
    if (mode < 0 || m_editor)
        return;
    auto* editor = new TarqColorArea(this);
    editor->setAttribute(Qt::WA_DeleteOnClose);
    editor->setColor(m_profile->ledEffects[size_t(mode)].RGB);
    // The choice belongs to the effect that was shown when the editor opened.
    ProfileRecord* profile = m_profile;
    connect(editor, &QDialog::accepted, this, [this, editor, profile, mode] {
        if (profile == m_profile && mode == selectedEffect())
            slotSendLedState(editor->color());
    });
    connect(editor, &TarqColorArea::ApplyColor, this, &TarqColorWindow::slotApplyColor);
    m_editor = editor;
    editor->open();
}

void TarqColorWindow::checkbtn_clicked()
{
    if (m_profile)
        m_profile->LedMoveOFF = m_moveOffCheck->isChecked() ? 0 : 255;
}

void TarqColorWindow::resizeEvent(QResizeEvent* event)
{
    TarqPage::resizeEvent(event);
    applyLook();
    layoutControls();
}

void TarqColorWindow::layoutControls()
{
    placeAt(m_effectLabel, kLabelLeft, kRowTop, kLabelWidth, kRowHeight);
    placeAt(m_effectButton, kControlLeft, kRowTop, kEffectButtonWidth, kRowHeight);

    const int mode = selectedEffect();
    const Effect& shown = kEffects[mode >= 0 ? mode : 0];
    struct Row
    {
        TarqLabel* label;
        QWidget* control;
        bool visible;
    };
    const Row rows[] = { { m_brightLabel, m_brightSlider, shown.brightness },
                         { m_speedLabel, m_speedSlider, shown.speed },
                         { m_colorLabel, m_colorSwatch, shown.colour } };
    // Shown rows close up under the effect, so speed alone takes the brightness place.
    int top = kRowTop + kRowStep;
    for (const Row& row : rows) {
        row.label->setVisible(row.visible);
        row.control->setVisible(row.visible);
        if (!row.visible)
            continue;
        placeAt(row.label, kLabelLeft, top, kLabelWidth, kRowHeight);
        if (row.control == m_colorSwatch)
            placeAt(row.control, kControlLeft, top + (kRowHeight - kSwatchHeight) / 2, kSwatchWidth, kSwatchHeight);
        else
            placeAt(row.control, kControlLeft, top, kSliderWidth, kRowHeight);
        top += kRowStep;
    }

    QWidget* const sleepControls[] = { m_sleepLabel, m_sleepSlider, m_sleepValue, m_moveOffCheck };
    for (QWidget* widget : sleepControls)
        widget->setVisible(m_showSleep);
    if (!m_showSleep) {
        for (QWidget* widget : sleepControls)
            widget->setGeometry(QRect());
        return;
    }
    placeAt(m_sleepLabel, kSleepLeft, kRowTop, kCheckWidth, kRowHeight);
    placeAt(m_sleepSlider, kSleepLeft, kRowTop + kRowStep, kSleepSliderWidth, kRowHeight);
    placeAt(m_sleepValue, kSleepValueLeft, kRowTop + kRowStep, kSleepValueWidth, kRowHeight);
    placeAt(m_moveOffCheck, kSleepLeft, kRowTop + 2 * kRowStep, kCheckWidth, kRowHeight);
}

void TarqColorWindow::applyLook()
{
    m_moveOffCheck->setFont(uiFont());
    styleCheckBox(m_moveOffCheck, CheckLook::Switch);
}
