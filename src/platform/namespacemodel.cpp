#include "namespacemodel.h"

#include "icons.h"
#include "naturalorder.h"

#include <QDir>
#include <QSet>
#include <algorithm>

namespace tarnwick {

struct NamespaceModel::Node
{
    Kind kind = Kind::Folder;
    QString name;
    QString path;
    Node *parent = nullptr;
    std::vector<std::unique_ptr<Node>> children;
    bool loaded = false;
    bool loading = false;
    bool mayHaveChildren = true;
};

NamespaceModel::NamespaceModel(QObject *parent)
    : QAbstractItemModel(parent), root_(std::make_unique<Node>()),
      lister_(DirectoryLister::Mode::Queue), folderIcon_(Icons::folder())
{
    root_->loaded = true;
    auto top = std::make_unique<Node>();
    top->name = QStringLiteral("/");
    top->path = QStringLiteral("/");
    top->parent = root_.get();
    root_->children.push_back(std::move(top));
    connect(&lister_, &DirectoryLister::entriesReady, this, &NamespaceModel::onEntries);
    connect(&lister_, &DirectoryLister::finished, this, &NamespaceModel::onFinished);
}

NamespaceModel::~NamespaceModel() = default;

NamespaceModel::Node *NamespaceModel::nodeOf(const QModelIndex &index) const
{
    return index.isValid() ? static_cast<Node *>(index.internalPointer()) : root_.get();
}

int NamespaceModel::rowOf(const Node *node) const
{
    const auto &siblings = node->parent->children;
    for (size_t i = 0; i < siblings.size(); ++i) {
        if (siblings[i].get() == node)
            return int(i);
    }
    return -1;
}

QModelIndex NamespaceModel::indexOf(Node *node) const
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
    return indexOf(nodeOf(child)->parent);
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
    return !n->loaded && !n->loading && n->kind == Kind::Folder && !n->path.isEmpty();
}

void NamespaceModel::fetchMore(const QModelIndex &parent)
{
    Node *n = nodeOf(parent);
    if (!canFetchMore(parent))
        return;
    n->loading = true;
    const quint64 id = lister_.list(n->path, {.foldersOnly = true});
    pending_.insert(id, n);
    seen_.insert(id, std::make_shared<QStringList>());
}

NamespaceModel::Node *NamespaceModel::findChild(Node *parent, const QString &name) const
{
    for (auto &c : parent->children) {
        if (c->name == name)
            return c.get();
    }
    return nullptr;
}

NamespaceModel::Node *NamespaceModel::insertChild(Node *parent, std::unique_ptr<Node> child)
{
    auto &kids = parent->children;
    const auto pos =
        std::lower_bound(kids.begin(), kids.end(), child, [](const auto &a, const auto &b) {
            return naturalCompare(a->name, b->name) < 0;
        });
    const int row = int(pos - kids.begin());
    child->parent = parent;
    Node *raw = child.get();
    beginInsertRows(indexOf(parent), row, row);
    kids.insert(kids.begin() + row, std::move(child));
    endInsertRows();
    return raw;
}

void NamespaceModel::onEntries(quint64 request, const FileEntries &batch)
{
    Node *parent = pending_.value(request);
    if (!parent)
        return;
    auto seen = seen_.value(request);
    for (const FileEntry &e : batch) {
        if (!e.isDir)
            continue;
        seen->append(e.name);
        if (findChild(parent, e.name))
            continue;
        auto child = std::make_unique<Node>();
        child->name = e.name;
        child->path = joinPath(parent->path, e.name);
        child->mayHaveChildren = e.mayHaveSubdirs;
        insertChild(parent, std::move(child));
    }
}

void NamespaceModel::onFinished(quint64 request, int error)
{
    Node *parent = pending_.take(request);
    const auto seen = seen_.take(request);
    if (!parent)
        return;
    parent->loading = false;
    parent->loaded = true;
    if (error == 0 && seen) {
        // Nodes made on the way to a navigation target that the listing did
        // not find have gone meanwhile.
        const QSet<QString> present(seen->begin(), seen->end());
        for (int row = int(parent->children.size()) - 1; row >= 0; --row) {
            if (present.contains(parent->children[size_t(row)]->name))
                continue;
            forgetRequests(parent->children[size_t(row)].get());
            beginRemoveRows(indexOf(parent), row, row);
            parent->children.erase(parent->children.begin() + row);
            endRemoveRows();
        }
    }
    const QModelIndex idx = indexOf(parent);
    if (parent->children.empty()) {
        // Let views drop the expander.
        emit dataChanged(idx, idx);
    }
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

QModelIndex NamespaceModel::ensurePath(const QString &absolutePath)
{
    const QString clean = QDir::cleanPath(absolutePath);
    if (!clean.startsWith(QLatin1Char('/')))
        return {};
    Node *node = root_->children.front().get();
    const QStringList parts = clean.split(QLatin1Char('/'), Qt::SkipEmptyParts);
    for (const QString &part : parts) {
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
    return indexOf(node);
}

QString NamespaceModel::pathOf(const QModelIndex &index) const
{
    return index.isValid() ? nodeOf(index)->path : QString();
}

bool NamespaceModel::isLoaded(const QModelIndex &index) const
{
    return nodeOf(index)->loaded;
}

QVariant NamespaceModel::data(const QModelIndex &index, int role) const
{
    if (!index.isValid())
        return {};
    const Node *n = nodeOf(index);
    switch (role) {
    case Qt::DisplayRole:
    case Qt::ToolTipRole:
        return n->name;
    case Qt::DecorationRole:
        return folderIcon_;
    case PathRole:
        return n->path;
    case KindRole:
        return int(n->kind);
    }
    return {};
}

Qt::ItemFlags NamespaceModel::flags(const QModelIndex &index) const
{
    if (!index.isValid())
        return Qt::NoItemFlags;
    return Qt::ItemIsEnabled | Qt::ItemIsSelectable;
}

} // namespace tarnwick
