#include "testenv.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QStandardPaths>
#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <ftw.h>
#include <sys/mount.h>
#include <unistd.h>

namespace tarnwick::test {

IsolatedHome::IsolatedHome()
{
    const QString root = dir_.path();
    const struct
    {
        const char *var;
        const char *sub;
    } dirs[] = {{"HOME", "home"},
                {"XDG_CONFIG_HOME", "home/.config"},
                {"XDG_DATA_HOME", "home/.local/share"},
                {"XDG_CACHE_HOME", "home/.cache"},
                {"XDG_STATE_HOME", "home/.local/state"}};
    for (const auto &d : dirs) {
        const QString p = root + QLatin1Char('/') + QLatin1String(d.sub);
        QDir().mkpath(p);
        qputenv(d.var, QFile::encodeName(p));
    }
    const QString runtime = root + QStringLiteral("/runtime");
    QDir().mkpath(runtime);
    QFile::setPermissions(runtime, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    qputenv("XDG_RUNTIME_DIR", QFile::encodeName(runtime));
}

IsolatedHome::~IsolatedHome()
{
    // Names that are not UTF-8 (trashed by a test, say) are beyond the
    // temporary folder's own clean-up.
    removeTree(dir_.path());
}

QString IsolatedHome::configHome() const
{
    return dir_.path() + QStringLiteral("/home/.config");
}

void quietPlatformNotes()
{
    static QtMessageHandler previous = nullptr;
    static bool installed = false;
    if (installed)
        return;
    installed = true;
    previous = qInstallMessageHandler(
        [](QtMsgType type, const QMessageLogContext &ctx, const QString &msg) {
            // The offscreen platform has no window stacking and no frames.
            if (msg.contains(QLatin1String("does not support propagateSizeHints")) ||
                msg.contains(QLatin1String("does not support raise()")))
                return;
            previous(type, ctx, msg);
        });
}

ScratchVolume::ScratchVolume(const QString &parent, const char *size)
    : path_(parent + QStringLiteral("/volume"))
{
    if (geteuid() != 0) {
        whyNot_ = QStringLiteral("mounting a volume of the test's own needs root");
        return;
    }
    if (!QDir().mkpath(path_)) {
        whyNot_ = QStringLiteral("no folder to mount a volume on");
        return;
    }
    const QByteArray options = QByteArray("mode=0755,size=") + size;
    if (mount("tarnwick-test", QFile::encodeName(path_).constData(), "tmpfs", MS_NOSUID | MS_NODEV,
              options.constData()) != 0) {
        whyNot_ = QStringLiteral("mounting a tmpfs failed: %1")
                      .arg(QString::fromLocal8Bit(strerror(errno)));
        return;
    }
    mounted_ = true;
}

ScratchVolume::~ScratchVolume()
{
    // Detached, so a file a failed test left open does not keep it mounted.
    if (mounted_)
        umount2(QFile::encodeName(path_).constData(), MNT_DETACH);
}

bool removeTree(const QString &path)
{
    const QByteArray top = QFile::encodeName(path);
    const int rc = nftw(
        top.constData(),
        [](const char *p, const struct stat *, int type, struct FTW *) {
            return type == FTW_DP ? rmdir(p) : unlink(p);
        },
        16, FTW_DEPTH | FTW_PHYS);
    return rc == 0 || errno == ENOENT;
}

bool makeRawFile(const QByteArray &path, const QByteArray &bytes)
{
    const int fd = open(path.constData(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0644);
    if (fd < 0)
        return false;
    const bool ok = write(fd, bytes.constData(), size_t(bytes.size())) == ssize_t(bytes.size());
    return close(fd) == 0 && ok;
}

bool writeFile(const QString &path, const QByteArray &bytes)
{
    QDir().mkpath(QFileInfo(path).absolutePath());
    QFile f(path);
    return f.open(QIODevice::WriteOnly | QIODevice::Truncate) && f.write(bytes) == bytes.size();
}

} // namespace tarnwick::test
