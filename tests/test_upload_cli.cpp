#include "device_sandbox.h"

#include <QProcess>
#include <QSettings>
#include <QTemporaryDir>
#include <QtTest>

namespace {

struct CliResult
{
    int exitCode = -1;
    QString out;
    QString err;
    QByteArray writtenCommands; // byte 3 of every report the virtual mouse was sent
};

// Runs mousecfg-cli against a fresh virtual mouse with its trace in the sandbox.
CliResult runCli(const QTemporaryDir& dir, const QStringList& arguments,
                 const QString& plug = QStringLiteral("receiver"))
{
    const QString trace = dir.filePath(QStringLiteral("trace.log"));
    QFile::remove(trace);
    QProcess process;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(QStringLiteral("MOUSECFG_SIM_PLUG"), plug);
    process.setProcessEnvironment(environment);
    process.start(QCoreApplication::applicationDirPath() + QStringLiteral("/mousecfg-cli"),
                  QStringList{ QStringLiteral("--simulate"), QStringLiteral("--trace"), trace,
                               QStringLiteral("--config-dir"), dir.filePath(QStringLiteral("Configs")) } +
                      arguments);
    CliResult result;
    if (!process.waitForFinished(120000)) {
        return result;
    }
    result.exitCode = process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -1;
    result.out = QString::fromUtf8(process.readAllStandardOutput());
    result.err = QString::fromUtf8(process.readAllStandardError());
    QFile file(trace);
    if (file.open(QIODevice::ReadOnly)) {
        for (const QString& line : QString::fromLatin1(file.readAll()).split(QLatin1Char('\n'))) {
            if (line.startsWith(QLatin1Char('W'))) {
                result.writtenCommands.append(traceBytes(line).at(3));
            }
        }
    }
    return result;
}

// The reports of a full upload without macros: bracket, the four sections, commits, bracket.
QByteArray fullUpload()
{
    return QByteArray::fromHex("46") + QByteArray(2, 0x01) + QByteArray(7, 0x03) + QByteArray(10, 0x02) +
           QByteArray(5, 0x04) + QByteArray(5, 0x40) + QByteArray::fromHex("46");
}

} // namespace

class TestUploadCli final : public QObject
{
    Q_OBJECT

private slots:
    void applyWritesExactlyTheSendingSequence();
    void exportThenImportSendsTheFile();
    void anotherProductsFileIsRefused();
    void noMouseIsReported();
};

void TestUploadCli::applyWritesExactlyTheSendingSequence()
{
    QTemporaryDir dir;
    const CliResult unchanged = runCli(dir, { QStringLiteral("apply") });
    QCOMPARE(unchanged.exitCode, 0);
    QVERIFY(unchanged.writtenCommands.isEmpty());
    QVERIFY(unchanged.out.contains(QStringLiteral("nothing sent")));
    // The first run made the product folder with the five default profile names.
    QSettings productConfig(dir.filePath(QStringLiteral("Configs/Tarq M1/Config.ini")), QSettings::IniFormat);
    QCOMPARE(productConfig.value(QStringLiteral("PROFILE_LIST/Count")).toInt(), 5);
    QCOMPARE(productConfig.value(QStringLiteral("PROFILE_LIST/5")).toString(), QStringLiteral("Profile 5"));
    QVERIFY(QFileInfo(dir.filePath(QStringLiteral("Configs/Tarq M1/Profile"))).isDir());

    const CliResult full = runCli(dir, { QStringLiteral("apply"), QStringLiteral("--full") });
    QCOMPARE(full.exitCode, 0);
    QCOMPARE(full.writtenCommands, fullUpload());

    const CliResult usage = runCli(dir, { QStringLiteral("apply"), QStringLiteral("--everything") });
    QCOMPARE(usage.exitCode, 64);
    QVERIFY(usage.err.contains(QStringLiteral("--everything")));
    QVERIFY(usage.writtenCommands.isEmpty());
}

void TestUploadCli::exportThenImportSendsTheFile()
{
    QTemporaryDir dir;
    const QString file = dir.filePath(QStringLiteral("mine.conf"));
    const CliResult exported = runCli(dir, { QStringLiteral("export-conf"), file });
    QCOMPARE(exported.exitCode, 0);
    QVERIFY(exported.writtenCommands.isEmpty());
    QSettings conf(file, QSettings::IniFormat);
    QCOMPARE(conf.value(QStringLiteral("MouseName/Name")).toString(), QStringLiteral("Tarq M1"));
    QVERIFY(conf.contains(QStringLiteral("PROFILE_0/pollrate")));
    QVERIFY(!conf.contains(QStringLiteral("PROFILE_0/LedMoveOFF")));

    // A file that changes the report rate of profile 0: the general section goes out.
    conf.setValue(QStringLiteral("PROFILE_0/pollrate"), 3);
    conf.sync();
    const CliResult imported = runCli(dir, { QStringLiteral("import-conf"), file });
    QCOMPARE(imported.exitCode, 0);
    QCOMPARE(imported.writtenCommands, QByteArray::fromHex("460101") + QByteArray(5, 0x40) + QByteArray::fromHex("46"));

    const CliResult forced = runCli(dir, { QStringLiteral("import-conf"), file, QStringLiteral("--full") });
    QCOMPARE(forced.exitCode, 0);
    QCOMPARE(forced.writtenCommands, fullUpload());
}

void TestUploadCli::anotherProductsFileIsRefused()
{
    QTemporaryDir dir;
    const QString file = dir.filePath(QStringLiteral("other.conf"));
    QCOMPARE(runCli(dir, { QStringLiteral("export-conf"), file }).exitCode, 0);
    QSettings(file, QSettings::IniFormat).setValue(QStringLiteral("MouseName/Name"), QStringLiteral("Other Mouse"));
    const CliResult refused = runCli(dir, { QStringLiteral("import-conf"), file, QStringLiteral("--full") });
    QCOMPARE(refused.exitCode, 3);
    QVERIFY(refused.err.contains(QStringLiteral("Other Mouse")));
    QVERIFY(refused.writtenCommands.isEmpty());

    const CliResult missing = runCli(dir, { QStringLiteral("import-conf"), dir.filePath(QStringLiteral("none.conf")) });
    QCOMPARE(missing.exitCode, 3);
    QVERIFY(missing.writtenCommands.isEmpty());
}

void TestUploadCli::noMouseIsReported()
{
    QTemporaryDir dir;
    const CliResult result = runCli(dir, { QStringLiteral("apply"), QStringLiteral("--full") }, QStringLiteral("none"));
    QCOMPARE(result.exitCode, 1);
    QVERIFY(result.err.contains(QStringLiteral("No mouse connected")));
    QVERIFY(result.writtenCommands.isEmpty());
}

QTEST_GUILESS_MAIN(TestUploadCli)
#include "test_upload_cli.moc"
