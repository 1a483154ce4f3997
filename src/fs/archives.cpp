#include "archives.h"
#include "archivejob.h"

#include "names.h"
#include "rawpaths.h"

#include <QCoreApplication>
#include <QMetaMethod>
#include <QMimeDatabase>
#include <QSet>
#include <QThread>
#include <cstdio>
#include <cstring>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>
#include <utility>

namespace tarnwick {

ArchiveJob::ArchiveJob(JobKind kind) : Job(kind) {}

ArchiveJob::~ArchiveJob()
{
    stopWorker();
}

void ArchiveJob::stopWorker()
{
    if (!thread_)
        return;
    cancel();
    thread_->wait();
    delete std::exchange(thread_, nullptr);
}

void ArchiveJob::start()
{
    if (thread_)
        return;
    askConflicts_ = isSignalConnected(QMetaMethod::fromSignal(&Job::conflict));
    askErrors_ = isSignalConnected(QMetaMethod::fromSignal(&Job::error));
    askPasswords_ = isSignalConnected(QMetaMethod::fromSignal(&Job::passwordNeeded));
    thread_ = QThread::create([this] {
        run();
        result_.cancelled = cancelled();
        emit finished(result_);
    });
    thread_->setObjectName(QStringLiteral("ArchiveJob"));
    thread_->start();
}

void ArchiveJob::cancel()
{
    const std::lock_guard lock(mutex_);
    cancelled_ = true;
    wake_.notify_all();
}

void ArchiveJob::answerConflict(ConflictChoice choice, bool applyToAll)
{
    const std::lock_guard lock(mutex_);
    conflictAnswer_ = {choice, applyToAll};
    wake_.notify_all();
}

void ArchiveJob::answerError(ErrorChoice choice)
{
    const std::lock_guard lock(mutex_);
    errorAnswer_ = choice;
    wake_.notify_all();
}

void ArchiveJob::answerPassword(const std::optional<QByteArray> &password)
{
    const std::lock_guard lock(mutex_);
    passwordAnswer_ = password;
    wake_.notify_all();
}

template <class F> bool ArchiveJob::waitFor(F answered)
{
    std::unique_lock lock(mutex_);
    wake_.wait(lock, [&] { return answered() || cancelled_; });
    return !cancelled_;
}

ConflictChoice ArchiveJob::askConflict(const Conflict &c)
{
    if (forAll_ && (*forAll_ != ConflictChoice::Replace || c.mayReplace))
        return *forAll_;
    if (!askConflicts_)
        return ConflictChoice::Skip;
    {
        const std::lock_guard lock(mutex_);
        conflictAnswer_.reset();
    }
    emit conflict(c);
    if (!waitFor([this] { return conflictAnswer_.has_value(); }) ||
        conflictAnswer_->first == ConflictChoice::Cancel) {
        cancel();
        return ConflictChoice::Cancel;
    }
    ConflictChoice choice = conflictAnswer_->first;
    if (choice == ConflictChoice::Replace && !c.mayReplace)
        choice = ConflictChoice::Skip;
    if (conflictAnswer_->second)
        forAll_ = choice;
    return choice;
}

ErrorChoice ArchiveJob::askError(const QString &what, const QString &reason)
{
    if (cancelled())
        return ErrorChoice::Cancel;
    if (!askErrors_)
        return ErrorChoice::Skip;
    {
        const std::lock_guard lock(mutex_);
        errorAnswer_.reset();
    }
    emit error(what, reason);
    if (!waitFor([this] { return errorAnswer_.has_value(); }))
        return ErrorChoice::Cancel;
    if (*errorAnswer_ == ErrorChoice::Cancel)
        cancel();
    return *errorAnswer_;
}

std::optional<QByteArray> ArchiveJob::askPassword(const QString &item, bool again)
{
    if (!askPasswords_ || cancelled())
        return std::nullopt;
    {
        const std::lock_guard lock(mutex_);
        passwordAnswer_.reset();
    }
    emit passwordNeeded(item, again);
    if (!waitFor([this] { return passwordAnswer_.has_value(); }))
        return std::nullopt;
    return *passwordAnswer_;
}

void ArchiveJob::setPaused(bool paused)
{
    const std::lock_guard lock(mutex_);
    paused_ = paused;
    wake_.notify_all();
}

void ArchiveJob::holdWhilePaused()
{
    std::unique_lock lock(mutex_);
    wake_.wait(lock, [this] { return !paused_ || cancelled_; });
}

void ArchiveJob::tick(const QByteArray &file, qint64 bytesDone, qint64 bytesTotal, int filesDone,
                      int filesTotal, bool force)
{
    if (!force)
        holdWhilePaused();          // between blocks
    constexpr int IntervalMs = 100; // often enough for a bar, rarely enough to cost nothing
    if (!force && clock_.isValid() && clock_.elapsed() < IntervalMs)
        return;
    clock_.start();
    emit progress(rawpath::shown(file), bytesDone, qMax(bytesDone, bytesTotal), filesDone,
                  qMax(filesDone, filesTotal));
}

namespace archive {

mode_t currentUmask()
{
    static const mode_t mask = [] {
        const QByteArray status = rawpath::readSmallFile("/proc/self/status", 1 << 16);
        const qsizetype at = status.indexOf("\nUmask:");
        bool ok = false;
        const uint value = at < 0 ? 0
                                  : status.mid(at + 7, status.indexOf('\n', at + 1) - at - 7)
                                        .trimmed()
                                        .toUInt(&ok, 8);
        return mode_t(ok ? value : 022);
    }();
    return mask;
}

QByteArray partName(int dirFd, const QByteArray &name)
{
    for (int n = 1; n <= names::MaxNumber; ++n) {
        const QByteArray candidate = names::fitted(
            '.' + name, ".tarnwick-part" + (n > 1 ? '-' + QByteArray::number(n) : QByteArray()));
        struct stat st;
        if (fstatat(dirFd, candidate.constData(), &st, AT_SYMLINK_NOFOLLOW) != 0 && errno == ENOENT)
            return candidate;
    }
    return {};
}

} // namespace archive

namespace Archives {

namespace {

// Documents that are zip files inside (office files, e-books) open as what
// they are, so only archive types count, not what inherits them.
bool isArchiveType(const QMimeType &type)
{
    static const QSet<QString> types{
        QStringLiteral("application/zip"),
        QStringLiteral("application/x-tar"),
        QStringLiteral("application/x-compressed-tar"),
        QStringLiteral("application/x-bzip-compressed-tar"),
        QStringLiteral("application/x-bzip2-compressed-tar"),
        QStringLiteral("application/x-xz-compressed-tar"),
        QStringLiteral("application/x-lzma-compressed-tar"),
        QStringLiteral("application/x-zstd-compressed-tar"),
        QStringLiteral("application/x-tarz"),
        QStringLiteral("application/x-lz4-compressed-tar"),
        QStringLiteral("application/x-7z-compressed"),
        QStringLiteral("application/vnd.rar"),
        QStringLiteral("application/x-rar"),
        QStringLiteral("application/x-rar-compressed"),
        QStringLiteral("application/x-cd-image"),
        QStringLiteral("application/x-iso9660-image"),
        QStringLiteral("application/x-cpio"),
        QStringLiteral("application/x-sv4cpio"),
        QStringLiteral("application/x-sv4crc"),
        QStringLiteral("application/x-ar"),
        QStringLiteral("application/x-xar"),
        QStringLiteral("application/x-lha"),
        QStringLiteral("application/x-cab"),
        QStringLiteral("application/vnd.ms-cab-compressed"),
    };
    if (types.contains(type.name()))
        return true;
    for (const QString &alias : type.aliases()) {
        if (types.contains(alias))
            return true;
    }
    return false;
}

QMimeDatabase &mimeDatabase()
{
    static QMimeDatabase db;
    return db;
}

} // namespace

QByteArray suffix(ArchiveFormat format)
{
    switch (format) {
    case ArchiveFormat::Zip:
        return ".zip";
    case ArchiveFormat::TarGz:
        return ".tar.gz";
    case ArchiveFormat::TarXz:
        return ".tar.xz";
    case ArchiveFormat::TarZst:
        return ".tar.zst";
    case ArchiveFormat::SevenZip:
        return ".7z";
    }
    return {};
}

namespace {
struct Words
{
    Q_DECLARE_TR_FUNCTIONS(Archives)
};
} // namespace

QString formatName(ArchiveFormat format)
{
    const QString ext = QString::fromLatin1(suffix(format));
    switch (format) {
    case ArchiveFormat::Zip:
        return Words::tr("Zip (%1)").arg(ext);
    case ArchiveFormat::TarGz:
        return Words::tr("Tar, gzip (%1)").arg(ext);
    case ArchiveFormat::TarXz:
        return Words::tr("Tar, xz (%1)").arg(ext);
    case ArchiveFormat::TarZst:
        return Words::tr("Tar, Zstandard (%1)").arg(ext);
    case ArchiveFormat::SevenZip:
        return Words::tr("7-Zip (%1)").arg(ext);
    }
    return {};
}

QByteArray stem(const QByteArray &name)
{
    const QByteArray known = mimeDatabase().suffixForFileName(rawpath::toText(name)).toUtf8();
    if (!known.isEmpty() && name.size() > known.size() + 1 &&
        name.right(known.size() + 1).toLower() == '.' + known.toLower())
        return name.left(name.size() - known.size() - 1);
    const qsizetype dot = rawpath::extensionStart(name);
    return dot > 0 ? name.left(dot) : name;
}

bool isArchiveName(const QByteArray &name)
{
    const QList<QMimeType> byName = mimeDatabase().mimeTypesForFileName(rawpath::toText(name));
    return !byName.isEmpty() && isArchiveType(byName.first());
}

bool isArchive(const QByteArray &path)
{
    // The name may not be valid UTF-8, so the head is read here, by the bytes.
    const int fd = open(path.constData(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
    if (fd < 0)
        return false;
    struct stat st;
    QByteArray head(4096, '\0');
    const ssize_t got = fstat(fd, &st) == 0 && S_ISREG(st.st_mode)
                            ? read(fd, head.data(), size_t(head.size()))
                            : -1;
    close(fd);
    if (got < 0)
        return false;
    head.truncate(got);
    return isArchiveType(
        mimeDatabase().mimeTypeForFileNameAndData(rawpath::toText(rawpath::baseName(path)), head));
}

} // namespace Archives

} // namespace tarnwick
