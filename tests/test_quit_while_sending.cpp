// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/mousecfg_widget.h"
#include "storage/app_config.h"
#include "window_sandbox.h"

#include <QMenu>
#include <QtTest>

// Quit while a send runs (a tray menu served over the bus is not held by the progress dialog):
// the upload is not cut short, and the program ends once it is through. Quitting ends every
// event loop of the process for good, so this is the executable's only test.
class TestQuitWhileSending final : public QObject
{
    Q_OBJECT

private slots:
    void quitWaitsForTheSendAndThenEnds()
    {
        WindowSandbox sandbox;
        QVERIFY(sandbox.isValid());
        auto window = shownWindow(sandbox);
        QVERIFY(window);
        QVERIFY(setPendingUploadFlag(1) == StorageResult::Ok); // a whole upload: it takes a while
        QSignalSpy finished(window.get(), &MousecfgWidget::sendFinished);
        QAction* quit = window->trayIcon()->contextMenu()->actions().constLast();

        click(*window, QStringLiteral("Apply"));
        QVERIFY(window->isSending());
        quit->trigger();
        QVERIFY(window->isSending());

        // The program's quit ends this loop with 0; the watchdog, should it never come, with 1.
        QEventLoop untilQuit;
        QTimer::singleShot(60000, &untilQuit, [&untilQuit] { untilQuit.exit(1); });
        QCOMPARE(untilQuit.exec(), 0);
        QCOMPARE(finished.size(), 1);
        QCOMPARE(finished.first().first().toInt(), 0);
        QCOMPARE(sandbox.mouse().uploadsEnded(), sandbox.mouse().uploadsBegun());
        QVERIFY(sandbox.mouse().uploadsBegun() > 0);
    }
};

QTEST_MAIN(TestQuitWhileSending)
#include "test_quit_while_sending.moc"
