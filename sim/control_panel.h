#pragma once

#include <QWidget>

class QCheckBox;
class QFormLayout;
class QGroupBox;
class QLabel;
class QPlainTextEdit;
class QSpinBox;
class VirtualMouse;

// The demo window beside a simulated run: plugs the virtual mouse's receiver and cable in and
// out, puts it to sleep, sets its battery, presses its own buttons, and shows what it holds. It
// refreshes after each of its own controls, after each upload and after any plugging.
class VirtualMousePanel final : public QWidget
{
    Q_OBJECT
    Q_DISABLE_COPY(VirtualMousePanel)

public:
    static constexpr int kMinimumMillivolts = 3000;
    static constexpr int kMaximumMillivolts = 4300;

    // The mouse must outlive the panel.
    explicit VirtualMousePanel(VirtualMouse& mouse, QWidget* parent = nullptr);
    ~VirtualMousePanel() override;

    // Shows the mouse's state again.
    void refresh();

private:
    QGroupBox* makeConnectionGroup();
    QGroupBox* makeBatteryGroup();
    QGroupBox* makeButtonGroup();
    QGroupBox* makeStateGroup();
    QGroupBox* makeOnBoardGroup();
    QLabel* addStateRow(QFormLayout* form, const QString& label);
    QCheckBox* makeCheckBox(const QString& text, const QString& accessibleName);

    VirtualMouse& m_mouse;
    QCheckBox* m_receiverPlugged = nullptr;
    QCheckBox* m_cablePlugged = nullptr;
    QCheckBox* m_asleep = nullptr;
    QSpinBox* m_millivolts = nullptr;
    QCheckBox* m_charging = nullptr;
    QLabel* m_profileValue = nullptr;
    QLabel* m_dpiStageValue = nullptr;
    QLabel* m_rateValue = nullptr;
    QLabel* m_lightingValue = nullptr;
    QLabel* m_uploadsValue = nullptr;
    QPlainTextEdit* m_onBoardView = nullptr;
};
