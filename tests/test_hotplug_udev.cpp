#include "platform/linux/hotplug_udev.h"

#include <QSignalSpy>
#include <QtTest>
#include <libudev.h>

namespace {

// Recorded from a receiver-like node: HID_ID of its hid parent and its report descriptor
// (mouse with a nested pointer collection, keyboard, consumer, command).
HidrawNode recordedReceiver()
{
    HidrawNode node;
    node.syspath = "/sys/devices/pci0000:00/0000:00:14.0/usb1/1-2/1-2:1.1/0003:3A5C:1001.0007/hidraw/hidraw3";
    node.hidId = "0003:00003A5C:00001001";
    node.descriptor = QByteArray::fromHex("05010902a1018501"
                                          "0901a100"
                                          "c0"
                                          "c0"
                                          "05010906a1018502c0"
                                          "050c0901a1018503c0"
                                          "05010900a1018505c0");
    return node;
}

} // namespace

class TestHotplugUdev : public QObject
{
    Q_OBJECT

private slots:
    void hidIds_data()
    {
        QTest::addColumn<QByteArray>("hidId");
        QTest::addColumn<bool>("valid");
        QTest::addColumn<int>("vendorId");
        QTest::addColumn<int>("productId");
        QTest::newRow("usb") << QByteArray("0003:00003A5C:00001001") << true << 0x3A5C << 0x1001;
        QTest::newRow("bluetooth, lower case") << QByteArray("0005:0000abcd:000000ef") << true << 0xABCD << 0xEF;
        QTest::newRow("two fields") << QByteArray("0003:00003A5C") << false << 0 << 0;
        QTest::newRow("not hex") << QByteArray("0003:XYZ:00001001") << false << 0 << 0;
        QTest::newRow("too wide") << QByteArray("0003:00013A5C:00001001") << false << 0 << 0;
        QTest::newRow("empty") << QByteArray() << false << 0 << 0;
    }

    void hidIds()
    {
        QFETCH(QByteArray, hidId);
        QFETCH(bool, valid);
        QFETCH(int, vendorId);
        QFETCH(int, productId);
        quint16 vendor = 0;
        quint16 product = 0;
        QCOMPARE(parseHidId(hidId, &vendor, &product), valid);
        QCOMPARE(int(vendor), vendorId);
        QCOMPARE(int(product), productId);
    }

    void recordedNodeComesAndGoes()
    {
        UdevHotplugSource source;
        QSignalSpy spy(&source, &HotplugSource::interfaceChanged);
        source.handleEvent("add", recordedReceiver());
        QCOMPARE(spy.count(), 4);
        QCOMPARE(spy.at(0).at(0).toString(), QStringLiteral("HID#VID_3A5C&PID_1001&col01"));
        QCOMPARE(spy.at(3).at(0).toString(), QStringLiteral("HID#VID_3A5C&PID_1001&col04"));
        QVERIFY(spy.at(3).at(1).toBool());

        spy.clear();
        source.handleEvent("change", recordedReceiver());
        QCOMPARE(spy.count(), 0);

        // On removal sysfs is gone: only the path is known, the names come from the arrival.
        HidrawNode removed;
        removed.syspath = recordedReceiver().syspath;
        source.handleEvent("remove", removed);
        QCOMPARE(spy.count(), 4);
        QCOMPARE(spy.at(3).at(0).toString(), QStringLiteral("HID#VID_3A5C&PID_1001&col04"));
        QVERIFY(!spy.at(3).at(1).toBool());

        spy.clear();
        source.handleEvent("remove", removed);
        QCOMPARE(spy.count(), 0);
    }

    void nodeWithoutIdentityHasNoNames()
    {
        HidrawNode node = recordedReceiver();
        node.hidId.clear();
        QVERIFY(hidrawInterfaceNames(node).empty());
    }

    void startsAndStopsCleanly()
    {
        UdevHotplugSource source;
        const bool started = source.start();
        QCOMPARE(source.isRunning(), started);
        QVERIFY(source.start() == started); // a second start changes nothing
        source.stop();
        QVERIFY(!source.isRunning());
        source.stop();
        if (!started)
            QSKIP("no udev netlink monitor on this machine");
        QVERIFY(source.start());
        source.stop();
    }

    void realNodesOfThisMachine()
    {
        udev* context = udev_new();
        QVERIFY(context);
        udev_enumerate* enumeration = udev_enumerate_new(context);
        udev_enumerate_add_match_subsystem(enumeration, "hidraw");
        udev_enumerate_scan_devices(enumeration);
        int nodes = 0;
        for (udev_list_entry* item = udev_enumerate_get_list_entry(enumeration); item;
             item = udev_list_entry_get_next(item)) {
            udev_device* device = udev_device_new_from_syspath(context, udev_list_entry_get_name(item));
            const HidrawNode node = hidrawNodeFromUdev(device);
            udev_device_unref(device);
            quint16 vendor = 0;
            quint16 product = 0;
            QVERIFY(parseHidId(node.hidId, &vendor, &product));
            for (const QByteArray& name : hidrawInterfaceNames(node))
                QVERIFY(name.startsWith(QString::asprintf("HID#VID_%04X&PID_%04X&col", vendor, product).toLatin1()));
            ++nodes;
        }
        udev_enumerate_unref(enumeration);
        udev_unref(context);
        if (nodes == 0)
            QSKIP("this machine has no hidraw nodes");
    }
};

QTEST_GUILESS_MAIN(TestHotplugUdev)
#include "test_hotplug_udev.moc"
