// The folder tree's verbs, on its current folder.
#include "explorertreeview.h"

#include "clipboardfiles.h"
#include "fileoperationdialogs.h"
#include "fileoperations.h"
#include "findwindow.h"
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
#include <sys/stat.h>

namespace tarnwick {

void ExplorerTreeView::InvokeVerb(const QString &verb)
{
    // Special places are not the verbs' to copy, move or delete.
    if (!current_.isFolder()) {
        if (verb == QLatin1String("find"))
            openFind();
        return;
    }
    const QByteArray path = rawpath::toBytes(current_.path);
    const bool volume = !(model_->flags(view_->currentIndex()) & Qt::ItemIsEditable);
    if (verb == QLatin1String("find")) {
        openFind();
        return;
    }
    if (verb == QLatin1String("paste")) {
        ShellVerbs::pasteInto(this, *messages_, JobAsker::dialogs(), path);
        return;
    }
    if (verb == QLatin1String("properties")) {
        ShellVerbs::showProperties(this, *messages_, {path});
        return;
    }
    if (verb == QLatin1String("copy") || verb == QLatin1String("cut")) {
        ShellVerbs::putOnClipboard({path}, verb == QLatin1String("cut"));
    } else if (verb == QLatin1String("delete")) {
        if (volume) {
            messages_->error(
                this, tr("“%1” is a whole volume and cannot be deleted.").arg(current_.path));
            return;
        }
        const QString parent = rawpath::toText(rawpath::parentOf(path));
        const TrashStore trash({}, mountedTrashTops());
        if (ShellVerbs::moveToTrash(this, *messages_, {path}, trash) > 0)
            navigateTo(Location::folder(parent));
    } else if (verb == QLatin1String("link")) {
        ShellVerbs::makeLinks(this, *messages_, JobAsker::dialogs(), {path},
                              rawpath::parentOf(path));
    } else if (verb == QLatin1String("rename")) {
        if (volume)
            messages_->error(
                this, tr("“%1” is a whole volume and cannot be renamed here.").arg(current_.path));
        else
            view_->edit(view_->currentIndex());
    }
}

void ExplorerTreeView::showContextMenu(const QPoint &pos)
{
    const QModelIndex at = view_->indexAt(pos);
    if (!at.isValid()) {
        // Below the last node: the folder shown, as the list's background.
        if (!current_.isFolder())
            return;
        QMenu menu(this);
        QAction *make = menu.addAction(tr("New &Folder"));
        connect(make, &QAction::triggered, this, [this] {
            if (!ShellVerbs::makeFolder(this, *messages_, rawpath::toBytes(current_.path))
                     .isEmpty())
                model_->refresh(view_->currentIndex());
        });
        QAction *paste = menu.addAction(tr("&Paste"));
        paste->setEnabled(holdsFiles(QGuiApplication::clipboard()->mimeData()));
        connect(paste, &QAction::triggered, this, [this] { InvokeVerb(QStringLiteral("paste")); });
        menu.exec(view_->viewport()->mapToGlobal(pos));
        return;
    }
    if (at != view_->currentIndex()) {
        view_->setCurrentIndex(at); // the verbs apply to the folder shown
        if (model_->locationOf(at) != current_)
            return; // refused: the user was told why
    }
    if (!current_.isFolder())
        return;
    const bool pasteable = holdsFiles(QGuiApplication::clipboard()->mimeData());
    const bool editable = model_->flags(at) & Qt::ItemIsEditable;
    QMenu menu(this);
    QAction *openIt = menu.addAction(tr("&Open"));
    connect(openIt, &QAction::triggered, this, [this] { view_->expand(view_->currentIndex()); });
    menu.addSeparator();
    const auto add = [&](const QString &text, const char *verb, bool enabled = true) {
        QAction *a = menu.addAction(text);
        a->setEnabled(enabled);
        const QString v = QString::fromLatin1(verb);
        connect(a, &QAction::triggered, this, [this, v] { InvokeVerb(v); });
    };
    add(tr("Cu&t"), "cut", editable);
    add(tr("&Copy"), "copy");
    add(tr("&Paste"), "paste", pasteable);
    menu.addSeparator();
    add(tr("&Delete"), "delete", editable);
    add(tr("Rena&me"), "rename", editable);
    add(tr("Create &Link"), "link");
    menu.addSeparator();
    add(tr("&Find..."), "find");
    add(tr("P&roperties"), "properties");
    menu.exec(view_->viewport()->mapToGlobal(pos));
}

// Files dropped on a folder node go into that folder, as in the list.
bool ExplorerTreeView::handleDrag(QEvent *event)
{
    auto *drop = static_cast<QDropEvent *>(event);
    const auto files = filesFromMimeData(drop->mimeData());
    const Location target = model_->locationOf(view_->indexAt(drop->position().toPoint()));
    if (!files || !target.isFolder()) {
        event->ignore();
        return true;
    }
    const QByteArray folder = rawpath::toBytes(target.path);
    const Qt::KeyboardModifiers mods = drop->modifiers();
    JobKind kind = JobKind::Copy;
    if ((mods & Qt::ControlModifier) && (mods & Qt::ShiftModifier)) {
        kind = JobKind::Link;
    } else if (mods & Qt::ShiftModifier) {
        kind = JobKind::Move;
    } else if (!(mods & Qt::ControlModifier)) {
        struct stat a, b;
        const bool same = lstat(files->paths.first().constData(), &a) == 0 &&
                          stat(folder.constData(), &b) == 0 && a.st_dev == b.st_dev;
        kind = same ? JobKind::Move : JobKind::Copy;
    }
    if (!FileTransfer::refusal(kind, files->paths, folder).isEmpty()) {
        event->ignore();
        return true;
    }
    drop->setDropAction(kind == JobKind::Move   ? Qt::MoveAction
                        : kind == JobKind::Link ? Qt::LinkAction
                                                : Qt::CopyAction);
    drop->accept();
    if (event->type() == QEvent::Drop)
        runJob(new FileTransfer(kind, files->paths, folder), this);
    return true;
}

// Tarnwick's own Find window, below the tree's folder (the home folder at a
// special place). A result opened there moves the tree to its folder.
void ExplorerTreeView::openFind()
{
    const QString folder = current_.isFolder() ? current_.path : QDir::homePath();
    QPointer<ExplorerTreeView> self(this);
    auto *find = new FindWindow(folder, [self](const QString &where) {
        if (self)
            self->navigateTo(Location::folder(where));
    });
    find->setAttribute(Qt::WA_DeleteOnClose);
    find->show();
    find->raise();
    find->activateWindow();
}

} // namespace tarnwick
