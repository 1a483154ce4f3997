#include "namespacemodel.h"
#include "namespacenode.h"

#include "clipboardfiles.h"
#include "icons.h"
#include "mounts.h"
#include "naturalorder.h"
#include "rawpaths.h"
#include "sortkey.h"
#include "volumemonitor.h"

#include <QDir>
#include <QSet>
#include <QStandardPaths>
#include <algorithm>
#include <cerrno>
#include <cstring>

namespace tarnwick {

namespace {

bool isUnder(const QString &path, const QString &folder)
{
    if (folder == QLatin1String("/"))
        return path.startsWith(QLatin1Char('/'));
    return path == folder || path.startsWith(folder + QLatin1Char('/'));
}

} // namespace

NamespaceModel::NamespaceModel(QObject *parent, VolumeSource volumes, QString desktopDir,
                               QString homeDir)
    : QAbstractItemModel(parent), volumes_(std::move(volumes)), desktopDir_(std::move(desktopDir)),
      homeDir_(std::move(homeDir)), root_(std::make_unique<Node>()),
      lister_(DirectoryLister::Mode::Queue)
{
    if (!volumes_)
        volumes_ = mountedVolumes;
    if (desktopDir_.isEmpty())
        desktopDir_ = QStandardPaths::writableLocation(QStandardPaths::DesktopLocation);
    if (homeDir_.isEmpty())
        homeDir_ = QDir::homePath();
    desktopDir_ = QDir::cleanPath(desktopDir_);
    homeDir_ = QDir::cleanPath(homeDir_);

    root_->loaded = true;
    auto desktop = std::make_unique<Node>();
    desktop->nameSpace = DesktopSpace;
    desktop->name = nameSpaceName(DesktopSpace);
    // The desktop folder's own folders hang under Desktop, unless there is no
    // such folder apart from home itself.
    if (desktopDir_ != homeDir_ && rawpath::isDir(rawpath::toBytes(desktopDir_)))
        desktop->path = desktopDir_;
    desktop->fixed = true;
    desktop->parent = root_.get();
    desktop_ = desktop.get();
    root_->children.push_back(std::move(desktop));

    for (NameSpace n : {MyComputerSpace, ControlPanelSpace, PrintersSpace, RecycleBinSpace}) {
        auto node = std::make_unique<Node>();
        node->nameSpace = n;
        node->name = nameSpaceName(n);
        node->fixed = true;
        node->parent = desktop_;
        node->loaded = n != MyComputerSpace;
        node->mayHaveChildren = n == MyComputerSpace;
        if (n == MyComputerSpace)
            computer_ = node.get();
        desktop_->children.push_back(std::move(node));
    }
    desktop_->loaded = desktop_->path.isEmpty();
    refreshVolumes();

    connect(&lister_, &DirectoryLister::entriesReady, this, &NamespaceModel::onEntries);
    connect(&lister_, &DirectoryLister::finished, this, &NamespaceModel::onFinished);
    connect(&watcher_, &FolderSetWatcher::foldersChanged, this, &NamespaceModel::onFoldersChanged);
}

NamespaceModel::~NamespaceModel() = default;

void NamespaceModel::setVolumeSource(VolumeSource volumes)
{
    volumes_ = std::move(volumes);
    refreshVolumes();
}

void NamespaceModel::setRootFolder(const QString &path)
{
    rootFolder_ = path;
    // My Computer lists afresh, in its order.
    while (!computer_->children.empty())
        removeChild(computer_, int(computer_->children.size()) - 1);
    refreshVolumes();
}

void NamespaceModel::setVolumeMonitor(VolumeMonitor *monitor)
{
    if (monitor_)
        disconnect(monitor_, nullptr, this, nullptr);
    monitor_ = monitor;
    if (monitor_)
        connect(monitor_, &VolumeMonitor::changed, this, &NamespaceModel::refreshVolumes);
    refreshVolumes();
}

void NamespaceModel::refreshVolumes()
{
    // The root first, the home folder next, then the volumes in mount order,
    // then the volumes not mounted.
    struct Wanted
    {
        QString path;
        QString name;
        QString volumeId;
        QString iconName;
        bool network = false;
        // A volume not mounted has no path to tell it by.
        QString key() const { return path.isEmpty() ? QStringLiteral("\n") + volumeId : path; }
    };
    QList<Wanted> wanted;
    const QList<Volume> volumes = volumes_();
    const QList<DriveVolume> drives = monitor_ ? monitor_->volumes() : QList<DriveVolume>();
    const auto idOf = [&drives](const QString &path) {
        for (const DriveVolume &d : drives)
            if (d.mountPath == path)
                return d.id;
        return QString();
    };
    wanted.append({rootFolder_, rootFolder_, {}, {}});
    if (homeDir_ != rootFolder_)
        wanted.append({homeDir_, tr("Home"), {}, {}});
    for (const Volume &v : volumes) {
        if (v.mountPoint != rootFolder_ && v.mountPoint != homeDir_)
            wanted.append({v.mountPoint, v.name, idOf(v.mountPoint), {}, v.network});
    }
    QSet<QString> wantedKeys;
    for (const auto &w : wanted)
        wantedKeys.insert(w.key());
    // A server's place connected through the desktop's file services has no
    // line of its own in the mount table: the desktop's volumes name it, and
    // its going away is what takes it from here.
    for (const DriveVolume &d : drives) {
        if (d.network && d.isMounted() && !wantedKeys.contains(d.mountPath)) {
            wanted.append({d.mountPath, d.name, d.id, {}, true});
            wantedKeys.insert(d.mountPath);
        }
    }
    for (const DriveVolume &d : unmountedVolumes(monitor_)) {
        wanted.append({{}, d.name, d.id, d.iconName});
        wantedKeys.insert(wanted.last().key());
    }
    const auto keyOf = [](const Node &n) {
        return n.path.isEmpty() ? QStringLiteral("\n") + n.volumeId : n.path;
    };
    for (int row = int(computer_->children.size()) - 1; row >= 0; --row) {
        if (!wantedKeys.contains(keyOf(*computer_->children[size_t(row)])))
            removeChild(computer_, row);
    }
    for (int i = 0; i < wanted.size(); ++i) {
        const Wanted &w = wanted[i];
        const auto &kids = computer_->children;
        const auto found = std::find_if(kids.begin(), kids.end(),
                                        [&](const auto &c) { return keyOf(*c) == w.key(); });
        if (found != kids.end()) {
            (*found)->volumeId = w.volumeId;
            continue;
        }
        auto node = std::make_unique<Node>();
        node->name = w.name;
        node->path = w.path;
        node->fixed = true;
        node->volume = true;
        node->volumeId = w.volumeId;
        node->iconName = w.iconName;
        node->network = w.network;
        node->parent = computer_;
        if (w.path.isEmpty()) {
            node->loaded = true;
            node->mayHaveChildren = false;
        }
        const int row = std::min(i, int(kids.size()));
        beginInsertRows(indexOfNode(computer_), row, row);
        computer_->children.insert(computer_->children.begin() + row, std::move(node));
        endInsertRows();
    }
    computer_->loaded = true;
}

NamespaceModel::Node *NamespaceModel::nodeOf(const QModelIndex &index) const
{
    return index.isValid() ? static_cast<Node *>(index.internalPointer()) : root_.get();
}

int NamespaceModel::rowOf(const Node *node) const
{
    const auto &siblings = node->parent->children;
    if (node->rowHint < siblings.size() && siblings[node->rowHint].get() == node)
        return int(node->rowHint);
    for (size_t i = 0; i < siblings.size(); ++i) {
        if (siblings[i].get() == node) {
            node->rowHint = i;
            return int(i);
        }
    }
    return -1;
}

QModelIndex NamespaceModel::indexOfNode(Node *node) const
{
    if (!node || node == root_.get())
        return {};
    return createIndex(rowOf(node), 0, node);
}

QModelIndex NamespaceModel::index(int row, int column, const QModelIndex &parent) const
{
    const Node *p = nodeOf(parent);
    if (column != 0 || row < 0 || row >= int(p->children.size()))
        return {};
    return createIndex(row, 0, p->children[size_t(row)].get());
}

QModelIndex NamespaceModel::parent(const QModelIndex &child) const
{
    if (!child.isValid())
        return {};
    return indexOfNode(nodeOf(child)->parent);
}

int NamespaceModel::rowCount(const QModelIndex &parent) const
{
    if (parent.column() > 0)
        return 0;
    return int(nodeOf(parent)->children.size());
}

int NamespaceModel::columnCount(const QModelIndex &) const
{
    return 1;
}

bool NamespaceModel::hasChildren(const QModelIndex &parent) const
{
    const Node *n = nodeOf(parent);
    if (n->loaded)
        return !n->children.empty();
    return n->mayHaveChildren || !n->children.empty();
}

bool NamespaceModel::canFetchMore(const QModelIndex &parent) const
{
    const Node *n = nodeOf(parent);
    return !n->loaded && !n->loading && !n->path.isEmpty();
}

void NamespaceModel::fetchMore(const QModelIndex &parent)
{
    if (!canFetchMore(parent))
        return;
    Node *n = nodeOf(parent);
    n->loading = true;
    const quint64 id = lister_.list(n->path, {.foldersOnly = true});
    pending_.insert(id, n);
    seen_.insert(id, {});
}

void NamespaceModel::refresh(const QModelIndex &index)
{
    Node *n = nodeOf(index);
    if (!n->loaded || n->path.isEmpty() || n == computer_)
        return;
    n->loaded = false;
    fetchMore(index);
}

void NamespaceModel::setShowHidden(bool on)
{
    if (on == showHidden_)
        return;
    showHidden_ = on;
    if (on)
        refetchLoaded(root_.get());
    else
        dropHidden(root_.get());
}

void NamespaceModel::dropHidden(Node *node)
{
    for (int row = int(node->children.size()) - 1; row >= 0; --row) {
        Node *c = node->children[size_t(row)].get();
        if (!c->fixed && c->name.startsWith(QLatin1Char('.')))
            removeChild(node, row);
        else
            dropHidden(c);
    }
}

void NamespaceModel::refetchLoaded(Node *node)
{
    if (node->loaded && !node->path.isEmpty() && node != computer_)
        refresh(indexOfNode(node));
    for (auto &c : node->children)
        refetchLoaded(c.get());
}

NamespaceModel::Node *NamespaceModel::findChild(Node *parent, const QString &name) const
{
    return parent->byName.value(name);
}

namespace {

constexpr auto byNaturalName = [](const auto &a, const auto &b) {
    return naturalCompare(a->name, b->name) < 0;
};

} // namespace

NamespaceModel::Node *NamespaceModel::insertChild(Node *parent, std::unique_ptr<Node> child)
{
    auto &kids = parent->children;
    // Fixed nodes stay first, in their own order; folders follow by name.
    auto first = std::find_if(kids.begin(), kids.end(), [](const auto &c) { return !c->fixed; });
    const auto pos = std::lower_bound(first, kids.end(), child, byNaturalName);
    const int row = int(pos - kids.begin());
    child->parent = parent;
    child->rowHint = size_t(row);
    Node *raw = child.get();
    if (!raw->fixed)
        parent->byName.insert(raw->name, raw);
    beginInsertRows(indexOfNode(parent), row, row);
    kids.insert(kids.begin() + row, std::move(child));
    endInsertRows();
    return raw;
}

void NamespaceModel::addChildren(Node *parent, std::vector<std::unique_ptr<Node>> fresh)
{
    if (fresh.empty())
        return;
    sortByName(fresh, [](const std::unique_ptr<Node> &n) { return QStringView(n->name); });
    for (auto &c : fresh) {
        c->parent = parent;
        parent->byName.insert(c->name, c.get());
    }
    auto &kids = parent->children;
    const auto first =
        std::find_if(kids.begin(), kids.end(), [](const auto &c) { return !c->fixed; });
    const QModelIndex parentIndex = indexOfNode(parent);
    if (first == kids.end()) {
        const int row = int(kids.size());
        beginInsertRows(parentIndex, row, row + int(fresh.size()) - 1);
        for (auto &c : fresh) {
            c->rowHint = kids.size();
            kids.push_back(std::move(c));
        }
        endInsertRows();
        return;
    }
    // Rows already there (folders made on the way to a target, or an
    // earlier batch): merging the whole batch in one layout change costs the
    // views one pass, where a row at a time cost one per row.
    const QList<QPersistentModelIndex> parents{QPersistentModelIndex(parentIndex)};
    emit layoutAboutToBeChanged(parents, QAbstractItemModel::VerticalSortHint);
    QModelIndexList from;
    for (const QModelIndex &i : persistentIndexList()) {
        if (i.isValid() && nodeOf(i)->parent == parent)
            from.append(i);
    }
    std::vector<std::unique_ptr<Node>> merged;
    merged.reserve(kids.size() + fresh.size());
    std::move(kids.begin(), first, std::back_inserter(merged));
    std::merge(std::make_move_iterator(first), std::make_move_iterator(kids.end()),
               std::make_move_iterator(fresh.begin()), std::make_move_iterator(fresh.end()),
               std::back_inserter(merged), byNaturalName);
    kids = std::move(merged);
    for (size_t i = 0; i < kids.size(); ++i)
        kids[i]->rowHint = i;
    QModelIndexList to;
    for (const QModelIndex &i : std::as_const(from)) {
        Node *n = nodeOf(i);
        to.append(createIndex(int(n->rowHint), i.column(), n));
    }
    changePersistentIndexList(from, to);
    emit layoutChanged(parents, QAbstractItemModel::VerticalSortHint);
}

void NamespaceModel::removeChild(Node *parent, int row)
{
    QSet<QString> paths;
    collectPaths(parent->children[size_t(row)].get(), paths);
    forgetRequests(parent->children[size_t(row)].get());
    if (parent->children[size_t(row)]->fixed == false)
        parent->byName.remove(parent->children[size_t(row)]->name);
    beginRemoveRows(indexOfNode(parent), row, row);
    parent->children.erase(parent->children.begin() + row);
    endRemoveRows();
    // Stop watching what no remaining node shows (one folder may show twice:
    // home under My Computer and again under its parent). Most removals are
    // of folders never read, which spares the walk over the tree.
    if (paths.isEmpty())
        return;
    QSet<QString> still;
    collectPaths(root_.get(), still);
    for (const QString &p : std::as_const(paths)) {
        if (!still.contains(p))
            watcher_.unwatch(rawpath::toBytes(p));
    }
}

void NamespaceModel::collectPaths(const Node *node, QSet<QString> &paths) const
{
    if (node->loaded && !node->path.isEmpty())
        paths.insert(node->path);
    for (const auto &c : node->children)
        collectPaths(c.get(), paths);
}

void NamespaceModel::onFoldersChanged(const QSet<QByteArray> &paths)
{
    QSet<QString> wanted;
    for (const QByteArray &p : paths)
        wanted.insert(rawpath::toText(p));
    // Collect first: refreshing reports to the views, which may add nodes.
    std::vector<Node *> stale;
    std::function<void(Node *)> walk = [&](Node *n) {
        if (n->loaded && n != computer_ && wanted.contains(n->path))
            stale.push_back(n);
        for (auto &c : n->children)
            walk(c.get());
    };
    walk(root_.get());
    for (Node *n : stale)
        refresh(indexOfNode(n));
}

void NamespaceModel::onEntries(quint64 request, FileEntries &batch)
{
    Node *parent = pending_.value(request);
    if (!parent)
        return;
    // Nothing reaches the views until the batch is merged, so the reference
    // into seen_ cannot go stale while the loop fills it.
    QStringList &seen = seen_[request];
    std::vector<std::unique_ptr<Node>> fresh;
    for (const FileEntry &e : std::as_const(batch)) {
        if (!e.isDir)
            continue;
        seen.append(e.name);
        if (!showHidden_ && (e.attributes & AttrHidden))
            continue;
        if (Node *known = findChild(parent, e.name)) {
            // Made on the way to a folder shown before its parent was read.
            if (known->link != e.isSymlink) {
                known->link = e.isSymlink;
                const QModelIndex at = indexOfNode(known);
                emit dataChanged(at, at, {Qt::DecorationRole});
            }
            continue;
        }
        auto child = std::make_unique<Node>();
        child->name = e.name;
        child->path = joinPath(parent->path, e.name);
        child->mayHaveChildren = e.mayHaveSubdirs;
        child->link = e.isSymlink;
        fresh.push_back(std::move(child));
    }
    addChildren(parent, std::move(fresh));
}

void NamespaceModel::onFinished(quint64 request, int error)
{
    Node *parent = pending_.take(request);
    const QStringList seen = seen_.take(request);
    if (!parent)
        return;
    parent->loading = false;
    parent->loaded = true;
    if (parent != computer_)
        watcher_.watch(rawpath::toBytes(parent->path));
    if (error == 0) {
        // Nodes made on the way to a navigation target that the listing did
        // not find have gone meanwhile.
        const QSet<QString> present(seen.begin(), seen.end());
        for (int row = int(parent->children.size()) - 1; row >= 0; --row) {
            const Node *c = parent->children[size_t(row)].get();
            if (!c->fixed && !present.contains(c->name))
                removeChild(parent, row);
        }
    }
    const QModelIndex idx = indexOfNode(parent);
    if (parent->children.empty())
        emit dataChanged(idx, idx); // let views drop the expander
    emit childrenLoaded(idx);
}

void NamespaceModel::forgetRequests(const Node *subtree)
{
    for (auto it = pending_.begin(); it != pending_.end();) {
        const Node *n = it.value();
        while (n && n != subtree)
            n = n->parent;
        if (n) {
            seen_.remove(it.key());
            it = pending_.erase(it);
        } else {
            ++it;
        }
    }
}

NamespaceModel::Node *NamespaceModel::specialNode(NameSpace nameSpace) const
{
    if (nameSpace == DesktopSpace)
        return desktop_;
    for (const auto &c : desktop_->children) {
        if (c->nameSpace == nameSpace)
            return c.get();
    }
    return nullptr;
}

// The node a path is reached from: the volume (or home, or the desktop
// folder) with the longest path that holds it.
NamespaceModel::Node *NamespaceModel::anchorFor(const QString &path) const
{
    Node *best = nullptr;
    for (const auto &v : computer_->children) {
        if (!v->path.isEmpty() && isUnder(path, v->path) &&
            (!best || v->path.size() > best->path.size()))
            best = v.get();
    }
    // Inside the desktop folder (not the folder itself), the path hangs under
    // Desktop as it does on screen.
    if (!desktop_->path.isEmpty() && path.startsWith(desktop_->path + QLatin1Char('/')) &&
        (!best || desktop_->path.size() > best->path.size()))
        best = desktop_;
    return best;
}

QModelIndex NamespaceModel::indexOf(const Location &location)
{
    if (!location.isFolder())
        return indexOfNode(specialNode(location.nameSpace));
    const QString clean = QDir::cleanPath(location.path);
    if (!clean.startsWith(QLatin1Char('/')))
        return {};
    Node *node = anchorFor(clean);
    if (!node)
        return {};
    const QString rest =
        node->path == QLatin1String("/") ? clean.mid(1) : clean.mid(node->path.size());
    for (const QString &part : rest.split(QLatin1Char('/'), Qt::SkipEmptyParts)) {
        Node *next = findChild(node, part);
        if (!next) {
            auto child = std::make_unique<Node>();
            child->name = part;
            child->path = joinPath(node->path, part);
            next = insertChild(node, std::move(child));
        }
        node->mayHaveChildren = true;
        node = next;
    }
    return indexOfNode(node);
}

NamespaceModel::Node *NamespaceModel::shownNode(const QString &path)
{
    Node *node = anchorFor(path);
    if (!node)
        return nullptr;
    const QString rest =
        node->path == QLatin1String("/") ? path.mid(1) : path.mid(node->path.size());
    for (const QString &part : rest.split(QLatin1Char('/'), Qt::SkipEmptyParts)) {
        if (!(node = findChild(node, part)))
            return nullptr;
    }
    return node;
}

QString NamespaceModel::desktopFolder() const
{
    return rawpath::isDir(rawpath::toBytes(desktopDir_)) ? desktopDir_ : QString();
}

Location NamespaceModel::locationOf(const QModelIndex &index) const
{
    if (!index.isValid())
        return {};
    const Node *n = nodeOf(index);
    if (n->nameSpace != FolderSpace)
        return Location::special(n->nameSpace);
    return Location::folder(n->path);
}

bool NamespaceModel::isLoaded(const QModelIndex &index) const
{
    return nodeOf(index)->loaded;
}

} // namespace tarnwick
