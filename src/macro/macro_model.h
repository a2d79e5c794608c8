#pragma once

#include "storage/macro_files.h"

#include <QStandardItemModel>
#include <QVector>

// The macro editor's event table: one row per event, three cells holding the kind, high and low
// byte as decimal text, as the macro file stores them. Screen readers and tooltips get the row's
// description instead of the numbers.
class TarqItemModel final : public QStandardItemModel
{
    Q_OBJECT
    Q_DISABLE_COPY(TarqItemModel)

public:
    enum Column { KindColumn = 0, HighColumn = 1, LowColumn = 2, ColumnCount = 3 };
    // The row's look, kept on its first cell: painting reads it instead of naming keys, which
    // asks the window system for the keyboard layout.
    enum Role { ActionRole = Qt::UserRole + 1, IconRole, DelayRole };

    // unit: the delay unit in milliseconds.
    explicit TarqItemModel(int unit, QObject* parent = nullptr);

    int unit() const { return m_unit; }

    // "ACTION" and "DELAY(ms)", in the current language.
    void setHeaderTexts();
    // Removes every row; the header stays.
    void clearRows();
    // Names the rows again (the language changed).
    void refreshTexts();

    QVector<MacroEvent> events() const;
    void setEvents(const QVector<MacroEvent>& events);
    MacroEvent event(int row) const;
    void setEvent(int row, const MacroEvent& event);
    void insertEvents(int row, const QVector<MacroEvent>& events);
    // Takes the row out and inserts it again at to (an index of the table without it).
    void moveEventRow(int from, int to);

    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;

private:
    QList<QStandardItem*> makeRow(const MacroEvent& event) const;
    void setLook(QStandardItem* cell, const MacroEvent& event) const;

    int m_unit;
};
