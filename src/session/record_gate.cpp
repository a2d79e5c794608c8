// SPDX-License-Identifier: GPL-3.0-or-later
#include "session/record_gate.h"

#include "buttons/function_catalogue.h"
#include "buttons/function_encoding.h"
#include "storage/app_config.h"
#include "storage/product_description.h"

#include <QCoreApplication>
#include <algorithm>
#include <initializer_list>

namespace {

constexpr int kMaximumReportLines = 8;
constexpr int kScrollSpeedMinimum = 1;
constexpr int kScrollSpeedMaximum = 20;
constexpr int kDebounceMinimum = 1;
constexpr int kDebounceMaximum = 255;
constexpr int kRunCountMinimum = 1;
constexpr int kRunCountMaximum = 255;
constexpr quint8 kLightOffWhileMoving = 255;
constexpr int kSyncModeWithLift = 2;
const int kRateCodes[] = { 1, 2, 4, 8 };

QString translated(const char* source)
{
    return QCoreApplication::translate("RecordGate", source);
}

bool isRateCode(int code)
{
    return std::find(std::begin(kRateCodes), std::end(kRateCodes), code) != std::end(kRateCodes);
}

int rateHz(int code)
{
    return code > 0 ? 1000 / code : 0;
}

bool isSwitch(int value)
{
    return value == 0 || value == 1;
}

// The product's own default when it is valid itself, else the first valid value.
template<typename T, typename Valid>
T validDefault(T productDefault, T fallback, Valid valid)
{
    return valid(productDefault) ? productDefault : fallback;
}

class Repairs
{
public:
    // Replaces value by replacement when valid(value) fails, and says so.
    template<typename T, typename Valid>
    void check(T& value, Valid valid, T replacement, const char* text, std::initializer_list<QString> extra = {})
    {
        if (valid(value))
            return;
        QString line = translated(text).arg(qlonglong(value));
        for (const QString& argument : extra)
            line = line.arg(argument);
        m_lines << line.arg(qlonglong(replacement));
        value = replacement;
    }

    template<typename T>
    void clamp(T& value, qint64 minimum, qint64 maximum, const char* text, std::initializer_list<QString> extra = {})
    {
        const qint64 current = qint64(value);
        const T nearest = T(std::clamp(current, minimum, maximum));
        check(
            value, [&](T v) { return qint64(v) >= minimum && qint64(v) <= maximum; }, nearest, text, extra);
    }

    void add(const QString& line) { m_lines << line; }
    const QStringList& lines() const { return m_lines; }

private:
    QStringList m_lines;
};

QString number(qint64 value)
{
    return QString::number(value);
}

void repairStages(ProfileRecord& profile, const RecordLimits& limits, Repairs& repairs)
{
    const SensorStepRange& steps = limits.steps;
    const QString range = number(steps.minimum) + QStringLiteral("..") + number(steps.maximum);
    for (int i = 0; i < kDpiStageCount; ++i) {
        DpiStage& stage = profile.dpiStages[size_t(i)];
        const DpiStage& factory = limits.defaults.dpiStages[size_t(i)];
        const QString name = number(i + 1);
        repairs.check(stage.used, isSwitch, quint8(validDefault<int>(factory.used, 1, isSwitch)),
                      QT_TRANSLATE_NOOP("RecordGate", "stage %2 enabled %1 is not 0 or 1; %3 used."), { name });
        repairs.check(stage.link, isSwitch, quint8(validDefault<int>(factory.link, 1, isSwitch)),
                      QT_TRANSLATE_NOOP("RecordGate", "stage %2 link %1 is not 0 or 1; %3 used."), { name });
        repairs.clamp(stage.x, steps.minimum, steps.maximum,
                      QT_TRANSLATE_NOOP("RecordGate", "stage %2 X step %1 is outside the sensor's %3; %4 used."),
                      { name, range });
        repairs.clamp(stage.y, steps.minimum, steps.maximum,
                      QT_TRANSLATE_NOOP("RecordGate", "stage %2 Y step %1 is outside the sensor's %3; %4 used."),
                      { name, range });
        if (stage.link == 1 && stage.y != stage.x) {
            repairs.add(
                translated(QT_TRANSLATE_NOOP("RecordGate",
                                             "stage %1 is linked but Y step %2 differs from X step %3; %3 used."))
                    .arg(name, number(stage.y), number(stage.x)));
            stage.y = stage.x;
        }
    }
}

bool isCountedRun(const ButtonEntry& entry)
{
    switch (entry.Fun) {
        case FunctionCode::FireKey:
            // A fire key without a target fires the mouse's own default and carries no count.
            return entry.Res1 != 0;
        case FunctionCode::Macro:
        case FunctionCode::GunFile:
            return entry.Res1 != MacroLoopMode::WhileHeld && entry.Res1 != MacroLoopMode::UntilPress;
        default:
            return false;
    }
}

void repairRunCounts(ProfileRecord& profile, Repairs& repairs)
{
    for (int slot = 0; slot < kButtonSlotCount; ++slot) {
        ButtonEntry& entry = profile.buttons[size_t(slot)];
        if (!isCountedRun(entry))
            continue;
        repairs.clamp(entry.LoopNumber, kRunCountMinimum, kRunCountMaximum,
                      QT_TRANSLATE_NOOP("RecordGate", "button slot %2 runs %1 times, outside 1..255; %3 used."),
                      { number(slot) });
    }
}

} // namespace

SensorStepRange stepRangeForProduct(int sensorCode)
{
    SensorRangeOptions options;
    options.highRange = productHighDpiRange() == 1;
    options.wideRange3327 = productWideRange3327() == 1;
    return sensorStepRange(sensorCode, options);
}

RecordLimits currentRecordLimits()
{
    RecordLimits limits;
    const int stages = productDpiStageCount();
    limits.stageCount = stages >= 1 && stages <= kDpiStageCount ? stages : kDpiStageCount;
    limits.steps = stepRangeForProduct(sensorVariant());
    const int sleepMin = productSleepMin();
    const int sleepMax = productSleepMax();
    limits.sleepMinimum = std::clamp(std::min(sleepMin, sleepMax), 0, 255);
    limits.sleepMaximum = std::clamp(std::max(sleepMin, sleepMax), 0, 255);
    limits.productSyncMode = productSync();
    makeDefaultProfile(limits.defaults);
    makeDefaultDeviceOptions(limits.factory);
    return limits;
}

QStringList repairProfileRecord(ProfileRecord& profile, const RecordLimits& limits)
{
    Repairs repairs;
    const ProfileRecord& factory = limits.defaults;
    if (!isRateCode(profile.pollrate)) {
        // Named in Hz, as the page shows a rate.
        const quint8 rate = quint8(validDefault<int>(factory.pollrate, 1, isRateCode));
        repairs.add(translated(QT_TRANSLATE_NOOP("RecordGate", "report rate %1 is not a rate; %2 Hz used."))
                        .arg(profile.pollrate)
                        .arg(rateHz(rate)));
        profile.pollrate = rate;
    }
    const int stageCount = limits.stageCount;
    auto stageInRange = [stageCount](int stage) { return stage >= 0 && stage < stageCount; };
    if (!stageInRange(profile.dpi)) {
        // Counted from 1, as the DPI page numbers its stages.
        const quint8 stage = quint8(validDefault<int>(factory.dpi, 0, stageInRange));
        repairs.add(
            translated(QT_TRANSLATE_NOOP("RecordGate", "active stage %1 is not one of the %2 stages; stage %3 used."))
                .arg(number(profile.dpi + 1), number(stageCount), number(stage + 1)));
        profile.dpi = stage;
    }
    repairStages(profile, limits, repairs);
    auto effectInRange = [](int mode) { return mode >= 0 && mode < kLedEffectCount; };
    repairs.check(profile.LedMode, effectInRange, quint8(validDefault<int>(factory.LedMode, 0, effectInRange)),
                  QT_TRANSLATE_NOOP("RecordGate", "lighting effect %1 is not an effect; effect %2 used."));
    auto lightOffValue = [](int value) { return value == 0 || value == kLightOffWhileMoving; };
    repairs.check(profile.LedMoveOFF, lightOffValue, quint8(validDefault<int>(factory.LedMoveOFF, 0, lightOffValue)),
                  QT_TRANSLATE_NOOP("RecordGate", "move to light off %1 is not 0 or 255; %2 used."));
    repairs.clamp(profile.LedSleepTime, limits.sleepMinimum, limits.sleepMaximum,
                  QT_TRANSLATE_NOOP("RecordGate", "sleep time %1 is outside %2; %3 used."),
                  { number(limits.sleepMinimum) + QStringLiteral("..") + number(limits.sleepMaximum) });
    repairs.clamp(profile.scrollspeed, kScrollSpeedMinimum, kScrollSpeedMaximum,
                  QT_TRANSLATE_NOOP("RecordGate", "scroll speed %1 is outside 1..20; %2 used."));
    repairRunCounts(profile, repairs);
    return repairs.lines();
}

QStringList repairDeviceOptions(ConfigRecord& config, const RecordLimits& limits)
{
    Repairs repairs;
    const ConfigRecord& factory = limits.factory;
    auto slotInRange = [](int id) { return id >= 0 && id < kProfileCount; };
    repairs.check(config.ProfileID, slotInRange, quint8(0),
                  QT_TRANSLATE_NOOP("RecordGate", "active profile index %1 is outside 0..4; %2 used."));
    repairs.check(config.AngleValue, isSwitch, factory.AngleValue,
                  QT_TRANSLATE_NOOP("RecordGate", "angle snapping %1 is not 0 or 1; %2 used."));
    repairs.check(config.Jitter, isSwitch, factory.Jitter,
                  QT_TRANSLATE_NOOP("RecordGate", "jitter %1 is not 0 or 1; %2 used."));
    repairs.check(config.Sync, isSwitch, factory.Sync,
                  QT_TRANSLATE_NOOP("RecordGate", "sync %1 is not 0 or 1; %2 used."));
    repairs.clamp(config.Debounce, kDebounceMinimum, kDebounceMaximum,
                  QT_TRANSLATE_NOOP("RecordGate", "key response %1 is outside 1..255; %2 used."));
    // Products of the other sync modes take 0 as their factory lift-off.
    const int liftMinimum = limits.productSyncMode == kSyncModeWithLift ? 1 : 0;
    repairs.clamp(config.LiftHigh, liftMinimum, 2,
                  QT_TRANSLATE_NOOP("RecordGate", "lift-off distance %1 is outside %2..2; %3 used."),
                  { number(liftMinimum) });
    return repairs.lines();
}

QStringList repairReport(const QString& fileName, const QStringList& repairs)
{
    QStringList lines;
    for (const QString& repair : repairs)
        lines << fileName + QStringLiteral(": ") + repair;
    return lines;
}

QString reportText(const QStringList& lines)
{
    if (lines.size() <= kMaximumReportLines)
        return lines.join(QLatin1Char('\n'));
    QStringList shown = lines.mid(0, kMaximumReportLines - 1);
    shown << translated(QT_TRANSLATE_NOOP("RecordGate", "... and %1 more.")).arg(lines.size() - shown.size());
    return shown.join(QLatin1Char('\n'));
}
