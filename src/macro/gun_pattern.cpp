#include "macro/gun_pattern.h"

#include "macro/macro_events.h"
#include "storage/profile_record.h"

static_assert(kMaxGunPatternRows + kGunRowsPerBullet == kKeySlotCount,
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
    return kKeySlotCount / (kGunRowsPerBullet + patternRows);
}
