#include "treewalk.h"

#include "mounts.h"
#include "rawpaths.h"

#include <algorithm>
#include <cerrno>
#include <condition_variable>
#include <cstring>
#include <dirent.h>
#include <fcntl.h>
#include <linux/magic.h>
#include <mutex>
#include <sys/syscall.h>
#include <sys/vfs.h>
#include <system_error>
#include <thread>
#include <unistd.h>
#include <vector>

namespace tarnwick {
namespace {

bool isKernelFileSystem(int fd)
{
    struct statfs fs;
    if (fstatfs(fd, &fs) != 0)
        return false;
    switch (static_cast<unsigned long>(fs.f_type)) {
    case PROC_SUPER_MAGIC:
    case SYSFS_MAGIC:
    case DEBUGFS_MAGIC:
    case TRACEFS_MAGIC:
    case SECURITYFS_MAGIC:
    case CGROUP_SUPER_MAGIC:
    case CGROUP2_SUPER_MAGIC:
    case DEVPTS_SUPER_MAGIC:
    case BPF_FS_MAGIC:
    case PSTOREFS_MAGIC:
    case EFIVARFS_MAGIC:
        return true;
    default:
        return false;
    }
}

// A folder that went away or was replaced by something else between being
// listed and being opened is not one we failed to read.
bool merelyGone(int err)
{
    return err == ENOENT || err == ENOTDIR || err == ELOOP;
}

struct Pending
{
    QByteArray path;
    dev_t parentDevice = 0;
    bool top = false;
};

} // namespace

WalkResult walkFolder(const QByteArray &folder, bool recurse, const std::atomic<bool> &cancel,
                      const std::function<void(const WalkItem &)> &visit)
{
    WalkResult result;
    // Paths on a stack rather than open folders in recursion: a deep tree
    // cannot run out of file descriptors or stack.
    std::vector<Pending> pending{{folder, 0, true}};
    while (!pending.empty()) {
        if (cancel.load(std::memory_order_relaxed)) {
            result.cancelled = true;
            return result;
        }
        const Pending p = std::move(pending.back());
        pending.pop_back();
        const int flags = O_RDONLY | O_DIRECTORY | O_CLOEXEC | (p.top ? 0 : O_NOFOLLOW);
        const int fd = open(p.path.constData(), flags);
        if (fd < 0) {
            if (p.top || !merelyGone(errno))
                ++result.unreadable;
            continue;
        }
        struct stat self;
        if (fstat(fd, &self) != 0 ||
            (!p.top && self.st_dev != p.parentDevice && isKernelFileSystem(fd))) {
            close(fd);
            continue;
        }
        FolderReader reader(fd);
        FolderReader::Entry e;
        while (reader.next(e)) {
            if (cancel.load(std::memory_order_relaxed)) {
                close(fd);
                result.cancelled = true;
                return result;
            }
            struct stat st;
            if (fstatat(fd, e.name, &st, AT_SYMLINK_NOFOLLOW) != 0)
                continue; // removed while we were reading
            visit(WalkItem{fd, p.path, e.name, st});
            if (recurse && S_ISDIR(st.st_mode))
                pending.push_back({rawpath::join(p.path, e.name), self.st_dev, false});
        }
        if (reader.error() != 0)
            ++result.unreadable;
        close(fd);
    }
    return result;
}

bool FolderReader::next(Entry &entry)
{
    for (;;) {
        if (at_ >= filled_) {
            long n;
            do {
                n = syscall(SYS_getdents64, fd_, block_, sizeof block_);
            } while (n < 0 && errno == EINTR);
            if (n <= 0) {
                error_ = n < 0 ? errno : 0;
                return false;
            }
            filled_ = n;
            at_ = 0;
        }
        const auto *d = reinterpret_cast<const struct dirent64 *>(block_ + at_);
        at_ += d->d_reclen;
        const char *name = d->d_name;
        if (name[0] == '.' && (name[1] == 0 || (name[1] == '.' && name[2] == 0)))
            continue;
        entry = {name, strlen(name), d->d_type};
        return true;
    }
}

namespace {

// Open folders whose subfolders still wait for a worker. Past this many, a
// folder is closed once read and its subfolders are opened by path (still
// never through a link at their last step), so a wide, deep tree cannot use
// up the process's descriptors.
constexpr int MaxOpenParents = 256;

// A folder's descriptor, closed once the last subfolder waiting to be opened
// through it has been.
struct OpenFolder
{
    OpenFolder(int fd, std::atomic<int> &count) : fd(fd), count(count) { ++count; }
    ~OpenFolder()
    {
        close(fd);
        --count;
    }
    int fd;
    std::atomic<int> &count;
};

// The folders above one, to tell a folder met again below itself.
struct Ancestry
{
    dev_t dev;
    ino_t ino;
    std::shared_ptr<const Ancestry> up;
};

struct Waiting
{
    QByteArray path;
    qsizetype nameAt = 0;
    std::shared_ptr<OpenFolder> parent; // null: open by path
    std::shared_ptr<const Ancestry> above;
    bool top = false;
};

class ParallelWalk
{
public:
    ParallelWalk(const ParallelWalkOptions &options, const std::atomic<bool> &cancel,
                 const std::function<void(int, const FoundEntry &)> &visit)
        : options_(options), cancel_(cancel), visit_(visit)
    {
    }

    void run(const QByteArray &folder)
    {
        stack_.push_back(Waiting{folder, 0, nullptr, nullptr, true});
        const int workers = std::max(1, options_.workers);
        std::vector<std::thread> helpers;
        try {
            for (int w = 1; w < workers; ++w)
                helpers.emplace_back([this, w] { work(w); });
        } catch (const std::system_error &) {
            // Out of threads: those that started do the work.
        }
        work(0);
        for (std::thread &t : helpers)
            t.join();
    }

    qint64 unreadable() const { return unreadable_.load(); }

private:
    void work(int worker)
    {
        std::vector<Waiting> found;
        for (;;) {
            Waiting next;
            {
                std::unique_lock lock(mutex_);
                if (stack_.empty() && busy_ > 0 && options_.idle) {
                    lock.unlock();
                    options_.idle(worker);
                    lock.lock();
                }
                wake_.wait(lock, [this] { return !stack_.empty() || busy_ == 0; });
                if (stack_.empty() || cancel_.load(std::memory_order_relaxed)) {
                    stack_.clear();
                    wake_.notify_all();
                    return;
                }
                next = std::move(stack_.back());
                stack_.pop_back();
                ++busy_;
            }
            found.clear();
            readFolder(worker, std::move(next), found);
            bool idle;
            {
                std::lock_guard lock(mutex_);
                for (Waiting &w : found)
                    stack_.push_back(std::move(w));
                idle = --busy_ == 0;
            }
            if (found.size() == 1)
                wake_.notify_one();
            else if (!found.empty() || idle)
                wake_.notify_all();
        }
    }

    void readFolder(int worker, Waiting w, std::vector<Waiting> &found)
    {
        const int flags = O_RDONLY | O_DIRECTORY | O_CLOEXEC | (w.top ? 0 : O_NOFOLLOW);
        const int fd = w.parent ? openat(w.parent->fd, w.path.constData() + w.nameAt, flags)
                                : open(w.path.constData(), flags);
        const int err = errno;
        w.parent.reset(); // may close the parent, which touches errno
        if (fd < 0) {
            if (w.top || !merelyGone(err))
                ++unreadable_;
            return;
        }
        struct stat self;
        bool enter = fstat(fd, &self) == 0;
        if (enter && !w.top && w.above && self.st_dev != w.above->dev && isKernelFileSystem(fd))
            enter = false;
        for (const Ancestry *a = w.above.get(); enter && a; a = a->up.get())
            enter = !(a->dev == self.st_dev && a->ino == self.st_ino);
        if (!enter) {
            close(fd);
            return;
        }
        auto here = std::make_shared<const Ancestry>(Ancestry{self.st_dev, self.st_ino, w.above});
        FolderReader reader(fd);
        FolderReader::Entry e;
        while (reader.next(e)) {
            if (cancel_.load(std::memory_order_relaxed))
                break;
            unsigned char type = e.type;
            struct stat st;
            const struct stat *known = nullptr;
            if (type == DT_UNKNOWN) {
                if (fstatat(fd, e.name, &st, AT_SYMLINK_NOFOLLOW) != 0)
                    continue; // removed while we were reading
                type = static_cast<unsigned char>(IFTODT(st.st_mode));
                known = &st;
            }
            visit_(worker, FoundEntry{fd, w.path, e.name, e.length, type, known});
            if (!options_.recurse || type != DT_DIR)
                continue;
            QByteArray path =
                rawpath::join(w.path, QByteArray::fromRawData(e.name, qsizetype(e.length)));
            if (!options_.avoid.isEmpty() && options_.avoid.contains(path))
                continue;
            const qsizetype nameAt = path.size() - qsizetype(e.length);
            found.push_back(Waiting{std::move(path), nameAt, nullptr, here, false});
        }
        if (reader.error() != 0)
            ++unreadable_;
        if (found.empty() || openParents_.load() >= MaxOpenParents) {
            close(fd);
            return;
        }
        auto open = std::make_shared<OpenFolder>(fd, openParents_);
        for (Waiting &child : found)
            child.parent = open;
    }

    const ParallelWalkOptions &options_;
    const std::atomic<bool> &cancel_;
    const std::function<void(int, const FoundEntry &)> &visit_;
    std::mutex mutex_;
    std::condition_variable wake_;
    std::vector<Waiting> stack_; // last in, first out: depth first keeps few folders open
    int busy_ = 0;
    std::atomic<qint64> unreadable_{0};
    std::atomic<int> openParents_{0};
};

} // namespace

WalkResult walkInParallel(const QByteArray &folder, const ParallelWalkOptions &options,
                          const std::atomic<bool> &cancel,
                          const std::function<void(int worker, const FoundEntry &)> &visit)
{
    ParallelWalk walk(options, cancel, visit);
    walk.run(folder);
    WalkResult result;
    result.unreadable = walk.unreadable();
    result.cancelled = cancel.load();
    return result;
}

QSet<QByteArray> unreliableMountPoints(const QByteArray &mountInfo)
{
    QSet<QByteArray> points;
    for (const Volume &v : parseMountInfo(mountInfo)) {
        if (v.network || v.fileSystem.startsWith(QLatin1String("fuse")) ||
            v.fileSystem == QLatin1String("autofs"))
            points.insert(rawpath::toBytes(v.mountPoint));
    }
    return points;
}

} // namespace tarnwick
