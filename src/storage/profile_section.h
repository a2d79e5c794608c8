#pragma once

#include "storage/profile_keys.h"
#include "storage/profile_record.h"

class QSettings;

// The exported configuration carries no move-to-light-off and sleep-time keys; reading it must
// leave those two fields as they were.
enum class LedExtras {
    Included,
    Excluded,
};

void writeProfileSection(QSettings& settings, const ProfileKeys& keys, const ProfileRecord& profile, LedExtras extras);

// What a profile reads from a file without any of its keys.
void setMissingFileValues(ProfileRecord& profile);

// Fills profile from the section by the reading rule (missing keys read 0 or empty, "LedMoveOFF"
// 255, "LedSleepTime" 1, 8-bit fields keep the low 8 bits). Returns true when every key was present
// and held exactly what the record now holds, so writing the record back would change nothing.
bool readProfileSection(const QSettings& settings, const ProfileKeys& keys, ProfileRecord& profile, LedExtras extras);
