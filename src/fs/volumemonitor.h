#pragma once

#include <QList>
#include <QObject>
#include <QString>
#include <QStringList>
#include <functional>
#include <memory>

namespace tarnwick {

// A drive's volume or a mount the desktop knows of, mounted or not.
struct DriveVolume
{
    QString id;        // stays the same while the volume is present
    QString name;      // as the desktop names it; plain text
    QString kind;      // in words: "Removable Disk", "CD/DVD Drive", ...
    QString iconName;  // a theme icon name; may be empty
    QString mountPath; // the local folder it is mounted at; empty when it is not
    bool canMount = false;
    bool canUnmount = false;
    bool canEject = false;
    bool canStop = false; // the drive can be powered down: "Safely Remove"
    bool network = false; // a server's place, reached through the desktop's file services

    bool isMounted() const { return !mountPath.isEmpty(); }
    bool operator==(const DriveVolume &) const = default;
};

// The volumes the desktop offers and what can be done with them. Every
// operation is asynchronous: results arrive as signals on the caller's
// thread, never from inside the call that asked.
class VolumeMonitor : public QObject
{
    Q_OBJECT
public:
    using QObject::QObject;

    virtual QList<DriveVolume> volumes() const = 0;
    virtual void mount(const QString &id) = 0;
    virtual void unmount(const QString &id) = 0;
    virtual void eject(const QString &id) = 0;
    // Unmounts and powers the drive down.
    virtual void stop(const QString &id) = 0;
    // Answers to passwordNeeded (an empty password with `cancelled`) and to
    // questionAsked (the chosen answer's number, or -1 to cancel).
    virtual void providePassword(const QString &id, const QString &password, bool cancelled) = 0;
    virtual void answerQuestion(const QString &id, int choice) = 0;

signals:
    // Something was added, removed, mounted or unmounted.
    void changed();
    void mounted(const QString &id, const QString &path);
    void unmounted(const QString &id);
    // `busy` when the volume is in use and was left mounted.
    void failed(const QString &id, const QString &message, bool busy);
    void passwordNeeded(const QString &id, const QString &message);
    void questionAsked(const QString &id, const QString &message, const QStringList &choices);
};

// The volumes of `monitor` present but not mounted that can be; none
// without a monitor.
QList<DriveVolume> unmountedVolumes(const VolumeMonitor *monitor);

// What a mounted volume holds; sizes in bytes, -1 when not known.
struct VolumeUsage
{
    QString fileSystem;
    qint64 size = -1;
    qint64 used = -1;
    qint64 free = -1;
};

// Asks the file system of `path` for its type and space without waiting on
// it (a network server may take its time) and calls `done` on the caller's
// thread with the answer, unless `context` is gone by then. Needs GLib's main
// context run, as Qt's event loop does here; otherwise `done` comes at once
// with nothing known.
void queryVolumeUsage(const QString &path, QObject *context,
                      std::function<void(const VolumeUsage &)> done);

// The desktop's own, through GIO's volume monitor. Reports only while the
// event loop runs GLib's main context; otherwise lists nothing.
std::unique_ptr<VolumeMonitor> makeSystemVolumeMonitor(QObject *parent = nullptr);

} // namespace tarnwick
