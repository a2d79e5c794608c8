// SPDX-License-Identifier: GPL-3.0-or-later
#include "window_link.h"

#include "cli_commands.h"
#include "cli_options.h"
#include "cli_output.h"
#include "storage/product_description.h"

bool WindowLink::connect(const CliOptions& options)
{
    if (!m_client.connectToService())
        return false;
    return property(MouseBus::kProduct).toString() == productName() &&
           property(MouseBus::kSimulated).toBool() == options.simulate;
}

int WindowLink::call(const char* method, const QVariantList& arguments, int failedExit, QVariantList* values)
{
    const MouseBusAnswer answer = m_client.call(QLatin1String(method), arguments, kCommandTimeoutMs);
    if (!answer.ok()) {
        err() << answer.message << '\n';
        return exitCodeForWindowError(answer.error, failedExit);
    }
    if (values)
        *values = answer.values;
    return kExitOk;
}

int exitCodeForWindowError(MouseBus::Error error, int failedExit)
{
    switch (error) {
        case MouseBus::Error::None:
            return kExitOk;
        case MouseBus::Error::NoMouse:
        case MouseBus::Error::Busy: // the mouse is the window's for now
            return kExitNoDevice;
        case MouseBus::Error::MouseOff:
            return kExitMouseAsleep;
        case MouseBus::Error::BadFile:
            return kExitBadFile;
        case MouseBus::Error::Failed:
            break;
    }
    return failedExit;
}
