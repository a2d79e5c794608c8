// SPDX-License-Identifier: GPL-3.0-or-later
#include "buttons/function_catalogue.h"
#include "buttons/function_encoding.h"
#include "buttons/function_summary.h"
#include "storage/macro_files.h"
#include "storage_sandbox.h"

#include <QtTest>
#include <functional>

Q_DECLARE_METATYPE(ButtonEntry)

namespace {

constexpr int kKeyF5 = 63;
constexpr int kKeyA = 30;
constexpr int kShift = 42;
constexpr int kCtrl = 29;
constexpr int kRightCtrl = 238;
constexpr int kUsageF = 0x09;

ButtonEntry entry(int fun, const std::function<void(ButtonEntry&)>& fill = {})
{
    ButtonEntry button;
    button.Fun = fun;
    if (fill)
        fill(button);
    return button;
}

ButtonEntry combo(std::initializer_list<unsigned> keys)
{
    return entry(FunctionCode::ComboKey, [keys](ButtonEntry& button) {
        int position = 0;
        for (unsigned key : keys)
            insertComboPair(button, position++, key);
    });
}

ButtonEntry fireKey(int target, int shots, int intervalMs)
{
    return entry(FunctionCode::FireKey, [=](ButtonEntry& button) {
        button.Res1 = quint8(target);
        button.LoopNumber = shots;
        button.KeyNumber = intervalMs;
    });
}

ButtonEntry macro(int fun, const QString& name, int loopMode, int runs)
{
    return entry(fun, [=](ButtonEntry& button) {
        button.macroname = name;
        button.Res1 = quint8(loopMode);
        button.LoopNumber = runs;
    });
}

} // namespace

class TestFunctionSummary final : public QObject
{
    Q_OBJECT

private slots:
    void summaries_data();
    void summaries();
    void missingMacroFiles();
};

void TestFunctionSummary::summaries_data()
{
    QTest::addColumn<ButtonEntry>("button");
    QTest::addColumn<bool>("missing");
    QTest::addColumn<QString>("summary");

    QTest::newRow("a single key names its key")
        << entry(FunctionCode::SingleKey, [](ButtonEntry& button) { button.Res1 = kKeyF5; }) << false << "F5";
    QTest::newRow("a single key without a key keeps the function's name")
        << entry(FunctionCode::SingleKey) << false << "SINGLE KEY";
    QTest::newRow("a combination as the combo dialog shows it")
        << combo({ kShift, kCtrl, kKeyA }) << false << "LShift + LCtr + A";
    QTest::newRow("a combination stored in another order reads the same")
        << combo({ kCtrl, kShift, kKeyA }) << false << "LShift + LCtr + A";
    QTest::newRow("a right-hand modifier is sent, and named, as the left-hand one")
        << combo({ kRightCtrl, kKeyA }) << false << "LCtr + A";
    QTest::newRow("an empty combination keeps the function's name") << combo({}) << false << "COMBO KEY";
    QTest::newRow("fire key on the middle button") << fireKey(0x84, 10, 35) << false << "Fire: Middle ×10, 35 ms";
    QTest::newRow("fire key on the right button") << fireKey(0x82, 3, 100) << false << "Fire: Right ×3, 100 ms";
    QTest::newRow("fire key on a keyboard key") << fireKey(kUsageF, 255, 1) << false << "Fire: F ×255, 1 ms";
    QTest::newRow("fire key without a target tells what its bytes send")
        << fireKey(0, 7, 50) << false << "Fire: Left ×3, 0 ms";
    QTest::newRow("sniper level") << entry(FunctionCode::Sniper, [](ButtonEntry& button) { button.Res1 = 4; }) << false
                                  << "Sniper: level 4";
    QTest::newRow("counted macro runs") << macro(FunctionCode::Macro, "burst", 0, 2) << false << "Macro: burst ×2";
    QTest::newRow("a macro repeated while held has no count")
        << macro(FunctionCode::Macro, "burst", 1, 2) << false << "Macro: burst";
    QTest::newRow("a macro repeated until pressed again has no count")
        << macro(FunctionCode::Macro, "burst", 2, 2) << false << "Macro: burst";
    QTest::newRow("a name with a placeholder stays as it is")
        << macro(FunctionCode::Macro, "50%2", 0, 9) << false << "Macro: 50%2 ×9";
    QTest::newRow("counted gun file") << macro(FunctionCode::GunFile, "recoil", 0, 1) << false << "Gun: recoil ×1";
    QTest::newRow("a macro without its file")
        << macro(FunctionCode::Macro, "burst", 0, 2) << true << "Macro: burst (missing)";
    QTest::newRow("a gun file without its file")
        << macro(FunctionCode::GunFile, "recoil", 1, 2) << true << "Gun: recoil (missing)";
    QTest::newRow("a macro entry without a name")
        << macro(FunctionCode::Macro, "", 0, 1) << true << "Macro Manager (missing)";
    QTest::newRow("a plain function") << entry(48) << false << "DPI +";
    QTest::newRow("a code without a name") << entry(60) << false << "Function 60";
}

void TestFunctionSummary::summaries()
{
    QFETCH(ButtonEntry, button);
    QFETCH(bool, missing);
    QFETCH(QString, summary);
    QCOMPARE(functionSummary(button, missing), summary);
}

void TestFunctionSummary::missingMacroFiles()
{
    StorageSandbox sandbox;
    QVERIFY(sandbox.isValid());
    MacroFile file;
    file.events = { { MacroKind::KeyPress, 4, 0 }, { MacroKind::KeyRelease, 4, 0 } };
    QCOMPARE(saveMacro(QStringLiteral("burst"), file), MacroResult::Ok);

    QVERIFY(!macroFileMissing(macro(FunctionCode::Macro, "burst", 0, 1)));
    QVERIFY(!macroFileMissing(macro(FunctionCode::GunFile, "burst", 0, 1)));
    QVERIFY(macroFileMissing(macro(FunctionCode::Macro, "gone", 0, 1)));
    QVERIFY(macroFileMissing(macro(FunctionCode::GunFile, "gone", 0, 1)));
    // A name that would leave the macro folder names no macro of the library.
    QVERIFY(macroFileMissing(macro(FunctionCode::Macro, "../MacroDB/burst", 0, 1)));
    // Only macro functions have a file to miss.
    QVERIFY(!macroFileMissing(macro(FunctionCode::SingleKey, "gone", 0, 1)));
}

QTEST_GUILESS_MAIN(TestFunctionSummary)
#include "test_function_summary.moc"
