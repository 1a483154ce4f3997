#include "folderwatcher.h"

#include "background.h"
#include "networkmounts.h"
#include "rawpaths.h"

#include <QFile>
#include <QSocketNotifier>
#include <fcntl.h>
#include <sys/inotify.h>
#include <unistd.h>

namespace tarnwick {

// Events are gathered for 200 ms before they are reported: a program writing
// many files at once then costs the list one update, and a single new file
// still shows well within a second. The timer is not restarted by later
// events, so a steady stream is reported every 200 ms rather than never.
constexpr int BatchMs = 200;

namespace {

// Adding a watch looks the folder up, and on a server's place that waits on
// the server, which may have stopped answering: there it is added off the
// window's thread, through a descriptor of the same inotify instance that
// outlives the watcher if need be, and `done` gets the watch number (-1 on
// failure) on the window's thread.
void addWatchAside(QObject *receiver, int fd, const QByteArray &path, uint32_t mask,
                   std::function<void(int)> done)
{
    const int own = fcntl(fd, F_DUPFD_CLOEXEC, 0);
    if (own < 0)
        return done(-1);
    Background::run(receiver, [own, path, mask, done](BackgroundTask &task) {
        const int wd = inotify_add_watch(own, path.constData(), mask);
        close(own);
        task.post([done, wd] { done(wd); });
    });
}

// Hands every event queued on an inotify descriptor to `take`.
template <class Take> void readInotify(int fd, Take &&take)
{
    alignas(inotify_event) char buffer[16384];
    for (;;) {
        const ssize_t n = read(fd, buffer, sizeof buffer);
        if (n <= 0)
            break;
        for (char *p = buffer; p < buffer + n;) {
            const auto *e = reinterpret_cast<const inotify_event *>(p);
            p += sizeof(inotify_event) + e->len;
            take(*e);
        }
    }
}

} // namespace

FolderWatcher::FolderWatcher(QObject *parent) : QObject(parent)
{
    batch_.setSingleShot(true);
    batch_.setInterval(BatchMs);
    connect(&batch_, &QTimer::timeout, this, &FolderWatcher::flush);
    fd_ = inotify_init1(IN_NONBLOCK | IN_CLOEXEC);
    if (fd_ >= 0) {
        notifier_ = new QSocketNotifier(fd_, QSocketNotifier::Read, this);
        connect(notifier_, &QSocketNotifier::activated, this, &FolderWatcher::readEvents);
    }
}

FolderWatcher::~FolderWatcher()
{
    if (fd_ >= 0)
        close(fd_);
}

bool FolderWatcher::watch(const QString &path)
{
    stop();
    if (fd_ < 0)
        return false;
    constexpr uint32_t mask = IN_CREATE | IN_DELETE | IN_MOVED_FROM | IN_MOVED_TO | IN_MODIFY |
                              IN_ATTRIB | IN_CLOSE_WRITE | IN_DELETE_SELF | IN_MOVE_SELF |
                              IN_UNMOUNT | IN_ONLYDIR;
    const quint64 ticket = ++watches_;
    if (isOnNetworkPlace(path)) {
        addWatchAside(this, fd_, rawpath::toBytes(path), mask, [this, ticket](int wd) {
            if (ticket == watches_)
                wd_ = wd;
            else if (wd >= 0 && wd != wd_)
                inotify_rm_watch(fd_, wd); // given up on meanwhile
        });
        return true;
    }
    wd_ = inotify_add_watch(fd_, rawpath::toBytes(path).constData(), mask);
    return wd_ >= 0;
}

void FolderWatcher::stop()
{
    ++watches_;
    if (wd_ >= 0)
        inotify_rm_watch(fd_, wd_);
    // Events of the old watch, its IN_IGNORED above all, may still be
    // queued: drop them now, before a new watch can reuse the number.
    if (fd_ >= 0)
        readInotify(fd_, [](const inotify_event &) {});
    wd_ = -1;
    pending_.clear();
    overflow_ = gone_ = false;
    batch_.stop();
}

void FolderWatcher::readEvents()
{
    readInotify(fd_, [this](const inotify_event &e) {
        if (e.mask & IN_Q_OVERFLOW) {
            overflow_ = true;
            return;
        }
        // Events of a watch removed earlier may still be queued.
        if (e.wd != wd_)
            return;
        // IN_IGNORED: the kernel dropped the watch, as it does when the
        // folder's volume is unmounted; nothing more would ever come.
        if (e.mask & (IN_DELETE_SELF | IN_MOVE_SELF | IN_UNMOUNT | IN_IGNORED))
            gone_ = true;
        else if (e.len > 0)
            pending_.insert(QByteArray(e.name));
    });
    if (!batch_.isActive() && (gone_ || overflow_ || !pending_.isEmpty()))
        batch_.start();
}

void FolderWatcher::flush()
{
    if (gone_) {
        gone_ = false;
        pending_.clear();
        emit folderGone();
        return;
    }
    if (overflow_) {
        overflow_ = false;
        pending_.clear();
        emit overflowed();
        return;
    }
    if (pending_.isEmpty())
        return;
    const QSet<QByteArray> names = std::exchange(pending_, {});
    emit changed(names);
}

FolderSetWatcher::FolderSetWatcher(QObject *parent) : QObject(parent)
{
    batch_.setSingleShot(true);
    batch_.setInterval(BatchMs);
    connect(&batch_, &QTimer::timeout, this, [this] {
        if (!pending_.isEmpty())
            emit foldersChanged(std::exchange(pending_, {}));
    });
    fd_ = inotify_init1(IN_NONBLOCK | IN_CLOEXEC);
    if (fd_ >= 0) {
        auto *notifier = new QSocketNotifier(fd_, QSocketNotifier::Read, this);
        connect(notifier, &QSocketNotifier::activated, this, &FolderSetWatcher::readEvents);
    }
}

FolderSetWatcher::~FolderSetWatcher()
{
    if (fd_ >= 0)
        close(fd_);
}

void FolderSetWatcher::watch(const QByteArray &path)
{
    if (fd_ < 0 || byPath_.contains(path) || adding_.contains(path))
        return;
    // Only folders coming and going matter to the tree.
    constexpr uint32_t mask = IN_CREATE | IN_DELETE | IN_MOVED_FROM | IN_MOVED_TO | IN_ATTRIB |
                              IN_DELETE_SELF | IN_MOVE_SELF | IN_UNMOUNT | IN_ONLYDIR;
    if (isOnNetworkPlace(QFile::decodeName(path))) {
        adding_.insert(path);
        addWatchAside(this, fd_, path, mask, [this, path](int wd) {
            if (adding_.remove(path))
                add(path, wd);
            else if (wd >= 0 && !byWd_.contains(wd))
                inotify_rm_watch(fd_, wd); // unwatched meanwhile
        });
        return;
    }
    add(path, inotify_add_watch(fd_, path.constData(), mask));
}

void FolderSetWatcher::add(const QByteArray &path, int wd)
{
    if (wd < 0)
        return;
    // Two paths of one folder (a link, a bind mount) share a watch number.
    if (const QByteArray old = byWd_.value(wd); !old.isEmpty())
        byPath_.remove(old);
    byWd_.insert(wd, path);
    byPath_.insert(path, wd);
}

void FolderSetWatcher::unwatch(const QByteArray &path)
{
    adding_.remove(path);
    const auto it = byPath_.find(path);
    if (it == byPath_.end())
        return;
    inotify_rm_watch(fd_, it.value());
    byWd_.remove(it.value());
    byPath_.erase(it);
}

void FolderSetWatcher::readEvents()
{
    readInotify(fd_, [this](const inotify_event &e) {
        if (e.mask & IN_Q_OVERFLOW) {
            for (const QByteArray &path : std::as_const(byWd_))
                pending_.insert(path);
            return;
        }
        const QByteArray path = byWd_.value(e.wd);
        // A file's own changes say nothing about the folders in it.
        if (path.isEmpty() || (e.len > 0 && !(e.mask & IN_ISDIR)))
            return;
        pending_.insert(path);
        if (e.mask & IN_IGNORED) {
            byWd_.remove(e.wd);
            byPath_.remove(path);
        }
    });
    if (!batch_.isActive() && !pending_.isEmpty())
        batch_.start();
}

} // namespace tarnwick
