#pragma once

#include "device/hid_backend.h"

#include <QByteArray>
#include <QString>
#include <array>
#include <atomic>

// Process-wide state of the device link: the identity table, the four handles, the mouse-off flag
// and the sensor mode byte. The GUI thread changes the table and handles; the upload and monitor
// threads read the handles and flags, hence the atomics (no locks: the window stops those threads
// before it closes or reopens anything).

constexpr int kDeviceTableCapacity = 200;
constexpr int kDevicePathCapacity = 254; // longer paths are cut to this many bytes
constexpr int kModelNameCapacity = 255;  // likewise model names

// One USB identity (receiver or cable) of an entry and the two interfaces that matter.
struct DeviceSide
{
    int vendorId = 0;
    int productId = 0;
    quint32 releaseMinimum = 0;
    quint32 releaseMaximum = 0; // 0 switches the release check off
    int pointerUsage = 0;
    int pointerUsagePage = 0;
    int commandUsage = 0;
    int commandUsagePage = 0;
    QByteArray pointerPath;
    QByteArray commandPath;
    std::atomic<int> pointerPresent{ 0 };
    std::atomic<int> commandPresent{ 0 };

    bool isConnected() const { return pointerPresent.load() == 1 && commandPresent.load() == 1; }
    bool acceptsRelease(quint32 release) const;
    void clear();
};

struct DeviceIdentityEntry
{
    DeviceSide receiver;
    DeviceSide cable;
    QByteArray modelName; // Latin-1: the product this entry belongs to

    bool allFlagsClear() const;
    void clear();
};

struct DeviceIdentityTable
{
    quint32 count = 0;
    std::array<DeviceIdentityEntry, kDeviceTableCapacity> entries;
};

DeviceIdentityTable& deviceTable();

struct SideHandles
{
    std::atomic<HidHandle> pointer{ nullptr };
    std::atomic<HidHandle> command{ nullptr };
};

struct DeviceHandles
{
    SideHandles receiver;
    SideHandles cable;
};

DeviceHandles& deviceHandles();

// The interface command reports go to: the cable's when open, else the receiver's; nullptr when
// neither is open.
HidHandle commandHandle();

// Set by the window when the battery report says the mouse is off; uploads then do nothing.
bool isMouseOff();
void setMouseOff(bool off);

// Byte 10 of the last battery report; one sensor's DPI encoding depends on it.
quint8 sensorModeByte();
void setSensorModeByte(quint8 mode);

// The product name of the table's entry as the window shows it (UTF-8 of "Mouse_List/0").
QString deviceModelName();
void setDeviceModelName(const QString& name);

// Copies path into a path field, cut to the field's capacity.
QByteArray fittedDevicePath(const QByteArray& path);
