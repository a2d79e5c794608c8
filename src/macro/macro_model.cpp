// SPDX-License-Identifier: GPL-3.0-or-later
#include "macro/macro_model.h"

#include "macro/macro_row_text.h"

#include <QCoreApplication>

TarqItemModel::TarqItemModel(int unit, QObject* parent)
    : QStandardItemModel(0, ColumnCount, parent)
    , m_unit(unit)
{
    setHeaderTexts();
}

void TarqItemModel::setHeaderTexts()
{
    // The editor's catalogue holds the header's texts.
    setHorizontalHeaderLabels({ QCoreApplication::translate("MacroDialog", "ACTION"),
                                QCoreApplication::translate("MacroDialog", "DELAY(ms)"), QString() });
    // The third column is hidden; screen readers that list it still hear what it holds.
    setHeaderData(LowColumn, Qt::Horizontal, QCoreApplication::translate("MacroDialog", "Event data"),
                  Qt::AccessibleTextRole);
}

void TarqItemModel::clearRows()
{
    removeRows(0, rowCount());
}

QList<QStandardItem*> TarqItemModel::makeRow(const MacroEvent& event) const
{
    QList<QStandardItem*> cells;
    // Only a delay is edited in place (F2): its value in milliseconds.
    const Qt::ItemFlags flags = Qt::ItemIsSelectable | Qt::ItemIsEnabled |
                                (event.kind == MacroKind::Delay ? Qt::ItemIsEditable : Qt::NoItemFlags);
    for (const quint8 value : { event.kind, event.dataH, event.dataL }) {
        auto* cell = new QStandardItem(QString::number(value));
        cell->setFlags(flags);
        cells.append(cell);
    }
    setLook(cells.first(), event);
    return cells;
}

void TarqItemModel::setLook(QStandardItem* cell, const MacroEvent& event) const
{
    const MacroRowLook look = macroRowLook(event, m_unit);
    cell->setData(look.action, ActionRole);
    cell->setData(look.icon, IconRole);
    cell->setData(look.delay, DelayRole);
}

void TarqItemModel::refreshTexts()
{
    for (int row = 0; row < rowCount(); ++row)
        setLook(item(row, KindColumn), event(row));
}

QVector<MacroEvent> TarqItemModel::events() const
{
    QVector<MacroEvent> all;
    all.reserve(rowCount());
    for (int row = 0; row < rowCount(); ++row)
        all.append(event(row));
    return all;
}

void TarqItemModel::setEvents(const QVector<MacroEvent>& events)
{
    clearRows();
    insertEvents(0, events);
}

MacroEvent TarqItemModel::event(int row) const
{
    const auto byteAt = [this, row](int column) {
        const QStandardItem* cell = item(row, column);
        return cell ? quint8(cell->text().toInt() & 0xFF) : quint8(0);
    };
    return { byteAt(KindColumn), byteAt(LowColumn), byteAt(HighColumn) };
}

void TarqItemModel::setEvent(int row, const MacroEvent& event)
{
    if (row < 0 || row >= rowCount())
        return;
    const QList<QStandardItem*> cells = makeRow(event);
    for (int column = 0; column < ColumnCount; ++column)
        setItem(row, column, cells.at(column));
}

void TarqItemModel::insertEvents(int row, const QVector<MacroEvent>& events)
{
    int at = qBound(0, row, rowCount());
    for (const MacroEvent& event : events)
        insertRow(at++, makeRow(event));
}

void TarqItemModel::moveEventRow(int from, int to)
{
    if (from < 0 || from >= rowCount() || from == to)
        return;
    const QList<QStandardItem*> cells = takeRow(from);
    insertRow(qBound(0, to, rowCount()), cells);
}

QVariant TarqItemModel::data(const QModelIndex& index, int role) const
{
    if ((role == Qt::AccessibleTextRole || role == Qt::ToolTipRole) && index.isValid()) {
        const QModelIndex first = index.siblingAtColumn(KindColumn);
        const QString action = QStandardItemModel::data(first, ActionRole).toString();
        const QString delay = QStandardItemModel::data(first, DelayRole).toString();
        return delay.isEmpty() ? action : action + QLatin1Char(' ') + delay;
    }
    return QStandardItemModel::data(index, role);
}
