// SPDX-License-Identifier: GPL-3.0-or-later
#include "controls/file_dialogs.h"
#include "controls/labels_menus.h"
#include "controls/message_box.h"
#include "controls/push_button.h"
#include "macro/gun_dialogs.h"
#include "macro/macro_dialog.h"
#include "macro/macro_fit.h"
#include "macro/macro_list_item.h"
#include "session/macro_references.h"

#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QLineEdit>
#include <QListWidget>
#include <QSignalBlocker>

// The macro page's library commands: the list of macro files and what is done to them as files.

namespace {

constexpr const char* kNothingChecked = QT_TRANSLATE_NOOP("TarqMessageBox", "Tick the macros to export first.");
constexpr const char* kImportOf = QT_TRANSLATE_NOOP("TarqMessageBox", "%1: %2");

} // namespace

bool MacroDialog::refuseWhenLibraryFull()
{
    if (countMacros() < kMacroListSize)
        return false;
    showMessage(kUpperWarning, kTooManyMacrosMessage);
    return true;
}

void MacroDialog::reloadLibrary(const QString& select)
{
    {
        const QSignalBlocker block(m_list);
        m_list->clear();
        for (const QString& name : macroListEntries()) {
            if (!name.isEmpty())
                m_list->addItem(new TarqListItem(name, m_batch));
        }
        const QList<QListWidgetItem*> found = m_list->findItems(select, Qt::MatchExactly);
        if (!select.isEmpty() && !found.isEmpty())
            m_list->setCurrentItem(found.first());
        else if (m_list->count() > 0)
            m_list->setCurrentRow(0);
    }
    loadSelectedMacro();
}

void MacroDialog::newMacro()
{
    if (refuseWhenLibraryFull())
        return;
    if (!settleUnsavedEdits())
        return;
    QString name;
    const MacroResult result = createMacro(&name);
    if (result != MacroResult::Ok) {
        showMessage(result == MacroResult::TooManyMacros ? kUpperWarning : kWarning, macroResultMessage(result));
        return;
    }
    reloadLibrary(name);
}

void MacroDialog::deleteMacro()
{
    QListWidgetItem* item = m_list->currentItem();
    if (!item)
        return;
    const QString name = static_cast<const TarqListItem*>(item)->name();
    if (!askToDelete(name))
        return;
    const MacroResult result = ::deleteMacro(name);
    if (result == MacroResult::FileError || result == MacroResult::FileKept) {
        showMessage(kWarning, macroResultMessage(result));
        return;
    }
    // Only once the macro is gone: a delete that fails leaves its buttons as they were.
    if (m_config && resetMacroReferences(*m_config, name) > 0)
        emit macroReferencesChanged();
    QString failedPath;
    if (resetMacroInProfileFiles(name, &failedPath) != StorageResult::Ok)
        showMessage(kWarning, kShownAsIs, referencesNotWrittenText(failedPath));
    const int row = m_list->row(item);
    m_loadedName.clear();
    {
        const QSignalBlocker block(m_list);
        delete m_list->takeItem(row);
        if (m_list->count() > 0)
            m_list->setCurrentRow(qMin(row, m_list->count() - 1));
    }
    loadSelectedMacro();
}

bool MacroDialog::askToDelete(const QString& name)
{
    TarqMessageBox box(TarqMessageBox::Question, QString(), QLatin1String(kWarning),
                       deleteMacroQuestion(name, macroUsers(name, m_config)), this);
    box.setWindowModality(Qt::ApplicationModal);
    return box.exec() == QDialog::Accepted;
}

void MacroDialog::carryRename(const QString& oldName, const QString& newName)
{
    if (m_config && renameMacroReferences(*m_config, oldName, newName) > 0)
        emit macroReferencesChanged();
    QString failedPath;
    if (renameMacroInProfileFiles(oldName, newName, &failedPath) != StorageResult::Ok)
        showMessage(kWarning, kShownAsIs, referencesNotWrittenText(failedPath));
}

void MacroDialog::renameMacro(QListWidgetItem* item, const QString& newName)
{
    const QString oldName = static_cast<const TarqListItem*>(item)->name();
    const MacroResult result = newName == oldName ? MacroResult::Ok : ::renameMacro(oldName, newName);
    if (result == MacroResult::Ok && newName != oldName)
        carryRename(oldName, newName);
    const QString shown = result == MacroResult::Ok ? newName : oldName;
    {
        const QSignalBlocker block(m_list);
        static_cast<TarqListItem*>(item)->setName(shown);
    }
    if (item == m_list->currentItem()) {
        m_loadedName = shown;
        m_nameEdit->setText(shown);
    }
    if (result != MacroResult::Ok)
        showMessage(kWarning, macroResultMessage(result));
}

void MacroDialog::importMacros()
{
    const auto dialog = makeOpenDialog(this, tr("Load Macro File"), tr("Macro File(*.MSMACRO)"), m_batch);
    if (dialog->exec() != QDialog::Accepted)
        return;
    const QStringList chosen = chosenPaths(*dialog);
    if (!settleUnsavedEdits())
        return;
    QString last;
    QStringList problems;
    QString lastProblem;
    for (const QString& path : chosen) {
        // A macro the mouse could not hold whole is not taken into the library at all.
        QString problem = macroRefusal(loadMacroFile(path).events);
        if (problem.isEmpty()) {
            QString name;
            const MacroResult result = importMacroFile(path, &name);
            if (result == MacroResult::Ok) {
                last = name;
                continue;
            }
            problem = TarqMessageBox::tr(macroResultMessage(result));
        }
        lastProblem = problem;
        problems << TarqMessageBox::tr(kImportOf).arg(QFileInfo(path).fileName(), problem);
    }
    if (!last.isEmpty())
        reloadLibrary(last);
    // One file refused reads as the refusal itself ("Macro Exist!"); several name each file.
    if (problems.size() == 1 && chosen.size() == 1)
        showMessage(kWarning, kShownAsIs, lastProblem);
    else if (!problems.isEmpty())
        showMessage(kWarning, kShownAsIs, problems.join(QLatin1Char('\n')));
}

void MacroDialog::exportMacros()
{
    if (!settleUnsavedEdits())
        return;
    if (!m_batch) {
        if (m_loadedName.isEmpty())
            return;
        const auto dialog = makeSaveDialog(this, tr("Save Macro File"), tr("Macro File(*.MSMACRO)"), m_loadedName);
        const QStringList chosen = dialog->exec() == QDialog::Accepted ? chosenPaths(*dialog) : QStringList();
        if (chosen.isEmpty())
            return;
        const MacroResult result = exportMacroFile(m_loadedName, chosen.first());
        if (result != MacroResult::Ok)
            showMessage(kWarning, macroResultMessage(result));
        return;
    }
    QStringList names;
    for (int i = 0; i < m_list->count(); ++i) {
        const auto* item = static_cast<const TarqListItem*>(m_list->item(i));
        if (item->isChecked())
            names << static_cast<const TarqListItem*>(item)->name();
    }
    if (names.isEmpty()) {
        showMessage(kWarning, kNothingChecked);
        return;
    }
    const auto dialog = makeFolderDialog(this, tr("Save Macro File"));
    const QStringList chosen = dialog->exec() == QDialog::Accepted ? chosenPaths(*dialog) : QStringList();
    if (chosen.isEmpty())
        return;
    const QDir target(chosen.first());
    QStringList problems;
    for (const QString& name : names) {
        const MacroResult result = exportMacroFile(name, target.filePath(name + QStringLiteral(".MSMACRO")));
        if (result != MacroResult::Ok)
            problems << TarqMessageBox::tr(kImportOf).arg(name, TarqMessageBox::tr(macroResultMessage(result)));
    }
    if (!problems.isEmpty())
        showMessage(kWarning, kShownAsIs, problems.join(QLatin1Char('\n')));
}

void MacroDialog::toggleBatch()
{
    m_batch = !m_batch;
    button(Batch)->setChecked(m_batch);
    const QSignalBlocker block(m_list);
    for (int i = 0; i < m_list->count(); ++i)
        static_cast<TarqListItem*>(m_list->item(i))->setBatch(m_batch);
}

void MacroDialog::openGunSet()
{
    if (refuseWhenLibraryFull())
        return;
    if (!settleUnsavedEdits())
        return;
    TarqGunsetDialog dialog(this);
    if (dialog.exec() == QDialog::Accepted)
        reloadLibrary(dialog.gunFileName());
}
