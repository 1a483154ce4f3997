#pragma once

// What the benchmarks share: the process's own CPU time and peak memory, and
// test folders made once and kept between runs.
#include <QByteArray>
#include <QElapsedTimer>
#include <cstdio>
#include <fcntl.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <unistd.h>

namespace tarnwick::bench {

inline double cpuSeconds()
{
    rusage ru{};
    getrusage(RUSAGE_SELF, &ru);
    return double(ru.ru_utime.tv_sec + ru.ru_stime.tv_sec) +
           double(ru.ru_utime.tv_usec + ru.ru_stime.tv_usec) / 1e6;
}

inline double peakMiB()
{
    rusage ru{};
    getrusage(RUSAGE_SELF, &ru);
    return double(ru.ru_maxrss) / 1024.0;
}

inline double msSince(const QElapsedTimer &t)
{
    return double(t.nsecsElapsed()) / 1e6;
}

// One entry in ten a folder (`folderName` and its number), the rest empty
// files (`fileName`, the number, `fileSuffix`), as users' big folders (build
// trees, mail stores, photo dumps) tend to be. Made once: a marker file says
// the folder is complete.
inline void makeMixedFolder(const QByteArray &path, int entries, const QByteArray &folderName,
                            const QByteArray &fileName, const QByteArray &fileSuffix)
{
    struct stat st;
    const QByteArray marker = path + "/.complete";
    if (stat(marker.constData(), &st) == 0)
        return;
    std::printf("preparing %s (%d entries)...\n", path.constData(), entries);
    std::fflush(stdout);
    mkdir(path.constData(), 0755);
    for (int i = 0; i < entries; ++i) {
        if (i % 10 == 0) {
            mkdir((path + '/' + folderName + QByteArray::number(i)).constData(), 0755);
            continue;
        }
        const QByteArray f = path + '/' + fileName + QByteArray::number(i) + fileSuffix;
        const int fd = open(f.constData(), O_CREAT | O_WRONLY | O_CLOEXEC, 0644);
        if (fd >= 0)
            close(fd);
    }
    const int fd = open(marker.constData(), O_CREAT | O_WRONLY | O_CLOEXEC, 0644);
    if (fd >= 0)
        close(fd);
}

} // namespace tarnwick::bench
