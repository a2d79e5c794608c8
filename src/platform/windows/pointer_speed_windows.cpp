#include "log_categories.h"
#include "platform/pointer_speed.h"

#include <QtDebug>
#include <windows.h>

void setSystemPointerSpeed(int speed)
{
    SystemParametersInfoW(SPI_SETMOUSESPEED, 0, reinterpret_cast<PVOID>(static_cast<INT_PTR>(speed)),
                          SPIF_UPDATEINIFILE | SPIF_SENDCHANGE);
    qCDebug(lcPlatform, "Error in SystemParametersInfo :%d", int(GetLastError()));
}

int getSystemPointerSpeed()
{
    int speed = 0;
    SystemParametersInfoW(SPI_GETMOUSESPEED, 0, &speed, 0);
    return speed;
}
