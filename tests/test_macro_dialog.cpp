// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/mousecfg_widget.h"
#include "buttons/button_page.h"
#include "buttons/function_catalogue.h"
#include "controls/display_scale.h"
#include "controls/message_box.h"
#include "controls/push_button.h"
#include "device/commands.h"
#include "device/section_encoding.h"
#include "full_disk.h"
#include "macro/macro_dialog.h"
#include "macro/macro_events.h"
#include "macro/macro_model.h"
#include "macro_event_printing.h"
#include "macro_page_driver.h"
#include "screens_directory.h"
#include "sim/section_decoder.h"
#include "storage/app_config.h"
#include "storage/languages.h"
#include "storage/macro_files.h"
#include "storage/paths.h"
#include "storage/product_description.h"
#include "storage/profile_files.h"
#include "storage_sandbox.h"
#include "window_sandbox.h"

#include <QCheckBox>
#include <QLineEdit>
#include <QPainter>
#include <QSettings>
#include <QSignalSpy>
#include <QTableView>
#include <QtTest>
#include <memory>

namespace {

const MacroEvent kADown{ MacroKind::KeyPress, 4, 0 };
const MacroEvent kAUp{ MacroKind::KeyRelease, 4, 0 };

void addMacro(const QString& name, const QVector<MacroEvent>& events)
{
    MacroFile macro;
    macro.events = events;
    QCOMPARE(saveMacro(name, macro), MacroResult::Ok);
    QCOMPARE(addMacroToList(name), MacroResult::Ok);
}

QByteArray fileBytes(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

QString messageShown()
{
    TarqMessageBox* box = visibleMessageBox();
    return box ? messageBoxText(box) : QString();
}

void closeMessage()
{
    if (TarqMessageBox* box = visibleMessageBox())
        box->accept();
}

// A button that plays the macro once.
ButtonEntry macroButton(const QString& name, qint32 function = FunctionCode::Macro)
{
    ButtonEntry entry;
    entry.Fun = function;
    entry.macroname = name;
    entry.LoopNumber = 1;
    return entry;
}

// Writes a macro file of count events by hand, as another program or a damaged copy may leave it.
void writeMacroFileOf(const QString& path, int count, const QVector<MacroEvent>& events)
{
    QSettings file(path, QSettings::IniFormat);
    file.setValue(QStringLiteral("Setting/Count"), count);
    for (int j = 0; j < events.size(); ++j) {
        file.setValue(QStringLiteral("Setting/Map_%1").arg(j), events.at(j).kind);
        file.setValue(QStringLiteral("Setting/DataL_%1").arg(j), events.at(j).dataL);
        file.setValue(QStringLiteral("Setting/DataH_%1").arg(j), events.at(j).dataH);
    }
}

// Answers the next question box and keeps what it asked.
void answerAndKeepQuestion(QObject* context, bool yes, QString* asked)
{
    whenWindowOpens<TarqMessageBox>(context, [yes, asked](TarqMessageBox& box) {
        *asked = messageBoxText(&box);
        box.findChild<QToolButton*>(yes ? QStringLiteral("msgBoxYesBtn") : QStringLiteral("msgBoxNoBtn"))->click();
    });
}

ProfileRecord profileOnDisk(const QString& path)
{
    ProfileRecord profile;
    readProfileFile(profile, path);
    return profile;
}

} // namespace

class TestMacroDialog final : public QObject
{
    Q_OBJECT

private:
    std::unique_ptr<StorageSandbox> m_sandbox;
    std::unique_ptr<MacroDialog> m_page;

    void makePage()
    {
        m_page = std::make_unique<MacroDialog>();
        m_page->resize(665, 467);
        m_page->show();
    }

    QTableView* table() const { return m_page->findChild<QTableView*>(); }
    QVector<MacroEvent> rows() const { return m_page->eventModel()->events(); }
    QLineEdit* fieldNamed(const QString& name) const
    {
        for (QLineEdit* edit : m_page->findChildren<QLineEdit*>())
            if (edit->accessibleName() == name)
                return edit;
        return nullptr;
    }
    QCheckBox* boxNamed(const QString& name) const
    {
        for (QCheckBox* box : m_page->findChildren<QCheckBox*>())
            if (box->text() == name)
                return box;
        return nullptr;
    }
    void click(MacroDialog::Command command) { QTest::mouseClick(m_page->button(command), Qt::LeftButton); }

private slots:
    void init()
    {
        setDisplayScaleFactor(1.0);
        m_sandbox = std::make_unique<StorageSandbox>();
        QVERIFY(m_sandbox->isValid());
    }

    void cleanup()
    {
        closeMessage();
        m_page.reset();
        m_sandbox.reset();
    }

    void newTakesTheFirstFreeNumberUpToFifty()
    {
        addMacro(QStringLiteral("name_1"), {});
        addMacro(QStringLiteral("name_3"), {});
        makePage();
        click(MacroDialog::New);
        QCOMPARE(m_page->currentMacroName(), QStringLiteral("name_2"));
        // The list keeps Config.ini's order: the new name took the first free entry.
        QCOMPARE(libraryNames(*m_page), (QStringList{ "name_1", "name_3", "name_2" }));
        QVERIFY(QFile::exists(macroFilePath(QStringLiteral("name_2"))));

        for (int i = countMacros(); i < kMacroListSize; ++i)
            QCOMPARE(addMacroToList(QStringLiteral("m%1").arg(i)), MacroResult::Ok);
        for (const MacroDialog::Command command : { MacroDialog::New, MacroDialog::GunSet }) {
            click(command);
            QTRY_VERIFY(visibleMessageBox());
            QVERIFY(messageShown().contains(QLatin1String("TOO MANY MACROS TO BE CREATE!")));
            QVERIFY(messageShown().contains(QLatin1String("WARNING")));
            closeMessage();
        }
        QCOMPARE(countMacros(), kMacroListSize);
        QVERIFY(!QFile::exists(macroFilePath(QStringLiteral("name_4"))));
    }

    void mouseActionsGoAfterTheSelectedRow()
    {
        addMacro(QStringLiteral("m"), { kADown, kAUp });
        makePage();
        m_page->SelectRow(0);
        boxNamed(QStringLiteral("RECORD DELAYS BETWEEN ACTION"))->click();

        // A collapsed button entry only opens; an open one inserts a whole click.
        QTreeWidgetItem* left = treeEntry(*m_page, QStringLiteral("LEFT CLICK"));
        QTreeWidgetItem* right = treeEntry(*m_page, QStringLiteral("RIGHT CLICK"));
        right->setExpanded(true);
        m_page->TreeitemClick(left, 0);
        QVERIFY(left->isExpanded());
        QVERIFY(!right->isExpanded());
        QCOMPARE(rows().size(), 2);
        m_page->TreeitemClick(left, 0);
        const MacroEvent pause = delayEventOfCount(1);
        QCOMPARE(rows(),
                 (QVector<MacroEvent>{ kADown, buttonEvent(true, 1), pause, buttonEvent(false, 1), pause, kAUp }));
        QCOMPARE(m_page->selectedRow(), 4);

        // Default delays: a press alone and its pause; a movement along one axis; a delay of the field.
        boxNamed(QStringLiteral("INSERT DEFAULT DELAY"))->click();
        QVERIFY(!boxNamed(QStringLiteral("RECORD DELAYS BETWEEN ACTION"))->isChecked());
        fieldNamed(QStringLiteral("INSERT DEFAULT DELAY (ms)"))->setText(QStringLiteral("50"));
        m_page->SelectRow(0);
        m_page->TreeitemClick(treeEntry(*m_page, QStringLiteral("PRESS DOWN"), QStringLiteral("LEFT CLICK")), 0);
        QCOMPARE(rows().mid(1, 2), (QVector<MacroEvent>{ buttonEvent(true, 1), delayEventOfCount(5) }));
        fieldNamed(QStringLiteral("DISTANCE"))->setText(QStringLiteral("5"));
        m_page->TreeitemClick(treeEntry(*m_page, QStringLiteral("MOVE LEFT"), QStringLiteral("MOVEMENT")), 0);
        QCOMPARE(rows().at(3), (MacroEvent{ MacroKind::Move, 251, 0 }));
        fieldNamed(QStringLiteral("DELAY(ms)"))->setText(QStringLiteral("250"));
        click(MacroDialog::InsertDelay);
        QCOMPARE(rows().at(5), delayEventOfCount(25));
        QVERIFY(m_page->hasUnsavedEdits());
    }

    void tableWorksFromTheKeyboard()
    {
        addMacro(QStringLiteral("m"), { kADown, delayEventOfCount(3), kAUp, moveEvent(MoveDirection::Up, 4) });
        makePage();
        table()->setFocus();
        m_page->SelectRow(0);
        QTest::keyClick(table(), Qt::Key_Down);
        QCOMPARE(m_page->selectedRow(), 1);
        QCOMPARE(fieldNamed(QStringLiteral("DELAY(ms)"))->text(), QStringLiteral("30"));

        // F2 edits the delay in milliseconds; the row keeps whole units.
        QTest::keyClick(table(), Qt::Key_F2);
        auto* editor = table()->findChild<QLineEdit*>();
        QVERIFY(editor && editor->isVisible());
        editor->setText(QStringLiteral("125"));
        QTest::keyClick(editor, Qt::Key_Return);
        QTRY_COMPARE(rows().at(1), delayEventOfCount(12));

        // The fields beside the table edit the selected delay and movement.
        QTest::keyClicks(fieldNamed(QStringLiteral("DELAY(ms)")), QStringLiteral("0"));
        QCOMPARE(rows().at(1), delayEventOfCount(120));
        m_page->SelectRow(3);
        QCOMPARE(fieldNamed(QStringLiteral("DISTANCE"))->text(), QStringLiteral("4"));
        QTest::keyClicks(fieldNamed(QStringLiteral("DISTANCE")), QStringLiteral("0"));
        QCOMPARE(rows().at(3), moveEvent(MoveDirection::Up, 40));

        click(MacroDialog::MoveUp);
        QCOMPARE(rows().at(2), moveEvent(MoveDirection::Up, 40));
        QCOMPARE(m_page->selectedRow(), 2);
        click(MacroDialog::Bottom);
        QCOMPARE(rows().last(), moveEvent(MoveDirection::Up, 40));

        // Delete takes the selected row and selects the one that moved up into its place.
        m_page->SelectRow(1);
        table()->setFocus();
        QTest::keyClick(table(), Qt::Key_Delete);
        QCOMPARE(rows(), (QVector<MacroEvent>{ kADown, kAUp, moveEvent(MoveDirection::Up, 40) }));
        QCOMPARE(m_page->selectedRow(), 1);
        m_page->SelectRow(2);
        QTest::keyClick(table(), Qt::Key_Delete);
        QCOMPARE(m_page->selectedRow(), 1);

        // The clipboard buttons do nothing, and say so by being unavailable.
        for (const MacroDialog::Command command : { MacroDialog::Cut, MacroDialog::Copy, MacroDialog::Paste }) {
            QVERIFY(!m_page->button(command)->isEnabled());
            click(command);
        }
        QCOMPARE(rows().size(), 2);
    }

    void unsavedEditsAreAskedAbout()
    {
        addMacro(QStringLiteral("first"), { kADown, kAUp });
        addMacro(QStringLiteral("second"), { kAUp });
        makePage();
        QCOMPARE(m_page->currentMacroName(), QStringLiteral("first"));
        m_page->settleUnsavedEdits();
        QVERIFY(!visibleMessageBox());

        click(MacroDialog::Clear);
        answerQuestion(m_page.get(), true);
        selectMacro(*m_page, QStringLiteral("second"));
        QVERIFY(loadMacro(QStringLiteral("first")).events.isEmpty());
        QCOMPARE(rows(), QVector<MacroEvent>{ kAUp });

        click(MacroDialog::Clear);
        answerQuestion(m_page.get(), false);
        selectMacro(*m_page, QStringLiteral("first"));
        QCOMPARE(loadMacro(QStringLiteral("second")).events, QVector<MacroEvent>{ kAUp });

        // Leaving the page asks too; CANCEL goes back to the file.
        m_page->SelectRow(0);
        m_page->TreeitemClick(treeEntry(*m_page, QStringLiteral("DELAY")), 0);
        answerQuestion(m_page.get(), false);
        m_page->settleUnsavedEdits();
        QVERIFY(rows().isEmpty());
        QVERIFY(!m_page->hasUnsavedEdits());
    }

    void failedWritesLoseNothing()
    {
        addMacro(QStringLiteral("kept"), { kADown, kAUp });
        makePage();
        const QByteArray before = fileBytes(macroFilePath(QStringLiteral("kept")));
        for (int i = 0; i < 20; ++i)
            m_page->TreeitemClick(treeEntry(*m_page, QStringLiteral("DELAY")), 0);
        {
            FullDisk full;
            click(MacroDialog::Save);
            QTRY_VERIFY(visibleMessageBox());
            QVERIFY(messageShown().contains(QLatin1String("could not be written")));
            closeMessage();
            // Leaving the page then keeps the edits: saving them failed again.
            answerQuestion(m_page.get(), true);
            QVERIFY(!m_page->settleUnsavedEdits());
            QTRY_VERIFY(visibleMessageBox());
            closeMessage();
        }
        QCOMPARE(fileBytes(macroFilePath(QStringLiteral("kept"))), before);
        QCOMPARE(rows().size(), 22);
        QVERIFY(m_page->hasUnsavedEdits());
        click(MacroDialog::Save);
        QCOMPARE(loadMacro(QStringLiteral("kept")).events.size(), 22);

        // A new macro that cannot be written leaves the list and the folder as they were.
        const QByteArray listBefore = fileBytes(configIniPath());
        {
            FullDisk full;
            click(MacroDialog::New);
            QTRY_VERIFY(visibleMessageBox());
            closeMessage();
        }
        QCOMPARE(fileBytes(configIniPath()), listBefore);
        QCOMPARE(libraryNames(*m_page), QStringList{ "kept" });
        QVERIFY(!QFile::exists(macroFilePath(QStringLiteral("name_1"))));
    }

    void renameRefusesTakenAndUnsafeNames()
    {
        addMacro(QStringLiteral("one"), {});
        addMacro(QStringLiteral("two"), {});
        makePage();
        auto* name = fieldNamed(QStringLiteral("MACRO NAME"));
        for (const char* refused : { "two", "a/b" }) {
            name->setText(QLatin1String(refused));
            click(MacroDialog::ChangeName);
            QTRY_VERIFY(visibleMessageBox());
            closeMessage();
            QCOMPARE(libraryNames(*m_page), (QStringList{ "one", "two" }));
        }
        // Editing the list row renames the macro, its file and its entry.
        libraryList(*m_page)->item(0)->setText(QStringLiteral("three"));
        QCOMPARE(libraryNames(*m_page), (QStringList{ "three", "two" }));
        QCOMPARE(macroListEntries().first(), QStringLiteral("three"));
        QVERIFY(QFile::exists(macroFilePath(QStringLiteral("three"))));
        QCOMPARE(name->text(), QStringLiteral("three"));
    }

    void importRefusesClashesAndExportCopies()
    {
        addMacro(QStringLiteral("mine"), { kADown, kAUp });
        makePage();
        QTemporaryDir outside;
        const QString clash = outside.filePath(QStringLiteral("mine.MSMACRO"));
        const QString fresh = outside.filePath(QStringLiteral("fresh.MSMACRO"));
        const QString junk = outside.filePath(QStringLiteral("junk.MSMACRO"));
        QVERIFY(QFile::copy(macroFilePath(QStringLiteral("mine")), clash));
        QVERIFY(QFile::copy(macroFilePath(QStringLiteral("mine")), fresh));
        QVERIFY(writeBytes(junk, "not a macro\n"));

        chooseInFileDialog(m_page.get(), { clash });
        click(MacroDialog::Import);
        QTRY_VERIFY(visibleMessageBox());
        QVERIFY(messageShown().contains(QLatin1String("Macro Exist!")));
        closeMessage();
        chooseInFileDialog(m_page.get(), { junk });
        click(MacroDialog::Import);
        QTRY_VERIFY(visibleMessageBox());
        closeMessage();
        QCOMPARE(libraryNames(*m_page), QStringList{ "mine" });
        chooseInFileDialog(m_page.get(), { fresh });
        click(MacroDialog::Import);
        QCOMPARE(libraryNames(*m_page), (QStringList{ "mine", "fresh" }));
        QCOMPARE(m_page->currentMacroName(), QStringLiteral("fresh"));

        // An export onto a file the user chose replaces it.
        QVERIFY(writeBytes(clash, "old"));
        selectMacro(*m_page, QStringLiteral("mine"));
        chooseInFileDialog(m_page.get(), { clash });
        click(MacroDialog::Export);
        QCOMPARE(fileBytes(clash), fileBytes(macroFilePath(QStringLiteral("mine"))));

        // In batch mode every ticked macro goes into the chosen folder.
        QTemporaryDir target;
        click(MacroDialog::Batch);
        QVERIFY(m_page->isBatchMode());
        libraryList(*m_page)->item(0)->setCheckState(Qt::Checked);
        libraryList(*m_page)->item(1)->setCheckState(Qt::Checked);
        chooseInFileDialog(m_page.get(), { target.path() });
        click(MacroDialog::Export);
        for (const char* name : { "mine", "fresh" })
            QCOMPARE(fileBytes(target.filePath(QLatin1String(name) + QStringLiteral(".MSMACRO"))),
                     fileBytes(macroFilePath(QLatin1String(name))));
        QCOMPARE(QDir(target.path()).entryList(QDir::Files).size(), 2);
    }

    void recordsTheWindowsOwnKeysWithoutGlobalCapture()
    {
        addMacro(QStringLiteral("m"), {});
        makePage();
        QSignalSpy enabled(m_page.get(), &TarqPage::EnableButtonsSignal);
        boxNamed(QStringLiteral("RECORD DELAYS BETWEEN ACTION"))->click();
        click(MacroDialog::Start);
        QVERIFY(m_page->isRecording());
        QTRY_VERIFY(m_page->isCaptureReady());
        QVERIFY(!m_page->button(MacroDialog::Save)->isEnabled());
        QCOMPARE(enabled.takeFirst().at(0).toBool(), false);
        // Space on a focused button is a key to record, not a press of the button.
        m_page->button(MacroDialog::Stop)->setFocus();
        QTest::keyClick(m_page->button(MacroDialog::Stop), Qt::Key_Space);
        QVERIFY(m_page->isRecording());
        QTest::keyPress(m_page->button(MacroDialog::Stop), Qt::Key_Shift);
        click(MacroDialog::Stop);
        QVERIFY(!m_page->isRecording());
        QCOMPARE(enabled.takeFirst().at(0).toBool(), true);
        QTRY_VERIFY(visibleMessageBox());
        QVERIFY(messageShown().contains(QLatin1String("ONE OR MORE KEYS HAS NOT BEEN RELEASED.")));
        const QVector<MacroEvent> recorded = rows();
        QCOMPARE(recorded.size(), 5);
        QCOMPARE(recorded.at(0), (MacroEvent{ MacroKind::KeyPress, 44, 0 }));
        QCOMPARE(recorded.at(1).kind, MacroKind::Delay);
        QVERIFY(delayCount(recorded.at(1)) >= 1);
        QCOMPARE(recorded.at(4), (MacroEvent{ MacroKind::KeyPress, 225, 0 }));
    }

    void theWindowWaitsForTheMacroPage()
    {
        m_sandbox.reset();
        WindowSandbox sandbox;
        QVERIFY(sandbox.isValid());
        sandbox.mouse().plug(MouseLink::Receiver);
        auto window = sandbox.makeWindow();
        window->selectTab(MousecfgWidget::MacroTab);
        auto* page = window->findChild<MacroDialog*>();
        QVERIFY(page);
        page->button(MacroDialog::New)->click();

        // While recording, the rest of the window waits.
        TarqPushButton* apply = buttonNamed(window.get(), QStringLiteral("Apply"));
        QVERIFY(apply && apply->isEnabled());
        page->button(MacroDialog::Start)->click();
        QVERIFY(!apply->isEnabled());
        page->button(MacroDialog::Stop)->click();
        QVERIFY(apply->isEnabled());

        // Leaving with unsaved edits asks; a failed save keeps the user on the page.
        page->TreeitemClick(treeEntry(*page, QStringLiteral("DELAY")), 0);
        {
            FullDisk full;
            answerQuestion(page, true);
            window->selectTab(MousecfgWidget::DpiTab);
        }
        QCOMPARE(window->currentTab(), int(MousecfgWidget::MacroTab));
        QTRY_VERIFY(visibleMessageBox());
        closeMessage();
        answerQuestion(page, true);
        window->selectTab(MousecfgWidget::DpiTab);
        QCOMPARE(window->currentTab(), int(MousecfgWidget::DpiTab));
        QCOMPARE(loadMacro(page->currentMacroName()).events.size(), 1);
    }

    void insertionStopsAtWhatAButtonHolds()
    {
        addMacro(QStringLiteral("clicks"), {});
        makePage();
        QTreeWidgetItem* left = treeEntry(*m_page, QStringLiteral("LEFT CLICK"));
        m_page->TreeitemClick(left, 0);
        for (int click = 0; click < 26; ++click)
            m_page->TreeitemClick(left, 0);
        QCOMPARE(rows().size(), 52);
        QVERIFY(!visibleMessageBox());

        // Without delay rows the 53rd row is refused, whole clicks and single presses alike.
        m_page->TreeitemClick(left, 0);
        expectMessage(QStringLiteral("A button holds at most 52 events: this macro has no room for more."));
        m_page->TreeitemClick(treeEntry(*m_page, QStringLiteral("PRESS DOWN"), QStringLiteral("LEFT CLICK")), 0);
        expectMessage(QStringLiteral("at most 52 events"));
        m_page->TreeitemClick(treeEntry(*m_page, QStringLiteral("MOVE LEFT"), QStringLiteral("MOVEMENT")), 0);
        expectMessage(QStringLiteral("at most 52 events"));
        QCOMPARE(rows().size(), 52);

        // A delay row makes the mouse take the macro as it stands: a button's 63 events.
        for (int delay = 0; delay < 11; ++delay)
            click(MacroDialog::InsertDelay);
        QCOMPARE(rows().size(), 63);
        QVERIFY(!visibleMessageBox());
        click(MacroDialog::InsertDelay);
        expectMessage(QStringLiteral("at most 63 events"));
        QCOMPARE(rows().size(), 63);
        click(MacroDialog::Save);
        QVERIFY(!visibleMessageBox());
        QCOMPARE(loadMacro(QStringLiteral("clicks")).events.size(), 63);
    }

    void editKeepsThePairAndSaveWantsItWhole()
    {
        addMacro(QStringLiteral("m"), { kADown, delayEventOfCount(2), kAUp });
        makePage();
        m_page->SelectRow(0);
        click(MacroDialog::Edit);
        QVERIFY(m_page->isEditingKey());
        QTRY_VERIFY(m_page->isCaptureReady());
        QWidget* focus = m_page->button(MacroDialog::Save);
        focus->setFocus();
        QTest::keyClick(focus, Qt::Key_Z);
        const MacroEvent zDown = keyEvent(true, 29);
        const MacroEvent zUp = keyEvent(false, 29);
        QTRY_COMPARE(rows(), (QVector<MacroEvent>{ zDown, delayEventOfCount(2), zUp }));
        click(MacroDialog::Save);
        QVERIFY(!m_page->isEditingKey());
        QVERIFY(!visibleMessageBox());
        QCOMPARE(loadMacro(QStringLiteral("m")).events, rows());

        // Without its release the macro would hold Z down on the mouse: SAVE asks for the fix.
        const QByteArray saved = fileBytes(macroFilePath(QStringLiteral("m")));
        m_page->SelectRow(2);
        click(MacroDialog::DeleteRow);
        click(MacroDialog::Save);
        QTRY_VERIFY(visibleMessageBox());
        QVERIFY(messageShown().contains(QLatin1String("ONE OR MORE KEYS HAS NOT BEEN RELEASED.")));
        QVERIFY2(messageShown().contains(QLatin1String(": Z")), qPrintable(messageShown()));
        closeMessage();
        QCOMPARE(fileBytes(macroFilePath(QStringLiteral("m"))), saved);
        QVERIFY(m_page->hasUnsavedEdits());
    }

    void tooLongFilesAreOpenedCutAndNotImported()
    {
        // A file another program wrote with more events than a button holds opens with the first 63.
        QVERIFY(QDir().mkpath(macroDirectory()));
        QVector<MacroEvent> taps;
        for (int i = 0; i < 70; ++i)
            taps << (i % 2 == 0 ? kADown : kAUp);
        writeMacroFileOf(macroFilePath(QStringLiteral("huge")), 100000, taps);
        QCOMPARE(addMacroToList(QStringLiteral("huge")), MacroResult::Ok);
        makePage();
        expectMessage(QStringLiteral("only its first 63 are shown"));
        QCOMPARE(rows(), taps.mid(0, 63));
        QVERIFY(!m_page->hasUnsavedEdits());
        // 63 events without delay rows still do not fit: SAVE says so and writes nothing.
        const QByteArray before = fileBytes(macroFilePath(QStringLiteral("huge")));
        click(MacroDialog::Save);
        expectMessage(QStringLiteral("too long for a button"));
        QCOMPARE(fileBytes(macroFilePath(QStringLiteral("huge"))), before);

        // An import that does not fit, or leaves a key pressed, is refused with the reason.
        QTemporaryDir outside;
        const QString tooLong = outside.filePath(QStringLiteral("long.MSMACRO"));
        writeMacroFileOf(tooLong, 53, taps.mid(0, 53));
        const QString held = outside.filePath(QStringLiteral("held.MSMACRO"));
        writeMacroFileOf(held, 1, { kADown });
        const QStringList listBefore = macroListEntries();
        chooseInFileDialog(m_page.get(), { tooLong });
        click(MacroDialog::Import);
        expectMessage(QStringLiteral("This macro is too long for a button, which holds at most 52 events without "
                                     "delay rows and 63 with them."));
        chooseInFileDialog(m_page.get(), { held });
        click(MacroDialog::Import);
        expectMessage(QStringLiteral("ONE OR MORE KEYS HAS NOT BEEN RELEASED."));
        QCOMPARE(macroListEntries(), listBefore);
        QCOMPARE(libraryNames(*m_page), QStringList{ "huge" });
        QVERIFY(!QFile::exists(macroFilePath(QStringLiteral("long"))));
        QVERIFY(!QFile::exists(macroFilePath(QStringLiteral("held"))));
    }

    void renameAndDeleteFollowTheButtons()
    {
        addMacro(QStringLiteral("burst"), { kADown, kAUp });
        addMacro(QStringLiteral("other"), { kADown, kAUp });
        ConfigRecord config;
        makeDefaultConfiguration(config);
        for (int slot = 0; slot < kProfileCount; ++slot)
            config.profileNames[size_t(slot)] = defaultProfileName(slot);
        config.profiles[1].buttons[5] = macroButton(QStringLiteral("burst"));
        config.profiles[3].buttons[2] = macroButton(QStringLiteral("burst"), FunctionCode::GunFile);
        config.profiles[0].buttons[4] = macroButton(QStringLiteral("other"));
        for (int slot = 0; slot < kProfileCount; ++slot)
            QVERIFY(writeNamedProfile(config.profiles[size_t(slot)], config.profileNames[size_t(slot)]) ==
                    StorageResult::Ok);
        // A profile of the library that no slot holds.
        QVERIFY(ensureProductFolder() == StorageResult::Ok);
        QVERIFY(writeProfileList(readProfileList() << QStringLiteral("Arena")) == StorageResult::Ok);
        QVERIFY(writeProfileFile(config.profiles[1], libraryProfileFilePath(QStringLiteral("Arena"))) ==
                StorageResult::Ok);

        makePage();
        m_page->showProfile(config.profiles[0], config, productDpiStageCount());
        QSignalSpy changed(m_page.get(), &MacroDialog::macroReferencesChanged);
        selectMacro(*m_page, QStringLiteral("burst"));
        fieldNamed(QStringLiteral("MACRO NAME"))->setText(QStringLiteral("volley"));
        click(MacroDialog::ChangeName);
        QVERIFY(!visibleMessageBox());
        QCOMPARE(changed.count(), 1);
        QCOMPARE(config.profiles[1].buttons[5].macroname, QStringLiteral("volley"));
        QCOMPARE(config.profiles[3].buttons[2].macroname, QStringLiteral("volley"));
        QCOMPARE(config.profiles[0].buttons[4].macroname, QStringLiteral("other"));
        QCOMPARE(profileOnDisk(profileFilePath(QStringLiteral("Profile 2"))).buttons[5].macroname,
                 QStringLiteral("volley"));
        QCOMPARE(profileOnDisk(profileFilePath(QStringLiteral("Profile 4"))).buttons[2].macroname,
                 QStringLiteral("volley"));
        QCOMPARE(profileOnDisk(libraryProfileFilePath(QStringLiteral("Arena"))).buttons[5].macroname,
                 QStringLiteral("volley"));

        // DELETE asks first and names every button that plays the macro; No changes nothing.
        const ConfigRecord before = config;
        const QByteArray slotFileBefore = fileBytes(profileFilePath(QStringLiteral("Profile 2")));
        QString asked;
        answerAndKeepQuestion(m_page.get(), false, &asked);
        click(MacroDialog::DeleteMacro);
        QVERIFY2(asked.contains(QLatin1String("Delete the macro \"volley\"?\nButton 6 of Profile 2 uses it.\n"
                                              "Button 3 of Profile 4 uses it.\nButton 6 of Arena uses it.")),
                 qPrintable(asked));
        QVERIFY(QFile::exists(macroFilePath(QStringLiteral("volley"))));
        QCOMPARE(libraryNames(*m_page), (QStringList{ "volley", "other" }));
        QVERIFY(config == before);
        QCOMPARE(fileBytes(profileFilePath(QStringLiteral("Profile 2"))), slotFileBefore);

        // Yes: the macro goes, and its buttons take the product's default function again.
        answerQuestion(m_page.get(), true);
        click(MacroDialog::DeleteMacro);
        QTRY_COMPARE(libraryNames(*m_page), QStringList{ "other" });
        QVERIFY(!QFile::exists(macroFilePath(QStringLiteral("volley"))));
        QCOMPARE(changed.count(), 2);
        ProfileRecord defaults;
        makeDefaultProfile(defaults);
        QCOMPARE(config.profiles[1].buttons[5], defaults.buttons[5]);
        QCOMPARE(config.profiles[3].buttons[2], defaults.buttons[2]);
        QCOMPARE(profileOnDisk(profileFilePath(QStringLiteral("Profile 2"))).buttons[5], defaults.buttons[5]);
        QCOMPARE(profileOnDisk(libraryProfileFilePath(QStringLiteral("Arena"))).buttons[5], defaults.buttons[5]);
        QCOMPARE(config.profiles[0].buttons[4].macroname, QStringLiteral("other"));

        // A macro no button plays is asked about plainly.
        config.profiles[0].buttons[4] = defaults.buttons[4];
        QVERIFY(writeNamedProfile(config.profiles[0], config.profileNames[0]) == StorageResult::Ok);
        answerAndKeepQuestion(m_page.get(), true, &asked);
        click(MacroDialog::DeleteMacro);
        QVERIFY2(asked.endsWith(QLatin1String("\nDelete the macro \"other\"?")), qPrintable(asked));
        QVERIFY(libraryNames(*m_page).isEmpty());
    }

    void renamedMacroIsSentUnderItsNewName()
    {
        m_sandbox.reset();
        WindowSandbox sandbox;
        QVERIFY(sandbox.isValid());
        sandbox.mouse().plug(MouseLink::Receiver);
        addMacro(QStringLiteral("burst"), { kADown, kAUp });
        auto window = sandbox.makeWindow();
        ConfigRecord& working = window->workingConfiguration();
        const int slot = working.ProfileID;
        working.profiles[size_t(slot)].buttons[5] = macroButton(QStringLiteral("burst"));
        window->RefreshPages();
        ::click(*window, QStringLiteral("Apply"));
        waitForSend(*window, 0);
        VirtualMouse& mouse = sandbox.mouse();
        const int macroWrites = mouse.sectionWrites(CommandCode::MacroSection);
        const int buttonWrites = mouse.sectionWrites(CommandCode::ButtonSection);
        QVERIFY(macroWrites > 0);

        window->selectTab(MousecfgWidget::MacroTab);
        auto* page = window->findChild<MacroDialog*>();
        QVERIFY(page);
        selectMacro(*page, QStringLiteral("burst"));
        for (QLineEdit* edit : page->findChildren<QLineEdit*>())
            if (edit->accessibleName() == QLatin1String("MACRO NAME"))
                edit->setText(QStringLiteral("volley"));
        page->button(MacroDialog::ChangeName)->click();
        QVERIFY(!visibleMessageBox());

        // The working record, the slot's file and the button's label follow; the last upload stays.
        QCOMPARE(working.profiles[size_t(slot)].buttons[5].macroname, QStringLiteral("volley"));
        QCOMPARE(profileOnDisk(profileFilePath(working.profileNames[size_t(slot)])).buttons[5].macroname,
                 QStringLiteral("volley"));
        QCOMPARE(window->lastUploadedConfiguration().profiles[size_t(slot)].buttons[5].macroname,
                 QStringLiteral("burst"));
        const QString label = window->findChild<TarqBtnWindow*>()->label(5)->text();
        QVERIFY2(label.contains(QLatin1String("volley")) && !label.contains(QLatin1String("burst")), qPrintable(label));

        // The next Apply resends the buttons and, with them, the macro under its new name.
        ::click(*window, QStringLiteral("Apply"));
        waitForSend(*window, 0);
        QCOMPARE(mouse.sectionWrites(CommandCode::ButtonSection), buttonWrites + 1);
        QCOMPARE(mouse.sectionWrites(CommandCode::MacroSection), macroWrites + 1);
        const DecodedButtons buttons =
            decodeButtonSection(mouse.onBoardSection(mouse.activeProfile(), CommandCode::ButtonSection));
        ButtonTable positions{};
        QCOMPARE(loadButtonMatrix(positions), 0);
        QCOMPARE(buttons.buttonSlots[positions[5]], (ButtonSlot{ 0x91, 0x00, 0x01, 0x00 }));
        const MacroSlot expected = encodeMacroSlot(loadMacro(QStringLiteral("volley")));
        QCOMPARE(decodeMacroSection(mouse.section(CommandCode::MacroSection))[0].bytes,
                 QByteArray(reinterpret_cast<const char*>(expected.data()), kMacroSlotSize));
    }

    // The refused insertion as the user sees it, over the MACRO tab.
    void refusedInsertionScreens_data() { addScaleAndLanguageRows(); }

    void refusedInsertionScreens()
    {
        QFETCH(QString, scale);
        QFETCH(int, language);
        m_sandbox.reset();
        qputenv("MOUSECFG_SCALE_FACTOR", scale.toLatin1());
        auto unset = qScopeGuard([] { qunsetenv("MOUSECFG_SCALE_FACTOR"); });
        WindowSandbox sandbox;
        QVERIFY(sandbox.isValid());
        QVERIFY(saveChosenLanguage(language));
        sandbox.mouse().plug(MouseLink::Receiver);
        QVector<MacroEvent> clicks;
        for (int click = 0; click < 26; ++click)
            clicks << buttonEvent(true, MouseButtonBit::Left) << buttonEvent(false, MouseButtonBit::Left);
        addMacro(QStringLiteral("clicks"), clicks);
        auto window = sandbox.makeWindow();
        window->show();
        QVERIFY(QTest::qWaitForWindowExposed(window.get()));
        window->selectTab(MousecfgWidget::MacroTab);
        auto* page = window->findChild<MacroDialog*>();
        QVERIFY(page);
        page->SelectRow(51);
        QTreeWidgetItem* left = page->findChild<QTreeWidget*>()->topLevelItem(0);
        page->TreeitemClick(left, 0);
        page->TreeitemClick(left, 0);
        QTRY_VERIFY(visibleMessageBox());
        TarqMessageBox* box = visibleMessageBox();
        QVERIFY(QTest::qWaitForWindowExposed(box));
        QVERIFY2(messageBoxText(box).contains(QLatin1String("52")), qPrintable(messageBoxText(box)));
        QCOMPARE(page->eventModel()->rowCount(), 52);
        QImage shot = window->grab().toImage();
        {
            QPainter painter(&shot);
            const QPixmap boxShot = box->grab();
            painter.drawPixmap((shot.width() - boxShot.width()) / 2, (shot.height() - boxShot.height()) / 2, boxShot);
        }
        QVERIFY(shot.save(screensDirectory() +
                          QStringLiteral("/window-macro-full-%1-%2.png").arg(scale, languageCode(language))));
        box->accept();
    }

    void everyControlIsNamed()
    {
        addMacro(QStringLiteral("m"), {});
        makePage();
        for (const QWidget* widget : m_page->findChildren<QWidget*>()) {
            if (widget->focusPolicy() & Qt::TabFocus && widget->isVisibleTo(m_page.get()) &&
                !widget->parentWidget()->inherits("QAbstractScrollArea") && !widget->inherits("QScrollBar"))
                QVERIFY2(!widget->accessibleName().isEmpty(), widget->metaObject()->className());
        }
    }
};

QTEST_MAIN(TestMacroDialog)
#include "test_macro_dialog.moc"
