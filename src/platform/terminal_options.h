// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>
#include <QStringList>
#include <utility>
#include <vector>

// What a program with a window answers from a terminal. It reads argv before its application
// object exists, so that --help, --version and a mistake among its own options need no display.
// Arguments with one dash are the toolkit's (-platform, -display, ...): they and their values are
// left for the application object, and whatever it does not take is a mistake as well.
struct TerminalOptions
{
    bool help = false;
    bool version = false;
    QStringList rest; // what is not the program's own
};

// argv after the program name, read before the application object exists.
QStringList argumentsBeforeApplication(int argc, char* argv[]);

// Takes --help, --version and each of flags (its bool set when present) out of args.
TerminalOptions takeTerminalOptions(QStringList args, const std::vector<std::pair<QString, bool*>>& flags = {});

// The first of rest that the toolkit cannot take either (it starts with two dashes); empty when none.
QString firstUnknownLongOption(const QStringList& rest);

// For --help prints usage, for --version "program version", on stdout, and returns 0; returns -1
// for neither.
int answerHelpOrVersion(const TerminalOptions& options, const char* program, const char* usage, const char* version);
