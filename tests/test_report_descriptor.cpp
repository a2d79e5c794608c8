#include "device/report_descriptor.h"

#include <QtTest>

namespace {

// A receiver-like node: mouse (with a nested Physical pointer collection), keyboard, consumer
// (its usage given as one four-byte item) and the vendor command collection, each with its own
// report id; a long item and a push/pop pair in between.
QByteArray receiverDescriptor()
{
    return QByteArray::fromHex(
        // Mouse: page 1, usage 2, Application; Physical pointer inside.
        "05010902a1018501"
        "0901a100"
        "05091901290515002501950575018102"
        "c0"
        "c0"
        // A long item (2 data bytes) the parser must step over.
        "fe0210aabb"
        // Keyboard: page 1 usage 6, page pushed and popped around the key usages.
        "05010906a1018502"
        "a4"
        "0507190029ff"
        "b4"
        "c0"
        // Consumer: one four-byte usage carrying page 0x0C, usage 1.
        "0b01000c00a1018503"
        "c0"
        // Command: page 1 usage 0.
        "05010900a1018505"
        "c0");
}

struct Pair
{
    quint16 page;
    quint16 usage;
};

} // namespace

class TestReportDescriptor : public QObject
{
    Q_OBJECT

private slots:
    void collectionsInOrderWithDepth()
    {
        const std::vector<HidCollection> collections = parseReportDescriptor(receiverDescriptor());
        QCOMPARE(int(collections.size()), 5);
        const struct
        {
            quint16 page, usage;
            int depth, top;
        } expected[] = { { 1, 2, 0, 1 }, { 1, 1, 1, 1 }, { 1, 6, 0, 2 }, { 0x0C, 1, 0, 3 }, { 1, 0, 0, 4 } };
        for (int i = 0; i < 5; ++i) {
            QCOMPARE(collections[i].usagePage, expected[i].page);
            QCOMPARE(collections[i].usage, expected[i].usage);
            QCOMPARE(collections[i].depth, expected[i].depth);
            QCOMPARE(collections[i].topLevelIndex, expected[i].top);
        }
    }

    void topLevelNames()
    {
        const std::vector<QByteArray> names = topLevelInterfaceNames(0x3A5C, 0x1001, receiverDescriptor());
        QCOMPARE(int(names.size()), 4);
        QCOMPARE(names[0], QByteArray("HID#VID_3A5C&PID_1001&col01"));
        QCOMPARE(names[3], QByteArray("HID#VID_3A5C&PID_1001&col04"));
        QCOMPARE(collectionInterfaceName(0xabcd, 0x00ef, 12), QByteArray("HID#VID_ABCD&PID_00EF&col12"));
    }

    // hidapi 0.13 lists nested collections too; 0.15 lists top-level ones only. Both must give
    // the command collection the name col04 and nested ones no name.
    void namingEnumerationEntries_data()
    {
        QTest::addColumn<QVector<int>>("entryIndexes"); // into kAll
        QTest::addColumn<QStringList>("names");
        QTest::newRow("every collection listed")
            << QVector<int>{ 0, 1, 2, 3, 4 }
            << QStringList{ "HID#VID_3A5C&PID_1001&col01", "", "HID#VID_3A5C&PID_1001&col02",
                            "HID#VID_3A5C&PID_1001&col03", "HID#VID_3A5C&PID_1001&col04" };
        QTest::newRow("top-level collections only")
            << QVector<int>{ 0, 2, 3, 4 }
            << QStringList{ "HID#VID_3A5C&PID_1001&col01", "HID#VID_3A5C&PID_1001&col02", "HID#VID_3A5C&PID_1001&col03",
                            "HID#VID_3A5C&PID_1001&col04" };
        QTest::newRow("a pair the descriptor lacks")
            << QVector<int>{ 5, 4 } << QStringList{ "", "HID#VID_3A5C&PID_1001&col04" };
    }

    void namingEnumerationEntries()
    {
        QFETCH(QVector<int>, entryIndexes);
        QFETCH(QStringList, names);
        const Pair all[] = { { 1, 2 }, { 1, 1 }, { 1, 6 }, { 0x0C, 1 }, { 1, 0 }, { 0xFF00, 1 } };
        CollectionNamer namer(0x3A5C, 0x1001, receiverDescriptor());
        QStringList got;
        for (int index : entryIndexes)
            got << QString::fromLatin1(namer.nameFor(all[index].page, all[index].usage));
        QCOMPARE(got, names);
    }

    // A collection takes the last usage before it; one without a usage is never an entry's.
    void usagesAsHidapiPairsThem()
    {
        const QByteArray descriptor = QByteArray::fromHex("0501090109ffa101"
                                                          "a100c0"
                                                          "c0"
                                                          "05010900a101c0");
        const std::vector<HidCollection> collections = parseReportDescriptor(descriptor);
        QCOMPARE(int(collections.size()), 3);
        QCOMPARE(collections[0].usage, quint16(0xFF));
        QVERIFY(!collections[1].hasUsage);
        CollectionNamer namer(0x3A5C, 0x1001, descriptor);
        QCOMPARE(namer.nameFor(1, 0xFF), QByteArray("HID#VID_3A5C&PID_1001&col01"));
        QCOMPARE(namer.nameFor(1, 0), QByteArray("HID#VID_3A5C&PID_1001&col02"));
    }

    void malformedDescriptors_data()
    {
        QTest::addColumn<QByteArray>("descriptor");
        QTest::addColumn<int>("collections");
        QTest::newRow("empty") << QByteArray() << 0;
        QTest::newRow("cut inside an item") << receiverDescriptor().left(10) << 1;
        QTest::newRow("long item running past the end") << QByteArray::fromHex("05010902a101fe40") << 1;
        QTest::newRow("end collection without a start") << QByteArray::fromHex("c0c005010900a101c0") << 1;
    }

    void malformedDescriptors()
    {
        QFETCH(QByteArray, descriptor);
        QFETCH(int, collections);
        QCOMPARE(int(parseReportDescriptor(descriptor).size()), collections);
    }

    void sysfsDescriptorOnlyForHidrawNodes()
    {
        QVERIFY(readHidrawReportDescriptor("\\\\?\\HID#VID_3A5C&PID_1001&col04").isEmpty());
        QVERIFY(readHidrawReportDescriptor("/dev/hidraw-not-there").isEmpty());
    }
};

QTEST_GUILESS_MAIN(TestReportDescriptor)
#include "test_report_descriptor.moc"
