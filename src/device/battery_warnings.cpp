#include "device/battery_warnings.h"

BatteryWarnings::BatteryWarnings(int firstThreshold, int secondThreshold)
{
    setThresholds(firstThreshold, secondThreshold);
}

void BatteryWarnings::setThresholds(int firstThreshold, int secondThreshold)
{
    m_thresholds[0].percent = firstThreshold;
    m_thresholds[1].percent = secondThreshold;
}

BatteryWarning BatteryWarnings::update(int levelPercent, bool charging)
{
    BatteryWarning due;
    int lowestEnabled = 0;
    for (Threshold& threshold : m_thresholds) {
        if (threshold.percent <= 0)
            continue;
        if (lowestEnabled == 0 || threshold.percent < lowestEnabled)
            lowestEnabled = threshold.percent;
        if (charging || levelPercent >= threshold.percent + kRearmMargin) {
            threshold.armed = true;
            continue;
        }
        if (levelPercent > threshold.percent || !threshold.armed)
            continue;
        threshold.armed = false;
        if (due.threshold == 0 || threshold.percent < due.threshold)
            due.threshold = threshold.percent;
    }
    due.last = due.threshold != 0 && due.threshold == lowestEnabled;
    return due;
}
