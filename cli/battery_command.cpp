#include "cli_commands.h"
#include "cli_output.h"
#include "device/commands.h"
#include "device/device_state.h"
#include "device/hid_backend.h"
#include "device_session.h"

#include <QThread>

namespace {

constexpr int kAfterQueryMs = 10;
constexpr int kAnswerTimeoutMs = 50;
constexpr int kExitNoAnswer = 5; // as an upload to a mouse that is off
constexpr int kMillivoltFactor = 990;
constexpr int kMillivoltDivisor = 240;
constexpr int kLevelLow = 4;
constexpr int kLevelHigh = 5;
constexpr int kChargeState = 6;

} // namespace

int runBatteryCommand(const QStringList& arguments, DeviceSession& session)
{
    if (!arguments.isEmpty())
        return kExitUsage;
    if (!session.openProduct()) {
        err() << "No mouse connected.\n";
        return kExitNoDevice;
    }
    HidBackend& hid = hidBackend();
    const HidHandle handle = commandHandle();
    const CommandReport query = batteryQueryReport();
    if (hid.write(handle, query.data(), query.size()) < 0) {
        err() << "Unable to send the battery query.\n";
        return kTransportWriteFailed;
    }
    QThread::msleep(kAfterQueryMs);
    CommandReport answer{};
    const int read = hid.readTimeout(handle, answer.data(), answer.size(), kAnswerTimeoutMs);
    const bool allZero = answer[kLevelLow] == 0 && answer[kLevelHigh] == 0 && answer[kChargeState] == 0;
    if (read <= 0 || answer[3] != CommandCode::BatteryQuery || allZero) {
        err() << "The mouse did not answer: it is asleep or out of range.\n";
        return kExitNoAnswer;
    }
    const int level = answer[kLevelHigh] * 256 + answer[kLevelLow];
    out() << "level " << level << '\n'
          << "millivolts " << level * kMillivoltFactor / kMillivoltDivisor << '\n'
          << "charging " << (answer[kChargeState] ? "yes" : "no") << '\n';
    return kExitOk;
}
