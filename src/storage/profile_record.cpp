#include "storage/profile_record.h"

#include "storage/file_names.h"
#include "storage/macro_files.h"
#include "storage/product_description.h"
#include "storage/settings_guard.h"

#include <QSettings>

namespace {

const QString kDefaultProfileNamePattern = QStringLiteral("Profile %1");
const QString kWriteSignKey = QStringLiteral("Setting/WriteSign");

constexpr quint32 kDefaultHue = 360;
constexpr qint32 kProfileSwitchUpFunction = 52;
constexpr qint32 kProfileSwitchDownFunction = 53;
constexpr int kProfileSwitchUpSlot = 40;
constexpr int kProfileSwitchDownSlot = 41;
constexpr int kProductButtonSlots = 20;
constexpr int kDebounceDefault = 20;
constexpr int kSyncWithLiftDefault = 2;

constexpr std::array<quint32, kDpiStageCount> kBuiltInDpiLevels = { 8, 12, 16, 24, 50, 75, 0, 0 };
constexpr std::array<qint32, 7> kBuiltInButtonFunctions = { 1, 2, 3, 4, 5, 4, 5 };
constexpr quint32 kBuiltInBrightness = 3;
constexpr quint32 kBuiltInSpeed = 3;

void setBaseDefaults(ProfileRecord& profile)
{
    profile = ProfileRecord();
    profile.pollrate = 1;
    profile.dpi = 1;
    profile.LedMode = 1;
    profile.mousespeed = 10;
    profile.dbclickspeed = 5;
    profile.scrollispage = 0;
    profile.scrollspeed = 1;
    profile.accelenable = 1;
    profile.acee = 1;
    profile.LedMoveOFF = 0;
    profile.LedSleepTime = 1;
    profile.buttons[kProfileSwitchUpSlot].Fun = kProfileSwitchUpFunction;
    profile.buttons[kProfileSwitchDownSlot].Fun = kProfileSwitchDownFunction;
}

void setProductDefaults(ProfileRecord& profile, const ProductDescription& product)
{
    profile.pollrate = static_cast<quint8>(product.pollrate & 0xFF);
    profile.dpi = product.dpi;
    profile.LedMode = product.ledMode;
    for (int i = 0; i < kDpiStageCount; ++i) {
        const quint32 level = static_cast<quint32>(product.dpiLevels[static_cast<size_t>(i)]);
        profile.dpiStages[static_cast<size_t>(i)] = { 1, 1, level, level, level };
    }
    for (int b = 0; b < kProductButtonSlots; ++b) {
        const ProductButtonDefault& source = product.buttons[static_cast<size_t>(b)];
        ButtonEntry& button = profile.buttons[static_cast<size_t>(b)];
        button.Fun = source.Fun;
        button.LoopNumber = source.LoopNumber;
        button.KeyNumber = source.KeyNumber;
        button.Res1 = source.Res1;
        button.Res2 = source.Res2;
        button.Res3 = source.Res3;
        button.Res4 = source.Res4;
    }
    for (int e = 0; e < kLedEffectCount; ++e) {
        const ProductEffectDefault& source = product.effects[static_cast<size_t>(e)];
        LedEffectSetting& effect = profile.ledEffects[static_cast<size_t>(e)];
        effect.RGB = source.color;
        effect.h = kDefaultHue;
        effect.bright = static_cast<quint32>(source.brightness);
        effect.breath = static_cast<quint32>(source.speed);
    }
}

void setBuiltInDefaults(ProfileRecord& profile)
{
    profile.LedMode = 9;
    for (int i = 0; i < kDpiStageCount; ++i) {
        const quint32 level = kBuiltInDpiLevels[static_cast<size_t>(i)];
        profile.dpiStages[static_cast<size_t>(i)] = { 1, 1, level, level, level };
    }
    for (size_t b = 0; b < kBuiltInButtonFunctions.size(); ++b) {
        profile.buttons[b].Fun = kBuiltInButtonFunctions[b];
    }
    for (LedEffectSetting& effect : profile.ledEffects) {
        effect.RGB = QColor(255, 0, 0);
        effect.h = kDefaultHue;
        effect.bright = kBuiltInBrightness;
        effect.breath = kBuiltInSpeed;
    }
    profile.ledEffects[4].breath = 2;
    profile.ledEffects[9].breath = 4;
    profile.ledEffects[10].breath = 5;
    profile.ledEffects[10].RGB = QColor(0, 255, 0);
    profile.ledEffects[12].breath = 1;
}

void makeDefaultProfileFrom(ProfileRecord& profile, const ProductDescription* product)
{
    setBaseDefaults(profile);
    if (product) {
        setProductDefaults(profile, *product);
    } else {
        setBuiltInDefaults(profile);
    }
}

bool generalSettingsDiffer(const ConfigRecord& a, const ConfigRecord& b)
{
    for (int p = 0; p < kProfileCount; ++p) {
        const ProfileRecord& pa = a.profiles[static_cast<size_t>(p)];
        const ProfileRecord& pb = b.profiles[static_cast<size_t>(p)];
        if (pa.pollrate != pb.pollrate || pa.scrollspeed != pb.scrollspeed) {
            return true;
        }
    }
    if (a.AngleValue != b.AngleValue || a.LiftHigh != b.LiftHigh || a.Sync != b.Sync || a.Jitter != b.Jitter ||
        a.Debounce != b.Debounce || a.ProfileID != b.ProfileID) {
        return true;
    }
    if (a.ProfileID >= kProfileCount) {
        return false;
    }
    const ProfileRecord& pa = a.profiles[a.ProfileID];
    const ProfileRecord& pb = b.profiles[b.ProfileID];
    return pa.dpi != pb.dpi || pa.LedMode != pb.LedMode || pa.LedMoveOFF != pb.LedMoveOFF ||
           pa.LedSleepTime != pb.LedSleepTime;
}

bool dpiStagesDiffer(const ConfigRecord& a, const ConfigRecord& b)
{
    for (int p = 0; p < kProfileCount; ++p) {
        for (int s = 0; s < kDpiStageCount; ++s) {
            const DpiStage& sa = a.profiles[static_cast<size_t>(p)].dpiStages[static_cast<size_t>(s)];
            const DpiStage& sb = b.profiles[static_cast<size_t>(p)].dpiStages[static_cast<size_t>(s)];
            if (sa.used != sb.used || sa.x != sb.x || sa.y != sb.y) {
                return true;
            }
        }
    }
    return false;
}

// A macro saved since the last upload carries a write sign; picking it up clears it so the
// macro is sent once.
bool takeMacroWriteSign(const QString& macroName)
{
    if (!isValidFileName(macroName)) {
        return false;
    }
    const QString path = macroFilePath(macroName);
    {
        const GuardedSettings file(path, GuardedSettings::Mode::Read);
        if (file.settings().value(kWriteSignKey).toInt() == 0) {
            return false;
        }
    }
    GuardedSettings file(path, GuardedSettings::Mode::Write);
    file.settings().setValue(kWriteSignKey, 0);
    file.sync();
    return true;
}

bool buttonScalarsDiffer(const ButtonEntry& a, const ButtonEntry& b)
{
    return a.ID != b.ID || a.Fun != b.Fun || a.LoopNumber != b.LoopNumber || a.KeyNumber != b.KeyNumber ||
           a.Res1 != b.Res1 || a.Res2 != b.Res2 || a.Res3 != b.Res3 || a.Res4 != b.Res4;
}

enum class WriteSigns { Leave, Take };

bool buttonsDiffer(const ConfigRecord& a, const ConfigRecord& b, WriteSigns signs)
{
    for (int p = 0; p < kProfileCount; ++p) {
        for (int s = 0; s < kButtonSlotCount; ++s) {
            const ButtonEntry& ba = a.profiles[static_cast<size_t>(p)].buttons[static_cast<size_t>(s)];
            const ButtonEntry& bb = b.profiles[static_cast<size_t>(p)].buttons[static_cast<size_t>(s)];
            if (buttonScalarsDiffer(ba, bb)) {
                return true;
            }
            if (ba.KeyInfo != bb.KeyInfo) {
                return true;
            }
            if (ba.Fun == kMacroFunction &&
                (ba.macroname != bb.macroname || (signs == WriteSigns::Take && takeMacroWriteSign(ba.macroname)))) {
                return true;
            }
        }
    }
    return false;
}

bool lightingDiffers(const ConfigRecord& a, const ConfigRecord& b)
{
    for (int p = 0; p < kProfileCount; ++p) {
        const ProfileRecord& pa = a.profiles[static_cast<size_t>(p)];
        const ProfileRecord& pb = b.profiles[static_cast<size_t>(p)];
        if (pa.LedMode != pb.LedMode) {
            return true;
        }
        // An effect index read from a file may name no effect; there is nothing to compare then.
        if (pa.LedMode < kLedEffectCount && pa.ledEffects[pa.LedMode] != pb.ledEffects[pb.LedMode]) {
            return true;
        }
    }
    return false;
}

} // namespace

bool DpiStage::operator==(const DpiStage& other) const
{
    return used == other.used && link == other.link && xy == other.xy && x == other.x && y == other.y;
}

bool ButtonEntry::operator==(const ButtonEntry& other) const
{
    return !buttonScalarsDiffer(*this, other) && KeyInfo == other.KeyInfo && macroname == other.macroname;
}

bool LedEffectSetting::operator==(const LedEffectSetting& other) const
{
    return RGB == other.RGB && h == other.h && s == other.s && v == other.v && bright == other.bright &&
           breath == other.breath;
}

bool ProfileRecord::operator==(const ProfileRecord& other) const
{
    return pollrate == other.pollrate && dpi == other.dpi && LedMode == other.LedMode &&
           LedMoveOFF == other.LedMoveOFF && LedSleepTime == other.LedSleepTime && dpiStages == other.dpiStages &&
           mousespeed == other.mousespeed && dbclickspeed == other.dbclickspeed && scrollispage == other.scrollispage &&
           scrollspeed == other.scrollspeed && accelenable == other.accelenable && acee == other.acee &&
           buttons == other.buttons && ledEffects == other.ledEffects && ProfileName == other.ProfileName &&
           ProfilePath == other.ProfilePath;
}

bool ConfigRecord::operator==(const ConfigRecord& other) const
{
    return ProfileID == other.ProfileID && profiles == other.profiles && AngleValue == other.AngleValue &&
           LiftHigh == other.LiftHigh && Sync == other.Sync && Count == other.Count && Jitter == other.Jitter &&
           Debounce == other.Debounce && profileNames == other.profileNames;
}

QString defaultProfileName(int slot)
{
    return kDefaultProfileNamePattern.arg(slot + 1);
}

void makeDefaultProfile(ProfileRecord& profile)
{
    ProductDescription product;
    const bool known = readProductDescription(product) == 0;
    makeDefaultProfileFrom(profile, known ? &product : nullptr);
}

void makeDefaultDeviceOptions(ConfigRecord& config)
{
    config.ProfileID = 0;
    config.AngleValue = 1;
    config.Sync = 0;
    config.Jitter = 1;
    config.Debounce = kDebounceDefault;
    config.LiftHigh = productSync() == kSyncWithLiftDefault ? 1 : 0;
}

void makeDefaultConfiguration(ConfigRecord& config)
{
    makeDefaultDeviceOptions(config);
    ProductDescription product;
    const bool known = readProductDescription(product) == 0;
    for (ProfileRecord& profile : config.profiles) {
        makeDefaultProfileFrom(profile, known ? &product : nullptr);
    }
    for (int slot = 0; slot < kProfileCount; ++slot) {
        config.profileNames[static_cast<size_t>(slot)] = defaultProfileName(slot);
    }
}

ChangeFlags compareConfigurations(const ConfigRecord& working, const ConfigRecord& uploaded)
{
    ChangeFlags flags = ChangeFlag::None;
    if (generalSettingsDiffer(working, uploaded)) {
        flags = ChangeFlag::General;
    }
    if (dpiStagesDiffer(working, uploaded)) {
        flags |= ChangeFlag::Dpi;
    }
    if (buttonsDiffer(working, uploaded, WriteSigns::Leave)) {
        flags |= ChangeFlag::Buttons;
    }
    if (lightingDiffers(working, uploaded)) {
        flags |= ChangeFlag::Lighting;
    }
    return flags;
}

ChangeFlags takeMacroChanges(const ConfigRecord& working, const ConfigRecord& uploaded)
{
    return buttonsDiffer(working, uploaded, WriteSigns::Take) ? ChangeFlag::Buttons : ChangeFlag::None;
}
