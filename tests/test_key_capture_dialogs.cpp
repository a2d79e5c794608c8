#include "buttons/key_capture.h"
#include "buttons/key_listener.h"
#include "buttons/param_dialogs.h"
#include "platform/keyboard_layout.h"
#include "storage/key_names.h"

#include <QCheckBox>
#include <QProcess>
#include <QSignalSpy>
#include <QStandardPaths>
#include <QtTest>
#include <memory>

// clang-format off
// Xlib's macros (None, Status, KeyPress) must come after every Qt header.
#include "x11_keys.h"
// clang-format on

namespace {

template<typename Dialog>
std::unique_ptr<Dialog> openDialog()
{
    auto dialog = std::make_unique<Dialog>(nullptr);
    dialog->show();
    if (!QTest::qWaitForWindowExposed(dialog.get()))
        return nullptr;
    return dialog;
}

} // namespace

class TestKeyCaptureDialogs final : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase()
    {
        if (qEnvironmentVariableIsEmpty("DISPLAY"))
            QSKIP("needs an X server");
        if (QStandardPaths::findExecutable(QStringLiteral("xdotool")).isEmpty())
            QSKIP("needs xdotool");
        setFrenchLayoutQuery(&isFrenchKeyboardLayout);
    }

    void cleanupTestCase() { setFrenchLayoutQuery(nullptr); }

    void comboTakesTheDesktopsKeys()
    {
        ForeignWindow other;
        QVERIFY(other.isValid());
        auto dialog = openDialog<TarqComboKeyWindow>();
        QVERIFY(dialog);
        QTRY_VERIFY(dialog->isCaptureReady());
        QVERIFY(dialog->capturesGlobally());
        // The combination is swallowed: the focused program, or the desktop's window switcher,
        // sees none of it.
        QTRY_VERIFY(other.keyboardGrabbedElsewhere());
        other.takeFocus();
        QVERIFY(xdotoolSteps({ "Alt_L", "Tab", "-Tab", "-Alt_L" }));
        QTRY_COMPARE(dialog->keyText(), QStringLiteral("LAlt + Tab"));
        QCOMPARE(dialog->keyCodes(), (QVector<int>{ 56, 15 }));
        QCOMPARE(other.keyPresses(), 0);
        QVERIFY(dialog->isVisible());

        // Right Ctrl is named and stored as left Ctrl; X keycode 105 is right Ctrl.
        QVERIFY(xdotoolSteps({ "105", "c", "-c", "-105" }));
        QTRY_COMPARE(dialog->keyText(), QStringLiteral("LCtr + C"));
        QCOMPARE(dialog->keyCodes(), (QVector<int>{ 29, 46 }));
        QCOMPARE(dialog->comboKey()[ComboSlot::Ctrl], quint8(2));

        QVERIFY(xdotoolSteps({ "a", "-a", "b", "-b" }));
        QTRY_COMPARE(dialog->keyText(), QStringLiteral("B"));
        QVERIFY(xdotoolSteps({ "Shift_L", "-Shift_L", "a", "-a" }));
        QTRY_COMPARE(dialog->keyText(), QStringLiteral("A"));
        QCOMPARE(dialog->keyCodes(), QVector<int>{ 30 });

        dialog->reject();
        QTRY_VERIFY(!other.keyboardGrabbedElsewhere());
    }

    void aHeldKeyChangesNothing()
    {
        auto dialog = openDialog<TarqComboKeyWindow>();
        QVERIFY(dialog);
        auto* listener = dialog->findChild<KeyListener*>();
        QVERIFY(listener);
        QSignalSpy events(listener, &KeyListener::keyEvent);
        QTRY_VERIFY(dialog->isCaptureReady());
        // A key pressed again while it is down is what the server sends for auto-repeat.
        QVERIFY(xdotoolSteps({ "Shift_L", "a", "a", "a", "-a", "-Shift_L" }));
        QTRY_VERIFY(seen(events).contains(qMakePair(42, kReleaseFlag)));
        QCOMPARE(dialog->keyText(), QStringLiteral("LShift + A"));
        QCOMPARE(dialog->keyCodes(), (QVector<int>{ 42, 30 }));
    }

    void singleKeyLetsTheKeyThrough()
    {
        ForeignWindow other;
        QVERIFY(other.isValid());
        auto dialog = openDialog<TarqSingleKeyWindow>();
        QVERIFY(dialog);
        QTRY_VERIFY(dialog->isCaptureReady());
        other.takeFocus();
        QVERIFY(xdotool({ QStringLiteral("key"), QStringLiteral("x") }));
        QTRY_COMPARE(dialog->keyText(), QStringLiteral("X"));
        QTRY_COMPARE(other.keyPresses(), 1);
        QCOMPARE(dialog->keyCode(), 45);
    }

    void frenchNamesFollowTheLayout()
    {
        QVERIFY(QProcess::execute(QStringLiteral("setxkbmap"), { QStringLiteral("fr") }) == 0);
        auto restore = qScopeGuard([] { QProcess::execute(QStringLiteral("setxkbmap"), { QStringLiteral("us") }); });
        auto dialog = openDialog<TarqSingleKeyWindow>();
        QVERIFY(dialog);
        QTRY_VERIFY(dialog->isCaptureReady());
        // On a French keyboard "a" is the key the program numbers 16.
        QVERIFY(xdotool({ QStringLiteral("key"), QStringLiteral("a") }));
        QTRY_COMPARE(dialog->keyCode(), 16);
        QCOMPARE(dialog->keyText(), QStringLiteral("a"));
    }

    void fireKeyCapturesOnlyTheChosenKey()
    {
        auto dialog = openDialog<TarqFireKeyWindow>();
        QVERIFY(dialog);
        QTRY_VERIFY(dialog->isCaptureReady());
        auto* keyboard = dialog->findChildren<QCheckBox*>().at(TarqFireKeyWindow::KeyboardKey);
        QTest::mouseClick(keyboard, Qt::LeftButton, {}, QPoint(4, keyboard->height() / 2));
        QTRY_VERIFY(keyboard->hasFocus());
        QVERIFY(xdotool({ QStringLiteral("key"), QStringLiteral("g") }));
        QTRY_COMPARE(dialog->keyText(), QStringLiteral("G"));
        QCOMPARE(dialog->target(), 0x0A);
    }
};

QTEST_MAIN(TestKeyCaptureDialogs)
#include "test_key_capture_dialogs.moc"
