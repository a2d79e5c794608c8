// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QFileDialog>
#include <QString>
#include <QStringList>
#include <functional>
#include <memory>

class QObject;
class QWidget;

// The program's file dialogs. Each is a window of its own over the skinned widget that asks for
// it, not its child: no style sheet of the skin cascades into it, so it keeps the desktop's look.
// It starts in the folder the last one was left in ("Config/LastFileFolder" of Config.ini, the
// home folder the first time) and remembers the folder it is accepted in.

// filter names the files, as "Profile File(*.prof)"; a save dialog shows suggestedName with the
// filter's suffix and adds that suffix to a name typed without one.
std::unique_ptr<QFileDialog> makeSaveDialog(QWidget* over, const QString& caption, const QString& filter,
                                            const QString& suggestedName);
// several: any number of existing files instead of one.
std::unique_ptr<QFileDialog> makeOpenDialog(QWidget* over, const QString& caption, const QString& filter,
                                            bool several = false);
std::unique_ptr<QFileDialog> makeFolderDialog(QWidget* over, const QString& caption);

// What an accepted dialog chose; a saved file's name carries the suffix even where a native
// dialog did not add it.
QStringList chosenPaths(const QFileDialog& dialog);

// Shows dialog application modal and returns at once; chosen runs with the first chosen path once
// it is accepted, and never when it is cancelled or context is gone. The dialog deletes itself.
void showFileDialog(std::unique_ptr<QFileDialog> dialog, QObject* context, std::function<void(const QString&)> chosen);
