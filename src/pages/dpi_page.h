// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "pages/tarq_page.h"
#include "storage/profile_record.h"

#include <array>

class QButtonGroup;
class TarqLabel;
class TarqSingleDPI;

// The eight DPI stages of the current slot (as many rows as the product has stages): the active
// stage, each stage's resolution, link and enable. The page edits the slot's record in place, and
// keeps the active stage among the enabled ones.
class TarqDPIWindow final : public TarqPage
{
    Q_OBJECT
    Q_DISABLE_COPY(TarqDPIWindow)

public:
    explicit TarqDPIWindow(QWidget* parent = nullptr);

    // Ranges and labels of every row for the sensor; the product's range switches are read here.
    void setSensor(int sensorCode);
    // Rows beyond count are hidden (1..8; anything else shows all eight).
    void setStageCount(int count);
    void setActiveStage(int stage);

    void showProfile(ProfileRecord& profile, ConfigRecord& config, int dpiStageCount) override;
    void retranslate() override;
    void showDpiStage(int stage) override;

    const ProfileRecord& profileData() const { return *m_profile; }
    TarqSingleDPI* row(int stage) const { return m_rows[size_t(stage)]; }
    QButtonGroup* stageGroup() const { return m_group; }
    int sensorCode() const { return m_sensor; }

signals:
    void MouseinSignal(quint8 stage);

public slots:
    void onRadioChanged();
    void onSliderChanged(int x, int y, quint8 stage);
    void onLinkChanged(quint8 link, quint8 stage);
    void onEnableChanged(quint8 enabled, quint8 stage);
    void onStateChanged(int state);
    void slotLabelClick(TarqLabel* label);

protected:
    void resizeEvent(QResizeEvent* event) override;

private:
    void layoutRows();
    void updateTabOrder();
    // The enabled stage nearest to stage, the following one first on a tie; -1 when none is.
    int nearestEnabledStage(int stage) const;
    void showStage(int stage);

    // What the page edits before the window shows it a slot.
    ProfileRecord m_unshown;
    ProfileRecord* m_profile = &m_unshown;
    int m_sensor = 0;
    int m_stageCount = kDpiStageCount;
    QWidget* m_rowsFrame;
    std::array<TarqSingleDPI*, kDpiStageCount> m_rows{};
    QButtonGroup* m_group;
};
