// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "buttons/key_capture_state.h"
#include "buttons/key_listener.h"
#include "buttons/skin_dialog.h"

class KeyCaptureField;
class KeyCaptureHints;

// The dialogs that give a button a keyboard key by pressing it. A capture runs from the moment
// they are shown until every key pressed in it is up again; every key is captured meanwhile,
// Enter, Escape and Tab included. Then the dialog's keys answer: OK takes the focus, Enter presses
// the focused button, Escape cancels, and a click, Space or Enter on the key field captures anew.
// OK waits for a key the mouse can send.
class TarqKeyCaptureDialog : public TarqSkinDialog
{
    Q_OBJECT
    Q_DISABLE_COPY(TarqKeyCaptureDialog)

public:
    ~TarqKeyCaptureDialog() override;

    // What the dialog shows for the captured key or combination.
    QString keyText() const { return m_keyText; }
    // Whether keys of other windows and of the desktop are seen too.
    bool capturesGlobally() const;
    // Keys pressed from now on are captured (captureReady() has been emitted).
    bool isCaptureReady() const;
    // A capture runs: the keys pressed are captured, not acted on.
    bool isCapturing() const { return m_round.isRunning(); }
    // The line that says what the keys do at this stage.
    QString hintText() const;

    void done(int result) override;

    // Texts every capture shows, the fire key's too.
    static QString pressKeyText();
    static QString capturedKeyName();
    static QString desktopKeysHint();

signals:
    // Keys pressed from now on are captured.
    void captureReady();
    // The capture is over; the dialog's keys answer again.
    void captureFinished();

protected:
    TarqKeyCaptureDialog(QWidget* parent, KeyListener::OtherPrograms otherPrograms);

    // sendable: whether what was captured is something the mouse can send; OK waits for it.
    void showKeyText(const QString& text, bool sendable);
    virtual void onKeyEvent(int keyCode, int flags) = 0;
    // A new capture begins; what is shown stays until its first key.
    virtual void restartState() = 0;

    void showEvent(QShowEvent* event) override;

private:
    void startCapture();
    void finishCapture();
    void takeKeyEvent(int keyCode, int flags);
    void layoutContent();

    KeyListener* m_listener = nullptr;
    KeyCaptureField* m_keyField = nullptr;
    KeyCaptureHints* m_hints = nullptr;
    CaptureRound m_round;
    QString m_keyText;
};

class TarqSingleKeyWindow final : public TarqKeyCaptureDialog
{
    Q_OBJECT
    Q_DISABLE_COPY(TarqSingleKeyWindow)

public:
    // keyCode: the button's present key, shown at once; 0 for none.
    explicit TarqSingleKeyWindow(QWidget* parent, int keyCode = 0);

    int keyCode() const { return m_state.keyCode(); }

    void done(int result) override;

signals:
    void SetSingleKeyValue(quint8 keyCode);

protected:
    void onKeyEvent(int keyCode, int flags) override;
    void restartState() override { m_state.restart(); }

private:
    SingleKeyState m_state;
};

class TarqComboKeyWindow final : public TarqKeyCaptureDialog
{
    Q_OBJECT
    Q_DISABLE_COPY(TarqComboKeyWindow)

public:
    // keyInfo: the button's present combination, shown at once; nullptr for none.
    explicit TarqComboKeyWindow(QWidget* parent, const std::array<KeyInfo, kKeySlotCount>* keyInfo = nullptr);

    const ComboStates& comboKey() const { return m_state.comboKey(); }
    const ComboKeyCodes& hotKeyCodes() const { return m_state.hotKeyCodes(); }
    // The keys to store, in slot order, modifiers as their left-hand keys.
    QVector<int> keyCodes() const { return m_state.keyCodes(); }

    void done(int result) override;

signals:
    void SetComboKeyValue(const ComboStates& comboKey, const ComboKeyCodes& hotKeyCodes);

protected:
    void onKeyEvent(int keyCode, int flags) override;
    void restartState() override { m_state.restart(); }

private:
    ComboKeyState m_state;
};
