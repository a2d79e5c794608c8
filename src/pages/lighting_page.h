#pragma once

#include "pages/tarq_page.h"

#include <QPointer>

class DefaultColorArea;
class QCheckBox;
class TarqAction;
class TarqColorArea;
class TarqLabel;
class TarqMenu;
class TarqPushButton;
class TarqSlider;

// The lighting page: effect, brightness, speed and colour of the current slot's record, its sleep
// time and whether moving the mouse turns the light off. Edits go straight into the record the
// window hands over; the window's upload sends them.
class TarqColorWindow final : public TarqPage
{
    Q_OBJECT
    Q_DISABLE_COPY(TarqColorWindow)

public:
    explicit TarqColorWindow(QWidget* parent = nullptr);

    void showProfile(ProfileRecord& profile, ConfigRecord& config, int dpiStageCount) override;
    void showLightMode(quint8 mode) override;
    void retranslate() override;

    // The effect names by LedMode, untranslated; empty for a mode outside the table.
    static const char* effectName(int mode);

    TarqPushButton* effectButton() const { return m_effectButton; }
    TarqMenu* effectMenu() const { return m_effectMenu; }
    TarqSlider* brightnessSlider() const { return m_brightSlider; }
    TarqSlider* speedSlider() const { return m_speedSlider; }
    DefaultColorArea* colorSwatch() const { return m_colorSwatch; }
    TarqSlider* sleepSlider() const { return m_sleepSlider; }
    TarqLabel* sleepValueLabel() const { return m_sleepValue; }
    QCheckBox* moveOffCheckBox() const { return m_moveOffCheck; }
    TarqLabel* brightnessLabel() const { return m_brightLabel; }
    TarqLabel* speedLabel() const { return m_speedLabel; }
    TarqLabel* colorLabel() const { return m_colorLabel; }
    TarqLabel* sleepLabel() const { return m_sleepLabel; }
    // The colour editor while it is open, else nullptr.
    TarqColorArea* colorEditor() const;

public slots:
    void slotSliderMouseChange();
    void slotSendLedState(const QColor& colour);
    void slotApplyColor();
    void color_clicked();
    void checkbtn_clicked();

protected:
    void resizeEvent(QResizeEvent* event) override;

private:
    void createControls();
    void rebuildEffectMenu();
    void chooseEffect(int mode);
    // Effect button, its controls and the menu's mark, for the selected effect.
    void refreshEffect();
    void showEffect();
    void showSleepText();
    void layoutControls();
    void applyLook();
    void popUpEffectMenu();
    void storeSliderValue(const TarqSlider* slider, int value);
    // The selected effect of the displayed profile, or -1 without a profile or for an unknown mode.
    int selectedEffect() const;

    ProfileRecord* m_profile = nullptr;
    int m_profileIndex = -1; // for the log: the slot the displayed profile is, -1 when not a slot
    bool m_showSleep = true;

    TarqLabel* m_effectLabel;
    TarqPushButton* m_effectButton;
    TarqMenu* m_effectMenu;
    TarqLabel* m_brightLabel;
    TarqSlider* m_brightSlider;
    TarqLabel* m_speedLabel;
    TarqSlider* m_speedSlider;
    TarqLabel* m_colorLabel;
    DefaultColorArea* m_colorSwatch;
    TarqLabel* m_sleepLabel;
    TarqSlider* m_sleepSlider;
    TarqLabel* m_sleepValue;
    QCheckBox* m_moveOffCheck;
    QPointer<TarqColorArea> m_editor;
};
