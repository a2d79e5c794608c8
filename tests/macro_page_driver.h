// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "controls/message_box.h"
#include "controls/push_button.h"
#include "macro/macro_dialog.h"
#include "macro/macro_model.h"

#include <QApplication>
#include <QFileDialog>
#include <QFileInfo>
#include <QLineEdit>
#include <QListWidget>
#include <QTimer>
#include <QToolButton>
#include <QTreeWidget>
#include <QtTest>
#include <functional>

// Drives the macro page as a user does, for the page's tests and the window's.

// Answers the next top-level window of that type once it is shown; the page runs questions and
// file dialogs modally, so the answer comes from the event loop they run. Polls for the window,
// never for a time.
template<typename Window>
void whenWindowOpens(QObject* context, std::function<void(Window&)> answer)
{
    auto* poll = new QTimer(context);
    poll->setInterval(5);
    QObject::connect(poll, &QTimer::timeout, context, [poll, answer] {
        for (QWidget* widget : QApplication::topLevelWidgets()) {
            auto* window = qobject_cast<Window*>(widget);
            if (window && window->isVisible()) {
                poll->stop();
                poll->deleteLater();
                answer(*window);
                return;
            }
        }
    });
    poll->start();
}

// Says yes or no to the page's question box.
inline void answerQuestion(QObject* context, bool yes)
{
    whenWindowOpens<TarqMessageBox>(context, [yes](TarqMessageBox& box) {
        box.findChild<QToolButton*>(yes ? QStringLiteral("msgBoxYesBtn") : QStringLiteral("msgBoxNoBtn"))->click();
    });
}

// Picks paths in the next file dialog, as typing them and pressing Open or Save does.
inline void chooseInFileDialog(QObject* context, const QStringList& paths)
{
    whenWindowOpens<QFileDialog>(context, [paths](QFileDialog& dialog) {
        // Typed into the name field: selectFile() leaves the field alone while it has the focus,
        // and the dialog would then answer with the folder it shows.
        auto* name = dialog.findChild<QLineEdit*>(QStringLiteral("fileNameEdit"));
        const QFileInfo first(paths.value(0));
        if (paths.size() == 1 && first.isDir() && dialog.fileMode() == QFileDialog::Directory) {
            // A folder dialog with nothing typed answers with the folder it shows.
            dialog.setDirectory(first.absoluteFilePath());
            if (name)
                name->clear();
        } else {
            dialog.setDirectory(first.absolutePath());
            QStringList names;
            for (const QString& path : paths)
                names << (paths.size() > 1 ? QLatin1Char('"') + QFileInfo(path).fileName() + QLatin1Char('"')
                                           : QFileInfo(path).fileName());
            if (name)
                name->setText(names.join(QLatin1Char(' ')));
            else
                dialog.selectFile(names.join(QLatin1Char(' ')));
        }
        static_cast<QDialog&>(dialog).done(QDialog::Accepted);
    });
}

inline QListWidget* libraryList(const MacroDialog& page)
{
    return page.findChild<QListWidget*>();
}

inline QStringList libraryNames(const MacroDialog& page)
{
    QStringList names;
    const QListWidget* list = libraryList(page);
    for (int i = 0; i < list->count(); ++i)
        names << list->item(i)->text();
    return names;
}

inline void selectMacro(MacroDialog& page, const QString& name)
{
    QListWidget* list = libraryList(page);
    const QList<QListWidgetItem*> found = list->findItems(name, Qt::MatchExactly);
    QVERIFY2(!found.isEmpty(), qPrintable(name));
    list->setCurrentItem(found.first());
}

// The mouse-action tree's entry with that text (top level or below).
inline QTreeWidgetItem* treeEntry(const MacroDialog& page, const QString& text, const QString& parent = QString())
{
    auto* tree = page.findChild<QTreeWidget*>();
    for (QTreeWidgetItem* item : tree->findItems(text, Qt::MatchExactly | Qt::MatchRecursive)) {
        if (parent.isEmpty() ? !item->parent() : (item->parent() && item->parent()->text(0) == parent))
            return item;
    }
    return nullptr;
}
