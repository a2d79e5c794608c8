// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QWidget>

struct ConfigRecord;
struct ProfileRecord;
class TarqPushButton;

// What the main window asks of every page it hosts (settings pages, button page, macro editor).
// Pages edit the working records in place, so what the window holds is always what the next send
// sends. Signals a page does not raise are simply never emitted.
class TarqPage : public QWidget
{
    Q_OBJECT
    Q_DISABLE_COPY(TarqPage)

public:
    using QWidget::QWidget;

    // Shows the current slot's record, the device-wide options and the product's DPI stage count. Both
    // records outlive the page's use of them: the window keeps them.
    virtual void showProfile(ProfileRecord& profile, ConfigRecord& config, int dpiStageCount) = 0;
    // The language changed.
    virtual void retranslate();
    // The mouse's own buttons changed what the page shows.
    virtual void showDpiStage(int stage);
    virtual void showReportRate(int rateCode);
    virtual void showLightMode(quint8 mode);
    // The button page: which view of the mouse is shown, and which button is selected.
    virtual void setFrontView(bool front);
    virtual void selectButton(int row, int index);
    // The row (0 front, 1 side, 2 wheel) and index of the mouse button a control of the page
    // stands for; false when it stands for none.
    virtual bool findButton(const TarqPushButton* button, int& row, int& index) const;
    // The page is about to be left or the window to close: work the page keeps apart from the
    // records (the macro editor's files) is settled with the user first. False when edits remain
    // unsaved (writing them failed), so the caller stays.
    virtual bool settleUnsavedEdits();

signals:
    void GotoMacroTab(quint8 tab);
    void PopOneClickBox();
    void SelBtnControl(TarqPushButton* button, bool bType);
    void RefreshLift(quint8 iLift);
    void EnableButtonsSignal(bool bEnable);
};
