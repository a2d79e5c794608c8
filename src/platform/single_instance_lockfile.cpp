#include "platform/single_instance.h"

#include <QCryptographicHash>
#include <QDir>
#include <QLockFile>

namespace {

constexpr int kReadablePartLength = 64;
constexpr int kHashHexDigits = 8;
const char kLockFileSuffix[] = ".lock";

bool isSafeInFileName(QChar c)
{
    return (c >= QLatin1Char('a') && c <= QLatin1Char('z')) || (c >= QLatin1Char('A') && c <= QLatin1Char('Z')) ||
           (c >= QLatin1Char('0') && c <= QLatin1Char('9')) || c == QLatin1Char(' ') || c == QLatin1Char('-') ||
           c == QLatin1Char('_');
}

// The lock name stays readable in the file name, with anything a file system might refuse
// replaced; the hash of the whole name keeps names that read alike ("a/b", "a:b") apart. Empty
// when there is no temp directory: Qt then gives an empty path, which would put the lock in the
// working directory.
QString lockFilePath(const QString& name)
{
    const QString tempPath = QDir::tempPath();
    if (tempPath.isEmpty())
        return QString();
    QString readable = name.left(kReadablePartLength);
    for (QChar& c : readable) {
        if (!isSafeInFileName(c))
            c = QLatin1Char('_');
    }
    const QByteArray hash = QCryptographicHash::hash(name.toUtf8(), QCryptographicHash::Sha1).toHex();
    const QString fileName = readable.trimmed() + QLatin1Char('-') + QString::fromLatin1(hash.left(kHashHexDigits)) +
                             QLatin1String(kLockFileSuffix);
    return QDir(tempPath).filePath(fileName);
}

} // namespace

struct SingleInstanceLock::Handle
{
    explicit Handle(const QString& path)
        : path(path)
        , file(path)
    {
        // Held for the program's life: never old enough to count as stale, only when its
        // process is gone.
        file.setStaleLockTime(0);
    }
    const QString path;
    QLockFile file;
};

SingleInstanceLock::SingleInstanceLock(const QString& name)
    : m_handle(std::make_unique<Handle>(lockFilePath(name)))
{
}

SingleInstanceLock::~SingleInstanceLock() = default;

bool SingleInstanceLock::tryAcquire()
{
    if (m_handle->file.isLocked())
        return true;
    if (m_handle->path.isEmpty()) {
        m_error = Error::Unavailable;
        return false;
    }
    if (m_handle->file.tryLock(0)) {
        m_error = Error::None;
        return true;
    }
    m_error = m_handle->file.error() == QLockFile::LockFailedError ? Error::HeldElsewhere : Error::Unavailable;
    return false;
}
