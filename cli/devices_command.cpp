// SPDX-License-Identifier: GPL-3.0-or-later
#include "cli_commands.h"
#include "cli_output.h"
#include "device/device_state.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

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

QJsonObject sideObject(const DeviceSide& side)
{
    QJsonObject object{ { QStringLiteral("vendorId"), QString::asprintf("%04x", side.vendorId) },
                        { QStringLiteral("productId"), QString::asprintf("%04x", side.productId) },
                        { QStringLiteral("pointer"), side.pointerPresent.load() != 0 },
                        { QStringLiteral("command"), side.commandPresent.load() != 0 },
                        { QStringLiteral("connected"), side.isConnected() } };
    if (side.pointerPresent.load())
        object.insert(QStringLiteral("pointerPath"), QString::fromLocal8Bit(side.pointerPath));
    if (side.commandPresent.load())
        object.insert(QStringLiteral("commandPath"), QString::fromLocal8Bit(side.commandPath));
    return object;
}

} // namespace

int runDevicesCommand(const QStringList& arguments, DeviceSession&)
{
    bool json = false;
    if (!takeOnlyOption(arguments, "devices", kJsonOption, &json))
        return kExitUsage;
    const DeviceIdentityTable& table = deviceTable();
    QJsonArray products;
    bool anything = false;
    for (quint32 i = 0; i < table.count && i < quint32(kDeviceTableCapacity); ++i) {
        const DeviceIdentityEntry& entry = table.entries[i];
        if (entry.allFlagsClear())
            continue;
        anything = true;
        if (json) {
            products.append(QJsonObject{ { QStringLiteral("product"), QString::fromLatin1(entry.modelName) },
                                         { QStringLiteral("receiver"), sideObject(entry.receiver) },
                                         { QStringLiteral("cable"), sideObject(entry.cable) } });
            continue;
        }
        out() << "Product \"" << QString::fromLatin1(entry.modelName) << "\"\n";
        printSide("receiver", entry.receiver);
        printSide("cable", entry.cable);
    }
    if (json)
        out() << QJsonDocument(products).toJson(QJsonDocument::Compact) << '\n';
    else if (!anything)
        out() << "No mouse found.\n";
    return kExitOk;
}
