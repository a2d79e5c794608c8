// SPDX-License-Identifier: GPL-3.0-or-later
#include "session/profile_loading.h"

#include "log_categories.h"
#include "storage/app_config.h"
#include "storage/profile_file_cache.h"
#include "storage/profile_files.h"
#include "storage/settings_guard.h"

#include <QCoreApplication>
#include <QFile>
#include <QFileInfo>
#include <QSettings>

namespace {

const QString kProfileGroup = QStringLiteral("PROFILE");
const QString kDamagedSuffix = QStringLiteral(".damaged");

QString translated(const char* source)
{
    return QCoreApplication::translate("RecordGate", source);
}

bool holdsProfileSection(const QString& path)
{
    const GuardedSettings file(path, GuardedSettings::Mode::Read);
    if (file.wasDamaged() || file.settings().status() != QSettings::NoError)
        return false;
    return file.settings().childGroups().contains(kProfileGroup);
}

// Another product's file is tagged with its name; a slot file of ours has no tag or ours.
bool isOtherProductsFile(const QString& path)
{
    const QString tag = readProductTag(path);
    return !tag.isEmpty() && tag != currentProductName();
}

// Moves the damaged file aside, replacing an older one kept there; false when it stays.
bool keepDamagedFile(const QString& path)
{
    const QString kept = path + kDamagedSuffix;
    QFile::remove(kept);
    forgetProfileFile(path);
    return QFile::rename(path, kept);
}

QString fileNameOf(const QString& path)
{
    return QFileInfo(path).fileName();
}

} // namespace

ProfileFileState inspectProfileFile(const QString& path)
{
    const QFileInfo info(path);
    if (!info.exists())
        return info.isSymLink() ? ProfileFileState::Unreadable : ProfileFileState::Missing;
    if (!info.isFile())
        return ProfileFileState::Unreadable;
    {
        QFile probe(path);
        if (!probe.open(QIODevice::ReadOnly))
            return ProfileFileState::Unreadable;
    }
    if (!holdsProfileSection(path) || isOtherProductsFile(path))
        return ProfileFileState::Damaged;
    return info.isSymLink() ? ProfileFileState::SymbolicLink : ProfileFileState::Sound;
}

QStringList gateReadProfile(ProfileRecord& profile, const QString& path, const RecordLimits& limits,
                            MissingFile missing)
{
    QStringList report;
    const QString name = fileNameOf(path);
    const ProfileFileState state = inspectProfileFile(path);
    switch (state) {
        case ProfileFileState::Sound:
            break;
        case ProfileFileState::SymbolicLink:
            report << translated(
                          QT_TRANSLATE_NOOP(
                              "RecordGate",
                              "%1 is a symbolic link: it is read, but saved as a regular file in the profile folder."))
                          .arg(name);
            break;
        case ProfileFileState::Missing:
            if (missing == MissingFile::Report)
                report << translated(
                              QT_TRANSLATE_NOOP("RecordGate",
                                                "%1 is missing; the profile starts from the product's defaults."))
                              .arg(name);
            break;
        case ProfileFileState::Unreadable:
            report << translated(
                          QT_TRANSLATE_NOOP("RecordGate",
                                            "%1 cannot be read; the profile starts from the product's defaults."))
                          .arg(name);
            break;
        case ProfileFileState::Damaged:
            if (keepDamagedFile(path))
                report
                    << translated(
                           QT_TRANSLATE_NOOP(
                               "RecordGate",
                               "%1 is damaged; it is kept as %2 and the profile starts from the product's defaults."))
                           .arg(name, name + kDamagedSuffix);
            else
                report << translated(
                              QT_TRANSLATE_NOOP(
                                  "RecordGate",
                                  "%1 is damaged and could not be set aside; the profile starts from the product's "
                                  "defaults."))
                              .arg(name);
            break;
    }
    if (state != ProfileFileState::Sound && state != ProfileFileState::SymbolicLink) {
        qCDebug(lcSession).noquote() << "profile file not sound, defaults used:" << path << int(state);
        profile = limits.defaults;
        profile.ProfileName = QFileInfo(path).completeBaseName();
    }
    report << repairReport(name, repairProfileRecord(profile, limits));
    return report;
}

QStringList loadProfileThroughGate(ProfileRecord& profile, const QString& path, const RecordLimits& limits,
                                   MissingFile missing)
{
    readProfileFile(profile, path);
    return gateReadProfile(profile, path, limits, missing);
}
