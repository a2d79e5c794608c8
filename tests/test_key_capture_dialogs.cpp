// SPDX-License-Identifier: GPL-3.0-or-later
#include "buttons/key_capture.h"
#include "buttons/key_capture_field.h"
#include "buttons/key_capture_hints.h"
#include "buttons/key_listener.h"
#include "buttons/param_dialogs.h"
#include "controls/display_scale.h"
#include "platform/keyboard_layout.h"
#include "scoped_language.h"
#include "screens_directory.h"
#include "storage/key_names.h"

#include <QApplication>
#include <QCheckBox>
#include <QLabel>
#include <QProcess>
#include <QSignalSpy>
#include <QToolButton>
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

// Shown and holding the X input focus: after a capture the dialog's own keys go to it.
template<typename Dialog>
std::unique_ptr<Dialog> openFocusedDialog()
{
    auto dialog = openDialog<Dialog>();
    if (!dialog)
        return nullptr;
    dialog->activateWindow();
    if (!QTest::qWaitFor([&] { return QApplication::activeWindow() == dialog.get(); }))
        return nullptr;
    return dialog;
}

// A new capture from the pointer, as a user clicks the key field.
template<typename Dialog>
bool clickKeyField(Dialog& dialog)
{
    auto* field = dialog.template findChild<KeyCaptureField*>();
    if (!field)
        return false;
    QTest::mouseClick(field, Qt::LeftButton);
    return QTest::qWaitFor([&] { return dialog.isCapturing() && dialog.isCaptureReady(); });
}

// Rows "en 1.0" .. "zh_CN 2.0" with the columns language and factor.
void addLanguageAndScaleRows(std::initializer_list<double> factors)
{
    QTest::addColumn<QString>("language");
    QTest::addColumn<double>("factor");
    for (const char* language : { "en", "de", "zh_CN" }) {
        for (double factor : factors)
            QTest::addRow("%s %.1f", language, factor) << language << factor;
    }
}

// A language and a display scale for one test; the scale goes back to 1.0 afterwards.
class LanguageAndScale final
{
public:
    LanguageAndScale(const QString& language, double factor)
        : m_language(language)
    {
        setDisplayScaleFactor(factor);
    }
    ~LanguageAndScale() { setDisplayScaleFactor(1.0); }
    Q_DISABLE_COPY(LanguageAndScale)

    bool isLoaded() const { return m_language.isLoaded(); }

private:
    ScopedLanguage m_language;
};

QToolButton* okButton(const QWidget& dialog)
{
    return dialog.findChild<QToolButton*>(QStringLiteral("msgBoxYesBtn"));
}

} // namespace

class TestKeyCaptureDialogs final : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase()
    {
        if (const char* missing = missingForRealKeys())
            QSKIP(missing);
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
        // Every key is up again: the capture is over and the desktop has its keyboard back.
        QTRY_VERIFY(!dialog->isCapturing());
        QTRY_VERIFY(!other.keyboardGrabbedElsewhere());

        // Right Ctrl is named and stored as left Ctrl; X keycode 105 is right Ctrl.
        QVERIFY(clickKeyField(*dialog));
        QTRY_VERIFY(other.keyboardGrabbedElsewhere());
        QVERIFY(xdotoolSteps({ "105", "c", "-c", "-105" }));
        QTRY_COMPARE(dialog->keyText(), QStringLiteral("LCtr + C"));
        QCOMPARE(dialog->keyCodes(), (QVector<int>{ 29, 46 }));
        QCOMPARE(dialog->comboKey()[ComboSlot::Ctrl], quint8(2));
        QTRY_VERIFY(!dialog->isCapturing());

        // The main key is the last one pressed.
        QVERIFY(clickKeyField(*dialog));
        QVERIFY(xdotoolSteps({ "a", "b", "-a", "-b" }));
        QTRY_COMPARE(dialog->keyText(), QStringLiteral("B"));
        QTRY_VERIFY(!dialog->isCapturing());
        // A modifier pressed and released alone is a capture of its own; the next one starts afresh.
        QVERIFY(clickKeyField(*dialog));
        QVERIFY(xdotoolSteps({ "Shift_L", "-Shift_L" }));
        QTRY_COMPARE(dialog->keyText(), QStringLiteral("LShift"));
        QTRY_VERIFY(!dialog->isCapturing());
        QVERIFY(clickKeyField(*dialog));
        QVERIFY(xdotoolSteps({ "a", "-a" }));
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
        QTRY_VERIFY(!dialog->isCapturing());
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
        auto dialog = openFocusedDialog<TarqFireKeyWindow>();
        QVERIFY(dialog);
        // Nothing is captured before "Keyboard Key" is chosen.
        QVERIFY(!dialog->isCapturing());
        auto* keyboard = dialog->findChildren<QCheckBox*>().at(TarqFireKeyWindow::KeyboardKey);
        QTest::mouseClick(keyboard, Qt::LeftButton, {}, QPoint(4, keyboard->height() / 2));
        QTRY_VERIFY(keyboard->hasFocus());
        QTRY_VERIFY(dialog->isCaptureReady());
        QCOMPARE(dialog->hintText(), KeyCaptureHints::textOf(KeyCaptureHints::Stage::Capturing));
        QVERIFY(xdotool({ QStringLiteral("key"), QStringLiteral("g") }));
        QTRY_COMPARE(dialog->keyText(), QStringLiteral("G"));
        QCOMPARE(dialog->target(), 0x0A);
        QTRY_VERIFY(!dialog->isCapturing());
        QTRY_VERIFY(okButton(*dialog)->hasFocus());
        QCOMPARE(dialog->hintText(), KeyCaptureHints::textOf(KeyCaptureHints::Stage::Captured));

        // Tab is a key like any other while the capture runs; then Return accepts it.
        QVERIFY(clickKeyField(*dialog));
        QVERIFY(xdotool({ QStringLiteral("key"), QStringLiteral("Tab") }));
        QTRY_VERIFY(!dialog->isCapturing());
        QCOMPARE(dialog->keyText(), QStringLiteral("Tab"));
        QSignalSpy values(dialog.get(), &TarqFireKeyWindow::SetFireKeyValue);
        QVERIFY(xdotool({ QStringLiteral("key"), QStringLiteral("Return") }));
        QTRY_COMPARE(values.count(), 1);
        QCOMPARE(values.at(0).at(0).toInt(), 0x2B); // the HID usage of Tab
    }

    void comboIsAcceptedWithoutThePointer()
    {
        auto dialog = openFocusedDialog<TarqComboKeyWindow>();
        QVERIFY(dialog);
        QTRY_VERIFY(dialog->isCaptureReady());
        int emitted = 0;
        connect(dialog.get(), &TarqComboKeyWindow::SetComboKeyValue, this, [&emitted] { ++emitted; });
        QVERIFY(xdotoolSteps({ "Control_L", "Return", "-Return", "-Control_L" }));
        QTRY_VERIFY(!dialog->isCapturing());
        QCOMPARE(dialog->keyText(), QStringLiteral("LCtr + Enter"));
        QTRY_VERIFY(okButton(*dialog)->hasFocus());
        QCOMPARE(dialog->hintText(), KeyCaptureHints::textOf(KeyCaptureHints::Stage::Captured));
        // The Return that ended the combination did not answer the dialog; this one does.
        QVERIFY(dialog->isVisible());
        QVERIFY(xdotool({ QStringLiteral("key"), QStringLiteral("Return") }));
        QTRY_VERIFY(!dialog->isVisible());
        QCOMPARE(dialog->result(), int(QDialog::Accepted));
        QCOMPARE(emitted, 1);
        QCOMPARE(dialog->keyCodes(), (QVector<int>{ 29, 28 }));
    }

    void escapeIsCapturedThenCancels()
    {
        auto dialog = openFocusedDialog<TarqSingleKeyWindow>();
        QVERIFY(dialog);
        QTRY_VERIFY(dialog->isCaptureReady());
        QSignalSpy values(dialog.get(), &TarqSingleKeyWindow::SetSingleKeyValue);
        QVERIFY(xdotool({ QStringLiteral("key"), QStringLiteral("Escape") }));
        QTRY_VERIFY(!dialog->isCapturing());
        QCOMPARE(dialog->keyText(), QStringLiteral("Esc"));
        QCOMPARE(dialog->keyCode(), 1);
        QVERIFY(dialog->isVisible());
        QVERIFY(xdotool({ QStringLiteral("key"), QStringLiteral("Escape") }));
        QTRY_VERIFY(!dialog->isVisible());
        QCOMPARE(dialog->result(), int(QDialog::Rejected));
        QCOMPARE(values.count(), 0);
    }

    void spaceOnTheKeyFieldCapturesAgain()
    {
        auto dialog = openFocusedDialog<TarqSingleKeyWindow>();
        QVERIFY(dialog);
        QTRY_VERIFY(dialog->isCaptureReady());
        QVERIFY(xdotool({ QStringLiteral("key"), QStringLiteral("x") }));
        QTRY_VERIFY(!dialog->isCapturing());
        QTRY_VERIFY(okButton(*dialog)->hasFocus());
        // Back from OK to the key field, and Space there.
        QVERIFY(xdotool({ QStringLiteral("key"), QStringLiteral("shift+Tab") }));
        auto* field = dialog->findChild<KeyCaptureField*>();
        QTRY_VERIFY(field->hasFocus());
        QVERIFY(xdotool({ QStringLiteral("key"), QStringLiteral("space") }));
        QTRY_VERIFY(dialog->isCapturing() && dialog->isCaptureReady());
        QCOMPARE(dialog->hintText(), KeyCaptureHints::textOf(KeyCaptureHints::Stage::Capturing));
        // The Space that asked for the capture is not what it captures.
        QCOMPARE(dialog->keyText(), QStringLiteral("X"));
        QVERIFY(xdotool({ QStringLiteral("key"), QStringLiteral("Tab") }));
        QTRY_VERIFY(!dialog->isCapturing());
        QCOMPARE(dialog->keyText(), QStringLiteral("Tab"));
        QVERIFY(xdotool({ QStringLiteral("key"), QStringLiteral("Return") }));
        QTRY_VERIFY(!dialog->isVisible());
        QCOMPARE(dialog->result(), int(QDialog::Accepted));
        QCOMPARE(dialog->keyCode(), 15);
    }

    // Pictures to look at: each dialog after a capture, in every language at 1.0 and 2.0.
    void capturedScreens_data() { addLanguageAndScaleRows({ 1.0, 2.0 }); }

    void capturedScreens()
    {
        QFETCH(QString, language);
        QFETCH(double, factor);
        const LanguageAndScale shown(language, factor);
        QVERIFY(shown.isLoaded());
        auto combo = openFocusedDialog<TarqComboKeyWindow>();
        QVERIFY(combo);
        QTRY_VERIFY(combo->isCaptureReady());
        QVERIFY(xdotoolSteps({ "Control_L", "Return", "-Return", "-Control_L" }));
        QTRY_VERIFY(!combo->isCapturing());
        QTRY_VERIFY(okButton(*combo)->hasFocus());
        const QString name = QStringLiteral("%1/%2_%3_%4.png").arg(screensDirectory());
        QVERIFY(combo->grab().save(name.arg(QStringLiteral("combo_key_captured"), language).arg(factor, 0, 'f', 1)));
        combo->reject();

        auto fireKey = openFocusedDialog<TarqFireKeyWindow>();
        QVERIFY(fireKey);
        fireKey->findChildren<QCheckBox*>().at(TarqFireKeyWindow::KeyboardKey)->click();
        QTRY_VERIFY(fireKey->isCaptureReady());
        QVERIFY(xdotool({ QStringLiteral("key"), QStringLiteral("g") }));
        QTRY_VERIFY(!fireKey->isCapturing());
        QVERIFY(fireKey->grab().save(name.arg(QStringLiteral("fire_key_captured"), language).arg(factor, 0, 'f', 1)));
    }

    // The stage line is read in one piece: it fits its width in every language and at every scale.
    void hintLineFits_data() { addLanguageAndScaleRows({ 1.0, 1.5, 2.0 }); }

    void hintLineFits()
    {
        QFETCH(QString, language);
        QFETCH(double, factor);
        const LanguageAndScale shown(language, factor);
        QVERIFY(shown.isLoaded());
        TarqSingleKeyWindow dialog(nullptr);
        TarqFireKeyWindow fireKey(nullptr);
        fireKey.findChildren<QCheckBox*>().at(TarqFireKeyWindow::KeyboardKey)->click();
        for (QWidget* window : { static_cast<QWidget*>(&dialog), static_cast<QWidget*>(&fireKey) }) {
            window->show();
            QVERIFY(QTest::qWaitForWindowExposed(window));
            auto* line = window->findChild<QLabel*>(QStringLiteral("keyCaptureStageHint"));
            QVERIFY(line);
            const QRect inWindow(line->mapTo(window, QPoint()), line->size());
            QVERIFY(window->rect().contains(inWindow));
            QVERIFY(!inWindow.intersects(okButton(*window)->geometry()));
            QVERIFY(!inWindow.intersects(window->findChild<KeyCaptureField*>()->geometry()));
            const QFontMetrics metrics(line->font());
            QVERIFY(metrics.height() <= line->height());
            for (auto stage : { KeyCaptureHints::Stage::Capturing, KeyCaptureHints::Stage::Captured,
                                KeyCaptureHints::Stage::Unsendable }) {
                const QString text = KeyCaptureHints::textOf(stage);
                QVERIFY2(metrics.horizontalAdvance(text) <= line->width(),
                         qPrintable(QStringLiteral("%1: %2 > %3")
                                        .arg(text)
                                        .arg(metrics.horizontalAdvance(text))
                                        .arg(line->width())));
            }
        }
    }
};

QTEST_MAIN(TestKeyCaptureDialogs)
#include "test_key_capture_dialogs.moc"
