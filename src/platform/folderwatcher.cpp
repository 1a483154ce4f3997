#include "folderwatcher.h"

#include <QFile>
#include <QSocketNotifier>
#include <sys/inotify.h>
#include <unistd.h>

namespace tarnwick {

// Events are gathered for 200 ms before they are reported: a program writing
// many files at once then costs the list one update, and a single new file
// still shows well within a second. The timer is not restarted by later
// events, so a steady stream is reported every 200 ms rather than never.
constexpr int BatchMs = 200;

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
                              IN_ONLYDIR;
    wd_ = inotify_add_watch(fd_, QFile::encodeName(path).constData(), mask);
    return wd_ >= 0;
}

void FolderWatcher::stop()
{
    if (wd_ >= 0)
        inotify_rm_watch(fd_, wd_);
    wd_ = -1;
    pending_.clear();
    overflow_ = gone_ = false;
    batch_.stop();
}

void FolderWatcher::readEvents()
{
    alignas(inotify_event) char buffer[16384];
    for (;;) {
        const ssize_t n = read(fd_, buffer, sizeof buffer);
        if (n <= 0)
            break;
        for (char *p = buffer; p < buffer + n;) {
            const auto *e = reinterpret_cast<const inotify_event *>(p);
            p += sizeof(inotify_event) + e->len;
            if (e->mask & IN_Q_OVERFLOW) {
                overflow_ = true;
                continue;
            }
            // Events of a watch removed earlier may still be queued.
            if (e->wd != wd_)
                continue;
            if (e->mask & (IN_DELETE_SELF | IN_MOVE_SELF))
                gone_ = true;
            else if (e->len > 0)
                pending_.insert(QByteArray(e->name));
        }
    }
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

} // namespace tarnwick
