#include "storage/profile_keys.h"

namespace {

const QString kProfileSection = QStringLiteral("PROFILE");
const QString kExportedProfileSection = QStringLiteral("PROFILE_%1");

ProfileKeys buildKeys(const QString& section)
{
    const QString p = section + QLatin1Char('/');
    ProfileKeys keys;
    keys.pollrate = p + QLatin1String("pollrate");
    keys.dpi = p + QLatin1String("dpi");
    for (int i = 0; i < kDpiStageCount; ++i) {
        const QString stage = p + QStringLiteral("DPI_INFO_%1_").arg(i);
        keys.dpiStages[static_cast<size_t>(i)] = { stage + QLatin1String("used"), stage + QLatin1String("link"),
                                                   stage + QLatin1String("xy"), stage + QLatin1String("x"),
                                                   stage + QLatin1String("y") };
    }
    keys.mousespeed = p + QLatin1String("mousespeed");
    keys.dbclickspeed = p + QLatin1String("dbclickspeed");
    keys.scrollispage = p + QLatin1String("scrollispage");
    keys.scrollspeed = p + QLatin1String("scrollspeed");
    keys.accelenable = p + QLatin1String("accelenable");
    keys.acee = p + QLatin1String("acee");
    for (int b = 0; b < kButtonSlotCount; ++b) {
        const QString button = p + QStringLiteral("BUTTON_INFO_%1_").arg(b);
        ButtonKeys& k = keys.buttons[static_cast<size_t>(b)];
        k.ID = button + QLatin1String("ID");
        k.Fun = button + QLatin1String("Fun");
        k.LoopNumber = button + QLatin1String("LoopNumber");
        k.KeyNumber = button + QLatin1String("KeyNumber");
        k.Res1 = button + QLatin1String("Res1");
        k.Res2 = button + QLatin1String("Res2");
        k.Res3 = button + QLatin1String("Res3");
        k.Res4 = button + QLatin1String("Res4");
        k.macroname = button + QLatin1String("macroname");
        for (int s = 0; s < kKeySlotCount; ++s) {
            // The code byte's key ends in the bare underscore.
            const QString slot = button + QStringLiteral("KeyInfo_%1_").arg(s);
            k.keySlots[static_cast<size_t>(s)] = { slot + QLatin1String("map"), slot, slot + QLatin1String("H") };
        }
    }
    keys.ProfileName = p + QLatin1String("ProfileName");
    keys.ProfilePath = p + QLatin1String("ProfilePath");
    keys.LedMode = p + QLatin1String("LedMode");
    keys.LedMoveOFF = p + QLatin1String("LedMoveOFF");
    keys.LedSleepTime = p + QLatin1String("LedSleepTime");
    for (int e = 0; e < kLedEffectCount; ++e) {
        const QString effect = p + QStringLiteral("LedMode/LED_MODE_%1_").arg(e);
        keys.ledEffects[static_cast<size_t>(e)] = {
            effect + QLatin1String("RGB"), effect + QLatin1String("h"),      effect + QLatin1String("s"),
            effect + QLatin1String("v"),   effect + QLatin1String("bright"), effect + QLatin1String("breath")
        };
    }
    return keys;
}

} // namespace

const ProfileKeys& profileFileKeys()
{
    static const ProfileKeys keys = buildKeys(kProfileSection);
    return keys;
}

const ProfileKeys& exportedProfileKeys(int index)
{
    static const std::array<ProfileKeys, kProfileCount> keys = [] {
        std::array<ProfileKeys, kProfileCount> all;
        for (int i = 0; i < kProfileCount; ++i) {
            all[static_cast<size_t>(i)] = buildKeys(kExportedProfileSection.arg(i));
        }
        return all;
    }();
    return keys[static_cast<size_t>(index)];
}
