#pragma once

#include <QByteArray>
#include <QHash>
#include <QObject>
#include <QSet>
#include <QTimer>

class QSocketNotifier;

namespace tarnwick {

// Watches one folder through inotify and reports the names of entries that
// were created, removed, renamed or changed, in batches.
class FolderWatcher : public QObject
{
    Q_OBJECT
public:
    explicit FolderWatcher(QObject *parent = nullptr);
    ~FolderWatcher() override;

    // Starts watching `path`, replacing the folder watched before. False when
    // the folder cannot be watched (then nothing is reported). On a server's
    // place the watch is added off the window's thread, and true is the
    // answer until it is known.
    bool watch(const QString &path);
    void stop();

signals:
    void changed(const QSet<QByteArray> &names);
    // More happened than the kernel could queue: read the folder again.
    void overflowed();
    // The folder itself was removed, moved away, or its volume unmounted.
    void folderGone();

private:
    void readEvents();
    void flush();

    int fd_ = -1;
    int wd_ = -1;
    quint64 watches_ = 0; // watches asked for, so a late one is known
    QSocketNotifier *notifier_ = nullptr;
    QTimer batch_;
    QSet<QByteArray> pending_;
    bool overflow_ = false;
    bool gone_ = false;
};

// Watches many folders at once for folders appearing and going in them, as
// the tree needs for the folders it has read. Reports the watched folders
// that changed, in batches, and forgets folders the kernel stopped watching
// (removed, or their volume unmounted), reporting those as changed too.
class FolderSetWatcher : public QObject
{
    Q_OBJECT
public:
    explicit FolderSetWatcher(QObject *parent = nullptr);
    ~FolderSetWatcher() override;

    void watch(const QByteArray &path); // again for a path watched already: nothing
    void unwatch(const QByteArray &path);
    bool isWatching(const QByteArray &path) const { return byPath_.contains(path); }

signals:
    void foldersChanged(const QSet<QByteArray> &paths);

private:
    void readEvents();
    void add(const QByteArray &path, int wd);

    int fd_ = -1;
    QHash<int, QByteArray> byWd_;
    QHash<QByteArray, int> byPath_;
    QSet<QByteArray> adding_; // on a server's place, off the window's thread
    QTimer batch_;
    QSet<QByteArray> pending_;
};

} // namespace tarnwick
