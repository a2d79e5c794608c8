// SPDX-License-Identifier: GPL-3.0-or-later
#include "controls/display_scale.h"
#include "controls/labels_menus.h"
#include "controls/push_button.h"
#include "controls/sliders.h"
#include "pages/dpi_page.h"
#include "pages/dpi_row.h"
#include "pages/performance_page.h"
#include "pages/report_rate_page.h"
#include "random_config.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QRadioButton>
#include <QSignalSpy>
#include <QSpinBox>
#include <QtTest>

namespace {

constexpr int kSensor = 3395;

// A page shown at its design size, as the window places it at factor 1.0.
template<typename Page>
void showAt(Page& page, int width, int height)
{
    page.resize(width, height);
    page.show();
    QVERIFY(QTest::qWaitForWindowExposed(&page));
}

// A profile whose DPI stages sit inside the sensor's range, so showing them moves nothing.
ProfileRecord profileInRange(quint32 seed)
{
    ProfileRecord profile = randomProfile(seed);
    for (int i = 0; i < kDpiStageCount; ++i) {
        DpiStage& stage = profile.dpiStages[size_t(i)];
        stage.x = quint32(10 + 7 * i);
        stage.y = quint32(20 + 5 * i);
        stage.link = 0;
        stage.used = quint8(i % 2);
    }
    profile.dpi = 0;
    return profile;
}

QPoint centreOf(const QWidget* widget)
{
    return widget->rect().center();
}

} // namespace

class TestSettingsPages : public QObject
{
    Q_OBJECT

private slots:
    void init() { setDisplayScaleFactor(1.0); }

    void dpiEditsTouchOnlyTheirFields()
    {
        TarqDPIWindow page;
        page.setSensor(kSensor);
        ProfileRecord profile = profileInRange(7);
        ConfigRecord config;
        page.showProfile(profile, config, kDpiStageCount);
        showAt(page, 456, 386);
        const ProfileRecord before = profile;

        // Stage 3 becomes active with a click on its button.
        QTest::mouseClick(page.row(2)->stageButton(), Qt::LeftButton, {}, centreOf(page.row(2)->stageButton()));
        // Stage 1's X bar steps twice to the right from the keyboard; its Y bar stays.
        QSlider* xBar = page.row(0)->slider()->firstBar();
        xBar->setFocus();
        QTest::keyClick(xBar, Qt::Key_Right);
        QTest::keyClick(xBar, Qt::Key_Right);
        QCOMPARE(page.row(0)->xLabel()->text(), QStringLiteral("X:%1").arg(50 * (12 + 1)));
        QCOMPARE(page.row(0)->yLabel()->text(), QStringLiteral("Y:%1").arg(50 * (20 + 1)));
        // Stage 2 is linked: one bar, and Y follows X.
        QTest::mouseClick(page.row(1)->linkBox(), Qt::LeftButton, {}, QPoint(4, page.row(1)->linkBox()->height() / 2));
        QVERIFY(page.row(1)->slider()->linkedBar()->isVisibleTo(&page));
        QVERIFY(!page.row(1)->slider()->firstBar()->isVisibleTo(&page));
        QVERIFY(page.row(1)->dpiLabel()->isVisibleTo(&page));
        // Stage 4 (enabled) is switched off.
        QTest::mouseClick(page.row(3)->enableBox(), Qt::LeftButton, {}, centreOf(page.row(3)->enableBox()));

        // Every edit is in the record the page was shown, and nothing else changed.
        ProfileRecord expected = before;
        expected.dpi = 2;
        // Stage 3 was disabled: being made the active one switched it on.
        expected.dpiStages[2].used = 1;
        expected.dpiStages[0].x = 12;
        expected.dpiStages[1].link = 1;
        expected.dpiStages[1].y = expected.dpiStages[1].x;
        expected.dpiStages[3].used = 0;
        QCOMPARE(profile, expected);
        QVERIFY(page.row(3)->isDimmed());
        QVERIFY(!page.row(2)->isDimmed());
    }

    void theActiveStageIsAlwaysAnEnabledOne()
    {
        TarqDPIWindow page;
        page.setSensor(kSensor);
        ProfileRecord profile = profileInRange(8);
        for (int i = 0; i < kDpiStageCount; ++i)
            profile.dpiStages[size_t(i)].used = quint8(i == 1 || i == 3 || i == 4 ? 1 : 0);
        profile.dpi = 3;
        ConfigRecord config;
        page.showProfile(profile, config, 6);
        showAt(page, 456, 386);
        QVERIFY(page.row(0)->isDimmed());
        QVERIFY(!page.row(3)->isDimmed());

        const auto switchOff = [&](int stage) {
            QCheckBox* box = page.row(stage)->enableBox();
            QTest::mouseClick(box, Qt::LeftButton, {}, centreOf(box));
        };
        // Disabling the active stage 4: stages 3 and 5 are as near, the following one is taken.
        switchOff(3);
        QCOMPARE(profile.dpi, quint8(4));
        QCOMPARE(page.stageGroup()->checkedId(), 4);
        QVERIFY(page.row(3)->isDimmed());
        // Then stage 5: stage 2 is the only one left and becomes active.
        switchOff(4);
        QCOMPARE(profile.dpi, quint8(1));
        // The last enabled stage cannot be switched off.
        switchOff(1);
        QCOMPARE(profile.dpiStages[1].used, quint8(1));
        QVERIFY(page.row(1)->enableBox()->isChecked());
        QVERIFY(!page.row(1)->isDimmed());
        QCOMPARE(profile.dpi, quint8(1));
        // A disabled stage chosen as the active one is switched on and no longer dimmed.
        QTest::mouseClick(page.row(5)->stageButton(), Qt::LeftButton, {}, centreOf(page.row(5)->stageButton()));
        QCOMPARE(profile.dpi, quint8(5));
        QCOMPARE(profile.dpiStages[5].used, quint8(1));
        QVERIFY(page.row(5)->enableBox()->isChecked());
        QVERIFY(!page.row(5)->isDimmed());
    }

    void stageButtonsFormOneExclusiveGroup()
    {
        TarqDPIWindow page;
        page.setSensor(kSensor);
        ProfileRecord profile = profileInRange(3);
        profile.dpi = 1;
        ConfigRecord config;
        page.showProfile(profile, config, kDpiStageCount);
        showAt(page, 456, 386);
        QButtonGroup* group = page.stageGroup();
        QCOMPARE(group->checkedId(), 1);

        auto* fifth = static_cast<QAbstractButton*>(page.row(4)->stageButton());
        QSignalSpy fifthToggled(fifth, &QAbstractButton::toggled);
        QSignalSpy secondToggled(page.row(1)->stageButton(), &QAbstractButton::toggled);
        fifth->setChecked(true);
        QCOMPARE(group->checkedId(), 4);
        QCOMPARE(fifthToggled.count(), 1);
        QCOMPARE(secondToggled.count(), 1);
        QCOMPARE(page.row(4)->stageButton()->state(), int(TarqPushButton::HoverOrChecked));
        QCOMPARE(page.row(1)->stageButton()->state(), int(TarqPushButton::Normal));

        // Space on the focused button chooses it; a press on the chosen one keeps it chosen.
        TarqPushButton* seventh = page.row(6)->stageButton();
        seventh->setFocus();
        QTest::keyClick(seventh, Qt::Key_Space);
        QCOMPARE(page.profileData().dpi, quint8(6));
        QTest::mouseClick(seventh, Qt::LeftButton, {}, centreOf(seventh));
        QVERIFY(seventh->isChecked());
        QCOMPARE(group->checkedId(), 6);

        // The mouse's own DPI button moves the mark without a click.
        page.showDpiStage(3);
        QCOMPARE(group->checkedId(), 3);
        QCOMPARE(page.profileData().dpi, quint8(3));
        page.showDpiStage(9);
        QCOMPARE(page.profileData().dpi, quint8(3));
    }

    void rowsFollowTheSensorAndTheStageCount()
    {
        TarqDPIWindow page;
        ProfileRecord profile = profileInRange(5);
        const ProfileRecord before = profile;
        ConfigRecord config;
        page.setSensor(3399);
        page.showProfile(profile, config, 6);
        showAt(page, 456, 386);
        QVERIFY(page.row(5)->isVisibleTo(&page));
        QVERIFY(!page.row(6)->isVisibleTo(&page));
        QVERIFY(!page.row(7)->isVisibleTo(&page));
        QCOMPARE(page.row(0)->minimumLabel()->text(), QStringLiteral("50"));
        QCOMPARE(page.row(0)->maximumLabel()->text(), QStringLiteral("40000"));

        // This sensor takes typed DPI: the bar goes to the nearest step, Y stays.
        QSpinBox* xEntry = page.row(0)->xEntry();
        QVERIFY(xEntry->isVisibleTo(&page));
        QVERIFY(!page.row(0)->xLabel()->isVisibleTo(&page));
        xEntry->setFocus();
        xEntry->selectAll();
        QTest::keyClicks(xEntry, QStringLiteral("1630"));
        QTest::keyClick(xEntry, Qt::Key_Return);
        QCOMPARE(page.row(0)->slider()->firstValue(), 32); // 1650; 1600 is farther
        QCOMPARE(xEntry->value(), 1650);
        QCOMPARE(profile.dpiStages[0].x, quint32(32));
        QCOMPARE(profile.dpiStages[0].y, before.dpiStages[0].y);

        // A sensor without a typed entry shows the labels instead.
        page.setSensor(3212);
        QVERIFY(!xEntry->isVisibleTo(&page));
        QVERIFY(page.row(0)->xLabel()->isVisibleTo(&page));
        QCOMPARE(page.row(0)->maximumLabel()->text(), QStringLiteral("7200"));
    }

    void dpiPageReadsInRowOrder()
    {
        TarqDPIWindow page;
        page.setSensor(kSensor);
        ProfileRecord profile = profileInRange(9);
        ConfigRecord config;
        page.showProfile(profile, config, 2);
        showAt(page, 456, 386);
        page.row(0)->stageButton()->setFocus();
        QStringList reached;
        for (int i = 0; i < 8; ++i) {
            reached << QApplication::focusWidget()->accessibleName();
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        }
        // Like radio buttons, the stage buttons share one stop: Tab passes the unchosen ones,
        QCOMPARE(reached, QStringList({ "Stage 1 active", "Stage 1 enabled", "Stage 1 X resolution",
                                        "Stage 1 Y resolution", "Stage 1 link X and Y", "Stage 2 enabled",
                                        "Stage 2 X resolution", "Stage 2 Y resolution" }));
        // and the arrow keys move the choice.
        page.row(0)->stageButton()->setFocus();
        QTest::keyClick(page.row(0)->stageButton(), Qt::Key_Down);
        QCOMPARE(QApplication::focusWidget(), page.row(1)->stageButton());
        QCOMPARE(page.profileData().dpi, quint8(1));
    }

    void reportRateCaptionAndLift()
    {
        ProfileRecord profile = randomProfile(11);
        profile.pollrate = 4;
        TarqReportRate page(&profile);
        showAt(page, 149, 200);
        QCOMPARE(page.rateButton()->text(), QStringLiteral("250 HZ"));
        QCOMPARE(page.styleSheet(), QStringLiteral("background-color: rgba(33,35,35,0.5)"));
        QCOMPARE(page.lift(), quint8(2));
        QVERIFY(page.rateButton()->geometry().right() < page.width());

        for (quint8 lift : { quint8(0), quint8(3) }) {
            page.setProfileData(profile, lift);
            QCOMPARE(page.lift(), quint8(2));
            QCOMPARE(page.liftGroup()->checkedId(), 1);
            QCOMPARE(page.liftGroup()->checkedButton()->text(), QStringLiteral("2 mm"));
        }
        page.setProfileData(profile, 1);
        QCOMPARE(page.liftGroup()->checkedId(), 0);

        // An unknown code keeps the caption shown last.
        ProfileRecord odd = profile;
        odd.pollrate = 3;
        page.setProfileData(odd, 1);
        QCOMPARE(page.rateButton()->text(), QStringLiteral("250 HZ"));

        // The choice goes into the record shown last, and only its rate changes.
        ProfileRecord expected = odd;
        expected.pollrate = 2;
        page.rateActions().at(2)->trigger();
        QCOMPARE(page.rateButton()->text(), QStringLiteral("500 HZ"));
        QCOMPARE(odd, expected);

        // The lift-off choice is announced every time, also for the one already chosen.
        QSignalSpy lift(&page, &TarqPage::RefreshLift);
        auto* oneMillimetre = static_cast<QRadioButton*>(page.liftGroup()->button(0));
        oneMillimetre->click();
        oneMillimetre->click();
        QCOMPARE(lift.count(), 2);
        QCOMPARE(lift.at(1).first().value<quint8>(), quint8(1));
        QCOMPARE(oneMillimetre->geometry(), QRect());
    }

    void performanceSwitchesAndScrollSpeed()
    {
        ProfileRecord profile = randomProfile(13);
        profile.scrollspeed = 4;
        TarqPointSpeed page(&profile);
        showAt(page, 506, 77);
        ConfigRecord config;
        config.Sync = 1;
        config.LiftHigh = 0;
        config.AngleValue = 1;
        config.Jitter = 0;
        config.Debounce = 40;
        page.showProfile(profile, config, kDpiStageCount);
        QCOMPARE(page.lift(), quint8(0));
        QVERIFY(page.switchBox(1, 1)->isChecked()); // lift 0 shows 2mm
        QVERIFY(!page.switchBox(1, 0)->isChecked());
        QVERIFY(page.switchBox(0, 0)->isChecked()); // sync on
        QVERIFY(page.switchBox(2, 1)->isChecked()); // angle snapping off
        QVERIFY(page.switchBox(3, 0)->isChecked()); // jitter on
        QCOMPARE(page.keyResponseValue()->text(), QStringLiteral("40"));
        QCOMPARE(page.scrollSpeedBox()->value(), 4);

        // Angle snapping ON stores 0; clicking the chosen box again keeps it chosen.
        QCheckBox* angleOn = page.switchBox(2, 0);
        QTest::mouseClick(angleOn, Qt::LeftButton, {}, QPoint(4, angleOn->height() / 2));
        QCOMPARE(page.angle(), quint8(0));
        QVERIFY(!page.switchBox(2, 1)->isChecked());
        QTest::mouseClick(angleOn, Qt::LeftButton, {}, QPoint(4, angleOn->height() / 2));
        QVERIFY(angleOn->isChecked());
        QCOMPARE(page.lift(), quint8(0));

        // The scroll speed goes straight into the record; key response spans 1..255.
        QSpinBox* scroll = page.scrollSpeedBox();
        scroll->setFocus();
        QTest::keyClick(scroll, Qt::Key_Up);
        QCOMPARE(profile.scrollspeed, quint8(5));
        TarqSlider* key = page.keyResponseSlider();
        key->setFocus();
        QTest::keyClick(key, Qt::Key_End);
        QCOMPARE(page.keyResponse(), quint8(255));
        QTest::keyClick(key, Qt::Key_Home);
        QCOMPARE(page.keyResponse(), quint8(1));
        QCOMPARE(page.keyResponseValue()->text(), QStringLiteral("1"));

        // The switches and the key response went straight into the device-wide options.
        QCOMPARE(int(config.Sync), 1);
        QCOMPARE(int(config.LiftHigh), 0);
        QCOMPARE(int(config.AngleValue), 0);
        QCOMPARE(int(config.Jitter), 0);
        QCOMPARE(int(config.Debounce), 1);
    }

    void showingAStoredZeroWritesNothing()
    {
        ProfileRecord profile = randomProfile(17);
        profile.scrollspeed = 0;
        const ProfileRecord before = profile;
        TarqPointSpeed page;
        page.setData(&profile, 0, 2, 0, 0, 0);
        QCOMPARE(profile, before);
        QCOMPARE(page.keyResponse(), quint8(0));
    }
};

QTEST_MAIN(TestSettingsPages)
#include "test_settings_pages.moc"
