#include "device/sensor_resolution.h"

#include <cstdlib>

namespace {

// 3212 rounds to tens, and a few of its steps are shown as the round figure printed on the box.
int roundedDpi3212(int dpi)
{
    switch (dpi) {
        case 790:
            return 800;
        case 1210:
            return 1200;
        case 1630:
            return 1600;
        case 2390:
            return 2400;
        case 7290:
            return 7200;
        default:
            return dpi;
    }
}

int dpi3212(int a)
{
    if (a < 64)
        return roundedDpi3212((38 * a / 10) * 10);
    if (a <= 94)
        return ((a - 32) * 76 / 10) * 10;
    return roundedDpi3212(((a - 63) * 152 / 10) * 10);
}

} // namespace

int dpiOfStep(int a, int sensorCode)
{
    switch (sensorCode) {
        case 3104:
        case 31042:
            if (a <= 106)
                return a == 14 ? 500 : 40 * a;
            return 80 * a - 4240;
        case 3212:
            return dpi3212(a);
        case 3311:
        case 33112:
        case 3360:
            return a <= 120 ? 100 * a : 200 * a - 12000;
        case 3325:
        case 33252:
            if (a <= 50)
                return 100 * a;
            return a <= 75 ? 200 * a - 5000 : 400 * a - 20000;
        case 3327:
            if (a <= 61)
                return 100 * (a + 1);
            if (a <= 92)
                return 200 * a - 6000;
            return a == 106 ? 16400 : 300 * a - 15300;
        case 3333:
            return a <= 80 ? 100 * a : 200 * a - 8000;
        case 3335:
        case 33352:
            return a <= 160 ? 100 * a : 200 * a - 16000;
        case 3370:
            return a <= 200 ? 50 * a : 100 * a - 10000;
        case 3389:
            return a <= 320 ? 50 * a : 100 * a - 16000;
        case 3395:
        case 33952:
            return a < 520 ? 50 * (a + 1) : 100 * a - 25900;
        case 3399:
            return a < 400 ? 50 * (a + 1) : 100 * a - 19900;
        default:
            return 0;
    }
}

SensorStepRange sensorStepRange(int sensorCode, const SensorRangeOptions& options)
{
    switch (sensorCode) {
        case 3104:
            return { 14, 105, true };
        case 31042:
            return { 14, 158, true };
        case 3212:
            return { 16, 111, false };
        case 3311:
            return { 1, 120, false };
        case 33112:
            return { 1, 180, false };
        case 3325:
            return { 1, options.highRange ? 90 : 50, false };
        case 33252:
            return { 1, options.highRange ? 90 : 75, false };
        case 3327:
            return { 1, options.wideRange3327 ? 106 : 92, false };
        case 3333:
            return { 2, 120, false };
        case 3335:
            return { 1, 160, false };
        case 33352:
            return { 1, 240, false };
        case 3360:
            return { 1, 180, true };
        case 3370:
            return { 1, 290, false };
        case 3389:
            return { 2, 480, true };
        case 3395:
            return { 0, 519, false };
        case 33952:
            return { 0, 779, false };
        case 3399:
            return { 0, 599, true };
        default:
            return { 1, 100, false };
    }
}

int nearestStep(int dpi, int sensorCode, const SensorStepRange& range)
{
    int best = range.minimum;
    int bestDistance = std::abs(dpiOfStep(best, sensorCode) - dpi);
    for (int step = range.minimum + 1; step <= range.maximum; ++step) {
        const int distance = std::abs(dpiOfStep(step, sensorCode) - dpi);
        if (distance < bestDistance) {
            best = step;
            bestDistance = distance;
        }
    }
    return best;
}
