#pragma once

#include <QObject>
#include <QString>
#include <memory>

// Tells the device link when a HID interface arrives or leaves, by the name Windows gives it
// ("HID#VID_3A5C&PID_1001&col04", without the "\\?\" prefix), so one matching rule serves all.
class HotplugSource : public QObject
{
    Q_OBJECT

public:
    using QObject::QObject;

    // Starts watching. False when the system offers no notifications; the program then runs
    // without hot-plug.
    virtual bool start() = 0;
    virtual void stop() = 0;

signals:
    void interfaceChanged(const QString& name, bool arrived);
};

// The source of this platform.
std::unique_ptr<HotplugSource> createHotplugSource(QObject* parent = nullptr);
