// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/mousecfg_widget.h"
#include "controls/labels_menus.h"
#include "controls/message_box.h"
#include "controls/push_button.h"
#include "controls/sliders.h"
#include "device/commands.h"
#include "dpi_stage_bytes.h"
#include "pages/dpi_page.h"
#include "pages/dpi_row.h"
#include "screens_directory.h"
#include "storage/languages.h"
#include "storage/profile_files.h"
#include "window_sandbox.h"

#include <QAction>
#include <QMenu>
#include <QPainter>
#include <QSlider>
#include <QToolButton>
#include <QtTest>

namespace {

constexpr int kSixthStage = 5;
const QString kSendFirst = QStringLiteral("Send the changes to the mouse first?");

enum class Answer { Send, Discard, Cancel };

// Waits for the unsent-edits question and answers it with one of its three buttons.
void answerSendFirst(Answer answer)
{
    QTRY_VERIFY(visibleMessageBox());
    TarqMessageBox* box = visibleMessageBox();
    QVERIFY2(messageBoxText(box).contains(kSendFirst), qPrintable(messageBoxText(box)));
    const char* names[] = { "msgBoxYesBtn", "msgBoxAlternativeBtn", "msgBoxNoBtn" };
    auto* button = box->findChild<QToolButton*>(QLatin1String(names[int(answer)]));
    QVERIFY(button && button->isVisible());
    QCOMPARE(button->accessibleName(), QStringList({ "Send", "Discard", "Cancel" }).at(int(answer)));
    button->click();
    QTRY_VERIFY(!visibleMessageBox());
}

// Steps the sixth stage's resolution bar from the keyboard, as a user would; returns the new step.
quint32 editSixthStage(MousecfgWidget& window)
{
    auto* page = static_cast<TarqDPIWindow*>(window.page(MousecfgWidget::DpiTab));
    window.selectTab(MousecfgWidget::DpiTab);
    TarqTwoBarSlider* slider = page->row(kSixthStage)->slider();
    QSlider* bar = slider->isLinked() ? slider->linkedBar() : slider->firstBar();
    const quint32 before = page->profileData().dpiStages[kSixthStage].x;
    bar->setFocus();
    QTest::keyClick(bar, bar->value() < bar->maximum() ? Qt::Key_Right : Qt::Key_Left);
    const quint32 after = page->profileData().dpiStages[kSixthStage].x;
    if (after == before)
        qWarning("the sixth stage did not change");
    return after;
}

bool titleMarked(const MousecfgWidget& window)
{
    return window.windowTitle().startsWith(QStringLiteral("\u2022 "));
}

} // namespace

class TestUnsentEdits : public QObject
{
    Q_OBJECT

private slots:
    // A stage edit followed by a slot switch: the question comes, and each answer does what it
    // says, on the window and on the mouse.
    void aSlotSwitchAsksAboutUnsentEdits()
    {
        WindowSandbox sandbox;
        QVERIFY(sandbox.isValid());
        sandbox.mouse().plug(MouseLink::Receiver);
        auto window = sandbox.makeWindow();
        window->setWindowTitle(QStringLiteral("Tarq M1"));
        window->show();
        const ProfileRecord before = window->workingConfiguration().profiles[0];
        const QByteArray heldBefore = stageOnMouse(sandbox.mouse(), 0, kSixthStage);

        const quint32 edited = editSixthStage(*window);
        QCOMPARE(window->workingConfiguration().profiles[0].dpiStages[kSixthStage].x, edited);
        QTRY_VERIFY(titleMarked(*window));

        // Cancel stays on slot 1 with the edit.
        chooseSlot(*window, QStringLiteral("Profile 2"));
        answerSendFirst(Answer::Cancel);
        QCOMPARE(window->profileLibrary().currentSlot(), 0);
        QCOMPARE(window->workingConfiguration().profiles[0].dpiStages[kSixthStage].x, edited);

        // Discard drops it; the mouse never got it.
        chooseSlot(*window, QStringLiteral("Profile 2"));
        answerSendFirst(Answer::Discard);
        QTRY_COMPARE(window->profileLibrary().currentSlot(), 1);
        QCOMPARE(window->workingConfiguration().profiles[0].dpiStages, before.dpiStages);
        QCOMPARE(stageOnMouse(sandbox.mouse(), 0, kSixthStage), heldBefore);
        QCOMPARE(sandbox.mouse().activeProfile(), 1);
        QVERIFY(!titleMarked(*window));
        QCOMPARE(window->windowTitle(), QStringLiteral("Tarq M1"));

        // Send sends it first, then switches.
        const quint32 secondEdit = editSixthStage(*window);
        chooseSlot(*window, QStringLiteral("Profile 3"));
        answerSendFirst(Answer::Send);
        waitForSend(*window, 0);
        QTRY_COMPARE(window->profileLibrary().currentSlot(), 2);
        const ProfileRecord& sent = window->workingConfiguration().profiles[1];
        QCOMPARE(sent.dpiStages[kSixthStage].x, secondEdit);
        QCOMPARE(stageOnMouse(sandbox.mouse(), 1, kSixthStage), stageEncoded(sent, kSixthStage));
        QCOMPARE(sandbox.mouse().activeProfile(), 2);
        QVERIFY(!titleMarked(*window));

        // Without edits a switch asks nothing.
        chooseSlot(*window, QStringLiteral("Profile 1"));
        QTRY_COMPARE(window->profileLibrary().currentSlot(), 0);
        QVERIFY(!visibleMessageBox());
    }

    void okSendsThePagesEdits()
    {
        WindowSandbox sandbox;
        QVERIFY(sandbox.isValid());
        sandbox.mouse().plug(MouseLink::Receiver);
        auto window = sandbox.makeWindow();
        window->show();
        editSixthStage(*window);
        click(*window, QStringLiteral("OK"));
        waitForSend(*window, 0);
        QCOMPARE(stageOnMouse(sandbox.mouse(), 0, kSixthStage),
                 stageEncoded(window->workingConfiguration().profiles[0], kSixthStage));
        // Put away: minimised, since there is no tray offscreen.
        QTRY_VERIFY(window->isMinimized());
        QCOMPARE(window->workingConfiguration(), window->lastUploadedConfiguration());
    }

    void theQuestionReadsWhole_data() { addScaleAndLanguageRows(); }

    // The question over the window, with every answer readable, saved to be looked at.
    void theQuestionReadsWhole()
    {
        QFETCH(QString, scale);
        QFETCH(int, language);
        qputenv("MOUSECFG_SCALE_FACTOR", scale.toLatin1());
        WindowSandbox sandbox;
        QVERIFY(sandbox.isValid());
        QVERIFY(saveChosenLanguage(language));
        sandbox.mouse().plug(MouseLink::Receiver);
        auto window = sandbox.makeWindow();
        window->show();
        QVERIFY(QTest::qWaitForWindowExposed(window.get()));
        editSixthStage(*window);
        TarqPushButton* slotLabel = slotMenuButton(window.get());
        QVERIFY(slotLabel && slotLabel->menu());
        slotLabel->menu()->actions().at(1)->trigger();
        QTRY_VERIFY(visibleMessageBox());
        TarqMessageBox* box = visibleMessageBox();
        QVERIFY(QTest::qWaitForWindowExposed(box));
        const QList<QToolButton*> answers = box->findChildren<QToolButton*>();
        QCOMPARE(answers.size(), 3);
        for (const QToolButton* answer : answers) {
            QVERIFY2(answer->sizeHint().width() <= answer->width(), qPrintable(answer->text()));
            QVERIFY(box->rect().contains(answer->geometry()));
        }
        QImage shot = window->grab().toImage();
        {
            QPainter painter(&shot);
            painter.drawPixmap((shot.width() - box->width()) / 2, (shot.height() - box->height()) / 2, box->grab());
        }
        QVERIFY(shot.save(screensDirectory() +
                          QStringLiteral("/unsent-question-%1-%2.png").arg(scale, languageCode(language))));
        box->reject();
        QTRY_VERIFY(!visibleMessageBox());
        QCOMPARE(window->profileLibrary().currentSlot(), 0);
        qunsetenv("MOUSECFG_SCALE_FACTOR");
    }

    // The slot assignment of ADD is stored at once: quitting without a send keeps it.
    void addIsStoredWithoutASend()
    {
        WindowSandbox sandbox;
        QVERIFY(sandbox.isValid());
        sandbox.mouse().plug(MouseLink::Receiver);
        auto window = sandbox.makeWindow();
        chooseSlot(*window, QStringLiteral("Profile 3"));
        QTRY_COMPARE(window->profileLibrary().currentSlot(), 2);
        click(*window, QStringLiteral("ADD"));
        const QString added = window->workingConfiguration().profileNames[2];
        QVERIFY(added != QStringLiteral("Profile 3"));
        QVERIFY(window->trayIcon() && window->trayIcon()->contextMenu());
        QAction* quit = window->trayIcon()->contextMenu()->actions().constLast();
        quit->trigger();
        QVERIFY(!visibleMessageBox());
        window.reset();
        ConfigRecord stored;
        loadConfiguration(stored);
        QCOMPARE(stored.profileNames[2], added);
    }
};

QTEST_MAIN(TestUnsentEdits)
#include "test_unsent_edits.moc"
