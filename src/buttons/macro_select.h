// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "buttons/function_rules.h"
#include "buttons/skin_dialog.h"

class QButtonGroup;
class QCheckBox;
class QLineEdit;
class QListWidget;

// "MACRO SELECT" and "GUNFILE SELECT": which macro of the library a button runs, and how. A macro
// chosen in the list brings its own loop settings from its file; the button's present macro keeps
// the values the button holds. OK needs a macro and, for counted runs, a count of 1..255.
class TarqMacroSelect final : public TarqSkinDialog
{
    Q_OBJECT
    Q_DISABLE_COPY(TarqMacroSelect)

public:
    // title: the source text of the title. name, runs, mode: the button's present choice (an
    // empty name: the button has none, and the library's first macro is selected).
    TarqMacroSelect(const char* title, const QString& name, int runs, int mode, QWidget* parent);

    QString selectedName() const;
    // The number of runs as typed; an empty field gives 0.
    int runCount() const;
    // 0 counted runs (also when no option is chosen), 1 repeat while held, 2 repeat until pressed again.
    int runMode() const;

    QListWidget* macroList() const { return m_list; }
    QLineEdit* runsEdit() const { return m_runsEdit; }
    QCheckBox* modeBox(int mode) const { return m_modeBoxes[mode]; }

private:
    void selectName(const QString& name);
    void onSelectionChanged();
    void showChoice(const MacroSelection& choice);
    void chooseMode(int mode);
    void updateYesButton();

    QListWidget* m_list = nullptr;
    QButtonGroup* m_modes = nullptr;
    QCheckBox* m_modeBoxes[3] = {};
    QLineEdit* m_runsEdit = nullptr;
    MacroSelection m_buttonChoice;
};
