// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/single_instance.h"
#include "platform/user_runtime_directory.h"

#include <QDir>
#include <QProcess>
#include <QTemporaryDir>
#include <QtTest>
#include <csignal>
#include <fcntl.h>
#include <grp.h>
#include <memory>
#include <poll.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

namespace {

// Run with these arguments, the test binary becomes the other copy: it takes the lock, says so
// and keeps it until it is killed.
const char kHoldLockArgument[] = "--hold-lock";
const char kHeldLine[] = "held\n";
constexpr int kHelperTimeoutMs = 30000;
// Another local user, as CI has none: ids no account uses.
constexpr uid_t kOtherUid = 4242;
constexpr gid_t kOtherGid = 4242;

const QString kProduct = QStringLiteral("Tarq M1");

int holdLock(QCoreApplication& app, const QString& name)
{
    SingleInstanceLock lock(name);
    if (!lock.tryAcquire())
        return 1;
    QTextStream(stdout) << kHeldLine << Qt::flush;
    return app.exec();
}

QString lockName()
{
    return singleInstanceLockName(kProduct);
}

struct stat lstatOf(const QString& path)
{
    struct stat info = {};
    if (::lstat(QFile::encodeName(path).constData(), &info) != 0)
        info.st_mode = 0;
    return info;
}

// A lock file that a copy of ours holds: a regular file of ours, private, naming the process.
bool isHeldLockFile(const QString& path)
{
    const struct stat info = lstatOf(path);
    QFile file(path);
    return S_ISREG(info.st_mode) && info.st_uid == ::geteuid() && (info.st_mode & 0777) == 0600 &&
           file.open(QIODevice::ReadOnly) && file.readLine().trimmed() == QByteArray::number(qint64(::getpid()));
}

bool giveToOtherUser(const QString& path)
{
    return ::lchown(QFile::encodeName(path).constData(), kOtherUid, kOtherGid) == 0;
}

// The test binary holding a lock as another user: forked, its ids dropped, then executed, with an
// environment of that user's (no runtime directory, the shared temp folder).
class OtherUsersCopy final
{
public:
    OtherUsersCopy(const QString& sharedTemp, const QString& name)
    {
        int pipeEnds[2];
        if (::pipe2(pipeEnds, O_CLOEXEC) != 0)
            return;
        const QByteArray program = QFile::encodeName(QCoreApplication::applicationFilePath());
        const QByteArray nameArgument = name.toUtf8();
        const QByteArray tmpdir = "TMPDIR=" + QFile::encodeName(sharedTemp);
        const QByteArray home = "HOME=" + QFile::encodeName(sharedTemp);
        const char* const argv[] = { program.constData(), kHoldLockArgument, nameArgument.constData(), nullptr };
        const char* const envp[] = { tmpdir.constData(), home.constData(), "LANG=C.UTF-8", nullptr };
        m_pid = ::fork();
        if (m_pid == 0) {
            // Only calls that are safe between fork and exec.
            ::dup2(pipeEnds[1], STDOUT_FILENO);
            if (::setgroups(0, nullptr) != 0 || ::setresgid(kOtherGid, kOtherGid, kOtherGid) != 0 ||
                ::setresuid(kOtherUid, kOtherUid, kOtherUid) != 0)
                ::_exit(127);
            ::execve(argv[0], const_cast<char* const*>(argv), const_cast<char* const*>(envp));
            ::_exit(127);
        }
        ::close(pipeEnds[1]);
        m_output = pipeEnds[0];
    }

    ~OtherUsersCopy()
    {
        if (m_pid > 0 && !m_finished) {
            ::kill(m_pid, SIGKILL);
            ::waitpid(m_pid, nullptr, 0);
        }
        if (m_output >= 0)
            ::close(m_output);
    }
    OtherUsersCopy(const OtherUsersCopy&) = delete;
    OtherUsersCopy& operator=(const OtherUsersCopy&) = delete;

    // What it says until it says a line or ends.
    QByteArray firstLine()
    {
        QByteArray line;
        char c = 0;
        pollfd ready = { m_output, POLLIN, 0 };
        while (!line.endsWith('\n') && ::poll(&ready, 1, kHelperTimeoutMs) > 0 && ::read(m_output, &c, 1) == 1)
            line.append(c);
        return line;
    }

    // Its exit code, once it has ended by itself; -1 when it was killed or did not start.
    int exitCode()
    {
        int status = 0;
        if (m_pid <= 0 || ::waitpid(m_pid, &status, 0) != m_pid)
            return -1;
        m_finished = true;
        return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    }

private:
    pid_t m_pid = -1;
    int m_output = -1;
    bool m_finished = false;
};

} // namespace

class TestSingleInstance final : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void secondLockWaitsForTheFirst();
    void differentNamesDoNotMeet_data();
    void differentNamesDoNotMeet();
    void lockOfAnotherProcessHoldsUntilItDies();
    void unusableTempDirectoryIsReportedApart_data();
    void unusableTempDirectoryIsReportedApart();
    void lockLivesWhereOnlyTheUserReaches_data();
    void lockLivesWhereOnlyTheUserReaches();
    void leftoversInTheLockPlaceAreTakenOver_data();
    void leftoversInTheLockPlaceAreTakenOver();
    void namesOtherUsersTookDoNotBlock_data();
    void namesOtherUsersTookDoNotBlock();
    void everyNameTakenLeavesTheProgramUnguarded();
    void anotherUsersCopyRunsAlongside();

private:
    QString ownDirectoryName() const { return QStringLiteral("mousecfg-%1").arg(::geteuid()); }
    QString ownDirectory() const { return m_tempDir->filePath(ownDirectoryName()); }

    std::unique_ptr<QTemporaryDir> m_tempDir;
    QByteArray m_savedTmpDir;
    QByteArray m_savedRuntimeDir;
};

// Each test keeps its locks in a temp directory of its own, with no runtime directory unless it
// makes one.
void TestSingleInstance::init()
{
    m_tempDir = std::make_unique<QTemporaryDir>();
    QVERIFY(m_tempDir->isValid());
    m_savedTmpDir = qgetenv("TMPDIR");
    m_savedRuntimeDir = qgetenv("XDG_RUNTIME_DIR");
    qputenv("TMPDIR", QFile::encodeName(m_tempDir->path()));
    qunsetenv("XDG_RUNTIME_DIR");
    QCOMPARE(QDir::tempPath(), QDir::cleanPath(m_tempDir->path()));
}

void TestSingleInstance::cleanup()
{
    for (const auto& [variable, saved] :
         { std::make_pair("TMPDIR", m_savedTmpDir), std::make_pair("XDG_RUNTIME_DIR", m_savedRuntimeDir) }) {
        if (saved.isEmpty())
            qunsetenv(variable);
        else
            qputenv(variable, saved);
    }
    m_tempDir.reset();
}

void TestSingleInstance::secondLockWaitsForTheFirst()
{
    const QString name = lockName();
    QCOMPARE(name, QStringLiteral("Tarq M1 Wireless Gaming Mouse Mutex1"));
    SingleInstanceLock second(name);
    {
        SingleInstanceLock first(name);
        QVERIFY(first.tryAcquire());
        QVERIFY(first.tryAcquire()); // the holder asking again keeps it
        QVERIFY(isHeldLockFile(first.location()));
        QVERIFY(!second.tryAcquire());
        QCOMPARE(second.error(), SingleInstanceLock::Error::HeldElsewhere);
    }
    QVERIFY(second.tryAcquire());
    QCOMPARE(second.error(), SingleInstanceLock::Error::None);
}

void TestSingleInstance::differentNamesDoNotMeet_data()
{
    QTest::addColumn<QString>("firstProduct");
    QTest::addColumn<QString>("secondProduct");
    QTest::newRow("two products") << QStringLiteral("Tarq M1") << QStringLiteral("Tarq M2");
    QTest::newRow("slash and underscore read alike") << QStringLiteral("Tarq/M1") << QStringLiteral("Tarq_M1");
    QTest::newRow("unsafe characters read alike") << QStringLiteral("Tarq:M1") << QStringLiteral("Tarq*M1");
    QTest::newRow("names that climb out of the directory") << QStringLiteral("../../M1") << QStringLiteral("..\\M1");
    QTest::newRow("no product name") << QString() << QStringLiteral(" ");
    QTest::newRow("long names with the same start")
        << QString(300, QLatin1Char('M')) + QLatin1Char('1') << QString(300, QLatin1Char('M')) + QLatin1Char('2');
}

void TestSingleInstance::differentNamesDoNotMeet()
{
    QFETCH(QString, firstProduct);
    QFETCH(QString, secondProduct);
    SingleInstanceLock first(singleInstanceLockName(firstProduct));
    SingleInstanceLock second(singleInstanceLockName(secondProduct));
    QVERIFY(first.tryAcquire());
    QVERIFY(second.tryAcquire());
    // Path separators in the name do not send the lock anywhere else.
    QCOMPARE(QFileInfo(first.location()).path(), ownDirectory());
    QCOMPARE(QFileInfo(second.location()).path(), ownDirectory());
    QCOMPARE(QDir(ownDirectory()).entryList(QDir::Files | QDir::Hidden).size(), 2);
}

void TestSingleInstance::lockOfAnotherProcessHoldsUntilItDies()
{
    const QString name = lockName();
    QProcess other;
    other.start(QCoreApplication::applicationFilePath(), { QLatin1String(kHoldLockArgument), name });
    QVERIFY(other.waitForStarted(kHelperTimeoutMs));
    QTRY_VERIFY_WITH_TIMEOUT(other.canReadLine() || other.state() == QProcess::NotRunning, kHelperTimeoutMs);
    QCOMPARE(other.readLine(), QByteArray(kHeldLine));

    SingleInstanceLock lock(name);
    QVERIFY(!lock.tryAcquire());
    QCOMPARE(lock.error(), SingleInstanceLock::Error::HeldElsewhere);
    QFile file(lock.location());
    QVERIFY(file.open(QIODevice::ReadOnly));
    QCOMPARE(file.readLine().trimmed().toLongLong(), other.processId());

    // A copy that crashed leaves its lock behind, naming a process that is gone; the next copy
    // takes it over.
    other.kill();
    QVERIFY(other.waitForFinished(kHelperTimeoutMs));
    QVERIFY(lock.tryAcquire());
    QVERIFY(isHeldLockFile(lock.location()));
}

void TestSingleInstance::unusableTempDirectoryIsReportedApart_data()
{
    QTest::addColumn<QString>("tempPath");
    QTest::addColumn<bool>("makeFile");
    QTest::newRow("missing") << QStringLiteral("missing") << false;
    QTest::newRow("a file") << QStringLiteral("file") << true;
}

void TestSingleInstance::unusableTempDirectoryIsReportedApart()
{
    QFETCH(QString, tempPath);
    QFETCH(bool, makeFile);
    const QString path = m_tempDir->filePath(tempPath);
    if (makeFile) {
        QFile file(path);
        QVERIFY(file.open(QIODevice::WriteOnly));
    }
    qputenv("TMPDIR", QFile::encodeName(path));
    SingleInstanceLock lock(lockName());
    QVERIFY(!lock.tryAcquire());
    QCOMPARE(lock.error(), SingleInstanceLock::Error::Unavailable);
    QVERIFY2(lock.errorString().contains(path), qPrintable(lock.errorString()));
    // Nothing was left in the working directory either.
    QVERIFY(QDir::current().entryList({ QStringLiteral("*Mutex1*") }, QDir::Files).isEmpty());
}

void TestSingleInstance::lockLivesWhereOnlyTheUserReaches_data()
{
    QTest::addColumn<QString>("runtime"); // XDG_RUNTIME_DIR, under the test's directory; empty: unset
    QTest::addColumn<int>("runtimeMode");
    QTest::addColumn<bool>("runtimeUsed");
    QTest::newRow("the runtime directory") << "run" << 0700 << true;
    QTest::newRow("no runtime directory") << "" << 0 << false;
    QTest::newRow("a runtime directory others can write") << "run" << 0777 << false;
    QTest::newRow("a runtime directory that is missing") << "missing" << 0 << false;
    QTest::newRow("a relative runtime directory") << "." << 0 << false;
}

void TestSingleInstance::lockLivesWhereOnlyTheUserReaches()
{
    QFETCH(QString, runtime);
    QFETCH(int, runtimeMode);
    QFETCH(bool, runtimeUsed);
    const QString runtimePath = runtime == QLatin1String(".") ? runtime : m_tempDir->filePath(runtime);
    if (runtimeMode != 0) {
        QVERIFY(QDir().mkdir(runtimePath));
        QVERIFY(::chmod(QFile::encodeName(runtimePath).constData(), mode_t(runtimeMode)) == 0);
    }
    if (!runtime.isEmpty())
        qputenv("XDG_RUNTIME_DIR", QFile::encodeName(runtimePath));

    SingleInstanceLock lock(lockName());
    QVERIFY(lock.tryAcquire());
    const QString directory = QFileInfo(lock.location()).path();
    QCOMPARE(directory, runtimeUsed ? runtimePath : ownDirectory());
    QCOMPARE(userRuntimeDirectory(), directory);
    if (!runtimeUsed) {
        const struct stat info = lstatOf(directory);
        QVERIFY(S_ISDIR(info.st_mode));
        QCOMPARE(info.st_mode & 07777, mode_t(0700));
        QCOMPARE(info.st_uid, ::geteuid());
    }
    QVERIFY(isHeldLockFile(lock.location()));
}

void TestSingleInstance::leftoversInTheLockPlaceAreTakenOver_data()
{
    QTest::addColumn<QString>("leftover");
    QTest::newRow("an empty file, left by a crash") << "empty";
    QTest::newRow("a file naming a process that is gone") << "dead";
    QTest::newRow("a file without permissions") << "unreadable";
    QTest::newRow("a directory") << "directory";
    QTest::newRow("a pipe") << "pipe";
    QTest::newRow("a link to another file") << "link";
    QTest::newRow("a file of another user's") << "foreign";
}

// Our copies only ever make a regular, private file there; anything else is no live copy's lock.
void TestSingleInstance::leftoversInTheLockPlaceAreTakenOver()
{
    QFETCH(QString, leftover);
    const QString path = SingleInstanceLock(lockName()).location();
    QVERIFY(!path.isEmpty());
    const QByteArray encoded = QFile::encodeName(path);
    const QString target = m_tempDir->filePath(QStringLiteral("target"));
    if (leftover == QLatin1String("directory")) {
        QVERIFY(QDir().mkpath(path + QStringLiteral("/inside")));
    } else if (leftover == QLatin1String("pipe")) {
        QVERIFY(::mkfifo(encoded.constData(), 0600) == 0);
    } else if (leftover == QLatin1String("link")) {
        QFile file(target);
        QVERIFY(file.open(QIODevice::WriteOnly) && file.write("keep") == 4);
        file.close();
        QVERIFY(QFile::link(target, path));
    } else {
        QFile file(path);
        QVERIFY(file.open(QIODevice::WriteOnly));
        if (leftover == QLatin1String("dead"))
            file.write("999999999\nmousecfg\nhost\n");
        file.close();
        if (leftover == QLatin1String("unreadable"))
            QVERIFY(file.setPermissions({}));
        if (leftover == QLatin1String("foreign") && !giveToOtherUser(path))
            QSKIP("only root can give a file to another user");
    }

    SingleInstanceLock lock(lockName());
    QVERIFY2(lock.tryAcquire(), qPrintable(lock.errorString()));
    QCOMPARE(lock.location(), path);
    QVERIFY(isHeldLockFile(path));
    // Still one copy only.
    SingleInstanceLock second(lockName());
    QVERIFY(!second.tryAcquire());
    QCOMPARE(second.error(), SingleInstanceLock::Error::HeldElsewhere);
    if (leftover == QLatin1String("link")) {
        QFile file(target);
        QVERIFY(file.open(QIODevice::ReadOnly));
        QCOMPARE(file.readAll(), QByteArray("keep"));
    }
}

void TestSingleInstance::namesOtherUsersTookDoNotBlock_data()
{
    QTest::addColumn<QString>("taken");
    QTest::newRow("a directory with a lock inside") << "directory";
    QTest::newRow("an empty file") << "file";
    QTest::newRow("a link to a directory of ours") << "link";
}

// Another user makes the program's directory name in the shared temp folder before the user's
// first start.
void TestSingleInstance::namesOtherUsersTookDoNotBlock()
{
    QFETCH(QString, taken);
    if (::geteuid() != 0)
        QSKIP("only root can give a file to another user");
    const QString planted = ownDirectory();
    const QString ours = m_tempDir->filePath(QStringLiteral("elsewhere"));
    QVERIFY(QDir().mkdir(ours));
    if (taken == QLatin1String("directory")) {
        QVERIFY(QDir().mkdir(planted));
        QVERIFY(::chmod(QFile::encodeName(planted).constData(), 0777) == 0);
        QFile lockInside(planted + QLatin1Char('/') + QFileInfo(SingleInstanceLock(lockName()).location()).fileName());
        QVERIFY(lockInside.open(QIODevice::WriteOnly));
        lockInside.close();
        QVERIFY(giveToOtherUser(lockInside.fileName()));
    } else if (taken == QLatin1String("file")) {
        QFile file(planted);
        QVERIFY(file.open(QIODevice::WriteOnly));
    } else {
        QVERIFY(QFile::link(ours, planted));
    }
    QVERIFY(giveToOtherUser(planted));

    SingleInstanceLock lock(lockName());
    QVERIFY2(lock.tryAcquire(), qPrintable(lock.errorString()));
    const QString directory = QFileInfo(lock.location()).path();
    QCOMPARE(directory, planted + QStringLiteral(".1"));
    QVERIFY(isHeldLockFile(lock.location()));
    // The next copy finds the same directory, and the lock in it.
    SingleInstanceLock second(lockName());
    QCOMPARE(second.location(), lock.location());
    QVERIFY(!second.tryAcquire());
    QCOMPARE(second.error(), SingleInstanceLock::Error::HeldElsewhere);
    // What the other user made is left as it was.
    QCOMPARE(lstatOf(planted).st_uid, kOtherUid);
    QVERIFY(QDir(ours).isEmpty());
}

void TestSingleInstance::everyNameTakenLeavesTheProgramUnguarded()
{
    if (::geteuid() != 0)
        QSKIP("only root can give a file to another user");
    for (int candidate = 0; candidate < kRuntimeDirectoryCandidates; ++candidate) {
        const QString path = candidate == 0 ? ownDirectory() : ownDirectory() + QStringLiteral(".%1").arg(candidate);
        QFile file(path);
        QVERIFY(file.open(QIODevice::WriteOnly));
        QVERIFY(giveToOtherUser(path));
    }
    SingleInstanceLock lock(lockName());
    QVERIFY(!lock.tryAcquire());
    // Unavailable, not held elsewhere: the program starts, and says why it is unguarded.
    QCOMPARE(lock.error(), SingleInstanceLock::Error::Unavailable);
    QVERIFY2(lock.errorString().contains(m_tempDir->path()), qPrintable(lock.errorString()));
}

// Two users, one shared temp folder and no runtime directory: each user's copy runs, and each
// user still has one copy only.
void TestSingleInstance::anotherUsersCopyRunsAlongside()
{
    if (::geteuid() != 0)
        QSKIP("needs root to run a copy as another user");
    // Like /tmp: everybody writes, nobody removes another's names.
    QVERIFY(::chmod(QFile::encodeName(m_tempDir->path()).constData(), 01777) == 0);
    if (::access(QFile::encodeName(QCoreApplication::applicationFilePath()).constData(), R_OK | X_OK) != 0)
        QSKIP("the test binary cannot be run by another user here");

    SingleInstanceLock ours(lockName());
    QVERIFY(ours.tryAcquire());

    OtherUsersCopy theirs(m_tempDir->path(), lockName());
    QCOMPARE(theirs.firstLine(), QByteArray(kHeldLine));
    const QString theirDirectory = m_tempDir->filePath(QStringLiteral("mousecfg-%1").arg(kOtherUid));
    const struct stat theirInfo = lstatOf(theirDirectory);
    QVERIFY(S_ISDIR(theirInfo.st_mode));
    QCOMPARE(theirInfo.st_uid, kOtherUid);
    QCOMPARE(theirInfo.st_mode & 07777, mode_t(0700));

    OtherUsersCopy theirSecond(m_tempDir->path(), lockName());
    QCOMPARE(theirSecond.firstLine(), QByteArray());
    QCOMPARE(theirSecond.exitCode(), 1);

    SingleInstanceLock oursAgain(lockName());
    QVERIFY(!oursAgain.tryAcquire());
    QCOMPARE(oursAgain.error(), SingleInstanceLock::Error::HeldElsewhere);
}

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    if (argc == 3 && qstrcmp(argv[1], kHoldLockArgument) == 0)
        return holdLock(app, QString::fromLocal8Bit(argv[2]));
    TestSingleInstance test;
    return QTest::qExec(&test, argc, argv);
}

#include "test_single_instance.moc"
