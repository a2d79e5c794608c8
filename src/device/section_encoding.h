// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "storage/profile_record.h"

#include <QMap>
#include <QString>
#include <QtGlobal>
#include <array>
#include <vector>

struct MacroFile;

// The bytes of the mouse's configuration sections, built from a configuration record. Nothing
// here talks to the device; the upload frames these bytes into command reports.

constexpr int kGeneralSectionSize = 19;
constexpr int kDpiStageBlockSize = 5;
constexpr int kButtonImageSize = 98; // 2-byte header, then 24 four-byte button positions
constexpr int kButtonImageFirstSlot = 2;
constexpr int kLightingTableSize = 80;
constexpr int kMacroSlotCount = 20;
constexpr int kMacroSlotSize = 200;
constexpr int kMacroTripleSize = 3;
constexpr int kMacroTriplesPerSlot = kMacroSlotSize / kMacroTripleSize;
// A macro without delays of its own gets a short one after every fourth event and after its last,
// so that the mouse does not run its events together.
constexpr int kEventsBetweenDelays = 4;

// The triples a macro of that many events takes before the slot cuts it.
constexpr int macroTripleCount(int eventCount, bool hasOwnDelays)
{
    if (eventCount <= 0) {
        return 0;
    }
    return hasOwnDelays ? eventCount : eventCount + eventCount / kEventsBetweenDelays + 1;
}

using GeneralSection = std::array<quint8, kGeneralSectionSize>;
using DpiStageBlock = std::array<quint8, kDpiStageBlockSize>;
using ButtonImage = std::array<quint8, kButtonImageSize>;
using LightingTable = std::array<quint8, kLightingTableSize>;
using MacroSlot = std::array<quint8, kMacroSlotSize>;

// Macro name to the slot it takes in the mouse, in the order the buttons met them.
using MacroSlotMap = QMap<QString, int>;

// The product and host facts the encoders need besides the record.
struct EncodingContext
{
    int sensorCode = 0;               // "MouseSenSor/1" of Config.ini
    int productSyncMode = 0;          // "PROFILE/Sync" of the product description
    int buttonCount = 0;              // the product's unmasked button count
    int dpiStageCount = 0;            // the product's unmasked DPI stage count
    quint8 sensorMode = 0;            // mode byte of the last battery report
    std::vector<int> buttonPositions; // device position of button slot i, where the product names one
};

// The profile whose values reach the mouse: the active one, or the first when the index is damaged.
const ProfileRecord& activeProfile(const ConfigRecord& record);
ProfileRecord& activeProfile(ConfigRecord& record);

quint8 sensorOptionByte(const ConfigRecord& record, int productSyncMode);
quint8 lightingCode(int ledMode);
GeneralSection encodeGeneralSection(const ConfigRecord& record, const EncodingContext& context);

// The stage count the mouse is told: the product's, when it lies in 1..8, else 8.
int dpiStageCountByte(int productDpiStageCount);
DpiStageBlock encodeDpiStageBlock(const ProfileRecord& profile, int stage, const EncodingContext& context);

// Encodes the active profile's buttons in device order and assigns macro slots on the way; the
// slot number is written back into each macro button's Res4. slots is emptied first.
ButtonImage encodeButtonImage(ConfigRecord& record, const EncodingContext& context, MacroSlotMap& slots);

LightingTable encodeLightingTable(const ProfileRecord& profile);

// The macro's event triples with the periodic delay the mouse needs when the macro has none of
// its own; cut at the last whole triple that fits.
MacroSlot encodeMacroSlot(const MacroFile& macro);
// How many of the macro's own events that slot holds: fewer than it has when the slot cuts it.
int macroEventsKept(const MacroFile& macro);
