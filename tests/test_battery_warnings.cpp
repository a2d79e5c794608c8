#include "device/battery.h"
#include "device/battery_warnings.h"
#include "storage/app_config.h"
#include "storage_sandbox.h"

#include <QSettings>
#include <QtTest>

class TestBatteryWarnings final : public QObject
{
    Q_OBJECT

private slots:
    void announcesOncePerCrossing_data();
    void announcesOncePerCrossing();
    void reloadingThresholdsAnnouncesNothingAgain();
    void estimateMeetsTheDisplayAtEveryStep_data();
    void estimateMeetsTheDisplayAtEveryStep();
    void estimateStaysWithinTheDisplayedStep();
    void estimateFollowsTheFullLevel();
    void thresholdsFromConfig_data();
    void thresholdsFromConfig();
};

namespace {

BatteryReading readingAt(int millivolts)
{
    const quint16 level = batteryLevelForMillivolts(millivolts);
    BatteryReading reading;
    reading.levelLow = quint8(level & 0xFF);
    reading.levelHigh = quint8(level >> 8);
    return reading;
}

// Readings as "20 14 c10": a level, "c" in front while charging. Announcements as "0 15 5!": the
// threshold announced by each reading, "!" when it is the last warning.
QString announcementsFor(BatteryWarnings& warnings, const QString& readings)
{
    QStringList announced;
    for (QString token : readings.split(QLatin1Char(' '))) {
        const bool charging = token.startsWith(QLatin1Char('c'));
        if (charging)
            token.remove(0, 1);
        const BatteryWarning due = warnings.update(token.toInt(), charging);
        announced << QString::number(due.threshold) + (due.last ? QStringLiteral("!") : QString());
    }
    return announced.join(QLatin1Char(' '));
}

} // namespace

void TestBatteryWarnings::announcesOncePerCrossing_data()
{
    QTest::addColumn<int>("first");
    QTest::addColumn<int>("second");
    QTest::addColumn<QString>("readings");
    QTest::addColumn<QString>("announced");

    QTest::newRow("15 once, staying low is silent") << 15 << 5 << "40 16 15 14 10 6"
                                                    << "0 0 15 0 0 0";
    QTest::newRow("5 follows, then nothing") << 15 << 5 << "14 6 5 4 0"
                                             << "15 0 5! 0 0";
    QTest::newRow("both at once: only the lower") << 15 << 5 << "3 2 1"
                                                  << "5! 0 0";
    QTest::newRow("charging is silent") << 15 << 5 << "c14 c3 c0"
                                        << "0 0 0";
    QTest::newRow("charging re-arms") << 15 << 5 << "14 c14 14 4 c4 4"
                                      << "15 0 15 5! 0 5!";
    QTest::newRow("wavering under the margin is silent") << 15 << 5 << "15 24 15 14 24 13"
                                                         << "15 0 0 0 0 0";
    QTest::newRow("threshold + 10 re-arms") << 15 << 5 << "15 25 15 4 15 4"
                                            << "15 0 15 5! 0 5!";
    QTest::newRow("first off") << 0 << 5 << "14 10 5 0"
                               << "0 0 5! 0";
    QTest::newRow("second off: the first is the last") << 15 << 0 << "20 3 0"
                                                       << "0 15! 0";
    QTest::newRow("both off") << 0 << 0 << "50 0"
                              << "0 0";
    QTest::newRow("either order") << 5 << 15 << "14 4"
                                  << "15 5!";
}

void TestBatteryWarnings::announcesOncePerCrossing()
{
    QFETCH(int, first);
    QFETCH(int, second);
    QFETCH(QString, readings);
    QFETCH(QString, announced);
    BatteryWarnings warnings(first, second);
    QCOMPARE(announcementsFor(warnings, readings), announced);
}

void TestBatteryWarnings::reloadingThresholdsAnnouncesNothingAgain()
{
    BatteryWarnings warnings(15, 5);
    QCOMPARE(announcementsFor(warnings, QStringLiteral("14")), QStringLiteral("15"));
    warnings.setThresholds(15, 5);
    QCOMPARE(announcementsFor(warnings, QStringLiteral("14 12")), QStringLiteral("0 0"));
    warnings.setThresholds(15, 13);
    QCOMPARE(announcementsFor(warnings, QStringLiteral("12")), QStringLiteral("13!"));
}

void TestBatteryWarnings::estimateMeetsTheDisplayAtEveryStep_data()
{
    QTest::addColumn<int>("millivolts");
    QTest::addColumn<int>("percent");
    const QList<QPair<int, int>> steps{ { 4200, 100 }, { 4100, 90 }, { 4000, 80 }, { 3900, 70 }, { 3800, 60 },
                                        { 3700, 50 },  { 3500, 40 }, { 3400, 30 }, { 3200, 20 } };
    for (const auto& [millivolts, percent] : steps)
        QTest::addRow("%d mV", millivolts) << millivolts << percent;
}

void TestBatteryWarnings::estimateMeetsTheDisplayAtEveryStep()
{
    QFETCH(int, millivolts);
    QFETCH(int, percent);
    QCOMPARE(batteryPercent(readingAt(millivolts), kDefaultBatteryFull), percent);
    QCOMPARE(batteryLevelEstimate(readingAt(millivolts), kDefaultBatteryFull), percent);
}

void TestBatteryWarnings::estimateStaysWithinTheDisplayedStep()
{
    int previous = 0;
    for (int level = 0; level <= 0x500; ++level) {
        BatteryReading reading;
        reading.levelLow = quint8(level & 0xFF);
        reading.levelHigh = quint8(level >> 8);
        const int estimate = batteryLevelEstimate(reading, kDefaultBatteryFull);
        const int shown = batteryPercent(reading, kDefaultBatteryFull);
        QVERIFY2(estimate >= previous, qPrintable(QStringLiteral("falls at level %1").arg(level)));
        previous = estimate;
        if (shown > 10) // the display's lowest step covers everything down to empty
            QVERIFY2(
                estimate >= shown && (estimate < shown + 10 || estimate == 100),
                qPrintable(QStringLiteral("level %1: %2 % shown, %3 % estimated").arg(level).arg(shown).arg(estimate)));
    }
    QCOMPARE(previous, 100);
    QCOMPARE(batteryLevelEstimate(readingAt(3100), kDefaultBatteryFull), 10);
    QCOMPARE(batteryLevelEstimate(readingAt(3001), kDefaultBatteryFull), 0);
    QCOMPARE(batteryLevelEstimate(readingAt(3000), kDefaultBatteryFull), 0);
    QCOMPARE(batteryLevelEstimate(readingAt(2500), kDefaultBatteryFull), 0);
    QCOMPARE(batteryLevelEstimate(readingAt(3600), kDefaultBatteryFull), 45);
}

void TestBatteryWarnings::estimateFollowsTheFullLevel()
{
    QCOMPARE(batteryLevelEstimate(readingAt(4050), 4050), 100);
    QCOMPARE(batteryLevelEstimate(readingAt(4025), 4050), 90); // halfway from the 80 % step
    QCOMPARE(batteryLevelEstimate(readingAt(4000), 4050), 80);
    QCOMPARE(batteryLevelEstimate(readingAt(4150), kDefaultBatteryFull), 95);
    // A full level no reading reaches, as a damaged file may give.
    QCOMPARE(batteryLevelEstimate(readingAt(4100), 2000000000), 90);
    QCOMPARE(batteryLevelEstimate(readingAt(3100), 0), 100);
}

void TestBatteryWarnings::thresholdsFromConfig_data()
{
    QTest::addColumn<QVariant>("first");
    QTest::addColumn<QVariant>("second");
    QTest::addColumn<int>("firstRead");
    QTest::addColumn<int>("secondRead");
    QTest::newRow("missing") << QVariant() << QVariant() << 15 << 5;
    QTest::newRow("set") << QVariant(20) << QVariant(3) << 20 << 3;
    QTest::newRow("off") << QVariant(0) << QVariant(0) << 0 << 0;
    QTest::newRow("range ends") << QVariant(100) << QVariant(0) << 100 << 0;
    QTest::newRow("not numbers") << QVariant("low") << QVariant("12.5") << 15 << 5;
    QTest::newRow("out of range") << QVariant(101) << QVariant(-1) << 15 << 5;
    QTest::newRow("empty") << QVariant("") << QVariant(" ") << 15 << 5;
}

void TestBatteryWarnings::thresholdsFromConfig()
{
    QFETCH(QVariant, first);
    QFETCH(QVariant, second);
    QFETCH(int, firstRead);
    QFETCH(int, secondRead);
    StorageSandbox sandbox;
    QVERIFY(sandbox.isValid());
    {
        QSettings file(configIniPath(), QSettings::IniFormat);
        if (first.isValid())
            file.setValue(QStringLiteral("Config/BatteryWarn1"), first);
        if (second.isValid())
            file.setValue(QStringLiteral("Config/BatteryWarn2"), second);
    }
    QCOMPARE(batteryFirstWarningThreshold(), firstRead);
    QCOMPARE(batterySecondWarningThreshold(), secondRead);
}

QTEST_GUILESS_MAIN(TestBatteryWarnings)
#include "test_battery_warnings.moc"
