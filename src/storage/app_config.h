// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "storage/storage_result.h"

#include <QString>
#include <QStringList>

// Config.ini of the configuration directory and the product folder beside it. Every accessor
// opens the file, reads or writes its keys and closes it again.

constexpr int kDefaultBatteryFull = 4200;
constexpr int kDefaultBatteryWarn1 = 15;
constexpr int kDefaultBatteryWarn2 = 5;

QString configIniPath();

// Config.ini that names no product, leaves a slot without a profile name or holds unsafe values
// cannot be worked with as it is: every save would write the empty names back and orphan the
// profile files.
bool configIniIsDamaged();
// Config.ini that cannot be opened or parsed at all; only such a file is replaced whole.
bool configIniIsUnreadable();
// Fills in what a damaged Config.ini lacks (the product description's product name, a free
// default name for each slot without one) and drops its unsafe values; everything else, the macro
// list and the language among it, stays. *filled receives the keys written.
StorageResult completeConfigIni(QStringList* filled = nullptr);
// Where such a file is kept for the user: Config.ini + ".damaged", replacing an older one.
QString damagedConfigIniPath();
// Moves a damaged Config.ini aside and starts again from the shipped defaults; what the defaults
// lack is filled in (the product description's product name, the default slot names).
StorageResult replaceDamagedConfigIni();

// Where profile files live: configuration directory + "/Profile/" + name + ".prof".
QString profileDirectory();
QString profileFilePath(const QString& name);
QString defaultProfileFilePath();

// Configuration directory + "/" + current product name; empty when that name is not a valid
// file name. Its "/Config.ini" holds the profile library list, its "/Profile/" the library.
QString productFolder();
QString productConfigPath();
QString libraryProfileFilePath(const QString& name);

// Creates the product folder, its "/Profile/" folder and a "PROFILE_LIST" of the five default
// names when the product configuration has none yet.
StorageResult ensureProductFolder();

// "PROFILE_LIST/Count" names "PROFILE_LIST/1".. of the product configuration.
QStringList readProfileList();
StorageResult writeProfileList(const QStringList& names);
// "PROFILE_LIST/SCount" names "PROFILE_LIST/S1"..
QStringList readShortProfileList();

// "Config/Diff": 1 when the mouse may differ from the stored configuration and the next upload
// must send everything.
int pendingUploadFlag();
StorageResult setPendingUploadFlag(int flag);

// "Config/Battery": the battery percentage last shown.
int batteryLevel();
StorageResult setBatteryLevel(int percent);

// "Config/BatteryFull", 4200 when missing.
int batteryFullThreshold();

// "Config/BatteryWarn1" and "Config/BatteryWarn2": the battery percentages of the two low-battery
// warnings, 0 for none; 15 and 5 when missing, not a number or not 0..100.
int batteryFirstWarningThreshold();
int batterySecondWarningThreshold();

// "Config/CurrentProductName"; refuses names that cannot name the product folder.
QString currentProductName();
StorageResult setCurrentProductName(const QString& name);

// "Config/Model".
QString modelText();

// "Config/GColorID": index into the interface's accent colour table.
int accentColorIndex();

// "MouseSenSor/1": which sensor the device command builders talk to.
int sensorVariant();

// "MouseLEDMode/" + current product name.
int lightingVariant();

// "Mouse_List/%d".
QString mouseListEntry(int index);

// "Config/LastFileFolder": the folder the last file dialog was left in, so the next one starts
// there; empty before the first.
QString lastFileFolder();
StorageResult setLastFileFolder(const QString& folder);
