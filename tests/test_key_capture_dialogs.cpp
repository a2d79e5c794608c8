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
#include <X11/Xlib.h>
#include <memory>

namespace {

constexpr int kReleaseFlag = 0x80;

// Real key events through the X server's test extension.
bool xdotool(const QStringList& arguments)
{
    return QProcess::execute(QStringLiteral("xdotool"), arguments) == 0;
}

bool xdotoolSteps(std::initializer_list<const char*> steps)
{
    for (const char* step : steps) {
        const QString text = QString::fromLatin1(step);
        const bool release = text.startsWith(QLatin1Char('-'));
        if (!xdotool({ release ? QStringLiteral("keyup") : QStringLiteral("keydown"), release ? text.mid(1) : text }))
            return false;
    }
    return true;
}

// A window of another program: its own connection and window, which may hold the input focus.
class ForeignWindow final
{
public:
    ForeignWindow()
        : m_display(XOpenDisplay(nullptr))
    {
        if (!m_display)
            return;
        m_window = XCreateSimpleWindow(m_display, DefaultRootWindow(m_display), 0, 0, 50, 50, 0, 0, 0);
        XSelectInput(m_display, m_window, KeyPressMask | KeyReleaseMask | StructureNotifyMask);
        XMapWindow(m_display, m_window);
        XEvent event;
        do
            XWindowEvent(m_display, m_window, StructureNotifyMask, &event);
        while (event.type != MapNotify);
    }
    ~ForeignWindow()
    {
        if (m_display)
            XCloseDisplay(m_display);
    }
    Q_DISABLE_COPY(ForeignWindow)

    bool isValid() const { return m_display != nullptr; }

    void takeFocus()
    {
        XSetInputFocus(m_display, m_window, RevertToParent, CurrentTime);
        XSync(m_display, False);
    }

    // Key presses the window has received so far.
    int keyPresses()
    {
        XSync(m_display, False);
        XEvent event;
        while (XCheckWindowEvent(m_display, m_window, KeyPressMask | KeyReleaseMask, &event)) {
            if (event.type == KeyPress)
                ++m_presses;
        }
        return m_presses;
    }

    // Whether another client holds the keyboard: our own grab is then refused.
    bool keyboardGrabbedElsewhere()
    {
        const int status = XGrabKeyboard(m_display, m_window, False, GrabModeAsync, GrabModeAsync, CurrentTime);
        if (status == GrabSuccess)
            XUngrabKeyboard(m_display, CurrentTime);
        XSync(m_display, False);
        return status == AlreadyGrabbed;
    }

private:
    Display* m_display;
    Window m_window = 0;
    int m_presses = 0;
};

// Every key event a dialog's capture saw, as (key code, flags).
QList<QPair<int, int>> seen(const QSignalSpy& spy)
{
    QList<QPair<int, int>> events;
    for (const QList<QVariant>& arguments : spy)
        events.append({ arguments.at(0).toInt(), arguments.at(1).toInt() });
    return events;
}

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
