#pragma once

#include "device/hid_backend.h"
#include "sim/sim_backend.h"
#include "sim/virtual_mouse.h"

#include <QTemporaryDir>
#include <QVariant>

// One device test's world: its own application and configuration directories with a product
// description naming our test identities, the virtual mouse installed behind the HID seam, and
// the device link's state reset before and after.
class DeviceSandbox final
{
public:
    static constexpr quint16 kVendorId = 0x3A5C;
    static constexpr quint16 kReceiverProductId = 0x1001;
    static constexpr quint16 kCableProductId = 0x1002;

    explicit DeviceSandbox(const QString& productName = QStringLiteral("Tarq M1"));
    ~DeviceSandbox();
    DeviceSandbox(const DeviceSandbox&) = delete;
    DeviceSandbox& operator=(const DeviceSandbox&) = delete;

    bool isValid() const { return m_valid; }
    VirtualMouse& mouse() { return m_mouse; }
    QString productName() const { return m_productName; }

    void setConfigValue(const QString& key, const QVariant& value);
    QVariant configValue(const QString& key) const;

    // loadDeviceTable and enumerateDevices.
    void startLink();
    // Plugs links, then starts the link and opens the product.
    void connect(std::initializer_list<MouseLink> links);

private:
    QTemporaryDir m_appDir;
    QTemporaryDir m_configDir;
    QString m_productName;
    VirtualMouse m_mouse;
    SimBackend m_backend;
    ScopedHidBackend m_installed;
    bool m_valid = false;
};

// The bytes of a trace line ("W 05 24 ..."), empty for a timeout.
QByteArray traceBytes(const QString& line);
