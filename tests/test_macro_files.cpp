#include "full_disk.h"
#include "storage/file_names.h"
#include "storage/macro_files.h"
#include "storage/paths.h"
#include "storage_sandbox.h"

#include <QDir>
#include <QFile>
#include <QSettings>
#include <QTemporaryDir>
#include <QtTest>
#include <memory>

Q_DECLARE_METATYPE(MacroResult)

namespace QTest {
template<>
char* toString(const MacroResult& result)
{
    return qstrdup(QByteArray::number(int(result)));
}
} // namespace QTest

class TestMacroFiles final : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void saveAndLoadKeepEveryEvent();
    void shorterSaveLeavesOldKeysThatReadersIgnore();
    void missingOrDamagedFileLoadsEmpty();
    void delayCount_data();
    void delayCount();
    void listCountAddRemoveRename();
    void newNameTakesTheSmallestFreeNumber();
    void fullLibraryRefusesANewMacro();
    void renameMovesFileAndEntry();
    void namesThatLeaveTheFolderAreRefused_data();
    void namesThatLeaveTheFolderAreRefused();
    void importRefusesWhatItCannotTake_data();
    void importRefusesWhatItCannotTake();
    void exportReplacesWholeOrNotAtAll();
    void failedListWritesKeepTheFiles();

private:
    void fillList(int count);
    std::unique_ptr<StorageSandbox> m_sandbox;
};

void TestMacroFiles::init()
{
    m_sandbox = std::make_unique<StorageSandbox>(StorageSandbox::Product::None);
    QVERIFY(m_sandbox->isValid());
}

void TestMacroFiles::cleanup()
{
    m_sandbox.reset();
}

void TestMacroFiles::fillList(int count)
{
    QSettings config(configDir() + "/Config.ini", QSettings::IniFormat);
    for (int i = 0; i < count; ++i) {
        config.setValue(QStringLiteral("MACRO_LIST/%1").arg(i), QStringLiteral("m%1").arg(i));
    }
}

void TestMacroFiles::saveAndLoadKeepEveryEvent()
{
    MacroFile macro;
    macro.defaultDelay = 30;
    macro.delayType = 2;
    macro.loopType = 1;
    macro.loopTime = 7;
    macro.events = { { MacroKind::ButtonPress, 1, 0 },   { MacroKind::Delay, 2, 0 },
                     { MacroKind::ButtonRelease, 1, 0 }, { MacroKind::Move, 251, 0 },
                     { MacroKind::KeyPress, 4, 0 },      { MacroKind::KeyRelease, 4, 0 },
                     { MacroKind::Delay, 0x2C, 0x01 } };
    QCOMPARE(saveMacro("clicks", macro), MacroResult::Ok);

    const QSettings file(configDir() + "/MacroDB/clicks.MSMACRO", QSettings::IniFormat);
    QCOMPARE(file.value("Setting/WriteSign").toInt(), 1);
    QCOMPARE(file.value("Setting/Count").toInt(), 7);
    QCOMPARE(file.value("Setting/Map_0").toString(), QStringLiteral("129"));
    QCOMPARE(file.value("Setting/Map_2").toString(), QStringLiteral("1"));
    QCOMPARE(file.value("Setting/DataL_3").toString(), QStringLiteral("251"));
    QCOMPARE(file.value("Setting/DataH_6").toString(), QStringLiteral("1"));
    QCOMPARE(file.value("Setting/MacroFilePath").toString(), macroFilePath("clicks"));

    const MacroFile loaded = loadMacro("clicks");
    QCOMPARE(loaded.events, macro.events);
    QCOMPARE(loaded.defaultDelay, 30);
    QCOMPARE(loaded.delayType, 2);
    QCOMPARE(loaded.loopType, 1);
    QCOMPARE(loaded.loopTime, 7);
}

void TestMacroFiles::shorterSaveLeavesOldKeysThatReadersIgnore()
{
    MacroFile macro;
    macro.events = { { MacroKind::KeyPress, 5, 0 }, { MacroKind::KeyRelease, 5, 0 }, { MacroKind::Delay, 1, 0 } };
    QCOMPARE(saveMacro("m", macro), MacroResult::Ok);
    macro.events.resize(1);
    QCOMPARE(saveMacro("m", macro), MacroResult::Ok);

    const QSettings file(macroFilePath("m"), QSettings::IniFormat);
    QCOMPARE(file.value("Setting/Map_2").toInt(), int(MacroKind::Delay));
    QCOMPARE(loadMacro("m").events, macro.events);
}

void TestMacroFiles::missingOrDamagedFileLoadsEmpty()
{
    QVERIFY(loadMacro("nothing-here").events.isEmpty());

    QVERIFY(QDir().mkpath(macroDirectory()));
    QFile damaged(macroFilePath("bad"));
    QVERIFY(damaged.open(QIODevice::WriteOnly));
    damaged.write("[Setting]\nCount=2147483647\nMap_0=999\nDataL_0=-1\nDelayType=x\n\x01\xff\xfe garbage");
    damaged.close();
    const MacroFile loaded = loadMacro("bad");
    QVERIFY(loaded.events.size() <= 4096);
    QCOMPARE(loaded.events.value(0).kind, quint8(999 & 0xFF));
    QCOMPARE(loaded.events.value(0).dataL, quint8(0xFF));
    QCOMPARE(loaded.delayType, 0);
}

void TestMacroFiles::delayCount_data()
{
    QTest::addColumn<int>("milliseconds");
    QTest::addColumn<int>("unit");
    QTest::addColumn<int>("count");
    QTest::newRow("25 ms in 10 ms units") << 25 << 10 << 2;
    QTest::newRow("shorter than one unit") << 4 << 10 << 1;
    QTest::newRow("exact") << 300 << 10 << 30;
    QTest::newRow("product unit 5") << 12 << 5 << 2;
}

void TestMacroFiles::delayCount()
{
    QFETCH(int, milliseconds);
    QFETCH(int, unit);
    QFETCH(int, count);
    QCOMPARE(macroDelayCount(milliseconds, unit), count);
}

void TestMacroFiles::listCountAddRemoveRename()
{
    QCOMPARE(countMacros(), 0);
    QCOMPARE(addMacroToList("a"), MacroResult::Ok);
    QCOMPARE(addMacroToList("b"), MacroResult::Ok);
    QCOMPARE(addMacroToList("a"), MacroResult::NameTaken);
    QCOMPARE(countMacros(), 2);

    QCOMPARE(removeMacroFromList("a"), MacroResult::Ok);
    QCOMPARE(removeMacroFromList("a"), MacroResult::NotInList);
    QCOMPARE(macroListEntries().value(0), QString());
    // The freed place is taken first.
    QCOMPARE(addMacroToList("c"), MacroResult::Ok);
    QCOMPARE(macroListEntries().mid(0, 2), (QStringList{ "c", "b" }));

    QCOMPARE(renameMacroInList("b", "c"), MacroResult::NameTaken);
    QCOMPARE(renameMacroInList("b", "d"), MacroResult::Ok);
    QCOMPARE(macroListEntries().mid(0, 2), (QStringList{ "c", "d" }));
    QCOMPARE(countMacros(), 2);
}

void TestMacroFiles::newNameTakesTheSmallestFreeNumber()
{
    QCOMPARE(newMacroName(), QStringLiteral("name_1"));
    QCOMPARE(saveMacro("name_1", MacroFile()), MacroResult::Ok);
    QCOMPARE(saveMacro("name_3", MacroFile()), MacroResult::Ok);
    QCOMPARE(newMacroName(), QStringLiteral("name_2"));

    QString created;
    QCOMPARE(createMacro(&created), MacroResult::Ok);
    QCOMPARE(created, QStringLiteral("name_2"));
    QVERIFY(QFile::exists(macroFilePath("name_2")));
    QVERIFY(macroListEntries().contains("name_2"));

    // A listed macro whose file is gone gets its file back instead of blocking every new one.
    QCOMPARE(addMacroToList("name_4"), MacroResult::Ok);
    const int listed = countMacros();
    QCOMPARE(createMacro(&created), MacroResult::Ok);
    QCOMPARE(created, QStringLiteral("name_4"));
    QVERIFY(QFile::exists(macroFilePath("name_4")));
    QCOMPARE(countMacros(), listed);
}

void TestMacroFiles::fullLibraryRefusesANewMacro()
{
    fillList(49);
    QString created;
    QCOMPARE(createMacro(&created), MacroResult::Ok);
    QCOMPARE(countMacros(), 50);

    QString refused = "unchanged";
    QCOMPARE(createMacro(&refused), MacroResult::TooManyMacros);
    QCOMPARE(refused, QStringLiteral("unchanged"));
    QCOMPARE(countMacros(), 50);
    QVERIFY(!QFile::exists(macroFilePath("name_2")));
    QCOMPARE(QString::fromLatin1(kTooManyMacrosMessage), QStringLiteral("TOO MANY MACROS TO BE CREATE!"));
}

void TestMacroFiles::renameMovesFileAndEntry()
{
    QString name;
    QCOMPARE(createMacro(&name), MacroResult::Ok);
    QCOMPARE(addMacroToList("taken"), MacroResult::Ok);
    QCOMPARE(renameMacro(name, "taken"), MacroResult::NameTaken);
    QVERIFY(QFile::exists(macroFilePath(name)));

    QCOMPARE(renameMacro(name, "fresh"), MacroResult::Ok);
    QVERIFY(!QFile::exists(macroFilePath(name)));
    QVERIFY(QFile::exists(macroFilePath("fresh")));
    QCOMPARE(macroListEntries().value(0), QStringLiteral("fresh"));

    QCOMPARE(renameMacro("not-listed", "other"), MacroResult::NotInList);

    QCOMPARE(deleteMacro("fresh"), MacroResult::Ok);
    QVERIFY(!QFile::exists(macroFilePath("fresh")));
    QCOMPARE(countMacros(), 1);

    // A file that cannot be removed (here a folder with something in it) keeps its entry.
    QCOMPARE(addMacroToList("stuck"), MacroResult::Ok);
    QVERIFY(QDir().mkpath(macroFilePath("stuck") + QStringLiteral("/inside")));
    const QStringList before = macroListEntries();
    QCOMPARE(deleteMacro("stuck"), MacroResult::FileKept);
    QCOMPARE(macroListEntries(), before);
    QVERIFY(QString::fromUtf8(macroResultMessage(MacroResult::FileKept)).contains(QStringLiteral("stays")));
}

void TestMacroFiles::namesThatLeaveTheFolderAreRefused_data()
{
    QTest::addColumn<QString>("name");
    QTest::newRow("parent") << "..";
    QTest::newRow("slash") << "../escape";
    QTest::newRow("backslash") << "a\\b";
    QTest::newRow("colon") << "c:x";
    QTest::newRow("blank") << "   ";
    QTest::newRow("control") << QStringLiteral("a\nb");
}

void TestMacroFiles::namesThatLeaveTheFolderAreRefused()
{
    QFETCH(QString, name);
    QCOMPARE(saveMacro(name, MacroFile()), MacroResult::InvalidName);
    QCOMPARE(addMacroToList(name), MacroResult::InvalidName);
    QCOMPARE(renameMacro("x", name), MacroResult::InvalidName);
    QVERIFY(!QFile::exists(m_sandbox->path("Configs/escape.MSMACRO")));
    QCOMPARE(countMacros(), 0);
}

void TestMacroFiles::importRefusesWhatItCannotTake_data()
{
    QTest::addColumn<QString>("fileName");
    QTest::addColumn<QByteArray>("content");
    QTest::addColumn<int>("listed");
    QTest::addColumn<MacroResult>("result");
    const QByteArray macro = "[Setting]\nCount=1\nMap_0=132\nDataH_0=0\nDataL_0=4\n";
    QTest::newRow("listed name") << "m0.MSMACRO" << macro << 1 << MacroResult::NameTaken;
    QTest::newRow("name that is no file name") << "a:b.MSMACRO" << macro << 0 << MacroResult::InvalidName;
    QTest::newRow("no macro in it") << "notes.MSMACRO" << QByteArray("[General]\nx=1\n") << 0
                                    << MacroResult::NotAMacroFile;
    QTest::newRow("full library") << "new.MSMACRO" << macro << kMacroListSize << MacroResult::TooManyMacros;
    QTest::newRow("a new name") << "fresh.MSMACRO" << macro << 0 << MacroResult::Ok;
}

void TestMacroFiles::importRefusesWhatItCannotTake()
{
    QFETCH(QString, fileName);
    QFETCH(QByteArray, content);
    QFETCH(int, listed);
    QFETCH(MacroResult, result);
    fillList(listed);
    QTemporaryDir outside;
    const QString source = outside.filePath(fileName);
    QVERIFY(writeBytes(source, content));
    const QStringList before = macroListEntries();
    QString name;
    QCOMPARE(importMacroFile(source, &name), result);
    const QString base = QFileInfo(fileName).completeBaseName();
    if (result == MacroResult::Ok) {
        QCOMPARE(name, base);
        QCOMPARE(loadMacro(name).events, (QVector<MacroEvent>{ { MacroKind::KeyPress, 4, 0 } }));
        QCOMPARE(countMacros(), listed + 1);
        QCOMPARE(importMacroFile(source), MacroResult::NameTaken);
        return;
    }
    QCOMPARE(macroListEntries(), before);
    QVERIFY(name.isEmpty());
    if (isValidFileName(base) && base != QLatin1String("m0"))
        QVERIFY(!QFile::exists(macroFilePath(base)));
}

void TestMacroFiles::exportReplacesWholeOrNotAtAll()
{
    MacroFile macro;
    macro.events = { { MacroKind::KeyPress, 5, 0 }, { MacroKind::KeyRelease, 5, 0 } };
    QCOMPARE(saveMacro("m", macro), MacroResult::Ok);
    QTemporaryDir outside;
    const QString target = outside.filePath("m.MSMACRO");
    QVERIFY(writeBytes(target, "older"));
    {
        FullDisk full;
        QCOMPARE(exportMacroFile("m", target), MacroResult::FileError);
    }
    QCOMPARE(readBytes(target), QByteArray("older"));
    QCOMPARE(exportMacroFile("m", target), MacroResult::Ok);
    QCOMPARE(readBytes(target), readBytes(macroFilePath("m")));
    QCOMPARE(exportMacroFile("never-saved", target), MacroResult::Missing);
}

void TestMacroFiles::failedListWritesKeepTheFiles()
{
    QCOMPARE(saveMacro("a", MacroFile()), MacroResult::Ok);
    QCOMPARE(addMacroToList("a"), MacroResult::Ok);
    // Config.ini grows past the limit with the first key it gains, and cannot be rewritten.
    {
        FullDisk full;
        QCOMPARE(deleteMacro("a"), MacroResult::FileError);
        QCOMPARE(renameMacro("a", "b"), MacroResult::FileError);
    }
    QVERIFY(QFile::exists(macroFilePath("a")));
    QVERIFY(!QFile::exists(macroFilePath("b")));
    QCOMPARE(macroListEntries().first(), QStringLiteral("a"));
}

QTEST_GUILESS_MAIN(TestMacroFiles)
#include "test_macro_files.moc"
