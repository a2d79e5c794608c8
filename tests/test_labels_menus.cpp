#include "controls/display_scale.h"
#include "controls/labels_menus.h"

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
