#include "platform/keyboard_layout.h"

#include <windows.h>

namespace {
constexpr WORD kFrenchFrance = 0x040C;
}

// Windows names layouts by language identifier; only French (France) has key names of its own.
QString keyboardLayoutName()
{
    const WORD language = LOWORD(reinterpret_cast<quintptr>(GetKeyboardLayout(0)));
    return language == kFrenchFrance ? QStringLiteral("fr") : QString::number(language, 16);
}
