#include "storage/app_config.h"
#include "storage/paths.h"
#include "storage_sandbox.h"

#include <QDir>
#include <QSettings>
#include <QtTest>

class TestAppConfig final : public QObject
{
    Q_OBJECT

private slots:
    void missingKeysReadTheirDefaults();
    void valuesRoundTrip();
    void productNamesThatLeaveTheFolderAreRefused();
    void lightingVariantFollowsTheCurrentProduct();
    void shippedFirstRunConfiguration();
    void productFolderIsCreatedOnceWithTheDefaultNames();
    void shorterProfileListLeavesNoOldNames();
};

void TestAppConfig::missingKeysReadTheirDefaults()
{
    StorageSandbox sandbox;
    QVERIFY(sandbox.isValid());
    QFile::remove(configIniPath());
    QCOMPARE(pendingUploadFlag(), 0);
    QCOMPARE(batteryLevel(), 0);
    QCOMPARE(batteryFullThreshold(), 4200);
    QCOMPARE(currentProductName(), QString());
    QCOMPARE(modelText(), QString());
    QCOMPARE(accentColorIndex(), 0);
    QCOMPARE(sensorVariant(), 0);
    QCOMPARE(lightingVariant(), 0);
    QVERIFY(productFolder().isEmpty()); // no product, no folder
    QVERIFY(readProfileList().isEmpty());
    QCOMPARE(ensureProductFolder(), StorageResult::InvalidName);
    QVERIFY(!QFile::exists(configIniPath()));
}

void TestAppConfig::valuesRoundTrip()
{
    StorageSandbox sandbox;
    QVERIFY(sandbox.isValid());
    QCOMPARE(setPendingUploadFlag(1), StorageResult::Ok);
    QCOMPARE(setBatteryLevel(73), StorageResult::Ok);
    QCOMPARE(setCurrentProductName(QStringLiteral("Tarq M2")), StorageResult::Ok);
    QCOMPARE(pendingUploadFlag(), 1);
    QCOMPARE(batteryLevel(), 73);
    QCOMPARE(currentProductName(), QStringLiteral("Tarq M2"));

    const QSettings file(configIniPath(), QSettings::IniFormat);
    QCOMPARE(file.value(QStringLiteral("Config/Diff")).toString(), QStringLiteral("1"));
    QCOMPARE(file.value(QStringLiteral("Config/Battery")).toString(), QStringLiteral("73"));
    QCOMPARE(file.value(QStringLiteral("Config/CurrentProductName")).toString(), QStringLiteral("Tarq M2"));
    // The accessors leave the rest of the file alone.
    QCOMPARE(file.value(QStringLiteral("FONT_LIST/LANGNUM")).toInt(), 3);
}

void TestAppConfig::productNamesThatLeaveTheFolderAreRefused()
{
    StorageSandbox sandbox;
    QVERIFY(sandbox.isValid());
    for (const QString& name : { QStringLiteral("../up"), QStringLiteral(""), QStringLiteral(".."),
                                 QStringLiteral("a\\b"), QStringLiteral("x\ny") }) {
        QCOMPARE(setCurrentProductName(name), StorageResult::InvalidName);
    }
    QCOMPARE(currentProductName(), QStringLiteral("Tarq M1"));
    QCOMPARE(ensureProductFolder(), StorageResult::Ok);
    QVERIFY(libraryProfileFilePath(QStringLiteral("../Config")).isEmpty());
    QCOMPARE(writeProfileList({ QStringLiteral("a"), QStringLiteral("b/c") }), StorageResult::InvalidName);
    QCOMPARE(readProfileList().size(), 5);

    // A hand-edited name is never used as a folder.
    QSettings(configIniPath(), QSettings::IniFormat).setValue(QStringLiteral("Config/CurrentProductName"), "../../x");
    QVERIFY(productFolder().isEmpty());
    QVERIFY(libraryProfileFilePath(QStringLiteral("Game")).isEmpty());
    QCOMPARE(ensureProductFolder(), StorageResult::InvalidName);
    QCOMPARE(writeProfileList({ QStringLiteral("a") }), StorageResult::InvalidName);
    QVERIFY(!QDir(sandbox.path("../x")).exists());
}

void TestAppConfig::lightingVariantFollowsTheCurrentProduct()
{
    StorageSandbox sandbox;
    QVERIFY(sandbox.isValid());
    {
        QSettings file(configIniPath(), QSettings::IniFormat);
        file.setValue(QStringLiteral("MouseLEDMode/Tarq M1"), 2);
        file.setValue(QStringLiteral("MouseLEDMode/Other"), 5);
    }
    QCOMPARE(lightingVariant(), 2);
    QCOMPARE(setCurrentProductName(QStringLiteral("Other")), StorageResult::Ok);
    QCOMPARE(lightingVariant(), 5);
}

void TestAppConfig::shippedFirstRunConfiguration()
{
    StorageSandbox sandbox;
    QVERIFY(sandbox.isValid());
    QCOMPARE(currentProductName(), QStringLiteral("Tarq M1"));
    QCOMPARE(mouseListEntry(0), QStringLiteral("Tarq M1"));
    QCOMPARE(sensorVariant(), 3395);
    QCOMPARE(batteryFullThreshold(), 4200);
    const QSettings file(configIniPath(), QSettings::IniFormat);
    for (int i = 1; i <= 5; ++i) {
        QCOMPARE(file.value(QStringLiteral("Config/Profile%1").arg(i)).toString(), QStringLiteral("Profile %1").arg(i));
    }
    QCOMPARE(file.value(QStringLiteral("FONT_LIST/LANGNUM")).toInt(), 3);
    const QStringList names{ QStringLiteral("English"), QStringLiteral("Deutsch"), QString::fromUtf8("简体中文") };
    const QStringList files{ QStringLiteral("mousecfg_en"), QStringLiteral("mousecfg_de"),
                             QStringLiteral("mousecfg_zh_CN") };
    for (int i = 0; i < 3; ++i) {
        QCOMPARE(file.value(QStringLiteral("FONT_LIST/LangName_%1").arg(i)).toString(), names.at(i));
        QCOMPARE(file.value(QStringLiteral("FONT_LIST/LangFile_%1").arg(i)).toString(), files.at(i));
        QCOMPARE(file.value(QStringLiteral("FONT_LIST/FONT_SIZE_%1").arg(i)).toInt(), 12);
    }
    QCOMPARE(file.value(QStringLiteral("FONT_LIST/FONT_2")).toString(), QStringLiteral("WenQuanYi Micro Hei"));
}

void TestAppConfig::productFolderIsCreatedOnceWithTheDefaultNames()
{
    StorageSandbox sandbox;
    QVERIFY(sandbox.isValid());
    QCOMPARE(productFolder(), configDir() + QStringLiteral("/Tarq M1"));
    QCOMPARE(ensureProductFolder(), StorageResult::Ok);
    QVERIFY(QDir(productFolder() + QStringLiteral("/Profile")).exists());
    QCOMPARE(readProfileList(), (QStringList{ "Profile 1", "Profile 2", "Profile 3", "Profile 4", "Profile 5" }));
    QCOMPARE(QSettings(productConfigPath(), QSettings::IniFormat).value(QStringLiteral("PROFILE_LIST/1")).toString(),
             QStringLiteral("Profile 1"));

    QCOMPARE(writeProfileList({ QStringLiteral("Game"), QStringLiteral("Work") }), StorageResult::Ok);
    QCOMPARE(ensureProductFolder(), StorageResult::Ok);
    QCOMPARE(readProfileList(), (QStringList{ "Game", "Work" }));
    QCOMPARE(libraryProfileFilePath(QStringLiteral("Game")), productFolder() + QStringLiteral("/Profile/Game.prof"));
}

void TestAppConfig::shorterProfileListLeavesNoOldNames()
{
    StorageSandbox sandbox;
    QVERIFY(sandbox.isValid());
    QCOMPARE(ensureProductFolder(), StorageResult::Ok);
    QCOMPARE(writeProfileList({ QStringLiteral("Only") }), StorageResult::Ok);
    const QSettings file(productConfigPath(), QSettings::IniFormat);
    QCOMPARE(file.value(QStringLiteral("PROFILE_LIST/Count")).toInt(), 1);
    QVERIFY(!file.contains(QStringLiteral("PROFILE_LIST/2")));

    QVERIFY(writeBytes(productConfigPath(), "[PROFILE_LIST]\nCount=2\n1=A\n2=B\nSCount=1\nS1=Quick\n"));
    QCOMPARE(readProfileList(), (QStringList{ "A", "B" }));
    QCOMPARE(readShortProfileList(), QStringList{ QStringLiteral("Quick") });
}

QTEST_GUILESS_MAIN(TestAppConfig)
#include "test_app_config.moc"
