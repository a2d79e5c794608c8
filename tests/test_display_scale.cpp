#include "controls/display_scale.h"

#include <QLabel>
#include <QtTest>

class TestDisplayScale : public QObject
{
    Q_OBJECT

private slots:
    void ratioPicksTheStepOfTheLadder_data()
    {
        QTest::addColumn<double>("ratio");
        QTest::addColumn<int>("step");
        QTest::addColumn<double>("factor");
        QTest::newRow("96 dpi") << 1.0 << 0 << 1.0;
        QTest::newRow("just below 1.1") << 1.0999 << 0 << 1.0;
        QTest::newRow("1.1") << 1.1 << 1 << 1.25;
        QTest::newRow("144 dpi") << 1.5 << 2 << 1.5;
        QTest::newRow("192 dpi") << 2.0 << 4 << 2.0;
        QTest::newRow("2.1") << 2.1 << 5 << 2.25;
        QTest::newRow("4.79") << 4.79 << 15 << 4.75;
        QTest::newRow("4.8") << 4.8 << 16 << 5.0;
        QTest::newRow("huge") << 12.0 << 16 << 5.0;
        QTest::newRow("below one") << 0.5 << 0 << 1.0;
    }

    void ratioPicksTheStepOfTheLadder()
    {
        QFETCH(double, ratio);
        QFETCH(int, step);
        QFETCH(double, factor);
        QCOMPARE(displayScaleStep(ratio), step);
        QCOMPARE(displayScaleFactorOfStep(displayScaleStep(ratio)), factor);
    }

    void factorStaysWithinTheSupportedRange()
    {
        setDisplayScaleFactor(7.0);
        QCOMPARE(displayScaleFactor(), 5.0);
        setDisplayScaleFactor(0.0);
        QCOMPARE(displayScaleFactor(), 1.0);
        setDisplayScaleFactor(qQNaN());
        QCOMPARE(displayScaleFactor(), 1.0);
        setDisplayScaleFactor(2.25);
        QCOMPARE(scaled(999), 2248);
        setDisplayScaleFactor(1.0);
    }

    void rectanglesScaleAndRound()
    {
        QCOMPARE(scaledRect(QRect(285, 342, 664, 199), 1.25), QRect(356, 428, 830, 249));
        QWidget page;
        QLabel child(&page);
        child.setGeometry(69, 90, 154, 29);
        scaleWidgetRect(&child, 1.75);
        QCOMPARE(child.geometry(), QRect(121, 158, 270, 51));
    }
};

QTEST_MAIN(TestDisplayScale)
#include "test_display_scale.moc"
