// SPDX-License-Identifier: GPL-3.0-or-later
#include "macro/macro_events.h"
#include "macro/macro_recorder.h"
#include "macro_event_printing.h"

#include <QtTest>

namespace {

constexpr int kUnit = 10;
constexpr int kA = 30;     // key code of A; HID usage 4
constexpr int kShift = 42; // HID usage 225
constexpr int kPress = 0x00;
constexpr int kRelease = 0x80;

using Rows = QVector<MacroEvent>;

MacroEvent delayOf(int count)
{
    return { MacroKind::Delay, quint8(count & 0xFF), quint8(count >> 8) };
}

// Feeds events (key code, flags, time) the way the page does and returns the table.
struct KeyStep
{
    int keyCode;
    int flags;
    qint64 ms;
};

Rows recordAll(int delayMode, int defaultDelay, std::initializer_list<KeyStep> steps)
{
    MacroRecorder recorder(kUnit);
    recorder.start(delayMode, defaultDelay);
    Rows table;
    for (const KeyStep& step : steps)
        table << recorder.record(step.keyCode, step.flags, step.ms, table);
    return table;
}

} // namespace

class TestMacroRecorder final : public QObject
{
    Q_OBJECT

private slots:
    void recording_data()
    {
        QTest::addColumn<int>("delayMode");
        QTest::addColumn<Rows>("rows");
        const MacroEvent aDown{ MacroKind::KeyPress, 4, 0 };
        const MacroEvent aUp{ MacroKind::KeyRelease, 4, 0 };
        QTest::newRow("measured pause of 3 ms is one unit") << 1 << Rows{ aDown, delayOf(1), aUp };
        QTest::newRow("default pause of 95 ms is nine units") << 2 << Rows{ aDown, delayOf(9), aUp };
        QTest::newRow("no pauses") << 0 << Rows{ aDown, aUp };
    }

    void recording()
    {
        QFETCH(int, delayMode);
        QFETCH(Rows, rows);
        QCOMPARE(recordAll(delayMode, 95, { { kA, kPress, 1000 }, { kA, kRelease, 1003 } }), rows);
    }

    void measuredPausesRoundDownToUnits()
    {
        const Rows table = recordAll(1, 0, { { kA, kPress, 0 }, { kA, kRelease, 25 }, { kShift, kPress, 1025 } });
        QCOMPARE(table.at(1), delayOf(2));
        // A second is 100 units, more than the low byte holds.
        QCOMPARE(table.at(3), delayOf(100));
        QCOMPARE(table.at(4), (MacroEvent{ MacroKind::KeyPress, 225, 0 }));
    }

    void heldKeyRecordsOnePress()
    {
        // Auto-repeat sends the press again while the key is down.
        const Rows table =
            recordAll(0, 0, { { kA, kPress, 0 }, { kA, kPress, 500 }, { kA, kPress, 530 }, { kA, kRelease, 560 } });
        QCOMPARE(table, (Rows{ { MacroKind::KeyPress, 4, 0 }, { MacroKind::KeyRelease, 4, 0 } }));
    }

    void rowLimitKeepsAMacroWithinAButton()
    {
        MacroRecorder recorder(kUnit);
        recorder.start(0, 0);
        Rows table;
        for (int i = 0; i < 50; ++i)
            table << recorder.record(kA, i % 2 ? kRelease : kPress, i, table);
        QCOMPARE(table.size(), 40);
        // With pauses, the delay and the key still fit when 61 rows are there: 63 at most.
        recorder.start(1, 0);
        table.clear();
        for (int i = 0; i < 50; ++i)
            table << recorder.record(kA, i % 2 ? kRelease : kPress, i * 20, table);
        QCOMPARE(table.size(), 63);
        QCOMPARE(table.last().kind, MacroKind::KeyRelease);
    }

    void recordingAfterRowsWithoutDelaysKeepsTheMacroFitting()
    {
        // 52 rows without delays fill a button; the first key recorded after them comes without a
        // delay row, so it is dropped, and so is its release: nothing half is left.
        const Rows full(52, { MacroKind::KeyPress, 5, 0 });
        MacroRecorder recorder(kUnit);
        recorder.start(1, 0);
        QVERIFY(recorder.record(kA, kPress, 0, full).isEmpty());
        QVERIFY(!recorder.isHeld(kA));
        QVERIFY(recorder.record(kA, kRelease, 30, full).isEmpty());
        // After 51 the press fits, and its release with the delay before it too.
        Rows table = full.mid(1);
        table << recorder.record(kA, kPress, 100, table);
        table << recorder.record(kA, kRelease, 130, table);
        QCOMPARE(table.mid(51), (Rows{ { MacroKind::KeyPress, 4, 0 }, delayOf(3), { MacroKind::KeyRelease, 4, 0 } }));
    }

    void editedKeyKeepsItsKind()
    {
        QCOMPARE(withKey({ MacroKind::KeyRelease, 4, 0 }, kShift), (MacroEvent{ MacroKind::KeyRelease, 225, 0 }));
    }

    void releasesArePaired()
    {
        const MacroEvent shiftDown{ MacroKind::KeyPress, 225, 0 };
        const MacroEvent shiftUp{ MacroKind::KeyRelease, 225, 0 };
        QVERIFY(allPressesReleased({ shiftDown, delayOf(1), shiftUp }));
        QVERIFY(!allPressesReleased({ shiftDown }));
        // The release must come later, and be of the same key and kind.
        QVERIFY(!allPressesReleased({ shiftUp, shiftDown }));
        QVERIFY(!allPressesReleased({ shiftDown, { MacroKind::KeyRelease, 4, 0 } }));
        QVERIFY(!allPressesReleased({ buttonEvent(true, MouseButtonBit::Left), keyEvent(false, 1) }));
        QVERIFY(
            allPressesReleased({ buttonEvent(true, MouseButtonBit::Left), buttonEvent(false, MouseButtonBit::Left) }));
    }

    void mouseActionsFollowTheDelayMode()
    {
        const MacroEvent down = buttonEvent(true, MouseButtonBit::Right);
        const MacroEvent up = buttonEvent(false, MouseButtonBit::Right);
        QCOMPARE(mouseActionRows(MouseButtonBit::Right, ClickPart::Click, 1, 500, kUnit),
                 (Rows{ down, delayOf(1), up, delayOf(1) }));
        QCOMPARE(mouseActionRows(MouseButtonBit::Right, ClickPart::Click, 2, 500, kUnit),
                 (Rows{ down, delayOf(50), up, delayOf(50) }));
        QCOMPARE(mouseActionRows(MouseButtonBit::Right, ClickPart::Release, 0, 500, kUnit), (Rows{ up }));
        QCOMPARE(mouseActionRows(MouseButtonBit::Right, ClickPart::Press, 2, 0, kUnit), (Rows{ down, delayOf(1) }));
    }

    void movementsAlongOneAxis()
    {
        QCOMPARE(moveEvent(MoveDirection::Left, 5), (MacroEvent{ MacroKind::Move, 251, 0 }));
        QCOMPARE(moveEvent(MoveDirection::Up, 120), (MacroEvent{ MacroKind::Move, 0, 136 }));
        QCOMPARE(moveEvent(MoveDirection::Down, 500), (MacroEvent{ MacroKind::Move, 0, 120 }));
        MoveDirection direction = MoveDirection::Left;
        int distance = 0;
        QVERIFY(readMove({ MacroKind::Move, 0, 121 }, direction, distance));
        QCOMPARE(direction, MoveDirection::Up);
        QCOMPARE(distance, 135);
        QVERIFY(readMove({ MacroKind::Move, 7, 0 }, direction, distance));
        QCOMPARE(direction, MoveDirection::Right);
        QCOMPARE(distance, 7);
        QVERIFY(!readMove({ MacroKind::Move, 0, 0 }, direction, distance));
        QVERIFY(!readMove(delayOf(3), direction, distance));
    }
};

QTEST_GUILESS_MAIN(TestMacroRecorder)
#include "test_macro_recorder.moc"
