// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "buttons/key_capture_state.h"
#include "buttons/key_listener.h"
#include "buttons/skin_dialog.h"

class QLabel;

// The dialogs that give a button a keyboard key by pressing it. They listen from the moment they
// are shown until they close; every key is captured then, Enter, Escape and Tab included, so
// they are answered with the pointer (or a screen reader's press action). OK waits for a key the
// mouse can send.
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

    void done(int result) override;

    // Texts every capture shows, the fire key's too.
    static QString pressKeyText();
    static QString capturedKeyName();
    static QString desktopKeysHint();

signals:
    // Keys pressed from now on are captured.
    void captureReady();

protected:
    TarqKeyCaptureDialog(QWidget* parent, KeyListener::OtherPrograms otherPrograms);

    // sendable: whether what was captured is something the mouse can send; OK waits for it.
    void showKeyText(const QString& text, bool sendable);
    virtual void onKeyEvent(int keyCode, int flags) = 0;

    void showEvent(QShowEvent* event) override;

private:
    KeyListener* m_listener = nullptr;
    QLabel* m_keyLabel = nullptr;
    QLabel* m_hintLabel = nullptr;
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

private:
    ComboKeyState m_state;
};
