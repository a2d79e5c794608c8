// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QAccessible>
#include <functional>

class QAbstractSlider;
class QWidget;

// What screen readers are told where a skinned control is not what its class says: a tab drawn as
// an image button is a page tab, two exclusive check boxes are radio buttons, a slider of sensor
// steps reports DPI.
namespace Accessibility {

// Installs the program's accessible interfaces; later calls do nothing. Run before any window shows.
void install();

// The widget reads as role. Set before the widget is first shown: interfaces are made once.
void setRole(QWidget* widget, QAccessible::Role role);

// The slider reports shownOfStep(value) as its value and range: the units its label shows.
// shownOfStep must grow with the step.
void setShownValue(QAbstractSlider* slider, std::function<int(int step)> shownOfStep);

} // namespace Accessibility
