// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/mousecfg_widget.h"
#include "device/device_state.h"
#include "device/interface_change.h"
#include "window_sandbox.h"

#include <QElapsedTimer>
#include <QSignalSpy>
#include <QTimer>
#include <QtTest>
#include <algorithm>

namespace {

// Longer than 50 ms between two turns of the event loop, and a user sees the window freeze. An
// idle machine shows under 10 ms; a loaded CI machine's scheduler alone adds about 50 ms, so the
// check allows three times that. The sleeps this replaces froze the loop for 500 ms at a time.
constexpr qint64 kLongestGapMs = 150;
constexpr int kTickMs = 5;
// Settled: this long without a gap a user would notice.
constexpr qint64 kSettledMs = 300;
constexpr qint64 kNoticeableGapMs = 50;
constexpr int kReopenWaitMs = 20 * InterfaceChangeHandler::kReopenDelayMs;

// Times the event loop by a timer that asks to run every few milliseconds.
class EventLoopGaps final : public QObject
{
public:
    EventLoopGaps()
    {
        m_timer.setTimerType(Qt::PreciseTimer);
        m_timer.setInterval(kTickMs);
        connect(&m_timer, &QTimer::timeout, this, [this] {
            const qint64 gap = m_sinceLast.restart();
            m_longest = std::max(m_longest, gap);
            if (gap > kNoticeableGapMs)
                m_sinceLongGap.start();
            ++m_ticks;
        });
        m_sinceLast.start();
        m_sinceLongGap.start();
        m_timer.start();
    }
    qint64 longest() const { return std::max(m_longest, m_sinceLast.elapsed()); }
    int ticks() const { return m_ticks; }
    qint64 quietMs() const { return m_sinceLongGap.elapsed(); }

private:
    QTimer m_timer;
    QElapsedTimer m_sinceLast;
    QElapsedTimer m_sinceLongGap;
    qint64 m_longest = 0;
    int m_ticks = 0;
};

} // namespace

class TestHotplugResponsiveness final : public QObject
{
    Q_OBJECT

private slots:
    void windowKeepsRunningThroughAPlugIn();
};

// The cable plugged in beside the receiver and pulled out again: each time the device is closed,
// paused for and opened again, and the window's event loop never stops for long.
void TestHotplugResponsiveness::windowKeepsRunningThroughAPlugIn()
{
    WindowSandbox sandbox;
    QVERIFY(sandbox.isValid());
    auto window = shownWindow(sandbox);
    QVERIFY(window);
    QTRY_VERIFY(window->batteryThreadRunning());
    QVERIFY(deviceHandles().receiver.command.load());
    {
        // What the window does after its first paint (the pictures it does not show at once) is
        // over before the plug-in.
        EventLoopGaps settling;
        QTRY_VERIFY_WITH_TIMEOUT(settling.quietMs() >= kSettledMs, 30000);
    }

    EventLoopGaps gaps;
    sandbox.mouse().plug(MouseLink::Cable);
    auto* handler = window->findChild<InterfaceChangeHandler*>();
    QVERIFY(handler);
    QVERIFY(handler->isReopenPending());
    QSignalSpy reopened(handler, &InterfaceChangeHandler::reopened);
    QVERIFY(reopened.wait(kReopenWaitMs));
    QVERIFY(deviceHandles().cable.command.load());
    QTRY_VERIFY(window->batteryThreadRunning());

    sandbox.mouse().unplug(MouseLink::Cable);
    QVERIFY(handler->isReopenPending());
    QVERIFY(reopened.wait(kReopenWaitMs));
    QVERIFY(!deviceHandles().cable.command.load());
    QVERIFY(deviceHandles().receiver.command.load());
    QTRY_VERIFY(window->batteryThreadRunning());

    QVERIFY2(gaps.longest() <= kLongestGapMs, qPrintable(QStringLiteral("%1 ms").arg(gaps.longest())));
    // Two pauses of the reopening went by: the loop turned all along.
    QVERIFY2(gaps.ticks() >= 2 * InterfaceChangeHandler::kReopenDelayMs / kLongestGapMs,
             qPrintable(QString::number(gaps.ticks())));
}

QTEST_MAIN(TestHotplugResponsiveness)
#include "test_hotplug_responsiveness.moc"
