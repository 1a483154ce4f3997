#include "contenttypes.h"

#include "rawpaths.h"

#include <QMutex>
#include <QStringList>
#include <cerrno>
#include <climits>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace tarnwick {

namespace {

struct Interned
{
    QMutex lock;
    QStringList names{QString()};
    QHash<QString, std::uint16_t> ids;
};

Interned &interned()
{
    static Interned table;
    return table;
}

// Beyond this many remembered files the memory is given back and the
// remembering starts again.
constexpr qsizetype SeenLimit = 200000;

struct Identity
{
    quint64 device, inode;
    qint64 mtimeNs, size;
    bool operator==(const Identity &) const = default;
    friend size_t qHash(const Identity &i, size_t seed = 0)
    {
        return qHashMulti(seed, i.device, i.inode, i.mtimeNs, i.size);
    }
};

struct Seen
{
    QMutex lock;
    QHash<Identity, std::uint16_t> types;
};

Seen &seen()
{
    static Seen store;
    return store;
}

} // namespace

std::uint16_t ContentTypes::intern(const QString &mimeName)
{
    Interned &t = interned();
    QMutexLocker locker(&t.lock);
    if (const auto it = t.ids.constFind(mimeName); it != t.ids.constEnd())
        return *it;
    // The MIME database knows well under a thousand types; should it ever
    // know more, the rest show as plain files.
    if (t.names.size() > 0xFFFF)
        return 0;
    const auto id = std::uint16_t(t.names.size());
    t.names.append(mimeName);
    t.ids.insert(mimeName, id);
    return id;
}

QString ContentTypes::name(std::uint16_t id)
{
    Interned &t = interned();
    QMutexLocker locker(&t.lock);
    return id < t.names.size() ? t.names[id] : QString();
}

bool ContentSniffer::nameSays(const QString &name)
{
    const qsizetype dot = name.lastIndexOf(QLatin1Char('.'));
    if (dot <= 0)
        return false;
    const QString suffix = name.mid(dot + 1).toLower();
    if (const auto it = knownSuffix_.constFind(suffix); it != knownSuffix_.constEnd())
        return *it;
    const bool known = !db_.mimeTypesForFileName(QLatin1String("x.") + suffix).isEmpty();
    knownSuffix_.insert(suffix, known);
    return known;
}

std::uint16_t ContentSniffer::typeOf(int dirFd, const char *name, const FileEntry &entry,
                                     const struct ::stat &st)
{
    if (entry.isSymlink)
        return linkTypeOf(dirFd, name, entry);
    if (!S_ISREG(st.st_mode) || st.st_size == 0 || nameSays(entry.name))
        return 0;
    // Never follows a link put in its place meanwhile.
    return sniff(dirFd, name, entry.name, st, O_NOFOLLOW);
}

// A link to a file shows the file's type: the one its target's name says,
// or else the one the target's first bytes say.
std::uint16_t ContentSniffer::linkTypeOf(int dirFd, const char *name, const FileEntry &entry)
{
    if (entry.brokenLink || entry.isDir)
        return 0;
    char buffer[PATH_MAX];
    const ssize_t length = readlinkat(dirFd, name, buffer, sizeof buffer);
    if (length <= 0 || size_t(length) >= sizeof buffer)
        return 0;
    const QString targetName =
        rawpath::toText(rawpath::baseName(QByteArray(buffer, qsizetype(length))));
    if (nameSays(targetName)) {
        const QMimeType mime = db_.mimeTypeForFile(targetName, QMimeDatabase::MatchExtension);
        return mime.isValid() && !mime.isDefault() ? ContentTypes::intern(mime.name()) : 0;
    }
    struct stat target;
    if (fstatat(dirFd, name, &target, 0) != 0 || !S_ISREG(target.st_mode) || target.st_size == 0)
        return 0;
    return sniff(dirFd, name, targetName, target, 0);
}

std::uint16_t ContentSniffer::sniff(int dirFd, const char *name, const QString &typeName,
                                    const struct ::stat &st, int openFlags)
{
    const Identity identity{quint64(st.st_dev), quint64(st.st_ino),
                            qint64(st.st_mtim.tv_sec) * 1000000000 + st.st_mtim.tv_nsec,
                            qint64(st.st_size)};
    Seen &known = seen();
    {
        QMutexLocker locker(&known.lock);
        if (const auto it = known.types.constFind(identity); it != known.types.constEnd())
            return *it;
    }
    // Never waits on a pipe that replaced the file, never becomes a
    // controlling terminal, and reads only the very file that was looked at.
    const int fd = openat(dirFd, name, O_RDONLY | O_NONBLOCK | O_NOCTTY | O_CLOEXEC | openFlags);
    if (fd < 0)
        return 0;
    struct stat now;
    QByteArray head;
    if (fstat(fd, &now) == 0 && S_ISREG(now.st_mode) && now.st_dev == st.st_dev &&
        now.st_ino == st.st_ino) {
        head.resize(HeadBytes);
        ssize_t n;
        while ((n = read(fd, head.data(), size_t(head.size()))) < 0 && errno == EINTR) {
        }
        head.resize(n > 0 ? qsizetype(n) : 0);
    }
    close(fd);
    if (head.isEmpty())
        return 0;
    const QMimeType mime = db_.mimeTypeForFileNameAndData(typeName, head);
    const std::uint16_t id =
        mime.isValid() && !mime.isDefault() ? ContentTypes::intern(mime.name()) : 0;
    QMutexLocker locker(&known.lock);
    if (known.types.size() >= SeenLimit)
        known.types.clear();
    known.types.insert(identity, id);
    return id;
}

} // namespace tarnwick
