#pragma once

#include "platform/osd_message.h"

#include <QObject>

class DesktopNotifications;
class OsdWindow;

// Shows each message the way the session allows: as the overlay where a program may place a
// window above all others, else (a Wayland session) as a desktop notification that replaces
// the previous one.
class OsdPresenter final : public QObject
{
    Q_OBJECT
    Q_DISABLE_COPY(OsdPresenter)

public:
    enum class Mode { Overlay, Notification };

    explicit OsdPresenter(Mode mode, QObject* parent = nullptr);
    ~OsdPresenter() override;

    // Overlay unless the windowing system cannot stack a window above the others for us.
    static Mode modeFor(const QString& platformName);

    Mode mode() const { return m_mode; }
    void present(const OsdMessage& message);

private:
    Mode m_mode;
    OsdWindow* m_window = nullptr;
    DesktopNotifications* m_notifications = nullptr;
};
