#include "device/upload.h"
#include "platform/pointer_speed.h"

bool applyUploadedPointerSpeed(int slot)
{
    if (!deviceImageUploaded() || slot < 0 || slot >= kProfileCount)
        return false;
    const int speed = deviceImage().profiles[size_t(slot)].mousespeed;
    if (speed < kPointerSpeedMinimum || speed > kPointerSpeedMaximum || speed == getSystemPointerSpeed())
        return false;
    setSystemPointerSpeed(speed);
    return true;
}
