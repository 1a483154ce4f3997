#include "undo.h"

#include "rawpaths.h"

#include <QCoreApplication>
#include <cerrno>
#include <sys/stat.h>
#include <unistd.h>

namespace tarnwick::undo {

namespace {

QString tr(const char *text)
{
    return QCoreApplication::translate("Undo", text);
}

QString named(const char *text, const QByteArray &path)
{
    return tr(text).arg(rawpath::shown(path));
}

// Why the item at `to` is not the one the operation left, or empty.
QString changedSince(const UndoItem &item)
{
    struct stat st
    {
    };
    if (::lstat(item.to.constData(), &st) != 0)
        return named("%1: is no longer there, left alone", item.to);
    const qint64 mtime = qint64(st.st_mtim.tv_sec) * 1000000000 + st.st_mtim.tv_nsec;
    if (quint64(st.st_dev) != item.dev || quint64(st.st_ino) != item.ino ||
        (!S_ISDIR(st.st_mode) && (qint64(st.st_size) != item.size || mtime != item.mtime)))
        return named("%1: was changed since, left alone", item.to);
    return {};
}

QString placeTaken(const QByteArray &path)
{
    return rawpath::exists(path) ? named("%1: the place is now taken, left alone", path)
                                 : QString();
}

QString failedWith(const QByteArray &path, int err)
{
    return jobtext::itemFailed(rawpath::shown(path), jobtext::reason(err));
}

} // namespace

UndoItem identify(const QByteArray &from, const QByteArray &to, unsigned modeBefore)
{
    UndoItem item{from, to};
    item.mode = modeBefore;
    struct stat st
    {
    };
    if (!to.isEmpty() && ::lstat(to.constData(), &st) == 0) {
        item.dev = quint64(st.st_dev);
        item.ino = quint64(st.st_ino);
        item.size = S_ISDIR(st.st_mode) ? 0 : qint64(st.st_size);
        item.mtime = qint64(st.st_mtim.tv_sec) * 1000000000 + st.st_mtim.tv_nsec;
    }
    return item;
}

bool undoable(int kind)
{
    const auto k = JobKind(kind);
    return k != JobKind::Delete && k != JobKind::EraseFromTrash && k != JobKind::Extract &&
           k != JobKind::Compress;
}

QString undoItem(int kind, const UndoItem &item, const TrashStore &store)
{
    if (!undoable(kind))
        return named("%1: was deleted for good and cannot be brought back", item.from);
    if (QString why = changedSince(item); !why.isEmpty())
        return why;
    QString error;
    switch (JobKind(kind)) {
    case JobKind::Move:
    case JobKind::Rename:
    case JobKind::Trash: {
        if (QString why = placeTaken(item.from); !why.isEmpty())
            return why;
        if (JobKind(kind) == JobKind::Trash) {
            const auto inTrash = store.item(item.to);
            if (!inTrash)
                return named("%1: is no longer in the trash, left alone", item.from);
            return store.restore(*inTrash, item.from, &error) ? QString() : error;
        }
        if (!rawpath::makeFolders(rawpath::parentOf(item.from)))
            return failedWith(item.from, errno);
        const int err = rawpath::moveNoReplace(item.to, item.from);
        return err == 0 ? QString() : failedWith(item.to, err);
    }
    case JobKind::Copy:
    case JobKind::Restore:
        // A copy goes to the trash rather than away, so undo loses nothing.
        return store.trashEncoded(item.to, &error) ? QString() : error;
    case JobKind::NewFolder:
        // Only while still empty: what was put in it since stays.
        return ::rmdir(item.to.constData()) == 0 ? QString()
               : errno == ENOTEMPTY || errno == EEXIST
                   ? named("%1: is no longer empty, left alone", item.to)
                   : failedWith(item.to, errno);
    case JobKind::Link: {
        struct stat st
        {
        };
        if (::lstat(item.to.constData(), &st) != 0 || !S_ISLNK(st.st_mode))
            return named("%1: is no longer a link, left alone", item.to);
        return ::unlink(item.to.constData()) == 0 ? QString() : failedWith(item.to, errno);
    }
    case JobKind::Permissions: {
        struct stat st
        {
        };
        if (::lstat(item.to.constData(), &st) != 0 || S_ISLNK(st.st_mode))
            return named("%1: is no longer there, left alone", item.to);
        return ::chmod(item.to.constData(), item.mode & 07777) == 0 ? QString()
                                                                    : failedWith(item.to, errno);
    }
    default:
        return named("%1: cannot be undone", item.to);
    }
}

Job *undo(const UndoRecord &record, const TrashStore &store)
{
    QList<QByteArray> labels;
    for (const UndoItem &item : record.items)
        labels << (item.to.isEmpty() ? item.from : item.to);
    return Jobs::steps(JobKind(record.kind), labels,
                       [record, store](qsizetype i, const std::atomic<bool> &) {
                           return undoItem(record.kind, record.items[i], store);
                       });
}

} // namespace tarnwick::undo
