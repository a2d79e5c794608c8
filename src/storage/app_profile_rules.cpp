// SPDX-License-Identifier: GPL-3.0-or-later
#include "storage/app_profile_rules.h"

#include "log_categories.h"
#include "storage/app_config.h"
#include "storage/settings_guard.h"

#include <QSettings>
#include <algorithm>
#include <limits>

namespace {

const QString kEnabledKey = QStringLiteral("AppProfiles/Enabled");
const QString kDefaultKey = QStringLiteral("AppProfiles/Default");
const QString kCountKey = QStringLiteral("AppProfiles/Count");
const QString kMatchKey = QStringLiteral("AppProfiles/%1_Match");
const QString kSlotKey = QStringLiteral("AppProfiles/%1_Slot");

// A number the key holds, or fallback (with the debug line) when it holds anything else.
int readNumber(const QSettings& settings, const QString& key, int lowest, int highest, int fallback)
{
    const QVariant value = settings.value(key);
    if (!value.isValid())
        return fallback;
    bool ok = false;
    const int number = value.toString().trimmed().toInt(&ok);
    if (ok && number >= lowest && number <= highest)
        return number;
    qCDebug(lcStorage) << "ignoring" << key << "=" << value.toString() << "in" << configIniPath();
    return fallback;
}

bool usableSlot(int slot)
{
    return slot >= kFirstAppProfileSlot && slot <= kLastAppProfileSlot;
}

} // namespace

QString cleanAppProfileMatch(const QString& text)
{
    const QString trimmed = text.trimmed();
    for (const QChar c : trimmed)
        if (c.category() == QChar::Other_Control || c == QLatin1Char('/') || c == QLatin1Char('\\'))
            return QString();
    return trimmed;
}

AppProfileSettings readAppProfileSettings()
{
    const GuardedSettings file(configIniPath(), GuardedSettings::Mode::Read);
    const QSettings& settings = file.settings();
    AppProfileSettings read;
    read.enabled = readNumber(settings, kEnabledKey, 0, 1, 0) == 1;
    read.defaultSlot = readNumber(settings, kDefaultKey, kStayOnCurrentSlot, kLastAppProfileSlot, kStayOnCurrentSlot);
    // A count beyond the limit is junk too: the rules up to the limit still count.
    const int stored = readNumber(settings, kCountKey, 0, std::numeric_limits<int>::max(), 0);
    if (stored > kMaxAppProfileRules)
        qCDebug(lcStorage) << "reading only the first" << kMaxAppProfileRules << "of" << stored << "application rules";
    const int count = std::min(stored, kMaxAppProfileRules);
    for (int i = 1; i <= count; ++i) {
        const QString rawMatch = settings.value(kMatchKey.arg(i)).toString();
        AppProfileRule rule;
        rule.match = cleanAppProfileMatch(rawMatch);
        rule.slot = readNumber(settings, kSlotKey.arg(i), kFirstAppProfileSlot, kLastAppProfileSlot, 0);
        if (rule.match.isEmpty() || !usableSlot(rule.slot)) {
            if (rule.match.isEmpty())
                qCDebug(lcStorage) << "ignoring application rule" << i << "with the text" << rawMatch;
            continue;
        }
        read.rules.append(rule);
    }
    return read;
}

StorageResult writeAppProfileSettings(const AppProfileSettings& settings)
{
    GuardedSettings file(configIniPath(), GuardedSettings::Mode::Write);
    QVector<AppProfileRule> rules;
    for (const AppProfileRule& rule : settings.rules) {
        const QString match = cleanAppProfileMatch(rule.match);
        if (!match.isEmpty() && usableSlot(rule.slot) && rules.size() < kMaxAppProfileRules)
            rules.append({ match, rule.slot });
    }
    file.setValue(kEnabledKey, settings.enabled ? 1 : 0);
    file.setValue(kDefaultKey, usableSlot(settings.defaultSlot) ? settings.defaultSlot : kStayOnCurrentSlot);
    file.setValue(kCountKey, rules.size());
    for (int i = 1; i <= rules.size(); ++i) {
        file.setValue(kMatchKey.arg(i), rules[i - 1].match);
        file.setValue(kSlotKey.arg(i), rules[i - 1].slot);
    }
    // Rules a shorter list no longer holds would otherwise come back with a longer one.
    for (int i = rules.size() + 1; i <= kMaxAppProfileRules; ++i) {
        file.settings().remove(kMatchKey.arg(i));
        file.settings().remove(kSlotKey.arg(i));
    }
    return file.sync() ? StorageResult::Ok : StorageResult::WriteFailed;
}
