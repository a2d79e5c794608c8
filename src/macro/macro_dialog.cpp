// SPDX-License-Identifier: GPL-3.0-or-later
#include "macro/macro_dialog.h"

#include "buttons/key_listener.h"
#include "controls/display_scale.h"
#include "controls/labels_menus.h"
#include "controls/message_box.h"
#include "controls/push_button.h"
#include "controls/skin_paths.h"
#include "controls/theme.h"
#include "log_categories.h"
#include "macro/macro_delegate.h"
#include "macro/macro_events.h"
#include "macro/macro_fit.h"
#include "macro/macro_list_item.h"
#include "macro/macro_model.h"
#include "macro/macro_row_text.h"
#include "pages/page_look.h"
#include "storage/product_description.h"
#include "storage/profile_record.h"

#include <QCheckBox>
#include <QHeaderView>
#include <QIntValidator>
#include <QKeyEvent>
#include <QListWidget>
#include <QSignalBlocker>
#include <QTableView>
#include <QTreeWidget>

namespace {

// Design rectangles in the page's 665 × 467 design pixels: the library on the left, the events
// in the middle, mouse actions and the macro's settings on the right.
constexpr QRect kLibraryTitle(8, 6, 150, 20);
constexpr QRect kList(8, 28, 150, 256);
constexpr QRect kNameCaption(8, 288, 150, 20);
constexpr QRect kNameEdit(8, 310, 150, 24);
constexpr QRect kTable(168, 38, 240, 268);
constexpr QRect kTree(418, 28, 240, 166);
constexpr QRect kTreeTitle(418, 6, 240, 20);
constexpr QRect kDistanceCaption(418, 200, 130, 24);
constexpr QRect kDistanceEdit(552, 200, 106, 24);
constexpr QRect kDelayCaption(418, 228, 130, 24);
constexpr QRect kDelayEdit(552, 228, 106, 24);
constexpr QRect kRecordDelays(418, 290, 240, 24);
constexpr QRect kDefaultDelays(418, 316, 176, 24);
constexpr QRect kDefaultDelayEdit(598, 316, 60, 24);
constexpr QRect kLoopCount(418, 344, 176, 24);
constexpr QRect kLoopTimeEdit(598, 344, 60, 24);
constexpr QRect kLoopWhileDown(418, 370, 240, 24);
constexpr QRect kLoopUntilDown(418, 396, 240, 24);

constexpr int kButtonHeight = 26;
constexpr int kButtonPitch = 30;
constexpr int kHalfWidth = 72;
constexpr int kFullWidth = 150;
constexpr int kMiddleHalf = 118;
constexpr int kDelayColumnWidth = 84;

struct CommandPlace
{
    MacroDialog::Command command;
    QRect rect;
};

constexpr int kLeftRow = 340;
constexpr int kMiddleRow = 312;
constexpr CommandPlace kCommandPlaces[] = {
    { MacroDialog::New, { 8, kLeftRow, kHalfWidth, kButtonHeight } },
    { MacroDialog::DeleteMacro, { 86, kLeftRow, kHalfWidth, kButtonHeight } },
    { MacroDialog::ChangeName, { 8, kLeftRow + kButtonPitch, kFullWidth, kButtonHeight } },
    { MacroDialog::Import, { 8, kLeftRow + 2 * kButtonPitch, kHalfWidth, kButtonHeight } },
    { MacroDialog::Export, { 86, kLeftRow + 2 * kButtonPitch, kHalfWidth, kButtonHeight } },
    { MacroDialog::Batch, { 8, kLeftRow + 3 * kButtonPitch, kFullWidth, kButtonHeight } },
    { MacroDialog::Start, { 168, 6, kMiddleHalf, kButtonHeight } },
    { MacroDialog::Stop, { 168, 6, kMiddleHalf, kButtonHeight } },
    { MacroDialog::RecordAfter, { 290, 6, kMiddleHalf, kButtonHeight } },
    { MacroDialog::MoveUp, { 168, kMiddleRow, kMiddleHalf, kButtonHeight } },
    { MacroDialog::MoveDown, { 290, kMiddleRow, kMiddleHalf, kButtonHeight } },
    { MacroDialog::Bottom, { 168, kMiddleRow + kButtonPitch, kMiddleHalf, kButtonHeight } },
    { MacroDialog::DeleteRow, { 290, kMiddleRow + kButtonPitch, kMiddleHalf, kButtonHeight } },
    { MacroDialog::Clear, { 168, kMiddleRow + 2 * kButtonPitch, kMiddleHalf, kButtonHeight } },
    { MacroDialog::Edit, { 290, kMiddleRow + 2 * kButtonPitch, kMiddleHalf, kButtonHeight } },
    { MacroDialog::Cut, { 168, kMiddleRow + 3 * kButtonPitch, kMiddleHalf, kButtonHeight } },
    { MacroDialog::Copy, { 290, kMiddleRow + 3 * kButtonPitch, kMiddleHalf, kButtonHeight } },
    { MacroDialog::Paste, { 168, kMiddleRow + 4 * kButtonPitch, kMiddleHalf, kButtonHeight } },
    { MacroDialog::InsertDelay, { 290, kMiddleRow + 4 * kButtonPitch, kMiddleHalf, kButtonHeight } },
    { MacroDialog::MouseCommand, { 418, 256, kMiddleHalf, kButtonHeight } },
    { MacroDialog::GunSet, { 540, 256, kMiddleHalf, kButtonHeight } },
    { MacroDialog::Save, { 418, 432, kMiddleHalf, 28 } },
    { MacroDialog::Cancel, { 540, 432, kMiddleHalf, 28 } },
};

const char* const kCommandTexts[MacroDialog::CommandCount] = {
    QT_TRANSLATE_NOOP("MacroDialog", "START"),        QT_TRANSLATE_NOOP("MacroDialog", "STOP"),
    QT_TRANSLATE_NOOP("MacroDialog", "NEW"),          QT_TRANSLATE_NOOP("MacroDialog", "DELETE"),
    QT_TRANSLATE_NOOP("MacroDialog", "RECORD AFTER"), QT_TRANSLATE_NOOP("MacroDialog", "MOVE UP"),
    QT_TRANSLATE_NOOP("MacroDialog", "MOVE DOWN"),    QT_TRANSLATE_NOOP("MacroDialog", "BOTTOM"),
    QT_TRANSLATE_NOOP("MacroDialog", "CLEAR"),        QT_TRANSLATE_NOOP("MacroDialog", "EDIT"),
    QT_TRANSLATE_NOOP("MacroDialog", "CUT"),          QT_TRANSLATE_NOOP("MacroDialog", "COPY"),
    QT_TRANSLATE_NOOP("MacroDialog", "PASTE"),        QT_TRANSLATE_NOOP("MacroDialog", "CHANGE NAME"),
    QT_TRANSLATE_NOOP("MacroDialog", "SAVE"),         QT_TRANSLATE_NOOP("MacroDialog", "CANCEL"),
    QT_TRANSLATE_NOOP("MacroDialog", "IMPORT"),       QT_TRANSLATE_NOOP("MacroDialog", "EXPORT"),
    QT_TRANSLATE_NOOP("MacroDialog", "BATCH"),        QT_TRANSLATE_NOOP("MacroDialog", "INSERT DELAY"),
    QT_TRANSLATE_NOOP("MacroDialog", "GUN SET"),      QT_TRANSLATE_NOOP("MacroDialog", "MOUSE COMMAND"),
    QT_TRANSLATE_NOOP("MacroDialog", "DELETE"),
};

// What an entry of the mouse-action tree stands for.
enum class TreeAction { Button, PressDown, BounceUp, Delay, Movement, Move };
constexpr int kActionRole = Qt::UserRole;
constexpr int kValueRole = Qt::UserRole + 1;

constexpr quint8 kTreeButtons[] = { MouseButtonBit::Left, MouseButtonBit::Middle, MouseButtonBit::Right,
                                    MouseButtonBit::Forward, MouseButtonBit::Backward };
constexpr MoveDirection kTreeMoves[] = { MoveDirection::Left, MoveDirection::Right, MoveDirection::Up,
                                         MoveDirection::Down };

constexpr int kDefaultDistance = 10;
constexpr int kDefaultInsertedDelayMs = 100;
constexpr int kMaxDelayFieldMs = 60000;
constexpr int kLoopTimeMinimum = 1;
constexpr int kLoopTimeMaximum = 255;

constexpr const char* kUnsavedQuestion =
    QT_TRANSLATE_NOOP("TarqMessageBox", "The macro \"%1\" has changes that are not saved. Save them now?");
constexpr const char* kMacroFull =
    QT_TRANSLATE_NOOP("TarqMessageBox", "A button holds at most %1 events: this macro has no room for more.");
constexpr const char* kMacroCut = QT_TRANSLATE_NOOP(
    "TarqMessageBox", "The file of this macro holds more events than a button can: only its first %1 are shown.");

QString listStyle()
{
    return QStringLiteral("QListWidget,QTreeWidget{background-color:rgb(18,19,21);color:rgb(225,225,225);"
                          "border:1px solid rgb(62,66,72);border-radius:3px;outline:0px;}"
                          "QListWidget::item,QTreeWidget::item{padding:%1px;}"
                          "QListWidget::item:selected,QTreeWidget::item:selected{background-color:rgb(44,47,51);"
                          "color:white;}"
                          "QListWidget:focus,QTreeWidget:focus{border-color:%2}"
                          "QListWidget QLineEdit{background-color:rgb(30,32,35);color:white;}"
                          "QListWidget::indicator{width:%3px;height:%3px}"
                          "QListWidget::indicator:unchecked{image:url(%4)}"
                          "QListWidget::indicator:checked{image:url(%5)}")
               .arg(scaled(2))
               .arg(themeColour().name())
               .arg(scaled(14))
               .arg(skinPath(QStringLiteral("checkbox2-1.png")), skinPath(QStringLiteral("checkbox2-2.png"))) +
           scrollBarStyle();
}

QString tableStyle()
{
    return QStringLiteral("QTableView{background-color:rgb(18,19,21);border:1px solid rgb(62,66,72);"
                          "border-radius:3px;outline:0px;gridline-color:rgb(30,32,35);}"
                          "QTableView:focus{border-color:%1}"
                          "QHeaderView::section{background-color:rgb(30,32,35);color:rgb(225,225,225);"
                          "border:0px;border-bottom:1px solid rgb(62,66,72);padding-left:%2px;}"
                          "QTableView QLineEdit{background-color:rgb(30,32,35);color:white;}")
               .arg(themeColour().name())
               .arg(scaled(6)) +
           scrollBarStyle();
}

void place(QWidget* widget, const QRect& design)
{
    widget->setGeometry(scaledRect(design, displayScaleFactor()));
}

} // namespace

MacroDialog::MacroDialog(QWidget* parent)
    : TarqPage(parent)
    , m_unit(productMinDelay())
    , m_recorder(m_unit)
{
    // The surface is the page's alone: a sheet without a selector reaches every child widget,
    // the dialogs opened over the page among them.
    setAttribute(Qt::WA_StyledBackground);
    setStyleSheet(QStringLiteral("MacroDialog{%1}").arg(QLatin1String(kPageStyle)));
    m_listener =
        new KeyListener(this, KeyListener::OtherPrograms::GetKeys, [this](int) { return m_recording || m_editingKey; });
    connect(m_listener, &KeyListener::ready, this, &MacroDialog::captureReady);
    connect(m_listener, &KeyListener::keyEvent, this, &MacroDialog::onKeyEvent);
    createControls();
    createTree();
    setTabOrder();
    retranslate();
    reloadLibrary(QString());
}

MacroDialog::~MacroDialog()
{
    m_listener->stop();
}

void MacroDialog::createControls()
{
    m_libraryTitle = new TarqLabel(this);
    m_nameCaption = new TarqLabel(this);
    m_treeTitle = new TarqLabel(this);
    m_distanceCaption = new TarqLabel(this);
    m_delayCaption = new TarqLabel(this);
    keepOffSurface({ m_libraryTitle, m_nameCaption, m_treeTitle, m_distanceCaption, m_delayCaption });

    m_list = new QListWidget(this);
    m_list->setEditTriggers(QAbstractItemView::DoubleClicked | QAbstractItemView::EditKeyPressed);
    m_list->setStyleSheet(listStyle());
    connect(m_list, &QListWidget::currentItemChanged, this, &MacroDialog::CurrentChanged);
    connect(m_list, &QListWidget::itemChanged, this, [this](QListWidgetItem* item) {
        const QString oldName = static_cast<const TarqListItem*>(item)->name();
        if (item->text() != oldName)
            renameMacro(item, item->text());
    });
    m_nameEdit = new TarqLineEdit(this);
    connect(m_nameEdit, &QLineEdit::returnPressed, this, [this] { runCommand(ChangeName); });

    m_model = new TarqItemModel(m_unit, this);
    m_delegate = new TarqMacroItemDelegate(m_model, this);
    m_table = new QTableView(this);
    m_table->setModel(m_model);
    m_table->setItemDelegate(m_delegate);
    m_table->setSelectionBehavior(QAbstractItemView::SelectRows);
    m_table->setSelectionMode(QAbstractItemView::SingleSelection);
    m_table->setEditTriggers(QAbstractItemView::DoubleClicked | QAbstractItemView::EditKeyPressed);
    m_table->setColumnHidden(TarqItemModel::LowColumn, true);
    m_table->verticalHeader()->hide();
    m_table->horizontalHeader()->setHighlightSections(false);
    m_table->setShowGrid(false);
    m_table->setStyleSheet(tableStyle());
    m_table->installEventFilter(this);
    connect(m_table, &QTableView::clicked, this, &MacroDialog::itemClicked);
    connect(m_model, &QAbstractItemModel::dataChanged, this, [this](const QModelIndex& topLeft) {
        if (topLeft.row() == selectedRow())
            showRowInFields(topLeft.row());
    });
    connect(m_table->selectionModel(), &QItemSelectionModel::currentRowChanged, this,
            [this](const QModelIndex& current) { SelectRow(current.isValid() ? current.row() : -1); });

    const auto makeField = [this](int minimum, int maximum) {
        auto* edit = new TarqLineEdit(this);
        edit->setValidator(new QIntValidator(minimum, maximum, edit));
        edit->setMaxLength(QString::number(maximum).size());
        edit->setAlignment(Qt::AlignCenter);
        return edit;
    };
    m_distanceEdit = makeField(1, kMaxMoveDistance);
    m_distanceEdit->setText(QString::number(kDefaultDistance));
    m_delayEdit = makeField(1, kMaxDelayFieldMs);
    m_delayEdit->setText(QString::number(kDefaultInsertedDelayMs));
    m_defaultDelayEdit = makeField(0, kMaxDelayFieldMs);
    m_loopTimeEdit = makeField(kLoopTimeMinimum, kLoopTimeMaximum);
    connect(m_distanceEdit, &QLineEdit::textEdited, this, &MacroDialog::EditMoveChanged);
    connect(m_delayEdit, &QLineEdit::textEdited, this, &MacroDialog::EditDelayChanged);
    connect(m_defaultDelayEdit, &QLineEdit::textEdited, this, &MacroDialog::DefDelayChanged);
    connect(m_loopTimeEdit, &QLineEdit::textEdited, this, &MacroDialog::LoopTimeChanged);

    m_recordDelays = new QCheckBox(this);
    m_defaultDelays = new QCheckBox(this);
    for (QCheckBox* box : { m_recordDelays, m_defaultDelays }) {
        styleCheckBox(box, CheckLook::Switch);
        connect(box, &QCheckBox::clicked, this, &MacroDialog::checkbtn_clicked);
    }
    for (size_t i = 0; i < m_loopBoxes.size(); ++i) {
        m_loopBoxes[i] = new QCheckBox(this);
        styleCheckBox(m_loopBoxes[i], CheckLook::Round);
        connect(m_loopBoxes[i], &QCheckBox::clicked, this, &MacroDialog::checkbtn_clicked);
    }

    for (int command = 0; command < CommandCount; ++command) {
        auto* button = new TarqPushButton(tabButtonImages(), this);
        button->setFocusPolicy(Qt::StrongFocus);
        connect(button, &QPushButton::clicked, this, &MacroDialog::TarqItemPressed);
        m_buttons[size_t(command)] = button;
    }
    button(Stop)->hide();
    button(Batch)->setCheckable(true);
}

void MacroDialog::createTree()
{
    m_tree = new QTreeWidget(this);
    m_tree->setHeaderHidden(true);
    m_tree->setExpandsOnDoubleClick(false);
    m_tree->setStyleSheet(listStyle());
    m_tree->setIndentation(scaled(14));
    const auto entry = [](QTreeWidgetItem* parent, TreeAction action, int value) {
        auto* item = new QTreeWidgetItem(parent);
        item->setData(0, kActionRole, int(action));
        item->setData(0, kValueRole, value);
        return item;
    };
    for (const quint8 bit : kTreeButtons) {
        auto* top = new QTreeWidgetItem(m_tree);
        top->setData(0, kActionRole, int(TreeAction::Button));
        top->setData(0, kValueRole, bit);
        entry(top, TreeAction::PressDown, bit);
        entry(top, TreeAction::BounceUp, bit);
    }
    auto* delay = new QTreeWidgetItem(m_tree);
    delay->setData(0, kActionRole, int(TreeAction::Delay));
    auto* movement = new QTreeWidgetItem(m_tree);
    movement->setData(0, kActionRole, int(TreeAction::Movement));
    for (const MoveDirection direction : kTreeMoves)
        entry(movement, TreeAction::Move, int(direction));
    connect(m_tree, &QTreeWidget::itemClicked, this, &MacroDialog::TreeitemClick);
    connect(m_tree, &QTreeWidget::itemActivated, this, &MacroDialog::TreeitemClick);
}

void MacroDialog::setTabOrder()
{
    QList<QWidget*> order{ m_list, m_nameEdit };
    for (const Command command : { New, DeleteMacro, ChangeName, Import, Export, Batch, Start, Stop, RecordAfter })
        order << button(command);
    order << m_table;
    for (const Command command : { MoveUp, MoveDown, Bottom, DeleteRow, Clear, Edit, Cut, Copy, Paste, InsertDelay })
        order << button(command);
    order << m_tree << m_distanceEdit << m_delayEdit << button(MouseCommand) << button(GunSet) << m_recordDelays
          << m_defaultDelays << m_defaultDelayEdit << m_loopBoxes[0] << m_loopTimeEdit << m_loopBoxes[1]
          << m_loopBoxes[2] << button(Save) << button(Cancel);
    for (int i = 1; i < order.size(); ++i)
        QWidget::setTabOrder(order.at(i - 1), order.at(i));
}

void MacroDialog::showProfile(ProfileRecord&, ConfigRecord& config, int)
{
    m_config = &config;
}

void MacroDialog::retranslate()
{
    for (int command = 0; command < CommandCount; ++command) {
        TarqPushButton* commandButton = m_buttons[size_t(command)];
        commandButton->setText(tr(kCommandTexts[command]));
        commandButton->setAccessibleName(commandButton->text());
    }
    // Two buttons read "DELETE": their names tell them apart for a screen reader.
    button(DeleteMacro)->setAccessibleName(tr("MACRO") + QLatin1Char(' ') + tr("DELETE"));
    button(DeleteRow)->setAccessibleName(tr("ACTION") + QLatin1Char(' ') + tr("DELETE"));
    m_libraryTitle->setText(tr("MACRO"));
    m_nameCaption->setText(tr("MACRO NAME"));
    m_treeTitle->setText(tr("MOUSE ACTION"));
    m_distanceCaption->setText(tr("DISTANCE"));
    m_delayCaption->setText(tr("DELAY(ms)"));
    m_recordDelays->setText(tr("RECORD DELAYS BETWEEN ACTION"));
    m_defaultDelays->setText(tr("INSERT DEFAULT DELAY"));
    m_loopBoxes[0]->setText(tr("LOOPS TIME(1-255)"));
    m_loopBoxes[1]->setText(tr("REPEAT RUN WHEN KEY DOWN"));
    m_loopBoxes[2]->setText(tr("REPEAT RUN UNTIL THE KEY DOWN"));
    m_list->setAccessibleName(tr("MACRO"));
    m_nameEdit->setAccessibleName(tr("MACRO NAME"));
    m_table->setAccessibleName(tr("ACTION"));
    m_tree->setAccessibleName(tr("MOUSE ACTION"));
    // Hidden, but screen readers list the column by its header.
    m_tree->setHeaderLabel(tr("MOUSE ACTION"));
    m_distanceEdit->setAccessibleName(tr("DISTANCE"));
    m_delayEdit->setAccessibleName(tr("DELAY(ms)"));
    m_defaultDelayEdit->setAccessibleName(tr("INSERT DEFAULT DELAY") + QStringLiteral(" (ms)"));
    m_loopTimeEdit->setAccessibleName(tr("LOOPS TIME(1-255)"));
    for (QCheckBox* box : { m_recordDelays, m_defaultDelays, m_loopBoxes[0], m_loopBoxes[1], m_loopBoxes[2] })
        box->setAccessibleName(box->text());
    m_model->setHeaderTexts();
    m_model->refreshTexts();

    for (int i = 0; i < m_tree->topLevelItemCount(); ++i) {
        QTreeWidgetItem* top = m_tree->topLevelItem(i);
        const auto action = TreeAction(top->data(0, kActionRole).toInt());
        if (action == TreeAction::Button)
            top->setText(0, tr(mouseButtonName(quint8(top->data(0, kValueRole).toInt()))));
        else if (action == TreeAction::Delay)
            top->setText(0, tr("DELAY"));
        else
            top->setText(0, tr("MOVEMENT"));
        for (int c = 0; c < top->childCount(); ++c) {
            QTreeWidgetItem* child = top->child(c);
            switch (TreeAction(child->data(0, kActionRole).toInt())) {
                case TreeAction::PressDown:
                    child->setText(0, tr("PRESS DOWN"));
                    break;
                case TreeAction::BounceUp:
                    child->setText(0, tr("BOUNCE UP"));
                    break;
                default:
                    child->setText(0, tr(moveDirectionName(MoveDirection(child->data(0, kValueRole).toInt()))));
                    break;
            }
        }
    }
    setAccessibleName(tr("MACRO"));
    fitTexts();
}

void MacroDialog::fitTexts()
{
    const QFont font = uiFont();
    for (QWidget* widget :
         std::initializer_list<QWidget*>{ m_list, m_nameEdit, m_table, m_tree, m_distanceEdit, m_delayEdit,
                                          m_defaultDelayEdit, m_loopTimeEdit, m_table->horizontalHeader() })
        widget->setFont(font);
    const int indicator = scaled(16) + scaled(8);
    for (QCheckBox* box : { m_recordDelays, m_defaultDelays, m_loopBoxes[0], m_loopBoxes[1], m_loopBoxes[2] })
        box->setFont(uiFontFitting(box->text(), box->width() - indicator));
    for (TarqLabel* label : { m_libraryTitle, m_nameCaption, m_treeTitle, m_distanceCaption, m_delayCaption })
        label->setFont(uiFontFitting(label->text(), label->width()));
}

void MacroDialog::resizeEvent(QResizeEvent* event)
{
    TarqPage::resizeEvent(event);
    place(m_libraryTitle, kLibraryTitle);
    place(m_list, kList);
    place(m_nameCaption, kNameCaption);
    place(m_nameEdit, kNameEdit);
    place(m_table, kTable);
    place(m_treeTitle, kTreeTitle);
    place(m_tree, kTree);
    place(m_distanceCaption, kDistanceCaption);
    place(m_distanceEdit, kDistanceEdit);
    place(m_delayCaption, kDelayCaption);
    place(m_delayEdit, kDelayEdit);
    place(m_recordDelays, kRecordDelays);
    place(m_defaultDelays, kDefaultDelays);
    place(m_defaultDelayEdit, kDefaultDelayEdit);
    place(m_loopBoxes[0], kLoopCount);
    place(m_loopTimeEdit, kLoopTimeEdit);
    place(m_loopBoxes[1], kLoopWhileDown);
    place(m_loopBoxes[2], kLoopUntilDown);
    for (const CommandPlace& commandPlace : kCommandPlaces)
        place(button(commandPlace.command), commandPlace.rect);
    QHeaderView* header = m_table->horizontalHeader();
    header->setStretchLastSection(false);
    header->setDefaultAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    header->setSectionResizeMode(TarqItemModel::KindColumn, QHeaderView::Stretch);
    header->setSectionResizeMode(TarqItemModel::HighColumn, QHeaderView::Fixed);
    header->resizeSection(TarqItemModel::HighColumn, scaled(kDelayColumnWidth));
    m_table->verticalHeader()->setDefaultSectionSize(scaled(22));
    m_list->setStyleSheet(listStyle());
    m_tree->setStyleSheet(listStyle());
    m_table->setStyleSheet(tableStyle());
    for (QCheckBox* box : { m_recordDelays, m_defaultDelays })
        styleCheckBox(box, CheckLook::Switch);
    for (QCheckBox* box : m_loopBoxes)
        styleCheckBox(box, CheckLook::Round);
    fitTexts();
}

bool MacroDialog::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == m_table && event->type() == QEvent::KeyPress && !m_recording && !m_editingKey) {
        const auto* key = static_cast<QKeyEvent*>(event);
        if (key->key() == Qt::Key_Delete && key->modifiers() == Qt::NoModifier) {
            runCommand(DeleteRow);
            return true;
        }
    }
    return TarqPage::eventFilter(watched, event);
}

QString MacroDialog::currentMacroName() const
{
    return m_loadedName;
}

int MacroDialog::selectedRow() const
{
    const QModelIndexList rows = m_table->selectionModel()->selectedRows();
    return rows.isEmpty() ? -1 : rows.first().row();
}

bool MacroDialog::isCaptureReady() const
{
    return m_listener->isReady();
}

int MacroDialog::delayMode() const
{
    if (m_recordDelays->isChecked())
        return 1;
    return m_defaultDelays->isChecked() ? 2 : 0;
}

int MacroDialog::loopType() const
{
    for (size_t i = 0; i < m_loopBoxes.size(); ++i) {
        if (m_loopBoxes[i]->isChecked())
            return int(i) + 1;
    }
    return 0;
}

int MacroDialog::fieldValue(const TarqLineEdit* edit, int fallback) const
{
    bool ok = false;
    const int value = edit->text().toInt(&ok);
    return ok ? value : fallback;
}

MacroFile MacroDialog::currentMacro() const
{
    MacroFile macro;
    macro.defaultDelay = fieldValue(m_defaultDelayEdit, 0);
    macro.delayType = delayMode();
    macro.loopType = loopType();
    macro.loopTime = fieldValue(m_loopTimeEdit, 0);
    macro.events = m_model->events();
    return macro;
}

bool MacroDialog::hasUnsavedEdits() const
{
    if (m_loadedName.isEmpty())
        return false;
    const MacroFile now = currentMacro();
    return now.events != m_loaded.events || now.defaultDelay != m_loaded.defaultDelay ||
           now.delayType != m_loaded.delayType || now.loopType != m_loaded.loopType ||
           now.loopTime != m_loaded.loopTime;
}

void MacroDialog::showEvents(const MacroFile& macro)
{
    const QSignalBlocker blockDefault(m_defaultDelayEdit);
    const QSignalBlocker blockLoop(m_loopTimeEdit);
    m_model->setEvents(macro.events);
    m_recordDelays->setChecked(macro.delayType == 1);
    m_defaultDelays->setChecked(macro.delayType == 2);
    m_defaultDelayEdit->setText(QString::number(macro.defaultDelay));
    for (size_t i = 0; i < m_loopBoxes.size(); ++i)
        m_loopBoxes[i]->setChecked(macro.loopType == int(i) + 1);
    m_loopTimeEdit->setText(QString::number(qBound(kLoopTimeMinimum, macro.loopTime, kLoopTimeMaximum)));
    if (m_model->rowCount() > 0)
        SelectRow(0);
}

void MacroDialog::loadSelectedMacro()
{
    const QListWidgetItem* item = m_list->currentItem();
    m_loadedName = item ? static_cast<const TarqListItem*>(item)->name() : QString();
    MacroFile macro = m_loadedName.isEmpty() ? MacroFile() : loadMacro(m_loadedName);
    const bool cut = macro.events.size() > kMaxMacroEventsWithDelays;
    if (cut)
        macro.events.resize(kMaxMacroEventsWithDelays);
    showEvents(macro);
    // What the widgets show now is the saved state: a field that only tidies a stored value
    // (a loop count of 0 shown as 1) is no edit of the user's.
    m_loaded = currentMacro();
    const QSignalBlocker blockName(m_nameEdit);
    m_nameEdit->setText(m_loadedName);
    updateCommandStates();
    if (cut)
        showMessage(kWarning, kMacroCut, QString::number(kMaxMacroEventsWithDelays));
}

bool MacroDialog::saveCurrentMacro()
{
    if (m_loadedName.isEmpty())
        return false;
    const MacroFile macro = currentMacro();
    // What the mouse could not hold whole is fixed here first, not found out at the next send.
    const QString refusal = macroRefusal(macro.events);
    if (!refusal.isEmpty()) {
        showMessage(kWarning, kShownAsIs, refusal);
        return false;
    }
    const MacroResult result = saveMacro(m_loadedName, macro);
    if (result != MacroResult::Ok) {
        showMessage(kWarning, macroResultMessage(result));
        return false;
    }
    m_loaded = macro;
    return true;
}

void MacroDialog::updateCommandStates()
{
    const bool capturing = m_recording || m_editingKey;
    const bool hasMacro = !m_loadedName.isEmpty();
    const bool idle = !capturing;
    for (int command = 0; command < CommandCount; ++command) {
        bool enabled = idle && hasMacro;
        switch (Command(command)) {
            case New:
            case Import:
            case Batch:
            case GunSet:
                enabled = idle;
                break;
            case Stop:
                enabled = m_recording;
                break;
            case Save:
            case Cancel:
                enabled = hasMacro && !m_recording;
                break;
            case Cut:
            case Copy:
            case Paste:
                enabled = false;
                break;
            default:
                break;
        }
        m_buttons[size_t(command)]->setEnabled(enabled);
    }
    button(Start)->setVisible(!m_recording);
    button(Stop)->setVisible(m_recording);
    for (QWidget* widget : std::initializer_list<QWidget*>{
             m_table, m_tree, m_distanceEdit, m_delayEdit, m_recordDelays, m_defaultDelays, m_defaultDelayEdit,
             m_loopBoxes[0], m_loopBoxes[1], m_loopBoxes[2], m_loopTimeEdit, m_nameEdit })
        widget->setEnabled(idle && hasMacro);
    m_list->setEnabled(idle);
}

void MacroDialog::setCaptureState(bool capturing)
{
    updateCommandStates();
    emit EnableButtonsSignal(!capturing);
}

void MacroDialog::TarqItemPressed()
{
    for (int command = 0; command < CommandCount; ++command) {
        if (sender() == m_buttons[size_t(command)]) {
            runCommand(Command(command));
            return;
        }
    }
}

void MacroDialog::runCommand(Command command)
{
    qCDebug(lcUi, "macro command %d", int(command));
    switch (command) {
        case Start:
            startRecording(false);
            break;
        case RecordAfter:
            startRecording(true);
            break;
        case Stop:
            stopRecording();
            break;
        case Edit:
            startKeyEdit();
            break;
        case DeleteRow:
            deleteSelectedRow();
            break;
        case MoveUp:
        case MoveDown:
        case Bottom:
            moveSelectedRow(command);
            break;
        case Clear:
            if (m_model->rowCount() > 0)
                m_model->clearRows();
            break;
        case InsertDelay:
            if (!m_loadedName.isEmpty())
                insertRows({ delayEvent(fieldValue(m_delayEdit, m_unit), m_unit) });
            break;
        case MouseCommand:
            if (m_tree->currentItem())
                TreeitemClick(m_tree->currentItem(), 0);
            break;
        case Save:
            endCapture();
            saveCurrentMacro();
            break;
        case Cancel:
            endCapture();
            loadSelectedMacro();
            break;
        case New:
            newMacro();
            break;
        case DeleteMacro:
            deleteMacro();
            break;
        case ChangeName:
            if (m_list->currentItem())
                renameMacro(m_list->currentItem(), m_nameEdit->text().trimmed());
            break;
        case Import:
            importMacros();
            break;
        case Export:
            exportMacros();
            break;
        case Batch:
            toggleBatch();
            break;
        case GunSet:
            openGunSet();
            break;
        case Cut:
        case Copy:
        case Paste:
        case CommandCount:
            break;
    }
}

void MacroDialog::startRecording(bool keepRows)
{
    if (m_loadedName.isEmpty() || m_recording || m_editingKey)
        return;
    if (keepRows) {
        const int selected = selectedRow();
        m_insertRow = selected < 0 ? m_model->rowCount() : selected + 1;
    } else {
        m_model->clearRows();
        m_model->setHeaderTexts();
        m_insertRow = 0;
    }
    m_recorder.start(delayMode(), fieldValue(m_defaultDelayEdit, 0));
    m_clock.start();
    m_recording = true;
    setCaptureState(true);
    m_listener->start();
}

void MacroDialog::endCapture()
{
    if (!m_recording && !m_editingKey)
        return;
    m_listener->stop();
    m_recording = false;
    m_editingKey = false;
    setCaptureState(false);
}

void MacroDialog::stopRecording()
{
    if (!m_recording)
        return;
    endCapture();
    const QString unreleased = unreleasedMessage(m_model->events());
    if (!unreleased.isEmpty())
        showMessage(kWarning, kShownAsIs, unreleased);
}

void MacroDialog::startKeyEdit()
{
    const int row = selectedRow();
    if (row < 0 || m_recording || m_editingKey)
        return;
    const MacroEvent event = m_model->event(row);
    if (event.kind == MacroKind::Delay) {
        // A delay is edited in place, in milliseconds.
        m_table->edit(m_model->index(row, TarqItemModel::HighColumn));
        return;
    }
    if (event.kind == MacroKind::Move) {
        m_distanceEdit->setFocus();
        m_distanceEdit->selectAll();
        return;
    }
    m_editingKey = true;
    m_lastKeyCode = -1;
    m_lastKeyFlags = -1;
    SelectRow(row);
    setCaptureState(true);
    m_listener->start();
}

void MacroDialog::onKeyEvent(int keyCode, int flags)
{
    if (m_recording) {
        const QVector<MacroEvent> rows = m_recorder.record(keyCode, flags, m_clock.elapsed(), m_model->events());
        if (rows.isEmpty())
            return;
        m_model->insertEvents(m_insertRow, rows);
        m_insertRow += rows.size();
        SelectRow(m_insertRow - 1);
        return;
    }
    if (!m_editingKey || (keyCode == m_lastKeyCode && flags == m_lastKeyFlags))
        return;
    m_lastKeyCode = keyCode;
    m_lastKeyFlags = flags;
    const int row = selectedRow();
    if (row >= 0 && (m_model->event(row).kind & ~MacroKind::PressFlag) == MacroKind::KeyRelease) {
        const QVector<MacroEvent> events = m_model->events();
        const QVector<MacroEvent> edited = withPairRecoded(events, row, withKey(events.at(row), keyCode).dataL);
        for (int i = 0; i < edited.size(); ++i) {
            if (!(edited.at(i) == events.at(i)))
                m_model->setEvent(i, edited.at(i));
        }
    }
    SelectRow(row);
}

void MacroDialog::insertRows(const QVector<MacroEvent>& rows)
{
    if (m_loadedName.isEmpty() || rows.isEmpty())
        return;
    const int selected = selectedRow();
    const int at = selected < 0 ? m_model->rowCount() : selected + 1;
    // Where the rows go does not change whether they fit.
    const QVector<MacroEvent> after = m_model->events() + rows;
    if (!macroFits(after)) {
        showMessage(kWarning, kMacroFull, QString::number(macroEventLimit(after)));
        return;
    }
    m_model->insertEvents(at, rows);
    SelectRow(at + rows.size() - 1);
}

void MacroDialog::deleteSelectedRow()
{
    const int row = selectedRow();
    if (m_model->rowCount() == 0 || row < 0)
        return;
    const bool onlyRow = m_model->rowCount() == 1;
    m_model->removeRow(row);
    if (!onlyRow)
        SelectRow(qMin(row, m_model->rowCount() - 1));
}

void MacroDialog::moveSelectedRow(Command command)
{
    const int row = selectedRow();
    const int count = m_model->rowCount();
    if (count == 0 || row < 0)
        return;
    int target = row;
    if (command == MoveUp)
        target = row - 1;
    else if (command == MoveDown)
        target = row + 1;
    else
        target = count - 1;
    if (target < 0 || target >= count || target == row)
        return;
    m_model->moveEventRow(row, target);
    SelectRow(target);
}

void MacroDialog::SelectRow(int row)
{
    if (row < 0 || row >= m_model->rowCount())
        return;
    const QModelIndex index = m_model->index(row, TarqItemModel::KindColumn);
    if (m_table->currentIndex().row() != row) {
        m_table->selectionModel()->setCurrentIndex(index,
                                                   QItemSelectionModel::ClearAndSelect | QItemSelectionModel::Rows);
    } else if (!m_table->selectionModel()->isRowSelected(row, QModelIndex())) {
        m_table->selectionModel()->select(index, QItemSelectionModel::ClearAndSelect | QItemSelectionModel::Rows);
    }
    m_table->scrollTo(index);
    showRowInFields(row);
}

void MacroDialog::showRowInFields(int row)
{
    // The fields beside the table show the selected movement's distance and delay's length; a
    // field being typed into keeps what the user typed.
    const MacroEvent event = m_model->event(row);
    MoveDirection direction = MoveDirection::Right;
    int distance = 0;
    if (readMove(event, direction, distance) && !m_distanceEdit->hasFocus()) {
        const QSignalBlocker block(m_distanceEdit);
        m_distanceEdit->setText(QString::number(distance));
    } else if (event.kind == MacroKind::Delay && !m_delayEdit->hasFocus()) {
        const QSignalBlocker block(m_delayEdit);
        m_delayEdit->setText(QString::number(delayMilliseconds(event, m_unit)));
    }
}

void MacroDialog::itemClicked(const QModelIndex& index)
{
    if (index.isValid())
        SelectRow(index.row());
}

void MacroDialog::EditMoveChanged(const QString& text)
{
    const int row = selectedRow();
    bool ok = false;
    const int value = text.toInt(&ok);
    MoveDirection direction = MoveDirection::Right;
    int distance = 0;
    if (row < 0 || !ok || !readMove(m_model->event(row), direction, distance))
        return;
    m_model->setEvent(row, ::moveEvent(direction, value));
}

void MacroDialog::EditDelayChanged(const QString& text)
{
    const int row = selectedRow();
    bool ok = false;
    const int value = text.toInt(&ok);
    if (row < 0 || !ok || m_model->event(row).kind != MacroKind::Delay)
        return;
    m_model->setEvent(row, delayEvent(value, m_unit));
}

void MacroDialog::DefDelayChanged(const QString& text)
{
    qCDebug(lcUi, "default delay %s", qUtf8Printable(text));
}

void MacroDialog::LoopTimeChanged(const QString& text)
{
    qCDebug(lcUi, "loop time %s", qUtf8Printable(text));
}

void MacroDialog::checkbtn_clicked()
{
    // The delay modes exclude each other, as do the loop types; either may be left with none.
    auto* clicked = qobject_cast<QCheckBox*>(sender());
    if (!clicked || !clicked->isChecked())
        return;
    const QList<QCheckBox*> delayBoxes{ m_recordDelays, m_defaultDelays };
    const QList<QCheckBox*> loopBoxes{ m_loopBoxes[0], m_loopBoxes[1], m_loopBoxes[2] };
    for (QCheckBox* box : delayBoxes.contains(clicked) ? delayBoxes : loopBoxes) {
        if (box != clicked)
            box->setChecked(false);
    }
}

void MacroDialog::TreeitemClick(QTreeWidgetItem* item, int)
{
    if (!item || m_recording || m_editingKey)
        return;
    const auto action = TreeAction(item->data(0, kActionRole).toInt());
    const int value = item->data(0, kValueRole).toInt();
    const int mode = delayMode();
    const int defaultDelay = fieldValue(m_defaultDelayEdit, 0);
    switch (action) {
        case TreeAction::Button:
        case TreeAction::Movement:
            if (!item->isExpanded()) {
                for (int i = 0; i < m_tree->topLevelItemCount(); ++i)
                    m_tree->topLevelItem(i)->setExpanded(m_tree->topLevelItem(i) == item);
                return;
            }
            if (action == TreeAction::Button)
                insertRows(mouseActionRows(quint8(value), ClickPart::Click, mode, defaultDelay, m_unit));
            break;
        case TreeAction::PressDown:
            insertRows(mouseActionRows(quint8(value), ClickPart::Press, mode, defaultDelay, m_unit));
            break;
        case TreeAction::BounceUp:
            insertRows(mouseActionRows(quint8(value), ClickPart::Release, mode, defaultDelay, m_unit));
            break;
        case TreeAction::Delay:
            insertRows({ delayEvent(fieldValue(m_delayEdit, m_unit), m_unit) });
            break;
        case TreeAction::Move:
            m_tree->setCurrentItem(item);
            mousemove_test();
            break;
    }
}

void MacroDialog::mousemove_test()
{
    const QTreeWidgetItem* item = m_tree->currentItem();
    if (!item || TreeAction(item->data(0, kActionRole).toInt()) != TreeAction::Move)
        return;
    const auto direction = MoveDirection(item->data(0, kValueRole).toInt());
    QVector<MacroEvent> rows{ ::moveEvent(direction, fieldValue(m_distanceEdit, kDefaultDistance)) };
    rows << modeDelayRows(delayMode(), fieldValue(m_defaultDelayEdit, 0), m_unit);
    insertRows(rows);
}

void MacroDialog::CurrentChanged(QListWidgetItem* current, QListWidgetItem* previous)
{
    endCapture();
    if (previous && hasUnsavedEdits() && askToSave(m_loadedName) && !saveCurrentMacro()) {
        // The edits could not be written: stay on them rather than lose them.
        const QSignalBlocker block(m_list);
        m_list->setCurrentItem(previous);
        return;
    }
    Q_UNUSED(current)
    loadSelectedMacro();
}

bool MacroDialog::askToSave(const QString& name)
{
    TarqMessageBox box(TarqMessageBox::Question, QString(), QLatin1String(kWarning),
                       TarqMessageBox::tr(kUnsavedQuestion).arg(name), this);
    box.setWindowModality(Qt::ApplicationModal);
    return box.exec() == QDialog::Accepted;
}

bool MacroDialog::settleUnsavedEdits()
{
    if (m_settling)
        return true;
    m_settling = true;
    endCapture();
    bool settled = true;
    if (hasUnsavedEdits()) {
        if (askToSave(m_loadedName))
            settled = saveCurrentMacro();
        else
            loadSelectedMacro();
    }
    m_settling = false;
    return settled;
}

void MacroDialog::showMessage(const char* heading, const char* text, const QString& argument)
{
    const QString translated = TarqMessageBox::tr(text);
    auto* box = new TarqMessageBox(TarqMessageBox::Warning, QString(), QLatin1String(heading),
                                   argument.isEmpty() ? translated : translated.arg(argument), this);
    box->setAttribute(Qt::WA_DeleteOnClose);
    box->setWindowModality(Qt::ApplicationModal);
    box->open();
}
