#include "device/upload.h"
#include "platform/pointer_speed.h"

void setSystemPointerSpeed()
{
    const ConfigRecord& image = deviceImage();
    const int slot = image.ProfileID < kProfileCount ? image.ProfileID : 0;
    setSystemPointerSpeed(image.profiles[static_cast<size_t>(slot)].mousespeed);
}
