// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "storage/profile_record.h"

#include <QString>

// What a button's label says it does: the key, the combination, what a fire key fires and how,
// the macro and how often it runs; plain functions keep their catalogue name. The texts are those
// of the button functions' catalogue ("ButtonFunction").

// Whether the button runs a macro or gun file (200, 510) that has no file in the macro folder:
// such a button sends an empty macro.
bool macroFileMissing(const ButtonEntry& entry);

// macroMissing: what macroFileMissing says of the entry, asked by the caller since it reads the disk.
QString functionSummary(const ButtonEntry& entry, bool macroMissing);
