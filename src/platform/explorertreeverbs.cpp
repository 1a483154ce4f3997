// The folder tree's verbs, on its current folder.
#include "explorertreeview.h"

#include "fileoperationdialogs.h"
#include "findwindow.h"
#include "mounts.h"
#include "namespacemodel.h"
#include "rawpaths.h"
#include "shellverbs.h"
#include "usermessages.h"

#include <QDir>
#include <QFile>
#include <QPointer>
#include <QTreeView>

namespace tarnwick {

void ExplorerTreeView::InvokeVerb(const QString &verb)
{
    // Special places are not the verbs' to copy, move or delete.
    if (!current_.isFolder()) {
        if (verb == QLatin1String("find"))
            openFind();
        return;
    }
    const QByteArray path = QFile::encodeName(current_.path);
    const bool volume = !(model_->flags(view_->currentIndex()) & Qt::ItemIsEditable);
    if (verb == QLatin1String("find")) {
        openFind();
        return;
    }
    if (verb == QLatin1String("paste")) {
        ShellVerbs::pasteInto(this, *messages_, TransferAsker::dialogs(), path);
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
        QStringList tops;
        for (const Volume &v : mountedVolumes())
            tops.append(v.mountPoint);
        const QString parent = QFile::decodeName(rawpath::parentOf(path));
        if (ShellVerbs::moveToTrash(this, *messages_, {path}, tops) > 0)
            navigateTo(Location::folder(parent));
    } else if (verb == QLatin1String("link")) {
        QString error;
        if (ShellVerbs::makeLink(path, rawpath::parentOf(path), &error).isEmpty())
            messages_->error(this, error);
    } else if (verb == QLatin1String("rename")) {
        if (volume)
            messages_->error(
                this, tr("“%1” is a whole volume and cannot be renamed here.").arg(current_.path));
        else
            view_->edit(view_->currentIndex());
    }
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
