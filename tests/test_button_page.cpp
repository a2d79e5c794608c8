#include "button_page_driver.h"
#include "buttons/button_page.h"
#include "buttons/function_encoding.h"
#include "buttons/key_capture.h"
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
        QCOMPARE(m_page->label(2)->text(), QStringLiteral("COMBO KEY"));

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
        QCOMPARE(m_page->label(3)->text(), QStringLiteral("beta"));

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
        QCOMPARE(m_page->label(5)->text(), QStringLiteral("kept"));
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

        // Eleven labels: fixed margin and gap, and the page grows to hold them all.
        setProductButtonCount(11);
        setLayoutEntry(3, 3);
        setLayoutEntry(4, 4);
        for (int i = 8; i < 11; ++i)
            setLayoutEntry(i, i);
        makePage();
        for (int position = 0; position < 11; ++position)
            QCOMPARE(m_page->label(position)->geometry(), QRect(56, 30 + 50 * position, 220, 30));
        QVERIFY(m_page->minimumHeight() >= m_page->label(10)->geometry().bottom() + 30);
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

        m_page->setFrontView(false);
        QCOMPARE(m_page->selectedGroup(), 1);
        QVERIFY(!m_page->label(kWheelFirstSlot)->isVisibleTo(m_page.data()));
        QVERIFY(!m_page->label(kWheelFirstSlot + 1)->isVisibleTo(m_page.data()));
        QVERIFY(!m_page->label(0)->isVisibleTo(m_page.data()));
        QVERIFY(m_page->label(20)->isVisibleTo(m_page.data()));
        QCOMPARE(m_page->label(20)->geometry(), m_page->label(0)->geometry());

        m_page->selectButton(2, 1);
        QCOMPARE(m_page->selectedSlot(), kWheelFirstSlot + 1);
        QVERIFY(m_page->label(kWheelFirstSlot)->isVisibleTo(m_page.data()));
        QVERIFY(m_page->label(0)->isVisibleTo(m_page.data()));
        QVERIFY(m_page->label(0)->accessibleName().endsWith(QStringLiteral("Left")));
    }
};

QTEST_MAIN(TestButtonPage)
#include "test_button_page.moc"
