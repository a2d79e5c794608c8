#include "buttons/function_catalogue.h"

#include "storage/profile_record.h"

#include <QCoreApplication>

namespace {

using G = FunctionGroup;

FunctionEntry row(int code, FunctionGroup group, const char* name, DeviceBytes bytes, const char* menuText = nullptr)
{
    return { code, group, name, menuText ? menuText : name, bytes };
}

std::vector<FunctionEntry> buildCatalogue()
{
    return {
        row(FunctionCode::Left, G::MainMenu, "Left", { 0x81, 0x00, 0x00, 0x00 }),
        row(FunctionCode::Right, G::MainMenu, "Right", { 0x82, 0x00, 0x00, 0x00 }),
        row(FunctionCode::Middle, G::MainMenu, "Middle", { 0x83, 0x00, 0x00, 0x00 }),
        row(FunctionCode::Forward, G::MainMenu, "Forward", { 0x85, 0x00, 0x00, 0x00 }),
        row(FunctionCode::Back, G::MainMenu, "Back", { 0x84, 0x00, 0x00, 0x00 }),
        row(FunctionCode::ButtonOff, G::MainMenu, "Button Off", { 0x00, 0x00, 0x00, 0x00 }),
        row(FunctionCode::Macro, G::MainMenu, "Macro Manager", { 0x91, 0x00, 0x00, 0x00 }),
        row(FunctionCode::GunFile, G::MainMenu, "GunFile Manager", { 0x9D, 0x00, 0x00, 0x00 }),
        row(FunctionCode::LedSwitch, G::MainMenu, "Led Switch", { 0x9B, 0x08, 0x00, 0x00 }, "LED SWITCH"),
        row(17, G::Basic, "Cut", { 0x8F, 0x01, 0x1B, 0x00 }),
        row(18, G::Basic, "Copy", { 0x8F, 0x01, 0x06, 0x00 }),
        row(19, G::Basic, "Paste", { 0x8F, 0x01, 0x19, 0x00 }),
        row(20, G::Basic, "All", { 0x8F, 0x01, 0x04, 0x00 }),
        row(21, G::Basic, "Find", { 0x8F, 0x01, 0x09, 0x00 }),
        row(22, G::Basic, "New", { 0x8F, 0x01, 0x11, 0x00 }),
        row(23, G::Basic, "Print", { 0x8F, 0x01, 0x13, 0x00 }),
        row(24, G::Basic, "Save", { 0x8F, 0x01, 0x16, 0x00 }),
        row(25, G::Windows, "Switch Window", { 0x8F, 0x04, 0x2B, 0x00 }),
        row(26, G::Windows, "Close Window", { 0x8F, 0x04, 0x3D, 0x00 }),
        row(27, G::Windows, "My Computer", { 0x8F, 0x08, 0x08, 0x00 }),
        row(28, G::Windows, "Run", { 0x8F, 0x08, 0x15, 0x00 }),
        row(29, G::Windows, "Show Desktop", { 0x8F, 0x08, 0x07, 0x00 }),
        row(30, G::Windows, "Lock PC", { 0x8F, 0x08, 0x0F, 0x00 }),
        row(31, G::Windows, "Browser Home", { 0x8E, 0x01, 0x23, 0x02 }),
        row(32, G::Windows, "Browser Backward", { 0x8E, 0x01, 0x24, 0x02 }),
        row(33, G::Windows, "Browser Forward", { 0x8E, 0x01, 0x25, 0x02 }),
        row(34, G::Windows, "Browser Stop", { 0x8E, 0x01, 0x26, 0x02 }),
        row(35, G::Windows, "Browser Refresh", { 0x8E, 0x01, 0x27, 0x02 }),
        row(36, G::Windows, "Browser Search", { 0x8E, 0x01, 0x21, 0x02 }),
        row(37, G::Windows, "Browser Favorite", { 0x8E, 0x01, 0x2A, 0x02 }),
        row(38, G::Windows, "Mail", { 0x8E, 0x01, 0x8A, 0x01 }),
        row(62, G::Windows, "Boss Key", { 0x8F, 0x08, 0x10, 0x00 }),
        row(FunctionCode::SingleKey, G::Advance, "SINGLE KEY", { 0x90, 0x00, 0x00, 0x00 }),
        row(FunctionCode::ComboKey, G::Advance, "COMBO KEY", { 0x8F, 0x00, 0x00, 0x00 }),
        row(FunctionCode::FireKey, G::Advance, "FIRE KEY", { 0x99, 0x00, 0x00, 0x00 }),
        row(FunctionCode::Sniper, G::Advance, "SNIPER", { 0x9A, 0x00, 0x00, 0x00 }),
        row(39, G::Media, "Play/Pause", { 0x8E, 0x01, 0xCD, 0x00 }),
        row(40, G::Media, "Stop", { 0x8E, 0x01, 0xB7, 0x00 }),
        row(41, G::Media, "Previous Track", { 0x8E, 0x01, 0xB6, 0x00 }),
        row(42, G::Media, "Next Track", { 0x8E, 0x01, 0xB5, 0x00 }),
        row(FunctionCode::VolumeUp, G::Media, "Volume Up", { 0x8E, 0x01, 0xE9, 0x00 }),
        row(FunctionCode::VolumeDown, G::Media, "Volume Down", { 0x8E, 0x01, 0xEA, 0x00 }),
        row(45, G::Media, "Mute", { 0x8E, 0x01, 0xE2, 0x00 }),
        row(46, G::Media, "Media Player", { 0x8E, 0x01, 0x83, 0x01 }),
        row(47, G::Dpi, "DPI Switch", { 0x88, 0x00, 0x00, 0x00 }),
        row(48, G::Dpi, "DPI +", { 0x8A, 0x00, 0x00, 0x00 }),
        row(49, G::Dpi, "DPI -", { 0x89, 0x00, 0x00, 0x00 }),
        row(59, G::ProfileMenu, "Profile Switch", { 0x8D, 0x00, 0x00, 0x00 }),
        row(57, G::ProfileMenu, "Profile +", { 0x94, 0x00, 0x00, 0x00 }),
        row(58, G::ProfileMenu, "Profile -", { 0x95, 0x00, 0x00, 0x00 }),
        row(63, G::PollingRate, "Rate Switch", { 0x97, 0x01, 0x00, 0x00 }),
        row(50, G::PollingRate, "Rate +", { 0x97, 0x00, 0x00, 0x00 }),
        row(51, G::PollingRate, "Rate -", { 0x98, 0x00, 0x00, 0x00 }),
        row(FunctionCode::ScrollUp, G::WheelMenu, "Scroll Up", { 0x8B, 0x00, 0x00, 0x00 }),
        row(FunctionCode::ScrollDown, G::WheelMenu, "Scroll Down", { 0x8C, 0x00, 0x00, 0x00 }),
        row(13, G::Hidden, nullptr, { 0x30, 0x00, 0x00, 0x00 }),
        row(60, G::Hidden, nullptr, { 0x9F, 0x00, 0x00, 0x00 }),
        row(61, G::Hidden, nullptr, { 0xA0, 0x00, 0x00, 0x00 }),
    };
}

} // namespace

const std::vector<FunctionEntry>& functionCatalogue()
{
    static const std::vector<FunctionEntry> catalogue = buildCatalogue();
    return catalogue;
}

const FunctionEntry* findFunction(int code)
{
    for (const FunctionEntry& entry : functionCatalogue()) {
        if (entry.code == code) {
            return &entry;
        }
    }
    return nullptr;
}

DeviceBytes deviceTableBytes(int code)
{
    const FunctionEntry* entry = findFunction(code);
    return entry ? entry->bytes : DeviceBytes{ 0, 0, 0, 0 };
}

const char* functionGroupTitle(FunctionGroup group)
{
    switch (group) {
        case G::Basic:
            return "Basic";
        case G::Windows:
            return "Windows";
        case G::Advance:
            return "Advance";
        case G::Media:
            return "Media";
        case G::Dpi:
            return "DPI";
        case G::ProfileMenu:
            return "Profile Menu";
        case G::PollingRate:
            return "Polling Rate";
        case G::MainMenu:
        case G::WheelMenu:
        case G::Hidden:
            break;
    }
    return nullptr;
}

QString functionName(int code, const ButtonEntry& entry)
{
    if (code == FunctionCode::Macro || code == FunctionCode::GunFile) {
        return entry.macroname;
    }
    const FunctionEntry* function = findFunction(code);
    if (function && function->name) {
        return QCoreApplication::translate(kFunctionTextContext, function->name);
    }
    // A code without a label of its own still tells the user what the button holds.
    return QCoreApplication::translate(kFunctionTextContext, "Function %1").arg(code);
}
