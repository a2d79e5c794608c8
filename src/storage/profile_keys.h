#pragma once

#include "storage/profile_record.h"

#include <QString>
#include <array>

// The key names of one profile section: "PROFILE" in a profile file, "PROFILE_0".."PROFILE_4"
// in an exported configuration. Built once per section; 8453 keys, so callers never format them.

struct DpiStageKeys
{
    QString used, link, xy, x, y;
};

struct KeySlotKeys
{
    QString map, code, H;
};

struct ButtonKeys
{
    QString ID, Fun, LoopNumber, KeyNumber, Res1, Res2, Res3, Res4, macroname;
    std::array<KeySlotKeys, kKeySlotCount> keySlots;
};

struct LedEffectKeys
{
    QString RGB, h, s, v, bright, breath;
};

struct ProfileKeys
{
    QString pollrate, dpi, mousespeed, dbclickspeed, scrollispage, scrollspeed, accelenable, acee;
    QString ProfileName, ProfilePath, LedMode, LedMoveOFF, LedSleepTime;
    std::array<DpiStageKeys, kDpiStageCount> dpiStages;
    std::array<ButtonKeys, kButtonSlotCount> buttons;
    std::array<LedEffectKeys, kLedEffectCount> ledEffects;
};

// Number of keys a complete profile file holds.
constexpr int kProfileFileKeyCount = 8453;

// Keys of the "PROFILE" section of a profile file.
const ProfileKeys& profileFileKeys();

// Keys of section "PROFILE_<index>" of an exported configuration, index 0..4.
const ProfileKeys& exportedProfileKeys(int index);
