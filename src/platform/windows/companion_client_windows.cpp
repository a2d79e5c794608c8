#include "platform/companion_client.h"

#include <QMetaObject>
#include <string>
#include <windows.h>

struct CompanionClient::Handle
{
    std::wstring title;
    bool busy = false;
};

CompanionClient::CompanionClient(const QString& windowTitle, QObject* parent)
    : QObject(parent)
    , m_handle(std::make_unique<Handle>())
{
    m_handle->title = windowTitle.toStdWString();
}

CompanionClient::~CompanionClient() = default;

bool CompanionClient::isBusy() const
{
    return m_handle->busy;
}

void CompanionClient::deliver(const QByteArray& payload)
{
    if (m_handle->busy)
        return;
    m_handle->busy = true;
    HWND window = FindWindowW(nullptr, m_handle->title.c_str());
    bool found = IsWindow(window) != FALSE;
    bool handled = false;
    if (found) {
        COPYDATASTRUCT data{};
        data.dwData = 0;
        data.cbData = DWORD(payload.size());
        data.lpData = const_cast<char*>(payload.constData());
        handled = SendMessageW(window, WM_COPYDATA, 0, reinterpret_cast<LPARAM>(&data)) != 0;
    }
    QMetaObject::invokeMethod(
        this,
        [this, found, handled] {
            m_handle->busy = false;
            if (found)
                emit delivered(handled);
            else
                emit notFound();
        },
        Qt::QueuedConnection);
}

QString companionSocketName(const QString& windowTitle)
{
    return windowTitle;
}
