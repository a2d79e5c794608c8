#include "device/battery.h"

#include "device/commands.h"
#include "device/device_state.h"
#include "device/hid_backend.h"

#include <QThread>
#include <QtGlobal>

namespace {

constexpr int kMillivoltFactor = 990;
constexpr int kMillivoltDivisor = 240;
constexpr int kMaxLevel = 0xFFFF;
constexpr int kAfterQueryMs = 10;
constexpr int kAnswerTimeoutMs = 50;

struct PercentStep
{
    int scaledLevel; // level × 990, compared before the division so no step is lost to rounding
    int percent;
};

constexpr PercentStep kPercentSteps[] = {
    { 984000, 90 }, { 960000, 80 }, { 936000, 70 }, { 912000, 60 },
    { 888000, 50 }, { 840000, 40 }, { 816000, 30 }, { 768000, 20 },
};
constexpr int kFullPercent = 100;
constexpr int kLowestPercent = 10;
constexpr int kCutOffMillivolts = 3000;
constexpr PercentStep kEmptyPoint{ kCutOffMillivolts * kMillivoltDivisor, 0 };

int interpolatePercent(int scaled, const PercentStep& lower, const PercentStep& upper)
{
    const qint64 span = upper.scaledLevel - lower.scaledLevel;
    if (span <= 0)
        return upper.percent;
    return lower.percent + int(qint64(scaled - lower.scaledLevel) * (upper.percent - lower.percent) / span);
}

} // namespace

int BatteryReading::millivolts() const
{
    return level() * kMillivoltFactor / kMillivoltDivisor;
}

BatteryReading decodeBatteryReport(const quint8* report)
{
    BatteryReading reading;
    reading.chargeByte = report[BatteryByte::Charge];
    reading.levelLow = report[BatteryByte::LevelLow];
    reading.levelHigh = report[BatteryByte::LevelHigh];
    return reading;
}

quint8 queryBattery(BatteryReading* reading)
{
    const HidHandle handle = commandHandle();
    if (!handle)
        return kTransportNoDevice;
    HidBackend& hid = hidBackend();
    const CommandReport query = batteryQueryReport();
    if (hid.write(handle, query.data(), query.size()) < 0)
        return kTransportWriteFailed;
    QThread::msleep(kAfterQueryMs);
    CommandReport answer{};
    const int read = hid.readTimeout(handle, answer.data(), answer.size(), kAnswerTimeoutMs);
    const BatteryReading decoded = decodeBatteryReport(answer.data());
    if (read <= 0 || answer[3] != CommandCode::BatteryQuery || !decoded.answered())
        return kBatteryNoAnswer;
    *reading = decoded;
    return kTransportOk;
}

quint16 batteryLevelForMillivolts(int millivolts)
{
    const qint64 level = (qMax(0, millivolts) * qint64(kMillivoltDivisor) + kMillivoltFactor - 1) / kMillivoltFactor;
    return static_cast<quint16>(qMin(level, qint64(kMaxLevel)));
}

int batteryPercent(const BatteryReading& reading, int fullMillivolts)
{
    if (reading.millivolts() >= fullMillivolts)
        return kFullPercent;
    const int scaled = reading.level() * kMillivoltFactor;
    for (const PercentStep& step : kPercentSteps) {
        if (scaled >= step.scaledLevel)
            return step.percent;
    }
    return kLowestPercent;
}

int batteryLevelEstimate(const BatteryReading& reading, int fullMillivolts)
{
    if (reading.millivolts() >= fullMillivolts)
        return kFullPercent;
    const int scaled = reading.level() * kMillivoltFactor;
    // A hand-edited full level beyond any reading must not overflow the scaled comparison.
    const int full = qMin(fullMillivolts, kMaxLevel * kMillivoltFactor / kMillivoltDivisor + 1);
    // Walks down the curve; the full point stands above the highest step below it.
    PercentStep upper{ full * kMillivoltDivisor, kFullPercent };
    for (const PercentStep& step : kPercentSteps) {
        if (step.scaledLevel >= upper.scaledLevel)
            continue;
        if (scaled >= step.scaledLevel)
            return interpolatePercent(scaled, step, upper);
        upper = step;
    }
    if (scaled <= kEmptyPoint.scaledLevel)
        return 0;
    return interpolatePercent(scaled, kEmptyPoint, upper);
}
