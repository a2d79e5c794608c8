// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/mousecfg_widget.h"
#include "controls/message_box.h"
#include "controls/push_button.h"
#include "dpi_stage_bytes.h"
#include "session/profile_commands.h"
#include "window_sandbox.h"

#include <QSignalSpy>
#include <QToolButton>
#include <QtTest>

// clang-format off
// Xlib's macros (None, Status, KeyPress) must come after every Qt header.
#include "x11_keys.h"
// clang-format on

namespace {

constexpr int kSixthStage = 5;

// The window on the sandbox's plugged-in mouse, shown and holding the X input focus.
std::unique_ptr<MousecfgWidget> openWindow(WindowSandbox& sandbox)
{
    sandbox.mouse().plug(MouseLink::Receiver);
    auto window = sandbox.makeWindow();
    window->show();
    window->activateWindow();
    if (!QTest::qWaitForWindowActive(window.get()))
        return nullptr;
    return window;
}

// The question the button asks, open and holding the X input focus on its default answer.
TarqMessageBox* questionAfter(TarqPushButton* button)
{
    if (!button)
        return nullptr;
    button->click();
    if (!QTest::qWaitFor([] { return visibleMessageBox() && visibleMessageBox()->isActiveWindow(); }))
        return nullptr;
    TarqMessageBox* box = visibleMessageBox();
    auto* yes = box->findChild<QToolButton*>(QStringLiteral("msgBoxYesBtn"));
    return yes && yes->hasFocus() ? box : nullptr;
}

} // namespace

// The window's questions answered with real keys through the X server.
class TestWindowMessageKeys final : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase()
    {
        if (const char* missing = missingForRealKeys())
            QSKIP(missing);
    }

    void resetAllThenReturnSendsTheFactoryDefaults()
    {
        WindowSandbox sandbox;
        QVERIFY(sandbox.isValid());
        auto window = openWindow(sandbox);
        QVERIFY(window);
        const int slot = window->profileLibrary().currentSlot();
        const ProfileRecord factory = window->workingConfiguration().profiles[size_t(slot)];

        // The mouse holds an edited sixth stage first.
        window->workingConfiguration().profiles[size_t(slot)].dpiStages[kSixthStage].x += 1;
        window->workingConfiguration().profiles[size_t(slot)].dpiStages[kSixthStage].y += 1;
        click(*window, QStringLiteral("Apply"));
        waitForSend(*window, 0);
        QVERIFY(stageOnMouse(sandbox.mouse(), slot, kSixthStage) != stageEncoded(factory, kSixthStage));

        QSignalSpy finished(window.get(), &MousecfgWidget::sendFinished);
        QVERIFY(questionAfter(buttonNamed(window.get(), QStringLiteral("Reset All"))));
        QVERIFY(xdotool({ QStringLiteral("key"), QStringLiteral("Return") }));
        QVERIFY(finished.wait(30000));
        QCOMPARE(finished.at(0).at(0).toInt(), 0);
        QCOMPARE(stageOnMouse(sandbox.mouse(), slot, kSixthStage), stageEncoded(factory, kSixthStage));
        QCOMPARE(window->workingConfiguration().profiles[size_t(slot)].dpiStages, factory.dpiStages);
    }

    void deleteThenEscapeKeepsTheProfile()
    {
        WindowSandbox sandbox;
        QVERIFY(sandbox.isValid());
        auto window = openWindow(sandbox);
        QVERIFY(window);
        click(*window, QStringLiteral("ADD"));
        const QString added = window->profileLibrary().currentName();
        const QStringList before = window->profileLibrary().names();
        QVERIFY(before.contains(added));

        TarqMessageBox* box = questionAfter(buttonNamed(window.get(), QStringLiteral("DELETE")));
        QVERIFY(box);
        QSignalSpy finished(box, &QDialog::finished);
        QVERIFY(xdotool({ QStringLiteral("key"), QStringLiteral("Escape") }));
        QVERIFY(finished.wait(10000));
        QCOMPARE(finished.at(0).at(0).toInt(), int(QDialog::Rejected));
        QCOMPARE(window->profileLibrary().names(), before);
        QCOMPARE(window->profileLibrary().currentName(), added);
    }
};

QTEST_MAIN(TestWindowMessageKeys)
#include "test_window_message_keys.moc"
