#pragma once

#include <QString>

// Names that become file names (profiles, macros, products) must stay inside their folder.
// Refused: empty after trimming, "." or "..", or holding "/", "\", ":" or a control character.
bool isValidFileName(const QString& name);
