// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "storage/storage_result.h"

#include <QString>
#include <QVector>

// The rules that pick an on-board profile for the application in front: group "AppProfiles" of
// Config.ini. Slots are counted 1..5 here, as the file and the user count them.

constexpr int kMaxAppProfileRules = 50;
constexpr int kFirstAppProfileSlot = 1;
constexpr int kLastAppProfileSlot = 5;
// "AppProfiles/Default" 0: stay on the slot the mouse is on when no rule matches.
constexpr int kStayOnCurrentSlot = 0;

struct AppProfileRule
{
    QString match; // an X instance or class name, or an executable's base name; compared ignoring case
    int slot = kFirstAppProfileSlot;

    bool operator==(const AppProfileRule& other) const { return match == other.match && slot == other.slot; }
};

struct AppProfileSettings
{
    bool enabled = false;
    int defaultSlot = kStayOnCurrentSlot;
    QVector<AppProfileRule> rules;

    bool operator==(const AppProfileSettings& other) const
    {
        return enabled == other.enabled && defaultSlot == other.defaultSlot && rules == other.rules;
    }
};

// A rule's match text as it is kept: trimmed, and empty when it holds a control character or a
// path separator (no such name can match).
QString cleanAppProfileMatch(const QString& text);

// Reads the group; a value that is not what its key may hold is left out with one debug line
// (a rule with an unusable text or slot is dropped, other junk reads as the default).
AppProfileSettings readAppProfileSettings();
// Replaces the group with settings; rules beyond the limit or unusable ones are not written.
StorageResult writeAppProfileSettings(const AppProfileSettings& settings);
