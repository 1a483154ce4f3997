#include "trash.h"

#include "fdwalk.h"
#include "jobs.h"
#include "rawpaths.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QStandardPaths>
#include <algorithm>
#include <cerrno>
#include <cstring>
#include <dirent.h>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace tarnwick {
namespace {

using namespace rawpath;

constexpr char InfoSuffix[] = ".trashinfo";
constexpr qsizetype InfoSuffixLength = sizeof InfoSuffix - 1;
// An info file holds one path and a date; anything much bigger is not one.
constexpr qsizetype MaxInfoSize = 64 * 1024;
constexpr int MaxNameTries = 10000;

QString dateFormat()
{
    return QStringLiteral("yyyy-MM-dd'T'hh:mm:ss");
}

struct Words
{
    Q_DECLARE_TR_FUNCTIONS(TrashStore)
};

QString errnoText(int err)
{
    return QString::fromLocal8Bit(strerror(err));
}

bool fail(QString *error, const QString &text)
{
    if (error)
        *error = text;
    return false;
}

// A trash on a shared volume must be a real folder of ours: one planted by
// someone else, or a link to one, would offer their files for "restoring".
bool isOwnDir(const QByteArray &path)
{
    struct stat st;
    return lstat(path.constData(), &st) == 0 && S_ISDIR(st.st_mode) && st.st_uid == geteuid();
}

// $top/.Trash is set up by an administrator: sticky, and not a link.
bool isSharedTrash(const QByteArray &path)
{
    struct stat st;
    return lstat(path.constData(), &st) == 0 && S_ISDIR(st.st_mode) && (st.st_mode & S_ISVTX);
}

bool makeDir(const QByteArray &path, bool mustOwn)
{
    if (mkdir(path.constData(), 0700) != 0 && errno != EEXIST)
        return false;
    if (mustOwn)
        return isOwnDir(path);
    struct stat st;
    return stat(path.constData(), &st) == 0 && S_ISDIR(st.st_mode);
}

// The device of the nearest folder of `path` that exists.
dev_t deviceOf(QByteArray path)
{
    struct stat st;
    while (stat(path.constData(), &st) != 0 && path != "/")
        path = parentOf(path);
    return st.st_dev;
}

// The name in files/ for the n-th try, short enough that the info file's name
// still fits; the info file keeps the full original path anyway.
QByteArray entryName(const QByteArray &name, int n, qsizetype limit)
{
    const QByteArray suffix = n == 1 ? QByteArray() : '.' + QByteArray::number(n);
    qsizetype dot = extensionStart(name);
    if (name.size() - dot + suffix.size() >= limit) // no room left for the stem
        dot = name.size();
    return fitName(name.left(dot), name.mid(dot) + suffix, limit);
}

// Whether `dir`, one of the candidates, may be used: the home trash always;
// a volume's only when it is a real folder of ours, and $top/.Trash/$uid only
// below a sticky $top/.Trash.
bool usable(const TrashDir &loc)
{
    if (loc.top.isEmpty())
        return true;
    const QByteArray parent = parentOf(loc.dir);
    return isOwnDir(loc.dir) && (parent == loc.top || isSharedTrash(parent));
}

bool writeAll(int fd, const QByteArray &bytes)
{
    for (qsizetype done = 0; done < bytes.size();) {
        const ssize_t n = write(fd, bytes.constData() + done, size_t(bytes.size() - done));
        if (n < 0 && errno == EINTR)
            continue;
        if (n <= 0)
            return false;
        done += n;
    }
    return true;
}

} // namespace

std::optional<TrashInfo> parseTrashInfo(const QByteArray &text, const QByteArray &top)
{
    QByteArray path, date;
    bool inGroup = false, seenGroup = false, havePath = false;
    for (const QByteArray &raw : text.split('\n')) {
        const QByteArray line = raw.trimmed();
        if (line.isEmpty() || line.startsWith('#'))
            continue;
        if (line.startsWith('[')) {
            inGroup = line == "[Trash Info]";
            if (!seenGroup && !inGroup)
                return {};
            seenGroup = true;
            continue;
        }
        if (!seenGroup)
            return {};
        const qsizetype eq = line.indexOf('=');
        if (!inGroup || eq < 0)
            continue;
        const QByteArray key = line.left(eq).trimmed();
        if (key == "Path" && !havePath) {
            path = QByteArray::fromPercentEncoding(line.mid(eq + 1).trimmed());
            havePath = true;
        } else if (key == "DeletionDate" && date.isEmpty()) {
            date = line.mid(eq + 1).trimmed();
        }
    }
    if (path.isEmpty() || path.contains('\0'))
        return {};
    const bool absolute = path.startsWith('/');
    if (!absolute && top.isEmpty()) // the home trash records absolute paths only
        return {};
    QList<QByteArray> parts;
    for (const QByteArray &part : path.split('/')) {
        // ".." could lead a restore out of the volume the trash belongs to.
        if (part == "..")
            return {};
        if (!part.isEmpty() && part != ".")
            parts.append(part);
    }
    if (parts.isEmpty())
        return {};
    const QByteArray joined = parts.join('/');
    return TrashInfo{absolute ? '/' + joined : join(top, joined),
                     QDateTime::fromString(QString::fromLatin1(date), dateFormat())};
}

QList<TrashDir> trashDirCandidates(const QByteArray &homeTrash, const QList<QByteArray> &tops)
{
    QList<TrashDir> out{{homeTrash, {}}};
    const QByteArray uid = QByteArray::number(geteuid());
    for (const QByteArray &t : tops) {
        if (!t.startsWith('/'))
            continue;
        const QByteArray top = cleanPath(t);
        for (const QByteArray &dir : {join(join(top, ".Trash"), uid), join(top, ".Trash-" + uid)}) {
            if (std::none_of(out.begin(), out.end(),
                             [&](const TrashDir &l) { return l.dir == dir; }))
                out.append({dir, top});
        }
    }
    return out;
}

TrashStore::TrashStore(QString homeTrash, QList<QByteArray> volumeTops)
    : home_(homeTrash.isEmpty()
                ? QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation) +
                      QStringLiteral("/Trash")
                : std::move(homeTrash)),
      volumeTops_(std::move(volumeTops))
{
}

QList<TrashDir> TrashStore::usableDirs() const
{
    QList<TrashDir> out;
    for (const TrashDir &loc :
         trashDirCandidates(rawpath::toBytes(QDir::cleanPath(home_)), volumeTops_)) {
        if (usable(loc))
            out.append(loc);
    }
    return out;
}

std::optional<TrashItem> TrashStore::makeItem(const TrashDir &loc, const QByteArray &entry) const
{
    TrashItem item;
    item.encodedInfoPath = loc.dir + "/info/" + entry + InfoSuffix;
    item.encodedFilesPath = loc.dir + "/files/" + entry;
    const auto info = parseTrashInfo(readSmallFile(item.encodedInfoPath, MaxInfoSize), loc.top);
    struct stat st;
    if (!info || lstat(item.encodedFilesPath.constData(), &st) != 0)
        return {};
    item.encodedOriginalPath = info->path;
    item.deletedAt = info->deletedAt;
    item.originalPath = shown(item.encodedOriginalPath);
    item.name = shown(baseName(item.encodedOriginalPath));
    item.filesPath = shown(item.encodedFilesPath);
    item.infoPath = shown(item.encodedInfoPath);
    item.trashDir = shown(loc.dir);
    item.isDir = S_ISDIR(st.st_mode);
    item.size = item.isDir ? 0 : qint64(st.st_size);
    return item;
}

QList<TrashItem> TrashStore::items() const
{
    QList<TrashItem> out;
    for (const TrashDir &loc : usableDirs())
        out += itemsOf(loc);
    return out;
}

QList<TrashDir> TrashStore::dirs() const
{
    return trashDirCandidates(rawpath::toBytes(QDir::cleanPath(home_)), volumeTops_);
}

QList<TrashItem> TrashStore::itemsIn(const TrashDir &loc) const
{
    return usable(loc) ? itemsOf(loc) : QList<TrashItem>{};
}

QList<TrashItem> TrashStore::itemsOf(const TrashDir &loc) const
{
    QList<TrashItem> out;
    const QByteArray infoDir = loc.dir + "/info";
    DIR *dir = opendir(infoDir.constData());
    if (!dir)
        return out;
    QList<QByteArray> names;
    while (const dirent *e = readdir(dir)) {
        const QByteArray n(e->d_name);
        if (n.size() > InfoSuffixLength && n.endsWith(InfoSuffix))
            names.append(n.chopped(InfoSuffixLength));
    }
    closedir(dir);
    for (const QByteArray &n : names) {
        if (auto item = makeItem(loc, n))
            out.append(*item);
    }
    return out;
}

// TrashItem is plain data; before deleting or moving anything we make sure it
// names an entry of one of our trashes and not some other path. Only that
// one trash is looked at: another volume's may be slow to answer.
std::optional<TrashDir> TrashStore::dirOf(const TrashItem &item) const
{
    const QByteArray entry = baseName(item.encodedFilesPath);
    if (entry.isEmpty() || entry == "." || entry == ".." ||
        baseName(item.encodedInfoPath) != entry + InfoSuffix)
        return {};
    for (const TrashDir &loc :
         trashDirCandidates(rawpath::toBytes(QDir::cleanPath(home_)), volumeTops_)) {
        if (parentOf(item.encodedFilesPath) == loc.dir + "/files" &&
            parentOf(item.encodedInfoPath) == loc.dir + "/info")
            return usable(loc) ? std::optional(loc) : std::nullopt;
    }
    return {};
}

std::optional<TrashItem> TrashStore::item(const QByteArray &filesPath) const
{
    TrashItem probe;
    probe.encodedFilesPath = filesPath;
    probe.encodedInfoPath =
        parentOf(parentOf(filesPath)) + "/info/" + baseName(filesPath) + InfoSuffix;
    const auto loc = dirOf(probe);
    return loc ? makeItem(*loc, baseName(filesPath)) : std::nullopt;
}

bool TrashStore::trash(const QString &path, QString *error) const
{
    return trashEncoded(rawpath::toBytes(path), error);
}

bool TrashStore::trashEncoded(const QByteArray &given, QString *error, QByteArray *placed) const
{
    QByteArray path = given;
    while (path.size() > 1 && path.endsWith('/'))
        path.chop(1);
    if (!path.isEmpty() && !path.startsWith('/'))
        path = join(rawpath::toBytes(QDir::currentPath()), path);
    const QByteArray name = baseName(path);
    const QString what = shown(path);
    const auto cannot = [&](int err) {
        return fail(
            error,
            Words::tr("“%1” could not be moved to the trash: %2.").arg(what, errnoText(err)));
    };
    if (path.isEmpty() || path == "/" || name == "." || name == "..")
        return fail(error, Words::tr("“%1” cannot be moved to the trash.").arg(what));

    // Links in the folder are resolved so that the info file records where the
    // item really was; the item itself may be a link and is moved as one.
    const QByteArray folder = canonical(parentOf(path));
    if (folder.isEmpty())
        return cannot(errno);
    path = join(folder, name);
    struct stat st, folderSt;
    if (lstat(path.constData(), &st) != 0 || stat(folder.constData(), &folderSt) != 0)
        return cannot(errno);
    if (st.st_dev != folderSt.st_dev)
        return fail(
            error,
            Words::tr("“%1” is a mounted volume and cannot be moved to the trash.").arg(what));

    TrashDir loc;
    if (st.st_dev == deviceOf(rawpath::toBytes(home_))) {
        loc.dir = rawpath::toBytes(QDir::cleanPath(home_));
        QDir().mkpath(QFileInfo(home_).absolutePath());
        if (!makeDir(loc.dir, false) || !makeDir(loc.dir + "/files", false) ||
            !makeDir(loc.dir + "/info", false))
            return fail(error, Words::tr("The trash folder “%1” could not be set up: %2.")
                                   .arg(home_, errnoText(errno)));
    } else if (const auto found = volumeTrash(folder, st.st_dev, what, error)) {
        loc = *found;
    } else {
        return false;
    }

    const QByteArray trashReal = canonical(loc.dir);
    if (path == trashReal || trashReal.startsWith(path + '/'))
        return fail(error,
                    Words::tr("“%1” holds the trash and cannot be moved into it.").arg(what));
    if (path.startsWith(trashReal + '/'))
        return fail(error, Words::tr("“%1” is in the trash already.").arg(what));

    const QByteArray files = loc.dir + "/files";
    const QByteArray info = loc.dir + "/info";
    const long nameMax = pathconf(info.constData(), _PC_NAME_MAX);
    const qsizetype limit = (nameMax > 0 ? nameMax : 255) - InfoSuffixLength;
    const QByteArray recorded =
        loc.top.isEmpty() ? path : path.mid(loc.top == "/" ? 1 : loc.top.size() + 1);
    const QByteArray text =
        "[Trash Info]\nPath=" + recorded.toPercentEncoding("/") +
        "\nDeletionDate=" + QDateTime::currentDateTime().toString(dateFormat()).toLatin1() + '\n';

    for (int n = 1; n <= MaxNameTries; ++n) {
        const QByteArray entry = entryName(name, n, limit);
        const QByteArray target = join(files, entry);
        // An entry left behind without its info file is never replaced.
        if (exists(target))
            continue;
        const QByteArray infoPath = join(info, entry + InfoSuffix);
        const int fd = open(infoPath.constData(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0600);
        if (fd < 0 && errno == EEXIST)
            continue;
        if (fd < 0)
            return cannot(errno);
        const bool written = writeAll(fd, text);
        const int writeErr = errno;
        if (close(fd) != 0 || !written) {
            unlink(infoPath.constData());
            return cannot(written ? errno : writeErr);
        }
        const int err = moveNoReplace(path, target);
        if (err == 0 && placed)
            *placed = target;
        if (err == 0)
            return true;
        unlink(infoPath.constData());
        if (err != EEXIST) // else another program took the name in between
            return cannot(err);
    }
    return fail(error,
                Words::tr("“%1” could not be moved to the trash: too many items of that name are "
                          "in it already.")
                    .arg(what));
}

// The trash at the top of the volume that holds `folder`: the deepest of the
// store's volume tops above it, which must be on the same device. A volume
// the store does not know gets no trash, as the Recycle Bin would never show
// what went there.
std::optional<TrashDir> TrashStore::volumeTrash(const QByteArray &folder, dev_t dev,
                                                const QString &what, QString *error) const
{
    QByteArray top;
    for (const QByteArray &t : volumeTops_) {
        const QByteArray clean = t.startsWith('/') ? cleanPath(t) : QByteArray();
        if (!clean.isEmpty() && isAtOrUnder(folder, clean) && clean.size() > top.size())
            top = clean;
    }
    struct stat st;
    if (top.isEmpty() || stat(top.constData(), &st) != 0 || st.st_dev != dev) {
        fail(error,
             Words::tr("“%1” was not moved: its volume has no trash that can be used.").arg(what));
        return {};
    }
    const QByteArray uid = QByteArray::number(geteuid());
    const QByteArray shared = join(top, ".Trash");
    TrashDir loc{join(shared, uid), top};
    if (!isSharedTrash(shared) || !makeDir(loc.dir, true))
        loc.dir = join(top, ".Trash-" + uid);
    if (!makeDir(loc.dir, true) || !makeDir(loc.dir + "/files", true) ||
        !makeDir(loc.dir + "/info", true)) {
        fail(error,
             Words::tr("“%1” was not moved: its volume has no trash that can be used.").arg(what));
        return {};
    }
    return loc;
}

bool TrashStore::restore(const TrashItem &item, const QByteArray &targetPath, QString *error) const
{
    const auto loc = dirOf(item);
    if (!loc)
        return fail(error, Words::tr("“%1” is not in the trash.").arg(item.name));
    if (!exists(item.encodedFilesPath))
        return fail(error, Words::tr("“%1” is no longer in the trash.").arg(item.name));
    // Where it came from as the trash itself records it, not as the caller says.
    const auto info = parseTrashInfo(readSmallFile(item.encodedInfoPath, MaxInfoSize), loc->top);
    if (!info)
        return fail(error,
                    Words::tr("“%1” was not restored: the trash does not say where it came from.")
                        .arg(item.name));
    QByteArray target = targetPath.isEmpty() ? info->path : targetPath;
    if (!target.startsWith('/'))
        target = join(rawpath::toBytes(QDir::currentPath()), target);
    target = cleanPath(target);
    const auto taken = [&] {
        return fail(
            error,
            Words::tr("“%1” was not restored: “%2” already exists.").arg(item.name, shown(target)));
    };
    // A volume's trash restores onto that volume only: an info file written
    // there by anyone must not make us create folders anywhere else.
    if (!loc->top.isEmpty()) {
        QByteArray near = parentOf(target);
        while (!exists(near))
            near = parentOf(near);
        const QByteArray realTop = canonical(loc->top), realNear = canonical(near);
        if (!isAtOrUnder(target, loc->top) || realTop.isEmpty() || !isAtOrUnder(realNear, realTop))
            return fail(error,
                        Words::tr("“%1” was not restored: “%2” lies outside the volume whose trash "
                                  "holds it.")
                            .arg(item.name, shown(target)));
    }
    if (target == "/" || exists(target))
        return taken();
    if (!makeFolders(parentOf(target)))
        return fail(error,
                    Words::tr("“%1” was not restored: the folder “%2” could not be created: %3.")
                        .arg(item.name, shown(parentOf(target)), errnoText(errno)));
    const int err = moveNoReplace(item.encodedFilesPath, target);
    if (err == EEXIST || err == ENOTEMPTY)
        return taken();
    if (err == EXDEV)
        return fail(error, Words::tr("“%1” was not restored: “%2” is on another volume.")
                               .arg(item.name, shown(target)));
    if (err != 0)
        return fail(error, Words::tr("“%1” was not restored: %2.").arg(item.name, errnoText(err)));
    // The item has left the trash; its info file describes nothing now.
    unlink(item.encodedInfoPath.constData());
    return true;
}

bool TrashStore::erase(const TrashItem &item, QString *error, const std::atomic<bool> *cancel) const
{
    const auto loc = dirOf(item);
    if (!loc)
        return fail(error, Words::tr("“%1” is not in the trash.").arg(item.name));
    // files/ and info/ of a volume's trash are opened without following a
    // link put in their place; the entry itself is removed, not followed.
    const int flags = O_RDONLY | O_DIRECTORY | O_CLOEXEC | (loc->top.isEmpty() ? 0 : O_NOFOLLOW);
    const QByteArray entry = baseName(item.encodedFilesPath);
    int fd = open((loc->dir + "/files").constData(), flags);
    RemoveOutcome removed;
    qint64 left = 0;
    if (fd < 0) {
        removed.error = errno;
    } else {
        removed = removeTree(fd, entry.constData(), cancel);
        if (removed.cancelled)
            left = countTree(fd, entry.constData(), jobtext::CountLeftMs);
        close(fd);
    }
    if (removed.cancelled)
        return fail(error, jobtext::partlyDeleted(item.name, removed.removed, left));
    // The info file stays while anything is left, so the item stays listed.
    int err = removed.error;
    if (err == 0) {
        fd = open((loc->dir + "/info").constData(), flags);
        if (fd < 0 || (unlinkat(fd, (entry + InfoSuffix).constData(), 0) != 0 && errno != ENOENT))
            err = errno;
        if (fd >= 0)
            close(fd);
    }
    if (err != 0)
        return fail(error, Words::tr("“%1” could not be deleted completely: %2")
                               .arg(item.name, jobtext::reason(err)));
    return true;
}

} // namespace tarnwick
