#include "device/device_settings.h"

#include "storage/paths.h"

#include <QSettings>

namespace {

const char kProductDescriptionFile[] = "/DefaultProfile.bin";
const char kConfigFile[] = "/Config.ini";
const char kMouseListKey[] = "Mouse_List/0";
const char kDiffKey[] = "Config/Diff";
const char kVid1Key[] = "PROFILE/vid1";
const char kPid1Key[] = "PROFILE/pid1";
const char kVid2Key[] = "PROFILE/vid2";
const char kPid2Key[] = "PROFILE/pid2";
constexpr int kDefaultVendorId = 0x248A;
constexpr int kDefaultReceiverProductId = 0xFA02;
constexpr int kDefaultCableProductId = 0xFB01;

QString configFile()
{
    return configDir() + QLatin1String(kConfigFile);
}

} // namespace

UsbIdentities productUsbIdentities()
{
    QSettings description(appDir() + QLatin1String(kProductDescriptionFile), QSettings::IniFormat);
    UsbIdentities ids;
    ids.receiverVendorId = description.value(QLatin1String(kVid1Key), kDefaultVendorId).toInt();
    ids.receiverProductId = description.value(QLatin1String(kPid1Key), kDefaultReceiverProductId).toInt();
    ids.cableVendorId = description.value(QLatin1String(kVid2Key), kDefaultVendorId).toInt();
    ids.cableProductId = description.value(QLatin1String(kPid2Key), kDefaultCableProductId).toInt();
    return ids;
}

QString mouseListName()
{
    return QSettings(configFile(), QSettings::IniFormat).value(QLatin1String(kMouseListKey)).toString();
}

void markFullUploadPending()
{
    QSettings(configFile(), QSettings::IniFormat).setValue(QLatin1String(kDiffKey), 1);
}
