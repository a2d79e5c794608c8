// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "storage/profile_record.h"

#include <QString>
#include <QVector>
#include <array>

// What the key capture dialogs make of the key events they see, apart from any window: the
// program's key codes and the Windows-style flags of the capture (0x80 marks a release).

// Hook flags that still count as a key press: plain, extended, and Alt held.
bool isKeyPressFlags(int flags);

// Whether the mouse can send the key: it has a HID keyboard usage (the mouse buttons have none).
bool hasKeyUsage(int keyCode);

// One capture from its start to the release of every key pressed in it. A key that was already
// down when it started (the Space that asked for it) is passed over when it comes up.
class CaptureRound final
{
public:
    enum class Step {
        Ignored,  // not part of this capture
        Counted,  // a key of the capture went down or up
        Completed // the last held key came up: the capture is over
    };

    void start();
    Step take(int keyCode, int flags);
    bool isRunning() const { return m_running; }
    // Every key pressed since the start.
    const QVector<int>& pressedKeys() const { return m_pressed; }

private:
    QVector<int> m_held;
    QVector<int> m_pressed;
    bool m_running = false;
};

// One key: the last key seen, press or release, becomes the result. A key code without a name
// or HID usage (0) is not a key the mouse can send and is passed over.
class SingleKeyState final
{
public:
    explicit SingleKeyState(int keyCode = 0);

    // True when the event changed what is shown; an auto-repeat (the same key and flags again)
    // does not.
    bool handle(int keyCode, int flags);
    // A new capture: the same key may come again.
    void restart();

    int keyCode() const { return m_keyCode; }
    QString text() const;
    // A key the mouse can send has been captured.
    bool isSendable() const { return hasKeyUsage(m_keyCode); }

private:
    int m_keyCode;
    int m_lastCode = -1;
    int m_lastFlags = -1;
};

// Slots of a combination, in the order they are shown and stored.
namespace ComboSlot {
constexpr int Shift = 0;
constexpr int Ctrl = 1;
constexpr int Win = 2;
constexpr int Alt = 3;
constexpr int Key = 4;
constexpr int Count = 5;
} // namespace ComboSlot

using ComboStates = std::array<quint8, ComboSlot::Count>;
using ComboKeyCodes = std::array<std::array<quint8, 2>, ComboSlot::Count>;

// A key with modifiers. Live slot states follow the keys held; the result is the states at the
// last key press, so releasing the keys keeps the combination on show.
class ComboKeyState final
{
public:
    ComboKeyState();

    // Shows a button's present combination; the first key event afterwards starts afresh.
    void preset(const std::array<KeyInfo, kKeySlotCount>& keyInfo);

    // True when the event changed the result.
    bool handle(int keyCode, int flags);
    // A new capture: what is shown stays until its first key replaces it.
    void restart();

    const ComboStates& comboKey() const { return m_result; }
    const ComboKeyCodes& hotKeyCodes() const { return m_hotKeyCodes; }
    QString text() const { return m_text; }
    // The keys of the result in slot order, each modifier as its left-hand key.
    QVector<int> keyCodes() const;
    // The result holds at least one key the mouse can send.
    bool isSendable() const;

private:
    void clear();
    void takeResult();

    ComboStates m_live{};
    ComboStates m_result{};
    ComboKeyCodes m_hotKeyCodes;
    QString m_text;
    bool m_resetPending = true;
    int m_lastCode = -1;
    int m_lastFlags = -1;
};
