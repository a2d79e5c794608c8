// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/user_runtime_directory.h"

#include <QDir>
#include <QFile>
#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

const char kOwnDirectoryPrefix[] = "mousecfg-";
const char kRuntimeVariable[] = "XDG_RUNTIME_DIR";

QString systemError(int error)
{
    return QString::fromLocal8Bit(std::strerror(error));
}

bool isUsersUnsharedDirectory(const QString& path)
{
    struct stat info = {};
    if (::lstat(QFile::encodeName(path).constData(), &info) != 0)
        return false;
    return S_ISDIR(info.st_mode) && info.st_uid == ::geteuid() && (info.st_mode & (S_IWGRP | S_IWOTH)) == 0;
}

enum class Claim { Ours, Taken, Failed };

// Makes the directory or checks the one there. The check runs on the opened directory itself, so
// a link put in its place between the two steps is refused, not followed.
Claim claimOwnDirectory(const QString& path, QString* problem)
{
    const QByteArray encoded = QFile::encodeName(path);
    if (::mkdir(encoded.constData(), S_IRWXU) != 0 && errno != EEXIST) {
        *problem = QStringLiteral("cannot make %1: %2").arg(path, systemError(errno));
        return Claim::Failed;
    }
    const int fd = ::open(encoded.constData(), O_RDONLY | O_DIRECTORY | O_NOFOLLOW | O_CLOEXEC);
    if (fd < 0) {
        const int error = errno;
        if (error == ELOOP || error == ENOTDIR || error == EACCES)
            return Claim::Taken;
        *problem = QStringLiteral("cannot open %1: %2").arg(path, systemError(error));
        return Claim::Failed;
    }
    struct stat info = {};
    Claim claim = Claim::Taken;
    if (::fstat(fd, &info) == 0 && S_ISDIR(info.st_mode) && info.st_uid == ::geteuid()) {
        // Ours but opened up (by hand, or made under another umask): closed again before use.
        claim = (info.st_mode & 07777) == S_IRWXU || ::fchmod(fd, S_IRWXU) == 0 ? Claim::Ours : Claim::Failed;
        if (claim == Claim::Failed)
            *problem = QStringLiteral("cannot make %1 private: %2").arg(path, systemError(errno));
    }
    ::close(fd);
    return claim;
}

} // namespace

QString userRuntimeDirectory(QString* problem)
{
    QString ignored;
    QString& why = problem ? *problem : ignored;
    const QString runtime = qEnvironmentVariable(kRuntimeVariable);
    if (QDir::isAbsolutePath(runtime) && isUsersUnsharedDirectory(runtime))
        return QDir::cleanPath(runtime);

    const QString temp = QDir::tempPath();
    if (!QDir::isAbsolutePath(temp)) {
        // Qt names no temp folder when TMPDIR names one that does not exist.
        why = QStringLiteral("there is no temp folder (TMPDIR: %1)").arg(qEnvironmentVariable("TMPDIR"));
        return QString();
    }
    const QString base = QDir(temp).filePath(QLatin1String(kOwnDirectoryPrefix) + QString::number(::geteuid()));
    for (int candidate = 0; candidate < kRuntimeDirectoryCandidates; ++candidate) {
        const QString path = candidate == 0 ? base : base + QStringLiteral(".%1").arg(candidate);
        switch (claimOwnDirectory(path, &why)) {
            case Claim::Ours:
                return path;
            case Claim::Failed:
                return QString();
            case Claim::Taken:
                break;
        }
    }
    why = QStringLiteral("other users hold every name for a private directory of ours in %1 (%2 and the next %3)")
              .arg(temp, QDir(base).dirName())
              .arg(kRuntimeDirectoryCandidates - 1);
    return QString();
}
