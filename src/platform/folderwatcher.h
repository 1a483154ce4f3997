#pragma once

#include <QByteArray>
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
    // the folder cannot be watched (then nothing is reported).
    bool watch(const QString &path);
    void stop();

signals:
    void changed(const QSet<QByteArray> &names);
    // More happened than the kernel could queue: read the folder again.
    void overflowed();
    // The folder itself was removed or moved away.
    void folderGone();

private:
    void readEvents();
    void flush();

    int fd_ = -1;
    int wd_ = -1;
    QSocketNotifier *notifier_ = nullptr;
    QTimer batch_;
    QSet<QByteArray> pending_;
    bool overflow_ = false;
    bool gone_ = false;
};

} // namespace tarnwick
