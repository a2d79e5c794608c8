// SPDX-License-Identifier: GPL-3.0-or-later
#include "controls/display_scale.h"
#include "controls/labels_menus.h"
#include "controls/popup_placement.h"

#include <QScreen>
#include <QSignalSpy>
#include <QtTest>

class TestLabelsMenus : public QObject
{
    Q_OBJECT

private slots:
    void init() { setDisplayScaleFactor(1.0); }

    void labelShowsNumbersAndReportsLeftPresses()
    {
        TarqLabel label;
        label.setNumber(-42);
        QCOMPARE(label.text(), QString("-42"));
        QCOMPARE(label.alignment(), Qt::AlignLeft | Qt::AlignVCenter);
        QSignalSpy entered(&label, &TarqLabel::EnterSignal);
        QTest::mouseClick(&label, Qt::RightButton);
        QCOMPARE(entered.count(), 0);
        QTest::mouseClick(&label, Qt::LeftButton);
        QCOMPARE(entered.count(), 1);
        QCOMPARE(entered.at(0).at(0).value<TarqLabel*>(), &label);
    }

    void labelFontFollowsTheScaleFactor()
    {
        setDisplayScaleFactor(2.0);
        TarqLabel label;
        label.setFixedFontSize(10);
        label.setText("DPI");
        QCOMPARE(label.font().pixelSize(), 20);
    }

    void actionAndMenuTakeTheScaledFont()
    {
        setDisplayScaleFactor(1.5);
        TarqAction action("125 HZ", nullptr);
        QCOMPARE(action.font().pixelSize(), 18);
        setDisplayScaleFactor(2.0);
        action.setText("250 HZ");
        QCOMPARE(action.font().pixelSize(), 24);
        TarqMenu menu;
        menu.setTitle("Profile Menu");
        QCOMPARE(menu.menuAction()->font().pixelSize(), 24);
    }

    // Rows: an anchor button in an area 800 x 600; the popup it drops.
    void popupsDropWhereTheyFit_data()
    {
        QTest::addColumn<QRect>("anchor");
        QTest::addColumn<QSize>("wanted");
        QTest::addColumn<QRect>("placed");
        QTest::newRow("room below: below") << QRect(100, 100, 150, 30) << QSize(150, 200) << QRect(100, 130, 150, 200);
        QTest::newRow("no room below: flipped above")
            << QRect(100, 500, 150, 30) << QSize(150, 300) << QRect(100, 200, 150, 300);
        QTest::newRow("neither side: the roomier one, pushed into the area")
            << QRect(100, 350, 150, 30) << QSize(150, 400) << QRect(100, 0, 150, 400);
        QTest::newRow("taller than the area: capped, it scrolls")
            << QRect(100, 300, 150, 30) << QSize(150, 5000) << QRect(100, 0, 150, 600);
        QTest::newRow("at the right edge: moved left")
            << QRect(750, 100, 40, 30) << QSize(150, 100) << QRect(650, 130, 150, 100);
        QTest::newRow("no anchor: kept at its corner inside")
            << QRect(300, 550, 0, 0) << QSize(150, 100) << QRect(300, 500, 150, 100);
    }

    void popupsDropWhereTheyFit()
    {
        QFETCH(QRect, anchor);
        QFETCH(QSize, wanted);
        QFETCH(QRect, placed);
        QCOMPARE(placePopup(anchor, wanted, QRect(0, 0, 800, 600)), placed);
    }

    // Without window positions only the window is known to be on screen.
    void popupAreaIsTheWindowWherePositionsAreUnknown()
    {
        QWidget window;
        window.setGeometry(-200, 300, 500, 400);
        auto* button = new QWidget(&window);
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        QCOMPARE(popupArea(button), window.screen()->availableGeometry());
        const ScopedWindowPositions wayland(false);
        QCOMPARE(popupArea(button), window.frameGeometry());
    }

    void lineEditReportsLosingTheFocus()
    {
        QWidget window;
        auto* edit = new TarqLineEdit(&window);
        auto* other = new TarqLineEdit(&window);
        other->move(0, 40);
        window.show();
        QVERIFY(QTest::qWaitForWindowActive(&window));
        QSignalSpy lost(edit, &TarqLineEdit::tarqLostFocus);
        edit->setFocus();
        QTRY_VERIFY(edit->hasFocus());
        other->setFocus();
        QTRY_COMPARE(lost.count(), 1);
    }
};

QTEST_MAIN(TestLabelsMenus)
#include "test_labels_menus.moc"
