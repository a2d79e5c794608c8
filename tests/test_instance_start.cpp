// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/single_instance.h"
#include "storage/paths.h"
#include "storage/product_description.h"

#include <QProcess>
#include <QTemporaryDir>
#include <QtTest>

namespace {

constexpr int kStartTimeoutMs = 60000;

} // namespace

// The built program, as a desktop starts it twice for the same user: the second copy says so in
// one line, ends with 1 and writes nothing; the first runs on untouched.
class TestInstanceStart final : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void secondCopyLeavesAndWritesNothing_data();
    void secondCopyLeavesAndWritesNothing();

private:
    QString program() const { return QCoreApplication::applicationDirPath() + QStringLiteral("/mousecfg"); }
    void startCopy(QProcess& process, const QString& configDir) const;
    qint64 lockHolder() const;

    QTemporaryDir m_runtime;
    QString m_product;
};

void TestInstanceStart::initTestCase()
{
    QVERIFY(m_runtime.isValid());
    // The copies and this test meet in a runtime directory of the test's own.
    qputenv("XDG_RUNTIME_DIR", QFile::encodeName(m_runtime.path()));
    // The product the built application directory describes, as the program reads it.
    initAppDirectory({ QCoreApplication::applicationDirPath(), QString() });
    m_product = productName();
    QVERIFY(!m_product.isEmpty());
}

void TestInstanceStart::startCopy(QProcess& process, const QString& configDir) const
{
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
    process.setProcessEnvironment(environment);
    process.start(program(), { QStringLiteral("--simulate"), QStringLiteral("--config-dir"), configDir });
}

// The process the product's lock names, 0 when none does.
qint64 TestInstanceStart::lockHolder() const
{
    QFile lock(SingleInstanceLock(singleInstanceLockName(m_product)).location());
    return lock.open(QIODevice::ReadOnly) ? lock.readLine().trimmed().toLongLong() : 0;
}

void TestInstanceStart::secondCopyLeavesAndWritesNothing_data()
{
    QTest::addColumn<bool>("existingDir");
    QTest::newRow("a configuration directory to be made") << false;
    QTest::newRow("an empty configuration directory") << true;
}

void TestInstanceStart::secondCopyLeavesAndWritesNothing()
{
    QFETCH(bool, existingDir);
    QTemporaryDir dirs;
    QVERIFY(dirs.isValid());
    QProcess first;
    first.setProcessChannelMode(QProcess::ForwardedChannels);
    startCopy(first, dirs.filePath(QStringLiteral("first")));
    QVERIFY(first.waitForStarted(kStartTimeoutMs));
    QTRY_COMPARE_WITH_TIMEOUT(lockHolder(), first.processId(), kStartTimeoutMs);
    QTRY_VERIFY_WITH_TIMEOUT(QFileInfo::exists(dirs.filePath(QStringLiteral("first/Config.ini"))), kStartTimeoutMs);

    const QString secondDir = dirs.filePath(QStringLiteral("second"));
    if (existingDir)
        QVERIFY(QDir().mkdir(secondDir));
    QProcess second;
    startCopy(second, secondDir);
    QVERIFY(second.waitForFinished(kStartTimeoutMs));
    QCOMPARE(second.exitStatus(), QProcess::NormalExit);
    QCOMPARE(second.exitCode(), 1);
    QCOMPARE(QString::fromLocal8Bit(second.readAllStandardError()),
             QStringLiteral("mousecfg is already running for %1.\n").arg(m_product));
    QCOMPARE(second.readAllStandardOutput(), QByteArray());
    QCOMPARE(QFileInfo::exists(secondDir), existingDir);
    QVERIFY(!existingDir || QDir(secondDir).isEmpty());
    QCOMPARE(first.state(), QProcess::Running);
    QCOMPARE(lockHolder(), first.processId());

    // A copy that crashed holds nothing: the next one starts.
    first.kill();
    QVERIFY(first.waitForFinished(kStartTimeoutMs));
    QProcess next;
    next.setProcessChannelMode(QProcess::ForwardedChannels);
    startCopy(next, secondDir);
    QVERIFY(next.waitForStarted(kStartTimeoutMs));
    QTRY_COMPARE_WITH_TIMEOUT(lockHolder(), next.processId(), kStartTimeoutMs);
    QTRY_VERIFY_WITH_TIMEOUT(QFileInfo::exists(secondDir + QStringLiteral("/Config.ini")), kStartTimeoutMs);
    next.kill();
    QVERIFY(next.waitForFinished(kStartTimeoutMs));
}

QTEST_GUILESS_MAIN(TestInstanceStart)
#include "test_instance_start.moc"
