#include "osd_presenter.h"

#include "osd_window.h"
#include "platform/desktop_notifications.h"
#include "platform/program_identity.h"

OsdPresenter::OsdPresenter(Mode mode, QObject* parent)
    : QObject(parent)
    , m_mode(mode)
{
    if (mode == Mode::Overlay)
        m_window = new OsdWindow;
    else
        m_notifications = new DesktopNotifications(programName(), programDesktopId(), programDesktopId(), this);
}

OsdPresenter::~OsdPresenter()
{
    delete m_window;
}

OsdPresenter::Mode OsdPresenter::modeFor(const QString& platformName)
{
    return platformName.startsWith(QLatin1String("wayland")) ? Mode::Notification : Mode::Overlay;
}

void OsdPresenter::present(const OsdMessage& message)
{
    if (m_window) {
        m_window->showMessage(message);
        return;
    }
    if (!message.text.isEmpty())
        m_notifications->show(message.text, QString(), DesktopNotifications::Urgency::Low, message.displayMs);
}
