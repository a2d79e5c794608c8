// SPDX-License-Identifier: GPL-3.0-or-later
#include "controls/file_dialogs.h"

#include "storage/app_config.h"

#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QRegularExpression>
#include <QWindow>

namespace {

QString startFolder()
{
    const QString last = lastFileFolder();
    return !last.isEmpty() && QFileInfo(last).isDir() ? last : QDir::homePath();
}

// "Profile File(*.prof)" gives "prof".
QString filterSuffix(const QString& filter)
{
    const QRegularExpressionMatch match = QRegularExpression(QStringLiteral("\\*\\.(\\w+)")).match(filter);
    return match.hasMatch() ? match.captured(1) : QString();
}

std::unique_ptr<QFileDialog> makeDialog(QWidget* over, const QString& caption, const QString& filter)
{
    // No parent: a parent's style sheet would reach every widget of the dialog.
    auto dialog = std::make_unique<QFileDialog>(nullptr, caption, startFolder(), filter);
    dialog->setWindowModality(Qt::ApplicationModal);
    QFileDialog* raw = dialog.get();
    QObject::connect(raw, &QDialog::accepted, raw, [raw] {
        const QStringList chosen = raw->selectedFiles();
        if (chosen.isEmpty())
            return;
        const QFileInfo first(chosen.first());
        setLastFileFolder(raw->fileMode() == QFileDialog::Directory ? first.absoluteFilePath() : first.absolutePath());
    });
    if (over) {
        // The desktop keeps it above the window it belongs to and centres it there.
        raw->winId();
        if (QWindow* window = raw->windowHandle())
            window->setTransientParent(over->window()->windowHandle());
        raw->resize(raw->sizeHint());
        raw->move(over->window()->geometry().center() - raw->rect().center());
    }
    return dialog;
}

} // namespace

std::unique_ptr<QFileDialog> makeSaveDialog(QWidget* over, const QString& caption, const QString& filter,
                                            const QString& suggestedName)
{
    auto dialog = makeDialog(over, caption, filter);
    dialog->setAcceptMode(QFileDialog::AcceptSave);
    dialog->setFileMode(QFileDialog::AnyFile);
    const QString suffix = filterSuffix(filter);
    dialog->setDefaultSuffix(suffix);
    if (!suggestedName.isEmpty())
        dialog->selectFile(suffix.isEmpty() ? suggestedName : suggestedName + QLatin1Char('.') + suffix);
    return dialog;
}

std::unique_ptr<QFileDialog> makeOpenDialog(QWidget* over, const QString& caption, const QString& filter, bool several)
{
    auto dialog = makeDialog(over, caption, filter);
    dialog->setAcceptMode(QFileDialog::AcceptOpen);
    dialog->setFileMode(several ? QFileDialog::ExistingFiles : QFileDialog::ExistingFile);
    return dialog;
}

std::unique_ptr<QFileDialog> makeFolderDialog(QWidget* over, const QString& caption)
{
    auto dialog = makeDialog(over, caption, QString());
    dialog->setFileMode(QFileDialog::Directory);
    dialog->setOption(QFileDialog::ShowDirsOnly);
    return dialog;
}

QStringList chosenPaths(const QFileDialog& dialog)
{
    QStringList paths = dialog.selectedFiles();
    const QString suffix = dialog.defaultSuffix();
    if (dialog.acceptMode() == QFileDialog::AcceptSave && !suffix.isEmpty()) {
        for (QString& path : paths) {
            if (QFileInfo(path).suffix().isEmpty())
                path += QLatin1Char('.') + suffix;
        }
    }
    return paths;
}

void showFileDialog(std::unique_ptr<QFileDialog> dialog, QObject* context, std::function<void(const QString&)> chosen)
{
    QFileDialog* raw = dialog.release();
    QObject::connect(raw, &QDialog::finished, raw, &QObject::deleteLater);
    QObject::connect(context, &QObject::destroyed, raw, &QObject::deleteLater);
    QObject::connect(raw, &QDialog::accepted, context, [raw, chosen = std::move(chosen)] {
        const QStringList paths = chosenPaths(*raw);
        if (!paths.isEmpty() && !paths.first().isEmpty())
            chosen(paths.first());
    });
    raw->show();
}
