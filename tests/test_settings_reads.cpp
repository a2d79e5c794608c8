// SPDX-License-Identifier: GPL-3.0-or-later
#include "session/startup.h"
#include "storage/app_config.h"
#include "storage/profile_files.h"
#include "storage/settings_guard.h"
#include "storage_sandbox.h"

#include <QFileInfo>
#include <QSaveFile>
#include <QtTest>
#include <thread>

namespace {

QByteArray withBattery(const QByteArray& content, const QByteArray& percent)
{
    QByteArray result = content;
    const int at = result.indexOf("Battery=");
    const int end = result.indexOf('\n', at);
    return at < 0 ? result.replace("[Config]\n", "[Config]\nBattery=" + percent + '\n')
                  : result.replace(at, end - at, "Battery=" + percent);
}

// Replaces the file by rename, as the profile writers do: another file of the same name. It is
// dated later than the file it replaces: QSettings keeps its own parse while size and
// millisecond time agree, so a writer within the same millisecond is not what this test is about.
bool replaceFile(const QString& path, const QByteArray& content)
{
    const QDateTime replaced = QFileInfo(path).lastModified();
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(content) != content.size() || !file.commit())
        return false;
    QFile written(path);
    return written.open(QIODevice::ReadWrite | QIODevice::ExistingOnly) &&
           written.setFileTime(replaced.addSecs(2), QFileDevice::FileModificationTime);
}

} // namespace

class TestSettingsReads final : public QObject
{
    Q_OBJECT

private slots:
    void oneOperationReadsEachFileOnce();
    void sharedReadsSeeEveryChange();
    void otherThreadsReadForThemselves();
    void startupLoadReadsEachFileOnce();
};

void TestSettingsReads::oneOperationReadsEachFileOnce()
{
    StorageSandbox sandbox;
    QVERIFY(sandbox.isValid());
    quint64 before = guardedSettingsOpenCount();
    {
        const SettingsReadScope once;
        QCOMPARE(currentProductName(), QStringLiteral("Tarq M1"));
        batteryLevel();
        pendingUploadFlag();
        accentColorIndex();
        {
            const SettingsReadScope nested;
            sensorVariant();
        }
        modelText();
        QCOMPARE(guardedSettingsOpenCount(), before + 1);
    }
    // Without a scope every accessor is an operation of its own.
    before = guardedSettingsOpenCount();
    batteryLevel();
    pendingUploadFlag();
    QCOMPARE(guardedSettingsOpenCount(), before + 2);
}

void TestSettingsReads::sharedReadsSeeEveryChange()
{
    StorageSandbox sandbox;
    QVERIFY(sandbox.isValid());
    QCOMPARE(setBatteryLevel(55), StorageResult::Ok);
    const SettingsReadScope once;
    QCOMPARE(batteryLevel(), 55);

    QCOMPARE(setBatteryLevel(70), StorageResult::Ok);
    QCOMPARE(batteryLevel(), 70);

    // Changed behind the guard's back, by another writer or process, at the same size.
    QVERIFY(replaceFile(configIniPath(), withBattery(readBytes(configIniPath()), "80")));
    QCOMPARE(batteryLevel(), 80);
    QVERIFY(writeBytes(configIniPath(), withBattery(readBytes(configIniPath()), "9")));
    QCOMPARE(batteryLevel(), 9);

    QVERIFY(QFile::remove(configIniPath()));
    QCOMPARE(currentProductName(), QString());
}

void TestSettingsReads::otherThreadsReadForThemselves()
{
    StorageSandbox sandbox;
    QVERIFY(sandbox.isValid());
    QCOMPARE(setBatteryLevel(40), StorageResult::Ok);
    const SettingsReadScope once;
    QCOMPARE(batteryLevel(), 40);
    const quint64 before = guardedSettingsOpenCount();
    int seen = -1;
    std::thread reader([&seen] { seen = batteryLevel(); });
    reader.join();
    QCOMPARE(seen, 40);
    QCOMPARE(guardedSettingsOpenCount(), before + 1);
}

void TestSettingsReads::startupLoadReadsEachFileOnce()
{
    StorageSandbox sandbox;
    QVERIFY(sandbox.isValid());
    ConfigurationPair first;
    QVERIFY(loadStartupConfiguration(first).isEmpty());

    // Config.ini, the product's Config.ini, the product description and the five slot files,
    // each asked for its values by several steps of the load.
    constexpr quint64 kFilesOfTheLoad = 8;
    const quint64 before = guardedSettingsOpenCount();
    ConfigurationPair again;
    QVERIFY(loadStartupConfiguration(again, DefaultProfileRefresh::Later).isEmpty());
    QCOMPARE(guardedSettingsOpenCount() - before, kFilesOfTheLoad);
    QVERIFY(again.working == first.working);
    QVERIFY(again.lastUploaded == first.lastUploaded);
}

QTEST_GUILESS_MAIN(TestSettingsReads)
#include "test_settings_reads.moc"
