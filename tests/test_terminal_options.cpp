// SPDX-License-Identifier: GPL-3.0-or-later
#include <QProcess>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QtTest>

// The three programs asked from a terminal, where there may be no display at all: --help and
// --version answer, a bad option is a usage error, and each program names itself alike.
class TestTerminalOptions final : public QObject
{
    Q_OBJECT

private slots:
    void answersWithoutADisplay_data();
    void answersWithoutADisplay();

private:
    QTemporaryDir m_workingDir;
};

void TestTerminalOptions::answersWithoutADisplay_data()
{
    QTest::addColumn<QString>("program");
    QTest::addColumn<QString>("option");
    QTest::addColumn<bool>("display"); // the offscreen platform; else none at all
    QTest::addColumn<int>("exitCode");
    QTest::addColumn<QString>("out"); // a pattern; empty: nothing at all
    QTest::addColumn<QString>("err"); // a pattern for one of its lines; empty: nothing at all
    const QString version = QStringLiteral("^%1 \\d+\\.\\d+\\.\\d+\\n$");
    const QString usage = QStringLiteral("^usage: %1 ");
    const QString unknown = QStringLiteral("^%1: unknown (argument|option|command) %2$");
    for (const char* name : { "mousecfg", "OSD", "mousecfg-cli" }) {
        const QString program = QLatin1String(name);
        QTest::addRow("%s --help", name) << program << "--help" << false << 0 << usage.arg(program) << "";
        QTest::addRow("%s --version", name) << program << "--version" << false << 0 << version.arg(program) << "";
        QTest::addRow("%s --bogus", name)
            << program << "--bogus" << false << 64 << "" << unknown.arg(program, QStringLiteral("--bogus"));
        // A word that is no option of ours may still be the toolkit's: it waits for the display,
        // and the toolkit may say something of its own first.
        QTest::addRow("%s stray", name) << program << "stray" << true << 64 << ""
                                        << unknown.arg(program, QStringLiteral("stray"));
    }
}

void TestTerminalOptions::answersWithoutADisplay()
{
    QFETCH(QString, program);
    QFETCH(QString, option);
    QFETCH(bool, display);
    QFETCH(int, exitCode);
    QFETCH(QString, out);
    QFETCH(QString, err);
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.remove(QStringLiteral("DISPLAY"));
    environment.remove(QStringLiteral("WAYLAND_DISPLAY"));
    environment.insert(QStringLiteral("QT_QPA_PLATFORM"), display ? QStringLiteral("offscreen") : QString());
    // Nothing may be written anywhere: the configuration directory named does not exist after.
    const QString configDir = m_workingDir.filePath(QStringLiteral("Configs"));
    environment.insert(QStringLiteral("MOUSECFG_CONFIG_DIR"), configDir);
    QProcess process;
    process.setProcessEnvironment(environment);
    process.setWorkingDirectory(m_workingDir.path());
    process.start(QCoreApplication::applicationDirPath() + QLatin1Char('/') + program, { option });
    QVERIFY(process.waitForFinished(60000));
    const QString stdOut = QString::fromLocal8Bit(process.readAllStandardOutput());
    const QString stdErr = QString::fromLocal8Bit(process.readAllStandardError());
    QCOMPARE(process.exitStatus(), QProcess::NormalExit);
    QVERIFY2(process.exitCode() == exitCode, qPrintable(stdErr));
    for (const auto& [pattern, text] : { std::make_pair(out, stdOut), std::make_pair(err, stdErr) }) {
        if (pattern.isEmpty())
            QVERIFY2(text.isEmpty(), qPrintable(text));
        else
            QVERIFY2(QRegularExpression(pattern, QRegularExpression::MultilineOption).match(text).hasMatch(),
                     qPrintable(text));
    }
    QVERIFY(!QFileInfo::exists(configDir));
    QVERIFY(QDir(m_workingDir.path()).isEmpty());
}

QTEST_GUILESS_MAIN(TestTerminalOptions)
#include "test_terminal_options.moc"
