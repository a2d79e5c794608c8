#pragma once

#include <QByteArray>
#include <QList>
#include <QString>
#include <functional>

// Finding and opening the mouse's interfaces. Free functions over the state of device_state.h;
// called on the GUI thread with the monitor thread stopped (except where noted).

// Builds the identity table from the product description and "Mouse_List/0"; clears all flags.
void loadDeviceTable();

// Flags and records the paths of matching interfaces. 0 on success, -1 when the HID library
// cannot start.
int enumerateDevices();

// Opens both interfaces of every fully present identity of the entries named modelName (Latin-1).
// A failed open leaves the handle null.
void openDevice(const QByteArray& modelName);

// Closes every open handle.
void closeDevice();

// Shuts the HID library down; after closeDevice.
void exitDeviceLayer();

// Entries whose receiver pair or cable pair is fully present.
int countConnectedMice();
// Their model names (Latin-1), in table order.
QList<QByteArray> connectedModelNames();

// The enumeration entry behind a hot-plug name or path: its real path and release number.
struct InterfaceLookup
{
    bool found = false;
    QByteArray path;
    quint16 releaseNumber = 0;
};
InterfaceLookup lookUpInterface(const QByteArray& nameOrPath);

// The device release number (bcdDevice) of a path; 0 when no such interface is present.
quint16 releaseNumberOfPath(const QByteArray& path);

// Receives the one message that tells the user an interface could not be opened for lack of
// permission. The default writes a warning to the log (stderr).
using DeviceNoticeHandler = std::function<void(const QString&)>;
void setDeviceNoticeHandler(DeviceNoticeHandler handler);
