#include "platform/single_instance.h"

#include <QDir>
#include <QProcess>
#include <QTemporaryDir>
#include <QtTest>
#include <memory>

namespace {

// Run with these arguments, the test binary becomes the other copy: it takes the lock, says so
// and keeps it until it is killed.
const char kHoldLockArgument[] = "--hold-lock";
const char kHeldLine[] = "held\n";
constexpr int kHelperTimeoutMs = 30000;

int holdLock(QCoreApplication& app, const QString& name)
{
    SingleInstanceLock lock(name);
    if (!lock.tryAcquire())
        return 1;
    QTextStream(stdout) << kHeldLine << Qt::flush;
    return app.exec();
}

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

private:
    std::unique_ptr<QTemporaryDir> m_tempDir;
    QByteArray m_savedTmpDir;
};

// Each test keeps its locks in a temp directory of its own.
void TestSingleInstance::init()
{
    m_tempDir = std::make_unique<QTemporaryDir>();
    QVERIFY(m_tempDir->isValid());
    m_savedTmpDir = qgetenv("TMPDIR");
    qputenv("TMPDIR", QFile::encodeName(m_tempDir->path()));
    QCOMPARE(QDir::tempPath(), QDir::cleanPath(m_tempDir->path()));
}

void TestSingleInstance::cleanup()
{
    if (m_savedTmpDir.isEmpty())
        qunsetenv("TMPDIR");
    else
        qputenv("TMPDIR", m_savedTmpDir);
    m_tempDir.reset();
}

void TestSingleInstance::secondLockWaitsForTheFirst()
{
    const QString name = singleInstanceLockName(QStringLiteral("Tarq M1"));
    QCOMPARE(name, QStringLiteral("Tarq M1 Wireless Gaming Mouse Mutex1"));
    SingleInstanceLock second(name);
    {
        SingleInstanceLock first(name);
        QVERIFY(first.tryAcquire());
        QVERIFY(first.tryAcquire()); // the holder asking again keeps it
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
    QCOMPARE(QDir(m_tempDir->path()).entryList(QDir::Files | QDir::Hidden).size(), 2);
}

void TestSingleInstance::lockOfAnotherProcessHoldsUntilItDies()
{
    const QString name = singleInstanceLockName(QStringLiteral("Tarq M1"));
    QProcess other;
    other.start(QCoreApplication::applicationFilePath(), { QLatin1String(kHoldLockArgument), name });
    QVERIFY(other.waitForStarted(kHelperTimeoutMs));
    QTRY_VERIFY_WITH_TIMEOUT(other.canReadLine() || other.state() == QProcess::NotRunning, kHelperTimeoutMs);
    QCOMPARE(other.readLine(), QByteArray(kHeldLine));

    SingleInstanceLock lock(name);
    QVERIFY(!lock.tryAcquire());
    QCOMPARE(lock.error(), SingleInstanceLock::Error::HeldElsewhere);

    // A copy that crashed leaves its lock behind; the next copy takes it over.
    other.kill();
    QVERIFY(other.waitForFinished(kHelperTimeoutMs));
    QVERIFY(lock.tryAcquire());
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
    SingleInstanceLock lock(singleInstanceLockName(QStringLiteral("Tarq M1")));
    QVERIFY(!lock.tryAcquire());
    QCOMPARE(lock.error(), SingleInstanceLock::Error::Unavailable);
    // Nothing was left in the working directory either.
    QVERIFY(QDir::current().entryList({ QStringLiteral("*Mutex1*") }, QDir::Files).isEmpty());
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
