#pragma once

#include "buttons/skin_dialog.h"

class QButtonGroup;
class QCheckBox;
class QLineEdit;
class QListWidget;

// "MACRO SELECT" and "GUNFILE SELECT": which macro of the library a button runs, and how.
class TarqMacroSelect final : public TarqSkinDialog
{
    Q_OBJECT
    Q_DISABLE_COPY(TarqMacroSelect)

public:
    // title: the source text of the title. name, runs, mode: the button's present choice (an
    // empty name selects the library's first macro).
    TarqMacroSelect(const char* title, const QString& name, int runs, int mode, QWidget* parent);

    QString selectedName() const;
    // The number of runs as typed; an empty field gives 0.
    int runCount() const;
    // 0 counted runs (also when no option is chosen), 1 repeat while held, 2 repeat until pressed again.
    int runMode() const;

    QListWidget* macroList() const { return m_list; }

private:
    void selectName(const QString& name);
    void markSelection();

    QListWidget* m_list = nullptr;
    QButtonGroup* m_modes = nullptr;
    QCheckBox* m_modeBoxes[3] = {};
    QLineEdit* m_runsEdit = nullptr;
};
