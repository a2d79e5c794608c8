// SPDX-License-Identifier: GPL-3.0-or-later
#include "macro/macro_recorder.h"

#include "buttons/key_capture_state.h"
#include "log_categories.h"
#include "macro/macro_events.h"
#include "macro/macro_fit.h"
#include "storage/key_names.h"

namespace {

constexpr int kRowsBeforeWithoutDelays = 39;
constexpr int kRowsBeforeWithDelays = 61;
// The last event added within a limit may bring its delay row along.
static_assert(kRowsBeforeWithoutDelays + 1 <= kMaxMacroEventsWithoutDelays &&
                  kRowsBeforeWithDelays + 2 <= kMaxMacroEventsWithDelays,
              "a recording within the row limits fits a button");

quint8 usageOf(int keyCode)
{
    int usage = 0;
    return scanToUsage(unsigned(keyCode), usage) ? quint8(usage) : quint8(0);
}

} // namespace

MacroRecorder::MacroRecorder(int unit)
    : m_unit(unit)
{
}

void MacroRecorder::start(int delayMode, int defaultDelayMs)
{
    m_delayMode = delayMode;
    m_defaultDelayMs = defaultDelayMs;
    m_held.clear();
    m_lastEventMs.reset();
}

int MacroRecorder::rowsAllowedBefore(int delayMode)
{
    return delayMode == 0 ? kRowsBeforeWithoutDelays : kRowsBeforeWithDelays;
}

QVector<MacroEvent> MacroRecorder::record(int keyCode, int flags, qint64 nowMs, const QVector<MacroEvent>& table)
{
    const bool press = isKeyPressFlags(flags);
    const bool held = m_held.contains(keyCode);
    qCDebug(lcUi, "OnHookKey ret %d %d %d", keyCode, flags, held ? 1 : 0);
    if (held && press) {
        return {};
    }
    if (table.size() > rowsAllowedBefore(m_delayMode)) {
        return {};
    }
    QVector<MacroEvent> rows;
    if (m_lastEventMs) {
        if (m_delayMode == 1) {
            rows << delayEvent(int(std::min<qint64>(nowMs - *m_lastEventMs, kMaxDelayCount * qint64(m_unit))), m_unit);
        } else if (m_delayMode == 2) {
            rows << delayEvent(m_defaultDelayMs, m_unit);
        }
    }
    rows << keyEvent(press, usageOf(keyCode));
    // Recorded after rows without delays, an event may keep to the row limit and still not fit.
    if (!macroFits(table + rows)) {
        return {};
    }
    if (press) {
        m_held.insert(keyCode);
    } else {
        m_held.remove(keyCode);
    }
    m_lastEventMs = nowMs;
    return rows;
}

MacroEvent withKey(const MacroEvent& row, int keyCode)
{
    MacroEvent edited = row;
    edited.dataL = usageOf(keyCode);
    return edited;
}
