#include "device/section_encoding.h"
#include "device/upload.h"
#include "platform/pointer_speed.h"

void setSystemPointerSpeed()
{
    setSystemPointerSpeed(activeProfile(deviceImage()).mousespeed);
}
