// SPDX-License-Identifier: GPL-3.0-or-later
#include "buttons/function_encoding.h"
#include "buttons/key_capture_state.h"
#include "storage/key_names.h"

#include <QtTest>

namespace {

constexpr int kRelease = 0x80;
constexpr int kExtended = 0x01;

// One key event of the capture: key code and hook flags.
struct KeyStep
{
    int keyCode;
    int flags;
};

KeyStep down(int keyCode, int flags = 0)
{
    return { keyCode, flags };
}

KeyStep up(int keyCode, int flags = 0)
{
    return { keyCode, flags | kRelease };
}

} // namespace

Q_DECLARE_METATYPE(QVector<KeyStep>)

class TestKeyCaptureState : public QObject
{
    Q_OBJECT

private slots:
    void combinations_data()
    {
        QTest::addColumn<QVector<KeyStep>>("steps");
        QTest::addColumn<QString>("text");
        QTest::addColumn<QVector<int>>("keyCodes");

        QTest::newRow("Alt held, Tab pressed") << QVector<KeyStep>{ down(56), down(15), up(15), up(56) }
                                               << QStringLiteral("LAlt + Tab") << QVector<int>{ 56, 15 };
        QTest::newRow("right Ctrl is stored as left Ctrl")
            << QVector<KeyStep>{ down(238, kExtended), down(46), up(46), up(238, kExtended) }
            << QStringLiteral("LCtr + C") << QVector<int>{ 29, 46 };
        QTest::newRow("the main key is the last one pressed")
            << QVector<KeyStep>{ down(30), up(30), down(48), up(48) } << QStringLiteral("B") << QVector<int>{ 48 };
        QTest::newRow("a released modifier is not part of the next combination")
            << QVector<KeyStep>{ down(42), up(42), down(30), up(30) } << QStringLiteral("A") << QVector<int>{ 30 };
        QTest::newRow("slot order, whatever the press order")
            << QVector<KeyStep>{ down(56), down(29), down(42), down(91, kExtended), down(30) }
            << QStringLiteral("LShift + LCtr + LWindows + LAlt + A") << QVector<int>{ 42, 29, 91, 56, 30 };
        QTest::newRow("auto-repeat changes nothing")
            << QVector<KeyStep>{ down(42), down(30), down(30), down(30), up(30) } << QStringLiteral("LShift + A")
            << QVector<int>{ 42, 30 };
        QTest::newRow("a modifier held before the dialog opened is released without harm")
            << QVector<KeyStep>{ up(54), down(30) } << QStringLiteral("A") << QVector<int>{ 30 };
        QTest::newRow("both Shift keys, one released")
            << QVector<KeyStep>{ down(42), down(54), up(54), up(42), down(30) } << QStringLiteral("A")
            << QVector<int>{ 30 };
        QTest::newRow("keys without a code are passed over")
            << QVector<KeyStep>{ down(30), down(0), up(0) } << QStringLiteral("A") << QVector<int>{ 30 };
    }

    void combinations()
    {
        QFETCH(QVector<KeyStep>, steps);
        QFETCH(QString, text);
        QFETCH(QVector<int>, keyCodes);
        ComboKeyState state;
        for (const KeyStep& step : steps)
            state.handle(step.keyCode, step.flags);
        QCOMPARE(state.text(), text);
        QCOMPARE(state.keyCodes(), keyCodes);
        QCOMPARE(state.hotKeyCodes()[ComboSlot::Shift], (std::array<quint8, 2>{ 42, 54 }));
        QCOMPARE(state.hotKeyCodes()[ComboSlot::Alt], (std::array<quint8, 2>{ 56, 239 }));
    }

    void aPresetIsShownUntilTheFirstKey()
    {
        ButtonEntry entry;
        for (int i = 0; i < 3; ++i)
            insertComboPair(entry, i, std::array<int, 3>{ 42, 29, 30 }[size_t(i)]);
        ComboKeyState state;
        state.preset(entry.KeyInfo);
        QCOMPARE(state.text(), QStringLiteral("LShift + LCtr + A"));
        QCOMPARE(state.comboKey(), (ComboStates{ 1, 1, 0, 0, 1 }));
        QCOMPARE(state.hotKeyCodes()[ComboSlot::Key][0], quint8(30));

        // Releasing a key (say, the Space that chose the menu entry) starts afresh but shows nothing new.
        QVERIFY(!state.handle(28, kRelease));
        QCOMPARE(state.keyCodes(), QVector<int>());
        QVERIFY(state.handle(48, 0));
        QVERIFY(!state.handle(48, 0)); // auto-repeat
        QCOMPARE(state.text(), QStringLiteral("B"));
    }

    void singleKey()
    {
        SingleKeyState state(30);
        QCOMPARE(state.text(), QStringLiteral("A"));
        QVERIFY(state.handle(56, 0));
        QCOMPARE(state.text(), keyName(56));
        QVERIFY(!state.handle(56, 0)); // auto-repeat
        QVERIFY(state.handle(56, kRelease));
        QVERIFY(state.handle(48, 0));
        QVERIFY(state.handle(48, kRelease));
        QCOMPARE(state.keyCode(), 48);
        QVERIFY(!state.handle(0, 0));
        QCOMPARE(state.keyCode(), 48);
    }

    // Only what the mouse can send lets a capture dialog accept: a key with a HID usage; the mouse
    // buttons' codes have none.
    void sendableCaptures()
    {
        QVERIFY(!SingleKeyState().isSendable());
        QVERIFY(SingleKeyState(30).isSendable());
        QVERIFY(!SingleKeyState(240).isSendable());
        SingleKeyState mouseButton;
        QVERIFY(mouseButton.handle(241, 0));
        QVERIFY(!mouseButton.isSendable());

        ComboKeyState combo;
        QVERIFY(!combo.isSendable());
        QVERIFY(combo.handle(29, 0)); // a modifier alone is sent as that modifier
        QVERIFY(combo.isSendable());
        ComboKeyState buttonOnly;
        QVERIFY(buttonOnly.handle(242, 0));
        QVERIFY(!buttonOnly.isSendable());
    }
};

QTEST_GUILESS_MAIN(TestKeyCaptureState)
#include "test_key_capture_state.moc"
