// SPDX-License-Identifier: GPL-3.0-or-later
#include "button_page_driver.h"
#include "buttons/button_page.h"
#include "buttons/function_encoding.h"
#include "buttons/key_capture.h"
#include "buttons/key_capture_field.h"
#include "buttons/macro_select.h"
#include "buttons/param_dialogs.h"
#include "controls/display_scale.h"
#include "controls/message_box.h"
#include "controls/push_button.h"
#include "storage/macro_files.h"
#include "storage/paths.h"
#include "storage/product_description.h"
#include "storage/profile_record.h"
#include "storage_sandbox.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QFile>
#include <QFontMetrics>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>
#include <QSettings>
#include <QSignalSpy>
#include <QTimer>
#include <QToolButton>
#include <QtTest>
#include <functional>

namespace {

constexpr int kPageHeight = 400;

void setProductValue(const QString& key, int value)
{
    QSettings settings(productDescriptionPath(), QSettings::IniFormat);
    settings.setValue(key, value);
}

// The masked counts of the description: buttons = ButtonCount ^ MouseDpi, stages = buttons ^ DPICount.
void setProductButtonCount(int buttons)
{
    const int stages = productDpiStageCount();
    QSettings settings(productDescriptionPath(), QSettings::IniFormat);
    const int mouseDpi = settings.value(QStringLiteral("PROFILE/MouseDpi")).toInt();
    settings.setValue(QStringLiteral("PROFILE/ButtonCount"), buttons ^ mouseDpi);
    settings.setValue(QStringLiteral("PROFILE/DPICount"), buttons ^ stages);
}

void setLayoutEntry(int position, int value)
{
    setProductValue(QStringLiteral("PROFILE/BUTTON_INFO_%1_Matrix2").arg(position), value);
}

// A listed macro with the editor's loop settings.
void addMacro(const QString& name, int loopType, int loopTime)
{
    MacroFile macro;
    macro.loopType = loopType;
    macro.loopTime = loopTime;
    macro.events = { { MacroKind::KeyPress, 0x04, 0 }, { MacroKind::KeyRelease, 0x04, 0 } };
    QCOMPARE(saveMacro(name, macro), MacroResult::Ok);
    QCOMPARE(addMacroToList(name), MacroResult::Ok);
}

void clickBox(QCheckBox* box)
{
    QTest::mouseClick(box, Qt::LeftButton, {}, QPoint(4, box->height() / 2));
}

// The labels of those placedSlots are shown, inside the page, and none covers another.
void verifyPlacedInside(const TarqBtnWindow& page, const QVector<int>& placedSlots)
{
    for (int slot : placedSlots) {
        const TarqPushButton* label = page.label(slot);
        QVERIFY2(label->isVisibleTo(&page), qPrintable(QString::number(slot)));
        QVERIFY2(page.rect().contains(label->geometry()), qPrintable(QString::number(slot)));
        for (int other : placedSlots) {
            if (other != slot)
                QVERIFY2(!label->geometry().intersects(page.label(other)->geometry()),
                         qPrintable(QStringLiteral("%1 and %2").arg(slot).arg(other)));
        }
    }
}

} // namespace

class TestButtonPage : public QObject
{
    Q_OBJECT

private:
    QScopedPointer<StorageSandbox> m_sandbox;
    ConfigRecord m_config;
    QScopedPointer<TarqBtnWindow> m_page;

    ProfileButtons& buttons() { return m_config.profiles[0].buttons; }

    void makePage()
    {
        m_page.reset(new TarqBtnWindow(nullptr, 1.0));
        m_page->resize(664, kPageHeight);
        m_page->showProfile(m_config.profiles[0], m_config, 1);
    }

private slots:
    void initTestCase() { qRegisterMetaType<TarqPushButton*>(); }

    void init()
    {
        setDisplayScaleFactor(1.0);
        m_sandbox.reset(new StorageSandbox);
        QVERIFY(m_sandbox->isValid());
        m_config = ConfigRecord();
        makeDefaultConfiguration(m_config);
        for (ButtonEntry& entry : buttons())
            entry.Fun = FunctionCode::Right;
        buttons()[0].Fun = FunctionCode::Left;
        makePage();
    }

    void cleanup()
    {
        m_page.reset();
        m_sandbox.reset();
    }

    void oneButtonKeepsTheLeftClick()
    {
        QSignalSpy refused(m_page.data(), &TarqPage::PopOneClickBox);
        QSignalSpy hovered(m_page.data(), &TarqPage::SelBtnControl);
        choose(*m_page, 0, QStringLiteral("Right"));
        QCOMPARE(refused.count(), 1);
        QCOMPARE(buttons()[0].Fun, FunctionCode::Left);
        QCOMPARE(m_page->label(0)->text(), QStringLiteral("Left"));
        // Every choice first shows its button on the mouse picture.
        QCOMPARE(hovered.first().at(0).value<TarqPushButton*>(), m_page->label(0));

        // The dialogs of a refused choice never open.
        choose(*m_page, 0, QStringLiteral("SINGLE KEY"));
        QCOMPARE(refused.count(), 2);
        QVERIFY(!m_page->openDialog());

        choose(*m_page, 3, QStringLiteral("Left"));
        QCOMPARE(m_page->label(3)->text(), QStringLiteral("Left"));
        choose(*m_page, 0, QStringLiteral("Right"));
        QCOMPARE(buttons()[0].Fun, FunctionCode::Right);
        QCOMPARE(m_page->label(0)->text(), QStringLiteral("Right"));
        choose(*m_page, 3, QStringLiteral("Left"));
        QCOMPARE(refused.count(), 2);
        QCOMPARE(buttons()[3].Fun, FunctionCode::Left);
    }

    void comboKeyFromTheDialog()
    {
        whenDialogOpens<TarqComboKeyWindow>(*m_page, [](TarqComboKeyWindow& dialog) {
            QTRY_VERIFY(dialog.isCaptureReady());
            typeCombination(&dialog, { Qt::Key_Shift, Qt::Key_Control, Qt::Key_A });
            QCOMPARE(dialog.keyText(), QStringLiteral("LShift + LCtr + A"));
            dialog.yesButton()->click();
        });
        choose(*m_page, 2, QStringLiteral("COMBO KEY"));
        const ButtonEntry& entry = buttons()[2];
        QCOMPARE(entry.Fun, FunctionCode::ComboKey);
        const KeyInfo expected[] = { { 0xE1, 0x05, 0x80 }, { 0xE0, 0x05, 0x80 }, { 0x04, 0x05, 0x80 },
                                     { 0x04, 0x05, 0x00 }, { 0xE0, 0x05, 0x00 }, { 0xE1, 0x05, 0x00 } };
        for (int i = 0; i < 6; ++i)
            QCOMPARE(entry.KeyInfo[size_t(i)], expected[i]);
        QCOMPARE(entry.KeyInfo[6], KeyInfo());
        QCOMPARE(deviceBytes(entry, {}), (DeviceBytes{ 0x8F, 0x03, 0x04, 0x00 }));
        // The label tells the combination, as the dialog showed it.
        QCOMPARE(m_page->label(2)->text(), QStringLiteral("LShift + LCtr + A"));
        QVERIFY(m_page->label(2)->toolTip().endsWith(QStringLiteral("LShift + LCtr + A")));

        // Opened again, the dialog shows the combination; Escape is a key to capture, not a way out,
        // and cancelling keeps the button.
        const ButtonEntry before = entry;
        whenDialogOpens<TarqComboKeyWindow>(*m_page, [](TarqComboKeyWindow& dialog) {
            QCOMPARE(dialog.keyText(), QStringLiteral("LShift + LCtr + A"));
            QTRY_VERIFY(dialog.isCaptureReady());
            sendKey(&dialog, QEvent::KeyPress, Qt::Key_Escape);
            QVERIFY(dialog.isVisible());
            QCOMPARE(dialog.keyText(), QStringLiteral("Esc"));
            dialog.noButton()->click();
        });
        choose(*m_page, 2, QStringLiteral("COMBO KEY"));
        QCOMPARE(buttons()[2], before);
    }

    void singleKeyAndSniper()
    {
        whenDialogOpens<TarqSingleKeyWindow>(*m_page, [](TarqSingleKeyWindow& dialog) {
            QVERIFY(!dialog.capturesGlobally());
            QTRY_VERIFY(dialog.isCaptureReady());
            sendKey(dialog.focusWidget(), QEvent::KeyPress, Qt::Key_Tab);
            sendKey(dialog.focusWidget(), QEvent::KeyRelease, Qt::Key_Tab);
            QCOMPARE(dialog.keyText(), QStringLiteral("Tab"));
            dialog.yesButton()->click();
        });
        choose(*m_page, kWheelFirstSlot, QStringLiteral("SINGLE KEY"));
        QCOMPARE(buttons()[kWheelFirstSlot].Fun, FunctionCode::SingleKey);
        QCOMPARE(int(buttons()[kWheelFirstSlot].Res1), 15);

        whenDialogOpens<TarqSniperWindow>(*m_page, [](TarqSniperWindow& dialog) {
            QCOMPARE(dialog.value(), 1);
            QTest::keyClick(dialog.slider(), Qt::Key_End);
            QTest::keyClick(dialog.slider(), Qt::Key_Right);
            QCOMPARE(dialog.value(), 10);
            QTest::keyClick(dialog.slider(), Qt::Key_Left);
            QTest::keyClick(dialog.slider(), Qt::Key_Return);
        });
        choose(*m_page, 4, QStringLiteral("SNIPER"));
        QCOMPARE(buttons()[4].Fun, FunctionCode::Sniper);
        QCOMPARE(int(buttons()[4].Res1), 9);
    }

    void fireKey()
    {
        whenDialogOpens<TarqFireKeyWindow>(*m_page, [](TarqFireKeyWindow& dialog) {
            QCOMPARE(dialog.timesText(), QStringLiteral("3"));
            QCOMPARE(dialog.delayText(), QStringLiteral("100"));
            auto* middle = dialog.findChildren<QCheckBox*>().at(TarqFireKeyWindow::MiddleButton);
            QTest::mouseClick(middle, Qt::LeftButton, {}, QPoint(4, middle->height() / 2));
            QCOMPARE(dialog.kind(), int(TarqFireKeyWindow::MiddleButton));
            auto fields = dialog.findChildren<QLineEdit*>();
            fields.at(0)->selectAll();
            QTest::keyClicks(fields.at(0), QStringLiteral("10"));
            fields.at(1)->selectAll();
            QTest::keyClicks(fields.at(1), QStringLiteral("35"));
            dialog.yesButton()->click();
        });
        choose(*m_page, 2, QStringLiteral("FIRE KEY"));
        const ButtonEntry& entry = buttons()[2];
        QCOMPARE(entry.Fun, FunctionCode::FireKey);
        QCOMPARE(int(entry.Res1), 0x84);
        QCOMPARE(entry.LoopNumber, 10);
        QCOMPARE(entry.KeyNumber, 35);
        QCOMPARE(deviceBytes(entry, {}), (DeviceBytes{ 0x99, 0x84, 0x0A, 0x03 }));
        QCOMPARE(m_page->label(2)->text(), QStringLiteral("Fire: Middle ×10, 35 ms"));

        // A keyboard key: what is typed into the fields is not the key that fires.
        whenDialogOpens<TarqFireKeyWindow>(*m_page, [](TarqFireKeyWindow& dialog) {
            QCOMPARE(dialog.kind(), int(TarqFireKeyWindow::MiddleButton));
            QCOMPARE(dialog.timesText(), QStringLiteral("10"));
            auto* keyboard = dialog.findChildren<QCheckBox*>().at(TarqFireKeyWindow::KeyboardKey);
            QTest::mouseClick(keyboard, Qt::LeftButton, {}, QPoint(4, keyboard->height() / 2));
            QTRY_VERIFY(keyboard->hasFocus());
            sendKey(keyboard, QEvent::KeyPress, Qt::Key_F);
            sendKey(keyboard, QEvent::KeyRelease, Qt::Key_F);
            QCOMPARE(dialog.keyText(), QStringLiteral("F"));
            QLineEdit* delay = dialog.findChildren<QLineEdit*>().at(1);
            delay->setFocus();
            delay->selectAll();
            QTest::keyClicks(delay, QStringLiteral("20"));
            QCOMPARE(dialog.keyText(), QStringLiteral("F"));
            QCOMPARE(dialog.delayText(), QStringLiteral("20"));
            QTest::keyClick(delay, Qt::Key_Return);
        });
        choose(*m_page, 2, QStringLiteral("FIRE KEY"));
        QCOMPARE(int(buttons()[2].Res1), 0x09); // the HID usage of F
        QCOMPARE(buttons()[2].KeyNumber, 20);
        QCOMPARE(m_page->label(2)->text(), QStringLiteral("Fire: F ×10, 20 ms"));
    }

    void macroSelection()
    {
        QSignalSpy toMacroTab(m_page.data(), &TarqPage::GotoMacroTab);
        choose(*m_page, 3, QStringLiteral("Macro Manager"));
        QCOMPARE(toMacroTab.count(), 1);
        QCOMPARE(toMacroTab.first().first().toInt(), 3);
        QCOMPARE(buttons()[3].Fun, FunctionCode::Right);

        MacroFile macro;
        macro.events = { { MacroKind::KeyPress, 0x04, 0 },
                         { MacroKind::Delay, 10, 0 },
                         { MacroKind::KeyRelease, 0x04, 0 } };
        for (const char* name : { "alpha", "beta" }) {
            QCOMPARE(saveMacro(QLatin1String(name), macro), MacroResult::Ok);
            QCOMPARE(addMacroToList(QLatin1String(name)), MacroResult::Ok);
        }
        whenDialogOpens<TarqMacroSelect>(*m_page, [](TarqMacroSelect& dialog) {
            QCOMPARE(dialog.windowTitle(), QStringLiteral("MACRO SELECT"));
            QCOMPARE(dialog.selectedName(), QStringLiteral("alpha"));
            QTest::keyClick(dialog.macroList(), Qt::Key_Down);
            auto* untilPressed = dialog.findChildren<QCheckBox*>().at(2);
            QTest::mouseClick(untilPressed, Qt::LeftButton, {}, QPoint(4, untilPressed->height() / 2));
            dialog.yesButton()->click();
        });
        choose(*m_page, 3, QStringLiteral("Macro Manager"));
        const ButtonEntry& entry = buttons()[3];
        QCOMPARE(entry.Fun, FunctionCode::Macro);
        QCOMPARE(entry.macroname, QStringLiteral("beta"));
        QCOMPARE(int(entry.Res1), 2);
        QCOMPARE(entry.KeyNumber, 3);
        QCOMPARE(entry.KeyInfo[1], (KeyInfo{ MacroKind::Delay, 10, 0 }));
        // Repeated until pressed again: no count to tell.
        QCOMPARE(m_page->label(3)->text(), QStringLiteral("Macro: beta"));

        // Opened again on the same button, the selection shows the button's choice.
        whenDialogOpens<TarqMacroSelect>(*m_page, [](TarqMacroSelect& dialog) {
            QCOMPARE(dialog.selectedName(), QStringLiteral("beta"));
            QCOMPARE(dialog.runMode(), 2);
            dialog.noButton()->click();
        });
        choose(*m_page, 3, QStringLiteral("Macro Manager"));
        QCOMPARE(buttons()[3].macroname, QStringLiteral("beta"));

        // Gun files: never on the first button.
        choose(*m_page, 0, QStringLiteral("GunFile Manager"));
        auto* warning = qobject_cast<TarqMessageBox*>(m_page->openDialog());
        QVERIFY(warning);
        QCOMPARE(warning->findChild<QLabel*>(QStringLiteral("msgBoxInfoLabel1"))->text(),
                 QStringLiteral("Left Button Can not be Gun Function."));
        warning->accept();
        QCOMPARE(buttons()[0].Fun, FunctionCode::Left);
        whenDialogOpens<TarqMacroSelect>(*m_page, [](TarqMacroSelect& dialog) {
            QCOMPARE(dialog.windowTitle(), QStringLiteral("GUNFILE SELECT"));
            dialog.noButton()->click();
        });
        choose(*m_page, 1, QStringLiteral("GunFile Manager"));
        QCOMPARE(buttons()[1].Fun, FunctionCode::Right);
    }

    void menusFollowTheProduct()
    {
        const QStringList main = entryTexts(m_page->functionMenu());
        QCOMPARE(main, (QStringList{ "Left", "Right", "Middle", "Forward", "Back", "Basic", "Windows", "Advance",
                                     "Media", "DPI", "Polling Rate", "Macro Manager", "GunFile Manager", "LED SWITCH",
                                     "Button Off" }));
        QCOMPARE(entryTexts(m_page->wheelMenu()),
                 (QStringList{ "Scroll Up", "Scroll Down", "Volume Up", "Volume Down", "Left", "Right", "Middle",
                               "Forward", "Back", "SINGLE KEY", "COMBO KEY" }));
        QVERIFY(!findAction(m_page->functionMenu(), QStringLiteral("Profile Switch")));

        buttons()[5].Fun = FunctionCode::Macro;
        buttons()[5].macroname = QStringLiteral("kept");
        setProductValue(QStringLiteral("PROFILE/DisableMacro"), 1);
        setProductValue(QStringLiteral("PROFILE/ledDisable"), 1);
        m_page->showProfile(m_config.profiles[0], m_config, 1);
        QVERIFY(!entryTexts(m_page->functionMenu()).contains(QStringLiteral("Macro Manager")));
        QVERIFY(!entryTexts(m_page->functionMenu()).contains(QStringLiteral("LED SWITCH")));
        QCOMPARE(m_page->label(5)->text(), QStringLiteral("Macro: kept (missing)"));
    }

    void labelsFollowTheLayoutList()
    {
        setProductButtonCount(8);
        setLayoutEntry(3, 255);
        setLayoutEntry(4, 255);
        for (int i = 0; i < 8; ++i) {
            if (i != 3 && i != 4)
                setLayoutEntry(i, i);
        }
        makePage();
        const int gap = (kPageHeight - 30 * 6) / 7;
        int number = 0;
        for (int position = 0; position < 20; ++position) {
            TarqPushButton* label = m_page->label(position);
            const bool shown = position < 8 && position != 3 && position != 4;
            QCOMPARE(label->isVisibleTo(m_page.data()), shown);
            if (!shown) {
                QVERIFY(label->geometry().isEmpty());
                continue;
            }
            QCOMPARE(label->badgeNumber(), ++number);
            QCOMPARE(label->geometry(), QRect(56, gap + (gap + 30) * (number - 1), 220, 30));
        }

        // Eleven labels need more than one column of this page: two columns and the wheel pair,
        // all inside the page, numbered down the columns.
        setProductButtonCount(11);
        setLayoutEntry(3, 3);
        setLayoutEntry(4, 4);
        for (int i = 8; i < 11; ++i)
            setLayoutEntry(i, i);
        makePage();
        QVector<int> placedSlots{ kWheelFirstSlot, kWheelFirstSlot + 1 };
        for (int position = 0; position < 11; ++position) {
            placedSlots.append(position);
            QCOMPARE(m_page->label(position)->badgeNumber(), position + 1);
        }
        verifyPlacedInside(*m_page, placedSlots);
        QCOMPARE(m_page->label(5)->geometry().x(), m_page->label(0)->geometry().x());
        QVERIFY(m_page->label(6)->geometry().x() > m_page->label(5)->geometry().right());
        QVERIFY(m_page->minimumHeight() <= kPageHeight);

        // Twenty need more columns than this page has room for: the page grows (its scroll area
        // scrolls) to the lowest height that holds them in columns still wide enough.
        setProductButtonCount(20);
        for (int i = 0; i < 16; ++i)
            setLayoutEntry(i, i);
        makePage();
        QVERIFY(m_page->minimumHeight() > kPageHeight);
        QCOMPARE(m_page->height(), m_page->minimumHeight());
        placedSlots = { kWheelFirstSlot, kWheelFirstSlot + 1 };
        for (int position = 0; position < 20; ++position)
            placedSlots.append(position);
        verifyPlacedInside(*m_page, placedSlots);
        QVERIFY(m_page->label(0)->width() >= 160);
    }

    // The page as the window hosts it, below the mouse picture: the product's six buttons and the
    // wheel pair all fit, at every scale.
    void everyButtonFitsThePage_data()
    {
        QTest::addColumn<double>("scale");
        QTest::newRow("1.0") << 1.0;
        QTest::newRow("1.5") << 1.5;
        QTest::newRow("2.0") << 2.0;
    }

    void everyButtonFitsThePage()
    {
        QFETCH(double, scale);
        setDisplayScaleFactor(scale);
        m_page.reset(new TarqBtnWindow(nullptr, scale));
        m_page->resize(qRound(664 * scale), qRound(199 * scale));
        m_page->showProfile(m_config.profiles[0], m_config, 1);
        QCOMPARE(productButtonCount(), 6);
        verifyPlacedInside(*m_page, { 0, 1, 2, 3, 4, 5, kWheelFirstSlot, kWheelFirstSlot + 1 });
        QVERIFY(m_page->minimumHeight() <= m_page->height());
        for (int slot = 6; slot < 20; ++slot)
            QVERIFY(!m_page->label(slot)->isVisibleTo(m_page.data()));
        // The placedSlots the upload never sends have no label at all.
        for (int slot = 20; slot < kWheelFirstSlot; ++slot)
            QVERIFY(!m_page->label(slot));
    }

    // A text longer than its label is cut short at the label and whole in its tooltip, and stays
    // clear of the badge.
    void longLabelsAreShortened()
    {
        setDisplayScaleFactor(1.0);
        m_page->resize(664, 199);
        addMacro(QStringLiteral("a macro name far longer than any label can show"), 1, 12);
        ButtonEntry& entry = buttons()[1];
        entry.Fun = FunctionCode::Macro;
        entry.macroname = QStringLiteral("a macro name far longer than any label can show");
        entry.LoopNumber = 12;
        m_page->relabel();
        TarqPushButton* label = m_page->label(1);
        const QString full = QStringLiteral("Macro: a macro name far longer than any label can show ×12");
        QCOMPARE(m_page->labelText(1), full);
        QVERIFY(label->text().contains(QChar(0x2026)));
        QVERIFY(label->text().startsWith(QStringLiteral("Macro: ")));
        QVERIFY(label->text().endsWith(QStringLiteral(" ×12")));
        QVERIFY(label->toolTip().endsWith(full));
        QVERIFY(label->accessibleName().endsWith(full));
        QVERIFY(QFontMetrics(uiFont()).horizontalAdvance(label->text()) <= label->width() - 2 * label->height());
    }

    void macroSelectionNeedsAUsableCount()
    {
        addMacro(QStringLiteral("alpha"), 1, 5);
        whenDialogOpens<TarqMacroSelect>(*m_page, [](TarqMacroSelect& dialog) {
            QCOMPARE(dialog.runMode(), 0);
            QLineEdit* runs = dialog.runsEdit();
            for (const char* text : { "", "0", "256" }) {
                runs->setText(QLatin1String(text));
                QVERIFY2(!dialog.yesButton()->isEnabled(), text);
                // Neither the yes button, Return in the field nor Enter accepts it.
                dialog.yesButton()->click();
                QTest::keyClick(runs, Qt::Key_Return);
                QTest::keyClick(&dialog, Qt::Key_Enter);
                QVERIFY2(dialog.isVisible(), text);
            }
            // The repeat modes run without a count.
            runs->clear();
            clickBox(dialog.modeBox(1));
            QVERIFY(dialog.yesButton()->isEnabled());
            clickBox(dialog.modeBox(0));
            QVERIFY(!dialog.yesButton()->isEnabled());
            for (const char* text : { "1", "255" }) {
                runs->setText(QLatin1String(text));
                QVERIFY2(dialog.yesButton()->isEnabled(), text);
            }
            dialog.yesButton()->click();
        });
        choose(*m_page, 3, QStringLiteral("Macro Manager"));
        QCOMPARE(buttons()[3].Fun, FunctionCode::Macro);
        QCOMPARE(buttons()[3].LoopNumber, 255);
        QCOMPARE(int(buttons()[3].Res1), 0);
        QCOMPARE(m_page->label(3)->text(), QStringLiteral("Macro: alpha ×255"));

        // A refused count leaves the button as it was.
        const ButtonEntry before = buttons()[3];
        whenDialogOpens<TarqMacroSelect>(*m_page, [](TarqMacroSelect& dialog) {
            QCOMPARE(dialog.runsEdit()->text(), QStringLiteral("255"));
            dialog.runsEdit()->clear();
            dialog.yesButton()->click();
        });
        choose(*m_page, 3, QStringLiteral("Macro Manager"));
        QCOMPARE(buttons()[3], before);

        // Its file gone, the button says so.
        QVERIFY(QFile::remove(macroFilePath(QStringLiteral("alpha"))));
        m_page->relabel();
        QCOMPARE(m_page->label(3)->text(), QStringLiteral("Macro: alpha (missing)"));
    }

    void macroSelectionTakesTheMacrosOwnSettings()
    {
        addMacro(QStringLiteral("burst"), 1, 7);
        addMacro(QStringLiteral("hold"), 2, 0);
        addMacro(QStringLiteral("toggle"), 3, 40);
        whenDialogOpens<TarqMacroSelect>(*m_page, [](TarqMacroSelect& dialog) {
            QCOMPARE(dialog.selectedName(), QStringLiteral("burst"));
            QCOMPARE(dialog.runMode(), 0);
            QCOMPARE(dialog.runsEdit()->text(), QStringLiteral("7"));
            QTest::keyClick(dialog.macroList(), Qt::Key_Down);
            QCOMPARE(dialog.runMode(), 1);
            QVERIFY(dialog.modeBox(1)->isChecked());
            QVERIFY(!dialog.runsEdit()->isEnabled());
            QTest::keyClick(dialog.macroList(), Qt::Key_Down);
            QCOMPARE(dialog.selectedName(), QStringLiteral("toggle"));
            QCOMPARE(dialog.runMode(), 2);
            dialog.yesButton()->click();
        });
        choose(*m_page, 3, QStringLiteral("Macro Manager"));
        QCOMPARE(buttons()[3].macroname, QStringLiteral("toggle"));
        QCOMPARE(int(buttons()[3].Res1), 2);

        // A button that already runs a macro keeps its own values for that macro; the others
        // still bring theirs.
        ButtonEntry& held = buttons()[4];
        held.Fun = FunctionCode::Macro;
        held.macroname = QStringLiteral("hold");
        held.Res1 = 0;
        held.LoopNumber = 9;
        whenDialogOpens<TarqMacroSelect>(*m_page, [](TarqMacroSelect& dialog) {
            QCOMPARE(dialog.selectedName(), QStringLiteral("hold"));
            QCOMPARE(dialog.runMode(), 0);
            QCOMPARE(dialog.runsEdit()->text(), QStringLiteral("9"));
            QTest::keyClick(dialog.macroList(), Qt::Key_Up);
            QCOMPARE(dialog.runsEdit()->text(), QStringLiteral("7"));
            QTest::keyClick(dialog.macroList(), Qt::Key_Down);
            QCOMPARE(dialog.runsEdit()->text(), QStringLiteral("9"));
            QCOMPARE(dialog.runMode(), 0);
            dialog.noButton()->click();
        });
        choose(*m_page, 4, QStringLiteral("Macro Manager"));
        QCOMPARE(buttons()[4].LoopNumber, 9);
    }

    void fireKeyNeedsAKey()
    {
        whenDialogOpens<TarqFireKeyWindow>(*m_page, [](TarqFireKeyWindow& dialog) {
            QVERIFY(dialog.yesButton()->isEnabled());
            auto* keyboard = dialog.findChildren<QCheckBox*>().at(TarqFireKeyWindow::KeyboardKey);
            clickBox(keyboard);
            QVERIFY(!dialog.yesButton()->isEnabled());
            QVERIFY(dialog.isCapturing());
            dialog.yesButton()->click();
            QVERIFY(dialog.isVisible());
            const auto fields = dialog.findChildren<QLineEdit*>();
            // While the capture runs Return is a key like any other, wherever the focus is: it is
            // captured and answers nothing.
            fields.at(0)->setFocus();
            QTRY_VERIFY(fields.at(0)->hasFocus());
            sendKey(fields.at(0), QEvent::KeyPress, Qt::Key_Return);
            sendKey(fields.at(0), QEvent::KeyRelease, Qt::Key_Return);
            QVERIFY(dialog.isVisible());
            QCOMPARE(dialog.keyText(), QStringLiteral("Enter"));
            QVERIFY(!dialog.isCapturing());
            // A click on the key field captures anew.
            QTest::mouseClick(dialog.findChild<KeyCaptureField*>(), Qt::LeftButton);
            QVERIFY(dialog.isCapturing());
            sendKey(keyboard, QEvent::KeyPress, Qt::Key_G);
            sendKey(keyboard, QEvent::KeyRelease, Qt::Key_G);
            QVERIFY(dialog.yesButton()->isEnabled());
            // Shots and delay must be 1..255 too.
            for (QLineEdit* field : fields) {
                for (const char* text : { "", "0" }) {
                    field->setText(QLatin1String(text));
                    QVERIFY2(!dialog.yesButton()->isEnabled(), text);
                }
                field->setText(QStringLiteral("255"));
                QVERIFY(dialog.yesButton()->isEnabled());
            }
            dialog.yesButton()->click();
        });
        choose(*m_page, 2, QStringLiteral("FIRE KEY"));
        QCOMPARE(int(buttons()[2].Res1), 0x0A); // the HID usage of G
        QCOMPARE(m_page->label(2)->text(), QStringLiteral("Fire: G ×255, 255 ms"));
    }

    void keyDialogsWaitForAKey()
    {
        whenDialogOpens<TarqSingleKeyWindow>(*m_page, [](TarqSingleKeyWindow& dialog) {
            QVERIFY(!dialog.yesButton()->isEnabled());
            dialog.yesButton()->click();
            QVERIFY(dialog.isVisible());
            QTRY_VERIFY(dialog.isCaptureReady());
            sendKey(dialog.focusWidget(), QEvent::KeyPress, Qt::Key_F5);
            sendKey(dialog.focusWidget(), QEvent::KeyRelease, Qt::Key_F5);
            QVERIFY(dialog.yesButton()->isEnabled());
            dialog.yesButton()->click();
        });
        choose(*m_page, 5, QStringLiteral("SINGLE KEY"));
        QCOMPARE(m_page->label(5)->text(), QStringLiteral("F5"));

        whenDialogOpens<TarqComboKeyWindow>(*m_page, [](TarqComboKeyWindow& dialog) {
            QVERIFY(!dialog.yesButton()->isEnabled());
            QTRY_VERIFY(dialog.isCaptureReady());
            typeCombination(&dialog, { Qt::Key_Control, Qt::Key_B });
            QVERIFY(dialog.yesButton()->isEnabled());
            dialog.yesButton()->click();
        });
        choose(*m_page, 4, QStringLiteral("COMBO KEY"));
        QCOMPARE(m_page->label(4)->text(), QStringLiteral("LCtr + B"));
    }

    void rowsAndSelection()
    {
        QSignalSpy hovered(m_page.data(), &TarqPage::SelBtnControl);
        m_page->slotMouseOver(m_page->label(kWheelFirstSlot + 1), true);
        m_page->slotMouseOver(nullptr, true);
        QCOMPARE(hovered.count(), 1);
        QCOMPARE(hovered.first().at(1).toBool(), true);

        m_page->OnMouseEnterSlot(3);
        QCOMPARE(m_page->selectedSlot(), 3);
        QVERIFY(m_page->label(kWheelFirstSlot)->isVisibleTo(m_page.data()));

        // Without side buttons there is no side view.
        QVERIFY(!m_page->hasSideView());
        m_page->setFrontView(false);
        QCOMPARE(m_page->selectedGroup(), 0);

        // The side view: the thumb buttons of the front row, named and numbered as there.
        buttons()[3].Fun = FunctionCode::Forward;
        buttons()[4].Fun = FunctionCode::Back;
        m_page->setSideButtons({ 3, 4 });
        QVERIFY(m_page->hasSideView());
        m_page->setFrontView(false);
        QCOMPARE(m_page->selectedGroup(), 1);
        for (int slot : { 0, 1, 2, 5, kWheelFirstSlot, kWheelFirstSlot + 1 })
            QVERIFY(!m_page->label(slot)->isVisibleTo(m_page.data()));
        verifyPlacedInside(*m_page, { 3, 4 });
        QCOMPARE(m_page->label(3)->text(), QStringLiteral("Forward"));
        QCOMPARE(m_page->label(4)->text(), QStringLiteral("Back"));
        QCOMPARE(m_page->label(3)->badgeNumber(), 4);
        QCOMPARE(m_page->label(4)->badgeNumber(), 5);
        int row = -1;
        int index = -1;
        QVERIFY(m_page->findButton(m_page->label(4), row, index));
        QCOMPARE(row, 1);
        QCOMPARE(index, 4);

        // The side row's hot-spots pick those buttons; other positions fall back to the first.
        m_page->selectButton(1, 4);
        QCOMPARE(m_page->selectedSlot(), 4);
        m_page->selectButton(1, 0);
        QCOMPARE(m_page->selectedSlot(), 3);
        choose(*m_page, 4, QStringLiteral("DPI +"));
        QCOMPARE(buttons()[4].Fun, 48);
        QCOMPARE(m_page->label(4)->text(), QStringLiteral("DPI +"));
        QCOMPARE(m_page->selectedGroup(), 1);

        m_page->selectButton(2, 1);
        QCOMPARE(m_page->selectedSlot(), kWheelFirstSlot + 1);
        QVERIFY(m_page->label(kWheelFirstSlot)->isVisibleTo(m_page.data()));
        QVERIFY(m_page->label(0)->isVisibleTo(m_page.data()));
        QVERIFY(m_page->label(0)->accessibleName().endsWith(QStringLiteral("Left")));
        QVERIFY(m_page->label(4)->accessibleName().startsWith(QStringLiteral("Button 5: ")));

        // A product without the side buttons loses the side view, also while it is shown.
        m_page->setFrontView(false);
        m_page->setSideButtons({});
        QCOMPARE(m_page->selectedGroup(), 0);
        QVERIFY(m_page->label(0)->isVisibleTo(m_page.data()));
    }
};

QTEST_MAIN(TestButtonPage)
#include "test_button_page.moc"
