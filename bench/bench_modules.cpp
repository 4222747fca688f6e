// How long "Software Dependencies" takes to gather its rows: the loader's list
// of this window-sized process and the package database's answers for it.
// Prints the median and worst of several rounds; the window waits on this
// with a busy cursor, so it should stay well under a second.

#include "platform.h"

#include <QApplication>
#include <QElapsedTimer>

#include <algorithm>
#include <cstdio>
#include <vector>

int main(int argc, char *argv[])
{
    // The window's libraries loaded, as when the about box asks.
    QApplication app(argc, argv);
    platform::Platform &system = platform::systemPlatform();
    constexpr int kRounds = 7;
    std::vector<qint64> times;
    std::size_t modules = 0, known = 0;
    for (int round = 0; round < kRounds; ++round) {
        QElapsedTimer timer;
        timer.start();
        const std::vector<std::string> paths = system.processModules();
        const auto versions = system.versionStrings(paths);
        times.push_back(timer.elapsed());
        modules = paths.size();
        known = std::size_t(std::count_if(versions.begin(), versions.end(), [](const auto &v) { return bool(v); }));
    }
    std::sort(times.begin(), times.end());
    std::printf("modules: %zu, with version data: %zu\n", modules, known);
    std::printf("list and versions: median %lld ms, worst %lld ms over %d rounds\n",
                static_cast<long long>(times[times.size() / 2]), static_cast<long long>(times.back()), kRounds);
    return 0;
}
