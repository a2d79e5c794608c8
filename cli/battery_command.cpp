#include "cli_commands.h"
#include "cli_output.h"
#include "device/battery.h"
#include "device/commands.h"
#include "device/device_state.h"
#include "device/hid_backend.h"
#include "device_session.h"

#include <QThread>

namespace {

constexpr int kAfterQueryMs = 10;
constexpr int kAnswerTimeoutMs = 50;

} // namespace

int runBatteryCommand(const QStringList& arguments, DeviceSession& session)
{
    if (!arguments.isEmpty())
        return badArgument(QStringLiteral("battery takes no argument, not %1").arg(arguments.first()));
    if (!session.openProduct()) {
        err() << "No mouse connected.\n";
        return kExitNoDevice;
    }
    HidBackend& hid = hidBackend();
    const HidHandle handle = commandHandle();
    const CommandReport query = batteryQueryReport();
    if (hid.write(handle, query.data(), query.size()) < 0) {
        err() << "Unable to send the battery query.\n";
        return kExitWriteFailed;
    }
    QThread::msleep(kAfterQueryMs);
    CommandReport answer{};
    const int read = hid.readTimeout(handle, answer.data(), answer.size(), kAnswerTimeoutMs);
    const BatteryReading reading = decodeBatteryReport(answer.data());
    if (read <= 0 || answer[3] != CommandCode::BatteryQuery || !reading.answered()) {
        err() << "The mouse did not answer: it is asleep or out of range.\n";
        return kExitMouseAsleep;
    }
    out() << "level " << reading.level() << '\n'
          << "millivolts " << reading.millivolts() << '\n'
          << "charging " << (reading.charging() ? "yes" : "no") << '\n';
    return kExitOk;
}
