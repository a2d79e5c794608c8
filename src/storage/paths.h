// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>
#include <QStringList>

// The two directories every path of the program is built from. Set once at start-up, before
// any thread starts; read-only afterwards.

struct DirectoryOptions
{
    QString appDir;    // --app-dir, else MOUSECFG_APP_DIR, else the executable's directory
    QString configDir; // --config-dir, else MOUSECFG_CONFIG_DIR, else appDir + "/Configs" (installed: the XDG one)
};

// Removes "--app-dir DIR", "--config-dir DIR" (or "--app-dir=DIR") from args into options.
// Returns false and sets *error when an option has no value.
bool takeDirectoryOptions(QStringList& args, DirectoryOptions& options, QString* error = nullptr);

// Resolves the application directory alone (command line, then environment, then the
// executable's directory) and makes nothing: the product description can then be read, for the
// instance lock, before any file is written. initDirectories does this too.
void initAppDirectory(const DirectoryOptions& options = {});

// Resolves both directories (command line, then environment, then defaults; the XDG configuration
// home when the application directory is not writable), creates the configuration directory and
// seeds a missing Config.ini from dataDir() + "/defaults/Config.ini".
// A configuration directory that cannot be written is replaced by the XDG one; *notice then says
// which directory is used instead and why. Returns false and sets *error when no configuration
// directory can be written.
bool initDirectories(const DirectoryOptions& options = {}, QString* error = nullptr, QString* notice = nullptr);

// Copies dataDir() + "/defaults/Config.ini" to a missing Config.ini of the configuration directory.
// True when the file was made.
bool seedConfigFile();

// The application directory, without a trailing slash: where the programs are, or the
// directory --app-dir or MOUSECFG_APP_DIR names.
QString appDir();

// The directory of the shipped data (DefaultProfile.bin, defaults/, skin/, lang/), without a
// trailing slash. It is the application directory when that was named or holds the product
// description itself (a build tree); an installed program's is the data directory chosen at build
// time, found relative to the application directory.
QString dataDir();

// The configuration directory, without a trailing slash.
QString configDir();
