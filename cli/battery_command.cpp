#include "cli_commands.h"
#include "cli_output.h"
#include "device/battery.h"
#include "device/transport.h"
#include "device_session.h"

int runBatteryCommand(const QStringList& arguments, DeviceSession& session)
{
    if (!arguments.isEmpty())
        return badArgument(QStringLiteral("battery takes no argument, not %1").arg(arguments.first()));
    if (!session.openProduct()) {
        err() << "No mouse connected.\n";
        return kExitNoDevice;
    }
    BatteryReading reading;
    switch (queryBattery(&reading)) {
        case kTransportOk:
            break;
        case kBatteryNoAnswer:
            err() << "The mouse did not answer: it is asleep or out of range.\n";
            return kExitMouseAsleep;
        default:
            err() << "Unable to send the battery query.\n";
            return kExitWriteFailed;
    }
    out() << "level " << reading.level() << '\n'
          << "millivolts " << reading.millivolts() << '\n'
          << "charging " << (reading.charging() ? "yes" : "no") << '\n';
    return kExitOk;
}
