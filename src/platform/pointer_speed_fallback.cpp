#include "platform/pointer_speed.h"

#include <QtGlobal>
#include <atomic>

namespace {

std::atomic<int> g_speed{ kPointerSpeedDefault };

} // namespace

void setSystemPointerSpeed(int speed)
{
    g_speed.store(qBound(kPointerSpeedMinimum, speed, kPointerSpeedMaximum));
}

int getSystemPointerSpeed()
{
    return g_speed.load();
}
