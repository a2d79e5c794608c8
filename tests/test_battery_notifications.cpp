// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/battery_notifier.h"
#include "app/mousecfg_widget.h"
#include "fake_notification_service.h"
#include "platform/desktop_notifications.h"
#include "private_session_bus.h"
#include "storage/app_config.h"
#include "storage_sandbox.h"
#include "window_sandbox.h"

#include <QDBusConnection>
#include <QDBusMessage>
#include <QSettings>
#include <QSignalSpy>
#include <QTest>
#include <memory>

class TestBatteryNotifications final : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void cleanupTestCase();
    void notifyCarriesTheTextAndReplacesTheLast();
    void showWhileWaitingSendsOnlyTheLatest();
    void withoutServiceNothingIsShown();
    void closeWithdrawsTheNotification();
    void notifierWarnsOncePerCrossing();
    void notifierWithdrawsWhatIsNoLongerTrue_data();
    void notifierWithdrawsWhatIsNoLongerTrue();
    void notifierUsesTheConfiguredThresholds();
    void windowWarnsWhenTheMouseRunsLow();
    void windowWithdrawsTheWarning_data();
    void windowWithdrawsTheWarning();

private:
    std::unique_ptr<PrivateSessionBus> m_bus;
};

namespace {

const QString kAppName = QStringLiteral("mousecfg");
const QString kDesktopEntry = QStringLiteral("org.mousecfg.mousecfg");

int urgencyOf(const FakeNotificationService::NotifyCall& call)
{
    return call.hints.value(QStringLiteral("urgency")).toInt();
}

// Every message this process sent the bus before has been handled once the bus answers this.
bool busHasHandledEarlierCalls()
{
    const QDBusMessage reply = QDBusConnection::sessionBus().call(
        QDBusMessage::createMethodCall(QStringLiteral("org.freedesktop.DBus"), QStringLiteral("/org/freedesktop/DBus"),
                                       QStringLiteral("org.freedesktop.DBus"), QStringLiteral("GetId")));
    return reply.type() == QDBusMessage::ReplyMessage;
}

// A sandbox (settings, or the window's whole world) with the fake service listening on the bus.
template<typename Sandbox>
struct HeardSandbox
{
    explicit HeardSandbox(const QString& busAddress)
        : service(busAddress)
    {
    }
    // Why the test cannot run, or empty.
    QString problem() const
    {
        if (!sandbox.isValid())
            return QStringLiteral("the sandbox could not be made");
        return service.isRegistered() ? QString() : service.errorString();
    }

    Sandbox sandbox;
    FakeNotificationService service;
};

// The battery thread queries at start and then about every half minute: restarting it asks now.
void readBatteryNow(MousecfgWidget& window)
{
    window.StopBatteryThread();
    window.StartBatteryThread();
}

} // namespace

void TestBatteryNotifications::initTestCase()
{
    m_bus = std::make_unique<PrivateSessionBus>();
    QVERIFY2(m_bus->isValid(), qPrintable(m_bus->errorString()));
}

void TestBatteryNotifications::cleanupTestCase()
{
    m_bus.reset();
}

void TestBatteryNotifications::notifyCarriesTheTextAndReplacesTheLast()
{
    FakeNotificationService service(m_bus->address());
    QVERIFY2(service.isRegistered(), qPrintable(service.errorString()));
    DesktopNotifications notifications(kAppName, kDesktopEntry, QStringLiteral("icon-name"));
    QSignalSpy shown(&notifications, &DesktopNotifications::shown);
    QCOMPARE(notifications.lastId(), 0u);

    notifications.show(QStringLiteral("Summary"), QStringLiteral("Body"), DesktopNotifications::Urgency::Critical,
                       7000);
    QVERIFY(shown.wait());
    QCOMPARE(service.notifyCalls().size(), 1);
    const FakeNotificationService::NotifyCall first = service.notifyCalls().at(0);
    QCOMPARE(first.appName, kAppName);
    QCOMPARE(first.replacesId, 0u);
    QCOMPARE(first.appIcon, QStringLiteral("icon-name"));
    QCOMPARE(first.summary, QStringLiteral("Summary"));
    QCOMPARE(first.body, QStringLiteral("Body"));
    QVERIFY(first.actions.isEmpty());
    QCOMPARE(urgencyOf(first), 2);
    QCOMPARE(first.hints.value(QStringLiteral("urgency")).userType(), int(QMetaType::UChar));
    QCOMPARE(first.hints.value(QStringLiteral("desktop-entry")).toString(), kDesktopEntry);
    QCOMPARE(first.expireTimeout, 7000);
    QCOMPARE(shown.at(0).at(0).toUInt(), first.answeredId);
    QCOMPARE(notifications.lastId(), first.answeredId);

    notifications.show(QStringLiteral("Again"), QString());
    QVERIFY(shown.wait());
    QCOMPARE(service.notifyCalls().size(), 2);
    QCOMPARE(service.notifyCalls().at(1).replacesId, first.answeredId);
    QCOMPARE(urgencyOf(service.notifyCalls().at(1)), 1);
    QCOMPARE(service.notifyCalls().at(1).expireTimeout, -1);
}

void TestBatteryNotifications::showWhileWaitingSendsOnlyTheLatest()
{
    FakeNotificationService service(m_bus->address());
    QVERIFY2(service.isRegistered(), qPrintable(service.errorString()));
    service.setHoldReplies(true);
    DesktopNotifications notifications(kAppName);
    QSignalSpy shown(&notifications, &DesktopNotifications::shown);

    notifications.show(QStringLiteral("first"), QString());
    QTRY_COMPARE(service.heldReplyCount(), 1);
    // The service sits on its answer; the window must go on, and the next texts must not stack.
    notifications.show(QStringLiteral("second"), QString());
    notifications.show(QStringLiteral("third"), QString());
    service.setHoldReplies(false);
    service.releaseReplies();
    QTRY_COMPARE(shown.size(), 2);
    QCOMPARE(service.notifyCalls().size(), 2);
    QCOMPARE(service.notifyCalls().at(1).summary, QStringLiteral("third"));
    QCOMPARE(service.notifyCalls().at(1).replacesId, service.notifyCalls().at(0).answeredId);
}

void TestBatteryNotifications::withoutServiceNothingIsShown()
{
    DesktopNotifications notifications(kAppName);
    QSignalSpy shown(&notifications, &DesktopNotifications::shown);
    notifications.show(QStringLiteral("nobody listens"), QString());
    QVERIFY(busHasHandledEarlierCalls());

    // The failed call leaves no id behind and does not keep the next one waiting.
    FakeNotificationService service(m_bus->address());
    QVERIFY2(service.isRegistered(), qPrintable(service.errorString()));
    QCOMPARE(notifications.lastId(), 0u);
    notifications.show(QStringLiteral("heard"), QString());
    QVERIFY(shown.wait());
    QCOMPARE(shown.size(), 1);
    QCOMPARE(service.notifyCalls().size(), 1);
    QCOMPARE(service.notifyCalls().at(0).summary, QStringLiteral("heard"));
    QCOMPARE(service.notifyCalls().at(0).replacesId, 0u);
}

void TestBatteryNotifications::closeWithdrawsTheNotification()
{
    FakeNotificationService service(m_bus->address());
    QVERIFY2(service.isRegistered(), qPrintable(service.errorString()));
    {
        DesktopNotifications notifications(kAppName);
        QSignalSpy shown(&notifications, &DesktopNotifications::shown);
        notifications.close(); // nothing shown: nothing to withdraw
        notifications.show(QStringLiteral("first"), QString());
        QVERIFY(shown.wait());
        const quint32 first = notifications.lastId();
        notifications.close();
        QCOMPARE(notifications.lastId(), 0u);
        QTRY_COMPARE(service.closedIds(), QList<quint32>{ first });

        // A close while the service has not given the id yet withdraws it once the id comes.
        service.setHoldReplies(true);
        notifications.show(QStringLiteral("second"), QString());
        QTRY_COMPARE(service.heldReplyCount(), 1);
        notifications.close();
        service.setHoldReplies(false);
        service.releaseReplies();
        QTRY_COMPARE(service.closedIds().size(), 2);
        QCOMPARE(service.closedIds().at(1), service.notifyCalls().at(1).answeredId);
        QCOMPARE(service.notifyCalls().at(1).replacesId, 0u);

        // A new text after such a close is a notification of its own, not a replacement of the one
        // withdrawn.
        service.setHoldReplies(true);
        notifications.show(QStringLiteral("third"), QString());
        QTRY_COMPARE(service.heldReplyCount(), 1);
        notifications.close();
        notifications.show(QStringLiteral("fourth"), QString());
        service.setHoldReplies(false);
        service.releaseReplies();
        QTRY_COMPARE(service.notifyCalls().size(), 4);
        QCOMPARE(service.closedIds().size(), 3);
        QCOMPARE(service.closedIds().at(2), service.notifyCalls().at(2).answeredId);
        QCOMPARE(service.notifyCalls().at(3).summary, QStringLiteral("fourth"));
        QCOMPARE(service.notifyCalls().at(3).replacesId, 0u);
        QTRY_COMPARE(notifications.lastId(), service.notifyCalls().at(3).answeredId);
    }
    // Going, the object takes its notification with it.
    QTRY_COMPARE(service.closedIds().size(), 4);
    QCOMPARE(service.closedIds().at(3), service.notifyCalls().at(3).answeredId);
}

void TestBatteryNotifications::notifierWarnsOncePerCrossing()
{
    HeardSandbox<StorageSandbox> heard(m_bus->address());
    QVERIFY2(heard.problem().isEmpty(), qPrintable(heard.problem()));
    const FakeNotificationService& service = heard.service;
    const QList<FakeNotificationService::NotifyCall>& calls = service.notifyCalls();
    BatteryNotifier notifier;

    notifier.updateBattery(40, false, false);
    notifier.updateBattery(15, false, false);
    QTRY_COMPARE(calls.size(), 1);
    QCOMPARE(calls.at(0).appName, kAppName);
    QCOMPARE(calls.at(0).appIcon, kDesktopEntry);
    QCOMPARE(calls.at(0).hints.value(QStringLiteral("desktop-entry")).toString(), kDesktopEntry);
    QVERIFY2(calls.at(0).body.contains(QStringLiteral("15 %")), qPrintable(calls.at(0).body));
    QCOMPARE(urgencyOf(calls.at(0)), 1);

    // Each notification below is the next one only if nothing was sent in between.
    notifier.updateBattery(12, false, false);
    notifier.updateBattery(5, false, false);
    QTRY_COMPARE(calls.size(), 2);
    QVERIFY2(calls.at(1).body.contains(QStringLiteral("5 %")), qPrintable(calls.at(1).body));
    QCOMPARE(urgencyOf(calls.at(1)), 2);
    QCOMPARE(calls.at(1).replacesId, calls.at(0).answeredId);

    // Charging withdraws it; after a recovery the next crossing is a notification of its own.
    notifier.updateBattery(3, true, false);
    notifier.updateBattery(3, false, true);
    notifier.updateBattery(26, false, false);
    notifier.updateBattery(14, false, false);
    QTRY_COMPARE(calls.size(), 3);
    QVERIFY2(calls.at(2).body.contains(QStringLiteral("15 %")), qPrintable(calls.at(2).body));
    QTRY_COMPARE(service.closedIds(), QList<quint32>{ calls.at(0).answeredId });
    QCOMPARE(calls.at(2).replacesId, 0u);
}

void TestBatteryNotifications::notifierWithdrawsWhatIsNoLongerTrue_data()
{
    QTest::addColumn<QString>("change");
    QTest::addColumn<bool>("withdrawn");
    QTest::newRow("charging starts") << QStringLiteral("charging") << true;
    QTest::newRow("a reading with the cable in") << QStringLiteral("cable reading") << true;
    QTest::newRow("the cable is plugged") << QStringLiteral("cable plugged") << true;
    QTest::newRow("the level is above the threshold") << QStringLiteral("16 %") << true;
    QTest::newRow("the level is at the threshold") << QStringLiteral("15 %") << false;
    QTest::newRow("the level is still below it") << QStringLiteral("13 %") << false;
}

void TestBatteryNotifications::notifierWithdrawsWhatIsNoLongerTrue()
{
    QFETCH(QString, change);
    QFETCH(bool, withdrawn);
    HeardSandbox<StorageSandbox> heard(m_bus->address());
    QVERIFY2(heard.problem().isEmpty(), qPrintable(heard.problem()));
    const FakeNotificationService& service = heard.service;
    const QList<FakeNotificationService::NotifyCall>& calls = service.notifyCalls();
    BatteryNotifier notifier;
    notifier.updateBattery(14, false, false);
    QTRY_COMPARE(calls.size(), 1);

    if (change == QLatin1String("charging"))
        notifier.updateBattery(14, true, false);
    else if (change == QLatin1String("cable reading"))
        notifier.updateBattery(14, false, true);
    else if (change == QLatin1String("cable plugged"))
        notifier.cableConnected();
    else
        notifier.updateBattery(change.section(QLatin1Char(' '), 0, 0).toInt(), false, false);
    if (withdrawn) {
        QTRY_COMPARE(service.closedIds(), QList<quint32>{ calls.at(0).answeredId });
        return;
    }
    // The 5 % warning, sent after whatever the change sent, has arrived: no close came before it.
    notifier.updateBattery(4, false, false);
    QTRY_COMPARE(calls.size(), 2);
    QVERIFY(service.closedIds().isEmpty());
    QCOMPARE(calls.at(1).replacesId, calls.at(0).answeredId);
}

void TestBatteryNotifications::notifierUsesTheConfiguredThresholds()
{
    HeardSandbox<StorageSandbox> heard(m_bus->address());
    QVERIFY2(heard.problem().isEmpty(), qPrintable(heard.problem()));
    const FakeNotificationService& service = heard.service;
    QSettings(configIniPath(), QSettings::IniFormat).setValue(QStringLiteral("Config/BatteryWarn1"), 0);
    BatteryNotifier notifier;
    notifier.updateBattery(10, false, false);
    QSettings(configIniPath(), QSettings::IniFormat).setValue(QStringLiteral("Config/BatteryWarn2"), 30);
    notifier.reloadThresholds();
    notifier.updateBattery(29, false, false);
    QTRY_COMPARE(service.notifyCalls().size(), 1);
    QVERIFY2(service.notifyCalls().at(0).body.contains(QStringLiteral("30 %")),
             qPrintable(service.notifyCalls().at(0).body));
    QCOMPARE(urgencyOf(service.notifyCalls().at(0)), 2);
}

void TestBatteryNotifications::windowWarnsWhenTheMouseRunsLow()
{
    HeardSandbox<WindowSandbox> heard(m_bus->address());
    QVERIFY2(heard.problem().isEmpty(), qPrintable(heard.problem()));
    WindowSandbox& sandbox = heard.sandbox;
    const QList<FakeNotificationService::NotifyCall>& calls = heard.service.notifyCalls();
    sandbox.mouse().plug(MouseLink::Receiver);
    auto window = sandbox.makeWindow();
    QTRY_COMPARE(window->batteryPercentShown(), 70);

    const auto readBatteryAt = [&](int millivolts) {
        sandbox.mouse().setBatteryMillivolts(millivolts);
        readBatteryNow(*window);
    };
    readBatteryAt(3140); // about 14 %; the display shows its lowest step
    QTRY_COMPARE(calls.size(), 1);
    QVERIFY2(calls.at(0).body.contains(QStringLiteral("15 %")), qPrintable(calls.at(0).body));
    // The next notification is the 5 % one: the readings at 14 % in between sent nothing.
    readBatteryAt(3145);
    readBatteryAt(3000);
    QTRY_COMPARE(calls.size(), 2);
    QVERIFY2(calls.at(1).body.contains(QStringLiteral("5 %")), qPrintable(calls.at(1).body));
    QCOMPARE(calls.at(1).replacesId, calls.at(0).answeredId);
    window.reset();
}

void TestBatteryNotifications::windowWithdrawsTheWarning_data()
{
    QTest::addColumn<QString>("change");
    QTest::newRow("charging starts") << QStringLiteral("charging");
    QTest::newRow("the cable is plugged") << QStringLiteral("cable");
    QTest::newRow("the level recovers") << QStringLiteral("recovers");
    QTest::newRow("the program quits") << QStringLiteral("quit");
}

void TestBatteryNotifications::windowWithdrawsTheWarning()
{
    QFETCH(QString, change);
    HeardSandbox<WindowSandbox> heard(m_bus->address());
    QVERIFY2(heard.problem().isEmpty(), qPrintable(heard.problem()));
    VirtualMouse& mouse = heard.sandbox.mouse();
    const FakeNotificationService& service = heard.service;
    const QList<FakeNotificationService::NotifyCall>& calls = service.notifyCalls();
    mouse.plug(MouseLink::Receiver);
    mouse.setBatteryMillivolts(3140); // about 14 %
    auto window = heard.sandbox.makeWindow();
    QTRY_COMPARE(calls.size(), 1);
    QVERIFY(service.closedIds().isEmpty());

    if (change == QLatin1String("charging")) {
        mouse.setCharging(true);
        readBatteryNow(*window);
    } else if (change == QLatin1String("cable")) {
        mouse.plug(MouseLink::Cable);
    } else if (change == QLatin1String("recovers")) {
        mouse.setBatteryMillivolts(3300);
        readBatteryNow(*window);
    } else {
        window.reset();
    }
    QTRY_COMPARE(service.closedIds(), QList<quint32>{ calls.at(0).answeredId });
    QCOMPARE(calls.size(), 1);
}

QTEST_MAIN(TestBatteryNotifications)
#include "test_battery_notifications.moc"
