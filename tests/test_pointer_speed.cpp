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

    // Only an uploaded image speaks for the user, and only a speed that differs is applied.
    void speedOfAnUploadedSlot()
    {
        const QByteArray display = qgetenv("DISPLAY");
        qunsetenv("DISPLAY");
        setSystemPointerSpeed(15);
        deviceImage().profiles[2].mousespeed = 7;
        const bool beforeUpload = applyUploadedPointerSpeed(2);
        const int untouched = getSystemPointerSpeed();
        ConfigRecord record;
        record.profiles[2].mousespeed = 7;
        record.profiles[3].mousespeed = 15;
        record.profiles[4].mousespeed = 0;
        uploadConfiguration(record, 0); // X11 defines None
        const bool same = applyUploadedPointerSpeed(3);
        const bool invalid = applyUploadedPointerSpeed(4);
        const bool outside = applyUploadedPointerSpeed(9);
        const bool applied = applyUploadedPointerSpeed(2);
        const int after = getSystemPointerSpeed();
        if (!display.isEmpty())
            qputenv("DISPLAY", display);
        QVERIFY(!beforeUpload);
        QCOMPARE(untouched, 15);
        QVERIFY(!same);
        QVERIFY(!invalid);
        QVERIFY(!outside);
        QVERIFY(applied);
        QCOMPARE(after, 7);
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
