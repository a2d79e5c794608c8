// SPDX-License-Identifier: GPL-3.0-or-later
#include "session/send_check.h"

#include "buttons/function_catalogue.h"
#include "buttons/function_rules.h"
#include "device/section_encoding.h"
#include "macro/macro_events.h"
#include "storage/key_names.h"
#include "storage/macro_files.h"
#include "storage/product_description.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <QSet>
#include <algorithm>

namespace {

QString translated(const char* source)
{
    return QCoreApplication::translate("SendCheck", source);
}

QString buttonName(quint8 bit)
{
    switch (bit) {
        case MouseButtonBit::Left:
            return QStringLiteral("LEFT");
        case MouseButtonBit::Right:
            return QStringLiteral("RIGHT");
        case MouseButtonBit::Middle:
            return QStringLiteral("MIDDLE");
        case MouseButtonBit::Forward:
            return QStringLiteral("FORWARD");
        case MouseButtonBit::Backward:
            return QStringLiteral("BACKWARD");
        default:
            return QStringLiteral("BUTTON %1").arg(bit);
    }
}

QString pressedName(const MacroEvent& press)
{
    const quint8 kind = press.kind & ~MacroKind::PressFlag;
    if (kind == (MacroKind::ButtonPress & ~MacroKind::PressFlag))
        return buttonName(press.dataL);
    int keyCode = 0;
    if (kind == (MacroKind::KeyPress & ~MacroKind::PressFlag) && usageToScan(press.dataL, keyCode))
        return keyName(unsigned(keyCode));
    return QStringLiteral("0x%1").arg(press.dataL, 2, 16, QLatin1Char('0'));
}

// What is still held after the first count events, in the order it was pressed.
QStringList heldAfter(const QVector<MacroEvent>& events, int count)
{
    QVector<MacroEvent> held;
    for (int i = 0; i < count && i < events.size(); ++i) {
        const MacroEvent& event = events.at(i);
        if (!isPairedKind(event))
            continue;
        const quint8 kind = event.kind & ~MacroKind::PressFlag;
        auto same = [&](const MacroEvent& press) {
            return quint8(press.kind & ~MacroKind::PressFlag) == kind && press.dataL == event.dataL;
        };
        if (isPress(event)) {
            if (std::none_of(held.cbegin(), held.cend(), same))
                held << event;
        } else {
            held.erase(std::remove_if(held.begin(), held.end(), same), held.end());
        }
    }
    QStringList names;
    for (const MacroEvent& press : held)
        names << pressedName(press);
    return names;
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
    const QStringList held = heldAfter(macro.events, kept);
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
