// SPDX-License-Identifier: GPL-3.0-or-later
#include "device/section_encoding.h"
#include "macro/macro_events.h"
#include "macro/macro_fit.h"
#include "macro_event_printing.h"

#include <QtTest>

namespace {

using Rows = QVector<MacroEvent>;

constexpr quint8 kUsageA = 4;
constexpr quint8 kUsageB = 5;
constexpr quint8 kUsageZ = 29;

const MacroEvent kAPress = keyEvent(true, kUsageA);
const MacroEvent kARelease = keyEvent(false, kUsageA);
const MacroEvent kBPress = keyEvent(true, kUsageB);
const MacroEvent kBRelease = keyEvent(false, kUsageB);

// count events of clicks on A, without a delay row.
Rows keyEvents(int count)
{
    Rows rows;
    for (int i = 0; i < count; ++i)
        rows << keyEvent(i % 2 == 0, kUsageA);
    return rows;
}

// count events, one of them a delay row.
Rows eventsWithOneDelay(int count)
{
    Rows rows = keyEvents(count - 1);
    rows.insert(rows.size() / 2, delayEventOfCount(3));
    return rows;
}

MacroFile macroOf(const Rows& rows)
{
    MacroFile macro;
    macro.events = rows;
    return macro;
}

// The triples the slot holds, up to the first empty one.
QVector<MacroEvent> slotTriples(const MacroSlot& slot)
{
    QVector<MacroEvent> triples;
    for (int t = 0; t < kMacroTriplesPerSlot; ++t) {
        const MacroEvent triple{ slot[size_t(3 * t)], slot[size_t(3 * t + 1)], slot[size_t(3 * t + 2)] };
        if (triple == MacroEvent{})
            break;
        triples << triple;
    }
    return triples;
}

} // namespace

class TestMacroFit final : public QObject
{
    Q_OBJECT

private slots:
    void fitting_data()
    {
        QTest::addColumn<Rows>("events");
        QTest::addColumn<bool>("fits");
        QTest::addColumn<int>("limit");
        QTest::newRow("an empty macro") << Rows{} << true << 52;
        QTest::newRow("52 events without delay rows fit") << keyEvents(52) << true << 52;
        QTest::newRow("53 without delay rows do not") << keyEvents(53) << false << 52;
        QTest::newRow("63 with a delay row fit") << eventsWithOneDelay(63) << true << 63;
        QTest::newRow("64 with a delay row do not") << eventsWithOneDelay(64) << false << 63;
        QTest::newRow("66 with delays fill the slot but not a button") << Rows(66, delayEventOfCount(1)) << false << 63;
    }

    void fitting()
    {
        QFETCH(Rows, events);
        QFETCH(bool, fits);
        QFETCH(int, limit);
        QCOMPARE(macroFits(events), fits);
        QCOMPARE(macroEventLimit(events), limit);
    }

    // What fits is what the encoder puts in the slot whole, with the closing delay a macro without
    // delays of its own needs.
    void fittingAgreesWithTheSlotEncoding()
    {
        for (int count = 1; count <= 70; ++count) {
            const Rows events = keyEvents(count);
            const MacroFile macro = macroOf(events);
            const QVector<MacroEvent> triples = slotTriples(encodeMacroSlot(macro));
            const bool whole = macroEventsKept(macro) == count && triples.last() == delayEventOfCount(1);
            QVERIFY2(macroFits(events) == whole, qPrintable(QString::number(count)));

            const Rows delayed = eventsWithOneDelay(count + 1);
            const bool keptWhole = macroEventsKept(macroOf(delayed)) == delayed.size();
            // With delay rows the slot would take up to 66; a button's events stop at 63.
            QVERIFY2(macroFits(delayed) == (keptWhole && delayed.size() <= kKeySlotCount),
                     qPrintable(QString::number(count + 1)));
        }
    }

    void unreleasedPressesAreFoundAndNamed()
    {
        const MacroEvent leftPress = buttonEvent(true, MouseButtonBit::Left);
        const MacroEvent leftRelease = buttonEvent(false, MouseButtonBit::Left);
        QCOMPARE(unreleasedNames({ kAPress, delayEventOfCount(1), kBPress, kBRelease }), QStringList{ "A" });
        QCOMPARE(unreleasedNames({ leftPress, kBPress, kARelease }), (QStringList{ "LEFT", "B" }));
        // A held key pressed again is still one press; its release lets go of it.
        QVERIFY(unreleasedPresses({ kAPress, kAPress, kARelease }).isEmpty());
        QCOMPARE(unreleasedPresses({ kARelease, kAPress }), Rows{ kAPress });
        QVERIFY(unreleasedPresses({ leftPress, moveEvent(MoveDirection::Up, 3), leftRelease }).isEmpty());
        // Only the first count events, as a cut macro is sent.
        QCOMPARE(unreleasedNames({ kAPress, kBPress, kBRelease, kARelease }, 2), (QStringList{ "A", "B" }));
        QVERIFY(allPressesReleased({ kAPress, kBPress, kBRelease, kARelease }));
        QVERIFY(!allPressesReleased({ kAPress, kBPress, kBRelease }));

        const QString message = unreleasedMessage({ kBPress, kAPress, kARelease });
        QVERIFY(message.startsWith(QLatin1String(kUnreleasedKeysMessage)));
        QVERIFY2(message.endsWith(QLatin1String(": B")), qPrintable(message));
        QVERIFY(unreleasedMessage({ kBPress, kBRelease }).isEmpty());
    }

    void refusalSaysWhy()
    {
        QVERIFY(macroRefusal(keyEvents(52)).isEmpty());
        const QString tooLong = macroRefusal(keyEvents(53));
        QVERIFY2(tooLong.contains(QLatin1String("52")) && tooLong.contains(QLatin1String("63")), qPrintable(tooLong));
        // Too long is said first: a cut would change what is pressed anyway.
        QVERIFY(!macroRefusal(keyEvents(53) + Rows{ kBPress }).contains(QLatin1String(kUnreleasedKeysMessage)));
        QVERIFY(macroRefusal({ kAPress }).startsWith(QLatin1String(kUnreleasedKeysMessage)));
    }

    void partners_data()
    {
        QTest::addColumn<Rows>("events");
        QTest::addColumn<QVector<int>>("partners");
        QTest::newRow("nested keys pair inside out")
            << Rows{ kAPress, kBPress, kBRelease, kARelease } << QVector<int>{ 3, 2, 1, 0 };
        QTest::newRow("a delay row pairs with nothing")
            << Rows{ kAPress, delayEventOfCount(2), kARelease } << QVector<int>{ 2, -1, 0 };
        QTest::newRow("a repeated press and a lone release pair with nothing")
            << Rows{ kARelease, kAPress, kAPress, kARelease } << QVector<int>{ -1, 3, -1, 1 };
        QTest::newRow("a key and a button with the same code stay apart")
            << Rows{ kAPress, buttonEvent(true, kUsageA), kARelease, buttonEvent(false, kUsageA) }
            << QVector<int>{ 2, 3, 0, 1 };
    }

    void partners()
    {
        QFETCH(Rows, events);
        QFETCH(QVector<int>, partners);
        for (int row = 0; row < events.size(); ++row)
            QCOMPARE(partnerRow(events, row), partners.at(row));
        QCOMPARE(partnerRow(events, events.size()), -1);
    }

    void recodingKeepsPairs()
    {
        const MacroEvent zPress = keyEvent(true, kUsageZ);
        const MacroEvent zRelease = keyEvent(false, kUsageZ);
        const Rows macro{ kAPress, delayEventOfCount(1), kBPress, kBRelease, kARelease };
        QCOMPARE(withPairRecoded(macro, 0, kUsageZ),
                 (Rows{ zPress, delayEventOfCount(1), kBPress, kBRelease, zRelease }));
        // From the release row the press follows too.
        QCOMPARE(withPairRecoded(macro, 4, kUsageZ),
                 (Rows{ zPress, delayEventOfCount(1), kBPress, kBRelease, zRelease }));
        QVERIFY(allPressesReleased(withPairRecoded(macro, 3, kUsageA)));
        // A row without a partner changes alone; a delay row or a row beyond the table not at all.
        QCOMPARE(withPairRecoded({ kAPress }, 0, kUsageZ), Rows{ zPress });
        QCOMPARE(withPairRecoded(macro, 1, kUsageZ), macro);
        QCOMPARE(withPairRecoded(macro, 9, kUsageZ), macro);
    }
};

QTEST_GUILESS_MAIN(TestMacroFit)
#include "test_macro_fit.moc"
