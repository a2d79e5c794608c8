// SPDX-License-Identifier: GPL-3.0-or-later
#include "controls/accessibility.h"

#include "controls/message_box.h"

#include <QAbstractButton>
#include <QAbstractSlider>
#include <QAccessibleWidget>
#include <QHash>
#include <QPushButton>
#include <QVariant>

namespace {

constexpr char kRoleProperty[] = "mousecfgAccessibleRole";

QHash<const QObject*, std::function<int(int)>>& shownValues()
{
    static QHash<const QObject*, std::function<int(int)>> table;
    return table;
}

// A button that reads as another kind of control, with that control's states and actions.
class SkinnedButtonInterface final : public QAccessibleWidget
{
public:
    SkinnedButtonInterface(QAbstractButton* button, QAccessible::Role role)
        : QAccessibleWidget(button, role)
    {
    }

    QAbstractButton* button() const { return static_cast<QAbstractButton*>(widget()); }

    QString text(QAccessible::Text kind) const override
    {
        QString text = QAccessibleWidget::text(kind);
        if (kind == QAccessible::Name && text.isEmpty())
            text = button()->text().remove(QLatin1Char('&'));
        return text;
    }

    QAccessible::State state() const override
    {
        QAccessible::State state = QAccessibleWidget::state();
        if (role() == QAccessible::PageTab) {
            state.selectable = true;
            state.selected = button()->isChecked();
        } else if (role() == QAccessible::RadioButton || role() == QAccessible::CheckBox) {
            state.checkable = true;
            state.checked = button()->isChecked();
        }
        return state;
    }

    QStringList actionNames() const override
    {
        QStringList names;
        if (widget()->isEnabled())
            names << pressAction();
        return names + QAccessibleWidget::actionNames();
    }

    void doAction(const QString& action) override
    {
        if (!widget()->isEnabled())
            return;
        // As the toolkit's own buttons do: the click comes from the event loop, so an action that
        // opens a modal box does not hold up the screen reader's call.
        if (action == pressAction())
            button()->animateClick();
        else
            QAccessibleWidget::doAction(action);
    }
};

// A slider whose steps stand for other units.
class ShownValueSliderInterface final
    : public QAccessibleWidget
    , public QAccessibleValueInterface
{
public:
    ShownValueSliderInterface(QAbstractSlider* slider, std::function<int(int)> shownOfStep)
        : QAccessibleWidget(slider, QAccessible::Slider)
        , m_shownOfStep(std::move(shownOfStep))
    {
    }

    QAbstractSlider* slider() const { return static_cast<QAbstractSlider*>(widget()); }

    void* interface_cast(QAccessible::InterfaceType type) override
    {
        if (type == QAccessible::ValueInterface)
            return static_cast<QAccessibleValueInterface*>(this);
        return QAccessibleWidget::interface_cast(type);
    }

    QString text(QAccessible::Text kind) const override
    {
        if (kind == QAccessible::Value)
            return QString::number(m_shownOfStep(slider()->value()));
        return QAccessibleWidget::text(kind);
    }

    QVariant currentValue() const override { return m_shownOfStep(slider()->value()); }
    QVariant minimumValue() const override { return m_shownOfStep(slider()->minimum()); }
    QVariant maximumValue() const override { return m_shownOfStep(slider()->maximum()); }
    QVariant minimumStepSize() const override
    {
        const int first = slider()->minimum();
        return first < slider()->maximum() ? m_shownOfStep(first + 1) - m_shownOfStep(first) : 0;
    }

    // The step whose value is nearest, the lower one on a tie.
    void setCurrentValue(const QVariant& value) override
    {
        const int wanted = value.toInt();
        int best = slider()->minimum();
        for (int step = slider()->minimum(); step <= slider()->maximum(); ++step) {
            if (qAbs(m_shownOfStep(step) - wanted) < qAbs(m_shownOfStep(best) - wanted))
                best = step;
        }
        slider()->setValue(best);
    }

private:
    std::function<int(int)> m_shownOfStep;
};

QAccessible::Role messageBoxRole(const TarqMessageBox* box)
{
    switch (box->kind()) {
        case TarqMessageBox::Warning:
        case TarqMessageBox::Information:
        case TarqMessageBox::DongleMissing:
            return QAccessible::AlertMessage;
        default:
            return QAccessible::Dialog;
    }
}

QAccessibleInterface* programInterface(const QString& className, QObject* object)
{
    // Asked once for each class of the object's hierarchy: answer for the object's own class only.
    if (!object || !object->isWidgetType() || className != QLatin1String(object->metaObject()->className()))
        return nullptr;
    auto* widget = static_cast<QWidget*>(object);
    if (auto* slider = qobject_cast<QAbstractSlider*>(object)) {
        const auto shown = shownValues().constFind(object);
        if (shown != shownValues().constEnd())
            return new ShownValueSliderInterface(slider, *shown);
    }
    if (const auto* box = qobject_cast<const TarqMessageBox*>(object))
        return new QAccessibleWidget(widget, messageBoxRole(box));
    const QVariant role = object->property(kRoleProperty);
    if (!role.isValid())
        return nullptr;
    const auto accessibleRole = QAccessible::Role(role.toInt());
    if (auto* button = qobject_cast<QAbstractButton*>(object))
        return new SkinnedButtonInterface(button, accessibleRole);
    return new QAccessibleWidget(widget, accessibleRole);
}

} // namespace

namespace Accessibility {

void install()
{
    static bool installed = false;
    if (installed)
        return;
    installed = true;
    QAccessible::installFactory(&programInterface);
}

// An interface made before the widget was told what it is (events of its construction make
// one) is dropped, so the next question makes the right one.
void forgetInterface(QObject* object)
{
    if (QAccessibleInterface* made = QAccessible::queryAccessibleInterface(object))
        QAccessible::deleteAccessibleInterface(QAccessible::uniqueId(made));
}

void setRole(QWidget* widget, QAccessible::Role role)
{
    widget->setProperty(kRoleProperty, int(role));
    forgetInterface(widget);
}

void setShownValue(QAbstractSlider* slider, std::function<int(int)> shownOfStep)
{
    const bool known = shownValues().contains(slider);
    shownValues().insert(slider, std::move(shownOfStep));
    if (!known)
        QObject::connect(slider, &QObject::destroyed, [slider] { shownValues().remove(slider); });
    forgetInterface(slider);
}

} // namespace Accessibility
