#include "device/device_state.h"
#include "device/discovery.h"
#include "device_sandbox.h"

#include <QtTest>

namespace {

DeviceIdentityEntry& entry()
{
    return deviceTable().entries[0];
}

} // namespace

class TestDiscovery : public QObject
{
    Q_OBJECT

private slots:
    void tableFromProductDescriptionAndConfig()
    {
        DeviceSandbox sandbox(QStringLiteral("Müs M2"));
        sandbox.startLink();
        QCOMPARE(deviceTable().count, 1u);
        QCOMPARE(entry().receiver.vendorId, int(DeviceSandbox::kVendorId));
        QCOMPARE(entry().receiver.productId, int(DeviceSandbox::kReceiverProductId));
        QCOMPARE(entry().cable.productId, int(DeviceSandbox::kCableProductId));
        for (const DeviceSide* side : { &entry().receiver, &entry().cable }) {
            QCOMPARE(side->pointerUsagePage, 1);
            QCOMPARE(side->pointerUsage, 2);
            QCOMPARE(side->commandUsagePage, 1);
            QCOMPARE(side->commandUsage, 0);
            QCOMPARE(side->releaseMaximum, 0u);
        }
        QCOMPARE(entry().modelName, QStringLiteral("Müs M2").toLatin1());
        QCOMPARE(deviceModelName(), QStringLiteral("Müs M2"));
        QVERIFY(entry().allFlagsClear());
    }

    void receiverAndCableFound()
    {
        DeviceSandbox sandbox;
        sandbox.mouse().plug(MouseLink::Receiver);
        sandbox.mouse().plug(MouseLink::Cable);
        sandbox.startLink();
        QVERIFY(entry().receiver.isConnected());
        QVERIFY(entry().cable.isConnected());
        QCOMPARE(entry().receiver.pointerPath, sandbox.mouse().interfacePath(MouseLink::Receiver, 1));
        QCOMPARE(entry().receiver.commandPath, sandbox.mouse().interfacePath(MouseLink::Receiver, 4));
        QCOMPARE(entry().cable.commandPath, sandbox.mouse().interfacePath(MouseLink::Cable, 4));
        QCOMPARE(countConnectedMice(), 1);
    }

    void onlyThePointerInterfaceOpensNothing()
    {
        DeviceSandbox sandbox;
        for (int collection = 2; collection <= 4; ++collection)
            sandbox.mouse().setCollectionListed(MouseLink::Receiver, collection, false);
        sandbox.connect({ MouseLink::Receiver });
        QCOMPARE(entry().receiver.pointerPresent.load(), 1);
        QCOMPARE(entry().receiver.commandPresent.load(), 0);
        QCOMPARE(sandbox.mouse().openHandleCount(), 0);
        QVERIFY(!commandHandle());
        QCOMPARE(countConnectedMice(), 0);
    }

    // The receiver's command interface must be its col04; the cable's may be any 1/0 collection.
    void commandInterfaceWithoutCol04()
    {
        DeviceSandbox sandbox;
        for (MouseLink link : { MouseLink::Receiver, MouseLink::Cable }) {
            sandbox.mouse().setCollectionListed(link, 4, false);
            sandbox.mouse().setCollectionUsage(link, 2, 1, 0);
        }
        sandbox.mouse().plug(MouseLink::Receiver);
        sandbox.mouse().plug(MouseLink::Cable);
        sandbox.startLink();
        QCOMPARE(entry().receiver.commandPresent.load(), 0);
        QCOMPARE(entry().cable.commandPresent.load(), 1);
        QCOMPARE(entry().cable.commandPath, sandbox.mouse().interfacePath(MouseLink::Cable, 2));
    }

    void laterMatchOverwrites()
    {
        DeviceSandbox sandbox;
        sandbox.mouse().setCollectionUsage(MouseLink::Cable, 3, 1, 2);
        sandbox.mouse().plug(MouseLink::Cable);
        sandbox.startLink();
        QCOMPARE(entry().cable.pointerPath, sandbox.mouse().interfacePath(MouseLink::Cable, 3));
    }

    void releaseBounds_data()
    {
        QTest::addColumn<uint>("minimum");
        QTest::addColumn<uint>("maximum");
        QTest::addColumn<bool>("accepted");
        QTest::newRow("0/0 accepts any release") << 0u << 0u << true;
        QTest::newRow("release at both bounds") << 0x0100u << 0x0100u << true;
        QTest::newRow("release below the minimum") << 0x0101u << 0x0200u << false;
        QTest::newRow("release above the maximum") << 0u << 0x00FFu << false;
    }

    void releaseBounds()
    {
        QFETCH(uint, minimum);
        QFETCH(uint, maximum);
        QFETCH(bool, accepted);
        DeviceSandbox sandbox;
        sandbox.mouse().setReleaseNumber(MouseLink::Receiver, 0x0100);
        sandbox.mouse().plug(MouseLink::Receiver);
        loadDeviceTable();
        entry().receiver.releaseMinimum = minimum;
        entry().receiver.releaseMaximum = maximum;
        enumerateDevices();
        QCOMPARE(entry().receiver.isConnected(), accepted);
        QCOMPARE(entry().receiver.pointerPresent.load() == 1, accepted);
    }

    void openAndClose()
    {
        DeviceSandbox sandbox;
        sandbox.connect({ MouseLink::Receiver, MouseLink::Cable });
        QCOMPARE(sandbox.mouse().openHandleCount(), 4);
        QVERIFY(deviceHandles().receiver.pointer.load() && deviceHandles().cable.pointer.load());
        QCOMPARE(commandHandle(), deviceHandles().cable.command.load());
        closeDevice();
        QCOMPARE(sandbox.mouse().openHandleCount(), 0);
        QVERIFY(!deviceHandles().receiver.pointer.load() && !deviceHandles().receiver.command.load());
        QVERIFY(!commandHandle());
    }

    void openOnlyTheNamedProduct()
    {
        DeviceSandbox sandbox;
        sandbox.mouse().plug(MouseLink::Receiver);
        sandbox.startLink();
        openDevice("Another Mouse");
        QCOMPARE(sandbox.mouse().openHandleCount(), 0);
    }

    // Opening again without closing must not lose the handles it replaces.
    void reopenKeepsNoHandleBehind()
    {
        DeviceSandbox sandbox;
        sandbox.connect({ MouseLink::Receiver });
        openDevice(sandbox.productName().toLatin1());
        QCOMPARE(sandbox.mouse().openHandleCount(), 4);
        closeDevice();
        QCOMPARE(sandbox.mouse().openHandleCount(), 0);
    }

    void permissionProblemIsToldOnce()
    {
        DeviceSandbox sandbox;
        QStringList notices;
        setDeviceNoticeHandler([&notices](const QString& text) { notices << text; });
        sandbox.mouse().setOpenDenied(true);
        sandbox.connect({ MouseLink::Receiver });
        openDevice(sandbox.productName().toLatin1());
        QVERIFY(!commandHandle());
        QCOMPARE(notices.size(), 1);
        QVERIFY(notices.first().contains(QLatin1String("70-mousecfg.rules")));
        QVERIFY(notices.first().contains(QLatin1String("udevadm")));
    }

    void releaseNumberOfAPath()
    {
        DeviceSandbox sandbox;
        sandbox.mouse().setReleaseNumber(MouseLink::Cable, 0x0321);
        sandbox.mouse().plug(MouseLink::Cable);
        QCOMPARE(int(releaseNumberOfPath(sandbox.mouse().interfacePath(MouseLink::Cable, 4))), 0x0321);
        const InterfaceLookup byName = lookUpInterface(sandbox.mouse().hotplugName(MouseLink::Cable, 1).toLatin1());
        QVERIFY(byName.found);
        QCOMPARE(byName.path, sandbox.mouse().interfacePath(MouseLink::Cable, 1));
        QCOMPARE(int(releaseNumberOfPath("\\\\?\\HID#VID_0000&PID_0000&col01")), 0);
    }
};

QTEST_GUILESS_MAIN(TestDiscovery)
#include "test_discovery.moc"
