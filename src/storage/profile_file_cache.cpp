#include "storage/profile_file_cache.h"

#include <QDateTime>
#include <QFileInfo>
#include <QHash>
#include <QMutex>
#include <QMutexLocker>

namespace {

struct FileStamp
{
    qint64 size = -1;
    qint64 modified = 0;
    qint64 changed = 0;

    bool operator==(const FileStamp& other) const
    {
        return size == other.size && modified == other.modified && changed == other.changed;
    }
};

struct CachedProfile
{
    FileStamp stamp;
    ProfileRecord profile;
};

// Saves run on the upload thread while the window reads files, hence the lock.
QMutex& cacheMutex()
{
    static QMutex mutex;
    return mutex;
}

QHash<QString, CachedProfile>& cache()
{
    static QHash<QString, CachedProfile> entries;
    return entries;
}

QString cacheKey(const QString& path)
{
    return QFileInfo(path).absoluteFilePath();
}

bool stampOf(const QString& path, FileStamp& stamp)
{
    const QFileInfo info(path);
    if (!info.isFile()) {
        return false;
    }
    stamp.size = info.size();
    stamp.modified = info.lastModified().toMSecsSinceEpoch();
    stamp.changed = info.metadataChangeTime().toMSecsSinceEpoch();
    return true;
}

} // namespace

void rememberProfileFile(const QString& path, const ProfileRecord& profile)
{
    FileStamp stamp;
    const bool exists = stampOf(path, stamp);
    const QMutexLocker locker(&cacheMutex());
    if (exists) {
        cache().insert(cacheKey(path), { stamp, profile });
    } else {
        cache().remove(cacheKey(path));
    }
}

bool profileFileHolds(const QString& path, const ProfileRecord& profile)
{
    FileStamp stamp;
    if (!stampOf(path, stamp)) {
        return false;
    }
    const QMutexLocker locker(&cacheMutex());
    const auto entry = cache().constFind(cacheKey(path));
    return entry != cache().constEnd() && entry->stamp == stamp && entry->profile == profile;
}

void forgetProfileFile(const QString& path)
{
    const QMutexLocker locker(&cacheMutex());
    cache().remove(cacheKey(path));
}

void forgetAllProfileFiles()
{
    const QMutexLocker locker(&cacheMutex());
    cache().clear();
}
