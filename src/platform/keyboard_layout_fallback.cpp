#include "platform/keyboard_layout.h"

// Platforms without a layout service get the default key names.
QString keyboardLayoutName()
{
    return QString();
}
