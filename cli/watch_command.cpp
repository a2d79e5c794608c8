// SPDX-License-Identifier: GPL-3.0-or-later
#include "cli_commands.h"
#include "cli_output.h"
#include "platform/interrupt_quit.h"
#include "window_link.h"
#include "window_state_output.h"

#include <QCoreApplication>

int runWatchThroughWindow(const QStringList& arguments, WindowLink& window)
{
    bool json = false;
    if (!takeOnlyOption(arguments, "watch", kJsonOption, &json))
        return kExitUsage;
    // From the first line on, an interrupt is the normal end.
    quitOnInterrupt();
    MouseBusClient& client = window.client();
    // Read again once subscribed, so that no change falls between the first reading and the first
    // announcement.
    if (!client.watch() || !client.connectToService()) {
        err() << "mousecfg-cli: cannot follow the window's changes on the session bus.\n";
        return kExitNoDevice;
    }
    // The state as it is, then a line whenever what the line shows changes.
    QString last = summaryLine(client.properties(), json);
    out() << last << '\n';
    out().flush();
    QObject::connect(&client, &MouseBusClient::propertiesChanged, &client, [&client, &last, json] {
        const QString line = summaryLine(client.properties(), json);
        if (line == last)
            return;
        last = line;
        out() << line << '\n';
        out().flush();
    });
    QObject::connect(&client, &MouseBusClient::serviceGone, &client, [] {
        err() << "mousecfg-cli: the window has quit.\n";
        QCoreApplication::exit(kExitNoDevice);
    });
    return QCoreApplication::exec();
}
