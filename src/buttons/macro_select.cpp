// SPDX-License-Identifier: GPL-3.0-or-later
#include "buttons/macro_select.h"

#include "controls/dialog_look.h"
#include "controls/display_scale.h"
#include "controls/labels_menus.h"
#include "controls/skin_catalogue.h"
#include "controls/skin_paths.h"
#include "pages/page_look.h"
#include "storage/macro_files.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QIntValidator>
#include <QListWidget>
#include <QToolButton>

namespace {

constexpr int kDialogWidth = 620;
constexpr int kDialogHeight = 380;
constexpr int kListWidth = 200;
constexpr int kRowHeight = 28;
constexpr int kRowGap = 10;
constexpr int kRunsWidth = 64;
constexpr int kRunsDigits = 3;
constexpr const char* kSelectionMark = "profilesel.png";

const char* const kModeTexts[] = { QT_TRANSLATE_NOOP("TarqMacroSelect", "LOOPS TIME(1-255)"),
                                   QT_TRANSLATE_NOOP("TarqMacroSelect", "REPEAT RUN WHEN KEY DOWN"),
                                   QT_TRANSLATE_NOOP("TarqMacroSelect", "REPEAT RUN UNTILL THE KEY DOWN") };

QString listStyle()
{
    return QStringLiteral("QListWidget{background-color:rgb(18,19,21);color:rgb(225,225,225);"
                          "border:1px solid rgb(62,66,72);border-radius:3px;outline:0px;}"
                          "QListWidget::item{padding:%1px;}"
                          "QListWidget::item:selected{background-color:rgb(44,47,51);color:white;}")
        .arg(scaled(2));
}

} // namespace

TarqMacroSelect::TarqMacroSelect(const char* title, const QString& name, int runs, int mode, QWidget* parent)
    : TarqSkinDialog(QLatin1String(Skin::Dialog), QSize(kDialogWidth, kDialogHeight), parent)
{
    setWindowModality(Qt::ApplicationModal);
    setTexts(tr(title), tr("OK"), tr("Cancel"));
    const QRect content = contentRect();

    m_list = new QListWidget(this);
    m_list->setFont(uiFont());
    m_list->setStyleSheet(listStyle());
    m_list->setAccessibleName(tr("Macros"));
    m_list->setIconSize(QSize(scaled(16), scaled(16)));
    m_list->setGeometry(content.left(), content.top(), scaled(kListWidth), content.height());
    for (const QString& entry : macroListEntries()) {
        if (!entry.isEmpty())
            m_list->addItem(entry);
    }
    connect(m_list, &QListWidget::currentRowChanged, this, &TarqMacroSelect::onSelectionChanged);
    connect(m_list, &QListWidget::itemActivated, this, &TarqMacroSelect::accept);

    const int left = content.left() + scaled(kListWidth) + scaled(kRowGap) * 2;
    const int width = content.right() + 1 - left;
    const int row = scaled(kRowHeight);
    m_modes = new QButtonGroup(this);
    m_modes->setExclusive(true);
    for (int i = 0; i < 3; ++i) {
        auto* box = new QCheckBox(tr(kModeTexts[i]), this);
        styleCheckBox(box, CheckLook::Round);
        box->setAccessibleName(box->text());
        m_modes->addButton(box, i);
        m_modeBoxes[i] = box;
        box->setGeometry(left, content.top() + i * (row + scaled(kRowGap)), width, row);
    }
    m_runsEdit = new TarqLineEdit(this);
    m_runsEdit->setMaxLength(kRunsDigits);
    m_runsEdit->setValidator(new QIntValidator(kMinimumMacroRuns, kMaximumMacroRuns, m_runsEdit));
    m_runsEdit->setAlignment(Qt::AlignCenter);
    m_runsEdit->setAccessibleName(tr("LOOPS TIME(1-255)"));
    m_runsEdit->setGeometry(left + scaled(24), content.top() + 3 * (row + scaled(kRowGap)), scaled(kRunsWidth), row);
    connect(m_runsEdit, &QLineEdit::returnPressed, this, &TarqMacroSelect::accept);
    connect(m_runsEdit, &QLineEdit::textChanged, this, &TarqMacroSelect::updateYesButton);
    connect(m_modes, &QButtonGroup::idClicked, this, &TarqMacroSelect::chooseMode);

    if (!name.isEmpty())
        m_buttonChoice = { name, runs, mode };
    selectName(name);

    setTabOrder(m_list, m_modeBoxes[0]);
    setTabOrder(m_modeBoxes[0], m_modeBoxes[1]);
    setTabOrder(m_modeBoxes[1], m_modeBoxes[2]);
    setTabOrder(m_modeBoxes[2], m_runsEdit);
    setTabOrder(m_runsEdit, yesButton());
    setTabOrder(yesButton(), noButton());
    m_list->setFocus();
}

void TarqMacroSelect::selectName(const QString& name)
{
    const QList<QListWidgetItem*> found = m_list->findItems(name, Qt::MatchExactly);
    if (!name.isEmpty() && !found.isEmpty())
        m_list->setCurrentItem(found.first());
    else if (m_list->count() > 0)
        m_list->setCurrentRow(0);
    onSelectionChanged();
}

void TarqMacroSelect::onSelectionChanged()
{
    const QIcon mark(skinPath(QLatin1String(kSelectionMark)));
    for (int i = 0; i < m_list->count(); ++i)
        m_list->item(i)->setIcon(i == m_list->currentRow() ? mark : QIcon());
    const QString name = selectedName();
    if (!name.isEmpty())
        showChoice(name == m_buttonChoice.name ? m_buttonChoice : macroSelectionOfFile(name, loadMacro(name)));
    updateYesButton();
}

void TarqMacroSelect::showChoice(const MacroSelection& choice)
{
    m_runsEdit->setText(QString::number(choice.runs));
    chooseMode(choice.loopMode >= 0 && choice.loopMode < 3 ? choice.loopMode : 0);
}

void TarqMacroSelect::chooseMode(int mode)
{
    m_modeBoxes[mode]->setChecked(true);
    // The number of runs matters only for counted runs.
    m_runsEdit->setEnabled(mode == 0);
    updateYesButton();
}

void TarqMacroSelect::updateYesButton()
{
    const bool countUsable = runMode() != 0 || m_runsEdit->hasAcceptableInput();
    yesButton()->setEnabled(m_list->currentItem() != nullptr && countUsable);
}

QString TarqMacroSelect::selectedName() const
{
    const QListWidgetItem* item = m_list->currentItem();
    return item ? item->text() : QString();
}

int TarqMacroSelect::runCount() const
{
    return m_runsEdit->text().toInt();
}

int TarqMacroSelect::runMode() const
{
    const int id = m_modes->checkedId();
    return id < 0 ? 0 : id;
}
