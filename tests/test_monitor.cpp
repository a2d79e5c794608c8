// SPDX-License-Identifier: GPL-3.0-or-later
#include "device/device_state.h"
#include "device/discovery.h"
#include "device/monitor.h"
#include "upload_sandbox.h"

#include <QElapsedTimer>
#include <QMutex>
#include <QSignalSpy>
#include <QtTest>
#include <memory>
#include <vector>

namespace {

// Debug lines of every thread, for the lines the monitor promises.
QMutex g_logMutex;
QStringList g_log;
QtMessageHandler g_previousHandler = nullptr;

void collectMessage(QtMsgType type, const QMessageLogContext& context, const QString& text)
{
    {
        QMutexLocker lock(&g_logMutex);
        g_log.append(text);
    }
    if (type != QtDebugMsg && g_previousHandler) {
        g_previousHandler(type, context, text);
    }
}

int logCount(const QString& line)
{
    QMutexLocker lock(&g_logMutex);
    return static_cast<int>(g_log.count(line));
}

MonitorTimings quickTimings()
{
    MonitorTimings timings;
    timings.afterQueryWrite = 0;
    timings.afterQueryRead = 0;
    timings.afterReport = 0;
    timings.afterFailedRead = 0;
    return timings;
}

bool isQuery(const QByteArray& report)
{
    return report.size() > 3 && quint8(report.at(3)) == 0x48;
}

// Waits until the mouse has seen this many battery queries.
bool waitForQueries(UploadSandbox& sandbox, int count, int timeoutMs = 10000)
{
    QElapsedTimer clock;
    clock.start();
    while (clock.elapsed() < timeoutMs) {
        const QList<QByteArray> writes = sandbox.writes();
        if (std::count_if(writes.cbegin(), writes.cend(), isQuery) >= count) {
            return true;
        }
        QThread::msleep(5);
    }
    return false;
}

// RefreshBatteryStatus(0, 0, 0): the window shows the mouse as off.
QList<QVariant> mouseOffStatus()
{
    const QVariant zero = QVariant::fromValue(quint8(0));
    return { zero, zero, zero };
}

// A monitor thread with short pauses and spies on its signals, stopped when the test is done.
struct QuickMonitor
{
    QuickMonitor()
        : thread(quickTimings())
        , battery(&thread, &TarqGetBatteryThread::RefreshBatteryStatus)
        , writeStatus(&thread, &TarqGetBatteryThread::RefreshWriteStatus)
    {
        thread.start();
    }
    ~QuickMonitor() { stop(); }
    bool stop()
    {
        thread.requestStop();
        return thread.wait(3000);
    }

    TarqGetBatteryThread thread;
    QSignalSpy battery;
    QSignalSpy writeStatus;
};

const QString kStartLine = QStringLiteral("TarqGetBatteryThread.\n");
const QString kStopLine = QStringLiteral("TarqGetBatteryThread Stop.\n");

} // namespace

class TestMonitor final : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void cleanupTestCase();
    void init();

    void queryEveryCycleWithFiftySixListeningReads();
    void statusReportAfterAQueryIsReadNext();
    void batteryReportSignalsAndModeByte();
    void silentBatteryReportEmitsOnlyTheZeroStatus();
    void mouseThatDoesNotAnswerReadsAsOff();
    void noHandleEndsTheThreadWithoutTheStopLine();
    void stopReturnsWithinOnePass();
    void startReplacesTheRunningThread();
    void stopWithoutWaitingHandsOnOnceTheThreadEnded();
};

void TestMonitor::initTestCase()
{
    g_previousHandler = qInstallMessageHandler(collectMessage);
    // The thread's lines are debug lines of their own area, off unless asked for.
    QLoggingCategory::setFilterRules(QStringLiteral("mousecfg.monitor.debug=true"));
}

void TestMonitor::cleanupTestCase()
{
    qInstallMessageHandler(g_previousHandler);
}

void TestMonitor::init()
{
    QMutexLocker lock(&g_logMutex);
    g_log.clear();
}

void TestMonitor::queryEveryCycleWithFiftySixListeningReads()
{
    UploadSandbox sandbox;
    QVERIFY(sandbox.isValid());
    sandbox.mouse().setFastTimeouts(true);
    TarqGetBatteryThread thread(quickTimings());
    thread.start();
    QVERIFY(waitForQueries(sandbox, 3));
    thread.requestStop();
    QVERIFY(thread.wait(5000));

    // Between two queries: the query's own read, then 56 listening reads.
    const QStringList lines = sandbox.mouse().trace().lines();
    QList<int> queryLines;
    for (int i = 0; i < lines.size(); ++i) {
        if (lines.at(i).startsWith(QLatin1Char('W')) && isQuery(traceBytes(lines.at(i)))) {
            queryLines.append(i);
        }
    }
    QVERIFY(queryLines.size() >= 3);
    for (int q = 0; q < 2; ++q) {
        const QStringList between = lines.mid(queryLines.at(q) + 1, queryLines.at(q + 1) - queryLines.at(q) - 1);
        QCOMPARE(between.filter(QRegularExpression(QStringLiteral("^R"))).size(), 1 + 56);
        QCOMPARE(between.filter(QRegularExpression(QStringLiteral("^W"))).size(), 0);
    }
    QCOMPARE(logCount(kStartLine), 1);
    QCOMPARE(logCount(kStopLine), 1);
}

void TestMonitor::statusReportAfterAQueryIsReadNext()
{
    UploadSandbox sandbox;
    MonitorTimings timings;
    timings.afterQueryRead = 400;
    TarqGetBatteryThread thread(timings);
    QSignalSpy status(&thread, &TarqGetBatteryThread::RefreshStatus);
    thread.start();
    QVERIFY(waitForQueries(sandbox, 1));
    QThread::msleep(100); // the query has been answered and read; the thread now pauses
    sandbox.mouse().pressProfileButton();
    QTRY_COMPARE_WITH_TIMEOUT(status.count(), 1, 2000);
    thread.requestStop();
    QVERIFY(thread.wait(3000));

    const QList<QVariant> arguments = status.first();
    QCOMPARE(arguments.at(0).value<quint8>(), quint8(1)); // the mouse moved on to profile 1
    QCOMPARE(arguments.at(1).value<quint8>(), quint8(sandbox.mouse().dpiStage()));

    // Query write, its answer, then the status report in the very next read.
    const QStringList lines = sandbox.mouse().trace().lines();
    QVERIFY(lines.size() >= 3);
    QVERIFY(isQuery(traceBytes(lines.at(0))));
    QCOMPARE(quint8(traceBytes(lines.at(1)).at(3)), quint8(0x48));
    QCOMPARE(quint8(traceBytes(lines.at(2)).at(3)), quint8(0x49));
}

void TestMonitor::batteryReportSignalsAndModeByte()
{
    UploadSandbox sandbox;
    sandbox.mouse().setModeByte(8);
    sandbox.mouse().setCharging(true);
    sandbox.mouse().setWriteStatus(0);
    QuickMonitor monitor;
    QTRY_VERIFY_WITH_TIMEOUT(monitor.writeStatus.count() >= 1, 3000);
    QVERIFY(monitor.stop());

    QCOMPARE(sensorModeByte(), quint8(8));
    setSensorModeByte(0);
    const QByteArray answer = traceBytes(sandbox.mouse().trace().lines().at(1));
    const QList<QVariant> first = monitor.battery.first();
    QCOMPARE(first.at(0).value<quint8>(), quint8(1)); // charging
    QCOMPARE(first.at(1).value<quint8>(), quint8(answer.at(4)));
    QCOMPARE(first.at(2).value<quint8>(), quint8(answer.at(5)));
    QVERIFY(first.at(1).value<quint8>() != 0 || first.at(2).value<quint8>() != 0);
    QCOMPARE(monitor.writeStatus.first().at(0).value<quint8>(), quint8(0));
}

void TestMonitor::silentBatteryReportEmitsOnlyTheZeroStatus()
{
    UploadSandbox sandbox;
    sandbox.mouse().setBatteryMillivolts(0);
    sandbox.mouse().setCharging(false);
    QuickMonitor monitor;
    QTRY_VERIFY_WITH_TIMEOUT(monitor.battery.count() >= 1, 3000);
    QVERIFY(monitor.stop());
    QCOMPARE(quint8(traceBytes(sandbox.mouse().trace().lines().at(1)).at(3)), quint8(0x48));
    QCOMPARE(monitor.battery.first(), mouseOffStatus());
    QCOMPARE(monitor.writeStatus.count(), 0);
}

void TestMonitor::mouseThatDoesNotAnswerReadsAsOff()
{
    UploadSandbox sandbox;
    sandbox.mouse().sleep();
    QuickMonitor monitor;
    QTRY_VERIFY_WITH_TIMEOUT(monitor.battery.count() >= 1, 3000);
    QVERIFY(monitor.stop());
    QCOMPARE(monitor.battery.first(), mouseOffStatus());
    QCOMPARE(monitor.writeStatus.count(), 0);
    QVERIFY(logCount(QStringLiteral("Unable to read a feature report 1.\n")) >= 1);
}

void TestMonitor::noHandleEndsTheThreadWithoutTheStopLine()
{
    UploadSandbox sandbox;
    closeDevice();
    TarqGetBatteryThread thread;
    thread.start();
    QVERIFY(thread.wait(1000));
    QCOMPARE(logCount(kStartLine), 1);
    QCOMPARE(logCount(kStopLine), 0);
    QCOMPARE(sandbox.mouse().trace().writes(), 0);
}

void TestMonitor::stopReturnsWithinOnePass()
{
    UploadSandbox sandbox;
    BatteryMonitor monitor; // the real pauses
    monitor.startMonitor();
    QVERIFY(waitForQueries(sandbox, 1));
    QThread::msleep(150); // inside the long pause after the query
    const int readsBefore = sandbox.mouse().trace().reads();
    monitor.stopMonitor();
    QVERIFY(!monitor.hasThread());
    // What is left of the pass: at most its listening read.
    QVERIFY(sandbox.mouse().trace().reads() - readsBefore <= 1);
    QCOMPARE(logCount(kStopLine), 1);
    monitor.stopMonitor(); // no thread: nothing happens
    QCOMPARE(logCount(kStopLine), 1);
}

void TestMonitor::startReplacesTheRunningThread()
{
    UploadSandbox sandbox;
    sandbox.mouse().setFastTimeouts(true);
    std::vector<std::unique_ptr<QSignalSpy>> spies;
    int created = 0;
    BatteryMonitor monitor(
        [&](TarqGetBatteryThread& thread) {
            ++created;
            spies.push_back(std::make_unique<QSignalSpy>(&thread, &TarqGetBatteryThread::RefreshBatteryStatus));
        },
        quickTimings());
    monitor.startMonitor();
    QTRY_VERIFY_WITH_TIMEOUT(spies.back()->count() >= 1, 3000);
    monitor.startMonitor();
    QCOMPARE(created, 2);
    QCOMPARE(logCount(kStopLine), 1); // the first one left its loop before the second began
    QTRY_VERIFY_WITH_TIMEOUT(spies.back()->count() >= 1, 3000);
    monitor.stopMonitor();
    QCOMPARE(logCount(kStopLine), 2);
    QCOMPARE(logCount(kStartLine), 2);
}

// The GUI thread does not wait for the thread's read; what follows the stop runs once the thread
// has left its loop, and a start in between still waits for it.
void TestMonitor::stopWithoutWaitingHandsOnOnceTheThreadEnded()
{
    UploadSandbox sandbox;
    QObject context;
    BatteryMonitor monitor({}, quickTimings());
    int stoppedCalls = 0;
    monitor.stopMonitorThen(&context, [&stoppedCalls] { ++stoppedCalls; });
    QCOMPARE(stoppedCalls, 1); // no thread: at once

    monitor.startMonitor();
    QVERIFY(waitForQueries(sandbox, 1));
    monitor.stopMonitorThen(&context, [&stoppedCalls] { ++stoppedCalls; });
    QVERIFY(!monitor.hasThread());
    QCOMPARE(stoppedCalls, 1);
    QTRY_COMPARE(stoppedCalls, 2);
    QCOMPARE(logCount(kStopLine), 1);

    monitor.startMonitor();
    QVERIFY(waitForQueries(sandbox, 2));
    monitor.stopMonitorThen(&context, [&stoppedCalls] { ++stoppedCalls; });
    monitor.startMonitor();
    QCOMPARE(logCount(kStopLine), 2); // the stopping thread left its loop before the next began
    QTRY_COMPARE(stoppedCalls, 3);
    QVERIFY(monitor.hasThread());
    monitor.stopMonitor();
    QCOMPARE(logCount(kStartLine), 3);
}

QTEST_GUILESS_MAIN(TestMonitor)
#include "test_monitor.moc"
