#include "random_config.h"
#include "storage/app_config.h"
#include "storage/profile_files.h"
#include "storage/profile_keys.h"
#include "storage_sandbox.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QVector>
#include <algorithm>
#include <cstdio>
#include <functional>

namespace {

constexpr int kRuns = 7;

// Median wall time in milliseconds of kRuns calls, each after its own preparation step.
double medianMs(const std::function<void(int)>& prepare, const std::function<void()>& work)
{
    QVector<double> times;
    for (int run = 0; run < kRuns; ++run) {
        prepare(run);
        QElapsedTimer timer;
        timer.start();
        work();
        times.append(static_cast<double>(timer.nsecsElapsed()) / 1e6);
    }
    std::sort(times.begin(), times.end());
    return times.at(kRuns / 2);
}

QStringList storedFiles(const ConfigRecord& config)
{
    QStringList paths{ configIniPath() };
    for (const QString& name : config.profileNames) {
        paths.append(profileFilePath(name));
    }
    return paths;
}

void check(bool ok, const char* what)
{
    if (!ok) {
        std::fprintf(stderr, "storage_bench: %s failed\n", what);
        std::exit(1);
    }
}

} // namespace

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    const StorageSandbox sandbox;
    check(sandbox.isValid(), "setting up the application directory");

    ConfigRecord config = randomConfiguration(1);
    check(saveConfiguration(config) == StorageResult::Ok, "the first save");

    const auto changeAll = [&config](int run) {
        const ConfigRecord fresh = randomConfiguration(static_cast<quint32>(100 + run));
        config.profiles = fresh.profiles;
    };
    const auto changeOne = [&config](int) { config.profiles[2].buttons[5].KeyInfo[9].H ^= 1; };
    const auto save = [&config] { check(saveConfiguration(config) == StorageResult::Ok, "saveConfiguration"); };
    const double full = medianMs(changeAll, save);
    const double one = medianMs(changeOne, save);
    const double none = medianMs([](int) {}, save);
    ConfigRecord loaded;
    const double load = medianMs([](int) {}, [&loaded] { loadConfiguration(loaded); });
    check(loaded == config, "reading back what was saved");

    QVector<QByteArray> contents;
    const QStringList paths = storedFiles(config);
    for (const QString& path : paths) {
        contents.append(readBytes(path));
    }
    const double plainWrite =
        medianMs([](int) {},
                 [&] {
                     for (int i = 0; i < paths.size(); ++i) {
                         QFile file(paths.at(i) + QStringLiteral(".plain"));
                         check(file.open(QIODevice::WriteOnly) && file.write(contents.at(i)) == contents.at(i).size(),
                               "plain write");
                     }
                 });
    const double plainRead =
        medianMs([](int) {},
                 [&] {
                     for (const QString& path : paths) {
                         QFile file(path + QStringLiteral(".plain"));
                         check(file.open(QIODevice::ReadOnly) && !file.readAll().isEmpty(), "plain read");
                     }
                 });

    std::printf("storage_bench: Config.ini and five profile files of %d keys each, median of %d runs\n",
                kProfileFileKeyCount, kRuns);
    std::printf("full        %9.3f ms  (saveConfiguration, all five profiles changed)\n", full);
    std::printf("one         %9.3f ms  (saveConfiguration, one profile changed)\n", one);
    std::printf("none        %9.3f ms  (saveConfiguration, nothing changed)\n", none);
    std::printf("load        %9.3f ms  (loadConfiguration)\n", load);
    std::printf("plain_write %9.3f ms  (the same bytes written as plain files)\n", plainWrite);
    std::printf("plain_read  %9.3f ms  (the same bytes read as plain files)\n", plainRead);
    std::printf("one/full          %8.3f  (goal <= 0.30)\n", one / full);
    std::printf("none/full         %8.3f  (goal <= 0.05)\n", none / full);
    std::printf("full/plain_write  %8.1f\n", full / plainWrite);
    std::printf("load/plain_read   %8.1f\n", load / plainRead);
    return 0;
}
