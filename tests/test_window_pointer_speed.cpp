// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/mousecfg_widget.h"
#include "platform/pointer_speed.h"
#include "storage/app_config.h"
#include "window_sandbox.h"

#include <QDir>
#include <QFileInfo>
#include <QProcess>
#include <QtTest>
#include <X11/Xlib.h>

// The desktop's pointer speed belongs to the user: the window adopts it and never changes it for
// a profile whose speed nobody chose. The desktop is an X server of this test's own, so no other
// test moves its pointer speed meanwhile.
class TestWindowPointerSpeed : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase()
    {
        int display = 90 + int(QCoreApplication::applicationPid() % 100);
        while (QFileInfo::exists(QStringLiteral("/tmp/.X%1-lock").arg(display)))
            ++display;
        const QString name = QStringLiteral(":%1").arg(display);
        m_server.start(QStringLiteral("Xvfb"),
                       { name, QStringLiteral("-nolisten"), QStringLiteral("tcp"), QStringLiteral("-screen"),
                         QStringLiteral("0"), QStringLiteral("640x480x24") });
        QVERIFY2(m_server.waitForStarted(), "Xvfb did not start");
        QTRY_VERIFY_WITH_TIMEOUT(QFileInfo::exists(QStringLiteral("/tmp/.X11-unix/X%1").arg(display)), 10000);
        qputenv("DISPLAY", name.toLatin1());
        // A bare X server resets its pointer control when its last client leaves.
        QTRY_VERIFY_WITH_TIMEOUT((m_client = XOpenDisplay(nullptr)) != nullptr, 10000);
    }

    void cleanupTestCase()
    {
        if (m_client)
            XCloseDisplay(m_client);
        m_server.terminate();
        m_server.waitForFinished();
    }

    void theDesktopsSpeedIsLeftAlone()
    {
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
        chooseSlot(*window, QStringLiteral("Profile 2"));
        QCOMPARE(getSystemPointerSpeed(), 7);
    }

private:
    QProcess m_server;
    Display* m_client = nullptr;
};

QTEST_MAIN(TestWindowPointerSpeed)
#include "test_window_pointer_speed.moc"
