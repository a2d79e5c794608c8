// SPDX-License-Identifier: GPL-3.0-or-later
#include "pages/performance_page.h"

#include "controls/accessibility.h"
#include "controls/display_scale.h"
#include "controls/labels_menus.h"
#include "controls/sliders.h"
#include "controls/theme.h"
#include "log_categories.h"
#include "pages/page_look.h"
#include "storage/profile_record.h"

#include <QCheckBox>
#include <QSignalBlocker>
#include <QSpinBox>

namespace {

constexpr QRect kKeyTitle(10, 6, 104, 24);
constexpr QRect kKeySlider(116, 8, 180, 20);
constexpr QRect kKeyValue(302, 6, 34, 24);
constexpr QRect kScrollTitle(346, 6, 100, 24);
constexpr QRect kScrollBox(450, 6, 48, 24);
constexpr int kPairLeft = 10;
constexpr int kPairPitch = 124;
constexpr int kPairTitleTop = 36;
constexpr int kPairBoxTop = 55;
constexpr int kPairTitleWidth = 120;
constexpr int kBoxWidth = 58;
constexpr int kBoxHeight = 18;

constexpr int kKeyResponseMinimum = 1;
constexpr int kKeyResponseMaximum = 255;
constexpr int kScrollSpeedMinimum = 1;
constexpr int kScrollSpeedMaximum = 20;

} // namespace

TarqPointSpeed::TarqPointSpeed(ProfileRecord* profile, QWidget* parent)
    : TarqPage(parent)
    , m_profile(profile)
    , m_keyTitle(new TarqLabel(this))
    , m_keySlider(new TarqSlider(Qt::Horizontal, this))
    , m_keyValue(new TarqLabel(this))
    , m_scrollTitle(new TarqLabel(this))
    , m_scrollBox(new QSpinBox(this))
{
    m_sync = 0;
    m_lift = 1;
    setPageSurface(this);
    m_keySlider->setRange(kKeyResponseMinimum, kKeyResponseMaximum);
    m_keySlider->setSingleStep(1);
    m_keySlider->setPageStep(1);
    m_keySlider->setTickPosition(QSlider::NoTicks);
    m_keySlider->setFocusPolicy(Qt::StrongFocus);
    m_keyValue->setAlignment(Qt::AlignCenter);
    m_scrollBox->setRange(kScrollSpeedMinimum, kScrollSpeedMaximum);
    // The arrow keys and the wheel step it; the dark look has no room for arrow buttons.
    m_scrollBox->setButtonSymbols(QAbstractSpinBox::NoButtons);
    m_scrollBox->setAlignment(Qt::AlignCenter);
    m_scrollBox->setStyleSheet(QStringLiteral("QSpinBox{color: rgb(225,225,225); background-color: rgba(0,0,0,0.35);"
                                              "border: 1px solid rgb(62,66,72); border-radius: 2px}"
                                              "QSpinBox:focus{border-color: %1}")
                                   .arg(themeColour().name()));
    for (auto& pair : m_switches) {
        for (QCheckBox*& box : pair) {
            box = new QCheckBox(this);
            // Each pair is one choice of two, drawn as switches.
            Accessibility::setRole(box, QAccessible::RadioButton);
            styleCheckBox(box, CheckLook::Switch);
            connect(box, &QCheckBox::clicked, this, &TarqPointSpeed::checkbtn_clicked);
        }
    }
    for (TarqLabel*& title : m_switchTitles) {
        title = new TarqLabel(this);
        keepOffSurface({ title });
    }
    keepOffSurface({ m_keyTitle, m_keyValue, m_scrollTitle });
    connect(m_scrollBox, QOverload<int>::of(&QSpinBox::valueChanged), this, &TarqPointSpeed::sValueChangedSlot);
    connect(m_keySlider, &QSlider::valueChanged, this, &TarqPointSpeed::onKeyResponseChanged);
    retranslate();
    updateTabOrder();
}

void TarqPointSpeed::setData(ProfileRecord* profile, quint8 sync, quint8 lift, quint8 angle, quint8 jitter,
                             quint8 keyResponse)
{
    m_profile = profile;
    {
        // Showing values must not write them back: a stored 0 would come back as the minimum.
        const QSignalBlocker blockSlider(m_keySlider);
        const QSignalBlocker blockBox(m_scrollBox);
        m_keyValue->setNumber(keyResponse);
        m_keySlider->setValue(keyResponse);
        if (profile)
            m_scrollBox->setValue(profile->scrollspeed);
        m_scrollBox->setFont(uiFont());
    }
    m_sync = sync;
    m_lift = lift;
    m_angle = angle;
    m_jitter = jitter;
    m_keyResponse = keyResponse;
    showSwitch(SyncPair, sync != 0);
    showSwitch(LiftPair, lift == 1);
    showSwitch(AnglePair, angle == 0);
    showSwitch(JitterPair, jitter == 0);
}

void TarqPointSpeed::showProfile(ProfileRecord& profile, ConfigRecord& config, int)
{
    m_config = nullptr;
    setData(&profile, config.Sync, config.LiftHigh, config.AngleValue, config.Jitter, config.Debounce);
    m_config = &config;
}

void TarqPointSpeed::storeOptions()
{
    if (!m_config)
        return;
    m_config->Sync = m_sync;
    m_config->LiftHigh = m_lift;
    m_config->AngleValue = m_angle;
    m_config->Jitter = m_jitter;
    m_config->Debounce = m_keyResponse;
}

void TarqPointSpeed::retranslate()
{
    m_keyTitle->setText(tr("Key Response"));
    m_scrollTitle->setText(tr("SCROLL SPEED"));
    m_switchTitles[SyncPair]->setText(tr("Enable sync"));
    m_switchTitles[LiftPair]->setText(tr("Lift Distance"));
    m_switchTitles[AnglePair]->setText(tr("Angle Snapping"));
    m_switchTitles[JitterPair]->setText(tr("Jitter"));
    m_keySlider->setAccessibleName(tr("Key Response"));
    m_scrollBox->setAccessibleName(tr("SCROLL SPEED"));
    for (int pair = 0; pair < PairCount; ++pair) {
        const bool lift = pair == LiftPair;
        m_switches[size_t(pair)][0]->setText(lift ? tr("1mm") : tr("ON"));
        m_switches[size_t(pair)][1]->setText(lift ? tr("2mm") : tr("OFF"));
        for (QCheckBox* box : m_switches[size_t(pair)])
            box->setAccessibleName(m_switchTitles[size_t(pair)]->text() + QLatin1Char(' ') + box->text());
    }
    setAccessibleName(tr("Performance"));
}

void TarqPointSpeed::sValueChangedSlot(int s)
{
    qCDebug(lcUi, "slider_clicked 1 = %d", s);
    if (m_profile)
        m_profile->scrollspeed = quint8(s);
}

void TarqPointSpeed::onKeyResponseChanged(int value)
{
    qCDebug(lcUi, "slider_clicked 1 = %d", value);
    m_keyResponse = quint8(value);
    m_keyValue->setNumber(value);
    storeOptions();
}

void TarqPointSpeed::checkbtn_clicked()
{
    const QObject* box = sender();
    for (int pair = 0; pair < PairCount; ++pair) {
        for (int side = 0; side < 2; ++side) {
            if (m_switches[size_t(pair)][size_t(side)] != box)
                continue;
            const bool first = side == 0;
            switch (pair) {
                case SyncPair:
                    m_sync = first ? 1 : 0;
                    break;
                case LiftPair:
                    m_lift = first ? 1 : 2;
                    break;
                case AnglePair:
                    m_angle = first ? 0 : 1;
                    break;
                default:
                    m_jitter = first ? 0 : 1;
                    break;
            }
            showSwitch(Pair(pair), first);
            storeOptions();
            return;
        }
    }
}

void TarqPointSpeed::showSwitch(Pair pair, bool firstChecked)
{
    m_switches[size_t(pair)][0]->setChecked(firstChecked);
    m_switches[size_t(pair)][1]->setChecked(!firstChecked);
}

void TarqPointSpeed::resizeEvent(QResizeEvent* event)
{
    TarqPage::resizeEvent(event);
    const double factor = displayScaleFactor();
    m_keyTitle->setGeometry(scaledRect(kKeyTitle, factor));
    m_keySlider->setGeometry(scaledRect(kKeySlider, factor));
    m_keyValue->setGeometry(scaledRect(kKeyValue, factor));
    m_scrollTitle->setGeometry(scaledRect(kScrollTitle, factor));
    m_scrollBox->setGeometry(scaledRect(kScrollBox, factor));
    m_scrollBox->setFont(uiFont());
    for (int pair = 0; pair < PairCount; ++pair) {
        const int left = kPairLeft + kPairPitch * pair;
        m_switchTitles[size_t(pair)]->setGeometry(
            scaledRect(QRect(left, kPairTitleTop, kPairTitleWidth, kBoxHeight), factor));
        for (int side = 0; side < 2; ++side) {
            QCheckBox* box = m_switches[size_t(pair)][size_t(side)];
            box->setGeometry(scaledRect(QRect(left + kBoxWidth * side, kPairBoxTop, kBoxWidth, kBoxHeight), factor));
            styleCheckBox(box, CheckLook::Switch);
        }
    }
}

void TarqPointSpeed::updateTabOrder()
{
    QList<QWidget*> chain{ m_keySlider, m_scrollBox };
    for (const auto& pair : m_switches)
        chain << pair[0] << pair[1];
    for (int i = 1; i < chain.size(); ++i)
        setTabOrder(chain.at(i - 1), chain.at(i));
}
