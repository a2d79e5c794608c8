// SPDX-License-Identifier: GPL-3.0-or-later
#include "buttons/key_capture_state.h"

#include "buttons/function_encoding.h"
#include "storage/key_names.h"

#include <QStringList>
#include <algorithm>

namespace {

constexpr int kPressFlagsAltDown = 0x20;
constexpr int kComboTriplesRead = 10;

// Left-hand and right-hand key code of each modifier slot.
constexpr int kModifierCodes[ComboSlot::Key][2] = { { 42, 54 }, { 29, 238 }, { 91, 92 }, { 56, 239 } };

// Slot of a modifier key and whether it is the right-hand one; -1 for any other key.
int modifierSlot(int keyCode, bool& rightHand)
{
    for (int slot = 0; slot < ComboSlot::Key; ++slot) {
        for (int hand = 0; hand < 2; ++hand) {
            if (kModifierCodes[slot][hand] == keyCode) {
                rightHand = hand == 1;
                return slot;
            }
        }
    }
    return -1;
}

} // namespace

bool isKeyPressFlags(int flags)
{
    return flags == 0x00 || flags == 0x01 || flags == kPressFlagsAltDown;
}

bool hasKeyUsage(int keyCode)
{
    int usage = 0;
    return keyCode > 0 && scanToUsage(static_cast<unsigned>(keyCode), usage) && usage != 0;
}

void CaptureRound::start()
{
    m_held.clear();
    m_pressed.clear();
    m_running = true;
}

CaptureRound::Step CaptureRound::take(int keyCode, int flags)
{
    if (!m_running || keyCode <= 0)
        return Step::Ignored;
    if (isKeyPressFlags(flags)) {
        if (!m_held.contains(keyCode))
            m_held.append(keyCode);
        if (!m_pressed.contains(keyCode))
            m_pressed.append(keyCode);
        return Step::Counted;
    }
    if (!m_held.removeOne(keyCode))
        return Step::Ignored;
    if (!m_held.isEmpty())
        return Step::Counted;
    m_running = false;
    return Step::Completed;
}

SingleKeyState::SingleKeyState(int keyCode)
    : m_keyCode(keyCode)
{
}

bool SingleKeyState::handle(int keyCode, int flags)
{
    if (keyCode <= 0 || (keyCode == m_lastCode && flags == m_lastFlags)) {
        return false;
    }
    m_lastCode = keyCode;
    m_lastFlags = flags;
    m_keyCode = keyCode;
    return true;
}

void SingleKeyState::restart()
{
    m_lastCode = -1;
    m_lastFlags = -1;
}

QString SingleKeyState::text() const
{
    return m_keyCode > 0 ? keyName(static_cast<unsigned>(m_keyCode)) : QString();
}

ComboKeyState::ComboKeyState()
{
    for (int slot = 0; slot < ComboSlot::Key; ++slot) {
        m_hotKeyCodes[size_t(slot)] = { quint8(kModifierCodes[slot][0]), quint8(kModifierCodes[slot][1]) };
    }
    m_hotKeyCodes[ComboSlot::Key] = { 0, 0 };
}

void ComboKeyState::clear()
{
    m_live.fill(0);
    m_result.fill(0);
    m_text.clear();
}

void ComboKeyState::preset(const std::array<KeyInfo, kKeySlotCount>& keyInfo)
{
    clear();
    for (int i = 0; i < kComboTriplesRead; ++i) {
        const KeyInfo& triple = keyInfo[size_t(i)];
        int keyCode = 0;
        if (triple.map == 0 || (triple.H & kComboPressFlag) == 0 || !usageToScan(triple.map, keyCode)) {
            continue;
        }
        bool rightHand = false;
        const int slot = modifierSlot(keyCode, rightHand);
        if (slot >= 0) {
            m_live[size_t(slot)] = 1;
        } else {
            m_live[ComboSlot::Key] = 1;
            m_hotKeyCodes[ComboSlot::Key][0] = quint8(keyCode);
        }
    }
    takeResult();
    m_live.fill(0);
    m_resetPending = true;
}

void ComboKeyState::restart()
{
    m_resetPending = true;
    m_lastCode = -1;
    m_lastFlags = -1;
}

bool ComboKeyState::handle(int keyCode, int flags)
{
    if (keyCode <= 0 || (keyCode == m_lastCode && flags == m_lastFlags)) {
        return false;
    }
    m_lastCode = keyCode;
    m_lastFlags = flags;
    if (m_resetPending) {
        clear();
        m_resetPending = false;
    }
    bool rightHand = false;
    const int slot = modifierSlot(keyCode, rightHand);
    if (isKeyPressFlags(flags)) {
        if (slot >= 0) {
            m_live[size_t(slot)] = rightHand ? 2 : 1;
        } else {
            m_live[ComboSlot::Key] = 1;
            m_hotKeyCodes[ComboSlot::Key][0] = quint8(keyCode);
        }
        takeResult();
        return true;
    }
    if (slot >= 0) {
        // A key held before the capture began is released without a press: stay at "up".
        const int held = m_live[size_t(slot)] - (rightHand ? 2 : 1);
        m_live[size_t(slot)] = quint8(qMax(0, held));
    } else {
        m_live[ComboSlot::Key] = 0;
    }
    return false;
}

void ComboKeyState::takeResult()
{
    m_result = m_live;
    QStringList names;
    for (int slot = 0; slot < ComboSlot::Count; ++slot) {
        if (m_result[size_t(slot)] != 0) {
            names << keyName(m_hotKeyCodes[size_t(slot)][0]);
        }
    }
    m_text = names.join(QStringLiteral(" + "));
}

QVector<int> ComboKeyState::keyCodes() const
{
    QVector<int> codes;
    for (int slot = 0; slot < ComboSlot::Count; ++slot) {
        if (m_result[size_t(slot)] != 0) {
            codes << m_hotKeyCodes[size_t(slot)][0];
        }
    }
    return codes;
}

bool ComboKeyState::isSendable() const
{
    const QVector<int> codes = keyCodes();
    return std::any_of(codes.cbegin(), codes.cend(), hasKeyUsage);
}
