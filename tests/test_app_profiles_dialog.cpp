// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/app_profile_follower.h"
#include "app/app_profiles_dialog.h"
#include "app/mousecfg_widget.h"
#include "controls/push_button.h"
#include "full_disk.h"
#include "platform/window_picker.h"
#include "screens_directory.h"
#include "storage/app_config.h"
#include "storage/app_profile_rules.h"
#include "storage/languages.h"
#include "storage_sandbox.h"
#include "visible_texts.h"
#include "window_sandbox.h"

#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>
#include <QSettings>
#include <QToolButton>
#include <QtTest>

// The dialog of the application rules: what OK accepts and writes, the desktop that does not
// tell, the ways to it, and how it looks in every language and at both scales.

namespace {

AppProfileSettings sampleRules()
{
    AppProfileSettings settings;
    settings.enabled = true;
    settings.defaultSlot = 1;
    settings.rules = { { QStringLiteral("quake3"), 3 },
                       { QStringLiteral("Blender"), 5 },
                       { QStringLiteral("steam_app_570"), 2 } };
    return settings;
}

QLabel* noteOf(const QWidget& dialog, const QString& text)
{
    for (QLabel* label : dialog.findChildren<QLabel*>())
        if (label->isVisible() && label->text() == text)
            return label;
    return nullptr;
}

void typeInto(QLineEdit* edit, const QString& text)
{
    edit->setFocus();
    edit->selectAll();
    QTest::keyClicks(edit, text);
}

TarqAppProfilesDialog* shownDialog(MousecfgWidget& window)
{
    window.openApplicationsDialog();
    auto* dialog = window.findChild<TarqAppProfilesDialog*>();
    return dialog && QTest::qWaitForWindowExposed(dialog) ? dialog : nullptr;
}

} // namespace

class TestAppProfilesDialog final : public QObject
{
    Q_OBJECT

private slots:
    void init()
    {
        // A Wayland desktop: whatever X server the machine has, the window is told nothing.
        qputenv("WAYLAND_DISPLAY", "wayland-mousecfg-test");
    }

    void cleanup() { qunsetenv("WAYLAND_DISPLAY"); }

    void okAcceptsOnlyRulesThatNameAnApplication()
    {
        WindowSandbox sandbox;
        QVERIFY(sandbox.isValid());
        TarqAppProfilesDialog dialog(AppProfileSettings{}, true, createWindowPicker());
        dialog.show();
        QVERIFY(QTest::qWaitForWindowExposed(&dialog));
        TarqPushButton* add = buttonNamed(&dialog, QStringLiteral("Add"));
        QVERIFY(add && dialog.yesButton()->isEnabled());
        add->click();
        // A new rule has no name yet: OK waits for one, and says so.
        QVERIFY(!dialog.yesButton()->isEnabled());
        QVERIFY(noteOf(dialog, QStringLiteral("Every rule needs the name of an application.")));
        auto* match = dialog.findChild<QLineEdit*>();
        QCOMPARE(QApplication::focusWidget(), match);
        QTest::keyClicks(match, QStringLiteral("  "));
        QVERIFY(!dialog.yesButton()->isEnabled());
        typeInto(match, QStringLiteral("quake3"));
        QVERIFY(dialog.yesButton()->isEnabled());

        add->click();
        typeInto(dialog.findChild<QLineEdit*>(), QStringLiteral("Blender"));
        // The second rule moves above the first; the list and the file keep that order.
        TarqPushButton* up = buttonNamed(&dialog, QStringLiteral("Move up"));
        QVERIFY(up->isEnabled());
        up->click();
        QVERIFY(!up->isEnabled());
        auto* list = dialog.findChild<QListWidget*>();
        QCOMPARE(list->currentRow(), 0);
        QVERIFY(list->item(0)->text().startsWith(QStringLiteral("Blender")));
        buttonNamed(&dialog, QStringLiteral("Move down"))->click();
        QCOMPARE(list->currentRow(), 1);
        dialog.findChild<QCheckBox*>()->click();
        dialog.yesButton()->click();
        QCOMPARE(dialog.result(), int(QDialog::Accepted));
        const AppProfileSettings written = readAppProfileSettings();
        QVERIFY(written.enabled);
        QCOMPARE(written.rules,
                 QVector<AppProfileRule>({ { QStringLiteral("quake3"), 1 }, { QStringLiteral("Blender"), 1 } }));

        // Up to fifty rules, then Add stops.
        AppProfileSettings full;
        for (int i = 0; i < kMaxAppProfileRules; ++i)
            full.rules.append({ QStringLiteral("app%1").arg(i), 1 });
        TarqAppProfilesDialog crowded(full, true, createWindowPicker());
        QVERIFY(!buttonNamed(&crowded, QStringLiteral("Add"))->isEnabled());
        buttonNamed(&crowded, QStringLiteral("Remove"))->click();
        QVERIFY(buttonNamed(&crowded, QStringLiteral("Add"))->isEnabled());
        QCOMPARE(crowded.settings().rules.size(), kMaxAppProfileRules - 1);
    }

    void okWritesOnlyWhatTheDialogChanged()
    {
        WindowSandbox sandbox;
        QVERIFY(sandbox.isValid());
        QCOMPARE(writeAppProfileSettings(sampleRules()), StorageResult::Ok);
        TarqAppProfilesDialog dialog(readAppProfileSettings(), true, createWindowPicker());
        // Meanwhile another program (or the user's editor) changes the file.
        QSettings(configIniPath(), QSettings::IniFormat).setValue(QStringLiteral("AppProfiles/1_Slot"), 4);
        dialog.yesButton()->click();
        QCOMPARE(readAppProfileSettings().rules.first().slot, 4);

        // A change that cannot be written is said, and the dialog stays with it.
        TarqAppProfilesDialog changed(readAppProfileSettings(), true, createWindowPicker());
        changed.show();
        QVERIFY(QTest::qWaitForWindowExposed(&changed));
        buttonNamed(&changed, QStringLiteral("Remove"))->click();
        const QByteArray before = readBytes(configIniPath());
        {
            const FullDisk full;
            changed.yesButton()->click();
            expectMessage(QStringLiteral("Config.ini could not be written."));
        }
        QVERIFY(changed.isVisible());
        QCOMPARE(readBytes(configIniPath()), before);
        changed.yesButton()->click();
        QVERIFY(!changed.isVisible());
        QCOMPARE(readAppProfileSettings().rules.size(), 2);
    }

    void theDesktopThatDoesNotTellIsSaid()
    {
        WindowSandbox sandbox;
        QVERIFY(sandbox.isValid());
        QCOMPARE(writeAppProfileSettings(sampleRules()), StorageResult::Ok);
        auto window = shownWindow(sandbox);
        QVERIFY(window);
        QTRY_VERIFY(window->applicationFollower()->settings().enabled);
        QVERIFY(!window->applicationFollower()->desktopTells());
        // The header's button opens the dialog.
        TarqPushButton* button = buttonNamed(window.get(), QStringLiteral("Applications"));
        QVERIFY(button && button->isVisible());
        button->click();
        auto* dialog = window->findChild<TarqAppProfilesDialog*>();
        QVERIFY(dialog);
        QVERIFY(QTest::qWaitForWindowExposed(dialog));
        QVERIFY(noteOf(*dialog, QStringLiteral("This desktop does not tell programs which window is active.")));
        auto* enabled = dialog->findChild<QCheckBox*>();
        QVERIFY(!enabled->isEnabled() && !enabled->isChecked());
        QVERIFY(!buttonNamed(dialog, QStringLiteral("Pick a window"))->isEnabled());
        // The rules can still be edited for a desktop that tells; switching stays as it was stored.
        buttonNamed(dialog, QStringLiteral("Remove"))->click();
        dialog->yesButton()->click();
        QTRY_VERIFY(!window->findChild<TarqAppProfilesDialog*>());
        const AppProfileSettings written = readAppProfileSettings();
        QVERIFY(written.enabled);
        QCOMPARE(written.rules.size(), 2);
        // Nothing was sent to the mouse for it.
        QCOMPARE(sandbox.mouse().activeProfile(), 0);

        // The tray menu's entry opens it too.
        QMenu* tray = window->trayIcon()->contextMenu();
        QAction* entry = nullptr;
        for (QAction* action : tray->actions())
            if (action->text() == QStringLiteral("Applications"))
                entry = action;
        QVERIFY(entry);
        entry->trigger();
        QVERIFY(window->findChild<TarqAppProfilesDialog*>());
    }

    void theKeyboardWalksEveryControl()
    {
        WindowSandbox sandbox;
        QVERIFY(sandbox.isValid());
        TarqAppProfilesDialog dialog(sampleRules(), true, createWindowPicker());
        dialog.show();
        QVERIFY(QTest::qWaitForWindowExposed(&dialog));
        QWidget* start = QApplication::focusWidget();
        QVERIFY(start);
        QStringList reached;
        QWidget* current = start;
        do {
            QVERIFY(!current->accessibleName().isEmpty());
            reached << current->accessibleName();
            QTest::keyClick(current, Qt::Key_Tab);
            current = QApplication::focusWidget();
        } while (current && current != start && reached.size() < 20);
        const QStringList expected{ QStringLiteral("Switch the profile with the application in front"),
                                    QStringLiteral("When no rule matches"), QStringLiteral("Rules"),
                                    QStringLiteral("Application"), QStringLiteral("Profile"), QStringLiteral("Add"),
                                    QStringLiteral("Remove"),
                                    // (Move up is off for the first rule.)
                                    QStringLiteral("Move down"), QStringLiteral("OK"), QStringLiteral("Cancel") };
        // "Pick a window" is left out where there is no X server to pick from.
        QStringList walked = reached;
        walked.removeAll(QStringLiteral("Pick a window"));
        QCOMPARE(walked, expected);
    }

    void screens_data() { addScaleAndLanguageRows(); }

    void screens()
    {
        QFETCH(QString, scale);
        QFETCH(int, language);
        qputenv("MOUSECFG_SCALE_FACTOR", scale.toLatin1());
        auto unset = qScopeGuard([] { qunsetenv("MOUSECFG_SCALE_FACTOR"); });
        WindowSandbox sandbox;
        QVERIFY(sandbox.isValid());
        QVERIFY(saveChosenLanguage(language));
        QCOMPARE(writeAppProfileSettings(sampleRules()), StorageResult::Ok);
        auto window = shownWindow(sandbox);
        QVERIFY(window);
        const QString suffix = scale + QLatin1Char('-') + languageCode(language);
        verifyVisibleTextsFit(*window, QStringLiteral("window with the applications button ") + suffix);
        QVERIFY(window->grab().save(screensDirectory() + QStringLiteral("/app-profiles-window-") + suffix +
                                    QStringLiteral(".png")));

        // As a desktop that does not tell shows it, from the window.
        TarqAppProfilesDialog* dialog = shownDialog(*window);
        QVERIFY(dialog);
        verifyVisibleTextsFit(*dialog, QStringLiteral("app-profiles-untold-") + suffix);
        QVERIFY(dialog->grab().save(screensDirectory() + QStringLiteral("/app-profiles-untold-") + suffix +
                                    QStringLiteral(".png")));
        dialog->reject();

        // As it is on a desktop that tells, with the second rule chosen.
        TarqAppProfilesDialog told(sampleRules(), true, createWindowPicker(), window.get());
        told.show();
        QVERIFY(QTest::qWaitForWindowExposed(&told));
        told.findChild<QListWidget*>()->setCurrentRow(1);
        verifyVisibleTextsFit(told, QStringLiteral("app-profiles-") + suffix);
        for (TarqPushButton* button : told.findChildren<TarqPushButton*>())
            if (button->menu())
                verifyMenuEntriesFit(*button->menu(), QStringLiteral("app-profiles menu ") + suffix);
        QVERIFY(
            told.grab().save(screensDirectory() + QStringLiteral("/app-profiles-") + suffix + QStringLiteral(".png")));
    }
};

QTEST_MAIN(TestAppProfilesDialog)
#include "test_app_profiles_dialog.moc"
