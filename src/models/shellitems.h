#pragma once

#include "background.h"
#include "location.h"
#include "namepattern.h"

#include <QAbstractTableModel>
#include <QIcon>
#include <QVariant>
#include <functional>
#include <vector>

namespace tarnwick {

// One item of a special place's listing: a volume, a settings application, a
// printer, a trashed file, or an item on the desktop.
struct ShellItem
{
    QString name;
    QString iconName;       // theme icon; the model draws a fallback
    bool container = false; // folder-like: always shown, whatever the pattern
    QStringList columns;    // texts of the columns after the name
    QVariantList sortKeys;  // per column after the name: numbers sort as numbers
    Location target;        // where opening it goes, if anywhere
    QString path;           // the file it stands for, if any
    QByteArray encodedPath; // the bytes of that file's path, which `path` may not keep
    QString program;        // what opening it starts, if anything
    QStringList arguments;
    bool hidden = false;
    bool pinned = false; // stays first, in the source's order, however sorted
    QString volumeId;    // a volume not mounted, which opening mounts
    bool dimmed = false; // present but not in use
};

// The contents of a special place. Its items are gathered off the
// user-interface thread, except where the source must run on it.
class ShellItemsModel : public QAbstractTableModel
{
    Q_OBJECT
public:
    enum Role
    {
        PathRole = Qt::UserRole + 1, // same numbers as the folder model's
        IsFolderRole,
    };
    struct Source
    {
        QStringList headers; // column titles, name first
        std::function<QList<ShellItem>()> gather;
        bool onCallingThread = false;
    };

    explicit ShellItemsModel(QObject *parent = nullptr);
    ~ShellItemsModel() override;

    // Shows the items of `nameSpace` from `source`, gathered anew.
    void show(NameSpace nameSpace, Source source);
    void reload();
    NameSpace nameSpace() const { return nameSpace_; }
    bool isLoading() const { return loading_; }

    void setPattern(const QString &pattern);
    void setShowHidden(bool on);
    const ShellItem &itemAt(int row) const { return items_[size_t(rows_[size_t(row)])]; }

    int rowCount(const QModelIndex &parent = {}) const override;
    int columnCount(const QModelIndex &parent = {}) const override;
    QVariant data(const QModelIndex &index, int role = Qt::DisplayRole) const override;
    QVariant headerData(int section, Qt::Orientation orientation,
                        int role = Qt::DisplayRole) const override;
    Qt::ItemFlags flags(const QModelIndex &index) const override;
    void sort(int column, Qt::SortOrder order = Qt::AscendingOrder) override;

signals:
    void loadingFinished();

private:
    void take(quint64 generation, QList<ShellItem> items);
    void rebuild();

    NameSpace nameSpace_ = FolderSpace;
    Source source_;
    quint64 generation_ = 0;
    TaskHandle gathering_;
    bool loading_ = false;
    std::vector<ShellItem> items_;
    std::vector<int> rows_;
    NamePattern pattern_;
    bool showHidden_ = true;
    int sortColumn_ = 0;
    Qt::SortOrder sortOrder_ = Qt::AscendingOrder;
    mutable QHash<QString, QIcon> icons_;
};

} // namespace tarnwick
