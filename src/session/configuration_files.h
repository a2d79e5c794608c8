#pragma once

#include "storage/profile_record.h"

#include <QString>
#include <QStringList>

// Saving and loading a whole configuration file (".conf"), as the window's SAVE and LOAD1 do and
// as the command line's export-conf and import-conf do. Each returns what happened and the
// message to show; nothing is read or written before the path has passed its checks.

// Shown when a file of another product is loaded.
constexpr const char* kOtherProductMessage = "The file is not match current mouse!";

enum class ConfigFileProblem {
    None,
    EmptyPath,       // no file named
    NotARegularFile, // a directory, device node, FIFO, socket or dangling link
    NoFolder,        // the folder of a new file does not exist (it is not made)
    WriteFailed,
    Unreadable, // missing, not a regular file, or not readable
    Damaged,    // holds a serialised value that cannot be read safely
    OtherProduct,
};

struct ConfigFileResult
{
    ConfigFileProblem problem = ConfigFileProblem::None;
    QString path;
    QString fileProduct;    // the product the file names, with OtherProduct
    QString currentProduct; // the product of this installation, with OtherProduct
    // What the gate in repaired in an imported configuration, one line each.
    QStringList repairs;

    bool ok() const { return problem == ConfigFileProblem::None; }
    // What to tell the user; empty when ok.
    QString message() const;
};

// Where an export may go: an existing regular file, which is replaced whole, or a new file in an
// existing folder.
ConfigFileResult checkExportTarget(const QString& path);

// Writes the current product's name and config into path after checkExportTarget.
ConfigFileResult exportConfigurationFile(const ConfigRecord& config, const QString& path);

// Checks that path is a readable regular file of the current product without unsafe values,
// then reads it into config (untouched on any refusal) through the gate in.
ConfigFileResult checkImportSource(const QString& path);
ConfigFileResult importConfigurationFile(ConfigRecord& config, const QString& path);
