// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "storage/macro_files.h"

#include <QVector>

// The rows the macro editor and the gun dialogs build, in the macro file's event encoding.

namespace MouseButtonBit {
constexpr quint8 Left = 1;
constexpr quint8 Right = 2;
constexpr quint8 Middle = 4;
constexpr quint8 Forward = 8;
constexpr quint8 Backward = 16;
} // namespace MouseButtonBit

enum class MoveDirection { Left, Right, Up, Down };

// A movement byte above this reads as a negative step, so it is the longest step either way.
constexpr int kMaxMoveDistance = 120;
// A delay count is two bytes.
constexpr int kMaxDelayCount = 0xFFFF;

MacroEvent keyEvent(bool press, quint8 usage);
MacroEvent buttonEvent(bool press, quint8 buttonBit);
// Along one axis; the distance is kept within 1..kMaxMoveDistance.
MacroEvent moveEvent(MoveDirection direction, int distance);
// False for a row that is no movement or moves along neither axis; a row moving along both (not
// made here) reads as its vertical step.
bool readMove(const MacroEvent& event, MoveDirection& direction, int& distance);

// A delay of count units, kept within 1..kMaxDelayCount.
MacroEvent delayEventOfCount(int count);
// A pause in milliseconds as whole units of the product's minimum delay, at least one.
MacroEvent delayEvent(int milliseconds, int unit);
int delayCount(const MacroEvent& event);
int delayMilliseconds(const MacroEvent& event, int unit);

bool isPress(const MacroEvent& event);
// Key, button and the other input kinds (1..4 without the press flag) come in press/release pairs.
bool isPairedKind(const MacroEvent& event);

// True when every press of a paired kind is followed, later, by the release of the same kind and
// value (macro_fit.h says which are not).
bool allPressesReleased(const QVector<MacroEvent>& events);

// What a mouse-action entry inserts: a whole click, or only its press or its release, each
// followed by the pause the delay mode asks for (mode 1 one click's 10 ms, mode 2 the default
// delay, mode 0 none).
enum class ClickPart { Click, Press, Release };
constexpr int kClickDelayMs = 10;
QVector<MacroEvent> mouseActionRows(quint8 buttonBit, ClickPart part, int delayMode, int defaultDelayMs, int unit);
// The pause the delay mode puts after an inserted row; empty for mode 0.
QVector<MacroEvent> modeDelayRows(int delayMode, int defaultDelayMs, int unit);
