#include "undo.h"

#include "rawpaths.h"

#include <QCoreApplication>
#include <cerrno>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace tarnwick::undo {

namespace {

struct Words
{
    Q_DECLARE_TR_FUNCTIONS(Undo)
};

QString tr(const char *text)
{
    return Words::tr(text);
}

QString named(const char *text, const QByteArray &path)
{
    return tr(text).arg(rawpath::shown(path));
}

QString failedWith(const QByteArray &path, int err)
{
    return jobtext::itemFailed(rawpath::shown(path), jobtext::reason(err));
}

QString gone(const QByteArray &path)
{
    return named(QT_TRANSLATE_NOOP("Undo", "%1: is no longer there, left alone"), path);
}

QString changed(const QByteArray &path)
{
    return named(QT_TRANSLATE_NOOP("Undo", "%1: was changed since, left alone"), path);
}

QString taken(const QByteArray &path)
{
    return named(QT_TRANSLATE_NOOP("Undo", "%1: the place is now taken, left alone"), path);
}

qint64 mtimeOf(const struct stat &st)
{
    return qint64(st.st_mtim.tv_sec) * 1000000000 + st.st_mtim.tv_nsec;
}

bool sameItem(const struct stat &st, const UndoItem &item)
{
    return quint64(st.st_dev) == item.dev && quint64(st.st_ino) == item.ino &&
           (S_ISDIR(st.st_mode) || (qint64(st.st_size) == item.size && mtimeOf(st) == item.mtime));
}

// An entry's folder, open, and its name there; every change below goes
// through the folder's descriptor and never follows the entry if it is a link.
struct At
{
    int dir = -1;
    QByteArray name;
    explicit At(const QByteArray &path) : name(rawpath::baseName(path))
    {
        dir = ::open(rawpath::parentOf(path).constData(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    }
    ~At()
    {
        if (dir >= 0)
            ::close(dir);
    }
    At(const At &) = delete;
    At &operator=(const At &) = delete;
    bool stat(struct stat *st) const
    {
        return dir >= 0 && ::fstatat(dir, name.constData(), st, AT_SYMLINK_NOFOLLOW) == 0;
    }
    bool exists() const
    {
        struct stat st;
        return stat(&st) || errno != ENOENT;
    }
};

// Why the entry at `path` is not the one `item` names, or empty.
QString notTheSame(const At &at, const QByteArray &path, const UndoItem &item)
{
    struct stat st;
    if (!at.stat(&st))
        return gone(path);
    return sameItem(st, item) ? QString() : changed(path);
}

int renameNoReplace(int fromDir, const QByteArray &from, int toDir, const QByteArray &to)
{
    if (::renameat2(fromDir, from.constData(), toDir, to.constData(), RENAME_NOREPLACE) == 0)
        return 0;
    if (errno != EINVAL && errno != ENOSYS)
        return errno;
    struct stat st;
    if (::fstatat(toDir, to.constData(), &st, AT_SYMLINK_NOFOLLOW) == 0)
        return EEXIST;
    return ::renameat(fromDir, from.constData(), toDir, to.constData()) == 0 ? 0 : errno;
}

// Moves what is at item.to back to item.from. What arrives is checked once
// more, so an entry swapped in after the first check goes back where it was.
QString moveBack(const UndoItem &item, UndoItem *reverse)
{
    At src(item.to);
    if (QString why = notTheSame(src, item.to, item); !why.isEmpty())
        return why;
    if (!rawpath::makeFolders(rawpath::parentOf(item.from)))
        return failedWith(item.from, errno);
    At dst(item.from);
    if (dst.dir < 0)
        return failedWith(item.from, errno);
    const int err = renameNoReplace(src.dir, src.name, dst.dir, dst.name);
    if (err == EEXIST)
        return taken(item.from);
    if (err != 0)
        return failedWith(item.to, err);
    struct stat st;
    if (dst.stat(&st) && !sameItem(st, item)) {
        [[maybe_unused]] const int back = renameNoReplace(dst.dir, dst.name, src.dir, src.name);
        return changed(item.to);
    }
    *reverse = item;
    std::swap(reverse->from, reverse->to);
    return {};
}

// Sends item.to to the trash, where it can still be had back.
QString toTrash(const UndoItem &item, const TrashStore &store, UndoItem *reverse)
{
    {
        const At at(item.to);
        if (QString why = notTheSame(at, item.to, item); !why.isEmpty())
            return why;
    }
    QString error;
    QByteArray entry;
    if (!store.trashEncoded(item.to, &error, &entry))
        return error;
    *reverse = identify(item.to, entry);
    if (reverse->dev != item.dev || reverse->ino != item.ino) { // swapped in meanwhile
        if (const auto inTrash = store.item(entry))
            store.restore(*inTrash, item.to);
        return changed(item.to);
    }
    return {};
}

// Takes the trash entry item.to back to item.from.
QString fromTrash(const UndoItem &item, const TrashStore &store, UndoItem *reverse)
{
    const auto inTrash = store.item(item.to);
    if (!inTrash)
        return named(QT_TRANSLATE_NOOP("Undo", "%1: is no longer in the trash, left alone"),
                     item.from);
    {
        const At at(item.to);
        if (QString why = notTheSame(at, item.from, item); !why.isEmpty())
            return why;
    }
    if (At(item.from).exists())
        return taken(item.from);
    QString error;
    if (!store.restore(*inTrash, item.from, &error))
        return error;
    *reverse = identify(item.to, item.from);
    return {};
}

QString removeFolder(const UndoItem &item, UndoItem *reverse)
{
    const At at(item.to);
    if (QString why = notTheSame(at, item.to, item); !why.isEmpty())
        return why;
    // Only while still empty: what was put in it since stays.
    if (::unlinkat(at.dir, at.name.constData(), AT_REMOVEDIR) != 0)
        return errno == ENOTEMPTY || errno == EEXIST
                   ? named(QT_TRANSLATE_NOOP("Undo", "%1: is no longer empty, left alone"), item.to)
                   : failedWith(item.to, errno);
    *reverse = UndoItem{{}, item.to};
    return {};
}

// The link is first renamed aside and checked under that name, so that
// nothing swapped in under its own name can be removed in its stead.
QString removeLink(const UndoItem &item, UndoItem *reverse)
{
    const At at(item.to);
    struct stat st;
    if (!at.stat(&st))
        return gone(item.to);
    if (!S_ISLNK(st.st_mode) || !sameItem(st, item))
        return named(QT_TRANSLATE_NOOP("Undo", "%1: is no longer a link, left alone"), item.to);
    QByteArray target(PATH_MAX, '\0');
    const ssize_t n = ::readlinkat(at.dir, at.name.constData(), target.data(), target.size());
    target.resize(n < 0 ? 0 : n);
    const QByteArray aside = '.' + at.name.left(200) + ".tarnwick-undo";
    if (const int err = renameNoReplace(at.dir, at.name, at.dir, aside); err != 0)
        return failedWith(item.to, err);
    if (::fstatat(at.dir, aside.constData(), &st, AT_SYMLINK_NOFOLLOW) != 0 ||
        !S_ISLNK(st.st_mode) || !sameItem(st, item)) {
        [[maybe_unused]] const int back = renameNoReplace(at.dir, aside, at.dir, at.name);
        return named(QT_TRANSLATE_NOOP("Undo", "%1: is no longer a link, left alone"), item.to);
    }
    if (::unlinkat(at.dir, aside.constData(), 0) != 0)
        return failedWith(item.to, errno);
    *reverse = UndoItem{target.isEmpty() ? item.from : target, item.to};
    return {};
}

// Through a descriptor of the entry itself, so the mode set is that of the
// item checked, never of what a link swapped in would lead to.
QString setMode(const UndoItem &item, UndoItem *reverse)
{
    const At at(item.to);
    const int fd =
        at.dir < 0 ? -1 : ::openat(at.dir, at.name.constData(), O_PATH | O_NOFOLLOW | O_CLOEXEC);
    if (fd < 0)
        return gone(item.to);
    struct stat st;
    QString why;
    if (::fstat(fd, &st) != 0 || S_ISLNK(st.st_mode))
        why = gone(item.to);
    else if (!sameItem(st, item))
        why = changed(item.to);
    else if (::chmod(("/proc/self/fd/" + QByteArray::number(fd)).constData(), item.mode & 07777) !=
             0)
        why = failedWith(item.to, errno == ENOENT ? EOPNOTSUPP : errno);
    ::close(fd);
    if (why.isEmpty()) {
        *reverse = item;
        reverse->mode = st.st_mode & 07777;
    }
    return why;
}

QString makeFolder(const UndoItem &item, UndoItem *reverse)
{
    const At at(item.to);
    if (at.dir < 0)
        return failedWith(item.to, errno);
    if (::mkdirat(at.dir, at.name.constData(), 0777) != 0)
        return errno == EEXIST ? taken(item.to) : failedWith(item.to, errno);
    *reverse = identifyAt({}, at.dir, at.name, item.to);
    return {};
}

QString makeLink(const UndoItem &item, UndoItem *reverse)
{
    const At at(item.to);
    if (at.dir < 0)
        return failedWith(item.to, errno);
    if (::symlinkat(item.from.constData(), at.dir, at.name.constData()) != 0)
        return errno == EEXIST ? taken(item.to) : failedWith(item.to, errno);
    *reverse = identifyAt(item.from, at.dir, at.name, item.to);
    return {};
}

} // namespace

UndoItem identify(const QByteArray &from, const QByteArray &to, unsigned modeBefore)
{
    if (to.isEmpty())
        return UndoItem{from, to, 0, 0, 0, 0, modeBefore};
    const At at(to);
    return identifyAt(from, at.dir, at.name, to, modeBefore);
}

UndoItem identifyAt(const QByteArray &from, int dirFd, const QByteArray &name, const QByteArray &to,
                    unsigned modeBefore)
{
    UndoItem item{from, to};
    item.mode = modeBefore;
    struct stat st;
    if (dirFd >= 0 && ::fstatat(dirFd, name.constData(), &st, AT_SYMLINK_NOFOLLOW) == 0) {
        item.dev = quint64(st.st_dev);
        item.ino = quint64(st.st_ino);
        item.size = S_ISDIR(st.st_mode) ? 0 : qint64(st.st_size);
        item.mtime = mtimeOf(st);
    }
    return item;
}

bool undoable(int kind)
{
    const auto k = JobKind(kind);
    return k != JobKind::Delete && k != JobKind::EraseFromTrash;
}

QString apply(int kind, bool redo, const UndoItem &item, const TrashStore &store, UndoItem *reverse)
{
    UndoItem ignored;
    if (!reverse)
        reverse = &ignored;
    switch (JobKind(kind)) {
    case JobKind::Move:
    case JobKind::Rename:
        return moveBack(item, reverse); // redo moves it back from where undo put it
    case JobKind::Copy:
    case JobKind::Restore:
    case JobKind::Extract:
    case JobKind::Compress:
        // What was made goes to the trash rather than away, so undo loses nothing.
        return redo ? fromTrash(item, store, reverse) : toTrash(item, store, reverse);
    case JobKind::Trash:
        return redo ? toTrash(item, store, reverse) : fromTrash(item, store, reverse);
    case JobKind::NewFolder:
        return redo ? makeFolder(item, reverse) : removeFolder(item, reverse);
    case JobKind::Link:
        return redo ? makeLink(item, reverse) : removeLink(item, reverse);
    case JobKind::Permissions:
        return setMode(item, reverse);
    case JobKind::Delete:
    case JobKind::EraseFromTrash:
        break;
    }
    return named(QT_TRANSLATE_NOOP("Undo", "%1: was deleted for good and cannot be brought back"),
                 item.from);
}

std::pair<QByteArray, QByteArray> ends(const UndoRecord &record)
{
    const UndoItem first = record.items.value(0);
    if (!record.undone)
        return {first.from, first.to};
    switch (JobKind(record.kind)) {
    case JobKind::Move:
    case JobKind::Rename:
    case JobKind::Trash:
        return {first.to, first.from};
    case JobKind::Copy:
    case JobKind::Restore:
    case JobKind::Extract:
    case JobKind::Compress:
        return {{}, first.from}; // now: from where it was made, to the trash
    default:
        return {first.from, first.to};
    }
}

Job *undo(const UndoRecord &record, const TrashStore &store, bool redo)
{
    QList<QByteArray> labels;
    for (const UndoItem &item : record.items)
        labels << (item.to.isEmpty() ? item.from : item.to);
    Job *job = Jobs::steps(
        JobKind(record.kind), labels,
        [record, store, redo](qsizetype i, const std::atomic<bool> &, UndoItem *reverse) {
            return apply(record.kind, redo, record.items[i], store, reverse);
        });
    job->setHistoryStep(true);
    return job;
}

} // namespace tarnwick::undo
