// Packing into tar.gz and unpacking it again, against `tar czf` and
// `tar xzf` on the same tree in the same run: files of 4 KiB to 4 MiB in
// 64 folders, text-like so that they compress as documents do. The tree is
// made once and kept between runs; each side writes into a new empty
// folder, with the disk synced before, untimed. Run by hand or with `make
// bench`, never in CI:
//   bench_archives [folder] [--mib N] [--rounds N]   (N MiB, 1024 unless said)
#include "archives.h"
#include "fdwalk.h"
#include "rawpaths.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QRandomGenerator>
#include <cstdio>
#include <cstring>
#include <fcntl.h>
#include <spawn.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

using namespace tarnwick;

extern char **environ;

namespace {

bool exists(const QByteArray &path)
{
    struct stat st;
    return stat(path.constData(), &st) == 0;
}

void writeFile(const QByteArray &path, const char *data, qint64 size)
{
    const int fd = open(path.constData(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0644);
    for (qint64 done = 0; fd >= 0 && done < size;) {
        const ssize_t n = write(fd, data + done, size_t(size - done));
        if (n <= 0)
            break;
        done += n;
    }
    if (fd >= 0)
        close(fd);
}

// Words in no order, from a small vocabulary: about a third of its size
// once compressed, as prose and source code are.
QByteArray textBlock(qint64 size)
{
    static const char *const words[] = {
        "the",    "folder", "archive", "copy", "window", "list",  "name",  "of",   "and",
        "system", "file",   "pane",    "to",   "a",      "value", "error", "in",   "return",
        "int",    "const",  "while",   "for",  "data",   "size",  "open",  "read", "write"};
    QByteArray block;
    block.reserve(size + 16);
    QRandomGenerator rng(3);
    while (block.size() < size) {
        block += words[rng.bounded(int(std::size(words)))];
        block += rng.bounded(12) == 0 ? '\n' : ' ';
        if (rng.bounded(50) == 0)
            block += QByteArray::number(rng.generate());
    }
    block.truncate(size);
    return block;
}

// Made once; the marker says it is complete and how big it was asked to be.
void prepare(const QByteArray &tree, qint64 bytes)
{
    const QByteArray marker = tree + "/.complete-" + QByteArray::number(bytes);
    if (exists(marker))
        return;
    removeTree(AT_FDCWD, tree.constData()); // of another size, or left unfinished
    std::printf("preparing %s (%lld MiB)...\n", tree.constData(), bytes >> 20);
    std::fflush(stdout);
    const QByteArray block = textBlock(8 << 20);
    QRandomGenerator rng(4);
    qint64 made = 0;
    for (int i = 0; made < bytes; ++i) {
        const QByteArray folder = tree + "/folder" + QByteArray::number(i % 64);
        rawpath::makeFolders(folder);
        // Mostly small files, some large: sizes spread evenly in log scale.
        const qint64 size = qMin<qint64>(bytes - made, qint64(4096) << rng.bounded(11));
        const qint64 at = rng.bounded(int(block.size() - size));
        writeFile(folder + "/file" + QByteArray::number(i) + ".txt", block.constData() + at, size);
        made += size;
    }
    writeFile(marker, "", 0);
}

double run(const char *const argv[])
{
    QElapsedTimer t;
    t.start();
    pid_t pid = 0;
    if (posix_spawnp(&pid, argv[0], nullptr, nullptr, const_cast<char **>(argv), environ) != 0)
        return -1;
    int status = 0;
    waitpid(pid, &status, 0);
    return WIFEXITED(status) && WEXITSTATUS(status) == 0 ? double(t.nsecsElapsed()) / 1e9 : -1;
}

double runJob(Job *job, int *done)
{
    QElapsedTimer t;
    t.start();
    const std::unique_ptr<Job> owned(job);
    QEventLoop loop;
    QObject::connect(job, &Job::finished, &loop, [&](const JobResult &r) {
        *done = r.errors.isEmpty() ? r.done : -1;
        loop.quit();
    });
    job->start();
    loop.exec();
    return double(t.nsecsElapsed()) / 1e9;
}

QByteArray fresh(const QByteArray &path)
{
    rawpath::makeFolders(path);
    sync();
    return path;
}

void report(const char *what, const char *theirs, double tar, double ours, int done)
{
    std::printf("%-22s %-8s %8.3f s, ours %8.3f s (%d done), ratio %.2f\n", what, theirs, tar, ours,
                done, ours / tar);
    std::fflush(stdout);
}

} // namespace

int main(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    QByteArray base = "/tmp/tarnwick-bench-archives";
    qint64 mib = 1024;
    int rounds = 1;
    for (int i = 1; i < argc; ++i) {
        if (std::strcmp(argv[i], "--mib") == 0 && i + 1 < argc)
            mib = QByteArray(argv[++i]).toLongLong();
        else if (std::strcmp(argv[i], "--rounds") == 0 && i + 1 < argc)
            rounds = QByteArray(argv[++i]).toInt();
        else
            base = argv[i];
    }
    const QByteArray tree = base + "/tree";
    prepare(tree, mib << 20);
    const QByteArray out = base + "/out";
    removeTree(AT_FDCWD, out.constData());

    double tarPack = 1e9, ourPack = 1e9, tarUnpack = 1e9, ourUnpack = 1e9;
    int packed = 0, unpacked = 0;
    for (int round = 0; round < rounds; ++round) {
        const QByteArray r = out + "/round" + QByteArray::number(round);
        // Taking turns at going first, so neither always meets the other's
        // writes still on their way to the disk.
        const auto ourSide = [&] {
            ourPack = std::min(
                ourPack, runJob(Archives::compress({tree}, fresh(r + "/ours") + "/tree.tar.gz",
                                                   ArchiveFormat::TarGz),
                                &packed));
        };
        if (round % 2)
            ourSide();
        const QByteArray theirs = fresh(r + "/tar") + "/tree.tar.gz";
        const char *pack[] = {"tar",  "czf",  theirs.constData(), "-C", base.constData(),
                              "tree", nullptr};
        tarPack = std::min(tarPack, run(pack));
        if (round % 2 == 0)
            ourSide();

        // Both unpack what tar made.
        const QByteArray into = fresh(r + "/tar-unpacked");
        const char *unpack[] = {"tar", "xzf", theirs.constData(), "-C", into.constData(), nullptr};
        tarUnpack = std::min(tarUnpack, run(unpack));
        ourUnpack = std::min(
            ourUnpack, runJob(Archives::extract({theirs}, fresh(r + "/ours-unpacked")), &unpacked));
    }
    std::printf("%lld MiB in %s, best of %d\n", mib, tree.constData(), rounds);
    report("packing into tar.gz", "tar czf", tarPack, ourPack, packed);
    report("unpacking tar.gz", "tar xzf", tarUnpack, ourUnpack, unpacked);
    removeTree(AT_FDCWD, out.constData());
    return 0;
}
