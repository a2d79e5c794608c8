// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// Tooltips in the skin's colours: the dark surface, light text and a frame in the accent. Without
// it they take the desktop's, light yellow on the dark window.
namespace ToolTipLook {

// Applies the look to the whole application, with the current accent; installing again after the
// accent changed replaces the earlier look.
void install();

} // namespace ToolTipLook
