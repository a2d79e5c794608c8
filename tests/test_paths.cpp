// SPDX-License-Identifier: GPL-3.0-or-later
#include "storage/paths.h"

#include <QFile>
#include <QTemporaryDir>
#include <QtTest>

class TestPaths : public QObject
{
    Q_OBJECT

private slots:
    void init()
    {
        qunsetenv("MOUSECFG_APP_DIR");
        qunsetenv("MOUSECFG_CONFIG_DIR");
    }

    void optionsAreTakenOutOfTheArguments()
    {
        QStringList args{ "devices", "--app-dir", "/a", "--config-dir=/c", "--full" };
        DirectoryOptions options;
        QVERIFY(takeDirectoryOptions(args, options));
        QCOMPARE(args, (QStringList{ "devices", "--full" }));
        QCOMPARE(options.appDir, QStringLiteral("/a"));
        QCOMPARE(options.configDir, QStringLiteral("/c"));

        QStringList missing{ "--config-dir" };
        QString error;
        QVERIFY(!takeDirectoryOptions(missing, options, &error));
        QVERIFY(error.contains("--config-dir"));
    }

    void configDirFollowsAppDirAndSeedsConfigIni()
    {
        QTemporaryDir app;
        QVERIFY(QDir().mkpath(app.path() + "/defaults"));
        QFile seed(app.path() + "/defaults/Config.ini");
        QVERIFY(seed.open(QIODevice::WriteOnly));
        seed.write("[Config]\nGColorID=2\n");
        seed.close();

        QVERIFY(initDirectories({ app.path(), {} }));
        QCOMPARE(appDir(), app.path());
        QCOMPARE(configDir(), app.path() + "/Configs");
        QFile copy(configDir() + "/Config.ini");
        QVERIFY(copy.open(QIODevice::ReadWrite));
        QCOMPARE(copy.readAll(), QByteArray("[Config]\nGColorID=2\n"));

        // An existing Config.ini is the user's: seeding never overwrites it.
        copy.resize(0);
        copy.write("[Config]\nGColorID=5\n");
        copy.close();
        QVERIFY(initDirectories({ app.path(), {} }));
        QVERIFY(copy.open(QIODevice::ReadOnly));
        QCOMPARE(copy.readAll(), QByteArray("[Config]\nGColorID=5\n"));
    }

    void environmentNamesTheDirectoriesAndOptionsWin()
    {
        QTemporaryDir app;
        QTemporaryDir env;
        QTemporaryDir option;
        qputenv("MOUSECFG_APP_DIR", app.path().toUtf8());
        qputenv("MOUSECFG_CONFIG_DIR", env.path().toUtf8());
        QVERIFY(initDirectories());
        QCOMPARE(appDir(), app.path());
        QCOMPARE(configDir(), env.path());
        QVERIFY(initDirectories({ {}, option.path() }));
        QCOMPARE(configDir(), option.path());
    }

    void unwritableAppDirFallsBackToXdg()
    {
        // Root may write anywhere, so the application directory is a plain file's child.
        QTemporaryDir home;
        QFile blocker(home.path() + "/file");
        QVERIFY(blocker.open(QIODevice::WriteOnly));
        blocker.close();
        qputenv("XDG_CONFIG_HOME", (home.path() + "/xdg").toUtf8());
        QVERIFY(initDirectories({ home.path() + "/file/app", {} }));
        QCOMPARE(configDir(), home.path() + "/xdg/mousecfg/Configs");
        QVERIFY(QFileInfo(configDir()).isDir());
        qunsetenv("XDG_CONFIG_HOME");
    }

    // A named directory that cannot be written gives way to the XDG one, and the notice says so;
    // when that cannot be written either, nothing is used.
    void unwritableConfigDirIsReplacedAndReported()
    {
        QTemporaryDir dir;
        QFile blocker(dir.path() + "/file");
        QVERIFY(blocker.open(QIODevice::WriteOnly));
        blocker.close();
        qputenv("XDG_CONFIG_HOME", (dir.path() + "/xdg").toUtf8());
        QString error;
        QString notice;
        QVERIFY(initDirectories({ dir.path(), dir.path() + "/file/Configs" }, &error, &notice));
        QCOMPARE(configDir(), dir.path() + "/xdg/mousecfg/Configs");
        QVERIFY2(notice.contains(dir.path() + "/file/Configs") && notice.contains(configDir()), qPrintable(notice));
        QVERIFY(notice.contains("cannot be created"));

        notice.clear();
        QVERIFY(initDirectories({ dir.path(), dir.path() }, &error, &notice));
        QVERIFY(notice.isEmpty());

        qputenv("XDG_CONFIG_HOME", (dir.path() + "/file/xdg").toUtf8());
        QVERIFY(!initDirectories({ dir.path(), dir.path() + "/file/Configs" }, &error, &notice));
        QVERIFY(error.contains("/file/Configs") && error.contains("/file/xdg"));
        qunsetenv("XDG_CONFIG_HOME");
    }
};

QTEST_GUILESS_MAIN(TestPaths)
#include "test_paths.moc"
