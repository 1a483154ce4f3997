// The Find window's search against the command line, in the same run on the
// same tree of 500,025 entries (25 folders of 40 folders of 499 files of a
// few lines each): by name, a pattern of 99,798 hits and one of 10, against
// `find -iname` and `fdfind` (Debian's fd); by content, against `grep -rl`
// and `grep -rli`.
// Each side runs three times on a warm cache; medians of CPU (user + system,
// all threads, from start to the last result on the window's thread) and
// wall time. Tarnwick's side feeds the Find window's own model; its memory
// is the resident growth of a search, per result, with and without the
// paths themselves. Run by hand or with `make bench`, never in CI.
#include "benchsupport.h"
#include "filesearch.h"
#include "founditemsmodel.h"

#include <QCoreApplication>
#include <QEventLoop>
#include <algorithm>
#include <cstdio>
#include <fcntl.h>
#include <spawn.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>
#include <vector>

using namespace tarnwick;

extern char **environ;

namespace {

constexpr int Tops = 25;
constexpr int Subs = 40;
constexpr int Files = 499;

// Every fifth file has "report" in its name; ten are zebras; one file in 97
// holds "needle".
void prepare(const QByteArray &base)
{
    struct stat st;
    const QByteArray marker = base + "/.complete";
    if (stat(marker.constData(), &st) == 0)
        return;
    std::printf("preparing %s (500,025 entries)...\n", base.constData());
    std::fflush(stdout);
    mkdir(base.constData(), 0755);
    int n = 0;
    int zebras = 0;
    for (int t = 0; t < Tops; ++t) {
        const QByteArray top = base + "/project" + QByteArray::number(t);
        mkdir(top.constData(), 0755);
        for (int s = 0; s < Subs; ++s) {
            const QByteArray sub = top + "/module" + QByteArray::number(s);
            mkdir(sub.constData(), 0755);
            for (int f = 0; f < Files; ++f, ++n) {
                QByteArray name = n % 5 == 0 ? "Report-" : "file-";
                if (n % 49999 == 7 && zebras < 10) {
                    name = "zebra-";
                    ++zebras;
                }
                name += QByteArray::number(n) + (n % 3 ? ".txt" : ".cpp");
                QByteArray text;
                for (int line = 0; line < 3; ++line)
                    text += "line " + QByteArray::number(line) + " of item " +
                            QByteArray::number(n) + ": lorem ipsum dolor sit amet\n";
                if (n % 97 == 0)
                    text += "a needle in the hay\n";
                const int fd = open((sub + '/' + name).constData(),
                                    O_CREAT | O_WRONLY | O_TRUNC | O_CLOEXEC, 0644);
                if (fd >= 0) {
                    if (write(fd, text.constData(), size_t(text.size())) != text.size())
                        std::perror("write");
                    close(fd);
                }
            }
        }
    }
    const int fd = open(marker.constData(), O_CREAT | O_WRONLY | O_CLOEXEC, 0644);
    if (fd >= 0)
        close(fd);
}

struct Run
{
    double cpu = 0;
    double wall = 0;
    double firstMs = 0;
    qint64 results = 0;
    double bytesPerResult = 0; // resident growth
    double beyondPaths = 0;    // the same less the paths' bytes
};

double seconds(const timeval &t)
{
    return double(t.tv_sec) + double(t.tv_usec) / 1e6;
}

// A command with its output thrown away; its own CPU time, from wait4.
Run command(const std::vector<const char *> &argv)
{
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_addopen(&actions, 1, "/dev/null", O_WRONLY, 0);
    QElapsedTimer wall;
    wall.start();
    pid_t pid = 0;
    std::vector<char *> args;
    for (const char *a : argv)
        args.push_back(const_cast<char *>(a));
    args.push_back(nullptr);
    Run r;
    if (posix_spawnp(&pid, args[0], &actions, nullptr, args.data(), environ) != 0) {
        std::printf("  (%s did not start)\n", args[0]);
        return r;
    }
    int status = 0;
    rusage ru{};
    wait4(pid, &status, 0, &ru);
    r.wall = bench::msSince(wall) / 1000;
    r.cpu = seconds(ru.ru_utime) + seconds(ru.ru_stime);
    posix_spawn_file_actions_destroy(&actions);
    return r;
}

// A search as the Find window runs it, into its model.
Run ourSearch(const QByteArray &base, const QString &names, const QString &text, bool matchCase)
{
    FoundItemsModel model;
    FileSearch search;
    qint64 pathBytes = 0;
    Run r;
    QElapsedTimer wall;
    QObject::connect(&search, &FileSearch::found, &model, [&](FoundBatch &batch) {
        if (r.firstMs == 0)
            r.firstMs = bench::msSince(wall);
        for (const FoundItem &i : std::as_const(batch.items))
            pathBytes += i.pathLength;
        model.append(batch);
    });
    QEventLoop loop;
    QObject::connect(&search, &FileSearch::finished, &loop, &QEventLoop::quit);
    const double rssBefore = bench::residentMiB();
    const double cpuBefore = bench::cpuSeconds();
    wall.start();
    search.start({base, names, text, matchCase, true});
    loop.exec();
    r.wall = bench::msSince(wall) / 1000;
    r.cpu = bench::cpuSeconds() - cpuBefore;
    r.results = model.rowCount();
    const double grown = (bench::residentMiB() - rssBefore) * 1024 * 1024;
    if (r.results > 0) {
        r.bytesPerResult = grown / double(r.results);
        r.beyondPaths = (grown - double(pathBytes)) / double(r.results);
    }
    return r;
}

Run median(std::vector<Run> runs)
{
    const auto mid = [&](auto field) {
        std::vector<double> v;
        for (const Run &r : runs)
            v.push_back(r.*field);
        std::sort(v.begin(), v.end());
        return v[v.size() / 2];
    };
    Run m = runs.front();
    m.cpu = mid(&Run::cpu);
    m.wall = mid(&Run::wall);
    m.firstMs = mid(&Run::firstMs);
    return m;
}

void row(const char *what, const Run &r, const Run *base = nullptr)
{
    std::printf("  %-34s CPU %6.3f s  wall %6.3f s", what, r.cpu, r.wall);
    if (base && base->cpu > 0)
        std::printf("  (%.2fx CPU)", r.cpu / base->cpu);
    if (r.results > 0)
        std::printf("  %lld found, first after %.0f ms", static_cast<long long>(r.results),
                    r.firstMs);
    // Too few results to tell from the resident set's noise.
    if (r.results >= 20000)
        std::printf(", %.0f B/result (%.0f B beyond the paths)", r.bytesPerResult, r.beyondPaths);
    std::printf("\n");
    std::fflush(stdout);
}

template <typename F> Run three(F run)
{
    run(); // warms the cache and the allocator
    return median({run(), run(), run()});
}

} // namespace

int main(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    const QByteArray base = argc > 1 ? QByteArray(argv[1]) : QByteArray("/tmp/tarnwick-bench-find");
    prepare(base);
    const char *dir = base.constData();

    struct NameCase
    {
        const char *title;
        const char *pattern;
        const char *glob;
    };
    for (const NameCase &c :
         {NameCase{"by name, \"report\" (a fifth of the files)", "report", "*report*"},
          NameCase{"by name, \"zebra\" (ten files)", "zebra", "*zebra*"}}) {
        std::printf("%s, medians of 3\n", c.title);
        const Run find = three([&] { return command({"find", dir, "-iname", c.glob}); });
        row("find -iname", find);
        row("fdfind -u -i -g", three([&] {
                return command({"fdfind", "-u", "-i", "-g", c.glob, dir});
            }),
            &find);
        row("Tarnwick", three([&] { return ourSearch(base, c.pattern, {}, false); }), &find);
    }
    std::printf("by content, \"needle\" (one file in 97), medians of 3\n");
    const Run grep = three([&] { return command({"grep", "-rl", "needle", dir}); });
    row("grep -rl", grep);
    row("Tarnwick, case matched", three([&] { return ourSearch(base, {}, "needle", true); }),
        &grep);
    const Run grepI = three([&] { return command({"grep", "-rli", "needle", dir}); });
    row("grep -rli", grepI);
    row("Tarnwick, case ignored", three([&] { return ourSearch(base, {}, "needle", false); }),
        &grepI);
    return 0;
}
