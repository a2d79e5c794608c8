#pragma once

#include <QString>

class DeviceEvents;

// Interface kinds a hot-plug name is recognised as.
enum class InterfaceKind { Unknown = 0, Pointer = 1, Command = 4 };

struct HotplugName
{
    InterfaceKind kind = InterfaceKind::Unknown;
    int vendorId = 0;
    int productId = 0;
};

// Reads "HID#VID_xxxx&PID_xxxx[&MI_00]&col01|col04" (any case) out of a hot-plug name.
HotplugName parseHotplugName(const QString& name);

// Follows one interface arrival (arrived) or removal: presence flags, reopening, the pending-upload
// flag, and the window's reactions through events. GUI thread.
void onDeviceInterfaceChange(const QString& name, bool arrived, DeviceEvents& events);
