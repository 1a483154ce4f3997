#include "rawpaths.h"

#include <QList>
#include <QString>
#include <algorithm>
#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <dirent.h>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>
#include <vector>

namespace tarnwick::rawpath {

QByteArray parentOf(const QByteArray &path)
{
    const qsizetype slash = path.lastIndexOf('/');
    return slash <= 0 ? QByteArray("/") : path.left(slash);
}

QByteArray baseName(const QByteArray &path)
{
    return path.mid(path.lastIndexOf('/') + 1);
}

QByteArray join(const QByteArray &dir, const QByteArray &name)
{
    return dir.endsWith('/') ? dir + name : dir + '/' + name;
}

QByteArray canonical(const QByteArray &path)
{
    char *real = realpath(path.constData(), nullptr);
    if (!real)
        return {};
    QByteArray out(real);
    free(real);
    return out;
}

bool exists(const QByteArray &path)
{
    struct stat st;
    return lstat(path.constData(), &st) == 0;
}

QByteArray cleanPath(const QByteArray &path)
{
    QList<QByteArray> kept;
    for (const QByteArray &part : path.split('/')) {
        if (part == "..") {
            if (!kept.isEmpty())
                kept.removeLast();
        } else if (!part.isEmpty() && part != ".") {
            kept.append(part);
        }
    }
    return '/' + kept.join('/');
}

bool isAtOrUnder(const QByteArray &path, const QByteArray &top)
{
    return top == "/" || path == top || (path.startsWith(top) && path[top.size()] == '/');
}

qsizetype extensionStart(const QByteArray &name)
{
    const qsizetype dot = name.lastIndexOf('.');
    return dot > 0 ? dot : name.size();
}

QByteArray fitName(const QByteArray &stem, const QByteArray &tail, qsizetype limit)
{
    qsizetype keep = std::clamp<qsizetype>(limit - tail.size(), 0, stem.size());
    if (keep < stem.size() && QString::fromUtf8(stem).toUtf8() == stem) {
        while (keep > 0 && (uchar(stem[keep]) & 0xC0) == 0x80)
            --keep;
    }
    return stem.left(keep) + tail;
}

bool makeFolders(const QByteArray &dir)
{
    for (qsizetype i = 1; i <= dir.size(); ++i) {
        if (i < dir.size() && dir[i] != '/')
            continue;
        if (mkdir(dir.left(i).constData(), 0777) != 0 && errno != EEXIST)
            return false;
    }
    struct stat st;
    return stat(dir.constData(), &st) == 0 && S_ISDIR(st.st_mode);
}

// rename(2) silently replaces an entry of the same name; RENAME_NOREPLACE
// makes the check and the move one step. File systems without it get the
// check just before the move.
int moveNoReplace(const QByteArray &from, const QByteArray &to)
{
    if (renameat2(AT_FDCWD, from.constData(), AT_FDCWD, to.constData(), RENAME_NOREPLACE) == 0)
        return 0;
    if (errno != EINVAL && errno != ENOSYS)
        return errno;
    if (exists(to))
        return EEXIST;
    return rename(from.constData(), to.constData()) == 0 ? 0 : errno;
}

// Folders of ours that we may not write (read-only trees such as build
// caches) are opened up first, or their contents could never go.
int removeTreeAt(int dirFd, const char *name)
{
    struct stat st;
    if (fstatat(dirFd, name, &st, AT_SYMLINK_NOFOLLOW) != 0)
        return errno == ENOENT ? 0 : errno;
    if (!S_ISDIR(st.st_mode))
        return unlinkat(dirFd, name, 0) == 0 || errno == ENOENT ? 0 : errno;
    if ((st.st_mode & S_IRWXU) != S_IRWXU)
        fchmodat(dirFd, name, (st.st_mode & 07777) | S_IRWXU, 0);
    const int fd = openat(dirFd, name, O_RDONLY | O_DIRECTORY | O_NOFOLLOW | O_CLOEXEC);
    DIR *dir = fd < 0 ? nullptr : fdopendir(fd);
    if (!dir) {
        const int err = errno;
        if (fd >= 0)
            close(fd);
        return err;
    }
    // Names are gathered first: removing while reading may skip entries.
    std::vector<QByteArray> names;
    while (const dirent *e = readdir(dir)) {
        if (strcmp(e->d_name, ".") != 0 && strcmp(e->d_name, "..") != 0)
            names.emplace_back(e->d_name);
    }
    int err = 0;
    for (const QByteArray &n : names) {
        if (const int e = removeTreeAt(dirfd(dir), n.constData()); e != 0 && err == 0)
            err = e;
    }
    closedir(dir);
    if (err != 0)
        return err;
    return unlinkat(dirFd, name, AT_REMOVEDIR) == 0 || errno == ENOENT ? 0 : errno;
}

QByteArray readSmallFile(const QByteArray &path, qint64 maxSize)
{
    const int fd = open(path.constData(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
    if (fd < 0)
        return {};
    struct stat st;
    QByteArray bytes;
    if (fstat(fd, &st) == 0 && S_ISREG(st.st_mode) && st.st_size <= maxSize) {
        bytes.resize(qsizetype(st.st_size));
        const ssize_t n = read(fd, bytes.data(), size_t(bytes.size()));
        bytes.resize(n < 0 ? 0 : qsizetype(n));
    }
    close(fd);
    return bytes;
}

} // namespace tarnwick::rawpath
