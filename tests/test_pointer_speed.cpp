#include "device/upload.h"
#include "platform/pointer_speed.h"

#include <QtTest>
#include <X11/Xlib.h>

class TestPointerSpeed : public QObject
{
    Q_OBJECT

private slots:
    void keptWithoutADisplay_data()
    {
        QTest::addColumn<int>("speed");
        QTest::addColumn<int>("kept");
        QTest::newRow("in range") << 15 << 15;
        QTest::newRow("below") << 0 << 1;
        QTest::newRow("above") << 25 << 20;
    }

    void keptWithoutADisplay()
    {
        QFETCH(int, speed);
        QFETCH(int, kept);
        const QByteArray display = qgetenv("DISPLAY");
        qunsetenv("DISPLAY");
        setSystemPointerSpeed(speed);
        const int read = getSystemPointerSpeed();
        if (!display.isEmpty())
            qputenv("DISPLAY", display);
        QCOMPARE(read, kept);
    }

    void activeProfileOfTheDeviceImage()
    {
        const QByteArray display = qgetenv("DISPLAY");
        qunsetenv("DISPLAY");
        deviceImage().ProfileID = 2;
        deviceImage().profiles[2].mousespeed = 7;
        deviceImage().profiles[0].mousespeed = 12;
        setSystemPointerSpeed();
        const int active = getSystemPointerSpeed();
        // An index past the five profiles falls back to the first.
        deviceImage().ProfileID = 9;
        setSystemPointerSpeed();
        const int fallback = getSystemPointerSpeed();
        if (!display.isEmpty())
            qputenv("DISPLAY", display);
        QCOMPARE(active, 7);
        QCOMPARE(fallback, 12);
    }

    void roundTripThroughTheXServer()
    {
        if (qEnvironmentVariableIsEmpty("DISPLAY"))
            QSKIP("no X display");
        // A bare X server resets its pointer control when its last client
        // leaves; a desktop session always has clients, so hold one here.
        Display* const session = XOpenDisplay(nullptr);
        QVERIFY(session);
        const auto closeSession = qScopeGuard([session] { XCloseDisplay(session); });
        const int before = getSystemPointerSpeed();
        setSystemPointerSpeed(17);
        const int during = getSystemPointerSpeed();
        setSystemPointerSpeed(before);
        QCOMPARE(during, 17);
        QCOMPARE(getSystemPointerSpeed(), before);
    }
};

QTEST_GUILESS_MAIN(TestPointerSpeed)
#include "test_pointer_speed.moc"
