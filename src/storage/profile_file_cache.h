#pragma once

#include "storage/profile_record.h"

#include <QString>

// What each profile file was last read or written as, so a save of an unchanged record leaves
// its file alone: a profile write costs far more than comparing records. An entry counts only
// while the file's size and times are those seen when it was stored.

void rememberProfileFile(const QString& path, const ProfileRecord& profile);
bool profileFileHolds(const QString& path, const ProfileRecord& profile);
void forgetProfileFile(const QString& path);
void forgetAllProfileFiles();
