// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "buttons/key_capture_state.h"
#include "buttons/skin_dialog.h"

class KeyCaptureField;
class KeyCaptureHints;
class KeyListener;
class QButtonGroup;
class QCheckBox;
class QLabel;
class QLineEdit;
class QSlider;
struct ButtonEntry;

// "FIRE KEY": what a button fires, how many times and how fast. OK needs shots and a delay of
// 1..255 and, for "Keyboard Key", a captured key the mouse can send. Choosing "Keyboard Key", or
// a click, Space or Enter on its key field, starts a capture that takes every key (Tab, Enter
// and Escape too) until the keys pressed in it are up again; then OK takes the focus.
class TarqFireKeyWindow final : public TarqSkinDialog
{
    Q_OBJECT
    Q_DISABLE_COPY(TarqFireKeyWindow)

public:
    enum Kind { LeftButton = 0, RightButton = 1, MiddleButton = 2, KeyboardKey = 3 };

    // entry: the button, whose values are shown when it already fires.
    explicit TarqFireKeyWindow(QWidget* parent, const ButtonEntry* entry = nullptr);
    ~TarqFireKeyWindow() override;

    int kind() const { return m_kind; }
    int keyCode() const { return m_keyCode; }
    QString keyText() const;
    QString timesText() const;
    QString delayText() const;
    // What the button stores as its target: a mouse button code, or the key's HID usage.
    int target() const;
    bool capturesGlobally() const;
    // Keys pressed from now on are captured (captureReady() has been emitted).
    bool isCaptureReady() const;
    bool isCapturing() const { return m_round.isRunning(); }
    // The line that says what the keys do at this stage of the capture.
    QString hintText() const;

    void done(int result) override;

signals:
    void SetFireKeyValue(int target, int times, int delayMs);
    void captureReady();
    void captureFinished();

public slots:
    void onStateChanged(int state);
    void OnEditDataChanged();
    void checkbtn_clicked();
    void onEditReturn();

private:
    void buildControls();
    void showEntry(const ButtonEntry& entry);
    void chooseKind(int kind);
    void startCapture();
    void finishCapture();
    void stopCapture();
    void onKeyEvent(int keyCode, int flags);
    void showKey();
    void showStage();
    void updateYesButton();

    QButtonGroup* m_kinds = nullptr;
    QCheckBox* m_kindBoxes[4] = {};
    KeyCaptureField* m_keyField = nullptr;
    QLabel* m_timesLabel = nullptr;
    QLabel* m_delayLabel = nullptr;
    QLineEdit* m_timesEdit = nullptr;
    QLineEdit* m_delayEdit = nullptr;
    KeyCaptureHints* m_hints = nullptr;
    KeyListener* m_listener = nullptr;
    int m_kind = LeftButton;
    int m_keyCode = 0;
    int m_lastCode = -1;
    int m_lastFlags = -1;
    CaptureRound m_round;
};

// "SNIPER": the sniper DPI level, 1..10.
class TarqSniperWindow final : public TarqSkinDialog
{
    Q_OBJECT
    Q_DISABLE_COPY(TarqSniperWindow)

public:
    explicit TarqSniperWindow(QWidget* parent, int value = 1);

    int value() const;
    QSlider* slider() const { return m_slider; }

    void done(int result) override;

signals:
    void SetSniperValue(int value);

private:
    QSlider* m_slider = nullptr;
    QLabel* m_valueLabel = nullptr;
};
