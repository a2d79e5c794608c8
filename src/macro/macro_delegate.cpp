#include "macro/macro_delegate.h"

#include "controls/display_scale.h"
#include "controls/labels_menus.h"
#include "controls/skin_paths.h"
#include "controls/theme.h"
#include "macro/macro_events.h"
#include "macro/macro_model.h"

#include <QCoreApplication>
#include <QHash>
#include <QIntValidator>
#include <QPainter>

namespace {

constexpr int kIconSize = 16;
constexpr int kPadding = 4;
constexpr int kRowHeight = 22;

// Read once: painting loads no images.
const QPixmap& rowIcon(const QString& name)
{
    static QHash<QString, QPixmap> icons;
    auto found = icons.find(name);
    if (found == icons.end())
        found = icons.insert(name, QPixmap(skinPath(name)));
    return *found;
}

} // namespace

TarqMacroItemDelegate::TarqMacroItemDelegate(TarqItemModel* model, QObject* parent)
    : QStyledItemDelegate(parent)
    , m_model(model)
{
    for (const char* icon : { "keydown.png", "keyup.png", "mouse_move.png", "delay.png" })
        rowIcon(QLatin1String(icon));
}

void TarqMacroItemDelegate::paint(QPainter* painter, const QStyleOptionViewItem& option, const QModelIndex& index) const
{
    const QModelIndex first = index.siblingAtColumn(TarqItemModel::KindColumn);
    const QString action = first.data(TarqItemModel::ActionRole).toString();
    painter->save();
    const bool selected = option.state & QStyle::State_Selected;
    painter->fillRect(option.rect, selected ? QColor(Palette::SurfaceRaised) : QColor(Palette::Background));
    if (selected && index.column() == TarqItemModel::KindColumn) {
        painter->fillRect(QRect(option.rect.topLeft(), QSize(scaled(3), option.rect.height())), themeColour());
    }
    painter->setFont(uiFont());
    painter->setPen(selected ? QColor(Qt::white) : QColor(225, 225, 225));
    QRect text = option.rect.adjusted(scaled(kPadding), 0, -scaled(kPadding), 0);
    if (index.column() == TarqItemModel::KindColumn) {
        const int icon = scaled(kIconSize);
        const QRect iconRect(text.left() + scaled(kPadding), text.top() + (text.height() - icon) / 2, icon, icon);
        painter->drawPixmap(iconRect, rowIcon(first.data(TarqItemModel::IconRole).toString()));
        text.setLeft(iconRect.right() + scaled(kPadding) * 2);
        painter->drawText(text, Qt::AlignVCenter | Qt::AlignLeft,
                          painter->fontMetrics().elidedText(action, Qt::ElideRight, text.width()));
    } else {
        painter->drawText(text, Qt::AlignVCenter | Qt::AlignLeft, first.data(TarqItemModel::DelayRole).toString());
    }
    if (option.state & QStyle::State_HasFocus) {
        painter->setPen(QPen(themeColour(), 1, Qt::DotLine));
        painter->drawRect(option.rect.adjusted(0, 0, -1, -1));
    }
    painter->restore();
}

QSize TarqMacroItemDelegate::sizeHint(const QStyleOptionViewItem& option, const QModelIndex& index) const
{
    const QSize base = QStyledItemDelegate::sizeHint(option, index);
    return { base.width(), scaled(kRowHeight) };
}

QWidget* TarqMacroItemDelegate::createEditor(QWidget* parent, const QStyleOptionViewItem&,
                                             const QModelIndex& index) const
{
    if (m_model->event(index.row()).kind != MacroKind::Delay)
        return nullptr;
    auto* editor = new TarqLineEdit(parent);
    editor->setValidator(new QIntValidator(1, kMaxDelayCount * m_model->unit(), editor));
    editor->setAccessibleName(QCoreApplication::translate("MacroDialog", "DELAY(ms)"));
    return editor;
}

void TarqMacroItemDelegate::setEditorData(QWidget* editor, const QModelIndex& index) const
{
    if (auto* line = qobject_cast<QLineEdit*>(editor)) {
        line->setText(QString::number(delayMilliseconds(m_model->event(index.row()), m_model->unit())));
        line->selectAll();
    }
}

void TarqMacroItemDelegate::setModelData(QWidget* editor, QAbstractItemModel*, const QModelIndex& index) const
{
    const auto* line = qobject_cast<QLineEdit*>(editor);
    if (!line || line->text().isEmpty())
        return;
    m_model->setEvent(index.row(), delayEvent(line->text().toInt(), m_model->unit()));
}

void TarqMacroItemDelegate::updateEditorGeometry(QWidget* editor, const QStyleOptionViewItem& option,
                                                 const QModelIndex&) const
{
    editor->setGeometry(option.rect);
}
