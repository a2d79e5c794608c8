#pragma once

#include <QByteArray>
#include <QString>

// The keyboard layout of the user's session, asked of the system on every call because the
// user may switch layouts while the program runs.

// The layout list of the session ("fr", "us,de"); empty when the system does not say.
QString keyboardLayoutName();

// A layout whose first entry starts with "fr" selects the French key names.
bool isFrenchKeyboardLayout();
bool isFrenchLayoutName(const QString& layoutName);

// The layout field of an XKB rules-names property: NUL-separated rules, model, layout,
// variant and options. Empty when the property is shorter than that.
QString layoutFromXkbRulesNames(const QByteArray& property);
