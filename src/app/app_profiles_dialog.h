// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "buttons/skin_dialog.h"
#include "storage/app_profile_rules.h"

#include <memory>

class QCheckBox;
class QLabel;
class QListWidget;
class TarqLineEdit;
class TarqMenu;
class TarqPushButton;
class WindowPicker;
struct ActiveWindow;

// "APPLICATIONS": the rules that switch the mouse's profile with the application in front. OK
// writes them to Config.ini when anything changed (or says why it cannot and stays open), so a
// change made to the file meanwhile is kept when the dialog changed nothing.
class TarqAppProfilesDialog final : public TarqSkinDialog
{
    Q_OBJECT
    Q_DISABLE_COPY(TarqAppProfilesDialog)

public:
    // desktopTells: whether this desktop says which window is active; without it switching stays
    // off. picker: where "Pick a window" gets the clicked window from.
    TarqAppProfilesDialog(const AppProfileSettings& settings, bool desktopTells, std::unique_ptr<WindowPicker> picker,
                          QWidget* parent = nullptr);
    ~TarqAppProfilesDialog() override;

    // The rules as the dialog holds them, cleaned as they would be written.
    AppProfileSettings settings() const;

    void accept() override;
    void reject() override;

protected:
    void keyPressEvent(QKeyEvent* event) override;

private:
    void buildControls();
    void fillDefaultMenu();
    void fillSlotMenu();
    void refreshList(int selected);
    void showSelectedRule();
    void updateControls();
    void showNote();
    void addRule();
    void removeRule();
    void moveRule(int by);
    void startPick();
    void takePicked(const ActiveWindow& window);
    void endPick();
    int selectedRow() const;
    QString ruleText(const AppProfileRule& rule) const;
    QString slotText(int slot) const;
    // A source text when OK cannot accept the rules, else null.
    const char* refusal() const;

    AppProfileSettings m_settings;
    AppProfileSettings m_original;
    bool m_desktopTells;
    std::unique_ptr<WindowPicker> m_picker;
    QCheckBox* m_enabledBox = nullptr;
    QLabel* m_note = nullptr;
    TarqPushButton* m_defaultButton = nullptr;
    TarqMenu* m_defaultMenu = nullptr;
    QListWidget* m_list = nullptr;
    TarqLineEdit* m_matchEdit = nullptr;
    TarqPushButton* m_slotButton = nullptr;
    TarqMenu* m_slotMenu = nullptr;
    TarqPushButton* m_addButton = nullptr;
    TarqPushButton* m_removeButton = nullptr;
    TarqPushButton* m_upButton = nullptr;
    TarqPushButton* m_downButton = nullptr;
    TarqPushButton* m_pickButton = nullptr;
};
