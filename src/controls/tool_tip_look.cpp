// SPDX-License-Identifier: GPL-3.0-or-later
#include "controls/tool_tip_look.h"

#include "controls/theme.h"

#include <QPalette>
#include <QToolTip>

void ToolTipLook::install()
{
    QPalette palette = QToolTip::palette();
    // A tip over a widget with a style sheet of its own is drawn from the window roles.
    for (const QPalette::ColorRole role : { QPalette::ToolTipBase, QPalette::Window, QPalette::Base })
        palette.setColor(role, QColor(Palette::Surface));
    for (const QPalette::ColorRole role : { QPalette::ToolTipText, QPalette::WindowText, QPalette::Text })
        palette.setColor(role, QColor(Palette::Text));
    QToolTip::setPalette(palette);
}
