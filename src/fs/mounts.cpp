#include "mounts.h"

#include "rawpaths.h"

#include <QHash>
#include <QSet>
#include <QSocketNotifier>
#include <QStringList>
#include <cerrno>
#include <fcntl.h>
#include <sys/stat.h>
#include <sys/statvfs.h>
#include <unistd.h>

namespace tarnwick {
namespace {

// Mount bursts settle within this time; one report covers them all.
constexpr int SettleMs = 300;

QSet<QString> setOf(const char *words)
{
    const QStringList list = QString::fromLatin1(words).split(QLatin1Char(' '), Qt::SkipEmptyParts);
    return QSet<QString>(list.begin(), list.end());
}

const QSet<QString> &networkTypes()
{
    static const QSet<QString> types =
        setOf("cifs smb3 smbfs nfs nfs4 ncpfs afs coda ceph glusterfs lustre davfs fuse.sshfs "
              "fuse.rclone fuse.s3fs fuse.davfs fuse.curlftpfs fuse.glusterfs fuse.cephfs");
    return types;
}

// The kernel's and the desktop's own file systems; nothing a user browses.
const QSet<QString> &pseudoTypes()
{
    static const QSet<QString> types =
        setOf("proc sysfs tmpfs devtmpfs devpts cgroup cgroup2 overlay aufs squashfs nsfs autofs "
              "securityfs debugfs tracefs pstore efivarfs bpf configfs fusectl hugetlbfs mqueue "
              "binfmt_misc rpc_pipefs selinuxfs ramfs rootfs nfsd fuse.gvfsd-fuse fuse.portal "
              "fuse.lxcfs fuse.snapfuse");
    return types;
}

// File systems no user file can be put on; autofs mount points would be
// triggered by a look, and a snap's squashfs images are read-only.
const QSet<QByteArray> &kernelTypes()
{
    static const QSet<QByteArray> types = [] {
        QSet<QByteArray> out;
        for (const QByteArray &t :
             QByteArray("proc sysfs devtmpfs devpts cgroup cgroup2 nsfs autofs securityfs debugfs "
                        "tracefs pstore efivarfs bpf configfs fusectl hugetlbfs mqueue binfmt_misc "
                        "rpc_pipefs selinuxfs nfsd squashfs fuse.lxcfs fuse.portal")
                 .split(' '))
            out.insert(t);
        return out;
    }();
    return types;
}

bool isAtOrUnder(const QString &path, QLatin1String folder)
{
    return path == folder || (path.startsWith(folder) && path.size() > folder.size() &&
                              path[folder.size()] == QLatin1Char('/'));
}

// mountinfo writes space, tab, newline and backslash as \ooo.
QByteArray unescapeOctal(const QByteArray &field)
{
    if (!field.contains('\\'))
        return field;
    QByteArray out;
    out.reserve(field.size());
    const auto octal = [](char c) { return c >= '0' && c <= '7'; };
    for (qsizetype i = 0; i < field.size(); ++i) {
        if (field[i] == '\\' && i + 3 < field.size() && octal(field[i + 1]) &&
            octal(field[i + 2]) && octal(field[i + 3])) {
            out += char(((field[i + 1] - '0') << 6) | ((field[i + 2] - '0') << 3) |
                        (field[i + 3] - '0'));
            i += 3;
        } else {
            out += field[i];
        }
    }
    return out;
}

bool wanted(const Volume &v)
{
    const QString &m = v.mountPoint;
    for (const char *system : {"/proc", "/sys", "/dev", "/snap", "/boot/efi"}) {
        if (isAtOrUnder(m, QLatin1String(system)))
            return false;
    }
    if (isAtOrUnder(m, QLatin1String("/run")) && !isAtOrUnder(m, QLatin1String("/run/media")))
        return false;
    if (pseudoTypes().contains(v.fileSystem))
        return false;
    // ZFS names its datasets "pool/name" rather than by a device node.
    if (v.network || v.device.startsWith(QLatin1String("/dev/")) ||
        v.fileSystem == QLatin1String("zfs"))
        return true;
    return isAtOrUnder(m, QLatin1String("/media")) || isAtOrUnder(m, QLatin1String("/run/media")) ||
           isAtOrUnder(m, QLatin1String("/mnt"));
}

// The type as cached by the kernel, without asking the file system: nothing
// here waits for a server, and autofs mount points are not triggered.
bool isLocalDir(const QString &path)
{
    struct statx stx;
    return statx(AT_FDCWD, rawpath::toBytes(path).constData(),
                 AT_SYMLINK_NOFOLLOW | AT_STATX_DONT_SYNC | AT_NO_AUTOMOUNT, STATX_TYPE,
                 &stx) == 0 &&
           S_ISDIR(stx.stx_mode);
}

QByteArray readAll(int fd)
{
    QByteArray text;
    char buffer[16384];
    for (;;) {
        const ssize_t n = read(fd, buffer, sizeof buffer);
        if (n < 0 && errno == EINTR)
            continue;
        if (n <= 0)
            break;
        text.append(buffer, n);
    }
    return text;
}

// The fields of a mountinfo line and where its separator is; false for a
// line that is not a mount.
// id parent major:minor root mount-point options [optional...] - type source super-options
bool splitMountLine(const QByteArray &line, QList<QByteArray> *f, qsizetype *dash)
{
    *f = line.split(' ');
    *dash = f->indexOf("-", 6);
    return f->size() >= 7 && *dash >= 0 && *dash + 2 < f->size() && f->at(4).startsWith('/');
}

} // namespace

QList<Volume> parseMountInfo(const QByteArray &text)
{
    QList<Volume> volumes;
    for (const QByteArray &line : text.split('\n')) {
        QList<QByteArray> f;
        qsizetype dash = 0;
        if (!splitMountLine(line, &f, &dash))
            continue;
        Volume v;
        v.mountPoint = rawpath::toText(unescapeOctal(f[4]));
        const qsizetype slash = v.mountPoint.lastIndexOf(QLatin1Char('/'));
        v.name = v.mountPoint == QLatin1String("/") ? v.mountPoint : v.mountPoint.mid(slash + 1);
        v.fileSystem = QString::fromUtf8(unescapeOctal(f[dash + 1]));
        v.device = rawpath::toText(unescapeOctal(f[dash + 2]));
        v.network = networkTypes().contains(v.fileSystem);
        const QList<QByteArray> options = f[5].split(',');
        v.readOnly = options.contains("ro") ||
                     (dash + 3 < f.size() && f[dash + 3].split(',').contains("ro"));
        volumes.append(v);
    }
    return volumes;
}

QList<Volume> filterVolumes(const QList<Volume> &volumes,
                            const std::function<bool(const QString &)> &isDir)
{
    QHash<QString, qsizetype> last;
    for (qsizetype i = 0; i < volumes.size(); ++i)
        last.insert(volumes[i].mountPoint, i);
    // The root is always there, even when the table does not show it (a
    // chroot); whatever it is mounted from, it is where everything starts.
    Volume root{QStringLiteral("/"), QStringLiteral("/"), {}, {}, false, false};
    QList<Volume> out;
    for (qsizetype i = 0; i < volumes.size(); ++i) {
        const Volume &v = volumes[i];
        if (last.value(v.mountPoint) != i)
            continue; // mounted over later
        if (v.mountPoint == QLatin1String("/"))
            root = v;
        else if (wanted(v) && (v.network || isDir(v.mountPoint)))
            out.append(v);
    }
    out.prepend(root);
    return out;
}

QList<Volume> mountedVolumes()
{
    const int fd = open("/proc/self/mountinfo", O_RDONLY | O_CLOEXEC);
    if (fd < 0)
        return filterVolumes({}, isLocalDir);
    const QByteArray text = readAll(fd);
    close(fd);
    return filterVolumes(parseMountInfo(text), isLocalDir);
}

QList<QByteArray> trashTopsOf(const QByteArray &mountInfo)
{
    QList<QByteArray> points;
    QHash<QByteArray, qsizetype> last;
    QList<bool> kernel;
    for (const QByteArray &line : mountInfo.split('\n')) {
        QList<QByteArray> f;
        qsizetype dash = 0;
        if (!splitMountLine(line, &f, &dash))
            continue;
        last.insert(unescapeOctal(f[4]), points.size());
        points.append(unescapeOctal(f[4]));
        kernel.append(kernelTypes().contains(unescapeOctal(f[dash + 1])));
    }
    QList<QByteArray> tops{"/"};
    for (qsizetype i = 0; i < points.size(); ++i) {
        // Whatever is mounted among the kernel's own files holds no user's.
        const bool inKernel = points[i] == "/proc" || points[i].startsWith("/proc/") ||
                              points[i] == "/sys" || points[i].startsWith("/sys/");
        if (last.value(points[i]) == i && !kernel[i] && !inKernel && points[i] != "/")
            tops.append(points[i]);
    }
    return tops;
}

QList<QByteArray> mountedTrashTops()
{
    const int fd = open("/proc/self/mountinfo", O_RDONLY | O_CLOEXEC);
    if (fd < 0)
        return trashTopsOf({});
    const QByteArray text = readAll(fd);
    close(fd);
    return trashTopsOf(text);
}

bool volumeSpace(const QString &mountPoint, qint64 *total, qint64 *available)
{
    struct statvfs s;
    if (statvfs(rawpath::toBytes(mountPoint).constData(), &s) != 0)
        return false;
    if (total)
        *total = qint64(s.f_blocks) * qint64(s.f_frsize);
    if (available)
        *available = qint64(s.f_bavail) * qint64(s.f_frsize);
    return true;
}

MountMonitor::MountMonitor(QObject *parent)
    : MountMonitor(QStringLiteral("/proc/self/mountinfo"), parent)
{
}

MountMonitor::MountMonitor(const QString &mountInfoPath, QObject *parent) : QObject(parent)
{
    settle_.setSingleShot(true);
    settle_.setInterval(SettleMs);
    connect(&settle_, &QTimer::timeout, this, [this] {
        reported_ = current_;
        emit changed();
    });
    fd_ = open(rawpath::toBytes(mountInfoPath).constData(), O_RDONLY | O_CLOEXEC);
    if (fd_ < 0)
        return;
    reported_ = current_ = readAll(fd_);
    // The kernel flags a changed table as an exceptional condition (POLLPRI)
    // on the open file; reading it again is what clears the flag.
    notifier_ = new QSocketNotifier(fd_, QSocketNotifier::Exception, this);
    connect(notifier_, &QSocketNotifier::activated, this, &MountMonitor::readTable);
}

MountMonitor::~MountMonitor()
{
    delete notifier_; // before its descriptor goes
    if (fd_ >= 0)
        close(fd_);
}

void MountMonitor::readTable()
{
    // Only reading clears the kernel's flag; a table we cannot read again
    // would report itself without end.
    if (lseek(fd_, 0, SEEK_SET) != 0) {
        notifier_->setEnabled(false);
        return;
    }
    current_ = readAll(fd_);
    // A mount and its unmount within the settling time leave nothing to report.
    if (current_ == reported_)
        settle_.stop();
    else
        settle_.start();
}

} // namespace tarnwick
