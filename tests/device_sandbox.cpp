#include "device_sandbox.h"

#include "device/discovery.h"
#include "device/transport.h"
#include "storage/paths.h"

#include <QSettings>

namespace {

SimIdentities testIdentities()
{
    SimIdentities ids;
    ids.receiver = { DeviceSandbox::kVendorId, DeviceSandbox::kReceiverProductId, 0x0100 };
    ids.cable = { DeviceSandbox::kVendorId, DeviceSandbox::kCableProductId, 0x0200 };
    return ids;
}

void resetDeviceLink()
{
    closeDevice();
    setDeviceNoticeHandler({});
    setTransportTraceSink({});
}

} // namespace

DeviceSandbox::DeviceSandbox(const QString& productName)
    : m_productName(productName)
    , m_mouse(testIdentities())
    , m_backend(m_mouse)
    , m_installed(m_backend)
{
    resetDeviceLink();
    if (!m_appDir.isValid() || !m_configDir.isValid())
        return;
    {
        QSettings description(m_appDir.path() + QStringLiteral("/DefaultProfile.bin"), QSettings::IniFormat);
        description.setValue(QStringLiteral("PROFILE/vid1"), kVendorId);
        description.setValue(QStringLiteral("PROFILE/pid1"), kReceiverProductId);
        description.setValue(QStringLiteral("PROFILE/vid2"), kVendorId);
        description.setValue(QStringLiteral("PROFILE/pid2"), kCableProductId);
    }
    DirectoryOptions options;
    options.appDir = m_appDir.path();
    options.configDir = m_configDir.path();
    m_valid = initDirectories(options);
    setConfigValue(QStringLiteral("Mouse_List/0"), productName);
    setConfigValue(QStringLiteral("Config/CurrentProductName"), productName);
}

DeviceSandbox::~DeviceSandbox()
{
    resetDeviceLink();
}

void DeviceSandbox::setConfigValue(const QString& key, const QVariant& value)
{
    QSettings(m_configDir.path() + QStringLiteral("/Config.ini"), QSettings::IniFormat).setValue(key, value);
}

QVariant DeviceSandbox::configValue(const QString& key) const
{
    return QSettings(m_configDir.path() + QStringLiteral("/Config.ini"), QSettings::IniFormat).value(key);
}

void DeviceSandbox::startLink()
{
    loadDeviceTable();
    enumerateDevices();
}

void DeviceSandbox::connect(std::initializer_list<MouseLink> links)
{
    for (MouseLink link : links)
        m_mouse.plug(link);
    startLink();
    openDevice(m_productName.toLatin1());
}

QByteArray traceBytes(const QString& line)
{
    const QStringList parts = line.split(QLatin1Char(' '));
    QByteArray bytes;
    for (int i = 1; i < parts.size(); ++i) {
        bool ok = false;
        const int value = parts.at(i).toInt(&ok, 16);
        if (!ok)
            return QByteArray();
        bytes.append(char(value));
    }
    return bytes;
}
