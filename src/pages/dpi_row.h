// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "device/sensor_resolution.h"

#include <QWidget>

struct DpiStage;
class QCheckBox;
class QSpinBox;
class TarqLabel;
class TarqPushButton;
class TarqTwoBarSlider;

// One DPI stage: its X and Y resolution on a two-bar slider (one bar when linked), the resolution
// in DPI, the Link XY and enable boxes, and the button that makes it the active stage (the page
// puts the eight buttons in one exclusive group). For sensors that offer it, the resolution can
// be typed in DPI; the bar then moves to the nearest step.
class TarqSingleDPI final : public QWidget
{
    Q_OBJECT
    Q_DISABLE_COPY(TarqSingleDPI)

public:
    TarqSingleDPI(quint8 stage, QWidget* parent = nullptr);

    void setSensor(int sensorCode, const SensorStepRange& range);
    // Shows the stage without raising any signal.
    void setStage(const DpiStage& stage);
    void setActive(bool active);
    void retranslate();

    quint8 stageIndex() const { return m_stage; }
    TarqPushButton* stageButton() const { return m_stageButton; }
    TarqTwoBarSlider* slider() const { return m_slider; }
    QCheckBox* linkBox() const { return m_linkBox; }
    QCheckBox* enableBox() const { return m_enableBox; }
    QSpinBox* xEntry() const { return m_xEntry; }
    QSpinBox* yEntry() const { return m_yEntry; }
    TarqLabel* xLabel() const { return m_xLabel; }
    TarqLabel* yLabel() const { return m_yLabel; }
    TarqLabel* dpiLabel() const { return m_dpiLabel; }
    TarqLabel* minimumLabel() const { return m_minLabel; }
    TarqLabel* maximumLabel() const { return m_maxLabel; }
    // A disabled stage's resolution controls are dimmed; they stay usable, to be set up before
    // the stage is switched on.
    bool isDimmed() const { return m_dimmed; }
    // The widgets in reading order, for the page's tab chain.
    QList<QWidget*> focusChain() const;

signals:
    void DPISignal(int x, int y, quint8 stage);
    void LinkSignal(quint8 link, quint8 stage);
    void EnableSignal(quint8 enabled, quint8 stage);
    void MouseinSignal(quint8 stage);

public slots:
    void onSliderChanged(int x, int y);
    void onStateChanged(int state);
    void slotLabelClick(TarqLabel* label);

protected:
    void mousePressEvent(QMouseEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

private:
    void layoutChildren();
    void showValues(int x, int y);
    void showLinked(bool linked);
    void onEntryFinished();
    void showUsed(bool used);

    quint8 m_stage;
    int m_sensor = 0;
    SensorStepRange m_range;
    TarqPushButton* m_stageButton;
    QCheckBox* m_enableBox;
    TarqTwoBarSlider* m_slider;
    TarqLabel* m_minLabel;
    TarqLabel* m_maxLabel;
    TarqLabel* m_xLabel;
    TarqLabel* m_yLabel;
    TarqLabel* m_dpiLabel;
    QSpinBox* m_xEntry;
    QSpinBox* m_yEntry;
    QCheckBox* m_linkBox;
    bool m_dimmed = false;
};
