// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

// Where the program keeps what only its user may reach: the instance locks and the companion's
// socket. That is $XDG_RUNTIME_DIR when it is a real directory of the user's that nobody else can
// write; without one, a directory of the program's own in the temp folder, "mousecfg-<uid>", made
// 0700 and checked to be the user's real directory and not a link. A name there that another user
// took is passed over for the next one ("mousecfg-<uid>.1", ...): nobody can keep a user from the
// directory by making a file or a link of that name, and every copy of the user's finds the same.
// Returns the absolute path, without a trailing slash; empty with *problem set when there is none.
QString userRuntimeDirectory(QString* problem = nullptr);

// How many names of the temp folder userRuntimeDirectory tries before it gives up.
constexpr int kRuntimeDirectoryCandidates = 8;
