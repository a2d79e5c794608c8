#pragma once

#include <QFont>
#include <QString>

class QToolButton;
class QWidget;

// The look the program's own dialogs share: the message box and the button dialogs.
namespace DialogLook {
constexpr int ButtonWidth = 110; // design pixels
constexpr int ButtonHeight = 32;
constexpr int Margin = 34;
} // namespace DialogLook

// The text font of the dialogs ("Consolas", bold, 14 design pixels).
QFont dialogFont();
// Text colour style sheets of the dialogs' labels.
QString dialogTextStyle();
QString dialogHeadingStyle();
// A framed field that shows a captured key.
QString keyFieldStyle();

// One of the dialogs' yes/no buttons: an embedded icon beside the text.
QToolButton* makeDialogButton(QWidget* parent, const QString& objectName, const QString& iconPath, const QString& text);
