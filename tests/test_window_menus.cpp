// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/mousecfg_widget.h"
#include "buttons/button_page.h"
#include "controls/popup_placement.h"
#include "controls/push_button.h"
#include "pages/report_rate_page.h"
#include "screens_directory.h"
#include "storage/app_config.h"
#include "window_sandbox.h"

#include <QAccessible>
#include <QApplication>
#include <QMenu>
#include <QPainter>
#include <QScreen>
#include <QSettings>
#include <QTimer>
#include <QtTest>
#include <functional>

namespace {

constexpr int kLibrarySize = 200;
const QString kCurrentProfile = QStringLiteral("Team 150");

// Opens button's menu as a press does; look runs while the menu is shown (the button runs it
// modally), then the menu closes.
void whileMenuOpen(TarqPushButton* button, std::function<void(QMenu&)> look)
{
    QVERIFY(button && button->menu());
    QMenu* menu = button->menu();
    auto* poll = new QTimer(button);
    poll->setInterval(5);
    QObject::connect(poll, &QTimer::timeout, button, [poll, menu, look] {
        if (!menu->isVisible())
            return;
        poll->stop();
        poll->deleteLater();
        look(*menu);
        menu->close();
    });
    poll->start();
    button->showMenu();
}

bool readAsChecked(QMenu& menu, const QAction* action)
{
    QAccessibleInterface* list = QAccessible::queryAccessibleInterface(&menu);
    const int index = menu.actions().indexOf(const_cast<QAction*>(action));
    QAccessibleInterface* entry = list && index >= 0 ? list->child(index) : nullptr;
    return entry && entry->state().checkable && entry->state().checked;
}

// The entry the menu shows active is the only checked one, and screen readers hear it checked.
QString checkedEntry(QMenu& menu)
{
    QStringList checked;
    for (const QAction* action : menu.actions()) {
        if (action->isChecked())
            checked << action->text();
    }
    if (checked.size() != 1 || !menu.activeAction() || !menu.activeAction()->isChecked() ||
        !readAsChecked(menu, menu.activeAction()))
        return QStringLiteral("(not one active checked entry: %1)").arg(checked.join(QStringLiteral(", ")));
    return checked.first();
}

bool shownWhole(const QMenu& menu, QAction* action)
{
    return menu.rect().contains(menu.actionGeometry(action));
}

// A library of 200 names, the slot showing the 150th: the restarted window reads them.
void fillLibrary()
{
    QStringList names = readProfileList();
    for (int i = names.size() + 1; i <= kLibrarySize; ++i)
        names << QStringLiteral("Team %1").arg(i, 3, 10, QLatin1Char('0'));
    QVERIFY(writeProfileList(names) == StorageResult::Ok);
    QVERIFY(QFile::copy(profileFilePath(QStringLiteral("Profile 1")), profileFilePath(kCurrentProfile)));
    QSettings config(configIniPath(), QSettings::IniFormat);
    config.setValue(QStringLiteral("Config/Profile1"), kCurrentProfile);
}

TarqPushButton* lowestFunctionLabel(MousecfgWidget& window)
{
    auto* page = static_cast<TarqBtnWindow*>(window.page(MousecfgWidget::CustomizeTab));
    TarqPushButton* lowest = nullptr;
    for (TarqPushButton* label : page->findChildren<TarqPushButton*>()) {
        if (label->menu() == page->functionMenu() && label->isVisible() &&
            (!lowest || label->mapTo(&window, QPoint()).y() > lowest->mapTo(&window, QPoint()).y()))
            lowest = label;
    }
    return lowest;
}

QString describe(const QRect& rect)
{
    return QStringLiteral("%1,%2 %3x%4").arg(rect.x()).arg(rect.y()).arg(rect.width()).arg(rect.height());
}

} // namespace

class TestWindowMenus final : public QObject
{
    Q_OBJECT

private slots:
    // Every entry of a full library can be reached from the keyboard, each one in view when
    // active; the menu opens on the current entry, checked, and stays on the screen.
    void theProfileMenuScrollsThroughAFullLibrary()
    {
        WindowSandbox sandbox;
        shownWindow(sandbox).reset();
        fillLibrary();
        auto window = shownWindow(sandbox);
        QVERIFY(window);
        QCOMPARE(window->profileLibrary().currentName(), kCurrentProfile);

        QString openedOn;
        bool openedInView = false;
        QRect placed;
        QSet<QString> reached;
        QStringList hidden;
        QImage shot;
        whileMenuOpen(buttonNamed(window.get(), QStringLiteral("Profile list")), [&](QMenu& menu) {
            placed = menu.geometry();
            openedOn = checkedEntry(menu);
            openedInView = menu.activeAction() && shownWhole(menu, menu.activeAction());
            shot = window->grab().toImage();
            QPainter(&shot).drawPixmap(menu.geometry().topLeft() - window->geometry().topLeft(), menu.grab());
            QTest::keyClick(&menu, Qt::Key_Home);
            for (int i = 0; i < kLibrarySize; ++i) {
                QAction* active = menu.activeAction();
                if (!active)
                    break;
                reached.insert(active->text());
                if (!shownWhole(menu, active))
                    hidden << active->text();
                QTest::keyClick(&menu, Qt::Key_Down);
            }
        });
        QCOMPARE(openedOn, kCurrentProfile);
        QVERIFY(openedInView);
        QVERIFY2(window->screen()->availableGeometry().contains(placed), qPrintable(describe(placed)));
        QCOMPARE(reached.size(), kLibrarySize);
        QVERIFY2(hidden.isEmpty(), qPrintable(hidden.join(QStringLiteral(", "))));
        QVERIFY(shot.save(screensDirectory() + QStringLiteral("/profile-menu-200.png")));
    }

    // The slot, language and report-rate menus open on the entry in force, checked.
    void choiceMenusMarkTheCurrentEntry()
    {
        WindowSandbox sandbox;
        auto window = shownWindow(sandbox);
        QVERIFY(window);

        QString shown;
        auto readChecked = [&shown](QMenu& menu) { shown = checkedEntry(menu); };
        whileMenuOpen(slotMenuButton(window.get()), readChecked);
        QCOMPARE(shown, QStringLiteral("Profile 1"));
        chooseSlot(*window, QStringLiteral("Profile 3"));
        QTRY_COMPARE(window->profileLibrary().currentSlot(), 2);
        QImage shot;
        whileMenuOpen(slotMenuButton(window.get()), [&](QMenu& menu) {
            readChecked(menu);
            // The mark stays readable when the highlight moves on.
            QTest::keyClick(&menu, Qt::Key_Down);
            shot = menu.grab().toImage();
        });
        QCOMPARE(shown, QStringLiteral("Profile 3"));
        QVERIFY(shot.save(screensDirectory() + QStringLiteral("/slot-menu-current-checked.png")));

        TarqPushButton* language = buttonNamed(window.get(), QStringLiteral("Language"));
        whileMenuOpen(language, readChecked);
        QCOMPARE(shown, QStringLiteral("English"));
        chooseFromMenu(*window, QStringLiteral("Language"), QStringLiteral("Deutsch"));
        whileMenuOpen(buttonNamed(window.get(), QCoreApplication::translate("MousecfgWidget", "Language")),
                      readChecked);
        QCOMPARE(shown, QStringLiteral("Deutsch"));

        window->selectTab(MousecfgWidget::DpiTab);
        auto* ratePage = window->findChild<TarqReportRate*>();
        QVERIFY(ratePage);
        TarqPushButton* rateButton = nullptr;
        for (TarqPushButton* button : ratePage->findChildren<TarqPushButton*>())
            if (button->menu())
                rateButton = button;
        QVERIFY(rateButton);
        for (int entry : { 0, 3, 1 }) {
            QAction* choice = rateButton->menu()->actions().at(entry);
            choice->trigger();
            whileMenuOpen(rateButton, readChecked);
            QCOMPARE(shown, choice->text());
        }
    }

    // The function menu of the lowest button label stays inside the screen's available area; where
    // window positions are unknown, inside the window, flipped above the label.
    void theFunctionMenuStaysOnScreen()
    {
        WindowSandbox sandbox;
        auto window = shownWindow(sandbox);
        QVERIFY(window);
        window->move(0, 0);
        QTRY_COMPARE(window->geometry().top(), 0);
        window->selectTab(MousecfgWidget::CustomizeTab);
        TarqPushButton* label = lowestFunctionLabel(*window);
        QVERIFY(label);
        QRect placed;
        auto readPlace = [&placed](QMenu& menu) { placed = menu.geometry(); };
        whileMenuOpen(label, readPlace);
        QVERIFY2(window->screen()->availableGeometry().contains(placed), qPrintable(describe(placed)));

        // The offscreen screen is shorter than the window: moved down, the label is far below it.
        window->move(0, 300);
        QTRY_COMPARE(window->geometry().top(), 300);
        const ScopedWindowPositions wayland(false);
        whileMenuOpen(label, readPlace);
        QVERIFY2(window->frameGeometry().contains(placed), qPrintable(describe(placed)));
        QVERIFY(placed.bottom() < label->mapToGlobal(QPoint(0, 0)).y());
    }
};

QTEST_MAIN(TestWindowMenus)
#include "test_window_menus.moc"
