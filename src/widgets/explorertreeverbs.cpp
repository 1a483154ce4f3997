// The folder tree's verbs, on its current folder.
#include "explorertreeview.h"

#include "clipboardfiles.h"
#include "explorerlistview.h"
#include "fileopener.h"
#include "fileoperationdialogs.h"
#include "fileoperations.h"
#include "findwindow.h"
#include "historyverbs.h"
#include "launcher.h"
#include "mounts.h"
#include "namespacemodel.h"
#include "rawpaths.h"
#include "shellverbs.h"
#include "trash.h"
#include "usermessages.h"

#include <QClipboard>
#include <QDir>
#include <QDropEvent>
#include <QGuiApplication>
#include <QMenu>
#include <QPointer>
#include <QTreeView>

namespace tarnwick {

QString ExplorerTreeView::folderOf(const Location &place) const
{
    if (place.isFolder())
        return place.path;
    return place == Location::special(DesktopSpace) ? model_->desktopFolder() : QString();
}

void ExplorerTreeView::InvokeVerb(Verb verb)
{
    // Special places are not the verbs' to copy, move or delete; the
    // Desktop takes what is pasted on it, into the desktop folder.
    const bool desktop = !current_.isFolder();
    const QString folder = folderOf(current_);
    if (folder.isEmpty() || (desktop && verb != Verb::Paste && verb != Verb::Copy &&
                             verb != Verb::Link && verb != Verb::Properties)) {
        if (verb == Verb::Find)
            openFind();
        return;
    }
    const QByteArray path = rawpath::toBytes(folder);
    const bool volume = !(model_->flags(view_->currentIndex()) & Qt::ItemIsEditable);
    if (verb == Verb::Find) {
        openFind();
        return;
    }
    if (verb == Verb::Paste) {
        JobRunner *runner = ShellVerbs::pasteInto(this, *messages_, JobAsker::dialogs(), path);
        if (list_) // it shows this folder
            list_->selectWhenArrived(runner);
        return;
    }
    if (verb == Verb::Properties) {
        const QString volumeId =
            view_->currentIndex().data(NamespaceModel::VolumeIdRole).toString();
        if (!volumeId.isEmpty())
            return showVolumeProperties(volumeId);
        ShellVerbs::showProperties(this, *messages_, {path});
        return;
    }
    if (verb == Verb::Copy || verb == Verb::Cut) {
        ShellVerbs::putOnClipboard({path}, verb == Verb::Cut);
    } else if (verb == Verb::Delete || verb == Verb::DeleteForGood) {
        if (volume) {
            messages_->error(
                this, tr("“%1” is a whole volume and cannot be deleted.").arg(current_.path));
            return;
        }
        const QString parent = rawpath::toText(rawpath::parentOf(path));
        const int gone = verb == Verb::Delete
                             ? ShellVerbs::moveToTrash(this, *messages_, {path},
                                                       TrashStore({}, mountedTrashTops()))
                             : ShellVerbs::deleteForGood(this, *messages_, {path});
        if (gone > 0)
            navigateTo(Location::folder(parent));
    } else if (verb == Verb::Link) {
        ShellVerbs::makeLinks(this, *messages_, JobAsker::dialogs(), {path},
                              rawpath::parentOf(path));
    } else if (verb == Verb::Rename) {
        if (volume)
            messages_->error(
                this, tr("“%1” is a whole volume and cannot be renamed here.").arg(current_.path));
        else
            view_->edit(view_->currentIndex());
    }
}

void ExplorerTreeView::showContextMenu(const QPoint &pos)
{
    showContextMenuFor(view_->indexAt(pos), pos);
}

// The menu for the node `at`, or for the folder shown when `at` is not
// valid (below the last node), at `pos` in the view's viewport.
void ExplorerTreeView::showContextMenuFor(const QModelIndex &at, const QPoint &pos)
{
    if (!at.isValid()) {
        // Below the last node: the folder shown, as the list's background.
        const QString folder = folderOf(current_);
        if (folder.isEmpty())
            return;
        QMenu menu(this);
        HistoryVerbs::addEntries(menu, this, *messages_, JobAsker::dialogs());
        addVerbEntry(menu, Verb::NewFolder, true, [this, folder] {
            if (!ShellVerbs::makeFolder(this, *messages_, rawpath::toBytes(folder)).isEmpty())
                model_->refresh(view_->currentIndex());
        });
        addVerbEntry(menu, Verb::Paste, holdsFiles(QGuiApplication::clipboard()->mimeData()),
                     [this] { InvokeVerb(Verb::Paste); });
        menu.addAction(tr("Open Terminal &Here"), this, [this] { openTerminalHere(); });
        menu.exec(view_->viewport()->mapToGlobal(pos));
        return;
    }
    // A volume not mounted is not gone to: that would mount it.
    const QString volumeId = at.data(NamespaceModel::VolumeIdRole).toString();
    if (!volumeId.isEmpty() && model_->pathOf(at).isEmpty()) {
        QMenu menu(this);
        menu.addAction(tr("&Open"), this, [this, volumeId] { openVolume(volumeId); });
        addVolumeEntries(menu, volumeId, true);
        menu.exec(view_->viewport()->mapToGlobal(pos));
        return;
    }
    if (model_->locationOf(at) == Location::special(RecycleBinSpace)) {
        QMenu menu(this);
        menu.addAction(tr("&Open"), this, [this, at] { view_->setCurrentIndex(at); });
        menu.addSeparator();
        // The linked list knows which trashes the Recycle Bin shows.
        menu.addAction(tr("Empty Recycle &Bin"), this, [this] {
            if (list_)
                list_->emptyRecycleBin();
            else
                ShellVerbs::emptyTrash(this, *messages_, TrashStore({}, mountedTrashTops()));
        });
        menu.exec(view_->viewport()->mapToGlobal(pos));
        return;
    }
    if (at != view_->currentIndex()) {
        view_->setCurrentIndex(at); // the verbs apply to the folder shown
        if (model_->locationOf(at) != current_)
            return; // refused: the user was told why
    }
    if (folderOf(current_).isEmpty())
        return;
    const bool pasteable = holdsFiles(QGuiApplication::clipboard()->mimeData());
    const bool editable = model_->flags(at) & Qt::ItemIsEditable;
    QMenu menu(this);
    HistoryVerbs::addEntries(menu, this, *messages_, JobAsker::dialogs());
    QAction *openIt = menu.addAction(tr("&Open"));
    connect(openIt, &QAction::triggered, this, [this] { view_->expand(view_->currentIndex()); });
    menu.addSeparator();
    const auto add = [&](Verb verb, bool enabled = true) {
        addVerbEntry(menu, verb, enabled, [this, verb] { InvokeVerb(verb); });
    };
    add(Verb::Cut, editable);
    add(Verb::Copy);
    add(Verb::Paste, pasteable);
    menu.addSeparator();
    add(Verb::Delete, editable);
    add(Verb::Rename, editable);
    add(Verb::Link);
    if (!volumeId.isEmpty()) {
        menu.addSeparator();
        addVolumeEntries(menu, volumeId);
    }
    menu.addSeparator();
    add(Verb::Find);
    menu.addAction(tr("Open Terminal &Here"), this, [this] { openTerminalHere(); });
    add(Verb::Properties);
    menu.exec(view_->viewport()->mapToGlobal(pos));
}

void ExplorerTreeView::openTerminalHere()
{
    const QString folder = folderOf(current_);
    if (folder.isEmpty())
        return;
    auto *opener = new FileOpener(
        this, {messages_, launcher_ ? launcher_ : &Launcher::system(), &OpenAsker::dialogs()});
    opener->openTerminalIn(rawpath::toBytes(folder));
}

// Files dropped on a folder node go into that folder, as in the list.
bool ExplorerTreeView::handleDrag(QEvent *event)
{
    auto *drop = static_cast<QDropEvent *>(event);
    const auto files = filesFromMimeData(drop->mimeData());
    const Location target = model_->locationOf(view_->indexAt(drop->position().toPoint()));
    // Refusing the entry would leave the tree deaf to the rest of the drag:
    // with files on offer it is taken, and each place judged as it comes.
    const auto refuse = [&] {
        event->setAccepted(files && event->type() == QEvent::DragEnter);
        drop->setDropAction(Qt::IgnoreAction);
        return true;
    };
    const QString into = folderOf(target);
    if (!files || into.isEmpty())
        return refuse();
    const QByteArray folder = rawpath::toBytes(into);
    const JobKind kind = ShellVerbs::dropKind(drop->modifiers(), files->paths, folder);
    if (!FileTransfer::refusal(kind, files->paths, folder).isEmpty())
        return refuse();
    drop->setDropAction(ShellVerbs::dropAction(kind));
    drop->accept();
    if (event->type() == QEvent::Drop) {
        JobRunner *runner = runJob(new FileTransfer(kind, files->paths, folder), this);
        if (list_) // it selects what came into the folder it shows
            list_->selectWhenArrived(runner);
    }
    return true;
}

// Tarnwick's own Find window, below the tree's folder (the home folder at a
// special place). A result opened there moves the tree to its folder.
void ExplorerTreeView::openFind()
{
    const QString folder = current_.isFolder() ? current_.path : QDir::homePath();
    QPointer<ExplorerTreeView> self(this);
    auto *find = new FindWindow(folder,
                                [self](const QString &where) {
                                    if (self)
                                        self->navigateTo(Location::folder(where));
                                },
                                nullptr, {messages_, launcher_, nullptr, {}});
    find->setAttribute(Qt::WA_DeleteOnClose);
    find->show();
    find->raise();
    find->activateWindow();
}

} // namespace tarnwick
