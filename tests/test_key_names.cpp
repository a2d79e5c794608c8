#include "platform/keyboard_layout.h"
#include "storage/key_names.h"

#include <QSet>
#include <QtTest>

class TestKeyNames final : public QObject
{
    Q_OBJECT

private slots:
    void namesInBothLayouts_data();
    void namesInBothLayouts();
    void unnamedCodesAreEmpty();
    void activeLayoutIsAskedOnEveryLookup();
    void everyNamedKeyButTheMouseButtonsConverts();
    void conversion_data();
    void conversion();
    void failedConversionLeavesOutValue();
    void xkbRulesNamesLayoutField_data();
    void xkbRulesNamesLayoutField();
};

void TestKeyNames::namesInBothLayouts_data()
{
    QTest::addColumn<unsigned>("code");
    QTest::addColumn<QString>("defaultName");
    QTest::addColumn<QString>("frenchName");

    QTest::newRow("Q is a on AZERTY") << 16u << "Q"
                                      << "a";
    QTest::newRow("A is q on AZERTY") << 30u << "A"
                                      << "q";
    QTest::newRow("keypad decimal") << 224u << "Num De"
                                    << "Num Del";
    QTest::newRow("left control") << 29u << "LCtr"
                                  << "LCtrl";
    QTest::newRow("right control") << 238u << "RCtr"
                                   << "RCtrl";
    QTest::newRow("digit 2 is e acute") << 3u << "2" << QString::fromUtf8("\xC3\xA9");
    QTest::newRow("apostrophe is u grave") << 40u << "'" << QString::fromUtf8("\xC3\xB9");
    QTest::newRow("backtick is superscript two") << 41u << "`" << QString::fromUtf8("\xC2\xB2");
    QTest::newRow("backslash") << 43u << "\\"
                               << "*";
    QTest::newRow("digit 3 is double quote") << 4u << "3"
                                             << "\"";
    QTest::newRow("M key is comma") << 50u << "M"
                                    << ",";
    QTest::newRow("space") << 57u << "Space"
                           << "espace";
    QTest::newRow("caps lock") << 58u << "CapsLock"
                               << "Verr.maj";
    QTest::newRow("F12 keeps its name") << 88u << "F12"
                                        << "F12";
    QTest::newRow("keypad 9 keeps its name") << 228u << "Num 9"
                                             << "Num 9";
    QTest::newRow("middle mouse button") << 242u << "Middle Button"
                                         << "Middle Button";
    QTest::newRow("print screen") << 55u << "Print Screen"
                                  << "Print Screen";
}

void TestKeyNames::namesInBothLayouts()
{
    QFETCH(unsigned, code);
    QFETCH(QString, defaultName);
    QFETCH(QString, frenchName);
    QCOMPARE(keyName(code, KeyLayout::Default), defaultName);
    QCOMPARE(keyName(code, KeyLayout::French), frenchName);
}

void TestKeyNames::unnamedCodesAreEmpty()
{
    int named = 0;
    for (unsigned code = 0; code < 300; ++code) {
        const bool expectName = (code >= 1 && code <= 83) || code == 87 || code == 88 || (code >= 91 && code <= 93) ||
                                (code >= 224 && code <= 242);
        for (KeyLayout layout : { KeyLayout::Default, KeyLayout::French }) {
            QVERIFY2(keyName(code, layout).isEmpty() != expectName, qPrintable(QString::number(code)));
        }
        named += expectName ? 1 : 0;
    }
    QCOMPARE(named, 107);
}

namespace {
bool g_french = false;
bool frenchQuery()
{
    return g_french;
}
} // namespace

void TestKeyNames::activeLayoutIsAskedOnEveryLookup()
{
    QCOMPARE(keyName(16), QStringLiteral("Q"));
    setFrenchLayoutQuery(&frenchQuery);
    g_french = true;
    QCOMPARE(keyName(16), QStringLiteral("a"));
    g_french = false;
    QCOMPARE(keyName(16), QStringLiteral("Q"));
    setFrenchLayoutQuery(nullptr);
}

void TestKeyNames::everyNamedKeyButTheMouseButtonsConverts()
{
    QSet<int> usages;
    for (unsigned code = 0; code < 256; ++code) {
        if (keyName(code, KeyLayout::Default).isEmpty()) {
            continue;
        }
        int usage = -1;
        const bool mouseButton = code >= 240 && code <= 242;
        QCOMPARE(scanToUsage(code, usage), !mouseButton);
        if (mouseButton) {
            continue;
        }
        int back = -1;
        QVERIFY(usageToScan(static_cast<unsigned>(usage), back));
        QCOMPARE(back, static_cast<int>(code));
        usages.insert(usage);
    }
    QCOMPARE(usages.size(), 104);
    QCOMPARE(keyConversionPairCount(), 104);
}

void TestKeyNames::conversion_data()
{
    QTest::addColumn<unsigned>("code");
    QTest::addColumn<int>("usage");

    QTest::newRow("A") << 30u << 4;
    QTest::newRow("Z") << 44u << 29;
    QTest::newRow("1") << 2u << 30;
    QTest::newRow("0") << 11u << 39;
    QTest::newRow("Enter") << 28u << 40;
    QTest::newRow("F11") << 87u << 68;
    QTest::newRow("Pause Break") << 69u << 72;
    QTest::newRow("Up shares the keypad 8 scan code") << 72u << 82;
    QTest::newRow("Num 8") << 236u << 96;
    QTest::newRow("Num 5") << 76u << 93;
    QTest::newRow("Num De") << 224u << 99;
    QTest::newRow("App") << 93u << 101;
    QTest::newRow("LCtr") << 29u << 224;
    QTest::newRow("RShift") << 54u << 229;
    QTest::newRow("RWindows") << 92u << 231;
}

void TestKeyNames::conversion()
{
    QFETCH(unsigned, code);
    QFETCH(int, usage);
    int gotUsage = -1;
    QVERIFY(scanToUsage(code, gotUsage));
    QCOMPARE(gotUsage, usage);
    int gotCode = -1;
    QVERIFY(usageToScan(static_cast<unsigned>(usage), gotCode));
    QCOMPARE(gotCode, static_cast<int>(code));
}

void TestKeyNames::failedConversionLeavesOutValue()
{
    int value = 77;
    QVERIFY(!scanToUsage(240, value));
    QVERIFY(!scanToUsage(0, value));
    QVERIFY(!usageToScan(50, value)); // the non-US hash key is not in the table
    QVERIFY(!usageToScan(0, value));
    QCOMPARE(value, 77);
}

void TestKeyNames::xkbRulesNamesLayoutField_data()
{
    QTest::addColumn<QByteArray>("property");
    QTest::addColumn<QString>("layout");
    QTest::addColumn<bool>("french");

    QTest::newRow("french") << QByteArray("evdev\0pc105\0fr\0\0", 16) << "fr" << true;
    QTest::newRow("french first of two") << QByteArray("evdev\0pc105\0fr,us\0,\0", 20) << "fr,us" << true;
    QTest::newRow("us") << QByteArray("evdev\0pc105\0us\0\0", 16) << "us" << false;
    QTest::newRow("french second") << QByteArray("evdev\0pc105\0us,fr\0\0", 19) << "us,fr" << false;
    QTest::newRow("too short") << QByteArray("evdev\0pc105", 11) << "" << false;
    QTest::newRow("empty") << QByteArray() << "" << false;
}

void TestKeyNames::xkbRulesNamesLayoutField()
{
    QFETCH(QByteArray, property);
    QFETCH(QString, layout);
    QFETCH(bool, french);
    const QString parsed = layoutFromXkbRulesNames(property);
    QCOMPARE(parsed, layout);
    QCOMPARE(isFrenchLayoutName(parsed), french);
}

QTEST_GUILESS_MAIN(TestKeyNames)
#include "test_key_names.moc"
