#include "macro/gun_pattern.h"
#include "macro/macro_events.h"
#include "storage/profile_record.h"

#include <QtTest>

namespace {

// Rows spelled out as the bytes the file holds: kind, dataL, dataH.
MacroEvent row(quint8 kind, quint8 dataL, quint8 dataH)
{
    return { kind, dataL, dataH };
}

const MacroEvent kLeftPress = row(0x81, 0x01, 0x00);
const MacroEvent kLeftRelease = row(0x01, 0x01, 0x00);

} // namespace

class TestGunPattern final : public QObject
{
    Q_OBJECT

private slots:
    void everyBulletWrapsThePatternInAClick();
    void closingPauseIsWholeUnits_data();
    void closingPauseIsWholeUnits();
    void bulletsFillAtMostOneButton();
};

void TestGunPattern::everyBulletWrapsThePatternInAClick()
{
    const QVector<MacroEvent> pattern{ moveEvent(MoveDirection::Down, 5), moveEvent(MoveDirection::Left, 3) };
    const QVector<MacroEvent> bullet{ kLeftPress, row(0x02, 0, 5), row(0x02, 253, 0), row(0x06, 9, 0), kLeftRelease };
    QCOMPARE(gunPatternEvents(2, 95, pattern, 10), bullet + bullet);

    // Pauses the user put into the pattern stay where they are, beside the closing one.
    const QVector<MacroEvent> withPause{ row(0x02, 0, 7), row(0x06, 3, 0) };
    QCOMPARE(gunPatternEvents(1, 40, withPause, 10),
             (QVector<MacroEvent>{ kLeftPress, row(0x02, 0, 7), row(0x06, 3, 0), row(0x06, 4, 0), kLeftRelease }));

    QVERIFY(gunPatternEvents(0, 100, pattern, 10).isEmpty());
    QVERIFY(gunPatternEvents(-1, 100, pattern, 10).isEmpty());
}

void TestGunPattern::closingPauseIsWholeUnits_data()
{
    QTest::addColumn<int>("delayMs");
    QTest::addColumn<int>("unit");
    QTest::addColumn<int>("count");
    QTest::newRow("rounds down to whole units") << 95 << 10 << 9;
    QTest::newRow("shorter than a unit is one unit") << 5 << 10 << 1;
    QTest::newRow("longest delay") << 1000 << 10 << 100;
    QTest::newRow("coarser unit") << 1000 << 25 << 40;
    QTest::newRow("more than one byte of units") << 1000 << 1 << 1000;
}

void TestGunPattern::closingPauseIsWholeUnits()
{
    QFETCH(int, delayMs);
    QFETCH(int, unit);
    QFETCH(int, count);
    const QVector<MacroEvent> events = gunPatternEvents(1, delayMs, {}, unit);
    QCOMPARE(events,
             (QVector<MacroEvent>{ kLeftPress, row(0x06, quint8(count & 0xFF), quint8(count >> 8)), kLeftRelease }));
}

void TestGunPattern::bulletsFillAtMostOneButton()
{
    QCOMPARE(maxGunBullets(0), 21);
    QCOMPARE(maxGunBullets(2), 12);
    QCOMPARE(maxGunBullets(kMaxGunPatternRows), 1);
    QCOMPARE(maxGunBullets(kMaxGunPatternRows + 1), 0);
    QCOMPARE(maxGunBullets(500), 0);

    // The most bullets fit a button's events; one more would not.
    const MacroEvent step = moveEvent(MoveDirection::Up, 2);
    for (int rows = 0; rows <= kMaxGunPatternRows; ++rows) {
        const QVector<MacroEvent> pattern(rows, step);
        const int most = maxGunBullets(rows);
        QVERIFY(gunPatternEvents(most, 100, pattern, 10).size() <= kKeySlotCount);
        QVERIFY2(gunPatternEvents(most + 1, 100, pattern, 10).size() > kKeySlotCount,
                 qPrintable(QString::number(rows)));
    }
}

QTEST_GUILESS_MAIN(TestGunPattern)
#include "test_gun_pattern.moc"
