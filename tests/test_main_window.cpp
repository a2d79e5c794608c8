// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/connection_display.h"
#include "app/mousecfg_widget.h"
#include "app/startup_probe.h"
#include "controls/labels_menus.h"
#include "controls/message_box.h"
#include "controls/progress.h"
#include "controls/push_button.h"
#include "device/commands.h"
#include "device/device_state.h"
#include "device/upload.h"
#include "sim/section_decoder.h"
#include "storage/app_config.h"
#include "storage/languages.h"
#include "storage/profile_files.h"
#include "window_sandbox.h"

#include <QAction>
#include <QApplication>
#include <QLineEdit>
#include <QMenu>
#include <QMouseEvent>
#include <QProcess>
#include <QSettings>
#include <QSignalSpy>
#include <QSystemTrayIcon>
#include <QTest>

namespace {

QLineEdit* nameField(const MousecfgWidget& window)
{
    for (QLineEdit* edit : window.findChildren<QLineEdit*>())
        if (edit->accessibleName() == QLatin1String("NAME"))
            return edit;
    return nullptr;
}

// A started program that keeps running once its window has painted.
void waitForFirstPaint(QProcess& process)
{
    QByteArray output;
    QTRY_VERIFY_WITH_TIMEOUT((output += process.readAllStandardOutput()).contains(kFirstPaintLine) ||
                                 process.state() == QProcess::NotRunning,
                             20000);
    QVERIFY2(process.state() == QProcess::Running, process.readAllStandardError().constData());
}

QString mousecfgExecutable()
{
    return QCoreApplication::applicationDirPath() + QStringLiteral("/mousecfg");
}

} // namespace

class TestMainWindow : public QObject
{
    Q_OBJECT

private slots:
    void startsWithTheConnectedMouse();
    void warnsWithoutMouseUntilOneIsPlugged();
    void oneCopyPerProduct();
    void profileCommandsKeepTheirRules();
    void mouseOffSendsNothing();
    void batteryLadderAndConnectionModes_data();
    void batteryLadderAndConnectionModes();
    void mouseButtonsMoveTheWindow();
    void plugOrdersKeepTheDisplayConsistent_data();
    void plugOrdersKeepTheDisplayConsistent();
    void selectorShowsOnlyForTwoMice();
    void applySendsTheSlotAndSurvivesARestart();
    void keyboardReachesEveryCommand();
    void dragsOnlyPastTheThreshold();
    void languageMenuRetranslates();
    void trayClicksAndCancelHideTheWindow();
};

void TestMainWindow::startsWithTheConnectedMouse()
{
    WindowSandbox sandbox;
    QVERIFY(sandbox.isValid());
    sandbox.mouse().plug(MouseLink::Receiver);
    auto window = sandbox.makeWindow();
    QCOMPARE(window->connectedMouseCount(), 1);
    QVERIFY(window->isDeviceOpen());
    QVERIFY(window->batteryThreadRunning());
    // The battery thread's first report replaces the lowest level shown at start.
    QTRY_COMPARE(window->batteryPercentShown(), 70); // 3900 mV
    QCOMPARE(window->batteryBar()->value(), 70);
    QCOMPARE(sandbox.mouse().activeProfile(), 0);
    QCOMPARE(window->connectionDisplay().mode, 2);
    QCOMPARE(nameField(*window)->text(), QStringLiteral("Profile 1"));
}

void TestMainWindow::warnsWithoutMouseUntilOneIsPlugged()
{
    WindowSandbox sandbox;
    QVERIFY(sandbox.isValid());
    auto window = sandbox.makeWindow();
    QCOMPARE(window->connectedMouseCount(), 0);
    QVERIFY(!window->isVisible());
    QTRY_VERIFY(visibleMessageBox());
    QVERIFY(messageBoxText(visibleMessageBox()).contains(QStringLiteral("Dongle Disconnect!")));
    QVERIFY(window->isVisible());
    QVERIFY(window->isWarningOpen());

    sandbox.mouse().plug(MouseLink::Receiver);
    QTRY_VERIFY(!visibleMessageBox());
    QVERIFY(window->isVisible());
    QVERIFY(window->isDeviceOpen());
    QTRY_VERIFY(!window->isWarningOpen());
    QCOMPARE(window->connectedMouseCount(), 1);
}

void TestMainWindow::oneCopyPerProduct()
{
    WindowSandbox first;
    QVERIFY(first.isValid());
    QTemporaryDir lockDir;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(QStringLiteral("TMPDIR"), lockDir.path());
    // The lock goes to the runtime directory: this test's own, not the session's.
    environment.insert(QStringLiteral("XDG_RUNTIME_DIR"), lockDir.path());
    environment.insert(QLatin1String(kStartupProbeVariable), QStringLiteral("1"));
    auto start = [&environment](QProcess& process, const QString& appDir) {
        process.setProcessEnvironment(environment);
        process.start(mousecfgExecutable(), { QStringLiteral("--simulate"), QStringLiteral("--app-dir"), appDir });
    };
    QProcess running;
    start(running, first.appPath());
    waitForFirstPaint(running);

    QProcess second;
    start(second, first.appPath());
    QVERIFY(second.waitForFinished(20000));
    QCOMPARE(second.exitStatus(), QProcess::NormalExit);
    QCOMPARE(second.exitCode(), 1);
    QVERIFY(second.readAllStandardOutput().isEmpty()); // it never showed a window
    QCOMPARE(running.state(), QProcess::Running);

    // Another product has a lock of its own.
    WindowSandbox other;
    QVERIFY(other.isValid());
    QSettings description(other.appPath() + QStringLiteral("/DefaultProfile.bin"), QSettings::IniFormat);
    description.setValue(QStringLiteral("PROFILE/ProductName"), QStringLiteral("Tarq M1 Other"));
    description.sync();
    QProcess beside;
    start(beside, other.appPath());
    waitForFirstPaint(beside);
    for (QProcess* process : { &running, &beside }) {
        process->kill();
        process->waitForFinished(5000);
    }
}

void TestMainWindow::profileCommandsKeepTheirRules()
{
    WindowSandbox sandbox;
    QVERIFY(sandbox.isValid());
    sandbox.mouse().plug(MouseLink::Receiver);
    auto window = sandbox.makeWindow();
    QLineEdit* field = nameField(*window);
    QVERIFY(field);

    click(*window, QStringLiteral("ADD"));
    QCOMPARE(field->text(), QStringLiteral("Profile 6"));
    QCOMPARE(window->workingConfiguration().profileNames[0], QStringLiteral("Profile 6"));
    QVERIFY(readProfileList().contains(QStringLiteral("Profile 6")));

    field->setText(QStringLiteral("Game"));
    QTest::keyClick(field, Qt::Key_Return);
    QCOMPARE(window->workingConfiguration().profileNames[0], QStringLiteral("Game"));
    click(*window, QStringLiteral("COPY"));
    QCOMPARE(field->text(), QStringLiteral("Game copy"));
    chooseFromMenu(*window, QStringLiteral("Profile list"), QStringLiteral("Game"));
    QCOMPARE(field->text(), QStringLiteral("Game"));
    click(*window, QStringLiteral("COPY"));
    QCOMPARE(field->text(), QStringLiteral("Game copy 2"));
    QVERIFY(QFile::exists(profileFilePath(QStringLiteral("Game copy 2"))));

    // "Profile 2" is shown in slot 2.
    chooseFromMenu(*window, QStringLiteral("Profile list"), QStringLiteral("Profile 2"));
    expectMessage(QStringLiteral("Profile is Already Used!"));
    QCOMPARE(field->text(), QStringLiteral("Game copy 2"));

    // Deleting the last entry of the list shows the one before it.
    const QStringList before = readProfileList();
    QCOMPARE(before.last(), QStringLiteral("Game copy 2"));
    click(*window, QStringLiteral("DELETE"));
    expectMessage(QStringLiteral("Are you sure you want delete this profile?"));
    QCOMPARE(field->text(), before.at(before.size() - 2));
    QVERIFY(!QFile::exists(profileFilePath(QStringLiteral("Game copy 2"))));

    // Slot 3 shows "Profile 3": it keeps its name.
    chooseSlot(*window, QStringLiteral("Profile 3"));
    QCOMPARE(field->text(), QStringLiteral("Profile 3"));
    field->setText(QStringLiteral("Renamed"));
    QTest::keyClick(field, Qt::Key_Return);
    expectMessage(QStringLiteral("The default Profile cannot be deleted or renamed."));
    QCOMPARE(field->text(), QStringLiteral("Profile 3"));
    QCOMPARE(sandbox.mouse().activeProfile(), 2);
}

void TestMainWindow::mouseOffSendsNothing()
{
    WindowSandbox sandbox;
    QVERIFY(sandbox.isValid());
    sandbox.mouse().plug(MouseLink::Receiver);
    sandbox.mouse().sleep();
    auto window = sandbox.makeWindow();
    QTRY_COMPARE(window->batteryBar()->barText(), QStringLiteral("MOUSE OFF"));
    QVERIFY(isMouseOff());
    const int begun = sandbox.mouse().uploadsBegun();
    window->workingConfiguration().profiles[0].pollrate = 3;
    click(*window, QStringLiteral("Apply"));
    waitForSend(*window, kUploadMouseOff);
    expectMessage(QStringLiteral("Mouse is sleeping or not connected."));
    QCOMPARE(sandbox.mouse().uploadsBegun(), begun);

    // Any answer leaves that state.
    window->slotRefreshBatteryStatus(0, 1, 0);
    QVERIFY(!isMouseOff());
    QVERIFY(window->batteryBar()->barText().isEmpty());
}

void TestMainWindow::batteryLadderAndConnectionModes_data()
{
    QTest::addColumn<bool>("cable");
    QTest::addColumn<bool>("receiver");
    QTest::addColumn<bool>("charging");
    QTest::addColumn<int>("mode");
    QTest::addColumn<bool>("receiverIcon");
    QTest::addColumn<bool>("batteryBar");
    QTest::newRow("both") << true << true << false << 1 << true << false;
    QTest::newRow("cable only") << true << false << true << 0 << false << false;
    QTest::newRow("receiver, charging") << false << true << true << 1 << true << false;
    QTest::newRow("receiver, on battery") << false << true << false << 2 << true << true;
    QTest::newRow("neither") << false << false << false << 3 << false << true;
}

void TestMainWindow::batteryLadderAndConnectionModes()
{
    QFETCH(bool, cable);
    QFETCH(bool, receiver);
    QFETCH(bool, charging);
    QFETCH(int, mode);
    QFETCH(bool, receiverIcon);
    QFETCH(bool, batteryBar);
    const ConnectionDisplay display = connectionDisplayFor(cable, receiver, charging);
    QCOMPARE(display.mode, mode);
    QCOMPARE(display.receiverIcon, receiverIcon);
    QCOMPARE(display.batteryBar, batteryBar);
    QCOMPARE(display.cableFrame(), mode <= 1);

    WindowSandbox sandbox;
    QVERIFY(sandbox.isValid());
    if (receiver)
        sandbox.mouse().plug(MouseLink::Receiver);
    if (cable)
        sandbox.mouse().plug(MouseLink::Cable);
    auto window = sandbox.makeWindow();
    window->StopBatteryThread();                                // the test speaks for the mouse
    window->slotRefreshBatteryStatus(charging ? 1 : 0, 226, 3); // 994 → 4100 mV
    QCOMPARE(window->connectionDisplay().mode, mode);
    QCOMPARE(window->batteryPercentShown(), 90);
    QCOMPARE(window->batteryBar()->value(), cable ? 100 : 90);
    QCOMPARE(batteryLevel(), 90);
    window->slotRefreshBatteryStatus(charging ? 1 : 0, 225, 3); // 993
    QCOMPARE(window->batteryPercentShown(), 80);
    QCOMPARE(window->batteryBar()->isVisibleTo(window.get()), batteryBar);
}

void TestMainWindow::mouseButtonsMoveTheWindow()
{
    WindowSandbox sandbox;
    QVERIFY(sandbox.isValid());
    sandbox.mouse().plug(MouseLink::Receiver);
    auto window = sandbox.makeWindow();
    const ConfigRecord& working = window->workingConfiguration();
    // The thread's first pass reads the battery answer; a status report ahead of it is not one.
    QTRY_COMPARE(window->batteryPercentShown(), 70);

    sandbox.mouse().pressProfileButton();
    QTRY_COMPARE(int(working.ProfileID), sandbox.mouse().activeProfile());
    QCOMPARE(nameField(*window)->text(), working.profileNames[working.ProfileID]);
    sandbox.mouse().pressDpiButton();
    QTRY_COMPARE(int(working.profiles[working.ProfileID].dpi), sandbox.mouse().dpiStage());
    sandbox.mouse().pressRateButton();
    QTRY_COMPARE(int(working.profiles[working.ProfileID].pollrate), sandbox.mouse().rateCode());

    // A mouse that says its configuration is out of step makes the next upload a full one.
    window->StopBatteryThread();
    QCOMPARE(setPendingUploadFlag(0), StorageResult::Ok);
    sandbox.mouse().setWriteStatus(0);
    window->StartBatteryThread();
    QTRY_COMPARE(pendingUploadFlag(), 1);
}

void TestMainWindow::plugOrdersKeepTheDisplayConsistent_data()
{
    QTest::addColumn<QString>("steps"); // R/C: receiver or cable; + plug, - unplug
    QTest::newRow("receiver, cable, receiver out, cable out") << "R+ C+ R- C-";
    QTest::newRow("receiver, cable, cable out, receiver out") << "R+ C+ C- R-";
    QTest::newRow("cable, receiver, cable out, receiver out") << "C+ R+ C- R-";
    QTest::newRow("cable, receiver, receiver out, cable out") << "C+ R+ R- C-";
    QTest::newRow("receiver out and back") << "R+ R- R+";
    QTest::newRow("cable out and back") << "C+ C- C+";
}

void TestMainWindow::plugOrdersKeepTheDisplayConsistent()
{
    QFETCH(QString, steps);
    WindowSandbox sandbox;
    QVERIFY(sandbox.isValid());
    auto window = sandbox.makeWindow();
    QTRY_VERIFY(visibleMessageBox());
    for (const QString& step : steps.split(QLatin1Char(' '))) {
        const MouseLink link = step.startsWith(QLatin1Char('R')) ? MouseLink::Receiver : MouseLink::Cable;
        step.endsWith(QLatin1Char('+')) ? sandbox.mouse().plug(link) : sandbox.mouse().unplug(link);
        const bool receiver = sandbox.mouse().isPlugged(MouseLink::Receiver);
        const bool cable = sandbox.mouse().isPlugged(MouseLink::Cable);
        const int expectedMode = connectionDisplayFor(cable, receiver, false).mode;
        QTRY_COMPARE(window->connectionDisplay().mode, expectedMode);
        QCOMPARE(window->connectedMouseCount(), receiver || cable ? 1 : 0);
        if (receiver || cable) {
            QTRY_VERIFY(window->isDeviceOpen());
            QTRY_VERIFY(!visibleMessageBox());
            QTRY_VERIFY(commandHandle() != nullptr); // after the pause of the reopening
            QTRY_VERIFY(window->batteryThreadRunning());
        } else {
            QVERIFY(!window->isDeviceOpen());
            QTRY_VERIFY(visibleMessageBox());
            QVERIFY(messageBoxText(visibleMessageBox()).contains(QStringLiteral("Dongle Disconnect!")));
        }
    }
}

void TestMainWindow::selectorShowsOnlyForTwoMice()
{
    WindowSandbox sandbox;
    QVERIFY(sandbox.isValid());
    sandbox.mouse().plug(MouseLink::Receiver);
    auto window = sandbox.makeWindow();
    TarqPushButton* selector = buttonNamed(window.get(), QStringLiteral("Mouse"));
    QVERIFY(!selector || !selector->isVisibleTo(window.get()));

    // A second product's entry whose receiver is present, as the link would list it.
    DeviceIdentityTable& table = deviceTable();
    DeviceIdentityEntry& second = table.entries[1];
    second.modelName = "Tarq M9";
    second.receiver.pointerPresent = 1;
    second.receiver.commandPresent = 1;
    table.count = 2;
    window->refreshMouseList();
    selector = buttonNamed(window.get(), QStringLiteral("Mouse"));
    QVERIFY(selector);
    QVERIFY(selector->isVisibleTo(window.get()));
    QCOMPARE(selector->menu()->actions().size(), 2);
    QCOMPARE(window->connectedMouseCount(), 2);

    second.clear();
    table.count = 1;
    window->refreshMouseList();
    QVERIFY(!selector->isVisibleTo(window.get()));
    QCOMPARE(window->connectedMouseCount(), 1);
}

void TestMainWindow::applySendsTheSlotAndSurvivesARestart()
{
    WindowSandbox sandbox;
    QVERIFY(sandbox.isValid());
    sandbox.mouse().plug(MouseLink::Receiver);
    ProfileRecord edited;
    DecodedButtons buttonsBefore;
    {
        auto window = sandbox.makeWindow();
        chooseSlot(*window, QStringLiteral("Profile 3"));
        QCOMPARE(sandbox.mouse().activeProfile(), 2);
        ProfileRecord& slot3 = window->workingConfiguration().profiles[2];
        slot3.dpiStages[1].x = 300;
        slot3.dpiStages[1].y = 300;
        slot3.dpiStages[1].used = 1;
        slot3.LedMode = 11;
        slot3.buttons[5].Fun = 48;
        // The record was edited behind the pages: they show it before the send, as after any change.
        window->RefreshPages();
        click(*window, QStringLiteral("Apply"));
        waitForSend(*window, 0);
        edited = window->workingConfiguration().profiles[2];
        QCOMPARE(window->lastUploadedConfiguration().profiles[2], edited);
    }
    const int active = sandbox.mouse().activeProfile();
    QCOMPARE(active, 2);
    const DecodedDpiStage stage =
        decodeDpiSection(sandbox.mouse().onBoardSection(active, CommandCode::DpiSection)).stages[1];
    QCOMPARE(stage.xLow, quint8(300 & 0xFF));
    QCOMPARE(stage.xFlag, quint8(300 >> 8));
    QCOMPARE(stage.yLow, quint8(300 & 0xFF));
    QCOMPARE(decodeGeneralSection(sandbox.mouse().section(CommandCode::GeneralSection)).lightingCode, quint8(7));
    QCOMPARE(decodeGeneralSection(sandbox.mouse().section(CommandCode::GeneralSection)).activeProfile, quint8(2));
    const DecodedButtons buttons =
        decodeButtonSection(sandbox.mouse().onBoardSection(active, CommandCode::ButtonSection));
    int reportRateSlots = 0;
    for (const ButtonSlot& slot : buttons.buttonSlots)
        reportRateSlots += slot == ButtonSlot{ 0x8A, 0, 0, 0 } ? 1 : 0;
    QCOMPARE(reportRateSlots, 1);

    auto restarted = sandbox.makeWindow();
    QCOMPARE(int(restarted->workingConfiguration().ProfileID), 2);
    // The restarted window takes the desktop's pointer speed into its current slot.
    edited.mousespeed = restarted->workingConfiguration().profiles[2].mousespeed;
    QCOMPARE(restarted->workingConfiguration().profiles[2], edited);
    QCOMPARE(nameField(*restarted)->text(), QStringLiteral("Profile 3"));
}

void TestMainWindow::keyboardReachesEveryCommand()
{
    WindowSandbox sandbox;
    QVERIFY(sandbox.isValid());
    sandbox.mouse().plug(MouseLink::Receiver);
    auto window = sandbox.makeWindow();
    window->show();
    QApplication::setActiveWindow(window.get());
    QVERIFY(QTest::qWaitForWindowActive(window.get()));
    buttonNamed(window.get(), QStringLiteral("LIGHTING"))->setFocus();
    QStringList reached;
    for (int step = 0; step < 40; ++step) {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        reached << QApplication::focusWidget()->accessibleName();
    }
    const QStringList expected{ QStringLiteral("CUSTOMIZE"),
                                QStringLiteral("DPI"),
                                QStringLiteral("MACRO"),
                                QStringLiteral("Profile 1"),
                                QStringLiteral("NAME"),
                                QStringLiteral("Profile list"),
                                QStringLiteral("ADD"),
                                QStringLiteral("COPY"),
                                QStringLiteral("DELETE"),
                                QStringLiteral("RESET"),
                                QStringLiteral("Export profile"),
                                QStringLiteral("Import profile"),
                                QStringLiteral("LOAD1"),
                                QStringLiteral("SAVE"),
                                QStringLiteral("Reset All"),
                                QStringLiteral("OK"),
                                QStringLiteral("Cancel"),
                                QStringLiteral("Apply") };
    int at = 0;
    for (const QString& name : expected) {
        const int found = reached.indexOf(name, at);
        QVERIFY2(found >= 0, qPrintable(QStringLiteral("%1 not reached in order: %2").arg(name, reached.join(", "))));
        at = found + 1;
    }
    for (QWidget* control : window->findChildren<QWidget*>()) {
        if (control->focusPolicy() & Qt::TabFocus && control->isVisibleTo(window.get()))
            QVERIFY2(!control->accessibleName().isEmpty(), control->metaObject()->className());
    }

    TarqPushButton* dpiTab = buttonNamed(window.get(), QStringLiteral("DPI"));
    dpiTab->setFocus();
    QTest::keyClick(dpiTab, Qt::Key_Return);
    QCOMPARE(window->currentTab(), int(MousecfgWidget::DpiTab));
    TarqPushButton* add = buttonNamed(window.get(), QStringLiteral("ADD"));
    add->setFocus();
    QTest::keyClick(add, Qt::Key_Space);
    QCOMPARE(nameField(*window)->text(), QStringLiteral("Profile 6"));
}

void TestMainWindow::dragsOnlyPastTheThreshold()
{
    WindowSandbox sandbox;
    QVERIFY(sandbox.isValid());
    sandbox.mouse().plug(MouseLink::Receiver);
    auto window = sandbox.makeWindow();
    window->move(100, 100);
    window->show();
    QVERIFY(QTest::qWaitForWindowExposed(window.get()));
    const QPoint start = window->pos();
    const QPoint grip(500, 20);
    auto send = [&window, &grip](QEvent::Type type, const QPoint& offset, Qt::MouseButton button,
                                 Qt::MouseButtons buttons) {
        QMouseEvent event(type, grip + offset, window->mapToGlobal(grip + offset), button, buttons, Qt::NoModifier);
        QApplication::sendEvent(window.get(), &event);
    };
    send(QEvent::MouseButtonPress, {}, Qt::LeftButton, Qt::LeftButton);
    send(QEvent::MouseMove, QPoint(2, 2), Qt::NoButton, Qt::LeftButton);
    QCOMPARE(window->pos(), start);
    send(QEvent::MouseMove, QPoint(30, 12), Qt::NoButton, Qt::LeftButton);
    QTRY_COMPARE(window->pos(), start + QPoint(30, 12));
    send(QEvent::MouseButtonRelease, QPoint(30, 12), Qt::LeftButton, Qt::NoButton);
    const QPoint released = window->pos();
    send(QEvent::MouseMove, QPoint(80, 80), Qt::NoButton, Qt::NoButton);
    QCOMPARE(window->pos(), released);
}

void TestMainWindow::languageMenuRetranslates()
{
    WindowSandbox sandbox;
    QVERIFY(sandbox.isValid());
    sandbox.mouse().plug(MouseLink::Receiver);
    auto window = sandbox.makeWindow();
    QCOMPARE(buttonNamed(window.get(), QStringLiteral("ADD"))->text(), QStringLiteral("ADD"));
    chooseFromMenu(*window, QStringLiteral("Language"), QStringLiteral("Deutsch"));
    QVERIFY(buttonNamed(window.get(), QStringLiteral("NEU")));
    QCOMPARE(buttonNamed(window.get(), QStringLiteral("Sprache"))->text(), QStringLiteral("Deutsch"));
    QCOMPARE(readChosenLanguage(), 1);
    QCOMPARE(window->trayIcon()->contextMenu()->actions().constLast()->text(), QStringLiteral("&Beenden"));
    chooseFromMenu(*window, QStringLiteral("Sprache"), QStringLiteral("English"));
    QVERIFY(buttonNamed(window.get(), QStringLiteral("ADD")));
}

void TestMainWindow::trayClicksAndCancelHideTheWindow()
{
    WindowSandbox sandbox;
    QVERIFY(sandbox.isValid());
    sandbox.mouse().plug(MouseLink::Receiver);
    auto window = sandbox.makeWindow();
    window->show();
    window->iconActivated(QSystemTrayIcon::Trigger);
    QVERIFY(window->isHidden());
    window->iconActivated(QSystemTrayIcon::Context); // the menu, not the window
    QVERIFY(window->isHidden());
    window->iconActivated(QSystemTrayIcon::DoubleClick);
    QVERIFY(window->isVisible());

    // Cancel drops what was not sent: the slot is read back from its file.
    const ProfileRecord stored = window->workingConfiguration().profiles[0];
    window->workingConfiguration().profiles[0].LedMode = quint8(stored.LedMode + 1);
    click(*window, QStringLiteral("Cancel"));
    QCOMPARE(window->workingConfiguration().profiles[0], stored);
    // There is no tray offscreen: the window is minimised, not hidden, and the icon restores it.
    QVERIFY(window->isMinimized());
    QVERIFY(window->isVisible());
    window->iconActivated(QSystemTrayIcon::Trigger);
    QVERIFY(!window->isMinimized());
    QVERIFY(window->isVisible());

    // Without a mouse the tray click shows the window and its warning, and no click hides them.
    sandbox.mouse().unplug(MouseLink::Receiver);
    QTRY_VERIFY(visibleMessageBox());
    QVERIFY(window->isVisible());
    window->iconActivated(QSystemTrayIcon::Trigger);
    QVERIFY(window->isVisible());
}

QTEST_MAIN(TestMainWindow)
#include "test_main_window.moc"
