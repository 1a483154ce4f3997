#include "settingsstore.h"

#include "fdwalk.h"

#include "inifile.h"
#include "rawpaths.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QRandomGenerator>
#include <QStandardPaths>

#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

namespace tarnwick {
namespace {

// Far beyond any settings file the program writes; what a wrong file at the
// path costs stays small.
constexpr qint64 MaxFileSize = 1024 * 1024;

const QString OwnSection = QStringLiteral("Settings");

struct Identity
{
    dev_t dev;
    ino_t ino;
    off_t size;
    timespec mtime;
    timespec ctime;

    explicit Identity(const struct stat &st = {})
        : dev(st.st_dev), ino(st.st_ino), size(st.st_size), mtime(st.st_mtim), ctime(st.st_ctim)
    {
    }
    bool operator==(const Identity &o) const
    {
        return dev == o.dev && ino == o.ino && size == o.size && mtime.tv_sec == o.mtime.tv_sec &&
               mtime.tv_nsec == o.mtime.tv_nsec && ctime.tv_sec == o.ctime.tv_sec &&
               ctime.tv_nsec == o.ctime.tv_nsec;
    }
};

enum class State
{
    Missing,
    Foreign,
    Own
};

struct Loaded
{
    State state = State::Missing;
    Identity id;
    mode_t mode = 0;
    uid_t uid = 0;
    gid_t gid = 0;
    std::optional<IniFile> file;
};

QString reason(int error)
{
    return QString::fromLocal8Bit(std::strerror(error));
}

bool readAll(int fd, QByteArray &bytes)
{
    char buffer[65536];
    while (bytes.size() <= MaxFileSize) {
        const ssize_t n = ::read(fd, buffer, sizeof buffer);
        if (n < 0 && errno == EINTR)
            continue;
        if (n < 0)
            return false;
        if (n == 0)
            return true;
        bytes.append(buffer, n);
    }
    return false;
}

// What is at `path` now, following links. Only a regular file is opened, and
// without blocking, so a FIFO or a device put there can neither hang nor
// flood the program; fstat on the open file confirms what stat saw.
Loaded load(const QByteArray &path)
{
    Loaded r;
    struct stat st;
    if (::stat(path.constData(), &st) != 0) {
        r.state = errno == ENOENT ? State::Missing : State::Foreign;
        return r;
    }
    r.state = State::Foreign;
    r.id = Identity(st);
    if (!S_ISREG(st.st_mode) || st.st_size > MaxFileSize)
        return r;
    const int fd = ::open(path.constData(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
    if (fd < 0) {
        if (errno == ENOENT)
            r.state = State::Missing;
        return r;
    }
    QByteArray bytes;
    const bool regular = ::fstat(fd, &st) == 0 && S_ISREG(st.st_mode);
    const bool complete = regular && st.st_size <= MaxFileSize && readAll(fd, bytes);
    ::close(fd);
    if (!regular)
        return r;
    r.id = Identity(st);
    r.mode = st.st_mode & 07777;
    r.uid = st.st_uid;
    r.gid = st.st_gid;
    if (!complete)
        return r;
    r.file = IniFile::parse(bytes);
    if (r.file && (r.file->isBlank() || r.file->hasSection(OwnSection)))
        r.state = State::Own;
    return r;
}

// Holds an exclusive lock beside the file for one read-modify-write, so two
// copies of the program writing at once lose nothing.
class WriteLock
{
public:
    explicit WriteLock(const QByteArray &path)
        : fd_(::open(path.constData(), O_RDWR | O_CREAT | O_CLOEXEC, 0600))
    {
        if (fd_ < 0) {
            error_ = errno;
            return;
        }
        while (::flock(fd_, LOCK_EX) != 0) {
            if (errno != EINTR) {
                error_ = errno;
                break;
            }
        }
    }
    ~WriteLock()
    {
        if (fd_ >= 0)
            ::close(fd_);
    }
    WriteLock(const WriteLock &) = delete;
    WriteLock &operator=(const WriteLock &) = delete;
    int error() const { return error_; }

private:
    int fd_;
    int error_ = 0;
};

// Renames the entry at `path` itself (a link stays a link) to the first free
// "<path>.bad", "<path>.bad.1", ...; an earlier one is never replaced.
int moveAside(const QByteArray &path)
{
    for (int n = 0; n < 10000; ++n) {
        const QByteArray aside = path + ".bad" + (n ? "." + QByteArray::number(n) : QByteArray());
        if (::renameat2(AT_FDCWD, path.constData(), AT_FDCWD, aside.constData(),
                        RENAME_NOREPLACE) == 0)
            return 0;
        if (errno == EEXIST)
            continue;
        if (errno != EINVAL && errno != ENOSYS)
            return errno;
        // A file system without no-replace renames: we hold the lock, so
        // checking first is enough.
        struct stat st;
        if (::lstat(aside.constData(), &st) == 0)
            continue;
        return ::rename(path.constData(), aside.constData()) == 0 ? 0 : errno;
    }
    return EEXIST;
}

// Replaces `target` by a file holding `bytes`: written beside it, synced and
// renamed over it, so a crash leaves the old file or the new one, never half
// of one. The old file's permissions and owner carry over.
int replaceFile(const QByteArray &target, const QByteArray &bytes, const Loaded &old,
                Identity &written)
{
    const qsizetype slash = target.lastIndexOf('/');
    const QByteArray dir = slash < 0 ? QByteArray(".") : slash == 0 ? "/" : target.left(slash);
    // Created like any new file (the umask applies), then given the old
    // file's permissions if there was one.
    QByteArray temp;
    int fd = -1;
    for (int attempt = 0; fd < 0 && attempt < 100; ++attempt) {
        temp = dir + "/." + target.mid(slash + 1) + '.' +
               QByteArray::number(QRandomGenerator::global()->generate(), 36);
        // Private until it has the old file's permissions: nobody may open
        // it early and read what a private file was to hold.
        fd = ::open(temp.constData(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC,
                    old.state == State::Own ? 0600 : 0666);
        if (fd < 0 && errno != EEXIST)
            return errno;
    }
    if (fd < 0)
        return EEXIST;
    int error = 0;
    if (old.state == State::Own) {
        error = checked::setMode(fd, old.mode);
        // Only root may give a file away; for anyone else this fails and
        // the file stays theirs, as it was.
        if (!error && ::fchown(fd, old.uid, old.gid) != 0 && errno != EPERM)
            error = errno;
    }
    for (qsizetype done = 0; !error && done < bytes.size();) {
        const ssize_t n = ::write(fd, bytes.constData() + done, size_t(bytes.size() - done));
        if (n < 0 && errno != EINTR)
            error = errno;
        else if (n > 0)
            done += n;
    }
    if (!error)
        error = checked::syncFile(fd);
    if (!error && ::rename(temp.constData(), target.constData()) != 0)
        error = errno;
    // Once synced and renamed the file is in place, whatever close says.
    struct stat st;
    if (!error && ::fstat(fd, &st) == 0)
        written = Identity(st);
    ::close(fd);
    if (error) {
        ::unlink(temp.constData());
        return error;
    }
    // The rename itself reaches the disk only with its folder.
    const int dfd = ::open(dir.constData(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (dfd < 0)
        return 0; // a folder we may not read: the rename is all there is
    const int synced = checked::syncFile(dfd);
    ::close(dfd);
    return synced == EINVAL ? 0 : synced; // EINVAL: a file system that keeps no folder syncs
}

} // namespace

struct SettingsStore::Snapshot
{
    Identity id;
    std::optional<IniFile> file; // nothing when the file is not ours
};

QString SettingsStore::applicationNameFromPath(const QString &executablePath)
{
    return QFileInfo(executablePath).completeBaseName();
}

QString SettingsStore::defaultFilePath(const QString &applicationName)
{
    const QString dir = QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation);
    return dir + QLatin1Char('/') + applicationName + QStringLiteral(".ini");
}

SettingsStore::SettingsStore(QString filePath) : path_(std::move(filePath)) {}

SettingsStore::~SettingsStore() = default;

const SettingsStore::Snapshot *SettingsStore::current() const
{
    const QByteArray path = rawpath::toBytes(path_);
    struct stat st;
    if (::stat(path.constData(), &st) != 0) {
        cache_.reset();
        return nullptr;
    }
    if (cache_ && cache_->id == Identity(st))
        return cache_.get();
    Loaded now = load(path);
    if (now.state == State::Missing) {
        cache_.reset();
        return nullptr;
    }
    cache_ = std::make_unique<Snapshot>(
        Snapshot{now.id, now.state == State::Own ? std::move(now.file) : std::nullopt});
    return cache_.get();
}

QString SettingsStore::read(const QString &section, const QString &key,
                            const QString &fallback) const
{
    const Snapshot *s = current();
    if (!s || !s->file)
        return fallback;
    return s->file->value(section, key).value_or(fallback);
}

bool SettingsStore::write(const QString &section, const QString &key, const QString &value)
{
    const QString error = writeLocked(section, key, value);
    if (error.isEmpty())
        return true;
    if (writeFailed_) {
        writeFailed_(QCoreApplication::translate("SettingsStore",
                                                 "The settings could not be saved to %1: %2.")
                         .arg(QDir::toNativeSeparators(path_), error));
    }
    return false;
}

QString SettingsStore::writeLocked(const QString &section, const QString &key, const QString &value)
{
    if (key.isEmpty())
        return QCoreApplication::translate("SettingsStore", "a setting needs a name");
    const QString folder = QFileInfo(path_).absolutePath();
    if (!QDir().mkpath(folder)) {
        return QCoreApplication::translate("SettingsStore", "the folder %1 cannot be made")
            .arg(QDir::toNativeSeparators(folder));
    }
    const QByteArray path = rawpath::toBytes(path_);
    const WriteLock lock(path + ".lock");
    if (lock.error())
        return reason(lock.error());

    // Read again under the lock: another copy may have written since.
    const Loaded old = load(path);
    QByteArray target = path;
    IniFile file = *IniFile::parse({});
    struct stat st;
    if (old.state == State::Own) {
        file = *old.file;
        if (::lstat(path.constData(), &st) == 0 && S_ISLNK(st.st_mode)) {
            char *real = ::realpath(path.constData(), nullptr);
            if (!real)
                return reason(errno);
            target = real;
            std::free(real);
        }
    } else if (::lstat(path.constData(), &st) == 0) {
        if (const int error = moveAside(path))
            return reason(error);
    }
    file.setValue(section, key, value);
    // A file past the size the store reads would read as someone else's, and
    // every setting in it would be lost to the next start.
    const QByteArray text = file.text();
    if (text.size() > MaxFileSize) {
        return QCoreApplication::translate(
                   "SettingsStore", "the file would grow beyond %1 KiB, more than it may hold")
            .arg(MaxFileSize / 1024);
    }
    Identity written;
    if (const int error = replaceFile(target, text, old, written))
        return reason(error);
    cache_ = std::make_unique<Snapshot>(Snapshot{written, std::move(file)});
    return {};
}

} // namespace tarnwick
