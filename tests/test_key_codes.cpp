#include "platform/keyboard_capture.h"

#include <QtTest>

namespace {

constexpr int kNone = 0;
constexpr int kExtended = KeyFlag::Extended;
// X keycodes carry the evdev code plus 8.
constexpr quint32 kXKeycodeOffset = 8;

} // namespace

Q_DECLARE_METATYPE(CapturedKey)

char* toString(const CapturedKey& key)
{
    return QTest::toString(QStringLiteral("(%1, 0x%2)").arg(key.keyCode).arg(key.flags, 2, 16, QLatin1Char('0')));
}

class TestKeyCodes final : public QObject
{
    Q_OBJECT

private slots:
    void evdevCodes_data()
    {
        QTest::addColumn<int>("evdevCode");
        QTest::addColumn<int>("keyCode");
        QTest::addColumn<int>("flags");
        // The main block keeps its numbers.
        QTest::newRow("Esc") << 1 << 1 << kNone;
        QTest::newRow("left Ctrl") << 29 << 29 << kNone;
        QTest::newRow("keypad minus keeps 74") << 74 << 74 << kNone;
        QTest::newRow("keypad 5 keeps 76") << 76 << 76 << kNone;
        QTest::newRow("keypad plus keeps 78") << 78 << 78 << kNone;
        QTest::newRow("F12, last of the block") << 88 << 88 << kNone;
        // Keypad keys whose scan code the navigation block takes.
        QTest::newRow("keypad asterisk") << 55 << 227 << kNone;
        QTest::newRow("num lock is not extended") << 69 << 225 << kNone;
        QTest::newRow("keypad 7") << 71 << 235 << kNone;
        QTest::newRow("keypad 8") << 72 << 236 << kNone;
        QTest::newRow("keypad 9") << 73 << 228 << kNone;
        QTest::newRow("keypad 4") << 75 << 233 << kNone;
        QTest::newRow("keypad 6") << 77 << 234 << kNone;
        QTest::newRow("keypad 1") << 79 << 230 << kNone;
        QTest::newRow("keypad 2") << 80 << 231 << kNone;
        QTest::newRow("keypad 3") << 81 << 232 << kNone;
        QTest::newRow("keypad 0") << 82 << 237 << kNone;
        QTest::newRow("keypad dot") << 83 << 224 << kNone;
        // Keys a PC keyboard sends with the extended prefix.
        QTest::newRow("keypad enter") << 96 << 229 << kExtended;
        QTest::newRow("right Ctrl") << 97 << 238 << kExtended;
        QTest::newRow("keypad slash") << 98 << 226 << kExtended;
        QTest::newRow("print screen") << 99 << 55 << kExtended;
        QTest::newRow("right Alt") << 100 << 239 << kExtended;
        QTest::newRow("home") << 102 << 71 << kExtended;
        QTest::newRow("up") << 103 << 72 << kExtended;
        QTest::newRow("page up") << 104 << 73 << kExtended;
        QTest::newRow("left") << 105 << 75 << kExtended;
        QTest::newRow("right") << 106 << 77 << kExtended;
        QTest::newRow("end") << 107 << 79 << kExtended;
        QTest::newRow("down") << 108 << 80 << kExtended;
        QTest::newRow("page down") << 109 << 81 << kExtended;
        QTest::newRow("insert") << 110 << 82 << kExtended;
        QTest::newRow("delete") << 111 << 83 << kExtended;
        QTest::newRow("pause is not extended") << 119 << 69 << kNone;
        QTest::newRow("left Super") << 125 << 91 << kExtended;
        QTest::newRow("right Super") << 126 << 92 << kExtended;
        QTest::newRow("menu") << 127 << 93 << kExtended;
        // Keys without a code of ours are reported as 0 and carry no extended flag.
        QTest::newRow("reserved 0") << 0 << 0 << kNone;
        QTest::newRow("between the blocks") << 89 << 0 << kNone;
        QTest::newRow("linefeed") << 101 << 0 << kNone;
        QTest::newRow("past the table") << 240 << 0 << kNone;
        QTest::newRow("negative") << -1 << 0 << kNone;
    }

    void evdevCodes()
    {
        QFETCH(int, evdevCode);
        QFETCH(int, keyCode);
        QFETCH(int, flags);
        QCOMPARE(keyFromEvdev(evdevCode, false), (CapturedKey{ keyCode, flags }));
        const CapturedKey release = keyFromEvdev(evdevCode, true);
        QCOMPARE(release, (CapturedKey{ keyCode, flags | KeyFlag::Released }));
        QVERIFY(release.released());
    }

    void windowEvents_data()
    {
        QTest::addColumn<quint32>("nativeScanCode");
        QTest::addColumn<int>("qtKey");
        QTest::addColumn<CapturedKey>("key");
        // A scan code from the window system decides over the toolkit's key.
        QTest::newRow("native A") << 30 + kXKeycodeOffset << int(Qt::Key_Q) << CapturedKey{ 30, kNone };
        QTest::newRow("native right Ctrl")
            << 97 + kXKeycodeOffset << int(Qt::Key_Control) << CapturedKey{ 238, kExtended };
        QTest::newRow("native keypad 7") << 71 + kXKeycodeOffset << int(Qt::Key_Home) << CapturedKey{ 235, kNone };
        QTest::newRow("native unknown") << 113 + kXKeycodeOffset << int(Qt::Key_A) << CapturedKey{ 0, kNone };
        QTest::newRow("native code below X's range") << 5u << int(Qt::Key_A) << CapturedKey{ 30, kNone };
        // Test events carry no scan code: the key is where it sits on a US keyboard.
        QTest::newRow("A") << 0u << int(Qt::Key_A) << CapturedKey{ 30, kNone };
        QTest::newRow("L") << 0u << int(Qt::Key_L) << CapturedKey{ 38, kNone };
        QTest::newRow("M") << 0u << int(Qt::Key_M) << CapturedKey{ 50, kNone };
        QTest::newRow("P") << 0u << int(Qt::Key_P) << CapturedKey{ 25, kNone };
        QTest::newRow("Q") << 0u << int(Qt::Key_Q) << CapturedKey{ 16, kNone };
        QTest::newRow("Z") << 0u << int(Qt::Key_Z) << CapturedKey{ 44, kNone };
        QTest::newRow("1") << 0u << int(Qt::Key_1) << CapturedKey{ 2, kNone };
        QTest::newRow("0") << 0u << int(Qt::Key_0) << CapturedKey{ 11, kNone };
        QTest::newRow("F1") << 0u << int(Qt::Key_F1) << CapturedKey{ 59, kNone };
        QTest::newRow("F11") << 0u << int(Qt::Key_F11) << CapturedKey{ 87, kNone };
        QTest::newRow("F12") << 0u << int(Qt::Key_F12) << CapturedKey{ 88, kNone };
        QTest::newRow("backtab is tab") << 0u << int(Qt::Key_Backtab) << CapturedKey{ 15, kNone };
        QTest::newRow("return") << 0u << int(Qt::Key_Return) << CapturedKey{ 28, kNone };
        QTest::newRow("keypad enter") << 0u << int(Qt::Key_Enter) << CapturedKey{ 229, kExtended };
        QTest::newRow("shift") << 0u << int(Qt::Key_Shift) << CapturedKey{ 42, kNone };
        QTest::newRow("control") << 0u << int(Qt::Key_Control) << CapturedKey{ 29, kNone };
        QTest::newRow("alt") << 0u << int(Qt::Key_Alt) << CapturedKey{ 56, kNone };
        QTest::newRow("meta") << 0u << int(Qt::Key_Meta) << CapturedKey{ 91, kExtended };
        QTest::newRow("alt gr") << 0u << int(Qt::Key_AltGr) << CapturedKey{ 239, kExtended };
        QTest::newRow("insert") << 0u << int(Qt::Key_Insert) << CapturedKey{ 82, kExtended };
        QTest::newRow("delete") << 0u << int(Qt::Key_Delete) << CapturedKey{ 83, kExtended };
        QTest::newRow("left arrow") << 0u << int(Qt::Key_Left) << CapturedKey{ 75, kExtended };
        QTest::newRow("num lock") << 0u << int(Qt::Key_NumLock) << CapturedKey{ 225, kNone };
        QTest::newRow("print") << 0u << int(Qt::Key_Print) << CapturedKey{ 55, kExtended };
        QTest::newRow("pause") << 0u << int(Qt::Key_Pause) << CapturedKey{ 69, kNone };
        QTest::newRow("menu") << 0u << int(Qt::Key_Menu) << CapturedKey{ 93, kExtended };
        QTest::newRow("quote left") << 0u << int(Qt::Key_QuoteLeft) << CapturedKey{ 41, kNone };
        QTest::newRow("backslash") << 0u << int(Qt::Key_Backslash) << CapturedKey{ 43, kNone };
        // Shifted characters and keys off the main keyboard have no code.
        QTest::newRow("exclamation mark") << 0u << int(Qt::Key_Exclam) << CapturedKey{ 0, kNone };
        QTest::newRow("lower-case a is no Qt key") << 0u << int('a') << CapturedKey{ 0, kNone };
        QTest::newRow("volume up") << 0u << int(Qt::Key_VolumeUp) << CapturedKey{ 0, kNone };
        QTest::newRow("unknown") << 0u << int(Qt::Key_unknown) << CapturedKey{ 0, kNone };
    }

    void windowEvents()
    {
        QFETCH(quint32, nativeScanCode);
        QFETCH(int, qtKey);
        QFETCH(CapturedKey, key);
        QCOMPARE(keyFromWindowEvent(nativeScanCode, qtKey, false), key);
        const CapturedKey release{ key.keyCode, key.flags | KeyFlag::Released };
        QCOMPARE(keyFromWindowEvent(nativeScanCode, qtKey, true), release);
    }
};

QTEST_GUILESS_MAIN(TestKeyCodes)
#include "test_key_codes.moc"
