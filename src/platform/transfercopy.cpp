#include "rawpaths.h"
#include "transferworker.h"

#include <QCoreApplication>
#include <QFile>
#include <cerrno>
#include <cstring>
#include <dirent.h>
#include <fcntl.h>
#include <unistd.h>

// The copying itself. Every function here leaves nothing in the target
// unless it reports success, so a cancel or a skipped failure never leaves
// part of a file behind.
namespace tarnwick {
namespace {

QString tr(const char *text)
{
    return QCoreApplication::translate("FileTransfer", text);
}

} // namespace

namespace transfer {

QString shown(const QByteArray &path)
{
    return rawpath::shown(path);
}

QString reasonText(int code)
{
    switch (code) {
    case NotCopyable:
        return tr("It is a pipe, socket or device, which cannot be copied.");
    case Mismatch:
        return tr("The copy did not match the original, so the original was kept.");
    case NoFreeName:
        return tr("No free name was found for it.");
    case ENOENT:
        return tr("It no longer exists.");
    case ENOSPC:
        return tr("There is not enough free space on the disk.");
    case EDQUOT:
        return tr("The disk quota is used up.");
    case EACCES:
    case EPERM:
        return tr("Permission was denied.");
    case EROFS:
        return tr("The disk is read-only.");
    case ENAMETOOLONG:
        return tr("The name is too long for the target.");
    case EIO:
        return tr("The disk could not be read or written.");
    default:
        return QString::fromLocal8Bit(strerror(code)) + QLatin1Char('.');
    }
}

int openDir(int dirFd, const QByteArray &name)
{
    return openat(dirFd, name.constData(), O_RDONLY | O_DIRECTORY | O_NOFOLLOW | O_CLOEXEC);
}

// Gathered first: changing a folder while reading it may skip entries.
std::vector<QByteArray> namesIn(int fd, int *error)
{
    std::vector<QByteArray> names;
    const int own = dup(fd); // closedir closes what fdopendir was given
    DIR *dir = own < 0 ? nullptr : fdopendir(own);
    if (!dir) {
        *error = errno;
        if (own >= 0)
            close(own);
        return names;
    }
    rewinddir(dir); // the duplicate shares the position
    errno = 0;
    while (const dirent *e = readdir(dir)) {
        if (strcmp(e->d_name, ".") != 0 && strcmp(e->d_name, "..") != 0)
            names.emplace_back(e->d_name);
        errno = 0;
    }
    *error = errno;
    closedir(dir);
    return names;
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

constexpr size_t BlockSize = 1 << 20; // copied between checks for Cancel

bool allZero(const char *p, size_t n)
{
    return n == 0 || (p[0] == 0 && memcmp(p, p + 1, n - 1) == 0);
}

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

bool sameKind(const struct stat &a, const struct stat &b)
{
    return (a.st_mode & S_IFMT) == (b.st_mode & S_IFMT) &&
           (!S_ISREG(a.st_mode) || a.st_size == b.st_size);
}

} // namespace

TransferWorker::Outcome TransferWorker::copyEntry(const EntryAt &from, int toFd,
                                                  const QByteArray &toName, bool sync)
{
    Outcome out;
    for (;;) {
        if (cancelled())
            return Outcome::Cancelled;
        struct stat st;
        int rc;
        if (fstatat(from.dirFd, from.name.constData(), &st, AT_SYMLINK_NOFOLLOW) != 0)
            rc = errno;
        else if (S_ISDIR(st.st_mode))
            return copyDir(from, st, toFd, toName);
        else if (S_ISREG(st.st_mode))
            rc = copyFile(from, toFd, toName, sync);
        else if (S_ISLNK(st.st_mode))
            rc = copyLink(from, st, toFd, toName);
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
                                                int toFd, const QByteArray &toName)
{
    Outcome out = Outcome::Done;
    for (;;) {
        int in = -1, into = -1, rc = 0;
        bool made = false;
        // Open to us while it fills; its own mode comes at the end.
        if ((in = openDir(from.dirFd, from.name)) < 0)
            rc = errno;
        else if (!(made = mkdirat(toFd, toName.constData(), 0700) == 0))
            rc = errno;
        else if ((into = openDir(toFd, toName)) < 0)
            rc = errno;
        for (const QByteArray &n : rc == 0 ? namesIn(in, &rc) : std::vector<QByteArray>()) {
            if (copyEntry({in, n, join(from.path, n)}, into, n, false) == Outcome::Cancelled) {
                out = Outcome::Cancelled;
                break;
            }
        }
        if (out == Outcome::Done && rc == 0) {
            // After the contents, whose arrival would change the time again.
            const timespec times[2] = {st.st_atim, st.st_mtim};
            fchmod(into, st.st_mode & 07777);
            futimens(into, times);
        }
        if (in >= 0)
            close(in);
        if (into >= 0)
            close(into);
        if (out == Outcome::Done && rc == 0) {
            itemDone(from.path);
            return out;
        }
        if (made)
            rawpath::removeTreeAt(toFd, toName.constData());
        if (out == Outcome::Cancelled || !retry(from.path, rc, &out))
            return out;
    }
}

int TransferWorker::copyFile(const EntryAt &from, int toFd, const QByteArray &toName, bool sync)
{
    // O_NONBLOCK: a pipe put in the file's place must not hang the transfer.
    const int in =
        openat(from.dirFd, from.name.constData(), O_RDONLY | O_NOFOLLOW | O_NONBLOCK | O_CLOEXEC);
    if (in < 0)
        return errno;
    struct stat st;
    int rc = fstat(in, &st) != 0 ? errno : S_ISREG(st.st_mode) ? 0 : NotCopyable;
    const int out =
        rc != 0 ? -1
                : openat(toFd, toName.constData(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0600);
    if (rc == 0 && out < 0)
        rc = errno;
    if (rc != 0) {
        close(in);
        return rc;
    }
    const qint64 before = bytesDone_;
    rc = pump(in, out, st, from.path);
    if (rc == 0) {
        // After the contents: writing may clear set-user-ID bits. Neither
        // fails the copy, as some file systems (FAT) keep no such thing.
        const timespec times[2] = {st.st_atim, st.st_mtim};
        fchmod(out, st.st_mode & 07777);
        futimens(out, times);
    }
    if (rc == 0 && sync && fsync(out) != 0)
        rc = errno;
    // Network file systems may report a failed write only here.
    if (close(out) != 0 && rc == 0)
        rc = errno;
    close(in);
    if (rc != 0) {
        unlinkat(toFd, toName.constData(), 0);
        bytesDone_ = before;
    }
    return rc;
}

int TransferWorker::pump(int in, int out, const struct stat &st, const QByteArray &path)
{
    // Holes stay holes: a block of zeros in a sparse file is skipped over.
    const bool sparse = qint64(st.st_blocks) * 512 < st.st_size;
    buffer_.resize(BlockSize);
    qint64 total = 0;
    for (;;) {
        if (cancelled())
            return CancelledCode;
        const ssize_t n = read(in, buffer_.data(), buffer_.size());
        if (n < 0 && errno == EINTR)
            continue;
        if (n < 0)
            return errno;
        if (n == 0)
            break;
        if (sparse && allZero(buffer_.data(), size_t(n))) {
            if (lseek(out, n, SEEK_CUR) < 0)
                return errno;
        } else {
            for (ssize_t done = 0; done < n;) {
                const ssize_t w = write(out, buffer_.data() + done, size_t(n - done));
                if (w < 0 && errno == EINTR)
                    continue;
                if (w <= 0)
                    return w < 0 ? errno : EIO;
                done += w;
            }
        }
        total += n;
        bytesDone_ += n;
        tick(path, false);
    }
    // A file that ends in a hole was only skipped over; this gives it its length.
    return sparse && ftruncate(out, total) != 0 ? errno : 0;
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
        result_.errors << tr("\u201c%1\u201d was moved, but the original could not be removed. %2")
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
