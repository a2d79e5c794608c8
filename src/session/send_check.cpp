// SPDX-License-Identifier: GPL-3.0-or-later
#include "session/send_check.h"

#include "buttons/function_catalogue.h"
#include "buttons/function_rules.h"
#include "device/section_encoding.h"
#include "macro/macro_fit.h"
#include "storage/macro_files.h"
#include "storage/product_description.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <QSet>

namespace {

QString translated(const char* source)
{
    return QCoreApplication::translate("SendCheck", source);
}

QString heldClause(const QStringList& held)
{
    if (held.isEmpty())
        return QString();
    return (held.size() == 1 ? translated(QT_TRANSLATE_NOOP("SendCheck", "%1 stays pressed"))
                             : translated(QT_TRANSLATE_NOOP("SendCheck", "%1 stay pressed")))
        .arg(held.join(QStringLiteral(", ")));
}

QString macroWarning(const QString& name)
{
    if (!QFileInfo(macroFilePath(name)).isFile())
        return translated(QT_TRANSLATE_NOOP("SendCheck", "The macro \"%1\" has no file; its button will do nothing."))
            .arg(name);
    const MacroFile macro = loadMacro(name);
    const int kept = macroEventsKept(macro);
    const QStringList held = unreleasedNames(macro.events, kept);
    if (kept < macro.events.size()) {
        QString text =
            translated(QT_TRANSLATE_NOOP("SendCheck",
                                         "The macro \"%1\" is too long for the mouse and will be cut after %2 events"))
                .arg(name, QString::number(kept));
        return held.isEmpty() ? text + QLatin1Char('.')
                              : text + QStringLiteral("; ") + heldClause(held) + QLatin1Char('.');
    }
    if (!held.isEmpty())
        return translated(QT_TRANSLATE_NOOP("SendCheck", "The macro \"%1\" ends with a key or button pressed; %2."))
            .arg(name, heldClause(held));
    return QString();
}

bool isMacroButton(const ButtonEntry& entry)
{
    return entry.Fun == FunctionCode::Macro || entry.Fun == FunctionCode::GunFile;
}

} // namespace

QString SendCheck::refusalText() const
{
    if (!refused())
        return QString();
    return profileName + QStringLiteral(": ") + QCoreApplication::translate("TarqMessageBox", kKeepOneClickMessage);
}

QString SendCheck::warningText() const
{
    return warnings.join(QLatin1Char('\n'));
}

SendCheck checkBeforeSend(const ConfigRecord& config)
{
    SendCheck check;
    const ProfileRecord& profile = activeProfile(config);
    const int buttonCount = productButtonCount();
    const int slot = config.ProfileID < kProfileCount ? config.ProfileID : 0;
    check.profileName = config.profileNames[size_t(slot)];
    check.noLeftClick = !keepsLeftClick(profile.buttons, buttonCount);
    QSet<QString> named;
    for (int sent = 0; sent < kButtonSlotCount; ++sent) {
        const ButtonEntry& entry = profile.buttons[size_t(sent)];
        if (!isSentButtonSlot(sent, buttonCount) || !isMacroButton(entry) || named.contains(entry.macroname))
            continue;
        named.insert(entry.macroname);
        const QString warning = macroWarning(entry.macroname);
        if (!warning.isEmpty())
            check.warnings << warning;
    }
    return check;
}
