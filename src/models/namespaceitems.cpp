// What the tree's items show and how they are dragged and renamed.
#include "namespacemodel.h"

#include "clipboardfiles.h"
#include "icons.h"
#include "namespacenode.h"
#include "rawpaths.h"

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
        return n->name;
    case Qt::ToolTipRole:
        return n->nameSpace == FolderSpace ? n->path : n->name;
    case Qt::DecorationRole:
        if (n->nameSpace != FolderSpace)
            return Icons::place(n->nameSpace);
        if (n->volume)
            return n->path == homeDir_
                       ? Icons::themed(QStringLiteral("user-home"), Icons::folder())
                       : Icons::themed(QStringLiteral("drive-harddisk"), Icons::folder());
        return Icons::folder();
    case PathRole:
        return n->nameSpace == FolderSpace ? n->path : QString();
    case NameSpaceRole:
        return n->nameSpace;
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
    if (n->nameSpace == FolderSpace)
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

bool NamespaceModel::setData(const QModelIndex &index, const QVariant &value, int role)
{
    if (role != Qt::EditRole || !index.isValid())
        return false;
    Node *n = nodeOf(index);
    const QString name = value.toString();
    if (n->fixed || name == n->name)
        return false;
    QString refusal = unusableNameReason(name);
    if (refusal.isEmpty()) {
        const QString oldPath = n->path;
        const QString newPath = joinPath(n->parent->path, name);
        const int err =
            rawpath::moveNoReplace(rawpath::toBytes(oldPath), rawpath::toBytes(newPath));
        if (err == EEXIST)
            refusal = tr("There is already an item named “%1” in this folder.").arg(name);
        else if (err != 0)
            refusal = tr("“%1” could not be renamed: %2.")
                          .arg(n->name, QString::fromLocal8Bit(strerror(err)));
        if (refusal.isEmpty()) {
            n->parent->byName.remove(n->name);
            n->name = name;
            n->parent->byName.insert(name, n);
            n->path = newPath;
            movePaths(n, oldPath, newPath);
            emit dataChanged(index, index);
            emit renamed(oldPath, newPath);
            return true;
        }
    }
    emit renameRefused(refusal);
    return false;
}

} // namespace tarnwick
