// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "storage/product_description.h"
#include "storage/profile_record.h"
#include "storage/storage_result.h"

#include <QString>

// The files that hold profile and configuration records: Config.ini with the five slot names,
// one profile file per slot name, the default profile file and exported configurations. Each
// operation uses one settings object over a checked file (see settings_guard.h).

constexpr const char* kConfigFileFilter = "Config File(*.conf)";
constexpr const char* kProfileFileFilter = "Profile File(*.prof)";
// Shown when an imported configuration holds values that cannot be read safely.
constexpr const char* kMalformedImportMessage = "The file is damaged and cannot be loaded.";

// Reads Config.ini and the five slot profile files, and the product's button matrix into the
// application's. A slot whose name is not a valid file name reads as a missing file and makes
// the result InvalidName; an active profile index outside 0..4 reads as 0.
StorageResult loadConfiguration(ConfigRecord& config);

// Writes the device-wide options, the five slot names and the five slot profile files. A
// profile file that already holds its record is not rewritten. Slots with invalid names are
// skipped and make the result InvalidName. *failedPath, when given, names the first file that was
// not written (or the slot name that names no file).
StorageResult saveConfiguration(const ConfigRecord& config, QString* failedPath = nullptr);

// "Config/ProfileID", "Config/Count" and the five "Config/Profile%d" names.
StorageResult saveProfileList(const ConfigRecord& config);
StorageResult saveActiveProfileIndex(int index);
// "PROFILE/dpi" of the named profile's file.
StorageResult saveProfileDpiStage(const QString& profileName, int stage);

// A missing file reads as all keys missing; a damaged one reads without its unsafe values and
// gives MalformedFile.
StorageResult readProfileFile(ProfileRecord& profile, const QString& path);
// Leaves a file alone that already holds exactly this record.
StorageResult writeProfileFile(const ProfileRecord& profile, const QString& path);

StorageResult readNamedProfile(ProfileRecord& profile, const QString& name);
StorageResult writeNamedProfile(const ProfileRecord& profile, const QString& name);

// Factory defaults into configuration directory + "/Profile/DefaultProfile.prof".
StorageResult writeDefaultProfileFile();

// The caller writes the product tag first; this adds the options and "PROFILE_0".."PROFILE_4".
StorageResult exportConfiguration(const ConfigRecord& config, const QString& path);

// A whole exported configuration: the product tag, the options and "PROFILE_0".."PROFILE_4". The
// file is made complete beside path and renamed over it, so an old file at path is replaced whole
// and never read; the caller checks first that path is a regular file or a new one.
StorageResult writeConfigurationFile(const ConfigRecord& config, const QString& productName, const QString& path);

// An exported profile file: what libraryPath (the profile's own file, when it exists) holds,
// with profile's values and the product tag written over it. Written like a configuration file:
// made complete beside path and renamed over it.
StorageResult writeExportedProfileFile(const ProfileRecord& profile, const QString& productName,
                                       const QString& libraryPath, const QString& path);

// Refuses a missing file with FileNotFound and a damaged one with MalformedFile, and leaves config
// untouched then. Slot names missing from
// the file, or not valid file names, keep the names config already had.
StorageResult importConfiguration(ConfigRecord& config, const QString& path);

// "MouseName/Name": which product an exported file belongs to.
StorageResult writeProductTag(const QString& productName, const QString& path);
QString readProductTag(const QString& path);

// The device button position of each button slot, as loaded by loadConfiguration.
ButtonTable applicationButtonMatrix();
