// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "device/section_encoding.h"
#include "storage/macro_files.h"

#include <QString>
#include <QStringList>
#include <QVector>
#include <algorithm>

// Whether the mouse can hold a macro as it stands: its events must fit one macro slot once encoded
// (with the short delays the mouse needs when the macro has none of its own) and the event slots of
// a button entry, and every key or button it presses it must release again. Every editor asks here
// before it makes a macro, and the send check names what stays pressed the same way.

namespace MacroFit {

constexpr int mostEventsWithoutDelays()
{
    int events = kKeySlotCount;
    while (events > 0 && macroTripleCount(events, false) > kMacroTriplesPerSlot)
        --events;
    return events;
}

} // namespace MacroFit

// A macro with delay rows is sent as it stands: the button entry's event slots are the limit.
constexpr int kMaxMacroEventsWithDelays = std::min(kKeySlotCount, kMacroTriplesPerSlot);
// Without delay rows the encoding adds one triple per four events and one after the last.
constexpr int kMaxMacroEventsWithoutDelays = MacroFit::mostEventsWithoutDelays();

// Shown through TarqMessageBox (translation context "TarqMessageBox").
constexpr const char* kUnreleasedKeysMessage =
    QT_TRANSLATE_NOOP("TarqMessageBox", "ONE OR MORE KEYS HAS NOT BEEN RELEASED.");

bool hasDelayRows(const QVector<MacroEvent>& events);
// The most events a macro like this one fits: 52 without delay rows, 63 with them.
int macroEventLimit(const QVector<MacroEvent>& events);
bool macroFits(const QVector<MacroEvent>& events);

// The presses still held after the first count events (all of them when count < 0), each once,
// in the order they were pressed. A release lets go of every earlier press of its key or button.
QVector<MacroEvent> unreleasedPresses(const QVector<MacroEvent>& events, int count = -1);
// The key's name in the current layout, the button's ("LEFT", "RIGHT" ...), else the code in hex.
QString pressedName(const MacroEvent& press);
QStringList unreleasedNames(const QVector<MacroEvent>& events, int count = -1);

// The row that pairs with row: a press's release, a release's press; -1 when it has none. Pairs
// are matched in order, as unreleasedPresses matches them.
int partnerRow(const QVector<MacroEvent>& events, int row);
// The events with row and its partner both given the key or button code, so a pair stays a pair.
QVector<MacroEvent> withPairRecoded(const QVector<MacroEvent>& events, int row, quint8 code);

// "ONE OR MORE KEYS HAS NOT BEEN RELEASED." and the names of what stays pressed, in the current
// language; empty when every press is released.
QString unreleasedMessage(const QVector<MacroEvent>& events);
// Why the mouse cannot take these events as a macro (too long, or a key left pressed), in the
// current language; empty when it can.
QString macroRefusal(const QVector<MacroEvent>& events);
