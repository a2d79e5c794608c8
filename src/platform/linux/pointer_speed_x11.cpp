#include "platform/pointer_speed.h"

#include <QtGlobal>
#include <X11/Xlib.h>
#include <atomic>
#include <cmath>

namespace {

// X expresses acceleration as a fraction; speed s is s/10.
constexpr int kAccelerationDenominator = 10;

std::atomic<int> g_keptSpeed{ kPointerSpeedDefault };

struct DisplayConnection
{
    Display* display = XOpenDisplay(nullptr);
    ~DisplayConnection()
    {
        if (display)
            XCloseDisplay(display);
    }
};

} // namespace

void setSystemPointerSpeed(int speed)
{
    const int bounded = qBound(kPointerSpeedMinimum, speed, kPointerSpeedMaximum);
    g_keptSpeed.store(bounded);
    DisplayConnection connection;
    if (!connection.display)
        return;
    XChangePointerControl(connection.display, True, False, bounded, kAccelerationDenominator, 0);
    XFlush(connection.display);
}

int getSystemPointerSpeed()
{
    DisplayConnection connection;
    if (!connection.display)
        return g_keptSpeed.load();
    int numerator = 0;
    int denominator = 0;
    int threshold = 0;
    XGetPointerControl(connection.display, &numerator, &denominator, &threshold);
    if (denominator <= 0)
        return g_keptSpeed.load();
    const int speed = int(std::lround(double(numerator) * kAccelerationDenominator / denominator));
    return qBound(kPointerSpeedMinimum, speed, kPointerSpeedMaximum);
}
