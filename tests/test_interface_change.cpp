#include "device/device_state.h"
#include "device/discovery.h"
#include "device/interface_change.h"
#include "device_sandbox.h"
#include "recording_device_events.h"

#include <QtTest>

namespace {

DeviceIdentityEntry& entry()
{
    return deviceTable().entries[0];
}

const QStringList kClosingCalls = { QStringLiteral("display"), QStringLiteral("stopMonitor"),
                                    QStringLiteral("startMonitor") };

} // namespace

class TestInterfaceChange : public QObject
{
    Q_OBJECT

private slots:
    void names_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<int>("kind");
        QTest::addColumn<int>("vendorId");
        QTest::addColumn<int>("productId");
        QTest::newRow("pointer") << "HID#VID_3A5C&PID_1001&col01#7&abc" << 1 << 0x3A5C << 0x1001;
        QTest::newRow("command, lower case") << "hid#vid_3a5c&pid_1001&col04" << 4 << 0x3A5C << 0x1001;
        QTest::newRow("composite pointer") << "HID#VID_3A5C&PID_1002&MI_00&col01" << 1 << 0x3A5C << 0x1002;
        QTest::newRow("composite command") << "HID#VID_3A5C&PID_1002&MI_00&COL04" << 4 << 0x3A5C << 0x1002;
        QTest::newRow("another collection") << "HID#VID_3A5C&PID_1001&col02" << 0 << 0 << 0;
        QTest::newRow("another interface") << "HID#VID_3A5C&PID_1002&MI_01&col01" << 0 << 0 << 0;
        QTest::newRow("not hex") << "HID#VID_ZZZZ&PID_1001&col01" << 1 << 0 << 0x1001;
        QTest::newRow("empty") << "" << 0 << 0 << 0;
    }

    void names()
    {
        QFETCH(QString, name);
        QFETCH(int, kind);
        QFETCH(int, vendorId);
        QFETCH(int, productId);
        const HotplugName parsed = parseHotplugName(name);
        QCOMPARE(int(parsed.kind), kind);
        QCOMPARE(parsed.vendorId, vendorId);
        QCOMPARE(parsed.productId, productId);
    }

    void secondInterfaceConnectsAndReopens()
    {
        DeviceSandbox sandbox;
        sandbox.setConfigValue(QStringLiteral("Config/Diff"), 0);
        sandbox.mouse().setCollectionListed(MouseLink::Receiver, 4, false);
        sandbox.connect({ MouseLink::Receiver });
        QVERIFY(!commandHandle());

        RecordingDeviceEvents events(sandbox.productName(), 1);
        sandbox.mouse().setCollectionListed(MouseLink::Receiver, 4, true);
        onDeviceInterfaceChange(sandbox.mouse().hotplugName(MouseLink::Receiver, 4), true, events);

        QVERIFY(entry().receiver.isConnected());
        QCOMPARE(entry().receiver.commandPath, sandbox.mouse().interfacePath(MouseLink::Receiver, 4));
        QVERIFY(commandHandle());
        QCOMPARE(sandbox.configValue(QStringLiteral("Config/Diff")).toInt(), 1);
        QCOMPARE(events.calls().first(), QStringLiteral("refreshMouseList"));
        QVERIFY(!events.contains(QStringLiteral("warnClose 200")));
        QCOMPARE(events.calls().mid(events.calls().size() - 3), kClosingCalls);
    }

    void firstMouseArrivingSchedulesTheArrivalHandling()
    {
        DeviceSandbox sandbox;
        sandbox.mouse().setCollectionListed(MouseLink::Cable, 4, false);
        sandbox.connect({ MouseLink::Cable });
        RecordingDeviceEvents events(sandbox.productName(), 0);
        sandbox.mouse().setCollectionListed(MouseLink::Cable, 4, true);
        onDeviceInterfaceChange(sandbox.mouse().hotplugName(MouseLink::Cable, 4), true, events);
        QVERIFY(entry().cable.isConnected());
        QVERIFY(events.contains(QStringLiteral("warnClose 200")));
    }

    void knownInterfaceArrivingAgainIsNotNew()
    {
        DeviceSandbox sandbox;
        sandbox.connect({ MouseLink::Receiver });
        sandbox.setConfigValue(QStringLiteral("Config/Diff"), 0);
        RecordingDeviceEvents events(sandbox.productName(), 1);
        onDeviceInterfaceChange(sandbox.mouse().hotplugName(MouseLink::Receiver, 1), true, events);
        QCOMPARE(sandbox.configValue(QStringLiteral("Config/Diff")).toInt(), 0);
        QVERIFY(commandHandle());
    }

    void arrivalOutsideTheReleaseBoundsSetsNoFlag()
    {
        DeviceSandbox sandbox;
        sandbox.mouse().setReleaseNumber(MouseLink::Cable, 0x0900);
        sandbox.startLink();
        entry().cable.releaseMaximum = 0x0800;
        sandbox.mouse().plug(MouseLink::Cable);
        RecordingDeviceEvents events(sandbox.productName(), 0);
        onDeviceInterfaceChange(sandbox.mouse().hotplugName(MouseLink::Cable, 1), true, events);
        QCOMPARE(entry().cable.pointerPresent.load(), 0);
        QCOMPARE(events.calls(), kClosingCalls);
    }

    void lastInterfaceLeavingWarns()
    {
        DeviceSandbox sandbox;
        sandbox.connect({ MouseLink::Receiver });
        RecordingDeviceEvents events(sandbox.productName(), 1);
        sandbox.mouse().unplug(MouseLink::Receiver);
        onDeviceInterfaceChange(sandbox.mouse().hotplugName(MouseLink::Receiver, 4), false, events);
        QVERIFY(!events.contains(QStringLiteral("warning 200")));
        events.clear();
        onDeviceInterfaceChange(sandbox.mouse().hotplugName(MouseLink::Receiver, 1), false, events);

        QVERIFY(entry().allFlagsClear());
        QVERIFY(!commandHandle());
        QCOMPARE(sandbox.mouse().openHandleCount(), 0);
        const QStringList expected =
            QStringList{ QStringLiteral("mouseCount 0"), QStringLiteral("stopMonitor"), QStringLiteral("deviceOpen 0"),
                         QStringLiteral("warningOpen 1"), QStringLiteral("warning 200") } +
            kClosingCalls;
        QCOMPARE(events.calls(), expected);

        // The node's other collections leaving afterwards warn no second time.
        events.clear();
        onDeviceInterfaceChange(sandbox.mouse().hotplugName(MouseLink::Receiver, 2), false, events);
        QCOMPARE(events.calls(), kClosingCalls);

        // With the count back at zero, the mouse coming back runs the arrival handling.
        sandbox.mouse().plug(MouseLink::Receiver);
        onDeviceInterfaceChange(sandbox.mouse().hotplugName(MouseLink::Receiver, 1), true, events);
        onDeviceInterfaceChange(sandbox.mouse().hotplugName(MouseLink::Receiver, 4), true, events);
        QVERIFY(events.contains(QStringLiteral("warnClose 200")));
    }

    void removalOfAnAbsentInterfaceChangesNothing()
    {
        DeviceSandbox sandbox;
        sandbox.connect({ MouseLink::Receiver });
        const HidHandle before = commandHandle();
        RecordingDeviceEvents events(sandbox.productName(), 1);
        onDeviceInterfaceChange(sandbox.mouse().hotplugName(MouseLink::Cable, 4), false, events);
        onDeviceInterfaceChange(QStringLiteral("HID#VID_1234&PID_5678&col04"), false, events);
        QCOMPARE(events.calls(), kClosingCalls + kClosingCalls);
        QCOMPARE(commandHandle(), before);
        QVERIFY(entry().receiver.isConnected());
    }

    // The sim's own plug signals drive the handler, as the hot-plug source will.
    void cableLeavingFallsBackToTheReceiver()
    {
        DeviceSandbox sandbox;
        sandbox.connect({ MouseLink::Receiver, MouseLink::Cable });
        RecordingDeviceEvents events(sandbox.productName(), 1);
        QObject context;
        QObject::connect(
            &sandbox.mouse(), &VirtualMouse::interfaceChanged, &context,
            [&events](const QString& name, bool arrived) { onDeviceInterfaceChange(name, arrived, events); });
        sandbox.mouse().unplug(MouseLink::Cable);

        QCOMPARE(entry().cable.pointerPresent.load() + entry().cable.commandPresent.load(), 0);
        QVERIFY(!deviceHandles().cable.command.load());
        QVERIFY(commandHandle());
        QCOMPARE(commandHandle(), deviceHandles().receiver.command.load());
        QVERIFY(!events.contains(QStringLiteral("warning 200")));
        QCOMPARE(sandbox.mouse().openHandleCount(), 2);
    }
};

QTEST_GUILESS_MAIN(TestInterfaceChange)
#include "test_interface_change.moc"
