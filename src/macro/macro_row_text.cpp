#include "macro/macro_row_text.h"

#include "storage/key_names.h"

#include <QCoreApplication>

namespace {

constexpr const char* kContext = "MacroDialog";

QString translated(const char* source)
{
    return QCoreApplication::translate(kContext, source);
}

QString keyText(quint8 usage)
{
    int keyCode = 0;
    const QString name = usageToScan(usage, keyCode) ? keyName(unsigned(keyCode)) : QString();
    return name.isEmpty() ? translated(QT_TRANSLATE_NOOP("MacroDialog", "Key %1")).arg(usage) : name;
}

QString pressText(const MacroEvent& event)
{
    return isPress(event) ? translated(QT_TRANSLATE_NOOP("MacroDialog", "Press"))
                          : translated(QT_TRANSLATE_NOOP("MacroDialog", "Release"));
}

QString buttonText(quint8 buttonBit)
{
    const QString name = translated(mouseButtonName(buttonBit));
    return name.contains(QLatin1String("%1")) ? name.arg(buttonBit) : name;
}

} // namespace

const char* mouseButtonName(quint8 buttonBit)
{
    switch (buttonBit) {
        case MouseButtonBit::Left:
            return QT_TRANSLATE_NOOP("MacroDialog", "LEFT CLICK");
        case MouseButtonBit::Right:
            return QT_TRANSLATE_NOOP("MacroDialog", "RIGHT CLICK");
        case MouseButtonBit::Middle:
            return QT_TRANSLATE_NOOP("MacroDialog", "MIDDLE CLICK");
        case MouseButtonBit::Forward:
            return QT_TRANSLATE_NOOP("MacroDialog", "FORWARD");
        case MouseButtonBit::Backward:
            return QT_TRANSLATE_NOOP("MacroDialog", "BACKWARD");
        default:
            return QT_TRANSLATE_NOOP("MacroDialog", "Mouse button %1");
    }
}

const char* moveDirectionName(MoveDirection direction)
{
    switch (direction) {
        case MoveDirection::Left:
            return QT_TRANSLATE_NOOP("MacroDialog", "MOVE LEFT");
        case MoveDirection::Right:
            return QT_TRANSLATE_NOOP("MacroDialog", "MOVE RIGHT");
        case MoveDirection::Up:
            return QT_TRANSLATE_NOOP("MacroDialog", "MOVE UP");
        case MoveDirection::Down:
            return QT_TRANSLATE_NOOP("MacroDialog", "MOVE DOWN");
    }
    return "";
}

MacroRowLook macroRowLook(const MacroEvent& event, int unit)
{
    MacroRowLook look;
    switch (event.kind) {
        case MacroKind::KeyPress:
        case MacroKind::KeyRelease:
            look.icon = isPress(event) ? QStringLiteral("keydown.png") : QStringLiteral("keyup.png");
            look.action = keyText(event.dataL) + QLatin1Char(' ') + pressText(event);
            break;
        case MacroKind::ButtonPress:
        case MacroKind::ButtonRelease:
            look.icon = QStringLiteral("mouse_move.png");
            look.action = buttonText(event.dataL) + QLatin1Char(' ') + pressText(event);
            break;
        case MacroKind::Move: {
            look.icon = QStringLiteral("mouse_move.png");
            MoveDirection direction = MoveDirection::Right;
            int distance = 0;
            if (readMove(event, direction, distance))
                look.action = translated(moveDirectionName(direction)) + QStringLiteral(" : %1").arg(distance);
            else
                look.action = translated(QT_TRANSLATE_NOOP("MacroDialog", "MOVEMENT"));
            break;
        }
        case MacroKind::Delay:
            look.icon = QStringLiteral("delay.png");
            look.action = translated(QT_TRANSLATE_NOOP("MacroDialog", "DELAY"));
            look.delay = translated(QT_TRANSLATE_NOOP("MacroDialog", "%d ms"))
                             .replace(QLatin1String("%d"), QString::number(delayMilliseconds(event, unit)));
            break;
        default:
            look.action = translated(QT_TRANSLATE_NOOP("MacroDialog", "Event %1 %2 %3"))
                              .arg(event.kind)
                              .arg(event.dataH)
                              .arg(event.dataL);
            break;
    }
    return look;
}
