#include "storage/profile_section.h"

#include <QSettings>

namespace {

constexpr int kLedMoveOffDefault = 255;
constexpr int kLedSleepTimeDefault = 1;

// Reads with the defaults of the reading rule and notes whether the file held exactly the value
// returned.
class SectionReader final
{
public:
    explicit SectionReader(const QSettings& settings)
        : m_settings(settings)
    {
    }

    quint8 byte(const QString& key, int fallback = 0)
    {
        const QVariant value = m_settings.value(key);
        if (!value.isValid()) {
            m_exact = false;
            return static_cast<quint8>(fallback);
        }
        bool ok = false;
        const int number = value.toInt(&ok);
        m_exact = m_exact && ok && number >= 0 && number <= 0xFF;
        return static_cast<quint8>(number & 0xFF);
    }

    qint32 int32(const QString& key)
    {
        const QVariant value = m_settings.value(key);
        bool ok = false;
        const qint32 number = value.toInt(&ok);
        m_exact = m_exact && ok;
        return number;
    }

    quint32 uint32(const QString& key)
    {
        const QVariant value = m_settings.value(key);
        bool ok = false;
        const quint32 number = value.toUInt(&ok);
        m_exact = m_exact && ok;
        return number;
    }

    QString text(const QString& key)
    {
        const QVariant value = m_settings.value(key);
        m_exact = m_exact && value.type() == QVariant::String;
        return value.toString();
    }

    QColor color(const QString& key)
    {
        const QVariant value = m_settings.value(key);
        m_exact = m_exact && value.type() == QVariant::Color;
        return value.value<QColor>();
    }

    bool exact() const { return m_exact; }

private:
    const QSettings& m_settings;
    bool m_exact = true;
};

void readButton(SectionReader& reader, const ButtonKeys& keys, ButtonEntry& button)
{
    button.ID = reader.int32(keys.ID);
    button.Fun = reader.int32(keys.Fun);
    button.LoopNumber = reader.int32(keys.LoopNumber);
    button.KeyNumber = reader.int32(keys.KeyNumber);
    button.Res1 = reader.byte(keys.Res1);
    button.Res2 = reader.byte(keys.Res2);
    button.Res3 = reader.byte(keys.Res3);
    button.Res4 = reader.byte(keys.Res4);
    button.macroname = reader.text(keys.macroname);
    for (int s = 0; s < kKeySlotCount; ++s) {
        const KeySlotKeys& slotKeys = keys.keySlots[static_cast<size_t>(s)];
        KeyInfo& slot = button.KeyInfo[static_cast<size_t>(s)];
        slot.map = reader.byte(slotKeys.map);
        slot.code = reader.byte(slotKeys.code);
        slot.H = reader.byte(slotKeys.H);
    }
}

void writeButton(QSettings& settings, const ButtonKeys& keys, const ButtonEntry& button)
{
    settings.setValue(keys.ID, button.ID);
    settings.setValue(keys.Fun, button.Fun);
    settings.setValue(keys.LoopNumber, button.LoopNumber);
    settings.setValue(keys.KeyNumber, button.KeyNumber);
    settings.setValue(keys.Res1, button.Res1);
    settings.setValue(keys.Res2, button.Res2);
    settings.setValue(keys.Res3, button.Res3);
    settings.setValue(keys.Res4, button.Res4);
    settings.setValue(keys.macroname, button.macroname);
    for (int s = 0; s < kKeySlotCount; ++s) {
        const KeySlotKeys& slotKeys = keys.keySlots[static_cast<size_t>(s)];
        const KeyInfo& slot = button.KeyInfo[static_cast<size_t>(s)];
        settings.setValue(slotKeys.map, slot.map);
        settings.setValue(slotKeys.code, slot.code);
        settings.setValue(slotKeys.H, slot.H);
    }
}

} // namespace

void setMissingFileValues(ProfileRecord& profile)
{
    profile = ProfileRecord();
    profile.LedMoveOFF = kLedMoveOffDefault;
    profile.LedSleepTime = kLedSleepTimeDefault;
}

void writeProfileSection(QSettings& settings, const ProfileKeys& keys, const ProfileRecord& profile, LedExtras extras)
{
    settings.setValue(keys.pollrate, profile.pollrate);
    settings.setValue(keys.dpi, profile.dpi);
    for (int i = 0; i < kDpiStageCount; ++i) {
        const DpiStageKeys& stageKeys = keys.dpiStages[static_cast<size_t>(i)];
        const DpiStage& stage = profile.dpiStages[static_cast<size_t>(i)];
        settings.setValue(stageKeys.used, stage.used);
        settings.setValue(stageKeys.link, stage.link);
        settings.setValue(stageKeys.xy, stage.xy);
        settings.setValue(stageKeys.x, stage.x);
        settings.setValue(stageKeys.y, stage.y);
    }
    settings.setValue(keys.mousespeed, profile.mousespeed);
    settings.setValue(keys.dbclickspeed, profile.dbclickspeed);
    settings.setValue(keys.scrollispage, profile.scrollispage);
    settings.setValue(keys.scrollspeed, profile.scrollspeed);
    settings.setValue(keys.accelenable, profile.accelenable);
    settings.setValue(keys.acee, profile.acee);
    for (int b = 0; b < kButtonSlotCount; ++b) {
        writeButton(settings, keys.buttons[static_cast<size_t>(b)], profile.buttons[static_cast<size_t>(b)]);
    }
    settings.setValue(keys.ProfileName, profile.ProfileName);
    settings.setValue(keys.ProfilePath, profile.ProfilePath);
    settings.setValue(keys.LedMode, profile.LedMode);
    if (extras == LedExtras::Included) {
        settings.setValue(keys.LedMoveOFF, profile.LedMoveOFF);
        settings.setValue(keys.LedSleepTime, profile.LedSleepTime);
    }
    for (int e = 0; e < kLedEffectCount; ++e) {
        const LedEffectKeys& effectKeys = keys.ledEffects[static_cast<size_t>(e)];
        const LedEffectSetting& effect = profile.ledEffects[static_cast<size_t>(e)];
        settings.setValue(effectKeys.RGB, effect.RGB);
        settings.setValue(effectKeys.h, effect.h);
        settings.setValue(effectKeys.s, effect.s);
        settings.setValue(effectKeys.v, effect.v);
        settings.setValue(effectKeys.bright, effect.bright);
        settings.setValue(effectKeys.breath, effect.breath);
    }
}

bool readProfileSection(const QSettings& settings, const ProfileKeys& keys, ProfileRecord& profile, LedExtras extras)
{
    SectionReader reader(settings);
    profile.pollrate = reader.byte(keys.pollrate);
    profile.dpi = reader.byte(keys.dpi);
    for (int i = 0; i < kDpiStageCount; ++i) {
        const DpiStageKeys& stageKeys = keys.dpiStages[static_cast<size_t>(i)];
        DpiStage& stage = profile.dpiStages[static_cast<size_t>(i)];
        stage.used = reader.byte(stageKeys.used);
        stage.link = reader.byte(stageKeys.link);
        stage.xy = reader.uint32(stageKeys.xy);
        stage.x = reader.uint32(stageKeys.x);
        stage.y = reader.uint32(stageKeys.y);
    }
    profile.mousespeed = reader.byte(keys.mousespeed);
    profile.dbclickspeed = reader.byte(keys.dbclickspeed);
    profile.scrollispage = reader.byte(keys.scrollispage);
    profile.scrollspeed = reader.byte(keys.scrollspeed);
    profile.accelenable = reader.byte(keys.accelenable);
    profile.acee = reader.byte(keys.acee);
    for (int b = 0; b < kButtonSlotCount; ++b) {
        readButton(reader, keys.buttons[static_cast<size_t>(b)], profile.buttons[static_cast<size_t>(b)]);
    }
    profile.ProfileName = reader.text(keys.ProfileName);
    profile.ProfilePath = reader.text(keys.ProfilePath);
    profile.LedMode = reader.byte(keys.LedMode);
    if (extras == LedExtras::Included) {
        profile.LedMoveOFF = reader.byte(keys.LedMoveOFF, kLedMoveOffDefault);
        profile.LedSleepTime = reader.byte(keys.LedSleepTime, kLedSleepTimeDefault);
    }
    for (int e = 0; e < kLedEffectCount; ++e) {
        const LedEffectKeys& effectKeys = keys.ledEffects[static_cast<size_t>(e)];
        LedEffectSetting& effect = profile.ledEffects[static_cast<size_t>(e)];
        effect.RGB = reader.color(effectKeys.RGB);
        effect.h = reader.uint32(effectKeys.h);
        effect.s = reader.uint32(effectKeys.s);
        effect.v = reader.uint32(effectKeys.v);
        effect.bright = reader.uint32(effectKeys.bright);
        effect.breath = reader.uint32(effectKeys.breath);
    }
    return reader.exact();
}
