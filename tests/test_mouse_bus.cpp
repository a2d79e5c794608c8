// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/mouse_bus_service.h"
#include "app/mousecfg_widget.h"
#include "buttons/function_catalogue.h"
#include "controls/message_box.h"
#include "controls/push_button.h"
#include "device/commands.h"
#include "platform/mouse_bus.h"
#include "private_session_bus.h"
#include "storage/app_config.h"
#include "switch_writes.h"
#include "window_sandbox.h"

#include <QDBusConnection>
#include <QDBusMessage>
#include <QDBusPendingCall>
#include <QElapsedTimer>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <QTemporaryDir>
#include <QtTest>
#include <array>
#include <csignal>
#include <memory>

// The window on a session bus of the test's own: its properties and their announcements, its
// commands under the window's rules, and the command line going through it.

namespace {

constexpr int kCallTimeoutMs = 60000;
const QString kClientName = QStringLiteral("test client");

QDBusConnection client()
{
    return QDBusConnection(kClientName);
}

// Calls the window from a connection of its own, as another program does, with the window's
// event loop running meanwhile.
QDBusMessage callWindow(const char* method, const QVariantList& arguments = {})
{
    QDBusMessage call = QDBusMessage::createMethodCall(MouseBus::serviceName(), MouseBus::objectPath(),
                                                       MouseBus::interfaceName(), QLatin1String(method));
    call.setArguments(arguments);
    QDBusPendingCall pending = client().asyncCall(call, kCallTimeoutMs);
    if (!QTest::qWaitFor([&pending] { return pending.isFinished(); }, kCallTimeoutMs))
        return QDBusMessage::createError(QStringLiteral("test.NoAnswer"), QStringLiteral("no answer"));
    return pending.reply();
}

// The PropertiesChanged announcements the window makes, as a client sees them.
class Announcements final : public QObject
{
    Q_OBJECT

public:
    Announcements()
    {
        client().connect(MouseBus::serviceName(), MouseBus::objectPath(),
                         QStringLiteral("org.freedesktop.DBus.Properties"), QStringLiteral("PropertiesChanged"), this,
                         SLOT(onChanged(QString, QVariantMap, QStringList)));
    }

    QList<QVariantMap> received;

    // Every announcement made before now has arrived: the window answers a property read only
    // after announcing what changed, and the bus keeps a sender's messages in order. Once it has
    // returned the first time, the bus has the subscription too (it handles ours in order).
    bool settle()
    {
        QDBusMessage read =
            QDBusMessage::createMethodCall(MouseBus::serviceName(), MouseBus::objectPath(),
                                           QStringLiteral("org.freedesktop.DBus.Properties"), QStringLiteral("GetAll"));
        read << MouseBus::interfaceName();
        QDBusPendingCall pending = client().asyncCall(read, kCallTimeoutMs);
        if (!QTest::qWaitFor([&pending] { return pending.isFinished(); }, kCallTimeoutMs) || pending.isError())
            return false;
        // The reply is taken in on the bus thread; the announcements ahead of it wait as events.
        QCoreApplication::processEvents();
        return true;
    }

private slots:
    void onChanged(const QString& interface, const QVariantMap& changed, const QStringList&)
    {
        if (interface == MouseBus::interfaceName())
            received << changed;
    }
};

// A program run to its end with the window's event loop running.
struct Finished
{
    int exitCode = -1;
    QString out;
    QString err;
};

Finished runToEnd(const QString& program, const QStringList& arguments)
{
    QProcess process;
    process.start(program, arguments);
    Finished finished;
    if (!process.waitForStarted() ||
        !QTest::qWaitFor([&process] { return process.state() == QProcess::NotRunning; }, kCallTimeoutMs))
        return finished;
    finished.exitCode = process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -1;
    finished.out = QString::fromUtf8(process.readAllStandardOutput());
    finished.err = QString::fromUtf8(process.readAllStandardError());
    return finished;
}

QString cliProgram()
{
    return QCoreApplication::applicationDirPath() + QStringLiteral("/mousecfg-cli");
}

const QStringList kSwitchToSlot3 = switchToSlot(3);

} // namespace

class TestMouseBus final : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase()
    {
        m_bus = std::make_unique<PrivateSessionBus>();
        QVERIFY2(m_bus->isValid(), qPrintable(m_bus->errorString()));
        QVERIFY(QDBusConnection::connectToBus(m_bus->address(), kClientName).isConnected());
    }

    void cleanupTestCase()
    {
        QDBusConnection::disconnectFromBus(kClientName);
        m_bus.reset();
    }

    void init()
    {
        m_sandbox = std::make_unique<WindowSandbox>();
        QVERIFY(m_sandbox->isValid());
        m_window = shownWindow(*m_sandbox);
        QVERIFY(m_window);
        QTRY_COMPARE(m_window->batteryPercentShown(), 70);
        m_service = std::make_unique<MouseBusService>(*m_window, true);
        QString error;
        QVERIFY2(m_service->registerOn(QDBusConnection::sessionBus(), &error), qPrintable(error));
    }

    void cleanup()
    {
        m_service.reset();
        m_window.reset();
        m_sandbox.reset();
    }

    void theInterfaceIsListed()
    {
        const Finished introspected =
            runToEnd(QStringLiteral("gdbus"),
                     { QStringLiteral("introspect"), QStringLiteral("--session"), QStringLiteral("--dest"),
                       MouseBus::serviceName(), QStringLiteral("--object-path"), MouseBus::objectPath() });
        QCOMPARE(introspected.exitCode, 0);
        for (const char* expected :
             { "interface org.mousecfg.Mouse1", "SelectSlot(in  u slot)", "Apply(", "ImportConfiguration(in  s path",
               "ExportConfiguration(in  s path)", "Show()", "readonly u ActiveSlot", "readonly as SlotNames",
               "readonly i BatteryPercent", "readonly b PendingUpload" })
            QVERIFY2(introspected.out.contains(QLatin1String(expected)), expected);

        // The properties read what the window shows.
        QCOMPARE(m_service->product(), QStringLiteral("Tarq M1"));
        QCOMPARE(m_service->connectionKind(), QStringLiteral("receiver"));
        QCOMPARE(m_service->batteryPercent(), 70);
        QCOMPARE(m_service->activeSlot(), uint(m_window->workingConfiguration().ProfileID) + 1);
    }

    void selectSlotSwitchesTheMouseAndTheWindow()
    {
        Announcements announcements;
        QVERIFY(announcements.settle());
        m_sandbox->mouse().trace().clear();
        const QDBusMessage reply = callWindow(MouseBus::kSelectSlot, { 3u });
        QCOMPARE(reply.type(), QDBusMessage::ReplyMessage);
        QCOMPARE(switchWrites(m_sandbox->mouse().trace().lines()), kSwitchToSlot3);
        QCOMPARE(m_sandbox->mouse().activeProfile(), 2);
        QCOMPARE(int(m_window->workingConfiguration().ProfileID), 2);
        QCOMPARE(slotMenuButton(m_window.get())->text(), QStringLiteral("Profile 3"));
        QVERIFY(announcements.settle());
        QVERIFY(!announcements.received.isEmpty());
        QCOMPARE(announcements.received.last().value(QLatin1String(MouseBus::kActiveSlot)).toUInt(), 3u);

        // Slots are numbered as on the mouse; 0 and 6 are refused before anything is sent.
        const int written = m_sandbox->mouse().trace().writes();
        QCOMPARE(callWindow(MouseBus::kSelectSlot, { 6u }).errorName(),
                 QStringLiteral("org.freedesktop.DBus.Error.InvalidArgs"));
        QCOMPARE(callWindow(MouseBus::kSelectSlot, { 0u }).errorName(),
                 QStringLiteral("org.freedesktop.DBus.Error.InvalidArgs"));
        QCOMPARE(m_sandbox->mouse().trace().writes(), written);
    }

    void theMouseOwnDpiButtonIsAnnouncedOnce()
    {
        const ConfigRecord& working = m_window->workingConfiguration();
        // The mouse may start on the stage the window shows: after one press they surely agree.
        m_sandbox->mouse().pressDpiButton();
        QTRY_COMPARE(int(working.profiles[working.ProfileID].dpi), m_sandbox->mouse().dpiStage());

        Announcements announcements;
        QVERIFY(announcements.settle());
        announcements.received.clear();
        m_sandbox->mouse().pressDpiButton();
        QTRY_COMPARE(announcements.received.size(), 1);
        QVERIFY(announcements.settle());
        QCOMPARE(announcements.received.size(), 1);
        const QVariantMap& changed = announcements.received.first();
        QCOMPARE(changed.value(QLatin1String(MouseBus::kDpiStage)).toUInt(), uint(m_sandbox->mouse().dpiStage()) + 1);
        QCOMPARE(changed.value(QLatin1String(MouseBus::kDpi)).toUInt(), m_service->dpi());
        QCOMPARE(int(working.profiles[working.ProfileID].dpi), m_sandbox->mouse().dpiStage());
    }

    void commandsWaitForTheWindowRules()
    {
        // A whole upload takes a while: the call made meanwhile finds the send running.
        QCOMPARE(setPendingUploadFlag(1), StorageResult::Ok);
        QSignalSpy finished(m_window.get(), &MousecfgWidget::sendFinished);
        click(*m_window, QStringLiteral("Apply"));
        QVERIFY(m_window->isSending());
        const QDBusMessage busy = callWindow(MouseBus::kApply);
        QCOMPARE(busy.errorName(), QStringLiteral("org.mousecfg.Error.Busy"));
        QVERIFY(!busy.errorMessage().isEmpty());
        QVERIFY(finished.wait(kCallTimeoutMs));

        // Apply answers once its own send is over; with nothing changed, nothing was sent.
        const QDBusMessage applied = callWindow(MouseBus::kApply);
        QCOMPARE(applied.type(), QDBusMessage::ReplyMessage);
        QCOMPARE(applied.arguments().value(0).toBool(), false);

        // Another product's file, or none, is refused with the window's own message.
        QTemporaryDir dir;
        const QString other = dir.filePath(QStringLiteral("other.conf"));
        QFile file(other);
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write("[PROFILE]\nProductName=Other Mouse\n");
        file.close();
        const QDBusMessage refused = callWindow(MouseBus::kImportConfiguration, { other });
        QCOMPARE(refused.errorName(), QStringLiteral("org.mousecfg.Error.BadFile"));
        QVERIFY2(refused.errorMessage().contains(other), qPrintable(refused.errorMessage()));

        // What the window holds goes out to a file and comes back in as it was.
        const QString exported = dir.filePath(QStringLiteral("Tarq M1.conf"));
        QCOMPARE(callWindow(MouseBus::kExportConfiguration, { exported }).type(), QDBusMessage::ReplyMessage);
        QVERIFY(QFile::exists(exported));
        QCOMPARE(callWindow(MouseBus::kImportConfiguration, { exported }).type(), QDBusMessage::ReplyMessage);

        // Without the mouse nothing is sent, and the caller is told so.
        m_sandbox->mouse().unplug(MouseLink::Receiver);
        QTRY_VERIFY(!m_service->connected());
        QCOMPARE(callWindow(MouseBus::kSelectSlot, { 2u }).errorName(), QStringLiteral("org.mousecfg.Error.NoMouse"));
        QCOMPARE(m_service->batteryPercent(), -1);
        QCOMPARE(m_service->connectionKind(), QStringLiteral("none"));
    }

    void aCallerOnTheBusIsToldInsteadOfAsked()
    {
        ConfigRecord& working = m_window->workingConfiguration();
        ProfileRecord& profile = working.profiles[working.ProfileID];
        // A macro without a file: the window would ask whether to send anyway; the caller hears
        // the warning, and the rest goes out.
        ButtonEntry& button = profile.buttons[2];
        button.Fun = FunctionCode::Macro;
        button.macroname = QStringLiteral("never saved");
        button.LoopNumber = 1;
        const int uploads = m_sandbox->mouse().uploadsBegun();
        const QDBusMessage warned = callWindow(MouseBus::kApply);
        QCOMPARE(warned.type(), QDBusMessage::ReplyMessage);
        QCOMPARE(warned.arguments().value(0).toBool(), true);
        QVERIFY2(
            warned.arguments().value(1).toStringList().join(QLatin1Char('\n')).contains(QLatin1String("has no file")),
            qPrintable(warned.arguments().value(1).toStringList().join(QLatin1Char('\n'))));
        QCOMPARE(m_sandbox->mouse().uploadsBegun(), uploads + 1);
        QTRY_VERIFY(!m_window->isSending());
        QVERIFY(!visibleMessageBox());

        // A profile without a left click is refused before anything is sent.
        for (ButtonEntry& entry : profile.buttons)
            entry.Fun = FunctionCode::Right;
        const QDBusMessage refused = callWindow(MouseBus::kApply);
        QCOMPARE(refused.errorName(), QStringLiteral("org.mousecfg.Error.BadFile"));
        QVERIFY2(refused.errorMessage().contains(QLatin1String("AT LEAST ONE CLICK")),
                 qPrintable(refused.errorMessage()));
        QCOMPARE(m_sandbox->mouse().uploadsBegun(), uploads + 1);
        QVERIFY(!visibleMessageBox());

        // Those edits wait in the window: an import would replace them, so it waits too.
        QTemporaryDir dir;
        const QString exported = dir.filePath(QStringLiteral("Tarq M1.conf"));
        QCOMPARE(callWindow(MouseBus::kExportConfiguration, { exported }).type(), QDBusMessage::ReplyMessage);
        QCOMPARE(callWindow(MouseBus::kImportConfiguration, { exported }).errorName(),
                 QStringLiteral("org.mousecfg.Error.Busy"));
    }

    void showBringsTheWindowBackAndAMouseOffIsSaid()
    {
        m_window->hide();
        QCOMPARE(callWindow(MouseBus::kShow).type(), QDBusMessage::ReplyMessage);
        QVERIFY(m_window->isVisible());
        QVERIFY(!m_window->isMinimized());
        m_window->showMinimized();
        QCOMPARE(callWindow(MouseBus::kShow).type(), QDBusMessage::ReplyMessage);
        QTRY_VERIFY(!m_window->isMinimized());

        // The battery thread's next query finds the mouse asleep.
        m_sandbox->mouse().sleep();
        m_window->StopBatteryThread();
        m_window->StartBatteryThread();
        QTRY_VERIFY(m_service->mouseOff());
        QCOMPARE(m_service->batteryPercent(), -1);
        QCOMPARE(callWindow(MouseBus::kSelectSlot, { 2u }).errorName(), QStringLiteral("org.mousecfg.Error.MouseOff"));
        QTemporaryDir dir;
        const Finished battery =
            runToEnd(cliProgram(), { QStringLiteral("--simulate"), QStringLiteral("--config-dir"),
                                     dir.filePath(QStringLiteral("Configs")), QStringLiteral("battery") });
        QCOMPARE(battery.exitCode, 5);
    }

    void theCommandLineGoesThroughTheWindow()
    {
        QTemporaryDir dir;
        const QString trace = dir.filePath(QStringLiteral("cli.trace"));
        const QStringList cli = { QStringLiteral("--simulate"), QStringLiteral("--config-dir"),
                                  dir.filePath(QStringLiteral("Configs")), QStringLiteral("--trace"), trace };
        m_sandbox->mouse().trace().clear();
        const Finished selected =
            runToEnd(cliProgram(), QStringList{ QStringLiteral("--verbose") } + cli +
                                       QStringList{ QStringLiteral("select-profile"), QStringLiteral("3") });
        QCOMPARE(selected.exitCode, 0);
        QVERIFY2(selected.err.contains(QLatin1String("running window")), qPrintable(selected.err));
        QCOMPARE(switchWrites(m_sandbox->mouse().trace().lines()), kSwitchToSlot3);
        QCOMPARE(int(m_window->workingConfiguration().ProfileID), 2);
        QFile traced(trace);
        QVERIFY(traced.exists());
        QCOMPARE(traced.size(), 0);

        // --full has the window send every section (the macro one only with macros), nothing
        // changed or not.
        std::array<int, 4> writes{};
        const quint8 sections[] = { CommandCode::GeneralSection, CommandCode::DpiSection, CommandCode::ButtonSection,
                                    CommandCode::LightingSection };
        for (size_t i = 0; i < writes.size(); ++i)
            writes[i] = m_sandbox->mouse().sectionWrites(sections[i]);
        const Finished full =
            runToEnd(cliProgram(), cli + QStringList{ QStringLiteral("apply"), QStringLiteral("--full") });
        QCOMPARE(full.exitCode, 0);
        QVERIFY2(full.out.contains(QLatin1String("Configuration sent.")), qPrintable(full.out));
        for (size_t i = 0; i < writes.size(); ++i)
            QCOMPARE(m_sandbox->mouse().sectionWrites(sections[i]), writes[i] + 1);
        QCOMPARE(traced.size(), 0);

        // The status, once, as a script reads it.
        const Finished status =
            runToEnd(cliProgram(), cli + QStringList{ QStringLiteral("status"), QStringLiteral("--json") });
        QCOMPARE(status.exitCode, 0);
        const QJsonObject state = QJsonDocument::fromJson(status.out.toUtf8()).object();
        QCOMPARE(state.value(QStringLiteral("slot")).toInt(), 3);
        QCOMPARE(state.value(QStringLiteral("battery")).toInt(), 70);
        QCOMPARE(state.value(QStringLiteral("product")).toString(), QStringLiteral("Tarq M1"));

        // --direct would open the mouse the window holds: refused.
        const Finished direct = runToEnd(cliProgram(), QStringList{ QStringLiteral("--direct") } + cli +
                                                           QStringList{ QStringLiteral("battery") });
        QCOMPARE(direct.exitCode, 1);
        QVERIFY2(direct.err.contains(QLatin1String("--direct")), qPrintable(direct.err));
        QCOMPARE(traced.size(), 0);

        // Without the window the command line opens its own mouse, as it always did.
        m_service.reset();
        const Finished alone =
            runToEnd(cliProgram(), cli + QStringList{ QStringLiteral("select-profile"), QStringLiteral("2") });
        QCOMPARE(alone.exitCode, 0);
        QVERIFY(traced.size() > 0);
        QCOMPARE(m_sandbox->mouse().activeProfile(), 2);
        const Finished noWindow = runToEnd(cliProgram(), cli + QStringList{ QStringLiteral("status") });
        QCOMPARE(noWindow.exitCode, 1);
    }

    void watchPrintsEachChangeUntilInterrupted()
    {
        QTemporaryDir dir;
        QProcess watch;
        watch.start(cliProgram(),
                    { QStringLiteral("--simulate"), QStringLiteral("--config-dir"),
                      dir.filePath(QStringLiteral("Configs")), QStringLiteral("watch"), QStringLiteral("--json") });
        QVERIFY(watch.waitForStarted());
        QTRY_VERIFY_WITH_TIMEOUT(watch.canReadLine(), kCallTimeoutMs);
        const uint slot = m_service->activeSlot();
        const uint dpi = m_service->dpi();
        QCOMPARE(QString::fromUtf8(watch.readLine()).trimmed(),
                 QStringLiteral("{\"battery\":70,\"charging\":false,\"slot\":%1,\"dpi\":%2}").arg(slot).arg(dpi));

        // The battery thread's next reading: charging, and lower.
        const quint16 level = 900;
        QElapsedTimer since;
        since.start();
        QSignalSpy output(&watch, &QProcess::readyReadStandardOutput);
        m_window->slotRefreshBatteryStatus(1, quint8(level & 0xFF), quint8(level >> 8));
        QVERIFY(output.wait(kCallTimeoutMs));
        QTRY_VERIFY_WITH_TIMEOUT(watch.canReadLine(), kCallTimeoutMs);
        qInfo("the line followed the reading after %lld ms", static_cast<long long>(since.elapsed()));
        const QJsonObject line = QJsonDocument::fromJson(watch.readLine()).object();
        QCOMPARE(line.value(QStringLiteral("battery")).toInt(), m_window->batteryPercentShown());
        QCOMPARE(line.value(QStringLiteral("charging")).toBool(), true);

        ::kill(pid_t(watch.processId()), SIGINT);
        QTRY_COMPARE_WITH_TIMEOUT(watch.state(), QProcess::NotRunning, kCallTimeoutMs);
        QCOMPARE(watch.exitStatus(), QProcess::NormalExit);
        QCOMPARE(watch.exitCode(), 0);
    }

private:
    std::unique_ptr<PrivateSessionBus> m_bus;
    std::unique_ptr<WindowSandbox> m_sandbox;
    std::unique_ptr<MousecfgWidget> m_window;
    std::unique_ptr<MouseBusService> m_service;
};

QTEST_MAIN(TestMouseBus)
#include "test_mouse_bus.moc"
