#include "shellverbs.h"

#include "clipboardfiles.h"
#include "fileoperationdialogs.h"
#include "fileoperations.h"
#include "propertiesdialog.h"
#include "rawpaths.h"
#include "trash.h"
#include "usermessages.h"

#include <QClipboard>
#include <QGuiApplication>
#include <cerrno>
#include <climits>
#include <cstring>
#include <fcntl.h>
#include <memory>
#include <sys/stat.h>
#include <unistd.h>

namespace tarnwick::ShellVerbs {

namespace {

QString shown(const QByteArray &path)
{
    return rawpath::shown(rawpath::baseName(path));
}

QString errnoText(int err)
{
    return QString::fromLocal8Bit(strerror(err));
}

int removeForGood(const QByteArray &path)
{
    const int dir = open(rawpath::parentOf(path).constData(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (dir < 0)
        return errno;
    const int err = rawpath::removeTreeAt(dir, rawpath::baseName(path).constData());
    close(dir);
    return err;
}

// The items of `entries` still in the trash; a line for each of the others.
QList<TrashItem> lookUp(const TrashStore &trash, const QList<QByteArray> &entries,
                        QStringList *failed)
{
    QList<TrashItem> items;
    for (const QByteArray &e : entries) {
        if (auto item = trash.item(e))
            items.append(*item);
        else
            failed->append(QObject::tr("%1: it is no longer in the Recycle Bin.").arg(shown(e)));
    }
    return items;
}

} // namespace

void putOnClipboard(const QList<QByteArray> &paths, bool cut)
{
    if (paths.isEmpty())
        return;
    QGuiApplication::clipboard()->setMimeData(makeFilesMimeData({paths, cut}));
}

bool pasteInto(QWidget *parent, UserMessages &messages, TransferAsker &asker,
               const QByteArray &folder)
{
    QClipboard *clipboard = QGuiApplication::clipboard();
    const auto files = filesFromMimeData(clipboard->mimeData());
    if (!files) {
        messages.error(parent, QObject::tr("There are no files on the clipboard to paste."));
        return false;
    }
    const TransferKind kind = files->cut ? TransferKind::Move : TransferKind::Copy;
    const QString refusal = FileTransfer::refusal(kind, files->paths, folder);
    if (!refusal.isEmpty()) {
        messages.error(parent, refusal);
        return false;
    }
    const TransferResult result = runTransferModal(kind, files->paths, folder, parent, asker);
    // Cut files are pasted once: they are no longer where the clipboard says.
    if (files->cut && !result.cancelled && result.errors.isEmpty() && result.skipped == 0)
        clipboard->clear();
    return result.done > 0;
}

void showProperties(QWidget *parent, UserMessages &messages, const QList<QByteArray> &paths)
{
    if (paths.isEmpty())
        return;
    std::unique_ptr<PropertiesDialog> dialog(PropertiesDialog::create(paths, parent, messages));
    if (dialog)
        dialog->exec();
}

int moveToTrash(QWidget *parent, UserMessages &messages, const QList<QByteArray> &paths,
                const TrashStore &trash)
{
    if (paths.isEmpty())
        return 0;
    const QString question =
        paths.size() == 1
            ? QObject::tr("Move “%1” to the Recycle Bin?").arg(shown(paths.first()))
            : QObject::tr("Move these %1 items to the Recycle Bin?").arg(paths.size());
    if (!messages.confirm(parent, question))
        return 0;
    int gone = 0;
    QList<QByteArray> refused;
    QStringList reasons;
    for (const QByteArray &p : paths) {
        QString why;
        if (trash.trashEncoded(p, &why)) {
            ++gone;
        } else {
            refused.append(p);
            reasons.append(QStringLiteral("%1: %2").arg(shown(p), why));
        }
    }
    if (refused.isEmpty())
        return gone;
    const QString second =
        QObject::tr("These items cannot be moved to the Recycle Bin:\n%1\n\nDelete them for good? "
                    "They cannot be brought back.")
            .arg(reasons.join(QLatin1Char('\n')));
    if (!messages.confirm(parent, second))
        return gone;
    QStringList failed;
    for (const QByteArray &p : refused) {
        if (const int err = removeForGood(p))
            failed.append(QStringLiteral("%1: %2").arg(shown(p), errnoText(err)));
        else
            ++gone;
    }
    if (!failed.isEmpty())
        messages.error(parent, QObject::tr("These items could not be deleted:\n%1")
                                   .arg(failed.join(QLatin1Char('\n'))));
    return gone;
}

int eraseFromTrash(QWidget *parent, UserMessages &messages, const TrashStore &trash,
                   const QList<QByteArray> &entries)
{
    QStringList failed;
    const QList<TrashItem> items = lookUp(trash, entries, &failed);
    int gone = 0;
    if (!items.isEmpty()) {
        const QString question =
            items.size() == 1
                ? QObject::tr("Delete “%1” for good? It cannot be brought back.")
                      .arg(items.first().name)
                : QObject::tr("Delete these %1 items for good? They cannot be brought back.")
                      .arg(items.size());
        if (!messages.confirm(parent, question))
            return 0;
        for (const TrashItem &item : items) {
            QString why;
            if (trash.erase(item, &why))
                ++gone;
            else
                failed.append(QStringLiteral("%1: %2").arg(item.name, why));
        }
    }
    if (!failed.isEmpty())
        messages.error(parent, QObject::tr("These items could not be deleted:\n%1")
                                   .arg(failed.join(QLatin1Char('\n'))));
    return gone;
}

int restoreFromTrash(QWidget *parent, UserMessages &messages, const TrashStore &trash,
                     const QList<QByteArray> &entries)
{
    QStringList failed;
    int restored = 0;
    for (const TrashItem &item : lookUp(trash, entries, &failed)) {
        QByteArray target = item.encodedOriginalPath;
        if (rawpath::exists(target)) {
            const QByteArray folder = rawpath::parentOf(target);
            target = rawpath::join(folder, freeName(folder, rawpath::baseName(target)));
            const QString question =
                QObject::tr("Something named “%1” is already in “%2”. Restore the item as “%3”?")
                    .arg(item.name, rawpath::shown(folder), shown(target));
            if (!messages.confirm(parent, question))
                continue;
        }
        QString why;
        if (trash.restore(item, target, &why))
            ++restored;
        else
            failed.append(QStringLiteral("%1: %2").arg(item.name, why));
    }
    if (!failed.isEmpty())
        messages.error(parent, QObject::tr("These items could not be restored:\n%1")
                                   .arg(failed.join(QLatin1Char('\n'))));
    return restored;
}

QByteArray freeName(const QByteArray &folder, const QByteArray &name)
{
    if (!rawpath::exists(rawpath::join(folder, name)))
        return name;
    // "report.pdf" -> "report (2).pdf"; a leading dot is not an extension.
    const qsizetype dot = rawpath::extensionStart(name);
    for (int n = 2;; ++n) {
        const QByteArray number = " (" + QByteArray::number(n) + ")";
        // An extension too long to leave room for any of the stem is not kept apart.
        const qsizetype cut = name.size() - dot + number.size() < NAME_MAX ? dot : name.size();
        const QByteArray candidate =
            rawpath::fitName(name.left(cut), number + name.mid(cut), NAME_MAX);
        if (!rawpath::exists(rawpath::join(folder, candidate)))
            return candidate;
    }
}

QByteArray makeLink(const QByteArray &target, const QByteArray &folder, QString *error)
{
    const QByteArray wanted = "Link to " + rawpath::baseName(target);
    // Taken names are tried in turn: another program may take one meanwhile.
    for (int attempt = 0; attempt < 100; ++attempt) {
        const QByteArray path = rawpath::join(folder, freeName(folder, wanted));
        if (symlink(target.constData(), path.constData()) == 0)
            return path;
        if (errno != EEXIST) {
            if (error)
                *error = QObject::tr("The link to “%1” could not be made: %2.")
                             .arg(shown(target), errnoText(errno));
            return {};
        }
    }
    if (error)
        *error = QObject::tr("The link to “%1” could not be made.").arg(shown(target));
    return {};
}

QByteArray makeFolder(const QByteArray &folder, QString *error)
{
    for (int attempt = 0; attempt < 100; ++attempt) {
        const QByteArray path = rawpath::join(folder, freeName(folder, "New Folder"));
        if (mkdir(path.constData(), 0777) == 0)
            return path;
        if (errno != EEXIST) {
            if (error)
                *error =
                    QObject::tr("A new folder could not be made here: %1.").arg(errnoText(errno));
            return {};
        }
    }
    if (error)
        *error = QObject::tr("A new folder could not be made here.");
    return {};
}

} // namespace tarnwick::ShellVerbs
