#include "app/mousecfg_widget.h"
#include "button_page_driver.h"
#include "buttons/key_capture.h"
#include "buttons/macro_select.h"
#include "buttons/param_dialogs.h"
#include "controls/labels_menus.h"
#include "controls/push_button.h"
#include "controls/sliders.h"
#include "device/commands.h"
#include "device/sensor_resolution.h"
#include "macro/macro_dialog.h"
#include "macro/macro_model.h"
#include "pages/color_areas.h"
#include "pages/color_editor.h"
#include "pages/dpi_page.h"
#include "pages/dpi_row.h"
#include "pages/lighting_page.h"
#include "pages/performance_page.h"
#include "pages/report_rate_page.h"
#include "sim/section_decoder.h"
#include "storage/app_config.h"
#include "storage/macro_files.h"
#include "storage/product_description.h"
#include "window_sandbox.h"

#include <QCheckBox>
#include <QLineEdit>
#include <QSignalSpy>
#include <QToolButton>
#include <QtTest>

namespace {

constexpr int kSendTimeoutMs = 30000;

// What the mouse holds for its active on-board profile and the device-wide section.
struct MouseSections
{
    DecodedGeneral general;
    DecodedDpi dpi;
    QByteArray buttons;
    std::array<LightingRecord, 10> lighting{};
    QByteArray macros;
};

MouseSections sectionsOf(VirtualMouse& mouse)
{
    const int active = mouse.activeProfile();
    MouseSections sections;
    sections.general = decodeGeneralSection(mouse.section(CommandCode::GeneralSection));
    sections.dpi = decodeDpiSection(mouse.onBoardSection(active, CommandCode::DpiSection));
    sections.buttons = mouse.onBoardSection(active, CommandCode::ButtonSection);
    sections.lighting = decodeLightingSection(mouse.onBoardSection(active, CommandCode::LightingSection));
    sections.macros = mouse.section(CommandCode::MacroSection);
    return sections;
}

void applyAndWait(MousecfgWidget& window)
{
    QSignalSpy finished(&window, &MousecfgWidget::sendFinished);
    TarqPushButton* apply = buttonNamed(&window, QStringLiteral("Apply"));
    QVERIFY(apply);
    apply->click();
    QVERIFY(finished.wait(kSendTimeoutMs));
    QCOMPARE(finished.first().first().toInt(), 0);
}

void chooseEffect(TarqColorWindow& page, const QString& name)
{
    for (QAction* action : page.effectMenu()->actions()) {
        if (action->text() == name) {
            action->trigger();
            return;
        }
    }
    QFAIL(qPrintable(name));
}

// A window on a plugged mouse that has been sent the whole configuration once, so every later
// difference on the mouse is what the test changed.
std::unique_ptr<MousecfgWidget> windowAfterFullUpload(WindowSandbox& sandbox)
{
    sandbox.mouse().plug(MouseLink::Receiver);
    auto window = sandbox.makeWindow();
    if (setPendingUploadFlag(1) != StorageResult::Ok)
        return nullptr;
    applyAndWait(*window);
    return window;
}

int stepForDpi(int dpi)
{
    const int sensor = sensorVariant();
    const int step = nearestStep(dpi, sensor, sensorStepRange(sensor));
    return dpiOfStep(step, sensor) == dpi ? step : -1;
}

} // namespace

class TestSettingsApply : public QObject
{
    Q_OBJECT

private slots:
    void pagesReachTheMouseAndNothingElse()
    {
        WindowSandbox sandbox;
        QVERIFY(sandbox.isValid());
        auto window = windowAfterFullUpload(sandbox);
        QVERIFY(window);
        const MouseSections before = sectionsOf(sandbox.mouse());
        const int active = sandbox.mouse().activeProfile();

        window->selectTab(MousecfgWidget::DpiTab);
        auto* dpiPage = window->findChild<TarqDPIWindow*>();
        QVERIFY(dpiPage);
        TarqSingleDPI* stage2 = dpiPage->row(1);
        const int xStep = stepForDpi(800);
        const int yStep = stepForDpi(1600);
        QVERIFY(xStep >= 0 && yStep >= 0);
        if (stage2->linkBox()->isChecked())
            QTest::mouseClick(stage2->linkBox(), Qt::LeftButton, {}, QPoint(4, stage2->linkBox()->height() / 2));
        QVERIFY(!stage2->linkBox()->isChecked());
        stage2->slider()->firstBar()->setValue(xStep);
        stage2->slider()->secondBar()->setValue(yStep);
        QCOMPARE(stage2->xLabel()->text(), QStringLiteral("X:800"));
        QCOMPARE(stage2->yLabel()->text(), QStringLiteral("Y:1600"));

        auto* ratePage = window->findChild<TarqReportRate*>();
        ratePage->rateActions().at(2)->trigger();
        QCOMPARE(ratePage->rateButton()->text(), QStringLiteral("500 HZ"));
        auto* performancePage = window->findChild<TarqPointSpeed*>();
        QCheckBox* oneMillimetre = performancePage->switchBox(1, 0);
        QTest::mouseClick(oneMillimetre, Qt::LeftButton, {}, QPoint(4, oneMillimetre->height() / 2));

        window->selectTab(MousecfgWidget::LightingTab);
        auto* lightingPage = window->findChild<TarqColorWindow*>();
        chooseEffect(*lightingPage, QStringLiteral("BREATHING"));
        QTest::mouseClick(lightingPage->colorSwatch(), Qt::LeftButton);
        QTRY_VERIFY(lightingPage->colorEditor() && lightingPage->colorEditor()->isVisible());
        TarqColorArea* editor = lightingPage->colorEditor();
        editor->hexEdit()->selectAll();
        QTest::keyClicks(editor->hexEdit(), QStringLiteral("3366CC"));
        QTest::keyClick(editor->hexEdit(), Qt::Key_Return);
        editor->okButton()->click();
        QTRY_VERIFY(!lightingPage->colorEditor());

        applyAndWait(*window);
        const MouseSections after = sectionsOf(sandbox.mouse());
        QCOMPARE(sandbox.mouse().activeProfile(), active);

        // DPI: stage 2 alone changed, to the steps of 800 and 1600 DPI.
        QCOMPARE(after.dpi.stageCount, before.dpi.stageCount);
        for (int i = 0; i < 8; ++i) {
            if (i == 1)
                continue;
            QCOMPARE(after.dpi.stages[size_t(i)].xLow, before.dpi.stages[size_t(i)].xLow);
            QCOMPARE(after.dpi.stages[size_t(i)].yLow, before.dpi.stages[size_t(i)].yLow);
            QCOMPARE(after.dpi.stages[size_t(i)].used, before.dpi.stages[size_t(i)].used);
        }
        QCOMPARE(int(after.dpi.stages[1].xLow | after.dpi.stages[1].xFlag << 8), xStep);
        QCOMPARE(int(after.dpi.stages[1].yLow | after.dpi.stages[1].yFlag << 8), yStep);
        QCOMPARE(after.dpi.stages[1].used, before.dpi.stages[1].used);

        // General: the slot's report rate, the lift-off bits and the lighting code.
        DecodedGeneral expected = before.general;
        expected.pollRate[size_t(active)] = 2;
        expected.sensorOption = quint8((before.general.sensorOption & 0xE0) | 1);
        expected.lightingCode = 3;
        QCOMPARE(after.general.pollRate, expected.pollRate);
        QCOMPARE(after.general.sensorOption, expected.sensorOption);
        QCOMPARE(after.general.lightingCode, expected.lightingCode);
        QCOMPARE(after.general.scrollSpeed, expected.scrollSpeed);
        QCOMPARE(after.general.debounce, expected.debounce);
        QCOMPARE(after.general.dpiStage, expected.dpiStage);
        QCOMPARE(after.general.ledMoveOff, expected.ledMoveOff);
        QCOMPARE(after.general.ledSleepTime, expected.ledSleepTime);

        // Lighting: the breathing record carries the colour; the other records are as they were.
        for (int i = 0; i < 10; ++i) {
            if (i == 2)
                continue;
            QCOMPARE(after.lighting[size_t(i)], before.lighting[size_t(i)]);
        }
        LightingRecord breathing = before.lighting[2];
        breathing[1] = 0x33;
        breathing[2] = 0x66;
        breathing[3] = 0xCC;
        QCOMPARE(after.lighting[2], breathing);

        QCOMPARE(after.buttons, before.buttons);
        QCOMPARE(after.macros, before.macros);
    }

    void buttonChoicesReachTheMouse()
    {
        WindowSandbox sandbox;
        QVERIFY(sandbox.isValid());
        auto window = windowAfterFullUpload(sandbox);
        QVERIFY(window);
        const DecodedButtons before = decodeButtonSection(sectionsOf(sandbox.mouse()).buttons);

        window->selectTab(MousecfgWidget::CustomizeTab);
        auto* page = window->findChild<TarqBtnWindow*>();
        QVERIFY(page && page->isVisibleTo(window.get()));
        whenDialogOpens<TarqComboKeyWindow>(*page, [](TarqComboKeyWindow& dialog) {
            QTRY_VERIFY(dialog.isCaptureReady());
            typeCombination(&dialog, { Qt::Key_Shift, Qt::Key_Control, Qt::Key_A });
            dialog.yesButton()->click();
        });
        choose(*page, 2, QStringLiteral("COMBO KEY"));
        whenDialogOpens<TarqFireKeyWindow>(*page, [](TarqFireKeyWindow& dialog) {
            auto* middle = dialog.findChildren<QCheckBox*>().at(TarqFireKeyWindow::MiddleButton);
            QTest::mouseClick(middle, Qt::LeftButton, {}, QPoint(4, middle->height() / 2));
            const auto fields = dialog.findChildren<QLineEdit*>();
            fields.at(0)->setText(QStringLiteral("10"));
            fields.at(1)->setText(QStringLiteral("35"));
            dialog.yesButton()->click();
        });
        choose(*page, 3, QStringLiteral("FIRE KEY"));
        applyAndWait(*window);

        // The two buttons changed, at their device positions; nothing else did.
        const DecodedButtons after = decodeButtonSection(sectionsOf(sandbox.mouse()).buttons);
        ButtonTable positions{};
        QCOMPARE(loadButtonMatrix(positions), 0);
        DecodedButtons expected = before;
        expected.buttonSlots[positions[2]] = { 0x8F, 0x03, 0x04, 0x00 };
        expected.buttonSlots[positions[3]] = { 0x99, 0x84, 0x0A, 0x03 };
        QCOMPARE(after.header, expected.header);
        QCOMPARE(after.buttonSlots, expected.buttonSlots);
        QCOMPARE(after.trailer, expected.trailer);
    }

    void recordedMacroReachesTheMouse()
    {
        WindowSandbox sandbox;
        QVERIFY(sandbox.isValid());
        auto window = windowAfterFullUpload(sandbox);
        QVERIFY(window);

        // Record Shift+B on the macro page (the window's own keys: no global capture offscreen).
        window->selectTab(MousecfgWidget::MacroTab);
        auto* macros = window->findChild<MacroDialog*>();
        QVERIFY(macros && macros->isVisibleTo(window.get()));
        macros->button(MacroDialog::New)->click();
        const QString name = macros->currentMacroName();
        QCOMPARE(name, QStringLiteral("name_1"));
        macros->button(MacroDialog::Start)->click();
        QTRY_VERIFY(macros->isCaptureReady());
        QWidget* focus = macros->button(MacroDialog::Stop);
        typeCombination(focus, { Qt::Key_Shift, Qt::Key_B });
        macros->button(MacroDialog::Stop)->click();
        const QVector<MacroEvent> recorded = macros->eventModel()->events();
        QCOMPARE(recorded.size(), 4);
        macros->button(MacroDialog::Save)->click();
        QCOMPARE(loadMacro(name).events, recorded);

        // Button 2 plays it while held ("REPEAT RUN WHEN KEY DOWN").
        window->selectTab(MousecfgWidget::CustomizeTab);
        auto* page = window->findChild<TarqBtnWindow*>();
        QVERIFY(page);
        whenDialogOpens<TarqMacroSelect>(*page, [name](TarqMacroSelect& dialog) {
            QCOMPARE(dialog.selectedName(), name);
            dialog.findChildren<QCheckBox*>().at(1)->click();
            dialog.yesButton()->click();
        });
        choose(*page, 1, QStringLiteral("Macro Manager"));
        applyAndWait(*window);

        const MouseSections sections = sectionsOf(sandbox.mouse());
        const auto macroSlots = decodeMacroSection(sections.macros);
        int slot = -1;
        for (int s = 0; s < int(macroSlots.size()); ++s) {
            std::vector<MacroTriple> expected;
            for (const MacroEvent& event : recorded)
                expected.push_back({ event.kind, event.dataL, event.dataH });
            // A macro without pauses of its own gets one short pause at its end.
            if (macroSlots[size_t(s)].triples.size() >= expected.size() &&
                std::equal(expected.begin(), expected.end(), macroSlots[size_t(s)].triples.begin()))
                slot = s;
        }
        QVERIFY(slot >= 0);
        ButtonTable positions{};
        QCOMPARE(loadButtonMatrix(positions), 0);
        const DecodedButtons buttons = decodeButtonSection(sections.buttons);
        QCOMPARE(buttons.buttonSlots[positions[1]], (ButtonSlot{ 0x91, quint8(0x80 | slot), 0xFF, 0xFF }));
    }
};

QTEST_MAIN(TestSettingsApply)
#include "test_settings_apply.moc"
