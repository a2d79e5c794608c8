#include "app/mousecfg_widget.h"
#include "app/osd_link.h"
#include "controls/theme.h"
#include "device/sensor_resolution.h"
#include "fake_osd_server.h"
#include "pages/dpi_page.h"
#include "platform/osd_message.h"
#include "storage/app_config.h"
#include "window_sandbox.h"

#include <QElapsedTimer>
#include <QFile>
#include <QLoggingCategory>
#include <QTemporaryDir>
#include <QtTest>

// The window's messages to the on-screen-display companion, checked on the companion's socket.
class TestOsdLink : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();
    void runningCompanionGetsEveryMessageOnce();
    void missingCompanionIsStartedFiveTimesWithoutBlocking();
    void companionComingUpTakesTheWaitingMessages();
    void silentCompanionGivesTheDebugLine();
    void mouseButtonChangesReachTheCompanion();

private:
    QByteArray payload(const QString& text) const;
    // A stand-in companion program that only notes each start in the returned log.
    QString startLoggingProgram(QString* log) const;

    std::unique_ptr<QTemporaryDir> m_runtime;
};

QByteArray TestOsdLink::payload(const QString& text) const
{
    OsdMessage message;
    message.text = text;
    return encodeOsdMessage(message);
}

QString TestOsdLink::startLoggingProgram(QString* log) const
{
    const QString program = m_runtime->filePath(QStringLiteral("osd-stand-in"));
    *log = m_runtime->filePath(QStringLiteral("starts.log"));
    QFile script(program);
    if (!script.open(QIODevice::WriteOnly))
        return QString();
    script.write(QStringLiteral("#!/bin/sh\necho started >> '%1'\n").arg(*log).toUtf8());
    script.close();
    script.setPermissions(QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    return program;
}

void TestOsdLink::init()
{
    // The companion's socket lives in the runtime directory: each test gets its own.
    m_runtime = std::make_unique<QTemporaryDir>();
    QVERIFY(m_runtime->isValid());
    qputenv("XDG_RUNTIME_DIR", QFile::encodeName(m_runtime->path()));
}

void TestOsdLink::cleanup()
{
    m_runtime.reset();
}

void TestOsdLink::runningCompanionGetsEveryMessageOnce()
{
    FakeOsdServer server;
    QVERIFY(server.listen());
    QString log;
    OsdLink link(startLoggingProgram(&log), QString::fromLatin1(kOsdWindowTitle));
    QSignalSpy starts(&link, &OsdLink::startAttempted);
    QSignalSpy delivered(&link, &OsdLink::delivered);
    link.send(payload(QStringLiteral("one")));
    link.send(payload(QStringLiteral("two")));
    link.send(payload(QStringLiteral("three")));
    QTRY_COMPARE(delivered.count(), 3);
    QCOMPARE(server.messages().size(), 3);
    QCOMPARE(server.textAt(0), QStringLiteral("one"));
    QCOMPARE(server.textAt(2), QStringLiteral("three"));
    for (const QList<QVariant>& arguments : delivered)
        QCOMPARE(arguments.at(0).toBool(), true);
    QCOMPARE(starts.count(), 0);
    QVERIFY(!QFile::exists(log));
}

void TestOsdLink::missingCompanionIsStartedFiveTimesWithoutBlocking()
{
    QString log;
    OsdLink link(startLoggingProgram(&log), QString::fromLatin1(kOsdWindowTitle));
    QSignalSpy gaveUp(&link, &OsdLink::gaveUp);
    QVector<qint64> startTimes;
    QElapsedTimer clock;
    clock.start();
    connect(&link, &OsdLink::startAttempted, this, [&] { startTimes.append(clock.elapsed()); });
    // The window keeps answering meanwhile: a timer of its own keeps ticking.
    int ticks = 0;
    QTimer ticker;
    connect(&ticker, &QTimer::timeout, this, [&ticks] { ++ticks; });
    ticker.start(20);

    link.send(payload(QStringLiteral("DPI 2:1600")));
    QCOMPARE(link.waitingCount(), 1);
    QVERIFY(gaveUp.wait(10000));
    QCOMPARE(startTimes.size(), OsdLink::kStartAttempts);
    for (int i = 1; i < startTimes.size(); ++i)
        QVERIFY2(startTimes[i] - startTimes[i - 1] >= OsdLink::kStartIntervalMs - 50,
                 qPrintable(QStringLiteral("attempt %1 came %2 ms after the one before")
                                .arg(i + 1)
                                .arg(startTimes[i] - startTimes[i - 1])));
    // The last look comes one interval after the last start.
    QVERIFY(clock.elapsed() - startTimes.last() >= OsdLink::kStartIntervalMs - 50);
    QVERIFY2(ticks >= 20, qPrintable(QStringLiteral("only %1 ticks in %2 ms").arg(ticks).arg(clock.elapsed())));
    QCOMPARE(link.waitingCount(), 0);
    // The program really ran each time.
    QTRY_COMPARE(QFile(log).size(), qint64(5 * QByteArrayLiteral("started\n").size()));

    // Then silence, until the next change starts a new round.
    QTest::qWait(OsdLink::kStartIntervalMs + 200);
    QCOMPARE(startTimes.size(), OsdLink::kStartAttempts);
    link.send(payload(QStringLiteral("125 HZ")));
    QTRY_COMPARE(startTimes.size(), OsdLink::kStartAttempts + 1);
    QTRY_COMPARE(QFile(log).size(), qint64(6 * QByteArrayLiteral("started\n").size()));
}

void TestOsdLink::companionComingUpTakesTheWaitingMessages()
{
    FakeOsdServer server;
    QString log;
    OsdLink link(startLoggingProgram(&log), QString::fromLatin1(kOsdWindowTitle));
    QSignalSpy delivered(&link, &OsdLink::delivered);
    QSignalSpy gaveUp(&link, &OsdLink::gaveUp);
    int attempts = 0;
    connect(&link, &OsdLink::startAttempted, this, [&](int attempt) {
        attempts = attempt;
        if (attempt == 2)
            QVERIFY(server.listen());
    });
    link.send(payload(QStringLiteral("DPI 1:800")));
    link.send(payload(QStringLiteral("DPI 2:1600")));
    QTRY_COMPARE(delivered.count(), 2);
    QCOMPARE(attempts, 2);
    QCOMPARE(server.textAt(0), QStringLiteral("DPI 1:800"));
    QCOMPARE(server.textAt(1), QStringLiteral("DPI 2:1600"));
    QCOMPARE(gaveUp.count(), 0);
}

void TestOsdLink::silentCompanionGivesTheDebugLine()
{
    QLoggingCategory::setFilterRules(QStringLiteral("mousecfg.ui.debug=true"));
    FakeOsdServer server;
    server.setAnswering(false);
    QVERIFY(server.listen());
    QString log;
    OsdLink link(startLoggingProgram(&log), QString::fromLatin1(kOsdWindowTitle));
    QSignalSpy delivered(&link, &OsdLink::delivered);
    QTest::ignoreMessage(QtDebugMsg, "SendMessage failed\n");
    link.send(payload(QStringLiteral("lost")));
    QVERIFY(delivered.wait(CompanionClient::kAnswerTimeoutMs * 3));
    QCOMPARE(delivered.first().at(0).toBool(), false);
    QCOMPARE(server.messages().size(), 1);
    QLoggingCategory::setFilterRules(QString());
}

void TestOsdLink::mouseButtonChangesReachTheCompanion()
{
    FakeOsdServer server;
    QVERIFY(server.listen());
    WindowSandbox sandbox;
    QVERIFY(sandbox.isValid());
    sandbox.mouse().plug(MouseLink::Receiver);
    auto window = sandbox.makeWindow();
    QSignalSpy starts(window->osdLink(), &OsdLink::startAttempted);
    // The thread's first pass reads the battery answer; a status report ahead of it is not one.
    QTRY_COMPARE(window->batteryPercentShown(), 70);
    const ConfigRecord& working = window->workingConfiguration();
    // The window takes the mouse's state first, so that a button press changes one thing only.
    VirtualMouse& mouse = sandbox.mouse();
    window->slotRefreshStatus(quint8(mouse.activeProfile()), quint8(mouse.dpiStage()), quint8(mouse.rateCode()), 0);
    QTRY_COMPARE(window->osdLink()->waitingCount(), 0);
    const int before = server.messages().size();

    sandbox.mouse().pressDpiButton();
    QTRY_COMPARE(server.messages().size(), before + 1);
    const int stage = sandbox.mouse().dpiStage();
    const int sensor = window->findChild<TarqDPIWindow*>()->sensorCode();
    const int dpi = dpiOfStep(int(working.profiles[working.ProfileID].dpiStages[size_t(stage)].y), sensor);
    QCOMPARE(server.textAt(before), QStringLiteral("DPI %1:%2").arg(stage + 1).arg(dpi));
    OsdMessage message;
    QVERIFY(decodeOsdMessage(server.messages().at(before), &message));
    QCOMPARE(message.colour, themeColour());
    QCOMPARE(message.displayMs, 1500);
    QCOMPARE(message.fontSize, 60);
    QCOMPARE(message.fontFace, QStringLiteral("Arial"));

    // The rate's message coming next shows that the stage change sent exactly one.
    sandbox.mouse().pressRateButton();
    QTRY_COMPARE(server.messages().size(), before + 2);
    const QMap<int, QString> rateTexts{ { 1, QStringLiteral("1000 HZ") },
                                        { 2, QStringLiteral("500 HZ") },
                                        { 4, QStringLiteral("250 HZ") },
                                        { 8, QStringLiteral("125 HZ") } };
    QCOMPARE(server.textAt(before + 1), rateTexts.value(sandbox.mouse().rateCode()));

    // A code that is none of the four still sends a message, with nothing to show.
    window->slotRefreshRate(3);
    QTRY_COMPARE(server.messages().size(), before + 3);
    QCOMPARE(server.textAt(before + 2), QString());
    QCOMPARE(starts.count(), 0);
}

QTEST_MAIN(TestOsdLink)
#include "test_osd_link.moc"
