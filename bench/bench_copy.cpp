// The paste engine against `cp -a`, in the same run on the same disk: one
// 1 GiB file, and 20,000 small files in 100 folders. Each side copies from
// a warm cache into a new empty folder, with the disk synced before, untimed;
// the best of three rounds counts. The copies stay until the end: ext4 is
// slow to hand out inode numbers freed a moment ago, which would charge one
// side for the other's clean-up. Run by hand or with `make bench`, never in
// CI.
#include "fileoperations.h"
#include "rawpaths.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QRandomGenerator>
#include <cstdio>
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

void writeFile(const QByteArray &path, const QByteArray &data, int times = 1)
{
    const int fd = open(path.constData(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0644);
    for (int i = 0; fd >= 0 && i < times; ++i) {
        if (write(fd, data.constData(), size_t(data.size())) != data.size())
            break;
    }
    if (fd >= 0)
        close(fd);
}

// Made once and kept between runs; the marker says it is complete.
void prepare(const QByteArray &base)
{
    const QByteArray marker = base + "/.complete";
    if (exists(marker))
        return;
    std::printf("preparing %s...\n", base.constData());
    std::fflush(stdout);
    rawpath::makeFolders(base + "/big");
    QByteArray block(1 << 20, '\0');
    QRandomGenerator(1).fillRange(reinterpret_cast<quint32 *>(block.data()), block.size() / 4);
    writeFile(base + "/big/one-gib.bin", block, 1024);
    QRandomGenerator rng(2);
    for (int d = 0; d < 100; ++d) {
        const QByteArray folder = base + "/small/folder" + QByteArray::number(d);
        rawpath::makeFolders(folder);
        for (int f = 0; f < 200; ++f)
            writeFile(folder + "/file" + QByteArray::number(f) + ".txt",
                      block.left(int(1024 + rng.bounded(15 * 1024))));
    }
    writeFile(marker, {});
}

QByteArray fresh(const QByteArray &path)
{
    rawpath::makeFolders(path);
    sync();
    return path;
}

double cpSeconds(const QByteArray &from, const QByteArray &into)
{
    QElapsedTimer t;
    t.start();
    const char *args[] = {"cp", "-a", from.constData(), into.constData(), nullptr};
    pid_t pid = 0;
    if (posix_spawnp(&pid, "cp", nullptr, nullptr, const_cast<char **>(args), environ) != 0)
        return -1;
    int status = 0;
    waitpid(pid, &status, 0);
    return double(t.nsecsElapsed()) / 1e9;
}

double engineSeconds(const QByteArray &from, const QByteArray &into, int *done)
{
    QElapsedTimer t;
    t.start();
    FileTransfer transfer(JobKind::Copy, {from}, into);
    QEventLoop loop;
    QObject::connect(&transfer, &FileTransfer::finished, &loop, [&](const JobResult &r) {
        *done = r.done;
        loop.quit();
    });
    transfer.start();
    loop.exec();
    return double(t.nsecsElapsed()) / 1e9;
}

} // namespace

int main(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    const QByteArray base = argc > 1 ? QByteArray(argv[1]) : QByteArray("/tmp/tarnwick-bench-copy");
    prepare(base);
    const QByteArray into = base + "/into";
    rawpath::removeTreeAt(AT_FDCWD, into.constData());
    const struct
    {
        const char *what;
        QByteArray from;
    } cases[] = {{"one 1 GiB file", base + "/big/one-gib.bin"},
                 {"20,000 small files", base + "/small"}};
    for (const auto &c : cases) {
        double cp = 1e9, ours = 1e9;
        int done = 0;
        for (int round = 0; round < 3; ++round) {
            const QByteArray run = into + '/' + c.what + QByteArray::number(round);
            // Taking turns at going first, so neither always meets the
            // other's writes still on their way to the disk.
            if (round % 2)
                ours = std::min(ours, engineSeconds(c.from, fresh(run + "-engine"), &done));
            cp = std::min(cp, cpSeconds(c.from, fresh(run + "-cp")));
            if (round % 2 == 0)
                ours = std::min(ours, engineSeconds(c.from, fresh(run + "-engine"), &done));
        }
        std::printf("%-20s cp -a %7.3f s, engine %7.3f s (%d copied), ratio %.2f\n", c.what, cp,
                    ours, done, ours / cp);
        std::fflush(stdout);
    }
    rawpath::removeTreeAt(AT_FDCWD, into.constData());
    return 0;
}
