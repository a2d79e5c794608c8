#include "device/hidapi_backend.h"

#include "device/report_descriptor.h"

#include <cerrno>
#include <hidapi/hidapi.h>
#include <map>

namespace {

hid_device* toHidapi(HidHandle handle)
{
    return reinterpret_cast<hid_device*>(handle);
}

QString fromWide(const wchar_t* text)
{
    return text ? QString::fromWCharArray(text) : QString();
}

// A hidraw node serves all its collections under one path; the name tells them apart. Paths that
// already name their collection (Windows) are their own name.
QByteArray interfaceNameOf(const hid_device_info& info, std::map<QByteArray, CollectionNamer>& namers)
{
    const QByteArray path(info.path);
    auto namer = namers.find(path);
    if (namer == namers.end()) {
        const QByteArray descriptor = readHidrawReportDescriptor(path);
        if (descriptor.isEmpty())
            return path;
        namer = namers.emplace(path, CollectionNamer(info.vendor_id, info.product_id, descriptor)).first;
    }
    return namer->second.nameFor(info.usage_page, info.usage);
}

class HidapiBackend final : public HidBackend
{
public:
    int init() override { return hid_init(); }
    int exit() override { return hid_exit(); }

    std::vector<HidDeviceInfo> enumerate() override
    {
        std::vector<HidDeviceInfo> entries;
        std::map<QByteArray, CollectionNamer> namers;
        hid_device_info* list = hid_enumerate(0, 0);
        for (const hid_device_info* info = list; info; info = info->next) {
            HidDeviceInfo entry;
            entry.path = QByteArray(info->path);
            entry.interfaceName = interfaceNameOf(*info, namers);
            entry.vendorId = info->vendor_id;
            entry.productId = info->product_id;
            entry.releaseNumber = info->release_number;
            entry.usagePage = info->usage_page;
            entry.usage = info->usage;
            entry.serialNumber = fromWide(info->serial_number);
            entries.push_back(entry);
        }
        hid_free_enumeration(list);
        return entries;
    }

    HidHandle openPath(const QByteArray& path, HidOpenError* error) override
    {
        errno = 0;
        hid_device* device = hid_open_path(path.constData());
        if (error) {
            if (device)
                *error = HidOpenError::None;
            else
                *error = (errno == EACCES || errno == EPERM) ? HidOpenError::PermissionDenied : HidOpenError::Other;
        }
        return reinterpret_cast<HidHandle>(device);
    }

    void close(HidHandle handle) override { hid_close(toHidapi(handle)); }

    int write(HidHandle handle, const quint8* data, std::size_t length) override
    {
        return hid_write(toHidapi(handle), data, length);
    }

    int readTimeout(HidHandle handle, quint8* data, std::size_t length, int timeoutMs) override
    {
        return hid_read_timeout(toHidapi(handle), data, length, timeoutMs);
    }
};

} // namespace

HidBackend& hidapiBackend()
{
    static HidapiBackend backend;
    return backend;
}
