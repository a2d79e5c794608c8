// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/mousecfg_widget.h"
#include "controls/push_button.h"
#include "device/commands.h"
#include "platform/pointer_speed.h"
#include "sim/sim_trace.h"
#include "storage/app_config.h"
#include "window_sandbox.h"

#include <QAccessible>
#include <QtTest>

// The five slot buttons choose their slot as the slot menu does: the same bytes to the mouse,
// the same pointer-speed rule, the same question about unsent edits; and they are reached by
// Tab and named for screen readers.

namespace {

constexpr int kThirdSlot = 2;
constexpr quint8 kThirdSlotSpeed = 7;

// The slot button of a slot: a radio button named after the slot ("Profile 3").
TarqPushButton* slotButton(const MousecfgWidget& window, int slot)
{
    const QString name = QCoreApplication::translate("MousecfgWidget", "Profile") + QStringLiteral(" %1").arg(slot + 1);
    for (TarqPushButton* button : window.findChildren<TarqPushButton*>()) {
        QAccessibleInterface* face = QAccessible::queryAccessibleInterface(button);
        if (!button->menu() && face && face->role() == QAccessible::RadioButton &&
            face->text(QAccessible::Name) == name)
            return button;
    }
    return nullptr;
}

QList<bool> slotMarks(const MousecfgWidget& window)
{
    QList<bool> marks;
    for (int slot = 0; slot < kProfileCount; ++slot)
        marks << (slotButton(window, slot) && slotButton(window, slot)->isChecked());
    return marks;
}

// What the mouse was sent, without the battery thread's queries, which come when they come.
QStringList writesBesidesBatteryQueries(const VirtualMouse& mouse)
{
    const CommandReport query = batteryQueryReport();
    const QString queryLine = QStringLiteral("W ") + SimTrace::formatBytes(query.data(), int(query.size()));
    QStringList writes;
    for (const QString& line : mouse.trace().lines())
        if (line.startsWith(QLatin1String("W ")) && line != queryLine)
            writes << line;
    return writes;
}

struct SlotSwitch
{
    QStringList writes;
    int pointerSpeed = 0;
    QString slotLabel;
    QList<bool> marks;
};

// Slot 3 holds a pointer speed of its own, sent; then slot 3 is chosen the given way.
SlotSwitch switchToTheThirdSlot(const std::function<void(MousecfgWidget&)>& choose)
{
    SlotSwitch seen;
    WindowSandbox sandbox;
    if (!sandbox.isValid())
        return seen;
    setSystemPointerSpeed(10);
    auto window = shownWindow(sandbox);
    if (!window)
        return seen;
    window->workingConfiguration().profiles[kThirdSlot].mousespeed = kThirdSlotSpeed;
    // No page edits the speed: a whole upload takes it to the mouse.
    if (setPendingUploadFlag(1) != StorageResult::Ok)
        return seen;
    click(*window, QStringLiteral("Apply"));
    waitForSend(*window, 0);
    sandbox.mouse().trace().clear();

    choose(*window);
    if (!QTest::qWaitFor([&] { return sandbox.mouse().activeProfile() == kThirdSlot; }))
        return seen;
    seen.writes = writesBesidesBatteryQueries(sandbox.mouse());
    seen.pointerSpeed = getSystemPointerSpeed();
    seen.slotLabel = slotMenuButton(window.get())->text();
    seen.marks = slotMarks(*window);
    // The battery thread was paused for the switch and runs again.
    if (!window->batteryThreadRunning())
        seen.writes << QStringLiteral("the battery thread did not come back");
    return seen;
}

} // namespace

class TestSlotButtons final : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase()
    {
        // The pointer speed is then only kept: no X server's speed is changed under another test.
        qunsetenv("DISPLAY");
    }

    void aSlotButtonDoesWhatTheSlotMenuDoes()
    {
        const SlotSwitch byMenu =
            switchToTheThirdSlot([](MousecfgWidget& window) { chooseSlot(window, QStringLiteral("Profile 3")); });
        const SlotSwitch byButton = switchToTheThirdSlot([](MousecfgWidget& window) {
            TarqPushButton* button = slotButton(window, kThirdSlot);
            QVERIFY(button);
            QTest::mouseClick(button, Qt::LeftButton);
        });
        QVERIFY(!byMenu.writes.isEmpty());
        QCOMPARE(byButton.writes, byMenu.writes);
        QCOMPARE(byMenu.pointerSpeed, int(kThirdSlotSpeed));
        QCOMPARE(byButton.pointerSpeed, byMenu.pointerSpeed);
        QCOMPARE(byButton.slotLabel, QStringLiteral("Profile 3"));
        const QList<bool> thirdMarked{ false, false, true, false, false };
        QCOMPARE(byMenu.marks, thirdMarked);
        QCOMPARE(byButton.marks, thirdMarked);
    }

    void withUnsentEditsTheButtonAsksFirst()
    {
        WindowSandbox sandbox;
        QVERIFY(sandbox.isValid());
        auto window = shownWindow(sandbox);
        QVERIFY(window);
        window->workingConfiguration().profiles[0].pollrate =
            quint8(window->workingConfiguration().profiles[0].pollrate == 1 ? 2 : 1);
        const int uploads = sandbox.mouse().uploadsBegun();

        // Staying keeps the first slot, and its mark.
        QTest::mouseClick(slotButton(*window, kThirdSlot), Qt::LeftButton);
        expectMessage(QStringLiteral("Send the changes to the mouse first?"), false);
        QCOMPARE(window->profileLibrary().currentSlot(), 0);
        QCOMPARE(sandbox.mouse().activeProfile(), 0);
        QCOMPARE(slotMarks(*window), (QList<bool>{ true, false, false, false, false }));

        // Sending them first, then switching.
        QTest::mouseClick(slotButton(*window, kThirdSlot), Qt::LeftButton);
        expectMessage(QStringLiteral("Send the changes to the mouse first?"), true);
        QTRY_COMPARE(sandbox.mouse().activeProfile(), kThirdSlot);
        QCOMPARE(sandbox.mouse().uploadsBegun(), uploads + 1);
        QCOMPARE(window->profileLibrary().currentSlot(), kThirdSlot);
    }

    void slotButtonsAreReachedByKeyAndNamed_data()
    {
        QTest::addColumn<QString>("language");
        QTest::newRow("en") << QStringLiteral("en");
        QTest::newRow("de") << QStringLiteral("de");
    }

    void slotButtonsAreReachedByKeyAndNamed()
    {
        QFETCH(QString, language);
        WindowSandbox sandbox;
        QVERIFY(sandbox.isValid());
        auto window = shownWindow(sandbox);
        QVERIFY(window);
        if (language == QLatin1String("de"))
            chooseFromMenu(*window, QStringLiteral("Language"), QStringLiteral("Deutsch"));
        window->activateWindow();
        QTRY_VERIFY(window->isActiveWindow());

        // Tab goes from the last tab to the first slot and on through the five.
        TarqPushButton* first = slotButton(*window, 0);
        QVERIFY(first);
        const QString name = first->accessibleName();
        QCOMPARE(name, language == QLatin1String("de") ? QStringLiteral("Profil 1") : QStringLiteral("Profile 1"));
        QAccessibleInterface* face = QAccessible::queryAccessibleInterface(first);
        QCOMPARE(face->text(QAccessible::Description), window->workingConfiguration().profileNames[0]);
        QVERIFY(face->state().checked);

        QWidget* lastTab = nullptr;
        for (TarqPushButton* button : window->findChildren<TarqPushButton*>())
            if (button->accessibleName() == QCoreApplication::translate("MousecfgWidget", "MACRO"))
                lastTab = button;
        QVERIFY(lastTab);
        lastTab->setFocus(Qt::TabFocusReason);
        for (int slot = 0; slot < kProfileCount; ++slot) {
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
            QCOMPARE(QApplication::focusWidget(), slotButton(*window, slot));
        }

        // Space on the third chooses it.
        slotButton(*window, kThirdSlot)->setFocus(Qt::TabFocusReason);
        QTest::keyClick(slotButton(*window, kThirdSlot), Qt::Key_Space);
        QTRY_COMPARE(sandbox.mouse().activeProfile(), kThirdSlot);
        QVERIFY(QAccessible::queryAccessibleInterface(slotButton(*window, kThirdSlot))->state().checked);
    }
};

QTEST_MAIN(TestSlotButtons)
#include "test_slot_buttons.moc"
