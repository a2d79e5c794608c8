// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "storage/profile_record.h"

#include <QByteArray>
#include <QString>
#include <QStringList>

// Start-up as the window does it, shared with the command line.

// The two records the window keeps: what the pages edit and what the mouse was last given.
struct ConfigurationPair
{
    ConfigRecord working;
    ConfigRecord lastUploaded;
};

// A message made before the window's language is installed: it is translated when it is read.
struct StartupNote
{
    const char* source = nullptr; // the untranslated text with %1.. placeholders; null for none
    QStringList arguments;

    bool isEmpty() const { return source == nullptr; }
    // In the language installed now.
    QString text() const;
};

// Runs right after the directories are set and before anything reads Config.ini: a damaged one
// (no product name, a slot without a name) is kept as Config.ini.damaged and replaced by the
// shipped defaults. Returns the note for the user, empty when the file was sound.
StartupNote checkConfigurationFile();

// Loads the stored configuration into the last-uploaded record, copied into the working one, and
// writes the default profile file afresh; first run makes the product folder and its profile
// list. Returns a message for each step that failed (the load goes on with defaults).
// Later leaves the default profile file as it is unless a slot must be seeded from it; the
// caller then runs refreshDefaultProfileFile() when time is less precious.
enum class DefaultProfileRefresh { Now, Later };
QStringList loadStartupConfiguration(ConfigurationPair& configuration,
                                     DefaultProfileRefresh defaults = DefaultProfileRefresh::Now);

// Writes the default profile file afresh from the product description, unless it holds that
// already. Returns the message for the user when it could not be written.
QStringList refreshDefaultProfileFile();

// The product whose interfaces to open: the only connected one, else the stored current product.
QByteArray productToOpen();
