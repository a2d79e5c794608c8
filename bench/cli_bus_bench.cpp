// SPDX-License-Identifier: GPL-3.0-or-later
// The command line's answer time through the running window against opening the (virtual) mouse
// itself: the median of kCalls calls each, on a session bus of the benchmark's own.
#include "private_session_bus.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QProcess>
#include <QTemporaryDir>
#include <QThread>
#include <algorithm>
#include <cstdio>
#include <vector>

namespace {

constexpr int kCalls = 20;
constexpr int kStartTimeoutMs = 30000;

QString program(const char* name)
{
    return QCoreApplication::applicationDirPath() + QLatin1Char('/') + QLatin1String(name);
}

// The milliseconds of one call, or -1 when it failed.
double timedCall(const QStringList& arguments, int* exitCode = nullptr)
{
    QProcess cli;
    QElapsedTimer since;
    since.start();
    cli.start(program("mousecfg-cli"), arguments);
    if (!cli.waitForFinished(kStartTimeoutMs))
        return -1;
    const double took = double(since.nsecsElapsed()) / 1e6;
    if (exitCode)
        *exitCode = cli.exitCode();
    return cli.exitStatus() == QProcess::NormalExit && cli.exitCode() == 0 ? took : -1;
}

double median(const QStringList& arguments)
{
    std::vector<double> times;
    for (int i = 0; i < kCalls; ++i) {
        const double took = timedCall(arguments);
        if (took < 0) {
            std::fprintf(stderr, "cli_bus_bench: mousecfg-cli %s failed\n", qPrintable(arguments.join(' ')));
            return -1;
        }
        times.push_back(took);
    }
    std::sort(times.begin(), times.end());
    return (times[kCalls / 2 - 1] + times[kCalls / 2]) / 2;
}

} // namespace

int main(int argc, char* argv[])
{
    QCoreApplication application(argc, argv);
    QTemporaryDir dir;
    PrivateSessionBus bus;
    if (!bus.isValid() || !dir.isValid()) {
        std::fprintf(stderr, "cli_bus_bench: %s\n", qPrintable(bus.errorString()));
        return 2;
    }
    qputenv("XDG_RUNTIME_DIR", dir.path().toUtf8());
    qputenv("QT_QPA_PLATFORM", "offscreen");
    const QStringList common = { QStringLiteral("--simulate"), QStringLiteral("--config-dir"),
                                 dir.filePath(QStringLiteral("Configs")) };

    QProcess window;
    window.setProcessChannelMode(QProcess::ForwardedErrorChannel);
    window.start(program("mousecfg"), common);
    QElapsedTimer waiting;
    waiting.start();
    int exitCode = -1;
    while (timedCall(common + QStringList{ QStringLiteral("status") }, &exitCode) < 0) {
        if (waiting.elapsed() > kStartTimeoutMs || window.state() == QProcess::NotRunning) {
            std::fprintf(stderr, "cli_bus_bench: the window's service did not answer\n");
            return 2;
        }
        QThread::msleep(50);
    }
    const double status = median(common + QStringList{ QStringLiteral("status") });
    const double batteryThroughWindow = median(common + QStringList{ QStringLiteral("battery") });
    window.kill();
    window.waitForFinished();
    const double batteryDirect = median(common + QStringList{ QStringLiteral("battery") });
    if (status < 0 || batteryThroughWindow < 0 || batteryDirect < 0)
        return 1;
    std::printf("median of %d calls each, on the virtual mouse\n", kCalls);
    std::printf("  status through the window     %7.1f ms\n", status);
    std::printf("  battery through the window    %7.1f ms\n", batteryThroughWindow);
    std::printf("  battery opening the mouse     %7.1f ms\n", batteryDirect);
    std::printf("  ratio battery opening / status through the window  %.2f\n", batteryDirect / status);
    return 0;
}
