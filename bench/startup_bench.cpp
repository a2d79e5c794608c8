// SPDX-License-Identifier: GPL-3.0-or-later
// What a user waits for when the main window starts: from fork() to the X server's MapNotify of
// the program's window, and its resident memory a few seconds later, against a plain toolkit
// window of the same size; then the window's load while it sits idle, the milliseconds of each
// start-up step as the program logs them, and a start with a very large Config.ini.

#include <QByteArray>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QList>
#include <QString>
#include <QTemporaryDir>
#include <QThread>
#include <X11/Xatom.h>
#include <X11/Xlib.h>
#include <algorithm>
#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <fcntl.h>
#include <string>
#include <sys/select.h>
#include <sys/wait.h>
#include <unistd.h>
#include <vector>

namespace {

constexpr int kRuns = 7;
constexpr int kSettleMs = 3000;
constexpr int kIdleMs = 20000;
constexpr int kMapTimeoutMs = 60000;
constexpr int kStopTimeoutMs = 5000;
constexpr double kTimeGoal = 1.5;
constexpr double kMemoryGoal = 1.3;
constexpr double kIdleCpuGoalPercent = 0.5;
constexpr qint64 kLargeConfigBytes = 50LL * 1024 * 1024;
constexpr double kLargeConfigTimeGoalMs = 1500;
constexpr double kLargeConfigMemoryGoalKb = 150.0 * 1024;

struct Program
{
    const char* name;
    std::string path;
    std::vector<std::string> arguments;
};

struct Memory
{
    double rssKb = -1;
    double anonKb = -1;
    double fileKb = -1;
};

struct Sample
{
    double mapMs = 0;
    Memory memory;
};

// The "VmRSS", "RssAnon" and "RssFile" lines of /proc/PID/status.
Memory residentMemory(pid_t pid)
{
    Memory memory;
    QFile status(QStringLiteral("/proc/%1/status").arg(pid));
    if (!status.open(QIODevice::ReadOnly))
        return memory;
    for (QByteArray line = status.readLine(); !line.isEmpty(); line = status.readLine()) {
        const double kb = line.mid(line.indexOf(':') + 1).trimmed().split(' ').value(0).toDouble();
        if (line.startsWith("VmRSS:"))
            memory.rssKb = kb;
        else if (line.startsWith("RssAnon:"))
            memory.anonKb = kb;
        else if (line.startsWith("RssFile:"))
            memory.fileKb = kb;
    }
    return memory;
}

// utime + stime of /proc/PID/stat in clock ticks; -1 when the process is gone. The name field
// may hold spaces and parentheses, so the fields are counted from its closing parenthesis.
long long cpuTicks(pid_t pid)
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

// The X connection that watches every top-level window being mapped.
class MapWatcher final
{
public:
    MapWatcher()
        : m_display(XOpenDisplay(nullptr))
    {
        if (!m_display)
            return;
        m_pidAtom = XInternAtom(m_display, "_NET_WM_PID", False);
        XSelectInput(m_display, DefaultRootWindow(m_display), SubstructureNotifyMask);
        XSync(m_display, False);
    }
    ~MapWatcher()
    {
        if (m_display)
            XCloseDisplay(m_display);
    }
    MapWatcher(const MapWatcher&) = delete;
    MapWatcher& operator=(const MapWatcher&) = delete;

    bool isOpen() const { return m_display != nullptr; }

    // Events of earlier runs are of no interest to the next one.
    void drop()
    {
        XSync(m_display, False);
        while (XPending(m_display) > 0) {
            XEvent event;
            XNextEvent(m_display, &event);
        }
    }

    // Waits for the first top-level window of process pid to be mapped; false when the process
    // ends first or the time runs out.
    bool waitForMap(pid_t pid, const QElapsedTimer& clock, double& mapMs)
    {
        const int fd = ConnectionNumber(m_display);
        while (clock.elapsed() < kMapTimeoutMs) {
            while (XPending(m_display) > 0) {
                XEvent event;
                XNextEvent(m_display, &event);
                if (event.type == MapNotify && !event.xmap.override_redirect && windowPid(event.xmap.window) == pid) {
                    mapMs = double(clock.nsecsElapsed()) / 1e6;
                    return true;
                }
            }
            if (waitpid(pid, nullptr, WNOHANG) == pid)
                return false;
            fd_set readable;
            FD_ZERO(&readable);
            FD_SET(fd, &readable);
            timeval wait{ 0, 100 * 1000 }; // to notice a process that ends without a window
            select(fd + 1, &readable, nullptr, nullptr, &wait);
        }
        return false;
    }

private:
    long windowPid(Window window)
    {
        Atom type = None;
        int format = 0;
        unsigned long count = 0;
        unsigned long after = 0;
        unsigned char* data = nullptr;
        long pid = -1;
        if (XGetWindowProperty(m_display, window, m_pidAtom, 0, 1, False, XA_CARDINAL, &type, &format, &count, &after,
                               &data) == Success &&
            data && format == 32 && count == 1)
            pid = *reinterpret_cast<long*>(data);
        if (data)
            XFree(data);
        return pid;
    }

    Display* m_display;
    Atom m_pidAtom = None;
};

// One run of a program in temporary and configuration folders of its own, so that runs never
// meet each other's lock file or settings; stopped when it goes out of scope. The baseline is
// given the same arguments and ignores them.
class Run final
{
public:
    Run(const Program& program, const QString& configDir, const char* loggingRules = nullptr)
        : m_program(program)
        , m_configDir(configDir.isEmpty() ? m_folders.filePath(QStringLiteral("Configs")) : configDir)
        , m_loggingRules(loggingRules)
    {
    }
    ~Run() { stop(); }
    Run(const Run&) = delete;
    Run& operator=(const Run&) = delete;

    // Forks and runs the program; its stderr goes to errorFd when that is given.
    void start(int errorFd = -1)
    {
        const std::string tmp = m_folders.path().toStdString();
        const std::string config = m_configDir.toStdString();
        m_pid = fork();
        if (m_pid != 0)
            return;
        setenv("QT_QPA_PLATFORM", "xcb", 1);
        setenv("TMPDIR", tmp.c_str(), 1);
        // The instance lock lives there: no copy already running keeps this one out.
        setenv("XDG_RUNTIME_DIR", tmp.c_str(), 1);
        if (m_loggingRules)
            setenv("QT_LOGGING_RULES", m_loggingRules, 1);
        const int null = open("/dev/null", O_RDWR);
        dup2(null, STDIN_FILENO);
        dup2(null, STDOUT_FILENO);
        dup2(errorFd >= 0 ? errorFd : null, STDERR_FILENO);
        std::vector<char*> argv{ const_cast<char*>(m_program.path.c_str()) };
        for (const std::string& argument : m_program.arguments)
            argv.push_back(const_cast<char*>(argument.c_str()));
        argv.push_back(const_cast<char*>("--config-dir"));
        argv.push_back(const_cast<char*>(config.c_str()));
        argv.push_back(nullptr);
        execv(argv[0], argv.data());
        _exit(127);
    }

    void stop()
    {
        if (m_pid <= 0)
            return;
        kill(m_pid, SIGTERM);
        QElapsedTimer clock;
        clock.start();
        while (waitpid(m_pid, nullptr, WNOHANG) == 0) {
            if (clock.elapsed() > kStopTimeoutMs) {
                kill(m_pid, SIGKILL);
                waitpid(m_pid, nullptr, 0);
                break;
            }
            QThread::msleep(10);
        }
        m_pid = -1;
    }

    pid_t pid() const { return m_pid; }
    QString configDir() const { return m_configDir; }

private:
    const Program& m_program;
    QTemporaryDir m_folders;
    QString m_configDir;
    const char* m_loggingRules;
    pid_t m_pid = -1;
};

bool sample(MapWatcher& watcher, Run& run, Sample& result)
{
    watcher.drop();
    QElapsedTimer clock;
    clock.start();
    run.start();
    if (!watcher.waitForMap(run.pid(), clock, result.mapMs))
        return false;
    QThread::msleep(kSettleMs);
    result.memory = residentMemory(run.pid());
    return result.memory.rssKb > 0;
}

// The share of one core the settled window uses over kIdleMs; negative when that failed.
double idleCpuPercent(MapWatcher& watcher, const Program& program, const QString& configDir)
{
    Run run(program, configDir);
    Sample ignored;
    if (!sample(watcher, run, ignored))
        return -1;
    const long long before = cpuTicks(run.pid());
    QElapsedTimer clock;
    clock.start();
    QThread::msleep(kIdleMs);
    const long long after = cpuTicks(run.pid());
    const double seconds = double(clock.nsecsElapsed()) / 1e9;
    if (before < 0 || after < 0)
        return -1;
    return 100.0 * double(after - before) / double(sysconf(_SC_CLK_TCK)) / seconds;
}

// The program's own log of its start-up steps, from one more run.
QByteArray startupSteps(MapWatcher& watcher, const Program& program, const QString& configDir)
{
    int pipeFds[2];
    if (pipe(pipeFds) != 0)
        return {};
    Run run(program, configDir, "mousecfg.startup=true");
    watcher.drop();
    QElapsedTimer clock;
    clock.start();
    run.start(pipeFds[1]);
    close(pipeFds[1]);
    double mapMs = 0;
    const bool mapped = watcher.waitForMap(run.pid(), clock, mapMs);
    if (mapped)
        QThread::msleep(kSettleMs); // the first paint comes after the map
    run.stop();
    QFile output;
    output.open(pipeFds[0], QIODevice::ReadOnly, QFileDevice::AutoCloseHandle);
    QByteArray steps;
    for (const QByteArray& line : output.readAll().split('\n')) {
        if (line.contains("mousecfg.startup") || line.contains(" ms"))
            steps += "  " + line + '\n';
    }
    if (mapped)
        steps += QStringLiteral("  %1 mapped (seen by the X server)  at %2 ms after fork()\n")
                     .arg(program.name)
                     .arg(mapMs, 0, 'f', 1)
                     .toUtf8();
    return steps;
}

// A Config.ini of the size given: the one a first start wrote, padded with keys nobody reads.
bool writeLargeConfig(const QString& configDir, qint64 bytes)
{
    QFile config(configDir + QStringLiteral("/Config.ini"));
    if (!config.open(QIODevice::Append))
        return false;
    QByteArray padding = "\n[Padding]\n";
    padding.reserve(int(std::min<qint64>(bytes, 64 * 1024 * 1024)));
    for (int i = 0; padding.size() < bytes; ++i)
        padding += "Key" + QByteArray::number(i) + "=a value no reader asks for, repeated to fill the file\n";
    return config.write(padding) == padding.size();
}

void printRow(const char* what, double application, double baseline, const char* goal = nullptr)
{
    std::printf("%-26s %12.1f %16.1f %8.2f", what, application, baseline, baseline > 0 ? application / baseline : 0.0);
    if (goal)
        std::printf("   %s", goal);
    std::printf("\n");
}

// A first start makes the configuration folder; the measured starts are the ones after it.
bool prepareConfiguration(MapWatcher& watcher, const Program& program, const QString& configDir)
{
    Run firstStart(program, configDir);
    Sample ignored;
    if (sample(watcher, firstStart, ignored))
        return true;
    std::fprintf(stderr, "%s: the first start mapped no window\n", program.name);
    return false;
}

int largeConfiguration(MapWatcher& watcher, const Program& program)
{
    QTemporaryDir prepared;
    const QString configDir = prepared.filePath(QStringLiteral("Configs"));
    if (!prepareConfiguration(watcher, program, configDir))
        return 1;
    if (!writeLargeConfig(configDir, kLargeConfigBytes)) {
        std::fprintf(stderr, "could not write the large Config.ini in %s\n", qPrintable(configDir));
        return 1;
    }
    Run run(program, configDir);
    Sample result;
    if (!sample(watcher, run, result)) {
        std::printf("%d MB Config.ini: the window was not mapped\n", int(kLargeConfigBytes >> 20));
        return 1;
    }
    const bool setAside = QFileInfo::exists(configDir + QStringLiteral("/Config.ini.damaged"));
    std::printf("%d MB Config.ini: mapped after %.1f ms (goal < %.0f), VmRSS %.1f MB (goal < %.0f), %s\n",
                int(kLargeConfigBytes >> 20), result.mapMs, kLargeConfigTimeGoalMs, result.memory.rssKb / 1024,
                kLargeConfigMemoryGoalKb / 1024, setAside ? "refused as damaged and kept aside" : "read");
    return 0;
}

} // namespace

int main(int argc, char* argv[])
{
    if (!std::getenv("DISPLAY")) {
        std::fprintf(stderr, "startup_bench needs an X server and DISPLAY is not set; run it as\n"
                             "  xvfb-run -a -s '-screen 0 1280x800x24' build/bin/startup_bench\n");
        return 2;
    }
    MapWatcher watcher;
    if (!watcher.isOpen()) {
        std::fprintf(stderr, "startup_bench: cannot open the display\n");
        return 2;
    }
    const QString bin = QFileInfo(QString::fromLocal8Bit(argv[0])).absolutePath();
    const bool quick = argc > 1 && std::string(argv[1]) == "--quick"; // the start-up steps only
    const Program mousecfg{ "mousecfg", (bin + QStringLiteral("/mousecfg")).toStdString(), { "--simulate" } };
    const Program minimal{ "minimal_window", (bin + QStringLiteral("/minimal_window")).toStdString(), {} };

    QTemporaryDir prepared;
    const QString configDir = prepared.filePath(QStringLiteral("Configs"));
    if (!prepareConfiguration(watcher, mousecfg, configDir))
        return 1;
    std::printf("start-up steps as mousecfg logs them (QT_LOGGING_RULES=mousecfg.startup=true):\n%s\n",
                startupSteps(watcher, mousecfg, configDir).constData());
    if (quick)
        return 0;

    std::vector<Sample> application;
    std::vector<Sample> baseline;
    // Alternating runs share whatever else the machine is doing at the time.
    for (int i = 0; i < kRuns; ++i) {
        for (auto [program, samples] : { std::pair(&mousecfg, &application), std::pair(&minimal, &baseline) }) {
            Run run(*program, configDir);
            Sample result;
            if (!sample(watcher, run, result)) {
                std::fprintf(stderr, "%s: no window was mapped\n", program->name);
                return 1;
            }
            samples->push_back(result);
        }
    }
    auto column = [](const std::vector<Sample>& samples, auto field) {
        std::vector<double> values;
        for (const Sample& sample : samples)
            values.push_back(field(sample));
        return median(values);
    };
    const auto mapMs = [](const Sample& s) { return s.mapMs; };
    const auto rss = [](const Sample& s) { return s.memory.rssKb; };
    const auto anon = [](const Sample& s) { return s.memory.anonKb; };
    const auto file = [](const Sample& s) { return s.memory.fileKb; };

    char timeGoal[32];
    char memoryGoal[32];
    char memoryRow[32];
    std::snprintf(timeGoal, sizeof timeGoal, "goal <= %.1f", kTimeGoal);
    std::snprintf(memoryGoal, sizeof memoryGoal, "goal <= %.1f", kMemoryGoal);
    std::snprintf(memoryRow, sizeof memoryRow, "VmRSS kB after %d s", kSettleMs / 1000);
    std::printf("fork() to MapNotify with the virtual mouse connected, median of %d alternating runs each\n", kRuns);
    std::printf("%-26s %12s %16s %8s\n", "", mousecfg.name, minimal.name, "ratio");
    printRow("mapped ms", column(application, mapMs), column(baseline, mapMs), timeGoal);
    printRow(memoryRow, column(application, rss), column(baseline, rss), memoryGoal);
    printRow("  of which RssAnon kB", column(application, anon), column(baseline, anon));
    printRow("  of which RssFile kB", column(application, file), column(baseline, file));

    const double idle = idleCpuPercent(watcher, mousecfg, configDir);
    if (idle < 0) {
        std::printf("idle CPU: the window did not stay up for the measurement\n");
        return 1;
    }
    std::printf("idle CPU of %s over %d s: %.2f %% of one core (goal < %.1f %%)\n", mousecfg.name, kIdleMs / 1000, idle,
                kIdleCpuGoalPercent);
    return largeConfiguration(watcher, mousecfg);
}
