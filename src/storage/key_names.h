#pragma once

#include <QString>

// Two key code spaces meet here: the program's own key code (the set-1 scan code of the main
// block, 224..239 for keys that share a scan code, 240..242 for the mouse buttons) and the
// USB HID Keyboard/Keypad usage that macro files and the mouse carry.

enum class KeyLayout {
    Default,
    French,
};

// The storage layer knows no window system: the platform layer's layout check is installed at
// start-up and asked on every lookup, since the user may switch layouts while the program runs.
using FrenchLayoutQuery = bool (*)();
void setFrenchLayoutQuery(FrenchLayoutQuery query);

// Name of a key code in the layout the session uses now; empty for codes without a name.
QString keyName(unsigned keyCode);
QString keyName(unsigned keyCode, KeyLayout layout);

// Both return false and leave the out value alone when the code has no partner.
bool scanToUsage(unsigned keyCode, int& usage);
bool usageToScan(unsigned usage, int& keyCode);

// Number of pairs in the conversion table (every named key but the mouse buttons).
int keyConversionPairCount();
