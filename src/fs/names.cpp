#include "names.h"

#include "rawpaths.h"

#include <cerrno>
#include <climits>
#include <fcntl.h>
#include <sys/stat.h>

namespace tarnwick::names {

namespace {

constexpr qsizetype LongestExtension = 16; // with its dot

bool taken(int dirFd, const QByteArray &name)
{
    struct stat st;
    return fstatat(dirFd, name.constData(), &st, AT_SYMLINK_NOFOLLOW) == 0 || errno != ENOENT;
}

} // namespace

QByteArray fitted(const QByteArray &base, const QByteArray &tail)
{
    return rawpath::fitName(base, tail, NAME_MAX);
}

QByteArray numbered(const QByteArray &name, int n, bool isDir)
{
    if (n <= 1)
        return fitted(name, {});
    qsizetype dot = isDir ? -1 : name.lastIndexOf('.');
    if (dot <= 0 || name.size() - dot > LongestExtension)
        dot = name.size();
    return fitted(name.left(dot), " (" + QByteArray::number(n) + ')' + name.mid(dot));
}

qsizetype stemLength(const QString &name, bool isDir)
{
    const qsizetype dot = isDir ? -1 : name.lastIndexOf(QLatin1Char('.'));
    if (dot <= 0 || name.size() - dot > LongestExtension)
        return name.size();
    return dot;
}

QByteArray link(const QByteArray &targetName, int n, bool toFolder)
{
    return numbered("Link to " + (targetName.isEmpty() ? QByteArray("root") : targetName), n,
                    toFolder);
}

QByteArray firstFree(int dirFd, const QByteArray &name, bool isDir, int n)
{
    for (; n <= MaxNumber; ++n) {
        const QByteArray candidate = numbered(name, n, isDir);
        if (!taken(dirFd, candidate))
            return candidate;
    }
    return {};
}

} // namespace tarnwick::names
