// SPDX-License-Identifier: GPL-3.0-or-later
#include "buttons/button_page.h"

#include "buttons/function_summary.h"
#include "buttons/key_capture.h"
#include "buttons/macro_select.h"
#include "buttons/param_dialogs.h"
#include "controls/display_scale.h"
#include "controls/labels_menus.h"
#include "controls/message_box.h"
#include "controls/push_button.h"
#include "controls/skin_paths.h"
#include "log_categories.h"
#include "storage/macro_files.h"
#include "storage/profile_record.h"

#include <QCoreApplication>
#include <QEvent>
#include <QFontMetrics>
#include <QKeyEvent>
#include <QScrollArea>

namespace {

// The side view (group 1) shows buttons of the front row, so both count their positions from slot 0.
constexpr int kRowBase[] = { 0, 0, kWheelFirstSlot };
constexpr int kWheelCount = 2;
constexpr int kFrontRow = 0;
constexpr int kSideRow = 1;
constexpr int kWheelRow = 2;
// The labels' own margin around their text.
constexpr int kLabelTextPadding = 3;

bool hasLabel(int slot)
{
    return slot < kButtonRowSize || slot >= kWheelFirstSlot;
}

QString functionText(const char* source)
{
    return QCoreApplication::translate(kFunctionTextContext, source);
}

} // namespace

TarqBtnWindow::TarqBtnWindow(QWidget* parent, double scale)
    : TarqPage(parent)
    , m_scale(scale)
{
    setStyleSheet(QStringLiteral("background:transparent;"));
    setAccessibleName(QCoreApplication::translate("MousecfgWidget", "CUSTOMIZE"));
    m_functionMenu = new TarqMenu(this);
    m_wheelMenu = new TarqMenu(this);
    createLabels();
    loadProductLayout();
    retranslate();
    setSelection(0, 0);
}

QMenu* TarqBtnWindow::functionMenu() const
{
    return m_functionMenu;
}

QMenu* TarqBtnWindow::wheelMenu() const
{
    return m_wheelMenu;
}

void TarqBtnWindow::createLabels()
{
    for (int slot = 0; slot < kLabelCount; ++slot) {
        if (!hasLabel(slot))
            continue;
        auto* label = new TarqPushButton(tabButtonImages(), this);
        m_labels[size_t(slot)] = label;
        // Selected before the menu opens, so the choice knows its button, by pointer or by Space.
        connect(label, &TarqPushButton::EnterSignal, this, &TarqBtnWindow::slotMouseEnter);
        connect(label, &TarqPushButton::OverSignal, this, &TarqBtnWindow::slotMouseOver);
        label->setMenu(slot >= kWheelFirstSlot ? m_wheelMenu : m_functionMenu);
        label->installEventFilter(this);
    }
}

void TarqBtnWindow::loadProductLayout()
{
    ButtonTable layout{};
    m_buttonCount = qMax(0, loadButtonPageLayout(layout));
    m_layout = layout;
    const bool macroDisabled = productDisableMacro() != 0;
    const bool ledDisabled = productLedDisable() != 0;
    if (macroDisabled != m_macroDisabled || ledDisabled != m_ledDisabled) {
        m_macroDisabled = macroDisabled;
        m_ledDisabled = ledDisabled;
        rebuildFunctionMenu();
    }
    layoutLabels();
}

void TarqBtnWindow::setScale(double scale)
{
    m_scale = scale;
    layoutLabels();
}

void TarqBtnWindow::setSideButtons(const QVector<int>& positions)
{
    if (positions == m_sidePositions)
        return;
    m_sidePositions = positions;
    if (isSideView() && !hasSideView())
        m_group = kFrontRow;
    layoutLabels();
    relabel();
}

QVector<int> TarqBtnWindow::shownSidePositions() const
{
    const ButtonPagePlaces side = sideViewPlaces(m_layout, m_buttonCount, m_sidePositions, size(), m_scale);
    QVector<int> shown;
    for (int position = 0; position < kButtonRowSize; ++position) {
        if (side.row[size_t(position)].number > 0)
            shown.append(position);
    }
    return shown;
}

bool TarqBtnWindow::hasSideView() const
{
    return !shownSidePositions().isEmpty();
}

QScrollArea* TarqBtnWindow::hostingScrollArea() const
{
    for (QWidget* up = parentWidget(); up; up = up->parentWidget()) {
        if (auto* scroll = qobject_cast<QScrollArea*>(up))
            return scroll;
    }
    return nullptr;
}

void TarqBtnWindow::layoutLabels()
{
    m_places = isSideView() ? sideViewPlaces(m_layout, m_buttonCount, m_sidePositions, size(), m_scale)
                            : frontViewPlaces(m_layout, m_buttonCount, size(), m_scale);
    // The scroll area around the page scrolls only when the labels fit the page no way.
    if (minimumHeight() != m_places.minimumHeight) {
        setMinimumHeight(m_places.minimumHeight);
        // The scroll area sizes the page on its own layout requests only: a page that needs less
        // height now (it is wider than when it was first laid out) is given the view's height again.
        if (QScrollArea* scroll = hostingScrollArea())
            QCoreApplication::postEvent(scroll, new QEvent(QEvent::LayoutRequest));
    }
    for (int position = 0; position < kButtonRowSize; ++position) {
        TarqPushButton* label = m_labels[size_t(position)];
        const ButtonLabelPlace& place = m_places.row[size_t(position)];
        label->setGeometry(place.rect);
        label->setBadgeNumber(place.number);
    }
    for (int wheel = 0; wheel < kWheelCount; ++wheel)
        m_labels[size_t(kWheelFirstSlot + wheel)]->setGeometry(m_places.wheel[size_t(wheel)]);
    updateVisibleRows();
    for (int slot = 0; slot < kLabelCount; ++slot) {
        if (hasLabel(slot))
            fitLabelText(slot);
    }
}

void TarqBtnWindow::updateVisibleRows()
{
    for (int slot = 0; slot < kLabelCount; ++slot) {
        if (!hasLabel(slot))
            continue;
        TarqPushButton* label = m_labels[size_t(slot)];
        if (slot >= kWheelFirstSlot)
            label->setVisible(!isSideView());
        else
            label->setVisible(m_places.row[size_t(slot)].number > 0);
    }
}

void TarqBtnWindow::resizeEvent(QResizeEvent* event)
{
    TarqPage::resizeEvent(event);
    layoutLabels();
}

void TarqBtnWindow::showProfile(ProfileRecord& profile, ConfigRecord&, int)
{
    // The product may have changed with the mouse: its layout and switches come with the record.
    loadProductLayout();
    setRecord(&profile.buttons);
}

void TarqBtnWindow::setRecord(ProfileButtons* buttons)
{
    m_buttons = buttons;
    relabel();
}

void TarqBtnWindow::setSelection(int position, int group)
{
    const bool wasSide = isSideView();
    if (group != kKeepGroup)
        m_group = quint8(qBound(kFrontRow, group, kWheelRow));
    const int positions = m_group == kWheelRow ? kWheelCount : kButtonRowSize;
    m_position = quint8(qBound(0, position, positions - 1));
    if (isSideView()) {
        // Only the side buttons can be chosen in the side view; without them there is none.
        const QVector<int> side = shownSidePositions();
        if (side.isEmpty())
            m_group = kFrontRow;
        else if (!side.contains(m_position))
            m_position = quint8(side.first());
    }
    if (wasSide != isSideView())
        layoutLabels();
    relabel();
}

int TarqBtnWindow::selectedSlot() const
{
    return kRowBase[m_group] + m_position;
}

void TarqBtnWindow::setFrontView(bool front)
{
    setSelection(m_group == kWheelRow ? 0 : m_position, front ? kFrontRow : kSideRow);
}

void TarqBtnWindow::selectButton(int row, int index)
{
    setSelection(index, row);
}

void TarqBtnWindow::relabel()
{
    for (int slot = 0; slot < kLabelCount; ++slot) {
        if (hasLabel(slot))
            relabelSlot(slot);
    }
}

void TarqBtnWindow::relabelSlot(int slot)
{
    TarqPushButton* label = m_labels[size_t(slot)];
    const ButtonEntry* entry = m_buttons ? &(*m_buttons)[size_t(slot)] : nullptr;
    const QString text = entry ? functionSummary(*entry, macroFileMissing(*entry)) : QString();
    m_labelTexts[size_t(slot)] = text;
    label->setChecked(slot == selectedSlot());
    QString accessible;
    if (slot >= kWheelFirstSlot)
        accessible = slot == kWheelFirstSlot ? tr("Wheel up: %1").arg(text) : tr("Wheel down: %1").arg(text);
    else
        accessible = tr("Button %1: %2").arg(QString::number(label->badgeNumber()), text);
    label->setAccessibleName(accessible);
    label->setToolTip(accessible);
    fitLabelText(slot);
}

void TarqBtnWindow::fitLabelText(int slot)
{
    // The label centres its text and draws its badge at the left edge, one label height wide with
    // its margin: a text that does not fit between the badge and the mirrored right edge at the
    // label's font is cut short there, as the label would otherwise write over its badge.
    TarqPushButton* label = m_labels[size_t(slot)];
    const QString& text = m_labelTexts[size_t(slot)];
    const int badgeRoom = label->badgeNumber() > 0 ? label->height() : scaled(kLabelTextPadding);
    const int room = qMax(0, label->width() - 2 * badgeRoom);
    // Cut in the middle: the kind of function and its end (a count, "(missing)") stay in view.
    label->setText(QFontMetrics(uiFont()).elidedText(text, Qt::ElideMiddle, room));
}

void TarqBtnWindow::rebuildFunctionMenu()
{
    m_functionMenu->clear();
    m_wheelMenu->clear();
    // Submenus first, so that their entries can be added while the catalogue is walked in order.
    std::array<TarqMenu*, int(FunctionGroup::Hidden) + 1> submenus{};
    const FunctionGroup submenuOrder[] = { FunctionGroup::Basic, FunctionGroup::Windows, FunctionGroup::Advance,
                                           FunctionGroup::Media, FunctionGroup::Dpi,     FunctionGroup::PollingRate };
    auto addEntry = [this](QMenu* menu, const FunctionEntry& function) {
        auto* action = new TarqAction(functionText(function.menuText), menu);
        action->setData(function.code);
        connect(action, &QAction::triggered, this, [this, code = function.code] { onFunctionChosen(code); });
        menu->addAction(action);
    };
    const auto& catalogue = functionCatalogue();
    auto addMainEntries = [&](std::initializer_list<int> codes) {
        for (int code : codes) {
            const FunctionEntry* function = findFunction(code);
            if (function && isOfferedInMenu(*function, 0, m_macroDisabled, m_ledDisabled))
                addEntry(m_functionMenu, *function);
        }
    };
    addMainEntries(
        { FunctionCode::Left, FunctionCode::Right, FunctionCode::Middle, FunctionCode::Forward, FunctionCode::Back });
    for (FunctionGroup group : submenuOrder) {
        auto* submenu = new TarqMenu(functionText(functionGroupTitle(group)), m_functionMenu);
        submenus[size_t(group)] = submenu;
        m_functionMenu->addMenu(submenu);
    }
    for (const FunctionEntry& function : catalogue) {
        TarqMenu* submenu = submenus[size_t(function.group)];
        if (submenu && isOfferedInMenu(function, 0, m_macroDisabled, m_ledDisabled))
            addEntry(submenu, function);
    }
    addMainEntries({ FunctionCode::Macro, FunctionCode::GunFile, FunctionCode::LedSwitch, FunctionCode::ButtonOff });

    for (int code : { FunctionCode::ScrollUp, FunctionCode::ScrollDown, FunctionCode::VolumeUp,
                      FunctionCode::VolumeDown, FunctionCode::Left, FunctionCode::Right, FunctionCode::Middle,
                      FunctionCode::Forward, FunctionCode::Back, FunctionCode::SingleKey, FunctionCode::ComboKey }) {
        if (const FunctionEntry* function = findFunction(code))
            addEntry(m_wheelMenu, *function);
    }
}

void TarqBtnWindow::retranslate()
{
    rebuildFunctionMenu();
    relabel();
}

int TarqBtnWindow::slotOfLabel(const TarqPushButton* button) const
{
    for (int slot = 0; slot < kLabelCount; ++slot) {
        if (button && m_labels[size_t(slot)] == button)
            return slot;
    }
    return -1;
}

bool TarqBtnWindow::findButton(const TarqPushButton* button, int& row, int& index) const
{
    const int slot = slotOfLabel(button);
    if (slot < 0)
        return false;
    // In the side view a label stands for the button's hot-spot on the side picture.
    row = slot >= kWheelFirstSlot ? kWheelRow : (isSideView() ? kSideRow : kFrontRow);
    index = slot - kRowBase[row];
    return true;
}

void TarqBtnWindow::OnMouseEnterSlot(int key)
{
    if (key < 0 || key >= kButtonRowSize)
        return;
    qCDebug(lcUi, "OnMouseEnterSlot %d", key);
    setSelection(key, kFrontRow);
}

void TarqBtnWindow::slotMouseOver(TarqPushButton* btn, bool bType)
{
    if (slotOfLabel(btn) >= 0)
        emit SelBtnControl(btn, bType);
}

void TarqBtnWindow::slotMouseEnter(TarqPushButton* btn)
{
    int row = 0;
    int index = 0;
    if (findButton(btn, row, index))
        setSelection(index, row);
}

bool TarqBtnWindow::eventFilter(QObject* watched, QEvent* event)
{
    auto* label = qobject_cast<TarqPushButton*>(watched);
    if (label && slotOfLabel(label) >= 0) {
        // Keyboard focus selects a button as the pointer does, and keeps it in view.
        if (event->type() == QEvent::FocusIn) {
            slotMouseEnter(label);
            emit SelBtnControl(label, true);
            if (QScrollArea* scroll = hostingScrollArea())
                scroll->ensureWidgetVisible(label);
        } else if (event->type() == QEvent::FocusOut) {
            emit SelBtnControl(label, false);
        } else if (event->type() == QEvent::KeyPress && focusNeighbour(label, static_cast<QKeyEvent*>(event))) {
            return true;
        }
    }
    return TarqPage::eventFilter(watched, event);
}

bool TarqBtnWindow::focusNeighbour(const TarqPushButton* label, const QKeyEvent* event)
{
    int step = 0;
    if (event->key() == Qt::Key_Down || event->key() == Qt::Key_Right)
        step = 1;
    else if (event->key() == Qt::Key_Up || event->key() == Qt::Key_Left)
        step = -1;
    if (step == 0 || event->modifiers() != Qt::NoModifier)
        return false;
    QVector<TarqPushButton*> shown;
    for (TarqPushButton* each : m_labels)
        if (each && each->isVisible() && each->isEnabled())
            shown.append(each);
    const int index = shown.indexOf(const_cast<TarqPushButton*>(label));
    if (index < 0 || shown.size() < 2)
        return false;
    // Round the labels, as a menu goes round its entries.
    shown.at((index + step + shown.size()) % shown.size())->setFocus(Qt::OtherFocusReason);
    return true;
}

void TarqBtnWindow::onFunctionChosen(int code)
{
    const int slot = selectedSlot();
    emit SelBtnControl(m_labels[size_t(slot)], true);
    if (!m_buttons)
        return;
    FunctionChange outcome = FunctionChange::Applied;
    switch (code) {
        case FunctionCode::SingleKey:
        case FunctionCode::ComboKey:
        case FunctionCode::FireKey:
        case FunctionCode::Sniper:
            outcome = chooseWithDialog(code, slot);
            break;
        case FunctionCode::Macro:
        case FunctionCode::GunFile:
            outcome = chooseMacroFile(code, slot);
            break;
        default:
            outcome = choosePlainFunction(*m_buttons, slot, code);
            break;
    }
    showOutcome(outcome, slot);
}

template<typename Dialog, typename Accepted>
FunctionChange TarqBtnWindow::runDialog(Dialog* dialog, Accepted onAccepted)
{
    QPointer<TarqBtnWindow> self(this);
    QPointer<Dialog> guard(dialog);
    m_dialog = dialog;
    const int result = dialog->exec();
    if (!self || !guard)
        return FunctionChange::Applied;
    m_dialog = nullptr;
    FunctionChange outcome = FunctionChange::Cancelled;
    if (result == QDialog::Accepted && m_buttons)
        outcome = onAccepted(*dialog);
    delete dialog;
    return outcome;
}

FunctionChange TarqBtnWindow::chooseWithDialog(int code, int slot)
{
    // Refused before the dialog opens: no key is asked for a change that cannot be made.
    const FunctionChange allowed = checkLeftClickRule(*m_buttons, slot, code);
    if (allowed != FunctionChange::Applied)
        return allowed;
    const ButtonEntry& entry = (*m_buttons)[size_t(slot)];
    const bool same = entry.Fun == code;
    switch (code) {
        case FunctionCode::SingleKey:
            return runDialog(new TarqSingleKeyWindow(this, same ? entry.Res1 : 0),
                             [this, slot](TarqSingleKeyWindow& dialog) {
                                 return chooseSingleKey(*m_buttons, slot, dialog.keyCode());
                             });
        case FunctionCode::ComboKey:
            return runDialog(new TarqComboKeyWindow(this, same ? &entry.KeyInfo : nullptr),
                             [this, slot](TarqComboKeyWindow& dialog) {
                                 return chooseComboKeys(*m_buttons, slot, dialog.keyCodes());
                             });
        case FunctionCode::FireKey:
            return runDialog(new TarqFireKeyWindow(this, &entry), [this, slot](TarqFireKeyWindow& dialog) {
                return chooseFireKey(*m_buttons, slot, dialog.target(), dialog.timesText().toInt(),
                                     dialog.delayText().toInt());
            });
        default:
            return runDialog(new TarqSniperWindow(this, same ? entry.Res1 : 1), [this, slot](TarqSniperWindow& dialog) {
                return chooseSniper(*m_buttons, slot, dialog.value());
            });
    }
}

FunctionChange TarqBtnWindow::chooseMacroFile(int code, int slot)
{
    const FunctionChange allowed = checkMacroSelection(*m_buttons, slot, code, countMacros());
    if (allowed != FunctionChange::Applied)
        return allowed;
    const MacroSelection preset = macroSelectionPreset((*m_buttons)[size_t(slot)], code);
    const char* title = code == FunctionCode::GunFile ? kGunFileSelectTitle : kMacroSelectTitle;
    return runDialog(new TarqMacroSelect(title, preset.name, preset.runs, preset.loopMode, this),
                     [this, slot, code](TarqMacroSelect& dialog) {
                         return chooseMacro(*m_buttons, slot, code, dialog.selectedName(), dialog.runCount(),
                                            dialog.runMode());
                     });
}

void TarqBtnWindow::showOutcome(FunctionChange outcome, int slot)
{
    switch (outcome) {
        case FunctionChange::Applied:
            relabelSlot(slot);
            break;
        case FunctionChange::RefusedLastLeftClick:
            emit PopOneClickBox();
            break;
        case FunctionChange::NeedsMacroLibrary:
            emit GotoMacroTab(quint8(kMacroTabIndex));
            break;
        case FunctionChange::RefusedGunFileOnFirstSlot: {
            auto* box = new TarqMessageBox(TarqMessageBox::Warning, QString(), QLatin1String(kGunFileOnFirstSlotTitle),
                                           QLatin1String(kGunFileOnFirstSlotText), this);
            box->setAttribute(Qt::WA_DeleteOnClose);
            box->setWindowModality(Qt::ApplicationModal);
            m_dialog = box;
            box->open();
            break;
        }
        case FunctionChange::Cancelled:
            break;
    }
}
