// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/app_profiles_dialog.h"

#include "controls/dialog_controls.h"
#include "controls/dialog_look.h"
#include "controls/display_scale.h"
#include "controls/labels_menus.h"
#include "controls/message_box.h"
#include "controls/push_button.h"
#include "controls/skin_catalogue.h"
#include "controls/skin_paths.h"
#include "pages/page_look.h"
#include "platform/window_picker.h"

#include <QCheckBox>
#include <QCoreApplication>
#include <QKeyEvent>
#include <QLabel>
#include <QListWidget>
#include <QSignalBlocker>
#include <QToolButton>
#include <algorithm>

namespace {

constexpr int kDialogWidth = 620;
constexpr int kDialogHeight = 480;
constexpr int kRowHeight = 28;
constexpr int kRowGap = 8;
constexpr int kNoteHeight = 36;
constexpr int kListWidth = 230;
constexpr int kColumnGap = 16;
constexpr int kDefaultMenuWidth = 260;

constexpr const char* kNoActiveWindowText =
    QT_TRANSLATE_NOOP("TarqAppProfilesDialog", "This desktop does not tell programs which window is active.");
constexpr const char* kFirstRuleText = QT_TRANSLATE_NOOP(
    "TarqAppProfilesDialog", "The first rule that names the application in front chooses the profile.");
constexpr const char* kPickingText =
    QT_TRANSLATE_NOOP("TarqAppProfilesDialog", "Click the window of the application. Escape cancels.");
constexpr const char* kPickFailedText =
    QT_TRANSLATE_NOOP("TarqAppProfilesDialog", "Another program holds the pointer; try again.");
constexpr const char* kNoNameText =
    QT_TRANSLATE_NOOP("TarqAppProfilesDialog", "Every rule needs the name of an application.");
// The message box translates these in its own context.
constexpr const char* kNotWrittenText = QT_TRANSLATE_NOOP("TarqMessageBox", "Config.ini could not be written.");

} // namespace

TarqAppProfilesDialog::TarqAppProfilesDialog(const AppProfileSettings& settings, bool desktopTells,
                                             std::unique_ptr<WindowPicker> picker, QWidget* parent)
    : TarqSkinDialog(QLatin1String(Skin::GunDialog), QSize(kDialogWidth, kDialogHeight), parent)
    , m_settings(settings)
    , m_original(settings)
    , m_desktopTells(desktopTells)
    , m_picker(std::move(picker))
{
    setWindowModality(Qt::ApplicationModal);
    setTexts(tr("APPLICATIONS"), tr("OK"), tr("Cancel"));
    buildControls();
    connect(m_picker.get(), &WindowPicker::picked, this, &TarqAppProfilesDialog::takePicked);
    connect(m_picker.get(), &WindowPicker::cancelled, this, &TarqAppProfilesDialog::endPick);
    refreshList(m_settings.rules.isEmpty() ? -1 : 0);
    (m_enabledBox->isEnabled() ? static_cast<QWidget*>(m_enabledBox) : m_list)->setFocus();
}

TarqAppProfilesDialog::~TarqAppProfilesDialog() = default;

void TarqAppProfilesDialog::buildControls()
{
    const QRect content = contentRect();
    const int left = content.left();
    const int width = content.width();
    const int row = scaled(kRowHeight);
    const int gap = scaled(kRowGap);
    int top = content.top();

    m_enabledBox = new QCheckBox(tr("Switch the profile with the application in front"), this);
    styleCheckBox(m_enabledBox, CheckLook::Switch);
    // Off and dimmed where the desktop does not tell, rather than without a switch at all.
    m_enabledBox->setStyleSheet(checkBoxStyle(CheckLook::Switch) +
                                QStringLiteral("QCheckBox::indicator:disabled{image:url(%1)}"
                                               "QCheckBox:disabled{color:rgb(140,144,150)}")
                                    .arg(skinPath(QStringLiteral("checkbox1-1.png"))));
    m_enabledBox->setFont(dialogFont());
    m_enabledBox->setAccessibleName(m_enabledBox->text());
    // Where the desktop does not tell, switching stays off whatever the file holds.
    m_enabledBox->setChecked(m_desktopTells && m_settings.enabled);
    m_enabledBox->setEnabled(m_desktopTells);
    m_enabledBox->setGeometry(left, top, width, row);
    connect(m_enabledBox, &QCheckBox::toggled, this, [this](bool on) { m_settings.enabled = on; });
    top += row + gap / 2;

    m_note = makeCaption(this, QString());
    m_note->setWordWrap(true);
    m_note->setGeometry(left, top, width, scaled(kNoteHeight));
    top += scaled(kNoteHeight) + gap / 2;

    auto* defaultCaption = makeCaption(this, tr("When no rule matches"));
    const int defaultCaptionWidth = fitCaptions({ defaultCaption }, width / 2);
    defaultCaption->setGeometry(left, top, defaultCaptionWidth, row);
    m_defaultButton = makeSkinnedButton(this, QString());
    m_defaultButton->setAccessibleName(defaultCaption->text());
    m_defaultMenu = new TarqMenu(this);
    m_defaultButton->setMenu(m_defaultMenu);
    m_defaultButton->setGeometry(left + defaultCaptionWidth, top,
                                 std::min(scaled(kDefaultMenuWidth), width - defaultCaptionWidth), row);
    fillDefaultMenu();
    top += row + gap;

    m_list = makeRowList(this);
    m_list->setAccessibleName(tr("Rules"));
    const int listWidth = scaled(kListWidth);
    const int listHeight = content.bottom() + 1 - top;
    m_list->setGeometry(left, top, listWidth, listHeight);
    connect(m_list, &QListWidget::currentRowChanged, this, &TarqAppProfilesDialog::showSelectedRule);

    const int columnLeft = left + listWidth + scaled(kColumnGap);
    const int columnWidth = content.right() + 1 - columnLeft;
    const int step = std::min(row + gap, (listHeight - row) / 4);
    auto rowTop = [&](int index) { return top + index * step; };
    auto* matchCaption = makeCaption(this, tr("Application"));
    auto* slotCaption = makeCaption(this, tr("Profile"));
    const int captionWidth = fitCaptions({ matchCaption, slotCaption }, columnWidth / 2);
    const int fieldWidth = columnWidth - captionWidth;
    matchCaption->setGeometry(columnLeft, rowTop(0), captionWidth, row);
    m_matchEdit = new TarqLineEdit(this);
    m_matchEdit->setFont(dialogFont());
    m_matchEdit->setAccessibleName(matchCaption->text());
    m_matchEdit->setAccessibleDescription(tr("The window's class or instance name, or the program's file name"));
    m_matchEdit->setGeometry(columnLeft + captionWidth, rowTop(0), fieldWidth, row);
    connect(m_matchEdit, &QLineEdit::textEdited, this, [this](const QString& text) {
        const int selected = selectedRow();
        if (selected < 0)
            return;
        m_settings.rules[selected].match = text;
        m_list->item(selected)->setText(ruleText(m_settings.rules[selected]));
        updateControls();
    });

    slotCaption->setGeometry(columnLeft, rowTop(1), captionWidth, row);
    m_slotButton = makeSkinnedButton(this, QString());
    m_slotButton->setAccessibleName(slotCaption->text());
    m_slotMenu = new TarqMenu(this);
    m_slotButton->setMenu(m_slotMenu);
    m_slotButton->setGeometry(columnLeft + captionWidth, rowTop(1), fieldWidth, row);
    fillSlotMenu();

    const int half = (columnWidth - gap) / 2;
    m_addButton = makeSkinnedButton(this, tr("Add"));
    m_addButton->setGeometry(columnLeft, rowTop(2), half, row);
    m_removeButton = makeSkinnedButton(this, tr("Remove"));
    m_removeButton->setGeometry(columnLeft + columnWidth - half, rowTop(2), half, row);
    m_upButton = makeSkinnedButton(this, tr("Move up"));
    m_upButton->setGeometry(columnLeft, rowTop(3), half, row);
    m_downButton = makeSkinnedButton(this, tr("Move down"));
    m_downButton->setGeometry(columnLeft + columnWidth - half, rowTop(3), half, row);
    m_pickButton = makeSkinnedButton(this, tr("Pick a window"));
    m_pickButton->setAccessibleDescription(tr("The next window you click gives its name to the rule"));
    m_pickButton->setGeometry(columnLeft, rowTop(4), columnWidth, row);
    connect(m_addButton, &QPushButton::clicked, this, &TarqAppProfilesDialog::addRule);
    connect(m_removeButton, &QPushButton::clicked, this, &TarqAppProfilesDialog::removeRule);
    connect(m_upButton, &QPushButton::clicked, this, [this] { moveRule(-1); });
    connect(m_downButton, &QPushButton::clicked, this, [this] { moveRule(1); });
    connect(m_pickButton, &QPushButton::clicked, this, &TarqAppProfilesDialog::startPick);

    QWidget* order[] = { m_enabledBox,   m_defaultButton, m_list,       m_matchEdit,  m_slotButton, m_addButton,
                         m_removeButton, m_upButton,      m_downButton, m_pickButton, yesButton(),  noButton() };
    for (size_t i = 1; i < std::size(order); ++i)
        setTabOrder(order[i - 1], order[i]);
}

QString TarqAppProfilesDialog::slotText(int slot) const
{
    return slot == kStayOnCurrentSlot ? tr("Stay on the current profile") : tr("Profile %1").arg(slot);
}

void TarqAppProfilesDialog::fillDefaultMenu()
{
    for (int slot = kStayOnCurrentSlot; slot <= kLastAppProfileSlot; ++slot) {
        auto* action = new TarqAction(slotText(slot), m_defaultMenu);
        m_defaultMenu->addChoice(action);
        connect(action, &QAction::triggered, this, [this, slot] {
            m_settings.defaultSlot = slot;
            m_defaultButton->setText(slotText(slot));
            m_defaultButton->setAccessibleDescription(slotText(slot));
        });
    }
    m_defaultMenu->setCurrentEntry([this] { return m_defaultMenu->actions().value(m_settings.defaultSlot); });
    m_defaultButton->setText(slotText(m_settings.defaultSlot));
    m_defaultButton->setAccessibleDescription(slotText(m_settings.defaultSlot));
}

void TarqAppProfilesDialog::fillSlotMenu()
{
    for (int slot = kFirstAppProfileSlot; slot <= kLastAppProfileSlot; ++slot) {
        auto* action = new TarqAction(slotText(slot), m_slotMenu);
        m_slotMenu->addChoice(action);
        connect(action, &QAction::triggered, this, [this, slot] {
            const int selected = selectedRow();
            if (selected < 0)
                return;
            m_settings.rules[selected].slot = slot;
            refreshList(selected);
        });
    }
    m_slotMenu->setCurrentEntry([this]() -> QAction* {
        const int selected = selectedRow();
        return selected < 0 ? nullptr : m_slotMenu->actions().value(m_settings.rules[selected].slot - 1);
    });
}

QString TarqAppProfilesDialog::ruleText(const AppProfileRule& rule) const
{
    const QString match = rule.match.trimmed().isEmpty() ? tr("(no application)") : rule.match.trimmed();
    return QStringLiteral("%1  \u2192  %2").arg(match, slotText(rule.slot));
}

int TarqAppProfilesDialog::selectedRow() const
{
    const int row = m_list->currentRow();
    return row >= 0 && row < m_settings.rules.size() ? row : -1;
}

void TarqAppProfilesDialog::refreshList(int selected)
{
    {
        const QSignalBlocker blocker(m_list);
        m_list->clear();
        for (const AppProfileRule& rule : m_settings.rules)
            m_list->addItem(ruleText(rule));
        m_list->setCurrentRow(std::min(selected, int(m_settings.rules.size()) - 1));
    }
    showSelectedRule();
}

void TarqAppProfilesDialog::showSelectedRule()
{
    const int selected = selectedRow();
    const bool any = selected >= 0;
    m_matchEdit->setText(any ? m_settings.rules[selected].match : QString());
    m_slotButton->setText(any ? slotText(m_settings.rules[selected].slot) : QString());
    m_slotButton->setAccessibleDescription(m_slotButton->text());
    updateControls();
}

const char* TarqAppProfilesDialog::refusal() const
{
    for (const AppProfileRule& rule : m_settings.rules)
        if (cleanAppProfileMatch(rule.match).isEmpty())
            return kNoNameText;
    return nullptr;
}

void TarqAppProfilesDialog::updateControls()
{
    const int selected = selectedRow();
    const bool picking = m_picker->isPicking();
    m_matchEdit->setEnabled(selected >= 0 && !picking);
    m_slotButton->setEnabled(selected >= 0 && !picking);
    m_addButton->setEnabled(m_settings.rules.size() < kMaxAppProfileRules && !picking);
    m_removeButton->setEnabled(selected >= 0 && !picking);
    m_upButton->setEnabled(selected > 0 && !picking);
    m_downButton->setEnabled(selected >= 0 && selected + 1 < m_settings.rules.size() && !picking);
    m_pickButton->setEnabled(m_desktopTells && m_picker->isAvailable() && !picking &&
                             (selected >= 0 || m_settings.rules.size() < kMaxAppProfileRules));
    yesButton()->setEnabled(!refusal() && !picking);
    showNote();
}

void TarqAppProfilesDialog::showNote()
{
    const char* note = kFirstRuleText;
    if (!m_desktopTells)
        note = kNoActiveWindowText;
    else if (m_picker->isPicking())
        note = kPickingText;
    else if (const char* refused = refusal())
        note = refused;
    m_note->setText(tr(note));
    m_note->setAccessibleName(m_note->text());
}

void TarqAppProfilesDialog::addRule()
{
    if (m_settings.rules.size() >= kMaxAppProfileRules)
        return;
    m_settings.rules.append(AppProfileRule{});
    refreshList(m_settings.rules.size() - 1);
    m_matchEdit->setFocus();
}

void TarqAppProfilesDialog::removeRule()
{
    const int selected = selectedRow();
    if (selected < 0)
        return;
    m_settings.rules.removeAt(selected);
    refreshList(std::min(selected, int(m_settings.rules.size()) - 1));
    if (m_settings.rules.isEmpty())
        m_addButton->setFocus();
}

void TarqAppProfilesDialog::moveRule(int by)
{
    const int selected = selectedRow();
    const int target = selected + by;
    if (selected < 0 || target < 0 || target >= m_settings.rules.size())
        return;
    std::swap(m_settings.rules[selected], m_settings.rules[target]);
    refreshList(target);
    // The pressed button may have just been disabled (the rule reached an end).
    if (!focusWidget() || !focusWidget()->isEnabled())
        m_list->setFocus();
}

void TarqAppProfilesDialog::startPick()
{
    if (!m_picker->start()) {
        m_note->setText(tr(kPickFailedText));
        m_note->setAccessibleName(m_note->text());
        return;
    }
    updateControls();
}

void TarqAppProfilesDialog::takePicked(const ActiveWindow& window)
{
    QString name = window.className;
    for (const QString& other : { window.instanceName, window.executableName })
        if (cleanAppProfileMatch(name).isEmpty())
            name = other;
    name = cleanAppProfileMatch(name);
    if (!name.isEmpty()) {
        int selected = selectedRow();
        if (selected < 0 && m_settings.rules.size() < kMaxAppProfileRules) {
            m_settings.rules.append(AppProfileRule{});
            selected = m_settings.rules.size() - 1;
        }
        if (selected >= 0) {
            m_settings.rules[selected].match = name;
            refreshList(selected);
        }
    }
    endPick();
}

void TarqAppProfilesDialog::endPick()
{
    updateControls();
    m_pickButton->setFocus();
    raise();
    activateWindow();
}

AppProfileSettings TarqAppProfilesDialog::settings() const
{
    AppProfileSettings cleaned = m_settings;
    for (AppProfileRule& rule : cleaned.rules)
        rule.match = cleanAppProfileMatch(rule.match);
    return cleaned;
}

void TarqAppProfilesDialog::accept()
{
    if (!yesButton()->isEnabled())
        return;
    const AppProfileSettings chosen = settings();
    if (!(chosen == m_original) && writeAppProfileSettings(chosen) != StorageResult::Ok) {
        auto* box = new TarqMessageBox(TarqMessageBox::Warning, QString(), QStringLiteral("Warning"),
                                       QCoreApplication::translate("TarqMessageBox", kNotWrittenText), this);
        box->setAttribute(Qt::WA_DeleteOnClose);
        box->setWindowModality(Qt::ApplicationModal);
        box->open();
        return;
    }
    TarqSkinDialog::accept();
}

void TarqAppProfilesDialog::reject()
{
    {
        // A pick running as the dialog goes just ends.
        const QSignalBlocker blocker(m_picker.get());
        m_picker->cancel();
    }
    TarqSkinDialog::reject();
}

void TarqAppProfilesDialog::keyPressEvent(QKeyEvent* event)
{
    // Escape while picking ends the pick, not the dialog.
    if (event->key() == Qt::Key_Escape && m_picker->isPicking()) {
        m_picker->cancel();
        return;
    }
    TarqSkinDialog::keyPressEvent(event);
}
