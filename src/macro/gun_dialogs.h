// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "buttons/skin_dialog.h"
#include "macro/macro_events.h"

#include <QPixmap>
#include <QVector>

class QButtonGroup;
class QLabel;
class QLineEdit;
class QListWidget;
class QSlider;
class TarqPushButton;

// "GUN EDIT": the rows of a recoil pattern, one-axis movements and pauses.
class TarqGunEditDialog final : public TarqSkinDialog
{
    Q_OBJECT
    Q_DISABLE_COPY(TarqGunEditDialog)

public:
    // unit: the product's delay unit in milliseconds, which pauses are counted in.
    TarqGunEditDialog(const QVector<MacroEvent>& pattern, int unit, QWidget* parent = nullptr);

    QVector<MacroEvent> pattern() const { return m_pattern; }
    // The direction and distance the next added movement gets.
    MoveDirection direction() const;
    int distance() const;

    // Fills list with one line per row, as the dialog shows them (texts in this dialog's context).
    static void showRows(QListWidget* list, const QVector<MacroEvent>& rows, int unit);

    void accept() override;

signals:
    void OnYesClick();

public slots:
    // The shown distance, and the selected row's when it is a movement.
    void sValueChangedSlot(int iValue);

protected:
    // Delete in the list takes the selected row away.
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void buildControls();
    void chooseDirection(MoveDirection direction);
    void showSelectedRow();
    void insertRow(const MacroEvent& row);
    void addMovement();
    void addDelay();
    void deleteSelectedRow();
    void refreshList(int selectedRow);
    void updateButtons();

    QVector<MacroEvent> m_pattern;
    int m_unit;
    QListWidget* m_list = nullptr;
    QButtonGroup* m_directions = nullptr;
    QSlider* m_distanceSlider = nullptr;
    QLabel* m_distanceValue = nullptr;
    TarqPushButton* m_addButton = nullptr;
    TarqPushButton* m_deleteButton = nullptr;
    QLineEdit* m_delayEdit = nullptr;
    TarqPushButton* m_addDelayButton = nullptr;
};

// "GUN SET": a new gun file in the macro library, made of bullets that each fire the pattern.
// OK saves it (or says why it cannot and stays open); the library must have a free entry.
class TarqGunsetDialog final : public TarqSkinDialog
{
    Q_OBJECT
    Q_DISABLE_COPY(TarqGunsetDialog)

public:
    explicit TarqGunsetDialog(QWidget* parent = nullptr);

    int bullets() const;
    void setBullets(int bullets);
    // The typed delay; 0 when the field holds no number.
    int delayMs() const;
    QVector<MacroEvent> pattern() const { return m_pattern; }
    // False, keeping the present pattern, when not even one bullet of rows fits a button.
    bool setPattern(const QVector<MacroEvent>& rows);
    // The name the gun file was saved under; empty until OK has saved it.
    QString gunFileName() const { return m_savedName; }

    void accept() override;

signals:
    void OnYesClick();

private:
    void buildControls();
    void openEditDialog();
    void showBullets(int bullets);
    // The reason the gun file cannot be saved as it stands (a source text of the message box), or null.
    const char* refusal(const QString& name) const;
    QVector<MacroEvent> gunEvents() const;
    // Saves and lists the gun file; the message of a failure (a source text), or null.
    const char* save(const QString& name) const;
    void warn(const QString& text);

    QVector<MacroEvent> m_pattern;
    int m_unit;
    QString m_savedName;
    QPixmap m_bulletImage;
    QLineEdit* m_nameEdit = nullptr;
    QSlider* m_bulletSlider = nullptr;
    QLabel* m_bulletValue = nullptr;
    QLabel* m_bulletIcons = nullptr;
    QLineEdit* m_delayEdit = nullptr;
    TarqPushButton* m_editButton = nullptr;
    QListWidget* m_list = nullptr;
};
