#include "device/device_state.h"

namespace {

std::atomic_bool g_mouseOff{ false };
std::atomic<quint8> g_sensorModeByte{ 0 };

QString& modelNameStorage()
{
    static QString name;
    return name;
}

} // namespace

bool DeviceSide::acceptsRelease(quint32 release) const
{
    return releaseMaximum == 0 || (releaseMinimum <= release && release <= releaseMaximum);
}

void DeviceSide::clear()
{
    vendorId = 0;
    productId = 0;
    releaseMinimum = 0;
    releaseMaximum = 0;
    pointerUsage = 0;
    pointerUsagePage = 0;
    commandUsage = 0;
    commandUsagePage = 0;
    pointerPath.clear();
    commandPath.clear();
    pointerPresent.store(0);
    commandPresent.store(0);
}

bool DeviceIdentityEntry::allFlagsClear() const
{
    return receiver.pointerPresent.load() == 0 && receiver.commandPresent.load() == 0 &&
           cable.pointerPresent.load() == 0 && cable.commandPresent.load() == 0;
}

void DeviceIdentityEntry::clear()
{
    receiver.clear();
    cable.clear();
    modelName.clear();
}

DeviceIdentityTable& deviceTable()
{
    static DeviceIdentityTable table;
    return table;
}

DeviceHandles& deviceHandles()
{
    static DeviceHandles handles;
    return handles;
}

HidHandle commandHandle()
{
    DeviceHandles& handles = deviceHandles();
    if (HidHandle cable = handles.cable.command.load())
        return cable;
    return handles.receiver.command.load();
}

bool isMouseOff()
{
    return g_mouseOff.load();
}

void setMouseOff(bool off)
{
    g_mouseOff.store(off);
}

quint8 sensorModeByte()
{
    return g_sensorModeByte.load();
}

void setSensorModeByte(quint8 mode)
{
    g_sensorModeByte.store(mode);
}

QString deviceModelName()
{
    return modelNameStorage();
}

void setDeviceModelName(const QString& name)
{
    modelNameStorage() = name;
}

QByteArray fittedDevicePath(const QByteArray& path)
{
    return path.left(kDevicePathCapacity);
}
