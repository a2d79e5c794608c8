#include "macro/macro_list_item.h"

namespace {

constexpr int kNameRole = Qt::UserRole;

} // namespace

TarqListItem::TarqListItem(const QString& name, bool batch)
    : QListWidgetItem(name)
{
    setData(kNameRole, name);
    setBatch(batch);
}

void TarqListItem::setBatch(bool batch)
{
    Qt::ItemFlags itemFlags = Qt::ItemIsSelectable | Qt::ItemIsEnabled | Qt::ItemIsEditable;
    if (batch)
        itemFlags |= Qt::ItemIsUserCheckable;
    setFlags(itemFlags);
    if (batch)
        setCheckState(Qt::Unchecked);
    else
        setData(Qt::CheckStateRole, QVariant());
}

bool TarqListItem::isChecked() const
{
    return (flags() & Qt::ItemIsUserCheckable) && checkState() == Qt::Checked;
}

QString TarqListItem::name() const
{
    return data(kNameRole).toString();
}

void TarqListItem::setName(const QString& name)
{
    setText(name);
    setData(kNameRole, name);
}
