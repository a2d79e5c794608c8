// SPDX-License-Identifier: GPL-3.0-or-later
// Start-up time and resident memory of the main window against a bare toolkit window of the same
// size, and the window's load while it sits idle. Both programs run as separate processes, so
// their start-up (loading, linking, connecting to the display) is part of the figure.

#include "app/startup_probe.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <QThread>
#include <algorithm>
#include <cstdio>
#include <unistd.h>
#include <vector>

namespace {

constexpr int kRuns = 10;
constexpr int kSettleMs = 3000;
constexpr int kIdleMs = 20000;
constexpr int kFirstPaintTimeoutMs = 60000;
constexpr int kStopTimeoutMs = 5000;
constexpr double kTimeGoal = 1.5;
constexpr double kMemoryGoal = 1.3;
constexpr double kIdleCpuGoalPercent = 0.5;

struct Program
{
    const char* name;
    QString path;
    QStringList arguments;
};

struct Sample
{
    double firstPaintMs = 0; // measured here, from just before the process is started
    double reportedMs = 0;   // what the program measured from its own main()
    double rssKb = 0;        // kSettleMs after the first paint
};

struct Figures
{
    std::vector<double> firstPaintMs;
    std::vector<double> reportedMs;
    std::vector<double> rssKb;

    void add(const Sample& sample)
    {
        firstPaintMs.push_back(sample.firstPaintMs);
        reportedMs.push_back(sample.reportedMs);
        rssKb.push_back(sample.rssKb);
    }
};

// "VmRSS:    12345 kB" of /proc/PID/status; -1 when the process is gone.
double residentKb(qint64 pid)
{
    QFile status(QStringLiteral("/proc/%1/status").arg(pid));
    if (!status.open(QIODevice::ReadOnly))
        return -1;
    for (QByteArray line = status.readLine(); !line.isEmpty(); line = status.readLine()) {
        if (line.startsWith("VmRSS:"))
            return line.mid(6).trimmed().split(' ').value(0).toDouble();
    }
    return -1;
}

// utime + stime of /proc/PID/stat in clock ticks; -1 when the process is gone. The name field
// may hold spaces and parentheses, so the fields are counted from its closing parenthesis.
long long cpuTicks(qint64 pid)
{
    QFile stat(QStringLiteral("/proc/%1/stat").arg(pid));
    if (!stat.open(QIODevice::ReadOnly))
        return -1;
    const QByteArray text = stat.readAll();
    const QList<QByteArray> fields = text.mid(text.lastIndexOf(')') + 2).split(' ');
    constexpr int kUtime = 14 - 3; // field 14 of the stat line; the list starts at field 3
    constexpr int kStime = 15 - 3;
    if (fields.size() <= kStime)
        return -1;
    return fields.at(kUtime).toLongLong() + fields.at(kStime).toLongLong();
}

double median(std::vector<double> values)
{
    std::sort(values.begin(), values.end());
    const size_t middle = values.size() / 2;
    return values.size() % 2 ? values[middle] : (values[middle - 1] + values[middle]) / 2;
}

// One run of a program in temporary and configuration folders of its own, so that runs never
// meet each other's lock file or settings; stopped when it goes out of scope. The baseline is
// given the same arguments and ignores them.
class ProbedRun final
{
public:
    explicit ProbedRun(const Program& program)
    {
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        environment.insert(QString::fromLatin1(kStartupProbeVariable), QStringLiteral("1"));
        environment.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("xcb"));
        environment.insert(QStringLiteral("TMPDIR"), m_folders.path());
        // The instance lock lives there: no copy already running keeps this one out.
        environment.insert(QStringLiteral("XDG_RUNTIME_DIR"), m_folders.path());
        m_process.setProcessEnvironment(environment);
        m_process.setProgram(program.path);
        m_process.setArguments(program.arguments + QStringList{ QStringLiteral("--config-dir"),
                                                                m_folders.filePath(QStringLiteral("Configs")) });
    }

    ~ProbedRun()
    {
        if (m_process.state() == QProcess::NotRunning)
            return;
        m_process.terminate();
        if (!m_process.waitForFinished(kStopTimeoutMs)) {
            m_process.kill();
            m_process.waitForFinished();
        }
    }

    ProbedRun(const ProbedRun&) = delete;
    ProbedRun& operator=(const ProbedRun&) = delete;

    // Starts the program and waits for its first-paint line; false (with the reason on stderr)
    // when it ends or stays silent instead.
    bool startAndWaitForFirstPaint(Sample& sample)
    {
        const QByteArray expected = QByteArray(kFirstPaintLine) + ' ';
        QElapsedTimer clock;
        clock.start();
        m_process.start();
        while (clock.elapsed() < kFirstPaintTimeoutMs) {
            while (m_process.canReadLine()) {
                const QByteArray line = m_process.readLine().trimmed();
                if (line.startsWith(expected)) {
                    sample.firstPaintMs = clock.nsecsElapsed() / 1e6;
                    sample.reportedMs = line.mid(expected.size()).toDouble();
                    return true;
                }
            }
            if (!m_process.waitForReadyRead(static_cast<int>(kFirstPaintTimeoutMs - clock.elapsed())))
                break;
        }
        std::fprintf(stderr, "%s: no first paint (%s)\n%s", qPrintable(m_process.program()),
                     qPrintable(m_process.errorString()), m_process.readAllStandardError().constData());
        return false;
    }

    qint64 pid() const { return m_process.processId(); }

private:
    QTemporaryDir m_folders;
    QProcess m_process;
};

bool sample(const Program& program, Sample& result)
{
    ProbedRun run(program);
    if (!run.startAndWaitForFirstPaint(result))
        return false;
    QThread::msleep(kSettleMs);
    result.rssKb = residentKb(run.pid());
    return result.rssKb > 0;
}

// The share of one core the settled window uses over kIdleMs; negative when that failed.
double idleCpuPercent(const Program& program)
{
    Sample ignored;
    ProbedRun run(program);
    if (!run.startAndWaitForFirstPaint(ignored))
        return -1;
    QThread::msleep(kSettleMs);
    const long long before = cpuTicks(run.pid());
    QElapsedTimer clock;
    clock.start();
    QThread::msleep(kIdleMs);
    const long long after = cpuTicks(run.pid());
    const double seconds = clock.nsecsElapsed() / 1e9;
    if (before < 0 || after < 0)
        return -1;
    return 100.0 * static_cast<double>(after - before) / static_cast<double>(sysconf(_SC_CLK_TCK)) / seconds;
}

void printRow(const char* what, double application, double baseline, const char* goal = nullptr)
{
    std::printf("%-26s %12.1f %16.1f %8.2f", what, application, baseline, baseline > 0 ? application / baseline : 0.0);
    if (goal)
        std::printf("   %s", goal);
    std::printf("\n");
}

} // namespace

int main(int argc, char* argv[])
{
    QCoreApplication app(argc, argv);
    if (qEnvironmentVariableIsEmpty("DISPLAY")) {
        std::fprintf(stderr, "startup_bench needs an X server and DISPLAY is not set; run it as\n"
                             "  xvfb-run -a -s '-screen 0 1280x800x24' build/bin/startup_bench\n");
        return 2;
    }
    const QString bin = QCoreApplication::applicationDirPath();
    const Program mousecfg{ "mousecfg", bin + QStringLiteral("/mousecfg"), { QStringLiteral("--simulate") } };
    const Program minimal{ "minimal_window", bin + QStringLiteral("/minimal_window"), {} };

    Figures application;
    Figures baseline;
    // Alternating runs share whatever else the machine is doing at the time.
    for (int i = 0; i < kRuns; ++i) {
        for (auto [program, figures] : { std::pair(&mousecfg, &application), std::pair(&minimal, &baseline) }) {
            Sample result;
            if (!sample(*program, result))
                return 1;
            figures->add(result);
        }
    }
    const double idle = idleCpuPercent(mousecfg);

    char timeGoal[32];
    char memoryGoal[32];
    char memoryRow[32];
    std::snprintf(timeGoal, sizeof timeGoal, "goal <= %.1f", kTimeGoal);
    std::snprintf(memoryGoal, sizeof memoryGoal, "goal <= %.1f", kMemoryGoal);
    std::snprintf(memoryRow, sizeof memoryRow, "VmRSS kB after %d s", kSettleMs / 1000);
    std::printf("start-up with the virtual mouse connected, median of %d runs each\n", kRuns);
    std::printf("%-26s %12s %16s %8s\n", "", mousecfg.name, minimal.name, "ratio");
    printRow("first paint ms", median(application.firstPaintMs), median(baseline.firstPaintMs), timeGoal);
    printRow("  of which since main() ms", median(application.reportedMs), median(baseline.reportedMs));
    printRow(memoryRow, median(application.rssKb), median(baseline.rssKb), memoryGoal);
    if (idle < 0) {
        std::printf("idle CPU: the window did not stay up for the measurement\n");
        return 1;
    }
    std::printf("idle CPU of %s over %d s: %.2f %% of one core (goal < %.1f %%)\n", mousecfg.name, kIdleMs / 1000, idle,
                kIdleCpuGoalPercent);
    return 0;
}
