// SPDX-License-Identifier: GPL-3.0-or-later
#include <QDir>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <QRegularExpression>
#include <QSettings>
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

bool writeFile(const QString& path, const QByteArray& content)
{
    QFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(content) == content.size();
}

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
        // Profile 3 is on-board slot 2. The trace file starts afresh.
        QVERIFY(writeFile(cli.path("t.log"), "left over\n"));
        const Run run = cli.run({ "--simulate", "--trace", cli.path("t.log"), "select-profile", "3" });
        QCOMPARE(run.exitCode, 0);
        QVERIFY(run.out.contains(QLatin1String("On-board profile 3 selected.")));
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

    void dpiListsTheSlotInDpi()
    {
        CliRunner cli;
        const Run run = cli.run({ "--simulate", "dpi" });
        QCOMPARE(run.exitCode, 0);
        // A first start shows the product's stages (steps 7 .. 255 on its sensor 3395), the second active.
        QCOMPARE(run.out.split(QLatin1Char('\n'), Qt::SkipEmptyParts),
                 QStringList({ "profile 1 Profile 1", "  1 on  400 x 400 dpi", "> 2 on  800 x 800 dpi",
                               "  3 on  1600 x 1600 dpi", "  4 on  3200 x 3200 dpi", "  5 on  6400 x 6400 dpi",
                               "  6 on  12800 x 12800 dpi" }));
        QCOMPARE(cli.run({ "--simulate", "dpi", "2" }).exitCode, 64);
    }

    // Scripts read the same figures from --json as people from the lines.
    void jsonSaysWhatTheLinesSay()
    {
        CliRunner cli;
        const Run battery = cli.run({ "--simulate", "battery", "--json" });
        QCOMPARE(battery.exitCode, 0);
        const QJsonObject reading = QJsonDocument::fromJson(battery.out.toUtf8()).object();
        const Run lines = cli.run({ "--simulate", "battery" });
        QVERIFY(lines.out.contains(QStringLiteral("millivolts %1\n").arg(reading.value("millivolts").toInt())));
        QVERIFY(lines.out.contains(QStringLiteral("level %1\n").arg(reading.value("level").toInt())));
        QCOMPARE(reading.value("charging").toBool(), false);
        QCOMPARE(reading.value("percent").toInt(), 70);

        const Run dpi = cli.run({ "--simulate", "dpi", "--json" });
        QCOMPARE(dpi.exitCode, 0);
        const QJsonObject profile = QJsonDocument::fromJson(dpi.out.toUtf8()).object();
        QCOMPARE(profile.value("profile").toInt(), 1);
        QCOMPARE(profile.value("active").toInt(), 2);
        const QJsonArray stages = profile.value("stages").toArray();
        QCOMPARE(stages.size(), 6);
        QCOMPARE(stages.at(2).toObject().value("x").toInt(), 1600);
        QCOMPARE(stages.at(2).toObject().value("on").toBool(), true);

        cli.set(QStringLiteral("MOUSECFG_SIM_PLUG"), QStringLiteral("cable"));
        const Run devices = cli.run({ "--simulate", "devices", "--json" });
        QCOMPARE(devices.exitCode, 0);
        const QJsonArray products = QJsonDocument::fromJson(devices.out.toUtf8()).array();
        QCOMPARE(products.size(), 1);
        const QJsonObject product = products.first().toObject();
        QCOMPARE(product.value("product").toString(), QStringLiteral("Tarq M1"));
        QCOMPARE(product.value("cable").toObject().value("connected").toBool(), true);
        QCOMPARE(product.value("receiver").toObject().value("connected").toBool(), false);
        QVERIFY(product.value("cable").toObject().value("commandPath").toString().contains(QLatin1String("col04")));

        // Without the window there is nobody to ask.
        for (const char* command : { "status", "watch" }) {
            const Run alone = cli.run({ "--simulate", command });
            QCOMPARE(alone.exitCode, 1);
            QVERIFY2(alone.err.contains(QLatin1String("running window")), qPrintable(alone.err));
        }
    }

    void appProfilesListsTheRulesTheWindowFollows()
    {
        CliRunner cli;
        const Run none = cli.run({ "--simulate", "app-profiles" });
        QCOMPARE(none.exitCode, 0);
        QCOMPARE(none.out,
                 QStringLiteral("switching: off\nwhen no rule matches: stay on the current profile\nno rules\n"));

        // What the window's dialog writes, junk left out as the window leaves it out.
        QSettings file(cli.path(QStringLiteral("Configs/Config.ini")), QSettings::IniFormat);
        file.setValue(QStringLiteral("AppProfiles/Enabled"), 1);
        file.setValue(QStringLiteral("AppProfiles/Default"), 2);
        file.setValue(QStringLiteral("AppProfiles/Count"), 3);
        file.setValue(QStringLiteral("AppProfiles/1_Match"), QStringLiteral("quake3"));
        file.setValue(QStringLiteral("AppProfiles/1_Slot"), 3);
        file.setValue(QStringLiteral("AppProfiles/2_Match"), QStringLiteral("editor"));
        file.setValue(QStringLiteral("AppProfiles/2_Slot"), 9);
        file.setValue(QStringLiteral("AppProfiles/3_Match"), QStringLiteral("Blender"));
        file.setValue(QStringLiteral("AppProfiles/3_Slot"), 5);
        file.sync();
        const Run lines = cli.run({ "--simulate", "app-profiles" });
        QCOMPARE(lines.exitCode, 0);
        QCOMPARE(lines.out, QStringLiteral("switching: on\nwhen no rule matches: profile 2\n"
                                           "1. quake3 -> profile 3\n2. Blender -> profile 5\n"));
        const Run json = cli.run({ "--simulate", "app-profiles", "--json" });
        const QJsonObject rules = QJsonDocument::fromJson(json.out.toUtf8()).object();
        QCOMPARE(rules.value("enabled").toBool(), true);
        QCOMPARE(rules.value("default").toInt(), 2);
        QCOMPARE(rules.value("rules").toArray().size(), 2);
        QCOMPARE(rules.value("rules").toArray().at(1).toObject().value("match").toString(), QStringLiteral("Blender"));
        QCOMPARE(cli.run({ "--simulate", "app-profiles", "all" }).exitCode, 64);
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
        QTest::newRow("slot zero") << QStringList{ "--simulate", "select-profile", "0" };
        QTest::newRow("slot past the last") << QStringList{ "--simulate", "select-profile", "6" };
        QTest::newRow("slot with a leading zero") << QStringList{ "--simulate", "select-profile", "01" };
        QTest::newRow("slot with a sign") << QStringList{ "--simulate", "select-profile", "+2" };
        QTest::newRow("slot with a line break") << QStringList{ "--simulate", "select-profile", "2\n" };
        QTest::newRow("slot not a number") << QStringList{ "--simulate", "select-profile", "two" };
        QTest::newRow("two slots") << QStringList{ "--simulate", "select-profile", "1", "2" };
        QTest::newRow("devices with an argument") << QStringList{ "--simulate", "devices", "all" };
        QTest::newRow("battery with an argument") << QStringList{ "--simulate", "battery", "--jsn" };
        QTest::newRow("empty export path") << QStringList{ "--simulate", "export-conf", "" };
        QTest::newRow("empty import path") << QStringList{ "--simulate", "import-conf", "" };
        QTest::newRow("app dir is a file") << QStringList{ "--app-dir", "/etc/hostname", "devices" };
    }

    void badArguments()
    {
        QFETCH(QStringList, arguments);
        CliRunner cli;
        const Run run = cli.run(arguments);
        QCOMPARE(run.exitCode, 64);
        QVERIFY(run.err.contains(QLatin1String("usage: mousecfg-cli")));
        QVERIFY(run.out.isEmpty());
        // The message names what was wrong, not just the usage.
        QVERIFY2(run.err.count(QLatin1Char('\n')) >= 2 || arguments.isEmpty(), qPrintable(run.err));
    }

    void diagnosticsOnlyWhenAsked()
    {
        CliRunner cli;
        cli.set(QStringLiteral("QT_LOGGING_RULES"), QString());
        const Run quiet = cli.run({ "--simulate", "apply", "--full" });
        QCOMPARE(quiet.exitCode, 0);
        QCOMPARE(quiet.err, QString());
        cli.set(QStringLiteral("QT_LOGGING_RULES"), QStringLiteral("mousecfg.*=true"));
        const Run loud = cli.run({ "--simulate", "apply", "--full" });
        QCOMPARE(loud.exitCode, 0);
        for (const char* area : { "mousecfg.device:", "mousecfg.transport:", "mousecfg.cli:" })
            QVERIFY2(loud.err.contains(QLatin1String(area)), area);
    }

    void helpAndVersionExitZero()
    {
        CliRunner cli;
        const Run help = cli.run({ "--help" });
        QCOMPARE(help.exitCode, 0);
        QVERIFY(help.out.contains(QLatin1String("usage: mousecfg-cli")));
        QVERIFY(help.out.contains(QLatin1String("64 a bad argument")));
        // Every command, each with what it does.
        for (const char* command :
             { "devices", "select-profile", "battery", "apply", "import-conf", "export-conf", "dpi" }) {
            const QRegularExpression line(QStringLiteral("^  %1( [^ ]+)* {2,}\\w").arg(QLatin1String(command)),
                                          QRegularExpression::MultilineOption);
            QVERIFY2(line.match(help.out).hasMatch(), command);
        }
        const Run version = cli.run({ "--version" });
        QCOMPARE(version.exitCode, 0);
        QVERIFY(version.out.startsWith(QLatin1String("mousecfg-cli ")));
    }

    // A transfer that fails is its own exit code and never the usage line.
    void failedTransfers_data()
    {
        QTest::addColumn<QString>("fault");
        QTest::addColumn<QStringList>("arguments");
        QTest::addColumn<int>("exitCode");
        QTest::newRow("not confirmed, apply") << "bad-echo" << QStringList{ "apply", "--full" } << 2;
        QTest::newRow("write failed") << "write-failure" << QStringList{ "select-profile", "1" } << 4;
        QTest::newRow("write failed, battery") << "write-failure" << QStringList{ "battery" } << 4;
        QTest::newRow("asleep, battery") << "asleep" << QStringList{ "battery" } << 5;
    }

    void failedTransfers()
    {
        QFETCH(QString, fault);
        QFETCH(QStringList, arguments);
        QFETCH(int, exitCode);
        CliRunner cli;
        cli.set(QStringLiteral("MOUSECFG_SIM_FAULT"), fault);
        const Run run = cli.run(QStringList{ "--simulate" } + arguments);
        QCOMPARE(run.exitCode, exitCode);
        QVERIFY(!run.err.isEmpty());
        QVERIFY2(!run.err.contains(QLatin1String("usage:")), qPrintable(run.err));
    }
};

QTEST_GUILESS_MAIN(TestCli)
#include "test_cli.moc"
