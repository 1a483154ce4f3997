#include "shellverbs.h"

#include "clipboardfiles.h"
#include "fileoperationdialogs.h"
#include "fileoperations.h"
#include "jobs.h"
#include "names.h"
#include "propertiesdialog.h"
#include "rawpaths.h"
#include "trash.h"
#include "usermessages.h"

#include <QClipboard>
#include <QGuiApplication>
#include <QSet>
#include <memory>
#include <sys/stat.h>

namespace tarnwick::ShellVerbs {

namespace {

QString shown(const QByteArray &path)
{
    return rawpath::shown(rawpath::baseName(path));
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
            failed->append(
                jobtext::itemFailed(shown(e), QObject::tr("it is no longer in the Recycle Bin.")));
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

JobRunner *pasteInto(QWidget *parent, UserMessages &messages, JobAsker &asker,
                     const QByteArray &folder)
{
    QClipboard *clipboard = QGuiApplication::clipboard();
    const auto files = filesFromMimeData(clipboard->mimeData());
    if (!files) {
        messages.error(parent, QObject::tr("There are no files on the clipboard to paste."));
        return nullptr;
    }
    const JobKind kind = files->cut ? JobKind::Move : JobKind::Copy;
    const QString refusal = FileTransfer::refusal(kind, files->paths, folder);
    if (!refusal.isEmpty()) {
        messages.error(parent, refusal);
        return nullptr;
    }
    // It goes on in the list of operations, the window free meanwhile; a
    // second paste onto the same disk waits its turn there.
    JobRunner *runner = runJob(new FileTransfer(kind, files->paths, folder), parent, asker);
    if (files->cut) {
        QObject::connect(runner, &JobRunner::finished, [cut = files->paths](const JobResult &r) {
            // Cut files are pasted once: they are no longer where the
            // clipboard says, if it still says so.
            QClipboard *board = QGuiApplication::clipboard();
            const auto now = filesFromMimeData(board->mimeData());
            if (!r.cancelled && r.errors.isEmpty() && r.skipped == 0 && now && now->cut &&
                now->paths == cut)
                board->clear();
        });
    }
    return runner;
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
    // Questions never come from these jobs; the errors are worded below.
    JobAsker &asker = JobAsker::dialogs();
    const JobResult trashed = runJobModal(Jobs::trash(paths, trash), parent, asker, false);
    int gone = trashed.done;
    // Cancelled: what was left is said, and nothing more is asked.
    if (trashed.cancelled) {
        if (!trashed.errors.isEmpty())
            messages.error(parent, QObject::tr("These items were not moved to the Recycle Bin:\n%1")
                                       .arg(trashed.errors.join(QLatin1Char('\n'))));
        return gone;
    }
    if (trashed.refused.isEmpty())
        return gone;
    const QString second =
        QObject::tr("These items cannot be moved to the Recycle Bin:\n%1\n\nDelete them for good? "
                    "They cannot be brought back. This cannot be undone.")
            .arg(trashed.errors.join(QLatin1Char('\n')));
    if (!messages.confirm(parent, second))
        return gone;
    const JobResult erased = runJobModal(Jobs::erase(trashed.refused), parent, asker, false);
    gone += erased.done;
    if (!erased.errors.isEmpty())
        messages.error(parent, QObject::tr("These items could not be deleted:\n%1")
                                   .arg(erased.errors.join(QLatin1Char('\n'))));
    return gone;
}

int deleteForGood(QWidget *parent, UserMessages &messages, const QList<QByteArray> &paths)
{
    if (paths.isEmpty())
        return 0;
    const QString question =
        paths.size() == 1 ? QObject::tr("Permanently delete “%1”? This cannot be undone.")
                                .arg(shown(paths.first()))
                          : QObject::tr("Permanently delete these %n items? This cannot be undone.",
                                        nullptr, int(paths.size()));
    if (!messages.confirm(parent, question))
        return 0;
    const JobResult erased = runJobModal(Jobs::erase(paths), parent, JobAsker::dialogs(), false);
    if (!erased.errors.isEmpty())
        messages.error(parent, QObject::tr("These items could not be deleted:\n%1")
                                   .arg(erased.errors.join(QLatin1Char('\n'))));
    return erased.done;
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
                ? QObject::tr("Delete “%1” for good? It cannot be brought back. This cannot be "
                              "undone.")
                      .arg(items.first().name)
                : QObject::tr("Delete these %1 items for good? They cannot be brought back. "
                              "This cannot be undone.")
                      .arg(items.size());
        if (!messages.confirm(parent, question))
            return 0;
        const JobResult r =
            runJobModal(Jobs::eraseFromTrash(items, trash), parent, JobAsker::dialogs(), false);
        gone = r.done;
        failed += r.errors;
    }
    if (!failed.isEmpty())
        messages.error(parent, QObject::tr("These items could not be deleted:\n%1")
                                   .arg(failed.join(QLatin1Char('\n'))));
    return gone;
}

int emptyTrash(QWidget *parent, UserMessages &messages, const TrashStore &trash)
{
    if (!messages.confirm(parent, QObject::tr("Permanently delete everything in the Recycle Bin? "
                                              "This cannot be undone.")))
        return 0;
    return int(runJobModal(Jobs::emptyTrash(trash), parent).undoItems.size());
}

int restoreFromTrash(QWidget *parent, UserMessages &messages, const TrashStore &trash,
                     const QList<QByteArray> &entries)
{
    QStringList failed;
    QList<std::pair<TrashItem, QByteArray>> wanted;
    QSet<QByteArray> reserved; // the places of the items before, restored in one job
    const auto taken = [&reserved](const QByteArray &path) {
        return reserved.contains(path) || rawpath::exists(path);
    };
    for (const TrashItem &item : lookUp(trash, entries, &failed)) {
        QByteArray target = item.encodedOriginalPath;
        if (taken(target)) {
            const QByteArray folder = rawpath::parentOf(target);
            const QByteArray name = rawpath::baseName(target);
            QByteArray free;
            for (int n = 2; free.isEmpty() && n <= names::MaxNumber; ++n) {
                const QByteArray candidate =
                    rawpath::join(folder, names::numbered(name, n, item.isDir));
                if (!taken(candidate))
                    free = candidate;
            }
            if (free.isEmpty()) {
                failed.append(jobtext::itemFailed(item.name, jobtext::reason(jobtext::NoFreeName)));
                continue;
            }
            target = free;
            const QString question =
                QObject::tr("Something named “%1” is already in “%2”. Restore the item as “%3”?")
                    .arg(item.name, rawpath::shown(folder), shown(target));
            if (!messages.confirm(parent, question))
                continue;
        }
        reserved.insert(target);
        wanted.append({item, target});
    }
    int restored = 0;
    if (!wanted.isEmpty()) {
        const JobResult r =
            runJobModal(Jobs::restore(wanted, trash), parent, JobAsker::dialogs(), false);
        restored = r.done;
        failed += r.errors;
    }
    if (!failed.isEmpty())
        messages.error(parent, QObject::tr("These items could not be restored:\n%1")
                                   .arg(failed.join(QLatin1Char('\n'))));
    return restored;
}

QList<QByteArray> makeLinks(QWidget *parent, UserMessages &messages, JobAsker &asker,
                            const QList<QByteArray> &targets, const QByteArray &folder)
{
    if (targets.isEmpty())
        return {};
    if (const QString refusal = FileTransfer::refusal(JobKind::Link, targets, folder);
        !refusal.isEmpty()) {
        messages.error(parent, refusal);
        return {};
    }
    return runTransferModal(JobKind::Link, targets, folder, parent, asker).created;
}

QByteArray makeFolder(QWidget *parent, UserMessages &messages, const QByteArray &folder)
{
    const JobResult r = runJobModal(Jobs::newFolder(folder), parent, JobAsker::dialogs(), false);
    if (r.created.isEmpty() && !r.cancelled)
        messages.error(parent, r.errors.value(0));
    return r.created.value(0);
}

JobKind dropKind(Qt::KeyboardModifiers mods, const QList<QByteArray> &sources,
                 const QByteArray &target)
{
    if ((mods & Qt::ControlModifier) && (mods & Qt::ShiftModifier))
        return JobKind::Link;
    if (mods & Qt::ShiftModifier)
        return JobKind::Move;
    if (mods & Qt::ControlModifier || sources.isEmpty())
        return JobKind::Copy;
    struct stat a, b;
    const bool same = lstat(sources.first().constData(), &a) == 0 &&
                      stat(target.constData(), &b) == 0 && a.st_dev == b.st_dev;
    return same ? JobKind::Move : JobKind::Copy;
}

Qt::DropAction dropAction(JobKind kind)
{
    return kind == JobKind::Move   ? Qt::MoveAction
           : kind == JobKind::Link ? Qt::LinkAction
                                   : Qt::CopyAction;
}

} // namespace tarnwick::ShellVerbs
