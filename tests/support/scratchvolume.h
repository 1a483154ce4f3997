#pragma once

#include <QByteArray>
#include <QString>
#include <cerrno>
#include <cstring>
#include <sys/mount.h>
#include <sys/stat.h>

namespace tarnwick::test {

// A small file system of its own (tmpfs) mounted on a folder the test owns,
// for what must cross from one file system to another. Needs root; why not
// is in skipReason() otherwise. Unmounted, lazily, when it goes.
class ScratchVolume
{
public:
    explicit ScratchVolume(const QByteArray &mountPoint, const char *size = "256m")
        : path_(mountPoint)
    {
        if (mkdir(path_.constData(), 0755) != 0 && errno != EEXIST)
            reason_ =
                QStringLiteral("cannot make %1: %2")
                    .arg(QString::fromLocal8Bit(path_), QString::fromLocal8Bit(strerror(errno)));
        else if (mount("tarnwick-test", path_.constData(), "tmpfs", MS_NOSUID | MS_NODEV,
                       (QByteArray("mode=0755,size=") + size).constData()) != 0)
            reason_ =
                QStringLiteral("a second file system needs mounting a tmpfs, which failed: %1")
                    .arg(QString::fromLocal8Bit(strerror(errno)));
        else
            mounted_ = true;
    }
    ~ScratchVolume()
    {
        if (mounted_)
            umount2(path_.constData(), MNT_DETACH);
    }
    ScratchVolume(const ScratchVolume &) = delete;
    ScratchVolume &operator=(const ScratchVolume &) = delete;

    bool mounted() const { return mounted_; }
    QString skipReason() const { return reason_; }
    const QByteArray &path() const { return path_; }

private:
    QByteArray path_;
    QString reason_;
    bool mounted_ = false;
};

} // namespace tarnwick::test
