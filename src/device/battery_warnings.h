#pragma once

#include <array>

// When to warn that the mouse battery runs low: once when the level first falls to or below a
// threshold, never while charging, and again only after the battery has recovered (charging, or
// rising 10 points above the threshold), so a level wavering around a threshold stays quiet.
// Readings of a mouse that is off or asleep carry no level and are not fed.

struct BatteryWarning
{
    int threshold = 0; // the percentage crossed; 0 when nothing is due
    bool last = false; // no lower warning follows
};

class BatteryWarnings final
{
public:
    static constexpr int kRearmMargin = 10;

    // Two thresholds in percent, in either order; 0 turns one off.
    BatteryWarnings(int firstThreshold, int secondThreshold);

    // Keeps what was already announced, so reloading unchanged settings announces nothing again.
    void setThresholds(int firstThreshold, int secondThreshold);

    // One reading: the level estimate in percent and whether the mouse charges or has its cable.
    // When one reading crosses both thresholds only the lower one is announced.
    BatteryWarning update(int levelPercent, bool charging);

private:
    struct Threshold
    {
        int percent = 0;
        bool armed = true;
    };
    std::array<Threshold, 2> m_thresholds;
};
