#pragma once

#include "macro/macro_events.h"

#include <QString>

// How one macro row reads in the editor's table, the gun dialogs and for screen readers.
struct MacroRowLook
{
    QString icon;   // skin image name
    QString action; // what happens
    QString delay;  // "%d ms" for a delay row, else empty
};

// Texts translated in the macro editor's catalogue; unit is the delay unit in milliseconds.
MacroRowLook macroRowLook(const MacroEvent& event, int unit);

// Source texts of the mouse-button and direction names, for callers that translate them in
// the macro editor's context ("MacroDialog").
const char* mouseButtonName(quint8 buttonBit);
const char* moveDirectionName(MoveDirection direction);
