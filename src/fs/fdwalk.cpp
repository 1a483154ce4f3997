#include "fdwalk.h"

#include <QElapsedTimer>
#include <cerrno>
#include <cstdio>
#include <cstring>
#include <dirent.h>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace tarnwick {

namespace checked {

int syncFile(int fd)
{
    return ::fsync(fd) == 0 ? 0 : errno;
}

int syncVolume(int fd)
{
    return ::syncfs(fd) == 0 ? 0 : errno;
}

int closeFd(int fd)
{
    return ::close(fd) == 0 || errno == EINTR ? 0 : errno;
}

int setMode(int fd, mode_t mode)
{
    return ::fchmod(fd, mode) == 0 ? 0 : errno;
}

namespace {

// fchmod() refuses a descriptor opened with O_PATH; its entry in /proc
// leads to exactly the file it was opened on, whatever its name now holds.
int setModeOfPathFd(int fd, mode_t mode)
{
    char proc[40];
    std::snprintf(proc, sizeof proc, "/proc/self/fd/%d", fd);
    if (::chmod(proc, mode) == 0)
        return 0;
    return errno == ENOENT ? EOPNOTSUPP : errno;
}

// Opens the entry itself, never what a link leads to, and changes the
// mode of exactly what was opened.
int changeModeAt(int dirFd, const char *name, mode_t set, mode_t clear, bool whole)
{
    const int fd = openat(dirFd, name, O_PATH | O_NOFOLLOW | O_CLOEXEC);
    if (fd < 0)
        return errno;
    struct stat st;
    int err = fstat(fd, &st) != 0 ? errno : S_ISLNK(st.st_mode) ? ELOOP : 0;
    const mode_t mode = whole ? set : (((st.st_mode & 07777) & ~clear) | set);
    if (err == 0 && mode != (st.st_mode & 07777))
        err = setModeOfPathFd(fd, mode);
    ::close(fd);
    return err;
}

} // namespace

int setModeAt(int dirFd, const char *name, mode_t mode)
{
    return changeModeAt(dirFd, name, mode, 0, true);
}

int updateModeAt(int dirFd, const char *name, mode_t set, mode_t clear)
{
    return changeModeAt(dirFd, name, set, clear, false);
}

} // namespace checked

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

namespace {

bool stopped(const std::atomic<bool> *cancel)
{
    return cancel && cancel->load(std::memory_order_relaxed);
}

// Opens a folder for reading, never through a link. With `openUp`, one
// without read, write and search for us gets them first (folders of ours
// that we may not write, such as build caches, could never be emptied
// otherwise), by its own descriptor, so a link swapped in for it changes
// nothing else.
int openFolder(int dirFd, const char *name, bool openUp, struct stat *st)
{
    const int path = openat(dirFd, name, O_PATH | O_DIRECTORY | O_NOFOLLOW | O_CLOEXEC);
    if (path < 0)
        return -1;
    int fd = -1;
    if (fstat(path, st) == 0) {
        // Should it fail, opening or emptying the folder says why.
        if (openUp && (st->st_mode & S_IRWXU) != S_IRWXU &&
            checked::setModeAt(path, ".", (st->st_mode & 07777) | S_IRWXU) == 0)
            st->st_mode |= S_IRWXU;
        fd = openat(path, ".", O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    }
    const int err = errno;
    close(path);
    errno = err;
    return fd;
}

struct Level
{
    QByteArray name; // in the folder above
    dev_t dev;
    ino_t ino;
    std::vector<QByteArray> names;
    size_t next = 0;
};

// Goes down the tree below `name` one folder at a time, holding the
// descriptor of the folder it is in and no other. Going back up, ".." must
// be the very folder it came down from, or the walk stops: someone moved a
// folder of the tree elsewhere, and what lies around it now is not what was
// asked for. `entry(dirFd, name)` is called for everything but folders,
// `left(dirFd, name)` for each folder below the top once all in it was
// visited; each gives 0, or an errno that is kept when it is the first.
template <class Stop, class Entry, class Left>
RemoveOutcome walkBelow(int dirFd, const char *name, bool openUp, Stop stop, Entry entry, Left left)
{
    RemoveOutcome out;
    const auto note = [&out](int err) {
        if (err != 0 && out.error == 0)
            out.error = err;
    };
    struct stat st;
    int fd = openFolder(dirFd, name, openUp, &st);
    if (fd < 0) {
        out.error = errno;
        return out;
    }
    int err = 0;
    std::vector<Level> levels;
    levels.push_back({name, st.st_dev, st.st_ino, namesIn(fd, &err)});
    note(err);
    for (;;) {
        if (stop()) {
            out.cancelled = true;
            break;
        }
        Level &here = levels.back();
        if (here.next < here.names.size()) {
            const QByteArray n = here.names[here.next++];
            if (fstatat(fd, n.constData(), &st, AT_SYMLINK_NOFOLLOW) != 0) {
                if (errno != ENOENT) // else gone meanwhile
                    note(errno);
                continue;
            }
            const int child = S_ISDIR(st.st_mode) ? openFolder(fd, n.constData(), openUp, &st) : -1;
            if (child < 0) {
                // A folder swapped for a link or a file meanwhile is one now.
                if (!S_ISDIR(st.st_mode) || errno == ELOOP || errno == ENOTDIR)
                    note(entry(fd, n));
                else if (errno != ENOENT)
                    note(errno);
                continue;
            }
            levels.push_back({n, st.st_dev, st.st_ino, namesIn(child, &err)});
            note(err);
            close(fd);
            fd = child;
            continue;
        }
        if (levels.size() == 1)
            break;
        const Level &above = levels[levels.size() - 2];
        const int up = openat(fd, "..", O_RDONLY | O_DIRECTORY | O_CLOEXEC);
        if (up < 0 || fstat(up, &st) != 0 || st.st_dev != above.dev || st.st_ino != above.ino) {
            note(up < 0 ? errno : FolderMoved);
            if (up >= 0)
                close(up);
            break;
        }
        close(fd);
        fd = up;
        const QByteArray done = std::move(levels.back().name);
        levels.pop_back();
        note(left(fd, done));
    }
    close(fd);
    return out;
}

} // namespace

RemoveOutcome removeTree(int dirFd, const char *name, const std::atomic<bool> *cancel,
                         std::atomic<qint64> *removed)
{
    RemoveOutcome out;
    const auto gone = [&](int rc) {
        if (rc != 0)
            return errno == ENOENT ? 0 : errno; // else gone meanwhile
        ++out.removed;
        if (removed)
            removed->fetch_add(1, std::memory_order_relaxed);
        return 0;
    };
    struct stat st;
    if (fstatat(dirFd, name, &st, AT_SYMLINK_NOFOLLOW) != 0) {
        out.error = errno == ENOENT ? 0 : errno;
        return out;
    }
    if (!S_ISDIR(st.st_mode)) {
        out.error = gone(unlinkat(dirFd, name, 0));
        return out;
    }
    const RemoveOutcome below = walkBelow(
        dirFd, name, true, [cancel] { return stopped(cancel); },
        [&](int fd, const QByteArray &n) { return gone(unlinkat(fd, n.constData(), 0)); },
        [&](int fd, const QByteArray &n) {
            return gone(unlinkat(fd, n.constData(), AT_REMOVEDIR));
        });
    out.error = below.error;
    out.cancelled = below.cancelled;
    if (out.error == 0 && !out.cancelled)
        out.error = gone(unlinkat(dirFd, name, AT_REMOVEDIR));
    return out;
}

qint64 countTree(int dirFd, const char *name, int withinMs)
{
    qint64 count = 0;
    const auto one = [&count](int, const QByteArray &) {
        ++count;
        return 0;
    };
    QElapsedTimer clock;
    clock.start();
    // The clock is read once in a thousand entries: a read costs more than one.
    const auto late = [&] { return count % 1024 == 0 && clock.elapsed() > withinMs; };
    const RemoveOutcome walked = walkBelow(dirFd, name, false, late, one, one);
    return walked.cancelled || (walked.error != 0 && count == 0) ? -1 : count;
}

} // namespace tarnwick
