#pragma once

#include "directorylister.h"
#include "fileentry.h"
#include "namepattern.h"

#include <QAbstractTableModel>
#include <QHash>
#include <QIcon>
#include <functional>
#include <vector>

namespace tarnwick {

// The contents of one folder as a table: every entry read from disk is kept,
// and `rows_` holds the visible ones (pattern, hidden and system switches) in
// sort order. Filtering and sorting work on that index vector rather than
// through a QSortFilterProxyModel, whose per-comparison QVariant traffic is
// too slow for folders of 100,000 entries.
//
// Roles: Qt::DisplayRole (column text), Qt::DecorationRole (icon, column 0),
// Qt::ToolTipRole, and the roles below.
class FolderModel : public QAbstractTableModel
{
    Q_OBJECT
public:
    enum Column
    {
        NameColumn,
        SizeColumn,
        TypeColumn,
        ModifiedColumn,
        ColumnCount
    };
    enum Role
    {
        PathRole = Qt::UserRole + 1, // absolute path (QString)
        IsFolderRole,                // bool
        AttributesRole,              // FileAttribute bits (uint)
        SizeRole,                    // qint64 bytes
        ModifiedRole,                // qint64 seconds since the epoch
    };

    explicit FolderModel(QObject *parent = nullptr);

    // Starts reading `path` off the user-interface thread; rows arrive as
    // batches. An empty path clears the model.
    void setFolder(const QString &path);
    QString folder() const { return folder_; }
    void reload();
    bool isLoading() const { return loading_; }

    void setPattern(const QString &pattern);
    QString pattern() const { return patternText_; }
    void setShowHidden(bool on);
    bool showHidden() const { return showHidden_; }
    void setShowSystem(bool on);
    bool showSystem() const { return showSystem_; }

    int sortColumn() const { return sortColumn_; }
    Qt::SortOrder sortOrder() const { return sortOrder_; }

    const FileEntry &entryAt(int row) const { return entries_[size_t(rows_[size_t(row)])]; }
    QString pathAt(int row) const;
    int rowOfName(const QString &name) const;

    int rowCount(const QModelIndex &parent = {}) const override;
    int columnCount(const QModelIndex &parent = {}) const override;
    QVariant data(const QModelIndex &index, int role = Qt::DisplayRole) const override;
    QVariant headerData(int section, Qt::Orientation orientation,
                        int role = Qt::DisplayRole) const override;
    Qt::ItemFlags flags(const QModelIndex &index) const override;
    void sort(int column, Qt::SortOrder order = Qt::AscendingOrder) override;
    // Renaming in place (column 0, edit role); refused names raise
    // renameRefused and change nothing.
    bool setData(const QModelIndex &index, const QVariant &value, int role = Qt::EditRole) override;
    void setRenameAllowed(bool on) { renameAllowed_ = on; }
    bool renameAllowed() const { return renameAllowed_; }
    // Renames the entry shown in `row`; returns why not, or empty on success.
    QString rename(int row, const QString &newName);
    // Why `name` cannot be given to an item here, or empty when it can.
    QString nameRefusal(const QString &name, const FileEntry *self) const;

    static QString sizeText(qint64 bytes);
    QString typeText(const FileEntry &e) const;

signals:
    // error is 0 or the errno that stopped the listing.
    void loadingFinished(int error);
    void renameRefused(const QString &message);

private:
    void onEntries(quint64 request, const FileEntries &batch);
    void onFinished(quint64 request, int error);
    bool isVisible(const FileEntry &e) const;
    bool lessThan(int a, int b) const;
    void sortRows(std::vector<int> &rows) const;
    void rebuildRows();
    // Runs `change` on rows_ inside a layout change, carrying persistent
    // indexes (selection, current item) to the rows of the same entries.
    void changeLayout(const std::function<void()> &change);

    DirectoryLister lister_;
    quint64 request_ = 0;
    bool loading_ = false;
    QString folder_;
    std::vector<FileEntry> entries_;
    std::vector<int> rows_;
    NamePattern pattern_;
    QString patternText_ = QStringLiteral("*.*");
    bool showHidden_ = true;
    bool showSystem_ = true;
    bool renameAllowed_ = true;
    int sortColumn_ = NameColumn;
    Qt::SortOrder sortOrder_ = Qt::AscendingOrder;
    QIcon folderIcon_, fileIcon_, linkIcon_;
    mutable QHash<QString, QString> typeBySuffix_;
};

} // namespace tarnwick
