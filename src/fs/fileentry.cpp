#include "fileentry.h"

#include "rawpaths.h"

#include <QCoreApplication>
#include <algorithm>
#include <climits>
#include <cstring>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>
#include <vector>

namespace tarnwick {
namespace {

// Decided from the mode bits rather than by access(2): one system call less
// per entry, which matters in folders of a hundred thousand files. ACLs and
// read-only mounts are not seen here; the file operations report those.
bool userMayWrite(const struct stat &st)
{
    static const uid_t uid = geteuid();
    static const std::vector<gid_t> groups = [] {
        std::vector<gid_t> g(std::max(getgroups(0, nullptr), 0));
        g.resize(std::max(getgroups(int(g.size()), g.data()), 0));
        g.push_back(getegid());
        return g;
    }();
    if (uid == 0)
        return true;
    if (st.st_uid == uid)
        return st.st_mode & S_IWUSR;
    if (std::find(groups.begin(), groups.end(), st.st_gid) != groups.end())
        return st.st_mode & S_IWGRP;
    return st.st_mode & S_IWOTH;
}

} // namespace

QByteArray FileEntry::encodedName() const
{
    return rawpath::toBytes(name);
}

bool statEntry(int dirFd, const char *name, FileEntry &out, struct ::stat *own)
{
    struct stat local;
    struct stat &st = own ? *own : local;
    if (fstatat(dirFd, name, &st, AT_SYMLINK_NOFOLLOW) != 0)
        return false;

    const qsizetype length = qsizetype(strlen(name));
    bool ascii = true;
    for (qsizetype i = 0; i < length && ascii; ++i)
        ascii = static_cast<unsigned char>(name[i]) < 0x80;
    if (ascii) {
        out.name = QString::fromLatin1(name, length);
    } else {
        out.name = rawpath::toText(QByteArray(name, length));
    }
    out.mode = st.st_mode;
    out.size = st.st_size;
    out.mtime = st.st_mtim.tv_sec;
    out.isSymlink = S_ISLNK(st.st_mode);
    out.isDir = S_ISDIR(st.st_mode);
    if (out.isSymlink) {
        // What a link leads to is what the user works with: its size, and
        // whether it is a folder. One that leads nowhere is told apart.
        struct stat target;
        if (fstatat(dirFd, name, &target, 0) != 0) {
            out.brokenLink = true;
        } else if (S_ISDIR(target.st_mode)) {
            out.isDir = true;
        } else if (S_ISREG(target.st_mode)) {
            out.size = target.st_size;
        }
    }
    // A directory's link count is 2 + its subdirectories on file systems that
    // keep it; 2 therefore means "no subfolders". Others report 1: unknown.
    out.mayHaveSubdirs = out.isDir && !(S_ISDIR(st.st_mode) && st.st_nlink == 2);

    out.attributes = attributesOf(st, out.isDir, name);
    return true;
}

std::uint32_t attributesOf(const struct ::stat &own, bool isDir, const char *name)
{
    std::uint32_t attrs = 0;
    if (name[0] == '.')
        attrs |= AttrHidden;
    if (isDir)
        attrs |= AttrDirectory;
    if (!S_ISREG(own.st_mode) && !S_ISDIR(own.st_mode) && !S_ISLNK(own.st_mode))
        attrs |= AttrSystem;
    if (!userMayWrite(own))
        attrs |= AttrReadOnly;
    return attrs;
}

namespace {
struct Words
{
    Q_DECLARE_TR_FUNCTIONS(FileNames)
};
} // namespace

QString unusableNameReason(const QString &name)
{
    if (name.isEmpty())
        return Words::tr("A name cannot be empty.");
    if (name == QLatin1String(".") || name == QLatin1String(".."))
        return Words::tr("“%1” cannot be used as a name.").arg(name);
    if (name.contains(QLatin1Char('/')) || name.contains(QChar(0)))
        return Words::tr("A name cannot contain “/”.");
    if (rawpath::toBytes(name).size() > NAME_MAX)
        return Words::tr("The name “%1” is too long.").arg(name);
    return {};
}

QString joinPath(const QString &folder, const QString &name)
{
    if (folder.endsWith(QLatin1Char('/')))
        return folder + name;
    return folder + QLatin1Char('/') + name;
}

} // namespace tarnwick
