#include "device_sandbox.h"

#include <QProcess>
#include <QSettings>
#include <QTemporaryDir>
#include <QtTest>
#include <sys/stat.h>

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
                 const QString& plug = QStringLiteral("receiver"), const QStringList& variables = {})
{
    const QString trace = dir.filePath(QStringLiteral("trace.log"));
    QFile::remove(trace);
    QProcess process;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(QStringLiteral("MOUSECFG_SIM_PLUG"), plug);
    for (const QString& variable : variables) {
        environment.insert(variable.section(QLatin1Char('='), 0, 0), variable.section(QLatin1Char('='), 1));
    }
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
    void exportRefusesWhatIsNotAFile();
    void unwritableConfigDirIsNamedOnce();
    void failedSaveIsExitSixAfterSending();
    void damagedConfigIniIsKeptAndReplaced();
    void importsPassTheGates();
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
    conf.setValue(QStringLiteral("PROFILE_0/pollrate"), 2);
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

void TestUploadCli::exportRefusesWhatIsNotAFile()
{
    QTemporaryDir dir;
    const QString fifo = dir.filePath(QStringLiteral("pipe"));
    QVERIFY(mkfifo(QFile::encodeName(fifo).constData(), 0600) == 0);
    QVERIFY(QDir().mkpath(dir.filePath(QStringLiteral("folder"))));
    QVERIFY(QFile(dir.filePath(QStringLiteral("plain"))).open(QIODevice::WriteOnly));
    const QStringList targets = { fifo, dir.filePath(QStringLiteral("folder")),
                                  dir.filePath(QStringLiteral("plain/inside.conf")),
                                  dir.filePath(QStringLiteral("missing/new.conf")) };
    for (const QString& target : targets) {
        // A FIFO without a reader would hang a writer for ever; the refusal comes first.
        const CliResult refused = runCli(dir, { QStringLiteral("export-conf"), target });
        QCOMPARE(refused.exitCode, 6);
        QVERIFY2(refused.err.contains(target), qPrintable(refused.err));
        QVERIFY(!refused.err.contains(QStringLiteral("usage:")));
        QVERIFY(refused.out.isEmpty());
    }
    QVERIFY(QFileInfo(dir.filePath(QStringLiteral("folder"))).isDir());
    QVERIFY(!QFileInfo::exists(dir.filePath(QStringLiteral("missing"))));
    QCOMPARE(QFileInfo(dir.filePath(QStringLiteral("plain"))).size(), 0);
}

void TestUploadCli::unwritableConfigDirIsNamedOnce()
{
    QTemporaryDir dir;
    QVERIFY(QFile(dir.filePath(QStringLiteral("plain"))).open(QIODevice::WriteOnly));
    const QString wanted = dir.filePath(QStringLiteral("plain/Configs"));
    const QString xdg = dir.filePath(QStringLiteral("xdg"));
    const CliResult result = runCli(dir, { QStringLiteral("--config-dir"), wanted, QStringLiteral("apply") },
                                    QStringLiteral("receiver"), { QStringLiteral("XDG_CONFIG_HOME=") + xdg });
    QCOMPARE(result.exitCode, 0);
    QCOMPARE(result.err.count(wanted), 1);
    QVERIFY2(result.err.contains(xdg + QStringLiteral("/mousecfg/Configs")), qPrintable(result.err));
    QVERIFY(QFileInfo::exists(xdg + QStringLiteral("/mousecfg/Configs/Config.ini")));
}

void TestUploadCli::failedSaveIsExitSixAfterSending()
{
    QTemporaryDir dir;
    QCOMPARE(runCli(dir, { QStringLiteral("apply") }).exitCode, 0);
    // A folder where a slot's profile file belongs cannot be written over, even by root.
    const QString blocked = dir.filePath(QStringLiteral("Configs/Profile/Profile 2.prof"));
    QVERIFY(QFile::remove(blocked));
    QVERIFY(QDir().mkpath(blocked));
    const CliResult result = runCli(dir, { QStringLiteral("apply"), QStringLiteral("--full") });
    QCOMPARE(result.exitCode, 6);
    QCOMPARE(result.writtenCommands, fullUpload());
    QVERIFY2(result.err.contains(blocked), qPrintable(result.err));
    QVERIFY(!result.out.contains(QStringLiteral("Configuration sent.")));
}

void TestUploadCli::damagedConfigIniIsKeptAndReplaced()
{
    QTemporaryDir dir;
    const QString exported = dir.filePath(QStringLiteral("mine.conf"));
    QCOMPARE(runCli(dir, { QStringLiteral("export-conf"), exported }).exitCode, 0);
    const QString config = dir.filePath(QStringLiteral("Configs/Config.ini"));
    QFile file(config);
    QVERIFY(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
    file.write("[Config]\nDiff=0\nProfile2=Game\n[MACRO_LIST]\n0=burst\n");
    file.close();

    // What can still be read stays; only the product and the missing slot names are filled in.
    const CliResult imported = runCli(dir, { QStringLiteral("import-conf"), exported });
    QCOMPARE(imported.exitCode, 0);
    QVERIFY2(imported.err.contains(config), qPrintable(imported.err));
    QVERIFY(!QFileInfo::exists(config + QStringLiteral(".damaged")));
    QSettings repaired(config, QSettings::IniFormat);
    QCOMPARE(repaired.value(QStringLiteral("Config/CurrentProductName")).toString(), QStringLiteral("Tarq M1"));
    QCOMPARE(repaired.value(QStringLiteral("MACRO_LIST/0")).toString(), QStringLiteral("burst"));
    QCOMPARE(repaired.value(QStringLiteral("Config/Profile2")).toString(), QStringLiteral("Game"));
    for (int slot : { 1, 3, 4, 5 }) {
        QCOMPARE(repaired.value(QStringLiteral("Config/Profile%1").arg(slot)).toString(),
                 QStringLiteral("Profile %1").arg(slot));
    }
}

// Values outside their ranges are repaired and said on stderr; a profile without a left click is
// never sent.
void TestUploadCli::importsPassTheGates()
{
    QTemporaryDir dir;
    const QString file = dir.filePath(QStringLiteral("wild.conf"));
    QCOMPARE(runCli(dir, { QStringLiteral("export-conf"), file }).exitCode, 0);
    {
        QSettings conf(file, QSettings::IniFormat);
        conf.setValue(QStringLiteral("PROFILE_0/pollrate"), 231);
        conf.setValue(QStringLiteral("Config/Debounce"), 0);
    }
    const CliResult repaired = runCli(dir, { QStringLiteral("import-conf"), file, QStringLiteral("--full") });
    QCOMPARE(repaired.exitCode, 0);
    QVERIFY2(
        repaired.err.contains(QStringLiteral("wild.conf, profile 1: report rate 231 is not a rate; 1000 Hz used.")),
        qPrintable(repaired.err));
    QVERIFY(repaired.err.contains(QStringLiteral("wild.conf: key response 0 is outside 1..255; 1 used.")));
    QVERIFY(!repaired.writtenCommands.isEmpty());

    {
        QSettings conf(file, QSettings::IniFormat);
        conf.setValue(QStringLiteral("PROFILE_0/pollrate"), 1);
        for (int slot = 0; slot < 42; ++slot) {
            const QString key = QStringLiteral("PROFILE_0/BUTTON_INFO_%1_Fun").arg(slot);
            if (conf.value(key).toInt() == 1)
                conf.setValue(key, 2);
        }
    }
    const CliResult refused = runCli(dir, { QStringLiteral("import-conf"), file, QStringLiteral("--full") });
    QCOMPARE(refused.exitCode, 3);
    QVERIFY2(refused.err.contains(QStringLiteral("AT LEAST ONE CLICK FUNCTION TO BE RETAINED.")),
             qPrintable(refused.err));
    QVERIFY(refused.writtenCommands.isEmpty());
}

QTEST_GUILESS_MAIN(TestUploadCli)
#include "test_upload_cli.moc"
