// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

class QMenu;
class QWidget;

// Fails the running test when a visible text of root or of any widget inside it is cut: every
// label, button, check box, line edit and bar text must fit the room its control has (measured
// with the font it is drawn in), or be elided with "…" while its tooltip holds the whole text.
void verifyVisibleTextsFit(QWidget& root, const QString& where);

// The tooltip the widget shows when the pointer rests on it; empty when it shows none.
QString toolTipShown(QWidget* widget);

// The same for the entries of a menu, which it opens and closes again.
void verifyMenuEntriesFit(QMenu& menu, const QString& where);
