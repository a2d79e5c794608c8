#include "cli_commands.h"
#include "cli_output.h"
#include "device/device_state.h"

namespace {

void printSide(const char* label, const DeviceSide& side)
{
    out() << QString::asprintf("%s %04x:%04x: pointer %d, command %d%s", label, side.vendorId, side.productId,
                               side.pointerPresent.load(), side.commandPresent.load(),
                               side.isConnected() ? " (connected)" : "")
          << '\n';
    if (side.pointerPresent.load())
        out() << "  pointer " << QString::fromLocal8Bit(side.pointerPath) << '\n';
    if (side.commandPresent.load())
        out() << "  command " << QString::fromLocal8Bit(side.commandPath) << '\n';
}

} // namespace

int runDevicesCommand(const QStringList& arguments, DeviceSession&)
{
    if (!arguments.isEmpty())
        return badArgument(QStringLiteral("devices takes no argument, not %1").arg(arguments.first()));
    const DeviceIdentityTable& table = deviceTable();
    bool anything = false;
    for (quint32 i = 0; i < table.count && i < quint32(kDeviceTableCapacity); ++i) {
        const DeviceIdentityEntry& entry = table.entries[i];
        if (entry.allFlagsClear())
            continue;
        anything = true;
        out() << "Product \"" << QString::fromLatin1(entry.modelName) << "\"\n";
        printSide("receiver", entry.receiver);
        printSide("cable", entry.cable);
    }
    if (!anything)
        out() << "No mouse found.\n";
    return kExitOk;
}
