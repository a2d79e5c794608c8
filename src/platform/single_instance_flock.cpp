// SPDX-License-Identifier: GPL-3.0-or-later
#include "log_categories.h"
#include "platform/single_instance.h"
#include "platform/user_runtime_directory.h"

#include <QCryptographicHash>
#include <QDir>
#include <QFile>
#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

constexpr int kReadablePartLength = 64;
constexpr int kHashHexDigits = 8;
// Each try that finds something unusable in the lock's place removes it; a few suffice even when
// another copy starting at the same moment does the same.
constexpr int kLockTries = 4;
const char kLockFileSuffix[] = ".lock";

bool isSafeInFileName(QChar c)
{
    return (c >= QLatin1Char('a') && c <= QLatin1Char('z')) || (c >= QLatin1Char('A') && c <= QLatin1Char('Z')) ||
           (c >= QLatin1Char('0') && c <= QLatin1Char('9')) || c == QLatin1Char(' ') || c == QLatin1Char('-') ||
           c == QLatin1Char('_');
}

// The lock name stays readable in the file name, with anything a file system might refuse
// replaced; the hash of the whole name keeps names that read alike ("a/b", "a:b") apart.
QString lockFileName(const QString& name)
{
    QString readable = name.left(kReadablePartLength);
    for (QChar& c : readable) {
        if (!isSafeInFileName(c))
            c = QLatin1Char('_');
    }
    const QByteArray hash = QCryptographicHash::hash(name.toUtf8(), QCryptographicHash::Sha1).toHex();
    return readable.trimmed() + QLatin1Char('-') + QString::fromLatin1(hash.left(kHashHexDigits)) +
           QLatin1String(kLockFileSuffix);
}

QString systemError(int error)
{
    return QString::fromLocal8Bit(std::strerror(error));
}

// A lock file of ours: a regular file of the user's that the user can read and write. Our copies
// make nothing else, so anything else in its place (a directory, a pipe, a file of another user's
// or one without permissions) is no live copy's lock.
bool isOurLockFile(const struct stat& info)
{
    return S_ISREG(info.st_mode) && info.st_uid == ::geteuid() && (info.st_mode & S_IRUSR) && (info.st_mode & S_IWUSR);
}

// Removes what stands in the lock's place unless it is a lock file of ours, which another copy
// starting at the same moment may just have made. True when the place is free now.
bool clearPlace(const QByteArray& path)
{
    struct stat info = {};
    if (::lstat(path.constData(), &info) != 0)
        return errno == ENOENT;
    if (isOurLockFile(info))
        return true;
    if (S_ISDIR(info.st_mode))
        return QDir(QFile::decodeName(path)).removeRecursively();
    return ::unlink(path.constData()) == 0;
}

enum class Outcome { Held, HeldElsewhere, Retry, Failed };

} // namespace

struct SingleInstanceLock::Handle
{
    ~Handle()
    {
        if (fd < 0)
            return;
        // The file stays for the next copy; emptied, it names no process that may since be another.
        if (::ftruncate(fd, 0) != 0)
            qCDebug(lcPlatform) << "cannot empty the lock file" << path << systemError(errno);
        ::close(fd);
    }

    Outcome lockOnce(QString* problem);

    QString path; // empty when there is no private directory
    QString directoryProblem;
    int fd = -1;
};

Outcome SingleInstanceLock::Handle::lockOnce(QString* problem)
{
    const QByteArray encoded = QFile::encodeName(path);
    // O_NONBLOCK: a pipe put in the lock's place must not hold the open up.
    const int file = ::open(encoded.constData(), O_RDWR | O_CREAT | O_NOFOLLOW | O_NONBLOCK | O_CLOEXEC, 0600);
    if (file < 0) {
        const int error = errno;
        if (clearPlace(encoded))
            return Outcome::Retry;
        *problem = QStringLiteral("cannot make the lock file %1: %2").arg(path, systemError(error));
        return Outcome::Failed;
    }
    struct stat opened = {};
    if (::fstat(file, &opened) != 0 || !S_ISREG(opened.st_mode)) {
        ::close(file);
        return clearPlace(encoded) ? Outcome::Retry : Outcome::Failed;
    }
    // The kernel lets go of the lock when its process ends, however it ends: a lock that can be
    // taken is stale, whatever the file says.
    if (::flock(file, LOCK_EX | LOCK_NB) != 0) {
        const int error = errno;
        ::close(file);
        if (error == EWOULDBLOCK)
            return Outcome::HeldElsewhere;
        *problem = QStringLiteral("cannot lock %1: %2").arg(path, systemError(error));
        return Outcome::Failed;
    }
    // A stale file that is not ours is replaced by one that is.
    if (!isOurLockFile(opened)) {
        ::unlink(encoded.constData());
        ::close(file);
        return Outcome::Retry;
    }
    // Another copy may have replaced the file between the open and the lock.
    struct stat named = {};
    if (::stat(encoded.constData(), &named) != 0 || named.st_ino != opened.st_ino || named.st_dev != opened.st_dev) {
        ::close(file);
        return Outcome::Retry;
    }
    const QByteArray pid = QByteArray::number(qint64(::getpid())) + '\n';
    // The process id is for people and tests; the lock holds without it.
    if (::fchmod(file, S_IRUSR | S_IWUSR) != 0 || ::ftruncate(file, 0) != 0 ||
        ::write(file, pid.constData(), size_t(pid.size())) != pid.size())
        qCDebug(lcPlatform) << "cannot write the process id into" << path << systemError(errno);
    fd = file;
    return Outcome::Held;
}

SingleInstanceLock::SingleInstanceLock(const QString& name)
    : m_handle(std::make_unique<Handle>())
{
    const QString directory = userRuntimeDirectory(&m_handle->directoryProblem);
    if (!directory.isEmpty())
        m_handle->path = directory + QLatin1Char('/') + lockFileName(name);
}

SingleInstanceLock::~SingleInstanceLock() = default;

QString SingleInstanceLock::location() const
{
    return m_handle->path;
}

bool SingleInstanceLock::tryAcquire()
{
    if (m_handle->fd >= 0)
        return true;
    if (m_handle->path.isEmpty()) {
        m_error = Error::Unavailable;
        m_errorString = m_handle->directoryProblem;
        return false;
    }
    QString problem;
    for (int attempt = 0; attempt < kLockTries; ++attempt) {
        switch (m_handle->lockOnce(&problem)) {
            case Outcome::Held:
                m_error = Error::None;
                m_errorString.clear();
                return true;
            case Outcome::HeldElsewhere:
                m_error = Error::HeldElsewhere;
                m_errorString.clear();
                return false;
            case Outcome::Retry:
                continue;
            case Outcome::Failed:
                attempt = kLockTries;
                break;
        }
    }
    m_error = Error::Unavailable;
    m_errorString = problem.isEmpty() ? QStringLiteral("cannot make the lock file %1").arg(m_handle->path) : problem;
    return false;
}
