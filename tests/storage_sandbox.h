#pragma once

#include <QByteArray>
#include <QString>
#include <QTemporaryDir>

// A fresh application directory (with its "/Configs") for one test, seeded with the first-run
// Config.ini we ship and optionally holding the product description we ship.
class StorageSandbox final
{
public:
    enum class Product {
        Shipped,
        None,
    };

    explicit StorageSandbox(Product product = Product::Shipped);
    StorageSandbox(const StorageSandbox&) = delete;
    StorageSandbox& operator=(const StorageSandbox&) = delete;

    bool isValid() const { return m_valid; }
    QString appPath() const { return m_dir.path(); }
    QString path(const QString& relative) const { return m_dir.path() + QLatin1Char('/') + relative; }

private:
    QTemporaryDir m_dir;
    bool m_valid = false;
};

// The shipped data file of that name (e.g. "DefaultProfile.bin" or "defaults/Config.ini"): under
// the checkout's "data" folder when MOUSECFG_SOURCE_DIR names the checkout (as it does for the
// tests), else in the executable's directory.
QString shippedDataFile(const QString& name);

bool writeBytes(const QString& path, const QByteArray& bytes);
QByteArray readBytes(const QString& path);
