// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "app/mouse_bus_state.h"

#include <QDBusConnection>
#include <QDBusContext>
#include <QObject>
#include <functional>

class MousecfgWidget;

// The window on the session bus (interface org.mousecfg.Mouse1, data/dbus): its state as
// properties, every change announced once through PropertiesChanged, and its commands as methods.
// The commands are the window's own, with its rules: none runs while a send runs or a question
// waits, and sending shows the window's progress.
class MouseBusService final
    : public QObject
    , protected QDBusContext
{
    Q_OBJECT
    Q_DISABLE_COPY(MouseBusService)
    Q_PROPERTY(bool Connected READ connected)
    Q_PROPERTY(QString Product READ product)
    Q_PROPERTY(QString Connection READ connectionKind)
    Q_PROPERTY(uint ActiveSlot READ activeSlot)
    Q_PROPERTY(QStringList SlotNames READ slotNames)
    Q_PROPERTY(uint DpiStage READ dpiStage)
    Q_PROPERTY(uint Dpi READ dpi)
    Q_PROPERTY(uint ReportRateHz READ reportRateHz)
    Q_PROPERTY(int BatteryPercent READ batteryPercent)
    Q_PROPERTY(uint BatteryLevel READ batteryLevel)
    Q_PROPERTY(bool Charging READ charging)
    Q_PROPERTY(bool MouseOff READ mouseOff)
    Q_PROPERTY(bool PendingUpload READ pendingUpload)
    Q_PROPERTY(bool Simulated READ simulated)

public:
    // simulated: the window runs on the virtual mouse.
    MouseBusService(MousecfgWidget& window, bool simulated);
    ~MouseBusService() override;

    // Puts the object and the bus name on the connection. False with *error set when the name is
    // taken (the window of another product) or there is no bus.
    bool registerOn(QDBusConnection connection, QString* error);
    // The same on the session bus; false without *error when none is announced.
    bool registerOnSessionBus(QString* error);

    // The properties; not const, since a read announces a change not announced yet.
    bool connected() { return current().connected; }
    QString product() { return current().product; }
    // Not connection(): QDBusContext has one, the connection a call came on.
    QString connectionKind() { return current().connection; }
    uint activeSlot() { return current().activeSlot; }
    QStringList slotNames() { return current().slotNames; }
    uint dpiStage() { return current().dpiStage; }
    uint dpi() { return current().dpi; }
    uint reportRateHz() { return current().reportRateHz; }
    int batteryPercent() { return current().batteryPercent; }
    uint batteryLevel() { return current().batteryLevel; }
    bool charging() { return current().charging; }
    bool mouseOff() { return current().mouseOff; }
    bool pendingUpload() { return current().pendingUpload; }
    bool simulated() { return current().simulated; }

public slots:
    // The methods of the interface.
    void SelectSlot(uint slot);
    bool Apply(QStringList& notes);
    bool ImportConfiguration(const QString& path, QStringList& notes);
    void ExportConfiguration(const QString& path);
    void RequestFullUpload();
    void Show();

private:
    MouseBusState stateNow() const;
    // What the properties read; a change not announced yet is announced first.
    const MouseBusState& current();
    void announceChanges();
    // Answers the current call at once: an error, or the method's own (empty) answer.
    void answerNow(const MouseBusReply& reply);
    // Holds the answer to the current call for the returned function, which sends it.
    std::function<void(const MouseBusReply&)> answerLater();

    MousecfgWidget& m_window;
    QDBusConnection m_connection;
    bool m_simulated;
    MouseBusState m_announced;
    bool m_registered = false;
};
