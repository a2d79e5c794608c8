#pragma once

// What a plug-in-watching message box asks its parent window: has a device been opened since?
// The main window implements it; the box only polls it.
class DeviceOpenSource
{
public:
    virtual ~DeviceOpenSource() = default;
    virtual bool isDeviceOpen() const = 0;
};
