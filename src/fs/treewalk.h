#pragma once

#include <QByteArray>
#include <QSet>
#include <atomic>
#include <functional>
#include <memory>
#include <sys/stat.h>

namespace tarnwick {

// One entry met on a walk: the folder it is in (as bytes, and open as
// `dirFd`), its name there, and what lstat says of it.
struct WalkItem
{
    int dirFd;
    const QByteArray &folder;
    const char *name;
    const struct stat &st;
};

struct WalkResult
{
    qint64 unreadable = 0; // folders whose contents could not be read
    bool cancelled = false;
};

// Visits everything inside `folder`, and inside its subfolders when
// `recurse`, a folder before its contents. Links are never followed (only
// `folder` itself may be one), so a link to an ancestor cannot make it loop.
// The kernel's own file systems (/proc, /sys...) mounted below `folder` are
// not entered: their files claim absurd sizes and some block when read.
// Runs until done or until `cancel` is set; meant for worker threads.
WalkResult walkFolder(const QByteArray &folder, bool recurse, const std::atomic<bool> &cancel,
                      const std::function<void(const WalkItem &)> &visit);

// The entries of an open folder as the kernel hands them out, a large block
// at a time, each with the type its folder entry records (DT_UNKNOWN where
// the file system keeps none), so that a walk needs no stat to tell folders
// from files.
class FolderReader
{
public:
    struct Entry
    {
        const char *name; // NUL-terminated, inside the reader's block
        size_t length;
        unsigned char type; // DT_REG, DT_DIR...
    };
    explicit FolderReader(int fd) : fd_(fd) {}
    // The next entry but "." and ".."; false at the end or on an error.
    bool next(Entry &entry);
    int error() const { return error_; } // 0, or the errno that ended it

private:
    int fd_;
    int error_ = 0;
    long filled_ = 0;
    long at_ = 0;
    alignas(8) char block_[32 * 1024];
};

// One entry met by walkInParallel. `st` is filled only where the entry's type
// was unknown; `statOf` fetches it otherwise, once.
struct FoundEntry
{
    int dirFd;
    const QByteArray &folder;
    const char *name;
    size_t length;
    unsigned char type; // DT_*, never DT_UNKNOWN
    const struct stat *st;
};

struct ParallelWalkOptions
{
    bool recurse = true;
    int workers = 2;
    // Mount points below the top that the walk does not enter: a server
    // that stops answering would hold a worker for ever.
    QSet<QByteArray> avoid;
    // Told when a worker is about to wait for a folder to read, as it may
    // wait long while another reads on.
    std::function<void(int worker)> idle;
};

// Visits everything inside `folder` on several threads at once, as
// `visit(worker, entry)` with `worker` in [0, workers): folders are handed
// out to whichever worker is free. Each folder is opened relative to its
// parent's descriptor with O_NOFOLLOW, so links are never followed; a folder
// met again below itself (a bind mount) is not entered twice. Kernel file
// systems are not entered, as with walkFolder. The calling thread is one of
// the workers; returns once all have stopped.
WalkResult walkInParallel(const QByteArray &folder, const ParallelWalkOptions &options,
                          const std::atomic<bool> &cancel,
                          const std::function<void(int worker, const FoundEntry &)> &visit);

// Mount points of file systems that may stop answering (network shares,
// user-space file systems), from a mountinfo text; what walkInParallel
// should avoid.
QSet<QByteArray> unreliableMountPoints(const QByteArray &mountInfo);

} // namespace tarnwick
