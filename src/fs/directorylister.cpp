#include "directorylister.h"

#include "background.h"
#include "contenttypes.h"
#include "rawpaths.h"
#include "transferworker.h"

#include <QElapsedTimer>
#include <algorithm>
#include <cerrno>
#include <cstring>
#include <dirent.h>
#include <fcntl.h>
#include <unistd.h>

namespace tarnwick {

// The first batch is small so that the first rows paint at once; the next
// goes out after 500 ms, and each later one waits twice as long as the one
// before, up to 4 s. Each batch costs the model a merge and the views a new
// layout of every row shown so far, so a folder that takes long to read gets
// few, large batches; the first screenful is there long before.
constexpr int FirstBatch = 256;
constexpr qint64 FirstIntervalMs = 500;
constexpr qint64 LongestIntervalMs = 4000;

namespace {

// Lists one folder on the task's thread, posting batches to the lister.
void listFolder(BackgroundTask &task, DirectoryLister *lister, quint64 id, const QString &path,
                bool foldersOnly)
{
    const auto finish = [&](int error) {
        task.post([lister, id, error] { lister->deliverFinished(id, error); });
    };
    const QByteArray encoded = rawpath::toBytes(path);
    const int fd = open(encoded.constData(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd < 0) {
        finish(errno);
        return;
    }
    DIR *dir = fdopendir(fd);
    if (!dir) {
        const int err = errno;
        close(fd);
        finish(err);
        return;
    }
    ContentSniffer sniffer;
    FileEntries batch;
    batch.reserve(FirstBatch);
    bool first = true;
    QElapsedTimer sinceEmit;
    sinceEmit.start();
    int error = 0;
    int sinceCheck = 0;
    qint64 interval = FirstIntervalMs;
    const auto send = [&] {
        task.post([lister, id, batch = std::exchange(batch, {})]() mutable {
            lister->deliverEntries(id, batch);
        });
    };
    for (;;) {
        errno = 0;
        const dirent *d = readdir(dir);
        if (!d) {
            error = errno;
            break;
        }
        const char *name = d->d_name;
        if (name[0] == '.' && (name[1] == 0 || (name[1] == '.' && name[2] == 0)))
            continue;
        if (foldersOnly && d->d_type != DT_DIR && d->d_type != DT_LNK && d->d_type != DT_UNKNOWN)
            continue;
        // A copy on its way in is shown once it has its name.
        if (name[0] == '.' &&
            transfer::isPartName(QByteArray::fromRawData(name, qsizetype(strlen(name)))))
            continue;
        FileEntry e;
        struct stat st;
        if (!statEntry(fd, name, e, &st))
            continue; // removed while we were listing
        if (foldersOnly && !e.isDir)
            continue;
        if (!foldersOnly)
            e.contentType = sniffer.typeOf(fd, name, e, st);
        batch.push_back(std::move(e));

        if (++sinceCheck < 64)
            continue;
        sinceCheck = 0;
        if (task.cancelled()) {
            closedir(dir);
            return;
        }
        const bool firstFull = first && batch.size() >= FirstBatch;
        if (firstFull || sinceEmit.elapsed() >= interval) {
            if (!firstFull)
                interval = std::min(interval * 2, LongestIntervalMs);
            send();
            first = false;
            sinceEmit.restart();
        }
    }
    closedir(dir);
    if (!batch.empty())
        send();
    finish(error);
}

} // namespace

DirectoryLister::DirectoryLister(Mode mode, QObject *parent) : QObject(parent), mode_(mode) {}

DirectoryLister::~DirectoryLister()
{
    cancelAll();
}

quint64 DirectoryLister::list(const QString &path, ListOptions options)
{
    const quint64 id = nextId_++;
    if (mode_ == Mode::LatestOnly)
        cancelAll();
    const bool foldersOnly = options.foldersOnly;
    running_.insert(id, Background::run(
                            this,
                            [this, id, path, foldersOnly](BackgroundTask &task) {
                                listFolder(task, this, id, path, foldersOnly);
                            },
                            mode_ == Mode::LatestOnly ? Background::Priority::Interactive
                                                      : Background::Priority::Low));
    return id;
}

void DirectoryLister::cancelAll()
{
    for (const TaskHandle &task : std::as_const(running_))
        task->cancel();
    running_.clear();
}

void DirectoryLister::deliverEntries(quint64 id, FileEntries &batch)
{
    if (running_.contains(id))
        emit entriesReady(id, batch);
}

void DirectoryLister::deliverFinished(quint64 id, int error)
{
    if (running_.remove(id))
        emit finished(id, error);
}

} // namespace tarnwick
