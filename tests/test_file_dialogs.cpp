// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/mousecfg_widget.h"
#include "controls/push_button.h"
#include "macro/macro_dialog.h"
#include "pages/dpi_page.h"
#include "pages/dpi_row.h"
#include "screens_directory.h"
#include "storage/app_config.h"
#include "storage/profile_files.h"
#include "window_sandbox.h"

#include <QApplication>
#include <QFileDialog>
#include <QHeaderView>
#include <QLineEdit>
#include <QPainter>
#include <QSpinBox>
#include <QStyle>
#include <QTimer>
#include <QWindow>
#include <QtTest>
#include <functional>

namespace {

constexpr int kSecondStage = 1;

QFileDialog* openFileDialog()
{
    return qobject_cast<QFileDialog*>(QApplication::activeModalWidget());
}

QLineEdit* nameField(QFileDialog& dialog)
{
    return dialog.findChild<QLineEdit*>(QStringLiteral("fileNameEdit"));
}

// Types name into the dialog's name field in folder and accepts, as a user does.
void typeAndAccept(QFileDialog& dialog, const QString& folder, const QString& name)
{
    dialog.setDirectory(folder);
    QLineEdit* field = nameField(dialog);
    QVERIFY(field);
    field->clear();
    QTest::keyClicks(field, name);
    QTest::keyClick(field, Qt::Key_Return);
}

// The macro page runs its dialogs modally: the answer comes from the event loop they run.
void whenFileDialogOpens(QObject* context, std::function<void(QFileDialog&)> answer)
{
    auto* poll = new QTimer(context);
    poll->setInterval(5);
    QObject::connect(poll, &QTimer::timeout, context, [poll, answer] {
        if (QFileDialog* dialog = openFileDialog()) {
            poll->stop();
            poll->deleteLater();
            answer(*dialog);
        }
    });
    poll->start();
}

struct Seen
{
    QString folder;
    QString suggested;
};

MacroDialog* macroPage(MousecfgWidget& window)
{
    window.selectTab(MousecfgWidget::MacroTab);
    return static_cast<MacroDialog*>(window.page(MousecfgWidget::MacroTab));
}

// Runs the save command of kind ("profile", "configuration" or "macro") and answers its dialog
// with name in folder; returns what the dialog showed when it opened.
Seen saveThroughDialog(MousecfgWidget& window, const QString& kind, const QString& folder, const QString& name)
{
    Seen seen;
    auto answer = [&](QFileDialog& dialog) {
        seen.folder = dialog.directory().absolutePath();
        seen.suggested = nameField(dialog) ? nameField(dialog)->text() : QString();
        typeAndAccept(dialog, folder, name);
    };
    if (kind == QLatin1String("macro")) {
        MacroDialog* page = macroPage(window);
        whenFileDialogOpens(page, answer);
        page->button(MacroDialog::Export)->click();
        return seen;
    }
    click(window, kind == QLatin1String("profile") ? QStringLiteral("Export profile") : QStringLiteral("SAVE"));
    [&] { QTRY_VERIFY(openFileDialog()); }();
    if (QFileDialog* dialog = openFileDialog())
        answer(*dialog);
    return seen;
}

} // namespace

class TestFileDialogs final : public QObject
{
    Q_OBJECT

private:
    QTemporaryDir m_home;

private slots:
    void initTestCase()
    {
        QVERIFY(m_home.isValid());
        // The first dialog opens in the home folder: the test's own.
        qputenv("HOME", QFile::encodeName(m_home.path()));
    }

    void saveDialogsAddTheSuffixAndRememberTheFolder_data()
    {
        QTest::addColumn<QString>("kind");
        QTest::addColumn<QString>("suffix");
        QTest::addColumn<QString>("suggested");
        QTest::newRow("profile export") << "profile"
                                        << "prof"
                                        << "Profile 1.prof";
        QTest::newRow("configuration save") << "configuration"
                                            << "conf"
                                            << "Tarq M1.conf";
        QTest::newRow("macro export") << "macro"
                                      << "MSMACRO"
                                      << "name_1.MSMACRO";
    }

    // "exp1" is saved as exp1 with the kind's suffix; the dialog starts at home, then where the
    // last one was left, also after a restart; it suggests the profile's, product's or macro's name.
    void saveDialogsAddTheSuffixAndRememberTheFolder()
    {
        QFETCH(QString, kind);
        QFETCH(QString, suffix);
        QFETCH(QString, suggested);
        WindowSandbox sandbox;
        QTemporaryDir first;
        QTemporaryDir second;
        {
            auto window = shownWindow(sandbox);
            QVERIFY(window);
            if (kind == QLatin1String("macro")) {
                macroPage(*window)->button(MacroDialog::New)->click();
                QTRY_COMPARE(macroPage(*window)->currentMacroName(), QStringLiteral("name_1"));
            }
            const Seen seen = saveThroughDialog(*window, kind, first.path(), QStringLiteral("exp1"));
            QCOMPARE(seen.folder, QDir(m_home.path()).absolutePath());
            QCOMPARE(seen.suggested, suggested);
            QTRY_VERIFY(QFileInfo(first.filePath(QStringLiteral("exp1.") + suffix)).isFile());
            QCOMPARE(QDir(first.path()).entryList(QDir::Files), QStringList{ QStringLiteral("exp1.") + suffix });
            QCOMPARE(lastFileFolder(), QDir(first.path()).absolutePath());

            // A name with a suffix of its own keeps it.
            const Seen next = saveThroughDialog(*window, kind, second.path(), QStringLiteral("exp2.") + suffix);
            QCOMPARE(next.folder, QDir(first.path()).absolutePath());
            QTRY_VERIFY(QFileInfo(second.filePath(QStringLiteral("exp2.") + suffix)).isFile());
        }
        auto restarted = shownWindow(sandbox);
        QVERIFY(restarted);
        const Seen afterRestart = saveThroughDialog(*restarted, kind, first.path(), QStringLiteral("exp3"));
        QCOMPARE(afterRestart.folder, QDir(second.path()).absolutePath());
        QTRY_VERIFY(QFileInfo(first.filePath(QStringLiteral("exp3.") + suffix)).isFile());
    }

    // The export holds what the page shows, an edit not sent yet included; the profile's own file
    // keeps what was last saved.
    void exportWritesTheEditsTheWindowShows()
    {
        WindowSandbox sandbox;
        auto window = shownWindow(sandbox);
        QVERIFY(window);
        window->selectTab(MousecfgWidget::DpiTab);
        auto* page = static_cast<TarqDPIWindow*>(window->page(MousecfgWidget::DpiTab));
        QSpinBox* entry = page->row(kSecondStage)->xEntry();
        const int shown = entry->value();
        const int edited = shown == 3200 ? 4000 : 3200;
        entry->setFocus();
        entry->selectAll();
        QTest::keyClicks(entry, QString::number(edited));
        QTest::keyClick(entry, Qt::Key_Return);
        const ProfileRecord& working = window->workingConfiguration().profiles[0];
        ProfileRecord saved;
        readProfileFile(saved, profileFilePath(QStringLiteral("Profile 1")));
        QVERIFY2(working.dpiStages[kSecondStage].x != saved.dpiStages[kSecondStage].x, "the edit reached the file");

        QTemporaryDir target;
        saveThroughDialog(*window, QStringLiteral("profile"), target.path(), QStringLiteral("edited"));
        const QString path = target.filePath(QStringLiteral("edited.prof"));
        QTRY_VERIFY(QFileInfo(path).isFile());
        ProfileRecord exported;
        QCOMPARE(readProfileFile(exported, path), StorageResult::Ok);
        QCOMPARE(exported.dpiStages, working.dpiStages);
        QCOMPARE(readProductTag(path), currentProductName());
        ProfileRecord stillSaved;
        readProfileFile(stillSaved, profileFilePath(QStringLiteral("Profile 1")));
        QCOMPARE(stillSaved.dpiStages, saved.dpiStages);
    }

    // Over the dark macro page the dialog keeps the desktop's look: no style sheet reaches any of
    // its widgets, and its column headers show their titles.
    void aFileDialogOnTheDarkSkin()
    {
        WindowSandbox sandbox;
        auto window = shownWindow(sandbox);
        QVERIFY(window);
        QDir(m_home.path()).mkpath(QStringLiteral("Macros"));
        QVERIFY(setLastFileFolder(m_home.path()) == StorageResult::Ok);
        MacroDialog* page = macroPage(*window);
        QStringList styled;
        QStringList headers;
        bool transientOfWindow = false;
        QImage shot;
        whenFileDialogOpens(page, [&](QFileDialog& dialog) {
            QList<QWidget*> widgets = dialog.findChildren<QWidget*>();
            widgets.prepend(&dialog);
            for (const QWidget* widget : widgets) {
                if (widget->style()->inherits("QStyleSheetStyle"))
                    styled << QString::fromLatin1(widget->metaObject()->className());
            }
            for (const QHeaderView* header : dialog.findChildren<QHeaderView*>()) {
                if (header->isVisible())
                    headers << header->model()->headerData(0, header->orientation()).toString();
            }
            // The desktop keeps it over the window it belongs to, Wayland's too.
            transientOfWindow =
                dialog.windowHandle() && dialog.windowHandle()->transientParent() == window->windowHandle();
            dialog.resize(640, 400);
            QApplication::processEvents();
            shot = window->grab().toImage();
            QPainter painter(&shot);
            painter.drawPixmap((shot.width() - dialog.width()) / 2, (shot.height() - dialog.height()) / 2,
                               dialog.grab());
            dialog.reject();
        });
        page->button(MacroDialog::Import)->click();
        QVERIFY2(styled.isEmpty(), qPrintable(styled.join(QStringLiteral(", "))));
        QVERIFY(transientOfWindow);
        QVERIFY(!headers.isEmpty());
        QVERIFY(!headers.first().isEmpty());
        QVERIFY(shot.save(screensDirectory() + QStringLiteral("/file-dialog-over-macro-page.png")));
    }
};

QTEST_MAIN(TestFileDialogs)
#include "test_file_dialogs.moc"
