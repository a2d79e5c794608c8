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
        row(FunctionCode::Left, G::MainMenu, QT_TRANSLATE_NOOP("ButtonFunction", "Left"), { 0x81, 0x00, 0x00, 0x00 }),
        row(FunctionCode::Right, G::MainMenu, QT_TRANSLATE_NOOP("ButtonFunction", "Right"), { 0x82, 0x00, 0x00, 0x00 }),
        row(FunctionCode::Middle, G::MainMenu, QT_TRANSLATE_NOOP("ButtonFunction", "Middle"),
            { 0x83, 0x00, 0x00, 0x00 }),
        row(FunctionCode::Forward, G::MainMenu, QT_TRANSLATE_NOOP("ButtonFunction", "Forward"),
            { 0x85, 0x00, 0x00, 0x00 }),
        row(FunctionCode::Back, G::MainMenu, QT_TRANSLATE_NOOP("ButtonFunction", "Back"), { 0x84, 0x00, 0x00, 0x00 }),
        row(FunctionCode::ButtonOff, G::MainMenu, QT_TRANSLATE_NOOP("ButtonFunction", "Button Off"),
            { 0x00, 0x00, 0x00, 0x00 }),
        row(FunctionCode::Macro, G::MainMenu, QT_TRANSLATE_NOOP("ButtonFunction", "Macro Manager"),
            { 0x91, 0x00, 0x00, 0x00 }),
        row(FunctionCode::GunFile, G::MainMenu, QT_TRANSLATE_NOOP("ButtonFunction", "GunFile Manager"),
            { 0x9D, 0x00, 0x00, 0x00 }),
        row(FunctionCode::LedSwitch, G::MainMenu, QT_TRANSLATE_NOOP("ButtonFunction", "Led Switch"),
            { 0x9B, 0x08, 0x00, 0x00 }, QT_TRANSLATE_NOOP("ButtonFunction", "LED SWITCH")),
        row(17, G::Basic, QT_TRANSLATE_NOOP("ButtonFunction", "Cut"), { 0x8F, 0x01, 0x1B, 0x00 }),
        row(18, G::Basic, QT_TRANSLATE_NOOP("ButtonFunction", "Copy"), { 0x8F, 0x01, 0x06, 0x00 }),
        row(19, G::Basic, QT_TRANSLATE_NOOP("ButtonFunction", "Paste"), { 0x8F, 0x01, 0x19, 0x00 }),
        row(20, G::Basic, QT_TRANSLATE_NOOP("ButtonFunction", "All"), { 0x8F, 0x01, 0x04, 0x00 }),
        row(21, G::Basic, QT_TRANSLATE_NOOP("ButtonFunction", "Find"), { 0x8F, 0x01, 0x09, 0x00 }),
        row(22, G::Basic, QT_TRANSLATE_NOOP("ButtonFunction", "New"), { 0x8F, 0x01, 0x11, 0x00 }),
        row(23, G::Basic, QT_TRANSLATE_NOOP("ButtonFunction", "Print"), { 0x8F, 0x01, 0x13, 0x00 }),
        row(24, G::Basic, QT_TRANSLATE_NOOP("ButtonFunction", "Save"), { 0x8F, 0x01, 0x16, 0x00 }),
        row(25, G::Windows, QT_TRANSLATE_NOOP("ButtonFunction", "Switch Window"), { 0x8F, 0x04, 0x2B, 0x00 }),
        row(26, G::Windows, QT_TRANSLATE_NOOP("ButtonFunction", "Close Window"), { 0x8F, 0x04, 0x3D, 0x00 }),
        row(27, G::Windows, QT_TRANSLATE_NOOP("ButtonFunction", "My Computer"), { 0x8F, 0x08, 0x08, 0x00 }),
        row(28, G::Windows, QT_TRANSLATE_NOOP("ButtonFunction", "Run"), { 0x8F, 0x08, 0x15, 0x00 }),
        row(29, G::Windows, QT_TRANSLATE_NOOP("ButtonFunction", "Show Desktop"), { 0x8F, 0x08, 0x07, 0x00 }),
        row(30, G::Windows, QT_TRANSLATE_NOOP("ButtonFunction", "Lock PC"), { 0x8F, 0x08, 0x0F, 0x00 }),
        row(31, G::Windows, QT_TRANSLATE_NOOP("ButtonFunction", "Browser Home"), { 0x8E, 0x01, 0x23, 0x02 }),
        row(32, G::Windows, QT_TRANSLATE_NOOP("ButtonFunction", "Browser Backward"), { 0x8E, 0x01, 0x24, 0x02 }),
        row(33, G::Windows, QT_TRANSLATE_NOOP("ButtonFunction", "Browser Forward"), { 0x8E, 0x01, 0x25, 0x02 }),
        row(34, G::Windows, QT_TRANSLATE_NOOP("ButtonFunction", "Browser Stop"), { 0x8E, 0x01, 0x26, 0x02 }),
        row(35, G::Windows, QT_TRANSLATE_NOOP("ButtonFunction", "Browser Refresh"), { 0x8E, 0x01, 0x27, 0x02 }),
        row(36, G::Windows, QT_TRANSLATE_NOOP("ButtonFunction", "Browser Search"), { 0x8E, 0x01, 0x21, 0x02 }),
        row(37, G::Windows, QT_TRANSLATE_NOOP("ButtonFunction", "Browser Favorite"), { 0x8E, 0x01, 0x2A, 0x02 }),
        row(38, G::Windows, QT_TRANSLATE_NOOP("ButtonFunction", "Mail"), { 0x8E, 0x01, 0x8A, 0x01 }),
        row(62, G::Windows, QT_TRANSLATE_NOOP("ButtonFunction", "Boss Key"), { 0x8F, 0x08, 0x10, 0x00 }),
        row(FunctionCode::SingleKey, G::Advance, QT_TRANSLATE_NOOP("ButtonFunction", "SINGLE KEY"),
            { 0x90, 0x00, 0x00, 0x00 }),
        row(FunctionCode::ComboKey, G::Advance, QT_TRANSLATE_NOOP("ButtonFunction", "COMBO KEY"),
            { 0x8F, 0x00, 0x00, 0x00 }),
        row(FunctionCode::FireKey, G::Advance, QT_TRANSLATE_NOOP("ButtonFunction", "FIRE KEY"),
            { 0x99, 0x00, 0x00, 0x00 }),
        row(FunctionCode::Sniper, G::Advance, QT_TRANSLATE_NOOP("ButtonFunction", "SNIPER"),
            { 0x9A, 0x00, 0x00, 0x00 }),
        row(39, G::Media, QT_TRANSLATE_NOOP("ButtonFunction", "Play/Pause"), { 0x8E, 0x01, 0xCD, 0x00 }),
        row(40, G::Media, QT_TRANSLATE_NOOP("ButtonFunction", "Stop"), { 0x8E, 0x01, 0xB7, 0x00 }),
        row(41, G::Media, QT_TRANSLATE_NOOP("ButtonFunction", "Previous Track"), { 0x8E, 0x01, 0xB6, 0x00 }),
        row(42, G::Media, QT_TRANSLATE_NOOP("ButtonFunction", "Next Track"), { 0x8E, 0x01, 0xB5, 0x00 }),
        row(FunctionCode::VolumeUp, G::Media, QT_TRANSLATE_NOOP("ButtonFunction", "Volume Up"),
            { 0x8E, 0x01, 0xE9, 0x00 }),
        row(FunctionCode::VolumeDown, G::Media, QT_TRANSLATE_NOOP("ButtonFunction", "Volume Down"),
            { 0x8E, 0x01, 0xEA, 0x00 }),
        row(45, G::Media, QT_TRANSLATE_NOOP("ButtonFunction", "Mute"), { 0x8E, 0x01, 0xE2, 0x00 }),
        row(46, G::Media, QT_TRANSLATE_NOOP("ButtonFunction", "Media Player"), { 0x8E, 0x01, 0x83, 0x01 }),
        row(47, G::Dpi, QT_TRANSLATE_NOOP("ButtonFunction", "DPI Switch"), { 0x88, 0x00, 0x00, 0x00 }),
        row(48, G::Dpi, QT_TRANSLATE_NOOP("ButtonFunction", "DPI +"), { 0x8A, 0x00, 0x00, 0x00 }),
        row(49, G::Dpi, QT_TRANSLATE_NOOP("ButtonFunction", "DPI -"), { 0x89, 0x00, 0x00, 0x00 }),
        row(59, G::ProfileMenu, QT_TRANSLATE_NOOP("ButtonFunction", "Profile Switch"), { 0x8D, 0x00, 0x00, 0x00 }),
        row(57, G::ProfileMenu, QT_TRANSLATE_NOOP("ButtonFunction", "Profile +"), { 0x94, 0x00, 0x00, 0x00 }),
        row(58, G::ProfileMenu, QT_TRANSLATE_NOOP("ButtonFunction", "Profile -"), { 0x95, 0x00, 0x00, 0x00 }),
        row(63, G::PollingRate, QT_TRANSLATE_NOOP("ButtonFunction", "Rate Switch"), { 0x97, 0x01, 0x00, 0x00 }),
        row(50, G::PollingRate, QT_TRANSLATE_NOOP("ButtonFunction", "Rate +"), { 0x97, 0x00, 0x00, 0x00 }),
        row(51, G::PollingRate, QT_TRANSLATE_NOOP("ButtonFunction", "Rate -"), { 0x98, 0x00, 0x00, 0x00 }),
        row(FunctionCode::ScrollUp, G::WheelMenu, QT_TRANSLATE_NOOP("ButtonFunction", "Scroll Up"),
            { 0x8B, 0x00, 0x00, 0x00 }),
        row(FunctionCode::ScrollDown, G::WheelMenu, QT_TRANSLATE_NOOP("ButtonFunction", "Scroll Down"),
            { 0x8C, 0x00, 0x00, 0x00 }),
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
            return QT_TRANSLATE_NOOP("ButtonFunction", "Basic");
        case G::Windows:
            return QT_TRANSLATE_NOOP("ButtonFunction", "Windows");
        case G::Advance:
            return QT_TRANSLATE_NOOP("ButtonFunction", "Advance");
        case G::Media:
            return QT_TRANSLATE_NOOP("ButtonFunction", "Media");
        case G::Dpi:
            return QT_TRANSLATE_NOOP("ButtonFunction", "DPI");
        case G::ProfileMenu:
            return QT_TRANSLATE_NOOP("ButtonFunction", "Profile Menu");
        case G::PollingRate:
            return QT_TRANSLATE_NOOP("ButtonFunction", "Polling Rate");
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
    // An empty entry (0) sends the same four zero bytes as "Button Off", and does as little.
    const FunctionEntry* function = findFunction(code == 0 ? FunctionCode::ButtonOff : code);
    if (function && function->name) {
        return QCoreApplication::translate(kFunctionTextContext, function->name);
    }
    // A code without a label of its own still tells the user what the button holds.
    return QCoreApplication::translate("ButtonFunction", "Function %1").arg(code);
}
