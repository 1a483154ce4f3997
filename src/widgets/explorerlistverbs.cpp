// The file list's verbs and its context menu.
#include "explorerlistview.h"

#include "applications.h"
#include "archiveverbs.h"
#include "clipboardfiles.h"
#include "contenttypes.h"
#include "fileopener.h"
#include "fileoperationdialogs.h"
#include "fileoperations.h"
#include "foldermodel.h"
#include "historyverbs.h"
#include "mounts.h"
#include "rawpaths.h"
#include "shellitems.h"
#include "shellverbs.h"
#include "trash.h"
#include "usermessages.h"
#include "verbs.h"
#include "volumemonitor.h"

#include <QAbstractItemView>
#include <QClipboard>
#include <QDropEvent>
#include <QGuiApplication>
#include <QMenu>
#include <QTimer>
#include <memory>

namespace tarnwick {

QList<int> ExplorerListView::selectedRows() const
{
    QList<int> rows;
    for (const auto &[top, bottom] : selectedRanges()) {
        for (int r = top; r <= bottom; ++r)
            rows.append(r);
    }
    return rows;
}

QList<QByteArray> ExplorerListView::selectedPaths() const
{
    QList<QByteArray> paths;
    if (location_.isFolder()) {
        const QByteArray folder = rawpath::toBytes(model_->folder());
        for (int r : selectedRows())
            paths.append(rawpath::join(folder, model_->entryAt(r).encodedName()));
        return paths;
    }
    for (int r : selectedRows()) {
        const ShellItem &item = shell_->itemAt(r);
        if (!item.encodedPath.isEmpty() && item.program.isEmpty())
            paths.append(item.encodedPath);
    }
    return paths;
}

// The same tops as the Recycle Bin's listing, so its verbs reach every item
// it shows.
TrashStore ExplorerListView::trashStore() const
{
    return TrashStore({}, trashTops_());
}

void ExplorerListView::InvokeVerb(Verb verb)
{
    const QList<QByteArray> paths = selectedPaths();
    const bool inTrash = location_.nameSpace == RecycleBinSpace;
    if (verb == Verb::Copy || verb == Verb::Cut) {
        if (!inTrash)
            ShellVerbs::putOnClipboard(paths, verb == Verb::Cut);
    } else if (verb == Verb::Delete || verb == Verb::DeleteForGood) {
        if (inTrash)
            ShellVerbs::eraseFromTrash(this, *messages_, trashStore(), paths);
        else if (verb == Verb::Delete)
            ShellVerbs::moveToTrash(this, *messages_, paths, trashStore());
        else if (location_.isFolder() || location_.nameSpace == DesktopSpace)
            ShellVerbs::deleteForGood(this, *messages_, paths);
    } else if (verb == Verb::Paste) {
        if (location_.isFolder())
            selectWhenArrived(
                ShellVerbs::pasteInto(this, *messages_, *asker_, rawpath::toBytes(location_.path)));
        else
            messages_->error(this,
                             tr("Files cannot be pasted into %1.").arg(location_.displayName()));
    } else if (verb == Verb::Properties) {
        ShellVerbs::showProperties(this, *messages_,
                                   paths.isEmpty() && location_.isFolder()
                                       ? QList<QByteArray>{rawpath::toBytes(location_.path)}
                                       : paths);
    } else if (verb == Verb::Restore) {
        if (inTrash)
            ShellVerbs::restoreFromTrash(this, *messages_, trashStore(), paths);
    } else if (verb == Verb::Link) {
        if (!location_.isFolder())
            return;
        ShellVerbs::makeLinks(this, *messages_, *asker_, paths, rawpath::toBytes(location_.path));
    } else if (verb == Verb::Rename) {
        QAbstractItemView *view = currentView();
        const QModelIndex current = view->currentIndex();
        if (!location_.isFolder() || !current.isValid())
            return;
        if (!allowRename_) {
            messages_->error(this, tr("Renaming in place is turned off."));
            return;
        }
        view->edit(current.siblingAtColumn(0));
    }
    if (inTrash && verb != Verb::Copy && verb != Verb::Cut)
        shell_->reload();
}

// Drops of files: onto a folder item, into that folder; elsewhere, into the
// folder shown. On one file system a move, across file systems a copy; Ctrl
// forces a copy, Shift a move, both a link.
bool ExplorerListView::handleDrag(QAbstractItemView *view, QEvent *event)
{
    auto *drop = static_cast<QDropEvent *>(event);
    const auto files = filesFromMimeData(drop->mimeData());
    QByteArray target;
    int folderRow = -1; // the folder item the drop goes into, if any
    if (location_.isFolder()) {
        target = rawpath::toBytes(location_.path);
        const QModelIndex at = view->indexAt(drop->position().toPoint());
        if (at.isValid() && model_->entryAt(at.row()).isDir) {
            folderRow = at.row();
            target = rawpath::join(target, model_->entryAt(at.row()).encodedName());
        }
    }
    const auto refuse = [&] {
        model_->setDropRow(-1);
        // A pane that refuses a drag's entry hears nothing more of it, and a
        // drag begins over its own items: take the entry, judge each move.
        event->setAccepted(event->type() == QEvent::DragEnter);
        drop->setDropAction(Qt::IgnoreAction);
        return true;
    };
    if (!files || target.isEmpty()) {
        event->ignore();
        return true;
    }
    const JobKind kind = ShellVerbs::dropKind(drop->modifiers(), files->paths, target);
    // Onto itself, or a folder into itself: not a place to drop.
    if (!FileTransfer::refusal(kind, files->paths, target).isEmpty() ||
        (files->paths.size() == 1 && files->paths.first() == target))
        return refuse();
    model_->setDropRow(event->type() == QEvent::Drop ? -1 : folderRow);
    drop->setDropAction(ShellVerbs::dropAction(kind));
    drop->accept();
    if (event->type() == QEvent::Drop)
        selectWhenArrived(runJob(new FileTransfer(kind, files->paths, target), this, *asker_));
    return true;
}

void ExplorerListView::newFolder()
{
    if (!location_.isFolder())
        return;
    const QByteArray made =
        ShellVerbs::makeFolder(this, *messages_, rawpath::toBytes(location_.path));
    if (made.isEmpty())
        return;
    // Rename it in place as soon as the watcher has brought it in.
    const QString name = rawpath::toText(rawpath::baseName(made));
    auto *pending = new QMetaObject::Connection;
    *pending = connect(model_, &QAbstractItemModel::rowsInserted, this, [this, name, pending] {
        const int row = model_->rowOfName(name);
        if (row < 0)
            return;
        disconnect(*pending);
        delete pending;
        QAbstractItemView *view = currentView();
        const QModelIndex index = model_->index(row, 0);
        view->setCurrentIndex(index);
        view->scrollTo(index);
        if (allowRename_)
            view->edit(index);
    });
}

// The folder's watcher brings new items in behind a short delay; what has
// not come within this long is not waited for.
constexpr int ArrivalPatienceMs = 5000;

void ExplorerListView::selectWhenArrived(JobRunner *runner)
{
    if (!runner)
        return;
    connect(runner, &JobRunner::finished, this, [this](const JobResult &result) {
        if (!location_.isFolder())
            return;
        const QByteArray folder = rawpath::toBytes(location_.path);
        QStringList names;
        for (const QByteArray &path : result.created) {
            if (rawpath::parentOf(path) == folder)
                names << rawpath::toText(rawpath::baseName(path));
        }
        if (names.isEmpty())
            return;
        selectionModel()->clearSelection();
        selectWhenListed(names, ArrivalPatienceMs);
    });
}

void ExplorerListView::selectWhenListed(const QStringList &names, int patienceMs)
{
    if (names.isEmpty() || !location_.isFolder())
        return;
    // Each name is selected as its listing brings it in; the first found is
    // made current and shown. Waiting ends with the listing.
    struct Pending
    {
        QStringList names;
        bool first = true;
        QMetaObject::Connection inserted, finished;
        void stop()
        {
            QObject::disconnect(inserted);
            QObject::disconnect(finished);
        }
    };
    auto pending = std::make_shared<Pending>();
    pending->names = names;
    const QString folder = location_.path;
    const auto selectFound = [this, pending, folder] {
        if (location_.path != folder) // the user has gone elsewhere meanwhile
            pending->names.clear();
        bool selected = false;
        for (auto it = pending->names.begin(); it != pending->names.end();) {
            const int row = model_->rowOfName(*it);
            if (row < 0) {
                ++it;
                continue;
            }
            setSelected(row, true);
            selected = true;
            if (std::exchange(pending->first, false)) {
                const QModelIndex index = model_->index(row, 0);
                selectionModel()->setCurrentIndex(index, QItemSelectionModel::NoUpdate);
                currentView()->scrollTo(index);
            }
            it = pending->names.erase(it);
        }
        if (selected) // as a click would, so that the count shown follows
            emit Click();
        if (pending->names.isEmpty())
            pending->stop();
    };
    pending->inserted = connect(model_, &QAbstractItemModel::rowsInserted, this, selectFound);
    pending->finished =
        connect(model_, &FolderModel::loadingFinished, this, [pending, selectFound] {
            selectFound();
            pending->stop();
        });
    if (patienceMs > 0)
        QTimer::singleShot(patienceMs, this, [pending] { pending->stop(); });
    selectFound();
}

void ExplorerListView::addEmptyTrash(QMenu &menu, bool enabled)
{
    menu.addSeparator();
    menu.addAction(tr("Empty Recycle &Bin"), this, &ExplorerListView::emptyRecycleBin)
        ->setEnabled(enabled);
}

void ExplorerListView::emptyRecycleBin()
{
    ShellVerbs::emptyTrash(this, *messages_, trashStore());
    if (location_.nameSpace == RecycleBinSpace)
        shell_->reload();
}

void ExplorerListView::showContextMenu(QAbstractItemView *view, const QPoint &pos)
{
    showContextMenuFor(view, view->indexAt(pos), pos);
}

void ExplorerListView::showContextMenuFromKeyboard(QAbstractItemView *view)
{
    const QModelIndex current = view->currentIndex();
    showContextMenuFor(view, current, keyboardMenuPoint(*view, current));
}

FileOpener *ExplorerListView::newOpener()
{
    return new FileOpener(this,
                          {messages_, launcher_, openAsker_ ? openAsker_ : &OpenAsker::dialogs()});
}

QList<QByteArray> ExplorerListView::filesToOpen(int row) const
{
    const QByteArray folder = rawpath::toBytes(model_->folder());
    const auto pathOf = [&](int r) {
        return rawpath::join(folder, model_->entryAt(r).encodedName());
    };
    if (!Selected(row))
        return {pathOf(row)};
    QList<QByteArray> paths;
    for (int r : selectedRows()) {
        if (!model_->entryAt(r).isDir)
            paths.append(pathOf(r));
    }
    return paths;
}

// "Open With" for the file at `row`: the applications for its type, as the
// listing read it (by its first bytes, or else by its name), so the menu
// reads nothing from the disk.
void ExplorerListView::addOpenWith(QMenu &menu, int row)
{
    const FileEntry &entry = model_->entryAt(row);
    const QString type = entry.contentType ? ContentTypes::name(entry.contentType)
                                           : Applications::typeByName(entry.encodedName());
    const QList<QByteArray> paths = filesToOpen(row);
    QMenu *with = menu.addMenu(tr("Open &With"));
    FileOpener::fillOpenWithMenu(
        *with, type, [this, paths](const QString &id) { newOpener()->openWith(id, paths); },
        [this, paths, type] { newOpener()->chooseFor(paths, type); });
}

void ExplorerListView::openTerminalHere(const QByteArray &folder)
{
    newOpener()->openTerminalIn(folder);
}

// The menu for the item `at`, or for the folder's background when `at` is
// not valid, at `pos` in the view's viewport.
void ExplorerListView::showContextMenuFor(QAbstractItemView *view, const QModelIndex &at,
                                          const QPoint &pos)
{
    if (at.isValid() && !selectionModel()->isRowSelected(at.row()))
        view->setCurrentIndex(at); // a right click on an unselected item selects it
    const bool onItem = at.isValid();
    const bool inFolder = location_.isFolder();
    const bool inTrash = location_.nameSpace == RecycleBinSpace;
    const bool pasteable = holdsFiles(QGuiApplication::clipboard()->mimeData());

    QMenu menu(this);
    const auto add = [&](Verb verb, bool enabled = true) {
        addVerbEntry(menu, verb, enabled, [this, verb] {
            if (verb == Verb::NewFolder)
                newFolder();
            else
                InvokeVerb(verb);
        });
    };
    if (onItem) {
        QAction *openIt = menu.addAction(tr("&Open"));
        connect(openIt, &QAction::triggered, this, [this, view] { open(view->currentIndex()); });
        if (inFolder && !model_->entryAt(at.row()).isDir)
            addOpenWith(menu, at.row());
        if (location_.nameSpace == MyComputerSpace && volumeMenu_ && driveVolumes_) {
            const ShellItem &item = shell_->itemAt(at.row());
            QString id = item.volumeId;
            for (const DriveVolume &v : driveVolumes_->volumes())
                if (id.isEmpty() && !item.path.isEmpty() && v.mountPath == item.path)
                    id = v.id;
            if (!id.isEmpty()) {
                menu.addSeparator();
                volumeMenu_(menu, id);
            }
        }
        if (!inFolder && shell_->itemAt(at.row()).target == Location::special(RecycleBinSpace))
            addEmptyTrash(menu, true);
        if (inTrash) {
            add(Verb::Restore);
            menu.addSeparator();
            add(Verb::Delete);
        } else if (inFolder) {
            menu.addSeparator();
            add(Verb::Cut);
            add(Verb::Copy);
            menu.addSeparator();
            add(Verb::Paste, pasteable);
            menu.addSeparator();
            add(Verb::Delete);
            add(Verb::Rename, allowRename_);
            add(Verb::Link);
            ArchiveVerbs::addMenuEntries(menu, this, *messages_, *asker_, selectedPaths(),
                                         [this](JobRunner *r) { selectWhenArrived(r); });
            menu.addSeparator();
            if (model_->entryAt(at.row()).isDir) {
                const QByteArray folder = rawpath::toBytes(model_->pathAt(at.row()));
                menu.addAction(tr("Open Terminal &Here"), this,
                               [this, folder] { openTerminalHere(folder); });
            }
            add(Verb::Properties);
        }
    } else if (inTrash) {
        addEmptyTrash(menu, shell_->rowCount() > 0);
    } else if (inFolder) {
        HistoryVerbs::addEntries(menu, this, *messages_, *asker_);
        add(Verb::NewFolder);
        add(Verb::Paste, pasteable);
        menu.addAction(tr("Open Terminal &Here"), this,
                       [this] { openTerminalHere(rawpath::toBytes(location_.path)); });
        menu.addSeparator();
        add(Verb::Properties);
    }
    if (menu.isEmpty())
        return;
    menu.exec(view->viewport()->mapToGlobal(pos));
}

} // namespace tarnwick
