#include "rawpaths.h"
#include "transferworker.h"

#include <QCoreApplication>
#include <cerrno>
#include <cstring>
#include <dirent.h>
#include <fcntl.h>
#include <limits>
#include <linux/fs.h>
#include <sys/file.h>
#include <sys/ioctl.h>
#include <sys/xattr.h>
#include <unistd.h>

// The copying itself. Every function here leaves nothing in the target
// unless it reports success, so a cancel or a skipped failure never leaves
// part of a file behind.
namespace tarnwick {
namespace {

struct Words
{
    Q_DECLARE_TR_FUNCTIONS(FileTransfer)
};

} // namespace

namespace transfer {

QString shown(const QByteArray &path)
{
    return rawpath::shown(path);
}

int openDir(int dirFd, const QByteArray &name)
{
    return openat(dirFd, name.constData(), O_RDONLY | O_DIRECTORY | O_NOFOLLOW | O_CLOEXEC);
}

QByteArray readLink(int dirFd, const QByteArray &name)
{
    QByteArray target(256, '\0');
    for (;;) {
        const ssize_t n = readlinkat(dirFd, name.constData(), target.data(), size_t(target.size()));
        if (n < 0)
            return {};
        if (n < target.size())
            return target.left(n);
        target.resize(target.size() * 2);
    }
}

} // namespace transfer

namespace {

using namespace transfer;
using rawpath::join;

constexpr off_t BlockSize = 1 << 20; // read and written between checks for Cancel
// Left to the kernel between checks for Cancel: large enough that the calls
// cost nothing beside the copying, small enough (a few tens of milliseconds
// on a slow disk) that Cancel still answers at once.
constexpr off_t KernelBlockSize = 4 << 20;
constexpr off_t NoEnd = std::numeric_limits<off_t>::max();

int copyLink(const EntryAt &from, const struct stat &st, int toFd, const QByteArray &toName)
{
    const QByteArray target = readLink(from.dirFd, from.name);
    if (target.isEmpty())
        return errno;
    if (symlinkat(target.constData(), toFd, toName.constData()) != 0)
        return errno;
    // Some file systems keep no times for links; not worth failing over.
    const timespec times[2] = {st.st_atim, st.st_mtim};
    utimensat(toFd, toName.constData(), times, AT_SYMLINK_NOFOLLOW);
    return 0;
}

// The extended attributes (user attributes, access control lists) go with
// the copy where the target keeps them. As with modes and times, one that
// the target refuses (a file system without them, a name only the
// administrator may set) does not fail the copy.
void copyAttributes(int in, int out)
{
    QByteArray names(1024, '\0');
    ssize_t n;
    while ((n = flistxattr(in, names.data(), size_t(names.size()))) < 0 && errno == ERANGE) {
        const ssize_t need = flistxattr(in, nullptr, 0);
        if (need < 0)
            return;
        names.resize(qMax<qsizetype>(need, names.size() * 2));
    }
    if (n <= 0)
        return;
    QByteArray value;
    for (const char *name = names.constData(); name < names.constData() + n;
         name += strlen(name) + 1) {
        ssize_t size = fgetxattr(in, name, nullptr, 0);
        if (size < 0)
            continue;
        value.resize(qMax<qsizetype>(size, 1));
        size = fgetxattr(in, name, value.data(), size_t(value.size()));
        if (size >= 0)
            fsetxattr(out, name, value.constData(), size_t(size), 0);
    }
}

// A file system that keeps no modes (FAT) refuses them; the copy stays as
// private as it was made. Any other failure means the disk is in trouble.
int modeKept(int err)
{
    return err == EPERM || err == EOPNOTSUPP || err == ENOTSUP ? 0 : err;
}

bool sameKind(const struct stat &a, const struct stat &b)
{
    return (a.st_mode & S_IFMT) == (b.st_mode & S_IFMT) &&
           (!S_ISREG(a.st_mode) || a.st_size == b.st_size);
}

} // namespace

TransferWorker::Outcome TransferWorker::copyEntry(const EntryAt &from, const EntryAt &to, bool sync,
                                                  int *held)
{
    Outcome out;
    if (skipOnSight_ && skipOnSight_->about == from.path) {
        result_.errors << skipOnSight_->text;
        skipped_.insert(from.path);
        return Outcome::Skipped;
    }
    for (;;) {
        if (cancelled())
            return Outcome::Cancelled;
        struct stat st;
        int rc;
        if (fstatat(from.dirFd, from.name.constData(), &st, AT_SYMLINK_NOFOLLOW) != 0)
            rc = errno;
        else if (S_ISDIR(st.st_mode))
            return copyDir(from, st, to, held);
        else if (S_ISREG(st.st_mode))
            rc = copyFile(from, to, sync, held);
        else if (S_ISLNK(st.st_mode))
            rc = copyLink(from, st, to.dirFd, to.name);
        else
            rc = NotCopyable;
        if (rc == 0) {
            itemDone(from.path);
            return Outcome::Done;
        }
        if (rc == CancelledCode)
            return Outcome::Cancelled;
        if (!retry(from.path, rc, &out))
            return out;
    }
}

TransferWorker::Outcome TransferWorker::copyDir(const EntryAt &from, const struct stat &st,
                                                const EntryAt &to, int *held)
{
    Outcome out = Outcome::Done;
    for (;;) {
        int in = -1, into = -1, rc = 0;
        bool made = false;
        // Open to us while it fills; its own mode comes at the end.
        if ((in = openDir(from.dirFd, from.name)) < 0)
            rc = errno;
        else if (!(made = mkdirat(to.dirFd, to.name.constData(), 0700) == 0))
            rc = errno;
        else if ((into = openDir(to.dirFd, to.name)) < 0)
            rc = errno;
        // Tells a later run's clean-up that this part folder is being filled.
        else if (held)
            flock(into, LOCK_EX | LOCK_NB);
        for (const QByteArray &n : rc == 0 ? namesIn(in, &rc) : std::vector<QByteArray>()) {
            // One set aside waits with the whole folder, which is written
            // again when taken up: it never takes its name half-filled.
            const Outcome o =
                copyEntry({in, n, join(from.path, n)}, {into, n, join(to.path, n)}, false);
            if (o == Outcome::Cancelled || o == Outcome::Parked) {
                out = o;
                break;
            }
        }
        if (out == Outcome::Done && rc == 0) {
            // After the contents, whose arrival would change the time again.
            const timespec times[2] = {st.st_atim, st.st_mtim};
            copyAttributes(in, into);
            rc = modeKept(checked::setMode(into, st.st_mode & 07777));
            futimens(into, times);
        }
        const int lock = out == Outcome::Done && rc == 0 && held ? dup(into) : -1;
        if (in >= 0)
            close(in);
        if (into >= 0)
            close(into);
        if (out == Outcome::Done && rc == 0) {
            if (held)
                *held = lock;
            itemDone(from.path);
            return out;
        }
        if (made)
            removeTree(to.dirFd, to.name.constData());
        if (out != Outcome::Done || !retry(from.path, rc, &out))
            return out;
    }
}

int TransferWorker::copyFile(const EntryAt &from, const EntryAt &to, bool sync, int *held)
{
    // O_NONBLOCK: a pipe put in the file's place must not hang the transfer.
    const int in =
        openat(from.dirFd, from.name.constData(), O_RDONLY | O_NOFOLLOW | O_NONBLOCK | O_CLOEXEC);
    if (in < 0)
        return errno;
    struct stat st, made;
    int rc = fstat(in, &st) != 0 ? errno : S_ISREG(st.st_mode) ? 0 : NotCopyable;
    if (rc == 0 && linkCopied(st, to)) {
        close(in);
        bytesDone_ += st.st_size;
        return 0;
    }
    const int out = rc != 0 ? -1
                            : openat(to.dirFd, to.name.constData(),
                                     O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0600);
    if (rc == 0 && out < 0)
        rc = errno;
    if (rc != 0) {
        close(in);
        return rc;
    }
    // Tells a later run's clean-up that this part file is being written.
    flock(out, LOCK_EX | LOCK_NB);
    const qint64 before = bytesDone_;
    rc = pump(in, out, st, from.path);
    if (rc == 0) {
        // After the contents: writing may clear set-user-ID bits. Times
        // never fail the copy, as some file systems (FAT) keep no such thing.
        const timespec times[2] = {st.st_atim, st.st_mtim};
        copyAttributes(in, out);
        rc = modeKept(checked::setMode(out, st.st_mode & 07777));
        futimens(out, times);
    }
    if (rc == 0 && sync)
        rc = checked::syncFile(out);
    if (rc == 0 && fstat(out, &made) != 0)
        rc = errno;
    // The duplicate keeps the lock past the close.
    const int lock = rc == 0 && held ? dup(out) : -1;
    // Network file systems may report a failed write only here.
    if (const int closed = checked::closeFd(out); closed != 0 && rc == 0)
        rc = closed;
    close(in);
    if (rc != 0) {
        if (lock >= 0)
            close(lock);
        unlinkat(to.dirFd, to.name.constData(), 0);
        bytesDone_ = before;
        return rc;
    }
    if (held)
        *held = lock;
    if (st.st_nlink > 1)
        copied_[{st.st_dev, st.st_ino}] = {to.path, made.st_dev, made.st_ino, st.st_size,
                                           st.st_mtim};
    return 0;
}

// Another name of a file already copied in this transfer becomes another
// name of that copy, as long as the copy is still where it was put.
bool TransferWorker::linkCopied(const struct stat &st, const EntryAt &to)
{
    // A move may have removed every other name since, and the number been
    // given to a new file: that one is told apart by size and time.
    const auto it = copied_.find({st.st_dev, st.st_ino});
    if (it == copied_.end() || it->second.size != st.st_size ||
        it->second.mtime.tv_sec != st.st_mtim.tv_sec ||
        it->second.mtime.tv_nsec != st.st_mtim.tv_nsec)
        return false;
    const Copied &c = it->second;
    const auto isCopy = [&c](int dirFd, const QByteArray &name) {
        struct stat now;
        return fstatat(dirFd, name.constData(), &now, AT_SYMLINK_NOFOLLOW) == 0 &&
               now.st_dev == c.dev && now.st_ino == c.ino;
    };
    if (!isCopy(AT_FDCWD, c.path) ||
        linkat(AT_FDCWD, c.path.constData(), to.dirFd, to.name.constData(), 0) != 0)
        return false;
    if (isCopy(to.dirFd, to.name))
        return true;
    unlinkat(to.dirFd, to.name.constData(), 0);
    return false;
}

// Copies inside `from` are now inside `to`.
void TransferWorker::copiesRenamed(const QByteArray &from, const QByteArray &to)
{
    for (auto &[source, copy] : copied_) {
        if (copy.path == from || copy.path.startsWith(from + '/'))
            copy.path = to + copy.path.mid(from.size());
    }
}

// Where the file system can share the blocks (a reflink), the copy takes no
// time and no space. Otherwise only the data is copied, found with SEEK_DATA
// and SEEK_HOLE so holes stay holes at the file system's own granularity,
// and the kernel copies it (copy_file_range) without passing it through this
// process; where it will not, a read and write loop does.
int TransferWorker::pump(int in, int out, const struct stat &st, const QByteArray &path)
{
    if (st.st_size > 0 && !faults && ioctl(out, FICLONE, in) == 0) {
        bytesDone_ += st.st_size;
        tick(path, false);
        return 0;
    }
    // A file with a block for every byte has no holes to look for, and is
    // copied as long as it was when opened. One that says it is empty may
    // still have something to read (/proc).
    const bool dense = st.st_size > 0 && st.st_blocks * 512 >= st.st_size;
    off_t pos = 0, extentEnd = dense ? st.st_size : st.st_size > 0 ? 0 : NoEnd;
    bool endsInHole = false, byKernel = true;
    for (;;) {
        if (cancelled())
            return CancelledCode;
        if (pos >= extentEnd && dense)
            break;
        if (pos >= extentEnd) {
            const off_t data = lseek(in, pos, SEEK_DATA);
            if ((endsInHole = data < 0 && errno == ENXIO))
                break;
            if (data < 0 && errno != EINVAL)
                return errno;
            const off_t hole = data < 0 ? -1 : lseek(in, data, SEEK_HOLE);
            extentEnd = hole > data ? hole : NoEnd; // all data when holes are unknown
            if (data > pos) {
                bytesDone_ += data - pos;
                pos = data;
            }
        }
        if (const int rc = fault(FaultPoint::Read, path))
            return rc;
        ssize_t n = -1;
        if (byKernel) {
            if (const int rc = fault(FaultPoint::Write, path))
                return rc;
            off_t inPos = pos, outPos = pos;
            n = copy_file_range(in, &inPos, out, &outPos,
                                size_t(qMin(KernelBlockSize, extentEnd - pos)), 0);
            if (n < 0 && errno == EINTR)
                continue;
            // Refused (no support between these two file systems, a file
            // of the kernel's own) or nothing copied where a pseudo file
            // system may yet have data: the loop below finds out.
            if (n <= 0 && (n == 0 || errno == EXDEV || errno == EINVAL || errno == ENOSYS ||
                           errno == EOPNOTSUPP || errno == EBADF || errno == EPERM)) {
                byKernel = false;
                continue;
            }
            if (n < 0)
                return errno;
        } else {
            buffer_.resize(size_t(BlockSize));
            n = pread(in, buffer_.data(), size_t(qMin(BlockSize, extentEnd - pos)), pos);
            if (n < 0 && errno == EINTR)
                continue;
            if (n < 0)
                return errno;
            if (n == 0)
                break;
            for (ssize_t done = 0; done < n;) {
                if (const int rc = fault(FaultPoint::Write, path))
                    return rc;
                const ssize_t w = pwrite(out, buffer_.data() + done, size_t(n - done), pos + done);
                if (w < 0 && errno == EINTR)
                    continue;
                if (w <= 0)
                    return w < 0 ? errno : EIO;
                done += w;
            }
        }
        pos += n;
        bytesDone_ += n;
        tick(path, false);
    }
    // A file that ends in a hole gets its length only now. One that ended
    // sooner than it said (as in /sys) is as long as what was read.
    struct stat now;
    if (!endsInHole)
        return 0;
    if (fstat(in, &now) != 0 || ftruncate(out, now.st_size) != 0)
        return errno;
    bytesDone_ += qMax<off_t>(0, now.st_size - pos);
    return 0;
}

// Whether the copy holds all the source does, by kind, size and link
// target; what the user chose to skip does not count.
bool TransferWorker::matches(const EntryAt &from, int toFd, const QByteArray &toName)
{
    struct stat a, b;
    if (skipped_.contains(from.path))
        return true;
    if (fstatat(from.dirFd, from.name.constData(), &a, AT_SYMLINK_NOFOLLOW) != 0 ||
        fstatat(toFd, toName.constData(), &b, AT_SYMLINK_NOFOLLOW) != 0 || !sameKind(a, b))
        return false;
    if (S_ISLNK(a.st_mode))
        return readLink(from.dirFd, from.name) == readLink(toFd, toName);
    if (!S_ISDIR(a.st_mode))
        return S_ISREG(a.st_mode);
    const int in = openDir(from.dirFd, from.name), copy = openDir(toFd, toName);
    int err = in < 0 || copy < 0 ? EBADF : 0;
    bool same = err == 0;
    for (const QByteArray &n : same ? namesIn(in, &err) : std::vector<QByteArray>()) {
        if (!(same = matches({in, n, join(from.path, n)}, copy, n)))
            break;
    }
    if (in >= 0)
        close(in);
    if (copy >= 0)
        close(copy);
    return same && err == 0;
}

// Removes what was moved, entry by entry, and only where the copy holds the
// same: anything that was skipped, or that arrived in the meantime, stays.
void TransferWorker::removeMoved(const EntryAt &from, int copyFd, const QByteArray &copyName)
{
    struct stat a, b;
    if (skipped_.contains(from.path) ||
        fstatat(from.dirFd, from.name.constData(), &a, AT_SYMLINK_NOFOLLOW) != 0 ||
        fstatat(copyFd, copyName.constData(), &b, AT_SYMLINK_NOFOLLOW) != 0 || !sameKind(a, b))
        return;
    int rc = 0;
    if (S_ISDIR(a.st_mode)) {
        const int in = openDir(from.dirFd, from.name), copy = openDir(copyFd, copyName);
        if (in >= 0 && copy >= 0) {
            for (const QByteArray &n : namesIn(in, &rc))
                removeMoved({in, n, join(from.path, n)}, copy, n);
        }
        if (in >= 0)
            close(in);
        if (copy >= 0)
            close(copy);
        if (rc == 0 && unlinkat(from.dirFd, from.name.constData(), AT_REMOVEDIR) != 0 &&
            errno != ENOTEMPTY && errno != EEXIST)
            rc = errno;
    } else if (unlinkat(from.dirFd, from.name.constData(), 0) != 0) {
        rc = errno;
    }
    if (rc != 0)
        result_.errors << Words::tr(
                              "\u201c%1\u201d was moved, but the original could not be removed. %2")
                              .arg(shown(from.path), reasonText(rc));
}

void TransferWorker::count(int dirFd, const QByteArray &name, bool whole)
{
    struct stat st;
    if (cancelled() || fstatat(dirFd, name.constData(), &st, AT_SYMLINK_NOFOLLOW) != 0)
        return;
    ++filesTotal_;
    if (S_ISREG(st.st_mode))
        bytesTotal_ += st.st_size;
    const int fd = whole && S_ISDIR(st.st_mode) ? openDir(dirFd, name) : -1;
    if (fd < 0)
        return;
    int err;
    for (const QByteArray &n : namesIn(fd, &err))
        count(fd, n, true);
    close(fd);
}

} // namespace tarnwick
