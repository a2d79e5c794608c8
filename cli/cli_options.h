#pragma once

#include "storage/paths.h"

#include <QString>
#include <QStringList>

// mousecfg-cli [--simulate] [--trace FILE] [--direct] [--verbose] [--app-dir DIR] [--config-dir DIR]
//              COMMAND [ARGS]
struct CliOptions
{
    bool help = false;    // --help
    bool version = false; // --version
    bool simulate = false;
    bool direct = false;          // open the mouse even where the running window could carry the command out
    bool verbose = false;         // say on stderr who carries the command out
    QString traceFile;            // --trace, else MOUSECFG_SIM_TRACE; only with --simulate
    bool traceFromOption = false; // --trace starts a new file; the variable's file is appended to
    DirectoryOptions directories;
    QString command;
    QStringList arguments;
};

// Takes the global options and the command out of args (the program name excluded). False with
// *error set on a bad option; an empty command is left for the caller to report.
bool parseCliOptions(QStringList args, CliOptions& options, QString* error);
