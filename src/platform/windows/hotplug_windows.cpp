#include "log_categories.h"
#include "platform/hotplug.h"

#include <QAbstractNativeEventFilter>
#include <QCoreApplication>
#include <QWindow>
#include <QtDebug>
#include <dbt.h>
#include <windows.h>

namespace {

// The HID device-interface class.
const GUID kHidInterfaceClass = { 0x4D1E55B2, 0xF16F, 0x11CF, { 0x88, 0xCB, 0x00, 0x11, 0x11, 0x00, 0x00, 0x30 } };
constexpr int kNamePrefixLength = 4; // "\\?\"

class WindowsHotplugSource final
    : public HotplugSource
    , public QAbstractNativeEventFilter
{
public:
    using HotplugSource::HotplugSource;
    ~WindowsHotplugSource() override { stop(); }

    bool start() override
    {
        if (m_notification)
            return true;
        m_window = std::make_unique<QWindow>();
        DEV_BROADCAST_DEVICEINTERFACE_W filter = {};
        filter.dbcc_size = sizeof(filter);
        filter.dbcc_devicetype = DBT_DEVTYP_DEVICEINTERFACE;
        filter.dbcc_classguid = kHidInterfaceClass;
        m_notification = RegisterDeviceNotificationW(reinterpret_cast<HANDLE>(m_window->winId()), &filter,
                                                     DEVICE_NOTIFY_WINDOW_HANDLE);
        if (!m_notification) {
            qCDebug(lcPlatform, "注册失败");
            m_window.reset();
            return false;
        }
        QCoreApplication::instance()->installNativeEventFilter(this);
        return true;
    }

    void stop() override
    {
        if (!m_notification)
            return;
        QCoreApplication::instance()->removeNativeEventFilter(this);
        UnregisterDeviceNotification(m_notification);
        m_notification = nullptr;
        m_window.reset();
    }

    bool nativeEventFilter(const QByteArray&, void* message, long*) override
    {
        const MSG* msg = static_cast<const MSG*>(message);
        if (msg->message != WM_DEVICECHANGE)
            return false;
        const auto* header = reinterpret_cast<const DEV_BROADCAST_HDR*>(msg->lParam);
        const bool arrival = msg->wParam == DBT_DEVICEARRIVAL;
        const bool removal = msg->wParam == DBT_DEVICEREMOVECOMPLETE;
        if (arrival)
            qCDebug(lcPlatform, "DBT_DEVICEARRIVAL\n");
        if ((arrival || removal) && header && header->dbch_devicetype == DBT_DEVTYP_DEVICEINTERFACE) {
            const auto* broadcast = reinterpret_cast<const DEV_BROADCAST_DEVICEINTERFACE_W*>(header);
            const QString name = QString::fromWCharArray(broadcast->dbcc_name).mid(kNamePrefixLength);
            emit interfaceChanged(name, arrival);
            qCDebug(lcPlatform).noquote() << name;
        }
        if (removal)
            qCDebug(lcPlatform, "DBT_DEVICEREMOVECOMPLETE\n");
        return false;
    }

private:
    std::unique_ptr<QWindow> m_window;
    HDEVNOTIFY m_notification = nullptr;
};

} // namespace

std::unique_ptr<HotplugSource> createHotplugSource(QObject* parent)
{
    return std::make_unique<WindowsHotplugSource>(parent);
}
