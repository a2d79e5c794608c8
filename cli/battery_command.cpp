// SPDX-License-Identifier: GPL-3.0-or-later
#include "cli_commands.h"
#include "cli_output.h"
#include "device/battery.h"
#include "device/transport.h"
#include "device_session.h"
#include "storage/app_config.h"
#include "window_link.h"

#include <QJsonDocument>
#include <QJsonObject>

namespace {

const char kNoAnswer[] = "The mouse did not answer: it is asleep or out of range.\n";

int printReading(const BatteryReading& reading, int percent, bool json)
{
    if (json) {
        const QJsonObject object{ { QStringLiteral("level"), reading.level() },
                                  { QStringLiteral("millivolts"), reading.millivolts() },
                                  { QStringLiteral("percent"), percent },
                                  { QStringLiteral("charging"), reading.charging() } };
        out() << QJsonDocument(object).toJson(QJsonDocument::Compact) << '\n';
        return kExitOk;
    }
    out() << "level " << reading.level() << '\n'
          << "millivolts " << reading.millivolts() << '\n'
          << "charging " << (reading.charging() ? "yes" : "no") << '\n';
    return kExitOk;
}

} // namespace

int runBatteryCommand(const QStringList& arguments, DeviceSession& session)
{
    bool json = false;
    if (!takeOnlyOption(arguments, "battery", kJsonOption, &json))
        return kExitUsage;
    if (!session.openProduct()) {
        err() << "No mouse connected.\n";
        return kExitNoDevice;
    }
    BatteryReading reading;
    switch (queryBattery(&reading)) {
        case kTransportOk:
            break;
        case kBatteryNoAnswer:
            err() << kNoAnswer;
            return kExitMouseAsleep;
        default:
            err() << "Unable to send the battery query.\n";
            return kExitWriteFailed;
    }
    return printReading(reading, batteryPercent(reading, batteryFullThreshold()), json);
}

int runBatteryThroughWindow(const QStringList& arguments, WindowLink& window)
{
    bool json = false;
    if (!takeOnlyOption(arguments, "battery", kJsonOption, &json))
        return kExitUsage;
    if (!window.property(MouseBus::kConnected).toBool()) {
        err() << "No mouse connected.\n";
        return kExitNoDevice;
    }
    // The window's battery thread asks the mouse in its own time; its last answer is the reading.
    const int percent = window.property(MouseBus::kBatteryPercent).toInt();
    const uint level = window.property(MouseBus::kBatteryLevel).toUInt();
    if (window.property(MouseBus::kMouseOff).toBool() || percent < 0 || level == 0) {
        err() << kNoAnswer;
        return kExitMouseAsleep;
    }
    BatteryReading reading;
    reading.levelLow = quint8(level & 0xFF);
    reading.levelHigh = quint8(level >> 8);
    reading.chargeByte = window.property(MouseBus::kCharging).toBool() ? 1 : 0;
    return printReading(reading, percent, json);
}
