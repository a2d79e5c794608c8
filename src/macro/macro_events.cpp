// SPDX-License-Identifier: GPL-3.0-or-later
#include "macro/macro_events.h"

#include "macro/macro_fit.h"

#include <algorithm>

namespace {

constexpr quint8 kKindMask = 0x7F;
constexpr int kByteRange = 256;
constexpr int kLastPositiveStep = kMaxMoveDistance;

quint8 stepByte(int step)
{
    return static_cast<quint8>((step + kByteRange) % kByteRange);
}

int stepOfByte(quint8 value)
{
    return value <= kLastPositiveStep ? value : value - kByteRange;
}

} // namespace

MacroEvent keyEvent(bool press, quint8 usage)
{
    return { press ? MacroKind::KeyPress : MacroKind::KeyRelease, usage, 0 };
}

MacroEvent buttonEvent(bool press, quint8 buttonBit)
{
    return { press ? MacroKind::ButtonPress : MacroKind::ButtonRelease, buttonBit, 0 };
}

MacroEvent moveEvent(MoveDirection direction, int distance)
{
    const int d = std::clamp(distance, 1, kMaxMoveDistance);
    MacroEvent event{ MacroKind::Move, 0, 0 };
    switch (direction) {
        case MoveDirection::Left:
            event.dataL = stepByte(-d);
            break;
        case MoveDirection::Right:
            event.dataL = stepByte(d);
            break;
        case MoveDirection::Up:
            event.dataH = stepByte(-d);
            break;
        case MoveDirection::Down:
            event.dataH = stepByte(d);
            break;
    }
    return event;
}

bool readMove(const MacroEvent& event, MoveDirection& direction, int& distance)
{
    if (event.kind != MacroKind::Move) {
        return false;
    }
    const int vertical = stepOfByte(event.dataH);
    const int horizontal = stepOfByte(event.dataL);
    if (vertical != 0) {
        direction = vertical < 0 ? MoveDirection::Up : MoveDirection::Down;
        distance = std::abs(vertical);
        return true;
    }
    if (horizontal != 0) {
        direction = horizontal < 0 ? MoveDirection::Left : MoveDirection::Right;
        distance = std::abs(horizontal);
        return true;
    }
    return false;
}

MacroEvent delayEventOfCount(int count)
{
    const int c = std::clamp(count, 1, kMaxDelayCount);
    return { MacroKind::Delay, static_cast<quint8>(c & 0xFF), static_cast<quint8>(c >> 8) };
}

MacroEvent delayEvent(int milliseconds, int unit)
{
    return delayEventOfCount(macroDelayCount(milliseconds, unit));
}

int delayCount(const MacroEvent& event)
{
    return (event.dataH << 8) | event.dataL;
}

int delayMilliseconds(const MacroEvent& event, int unit)
{
    return delayCount(event) * std::max(1, unit);
}

bool isPress(const MacroEvent& event)
{
    return (event.kind & MacroKind::PressFlag) != 0;
}

bool isPairedKind(const MacroEvent& event)
{
    const int kind = event.kind & kKindMask;
    return kind >= 1 && kind <= 4;
}

bool allPressesReleased(const QVector<MacroEvent>& events)
{
    return unreleasedPresses(events).isEmpty();
}

QVector<MacroEvent> modeDelayRows(int delayMode, int defaultDelayMs, int unit)
{
    switch (delayMode) {
        case 1:
            return { delayEvent(kClickDelayMs, unit) };
        case 2:
            return { delayEvent(defaultDelayMs, unit) };
        default:
            return {};
    }
}

QVector<MacroEvent> mouseActionRows(quint8 buttonBit, ClickPart part, int delayMode, int defaultDelayMs, int unit)
{
    const QVector<MacroEvent> pause = modeDelayRows(delayMode, defaultDelayMs, unit);
    QVector<MacroEvent> rows;
    if (part != ClickPart::Release) {
        rows << buttonEvent(true, buttonBit) << pause;
    }
    if (part != ClickPart::Press) {
        rows << buttonEvent(false, buttonBit) << pause;
    }
    return rows;
}
