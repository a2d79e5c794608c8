// SPDX-License-Identifier: GPL-3.0-or-later
#include "buttons/function_summary.h"

#include "buttons/function_catalogue.h"
#include "buttons/function_encoding.h"
#include "buttons/key_capture_state.h"
#include "storage/file_names.h"
#include "storage/key_names.h"
#include "storage/macro_files.h"

#include <QCoreApplication>
#include <QFileInfo>

namespace {

QString text(const char* source)
{
    return QCoreApplication::translate(kFunctionTextContext, source);
}

QString catalogueName(int code)
{
    const FunctionEntry* function = findFunction(code);
    return function && function->name ? text(function->name) : QString();
}

QString singleKeySummary(const ButtonEntry& entry)
{
    return entry.Res1 != 0 ? keyName(entry.Res1) : QString();
}

QString comboSummary(const ButtonEntry& entry)
{
    // Named as the combo dialog names what it shows, so reopening it shows the label's text.
    ComboKeyState state;
    state.preset(entry.KeyInfo);
    return state.text();
}

QString fireTargetName(int target)
{
    switch (target) {
        case FireTarget::Left:
            return catalogueName(FunctionCode::Left);
        case FireTarget::Right:
            return catalogueName(FunctionCode::Right);
        case FireTarget::Middle:
            return catalogueName(FunctionCode::Middle);
        default:
            break;
    }
    int keyCode = 0;
    return usageToScan(unsigned(target), keyCode) ? keyName(unsigned(keyCode)) : QString();
}

QString fireSummary(const ButtonEntry& entry)
{
    const bool untargeted = entry.Res1 == 0;
    const QString target = fireTargetName(untargeted ? FireTarget::Left : entry.Res1);
    if (target.isEmpty())
        return QString();
    return text(QT_TRANSLATE_NOOP("ButtonFunction", "Fire: %1 ×%2, %3 ms"))
        .arg(target, QString::number(untargeted ? FireTarget::UntargetedShots : entry.LoopNumber),
             QString::number(untargeted ? 0 : entry.KeyNumber));
}

QString sniperSummary(const ButtonEntry& entry)
{
    return text(QT_TRANSLATE_NOOP("ButtonFunction", "Sniper: level %1")).arg(entry.Res1);
}

QString macroSummary(const ButtonEntry& entry, bool missing)
{
    const bool gun = entry.Fun == FunctionCode::GunFile;
    QString named = catalogueName(entry.Fun);
    if (!entry.macroname.isEmpty()) {
        // Only counted runs (loop mode 0) have a count; the repeat modes run as long as the key says.
        const bool counted = entry.Res1 == 0 && !missing;
        const char* source = counted ? (gun ? QT_TRANSLATE_NOOP("ButtonFunction", "Gun: %1 ×%2")
                                            : QT_TRANSLATE_NOOP("ButtonFunction", "Macro: %1 ×%2"))
                                     : (gun ? QT_TRANSLATE_NOOP("ButtonFunction", "Gun: %1")
                                            : QT_TRANSLATE_NOOP("ButtonFunction", "Macro: %1"));
        named = counted ? text(source).arg(entry.macroname, QString::number(entry.LoopNumber))
                        : text(source).arg(entry.macroname);
    }
    return missing ? text(QT_TRANSLATE_NOOP("ButtonFunction", "%1 (missing)")).arg(named) : named;
}

} // namespace

bool macroFileMissing(const ButtonEntry& entry)
{
    if (entry.Fun != FunctionCode::Macro && entry.Fun != FunctionCode::GunFile)
        return false;
    return !isValidFileName(entry.macroname) || !QFileInfo::exists(macroFilePath(entry.macroname));
}

QString functionSummary(const ButtonEntry& entry, bool macroMissing)
{
    QString summary;
    switch (entry.Fun) {
        case FunctionCode::SingleKey:
            summary = singleKeySummary(entry);
            break;
        case FunctionCode::ComboKey:
            summary = comboSummary(entry);
            break;
        case FunctionCode::FireKey:
            summary = fireSummary(entry);
            break;
        case FunctionCode::Sniper:
            summary = sniperSummary(entry);
            break;
        case FunctionCode::Macro:
        case FunctionCode::GunFile:
            summary = macroSummary(entry, macroMissing);
            break;
        default:
            break;
    }
    // Without parameters worth telling (no key yet, say), the button shows its function's name.
    return summary.isEmpty() ? functionName(entry.Fun, entry) : summary;
}
