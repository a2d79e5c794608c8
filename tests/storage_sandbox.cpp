#include "storage_sandbox.h"

#include "storage/paths.h"
#include "storage/profile_file_cache.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>

QString shippedDataFile(const QString& name)
{
    const QString source = qEnvironmentVariable("MOUSECFG_SOURCE_DIR");
    if (!source.isEmpty()) {
        return source + QStringLiteral("/data/") + name;
    }
    // The build copies the shipped data beside the executables, so a program started from any
    // working directory finds it there.
    return QCoreApplication::applicationDirPath() + QLatin1Char('/') + name;
}

StorageSandbox::StorageSandbox(Product product)
{
    forgetAllProfileFiles();
    if (!m_dir.isValid()) {
        return;
    }
    if (product == Product::Shipped && !QFile::copy(shippedDataFile(QStringLiteral("DefaultProfile.bin")),
                                                    path(QStringLiteral("DefaultProfile.bin")))) {
        return;
    }
    // The first-run Config.ini is seeded from here, as in an installed application.
    QDir().mkpath(path(QStringLiteral("defaults")));
    if (!QFile::copy(shippedDataFile(QStringLiteral("defaults/Config.ini")),
                     path(QStringLiteral("defaults/Config.ini")))) {
        return;
    }
    m_valid = initDirectories({ m_dir.path(), m_dir.path() + QStringLiteral("/Configs") });
}

bool writeBytes(const QString& path, const QByteArray& bytes)
{
    QDir().mkpath(QFileInfo(path).absolutePath());
    QFile file(path);
    return file.open(QIODevice::WriteOnly | QIODevice::Truncate) && file.write(bytes) == bytes.size();
}

QByteArray readBytes(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}
