#pragma once

#include "storage/profile_record.h"

#include <QStringList>

class DeviceSession;

// Exit code of a configuration file that cannot be used (another product's, or damaged).
constexpr int kExitBadFile = 3;

// The two records the window keeps: what the pages edit and what the mouse was last given.
struct CliConfiguration
{
    ConfigRecord working;
    ConfigRecord lastUploaded;
};

// Loads the stored configuration as the window does at start-up: into the last-uploaded record,
// copied into the working one; the default profile file is written afresh.
void loadStartupConfiguration(CliConfiguration& configuration);

// Takes "--full" out of arguments; true when it was there.
bool takeFullOption(QStringList& arguments);

// Opens the mouse and runs the sending sequence of one apply. The exit code is its result:
// 0 sent (or nothing to send), 5 mouse off, any other value a transport failure.
int sendConfiguration(CliConfiguration& configuration, bool full, DeviceSession& session);
