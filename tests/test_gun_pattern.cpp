// SPDX-License-Identifier: GPL-3.0-or-later
#include "macro/gun_pattern.h"
#include "macro/macro_events.h"
#include "macro/macro_fit.h"
#include "storage/profile_record.h"

#include <QtTest>

namespace {

// Rows spelled out as the file's bytes: kind, dataL, dataH.
const MacroEvent kLeftPress{ 0x81, 0x01, 0x00 };
const MacroEvent kLeftRelease{ 0x01, 0x01, 0x00 };

} // namespace

class TestGunPattern final : public QObject
{
    Q_OBJECT

private slots:
    void everyBulletWrapsThePatternInAClick()
    {
        const QVector<MacroEvent> pattern{ moveEvent(MoveDirection::Down, 5), moveEvent(MoveDirection::Left, 3) };
        const QVector<MacroEvent> bullet{ kLeftPress, { 0x02, 0, 5 }, { 0x02, 253, 0 }, { 0x06, 9, 0 }, kLeftRelease };
        QCOMPARE(gunPatternEvents(2, 95, pattern, 10), bullet + bullet);

        // Pauses in the pattern stay where they are; the closing pause is at least one unit.
        const QVector<MacroEvent> withPause{ { 0x02, 0, 7 }, { 0x06, 3, 0 } };
        QCOMPARE(gunPatternEvents(1, 5, withPause, 10),
                 (QVector<MacroEvent>{ kLeftPress, { 0x02, 0, 7 }, { 0x06, 3, 0 }, { 0x06, 1, 0 }, kLeftRelease }));
        QCOMPARE(gunPatternEvents(1, 1000, {}, 1),
                 (QVector<MacroEvent>{ kLeftPress, { 0x06, 0xE8, 0x03 }, kLeftRelease }));
        QVERIFY(gunPatternEvents(0, 100, pattern, 10).isEmpty());
    }

    void bulletsFillAtMostOneButton()
    {
        QCOMPARE(maxGunBullets(0), 21);
        QCOMPARE(maxGunBullets(2), 12);
        QCOMPARE(maxGunBullets(kMaxGunPatternRows), 1);
        QCOMPARE(maxGunBullets(kMaxGunPatternRows + 1), 0);

        // Every count up to the most makes a gun file the mouse holds whole; one more would not fit.
        for (int rows = 0; rows <= kMaxGunPatternRows; ++rows) {
            const QVector<MacroEvent> pattern(rows, moveEvent(MoveDirection::Up, 2));
            const int most = maxGunBullets(rows);
            for (int bullets = 1; bullets <= most; ++bullets)
                QVERIFY(macroRefusal(gunPatternEvents(bullets, 100, pattern, 10)).isEmpty());
            QVERIFY2(!macroFits(gunPatternEvents(most + 1, 100, pattern, 10)), qPrintable(QString::number(rows)));
        }
    }
};

QTEST_GUILESS_MAIN(TestGunPattern)
#include "test_gun_pattern.moc"
