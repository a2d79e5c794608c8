// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QStringList>
#include <vector>

class DeviceSession;
class WindowLink;

// One command of mousecfg-cli. run opens the mouse itself (nullptr: only the running window can
// answer); throughWindow has the running window carry it out (nullptr: it needs no mouse, or the
// window has nothing to add). Both return the exit code; a bad argument prints a message naming
// it and returns kExitUsage, and main adds the usage line.
struct CliCommand
{
    const char* name;
    const char* arguments; // for the usage line
    const char* summary;   // for --help
    int (*run)(const QStringList& arguments, DeviceSession& session);
    int (*throughWindow)(const QStringList& arguments, WindowLink& window);
};

// The exit codes, as --help and the README list them.
constexpr int kExitOk = 0;
constexpr int kExitNoDevice = 1;
constexpr int kExitNotConfirmed = 2; // the mouse did not confirm a report after the retries
constexpr int kExitBadFile = 3;      // an input file of another product, damaged or unreadable
constexpr int kExitWriteFailed = 4;  // a write to the mouse failed
constexpr int kExitMouseAsleep = 5;
constexpr int kExitCannotWrite = 6; // a file could not be written (the message names it)
constexpr int kExitUsage = 64;      // EX_USAGE

// Every command, in the order the usage line lists them.
const std::vector<CliCommand>& cliCommands();

// The exit code of a transport or sending result (0, 1, 2, 4, 5).
int exitCodeForResult(int result);

// Prints "mousecfg-cli: " and text to stderr and returns kExitUsage.
int badArgument(const QString& text);

// Whether arguments hold nothing but option (once or not at all), with *given set; else the
// message naming the first other argument is printed.
bool takeOnlyOption(const QStringList& arguments, const char* command, const char* option, bool* given);
constexpr const char* kJsonOption = "--json";

// The one file name arguments hold, or empty after printing why they do not.
QString fileArgument(const QStringList& arguments, const char* command);

int runDevicesCommand(const QStringList& arguments, DeviceSession& session);
int runAppProfilesCommand(const QStringList& arguments, DeviceSession& session);
int runSelectProfileCommand(const QStringList& arguments, DeviceSession& session);
int runSelectProfileThroughWindow(const QStringList& arguments, WindowLink& window);
int runBatteryCommand(const QStringList& arguments, DeviceSession& session);
int runBatteryThroughWindow(const QStringList& arguments, WindowLink& window);
int runApplyCommand(const QStringList& arguments, DeviceSession& session);
int runApplyThroughWindow(const QStringList& arguments, WindowLink& window);
int runImportConfCommand(const QStringList& arguments, DeviceSession& session);
int runImportConfThroughWindow(const QStringList& arguments, WindowLink& window);
int runExportConfCommand(const QStringList& arguments, DeviceSession& session);
int runExportConfThroughWindow(const QStringList& arguments, WindowLink& window);
int runDpiCommand(const QStringList& arguments, DeviceSession& session);
int runDpiThroughWindow(const QStringList& arguments, WindowLink& window);
int runStatusThroughWindow(const QStringList& arguments, WindowLink& window);
int runWatchThroughWindow(const QStringList& arguments, WindowLink& window);
