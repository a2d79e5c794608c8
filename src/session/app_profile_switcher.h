// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "session/active_window.h"
#include "storage/app_profile_rules.h"

#include <optional>

// Decides which on-board slot the application in front asks for. It only decides: the window
// carries a switch out through its own slot switch. Slots are counted 1..5; 0 means none.
class AppProfileSwitcher final
{
public:
    // New rules; the application seen last is forgotten, so the next focus is decided afresh.
    void setSettings(const AppProfileSettings& settings);
    const AppProfileSettings& settings() const { return m_settings; }

    // The slot of the first rule that matches window, or 0 when none does.
    int matchingSlot(const ActiveWindow& window) const;

    // The slot to switch to now that window is in front and the mouse is on activeSlot, or 0:
    // when switching is off, when focus only moved within the same application, when no rule
    // matches and the default is to stay, or when the mouse is on that slot already.
    int slotForFocus(const ActiveWindow& window, int activeSlot);

    // One of the program's own windows came to the front: nothing switches, but returning to an
    // application afterwards counts as a change of application.
    void ownWindowFocused() { m_lastApplication.reset(); }

private:
    AppProfileSettings m_settings;
    std::optional<ActiveWindow> m_lastApplication;
};
