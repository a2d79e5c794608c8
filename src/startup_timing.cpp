// SPDX-License-Identifier: GPL-3.0-or-later
#include "startup_timing.h"

#include "log_categories.h"

#include <QElapsedTimer>
#include <QFile>
#include <ctime>
#include <unistd.h>

namespace {

QElapsedTimer g_sinceMain;
qint64 g_lastMarkNs = 0;

// Milliseconds from the process's creation to now, from the start time the kernel keeps in clock
// ticks since boot; -1 where that is not known.
double msSinceProcessStart()
{
#ifdef Q_OS_LINUX
    QFile stat(QStringLiteral("/proc/self/stat"));
    if (!stat.open(QIODevice::ReadOnly))
        return -1;
    const QByteArray text = stat.readAll();
    // Field 22 is the start time; the name field may hold blanks, so count from its ')'.
    const QList<QByteArray> fields = text.mid(text.lastIndexOf(')') + 2).split(' ');
    constexpr int kStartTime = 22 - 3;
    timespec now{};
    if (fields.size() <= kStartTime || clock_gettime(CLOCK_BOOTTIME, &now) != 0)
        return -1;
    const double startMs = fields.at(kStartTime).toDouble() * 1000.0 / double(sysconf(_SC_CLK_TCK));
    return double(now.tv_sec) * 1000.0 + double(now.tv_nsec) / 1e6 - startMs;
#else
    return -1;
#endif
}

} // namespace

namespace StartupTiming {

void begin()
{
    g_sinceMain.start();
    g_lastMarkNs = 0;
    if (lcStartup().isDebugEnabled()) {
        const double beforeMain = msSinceProcessStart();
        if (beforeMain >= 0)
            qCDebug(lcStartup, "process start to main(): %.0f ms (clock ticks of 10 ms)", beforeMain);
    }
}

void mark(const char* step)
{
    if (!g_sinceMain.isValid() || !lcStartup().isDebugEnabled())
        return;
    const qint64 now = g_sinceMain.nsecsElapsed();
    qCDebug(lcStartup, "%-28s %7.1f ms   (at %7.1f ms)", step, double(now - g_lastMarkNs) / 1e6, double(now) / 1e6);
    g_lastMarkNs = now;
}

qint64 elapsedMs()
{
    return g_sinceMain.isValid() ? g_sinceMain.elapsed() : 0;
}

} // namespace StartupTiming
