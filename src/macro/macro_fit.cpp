// SPDX-License-Identifier: GPL-3.0-or-later
#include "macro/macro_fit.h"

#include "macro/macro_events.h"
#include "storage/key_names.h"

#include <QCoreApplication>
#include <QHash>

namespace {

constexpr quint8 kKindMask = 0x7F;

QString translated(const char* source)
{
    return QCoreApplication::translate("TarqMessageBox", source);
}

// What a press and its release have in common: the kind without the press flag, and the code.
int pairKey(const MacroEvent& event)
{
    return ((event.kind & kKindMask) << 8) | event.dataL;
}

QString buttonName(quint8 bit)
{
    switch (bit) {
        case MouseButtonBit::Left:
            return QStringLiteral("LEFT");
        case MouseButtonBit::Right:
            return QStringLiteral("RIGHT");
        case MouseButtonBit::Middle:
            return QStringLiteral("MIDDLE");
        case MouseButtonBit::Forward:
            return QStringLiteral("FORWARD");
        case MouseButtonBit::Backward:
            return QStringLiteral("BACKWARD");
        default:
            return QStringLiteral("BUTTON %1").arg(bit);
    }
}

// The partner of every row, or -1. A press of something already held pairs with nothing; a
// release pairs with the held press of its key or button.
QVector<int> pairPartners(const QVector<MacroEvent>& events)
{
    QVector<int> partners(events.size(), -1);
    QHash<int, int> held;
    for (int i = 0; i < events.size(); ++i) {
        const MacroEvent& event = events.at(i);
        if (!isPairedKind(event))
            continue;
        const int key = pairKey(event);
        if (isPress(event)) {
            if (!held.contains(key))
                held.insert(key, i);
            continue;
        }
        const auto open = held.constFind(key);
        if (open != held.cend()) {
            partners[i] = open.value();
            partners[open.value()] = i;
            held.erase(open);
        }
    }
    return partners;
}

} // namespace

bool hasDelayRows(const QVector<MacroEvent>& events)
{
    return std::any_of(events.cbegin(), events.cend(),
                       [](const MacroEvent& event) { return event.kind == MacroKind::Delay; });
}

int macroEventLimit(const QVector<MacroEvent>& events)
{
    return hasDelayRows(events) ? kMaxMacroEventsWithDelays : kMaxMacroEventsWithoutDelays;
}

bool macroFits(const QVector<MacroEvent>& events)
{
    return events.size() <= kKeySlotCount &&
           macroTripleCount(events.size(), hasDelayRows(events)) <= kMacroTriplesPerSlot;
}

QVector<MacroEvent> unreleasedPresses(const QVector<MacroEvent>& events, int count)
{
    const int end = count < 0 ? events.size() : std::min(count, events.size());
    QVector<MacroEvent> held;
    for (int i = 0; i < end; ++i) {
        const MacroEvent& event = events.at(i);
        if (!isPairedKind(event))
            continue;
        const int key = pairKey(event);
        auto same = [key](const MacroEvent& press) { return pairKey(press) == key; };
        if (isPress(event)) {
            if (std::none_of(held.cbegin(), held.cend(), same))
                held << event;
        } else {
            held.erase(std::remove_if(held.begin(), held.end(), same), held.end());
        }
    }
    return held;
}

QString pressedName(const MacroEvent& press)
{
    const quint8 kind = press.kind & kKindMask;
    if (kind == (MacroKind::ButtonPress & kKindMask))
        return buttonName(press.dataL);
    int keyCode = 0;
    if (kind == (MacroKind::KeyPress & kKindMask) && usageToScan(press.dataL, keyCode))
        return keyName(unsigned(keyCode));
    return QStringLiteral("0x%1").arg(press.dataL, 2, 16, QLatin1Char('0'));
}

QStringList unreleasedNames(const QVector<MacroEvent>& events, int count)
{
    QStringList names;
    for (const MacroEvent& press : unreleasedPresses(events, count))
        names << pressedName(press);
    return names;
}

int partnerRow(const QVector<MacroEvent>& events, int row)
{
    return pairPartners(events).value(row, -1);
}

QVector<MacroEvent> withPairRecoded(const QVector<MacroEvent>& events, int row, quint8 code)
{
    if (row < 0 || row >= events.size() || !isPairedKind(events.at(row)))
        return events;
    const int partner = partnerRow(events, row);
    QVector<MacroEvent> recoded = events;
    recoded[row].dataL = code;
    if (partner >= 0)
        recoded[partner].dataL = code;
    return recoded;
}

QString unreleasedMessage(const QVector<MacroEvent>& events)
{
    const QStringList names = unreleasedNames(events);
    if (names.isEmpty())
        return QString();
    return translated(kUnreleasedKeysMessage) + QLatin1Char('\n') +
           translated(QT_TRANSLATE_NOOP("TarqMessageBox", "Still pressed at the end: %1"))
               .arg(names.join(QStringLiteral(", ")));
}

QString macroRefusal(const QVector<MacroEvent>& events)
{
    if (!macroFits(events))
        return translated(QT_TRANSLATE_NOOP("TarqMessageBox",
                                            "This macro is too long for a button, which holds at most "
                                            "%1 events without delay rows and %2 with them."))
            .arg(kMaxMacroEventsWithoutDelays)
            .arg(kMaxMacroEventsWithDelays);
    return unreleasedMessage(events);
}
