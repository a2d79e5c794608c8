// SPDX-License-Identifier: GPL-3.0-or-later
#include "buttons/function_rules.h"

#include "buttons/function_encoding.h"
#include "storage/macro_files.h"
#include "storage/product_description.h"

#include <algorithm>
#include <iterator>

namespace {

constexpr int kRowSlotCount = 20;

// The wheel positions offer only these; the rows offer every menu entry.
constexpr int kWheelMenuCodes[] = { FunctionCode::ScrollUp,   FunctionCode::ScrollDown, FunctionCode::VolumeUp,
                                    FunctionCode::VolumeDown, FunctionCode::Left,       FunctionCode::Right,
                                    FunctionCode::Middle,     FunctionCode::Forward,    FunctionCode::Back,
                                    FunctionCode::SingleKey,  FunctionCode::ComboKey };

bool validSlot(int slot)
{
    return slot >= 0 && slot < kButtonSlotCount;
}

// Runs the left-click rule and, when it passes, the change itself.
template<typename Change>
FunctionChange changeIfAllowed(ProfileButtons& buttons, int slot, int newCode, Change change)
{
    const FunctionChange check = checkLeftClickRule(buttons, slot, newCode);
    if (check != FunctionChange::Applied) {
        return check;
    }
    ButtonEntry& entry = buttons[slot];
    change(entry);
    entry.Fun = newCode;
    return FunctionChange::Applied;
}

// The first slot never fires a gun file, whatever else it holds; then the left-click rule.
FunctionChange checkMacroTarget(const ProfileButtons& buttons, int slot, int code)
{
    if (code == FunctionCode::GunFile && slot == 0) {
        return FunctionChange::RefusedGunFileOnFirstSlot;
    }
    return checkLeftClickRule(buttons, slot, code);
}

} // namespace

int buttonGroupOfSlot(int slot)
{
    return slot >= kWheelFirstSlot ? 2 : slot / kRowSlotCount;
}

bool isSentButtonSlot(int slot, int buttonCount)
{
    const int count = buttonCount > 0 ? std::min(buttonCount, kButtonSlotCount) : kButtonSlotCount;
    return (slot >= 0 && slot < count) || slot == kWheelFirstSlot || slot == kWheelFirstSlot + 1;
}

bool keepsLeftClick(const ProfileButtons& buttons, int buttonCount)
{
    for (int slot = 0; slot < kButtonSlotCount; ++slot) {
        if (isSentButtonSlot(slot, buttonCount) && buttons[slot].Fun == FunctionCode::Left) {
            return true;
        }
    }
    return false;
}

FunctionChange checkLeftClickRule(const ProfileButtons& buttons, int slot, int newCode)
{
    if (!validSlot(slot) || buttons[slot].Fun != FunctionCode::Left || newCode == FunctionCode::Left) {
        return FunctionChange::Applied;
    }
    // A Left on a slot the mouse is never sent keeps nothing, so only the sent slots count.
    const int buttonCount = productButtonCount();
    if (!isSentButtonSlot(slot, buttonCount)) {
        return FunctionChange::Applied;
    }
    ProfileButtons changed = buttons;
    changed[slot].Fun = newCode;
    return keepsLeftClick(changed, buttonCount) ? FunctionChange::Applied : FunctionChange::RefusedLastLeftClick;
}

FunctionChange choosePlainFunction(ProfileButtons& buttons, int slot, int code)
{
    if (!validSlot(slot)) {
        return FunctionChange::Applied;
    }
    return changeIfAllowed(buttons, slot, code, [](ButtonEntry&) {});
}

FunctionChange chooseSingleKey(ProfileButtons& buttons, int slot, int keyCode)
{
    if (!validSlot(slot)) {
        return FunctionChange::Applied;
    }
    return changeIfAllowed(buttons, slot, FunctionCode::SingleKey,
                           [keyCode](ButtonEntry& entry) { entry.Res1 = static_cast<quint8>(keyCode & 0xFF); });
}

FunctionChange chooseComboKeys(ProfileButtons& buttons, int slot, const QVector<int>& keyCodes)
{
    if (!validSlot(slot)) {
        return FunctionChange::Applied;
    }
    return changeIfAllowed(buttons, slot, FunctionCode::ComboKey, [&keyCodes](ButtonEntry& entry) {
        entry.KeyInfo.fill({});
        for (int i = 0; i < keyCodes.size(); ++i) {
            insertComboPair(entry, i, static_cast<unsigned>(keyCodes.at(i)));
        }
    });
}

FunctionChange chooseFireKey(ProfileButtons& buttons, int slot, int target, int shots, int intervalMs)
{
    if (!validSlot(slot)) {
        return FunctionChange::Applied;
    }
    return changeIfAllowed(buttons, slot, FunctionCode::FireKey, [=](ButtonEntry& entry) {
        entry.Res1 = static_cast<quint8>(target & 0xFF);
        entry.LoopNumber = shots;
        entry.KeyNumber = intervalMs;
    });
}

FunctionChange chooseSniper(ProfileButtons& buttons, int slot, int dpiIndex)
{
    if (!validSlot(slot)) {
        return FunctionChange::Applied;
    }
    return changeIfAllowed(buttons, slot, FunctionCode::Sniper,
                           [dpiIndex](ButtonEntry& entry) { entry.Res1 = static_cast<quint8>(dpiIndex & 0xFF); });
}

FunctionChange checkMacroSelection(const ProfileButtons& buttons, int slot, int code, int macroCount)
{
    const FunctionChange check = checkMacroTarget(buttons, slot, code);
    if (check != FunctionChange::Applied) {
        return check;
    }
    // Gun files are macro files, so an empty library sends both choices to the macro editor.
    if ((code == FunctionCode::Macro || code == FunctionCode::GunFile) && macroCount <= 0) {
        return FunctionChange::NeedsMacroLibrary;
    }
    return FunctionChange::Applied;
}

MacroSelection macroSelectionPreset(const ButtonEntry& entry, int code)
{
    if (entry.Fun != code) {
        return {};
    }
    return { entry.macroname, entry.LoopNumber, entry.Res1 };
}

MacroSelection macroSelectionOfFile(const QString& name, const MacroFile& macro)
{
    // The file's loop types count from 1 ("none" is 0); the dialog's modes count from 0.
    constexpr int kFileRepeatWhileHeld = 2;
    constexpr int kFileRepeatUntilPressed = 3;
    MacroSelection selection;
    selection.name = name;
    if (macro.loopType == kFileRepeatWhileHeld || macro.loopType == kFileRepeatUntilPressed) {
        selection.loopMode = macro.loopType - 1;
    }
    if (macro.loopTime >= kMinimumMacroRuns && macro.loopTime <= kMaximumMacroRuns) {
        selection.runs = macro.loopTime;
    }
    return selection;
}

FunctionChange chooseMacro(ProfileButtons& buttons, int slot, int code, const QString& name, int runs, int loopMode)
{
    if (!validSlot(slot)) {
        return FunctionChange::Applied;
    }
    // The same refusals, in the same order, as when the selection was about to open.
    const FunctionChange check = checkMacroTarget(buttons, slot, code);
    if (check != FunctionChange::Applied) {
        return check;
    }
    return changeIfAllowed(buttons, slot, code, [&](ButtonEntry& entry) {
        entry.LoopNumber = runs;
        entry.Res1 = static_cast<quint8>(loopMode & 0xFF);
        entry.macroname = name;
        const MacroFile macro = loadMacro(name);
        // The count is the file's; a button holds 63 events, so a longer file keeps its first 63.
        entry.KeyNumber = macro.events.size();
        const int copied = std::min<int>(macro.events.size(), kKeySlotCount);
        for (int j = 0; j < copied; ++j) {
            const MacroEvent& event = macro.events.at(j);
            entry.KeyInfo[j] = { event.kind, event.dataL, event.dataH };
        }
    });
}

bool isOfferedInMenu(const FunctionEntry& function, int group, bool macroDisabled, bool ledDisabled)
{
    if (group == 2) {
        return std::find(std::begin(kWheelMenuCodes), std::end(kWheelMenuCodes), function.code) !=
               std::end(kWheelMenuCodes);
    }
    switch (function.group) {
        case FunctionGroup::Hidden:
        case FunctionGroup::ProfileMenu:
        case FunctionGroup::WheelMenu:
            return false;
        default:
            break;
    }
    if (function.code == FunctionCode::Macro && macroDisabled) {
        return false;
    }
    return !(function.code == FunctionCode::LedSwitch && ledDisabled);
}
