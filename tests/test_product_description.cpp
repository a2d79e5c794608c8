#include "storage/product_description.h"
#include "storage_sandbox.h"

#include <QtTest>

class TestProductDescription final : public QObject
{
    Q_OBJECT

private slots:
    void missingFileGivesTheDocumentedDefaults();
    void countsAreUnmasked_data();
    void countsAreUnmasked();
    void layoutTableHidesSlots();
    void readsEveryDefaultWithEightBitFields();
    void shippedProductDescribesOurMouse();
};

void TestProductDescription::missingFileGivesTheDocumentedDefaults()
{
    StorageSandbox sandbox(StorageSandbox::Product::None);
    QVERIFY(sandbox.isValid());
    int ids[4] = {};
    readUsbIdentifiers(ids[0], ids[1], ids[2], ids[3]);
    QCOMPARE(ids[0], 0x248A);
    QCOMPARE(ids[1], 0xFA02);
    QCOMPARE(ids[2], 0x248A);
    QCOMPARE(ids[3], 0xFB01);
    QCOMPARE(productSleepMin(), 1);
    QCOMPARE(productSleepMax(), 9);
    QCOMPARE(productShowSleep(), 1);
    QCOMPARE(productMinDelay(), 10);
    QCOMPARE(productButtonCount(), 0);
    QCOMPARE(productDpiStageCount(), 0);
    QCOMPARE(productName(), QString());

    ProductDescription description;
    description.productName = QStringLiteral("kept");
    QCOMPARE(readProductDescription(description), -1);
    QCOMPARE(description.productName, QStringLiteral("kept"));
    ButtonTable table{};
    QCOMPARE(loadButtonMatrix(table), -1);
    QCOMPARE(loadButtonPageLayout(table), -1);
    QCOMPARE(loadNamedButtonPositions()[0], -1);
}

void TestProductDescription::countsAreUnmasked_data()
{
    QTest::addColumn<QByteArray>("keys");
    QTest::addColumn<int>("buttons");
    QTest::addColumn<int>("stages");
    QTest::newRow("masked") << QByteArray("ButtonCount=3\nMouseDpi=5\nDPICount=2\n") << 6 << 4;
    QTest::newRow("no mask") << QByteArray("ButtonCount=8\nDPICount=0\n") << 8 << 8;
    QTest::newRow("none of the keys") << QByteArray("ProductName=x\n") << 0 << 0;
}

void TestProductDescription::countsAreUnmasked()
{
    QFETCH(QByteArray, keys);
    QFETCH(int, buttons);
    QFETCH(int, stages);
    StorageSandbox sandbox(StorageSandbox::Product::None);
    QVERIFY(sandbox.isValid());
    QVERIFY(writeBytes(sandbox.path("DefaultProfile.bin"), "[PROFILE]\n" + keys));
    QCOMPARE(productButtonCount(), buttons);
    QCOMPARE(productDpiStageCount(), stages);
}

void TestProductDescription::layoutTableHidesSlots()
{
    StorageSandbox sandbox(StorageSandbox::Product::None);
    QVERIFY(sandbox.isValid());
    QVERIFY(writeBytes(sandbox.path("DefaultProfile.bin"),
                       "[PROFILE]\nButtonCount=8\nBUTTON_INFO_0_Matrix=3\nBUTTON_INFO_15_Matrix=257\n"
                       "BUTTON_INFO_2_Matrix2=255\nBUTTON_INFO_5_Matrix2=255\nBUTTON_INFO_9_Matrix2=255\n"));
    ButtonTable layout{};
    QCOMPARE(loadButtonPageLayout(layout), 8);
    // The entry past the eight buttons does not count.
    QCOMPARE(visibleButtonSlotCount(layout, 8), 6);
    ButtonTable matrix{};
    QCOMPARE(loadButtonMatrix(matrix), 0);
    QCOMPARE(matrix[0], quint8(3));
    QCOMPARE(matrix[15], quint8(1));
    const auto named = loadNamedButtonPositions();
    QCOMPARE(named[0], 3);
    QCOMPARE(named[1], -1);
    QCOMPARE(named[15], 1);
}

void TestProductDescription::readsEveryDefaultWithEightBitFields()
{
    StorageSandbox sandbox(StorageSandbox::Product::None);
    QVERIFY(sandbox.isValid());
    QVERIFY(writeBytes(sandbox.path("DefaultProfile.bin"),
                       "[PROFILE]\ndpi=259\npollrate=300\nLedMode=4\nStyle=2\nButtonCount=261\n"
                       "DPI_INFO_6_xy=70000\nFontSize_3=14\nFontName_3=Sans\nLang_1=7\n"
                       "ProductName=P\nCompanyName=C\nBackPic=b.png\nFolderPath=f\n"
                       "LedMode\\LED_MODE_13_bright=2\nLedMode\\LED_MODE_13_breath=5\n"
                       "BUTTON_INFO_15_KeyNumber=3\nBUTTON_INFO_15_Res2=513\n"));
    ProductDescription description;
    QCOMPARE(readProductDescription(description), 0);
    QCOMPARE(description.dpi, quint8(3));
    QCOMPARE(description.pollrate, 300);
    QCOMPARE(description.ledMode, quint8(4));
    QCOMPARE(description.style, quint8(2));
    QCOMPARE(description.buttonCount, quint8(5));
    QCOMPARE(description.dpiLevels[6], 70000);
    QCOMPARE(description.fontSizes[3], quint8(14));
    QCOMPARE(description.fontNames[3], QStringLiteral("Sans"));
    QCOMPARE(description.languages[1], quint8(7));
    QCOMPARE(description.productName, QStringLiteral("P"));
    QCOMPARE(description.companyName, QStringLiteral("C"));
    QCOMPARE(description.backPic, QStringLiteral("b.png"));
    QCOMPARE(description.folderPath, QStringLiteral("f"));
    QCOMPARE(description.effects[13].brightness, 2);
    QCOMPARE(description.effects[13].speed, 5);
    QVERIFY(!description.effects[13].color.isValid());
    QCOMPARE(description.buttons[15].KeyNumber, 3);
    QCOMPARE(description.buttons[15].Res2, quint8(1));
}

void TestProductDescription::shippedProductDescribesOurMouse()
{
    StorageSandbox sandbox;
    QVERIFY(sandbox.isValid());
    const UsbIdentifiers ids = readUsbIdentifiers();
    QCOMPARE(ids.receiverVendorId, 0x3A5C);
    QCOMPARE(ids.receiverProductId, 0x1001);
    QCOMPARE(ids.cableVendorId, 0x3A5C);
    QCOMPARE(ids.cableProductId, 0x1002);
    QCOMPARE(productName(), QStringLiteral("Tarq M1"));
    QCOMPARE(productButtonCount(), 6);
    QCOMPARE(productDpiStageCount(), 6);
    QCOMPARE(productSync(), 2);
    QVERIFY(!productVersion().isEmpty());

    ProductDescription description;
    QCOMPARE(readProductDescription(description), 0);
    for (const ProductEffectDefault& effect : description.effects) {
        QVERIFY(effect.color.isValid());
        QVERIFY(effect.brightness > 0);
    }
    for (int b = 0; b < kProductFilledButtonDefaults; ++b) {
        QVERIFY(description.buttons[static_cast<size_t>(b)].Fun != 0);
    }
    ButtonTable layout{};
    QCOMPARE(loadButtonPageLayout(layout), 6);
    QCOMPARE(visibleButtonSlotCount(layout, 6), 6);
}

QTEST_GUILESS_MAIN(TestProductDescription)
#include "test_product_description.moc"
