// Packing. The archive is written under a hidden part name beside where it
// goes and takes its name only once complete; the items are read through
// descriptors opened relative to their folders, links stored as links.
#include "archivejob.h"
#include "archives.h"

#include "fdwalk.h"
#include "names.h"
#include "rawpaths.h"
#include "undo.h"

#include <QCoreApplication>
#include <algorithm>
#include <archive.h>
#include <archive_entry.h>
#include <cerrno>
#include <climits>
#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>
#include <vector>

namespace tarnwick {
namespace {

using rawpath::join;
using rawpath::shown;

constexpr size_t ReadBlock = 1 << 18;

class Packer : public ArchiveJob
{
    // Its own texts' context, not that of the job it is built on.
    Q_DECLARE_TR_FUNCTIONS(tarnwick::Packer)

public:
    Packer(QList<QByteArray> items, QByteArray archivePath, ArchiveFormat format)
        : ArchiveJob(JobKind::Compress), items_(std::move(items)), path_(std::move(archivePath)),
          format_(format)
    {
    }
    ~Packer() override
    {
        stopWorker();
        if (resolver_)
            archive_entry_linkresolver_free(resolver_);
        if (archive_)
            archive_write_free(archive_);
    }

protected:
    void run() override;

private:
    bool open(int outFd);
    bool add(int dirFd, const QByteArray &name, const QByteArray &entryName,
             const QByteArray &path);
    bool addFile(int fd, archive_entry *e, const QByteArray &path);
    bool header(archive_entry *e, const QByteArray &path);
    void count(int dirFd, const QByteArray &name);
    void leaveOut(const QByteArray &path, int code);
    void fail(const QString &why);
    QString writeError() const;
    bool place(int dirFd, const QByteArray &part);

    QList<QByteArray> items_;
    QByteArray path_;
    ArchiveFormat format_;
    struct archive *archive_ = nullptr;
    archive_entry_linkresolver *resolver_ = nullptr;
    std::vector<char> buffer_;
    bool failed_ = false;
    int leftOut_ = 0;
    qint64 bytesDone_ = 0, bytesTotal_ = 0;
    int filesDone_ = 0, filesTotal_ = 0;
};

void Packer::run()
{
    const QByteArray folder = rawpath::parentOf(path_);
    const QByteArray name = rawpath::baseName(path_);
    const int dir = ::open(folder.constData(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (dir < 0) {
        result_.errors << jobtext::noSuchFolder(shown(folder));
        return;
    }
    for (const QByteArray &item : items_)
        count(AT_FDCWD, item);
    tick({}, 0, bytesTotal_, 0, filesTotal_, true);

    const QByteArray part = archive::partName(dir, name);
    const int out = part.isEmpty()
                        ? -1
                        : openat(dir, part.constData(),
                                 O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC, 0666);
    if (out < 0) {
        fail(tr("\u201c%1\u201d could not be made. %2")
                 .arg(shown(name), jobtext::reason(part.isEmpty() ? jobtext::NoFreeName : errno)));
        close(dir);
        return;
    }
    // Held until the end, so that a transfer into this folder meanwhile
    // leaves the part file alone.
    flock(out, LOCK_EX | LOCK_NB);
    buffer_.resize(ReadBlock);
    bool whole = open(out);
    for (const QByteArray &item : items_) {
        if (!whole || failed_ || cancelled())
            break;
        const int parent =
            ::open(rawpath::parentOf(item).constData(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
        const int before = leftOut_;
        if (parent < 0)
            leaveOut(item, errno);
        else if (!add(parent, rawpath::baseName(item), rawpath::baseName(item), item))
            whole = false;
        if (parent >= 0)
            close(parent);
        ++(leftOut_ == before ? result_.done : result_.skipped);
    }
    if (whole && !failed_ && !cancelled() && archive_write_close(archive_) != ARCHIVE_OK)
        fail(writeError());
    archive_write_free(std::exchange(archive_, nullptr));
    if (const int err = checked::closeFd(out); err != 0)
        fail(tr("\u201c%1\u201d could not be written. %2").arg(shown(name), jobtext::reason(err)));
    if (failed_ || cancelled() || !whole || !place(dir, part)) {
        unlinkat(dir, part.constData(), 0);
        result_.done = 0;
        result_.skipped = int(items_.size());
    }
    close(dir);
    tick({}, bytesDone_, bytesTotal_, filesDone_, filesTotal_, true);
}

bool Packer::open(int outFd)
{
    archive_ = archive_write_new();
    int r = ARCHIVE_OK;
    switch (format_) {
    case ArchiveFormat::Zip:
        r = archive_write_set_format_zip(archive_);
        break;
    case ArchiveFormat::SevenZip:
        r = archive_write_set_format_7zip(archive_);
        break;
    case ArchiveFormat::TarGz:
    case ArchiveFormat::TarXz:
    case ArchiveFormat::TarZst:
        // Plain tar headers where they suffice, extended ones for long names.
        r = archive_write_set_format_pax_restricted(archive_);
        if (r == ARCHIVE_OK)
            r = format_ == ArchiveFormat::TarGz   ? archive_write_add_filter_gzip(archive_)
                : format_ == ArchiveFormat::TarXz ? archive_write_add_filter_xz(archive_)
                                                  : archive_write_add_filter_zstd(archive_);
        // Hard links among the items stay links; zip and 7z have none.
        resolver_ = archive_entry_linkresolver_new();
        archive_entry_linkresolver_set_strategy(resolver_, archive_format(archive_));
        break;
    }
    if (r == ARCHIVE_OK)
        r = archive_write_open_fd(archive_, outFd);
    if (r != ARCHIVE_OK) {
        fail(writeError());
        return false;
    }
    return true;
}

// Adds `name` of the open folder `dirFd` as `entryName`, folders with all
// they hold. False when the archive cannot be completed.
bool Packer::add(int dirFd, const QByteArray &name, const QByteArray &entryName,
                 const QByteArray &path)
{
    if (cancelled())
        return false;
    tick(path, bytesDone_, bytesTotal_, filesDone_, filesTotal_);
    struct stat st;
    int fd = -1;
    for (;;) {
        // Only files and folders are opened: opening a device may do something.
        int err = fstatat(dirFd, name.constData(), &st, AT_SYMLINK_NOFOLLOW) == 0 ? 0 : errno;
        if (err == 0 && (S_ISREG(st.st_mode) || S_ISDIR(st.st_mode))) {
            const mode_t type = st.st_mode & S_IFMT;
            fd =
                openat(dirFd, name.constData(),
                       O_RDONLY | O_NOFOLLOW | O_CLOEXEC | (S_ISDIR(st.st_mode) ? O_DIRECTORY : 0));
            err = fd < 0 ? errno : fstat(fd, &st) != 0 ? errno : 0;
            if (err == 0 && (st.st_mode & S_IFMT) != type)
                err = ENOENT; // swapped for something else meanwhile
        }
        if (err == 0)
            break;
        if (fd >= 0)
            close(fd);
        fd = -1;
        const ErrorChoice choice =
            askError(tr("Could not pack \u201c%1\u201d.").arg(shown(path)), jobtext::reason(err));
        if (choice == ErrorChoice::Retry)
            continue;
        if (choice == ErrorChoice::Skip)
            leaveOut(path, err);
        return choice == ErrorChoice::Skip;
    }
    const auto done = [&](bool ok) {
        if (fd >= 0)
            close(fd);
        ++filesDone_;
        return ok;
    };
    if (!S_ISREG(st.st_mode) && !S_ISDIR(st.st_mode) && !S_ISLNK(st.st_mode)) {
        leaveOut(path, jobtext::NotCopyable);
        return done(true);
    }
    archive_entry *e = archive_entry_new();
    archive_entry_copy_pathname(e, entryName.constData());
    archive_entry_copy_stat(e, &st);
    bool ok = true;
    if (S_ISLNK(st.st_mode)) {
        char target[PATH_MAX + 1];
        const ssize_t n = readlinkat(dirFd, name.constData(), target, PATH_MAX);
        if (n < 0) {
            archive_entry_free(e);
            leaveOut(path, errno);
            return done(true);
        }
        target[n] = '\0';
        archive_entry_copy_symlink(e, target);
        archive_entry_set_size(e, 0);
        ok = header(e, path);
    } else if (S_ISDIR(st.st_mode)) {
        archive_entry_set_size(e, 0);
        ok = header(e, path);
        int err = 0;
        std::vector<QByteArray> names = ok ? namesIn(fd, &err) : std::vector<QByteArray>{};
        std::sort(names.begin(), names.end());
        for (const QByteArray &n : names) {
            if (!(ok = add(fd, n, entryName + '/' + n, join(path, n))))
                break;
        }
        if (ok && err != 0)
            leaveOut(path, err);
    } else {
        ok = addFile(fd, e, path);
    }
    archive_entry_free(e);
    return done(ok);
}

bool Packer::addFile(int fd, archive_entry *e, const QByteArray &path)
{
    archive_entry *sparse = nullptr;
    if (resolver_ && archive_entry_nlink(e) > 1) {
        archive_entry_linkify(resolver_, &e, &sparse);
        if (archive_entry_hardlink(e)) // a further name of a file already in
            return header(e, path);
    }
    if (!header(e, path))
        return false;
    for (qint64 left = archive_entry_size(e); left > 0;) {
        const ssize_t n = read(fd, buffer_.data(), size_t(std::min<qint64>(left, ReadBlock)));
        if (n < 0 && errno == EINTR)
            continue;
        if (n <= 0) {
            // The header promised its size: an archive with less is damaged.
            fail(tr("\u201c%1\u201d could not be read. %2")
                     .arg(shown(path), n < 0 ? jobtext::reason(errno)
                                             : tr("It was made shorter while being packed.")));
            return false;
        }
        if (archive_write_data(archive_, buffer_.data(), size_t(n)) < 0) {
            fail(writeError());
            return false;
        }
        left -= n;
        bytesDone_ += n;
        if (cancelled())
            return false;
        tick(path, bytesDone_, bytesTotal_, filesDone_, filesTotal_);
    }
    return true;
}

bool Packer::header(archive_entry *e, const QByteArray &path)
{
    const int r = archive_write_header(archive_, e);
    if (r == ARCHIVE_OK || r == ARCHIVE_WARN)
        return true;
    if (r == ARCHIVE_FAILED) { // this entry only: the format cannot hold it
        ++leftOut_;
        result_.errors << jobtext::itemFailed(shown(path), writeError());
        return true;
    }
    fail(writeError());
    return false;
}

void Packer::count(int dirFd, const QByteArray &name)
{
    struct stat st;
    if (fstatat(dirFd, name.constData(), &st, AT_SYMLINK_NOFOLLOW) != 0)
        return;
    ++filesTotal_;
    if (S_ISREG(st.st_mode))
        bytesTotal_ += st.st_size;
    if (!S_ISDIR(st.st_mode) || cancelled())
        return;
    const int fd = openat(dirFd, name.constData(), O_RDONLY | O_DIRECTORY | O_NOFOLLOW | O_CLOEXEC);
    if (fd < 0)
        return;
    int err = 0;
    for (const QByteArray &n : namesIn(fd, &err))
        count(fd, n);
    close(fd);
}

void Packer::leaveOut(const QByteArray &path, int code)
{
    ++leftOut_;
    result_.errors << tr("\u201c%1\u201d was left out. %2").arg(shown(path), jobtext::reason(code));
}

void Packer::fail(const QString &why)
{
    if (failed_)
        return;
    failed_ = true;
    result_.errors << jobtext::itemFailed(shown(rawpath::baseName(path_)), why);
}

QString Packer::writeError() const
{
    const int code = archive_ ? archive_errno(archive_) : 0;
    if (code > 0 && code != EILSEQ && code != EINVAL)
        return tr("It could not be written. %1").arg(jobtext::reason(code));
    const char *said = archive_ ? archive_error_string(archive_) : nullptr;
    return said ? QString::fromLocal8Bit(said) : jobtext::reason(EIO);
}

// The finished part file takes the archive's name, asking when it is taken.
bool Packer::place(int dirFd, const QByteArray &part)
{
    const QByteArray folder = rawpath::parentOf(path_);
    QByteArray dest = rawpath::baseName(path_);
    bool replace = false;
    for (;;) {
        const int rc =
            replace ? renameat(dirFd, part.constData(), dirFd, dest.constData())
                    : renameat2(dirFd, part.constData(), dirFd, dest.constData(), RENAME_NOREPLACE);
        if (rc == 0) {
            result_.created << join(folder, dest);
            result_.undoItems << undo::identifyAt({}, dirFd, dest, join(folder, dest));
            return true;
        }
        if (errno != EEXIST) {
            fail(tr("\u201c%1\u201d could not be made. %2")
                     .arg(shown(dest), jobtext::reason(errno)));
            return false;
        }
        struct stat made, there;
        if (fstatat(dirFd, dest.constData(), &there, AT_SYMLINK_NOFOLLOW) != 0)
            continue; // gone meanwhile
        fstatat(dirFd, part.constData(), &made, AT_SYMLINK_NOFOLLOW);
        Conflict c;
        c.source = join(folder, part);
        c.target = join(folder, dest);
        c.targetIsDir = S_ISDIR(there.st_mode);
        c.sourceSize = made.st_size;
        c.targetSize = there.st_size;
        c.sourceMtime = made.st_mtim.tv_sec;
        c.targetMtime = there.st_mtim.tv_sec;
        c.mayReplace = !c.targetIsDir;
        switch (askConflict(c)) {
        case ConflictChoice::Replace:
            replace = true;
            break;
        case ConflictChoice::KeepBoth:
            dest = names::firstFree(dirFd, rawpath::baseName(path_), false, 2);
            if (dest.isEmpty()) {
                fail(jobtext::reason(jobtext::NoFreeName));
                return false;
            }
            break;
        case ConflictChoice::Skip:
        case ConflictChoice::Cancel:
            return false;
        }
    }
}

} // namespace

namespace Archives {

Job *compress(const QList<QByteArray> &items, const QByteArray &archivePath, ArchiveFormat format)
{
    return new Packer(items, archivePath, format);
}

} // namespace Archives

} // namespace tarnwick
