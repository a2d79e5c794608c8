// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "storage/macro_files.h"

#include <QSet>
#include <QVector>
#include <optional>

// Turns the key events seen while recording into macro rows: auto-repeat is dropped, the table
// stays within what a button can hold, and the pause before each key follows the delay mode.
class MacroRecorder final
{
public:
    // unit: the product's minimum delay in milliseconds, the unit of every delay row.
    explicit MacroRecorder(int unit);

    // Forgets the held keys and the time of the last event.
    void start(int delayMode, int defaultDelayMs);

    // One key event (program key code, capture flags) at nowMs on a steady clock, to be added to
    // table. Returns the rows to add: nothing for a repeat, beyond the row limit or when the macro
    // would no longer fit a button (the event is then forgotten), else the delay row the mode asks
    // for (not before the first event) and the key row.
    QVector<MacroEvent> record(int keyCode, int flags, qint64 nowMs, const QVector<MacroEvent>& table);

    // The most rows a table may hold before an event is still added: 39 without delays, 61 with.
    static int rowsAllowedBefore(int delayMode);

    bool isHeld(int keyCode) const { return m_held.contains(keyCode); }

private:
    int m_unit;
    int m_delayMode = 0;
    int m_defaultDelayMs = 0;
    QSet<int> m_held;
    std::optional<qint64> m_lastEventMs;
};

// The key row that replaces a key row's key while the row is edited by a key press; the row's
// kind stays.
MacroEvent withKey(const MacroEvent& row, int keyCode);
