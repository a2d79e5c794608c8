// SPDX-License-Identifier: GPL-3.0-or-later
#include "cli_commands.h"
#include "cli_output.h"
#include "storage/app_profile_rules.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

namespace {

QString slotText(int slot)
{
    return slot == kStayOnCurrentSlot ? QStringLiteral("stay on the current profile")
                                      : QStringLiteral("profile %1").arg(slot);
}

QJsonObject settingsObject(const AppProfileSettings& settings)
{
    QJsonArray rules;
    for (const AppProfileRule& rule : settings.rules)
        rules.append(QJsonObject{ { QStringLiteral("match"), rule.match }, { QStringLiteral("slot"), rule.slot } });
    return QJsonObject{ { QStringLiteral("enabled"), settings.enabled },
                        { QStringLiteral("default"), settings.defaultSlot },
                        { QStringLiteral("rules"), rules } };
}

} // namespace

// The rules as the window reads them from Config.ini; only the running window follows them.
int runAppProfilesCommand(const QStringList& arguments, DeviceSession&)
{
    bool json = false;
    if (!takeOnlyOption(arguments, "app-profiles", kJsonOption, &json))
        return kExitUsage;
    const AppProfileSettings settings = readAppProfileSettings();
    if (json) {
        out() << QJsonDocument(settingsObject(settings)).toJson(QJsonDocument::Compact) << '\n';
        return kExitOk;
    }
    out() << "switching: " << (settings.enabled ? "on" : "off") << '\n';
    out() << "when no rule matches: " << slotText(settings.defaultSlot) << '\n';
    if (settings.rules.isEmpty())
        out() << "no rules\n";
    for (int i = 0; i < settings.rules.size(); ++i)
        out() << i + 1 << ". " << settings.rules[i].match << " -> " << slotText(settings.rules[i].slot) << '\n';
    return kExitOk;
}
