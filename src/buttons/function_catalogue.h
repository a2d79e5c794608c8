#pragma once

#include "storage/profile_record.h"

#include <QString>
#include <QtGlobal>
#include <array>
#include <vector>

// Function codes with a meaning of their own in the program (the others are plain table rows).
namespace FunctionCode {
constexpr int Left = 1;
constexpr int Right = 2;
constexpr int Middle = 3;
constexpr int Forward = 4;
constexpr int Back = 5;
constexpr int SingleKey = 6;
constexpr int ComboKey = 7;
constexpr int FireKey = 12;
constexpr int ButtonOff = 16;
constexpr int VolumeUp = 43;
constexpr int VolumeDown = 44;
constexpr int ScrollUp = 52;
constexpr int ScrollDown = 53;
constexpr int LedSwitch = 54;
constexpr int Sniper = 55;
constexpr int Macro = kMacroFunction;
constexpr int GunFile = 510;
} // namespace FunctionCode

// Where a function stands in the button menus.
enum class FunctionGroup {
    MainMenu,
    Basic,
    Windows,
    Advance,
    Media,
    Dpi,
    ProfileMenu,
    PollingRate,
    WheelMenu,
    Hidden,
};

using DeviceBytes = std::array<quint8, 4>;

struct FunctionEntry
{
    int code;
    FunctionGroup group;
    const char* name;     // source text of the label, nullptr for codes without one
    const char* menuText; // source text of the menu entry
    DeviceBytes bytes;    // the device function table row; parameters are filled in later
};

// Translation context of the function names and group titles (the texts in the table carry it
// literally, so that lupdate finds them).
constexpr const char* kFunctionTextContext = "ButtonFunction";

// Every known function, in menu order.
const std::vector<FunctionEntry>& functionCatalogue();

// nullptr for a code the program does not know.
const FunctionEntry* findFunction(int code);

// The device table row of a code; a code without a row is sent as four zero bytes.
DeviceBytes deviceTableBytes(int code);

// Source text of a submenu title; nullptr for the groups that are not submenus.
const char* functionGroupTitle(FunctionGroup group);

// The label a button shows for its function: a macro or gun file shows its file's name.
QString functionName(int code, const ButtonEntry& entry);
