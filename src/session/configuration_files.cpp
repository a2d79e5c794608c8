// SPDX-License-Identifier: GPL-3.0-or-later
#include "session/configuration_files.h"

#include "log_categories.h"
#include "session/record_gate.h"
#include "storage/app_config.h"
#include "storage/profile_files.h"
#include "storage/settings_guard.h"

#include <QCoreApplication>
#include <QFile>
#include <QFileInfo>

namespace {

// The messages reach the window's boxes as well as the command line, which loads no catalogue.
QString translated(const char* source)
{
    return QCoreApplication::translate("ConfigurationFiles", source);
}

ConfigFileResult refused(ConfigFileProblem problem, const QString& path)
{
    ConfigFileResult result;
    result.problem = problem;
    result.path = path;
    qCDebug(lcSession).noquote() << "configuration file refused:" << path << int(problem);
    return result;
}

QStringList repairImportedConfiguration(ConfigRecord& config, const QString& fileName)
{
    const RecordLimits limits = currentRecordLimits();
    QStringList report = repairReport(fileName, repairDeviceOptions(config, limits));
    for (int slot = 0; slot < kProfileCount; ++slot) {
        const QString section = translated(QT_TRANSLATE_NOOP("ConfigurationFiles", "%1, profile %2"))
                                    .arg(fileName, QString::number(slot + 1));
        report << repairReport(section, repairProfileRecord(config.profiles[size_t(slot)], limits));
    }
    return report;
}

} // namespace

QString ConfigFileResult::message() const
{
    switch (problem) {
        case ConfigFileProblem::None:
            return QString();
        case ConfigFileProblem::EmptyPath:
            return translated(QT_TRANSLATE_NOOP("ConfigurationFiles", "No configuration file named."));
        case ConfigFileProblem::NotARegularFile:
            return translated(QT_TRANSLATE_NOOP("ConfigurationFiles",
                                                "%1 is not a regular file; a configuration is only written to a file."))
                .arg(path);
        case ConfigFileProblem::NoFolder:
            return translated(QT_TRANSLATE_NOOP("ConfigurationFiles", "Cannot write %1: its folder does not exist."))
                .arg(path);
        case ConfigFileProblem::WriteFailed:
            return translated(QT_TRANSLATE_NOOP("ConfigurationFiles", "Cannot write the configuration file %1."))
                .arg(path);
        case ConfigFileProblem::Unreadable:
            return translated(QT_TRANSLATE_NOOP("ConfigurationFiles",
                                                "Cannot read the configuration file %1: it does not exist, "
                                                "is not a regular file or may not be read."))
                .arg(path);
        case ConfigFileProblem::Damaged:
            return translated(QT_TRANSLATE_NOOP("ConfigurationFiles", "%1 (%2 holds a value that cannot be read)"))
                .arg(QCoreApplication::translate("TarqMessageBox", kMalformedImportMessage), path);
        case ConfigFileProblem::OtherProduct:
            return translated(QT_TRANSLATE_NOOP("ConfigurationFiles", "%1 (%2 is for \"%3\", this is \"%4\")"))
                .arg(QCoreApplication::translate("TarqMessageBox", kOtherProductMessage), path, fileProduct,
                     currentProduct);
    }
    return QString();
}

ConfigFileResult checkExportTarget(const QString& path)
{
    if (path.isEmpty())
        return refused(ConfigFileProblem::EmptyPath, path);
    const QFileInfo target(path);
    if (target.exists() || target.isSymLink()) {
        // exists() follows links: a dangling link or a link to anything but a file is refused too.
        if (!target.exists() || !target.isFile())
            return refused(ConfigFileProblem::NotARegularFile, path);
        return {};
    }
    if (!QFileInfo(target.absolutePath()).isDir())
        return refused(ConfigFileProblem::NoFolder, path);
    return {};
}

ConfigFileResult exportConfigurationFile(const ConfigRecord& config, const QString& path)
{
    ConfigFileResult checked = checkExportTarget(path);
    if (!checked.ok())
        return checked;
    if (writeConfigurationFile(config, currentProductName(), path) != StorageResult::Ok)
        return refused(ConfigFileProblem::WriteFailed, path);
    checked.path = path;
    return checked;
}

ConfigFileResult checkImportSource(const QString& path)
{
    if (path.isEmpty())
        return refused(ConfigFileProblem::EmptyPath, path);
    // A FIFO or device is never opened: reading one could block for ever.
    if (!QFileInfo(path).isFile())
        return refused(ConfigFileProblem::Unreadable, path);
    QFile probe(path);
    if (!probe.open(QIODevice::ReadOnly))
        return refused(ConfigFileProblem::Unreadable, path);
    probe.close();
    if (hasUnsafeValues(path))
        return refused(ConfigFileProblem::Damaged, path);
    const QString fileProduct = readProductTag(path);
    const QString current = currentProductName();
    if (fileProduct != current) {
        ConfigFileResult result = refused(ConfigFileProblem::OtherProduct, path);
        result.fileProduct = fileProduct;
        result.currentProduct = current;
        return result;
    }
    return {};
}

ConfigFileResult importConfigurationFile(ConfigRecord& config, const QString& path)
{
    const ConfigFileResult checked = checkImportSource(path);
    if (!checked.ok())
        return checked;
    ConfigRecord imported = config;
    switch (importConfiguration(imported, path)) {
        case StorageResult::Ok: {
            ConfigFileResult result = checked;
            result.repairs = repairImportedConfiguration(imported, QFileInfo(path).fileName());
            config = imported;
            return result;
        }
        case StorageResult::MalformedFile:
            return refused(ConfigFileProblem::Damaged, path);
        default:
            return refused(ConfigFileProblem::Unreadable, path);
    }
}
