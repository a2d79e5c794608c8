#include "platform/keyboard_capture.h"

#include <QScopeGuard>
#include <QtTest>
#include <X11/Xlib.h>
#include <X11/extensions/XTest.h>
#include <cstdlib>
#include <linux/input-event-codes.h>
#include <memory>

namespace {

using KeyEvents = QList<QPair<int, int>>;

// X keycodes are evdev codes moved up by 8.
constexpr int kXKeycodeOffset = 8;

// Real key events through the X server's test extension, the way xdotool makes them, but by
// keycode: xdotool adds a left Ctrl to a right Ctrl and may remap keys it finds no keycode for.
class KeyInjector final
{
public:
    KeyInjector()
        : m_display(XOpenDisplay(nullptr))
    {
    }
    ~KeyInjector()
    {
        if (m_display)
            XCloseDisplay(m_display);
    }
    Q_DISABLE_COPY(KeyInjector)

    bool isUsable() const
    {
        int eventBase = 0;
        int errorBase = 0;
        int major = 0;
        int minor = 0;
        return m_display && XTestQueryExtension(m_display, &eventBase, &errorBase, &major, &minor);
    }

    // Each evdev code pressed (positive) or released (negative), in order; returns once the
    // server has them.
    void send(std::initializer_list<int> steps)
    {
        for (const int step : steps)
            XTestFakeKeyEvent(m_display, unsigned(std::abs(step) + kXKeycodeOffset), step > 0, CurrentTime);
        XSync(m_display, False);
    }

    void tap(int evdevCode) { send({ evdevCode, -evdevCode }); }

private:
    Display* m_display;
};

KeyEvents keyEvents(const QSignalSpy& spy)
{
    KeyEvents events;
    for (const QList<QVariant>& arguments : spy)
        events.append({ arguments.at(0).toInt(), arguments.at(1).toInt() });
    return events;
}

bool startAndWaitUntilReady(GlobalKeyCapture& capture)
{
    QSignalSpy ready(&capture, &GlobalKeyCapture::ready);
    return capture.start() && capture.isRunning() && ready.wait();
}

} // namespace

class TestGlobalKeyCapture final : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase()
    {
        if (qEnvironmentVariableIsEmpty("DISPLAY"))
            QSKIP("needs an X server");
        m_keys = std::make_unique<KeyInjector>();
        QVERIFY2(m_keys->isUsable(), "the X server offers no XTEST extension");
    }

    void cleanupTestCase() { m_keys.reset(); }

    void refusedWithoutADisplay()
    {
        const QByteArray display = qgetenv("DISPLAY");
        qunsetenv("DISPLAY");
        const auto restore = qScopeGuard([display] { qputenv("DISPLAY", display); });
        GlobalKeyCapture capture;
        QSignalSpy ready(&capture, &GlobalKeyCapture::ready);
        QVERIFY(!capture.start());
        QVERIFY(!capture.isRunning());
        capture.stop();
        QCoreApplication::processEvents();
        QCOMPARE(ready.count(), 0);
    }

    void keysOfTheSession_data()
    {
        QTest::addColumn<int>("evdevCode");
        QTest::addColumn<int>("keyCode");
        QTest::addColumn<int>("extended");
        QTest::newRow("letter") << KEY_A << 30 << 0;
        QTest::newRow("right Ctrl is extended") << KEY_RIGHTCTRL << 238 << int(KeyFlag::Extended);
        QTest::newRow("keypad Enter is extended") << KEY_KPENTER << 229 << int(KeyFlag::Extended);
        QTest::newRow("keypad 7") << KEY_KP7 << 235 << 0;
        QTest::newRow("left Super is extended") << KEY_LEFTMETA << 91 << int(KeyFlag::Extended);
    }

    // Each row starts a capture of its own and leaves it running for the destructor to stop.
    void keysOfTheSession()
    {
        QFETCH(int, evdevCode);
        QFETCH(int, keyCode);
        QFETCH(int, extended);
        GlobalKeyCapture capture;
        QSignalSpy keys(&capture, &GlobalKeyCapture::keyEvent);
        QVERIFY(startAndWaitUntilReady(capture));
        m_keys->tap(evdevCode);
        QTRY_COMPARE(keys.count(), 2);
        const KeyEvents expected{ { keyCode, extended }, { keyCode, extended | KeyFlag::Released } };
        QCOMPARE(keyEvents(keys), expected);
    }

    // The desktop keeps Alt+Tab for itself; the capture still sees every step, in order.
    void altTab()
    {
        GlobalKeyCapture capture;
        QSignalSpy keys(&capture, &GlobalKeyCapture::keyEvent);
        QVERIFY(startAndWaitUntilReady(capture));
        m_keys->send({ KEY_LEFTALT, KEY_TAB, -KEY_TAB, -KEY_LEFTALT });
        QTRY_COMPARE(keys.count(), 4);
        const KeyEvents expected{ { 56, 0 }, { 15, 0 }, { 15, KeyFlag::Released }, { 56, KeyFlag::Released } };
        QCOMPARE(keyEvents(keys), expected);
    }

    // A dialog opens and closes many times over one capture object.
    void restartsAfterStop()
    {
        GlobalKeyCapture capture;
        QSignalSpy keys(&capture, &GlobalKeyCapture::keyEvent);
        for (int round = 0; round < 3; ++round) {
            QVERIFY(startAndWaitUntilReady(capture));
            m_keys->tap(KEY_B);
            QTRY_COMPARE(keys.count(), 2 * (round + 1));
            capture.stop();
            QVERIFY(!capture.isRunning());
            capture.stop();
        }
        QCOMPARE(keyEvents(keys).mid(4), (KeyEvents{ { 48, 0 }, { 48, KeyFlag::Released } }));
    }

    // A stopped capture reports nothing, not even keys it had seen before stopping but not
    // yet delivered. The second capture's events mark the point by which any would have come.
    void silentAfterStop()
    {
        GlobalKeyCapture stopped;
        QSignalSpy stoppedKeys(&stopped, &GlobalKeyCapture::keyEvent);
        QVERIFY(startAndWaitUntilReady(stopped));
        m_keys->send({ KEY_C, -KEY_C, KEY_D, -KEY_D, KEY_E, -KEY_E });
        stopped.stop();
        m_keys->tap(KEY_F);

        GlobalKeyCapture running;
        QSignalSpy runningKeys(&running, &GlobalKeyCapture::keyEvent);
        QVERIFY(startAndWaitUntilReady(running));
        m_keys->tap(KEY_G);
        QTRY_COMPARE(runningKeys.count(), 2);
        QCOMPARE(keyEvents(runningKeys), (KeyEvents{ { 34, 0 }, { 34, KeyFlag::Released } }));
        QCOMPARE(stoppedKeys.count(), 0);
    }

    // Two captures at once each see the keys; one stopping leaves the other running.
    void independentCaptures()
    {
        GlobalKeyCapture first;
        GlobalKeyCapture second;
        QSignalSpy firstKeys(&first, &GlobalKeyCapture::keyEvent);
        QSignalSpy secondKeys(&second, &GlobalKeyCapture::keyEvent);
        QVERIFY(startAndWaitUntilReady(first));
        QVERIFY(startAndWaitUntilReady(second));
        first.stop();
        m_keys->tap(KEY_H);
        QTRY_COMPARE(secondKeys.count(), 2);
        QCOMPARE(keyEvents(secondKeys), (KeyEvents{ { 35, 0 }, { 35, KeyFlag::Released } }));
        QCOMPARE(firstKeys.count(), 0);
    }

private:
    std::unique_ptr<KeyInjector> m_keys;
};

QTEST_GUILESS_MAIN(TestGlobalKeyCapture)
#include "test_global_key_capture.moc"
