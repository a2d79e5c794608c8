// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// Tooltips in the skin's colours: the dark surface and light text. Without it they take the
// desktop's, light yellow on the dark window.
namespace ToolTipLook {

// Applies the look to every tooltip of the application. A palette, not a style sheet: an
// application style sheet would restyle every widget, Qt's file dialogs included.
void install();

} // namespace ToolTipLook
