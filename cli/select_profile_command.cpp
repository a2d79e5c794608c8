#include "cli_commands.h"
#include "cli_output.h"
#include "device/commands.h"
#include "device_session.h"

int runSelectProfileCommand(const QStringList& arguments, DeviceSession& session)
{
    bool isNumber = false;
    const int slot = arguments.size() == 1 ? arguments.first().toInt(&isNumber) : -1;
    if (!isNumber || slot < 0 || slot >= kOnBoardProfileCount) {
        err() << "select-profile takes the on-board slot, 0 to " << kOnBoardProfileCount - 1 << ".\n";
        return kExitUsage;
    }
    if (!session.openProduct()) {
        err() << "No mouse connected.\n";
        return kExitNoDevice;
    }
    // The switch itself is not confirmed by the mouse; the commits after it are.
    const quint8 result = switchOnBoardProfile(quint8(slot));
    if (result != kTransportOk) {
        err() << "The mouse did not confirm the profile switch (transport result " << int(result) << ").\n";
        return result;
    }
    out() << "On-board profile " << slot << " selected.\n";
    return kExitOk;
}
