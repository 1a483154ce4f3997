// Unpacking. Every entry is written relative to descriptors of folders this
// job made inside a hidden part folder, opened with O_NOFOLLOW, so neither a
// hostile name ("..", an absolute one) nor a link the archive made earlier
// can lead a write out of it; the part folder, or the archive's one top
// entry in it, takes its final name only once the whole archive was read.
#include "archives.h"
#include "archiveunpack.h"

#include "fdwalk.h"
#include "names.h"
#include "rawpaths.h"

#include <QCoreApplication>
#include <QLocale>
#include <algorithm>
#include <archive.h>
#include <archive_entry.h>
#include <cerrno>
#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <sys/statvfs.h>
#include <unistd.h>
#include <utility>
#include <vector>

namespace tarnwick::archive {
namespace {

struct Words
{
    Q_DECLARE_TR_FUNCTIONS(Archives)
};

using rawpath::shown;

// An archive that unpacks to more than this many times its size, and to
// more than the floor, may be made to fill the disk: it is asked about.
constexpr qint64 BombRatio = 100;
constexpr qint64 BombFloor = qint64(1) << 30;

// An entry's name split into folders and its own name, by the bytes. Empty
// and "." parts drop out, a leading "/" with them, so an absolute name lands
// inside the target like any other; ".." is refused.
struct EntryPath
{
    QList<QByteArray> parts;
    bool climbs = false;
};

EntryPath splitEntry(const QByteArray &name)
{
    EntryPath path;
    for (const QByteArray &part : name.split('/')) {
        if (part == "..")
            path.climbs = true;
        else if (!part.isEmpty() && part != ".")
            path.parts << part;
    }
    return path;
}

Fd openFolder(int dirFd, const QByteArray &name)
{
    return Fd(openat(dirFd, name.constData(), O_RDONLY | O_DIRECTORY | O_NOFOLLOW | O_CLOEXEC));
}

void entryTimes(archive_entry *e, timespec times[2])
{
    times[0] = archive_entry_atime_is_set(e)
                   ? timespec{archive_entry_atime(e), archive_entry_atime_nsec(e)}
                   : timespec{0, UTIME_OMIT};
    times[1] = archive_entry_mtime_is_set(e)
                   ? timespec{archive_entry_mtime(e), archive_entry_mtime_nsec(e)}
                   : timespec{0, UTIME_OMIT};
}

// The mode an entry gets: its permissions as the umask allows them, never
// set-id or sticky bits.
mode_t safeMode(mode_t mode)
{
    return mode & 0777 & ~archive::currentUmask();
}

} // namespace

void Extractor::run()
{
    Fd target(open(target_.constData(), O_RDONLY | O_DIRECTORY | O_CLOEXEC));
    if (target.get() < 0) {
        result_.errors << (errno == ENOENT
                               ? jobtext::noSuchFolder(shown(target_))
                               : jobtext::itemFailed(shown(target_), jobtext::reason(errno)));
        return;
    }
    for (const QByteArray &a : archives_) {
        struct stat st;
        if (stat(a.constData(), &st) == 0)
            total_ += st.st_size;
    }
    int reached = 0;
    for (const QByteArray &a : archives_) {
        if (cancelled())
            break;
        ++reached;
        Unpack unpack(*this, a, target.get(), target_);
        const Unpack::Outcome out = unpack.run();
        before_ += unpack.bytesRead();
        ++filesDone_;
        if (out == Unpack::Outcome::Done)
            ++result_.done;
        else if (out == Unpack::Outcome::Skipped)
            ++result_.skipped;
    }
    if (cancelled() && reached < archives_.size())
        result_.errors << jobtext::notStarted(int(archives_.size() - reached));
    tick({}, before_, total_, filesDone_, int(archives_.size()), true);
}

Unpack::Unpack(Extractor &job, const QByteArray &archive, int targetFd, const QByteArray &target)
    : job_(job), path_(archive), target_(target), targetFd_(targetFd)
{
}

Unpack::~Unpack()
{
    if (archive_)
        archive_read_free(archive_);
}

const char *Unpack::passphrase(struct archive *, void *self)
{
    auto *u = static_cast<Unpack *>(self);
    if (u->noPassword_)
        return nullptr;
    const std::optional<QByteArray> given =
        u->job_.askPassword(shown(rawpath::baseName(u->path_)), u->asked_++ > 0);
    if (!given) {
        u->noPassword_ = true;
        return nullptr;
    }
    u->password_ = *given;
    return u->password_.constData();
}

Unpack::Outcome Unpack::run()
{
    archiveFd_ = Fd(open(path_.constData(), O_RDONLY | O_CLOEXEC));
    struct stat st;
    if (archiveFd_.get() < 0 || fstat(archiveFd_.get(), &st) != 0) {
        fail(jobtext::reason(errno));
        return Outcome::Skipped;
    }
    size_ = st.st_size;
    limit_ = std::max(BombRatio * size_, BombFloor);
    archive_ = archive_read_new();
    archive_read_support_filter_all(archive_);
    // Archives only: an mtree file is a list of entries that may name files
    // on this disk to take their contents from, never something to unpack.
    for (const auto support : {archive_read_support_format_7zip, archive_read_support_format_ar,
                               archive_read_support_format_cab, archive_read_support_format_cpio,
                               archive_read_support_format_iso9660, archive_read_support_format_lha,
                               archive_read_support_format_rar, archive_read_support_format_rar5,
                               archive_read_support_format_tar, archive_read_support_format_xar,
                               archive_read_support_format_zip})
        support(archive_);
    archive_read_set_passphrase_callback(archive_, this, &Unpack::passphrase);
    if (archive_read_open_fd(archive_, archiveFd_.get(), 1 << 16) != ARCHIVE_OK) {
        fail(readError());
        return Outcome::Skipped;
    }
    opened_ = true;
    part_ = archive::partName(targetFd_, Archives::stem(rawpath::baseName(path_)));
    // Private while it fills, whatever the umask: nobody else may put
    // anything in it meanwhile.
    if (part_.isEmpty() || mkdirat(targetFd_, part_.constData(), 0700) != 0) {
        fail(jobtext::reason(part_.isEmpty() ? jobtext::NoFreeName : errno));
        return Outcome::Skipped;
    }
    partFd_ = openFolder(targetFd_, part_);
    struct statvfs vfs;
    if (partFd_.get() < 0 || fstatvfs(partFd_.get(), &vfs) != 0) {
        fail(jobtext::reason(errno));
        removeTree(targetFd_, part_.constData());
        return Outcome::Skipped;
    }
    // Held until the end, so that a transfer into this folder meanwhile
    // leaves the part folder alone.
    flock(partFd_.get(), LOCK_EX | LOCK_NB);
    free_ = qint64(vfs.f_bavail) * qint64(vfs.f_frsize);

    while (!stop_ && !job_.cancelled()) {
        archive_entry *e = nullptr;
        const int r = archive_read_next_header(archive_, &e);
        if (r == ARCHIVE_EOF)
            break;
        if (r == ARCHIVE_FATAL || r == ARCHIVE_RETRY)
            fail(readError());
        else if (r == ARCHIVE_FAILED)
            refuse(e ? archive_entry_pathname(e) : nullptr, readError());
        else
            entry(e);
    }
    cached_.reset();
    if (!stop_ && !job_.cancelled())
        return finish();
    removeTree(targetFd_, part_.constData());
    return job_.cancelled() ? Outcome::Cancelled : Outcome::Skipped;
}

bool Unpack::entry(archive_entry *e)
{
    const char *rawName = archive_entry_pathname(e);
    const QByteArray name = rawName ? QByteArray(rawName) : QByteArray();
    job_.unpacking(name, bytesRead());
    const EntryPath path = splitEntry(name);
    if (path.climbs) {
        refuse(name, Words::tr("its name leads out of the folder it is unpacked into."));
        return true;
    }
    if (path.parts.isEmpty()) {
        if (name.isEmpty())
            refuse(name, Words::tr("it has no name."));
        return true; // the folder it is unpacked into
    }
    const char *hardlink = archive_entry_hardlink(e);
    const mode_t type = archive_entry_filetype(e);
    if (!hardlink && type != AE_IFREG && type != AE_IFDIR && type != AE_IFLNK) {
        refuse(name, Words::tr("it is a device, pipe or socket, which is never unpacked."));
        return true;
    }
    if (!hardlink && type == AE_IFREG && archive_entry_size_is_set(e) &&
        !sizeAllowed(written_ + archive_entry_size(e)))
        return false;

    const QByteArray leaf = path.parts.last();
    const QList<QByteArray> folders =
        type == AE_IFDIR && !hardlink ? path.parts : path.parts.first(path.parts.size() - 1);
    int dirFd = -1;
    if (const int err = folderFor(folders, &dirFd); err != 0) {
        if (err == ELOOP || err == ENOTDIR)
            refuse(name, Words::tr("it lies behind a link or a file, so it would land elsewhere."));
        else
            failWrite(name, err);
        return !stop_;
    }
    if (type == AE_IFDIR && !hardlink) {
        Folder f{path.parts, safeMode(archive_entry_perm(e)), {}};
        entryTimes(e, f.times);
        folders_.push_back(std::move(f));
        return true;
    }
    if (const int err = clearPlace(dirFd, leaf); err != 0) {
        if (err == EISDIR)
            refuse(name, Words::tr("a folder of that name is already there."));
        else
            failWrite(name, err);
        return !stop_;
    }
    if (hardlink) {
        // Only to what this archive put here: the same rules as any name.
        const EntryPath to = splitEntry(hardlink);
        Fd from = to.climbs || to.parts.isEmpty() ? Fd()
                                                  : findFolder(to.parts.first(to.parts.size() - 1));
        struct stat st;
        if (from.get() < 0 ||
            fstatat(from.get(), to.parts.last().constData(), &st, AT_SYMLINK_NOFOLLOW) != 0 ||
            S_ISDIR(st.st_mode)) {
            refuse(name, Words::tr("it is a hard link to something the archive does not hold."));
            return true;
        }
        if (linkat(from.get(), to.parts.last().constData(), dirFd, leaf.constData(), 0) != 0)
            failWrite(name, errno);
        return !stop_;
    }
    if (type == AE_IFLNK) {
        const char *target = archive_entry_symlink(e);
        if (!target) {
            refuse(name, Words::tr("it is a link that leads nowhere."));
            return true;
        }
        if (symlinkat(target, dirFd, leaf.constData()) != 0) {
            failWrite(name, errno);
            return false;
        }
        timespec times[2];
        entryTimes(e, times);
        utimensat(dirFd, leaf.constData(), times, AT_SYMLINK_NOFOLLOW);
        return true;
    }
    return writeFile(e, dirFd, leaf, name);
}

bool Unpack::writeFile(archive_entry *e, int dirFd, const QByteArray &leaf, const QByteArray &name)
{
    Fd out(openat(dirFd, leaf.constData(), O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC,
                  0600));
    if (out.get() < 0) {
        failWrite(name, errno);
        return false;
    }
    const auto drop = [&] {
        out.reset();
        unlinkat(dirFd, leaf.constData(), 0);
        return false;
    };
    off_t end = 0;
    for (;;) {
        const void *buffer = nullptr;
        size_t size = 0;
        la_int64_t offset = 0;
        const int r = archive_read_data_block(archive_, &buffer, &size, &offset);
        if (r == ARCHIVE_EOF)
            break;
        if (r < ARCHIVE_WARN) {
            fail(Words::tr("\u201c%1\u201d could not be read: %2").arg(shown(name), readError()));
            return drop();
        }
        job_.holdWhilePaused();
        if (job_.cancelled())
            return drop();
        written_ += qint64(size);
        if (!sizeAllowed(written_))
            return drop();
        const char *p = static_cast<const char *>(buffer);
        for (size_t left = size; left > 0;) {
            const ssize_t n = pwrite(out.get(), p, left, offset);
            if (n < 0) {
                if (errno == EINTR)
                    continue;
                failWrite(name, errno);
                return drop();
            }
            p += n;
            offset += n;
            left -= size_t(n);
        }
        end = std::max<off_t>(end, offset);
        job_.unpacking(name, bytesRead());
    }
    // A sparse file may end in a hole.
    int err = 0;
    if (archive_entry_size_is_set(e) && archive_entry_size(e) > end &&
        ftruncate(out.get(), archive_entry_size(e)) != 0)
        err = errno;
    timespec times[2];
    entryTimes(e, times);
    if (err == 0)
        err = checked::setMode(out.get(), safeMode(archive_entry_perm(e)));
    if (err == 0 && futimens(out.get(), times) != 0)
        err = errno;
    const int closed = checked::closeFd(out.release());
    if (err == 0)
        err = closed;
    if (err != 0) {
        failWrite(name, err);
        unlinkat(dirFd, leaf.constData(), 0);
        return false;
    }
    return true;
}

// The folder of `parts` below the part folder, made where missing, never
// through a link. The last one stays open: entries come folder by folder.
int Unpack::folderFor(const QList<QByteArray> &parts, int *fd)
{
    if (parts.isEmpty()) {
        *fd = partFd_.get();
        return 0;
    }
    const QByteArray key = parts.join('/');
    if (cached_.get() >= 0 && key == cachedKey_) {
        *fd = cached_.get();
        return 0;
    }
    qsizetype i = 0;
    Fd at(fcntl(partFd_.get(), F_DUPFD_CLOEXEC, 0));
    if (cached_.get() >= 0 && key.startsWith(cachedKey_ + '/')) {
        at = Fd(fcntl(cached_.get(), F_DUPFD_CLOEXEC, 0));
        i = cachedDepth_;
    }
    for (; i < parts.size() && at.get() >= 0; ++i) {
        Fd next = openFolder(at.get(), parts[i]);
        if (next.get() < 0 && errno == ENOENT) {
            if (mkdirat(at.get(), parts[i].constData(), 0777) != 0 && errno != EEXIST)
                return errno;
            next = openFolder(at.get(), parts[i]);
        }
        if (next.get() < 0)
            return errno;
        at = std::move(next);
    }
    if (at.get() < 0)
        return errno;
    cached_ = std::move(at);
    cachedKey_ = key;
    cachedDepth_ = int(parts.size());
    *fd = cached_.get();
    return 0;
}

// A folder the archive made, never through a link; invalid when there is none.
Fd Unpack::findFolder(const QList<QByteArray> &parts) const
{
    Fd at(fcntl(partFd_.get(), F_DUPFD_CLOEXEC, 0));
    for (const QByteArray &part : parts) {
        if (at.get() < 0)
            break;
        at = openFolder(at.get(), part);
    }
    return at;
}

// A later entry of a name takes the place of an earlier one, as in tar; a
// folder is never replaced.
int Unpack::clearPlace(int dirFd, const QByteArray &leaf)
{
    struct stat st;
    if (fstatat(dirFd, leaf.constData(), &st, AT_SYMLINK_NOFOLLOW) != 0)
        return errno == ENOENT ? 0 : errno;
    if (S_ISDIR(st.st_mode))
        return EISDIR;
    return unlinkat(dirFd, leaf.constData(), 0) == 0 ? 0 : errno;
}

} // namespace tarnwick::archive

namespace tarnwick::Archives {

Job *extract(const QList<QByteArray> &archives, const QByteArray &targetFolder)
{
    return new archive::Extractor(archives, targetFolder);
}

} // namespace tarnwick::Archives
