// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/mousecfg_widget.h"
#include "button_page_driver.h"
#include "buttons/button_page.h"
#include "controls/display_scale.h"
#include "controls/push_button.h"
#include "device/commands.h"
#include "screens_directory.h"
#include "sim/section_decoder.h"
#include "storage/app_config.h"
#include "storage/product_description.h"
#include "window_sandbox.h"

#include <QDir>
#include <QFileInfo>
#include <QFontMetrics>
#include <QLabel>
#include <QScrollArea>
#include <QScrollBar>
#include <QtTest>

namespace {

constexpr int kThumbForward = 3;
constexpr int kThumbBack = 4;

TarqBtnWindow* buttonPage(const MousecfgWidget& window)
{
    return window.findChild<TarqBtnWindow*>();
}

// The page's labels the user sees, by slot.
QVector<int> visibleLabels(const MousecfgWidget& window)
{
    const TarqBtnWindow* page = buttonPage(window);
    QVector<int> shown;
    for (int slot = 0; slot < TarqBtnWindow::kLabelCount; ++slot) {
        const TarqPushButton* label = page->label(slot);
        if (label && label->isVisibleTo(&window))
            shown.append(slot);
    }
    return shown;
}

// The hot-spots on the mouse picture the user sees, by their names.
QStringList visibleHotSpots(const MousecfgWidget& window)
{
    QStringList names;
    for (const TarqPushButton* button : window.findChildren<TarqPushButton*>()) {
        if (button->parentWidget() == &window && button->isVisibleTo(&window) &&
            button->accessibleName().startsWith(QStringLiteral("Button ")))
            names << button->accessibleName();
    }
    names.sort();
    return names;
}

TarqPushButton* visibleHotSpot(const MousecfgWidget& window, const QString& name)
{
    for (TarqPushButton* button : window.findChildren<TarqPushButton*>()) {
        if (button->parentWidget() == &window && button->isVisibleTo(&window) && button->accessibleName() == name)
            return button;
    }
    return nullptr;
}

// Every label of those slots lies whole inside the part of the page the window shows, with nothing
// to scroll, and its text stays clear of its badge.
void verifyShownWhole(const MousecfgWidget& window, const QVector<int>& slotList, const QString& where)
{
    const TarqBtnWindow* page = buttonPage(window);
    auto* scroll = qobject_cast<QScrollArea*>(page->parentWidget()->parentWidget());
    QVERIFY(scroll);
    QCOMPARE(scroll->verticalScrollBar()->maximum(), 0);
    const QWidget* viewport = scroll->viewport();
    QVERIFY(window.rect().contains(QRect(viewport->mapTo(&window, QPoint(0, 0)), viewport->size())));
    for (int slot : slotList) {
        const TarqPushButton* label = page->label(slot);
        const QRect shown(label->mapTo(viewport, QPoint(0, 0)), label->size());
        QVERIFY2(label->isVisibleTo(&window), qPrintable(QStringLiteral("%1: slot %2").arg(where).arg(slot)));
        QVERIFY2(viewport->rect().contains(shown), qPrintable(QStringLiteral("%1: slot %2").arg(where).arg(slot)));
        const int room = label->width() - 2 * (label->badgeNumber() > 0 ? label->height() : 0);
        QVERIFY2(QFontMetrics(uiFont()).horizontalAdvance(label->text()) <= room,
                 qPrintable(QStringLiteral("%1: \"%2\"").arg(where, label->text())));
    }
}

// Whether the window shows a mouse picture: the side picture comes only after the first paint.
bool showsMousePicture(const MousecfgWidget& window)
{
    for (const QLabel* label : window.findChildren<QLabel*>()) {
        const QPixmap picture = label->pixmap(Qt::ReturnByValue);
        if (label->parentWidget() == &window && label->isVisibleTo(&window) && !picture.isNull() &&
            label->width() > window.width() / 4 && picture.height() > label->height() / 2)
            return true;
    }
    return false;
}

void saveShot(MousecfgWidget& window, const QString& name)
{
    QTRY_VERIFY(showsMousePicture(window));
    QVERIFY(window.grab().save(screensDirectory() + QLatin1Char('/') + name + QStringLiteral(".png")));
}

// The built skin as the sandbox links it, but without that file: each entry linked on its own.
bool linkSkinWithout(const WindowSandbox& sandbox, const QString& relativePath)
{
    const QString skin = sandbox.appPath() + QStringLiteral("/skin");
    const QString built = QFileInfo(skin).symLinkTarget();
    if (built.isEmpty() || !QFile::remove(skin))
        return false;
    const QString folder = QFileInfo(relativePath).path();
    if (!QDir().mkpath(skin + QLatin1Char('/') + folder))
        return false;
    auto linkAllBut = [&](const QString& from, const QString& skipped) {
        for (const QString& entry : QDir(built + from).entryList(QDir::NoDotAndDotDot | QDir::AllEntries)) {
            const QString relative = from + QLatin1Char('/') + entry;
            if (relative != skipped && !QFile::link(built + relative, skin + relative))
                return false;
        }
        return true;
    };
    if (!linkAllBut(QString(), QLatin1Char('/') + folder) ||
        !linkAllBut(QLatin1Char('/') + folder, QLatin1Char('/') + relativePath))
        return false;
    return QFileInfo::exists(skin + QStringLiteral("/lightning.png")) &&
           !QFileInfo::exists(skin + QLatin1Char('/') + relativePath);
}

} // namespace

class TestWindowButtons : public QObject
{
    Q_OBJECT

private slots:
    void cleanup() { qunsetenv("MOUSECFG_SCALE_FACTOR"); }

    void sideViewEditsReachTheMouse()
    {
        WindowSandbox sandbox;
        QVERIFY(sandbox.isValid());
        sandbox.mouse().plug(MouseLink::Receiver);
        auto window = sandbox.makeWindow();
        window->selectTab(MousecfgWidget::CustomizeTab);
        TarqBtnWindow* page = buttonPage(*window);
        const QString forward = page->label(kThumbForward)->text();
        const QString back = page->label(kThumbBack)->text();
        QCOMPARE(visibleLabels(*window), (QVector<int>{ 0, 1, 2, 3, 4, 5, kWheelFirstSlot, kWheelFirstSlot + 1 }));

        // The side view: the two thumb buttons, named as in the front view, and their hot-spots.
        TarqPushButton* side = buttonNamed(window.get(), QStringLiteral("Side"));
        QVERIFY(side && side->isVisibleTo(window.get()));
        side->click();
        QCOMPARE(visibleLabels(*window), (QVector<int>{ kThumbForward, kThumbBack }));
        QCOMPARE(page->label(kThumbForward)->text(), forward);
        QCOMPARE(page->label(kThumbBack)->text(), back);
        QCOMPARE(visibleHotSpots(*window), (QStringList{ QStringLiteral("Button 4"), QStringLiteral("Button 5") }));

        // A hot-spot picks its button; the choice goes to that button of the front row.
        TarqPushButton* spot = visibleHotSpot(*window, QStringLiteral("Button 5"));
        QVERIFY(spot);
        spot->click();
        QCOMPARE(page->selectedSlot(), kThumbBack);
        QAction* dpiUp = findAction(page->functionMenu(), QStringLiteral("DPI +"));
        QVERIFY(dpiUp);
        dpiUp->trigger();
        QCOMPARE(page->label(kThumbBack)->text(), QStringLiteral("DPI +"));
        // And from the label, as a click on it does.
        choose(*page, kThumbForward, QStringLiteral("Middle"));
        QCOMPARE(page->label(kThumbForward)->text(), QStringLiteral("Middle"));
        QCOMPARE(visibleLabels(*window), (QVector<int>{ kThumbForward, kThumbBack }));

        click(*window, QStringLiteral("Apply"));
        waitForSend(*window, 0);
        const DecodedButtons buttons = decodeButtonSection(
            sandbox.mouse().onBoardSection(sandbox.mouse().activeProfile(), CommandCode::ButtonSection));
        ButtonTable positions{};
        QCOMPARE(loadButtonMatrix(positions), 0);
        QCOMPARE(buttons.buttonSlots[positions[kThumbBack]], (ButtonSlot{ 0x8A, 0x00, 0x00, 0x00 }));
        QCOMPARE(buttons.buttonSlots[positions[kThumbForward]], (ButtonSlot{ 0x83, 0x00, 0x00, 0x00 }));
    }

    void everyButtonInView_data()
    {
        QTest::addColumn<QString>("scale");
        QTest::newRow("1.0") << QStringLiteral("1.0");
        QTest::newRow("2.0") << QStringLiteral("2.0");
    }

    void everyButtonInView()
    {
        QFETCH(QString, scale);
        qputenv("MOUSECFG_SCALE_FACTOR", scale.toLatin1());
        WindowSandbox sandbox;
        QVERIFY(sandbox.isValid());
        sandbox.mouse().plug(MouseLink::Receiver);
        auto window = sandbox.makeWindow();
        QCOMPARE(window->scaleFactor(), scale.toDouble());
        // Long texts as the user makes them, to see them cut short where they must be.
        ProfileButtons& buttons =
            window->workingConfiguration().profiles[window->workingConfiguration().ProfileID].buttons;
        buttons[1].Fun = FunctionCode::FireKey;
        buttons[1].Res1 = 0x84;
        buttons[1].LoopNumber = 10;
        buttons[1].KeyNumber = 35;
        buttons[2].Fun = FunctionCode::Macro;
        buttons[2].macroname = QStringLiteral("reload and switch weapons");
        buttons[2].LoopNumber = 2;
        window->RefreshPages();
        window->show();
        QVERIFY(QTest::qWaitForWindowExposed(window.get()));
        window->selectTab(MousecfgWidget::CustomizeTab);
        window->showView(true);
        const QVector<int> front{ 0, 1, 2, 3, 4, 5, kWheelFirstSlot, kWheelFirstSlot + 1 };
        QCOMPARE(visibleLabels(*window), front);
        QCOMPARE(buttonPage(*window)->labelText(1), QStringLiteral("Fire: Middle ×10, 35 ms"));
        verifyShownWhole(*window, front, QStringLiteral("front ") + scale);
        saveShot(*window, QStringLiteral("window-buttons-front-") + scale);

        window->showView(false);
        QCOMPARE(visibleLabels(*window), (QVector<int>{ kThumbForward, kThumbBack }));
        verifyShownWhole(*window, { kThumbForward, kThumbBack }, QStringLiteral("side ") + scale);
        saveShot(*window, QStringLiteral("window-buttons-side-") + scale);
    }

    void noSidePictureNoSideView()
    {
        WindowSandbox sandbox;
        QVERIFY(sandbox.isValid());
        QVERIFY(
            linkSkinWithout(sandbox, QStringLiteral("mouse/") + currentProductName() + QStringLiteral("_Side.png")));
        sandbox.mouse().plug(MouseLink::Receiver);
        auto window = sandbox.makeWindow();
        window->selectTab(MousecfgWidget::CustomizeTab);
        TarqPushButton* side = buttonNamed(window.get(), QStringLiteral("Side"));
        QVERIFY(side);
        QVERIFY(!side->isVisibleTo(window.get()));
        QVERIFY(buttonNamed(window.get(), QStringLiteral("Front"))->isVisibleTo(window.get()));
        window->showView(false);
        QCOMPARE(visibleLabels(*window), (QVector<int>{ 0, 1, 2, 3, 4, 5, kWheelFirstSlot, kWheelFirstSlot + 1 }));
        QVERIFY(visibleHotSpots(*window).contains(QStringLiteral("Button 1")));
    }
};

QTEST_MAIN(TestWindowButtons)
#include "test_window_buttons.moc"
