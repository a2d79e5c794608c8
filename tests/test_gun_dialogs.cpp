// SPDX-License-Identifier: GPL-3.0-or-later
#include "controls/display_scale.h"
#include "controls/message_box.h"
#include "controls/push_button.h"
#include "macro/gun_dialogs.h"
#include "macro/gun_pattern.h"
#include "storage/macro_files.h"
#include "storage/product_description.h"
#include "storage_sandbox.h"

#include <QDir>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QSignalSpy>
#include <QSlider>
#include <QToolButton>
#include <QtTest>
#include <algorithm>
#include <memory>

namespace {

// The dialog's control that screen readers know by that name.
template<typename Widget>
Widget* named(const QWidget* dialog, const QString& accessibleName)
{
    for (Widget* widget : dialog->findChildren<Widget*>()) {
        if (widget->accessibleName() == accessibleName)
            return widget;
    }
    return nullptr;
}

TarqMessageBox* openBox(const QWidget* dialog)
{
    for (TarqMessageBox* box : dialog->findChildren<TarqMessageBox*>()) {
        if (box->isVisible() && !box->isClosing())
            return box;
    }
    return nullptr;
}

QString boxLabel(const TarqMessageBox* box, const char* objectName)
{
    return box ? box->findChild<QLabel*>(QLatin1String(objectName))->text() : QString();
}

QStringList macroFiles()
{
    return QDir(macroDirectory()).entryList(QDir::Files);
}

void typeInto(QLineEdit* edit, const QString& text)
{
    QVERIFY(edit);
    edit->clear();
    QTest::keyClicks(edit, text);
}

QStringList rowTexts(const QListWidget* list)
{
    QStringList texts;
    for (int i = 0; i < list->count(); ++i)
        texts << list->item(i)->text();
    return texts;
}

} // namespace

class TestGunDialogs final : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();
    void refusedNamesWriteNothing_data();
    void refusedNamesWriteNothing();
    void failedWriteLeavesNoFileAndNoEntry();
    void savesTheBulletsAroundThePatternMadeInTheEditor();
    void longerPatternLowersTheBullets();
    void aPatternThatHoldsAButtonIsNotSaved();
    void editorDirectionsSliderAndRows();
    void everyTabStopHasAName();

private:
    std::unique_ptr<StorageSandbox> m_sandbox;
};

void TestGunDialogs::init()
{
    setDisplayScaleFactor(1.0);
    m_sandbox = std::make_unique<StorageSandbox>();
    QVERIFY(m_sandbox->isValid());
}

void TestGunDialogs::cleanup()
{
    m_sandbox.reset();
}

void TestGunDialogs::refusedNamesWriteNothing_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("delay");
    QTest::addColumn<QString>("message");
    const QString taken = QLatin1String(macroResultMessage(MacroResult::NameTaken));
    const QString badName = QLatin1String(macroResultMessage(MacroResult::InvalidName));
    QTest::newRow("empty") << QString() << "100"
                           << "Please input file name.";
    QTest::newRow("only spaces") << "   "
                                 << "100"
                                 << "Please input file name.";
    QTest::newRow("slash") << "a/b"
                           << "100" << badName;
    QTest::newRow("parent folder") << ".."
                                   << "100" << badName;
    QTest::newRow("listed name") << "listed"
                                 << "100" << taken;
    QTest::newRow("file without entry") << "orphan"
                                        << "100" << taken;
    QTest::newRow("delay below the range") << "fresh"
                                           << "5"
                                           << "The delay must be 10 to 1000 ms.";
}

void TestGunDialogs::refusedNamesWriteNothing()
{
    QFETCH(QString, name);
    QFETCH(QString, delay);
    QFETCH(QString, message);
    QCOMPARE(addMacroToList(QStringLiteral("listed")), MacroResult::Ok);
    QCOMPARE(saveMacro(QStringLiteral("orphan"), MacroFile()), MacroResult::Ok);
    const QStringList filesBefore = macroFiles();
    const QStringList listBefore = macroListEntries();

    TarqGunsetDialog dialog;
    QSignalSpy saved(&dialog, &TarqGunsetDialog::OnYesClick);
    dialog.show();
    typeInto(named<QLineEdit>(&dialog, QStringLiteral("GUNFILE NAME")), name);
    typeInto(named<QLineEdit>(&dialog, QStringLiteral("DELAY(MS)")), delay);
    dialog.yesButton()->click();

    QTRY_COMPARE(boxLabel(openBox(&dialog), "msgBoxInfoLabel1"), message);
    QCOMPARE(openBox(&dialog)->kind(), int(TarqMessageBox::Warning));
    QCOMPARE(boxLabel(openBox(&dialog), "msgBoxInfoLabel2"), QStringLiteral("Warning"));
    QVERIFY(dialog.isVisible());
    QCOMPARE(saved.count(), 0);
    QCOMPARE(dialog.gunFileName(), QString());
    QCOMPARE(macroFiles(), filesBefore);
    QCOMPARE(macroListEntries(), listBefore);
}

void TestGunDialogs::failedWriteLeavesNoFileAndNoEntry()
{
    // A plain file where the macro folder belongs: nothing can be written under it.
    QVERIFY(writeBytes(macroDirectory().chopped(1), "not a folder"));
    TarqGunsetDialog dialog;
    dialog.show();
    typeInto(named<QLineEdit>(&dialog, QStringLiteral("GUNFILE NAME")), QStringLiteral("spray"));
    dialog.yesButton()->click();
    QTRY_COMPARE(boxLabel(openBox(&dialog), "msgBoxInfoLabel1"),
                 QLatin1String(macroResultMessage(MacroResult::FileError)));
    QVERIFY(dialog.isVisible());
    QVERIFY(!QFile::exists(macroFilePath(QStringLiteral("spray"))));
    QCOMPARE(countMacros(), 0);

    // A full library refuses before anything is written.
    QVERIFY(QFile::remove(macroDirectory().chopped(1)));
    for (int i = 0; i < kMacroListSize; ++i)
        QCOMPARE(addMacroToList(QStringLiteral("m%1").arg(i)), MacroResult::Ok);
    openBox(&dialog)->accept();
    QTRY_VERIFY(!openBox(&dialog));
    dialog.yesButton()->click();
    QTRY_COMPARE(boxLabel(openBox(&dialog), "msgBoxInfoLabel1"), QLatin1String(kTooManyMacrosMessage));
    QVERIFY(!QFile::exists(macroFilePath(QStringLiteral("spray"))));
}

void TestGunDialogs::savesTheBulletsAroundThePatternMadeInTheEditor()
{
    TarqGunsetDialog dialog;
    QSignalSpy saved(&dialog, &TarqGunsetDialog::OnYesClick);
    dialog.show();
    typeInto(named<QLineEdit>(&dialog, QStringLiteral("GUNFILE NAME")), QStringLiteral(" spray "));
    named<QSlider>(&dialog, QStringLiteral("BULLETS"))->setValue(3);
    typeInto(named<QLineEdit>(&dialog, QStringLiteral("DELAY(MS)")), QStringLiteral("100"));

    named<TarqPushButton>(&dialog, QStringLiteral("GUN EDIT"))->click();
    QTRY_VERIFY(dialog.findChild<TarqGunEditDialog*>() && dialog.findChild<TarqGunEditDialog*>()->isVisible());
    auto* editor = dialog.findChild<TarqGunEditDialog*>();
    QSignalSpy edited(editor, &TarqGunEditDialog::OnYesClick);
    named<TarqPushButton>(editor, QStringLiteral("MOVE DOWN"))->click();
    named<QSlider>(editor, QStringLiteral("Distance"))->setValue(7);
    named<TarqPushButton>(editor, QStringLiteral("ADD"))->click();
    QCOMPARE(rowTexts(named<QListWidget>(editor, QStringLiteral("MOUSE ACTION"))), QStringList{ "MOVE DOWN : 7" });
    editor->yesButton()->click();
    QCOMPARE(edited.count(), 1);

    const QVector<MacroEvent> pattern{ moveEvent(MoveDirection::Down, 7) };
    QCOMPARE(dialog.pattern(), pattern);
    QCOMPARE(rowTexts(named<QListWidget>(&dialog, QStringLiteral("Pattern"))), QStringList{ "MOVE DOWN : 7" });
    dialog.yesButton()->click();

    QCOMPARE(saved.count(), 1);
    QVERIFY(!dialog.isVisible());
    QCOMPARE(dialog.result(), int(QDialog::Accepted));
    QCOMPARE(dialog.gunFileName(), QStringLiteral("spray"));
    const MacroFile file = loadMacro(QStringLiteral("spray"));
    QCOMPARE(file.events, gunPatternEvents(3, 100, pattern, productMinDelay()));
    QCOMPARE(file.events.size(), 3 * 4);
    QCOMPARE(file.defaultDelay, 100);
    QCOMPARE(file.loopType, 1);
    QCOMPARE(file.loopTime, 1);
    QCOMPARE(macroListEntries().first(), QStringLiteral("spray"));
    QCOMPARE(countMacros(), 1);
}

void TestGunDialogs::longerPatternLowersTheBullets()
{
    TarqGunsetDialog dialog;
    auto* slider = named<QSlider>(&dialog, QStringLiteral("BULLETS"));
    QCOMPARE(slider->maximum(), 21);
    dialog.setBullets(21);
    QVERIFY(dialog.setPattern(QVector<MacroEvent>(2, moveEvent(MoveDirection::Up, 1))));
    QCOMPARE(dialog.bullets(), 12);
    QCOMPARE(slider->maximum(), 12);
    // Not even one bullet of this fits a button: the present pattern stays.
    QVERIFY(!dialog.setPattern(QVector<MacroEvent>(kMaxGunPatternRows + 1, moveEvent(MoveDirection::Up, 1))));
    QCOMPARE(dialog.pattern().size(), 2);
}

void TestGunDialogs::aPatternThatHoldsAButtonIsNotSaved()
{
    TarqGunsetDialog dialog;
    dialog.show();
    // The edit dialog makes only movements and pauses; a pattern from elsewhere may press a button.
    QVERIFY(dialog.setPattern({ moveEvent(MoveDirection::Down, 4), buttonEvent(true, MouseButtonBit::Right) }));
    typeInto(named<QLineEdit>(&dialog, QStringLiteral("GUNFILE NAME")), QStringLiteral("spray"));
    dialog.yesButton()->click();
    QTRY_VERIFY(openBox(&dialog));
    const QString text = boxLabel(openBox(&dialog), "msgBoxInfoLabel1");
    QVERIFY2(text.startsWith(QLatin1String("ONE OR MORE KEYS HAS NOT BEEN RELEASED.")) && text.endsWith(": RIGHT"),
             qPrintable(text));
    QVERIFY(dialog.isVisible());
    QVERIFY(!QFile::exists(macroFilePath(QStringLiteral("spray"))));
    QCOMPARE(countMacros(), 0);
}

void TestGunDialogs::editorDirectionsSliderAndRows()
{
    const MacroEvent pause = delayEvent(40, 10);
    TarqGunEditDialog editor({ moveEvent(MoveDirection::Left, 3), pause }, 10);
    editor.show();
    auto* list = named<QListWidget>(&editor, QStringLiteral("MOUSE ACTION"));
    auto* slider = named<QSlider>(&editor, QStringLiteral("Distance"));
    QCOMPARE(rowTexts(list), (QStringList{ "MOVE LEFT : 3", "40 ms" }));
    // The first row is selected and its values shown.
    QCOMPARE(editor.direction(), MoveDirection::Left);
    QCOMPARE(slider->value(), 3);

    const QStringList directions{ "MOVE LEFT", "MOVE RIGHT", "MOVE UP", "MOVE DOWN" };
    for (const QString& chosen : { QStringLiteral("MOVE UP"), QStringLiteral("MOVE RIGHT") }) {
        named<TarqPushButton>(&editor, chosen)->click();
        for (const QString& other : directions)
            QCOMPARE(named<TarqPushButton>(&editor, other)->isChecked(), other == chosen);
    }
    QCOMPARE(editor.direction(), MoveDirection::Right);

    // The slider moves the selected movement, in its own direction, and never a pause.
    slider->setValue(9);
    QCOMPARE(editor.pattern().at(0), moveEvent(MoveDirection::Left, 9));
    QCOMPARE(list->item(0)->text(), QStringLiteral("MOVE LEFT : 9"));
    const QList<QLabel*> labels = editor.findChildren<QLabel*>();
    QVERIFY(std::any_of(labels.cbegin(), labels.cend(), [](const QLabel* label) { return label->text() == "9"; }));
    list->setCurrentRow(1);
    slider->setValue(20);
    QCOMPARE(editor.pattern().at(1), pause);

    // New rows go after the selected one; Delete takes the selected one away.
    list->setCurrentRow(0);
    typeInto(named<QLineEdit>(&editor, QStringLiteral("Delay (ms)")), QStringLiteral("30"));
    named<TarqPushButton>(&editor, QStringLiteral("ADD DELAY"))->click();
    QCOMPARE(rowTexts(list), (QStringList{ "MOVE LEFT : 9", "30 ms", "40 ms" }));
    QCOMPARE(list->currentRow(), 1);
    QTest::keyClick(list, Qt::Key_Delete);
    QCOMPARE(rowTexts(list), (QStringList{ "MOVE LEFT : 9", "40 ms" }));

    // A pattern no bullet could hold is never made.
    auto* add = named<TarqPushButton>(&editor, QStringLiteral("ADD"));
    while (editor.pattern().size() < kMaxGunPatternRows && add->isEnabled())
        add->click();
    QCOMPARE(editor.pattern().size(), kMaxGunPatternRows);
    QVERIFY(!add->isEnabled());
    QVERIFY(!named<TarqPushButton>(&editor, QStringLiteral("ADD DELAY"))->isEnabled());
}

void TestGunDialogs::everyTabStopHasAName()
{
    TarqGunsetDialog gunset;
    TarqGunEditDialog editor({}, 10);
    for (const QWidget* dialog : { static_cast<QWidget*>(&gunset), static_cast<QWidget*>(&editor) }) {
        int stops = 0;
        for (const QWidget* widget = dialog->nextInFocusChain(); widget != dialog;
             widget = widget->nextInFocusChain()) {
            if ((widget->focusPolicy() & Qt::TabFocus) == 0 || widget->isHidden())
                continue;
            ++stops;
            QVERIFY2(!widget->accessibleName().isEmpty(), widget->metaObject()->className());
        }
        QVERIFY(stops >= 7);
    }
}

QTEST_MAIN(TestGunDialogs)
#include "test_gun_dialogs.moc"
