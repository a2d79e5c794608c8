// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "buttons/function_catalogue.h"

struct ButtonEntry;

// What a button's four device bytes depend on besides the entry itself.
struct ButtonEncodingInput
{
    int sensorCode = 0; // "MouseSenSor/1": selects the sniper DPI code
    int macroSlot = 0;  // the slot the upload gave the entry's macro
};

// Loop modes of a macro or gun-file button (`Res1`).
namespace MacroLoopMode {
constexpr int Count = 0;      // run `LoopNumber` times
constexpr int WhileHeld = 1;  // flag 0x80 on the slot byte
constexpr int UntilPress = 2; // flag 0x40 on the slot byte
} // namespace MacroLoopMode

// What a fire key fires (`Res1`): a mouse button, else a HID keyboard usage. A fire key with
// nothing chosen (0) fires the left button three times without a pause.
namespace FireTarget {
constexpr int Left = 0x81;
constexpr int Right = 0x82;
constexpr int Middle = 0x84;
constexpr int UntargetedShots = 3;
} // namespace FireTarget

// Triple bytes of a combo key event: (usage, 0x05, 0x80) presses, (usage, 0x05, 0x00) releases.
constexpr quint8 kComboEventCode = 0x05;
constexpr quint8 kComboPressFlag = 0x80;

// The four bytes one button sends to the mouse. Every byte is taken modulo 256.
DeviceBytes deviceBytes(const ButtonEntry& entry, const ButtonEncodingInput& input);

// Modifier bit of the HID keyboard report for a key code (Ctrl 1, Shift 2, Alt 4, Win 8), 0 for
// any other key.
int modifierBit(int keyCode);

// Inserts the press and release of a key at position and position + 1, moving the later triples
// up by two (the last two of the 63 fall off). Positions outside the entry change nothing.
void insertComboPair(ButtonEntry& entry, int position, unsigned keyCode);
