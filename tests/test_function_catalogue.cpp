// SPDX-License-Identifier: GPL-3.0-or-later
#include "buttons/function_catalogue.h"
#include "buttons/function_encoding.h"
#include "buttons/function_rules.h"
#include "storage/macro_files.h"
#include "storage/paths.h"
#include "storage_sandbox.h"

#include <QSet>
#include <QtTest>
#include <memory>

Q_DECLARE_METATYPE(DeviceBytes)

namespace {

constexpr int kShift = 0x2A;
constexpr int kCtrl = 0x1D;
constexpr int kKeyA = 30;

ButtonEntry entryWith(int fun)
{
    ButtonEntry entry;
    entry.Fun = fun;
    return entry;
}

ProfileButtons buttonsWithLeftOn(std::initializer_list<int> leftSlots)
{
    ProfileButtons buttons{};
    for (int slot : leftSlots) {
        buttons[slot].Fun = FunctionCode::Left;
    }
    return buttons;
}

} // namespace

class TestFunctionCatalogue final : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void deviceTableHoldsTheFiftyEightRows();
    void plainRowsAndUnknownCodes_data();
    void plainRowsAndUnknownCodes();
    void parameterisedBytes_data();
    void parameterisedBytes();
    void sniperCodePerSensor_data();
    void sniperCodePerSensor();
    void comboTriplesAreNested();
    void comboPairInsertShiftsAndDropsTheTail();
    void labels();
    void leftClickRule();
    void gunFileNotOnTheFirstSlot();
    void macroSelectionNeedsALibrary();
    void macroAssignmentCopiesTheFileEvents();
    void macroSelectionOfTheFileSettings_data();
    void macroSelectionOfTheFileSettings();
    void menusOfferByGroupAndProductSwitches();

private:
    std::unique_ptr<StorageSandbox> m_sandbox;
};

void TestFunctionCatalogue::init()
{
    m_sandbox = std::make_unique<StorageSandbox>(StorageSandbox::Product::None);
    QVERIFY(m_sandbox->isValid());
}

void TestFunctionCatalogue::cleanup()
{
    m_sandbox.reset();
}

void TestFunctionCatalogue::deviceTableHoldsTheFiftyEightRows()
{
    QSet<int> codes;
    for (const FunctionEntry& entry : functionCatalogue()) {
        codes.insert(entry.code);
    }
    QCOMPARE(functionCatalogue().size(), std::size_t(58));
    QCOMPARE(codes.size(), 58);
    QCOMPARE(functionCatalogue().front().code, FunctionCode::Left);
    QCOMPARE(QString::fromLatin1(findFunction(FunctionCode::LedSwitch)->menuText), QStringLiteral("LED SWITCH"));
    QCOMPARE(QString::fromLatin1(findFunction(FunctionCode::LedSwitch)->name), QStringLiteral("Led Switch"));
}

void TestFunctionCatalogue::plainRowsAndUnknownCodes_data()
{
    QTest::addColumn<int>("code");
    QTest::addColumn<DeviceBytes>("bytes");
    QTest::newRow("Left") << 1 << DeviceBytes{ 0x81, 0, 0, 0 };
    QTest::newRow("Back") << 5 << DeviceBytes{ 0x84, 0, 0, 0 };
    QTest::newRow("Cut is Ctrl+X") << 17 << DeviceBytes{ 0x8F, 0x01, 0x1B, 0x00 };
    QTest::newRow("Close Window is Alt+F4") << 26 << DeviceBytes{ 0x8F, 0x04, 0x3D, 0x00 };
    QTest::newRow("Browser Home") << 31 << DeviceBytes{ 0x8E, 0x01, 0x23, 0x02 };
    QTest::newRow("Mail") << 38 << DeviceBytes{ 0x8E, 0x01, 0x8A, 0x01 };
    QTest::newRow("Boss Key") << 62 << DeviceBytes{ 0x8F, 0x08, 0x10, 0x00 };
    QTest::newRow("Rate Switch") << 63 << DeviceBytes{ 0x97, 0x01, 0, 0 };
    QTest::newRow("Led Switch") << 54 << DeviceBytes{ 0x9B, 0x08, 0, 0 };
    QTest::newRow("hidden 13") << 13 << DeviceBytes{ 0x30, 0, 0, 0 };
    QTest::newRow("hidden 61") << 61 << DeviceBytes{ 0xA0, 0, 0, 0 };
    QTest::newRow("not in the table") << 14 << DeviceBytes{ 0, 0, 0, 0 };
    QTest::newRow("negative code") << -3 << DeviceBytes{ 0, 0, 0, 0 };
}

void TestFunctionCatalogue::plainRowsAndUnknownCodes()
{
    QFETCH(int, code);
    QFETCH(DeviceBytes, bytes);
    ButtonEntry entry = entryWith(code);
    entry.Res1 = 9; // parameters of other functions must not leak into plain rows
    entry.LoopNumber = 77;
    QCOMPARE(deviceBytes(entry, {}), bytes);
}

void TestFunctionCatalogue::parameterisedBytes_data()
{
    QTest::addColumn<int>("fun");
    QTest::addColumn<int>("res1");
    QTest::addColumn<int>("loopNumber");
    QTest::addColumn<int>("keyNumber");
    QTest::addColumn<int>("macroSlot");
    QTest::addColumn<DeviceBytes>("bytes");

    QTest::newRow("fire middle, 10 shots, 35 ms")
        << 12 << 0x84 << 10 << 35 << 0 << DeviceBytes{ 0x99, 0x84, 0x0A, 0x03 };
    QTest::newRow("fire without a target") << 12 << 0 << 10 << 35 << 0 << DeviceBytes{ 0x99, 0x81, 0x03, 0x00 };
    QTest::newRow("fire key byte modulo 256")
        << 12 << 0x04 << 300 << 2599 << 0 << DeviceBytes{ 0x99, 0x04, 0x2C, 0x03 };
    QTest::newRow("macro repeat while held in slot 2")
        << 200 << 1 << 5 << 0 << 2 << DeviceBytes{ 0x91, 0x82, 0xFF, 0xFF };
    QTest::newRow("macro until pressed") << 200 << 2 << 5 << 0 << 3 << DeviceBytes{ 0x91, 0x43, 0xFF, 0xFF };
    QTest::newRow("macro counted loops") << 200 << 0 << 0x1234 << 0 << 1 << DeviceBytes{ 0x91, 0x01, 0x34, 0x12 };
    QTest::newRow("macro loop count low 16 bits")
        << 200 << 0 << 0x12345 << 0 << 0 << DeviceBytes{ 0x91, 0x00, 0x45, 0x23 };
    QTest::newRow("unknown loop mode runs counted") << 200 << 7 << 3 << 0 << 4 << DeviceBytes{ 0x91, 0x04, 0x03, 0x00 };
    QTest::newRow("gun file") << 510 << 1 << 0 << 0 << 0 << DeviceBytes{ 0x9D, 0x80, 0xFF, 0xFF };
    QTest::newRow("single key A") << 6 << kKeyA << 0 << 0 << 0 << DeviceBytes{ 0x90, 0x00, 0x04, 0x00 };
    QTest::newRow("single key without usage") << 6 << 240 << 0 << 0 << 0 << DeviceBytes{ 0x90, 0x00, 0x00, 0x00 };
}

void TestFunctionCatalogue::parameterisedBytes()
{
    QFETCH(int, fun);
    QFETCH(int, res1);
    QFETCH(int, loopNumber);
    QFETCH(int, keyNumber);
    QFETCH(int, macroSlot);
    QFETCH(DeviceBytes, bytes);
    ButtonEntry entry = entryWith(fun);
    entry.Res1 = static_cast<quint8>(res1);
    entry.LoopNumber = loopNumber;
    entry.KeyNumber = keyNumber;
    QCOMPARE(deviceBytes(entry, { 0, macroSlot }), bytes);
}

void TestFunctionCatalogue::sniperCodePerSensor_data()
{
    QTest::addColumn<int>("sensor");
    QTest::addColumn<int>("index");
    QTest::addColumn<int>("code");
    QTest::newRow("3104 takes the index") << 3104 << 20 << 20;
    QTest::newRow("3212 takes the index") << 3212 << 40 << 40;
    QTest::newRow("3389 takes the index") << 3389 << 200 << 200;
    QTest::newRow("3360 index minus one") << 3360 << 8 << 7;
    QTest::newRow("3325 table T") << 3325 << 5 << 11;
    QTest::newRow("3327 table A") << 3327 << 61 << 140;
    QTest::newRow("3335 table R") << 3335 << 8 << 9;
    QTest::newRow("3335 table R end") << 3335 << 160 << 188;
    QTest::newRow("31042 has no sniper table") << 31042 << 20 << 4;
    QTest::newRow("33252 has no sniper table") << 33252 << 5 << 4;
    QTest::newRow("3395") << 3395 << 30 << 4;
    QTest::newRow("3399") << 3399 << 30 << 4;
    QTest::newRow("no sensor") << 0 << 30 << 4;
}

void TestFunctionCatalogue::sniperCodePerSensor()
{
    QFETCH(int, sensor);
    QFETCH(int, index);
    QFETCH(int, code);
    ButtonEntry entry = entryWith(FunctionCode::Sniper);
    entry.Res1 = static_cast<quint8>(index);
    const quint8 c = static_cast<quint8>(code);
    QCOMPARE(deviceBytes(entry, { sensor, 0 }), (DeviceBytes{ 0x9A, 0x01, c, c }));
}

void TestFunctionCatalogue::comboTriplesAreNested()
{
    ProfileButtons buttons = buttonsWithLeftOn({ 0 });
    QCOMPARE(chooseComboKeys(buttons, 4, { kShift, kCtrl, kKeyA }), FunctionChange::Applied);
    const ButtonEntry& entry = buttons[4];
    QCOMPARE(entry.Fun, FunctionCode::ComboKey);
    const QVector<KeyInfo> expected = { { 225, 5, 0x80 }, { 224, 5, 0x80 }, { 4, 5, 0x80 },
                                        { 4, 5, 0x00 },   { 224, 5, 0x00 }, { 225, 5, 0x00 } };
    for (int j = 0; j < expected.size(); ++j) {
        QCOMPARE(entry.KeyInfo[j], expected.at(j));
    }
    QCOMPARE(entry.KeyInfo[6], KeyInfo{});
    QCOMPARE(deviceBytes(entry, {}), (DeviceBytes{ 0x8F, 0x03, 0x04, 0x00 }));

    // A usage that is no key code of ours still counts as the key.
    ButtonEntry foreign = entryWith(FunctionCode::ComboKey);
    foreign.KeyInfo[0] = { 225, 5, 0x80 };
    foreign.KeyInfo[1] = { 0x32, 5, 0x80 };
    foreign.KeyInfo[2] = { 0x32, 5, 0x00 };
    foreign.KeyInfo[3] = { 225, 5, 0x00 };
    QCOMPARE(deviceBytes(foreign, {}), (DeviceBytes{ 0x8F, 0x02, 0x32, 0x00 }));

    // Only the first ten triples count.
    ButtonEntry late = entryWith(FunctionCode::ComboKey);
    late.KeyInfo[10] = { 4, 5, 0x80 };
    QCOMPARE(deviceBytes(late, {}), (DeviceBytes{ 0x8F, 0x00, 0x00, 0x00 }));
}

void TestFunctionCatalogue::comboPairInsertShiftsAndDropsTheTail()
{
    ButtonEntry entry;
    for (int j = 0; j < kKeySlotCount; ++j) {
        entry.KeyInfo[j] = { static_cast<quint8>(j + 1), 0, 0 };
    }
    insertComboPair(entry, 1, kKeyA);
    QCOMPARE(entry.KeyInfo[0].map, quint8(1));
    QCOMPARE(entry.KeyInfo[1], (KeyInfo{ 4, 5, 0x80 }));
    QCOMPARE(entry.KeyInfo[2], (KeyInfo{ 4, 5, 0x00 }));
    QCOMPARE(entry.KeyInfo[3].map, quint8(2));
    QCOMPARE(entry.KeyInfo[62].map, quint8(61));

    const ButtonEntry before = entry;
    insertComboPair(entry, 63, kKeyA);
    insertComboPair(entry, -1, kKeyA);
    QVERIFY(entry == before);
    insertComboPair(entry, 62, kKeyA);
    QCOMPARE(entry.KeyInfo[62], (KeyInfo{ 4, 5, 0x80 }));
}

void TestFunctionCatalogue::labels()
{
    ButtonEntry entry;
    entry.macroname = QStringLiteral("burst");
    QCOMPARE(functionName(FunctionCode::Macro, entry), QStringLiteral("burst"));
    QCOMPARE(functionName(FunctionCode::GunFile, entry), QStringLiteral("burst"));
    QCOMPARE(functionName(48, entry), QStringLiteral("DPI +"));
    QCOMPARE(functionName(FunctionCode::LedSwitch, entry), QStringLiteral("Led Switch"));
    QCOMPARE(functionName(60, entry), QStringLiteral("Function 60"));
    QCOMPARE(functionName(0, entry), QStringLiteral("Button Off"));
    QCOMPARE(functionName(999, entry), QStringLiteral("Function 999"));
}

void TestFunctionCatalogue::leftClickRule()
{
    ProfileButtons buttons = buttonsWithLeftOn({ 0 });
    buttons[1].Fun = FunctionCode::Right;
    QCOMPARE(choosePlainFunction(buttons, 0, FunctionCode::Right), FunctionChange::RefusedLastLeftClick);
    QCOMPARE(chooseSingleKey(buttons, 0, kKeyA), FunctionChange::RefusedLastLeftClick);
    QCOMPARE(buttons[0].Fun, FunctionCode::Left);
    QCOMPARE(buttons[0].Res1, quint8(0));

    QCOMPARE(choosePlainFunction(buttons, 0, FunctionCode::Left), FunctionChange::Applied);
    QCOMPARE(choosePlainFunction(buttons, 3, FunctionCode::Left), FunctionChange::Applied);
    QCOMPARE(choosePlainFunction(buttons, 0, FunctionCode::Right), FunctionChange::Applied);
    QCOMPARE(buttons[0].Fun, FunctionCode::Right);
    QCOMPARE(choosePlainFunction(buttons, 3, 48), FunctionChange::RefusedLastLeftClick);

    // A wheel slot counts as a left click too.
    buttons[41].Fun = FunctionCode::Left;
    QCOMPARE(chooseFireKey(buttons, 3, 0x81, 5, 40), FunctionChange::Applied);
    QCOMPARE(buttons[3].Fun, FunctionCode::FireKey);
    QCOMPARE(buttons[3].LoopNumber, 5);
    QCOMPARE(buttons[3].KeyNumber, 40);
}

void TestFunctionCatalogue::gunFileNotOnTheFirstSlot()
{
    ProfileButtons buttons = buttonsWithLeftOn({ 0, 2 });
    QCOMPARE(checkMacroSelection(buttons, 0, FunctionCode::GunFile, 3), FunctionChange::RefusedGunFileOnFirstSlot);
    QCOMPARE(chooseMacro(buttons, 0, FunctionCode::GunFile, "g", 1, 0), FunctionChange::RefusedGunFileOnFirstSlot);
    QCOMPARE(buttons[0].Fun, FunctionCode::Left);
    QCOMPARE(checkMacroSelection(buttons, 1, FunctionCode::GunFile, 3), FunctionChange::Applied);

    // The first slot's warning comes even when it holds the last left click.
    ProfileButtons onlyLeft = buttonsWithLeftOn({ 0 });
    QCOMPARE(checkMacroSelection(onlyLeft, 0, FunctionCode::GunFile, 3), FunctionChange::RefusedGunFileOnFirstSlot);
    QCOMPARE(chooseMacro(onlyLeft, 0, FunctionCode::GunFile, "g", 1, 0), FunctionChange::RefusedGunFileOnFirstSlot);
    QCOMPARE(checkMacroSelection(onlyLeft, 0, FunctionCode::Macro, 3), FunctionChange::RefusedLastLeftClick);
}

void TestFunctionCatalogue::macroSelectionNeedsALibrary()
{
    ProfileButtons buttons = buttonsWithLeftOn({ 0 });
    QCOMPARE(checkMacroSelection(buttons, 2, FunctionCode::Macro, 0), FunctionChange::NeedsMacroLibrary);
    QCOMPARE(checkMacroSelection(buttons, 2, FunctionCode::Macro, 1), FunctionChange::Applied);
    QCOMPARE(checkMacroSelection(buttons, 2, FunctionCode::GunFile, 0), FunctionChange::NeedsMacroLibrary);
    QCOMPARE(checkMacroSelection(buttons, 0, FunctionCode::Macro, 1), FunctionChange::RefusedLastLeftClick);
}

void TestFunctionCatalogue::macroAssignmentCopiesTheFileEvents()
{
    MacroFile macro;
    macro.events = { { MacroKind::KeyPress, 4, 0 }, { MacroKind::Delay, 3, 1 }, { MacroKind::KeyRelease, 4, 0 } };
    QCOMPARE(saveMacro("abc", macro), MacroResult::Ok);

    ProfileButtons buttons = buttonsWithLeftOn({ 0 });
    buttons[5].KeyInfo[3] = { 9, 9, 9 };
    QCOMPARE(chooseMacro(buttons, 5, FunctionCode::Macro, "abc", 4, 1), FunctionChange::Applied);
    const ButtonEntry& entry = buttons[5];
    QCOMPARE(entry.Fun, FunctionCode::Macro);
    QCOMPARE(entry.macroname, QStringLiteral("abc"));
    QCOMPARE(entry.LoopNumber, 4);
    QCOMPARE(entry.Res1, quint8(1));
    QCOMPARE(entry.KeyNumber, 3);
    QCOMPARE(entry.KeyInfo[0], (KeyInfo{ MacroKind::KeyPress, 4, 0 }));
    QCOMPARE(entry.KeyInfo[1], (KeyInfo{ MacroKind::Delay, 3, 1 }));
    QCOMPARE(entry.KeyInfo[2], (KeyInfo{ MacroKind::KeyRelease, 4, 0 }));
    QCOMPARE(entry.KeyInfo[3], (KeyInfo{ 9, 9, 9 }));

    // A long file fills the 63 triples and no more; the count stays the file's.
    macro.events.fill({ MacroKind::Move, 1, 0 }, 80);
    QCOMPARE(saveMacro("long", macro), MacroResult::Ok);
    QCOMPARE(chooseMacro(buttons, 6, FunctionCode::GunFile, "long", 1, 0), FunctionChange::Applied);
    QCOMPARE(buttons[6].KeyNumber, 80);
    QCOMPARE(buttons[6].KeyInfo[62], (KeyInfo{ MacroKind::Move, 1, 0 }));

    // Opening the selection again starts from the button's choice; another function starts afresh.
    const MacroSelection again = macroSelectionPreset(buttons[5], FunctionCode::Macro);
    QCOMPARE(again.name, QStringLiteral("abc"));
    QCOMPARE(again.runs, 4);
    QCOMPARE(again.loopMode, 1);
    const MacroSelection fresh = macroSelectionPreset(buttons[5], FunctionCode::GunFile);
    QVERIFY(fresh.name.isEmpty());
    QCOMPARE(fresh.runs, 1);
    QCOMPARE(fresh.loopMode, 0);

    QCOMPARE(chooseMacro(buttons, 7, FunctionCode::Macro, "missing", 1, 0), FunctionChange::Applied);
    QCOMPARE(buttons[7].Fun, FunctionCode::Macro);
    QCOMPARE(buttons[7].KeyNumber, 0);
}

void TestFunctionCatalogue::macroSelectionOfTheFileSettings_data()
{
    QTest::addColumn<int>("loopType");
    QTest::addColumn<int>("loopTime");
    QTest::addColumn<int>("mode");
    QTest::addColumn<int>("runs");
    QTest::newRow("counted runs") << 1 << 7 << 0 << 7;
    QTest::newRow("no loop option chosen counts too") << 0 << 3 << 0 << 3;
    QTest::newRow("repeat while held") << 2 << 9 << 1 << 9;
    QTest::newRow("repeat until pressed again") << 3 << 0 << 2 << 1;
    QTest::newRow("a count of 0 is one run") << 1 << 0 << 0 << 1;
    QTest::newRow("the highest count") << 1 << 255 << 0 << 255;
    QTest::newRow("a count above 255 is one run") << 1 << 256 << 0 << 1;
    QTest::newRow("an unknown loop type counts") << 9 << 4 << 0 << 4;
}

void TestFunctionCatalogue::macroSelectionOfTheFileSettings()
{
    QFETCH(int, loopType);
    QFETCH(int, loopTime);
    QFETCH(int, mode);
    QFETCH(int, runs);
    MacroFile macro;
    macro.loopType = loopType;
    macro.loopTime = loopTime;
    const MacroSelection selection = macroSelectionOfFile(QStringLiteral("burst"), macro);
    QCOMPARE(selection.name, QStringLiteral("burst"));
    QCOMPARE(selection.loopMode, mode);
    QCOMPARE(selection.runs, runs);
}

void TestFunctionCatalogue::menusOfferByGroupAndProductSwitches()
{
    QSet<int> functionMenu;
    QSet<int> wheelMenu;
    QSet<int> withoutMacroAndLed;
    for (const FunctionEntry& entry : functionCatalogue()) {
        if (isOfferedInMenu(entry, 0, false, false)) {
            functionMenu.insert(entry.code);
        }
        if (isOfferedInMenu(entry, 2, true, true)) {
            wheelMenu.insert(entry.code);
        }
        if (isOfferedInMenu(entry, 1, true, true)) {
            withoutMacroAndLed.insert(entry.code);
        }
    }
    QCOMPARE(wheelMenu, (QSet<int>{ 52, 53, 43, 44, 1, 2, 3, 4, 5, 6, 7 }));
    QVERIFY(functionMenu.contains(FunctionCode::Macro));
    QVERIFY(functionMenu.contains(FunctionCode::LedSwitch));
    for (int code : { 57, 58, 59, 52, 53, 13, 60, 61 }) {
        QVERIFY2(!functionMenu.contains(code), qPrintable(QString::number(code)));
    }
    QCOMPARE(functionMenu.size(), 58 - 8);
    QCOMPARE(withoutMacroAndLed, (functionMenu - QSet<int>{ FunctionCode::Macro, FunctionCode::LedSwitch }));
    QCOMPARE(buttonGroupOfSlot(19), 0);
    QCOMPARE(buttonGroupOfSlot(20), 1);
    QCOMPARE(buttonGroupOfSlot(41), 2);
}

QTEST_GUILESS_MAIN(TestFunctionCatalogue)
#include "test_function_catalogue.moc"
