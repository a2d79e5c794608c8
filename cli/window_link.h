// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "platform/mouse_bus_client.h"

#include <QVariantList>
#include <QVariantMap>

struct CliOptions;

// The running window of this product, reached over the session bus: while it runs it alone
// opens the mouse, and the commands that need the mouse are carried out by it.
class WindowLink final
{
public:
    // True when the window's service answers for this installation's product, on the same kind of
    // mouse (the virtual one with --simulate, a real one without).
    bool connect(const CliOptions& options);

    const QVariantMap& properties() const { return m_client.properties(); }
    QVariant property(const char* name) const { return m_client.properties().value(QLatin1String(name)); }
    MouseBusClient& client() { return m_client; }

    // Calls method and waits for its answer (a send takes seconds). On an error, prints the
    // window's message and returns its exit code, failedExit for a failure; else 0 with *values
    // set when asked for.
    int call(const char* method, const QVariantList& arguments, int failedExit, QVariantList* values = nullptr);

    // What the window says when it does not answer in time.
    static constexpr int kCommandTimeoutMs = 120000;

private:
    MouseBusClient m_client;
};

// The exit code of an error of the window's: a failure is failedExit.
int exitCodeForWindowError(MouseBus::Error error, int failedExit);
