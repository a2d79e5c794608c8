#include "device/sensor_resolution.h"

#include <QtTest>

class TestSensorResolution : public QObject
{
    Q_OBJECT

private slots:
    void stepsInDpi_data()
    {
        QTest::addColumn<int>("sensor");
        QTest::addColumn<int>("step");
        QTest::addColumn<int>("dpi");
        QTest::newRow("3104 step 14 is the rounded 500") << 3104 << 14 << 500;
        QTest::newRow("3104 step 15 is 40 per step") << 3104 << 15 << 600;
        QTest::newRow("3104 last of the low band") << 3104 << 106 << 4240;
        QTest::newRow("31042 high band") << 31042 << 107 << 4320;
        QTest::newRow("3212 step 16 rounds 608 down") << 3212 << 16 << 600;
        QTest::newRow("3212 790 shown as 800") << 3212 << 21 << 800;
        QTest::newRow("3212 1210 shown as 1200") << 3212 << 32 << 1200;
        QTest::newRow("3212 1630 shown as 1600") << 3212 << 43 << 1600;
        QTest::newRow("3212 2390 shown as 2400") << 3212 << 63 << 2400;
        QTest::newRow("3212 middle band start") << 3212 << 64 << 2430;
        QTest::newRow("3212 middle band end") << 3212 << 94 << 4710;
        QTest::newRow("3212 top band start") << 3212 << 95 << 4860;
        QTest::newRow("3212 step 111 shown as 7200") << 3212 << 111 << 7200;
        QTest::newRow("3311 band edge") << 3311 << 120 << 12000;
        QTest::newRow("3360 above the edge") << 3360 << 121 << 12200;
        QTest::newRow("3325 first band end") << 3325 << 50 << 5000;
        QTest::newRow("33252 second band") << 33252 << 51 << 5200;
        QTest::newRow("3325 third band") << 3325 << 76 << 10400;
        QTest::newRow("3327 offset band") << 3327 << 1 << 200;
        QTest::newRow("3327 second band") << 3327 << 62 << 6400;
        QTest::newRow("3327 third band") << 3327 << 93 << 12600;
        QTest::newRow("3327 step 106 shown as 16400") << 3327 << 106 << 16400;
        QTest::newRow("3333 high band") << 3333 << 81 << 8200;
        QTest::newRow("33352 high band") << 33352 << 161 << 16200;
        QTest::newRow("3370 band edge") << 3370 << 201 << 10100;
        QTest::newRow("3389 band edge") << 3389 << 321 << 16100;
        QTest::newRow("3395 step 519 is 26000") << 3395 << 519 << 26000;
        QTest::newRow("3395 step 520 is 26100") << 3395 << 520 << 26100;
        QTest::newRow("3399 band edge") << 3399 << 400 << 20100;
        QTest::newRow("unknown sensor") << 1234 << 50 << 0;
        QTest::newRow("no sensor") << 0 << 1 << 0;
    }

    void stepsInDpi()
    {
        QFETCH(int, sensor);
        QFETCH(int, step);
        QFETCH(int, dpi);
        QCOMPARE(dpiOfStep(step, sensor), dpi);
    }

    void rangesAndEndLabels_data()
    {
        QTest::addColumn<int>("sensor");
        QTest::addColumn<bool>("highRange");
        QTest::addColumn<bool>("wideRange");
        QTest::addColumn<int>("minimum");
        QTest::addColumn<int>("maximum");
        QTest::addColumn<int>("lowestDpi");
        QTest::addColumn<int>("highestDpi");
        QTest::addColumn<bool>("entry");
        QTest::newRow("3104") << 3104 << false << false << 14 << 105 << 500 << 4200 << true;
        QTest::newRow("31042") << 31042 << false << false << 14 << 158 << 500 << 8400 << true;
        QTest::newRow("3212") << 3212 << false << false << 16 << 111 << 600 << 7200 << false;
        QTest::newRow("3311") << 3311 << false << false << 1 << 120 << 100 << 12000 << false;
        QTest::newRow("33112") << 33112 << false << false << 1 << 180 << 100 << 24000 << false;
        QTest::newRow("3325") << 3325 << false << false << 1 << 50 << 100 << 5000 << false;
        QTest::newRow("3325 high range") << 3325 << true << false << 1 << 90 << 100 << 16000 << false;
        QTest::newRow("33252") << 33252 << false << false << 1 << 75 << 100 << 10000 << false;
        QTest::newRow("33252 high range") << 33252 << true << false << 1 << 90 << 100 << 16000 << false;
        QTest::newRow("3327") << 3327 << false << false << 1 << 92 << 200 << 12400 << false;
        QTest::newRow("3327 wide range") << 3327 << false << true << 1 << 106 << 200 << 16400 << false;
        QTest::newRow("3333") << 3333 << false << false << 2 << 120 << 200 << 16000 << false;
        QTest::newRow("3335") << 3335 << false << false << 1 << 160 << 100 << 16000 << false;
        QTest::newRow("33352") << 33352 << false << false << 1 << 240 << 100 << 32000 << false;
        QTest::newRow("3360") << 3360 << false << false << 1 << 180 << 100 << 24000 << true;
        QTest::newRow("3370") << 3370 << false << false << 1 << 290 << 50 << 19000 << false;
        QTest::newRow("3389") << 3389 << false << false << 2 << 480 << 100 << 32000 << true;
        QTest::newRow("3395") << 3395 << false << false << 0 << 519 << 50 << 26000 << false;
        QTest::newRow("33952") << 33952 << false << false << 0 << 779 << 50 << 52000 << false;
        QTest::newRow("3399") << 3399 << false << false << 0 << 599 << 50 << 40000 << true;
    }

    void rangesAndEndLabels()
    {
        QFETCH(int, sensor);
        QFETCH(bool, highRange);
        QFETCH(bool, wideRange);
        SensorRangeOptions options;
        options.highRange = highRange;
        options.wideRange3327 = wideRange;
        const SensorStepRange range = sensorStepRange(sensor, options);
        QTEST(range.minimum, "minimum");
        QTEST(range.maximum, "maximum");
        QTEST(dpiOfStep(range.minimum, sensor), "lowestDpi");
        QTEST(dpiOfStep(range.maximum, sensor), "highestDpi");
        QTEST(range.dpiEntry, "entry");
    }

    void typedDpiGoesToTheNearestStep()
    {
        const SensorStepRange range = sensorStepRange(3104);
        QCOMPARE(nearestStep(1619, 3104, range), 40); // 1600
        QCOMPARE(nearestStep(1621, 3104, range), 41); // 1640
        QCOMPARE(nearestStep(1620, 3104, range), 40); // a tie keeps the lower step
        QCOMPARE(nearestStep(520, 3104, range), 14);  // 500 is nearer than 600
        QCOMPARE(nearestStep(100000, 3104, range), range.maximum);
        QCOMPARE(nearestStep(0, 3104, range), range.minimum);
        QCOMPARE(nearestStep(26100, 3399, sensorStepRange(3399)), 460);
    }
};

QTEST_GUILESS_MAIN(TestSensorResolution)
#include "test_sensor_resolution.moc"
