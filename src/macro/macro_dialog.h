// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "macro/macro_recorder.h"
#include "pages/tarq_page.h"
#include "storage/macro_files.h"

#include <QElapsedTimer>
#include <QModelIndex>
#include <array>

class KeyListener;
class QCheckBox;
class QListWidget;
class QListWidgetItem;
class QTableView;
class QTreeWidget;
class QTreeWidgetItem;
class TarqItemModel;
class TarqLabel;
class TarqLineEdit;
class TarqMacroItemDelegate;
class TarqPushButton;

// The macro page: the library of macro files, the selected macro's events, recording them from
// the keyboard and inserting mouse actions and delays. It works on files only; buttons get a
// macro through the button page.
class MacroDialog final : public TarqPage
{
    Q_OBJECT
    Q_DISABLE_COPY(MacroDialog)

public:
    enum Command {
        Start,
        Stop,
        New,
        DeleteMacro,
        RecordAfter,
        MoveUp,
        MoveDown,
        Bottom,
        Clear,
        Edit,
        Cut,
        Copy,
        Paste,
        ChangeName,
        Save,
        Cancel,
        Import,
        Export,
        Batch,
        InsertDelay,
        GunSet,
        MouseCommand,
        DeleteRow,
        CommandCount
    };

    explicit MacroDialog(QWidget* parent = nullptr);
    ~MacroDialog() override;

    void showProfile(ProfileRecord& profile, ConfigRecord& config, int dpiStageCount) override;
    void retranslate() override;
    // Asks whether to save unsaved edits before the page is left or the window closes; ends a
    // recording first. False when saving them failed: they are still there.
    bool settleUnsavedEdits() override;

    TarqPushButton* button(Command command) const { return m_buttons[size_t(command)]; }
    TarqItemModel* eventModel() const { return m_model; }
    QString currentMacroName() const;
    bool isRecording() const { return m_recording; }
    bool isEditingKey() const { return m_editingKey; }
    bool isBatchMode() const { return m_batch; }
    bool hasUnsavedEdits() const;
    // Keys pressed from now on are recorded.
    bool isCaptureReady() const;
    int selectedRow() const;

signals:
    void captureReady();
    // A rename or delete changed the buttons of the working record that named the macro.
    void macroReferencesChanged();

public slots:
    void TreeitemClick(QTreeWidgetItem* item, int column);
    void itemClicked(const QModelIndex& index);
    void EditMoveChanged(const QString& text);
    void EditDelayChanged(const QString& text);
    void DefDelayChanged(const QString& text);
    void LoopTimeChanged(const QString& text);
    void CurrentChanged(QListWidgetItem* current, QListWidgetItem* previous);
    void mousemove_test();
    void TarqItemPressed();
    void checkbtn_clicked();
    void SelectRow(int row);

protected:
    void resizeEvent(QResizeEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    // Headings of the page's message boxes, translated by the box.
    static constexpr const char* kWarning = "Warning";
    static constexpr const char* kUpperWarning = "WARNING";
    // For a text that is already in the current language.
    static constexpr const char* kShownAsIs = "%1";

    void createControls();
    void createTree();
    void setTabOrder();
    void runCommand(Command command);
    void startRecording(bool keepRows);
    void stopRecording();
    void startKeyEdit();
    void endCapture();
    void setCaptureState(bool capturing);
    void onKeyEvent(int keyCode, int flags);
    void insertRows(const QVector<MacroEvent>& rows);
    void showRowInFields(int row);
    void deleteSelectedRow();
    void moveSelectedRow(Command command);
    void showEvents(const MacroFile& macro);
    MacroFile currentMacro() const;
    void loadSelectedMacro();
    bool saveCurrentMacro();
    void newMacro();
    void deleteMacro();
    void renameMacro(QListWidgetItem* item, const QString& newName);
    // The buttons that named the old name name the new one, in the working record and the files.
    void carryRename(const QString& oldName, const QString& newName);
    bool askToDelete(const QString& name);
    void importMacros();
    void exportMacros();
    void toggleBatch();
    void openGunSet();
    void reloadLibrary(const QString& select);
    void updateCommandStates();
    void fitTexts();
    void showMessage(const char* heading, const char* text, const QString& argument = QString());
    // Shows the too-many-macros box when the library is full.
    bool refuseWhenLibraryFull();
    bool askToSave(const QString& name);
    int delayMode() const;
    int loopType() const;
    int fieldValue(const TarqLineEdit* edit, int fallback) const;

    const int m_unit;
    MacroRecorder m_recorder;
    QElapsedTimer m_clock;
    KeyListener* m_listener = nullptr;
    TarqItemModel* m_model = nullptr;
    TarqMacroItemDelegate* m_delegate = nullptr;
    QTableView* m_table = nullptr;
    QListWidget* m_list = nullptr;
    QTreeWidget* m_tree = nullptr;
    TarqLabel* m_libraryTitle = nullptr;
    TarqLabel* m_nameCaption = nullptr;
    TarqLineEdit* m_nameEdit = nullptr;
    TarqLabel* m_treeTitle = nullptr;
    TarqLabel* m_distanceCaption = nullptr;
    TarqLineEdit* m_distanceEdit = nullptr;
    TarqLabel* m_delayCaption = nullptr;
    TarqLineEdit* m_delayEdit = nullptr;
    QCheckBox* m_recordDelays = nullptr;
    QCheckBox* m_defaultDelays = nullptr;
    TarqLineEdit* m_defaultDelayEdit = nullptr;
    std::array<QCheckBox*, 3> m_loopBoxes{};
    TarqLineEdit* m_loopTimeEdit = nullptr;
    std::array<TarqPushButton*, CommandCount> m_buttons{};
    // The window's working record, whose buttons name macros; null until the window shows a slot.
    ConfigRecord* m_config = nullptr;

    QString m_loadedName;
    MacroFile m_loaded;
    bool m_recording = false;
    bool m_editingKey = false;
    bool m_batch = false;
    bool m_settling = false;
    int m_insertRow = -1;
    int m_lastKeyCode = -1;
    int m_lastKeyFlags = -1;
};
