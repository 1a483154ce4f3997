#pragma once

#include "background.h"
#include "bigarray.h"
#include "contenttypes.h"
#include "directorylister.h"
#include "fileentry.h"
#include "folderwatcher.h"
#include "namepattern.h"
#include "sortkey.h"

#include <QAbstractTableModel>
#include <QHash>
#include <QIcon>
#include <functional>
#include <vector>

namespace tarnwick {

class ThumbnailProvider;

// The contents of one folder as a table. Every entry read from disk is kept
// in `entries_`; `sorted_` orders all of them, and `rows_` is the visible
// subsequence (pattern, hidden and system switches). A new pattern filters
// `sorted_` again without sorting or reading the disk; a new sort sorts
// compact keys (`keys_`) rather than chasing each name through memory. This
// is done here instead of in a QSortFilterProxyModel, whose per-comparison
// QVariant traffic is far too slow for folders of 100,000 entries.
//
// The folder is watched: entries created, removed or changed by other
// programs are merged in place, keeping selection and scroll position.
//
// Roles: Qt::DisplayRole (column text; control characters in names shown as
// U+FFFD), Qt::EditRole (the name itself), Qt::DecorationRole (icon, column
// 0), and the roles below.
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
    // Reads the folder again and merges the difference: the selection and
    // the scroll position stay.
    void refresh();
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
    // Renames the entry shown in `row` by a job; returns why not at once, or
    // empty when the job was started. A failure comes as renameRefused.
    QString rename(int row, const QString &newName);
    // Why `name` cannot be given to an item here, or empty when it can.
    QString nameRefusal(const QString &name, const FileEntry *self) const;

    // Dragging items out: their paths as files, for any application.
    QStringList mimeTypes() const override;
    QMimeData *mimeData(const QModelIndexList &indexes) const override;
    Qt::DropActions supportedDragActions() const override;

    // Entries cut to the clipboard and not pasted yet are drawn dimmed.
    void setCutNames(const QSet<QByteArray> &encodedNames);
    // The folder row a drag hovers over is drawn highlighted; -1 for none.
    void setDropRow(int row);

    static QString sizeText(qint64 bytes);
    QString typeText(const FileEntry &e) const;
    QIcon iconFor(const FileEntry &e) const;

    // Pictures of the files themselves where they have one, from `provider`
    // (the model's parent keeps it); none when null.
    void setThumbnails(ThumbnailProvider *provider);
    // The rows from `first` to `last` are on screen or near it: their
    // pictures are wanted, those nearest `first` soonest.
    void wantThumbnails(int first, int last);

signals:
    // error is 0 or the errno that stopped the listing.
    void loadingFinished(int error);
    void renameRefused(const QString &message);
    // The folder shown was removed or moved away.
    void folderGone();

private:
    using Indices = BigVector<int>; // entries by their place in entries_

    struct SortKey
    {
        std::uint64_t primary = 0;
        NameKey name;
        bool dir = false;
    };
    struct TypeInfo
    {
        QString text;
        QIcon icon;
        QString mimeName;
        bool thumbnailed = false; // files of this type may have a picture of their own
    };

    void onEntries(quint64 request, FileEntries &batch);
    void onFinished(quint64 request, int error);
    void onWatched(const QSet<QByteArray> &names);
    void applyRefresh();

    bool isVisible(const FileEntry &e) const;
    SortKey keyOf(const FileEntry &e) const;
    std::uint64_t primaryOf(const FileEntry &e) const;
    // Below zero when entry a (key x) goes before entry b (key y).
    int compareKeys(const SortKey &x, int a, const SortKey &y, int b) const;
    bool lessThan(int a, int b) const;
    void rekey();
    // The entries `indices` names, in the order of their keys.
    Indices inKeyOrder(const Indices &indices) const;
    void sortAll();
    void refilter();
    // Runs `change` inside a layout change, carrying persistent indexes
    // (selection, current item) to the rows of the same entries.
    void changeLayout(const std::function<void()> &change);
    // Single-entry changes with row signals, for live updates.
    void insertEntry(FileEntry entry);
    void removeEntry(int entryIndex);
    void renamedOnDisk(const QByteArray &from, const QString &newName);
    void lookAtChanged();
    void forgetChanges();
    int liveIndexOf(const QByteArray &encodedName);
    void compact();
    const TypeInfo &typeInfo(const FileEntry &e) const;
    bool mayHaveThumbnail(const FileEntry &e) const;
    QIcon shownIcon(const FileEntry &e) const;
    void thumbnailReady(const QByteArray &path, int row);

    DirectoryLister lister_;
    FolderWatcher watcher_;
    quint64 request_ = 0;
    bool loading_ = false;
    bool refreshing_ = false;
    FileEntries refreshed_;
    QString folder_;
    QByteArray folderBytes_;
    ThumbnailProvider *thumbs_ = nullptr;
    BigVector<FileEntry> entries_;
    BigVector<SortKey> keys_;
    Indices sorted_;
    Indices rows_;
    mutable qsizetype shownFolders_ = -1; // leading rows that are folders; -1 until counted
    QHash<QByteArray, int> byName_;       // built on the first live update
    QSet<QByteArray> changedWhileLoading_;
    QSet<QByteArray> changedPending_; // waiting for the look under way
    TaskHandle lookTask_;
    QSet<QByteArray> cutNames_;
    int dropRow_ = -1;
    int removedCount_ = 0;
    NamePattern pattern_;
    QString patternText_ = QStringLiteral("*.*");
    bool showHidden_ = true;
    bool showSystem_ = true;
    bool renameAllowed_ = true;
    int sortColumn_ = NameColumn;
    Qt::SortOrder sortOrder_ = Qt::AscendingOrder;
    QHash<QString, std::uint64_t> typeRank_;
    mutable QHash<QString, TypeInfo> typeBySuffix_;
    mutable QHash<std::uint16_t, TypeInfo> typeByContent_;
    mutable QHash<qint64, QIcon> linkIcons_; // by the plain icon's key
};

} // namespace tarnwick
