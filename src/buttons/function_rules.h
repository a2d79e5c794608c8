// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "buttons/function_catalogue.h"

#include <QString>
#include <QVector>
#include <array>

struct MacroFile;

// What happens when the user picks a function for a button. Plain functions over a profile's
// button entries: they change the entries and say what happened; the button page only shows it.

using ProfileButtons = std::array<ButtonEntry, kButtonSlotCount>;

enum class FunctionChange {
    Applied,
    RefusedLastLeftClick,      // the page raises PopOneClickBox: one button must keep "Left"
    RefusedGunFileOnFirstSlot, // "Left Button Can not be Gun Function."
    NeedsMacroLibrary,         // no macros yet: the page raises GotoMacroTab(3)
    Cancelled,                 // the user closed the dialog of the function without accepting
};

constexpr const char* kGunFileOnFirstSlotText = "Left Button Can not be Gun Function.";
constexpr const char* kGunFileOnFirstSlotTitle = "Warning";
constexpr const char* kMacroSelectTitle = QT_TRANSLATE_NOOP("TarqMacroSelect", "MACRO SELECT");
constexpr const char* kGunFileSelectTitle = QT_TRANSLATE_NOOP("TarqMacroSelect", "GUNFILE SELECT");
constexpr int kMacroTabIndex = 3;

// Button groups of the page: the two rows of 20 and the two wheel positions.
constexpr int kWheelFirstSlot = 40;
int buttonGroupOfSlot(int slot);

// The slots the button upload sends for a product of buttonCount buttons: 0..B-1 and the wheel.
bool isSentButtonSlot(int slot, int buttonCount);
// Whether one of those slots holds "Left".
bool keepsLeftClick(const ProfileButtons& buttons, int buttonCount);

// Refuses taking "Left" away from the last sent button that has it; everything else may change.
FunctionChange checkLeftClickRule(const ProfileButtons& buttons, int slot, int newCode);

// A plain catalogue entry: only `Fun` changes.
FunctionChange choosePlainFunction(ProfileButtons& buttons, int slot, int code);

// The accepted values of the key dialogs.
FunctionChange chooseSingleKey(ProfileButtons& buttons, int slot, int keyCode);
FunctionChange chooseComboKeys(ProfileButtons& buttons, int slot, const QVector<int>& keyCodes);
FunctionChange chooseFireKey(ProfileButtons& buttons, int slot, int target, int shots, int intervalMs);
FunctionChange chooseSniper(ProfileButtons& buttons, int slot, int dpiIndex);

// Whether the macro selection may open at all ("Macro Manager" with an empty library may not).
FunctionChange checkMacroSelection(const ProfileButtons& buttons, int slot, int code, int macroCount);

// What the macro selection dialog opens with: the button's own choice when it already has this
// function, else no name (the dialog then shows the settings of the macro the user picks).
struct MacroSelection
{
    QString name;
    int runs = 1;
    int loopMode = 0;
};
MacroSelection macroSelectionPreset(const ButtonEntry& entry, int code);

// The macro editor's own loop settings of a macro file ("Setting/LoopType", "Setting/LoopTime"),
// as the selection dialog's mode and count: LoopType 2 and 3 are the repeat modes, anything else
// counted runs; a count outside 1..255 gives one run.
MacroSelection macroSelectionOfFile(const QString& name, const MacroFile& macro);

// The run counts a counted macro may have.
constexpr int kMinimumMacroRuns = 1;
constexpr int kMaximumMacroRuns = 255;

// The accepted macro selection (code 200 or 510): stores the choice and copies the file's events.
// A missing file still assigns the macro, with no events.
FunctionChange chooseMacro(ProfileButtons& buttons, int slot, int code, const QString& name, int runs, int loopMode);

// Whether a catalogue entry appears in the menu of a button group, given the product switches.
bool isOfferedInMenu(const FunctionEntry& function, int group, bool macroDisabled, bool ledDisabled);
