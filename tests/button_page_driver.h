#pragma once

#include "buttons/button_page.h"
#include "controls/push_button.h"

#include <QApplication>
#include <QKeyEvent>
#include <QMenu>
#include <QTimer>
#include <QtTest>
#include <functional>

// Drives the button page as a user does, for the page's tests and the window's.

inline QAction* findAction(const QMenu* menu, const QString& text)
{
    for (QAction* action : menu->actions()) {
        if (action->menu()) {
            if (QAction* inner = findAction(action->menu(), text))
                return inner;
        } else if (action->text() == text) {
            return action;
        }
    }
    return nullptr;
}

inline QStringList entryTexts(const QMenu* menu)
{
    QStringList texts;
    for (const QAction* action : menu->actions())
        texts << action->text();
    return texts;
}

// Picks a menu entry for a button the way a click on its label does: the press selects the
// button, the menu then triggers the entry.
inline void choose(TarqBtnWindow& page, int slot, const QString& entry)
{
    page.slotMouseEnter(page.label(slot));
    const QMenu* menu = slot >= kWheelFirstSlot ? page.wheelMenu() : page.functionMenu();
    QAction* action = findAction(menu, entry);
    QVERIFY2(action, qPrintable(entry));
    action->trigger();
}

// Answers the dialog the next choice opens; the dialog runs modally, so the answer comes from
// the event loop it runs.
template<typename Dialog>
void whenDialogOpens(TarqBtnWindow& page, std::function<void(Dialog&)> answer)
{
    QTimer::singleShot(0, &page, [&page, answer] {
        auto* dialog = qobject_cast<Dialog*>(page.openDialog());
        QVERIFY(dialog);
        answer(*dialog);
        // A failed check above leaves the dialog open; closing it lets the test end.
        if (dialog->isVisible())
            dialog->reject();
    });
}

inline void sendKey(QWidget* target, QEvent::Type type, Qt::Key key)
{
    QKeyEvent event(type, key, Qt::NoModifier);
    QApplication::sendEvent(target, &event);
}

// Presses the keys in order and releases them in reverse, as a user types a combination.
inline void typeCombination(QWidget* target, std::initializer_list<Qt::Key> keys)
{
    for (Qt::Key key : keys)
        sendKey(target, QEvent::KeyPress, key);
    for (auto key = std::rbegin(keys); key != std::rend(keys); ++key)
        sendKey(target, QEvent::KeyRelease, *key);
}
