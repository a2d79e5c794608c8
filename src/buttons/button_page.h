// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "buttons/button_label_layout.h"
#include "buttons/function_rules.h"
#include "pages/tarq_page.h"

#include <QPointer>
#include <QVector>
#include <array>

class QKeyEvent;
class QMenu;
class QScrollArea;
class TarqMenu;

// The CUSTOMIZE page: one label per button slot showing its function. A label opens the function
// menu (the wheel menu for the two wheel positions); a choice changes the working profile's
// button at once, through the function-change rules. The page writes no file and sends nothing;
// the window saves and uploads on Apply. The page shows the product's buttons and the wheel pair
// (the front view), or only the buttons on the mouse's side (the side view); a label tells what
// its button does, in as many words as fit, and whole in its tooltip and accessible name.
class TarqBtnWindow final : public TarqPage
{
    Q_OBJECT
    Q_DISABLE_COPY(TarqBtnWindow)

public:
    static constexpr int kLabelCount = kButtonSlotCount;
    static constexpr quint8 kKeepGroup = 255;

    TarqBtnWindow(QWidget* parent, double scale);

    // TarqPage
    void showProfile(ProfileRecord& profile, ConfigRecord& config, int dpiStageCount) override;
    void retranslate() override;
    // The side view shows the front row's buttons at sidePositions: the same labels, re-placed.
    void setFrontView(bool front) override;
    void selectButton(int row, int index) override;
    bool findButton(const TarqPushButton* button, int& row, int& index) const override;

    // The window's display scale changed.
    void setScale(double scale);
    // The 42 button entries edited in place; the labels follow at once.
    void setRecord(ProfileButtons* buttons);
    // group kKeepGroup keeps the present group.
    void setSelection(int position, int group);
    void relabel();
    void rebuildFunctionMenu();
    // The product's layout list and menu switches, read again from its description file.
    void loadProductLayout();
    // Which buttons of the front row the mouse has on its side; none: the page has no side view.
    void setSideButtons(const QVector<int>& positions);
    bool hasSideView() const;

    // What tests and the window look at. Only the front row and the wheel pair have labels (the
    // upload sends no other slot); nullptr for slots 20..39.
    TarqPushButton* label(int slot) const { return m_labels[size_t(slot)]; }
    // What the label of a slot says in full, however much of it fits the label.
    QString labelText(int slot) const { return m_labelTexts[size_t(slot)]; }
    QMenu* functionMenu() const;
    QMenu* wheelMenu() const;
    int selectedGroup() const { return m_group; }
    int selectedPosition() const { return m_position; }
    int selectedSlot() const;
    // The dialog a choice has open, or nullptr.
    QWidget* openDialog() const { return m_dialog; }

public slots:
    void OnMouseEnterSlot(int key);
    void slotMouseOver(TarqPushButton* btn, bool bType);
    void slotMouseEnter(TarqPushButton* btn);

protected:
    void resizeEvent(QResizeEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void createLabels();
    void layoutLabels();
    QScrollArea* hostingScrollArea() const;
    void updateVisibleRows();
    void relabelSlot(int slot);
    void fitLabelText(int slot);
    bool isSideView() const { return m_group == 1; }
    QVector<int> shownSidePositions() const;
    void onFunctionChosen(int code);
    FunctionChange chooseWithDialog(int code, int slot);
    FunctionChange chooseMacroFile(int code, int slot);
    void showOutcome(FunctionChange outcome, int slot);
    // Runs a dialog modally; onAccepted runs only when it was accepted and the page still exists.
    template<typename Dialog, typename Accepted>
    FunctionChange runDialog(Dialog* dialog, Accepted onAccepted);
    int slotOfLabel(const TarqPushButton* button) const;
    // Arrow keys move the focus to the label before or after; true when the key was taken.
    bool focusNeighbour(const TarqPushButton* label, const QKeyEvent* event);

    double m_scale;
    std::array<TarqPushButton*, kLabelCount> m_labels{};
    std::array<QString, kLabelCount> m_labelTexts;
    ButtonPagePlaces m_places;
    QVector<int> m_sidePositions;
    ButtonTable m_layout{};
    int m_buttonCount = 0;
    bool m_macroDisabled = false;
    bool m_ledDisabled = false;
    TarqMenu* m_functionMenu = nullptr;
    TarqMenu* m_wheelMenu = nullptr;
    quint8 m_group = 0;
    quint8 m_position = 0;
    ProfileButtons* m_buttons = nullptr;
    QPointer<QWidget> m_dialog;
};
