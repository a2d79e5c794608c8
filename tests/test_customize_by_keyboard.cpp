// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/mousecfg_widget.h"
#include "button_page_driver.h"
#include "buttons/button_page.h"
#include "controls/push_button.h"
#include "device/commands.h"
#include "sim/section_decoder.h"
#include "storage/product_description.h"
#include "window_sandbox.h"

#include <QMenu>
#include <QtTest>

// clang-format off
// Xlib's macros (None, Status, KeyPress) must come after every Qt header.
#include "x11_keys.h"
// clang-format on

namespace {

bool menuHolds(const QMenu* menu, const QAction* target)
{
    for (const QAction* action : menu->actions())
        if (action == target || (action->menu() && menuHolds(action->menu(), target)))
            return true;
    return false;
}

// Walks the open menus to an entry with real keys: Down to it, Right into the submenu that holds it,
// Return on it. It runs from the event loop that the open menu runs.
class MenuWalker final : public QObject
{
public:
    explicit MenuWalker(QAction* target)
        : m_target(target)
    {
        m_timer.setInterval(20);
        connect(&m_timer, &QTimer::timeout, this, &MenuWalker::step);
        m_timer.start();
    }

    bool chose() const { return m_chose; }

private:
    void step()
    {
        auto* menu = qobject_cast<QMenu*>(QApplication::activePopupWidget());
        if (!menu || m_chose)
            return;
        QAction* active = menu->activeAction();
        // A key was sent and its effect has not shown yet.
        if (menu == m_lastMenu && active == m_lastActive)
            return;
        m_lastMenu = menu;
        m_lastActive = active;
        if (active == m_target) {
            m_chose = xdotool({ QStringLiteral("key"), QStringLiteral("Return") });
            m_timer.stop();
        } else if (active && active->menu() && menuHolds(active->menu(), m_target)) {
            xdotool({ QStringLiteral("key"), QStringLiteral("Right") });
        } else {
            xdotool({ QStringLiteral("key"), QStringLiteral("Down") });
        }
    }

    QAction* m_target;
    QTimer m_timer;
    QMenu* m_lastMenu = nullptr;
    QAction* m_lastActive = nullptr;
    bool m_chose = false;
};

// Presses Tab until the focus is on widget; false when a whole round of the window missed it.
bool tabTo(const QWidget* widget)
{
    for (int i = 0; i < 120; ++i) {
        if (QApplication::focusWidget() == widget)
            return true;
        QWidget* before = QApplication::focusWidget();
        if (!xdotool({ QStringLiteral("key"), QStringLiteral("Tab") }))
            return false;
        if (!QTest::qWaitFor([before] { return QApplication::focusWidget() != before; }))
            return false;
    }
    return false;
}

} // namespace

class TestCustomizeByKeyboard final : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase()
    {
        if (const char* missing = missingForRealKeys())
            QSKIP(missing);
    }

    void aFunctionIsAssignedAndSentWithKeysOnly()
    {
        WindowSandbox sandbox;
        QVERIFY(sandbox.isValid());
        sandbox.mouse().plug(MouseLink::Receiver);
        auto window = sandbox.makeWindow();
        window->show();
        QVERIFY(QTest::qWaitForWindowExposed(window.get()));
        window->activateWindow();
        QTRY_VERIFY(window->isActiveWindow());
        QTRY_VERIFY(QApplication::focusWidget());

        // To the tab, and Space opens it.
        TarqPushButton* customize = buttonNamed(window.get(), QStringLiteral("CUSTOMIZE"));
        QVERIFY(tabTo(customize));
        QVERIFY(xdotool({ QStringLiteral("key"), QStringLiteral("space") }));
        QTRY_COMPARE(window->currentTab(), int(MousecfgWidget::CustomizeTab));

        // Tab reaches label 1; an arrow moves on to label 2.
        TarqBtnWindow* page = window->findChild<TarqBtnWindow*>();
        QVERIFY(tabTo(page->label(0)));
        QVERIFY(xdotool({ QStringLiteral("key"), QStringLiteral("Down") }));
        QTRY_COMPARE(QApplication::focusWidget(), page->label(1));

        // Enter opens the label's menu; the keys walk it to "DPI +".
        QAction* dpiUp = findAction(page->functionMenu(), QStringLiteral("DPI +"));
        QVERIFY(dpiUp);
        MenuWalker walker(dpiUp);
        QVERIFY(xdotool({ QStringLiteral("key"), QStringLiteral("Return") }));
        QTRY_VERIFY(walker.chose());
        QTRY_COMPARE(page->label(1)->text(), QStringLiteral("DPI +"));
        QTRY_VERIFY(!QApplication::activePopupWidget());

        // On to Apply, and Return sends it.
        QVERIFY(tabTo(buttonNamed(window.get(), QStringLiteral("Apply"))));
        QSignalSpy sent(window.get(), &MousecfgWidget::sendFinished);
        QVERIFY(xdotool({ QStringLiteral("key"), QStringLiteral("Return") }));
        QTRY_COMPARE(sent.count(), 1);
        QCOMPARE(sent.first().first().toInt(), 0);
        const DecodedButtons buttons = decodeButtonSection(
            sandbox.mouse().onBoardSection(sandbox.mouse().activeProfile(), CommandCode::ButtonSection));
        ButtonTable positions{};
        QCOMPARE(loadButtonMatrix(positions), 0);
        QCOMPARE(buttons.buttonSlots[positions[1]], (ButtonSlot{ 0x8A, 0x00, 0x00, 0x00 }));
    }
};

QTEST_MAIN(TestCustomizeByKeyboard)
#include "test_customize_by_keyboard.moc"
