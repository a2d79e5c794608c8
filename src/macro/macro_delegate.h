#pragma once

#include <QStyledItemDelegate>

class TarqItemModel;

// Paints a macro row as its icon and action, with a delay's milliseconds in the second column,
// and edits a delay in milliseconds; the row keeps it in whole units of the model's delay unit.
class TarqMacroItemDelegate final : public QStyledItemDelegate
{
    Q_OBJECT
    Q_DISABLE_COPY(TarqMacroItemDelegate)

public:
    explicit TarqMacroItemDelegate(TarqItemModel* model, QObject* parent = nullptr);

    void paint(QPainter* painter, const QStyleOptionViewItem& option, const QModelIndex& index) const override;
    QSize sizeHint(const QStyleOptionViewItem& option, const QModelIndex& index) const override;
    QWidget* createEditor(QWidget* parent, const QStyleOptionViewItem& option, const QModelIndex& index) const override;
    void setEditorData(QWidget* editor, const QModelIndex& index) const override;
    void setModelData(QWidget* editor, QAbstractItemModel* model, const QModelIndex& index) const override;
    void updateEditorGeometry(QWidget* editor, const QStyleOptionViewItem& option,
                              const QModelIndex& index) const override;

private:
    TarqItemModel* m_model;
};
