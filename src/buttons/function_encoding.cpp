// SPDX-License-Identifier: GPL-3.0-or-later
#include "buttons/function_encoding.h"

#include "device/dpi_encoding.h"
#include "storage/key_names.h"
#include "storage/profile_record.h"

namespace {

constexpr int kComboTriplesLooked = 10;
constexpr quint8 kSniperKind = 0x01;
constexpr quint8 kLoopForever = 0xFF;
constexpr int kFireIntervalUnitMs = 10;

quint8 low(qint64 value)
{
    return static_cast<quint8>(value & 0xFF);
}

DeviceBytes comboBytes(const ButtonEntry& entry, DeviceBytes bytes)
{
    int modifiers = 0;
    quint8 key = 0;
    for (int j = 0; j < kComboTriplesLooked; ++j) {
        const quint8 usage = entry.KeyInfo[j].map;
        if (usage == 0) {
            continue;
        }
        int keyCode = 0;
        const int bit = usageToScan(usage, keyCode) ? modifierBit(keyCode) : 0;
        if (bit != 0) {
            modifiers += bit;
        } else {
            key = usage;
        }
    }
    // Each modifier is met twice: once pressed, once released.
    bytes[1] = low(modifiers / 2);
    bytes[2] = key;
    bytes[3] = 0;
    return bytes;
}

DeviceBytes fireBytes(const ButtonEntry& entry, DeviceBytes bytes)
{
    if (entry.Res1 == 0) {
        bytes[1] = FireTarget::Left;
        bytes[2] = FireTarget::UntargetedShots;
        bytes[3] = 0;
        return bytes;
    }
    bytes[1] = entry.Res1;
    bytes[2] = low(entry.LoopNumber);
    bytes[3] = low(entry.KeyNumber / kFireIntervalUnitMs);
    return bytes;
}

DeviceBytes macroBytes(const ButtonEntry& entry, int slot, DeviceBytes bytes)
{
    switch (entry.Res1) {
        case MacroLoopMode::WhileHeld:
            bytes[1] = low(slot | 0x80);
            bytes[2] = bytes[3] = kLoopForever;
            break;
        case MacroLoopMode::UntilPress:
            bytes[1] = low(slot | 0x40);
            bytes[2] = bytes[3] = kLoopForever;
            break;
        default: // unknown modes run as counted loops
            bytes[1] = low(slot);
            bytes[2] = low(entry.LoopNumber);
            bytes[3] = low(entry.LoopNumber >> 8);
            break;
    }
    return bytes;
}

} // namespace

int modifierBit(int keyCode)
{
    switch (keyCode) {
        case 0x1D:
        case 0xEE:
            return 1;
        case 0x2A:
        case 0x36:
            return 2;
        case 0x38:
        case 0xEF:
            return 4;
        case 0x5B:
        case 0x5C:
            return 8;
        default:
            return 0;
    }
}

DeviceBytes deviceBytes(const ButtonEntry& entry, const ButtonEncodingInput& input)
{
    DeviceBytes bytes = deviceTableBytes(entry.Fun);
    switch (entry.Fun) {
        case FunctionCode::SingleKey: {
            int usage = 0;
            scanToUsage(entry.Res1, usage);
            return { bytes[0], 0, low(usage), 0 };
        }
        case FunctionCode::ComboKey:
            return comboBytes(entry, bytes);
        case FunctionCode::FireKey:
            return fireBytes(entry, bytes);
        case FunctionCode::Sniper: {
            const quint8 code = sniperDpiCode(input.sensorCode, entry.Res1);
            return { bytes[0], kSniperKind, code, code };
        }
        case FunctionCode::Macro:
        case FunctionCode::GunFile:
            return macroBytes(entry, input.macroSlot, bytes);
        default:
            return bytes;
    }
}

void insertComboPair(ButtonEntry& entry, int position, unsigned keyCode)
{
    if (position < 0 || position >= kKeySlotCount) {
        return;
    }
    int usage = 0;
    scanToUsage(keyCode, usage);
    for (int j = kKeySlotCount - 1; j >= position + 2; --j) {
        entry.KeyInfo[j] = entry.KeyInfo[j - 2];
    }
    entry.KeyInfo[position] = { low(usage), kComboEventCode, kComboPressFlag };
    if (position + 1 < kKeySlotCount) {
        entry.KeyInfo[position + 1] = { low(usage), kComboEventCode, 0 };
    }
}
