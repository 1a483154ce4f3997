// What the tree's items show and how they are dragged and renamed.
#include "namespacemodel.h"

#include "clipboardfiles.h"
#include "icons.h"
#include "jobs.h"
#include "namespacenode.h"
#include "plaintext.h"
#include "rawpaths.h"
#include "undo.h"

#include <cerrno>
#include <cstring>

namespace tarnwick {

QVariant NamespaceModel::data(const QModelIndex &index, int role) const
{
    if (!index.isValid())
        return {};
    const Node *n = nodeOf(index);
    switch (role) {
    case Qt::DisplayRole:
        return rawpath::visible(n->name);
    case Qt::EditRole:
        return n->name;
    case Qt::ToolTipRole:
        return plainToolTip(rawpath::visible(
            n->nameSpace == FolderSpace && !n->path.isEmpty() ? n->path : n->name));
    case Qt::DecorationRole:
        if (n->nameSpace != FolderSpace)
            return Icons::place(n->nameSpace);
        if (n->volume && n->path.isEmpty())
            return Icons::dimmed(Icons::themed(
                n->iconName.isEmpty() ? QStringLiteral("drive-removable-media") : n->iconName,
                Icons::folder()));
        if (n->network)
            return Icons::themed(QStringLiteral("folder-remote"), Icons::folder());
        if (n->volume)
            return n->path == homeDir_
                       ? Icons::themed(QStringLiteral("user-home"), Icons::folder())
                       : Icons::themed(QStringLiteral("drive-harddisk"), Icons::folder());
        if (n->link) {
            static const QIcon linked = Icons::withEmblem(Icons::folder(), Icons::linkEmblem());
            return linked;
        }
        return Icons::folder();
    case PathRole:
        return n->nameSpace == FolderSpace ? n->path : QString();
    case NameSpaceRole:
        return int(n->nameSpace);
    case VolumeIdRole:
        return n->volumeId;
    case NetworkRole:
        return n->network;
    }
    return {};
}

Qt::ItemFlags NamespaceModel::flags(const QModelIndex &index) const
{
    if (!index.isValid())
        return Qt::NoItemFlags;
    Qt::ItemFlags f = Qt::ItemIsEnabled | Qt::ItemIsSelectable;
    const Node *n = nodeOf(index);
    if (!n->fixed)
        f |= Qt::ItemIsEditable | Qt::ItemIsDragEnabled;
    if (n->nameSpace == FolderSpace && !n->path.isEmpty())
        f |= Qt::ItemIsDropEnabled;
    return f;
}

QStringList NamespaceModel::mimeTypes() const
{
    return {QStringLiteral("text/uri-list"), QStringLiteral("x-special/gnome-copied-files")};
}

QMimeData *NamespaceModel::mimeData(const QModelIndexList &indexes) const
{
    QList<QByteArray> paths;
    for (const QModelIndex &i : indexes) {
        const Node *n = nodeOf(i);
        if (i.isValid() && !n->fixed)
            paths.append(rawpath::toBytes(n->path));
    }
    return makeFilesMimeData({paths, false});
}

Qt::DropActions NamespaceModel::supportedDragActions() const
{
    return Qt::CopyAction | Qt::MoveAction | Qt::LinkAction;
}

void NamespaceModel::movePaths(Node *node, const QString &oldPrefix, const QString &newPrefix)
{
    for (auto &c : node->children) {
        c->path = newPrefix + c->path.mid(oldPrefix.size());
        movePaths(c.get(), oldPrefix, newPrefix);
    }
}

// The rename runs as a job; the node follows once it is done, if it is still there.
bool NamespaceModel::setData(const QModelIndex &index, const QVariant &value, int role)
{
    if (role != Qt::EditRole || !index.isValid())
        return false;
    Node *n = nodeOf(index);
    const QString name = value.toString();
    if (n->fixed || name == n->name)
        return false;
    if (const QString refusal = unusableNameReason(name); !refusal.isEmpty()) {
        emit renameRefused(refusal);
        return false;
    }
    const QString oldPath = n->path;
    const QString newPath = joinPath(n->parent->path, name);
    Job *job = Jobs::rename(rawpath::toBytes(oldPath), rawpath::toBytes(name));
    job->setParent(this);
    connect(job, &Job::finished, this, [this, job, oldPath, newPath](const JobResult &r) {
        job->deleteLater();
        if (auto history = UndoJournal::shared())
            undo::record(*job, r, *history);
        if (!r.errors.isEmpty()) {
            emit renameRefused(r.errors.first());
            return;
        }
        if (r.created.isEmpty())
            return;
        if (Node *moved = shownNode(oldPath)) {
            const QModelIndex at = indexOfNode(moved);
            const QString newName = rawpath::toText(rawpath::baseName(rawpath::toBytes(newPath)));
            moved->parent->byName.remove(moved->name);
            moved->name = newName;
            moved->parent->byName.insert(newName, moved);
            moved->path = newPath;
            movePaths(moved, oldPath, newPath);
            emit dataChanged(at, at);
        }
        emit renamed(oldPath, newPath);
    });
    job->start();
    return true;
}

} // namespace tarnwick
