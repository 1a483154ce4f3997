#include "fileoperations.h"

#include "rawpaths.h"
#include "transferworker.h"

#include <QMetaMethod>
#include <QThread>
#include <cerrno>
#include <cstring>
#include <sys/resource.h>
#include <sys/stat.h>

namespace tarnwick {
namespace {

using rawpath::shown;

bool sameFile(const struct stat &a, const struct stat &b)
{
    return a.st_dev == b.st_dev && a.st_ino == b.st_ino;
}

// Whether the folder `dir` is `path` or one of the folders above it. By
// device and inode rather than by name, so that a bind mount of the folder
// inside itself is caught too.
bool holds(const struct stat &dir, QByteArray path)
{
    for (struct stat st;; path = rawpath::parentOf(path)) {
        if (stat(path.constData(), &st) == 0 && sameFile(st, dir))
            return true;
        if (path == "/")
            return false;
    }
}

// A transfer holds a few descriptors for each level of the folder it is in:
// a deep tree needs more than the soft limit that many sessions start with,
// and the hard limit is ours to take.
void allowAllOpenFiles()
{
    static const bool raised = [] {
        struct rlimit limit;
        if (getrlimit(RLIMIT_NOFILE, &limit) != 0 || limit.rlim_cur >= limit.rlim_max)
            return false;
        limit.rlim_cur = limit.rlim_max;
        return setrlimit(RLIMIT_NOFILE, &limit) == 0;
    }();
    Q_UNUSED(raised);
}

} // namespace

QByteArray cleanPath(QByteArray path)
{
    while (path.size() > 1 && path.endsWith('/'))
        path.chop(1);
    return path;
}

FileTransfer::FileTransfer(JobKind kind, QList<QByteArray> sources, QByteArray targetFolder,
                           QObject *parent)
    : Job(kind, parent)
{
    describe(cleanPath(targetFolder), int(sources.size()));
    worker_ =
        std::make_unique<TransferWorker>(*this, kind, std::move(sources), std::move(targetFolder));
}

FileTransfer::~FileTransfer()
{
    if (thread_) {
        worker_->cancel();
        thread_->wait();
        delete thread_;
    }
}

void FileTransfer::setProgressInterval(int ms)
{
    worker_->progressIntervalMs = ms;
}

void FileTransfer::setFaultHook(FaultHook hook)
{
    worker_->faults = std::move(hook);
}

void FileTransfer::start()
{
    if (thread_)
        return;
    allowAllOpenFiles();
    // Nobody would ever answer a question nobody hears; the worker skips
    // instead of waiting for ever.
    worker_->askConflicts = isSignalConnected(QMetaMethod::fromSignal(&FileTransfer::conflict));
    worker_->askErrors = isSignalConnected(QMetaMethod::fromSignal(&FileTransfer::error));
    thread_ = QThread::create([worker = worker_.get()] { worker->run(); });
    thread_->setObjectName(QStringLiteral("FileTransfer"));
    thread_->start();
}

void FileTransfer::cancel()
{
    worker_->cancel();
}

void FileTransfer::answerConflict(ConflictChoice choice, bool applyToAll)
{
    worker_->answerConflict(choice, applyToAll);
}

void FileTransfer::answerError(ErrorChoice choice)
{
    worker_->answerError(choice);
}

void FileTransfer::setPaused(bool paused)
{
    worker_->setPaused(paused);
}

QString FileTransfer::refusal(JobKind kind, const QList<QByteArray> &sources,
                              const QByteArray &targetFolder)
{
    if (sources.isEmpty())
        return tr("Nothing was chosen.");
    const QByteArray target = cleanPath(targetFolder);
    if (!target.startsWith('/'))
        return tr("\u201c%1\u201d is not a full path.").arg(shown(target));
    struct stat ts;
    if (stat(target.constData(), &ts) != 0)
        return errno == ENOENT ? jobtext::noSuchFolder(shown(target))
                               : tr("The folder \u201c%1\u201d cannot be opened: %2.")
                                     .arg(shown(target), QString::fromLocal8Bit(strerror(errno)));
    if (!S_ISDIR(ts.st_mode))
        return jobtext::notAFolder(shown(target));
    QByteArray real = rawpath::canonical(target);
    if (real.isEmpty())
        real = target;

    for (const QByteArray &raw : sources) {
        const QByteArray source = cleanPath(raw);
        if (!source.startsWith('/'))
            return tr("\u201c%1\u201d is not a full path.").arg(shown(source));
        struct stat ss;
        if (lstat(source.constData(), &ss) != 0)
            return tr("\u201c%1\u201d no longer exists.").arg(shown(source));
        if (kind == JobKind::Link)
            continue;
        if (S_ISDIR(ss.st_mode) && holds(ss, real))
            return (kind == JobKind::Copy
                        ? tr("The folder \u201c%1\u201d cannot be copied into itself or into a "
                             "folder inside it.")
                        : tr("The folder \u201c%1\u201d cannot be moved into itself or into a "
                             "folder inside it."))
                .arg(shown(source));
        struct stat ps;
        if (kind == JobKind::Move && stat(rawpath::parentOf(source).constData(), &ps) == 0 &&
            sameFile(ps, ts))
            return tr("\u201c%1\u201d is already in this folder.").arg(shown(source));
    }
    return {};
}

} // namespace tarnwick
