#include "app/mousecfg_widget.h"
#include "controls/display_scale.h"
#include "controls/message_box.h"
#include "controls/push_button.h"
#include "full_disk.h"
#include "macro/macro_dialog.h"
#include "macro/macro_events.h"
#include "macro/macro_model.h"
#include "macro_event_printing.h"
#include "macro_page_driver.h"
#include "storage/app_config.h"
#include "storage/macro_files.h"
#include "storage/paths.h"
#include "storage_sandbox.h"
#include "window_sandbox.h"

#include <QCheckBox>
#include <QLineEdit>
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
