#pragma once

#include <QStringList>
#include <QVariantList>

class DeviceSession;
class WindowLink;
struct ConfigurationPair;

// What apply, import-conf and export-conf share: the window's start-up load and its sending
// sequence, with their outcome printed.

// Loads the stored configuration as the window does at start-up; prints what could not be done.
void loadConfigurationReporting(ConfigurationPair& configuration);

// Sends everything, not only what changed.
constexpr const char* kFullOption = "--full";

// Takes "--full" out of arguments; true when it was there.
bool takeFullOption(QStringList& arguments);

// Opens the mouse, runs the sending sequence and prints its outcome. Returns the exit code: the
// transfer's when it failed, else 6 when the configuration could not be saved, else 0.
int sendReporting(ConfigurationPair& configuration, bool full, DeviceSession& session);

// Has the running window send (method Apply or ImportConfiguration, with arguments), everything
// when full, and prints the outcome as sendReporting does.
int sendThroughWindow(WindowLink& window, const char* method, const QVariantList& arguments, bool full);
