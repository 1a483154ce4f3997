#pragma once

// What the benchmarks share: the process's own CPU time and peak memory, and
// test folders made once and kept between runs.
#include <QByteArray>
#include <QElapsedTimer>
#include <cstdio>
#include <cstdlib>
#include <cstring>
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

// The resident set now and its peak since the last resetPeakMiB(), from the
// kernel's own counters; the peak of a phase, unlike getrusage's, which
// keeps the whole run's.
inline double statusMiB(const char *field)
{
    FILE *f = std::fopen("/proc/self/status", "r");
    if (!f)
        return 0;
    char line[256];
    double kib = 0;
    const size_t n = std::strlen(field);
    while (std::fgets(line, sizeof line, f)) {
        if (std::strncmp(line, field, n) == 0 && line[n] == ':')
            kib = std::atof(line + n + 1);
    }
    std::fclose(f);
    return kib / 1024.0;
}
inline double residentMiB()
{
    return statusMiB("VmRSS");
}
inline double phasePeakMiB()
{
    return statusMiB("VmHWM");
}
inline void resetPeakMiB()
{
    if (FILE *f = std::fopen("/proc/self/clear_refs", "w")) {
        std::fputs("5", f);
        std::fclose(f);
    }
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
