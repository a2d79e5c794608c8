// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/mousecfg_widget.h"
#include "platform/pointer_speed.h"
#include "storage/app_config.h"
#include "window_sandbox.h"

#include <QtTest>

// The desktop's pointer speed belongs to the user: the window adopts it and never changes it for
// a profile whose speed nobody chose.
class TestWindowPointerSpeed : public QObject
{
    Q_OBJECT

private slots:
    void theDesktopsSpeedIsLeftAlone()
    {
        if (qEnvironmentVariableIsEmpty("DISPLAY"))
            QSKIP("no X display");
        const int before = getSystemPointerSpeed();
        const auto restore = qScopeGuard([before] { setSystemPointerSpeed(before); });
        setSystemPointerSpeed(15);
        QCOMPARE(getSystemPointerSpeed(), 15);

        WindowSandbox sandbox;
        QVERIFY(sandbox.isValid());
        sandbox.mouse().plug(MouseLink::Receiver);
        auto window = sandbox.makeWindow();
        QCOMPARE(getSystemPointerSpeed(), 15);
        QCOMPARE(window->workingConfiguration().profiles[0].mousespeed, quint8(15));

        QVERIFY(setPendingUploadFlag(1) == StorageResult::Ok);
        click(*window, QStringLiteral("Apply"));
        waitForSend(*window, 0);
        QCOMPARE(getSystemPointerSpeed(), 15);

        click(*window, QStringLiteral("Reset All"));
        QSignalSpy finished(window.get(), &MousecfgWidget::sendFinished);
        expectMessage(QStringLiteral("Are you sure you want reset all profiles?"));
        QVERIFY(finished.wait(30000));
        QCOMPARE(getSystemPointerSpeed(), 15);

        // A profile whose speed was set applies it when it becomes active, once it has been sent.
        window->workingConfiguration().profiles[1].mousespeed = 7;
        QVERIFY(setPendingUploadFlag(1) == StorageResult::Ok);
        click(*window, QStringLiteral("Apply"));
        waitForSend(*window, 0);
        QCOMPARE(getSystemPointerSpeed(), 15);
        chooseFromMenu(*window, QStringLiteral("Profile"), QStringLiteral("Profile 2"));
        QCOMPARE(getSystemPointerSpeed(), 7);
    }
};

QTEST_MAIN(TestWindowPointerSpeed)
#include "test_window_pointer_speed.moc"
