// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "session/record_gate.h"

#include <QString>
#include <QStringList>

// Loading a slot or library profile through the gate in. A file that is missing, unreadable or
// damaged gives the product's defaults, as a new profile starts, never an empty record; a damaged
// one is kept beside as NAME.prof.damaged so nothing the user had is overwritten.

enum class ProfileFileState {
    Sound,
    Missing,
    Unreadable,  // not a regular file, or not readable
    Damaged,     // unsafe values, no profile section, or another product's file
    SymbolicLink // read through, but never written through
};

ProfileFileState inspectProfileFile(const QString& path);

// Whether a missing file is worth a word: a slot seeded at a first start is not.
enum class MissingFile {
    Report,
    Silent,
};

// For a record already read from path: replaces it by the defaults when the file was not sound,
// then repairs its values. Returns the report lines, each naming the file.
QStringList gateReadProfile(ProfileRecord& profile, const QString& path, const RecordLimits& limits,
                            MissingFile missing = MissingFile::Report);

// Reads path into profile and passes it through the gate.
QStringList loadProfileThroughGate(ProfileRecord& profile, const QString& path, const RecordLimits& limits,
                                   MissingFile missing = MissingFile::Report);
