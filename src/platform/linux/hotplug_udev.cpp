#include "platform/linux/hotplug_udev.h"

#include "device/report_descriptor.h"
#include "log_categories.h"

#include <QFile>
#include <QList>
#include <QSocketNotifier>
#include <libudev.h>

namespace {

const char kSubsystem[] = "hidraw";
const char kParentSubsystem[] = "hid";
const char kHidIdProperty[] = "HID_ID";
const char kDescriptorFile[] = "/report_descriptor";
const char kNetlinkSource[] = "udev";
const char kActionAdd[] = "add";
const char kActionRemove[] = "remove";
constexpr int kHidIdFields = 3;

QByteArray text(const char* value)
{
    return value ? QByteArray(value) : QByteArray();
}

} // namespace

bool parseHidId(const QByteArray& hidId, quint16* vendorId, quint16* productId)
{
    const QList<QByteArray> fields = hidId.split(':');
    if (fields.size() != kHidIdFields)
        return false;
    bool vendorOk = false;
    bool productOk = false;
    const uint vendor = fields.at(1).toUInt(&vendorOk, 16);
    const uint product = fields.at(2).toUInt(&productOk, 16);
    if (!vendorOk || !productOk || vendor > 0xFFFF || product > 0xFFFF)
        return false;
    *vendorId = quint16(vendor);
    *productId = quint16(product);
    return true;
}

std::vector<QByteArray> hidrawInterfaceNames(const HidrawNode& node)
{
    quint16 vendorId = 0;
    quint16 productId = 0;
    if (!parseHidId(node.hidId, &vendorId, &productId))
        return {};
    return topLevelInterfaceNames(vendorId, productId, node.descriptor);
}

HidrawNode hidrawNodeFromUdev(udev_device* device)
{
    HidrawNode node;
    node.syspath = text(udev_device_get_syspath(device));
    udev_device* parent = udev_device_get_parent_with_subsystem_devtype(device, kParentSubsystem, nullptr);
    if (!parent)
        return node;
    node.hidId = text(udev_device_get_property_value(parent, kHidIdProperty));
    QFile descriptor(QString::fromLocal8Bit(text(udev_device_get_syspath(parent)) + kDescriptorFile));
    if (descriptor.open(QIODevice::ReadOnly))
        node.descriptor = descriptor.readAll();
    return node;
}

UdevHotplugSource::UdevHotplugSource(QObject* parent)
    : HotplugSource(parent)
{
}

UdevHotplugSource::~UdevHotplugSource()
{
    stop();
}

bool UdevHotplugSource::start()
{
    if (m_monitor)
        return true;
    m_udev = udev_new();
    if (!m_udev)
        return false;
    m_monitor = udev_monitor_new_from_netlink(m_udev, kNetlinkSource);
    if (!m_monitor || udev_monitor_filter_add_match_subsystem_devtype(m_monitor, kSubsystem, nullptr) < 0 ||
        udev_monitor_enable_receiving(m_monitor) < 0) {
        stop();
        return false;
    }
    rememberPresentNodes();
    m_notifier = new QSocketNotifier(udev_monitor_get_fd(m_monitor), QSocketNotifier::Read, this);
    connect(m_notifier, &QSocketNotifier::activated, this, [this] { receive(); });
    return true;
}

void UdevHotplugSource::stop()
{
    delete m_notifier;
    m_notifier = nullptr;
    if (m_monitor)
        udev_monitor_unref(m_monitor);
    m_monitor = nullptr;
    if (m_udev)
        udev_unref(m_udev);
    m_udev = nullptr;
    m_nodeNames.clear();
}

void UdevHotplugSource::handleEvent(const QByteArray& action, const HidrawNode& node)
{
    if (action == kActionAdd) {
        const std::vector<QByteArray> names = hidrawInterfaceNames(node);
        m_nodeNames.insert(node.syspath, names);
        qCDebug(lcPlatform) << "hidraw node added:" << node.syspath << names.size() << "collections";
        for (const QByteArray& name : names)
            emit interfaceChanged(QString::fromLatin1(name), true);
    } else if (action == kActionRemove) {
        const std::vector<QByteArray> names = m_nodeNames.take(node.syspath);
        qCDebug(lcPlatform) << "hidraw node removed:" << node.syspath;
        for (const QByteArray& name : names)
            emit interfaceChanged(QString::fromLatin1(name), false);
    }
}

void UdevHotplugSource::receive()
{
    udev_device* device = udev_monitor_receive_device(m_monitor);
    if (!device)
        return;
    const QByteArray action = text(udev_device_get_action(device));
    // A removed node's sysfs entry is gone; only its path is needed then.
    HidrawNode node;
    if (action == kActionRemove)
        node.syspath = text(udev_device_get_syspath(device));
    else
        node = hidrawNodeFromUdev(device);
    udev_device_unref(device);
    handleEvent(action, node);
}

void UdevHotplugSource::rememberPresentNodes()
{
    udev_enumerate* enumeration = udev_enumerate_new(m_udev);
    if (!enumeration)
        return;
    udev_enumerate_add_match_subsystem(enumeration, kSubsystem);
    udev_enumerate_scan_devices(enumeration);
    for (udev_list_entry* item = udev_enumerate_get_list_entry(enumeration); item;
         item = udev_list_entry_get_next(item)) {
        udev_device* device = udev_device_new_from_syspath(m_udev, udev_list_entry_get_name(item));
        if (!device)
            continue;
        const HidrawNode node = hidrawNodeFromUdev(device);
        m_nodeNames.insert(node.syspath, hidrawInterfaceNames(node));
        udev_device_unref(device);
    }
    udev_enumerate_unref(enumeration);
}

std::unique_ptr<HotplugSource> createHotplugSource(QObject* parent)
{
    return std::make_unique<UdevHotplugSource>(parent);
}
