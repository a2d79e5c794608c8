// SPDX-License-Identifier: GPL-3.0-or-later
#include "session/app_profile_switcher.h"
#include "storage/app_config.h"
#include "storage/app_profile_rules.h"
#include "storage_sandbox.h"

#include <QSettings>
#include <QtTest>

// Which slot the application in front asks for, and the rules as Config.ini keeps them.

namespace {

ActiveWindow windowOf(const QString& instance, const QString& className, const QString& executable = QString(),
                      quint64 id = 0x400001)
{
    ActiveWindow window;
    window.id = id;
    window.instanceName = instance;
    window.className = className;
    window.executableName = executable;
    return window;
}

AppProfileSettings rules(std::initializer_list<AppProfileRule> list, int defaultSlot = kStayOnCurrentSlot)
{
    AppProfileSettings settings;
    settings.enabled = true;
    settings.defaultSlot = defaultSlot;
    settings.rules = list;
    return settings;
}

void writeRaw(const QList<QPair<QString, QString>>& values)
{
    QSettings file(configIniPath(), QSettings::IniFormat);
    file.remove(QStringLiteral("AppProfiles"));
    for (const auto& [key, value] : values)
        file.setValue(key, value);
    file.sync();
}

} // namespace

class TestAppProfileSwitcher final : public QObject
{
    Q_OBJECT

private slots:
    void matchesInstanceClassOrExecutableIgnoringCase_data();
    void matchesInstanceClassOrExecutableIgnoringCase();
    void theFirstMatchingRuleWins();
    void theDefaultSlotAppliesWhenNoRuleMatches();
    void noSwitchToTheActiveSlotNorWithinOneApplication();
    void ownWindowsAndNewRulesMakeTheNextFocusCount();
    void switchingOffDecidesNothing();
    void rulesRoundTripThroughConfigIni();
    void junkEntriesAreLeftOut();
    void atMostFiftyRulesAreReadOrWritten();
    void aShorterListLeavesNoOldRules();
};

void TestAppProfileSwitcher::matchesInstanceClassOrExecutableIgnoringCase_data()
{
    QTest::addColumn<QString>("match");
    QTest::addColumn<int>("slot");
    QTest::newRow("instance") << "quake3" << 3;
    QTest::newRow("instance, other case") << "QUAKE3" << 3;
    QTest::newRow("class") << "ioquake3" << 3;
    QTest::newRow("class, other case") << "IOQuake3" << 3;
    QTest::newRow("executable") << "ioq3.x86_64" << 3;
    QTest::newRow("a part is no match") << "quake" << 0;
    QTest::newRow("another name") << "editor" << 0;
}

void TestAppProfileSwitcher::matchesInstanceClassOrExecutableIgnoringCase()
{
    QFETCH(QString, match);
    QFETCH(int, slot);
    AppProfileSwitcher switcher;
    switcher.setSettings(rules({ { match, 3 } }));
    const ActiveWindow game =
        windowOf(QStringLiteral("quake3"), QStringLiteral("ioQuake3"), QStringLiteral("ioq3.x86_64"));
    QCOMPARE(switcher.matchingSlot(game), slot);
    QCOMPARE(switcher.slotForFocus(game, 1), slot);
}

void TestAppProfileSwitcher::theFirstMatchingRuleWins()
{
    AppProfileSwitcher switcher;
    switcher.setSettings(rules(
        { { QStringLiteral("Firefox"), 2 }, { QStringLiteral("navigator"), 4 }, { QStringLiteral("firefox"), 5 } }));
    QCOMPARE(switcher.matchingSlot(windowOf(QStringLiteral("Navigator"), QStringLiteral("firefox"))), 2);
    QCOMPARE(switcher.matchingSlot(windowOf(QStringLiteral("Navigator"), QStringLiteral("Other"))), 4);
    // Empty names never match a rule, whatever it holds.
    QCOMPARE(switcher.matchingSlot(windowOf(QString(), QString())), 0);
}

void TestAppProfileSwitcher::theDefaultSlotAppliesWhenNoRuleMatches()
{
    const ActiveWindow editor = windowOf(QStringLiteral("editor"), QStringLiteral("Editor"));
    for (int defaultSlot = kStayOnCurrentSlot; defaultSlot <= kLastAppProfileSlot; ++defaultSlot) {
        AppProfileSwitcher switcher;
        switcher.setSettings(rules({ { QStringLiteral("quake3"), 3 } }, defaultSlot));
        // From slot 3, so that every default but 3 itself is a change.
        QCOMPARE(switcher.slotForFocus(editor, 3), defaultSlot == 3 ? 0 : defaultSlot);
    }
}

void TestAppProfileSwitcher::noSwitchToTheActiveSlotNorWithinOneApplication()
{
    AppProfileSwitcher switcher;
    switcher.setSettings(rules({ { QStringLiteral("quake3"), 3 } }, 1));
    const ActiveWindow game = windowOf(QStringLiteral("quake3"), QStringLiteral("Quake"), {}, 0x400001);
    const ActiveWindow gameMenu = windowOf(QStringLiteral("quake3"), QStringLiteral("Quake"), {}, 0x400007);
    const ActiveWindow editor = windowOf(QStringLiteral("editor"), QStringLiteral("Editor"));
    QCOMPARE(switcher.slotForFocus(game, 3), 0); // already there
    // The user then chose slot 2 by hand: another window of the game leaves it so.
    QCOMPARE(switcher.slotForFocus(gameMenu, 2), 0);
    QCOMPARE(switcher.slotForFocus(editor, 2), 1);
    QCOMPARE(switcher.slotForFocus(game, 1), 3);
}

void TestAppProfileSwitcher::ownWindowsAndNewRulesMakeTheNextFocusCount()
{
    AppProfileSwitcher switcher;
    switcher.setSettings(rules({ { QStringLiteral("quake3"), 3 } }, 1));
    const ActiveWindow game = windowOf(QStringLiteral("quake3"), QStringLiteral("Quake"));
    QCOMPARE(switcher.slotForFocus(game, 1), 3);
    // Back from our own window (where the user chose slot 5): the game asks for its slot again.
    switcher.ownWindowFocused();
    QCOMPARE(switcher.slotForFocus(game, 5), 3);
    // New rules apply to the application in front at its next focus.
    switcher.setSettings(rules({ { QStringLiteral("quake3"), 4 } }, 1));
    QCOMPARE(switcher.slotForFocus(game, 3), 4);
}

void TestAppProfileSwitcher::switchingOffDecidesNothing()
{
    AppProfileSwitcher switcher;
    AppProfileSettings off = rules({ { QStringLiteral("quake3"), 3 } }, 1);
    off.enabled = false;
    switcher.setSettings(off);
    QCOMPARE(switcher.slotForFocus(windowOf(QStringLiteral("quake3"), QString()), 1), 0);
    QCOMPARE(switcher.slotForFocus(windowOf(QStringLiteral("editor"), QString()), 3), 0);
}

void TestAppProfileSwitcher::rulesRoundTripThroughConfigIni()
{
    StorageSandbox sandbox;
    QVERIFY(sandbox.isValid());
    // Nothing stored: off, staying on the slot, no rules.
    QCOMPARE(readAppProfileSettings(), AppProfileSettings{});

    const AppProfileSettings written = rules({ { QStringLiteral("quake3"), 3 }, { QStringLiteral("Blender"), 5 } }, 2);
    QCOMPARE(writeAppProfileSettings(written), StorageResult::Ok);
    QCOMPARE(readAppProfileSettings(), written);
    const QSettings file(configIniPath(), QSettings::IniFormat);
    QCOMPARE(file.value(QStringLiteral("AppProfiles/Enabled")).toInt(), 1);
    QCOMPARE(file.value(QStringLiteral("AppProfiles/Default")).toInt(), 2);
    QCOMPARE(file.value(QStringLiteral("AppProfiles/Count")).toInt(), 2);
    QCOMPARE(file.value(QStringLiteral("AppProfiles/2_Match")).toString(), QStringLiteral("Blender"));
    QCOMPARE(file.value(QStringLiteral("AppProfiles/2_Slot")).toInt(), 5);
    // The rest of the file stays.
    QCOMPARE(file.value(QStringLiteral("FONT_LIST/LANGNUM")).toInt(), 3);
}

void TestAppProfileSwitcher::junkEntriesAreLeftOut()
{
    StorageSandbox sandbox;
    QVERIFY(sandbox.isValid());
    writeRaw({ { QStringLiteral("AppProfiles/Enabled"), QStringLiteral("yes") },
               { QStringLiteral("AppProfiles/Default"), QStringLiteral("9") },
               { QStringLiteral("AppProfiles/Count"), QStringLiteral("6") },
               { QStringLiteral("AppProfiles/1_Match"), QStringLiteral(" quake3 ") },
               { QStringLiteral("AppProfiles/1_Slot"), QStringLiteral("3") },
               { QStringLiteral("AppProfiles/2_Match"), QStringLiteral("editor") },
               { QStringLiteral("AppProfiles/2_Slot"), QStringLiteral("6") },
               { QStringLiteral("AppProfiles/3_Match"), QStringLiteral("") },
               { QStringLiteral("AppProfiles/3_Slot"), QStringLiteral("2") },
               { QStringLiteral("AppProfiles/4_Match"), QStringLiteral("../bin/sh") },
               { QStringLiteral("AppProfiles/4_Slot"), QStringLiteral("2") },
               { QStringLiteral("AppProfiles/5_Match"), QStringLiteral("blender") },
               { QStringLiteral("AppProfiles/5_Slot"), QStringLiteral("two") },
               { QStringLiteral("AppProfiles/6_Match"), QStringLiteral("gimp") },
               { QStringLiteral("AppProfiles/6_Slot"), QStringLiteral("4") } });
    const AppProfileSettings read = readAppProfileSettings();
    QCOMPARE(read.enabled, false);
    QCOMPARE(read.defaultSlot, kStayOnCurrentSlot);
    const QVector<AppProfileRule> expected{ { QStringLiteral("quake3"), 3 }, { QStringLiteral("gimp"), 4 } };
    QCOMPARE(read.rules, expected);

    writeRaw({ { QStringLiteral("AppProfiles/Enabled"), QStringLiteral("1") },
               { QStringLiteral("AppProfiles/Count"), QStringLiteral("many") },
               { QStringLiteral("AppProfiles/1_Match"), QStringLiteral("quake3") },
               { QStringLiteral("AppProfiles/1_Slot"), QStringLiteral("3") } });
    QVERIFY(readAppProfileSettings().enabled);
    QVERIFY(readAppProfileSettings().rules.isEmpty());
}

void TestAppProfileSwitcher::atMostFiftyRulesAreReadOrWritten()
{
    StorageSandbox sandbox;
    QVERIFY(sandbox.isValid());
    QList<QPair<QString, QString>> values{ { QStringLiteral("AppProfiles/Count"), QStringLiteral("2000000000") } };
    for (int i = 1; i <= kMaxAppProfileRules + 1; ++i) {
        values.append({ QStringLiteral("AppProfiles/%1_Match").arg(i), QStringLiteral("app%1").arg(i) });
        values.append({ QStringLiteral("AppProfiles/%1_Slot").arg(i), QStringLiteral("1") });
    }
    writeRaw(values);
    const AppProfileSettings read = readAppProfileSettings();
    QCOMPARE(read.rules.size(), kMaxAppProfileRules);
    QCOMPARE(read.rules.last().match, QStringLiteral("app%1").arg(kMaxAppProfileRules));

    AppProfileSettings many = read;
    many.rules.append({ QStringLiteral("one too many"), 2 });
    QCOMPARE(writeAppProfileSettings(many), StorageResult::Ok);
    QCOMPARE(readAppProfileSettings().rules, read.rules);
}

void TestAppProfileSwitcher::aShorterListLeavesNoOldRules()
{
    StorageSandbox sandbox;
    QVERIFY(sandbox.isValid());
    QCOMPARE(writeAppProfileSettings(
                 rules({ { QStringLiteral("a"), 1 }, { QStringLiteral("b"), 2 }, { QStringLiteral("c"), 3 } })),
             StorageResult::Ok);
    QCOMPARE(writeAppProfileSettings(rules({ { QStringLiteral("c"), 3 } })), StorageResult::Ok);
    const QSettings file(configIniPath(), QSettings::IniFormat);
    QVERIFY(!file.contains(QStringLiteral("AppProfiles/2_Match")));
    QVERIFY(!file.contains(QStringLiteral("AppProfiles/3_Slot")));
    QCOMPARE(readAppProfileSettings().rules, QVector<AppProfileRule>({ { QStringLiteral("c"), 3 } }));
}

QTEST_GUILESS_MAIN(TestAppProfileSwitcher)
#include "test_app_profile_switcher.moc"
