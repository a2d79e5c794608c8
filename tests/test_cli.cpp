#include <QDir>
#include <QProcess>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QtTest>

namespace {

struct Run
{
    int exitCode = -1;
    QString out;
    QString err;
};

class CliRunner
{
public:
    CliRunner() { m_environment = QProcessEnvironment::systemEnvironment(); }

    void set(const QString& name, const QString& value) { m_environment.insert(name, value); }

    Run run(const QStringList& arguments) const
    {
        QProcess process;
        process.setProcessEnvironment(m_environment);
        process.setWorkingDirectory(m_dir.path());
        process.start(QCoreApplication::applicationDirPath() + QStringLiteral("/mousecfg-cli"),
                      QStringList{ QStringLiteral("--config-dir"), m_dir.filePath(QStringLiteral("Configs")) } +
                          arguments);
        Run result;
        if (!process.waitForFinished(60000))
            return result;
        result.exitCode = process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -1;
        result.out = QString::fromUtf8(process.readAllStandardOutput());
        result.err = QString::fromUtf8(process.readAllStandardError());
        return result;
    }

    QString path(const QString& name) const { return m_dir.filePath(name); }

private:
    QTemporaryDir m_dir;
    QProcessEnvironment m_environment;
};

QStringList readLines(const QString& path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return {};
    return QString::fromLatin1(file.readAll()).split(QLatin1Char('\n'), Qt::SkipEmptyParts);
}

// A command report line as the trace shows it: the given leading bytes, zeros up to 33.
QString reportLine(const char* direction, const QString& leading)
{
    const int given = leading.split(QLatin1Char(' ')).size();
    return QLatin1String(direction) + QLatin1Char(' ') + leading + QStringLiteral(" 00").repeated(33 - given);
}

QString commitLine(const char* direction, const char* checksum, const char* bit)
{
    return reportLine(direction, QStringLiteral("05 %1 fa 40 f3 %2").arg(QLatin1String(checksum), QLatin1String(bit)));
}

} // namespace

class TestCli : public QObject
{
    Q_OBJECT

private slots:
    void selectProfileWritesTheSwitchSequence()
    {
        CliRunner cli;
        const Run run = cli.run({ "--simulate", "--trace", cli.path("t.log"), "select-profile", "2" });
        QCOMPARE(run.exitCode, 0);
        // 0x44 with slot 2 (not echoed), commit 0x01, then the five commits 04 01 02 08 10.
        const QStringList expected = {
            reportLine("W", "05 26 fa 44 02"), commitLine("W", "48", "01"), commitLine("R", "48", "01"),
            commitLine("W", "57", "04"),       commitLine("R", "57", "04"), commitLine("W", "48", "01"),
            commitLine("R", "48", "01"),       commitLine("W", "49", "02"), commitLine("R", "49", "02"),
            commitLine("W", "53", "08"),       commitLine("R", "53", "08"), commitLine("W", "5b", "10"),
            commitLine("R", "5b", "10"),
        };
        QCOMPARE(readLines(cli.path("t.log")), expected);
    }

    void traceFromTheEnvironment()
    {
        CliRunner cli;
        cli.set(QStringLiteral("MOUSECFG_SIM_TRACE"), cli.path("env.log"));
        QCOMPARE(cli.run({ "--simulate", "battery" }).exitCode, 0);
        const QStringList lines = readLines(cli.path("env.log"));
        QCOMPARE(lines.size(), 2);
        QCOMPARE(lines.first(), reportLine("W", "05 24 fa 48"));
        QVERIFY(lines.last().startsWith(QLatin1String("R 05 ")));
    }

    void battery()
    {
        CliRunner cli;
        const Run run = cli.run({ "--simulate", "battery" });
        QCOMPARE(run.exitCode, 0);
        // The level word is coarser than a millivolt: the sim's default 3900 mV comes back close.
        const QRegularExpression millivolts(QStringLiteral("millivolts (\\d+)"));
        const int reported = millivolts.match(run.out).captured(1).toInt();
        QVERIFY2(reported >= 3900 && reported < 3905, qPrintable(run.out));
        QVERIFY(run.out.contains(QLatin1String("charging no")));
    }

    void simulatedDevices()
    {
        CliRunner cli;
        cli.set(QStringLiteral("MOUSECFG_SIM_PLUG"), QStringLiteral("both"));
        const Run run = cli.run({ "--simulate", "devices" });
        QCOMPARE(run.exitCode, 0);
        QVERIFY(run.out.contains(QLatin1String("receiver 3a5c:1001: pointer 1, command 1 (connected)")));
        QVERIFY(run.out.contains(QLatin1String("&MI_00&col04")));
    }

    void noMouse_data()
    {
        QTest::addColumn<QStringList>("arguments");
        QTest::addColumn<int>("exitCode");
        QTest::newRow("devices") << QStringList{ "--simulate", "devices" } << 0;
        QTest::newRow("select-profile") << QStringList{ "--simulate", "select-profile", "1" } << 1;
        QTest::newRow("battery") << QStringList{ "--simulate", "battery" } << 1;
    }

    void noMouse()
    {
        QFETCH(QStringList, arguments);
        QFETCH(int, exitCode);
        CliRunner cli;
        cli.set(QStringLiteral("MOUSECFG_SIM_PLUG"), QStringLiteral("none"));
        const Run run = cli.run(arguments);
        QCOMPARE(run.exitCode, exitCode);
        QVERIFY(run.out.contains(QLatin1String("No mouse found.")) || run.err.contains(QLatin1String("No mouse")));
    }

    void realLibraryWithoutAMouse()
    {
        if (!QDir(QStringLiteral("/dev")).entryList({ QStringLiteral("hidraw*") }, QDir::System).isEmpty())
            QSKIP("this machine has hidraw devices");
        CliRunner cli;
        const Run run = cli.run({ "devices" });
        QCOMPARE(run.exitCode, 0);
        QCOMPARE(run.out, QStringLiteral("No mouse found.\n"));
        const Run battery = cli.run({ "battery" });
        QCOMPARE(battery.exitCode, 1);
        QVERIFY(battery.err.contains(QLatin1String("No mouse connected.")));
    }

    void badArguments_data()
    {
        QTest::addColumn<QStringList>("arguments");
        QTest::newRow("no command") << QStringList{};
        QTest::newRow("unknown command") << QStringList{ "frobnicate" };
        QTest::newRow("unknown option") << QStringList{ "--loud", "devices" };
        QTest::newRow("trace without a file") << QStringList{ "--simulate", "--trace" };
        QTest::newRow("trace without simulation") << QStringList{ "--trace", "t.log", "devices" };
        QTest::newRow("slot missing") << QStringList{ "--simulate", "select-profile" };
        QTest::newRow("slot out of range") << QStringList{ "--simulate", "select-profile", "5" };
        QTest::newRow("slot not a number") << QStringList{ "--simulate", "select-profile", "two" };
        QTest::newRow("devices with an argument") << QStringList{ "--simulate", "devices", "all" };
    }

    void badArguments()
    {
        QFETCH(QStringList, arguments);
        CliRunner cli;
        const Run run = cli.run(arguments);
        QCOMPARE(run.exitCode, 2);
        QVERIFY(run.err.contains(QLatin1String("usage: mousecfg-cli")));
        QVERIFY(run.out.isEmpty());
    }
};

QTEST_GUILESS_MAIN(TestCli)
#include "test_cli.moc"
