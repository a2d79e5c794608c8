#include "random_config.h"

#include <QRandomGenerator>

namespace {

quint8 byte(QRandomGenerator& random)
{
    return static_cast<quint8>(random.bounded(256));
}

QString text(QRandomGenerator& random)
{
    // Commas, quotes, backslashes, an at sign and non-Latin letters all need escaping in INI text.
    static const QString alphabet = QString::fromUtf8("abcXYZ 019,;=\"\\@/äß简");
    QString result;
    const int length = random.bounded(12);
    for (int i = 0; i < length; ++i) {
        result += alphabet.at(random.bounded(alphabet.size()));
    }
    return result;
}

void fillProfile(QRandomGenerator& random, ProfileRecord& profile)
{
    profile.pollrate = byte(random);
    profile.dpi = byte(random);
    profile.LedMode = byte(random);
    profile.LedMoveOFF = byte(random);
    profile.LedSleepTime = byte(random);
    for (DpiStage& stage : profile.dpiStages) {
        stage = { byte(random), byte(random), random.generate(), random.generate(), random.generate() };
    }
    profile.mousespeed = byte(random);
    profile.dbclickspeed = byte(random);
    profile.scrollispage = byte(random);
    profile.scrollspeed = byte(random);
    profile.accelenable = byte(random);
    profile.acee = byte(random);
    for (ButtonEntry& button : profile.buttons) {
        button.ID = static_cast<qint32>(random.generate());
        button.Fun = static_cast<qint32>(random.generate());
        button.LoopNumber = static_cast<qint32>(random.generate());
        button.KeyNumber = static_cast<qint32>(random.generate());
        for (KeyInfo& slot : button.KeyInfo) {
            slot = { byte(random), byte(random), byte(random) };
        }
        button.Res1 = byte(random);
        button.Res2 = byte(random);
        button.Res3 = byte(random);
        button.Res4 = byte(random);
        button.macroname = text(random);
    }
    for (LedEffectSetting& effect : profile.ledEffects) {
        effect.RGB = random.bounded(4) == 0 ? QColor() : QColor(byte(random), byte(random), byte(random));
        effect.h = random.generate();
        effect.s = random.generate();
        effect.v = random.generate();
        effect.bright = random.generate();
        effect.breath = random.generate();
    }
    profile.ProfileName = text(random);
    profile.ProfilePath = text(random);
}

} // namespace

ProfileRecord randomProfile(quint32 seed)
{
    QRandomGenerator random(seed);
    ProfileRecord profile;
    fillProfile(random, profile);
    return profile;
}

ConfigRecord randomConfiguration(quint32 seed)
{
    QRandomGenerator random(seed);
    ConfigRecord config;
    config.ProfileID = static_cast<quint8>(random.bounded(kProfileCount));
    for (ProfileRecord& profile : config.profiles) {
        fillProfile(random, profile);
    }
    config.AngleValue = byte(random);
    config.LiftHigh = byte(random);
    config.Sync = byte(random);
    config.Count = byte(random);
    config.Jitter = byte(random);
    config.Debounce = byte(random);
    for (int slot = 0; slot < kProfileCount; ++slot) {
        config.profileNames[static_cast<size_t>(slot)] =
            QStringLiteral("Slot %1 #%2").arg(slot).arg(random.bounded(1000));
    }
    return config;
}
