#pragma once

#include <QByteArray>
#include <QList>
#include <QObject>
#include <QString>
#include <QTimer>
#include <functional>

class QSocketNotifier;

namespace tarnwick {

struct Volume
{
    QString mountPoint;
    QString name; // last component of the mount point; "/" for the root
    QString device;
    QString fileSystem;
    bool network = false;
    bool readOnly = false;
};

// Every mount in the text of a mountinfo file, in its order, escapes decoded.
// Lines that are not mounts are skipped.
QList<Volume> parseMountInfo(const QByteArray &text);

// The volumes a user cares about: the root first, then disks, network shares
// and whatever is mounted under /media, /run/media or /mnt; never the
// system's own file systems or a mount point that is not a folder (a bound
// file). Where several mounts share a mount point the last, visible one
// counts. `isDir` is asked about local mount points only: a network one
// whose server is gone could hang the caller.
QList<Volume> filterVolumes(const QList<Volume> &volumes,
                            const std::function<bool(const QString &)> &isDir);

// The above for this process's mount table. Reads no more than the table and
// the cached type of local mount points, so it is safe on the user-interface
// thread.
QList<Volume> mountedVolumes();

// The tops of the volumes that may hold a trash, as the bytes on disk, from
// the text of a mountinfo file: the root first, then every mount that can
// hold a user's files, tmpfs and the system's own places included, since
// trashing goes to whatever volume an item lives on. Left out are only the
// kernel's interfaces (proc, sysfs, cgroup, devpts and the like), whatever is
// mounted under /proc or /sys, and mounts hidden under a later one.
QList<QByteArray> trashTopsOf(const QByteArray &mountInfo);

// The above for this process's mount table; as cheap as mountedVolumes().
QList<QByteArray> mountedTrashTops();

// Size and free space of the volume at `mountPoint`. This asks the file
// system and may block on a network mount; call it off the user-interface
// thread. False when it cannot be found out.
bool volumeSpace(const QString &mountPoint, qint64 *total, qint64 *available);

// Reports changes of the mount table: something mounted, unmounted or
// remounted. Bursts (a desktop mounting several partitions at once) come as
// one changed().
class MountMonitor : public QObject
{
    Q_OBJECT
public:
    explicit MountMonitor(QObject *parent = nullptr);
    // Watches another table, such as /proc/<pid>/mountinfo of a process in a
    // mount namespace of its own.
    explicit MountMonitor(const QString &mountInfoPath, QObject *parent = nullptr);
    ~MountMonitor() override;

    bool isWatching() const { return fd_ >= 0; }

signals:
    void changed();

private:
    void readTable();

    int fd_ = -1;
    QSocketNotifier *notifier_ = nullptr;
    QTimer settle_;
    QByteArray current_;  // the table as last read
    QByteArray reported_; // the table when changed() was last emitted
};

} // namespace tarnwick
