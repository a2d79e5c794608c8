// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/mousecfg_widget.h"
#include "app/window_layout.h"
#include "buttons/button_page.h"
#include "buttons/function_encoding.h"
#include "buttons/key_capture.h"
#include "buttons/macro_select.h"
#include "buttons/param_dialogs.h"
#include "controls/display_scale.h"
#include "controls/labels_menus.h"
#include "controls/message_box.h"
#include "controls/name_field.h"
#include "controls/progress.h"
#include "controls/push_button.h"
#include "long_texts.h"
#include "macro/gun_dialogs.h"
#include "macro/macro_dialog.h"
#include "macro/macro_events.h"
#include "pages/color_areas.h"
#include "pages/color_editor.h"
#include "pages/lighting_page.h"
#include "screens_directory.h"
#include "storage/languages.h"
#include "storage/macro_files.h"
#include "storage_sandbox.h"
#include "visible_texts.h"
#include "window_sandbox.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QListWidget>
#include <QMenu>
#include <QPainter>
#include <QTest>
#include <QToolButton>
#include <QXmlStreamReader>

namespace {

const char* const kTabNames[] = { "lighting", "customize", "dpi", "macro" };
const char* const kLanguageNames[] = { "en", "de", "zh" };

const QString kLongPath =
    QStringLiteral("/home/someone/.config/mousecfg/Configs/Profiles/") + longProfileName() + QStringLiteral(".prof");

// Every source text the program shows in a message box, as the catalogue lists them.
QStringList messageSourceTexts()
{
    QFile catalogue(shippedDataFile(QStringLiteral("lang/mousecfg_en.ts")));
    if (!catalogue.open(QIODevice::ReadOnly))
        return {};
    QStringList texts;
    QXmlStreamReader xml(&catalogue);
    QString context;
    while (!xml.atEnd()) {
        xml.readNext();
        if (!xml.isStartElement())
            continue;
        if (xml.name() == QLatin1String("name"))
            context = xml.readElementText();
        else if (xml.name() == QLatin1String("source") && context == QLatin1String("TarqMessageBox"))
            texts << xml.readElementText();
    }
    return texts;
}

// A dialog of the button page over the window, as the user sees it.
void saveDialogShot(MousecfgWidget& window, QDialog& dialog, const QString& name)
{
    dialog.show();
    QVERIFY(QTest::qWaitForWindowExposed(&dialog));
    verifyVisibleTextsFit(dialog, name);
    QImage shot = window.grab().toImage();
    {
        QPainter painter(&shot);
        const QRect area = dialog.rect();
        painter.drawPixmap((shot.width() - area.width()) / 2, (shot.height() - area.height()) / 2, dialog.grab());
    }
    QVERIFY(shot.save(screensDirectory() + QLatin1Char('/') + name + QStringLiteral(".png")));
    dialog.reject();
}

void saveButtonDialogShots(MousecfgWidget& window, TarqBtnWindow* page, const QString& suffix)
{
    ButtonEntry combo;
    for (int i = 0; i < 3; ++i)
        insertComboPair(combo, i, std::array<unsigned, 3>{ 42, 29, 30 }[size_t(i)]);
    TarqComboKeyWindow comboDialog(page, &combo.KeyInfo);
    saveDialogShot(window, comboDialog, QStringLiteral("dialog-combo-key-") + suffix);
    TarqSingleKeyWindow singleDialog(page, 57);
    saveDialogShot(window, singleDialog, QStringLiteral("dialog-single-key-") + suffix);
    TarqFireKeyWindow fireDialog(page);
    saveDialogShot(window, fireDialog, QStringLiteral("dialog-fire-key-") + suffix);
    TarqSniperWindow sniperDialog(page, 4);
    saveDialogShot(window, sniperDialog, QStringLiteral("dialog-sniper-") + suffix);
    TarqMacroSelect macroDialog("MACRO SELECT", QStringLiteral("Burst"), 5, 0, page);
    saveDialogShot(window, macroDialog, QStringLiteral("dialog-macro-select-") + suffix);
}

void saveGunDialogShots(MousecfgWidget& window, const QString& suffix)
{
    const QVector<MacroEvent> pattern{ moveEvent(MoveDirection::Down, 6), moveEvent(MoveDirection::Left, 2),
                                       delayEvent(20, 10), buttonEvent(true, MouseButtonBit::Right),
                                       moveEvent(MoveDirection::Down, 9) };
    TarqGunsetDialog gunsetDialog(&window);
    QVERIFY(gunsetDialog.setPattern(pattern));
    gunsetDialog.setBullets(7);
    saveDialogShot(window, gunsetDialog, QStringLiteral("gunset-") + suffix);
    TarqGunEditDialog editDialog(pattern, 10, &window);
    saveDialogShot(window, editDialog, QStringLiteral("gunedit-") + suffix);
}

// A macro as a recording leaves it: keys with measured pauses, a click and a movement.
void saveSampleMacros()
{
    MacroFile burst;
    burst.delayType = 1;
    burst.loopType = 1;
    burst.loopTime = 3;
    const MacroEvent events[] = { keyEvent(true, 225),
                                  delayEvent(40, 10),
                                  keyEvent(true, 4),
                                  delayEvent(30, 10),
                                  keyEvent(false, 4),
                                  delayEvent(20, 10),
                                  keyEvent(false, 225),
                                  delayEvent(10, 10),
                                  buttonEvent(true, MouseButtonBit::Left),
                                  delayEvent(10, 10),
                                  buttonEvent(false, MouseButtonBit::Left),
                                  moveEvent(MoveDirection::Down, 12) };
    for (const MacroEvent& event : events)
        burst.events.append(event);
    QCOMPARE(saveMacro(QStringLiteral("Burst"), burst), MacroResult::Ok);
    for (const char* name : { "Burst", "Reload and switch", "name_1" })
        QCOMPARE(addMacroToList(QLatin1String(name)), MacroResult::Ok);
}

void saveBatchShot(MousecfgWidget& window, const QString& suffix)
{
    auto* page = window.findChild<MacroDialog*>();
    QVERIFY(page);
    window.selectTab(MousecfgWidget::MacroTab);
    page->button(MacroDialog::Batch)->click();
    QVERIFY(page->isBatchMode());
    auto* list = page->findChild<QListWidget*>();
    QVERIFY(list && list->count() == 3);
    list->item(0)->setCheckState(Qt::Checked);
    list->item(2)->setCheckState(Qt::Checked);
    const QString name = QStringLiteral("window-macro-batch-") + suffix;
    verifyVisibleTextsFit(window, name);
    QVERIFY(window.grab().save(screensDirectory() + QLatin1Char('/') + name + QStringLiteral(".png")));
    page->button(MacroDialog::Batch)->click();
}

// A box over the window as the user sees it: the window grabbed with the box on top.
QImage shotWithBox(MousecfgWidget& window, TarqMessageBox& box)
{
    QImage shot = window.grab().toImage();
    QPainter painter(&shot);
    painter.drawPixmap((shot.width() - box.width()) / 2, (shot.height() - box.height()) / 2, box.grab());
    return shot;
}

// Every message the program has, each in a box with the most buttons it may carry, its
// placeholders filled with a long path.
void verifyEveryMessageBox(MousecfgWidget& window, const QString& suffix)
{
    const QStringList sources = messageSourceTexts();
    QVERIFY2(sources.size() > 20, "the catalogue lists the messages");
    for (const QString& source : sources) {
        const QString text = QCoreApplication::translate("TarqMessageBox", source.toUtf8().constData())
                                 .arg(kLongPath, longProfileName());
        TarqMessageBox box(TarqMessageBox::Choice, QString(), QStringLiteral("WARNING"), text, &window);
        box.setChoiceTexts("Send", "Discard", "Cancel");
        box.show();
        QVERIFY(QTest::qWaitForWindowExposed(&box));
        verifyVisibleTextsFit(box, QStringLiteral("message \"%1\" %2").arg(source, suffix));
        if (QTest::currentTestFailed())
            return;
    }

    TarqMessageBox box(TarqMessageBox::Warning, QString(), QStringLiteral("Warning"),
                       QCoreApplication::translate("TarqMessageBox", "The profile file %1 cannot be read.")
                           .arg(twoHundredCharacterPath()),
                       &window);
    box.offerRetry();
    box.show();
    QVERIFY(QTest::qWaitForWindowExposed(&box));
    const QString name = QStringLiteral("message-long-path-") + suffix;
    verifyVisibleTextsFit(box, name);
    QVERIFY(shotWithBox(window, box).save(screensDirectory() + QLatin1Char('/') + name + QStringLiteral(".png")));
}

// The tip of the slot button that shows the long name: the whole name, in the skin's colours.
void saveLongNameTipShot(MousecfgWidget& window, const QString& suffix)
{
    TarqPushButton* slot = nullptr;
    for (TarqPushButton* button : window.findChildren<TarqPushButton*>())
        slot = button->text() == longProfileName() ? button : slot;
    QVERIFY(slot && slot->shownText().elided);
    QCOMPARE(toolTipShown(slot), longProfileName());
    QWidget* tip = nullptr;
    for (QWidget* widget : QApplication::topLevelWidgets())
        tip = widget->inherits("QTipLabel") && widget->isVisible() ? widget : tip;
    QVERIFY(tip);
    QVERIFY(
        tip->grab().save(screensDirectory() + QStringLiteral("/tooltip-long-name-") + suffix + QStringLiteral(".png")));
}

void verifyEveryMenu(MousecfgWidget& window, const QString& suffix)
{
    const QList<QMenu*> menus = window.findChildren<QMenu*>();
    QVERIFY2(menus.size() >= 3, "the language, slot and profile menus at least");
    for (QMenu* menu : menus) {
        verifyMenuEntriesFit(*menu, QStringLiteral("menu %1 %2").arg(menu->title(), suffix));
        if (QTest::currentTestFailed())
            return;
    }
}

// The battery display of a mouse that sleeps, with the strip around it.
void saveMouseOffShot(MousecfgWidget& window, const QString& suffix)
{
    window.slotRefreshBatteryStatus(0, 0, 0);
    QVERIFY(!window.batteryBar()->barText().isEmpty());
    const QString name = QStringLiteral("battery-mouse-off-") + suffix;
    verifyVisibleTextsFit(window, name);
    const QRect strip = scaledRect(QRect(0, 560, 420, 80), window.scaleFactor());
    QVERIFY(window.grab(strip).save(screensDirectory() + QLatin1Char('/') + name + QStringLiteral(".png")));
}

} // namespace

class TestWindowScreens : public QObject
{
    Q_OBJECT

private slots:
    void cleanup();
    void everyTabInEveryLanguage_data();
    void everyTabInEveryLanguage();
    void warningAndProgress_data();
    void warningAndProgress();
};

void TestWindowScreens::cleanup()
{
    qunsetenv("MOUSECFG_SCALE_FACTOR");
}

void TestWindowScreens::everyTabInEveryLanguage_data()
{
    addScaleAndLanguageRows();
}

void TestWindowScreens::everyTabInEveryLanguage()
{
    QFETCH(QString, scale);
    QFETCH(int, language);
    qputenv("MOUSECFG_SCALE_FACTOR", scale.toLatin1());
    WindowSandbox sandbox;
    QVERIFY(sandbox.isValid());
    QVERIFY(saveChosenLanguage(language));
    sandbox.mouse().plug(MouseLink::Receiver);
    saveSampleMacros();
    auto window = sandbox.makeWindow();
    QCOMPARE(window->scaleFactor(), scale.toDouble());
    QCOMPARE(window->size(), QSize(qRound(999 * scale.toDouble()), qRound(640 * scale.toDouble())));
    window->show();
    QVERIFY(QTest::qWaitForWindowExposed(window.get()));
    QTRY_COMPARE(window->batteryPercentShown(), 70);
    // A long name in the second slot, and being typed into the name field.
    window->workingConfiguration().profileNames[1] = longProfileName();
    window->RefreshPages();
    auto* nameField = window->findChild<TarqNameField*>();
    QVERIFY(nameField);
    nameField->setText(longProfileName());
    for (int tab = 0; tab < 4; ++tab) {
        window->selectTab(tab);
        const QString name = QStringLiteral("window-%1-%2-%3")
                                 .arg(QLatin1String(kTabNames[tab]), scale, QLatin1String(kLanguageNames[language]));
        verifyVisibleTextsFit(*window, name);
        QVERIFY(window->grab().save(screensDirectory() + QLatin1Char('/') + name + QStringLiteral(".png")));
    }

    // The side view of the button page, and the button page's dialogs.
    window->selectTab(MousecfgWidget::CustomizeTab);
    window->showView(false);
    const QString suffix = scale + QLatin1Char('-') + QLatin1String(kLanguageNames[language]);
    verifyVisibleTextsFit(*window, QStringLiteral("window-customize-side-") + suffix);
    QVERIFY(window->grab().save(screensDirectory() + QStringLiteral("/window-customize-side-") + suffix +
                                QStringLiteral(".png")));
    window->showView(true);
    saveButtonDialogShots(*window, window->findChild<TarqBtnWindow*>(), suffix);
    saveGunDialogShots(*window, suffix);
    saveBatchShot(*window, suffix);

    // The colour editor over the lighting page, as the user sees it.
    window->selectTab(MousecfgWidget::LightingTab);
    auto* lighting = window->findChild<TarqColorWindow*>();
    QVERIFY(lighting);
    QTest::mouseClick(lighting->colorSwatch(), Qt::LeftButton);
    QTRY_VERIFY(lighting->colorEditor() && lighting->colorEditor()->isVisible());
    TarqColorArea* editor = lighting->colorEditor();
    QVERIFY(QTest::qWaitForWindowExposed(editor));
    const QString name =
        QStringLiteral("window-lighting-editor-%1-%2").arg(scale, QLatin1String(kLanguageNames[language]));
    verifyVisibleTextsFit(*editor, name);
    QImage shot = window->grab().toImage();
    {
        QPainter painter(&shot);
        painter.drawPixmap(editor->geometry().topLeft() - window->geometry().topLeft(), editor->grab());
    }
    QVERIFY(shot.save(screensDirectory() + QLatin1Char('/') + name + QStringLiteral(".png")));
    editor->reject();

    saveLongNameTipShot(*window, suffix);
    verifyEveryMenu(*window, suffix);
    verifyEveryMessageBox(*window, suffix);
    saveMouseOffShot(*window, suffix);
}

void TestWindowScreens::warningAndProgress_data()
{
    QTest::addColumn<QString>("scale");
    QTest::newRow("1.0") << QStringLiteral("1.0");
    QTest::newRow("2.0") << QStringLiteral("2.0");
}

void TestWindowScreens::warningAndProgress()
{
    QFETCH(QString, scale);
    qputenv("MOUSECFG_SCALE_FACTOR", scale.toLatin1());
    WindowSandbox sandbox;
    QVERIFY(sandbox.isValid());
    auto window = sandbox.makeWindow();
    QTRY_VERIFY(visibleMessageBox());
    TarqMessageBox* box = visibleMessageBox();
    QVERIFY(box->grab().save(screensDirectory() + QStringLiteral("/dongle-disconnect-%1.png").arg(scale)));

    TarqProcessDialog progress(window.get());
    progress.show();
    QVERIFY(QTest::qWaitForWindowExposed(&progress));
    QTRY_VERIFY(progress.progressStep() > 0);
    QVERIFY(progress.grab().save(screensDirectory() + QStringLiteral("/progress-%1.png").arg(scale)));
    progress.slotProcessDlg();
}

QTEST_MAIN(TestWindowScreens)
#include "test_window_screens.moc"
