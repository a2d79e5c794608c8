#pragma once

#include <QColor>
#include <QString>
#include <QtGlobal>
#include <array>

// The records that move between the stored files, the pages and the device. Plain values:
// copying one copies everything, and nothing refers into another record.

constexpr int kProfileCount = 5;
constexpr int kDpiStageCount = 8;
constexpr int kButtonSlotCount = 42;
constexpr int kKeySlotCount = 63;
constexpr int kLedEffectCount = 14;

// The function code that makes a button play the macro file named by its `macroname`.
constexpr qint32 kMacroFunction = 200;

struct DpiStage
{
    quint8 used = 0;
    quint8 link = 0;
    quint32 xy = 0;
    quint32 x = 0;
    quint32 y = 0;

    bool operator==(const DpiStage& other) const;
    bool operator!=(const DpiStage& other) const { return !(*this == other); }
};

// One key or macro event slot of a button: kind/modifier byte, code byte, high byte.
struct KeyInfo
{
    quint8 map = 0;
    quint8 code = 0;
    quint8 H = 0;

    bool operator==(const KeyInfo& other) const { return map == other.map && code == other.code && H == other.H; }
    bool operator!=(const KeyInfo& other) const { return !(*this == other); }
};

struct ButtonEntry
{
    qint32 ID = 0;
    qint32 Fun = 0;
    qint32 LoopNumber = 0;
    qint32 KeyNumber = 0;
    std::array<::KeyInfo, kKeySlotCount> KeyInfo{};
    quint8 Res1 = 0;
    quint8 Res2 = 0;
    quint8 Res3 = 0;
    quint8 Res4 = 0;
    QString macroname;

    bool operator==(const ButtonEntry& other) const;
    bool operator!=(const ButtonEntry& other) const { return !(*this == other); }
};

struct LedEffectSetting
{
    QColor RGB; // default-constructed: the invalid colour
    quint32 h = 0;
    quint32 s = 0;
    quint32 v = 0;
    quint32 bright = 0;
    quint32 breath = 0;

    bool operator==(const LedEffectSetting& other) const;
    bool operator!=(const LedEffectSetting& other) const { return !(*this == other); }
};

struct ProfileRecord
{
    quint8 pollrate = 0;
    quint8 dpi = 0;
    quint8 LedMode = 0;
    quint8 LedMoveOFF = 0;
    quint8 LedSleepTime = 0;
    std::array<DpiStage, kDpiStageCount> dpiStages{};
    quint8 mousespeed = 0;
    quint8 dbclickspeed = 0;
    quint8 scrollispage = 0;
    quint8 scrollspeed = 0;
    quint8 accelenable = 0;
    quint8 acee = 0;
    std::array<ButtonEntry, kButtonSlotCount> buttons{};
    std::array<LedEffectSetting, kLedEffectCount> ledEffects{};
    QString ProfileName;
    QString ProfilePath;

    bool operator==(const ProfileRecord& other) const;
    bool operator!=(const ProfileRecord& other) const { return !(*this == other); }
};

struct ConfigRecord
{
    quint8 ProfileID = 0;
    std::array<ProfileRecord, kProfileCount> profiles{};
    quint8 AngleValue = 0;
    quint8 LiftHigh = 0;
    quint8 Sync = 0;
    quint8 Count = 0;
    quint8 Jitter = 0;
    quint8 Debounce = 0;
    std::array<QString, kProfileCount> profileNames{};

    bool operator==(const ConfigRecord& other) const;
    bool operator!=(const ConfigRecord& other) const { return !(*this == other); }
};

// Which sections of the device configuration an upload has to resend.
using ChangeFlags = int;
namespace ChangeFlag {
constexpr ChangeFlags None = 0;
constexpr ChangeFlags General = 1;
constexpr ChangeFlags Dpi = 2;
constexpr ChangeFlags Buttons = 4;
constexpr ChangeFlags Lighting = 8;
constexpr ChangeFlags All = 15;
} // namespace ChangeFlag

// "Profile 1" .. "Profile 5": the names of the five slots after a reset.
QString defaultProfileName(int slot);

// Factory defaults from the product description, or built-in ones when it is missing.
void makeDefaultProfile(ProfileRecord& profile);

// The factory device-wide options: ProfileID 0, AngleValue 1, Sync 0, Jitter 1, Debounce 20, and
// LiftHigh 1 for a product of sync mode 2, else 0. Profiles, names and `Count` are left alone.
void makeDefaultDeviceOptions(ConfigRecord& config);

// Every profile gets the factory defaults (a reset must not leave old slots to be saved under
// the default names); `Count` is kept.
void makeDefaultConfiguration(ConfigRecord& config);

// What differs between the working and the last-uploaded configuration. Touches no file, so the
// window may compare as often as it likes.
ChangeFlags compareConfigurations(const ConfigRecord& working, const ConfigRecord& uploaded);

// The sending sequence's half of the comparison: Buttons when a button differs or a macro it
// names was saved since the last upload, else None. Walks the buttons up to the first difference
// and reads, and resets to 0, the "Setting/WriteSign" of each macro file on the way, so an edited
// macro is sent once.
ChangeFlags takeMacroChanges(const ConfigRecord& working, const ConfigRecord& uploaded);
