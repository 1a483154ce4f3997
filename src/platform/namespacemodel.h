#pragma once

#include "directorylister.h"

#include <QAbstractItemModel>
#include <QHash>
#include <QIcon>
#include <memory>
#include <vector>

namespace tarnwick {

// The folder tree's model. Every node is a place the user can go to: a
// file-system folder, or one of the special places of the namespace. Children
// are read lazily, off the user-interface thread, the first time a node is
// expanded or navigated through.
//
// Roles: Qt::DisplayRole (name), Qt::DecorationRole, and the roles below.
class NamespaceModel : public QAbstractItemModel
{
    Q_OBJECT
public:
    enum class Kind
    {
        Folder
    };
    enum Role
    {
        PathRole = Qt::UserRole + 1, // absolute path of a folder node (QString)
        KindRole,                    // Kind as int
    };

    explicit NamespaceModel(QObject *parent = nullptr);
    ~NamespaceModel() override;

    // The node of an absolute folder path, creating the nodes on the way down
    // from the root where they are not known yet (their siblings follow when
    // the parent's listing arrives). Invalid if the path is not below a root.
    QModelIndex ensurePath(const QString &absolutePath);
    QString pathOf(const QModelIndex &index) const;
    bool isLoaded(const QModelIndex &index) const;

    QModelIndex index(int row, int column, const QModelIndex &parent = {}) const override;
    QModelIndex parent(const QModelIndex &child) const override;
    int rowCount(const QModelIndex &parent = {}) const override;
    int columnCount(const QModelIndex &parent = {}) const override;
    bool hasChildren(const QModelIndex &parent = {}) const override;
    bool canFetchMore(const QModelIndex &parent) const override;
    void fetchMore(const QModelIndex &parent) override;
    QVariant data(const QModelIndex &index, int role = Qt::DisplayRole) const override;
    Qt::ItemFlags flags(const QModelIndex &index) const override;

signals:
    void childrenLoaded(const QModelIndex &parent);

private:
    struct Node;
    Node *nodeOf(const QModelIndex &index) const;
    QModelIndex indexOf(Node *node) const;
    int rowOf(const Node *node) const;
    Node *findChild(Node *parent, const QString &name) const;
    Node *insertChild(Node *parent, std::unique_ptr<Node> child);
    void onEntries(quint64 request, const FileEntries &batch);
    void onFinished(quint64 request, int error);
    void forgetRequests(const Node *subtree);

    std::unique_ptr<Node> root_; // invisible; its children are the top-level nodes
    DirectoryLister lister_;
    QHash<quint64, Node *> pending_;
    QHash<quint64, std::shared_ptr<QStringList>> seen_;
    QIcon folderIcon_;
};

} // namespace tarnwick
