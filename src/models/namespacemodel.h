#pragma once

#include "directorylister.h"
#include "folderwatcher.h"
#include "location.h"

#include <QAbstractItemModel>
#include <QHash>
#include <functional>
#include <memory>

namespace tarnwick {

struct Volume;
class VolumeMonitor;

// The folder tree's model: the whole namespace. "Desktop" is the one top
// node; under it "My Computer" (the root, the home folder and every mounted
// volume), "Control Panel", "Printers", "Recycle Bin", then the folders of the
// user's desktop folder. Folder children are read lazily, off the
// user-interface thread, the first time a node is expanded or navigated
// through.
//
// Roles: Qt::DisplayRole (name), Qt::DecorationRole, Qt::ToolTipRole (path,
// as a tool tip shows it exactly), and the roles below.
class NamespaceModel : public QAbstractItemModel
{
    Q_OBJECT
public:
    enum Role
    {
        PathRole = Qt::UserRole + 1, // absolute path of a folder node, else empty
        NameSpaceRole,               // NameSpace number, FolderSpace for folders
        VolumeIdRole,                // the desktop's volume of a My Computer node, if known
        NetworkRole,                 // true for a My Computer node that is a server's place
    };
    using VolumeSource = std::function<QList<Volume>()>;

    // `volumes` lists the mounted volumes (the system's by default);
    // `desktopDir` and `homeDir` default to the user's.
    explicit NamespaceModel(QObject *parent = nullptr, VolumeSource volumes = {},
                            QString desktopDir = {}, QString homeDir = {});
    ~NamespaceModel() override;

    // The node of a location, creating folder nodes on the way down from the
    // nearest volume (their siblings follow when the parent's listing
    // arrives). Invalid if the path is not absolute.
    QModelIndex indexOf(const Location &location);
    Location locationOf(const QModelIndex &index) const;
    QString pathOf(const QModelIndex &index) const { return locationOf(index).path; }
    // The folder the Desktop node stands for; empty when there is none.
    QString desktopFolder() const;
    bool isLoaded(const QModelIndex &index) const;
    // Reads the mounted volumes again and updates My Computer's children.
    void refreshVolumes();
    void setVolumeSource(VolumeSource volumes);
    // Adds the volumes the desktop has but has not mounted to My Computer,
    // and follows its changes. Not taken over; may be null.
    void setVolumeMonitor(VolumeMonitor *monitor);
    VolumeMonitor *volumeMonitor() const { return monitor_; }
    // The folder My Computer lists first as the system's root: "/" but in
    // tests, which keep to folders of their own.
    const QString &rootFolder() const { return rootFolder_; }
    void setRootFolder(const QString &path);
    // Reads a folder node's children again, if they were read before.
    void refresh(const QModelIndex &index);
    // Whether folders whose names begin with "." are shown.
    void setShowHidden(bool on);
    bool showHidden() const { return showHidden_; }

    QModelIndex index(int row, int column, const QModelIndex &parent = {}) const override;
    QModelIndex parent(const QModelIndex &child) const override;
    int rowCount(const QModelIndex &parent = {}) const override;
    int columnCount(const QModelIndex &parent = {}) const override;
    bool hasChildren(const QModelIndex &parent = {}) const override;
    bool canFetchMore(const QModelIndex &parent) const override;
    void fetchMore(const QModelIndex &parent) override;
    QVariant data(const QModelIndex &index, int role = Qt::DisplayRole) const override;
    Qt::ItemFlags flags(const QModelIndex &index) const override;
    // Dragging a folder out: its path as a file, for any application.
    QStringList mimeTypes() const override;
    QMimeData *mimeData(const QModelIndexList &indexes) const override;
    Qt::DropActions supportedDragActions() const override;
    // Renaming a folder in place: refused names raise renameRefused.
    bool setData(const QModelIndex &index, const QVariant &value, int role = Qt::EditRole) override;

signals:
    void childrenLoaded(const QModelIndex &parent);
    void renamed(const QString &oldPath, const QString &newPath);
    void renameRefused(const QString &message);

private:
    struct Node;
    Node *nodeOf(const QModelIndex &index) const;
    QModelIndex indexOfNode(Node *node) const;
    int rowOf(const Node *node) const;
    Node *findChild(Node *parent, const QString &name) const;
    // The node of a folder already in the tree; none are made on the way.
    Node *shownNode(const QString &path);
    Node *insertChild(Node *parent, std::unique_ptr<Node> child);
    void addChildren(Node *parent, std::vector<std::unique_ptr<Node>> fresh);
    void removeChild(Node *parent, int row);
    Node *specialNode(NameSpace nameSpace) const;
    Node *anchorFor(const QString &path) const;
    void onEntries(quint64 request, FileEntries &batch);
    void onFinished(quint64 request, int error);
    void forgetRequests(const Node *subtree);
    static void movePaths(Node *node, const QString &oldPrefix, const QString &newPrefix);
    void dropHidden(Node *node);
    void refetchLoaded(Node *node);
    void onFoldersChanged(const QSet<QByteArray> &paths);
    void collectPaths(const Node *node, QSet<QString> &paths) const;

    VolumeSource volumes_;
    VolumeMonitor *monitor_ = nullptr;
    QString desktopDir_;
    QString homeDir_;
    QString rootFolder_ = QStringLiteral("/");
    std::unique_ptr<Node> root_; // invisible; its one child is Desktop
    Node *desktop_ = nullptr;
    Node *computer_ = nullptr;
    DirectoryLister lister_;
    // The folders of loaded nodes, so the tree follows folders made, removed
    // or unmounted from outside.
    FolderSetWatcher watcher_;
    QHash<quint64, Node *> pending_;
    QHash<quint64, QStringList> seen_;
    bool showHidden_ = true;
};

} // namespace tarnwick
