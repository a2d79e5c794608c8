// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QFont>
#include <QMargins>
#include <QPixmap>
#include <QString>

class QToolButton;
class QWidget;

// The look the program's own dialogs share: the message box and the button dialogs.
namespace DialogLook {
constexpr int ButtonWidth = 110; // design pixels
constexpr int ButtonHeight = 32;
constexpr int Margin = 34;
} // namespace DialogLook

// The text font of the dialogs: the language's family ("FONT_LIST"), bold, 14 design pixels.
QFont dialogFont();
// Text colour style sheets of the dialogs' labels.
QString dialogTextStyle();
QString dialogHeadingStyle();
// A framed field that shows a captured key.
QString keyFieldStyle();

// One of the dialogs' yes/no buttons: an embedded icon beside the text.
QToolButton* makeDialogButton(QWidget* parent, const QString& objectName, const QString& iconPath, const QString& text);

// A dialog's skin picture drawn at size: the margins (design pixels) are drawn as they are and only
// the part between them stretches, so corners and the heading's rule stay in place when a dialog
// grows. A null skin gives a null picture.
QPixmap dialogPicture(const QPixmap& skin, const QSize& size, const QMargins& fixedMargins);

// Cuts the widget's window to the opaque part of picture (drawn at the widget's size): without a
// compositor the transparent rounded corners would show black. A null picture keeps the whole rectangle.
void maskToPicture(QWidget* widget, const QPixmap& picture);
