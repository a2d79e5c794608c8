#include "device/discovery.h"

#include "device/device_state.h"
#include "device/hid_backend.h"
#include "log_categories.h"
#include "storage/app_config.h"
#include "storage/product_description.h"

#include <QtDebug>
#include <atomic>
#include <vector>

namespace {

constexpr int kPointerUsage = 2;
constexpr int kCommandUsage = 0;
constexpr int kGenericDesktopPage = 1;
constexpr quint16 kLoggedVendorId = 0x04D9;
const char kReceiverCommandTag[] = "col04";
const char kFullPathPrefix[] = "\\\\?\\";
const char kUdevRuleFile[] = "70-mousecfg.rules";
const char kPermissionMessage[] =
    "The mouse was found at %1 but cannot be opened: permission denied.\n"
    "Install the udev rule %2 that lets the user at the seat open it:\n"
    "  sudo install -m 644 data/udev/%2 /etc/udev/rules.d/ && sudo udevadm control --reload && "
    "sudo udevadm trigger --subsystem-match=hidraw";

std::atomic_bool g_permissionNoticeGiven{ false };

// Handles replaced by an open without a close; the monitor thread may still be reading them, so
// they are closed with the others at the next closeDevice.
std::vector<HidHandle>& retiredHandles()
{
    static std::vector<HidHandle> handles;
    return handles;
}

DeviceNoticeHandler& noticeHandler()
{
    static DeviceNoticeHandler handler;
    return handler;
}

void giveNotice(const QString& text)
{
    if (const DeviceNoticeHandler& handler = noticeHandler())
        handler(text);
    else
        qCWarning(lcDevice).noquote() << text;
}

void setupSide(DeviceSide& side, int vendorId, int productId)
{
    side.vendorId = vendorId;
    side.productId = productId;
    side.pointerUsage = kPointerUsage;
    side.pointerUsagePage = kGenericDesktopPage;
    side.commandUsage = kCommandUsage;
    side.commandUsagePage = kGenericDesktopPage;
}

bool sameIdentity(const DeviceSide& side, const HidDeviceInfo& info)
{
    return info.vendorId == side.vendorId && info.productId == side.productId &&
           side.acceptsRelease(info.releaseNumber);
}

bool isPointer(const DeviceSide& side, const HidDeviceInfo& info)
{
    return info.usage == side.pointerUsage && info.usagePage == side.pointerUsagePage;
}

bool isCommand(const DeviceSide& side, const HidDeviceInfo& info)
{
    return info.usage == side.commandUsage && info.usagePage == side.commandUsagePage;
}

void record(QByteArray& pathField, std::atomic<int>& flag, const char* tag, const HidDeviceInfo& info)
{
    pathField = fittedDevicePath(info.path);
    qCDebug(lcDevice, "%s %s\n", tag, pathField.constData());
    flag.store(1);
}

void matchEntry(DeviceIdentityEntry& entry, const HidDeviceInfo& info)
{
    DeviceSide& receiver = entry.receiver;
    DeviceSide& cable = entry.cable;
    if (sameIdentity(receiver, info) && isPointer(receiver, info))
        record(receiver.pointerPath, receiver.pointerPresent, "1", info);
    if (sameIdentity(receiver, info) && isCommand(receiver, info) &&
        info.interfaceName.toLower().contains(kReceiverCommandTag))
        record(receiver.commandPath, receiver.commandPresent, "2", info);
    if (sameIdentity(cable, info) && isPointer(cable, info))
        record(cable.pointerPath, cable.pointerPresent, "3", info);
    if (sameIdentity(cable, info) && isCommand(cable, info))
        record(cable.commandPath, cable.commandPresent, "4", info);
}

void openInto(std::atomic<HidHandle>& slot, const QByteArray& path)
{
    HidOpenError error = HidOpenError::None;
    HidHandle handle = hidBackend().openPath(path, &error);
    if (HidHandle previous = slot.exchange(handle))
        retiredHandles().push_back(previous);
    if (error == HidOpenError::PermissionDenied && !g_permissionNoticeGiven.exchange(true))
        giveNotice(
            QString::fromLatin1(kPermissionMessage).arg(QString::fromLocal8Bit(path), QLatin1String(kUdevRuleFile)));
}

void openSide(DeviceSide& side, SideHandles& handles)
{
    if (!side.isConnected())
        return;
    openInto(handles.pointer, side.pointerPath);
    openInto(handles.command, side.commandPath);
}

void closeSlot(std::atomic<HidHandle>& slot)
{
    if (HidHandle handle = slot.exchange(nullptr))
        hidBackend().close(handle);
}

} // namespace

void loadDeviceTable()
{
    const UsbIdentifiers ids = readUsbIdentifiers();
    const QString name = mouseListEntry(0);

    DeviceIdentityTable& table = deviceTable();
    for (DeviceIdentityEntry& entry : table.entries)
        entry.clear();
    table.count = 1;
    DeviceIdentityEntry& entry = table.entries[0];
    setupSide(entry.receiver, ids.receiverVendorId, ids.receiverProductId);
    setupSide(entry.cable, ids.cableVendorId, ids.cableProductId);
    entry.modelName = name.toLatin1().left(kModelNameCapacity);

    setDeviceModelName(name);
    qCDebug(lcDevice).noquote() << name;
}

int enumerateDevices()
{
    HidBackend& hid = hidBackend();
    if (hid.init() != 0)
        return -1;
    DeviceIdentityTable& table = deviceTable();
    for (const HidDeviceInfo& info : hid.enumerate()) {
        if (info.vendorId == kLoggedVendorId) {
            qCDebug(lcDevice, "Device Found\n  type: %x %x\n  path: %s\n  serial_number: %s\n usge %x uu %x",
                    info.vendorId, info.productId, info.path.constData(), qPrintable(info.serialNumber), info.usage,
                    info.usagePage);
        }
        // Collections that are not top-level ones have no name and match nothing.
        if (info.interfaceName.isEmpty())
            continue;
        for (quint32 i = 0; i < table.count && i < quint32(kDeviceTableCapacity); ++i)
            matchEntry(table.entries[i], info);
    }
    return 0;
}

void openDevice(const QByteArray& modelName)
{
    DeviceIdentityTable& table = deviceTable();
    if (hidBackend().init() != 0 || table.count == 0)
        return;
    DeviceHandles& handles = deviceHandles();
    for (quint32 i = 0; i < table.count && i < quint32(kDeviceTableCapacity); ++i) {
        DeviceIdentityEntry& entry = table.entries[i];
        if (entry.modelName != modelName)
            continue;
        openSide(entry.receiver, handles.receiver);
        openSide(entry.cable, handles.cable);
    }
}

void closeDevice()
{
    DeviceHandles& handles = deviceHandles();
    closeSlot(handles.receiver.pointer);
    closeSlot(handles.receiver.command);
    closeSlot(handles.cable.pointer);
    closeSlot(handles.cable.command);
    for (HidHandle handle : retiredHandles())
        hidBackend().close(handle);
    retiredHandles().clear();
}

void exitDeviceLayer()
{
    hidBackend().exit();
}

int countConnectedMice()
{
    return connectedModelNames().size();
}

QList<QByteArray> connectedModelNames()
{
    const DeviceIdentityTable& table = deviceTable();
    QList<QByteArray> names;
    for (quint32 i = 0; i < table.count && i < quint32(kDeviceTableCapacity); ++i) {
        const DeviceIdentityEntry& entry = table.entries[i];
        if (entry.receiver.isConnected() || entry.cable.isConnected())
            names << entry.modelName;
    }
    return names;
}

InterfaceLookup lookUpInterface(const QByteArray& nameOrPath)
{
    // Hot-plug names drop the "\\?\" that Windows paths start with; on Linux they are collection
    // names of a hidraw node.
    QByteArray bare = nameOrPath;
    if (bare.startsWith(kFullPathPrefix))
        bare.remove(0, int(sizeof(kFullPathPrefix)) - 1);
    const QByteArray full = kFullPathPrefix + bare;
    InterfaceLookup result;
    for (const HidDeviceInfo& info : hidBackend().enumerate()) {
        if (info.path.compare(full, Qt::CaseInsensitive) == 0 || info.path.compare(bare, Qt::CaseInsensitive) == 0 ||
            (!info.interfaceName.isEmpty() && info.interfaceName.compare(bare, Qt::CaseInsensitive) == 0)) {
            result.found = true;
            result.path = info.path;
            result.releaseNumber = info.releaseNumber;
            break;
        }
    }
    return result;
}

quint16 releaseNumberOfPath(const QByteArray& path)
{
    return lookUpInterface(path).releaseNumber;
}

void setDeviceNoticeHandler(DeviceNoticeHandler handler)
{
    noticeHandler() = std::move(handler);
    g_permissionNoticeGiven.store(false);
}
