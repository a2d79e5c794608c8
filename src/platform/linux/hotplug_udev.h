#pragma once

#include "platform/hotplug.h"

#include <QByteArray>
#include <QMap>
#include <vector>

class QSocketNotifier;
struct udev;
struct udev_device;
struct udev_monitor;

// What the translation needs of one hidraw node: its sysfs path (the key on removal, when sysfs is
// gone), the HID_ID of its hid parent ("0003:00003A5C:00001001") and its report descriptor.
struct HidrawNode
{
    QByteArray syspath;
    QByteArray hidId;
    QByteArray descriptor;
};

// Vendor and product id out of a HID_ID value; false when it is not one.
bool parseHidId(const QByteArray& hidId, quint16* vendorId, quint16* productId);

// One name per top-level collection of the node; none for a node without a readable identity.
std::vector<QByteArray> hidrawInterfaceNames(const HidrawNode& node);

// Reads a node out of a udev device of the hidraw subsystem.
HidrawNode hidrawNodeFromUdev(udev_device* device);

// A libudev monitor on the hidraw subsystem, read on the thread that starts it.
class UdevHotplugSource final : public HotplugSource
{
    Q_OBJECT
    Q_DISABLE_COPY(UdevHotplugSource)

public:
    explicit UdevHotplugSource(QObject* parent = nullptr);
    ~UdevHotplugSource() override;

    bool start() override;
    void stop() override;
    bool isRunning() const { return m_monitor != nullptr; }

    // One udev event ("add", "remove"; others are ignored).
    void handleEvent(const QByteArray& action, const HidrawNode& node);

private:
    void receive();
    void rememberPresentNodes();

    udev* m_udev = nullptr;
    udev_monitor* m_monitor = nullptr;
    QSocketNotifier* m_notifier = nullptr;
    // The names of each present node: a removed node can no longer be read.
    QMap<QByteArray, std::vector<QByteArray>> m_nodeNames;
};
