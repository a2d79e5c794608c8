// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

// The firmware updater ships under the skin folder; which one runs follows the interface
// language: "FWUPDATE-en" for language 0 (English), "FWUPDATE" otherwise.
QString firmwareUpdaterPath(const QString& dataDirectory, int languageIndex);

enum class UpdaterStart { Started, Missing, NotStarted };

// Starts the updater detached, with no arguments, in its own folder. NotStarted covers a file
// that is not a program as well as one the system refused to run.
UpdaterStart startFirmwareUpdater(const QString& path);
