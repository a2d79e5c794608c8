// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/mousecfg_widget.h"
#include "controls/push_button.h"
#include "storage/languages.h"
#include "window_sandbox.h"

#include <QApplication>
#include <QDialogButtonBox>
#include <QFileDialog>
#include <QPushButton>
#include <QtTest>

// A desktop set to German, as a user's login gives it; the program has never run here before.
class TestFirstRunLanguage : public QObject
{
    Q_OBJECT

private slots:
    void firstRunShowsTheDesktopsLanguage()
    {
        WindowSandbox sandbox;
        QVERIFY(sandbox.isValid());
        QVERIFY(!QFile::exists(sandbox.configPath() + "/LangConfig.ini"));
        std::unique_ptr<MousecfgWidget> window = sandbox.makeWindow();
        window->show();
        QVERIFY(QTest::qWaitForWindowExposed(window.get()));

        QCOMPARE(currentLanguageIndex(), 1);
        QCOMPARE(readStoredLanguage(), 1);
        QVERIFY(buttonNamed(window.get(), QStringLiteral("Anwenden")));
        QVERIFY(buttonNamed(window.get(), QStringLiteral("TASTEN")));

        // The toolkit's file dialog, as the profile commands open it, speaks German too.
        auto* dialog = new QFileDialog(window.get(), QStringLiteral("Profil"));
        dialog->setOption(QFileDialog::DontUseNativeDialog);
        dialog->setAcceptMode(QFileDialog::AcceptSave);
        const QDialogButtonBox* buttons = dialog->findChild<QDialogButtonBox*>();
        QVERIFY(buttons);
        QCOMPARE(buttons->button(QDialogButtonBox::Cancel)->text(), QStringLiteral("Abbrechen"));
        QCOMPARE(buttons->button(QDialogButtonBox::Save)->text().remove(QLatin1Char('&')), QStringLiteral("Speichern"));
        window.reset();
    }
};

int main(int argc, char** argv)
{
    // Before the application exists, as a login session sets them; the character type stays UTF-8
    // whether or not the German locale is installed on this machine.
    qputenv("LANG", "de_DE.UTF-8");
    qputenv("LC_CTYPE", "C.UTF-8");
    for (const char* name : { "LC_ALL", "LC_MESSAGES", "LANGUAGE" })
        qunsetenv(name);
    QApplication app(argc, argv);
    TestFirstRunLanguage test;
    return QTest::qExec(&test, argc, argv);
}

#include "test_first_run_language.moc"
