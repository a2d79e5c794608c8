// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "platform/mouse_bus.h"

#include <QString>
#include <QStringList>
#include <QVariantMap>

// What the window's session-bus service shows of the window, as one value, so that a change is
// found by comparing two of them and announced once.
struct MouseBusState
{
    bool connected = false;
    QString product;
    QString connection = QStringLiteral("none"); // "receiver", "cable", "both" or "none"
    uint activeSlot = 1;                         // 1..5
    QStringList slotNames;
    uint dpiStage = 1; // 1-based
    uint dpi = 0;
    uint reportRateHz = 0;
    int batteryPercent = -1; // -1 while unknown
    uint batteryLevel = 0;   // the mouse's level word, 0 while unknown
    bool charging = false;
    bool mouseOff = false;
    bool pendingUpload = false;
    bool simulated = false;

    // By property name.
    QVariantMap properties() const;
};

// The properties of after that differ from before.
QVariantMap changedProperties(const MouseBusState& before, const MouseBusState& after);

// The connection property of the interfaces present.
QString connectionName(bool cable, bool receiver);

// What a window command asked for over the bus came to: done (whether a send sent anything, and
// notes for the caller: what was repaired, what the check before sending warned of) or an error
// with the program's message.
struct MouseBusReply
{
    MouseBus::Error error = MouseBus::Error::None;
    QString message;
    bool sent = false;
    QStringList notes;

    bool ok() const { return error == MouseBus::Error::None; }
    static MouseBusReply failure(MouseBus::Error error, const QString& message)
    {
        return { error, message, false, {} };
    }
};
