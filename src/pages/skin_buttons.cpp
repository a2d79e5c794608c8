#include "pages/skin_buttons.h"

#include "controls/skin_paths.h"

QStringList tabButtonImages()
{
    return { skinPath(QStringLiteral("tabbutton-1.png")), skinPath(QStringLiteral("tabbutton-3.png")),
             skinPath(QStringLiteral("tabbutton-2.png")) };
}
