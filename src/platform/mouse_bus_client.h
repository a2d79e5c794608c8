// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "platform/mouse_bus.h"

#include <QObject>
#include <QString>
#include <QVariantList>
#include <QVariantMap>

// The answer to one method call on the window's service.
struct MouseBusAnswer
{
    MouseBus::Error error = MouseBus::Error::None;
    QString errorName; // as received; empty on success
    QString message;
    QVariantList values;

    bool ok() const { return errorName.isEmpty(); }
};

// A client of the running window's session-bus service: its properties, its methods, and its
// changes as they are announced. Where there is no session bus (or no such service on this
// platform) it never connects.
class MouseBusClient final : public QObject
{
    Q_OBJECT
    Q_DISABLE_COPY(MouseBusClient)

public:
    explicit MouseBusClient(QObject* parent = nullptr);
    ~MouseBusClient() override;

    // True when the service answers; its properties are read then (again, when called again).
    bool connectToService();
    // The properties as last read or announced.
    const QVariantMap& properties() const { return m_properties; }
    // timeoutMs: how long the window may take; a send takes seconds.
    MouseBusAnswer call(const QString& method, const QVariantList& arguments, int timeoutMs);
    // Starts following the announced changes and the service's end.
    bool watch();

    static constexpr int kQueryTimeoutMs = 3000;

signals:
    // properties() holds the announced change.
    void propertiesChanged();
    // The service left the bus: the window has quit.
    void serviceGone();

private slots:
    void onPropertiesChanged(const QString& interface, const QVariantMap& changed, const QStringList& invalidated);

private:
    QVariantMap m_properties;
};
