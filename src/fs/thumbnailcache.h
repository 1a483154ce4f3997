#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>
#include <atomic>
#include <vector>

namespace tarnwick {

// The desktop's shared thumbnail cache, as every program that follows the
// freedesktop thumbnail standard keeps it: $XDG_CACHE_HOME/thumbnails/<size>/
// <MD5 of the file's URI>.png, folders 0700, files 0600. What is stored here
// is used by other programs, and theirs by us.
namespace thumbcache {

enum class Bucket
{
    Normal,  // 128
    Large,   // 256
    XLarge,  // 512
    XXLarge, // 1024
};

int sideOf(Bucket bucket);
// The smallest bucket whose pictures are at least `pixels` on their longer side.
Bucket bucketFor(int pixels);

// The cache's root, from the environment as it is now.
QByteArray root();
// Whether `path` is inside the cache: nothing is made for those.
bool isInside(const QByteArray &path);
// file:// URI of an absolute path, escaped as the desktop's libraries escape it.
QByteArray uriOf(const QByteArray &path);
QByteArray pathFor(const QByteArray &uri, Bucket bucket);
// Where Tarnwick records that it could not make a file's thumbnail.
QByteArray failurePathFor(const QByteArray &uri);

// Writes `bytes` under `path` in the cache: to a private name first, renamed
// into place when whole, the folders on the way made 0700. 0 or an errno.
int store(const QByteArray &path, const QByteArray &bytes);

// Whether the folder holding `path` is on a network file system. May block
// on a dead mount: call it off the window's thread.
bool onNetwork(const QByteArray &path);

} // namespace thumbcache

// One of the system's installed thumbnailers (/usr/share/thumbnailers/
// *.thumbnailer): a program that draws a picture of files of some types.
struct Thumbnailer
{
    QByteArray program; // found on PATH
    QByteArray exec;    // the command line, with %i %o %u %s
    QStringList mimeTypes;
};

class Thumbnailers
{
public:
    // Those installed in the data folders of the environment, the user's
    // first; read once.
    static const Thumbnailers &installed();
    // Those in the given data folders (tests).
    explicit Thumbnailers(const QList<QByteArray> &dataDirs);

    const Thumbnailer *forType(const QString &mimeType) const;
    QStringList types() const;

    // How long one may run, and how much it may take.
    static constexpr int TimeoutMs = 10000;
    static constexpr int CpuSeconds = 10;
    static constexpr qint64 MemoryBytes = qint64(2) << 30;
    static constexpr qint64 MaxOutputBytes = 32 << 20;

    // Runs `t` on `path` for a picture of `side` pixels, in a process of its
    // own under the limits above, and returns the bytes of the picture it
    // wrote; empty when it failed, ran too long or `stop` was set.
    static QByteArray run(const Thumbnailer &t, const QByteArray &path, int side,
                          const std::atomic<bool> &stop);

private:
    std::vector<Thumbnailer> list_;
};

} // namespace tarnwick
