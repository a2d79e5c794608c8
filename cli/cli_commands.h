#pragma once

#include <QStringList>
#include <vector>

class DeviceSession;

// One command of mousecfg-cli. run returns the exit code; a bad argument returns kExitUsage and
// main prints the usage line.
struct CliCommand
{
    const char* name;
    const char* arguments; // for the usage line
    int (*run)(const QStringList& arguments, DeviceSession& session);
};

constexpr int kExitOk = 0;
constexpr int kExitNoDevice = 1;
constexpr int kExitUsage = 2;

// Every command, in the order the usage line lists them.
const std::vector<CliCommand>& cliCommands();

int runDevicesCommand(const QStringList& arguments, DeviceSession& session);
int runSelectProfileCommand(const QStringList& arguments, DeviceSession& session);
int runBatteryCommand(const QStringList& arguments, DeviceSession& session);
int runApplyCommand(const QStringList& arguments, DeviceSession& session);
int runImportConfCommand(const QStringList& arguments, DeviceSession& session);
int runExportConfCommand(const QStringList& arguments, DeviceSession& session);
