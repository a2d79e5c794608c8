// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "pages/tarq_page.h"

#include <array>

class QCheckBox;
class QSpinBox;
class TarqLabel;
class TarqSlider;

// Options that are not per stage: key response, scroll speed, and the sync, lift-off,
// angle-snapping and jitter switches. Each edit goes straight into the records the window showed:
// the scroll speed into the slot's, the rest into the device-wide options.
class TarqPointSpeed final : public TarqPage
{
    Q_OBJECT
    Q_DISABLE_COPY(TarqPointSpeed)

public:
    explicit TarqPointSpeed(ProfileRecord* profile = nullptr, QWidget* parent = nullptr);

    void setData(ProfileRecord* profile, quint8 sync, quint8 lift, quint8 angle, quint8 jitter, quint8 keyResponse);

    void showProfile(ProfileRecord& profile, ConfigRecord& config, int dpiStageCount) override;
    void retranslate() override;

    quint8 sync() const { return m_sync; }
    quint8 lift() const { return m_lift; }
    quint8 angle() const { return m_angle; }
    quint8 jitter() const { return m_jitter; }
    quint8 keyResponse() const { return m_keyResponse; }

    TarqSlider* keyResponseSlider() const { return m_keySlider; }
    TarqLabel* keyResponseValue() const { return m_keyValue; }
    QSpinBox* scrollSpeedBox() const { return m_scrollBox; }
    // The switch pairs in the order sync, lift, angle snapping, jitter: first the box that stands
    // for ON (for lift: 1mm), then its partner.
    QCheckBox* switchBox(int pair, int side) const { return m_switches[size_t(pair)][size_t(side)]; }

public slots:
    void sValueChangedSlot(int s);
    void checkbtn_clicked();

protected:
    void resizeEvent(QResizeEvent* event) override;

private:
    enum Pair { SyncPair, LiftPair, AnglePair, JitterPair, PairCount };

    void onKeyResponseChanged(int value);
    void showSwitch(Pair pair, bool firstChecked);
    void updateTabOrder();
    void storeOptions();

    ProfileRecord* m_profile;
    ConfigRecord* m_config = nullptr;
    quint8 m_sync = 0;
    quint8 m_lift = 1;
    quint8 m_angle = 0;
    quint8 m_jitter = 0;
    quint8 m_keyResponse = 1;
    TarqLabel* m_keyTitle;
    TarqSlider* m_keySlider;
    TarqLabel* m_keyValue;
    TarqLabel* m_scrollTitle;
    QSpinBox* m_scrollBox;
    std::array<TarqLabel*, PairCount> m_switchTitles{};
    std::array<std::array<QCheckBox*, 2>, PairCount> m_switches{};
};
