#include "controls/display_scale.h"
#include "controls/labels_menus.h"
#include "controls/sliders.h"

#include <QSignalSpy>
#include <QtTest>

namespace {

// A shown page holding one slider at x, as the pages place theirs.
TarqSlider* sliderOnPage(QWidget& page, int minimum, int maximum, int x)
{
    page.resize(400, 100);
    auto* slider = new TarqSlider(Qt::Horizontal, &page);
    slider->setRange(minimum, maximum);
    slider->setGeometry(x, 50, 220, 20);
    page.show();
    return slider;
}

} // namespace

class TestSliders : public QObject
{
    Q_OBJECT

private slots:
    void init() { setDisplayScaleFactor(1.0); }

    void valueTipShowsWhileHeldAndReleaseSignals()
    {
        QWidget page;
        TarqSlider* slider = sliderOnPage(page, 1, 255, 50);
        QVERIFY(QTest::qWaitForWindowExposed(&page));
        QSignalSpy released(slider, &TarqSlider::MouseChange);

        QVERIFY(!slider->valueTip()->isVisible());
        QTest::mousePress(slider, Qt::LeftButton, {}, QPoint(200, 10));
        QVERIFY(slider->valueTip()->isVisible());
        QCOMPARE(slider->valueTip()->text(), QString::number(slider->value()));
        QCOMPARE(slider->valueTip()->size(), QSize(20, 20));
        QCOMPARE(released.count(), 0);

        QTest::mouseRelease(slider, Qt::LeftButton, {}, QPoint(200, 10));
        QVERIFY(!slider->valueTip()->isVisible());
        QCOMPARE(released.count(), 1);
        QCOMPARE(slider->styleSheet(), QString("background-color: rgba(0,0,0,0)"));
    }

    void valueTipFollowsTheHandle()
    {
        QWidget page;
        TarqSlider* slider = sliderOnPage(page, 0, 100, 40);
        QVERIFY(QTest::qWaitForWindowExposed(&page));
        slider->setValue(0);
        QTest::mousePress(slider, Qt::LeftButton, {}, QPoint(2, 10));
        slider->setValue(0);
        const int atMinimum = slider->valueTip()->x();
        slider->setValue(100);
        const int atMaximum = slider->valueTip()->x();
        slider->setValue(50);
        const int halfway = slider->valueTip()->x();
        QTest::mouseRelease(slider, Qt::LeftButton, {}, QPoint(2, 10));
        QCOMPARE(atMinimum, 40);
        QCOMPARE(atMaximum - atMinimum, 200); // track = width − tip width
        QCOMPARE(halfway - atMinimum, 100);
        QVERIFY(slider->valueTip()->y() + slider->valueTip()->height() <= slider->y());

        // The tip sits on the page but goes with its slider.
        const QPointer<TarqLabel> tip = slider->valueTip();
        delete slider;
        QVERIFY(tip.isNull());
    }

    void twoBarsReportBothValuesWhenOneMoves()
    {
        TarqTwoBarSlider bars(nullptr, 200, 10);
        bars.resize(240, 40);
        QSignalSpy changed(&bars, &TarqTwoBarSlider::SliderChangedSignal);
        bars.setValues(50, 60);
        QCOMPARE(changed.count(), 0); // set from the record, not moved by the user

        bars.firstBar()->setValue(70);
        QCOMPARE(changed.count(), 1);
        QCOMPARE(changed.at(0).at(0).toInt(), 70);
        QCOMPARE(changed.at(0).at(1).toInt(), 60);
        bars.secondBar()->triggerAction(QAbstractSlider::SliderSingleStepAdd);
        QCOMPARE(changed.last().at(0).toInt(), 70);
        QCOMPARE(changed.last().at(1).toInt(), 61);
    }

    void rangeAppliesToAllThreeBars()
    {
        TarqTwoBarSlider bars(nullptr, 100, 1);
        bars.setRange(400, 20);
        for (QSlider* bar : { bars.firstBar(), bars.secondBar(), bars.linkedBar() }) {
            QCOMPARE(bar->minimum(), 20);
            QCOMPARE(bar->maximum(), 400);
        }
        bars.setValues(500, 5);
        QCOMPARE(bars.firstValue(), 400);
        QCOMPARE(bars.secondValue(), 20);
    }

    void linkedModeMovesBothValuesWithOneBar()
    {
        TarqTwoBarSlider bars(nullptr, 200, 10);
        bars.resize(240, 40);
        bars.show();
        bars.setValues(80, 120);
        bars.setLinked(true);
        QVERIFY(bars.linkedBar()->isVisible());
        QVERIFY(!bars.firstBar()->isVisible());
        QVERIFY(!bars.secondBar()->isVisible());
        QCOMPARE(bars.linkedBar()->value(), 80);

        QSignalSpy changed(&bars, &TarqTwoBarSlider::SliderChangedSignal);
        bars.linkedBar()->setValue(150);
        QCOMPARE(changed.count(), 1);
        QCOMPARE(changed.at(0).at(0).toInt(), 150);
        QCOMPARE(changed.at(0).at(1).toInt(), 150);

        bars.setValues(30, 40);
        QCOMPARE(bars.linkedBar()->value(), 30);

        bars.linkedBar()->setValue(90);
        bars.setLinked(false);
        QVERIFY(!bars.linkedBar()->isVisible());
        QVERIFY(bars.firstBar()->isVisible());
        QCOMPARE(bars.firstBar()->value(), 90);
        QCOMPARE(bars.secondBar()->value(), 90);
    }
};

QTEST_MAIN(TestSliders)
#include "test_sliders.moc"
