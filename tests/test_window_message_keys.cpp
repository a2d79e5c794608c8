// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/mousecfg_widget.h"
#include "controls/message_box.h"
#include "controls/push_button.h"
#include "device/commands.h"
#include "device/section_encoding.h"
#include "device/upload.h"
#include "session/profile_commands.h"
#include "sim/section_decoder.h"
#include "window_sandbox.h"

#include <QSignalSpy>
#include <QStandardPaths>
#include <QToolButton>
#include <QtTest>

// clang-format off
// Xlib's macros (None, Status, KeyPress) must come after every Qt header.
#include "x11_keys.h"
// clang-format on

namespace {

constexpr int kSixthStage = 5;

QByteArray stageOnMouse(VirtualMouse& mouse, int slot)
{
    const DecodedDpiStage stage =
        decodeDpiSection(mouse.onBoardSection(slot, CommandCode::DpiSection)).stages[kSixthStage];
    const std::array<quint8, kDpiStageBlockSize> bytes = { stage.used, stage.xLow, stage.xFlag, stage.yLow,
                                                           stage.yFlag };
    return QByteArray(reinterpret_cast<const char*>(bytes.data()), kDpiStageBlockSize);
}

QByteArray stageEncoded(const ProfileRecord& profile)
{
    EncodingContext context = currentEncodingContext();
    const DpiStageBlock block = encodeDpiStageBlock(profile, kSixthStage, context);
    return QByteArray(reinterpret_cast<const char*>(block.data()), kDpiStageBlockSize);
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
        if (qEnvironmentVariableIsEmpty("DISPLAY"))
            QSKIP("needs an X server");
        if (QStandardPaths::findExecutable(QStringLiteral("xdotool")).isEmpty())
            QSKIP("needs xdotool");
    }

    void resetAllThenReturnSendsTheFactoryDefaults()
    {
        WindowSandbox sandbox;
        QVERIFY(sandbox.isValid());
        sandbox.mouse().plug(MouseLink::Receiver);
        auto window = sandbox.makeWindow();
        window->show();
        window->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(window.get()));
        const int slot = window->profileLibrary().currentSlot();
        const ProfileRecord factory = window->workingConfiguration().profiles[size_t(slot)];

        // The mouse holds an edited sixth stage first.
        window->workingConfiguration().profiles[size_t(slot)].dpiStages[kSixthStage].x += 1;
        window->workingConfiguration().profiles[size_t(slot)].dpiStages[kSixthStage].y += 1;
        click(*window, QStringLiteral("Apply"));
        waitForSend(*window, 0);
        QVERIFY(stageOnMouse(sandbox.mouse(), slot) != stageEncoded(factory));

        QSignalSpy finished(window.get(), &MousecfgWidget::sendFinished);
        QVERIFY(questionAfter(buttonNamed(window.get(), QStringLiteral("Reset All"))));
        QVERIFY(xdotool({ QStringLiteral("key"), QStringLiteral("Return") }));
        QVERIFY(finished.wait(30000));
        QCOMPARE(finished.at(0).at(0).toInt(), 0);
        QCOMPARE(stageOnMouse(sandbox.mouse(), slot), stageEncoded(factory));
        QCOMPARE(window->workingConfiguration().profiles[size_t(slot)].dpiStages, factory.dpiStages);
    }

    void deleteThenEscapeKeepsTheProfile()
    {
        WindowSandbox sandbox;
        QVERIFY(sandbox.isValid());
        sandbox.mouse().plug(MouseLink::Receiver);
        auto window = sandbox.makeWindow();
        window->show();
        window->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(window.get()));
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
