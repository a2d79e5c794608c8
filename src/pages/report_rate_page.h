// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "pages/tarq_page.h"
#include "storage/profile_record.h"

class QButtonGroup;
class QLabel;
class QRadioButton;
class TarqAction;
class TarqLabel;
class TarqMenu;
class TarqPushButton;

// The report rate of the current slot, chosen from a menu. The page also holds the lift-off
// choice, announced through RefreshLift; its controls are laid out empty here because the
// performance page offers the lift-off distance.
class TarqReportRate final : public TarqPage
{
    Q_OBJECT
    Q_DISABLE_COPY(TarqReportRate)

public:
    // profile: the record the rate choice goes into, until the window shows another.
    explicit TarqReportRate(ProfileRecord* profile = nullptr, QWidget* parent = nullptr);

    void setProfileData(ProfileRecord& profile, quint8 lift);

    void showProfile(ProfileRecord& profile, ConfigRecord& config, int dpiStageCount) override;
    void retranslate() override;
    void showReportRate(int rateCode) override;

    quint8 lift() const { return m_iLift; }
    // The code the caption shows: the record's, or the one chosen before any record was shown.
    quint8 rateCode() const { return m_profile ? m_profile->pollrate : m_rateCode; }
    TarqPushButton* rateButton() const { return m_rateButton; }
    TarqMenu* rateMenu() const { return m_menu; }
    QList<TarqAction*> rateActions() const;
    QButtonGroup* liftGroup() const { return m_liftGroup; }

public slots:
    void onRadioChanged();

protected:
    void resizeEvent(QResizeEvent* event) override;

private:
    void onRateAction();
    void showCaption(quint8 code);
    void setRateCode(quint8 code);

    ProfileRecord* m_profile = nullptr;
    quint8 m_rateCode = 0;
    quint8 m_iLift = 2;
    TarqLabel* m_title;
    QLabel* m_picture;
    TarqPushButton* m_rateButton;
    TarqMenu* m_menu;
    TarqAction* m_rate125;
    TarqAction* m_rate250;
    TarqAction* m_rate500;
    TarqAction* m_rate1000;
    TarqLabel* m_liftTitle;
    QRadioButton* m_lift1;
    QRadioButton* m_lift2;
    QButtonGroup* m_liftGroup;
};
