// SPDX-License-Identifier: GPL-3.0-or-later
#include "full_disk.h"
#include "session/profile_commands.h"
#include "storage/app_config.h"
#include "storage/paths.h"
#include "storage/profile_files.h"
#include "storage_sandbox.h"

#include <QDir>
#include <QFileInfo>
#include <QMap>
#include <QSettings>
#include <QTranslator>
#include <QtTest>
#include <memory>

namespace {

const QString kProduct = QStringLiteral("Tarq M1");

// A value that tells the profiles apart: each library file holds its own pointer speed.
quint8 markerOf(const QString& name)
{
    int sum = 0;
    for (const QChar c : name)
        sum += c.unicode();
    return quint8(20 + sum % 200);
}

ProfileRecord markedProfile(const QString& name)
{
    ProfileRecord profile;
    makeDefaultProfile(profile);
    profile.mousespeed = markerOf(name);
    profile.ProfileName = name;
    return profile;
}

QStringList defaultNames()
{
    QStringList names;
    for (int slot = 0; slot < kProfileCount; ++slot)
        names << defaultProfileName(slot);
    return names;
}

// What a command may change: the library list and the slot names as this process reads them,
// the two Config.ini files as stored, and every file of the profile folder.
struct LibraryState
{
    QStringList list;
    QStringList slotNames;
    QByteArray configIni;
    QByteArray productConfig;
    QMap<QString, QByteArray> files;

    static LibraryState now()
    {
        LibraryState state;
        state.list = readProfileList();
        QSettings ini(configIniPath(), QSettings::IniFormat);
        for (int slot = 1; slot <= kProfileCount; ++slot)
            state.slotNames << ini.value(QStringLiteral("Config/Profile%1").arg(slot)).toString();
        state.configIni = readBytes(configIniPath());
        state.productConfig = readBytes(productConfigPath());
        const QDir folder(profileDirectory());
        const QStringList entries =
            folder.entryList(QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot);
        for (const QString& entry : entries)
            state.files.insert(entry, readBytes(folder.filePath(entry)));
        return state;
    }

    bool operator==(const LibraryState& other) const
    {
        return list == other.list && slotNames == other.slotNames && configIni == other.configIni &&
               productConfig == other.productConfig && files == other.files;
    }
};

char* describe(const LibraryState& state)
{
    return QTest::toString(QStringLiteral("list [%1] slots [%2] files [%3]")
                               .arg(state.list.join(QStringLiteral(", ")), state.slotNames.join(QStringLiteral(", ")),
                                    QStringList(state.files.keys()).join(QStringLiteral(", "))));
}

// Whether this process is kept out of a folder without write permission (root is not).
bool permissionsStopWrites(const QString& folder)
{
    const QString probe = folder + QStringLiteral("/.probe");
    QFile file(probe);
    if (file.open(QIODevice::WriteOnly)) {
        file.close();
        QFile::remove(probe);
        return false;
    }
    return true;
}

const QFileDevice::Permissions kReadOnlyFolder = QFileDevice::ReadOwner | QFileDevice::ExeOwner;
const QFileDevice::Permissions kWritableFolder = kReadOnlyFolder | QFileDevice::WriteOwner;

// Gives the folder its write permission back when the test ends, however it ends, so the sandbox
// can be removed.
class ReadOnlyFolder final
{
public:
    explicit ReadOnlyFolder(const QString& path)
        : m_path(path)
    {
        QFile::setPermissions(m_path, kReadOnlyFolder);
    }
    ~ReadOnlyFolder() { QFile::setPermissions(m_path, kWritableFolder); }
    ReadOnlyFolder(const ReadOnlyFolder&) = delete;
    ReadOnlyFolder& operator=(const ReadOnlyFolder&) = delete;

private:
    QString m_path;
};

// Moves a file aside and puts a folder in its place, which nobody can write a file to, until the
// test ends.
class FolderInPlace final
{
public:
    explicit FolderInPlace(const QString& path)
        : m_path(path)
    {
        m_valid = QFile::rename(m_path, aside()) && QDir().mkdir(m_path);
    }
    ~FolderInPlace()
    {
        QDir().rmdir(m_path);
        QFile::rename(aside(), m_path);
    }
    FolderInPlace(const FolderInPlace&) = delete;
    FolderInPlace& operator=(const FolderInPlace&) = delete;
    bool isValid() const { return m_valid; }

private:
    QString aside() const { return m_path + QStringLiteral(".aside"); }

    QString m_path;
    bool m_valid = false;
};

} // namespace

namespace QTest {
template<>
char* toString(const LibraryState& state)
{
    return describe(state);
}
} // namespace QTest

namespace {

// A command that was refused or failed leaves the working record and every file as they were.
class Untouched final
{
public:
    explicit Untouched(const ConfigRecord& working)
        : m_working(working)
        , m_before(working)
        , m_state(LibraryState::now())
    {
    }

    void verify(const ProfileCommandResult& result, ProfileCommandStatus status, const QString& message) const
    {
        QCOMPARE(result.status, status);
        QCOMPARE(QString(result.message), message);
        QCOMPARE(m_working, m_before);
        QCOMPARE(LibraryState::now(), m_state);
    }

    const LibraryState& state() const { return m_state; }

private:
    const ConfigRecord& m_working;
    const ConfigRecord m_before;
    const LibraryState m_state;
};

} // namespace

class TestProfileCommands final : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void addTakesTheFirstFreeProfileName_data();
    void addTakesTheFirstFreeProfileName();
    void addWithoutTheTemplateWritesTheDefaults();
    void copyingTwiceGivesCopyThenCopy2();
    void deleteSelectsTheReplacement_data();
    void deleteSelectsTheReplacement();
    void deleteOfTheLastEntrySurvivesARestart();
    void refusedDeletesChangeNothing_data();
    void refusedDeletesChangeNothing();
    void renamingADefaultProfileIsRefused();
    void renameKeepsThePositionAndSurvivesARestart();
    void refusedRenamesChangeNothing_data();
    void refusedRenamesChangeNothing();
    void chooseShowsTheProfileInTheCurrentSlot();
    void discardedEditsComeBackFromTheFiles();
    void chooseOfANameAnotherSlotShowsIsRefused();
    void importAddsTheFileUnderItsBaseName();
    void refusedImportsChangeNothing_data();
    void refusedImportsChangeNothing();
    void aFullLibraryRefusesNewNames_data();
    void aFullLibraryRefusesNewNames();
    void failedFileOperationsChangeNothing_data();
    void failedFileOperationsChangeNothing();
    void exportReplacesTheFileAndTagsIt();
    void exportToANewFile();
    void exportRefusesTargetsThatAreNotFiles_data();
    void exportRefusesTargetsThatAreNotFiles();
    void exportHoldsTheUnsentEdits();
    void aFailedExportNamesTheFileNotWritten_data();
    void aFailedExportNamesTheFileNotWritten();
    void resetsAndCancel();
    void textsFillTheArgument();
    void textsAreTranslated();

private:
    // The shipped first-run files, the five default profile files, the template and the product
    // folder whose list holds the default names followed by extra (each with its own file).
    bool prepare(const QStringList& extra = {});
    bool showInSlot(int slot, const QString& name);
    static bool addLibraryFile(const QString& name);

    StorageSandbox* m_sandbox = nullptr;
    ConfigRecord m_working;
};

void TestProfileCommands::init()
{
    m_sandbox = new StorageSandbox();
    QVERIFY(m_sandbox->isValid());
    m_working = ConfigRecord();
}

void TestProfileCommands::cleanup()
{
    delete m_sandbox;
    m_sandbox = nullptr;
}

bool TestProfileCommands::addLibraryFile(const QString& name)
{
    return writeProfileFile(markedProfile(name), profileFilePath(name)) == StorageResult::Ok;
}

bool TestProfileCommands::prepare(const QStringList& extra)
{
    ConfigRecord config;
    makeDefaultConfiguration(config);
    if (saveConfiguration(config) != StorageResult::Ok || writeDefaultProfileFile() != StorageResult::Ok ||
        ensureProductFolder() != StorageResult::Ok)
        return false;
    for (const QString& name : extra) {
        if (!addLibraryFile(name))
            return false;
    }
    return writeProfileList(defaultNames() + extra) == StorageResult::Ok &&
           loadConfiguration(m_working) == StorageResult::Ok;
}

bool TestProfileCommands::showInSlot(int slot, const QString& name)
{
    m_working.profileNames[size_t(slot)] = name;
    readProfileFile(m_working.profiles[size_t(slot)], profileFilePath(name));
    return saveProfileList(m_working) == StorageResult::Ok;
}

void TestProfileCommands::addTakesTheFirstFreeProfileName_data()
{
    QTest::addColumn<QStringList>("files");  // extra files in the profile folder, not listed
    QTest::addColumn<QStringList>("listed"); // extra list names without a file
    QTest::addColumn<QString>("expected");
    QTest::newRow("Profile 1..5 present") << QStringList() << QStringList() << "Profile 6";
    QTest::newRow("Profile 6 file present") << QStringList{ "Profile 6" } << QStringList() << "Profile 7";
    QTest::newRow("Profile 6 listed without a file") << QStringList() << QStringList{ "Profile 6" } << "Profile 7";
    QTest::newRow("a gap is filled") << QStringList{ "Profile 7" } << QStringList() << "Profile 6";
}

void TestProfileCommands::addTakesTheFirstFreeProfileName()
{
    QFETCH(QStringList, files);
    QFETCH(QStringList, listed);
    QFETCH(QString, expected);
    QVERIFY(prepare());
    for (const QString& name : files)
        QVERIFY(addLibraryFile(name));
    QCOMPARE(writeProfileList(defaultNames() + listed), StorageResult::Ok);
    m_working.ProfileID = 2;
    ProfileLibrary library(m_working);

    const ProfileCommandResult result = library.add();
    QVERIFY(result.ok());
    QVERIFY(!result.message);
    QCOMPARE(library.currentName(), expected);
    QCOMPARE(m_working.profileNames[2], expected);
    QCOMPARE(m_working.profiles[2].ProfileName, expected);
    QCOMPARE(library.names(), defaultNames() + listed + QStringList{ expected });
    QCOMPARE(readProfileList(), library.names());
    // A copy of the template.
    QCOMPARE(readBytes(profileFilePath(expected)), readBytes(defaultProfileFilePath()));
    ProfileRecord defaults;
    makeDefaultProfile(defaults);
    defaults.ProfileName = expected;
    QCOMPARE(m_working.profiles[2], defaults);
}

void TestProfileCommands::addWithoutTheTemplateWritesTheDefaults()
{
    QVERIFY(prepare());
    QVERIFY(QFile::remove(defaultProfileFilePath()));
    ProfileLibrary library(m_working);
    QVERIFY(library.add().ok());
    QCOMPARE(library.currentName(), QStringLiteral("Profile 6"));
    QVERIFY(!QFileInfo::exists(defaultProfileFilePath()));
    ProfileRecord stored;
    QCOMPARE(readProfileFile(stored, profileFilePath("Profile 6")), StorageResult::Ok);
    ProfileRecord defaults;
    makeDefaultProfile(defaults);
    QCOMPARE(stored, defaults);
}

void TestProfileCommands::copyingTwiceGivesCopyThenCopy2()
{
    QVERIFY(prepare({ "Game" }));
    QVERIFY(showInSlot(1, "Game"));
    m_working.ProfileID = 1;
    ProfileLibrary library(m_working);

    QVERIFY(library.copy().ok());
    QCOMPARE(library.currentName(), QStringLiteral("Game copy"));
    // The slot keeps its record; only its name follows the copy.
    QCOMPARE(m_working.profiles[1].mousespeed, markerOf("Game"));
    QCOMPARE(m_working.profiles[1].ProfileName, QStringLiteral("Game copy"));

    QVERIFY(library.choose("Game").ok());
    QVERIFY(library.copy().ok());
    QCOMPARE(library.currentName(), QStringLiteral("Game copy 2"));

    const QStringList expected = defaultNames() + QStringList{ "Game", "Game copy", "Game copy 2" };
    QCOMPARE(library.names(), expected);
    QCOMPARE(readProfileList(), expected);
    for (const QString& name : expected) {
        QVERIFY2(QFileInfo(profileFilePath(name)).isFile(), qPrintable(name));
    }
    QCOMPARE(readBytes(profileFilePath("Game copy")), readBytes(profileFilePath("Game")));
    QCOMPARE(readBytes(profileFilePath("Game copy 2")), readBytes(profileFilePath("Game")));
}

void TestProfileCommands::deleteSelectsTheReplacement_data()
{
    QTest::addColumn<QStringList>("extra");
    QTest::addColumn<QStringList>("otherSlots"); // shown in slots 1.. besides the current slot 0
    QTest::addColumn<QString>("deleted");
    QTest::addColumn<QString>("replacement");
    const QStringList abc{ "A", "B", "C" };
    QTest::newRow("middle entry: the next") << abc << QStringList() << "B"
                                            << "C";
    QTest::newRow("last entry: the one before") << abc << QStringList() << "C"
                                                << "B";
    QTest::newRow("next shown elsewhere: steps back over the deleted") << abc << QStringList{ "C" } << "B"
                                                                       << "A";
    QTest::newRow("one before the last shown elsewhere") << abc << QStringList{ "B" } << "C"
                                                         << "A";
    QTest::newRow("back into the default names") << QStringList{ "A", "B" } << QStringList{ "B" } << "A"
                                                 << "Profile 2";
}

void TestProfileCommands::deleteSelectsTheReplacement()
{
    QFETCH(QStringList, extra);
    QFETCH(QStringList, otherSlots);
    QFETCH(QString, deleted);
    QFETCH(QString, replacement);
    QVERIFY(prepare(extra));
    for (int i = 0; i < otherSlots.size(); ++i)
        QVERIFY(showInSlot(i + 1, otherSlots.at(i)));
    QVERIFY(showInSlot(0, deleted));
    m_working.ProfileID = 0;
    ProfileLibrary library(m_working);

    QVERIFY(library.checkRemove().ok());
    const ProfileCommandResult result = library.remove();
    QVERIFY(result.ok());
    QCOMPARE(library.currentName(), replacement);
    ProfileRecord expected;
    readProfileFile(expected, profileFilePath(replacement));
    expected.ProfileName = replacement;
    QCOMPARE(m_working.profiles[0], expected);
    QStringList remaining = defaultNames() + extra;
    remaining.removeAll(deleted);
    QCOMPARE(library.names(), remaining);
    QCOMPARE(readProfileList(), remaining);
    QVERIFY(!QFileInfo::exists(profileFilePath(deleted)));
    QCOMPARE(LibraryState::now().slotNames.first(), replacement);
}

void TestProfileCommands::deleteOfTheLastEntrySurvivesARestart()
{
    QVERIFY(prepare({ "A", "B" }));
    QVERIFY(showInSlot(3, "B"));
    m_working.ProfileID = 3;
    ProfileLibrary library(m_working);
    QVERIFY(library.remove().ok());
    QCOMPARE(library.currentName(), QStringLiteral("A"));
    QCOMPARE(m_working.profiles[3].mousespeed, markerOf("A"));

    ConfigRecord restarted;
    QCOMPARE(loadConfiguration(restarted), StorageResult::Ok);
    QCOMPARE(restarted.profileNames[3], QStringLiteral("A"));
    ProfileLibrary again(restarted);
    QCOMPARE(again.names(), defaultNames() + QStringList{ "A" });
}

void TestProfileCommands::refusedDeletesChangeNothing_data()
{
    QTest::addColumn<QStringList>("list");
    QTest::addColumn<QStringList>("slotNames");
    QTest::addColumn<QString>("message");
    QTest::newRow("a single name") << QStringList{ "Game" } << QStringList{ "Game" } << kKeepOneProfileMessage;
    QTest::newRow("an empty list") << QStringList() << QStringList{ "Game" } << kKeepOneProfileMessage;
    QTest::newRow("a default name") << defaultNames() << QStringList{ "Profile 2", "Profile 1" }
                                    << kDefaultProfileLockedMessage;
    QTest::newRow("every other name shown in another slot")
        << QStringList{ "A", "B", "C" } << QStringList{ "B", "A", "C" } << kNoReplacementMessage;
    QTest::newRow("the last one's predecessors shown elsewhere")
        << QStringList{ "A", "B", "C" } << QStringList{ "C", "B", "A" } << kNoReplacementMessage;
}

void TestProfileCommands::refusedDeletesChangeNothing()
{
    QFETCH(QStringList, list);
    QFETCH(QStringList, slotNames);
    QFETCH(QString, message);
    QVERIFY(prepare());
    for (const QString& name : list + slotNames)
        QVERIFY(addLibraryFile(name));
    QCOMPARE(writeProfileList(list), StorageResult::Ok);
    for (int i = 0; i < slotNames.size(); ++i)
        QVERIFY(showInSlot(i, slotNames.at(i)));
    m_working.ProfileID = 0;
    const Untouched untouched(m_working);
    ProfileLibrary library(m_working);

    QCOMPARE(QString(library.checkRemove().message), message);
    untouched.verify(library.remove(), ProfileCommandStatus::Refused, message);
    QCOMPARE(library.names(), list);
}

void TestProfileCommands::renamingADefaultProfileIsRefused()
{
    QVERIFY(prepare());
    m_working.ProfileID = 2;
    const Untouched untouched(m_working);
    ProfileLibrary library(m_working);

    const ProfileCommandResult result = library.rename("Renamed");
    untouched.verify(result, ProfileCommandStatus::Refused, kDefaultProfileLockedMessage);
    QVERIFY(result.restoreNameField);
    QCOMPARE(library.currentName(), QStringLiteral("Profile 3"));
}

void TestProfileCommands::renameKeepsThePositionAndSurvivesARestart()
{
    QVERIFY(prepare({ "A", "Game", "C" }));
    QVERIFY(showInSlot(4, "Game"));
    m_working.ProfileID = 4;
    const QByteArray content = readBytes(profileFilePath("Game"));
    ProfileLibrary library(m_working);

    QVERIFY(library.rename("Match").ok());
    const QStringList expected = defaultNames() + QStringList{ "A", "Match", "C" };
    QCOMPARE(library.names(), expected);
    QCOMPARE(library.currentName(), QStringLiteral("Match"));
    QCOMPARE(m_working.profiles[4].ProfileName, QStringLiteral("Match"));
    QVERIFY(!QFileInfo::exists(profileFilePath("Game")));
    QCOMPARE(readBytes(profileFilePath("Match")), content);

    ConfigRecord restarted;
    QCOMPARE(loadConfiguration(restarted), StorageResult::Ok);
    QCOMPARE(restarted.profileNames[4], QStringLiteral("Match"));
    QCOMPARE(restarted.ProfileID, quint8(4));
    QCOMPARE(restarted.profiles[4].mousespeed, markerOf("Game"));
    QCOMPARE(ProfileLibrary(restarted).names(), expected);
}

void TestProfileCommands::refusedRenamesChangeNothing_data()
{
    QTest::addColumn<QString>("newName");
    QTest::addColumn<QString>("message");
    QTest::newRow("an existing file") << "Profile 4" << kProfileExistsMessage;
    QTest::newRow("a listed name without a file") << "Listed" << kProfileExistsMessage;
    QTest::newRow("a file not in the list") << "Stray" << kProfileExistsMessage;
    QTest::newRow("the template's name") << "DefaultProfile" << kProfileExistsMessage;
    QTest::newRow("a slash") << "a/b" << kInvalidProfileNameMessage;
    QTest::newRow("a backslash") << "a\\b" << kInvalidProfileNameMessage;
    QTest::newRow("a colon") << "a:b" << kInvalidProfileNameMessage;
    QTest::newRow("empty") << "" << kInvalidProfileNameMessage;
    QTest::newRow("blank") << "   " << kInvalidProfileNameMessage;
    QTest::newRow("dot dot") << ".." << kInvalidProfileNameMessage;
    QTest::newRow("a control character") << "a\tb" << kInvalidProfileNameMessage;
}

void TestProfileCommands::refusedRenamesChangeNothing()
{
    QFETCH(QString, newName);
    QFETCH(QString, message);
    QVERIFY(prepare({ "Game" }));
    QVERIFY(addLibraryFile("Stray"));
    QCOMPARE(writeProfileList(defaultNames() + QStringList{ "Game", "Listed" }), StorageResult::Ok);
    QVERIFY(showInSlot(0, "Game"));
    const Untouched untouched(m_working);
    ProfileLibrary library(m_working);

    const ProfileCommandResult result = library.rename(newName);
    untouched.verify(result, ProfileCommandStatus::Refused, message);
    QVERIFY(!result.restoreNameField);
    QVERIFY(!QFileInfo::exists(profileDirectory() + "a"));
}

void TestProfileCommands::chooseShowsTheProfileInTheCurrentSlot()
{
    QVERIFY(prepare({ "Game" }));
    m_working.ProfileID = 1;
    const LibraryState state = LibraryState::now();
    ProfileLibrary library(m_working);

    QVERIFY(library.choose("Game").ok());
    QCOMPARE(library.currentName(), QStringLiteral("Game"));
    QCOMPARE(m_working.profiles[1].mousespeed, markerOf("Game"));
    QCOMPARE(m_working.profiles[1].ProfileName, QStringLiteral("Game"));
    // Only the slot assignment is written, at once: a quit before any send keeps the choice.
    const LibraryState after = LibraryState::now();
    QCOMPARE(after.slotNames, QStringList({ "Profile 1", "Game", "Profile 3", "Profile 4", "Profile 5" }));
    QCOMPARE(after.list, state.list);
    QCOMPARE(after.productConfig, state.productConfig);
    QCOMPARE(after.files, state.files);
}

void TestProfileCommands::discardedEditsComeBackFromTheFiles()
{
    QVERIFY(prepare({ "Game" }));
    ProfileLibrary library(m_working);
    QVERIFY(library.choose("Game").ok());
    ConfigRecord uploaded = m_working;
    uploaded.Debounce = 17;
    const ProfileRecord stored = m_working.profiles[0];
    // Edits in two slots and in the device-wide options; the desktop's pointer speed in slot 1.
    m_working.profiles[0].dpiStages[2].x += 3;
    m_working.profiles[0].mousespeed = 9;
    m_working.profiles[3].pollrate = 2;
    m_working.Debounce = 40;

    QVERIFY(library.discardEdits(uploaded).isEmpty());
    ProfileRecord expected = stored;
    expected.mousespeed = 9;
    QCOMPARE(m_working.profiles[0], expected);
    QCOMPARE(m_working.profiles[3].pollrate, uploaded.profiles[3].pollrate);
    QCOMPARE(m_working.Debounce, quint8(17));
    QCOMPARE(m_working.profileNames[0], QStringLiteral("Game"));
}

void TestProfileCommands::chooseOfANameAnotherSlotShowsIsRefused()
{
    QVERIFY(prepare({ "Game" }));
    QVERIFY(showInSlot(3, "Game"));
    m_working.ProfileID = 1;
    const ConfigRecord before = m_working;
    ProfileLibrary library(m_working);

    const ProfileCommandResult result = library.choose("Game");
    QCOMPARE(result.status, ProfileCommandStatus::Refused);
    QCOMPARE(result.message, kProfileUsedMessage);
    QCOMPARE(result.text(), QStringLiteral("Profile is Already Used!"));
    QCOMPARE(m_working, before);
    // The current slot's own name is no conflict.
    m_working.ProfileID = 3;
    QVERIFY(library.choose("Game").ok());
}

void TestProfileCommands::importAddsTheFileUnderItsBaseName()
{
    QVERIFY(prepare());
    const QString source = m_sandbox->path("elsewhere/Tournament.prof");
    QVERIFY(QDir().mkpath(QFileInfo(source).absolutePath()));
    QCOMPARE(writeProfileFile(markedProfile("Tournament"), source), StorageResult::Ok);
    QCOMPARE(writeProductTag(kProduct, source), StorageResult::Ok);
    QVERIFY(QFile::setPermissions(source, QFileDevice::ReadOwner));
    m_working.ProfileID = 2;
    ProfileLibrary library(m_working);

    QVERIFY(library.importProfile(source, kProduct).ok());
    QCOMPARE(library.currentName(), QStringLiteral("Tournament"));
    QCOMPARE(m_working.profiles[2].mousespeed, markerOf("Tournament"));
    QCOMPARE(m_working.profiles[2].ProfileName, QStringLiteral("Tournament"));
    const QStringList expected = defaultNames() + QStringList{ "Tournament" };
    QCOMPARE(library.names(), expected);
    QCOMPARE(readProfileList(), expected);
    QCOMPARE(readBytes(profileFilePath("Tournament")), readBytes(source));
    // A read-only source still makes a library file the slot can be saved to.
    QVERIFY(QFileInfo(profileFilePath("Tournament")).permissions() & QFileDevice::WriteOwner);

    // The same file again: its name is taken now.
    const ProfileCommandResult again = library.importProfile(source, kProduct);
    QCOMPARE(again.status, ProfileCommandStatus::Refused);
    QCOMPARE(again.message, kProfileExistsMessage);
}

void TestProfileCommands::refusedImportsChangeNothing_data()
{
    QTest::addColumn<QString>("fileName");
    QTest::addColumn<QByteArray>("content"); // empty: a profile tagged with tag
    QTest::addColumn<QString>("tag");
    QTest::addColumn<QString>("message");
    QTest::newRow("another product's file") << "Other.prof" << QByteArray() << "Tarq M9" << kProfileOtherProductMessage;
    QTest::newRow("an untagged file") << "Plain.prof" << QByteArray() << "" << kProfileOtherProductMessage;
    QTest::newRow("a taken name") << "Profile 2.prof" << QByteArray() << kProduct << kProfileExistsMessage;
    QTest::newRow("the template's name") << "DefaultProfile.prof" << QByteArray() << kProduct << kProfileExistsMessage;
    QTest::newRow("an invalid base name") << "a:b.prof" << QByteArray() << kProduct << kInvalidProfileNameMessage;
    QTest::newRow("no base name") << ".prof" << QByteArray() << kProduct << kInvalidProfileNameMessage;
    QTest::newRow("a missing file") << "" << QByteArray() << kProduct << kProfileUnreadableMessage;
    QTest::newRow("a folder") << "folder.prof" << QByteArray() << kProduct << kProfileUnreadableMessage;
    QTest::newRow("unsafe values")
        << "Unsafe.prof"
        << QByteArray("[MouseName]\nName=Tarq M1\n\n[PROFILE]\ndpi=@Variant(\\0\\0\\0\\v\\x7f\\xff\\xff\\xff)\n")
        << kProduct << kProfileUnreadableMessage;
}

void TestProfileCommands::refusedImportsChangeNothing()
{
    QFETCH(QString, fileName);
    QFETCH(QByteArray, content);
    QFETCH(QString, tag);
    QFETCH(QString, message);
    QVERIFY(prepare());
    const QString folder = m_sandbox->path("elsewhere");
    QVERIFY(QDir().mkpath(folder));
    QString source = folder + "/" + (fileName.isEmpty() ? QStringLiteral("missing.prof") : fileName);
    if (fileName == "folder.prof") {
        QVERIFY(QDir().mkpath(source));
    } else if (!content.isEmpty()) {
        QVERIFY(writeBytes(source, content));
    } else if (!fileName.isEmpty()) {
        QCOMPARE(writeProfileFile(markedProfile("x"), source), StorageResult::Ok);
        if (!tag.isEmpty())
            QCOMPARE(writeProductTag(tag, source), StorageResult::Ok);
    }
    const Untouched untouched(m_working);
    ProfileLibrary library(m_working);

    untouched.verify(library.importProfile(source, kProduct), ProfileCommandStatus::Refused, message);
    QCOMPARE(library.names(), defaultNames());
}

void TestProfileCommands::aFullLibraryRefusesNewNames_data()
{
    QTest::addColumn<QString>("command");
    QTest::newRow("add") << "add";
    QTest::newRow("copy") << "copy";
    QTest::newRow("import") << "import";
}

void TestProfileCommands::aFullLibraryRefusesNewNames()
{
    QFETCH(QString, command);
    QVERIFY(prepare());
    QStringList full = defaultNames();
    for (int i = 1; full.size() < kProfileLibraryCapacity; ++i)
        full << QStringLiteral("Saved %1").arg(i);
    QCOMPARE(writeProfileList(full), StorageResult::Ok);
    const QString source = m_sandbox->path("Fresh.prof");
    QCOMPARE(writeProfileFile(markedProfile("Fresh"), source), StorageResult::Ok);
    QCOMPARE(writeProductTag(kProduct, source), StorageResult::Ok);
    const Untouched untouched(m_working);
    ProfileLibrary library(m_working);
    QCOMPARE(library.names().size(), kProfileLibraryCapacity);

    ProfileCommandResult result;
    if (command == "add")
        result = library.add();
    else if (command == "copy")
        result = library.copy();
    else
        result = library.importProfile(source, kProduct);
    untouched.verify(result, ProfileCommandStatus::Refused, kLibraryFullMessage);
    QCOMPARE(library.names(), full);

    // One name fewer and the library takes one more.
    full.removeLast();
    QCOMPARE(writeProfileList(full), StorageResult::Ok);
    library.reload();
    QVERIFY(library.add().ok());
}

void TestProfileCommands::failedFileOperationsChangeNothing_data()
{
    QTest::addColumn<QString>("command");
    QTest::addColumn<QString>("obstacle");
    const char* const everyCommand[] = { "add", "copy", "rename", "delete", "import" };
    // Permissions: skipped for a user they do not stop (root).
    for (const char* obstacle : { "profile folder read-only", "product folder read-only" }) {
        for (const char* command : everyCommand)
            QTest::addRow("%s, %s", command, obstacle) << command << obstacle;
    }
    for (const char* command : { "rename", "delete" })
        QTest::addRow("%s, configuration folder read-only", command) << command << "configuration folder read-only";
    // Obstacles that stop root too.
    for (const char* command : everyCommand)
        QTest::addRow("%s, product list is a folder", command) << command << "product list is a folder";
    QTest::newRow("rename, a name too long for a file") << "rename"
                                                        << "name too long";
    QTest::newRow("copy, a name too long for a file") << "copy"
                                                      << "name too long";
    QTest::newRow("delete, the profile file is a folder") << "delete"
                                                          << "profile file is a folder";
}

void TestProfileCommands::failedFileOperationsChangeNothing()
{
    QFETCH(QString, command);
    QFETCH(QString, obstacle);
    const QString longName = QString(250, QLatin1Char('L')); // ".prof" makes 255 bytes, the most a file name holds
    QVERIFY(prepare({ "Game", "Other" }));
    // Written directly: the settings class drafts beside the file, under a longer name.
    QVERIFY(writeBytes(profileFilePath(longName), readBytes(profileFilePath("Game"))));
    QCOMPARE(writeProfileList(defaultNames() + QStringList{ "Game", "Other", longName }), StorageResult::Ok);
    QVERIFY(showInSlot(0, obstacle == "name too long" && command == "copy" ? longName : QStringLiteral("Game")));
    if (obstacle == "profile file is a folder") {
        QVERIFY(QFile::remove(profileFilePath("Game")));
        QVERIFY(QDir().mkpath(profileFilePath("Game") + "/inside"));
    }
    const QString source = m_sandbox->path("Fresh.prof");
    QCOMPARE(writeProfileFile(markedProfile("Fresh"), source), StorageResult::Ok);
    QCOMPARE(writeProductTag(kProduct, source), StorageResult::Ok);
    const ConfigRecord before = m_working;
    const LibraryState state = LibraryState::now();
    ProfileLibrary library(m_working);

    ProfileCommandResult result;
    {
        std::unique_ptr<ReadOnlyFolder> locked;
        std::unique_ptr<FolderInPlace> blocked;
        if (obstacle.endsWith("read-only")) {
            const QString folder = obstacle.startsWith("profile")   ? profileDirectory()
                                   : obstacle.startsWith("product") ? productFolder()
                                                                    : configDir();
            locked = std::make_unique<ReadOnlyFolder>(folder);
            if (!permissionsStopWrites(folder))
                QSKIP("This user writes into read-only folders (root)");
        } else if (obstacle == "product list is a folder") {
            blocked = std::make_unique<FolderInPlace>(productConfigPath());
            QVERIFY(blocked->isValid());
        }
        if (command == "add")
            result = library.add();
        else if (command == "copy")
            result = library.copy();
        else if (command == "rename")
            result = library.rename(obstacle == "name too long" ? QString(300, QLatin1Char('N')) : "Renamed");
        else if (command == "delete")
            result = library.remove();
        else
            result = library.importProfile(source, kProduct);
    }
    QCOMPARE(result.status, ProfileCommandStatus::Failed);
    QCOMPARE(result.message, kProfileFileFailedMessage);
    QVERIFY(!result.argument.isEmpty());
    QVERIFY(result.text().contains(result.argument));
    QCOMPARE(library.names(), state.list);
    QCOMPARE(m_working, before);
    QCOMPARE(LibraryState::now(), state);
    // The library works again once the obstacle is gone.
    library.reload();
    QCOMPARE(library.names(), state.list);
    if (obstacle != "profile file is a folder" && obstacle != "name too long")
        QVERIFY(command == "import" ? library.importProfile(source, kProduct).ok() : library.add().ok());
}

void TestProfileCommands::exportReplacesTheFileAndTagsIt()
{
    QVERIFY(prepare({ "Game" }));
    QVERIFY(showInSlot(0, "Game"));
    const QString target = m_sandbox->path("exported.prof");
    QVERIFY(writeBytes(target, QByteArray("[Stale]\nleftover=1\n").repeated(2000)));
    ProfileLibrary library(m_working);

    QVERIFY(library.exportProfile(target, kProduct).ok());
    QCOMPARE(readProductTag(target), kProduct);
    QVERIFY(!readBytes(target).contains("leftover"));
    // A copy of the slot's own file, which carries the tag too.
    QCOMPARE(readBytes(target), readBytes(profileFilePath("Game")));
    QCOMPARE(readProductTag(profileFilePath("Game")), kProduct);
    ProfileRecord exported;
    QCOMPARE(readProfileFile(exported, target), StorageResult::Ok);
    QCOMPARE(exported, markedProfile("Game"));
    // Nothing stays behind beside the target.
    QCOMPARE(QDir(m_sandbox->appPath()).entryList({ "exported*" }, QDir::AllEntries | QDir::Hidden),
             QStringList{ "exported.prof" });
}

void TestProfileCommands::exportToANewFile()
{
    QVERIFY(prepare());
    m_working.ProfileID = 1;
    const QString target = m_sandbox->path("new.prof");
    ProfileLibrary library(m_working);
    QVERIFY(library.exportProfile(target, kProduct).ok());
    QCOMPARE(readProductTag(target), kProduct);
    ProfileRecord exported;
    readProfileFile(exported, target);
    QCOMPARE(exported.mousespeed, m_working.profiles[1].mousespeed);

    // What was exported imports into another installation of the product.
    StorageSandbox other;
    QVERIFY(other.isValid());
    QVERIFY(prepare());
    ProfileLibrary elsewhere(m_working);
    QVERIFY(elsewhere.importProfile(target, kProduct).ok());
    QCOMPARE(elsewhere.currentName(), QStringLiteral("new"));
}

void TestProfileCommands::exportRefusesTargetsThatAreNotFiles_data()
{
    QTest::addColumn<QString>("target");
    QTest::newRow("a folder") << "folder";
    QTest::newRow("a file in a missing folder") << "missing/new.prof";
    QTest::newRow("no path") << "";
}

void TestProfileCommands::exportRefusesTargetsThatAreNotFiles()
{
    QFETCH(QString, target);
    QVERIFY(prepare());
    QVERIFY(QDir().mkpath(m_sandbox->path("folder")));
    const QString path = target.isEmpty() ? QString() : m_sandbox->path(target);
    const LibraryState state = LibraryState::now();
    ProfileLibrary library(m_working);

    const ProfileCommandResult result = library.exportProfile(path, kProduct);
    QCOMPARE(result.status, ProfileCommandStatus::Refused);
    QCOMPARE(result.message, kProfileExportFailedMessage);
    QCOMPARE(result.argument, path);
    QVERIFY(QFileInfo(m_sandbox->path("folder")).isDir());
    QVERIFY(!QFileInfo::exists(m_sandbox->path("missing")));
    QCOMPARE(LibraryState::now(), state);
}

void TestProfileCommands::exportHoldsTheUnsentEdits()
{
    QVERIFY(prepare({ "Game" }));
    QVERIFY(showInSlot(0, "Game"));
    m_working.profiles[0].dpiStages[2].x += 7;
    m_working.profiles[0].pollrate = m_working.profiles[0].pollrate == 1 ? 2 : 1;
    const QString target = m_sandbox->path("edited.prof");
    ProfileLibrary library(m_working);

    QVERIFY(library.exportProfile(target, kProduct).ok());
    ProfileRecord exported;
    QCOMPARE(readProfileFile(exported, target), StorageResult::Ok);
    QCOMPARE(exported, m_working.profiles[0]);
    QCOMPARE(readProductTag(target), kProduct);
    // The library's file keeps what was saved; only its tag is added.
    ProfileRecord saved;
    readProfileFile(saved, profileFilePath("Game"));
    QCOMPARE(saved, markedProfile("Game"));
}

void TestProfileCommands::aFailedExportNamesTheFileNotWritten_data()
{
    QTest::addColumn<QString>("obstacle");
    QTest::addColumn<bool>("libraryFileNamed");
    QTest::newRow("the library file is a folder") << "library folder" << true;
    QTest::newRow("the disk is full") << "full disk" << false;
}

void TestProfileCommands::aFailedExportNamesTheFileNotWritten()
{
    QFETCH(QString, obstacle);
    QFETCH(bool, libraryFileNamed);
    QVERIFY(prepare({ "Game" }));
    QVERIFY(showInSlot(0, "Game"));
    const QString target = m_sandbox->path("out.prof");
    ProfileLibrary library(m_working);
    // Tagged once already: the full disk then stops the export itself, not the tag.
    QVERIFY(library.exportProfile(m_sandbox->path("first.prof"), kProduct).ok());
    if (obstacle == "library folder") {
        QVERIFY(QFile::remove(profileFilePath("Game")));
        QVERIFY(QDir().mkpath(profileFilePath("Game")));
    }

    ProfileCommandResult result;
    {
        std::unique_ptr<FullDisk> full(obstacle == "full disk" ? new FullDisk : nullptr);
        result = library.exportProfile(target, kProduct);
    }
    QCOMPARE(result.status, ProfileCommandStatus::Failed);
    QCOMPARE(result.argument, libraryFileNamed ? profileFilePath("Game") : target);
    QVERIFY(result.text().contains(result.argument));
    QVERIFY(!QFileInfo::exists(target));
}

void TestProfileCommands::resetsAndCancel()
{
    QVERIFY(prepare({ "Game" }));
    QVERIFY(showInSlot(1, "Game"));
    m_working.ProfileID = 1;
    ProfileLibrary library(m_working);

    m_working.profiles[1].mousespeed = 3;
    library.reloadCurrent();
    QCOMPARE(m_working.profiles[1].mousespeed, markerOf("Game"));

    // A reset keeps the desktop's pointer speed: the factory speed is nobody's choice.
    library.resetCurrent(15);
    ProfileRecord defaults;
    makeDefaultProfile(defaults);
    defaults.ProfileName = QStringLiteral("Game");
    defaults.mousespeed = 15;
    QCOMPARE(m_working.profiles[1], defaults);
    QCOMPARE(m_working.profiles[1].ProfileName, QStringLiteral("Game"));
    QCOMPARE(library.currentName(), QStringLiteral("Game"));

    library.resetAll(15);
    ConfigRecord factory;
    makeDefaultConfiguration(factory);
    factory.Count = m_working.Count;
    for (ProfileRecord& profile : factory.profiles)
        profile.mousespeed = 15;
    QCOMPARE(m_working, factory);
    QCOMPARE(library.currentName(), QStringLiteral("Profile 1"));
}

void TestProfileCommands::textsFillTheArgument()
{
    ProfileCommandResult result;
    QCOMPARE(result.text(), QString());
    result.message = kProfileFileFailedMessage;
    result.argument = "/somewhere/Game.prof";
    QCOMPARE(result.text(),
             QStringLiteral("The profile file /somewhere/Game.prof could not be changed. Nothing was changed."));
    result.message = kProfileExistsMessage;
    QCOMPARE(result.text(), QStringLiteral("Profile Exist!"));
}

void TestProfileCommands::textsAreTranslated()
{
    QTranslator german;
    if (!german.load(QCoreApplication::applicationDirPath() + "/lang/mousecfg_de.qm"))
        QSKIP("The catalogues are built with the widgets");
    QCoreApplication::installTranslator(&german);
    const char* const newTexts[] = {
        kLibraryFullMessage,       kNoReplacementMessage,     kInvalidProfileNameMessage,
        kProfileFileFailedMessage, kProfileUnreadableMessage, kProfileExportFailedMessage
    };
    for (const char* text : newTexts) {
        ProfileCommandResult result;
        result.message = text;
        result.argument = "/x/y.prof";
        const QString shown = result.text();
        const QString english = QString(text).contains("%1") ? QString(text).arg(result.argument) : QString(text);
        QVERIFY2(shown != english, text);
        QVERIFY2(!QString(text).contains("%1") || shown.contains("/x/y.prof"), text);
        QVERIFY2(!shown.contains("%1"), text);
    }
    ProfileCommandResult failed;
    failed.message = kProfileExportFailedMessage;
    failed.argument = "/x/y.prof";
    QCOMPARE(failed.text(), QStringLiteral("Das Profil konnte nicht unter /x/y.prof gespeichert werden."));
    QCoreApplication::removeTranslator(&german);
}

QTEST_GUILESS_MAIN(TestProfileCommands)
#include "test_profile_commands.moc"
