// SPDX-License-Identifier: GPL-3.0-or-later
#include "buttons/key_listener.h"
#include "controls/display_scale.h"
#include "controls/message_box.h"
#include "controls/push_button.h"
#include "macro/macro_dialog.h"
#include "macro/macro_events.h"
#include "macro/macro_model.h"
#include "macro_event_printing.h"
#include "storage/macro_files.h"
#include "storage_sandbox.h"
#include "window_sandbox.h"

#include <QCheckBox>
#include <QSignalSpy>
#include <QStandardPaths>
#include <QtTest>
#include <memory>

// clang-format off
// Xlib's macros (None, Status, KeyPress) must come after every Qt header.
#include "x11_keys.h"
// clang-format on

namespace {

const MacroEvent kADown = keyEvent(true, 4);
const MacroEvent kAUp = keyEvent(false, 4);

} // namespace

// Keys typed on the X server, wherever the focus is, recorded by the macro page.
class TestMacroRecording final : public QObject
{
    Q_OBJECT

private:
    std::unique_ptr<StorageSandbox> m_sandbox;
    std::unique_ptr<MacroDialog> m_page;
    std::unique_ptr<QSignalSpy> m_seen;

    QVector<MacroEvent> rows() const { return m_page->eventModel()->events(); }

    void chooseDelayMode(const char* text)
    {
        for (QCheckBox* box : m_page->findChildren<QCheckBox*>()) {
            if (box->text() == QLatin1String(text))
                box->click();
        }
    }

    // Starts recording and waits until the server reports every key from now on.
    void startRecording()
    {
        QTest::mouseClick(m_page->button(MacroDialog::Start), Qt::LeftButton);
        QVERIFY(m_page->isRecording());
        QTRY_VERIFY(m_page->isCaptureReady());
    }

    // Waits until the page has been handed that many key events, recorded or not.
    void waitForKeyEvents(int count) { QTRY_COMPARE(m_seen->count(), count); }

private slots:
    void initTestCase()
    {
        if (qEnvironmentVariableIsEmpty("DISPLAY"))
            QSKIP("needs an X server");
        if (QStandardPaths::findExecutable(QStringLiteral("xdotool")).isEmpty())
            QSKIP("needs xdotool");
    }

    void init()
    {
        setDisplayScaleFactor(1.0);
        m_sandbox = std::make_unique<StorageSandbox>();
        QVERIFY(m_sandbox->isValid());
        QCOMPARE(saveMacro(QStringLiteral("m"), MacroFile()), MacroResult::Ok);
        QCOMPARE(addMacroToList(QStringLiteral("m")), MacroResult::Ok);
        m_page = std::make_unique<MacroDialog>();
        m_page->resize(665, 467);
        m_page->show();
        QVERIFY(QTest::qWaitForWindowExposed(m_page.get()));
        auto* listener = m_page->findChild<KeyListener*>();
        QVERIFY(listener);
        m_seen = std::make_unique<QSignalSpy>(listener, &KeyListener::keyEvent);
    }

    void cleanup()
    {
        if (TarqMessageBox* box = visibleMessageBox())
            box->accept();
        m_seen.reset();
        m_page.reset();
        m_sandbox.reset();
    }

    void measuredDelayBetweenPressAndRelease()
    {
        chooseDelayMode("RECORD DELAYS BETWEEN ACTION");
        ForeignWindow other;
        QVERIFY(other.isValid());
        other.takeFocus();
        startRecording();
        QVERIFY(xdotoolSteps({ "a", "-a" }));
        QTRY_COMPARE(rows().size(), 3);
        QCOMPARE(rows().at(0), kADown);
        QCOMPARE(rows().at(1).kind, MacroKind::Delay);
        QVERIFY(delayCount(rows().at(1)) >= 1);
        QCOMPARE(rows().at(2), kAUp);
        // Typing still reaches the program that has the focus.
        QTRY_COMPARE(other.keyPresses(), 1);
        QTest::mouseClick(m_page->button(MacroDialog::Stop), Qt::LeftButton);
        QVERIFY(!m_page->isRecording());
        QVERIFY(!visibleMessageBox());
    }

    void heldKeyRecordsOnePress()
    {
        ForeignWindow other;
        QVERIFY(other.isValid());
        other.takeFocus();
        startRecording();
        // Held until the server has repeated it a few times.
        QVERIFY(xdotoolSteps({ "a" }));
        auto release = qScopeGuard([] { xdotoolSteps({ "-a" }); });
        QTRY_VERIFY_WITH_TIMEOUT(other.keyPresses() >= 3, 10000);
        QVERIFY(xdotoolSteps({ "-a" }));
        release.dismiss();
        QTRY_VERIFY(m_seen->count() >= 4);
        QTRY_COMPARE(rows(), (QVector<MacroEvent>{ kADown, kAUp }));
    }

    void fortyFirstEventIsNotRecordedWithoutDelays()
    {
        startRecording();
        QStringList taps{ QStringLiteral("key"), QStringLiteral("--delay"), QStringLiteral("1") };
        for (int i = 0; i < 21; ++i)
            taps << QStringLiteral("b");
        QVERIFY(xdotool(taps));
        waitForKeyEvents(42);
        QCOMPARE(rows().size(), 40);
        QCOMPARE(rows().last(), keyEvent(false, 5));
    }

    void shiftHeldAtStopIsReported()
    {
        startRecording();
        QVERIFY(xdotoolSteps({ "Shift_L" }));
        auto release = qScopeGuard([] { xdotoolSteps({ "-Shift_L" }); });
        QTRY_COMPARE(rows().size(), 1);
        QTest::mouseClick(m_page->button(MacroDialog::Stop), Qt::LeftButton);
        QTRY_VERIFY(visibleMessageBox());
        QVERIFY(messageBoxText(visibleMessageBox()).contains(QLatin1String("ONE OR MORE KEYS HAS NOT BEEN RELEASED.")));
        QCOMPARE(rows(), QVector<MacroEvent>{ keyEvent(true, 225) });
    }

    void editReplacesTheKeyOfTheSelectedPair()
    {
        QCOMPARE(saveMacro(QStringLiteral("m"), MacroFile{ {}, 0, 0, 0, 0, { kADown, kAUp } }), MacroResult::Ok);
        QTest::mouseClick(m_page->button(MacroDialog::Cancel), Qt::LeftButton);
        m_page->SelectRow(1);
        QTest::mouseClick(m_page->button(MacroDialog::Edit), Qt::LeftButton);
        QVERIFY(m_page->isEditingKey());
        QTRY_VERIFY(m_page->isCaptureReady());
        QVERIFY(xdotoolSteps({ "c", "-c" }));
        waitForKeyEvents(2);
        // The press follows its release, so the mouse lets go of what it pressed.
        QCOMPARE(rows(), (QVector<MacroEvent>{ keyEvent(true, 6), keyEvent(false, 6) }));
        QTest::mouseClick(m_page->button(MacroDialog::Save), Qt::LeftButton);
        QVERIFY(!m_page->isEditingKey());
        QCOMPARE(loadMacro(QStringLiteral("m")).events, rows());
    }
};

QTEST_MAIN(TestMacroRecording)
#include "test_macro_recording.moc"
