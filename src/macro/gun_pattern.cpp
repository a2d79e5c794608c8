// SPDX-License-Identifier: GPL-3.0-or-later
#include "macro/gun_pattern.h"

#include "macro/macro_events.h"
#include "macro/macro_fit.h"

// Every bullet closes with a pause, so a gun file always has delay rows and is sent as it stands.
static_assert(kMaxGunPatternRows + kGunRowsPerBullet == kMaxMacroEventsWithDelays,
              "one bullet of the longest pattern fills a button");

QVector<MacroEvent> gunPatternEvents(int bullets, int delayMs, const QVector<MacroEvent>& pattern, int unit)
{
    QVector<MacroEvent> events;
    if (bullets <= 0)
        return events;
    events.reserve(bullets * (pattern.size() + kGunRowsPerBullet));
    const MacroEvent pause = delayEvent(delayMs, unit);
    for (int bullet = 0; bullet < bullets; ++bullet) {
        events << buttonEvent(true, MouseButtonBit::Left) << pattern << pause
               << buttonEvent(false, MouseButtonBit::Left);
    }
    return events;
}

int maxGunBullets(int patternRows)
{
    if (patternRows < 0)
        return 0;
    return kMaxMacroEventsWithDelays / (kGunRowsPerBullet + patternRows);
}
