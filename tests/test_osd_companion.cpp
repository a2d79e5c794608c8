// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/osd_link.h"
#include "fake_notification_service.h"
#include "osd_companion_process.h"
#include "platform/osd_message.h"
#include "platform/single_instance.h"
#include "private_session_bus.h"

#include <QProcess>
#include <QTemporaryDir>
#include <QtTest>
#include <sys/stat.h>
#include <unistd.h>

// The companion program itself, started as the window starts it and talked to over its socket.
class TestOsdCompanion : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();
    void startedCompanionHandlesEveryMessageAndRunsOnce();
    void companionThatDiedIsReplaced();
    void notificationsReplaceEachOther();
    void socketAndLockStayWithTheUser_data();
    void socketAndLockStayWithTheUser();

private:
    static QByteArray payload(const QString& text);
    bool startOwnCompanion(QProcess& process, const QStringList& arguments = {});

    std::unique_ptr<QTemporaryDir> m_runtime;
    QByteArray m_savedTmpDir;
};

QByteArray TestOsdCompanion::payload(const QString& text)
{
    OsdMessage message;
    message.text = text;
    message.displayMs = 200;
    return encodeOsdMessage(message);
}

bool TestOsdCompanion::startOwnCompanion(QProcess& process, const QStringList& arguments)
{
    process.setProcessChannelMode(QProcess::ForwardedErrorChannel);
    process.start(builtOsdProgram(), arguments);
    if (!process.waitForStarted())
        return false;
    // Up once its socket answers.
    CompanionClient client(QString::fromLatin1(kOsdWindowTitle));
    QSignalSpy delivered(&client, &CompanionClient::delivered);
    for (int tries = 0; tries < 100 && delivered.isEmpty(); ++tries) {
        QSignalSpy notFound(&client, &CompanionClient::notFound);
        client.deliver(payload(QString()));
        if (!delivered.wait(100) && notFound.isEmpty())
            notFound.wait(100);
        if (!notFound.isEmpty())
            QTest::qWait(50);
    }
    return !delivered.isEmpty() && delivered.first().at(0).toBool();
}

void TestOsdCompanion::init()
{
    m_runtime = std::make_unique<QTemporaryDir>();
    QVERIFY(m_runtime->isValid());
    qputenv("XDG_RUNTIME_DIR", QFile::encodeName(m_runtime->path()));
    m_savedTmpDir = qgetenv("TMPDIR");
    QVERIFY2(QFile::exists(builtOsdProgram()), qPrintable(builtOsdProgram()));
}

void TestOsdCompanion::cleanup()
{
    stopRunningOsd();
    QTRY_COMPARE(runningOsdProcessId() != 0 && ::kill(pid_t(runningOsdProcessId()), 0) == 0, false);
    m_runtime.reset();
    if (m_savedTmpDir.isEmpty())
        qunsetenv("TMPDIR");
    else
        qputenv("TMPDIR", m_savedTmpDir);
}

void TestOsdCompanion::startedCompanionHandlesEveryMessageAndRunsOnce()
{
    OsdLink link(builtOsdProgram(), QString::fromLatin1(kOsdWindowTitle));
    QSignalSpy starts(&link, &OsdLink::startAttempted);
    QSignalSpy delivered(&link, &OsdLink::delivered);
    QSignalSpy gaveUp(&link, &OsdLink::gaveUp);
    link.send(payload(QStringLiteral("DPI 2:1600")));
    QTRY_VERIFY_WITH_TIMEOUT(!delivered.isEmpty() || !gaveUp.isEmpty(), 10000);
    QCOMPARE(gaveUp.count(), 0);
    QCOMPARE(delivered.first().at(0).toBool(), true);
    QVERIFY(starts.count() >= 1);
    const int startsBefore = starts.count();

    link.send(payload(QStringLiteral("1000 HZ")));
    QTRY_COMPARE(delivered.count(), 2);
    QCOMPARE(delivered.last().at(0).toBool(), true);
    QCOMPARE(starts.count(), startsBefore);

    // A second companion leaves at once and the first keeps serving.
    const qint64 first = runningOsdProcessId();
    QProcess second;
    second.start(builtOsdProgram(), QStringList());
    QVERIFY(second.waitForFinished(10000));
    QCOMPARE(second.exitStatus(), QProcess::NormalExit);
    QCOMPARE(second.exitCode(), 0);
    QCOMPARE(runningOsdProcessId(), first);
    link.send(payload(QStringLiteral("DPI 3:3200")));
    QTRY_COMPARE(delivered.count(), 3);
    QCOMPARE(delivered.last().at(0).toBool(), true);
}

void TestOsdCompanion::companionThatDiedIsReplaced()
{
    QProcess first;
    QVERIFY(startOwnCompanion(first));
    first.kill(); // leaves its socket file and its lock behind
    QVERIFY(first.waitForFinished());
    QVERIFY(QFile::exists(companionSocketName(QString::fromLatin1(kOsdWindowTitle))));

    QProcess next;
    QVERIFY(startOwnCompanion(next));
    QCOMPARE(runningOsdProcessId(), next.processId());
}

void TestOsdCompanion::notificationsReplaceEachOther()
{
    PrivateSessionBus bus;
    QVERIFY2(bus.isValid(), qPrintable(bus.errorString()));
    FakeNotificationService service(bus.address());
    QVERIFY2(service.isRegistered(), qPrintable(service.errorString()));
    QProcess companion;
    QVERIFY(startOwnCompanion(companion, { QStringLiteral("--notifications") }));

    // The window's link never starts a second one here.
    OsdLink link(QStringLiteral("/nonexistent/OSD"), QString::fromLatin1(kOsdWindowTitle));
    QSignalSpy delivered(&link, &OsdLink::delivered);
    link.send(payload(QStringLiteral("DPI 1:800")));
    QTRY_COMPARE(service.notifyCalls().size(), 1);
    link.send(payload(QStringLiteral("DPI 2:1600")));
    QTRY_COMPARE(service.notifyCalls().size(), 2);
    const FakeNotificationService::NotifyCall& shown = service.notifyCalls().at(0);
    const FakeNotificationService::NotifyCall& replacing = service.notifyCalls().at(1);
    QCOMPARE(shown.summary, QStringLiteral("DPI 1:800"));
    QCOMPARE(shown.replacesId, 0u);
    QCOMPARE(replacing.summary, QStringLiteral("DPI 2:1600"));
    QCOMPARE(replacing.replacesId, shown.answeredId);
    QCOMPARE(replacing.expireTimeout, 200);

    // Nothing to show, nothing shown.
    link.send(payload(QString()));
    QTRY_COMPARE(delivered.count(), 3);
    QCOMPARE(service.notifyCalls().size(), 2);
}

void TestOsdCompanion::socketAndLockStayWithTheUser_data()
{
    QTest::addColumn<bool>("runtimeDirectory");
    QTest::newRow("in the runtime directory") << true;
    QTest::newRow("without a runtime directory") << false;
}

// Another user can neither take the socket's name nor read the texts: the socket and the lock are
// in a directory of the user's alone, never in the shared temp folder or the working directory.
void TestOsdCompanion::socketAndLockStayWithTheUser()
{
    QFETCH(bool, runtimeDirectory);
    QTemporaryDir sharedTemp;
    QTemporaryDir workingDir;
    QVERIFY(sharedTemp.isValid() && workingDir.isValid());
    qputenv("TMPDIR", QFile::encodeName(sharedTemp.path()));
    if (!runtimeDirectory)
        qunsetenv("XDG_RUNTIME_DIR");
    const QString expectedDirectory =
        runtimeDirectory ? m_runtime->path() : sharedTemp.filePath(QStringLiteral("mousecfg-%1").arg(::geteuid()));

    QProcess companion;
    companion.setWorkingDirectory(workingDir.path());
    QVERIFY(startOwnCompanion(companion));
    const QString socket = companionSocketName(QString::fromLatin1(kOsdWindowTitle));
    QCOMPARE(QFileInfo(socket).path(), expectedDirectory);
    QVERIFY(QFileInfo(socket).exists());
    const QString lock = SingleInstanceLock(QString::fromLatin1(kOsdWindowTitle)).location();
    QCOMPARE(QFileInfo(lock).path(), expectedDirectory);
    QCOMPARE(runningOsdProcessId(), companion.processId());

    struct stat directory = {};
    QCOMPARE(::lstat(QFile::encodeName(expectedDirectory).constData(), &directory), 0);
    QVERIFY(S_ISDIR(directory.st_mode));
    QCOMPARE(directory.st_uid, ::geteuid());
    QCOMPARE(directory.st_mode & 0077, mode_t(0));
    QVERIFY(QDir(workingDir.path()).isEmpty());
    // Without a runtime directory the toolkit makes one of its own there, private as well.
    for (const QFileInfo& entry : QDir(sharedTemp.path()).entryInfoList(QDir::AllEntries | QDir::NoDotAndDotDot)) {
        struct stat info = {};
        QCOMPARE(::lstat(QFile::encodeName(entry.filePath()).constData(), &info), 0);
        QVERIFY2(S_ISDIR(info.st_mode) && info.st_uid == ::geteuid() && (info.st_mode & 0077) == 0,
                 qPrintable(entry.fileName()));
    }
    companion.kill();
    QVERIFY(companion.waitForFinished());
}

QTEST_MAIN(TestOsdCompanion)
#include "test_osd_companion.moc"
