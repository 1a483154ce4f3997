#include "founditemsmodel.h"

#include "foldermodel.h"
#include "icons.h"
#include "naturalorder.h"
#include "rawpaths.h"
#include "sortkey.h"

#include <QDateTime>
#include <QLocale>
#include <algorithm>
#include <numeric>
#include <sys/stat.h>

namespace tarnwick {

FoundItemsModel::FoundItemsModel(QObject *parent) : QAbstractTableModel(parent) {}

void FoundItemsModel::clear()
{
    beginResetModel();
    blocks_.clear();
    rows_.clear();
    rows_.shrink_to_fit();
    endResetModel();
}

void FoundItemsModel::append(FoundBatch &batch)
{
    if (batch.items.isEmpty())
        return;
    const auto block = quint32(blocks_.size());
    blocks_.push_back(std::exchange(batch.bytes, {}));
    const size_t old = rows_.size();
    beginInsertRows({}, int(old), int(old + size_t(batch.items.size())) - 1);
    for (const FoundItem &i : std::as_const(batch.items))
        rows_.push_back(Row{block, i.pathAt, i.pathLength, i.nameAt, i.mode, i.size, i.mtime});
    endInsertRows();
    batch.items.clear();
    if (sortColumn_ < 0)
        return;
    // Sorted, the new rows are merged in among the old.
    std::vector<quint32> order(rows_.size());
    std::iota(order.begin(), order.end(), 0u);
    const auto less = [this](quint32 a, quint32 b) { return lessThan(rows_[a], rows_[b]); };
    std::stable_sort(order.begin() + qsizetype(old), order.end(), less);
    std::inplace_merge(order.begin(), order.begin() + qsizetype(old), order.end(), less);
    reorder(order);
}

void FoundItemsModel::reorder(const std::vector<quint32> &order)
{
    emit layoutAboutToBeChanged({}, QAbstractItemModel::VerticalSortHint);
    std::vector<Row> sorted;
    sorted.reserve(rows_.size());
    std::vector<int> placeOf(rows_.size());
    for (size_t at = 0; at < order.size(); ++at) {
        sorted.push_back(rows_[order[at]]);
        placeOf[order[at]] = int(at);
    }
    rows_ = std::move(sorted);
    const QModelIndexList before = persistentIndexList();
    QModelIndexList after;
    after.reserve(before.size());
    for (const QModelIndex &i : before)
        after.append(index(placeOf[size_t(i.row())], i.column()));
    changePersistentIndexList(before, after);
    emit layoutChanged({}, QAbstractItemModel::VerticalSortHint);
}

void FoundItemsModel::sort(int column, Qt::SortOrder order)
{
    sortColumn_ = column;
    sortOrder_ = order;
    if (column < 0 || rows_.empty())
        return;
    std::vector<quint32> byOrder(rows_.size());
    std::iota(byOrder.begin(), byOrder.end(), 0u);
    if (column == NameColumn || column == FolderColumn) {
        // Keys made once per row; names read again only where keys tie.
        const auto text = [this, column](quint32 r) {
            return column == NameColumn ? nameText(rows_[r]) : folderText(rows_[r]);
        };
        sortByName(byOrder, text);
        if (order == Qt::DescendingOrder)
            std::reverse(byOrder.begin(), byOrder.end());
    } else {
        std::stable_sort(byOrder.begin(), byOrder.end(),
                         [this](quint32 a, quint32 b) { return lessThan(rows_[a], rows_[b]); });
    }
    reorder(byOrder);
}

bool FoundItemsModel::lessThan(const Row &a, const Row &b) const
{
    const bool down = sortOrder_ == Qt::DescendingOrder;
    const Row &x = down ? b : a;
    const Row &y = down ? a : b;
    switch (sortColumn_) {
    case NameColumn:
        return naturalCompare(nameText(x), nameText(y)) < 0;
    case FolderColumn:
        return naturalCompare(folderText(x), folderText(y)) < 0;
    case SizeColumn: // folders before files, as they have no size
        return (S_ISDIR(x.mode) ? -1 : x.size) < (S_ISDIR(y.mode) ? -1 : y.size);
    case ModifiedColumn:
        return x.mtime < y.mtime;
    default:
        return false;
    }
}

void FoundItemsModel::removeWhere(const std::function<bool(const QByteArray &)> &gone,
                                  const QList<int> &rows)
{
    QList<int> doomed;
    for (int r : rows)
        if (r >= 0 && r < rowCount() && gone(pathAt(r)))
            doomed.append(r);
    std::sort(doomed.begin(), doomed.end(), std::greater<>());
    doomed.erase(std::unique(doomed.begin(), doomed.end()), doomed.end());
    for (int r : std::as_const(doomed)) {
        beginRemoveRows({}, r, r);
        rows_.erase(rows_.begin() + r);
        endRemoveRows();
    }
}

QByteArray FoundItemsModel::bytesOf(const Row &row, quint32 from, quint32 length) const
{
    return blocks_[row.block].mid(qsizetype(row.pathAt + from), qsizetype(length));
}

QByteArray FoundItemsModel::pathAt(int row) const
{
    const Row &r = rows_[size_t(row)];
    return bytesOf(r, 0, r.pathLength);
}

QByteArray FoundItemsModel::folderAt(int row) const
{
    const Row &r = rows_[size_t(row)];
    // The separator before the name goes, but for the root's own.
    return bytesOf(r, 0, r.nameAt > 1 ? r.nameAt - 1 : r.nameAt);
}

QByteArray FoundItemsModel::nameAt(int row) const
{
    const Row &r = rows_[size_t(row)];
    return bytesOf(r, r.nameAt, r.pathLength - r.nameAt);
}

bool FoundItemsModel::isDirAt(int row) const
{
    return S_ISDIR(rows_[size_t(row)].mode);
}

QString FoundItemsModel::nameText(const Row &row) const
{
    return rawpath::toText(bytesOf(row, row.nameAt, row.pathLength - row.nameAt));
}

QString FoundItemsModel::folderText(const Row &row) const
{
    return rawpath::toText(bytesOf(row, 0, row.nameAt > 1 ? row.nameAt - 1 : row.nameAt));
}

qint64 FoundItemsModel::bytesUsed() const
{
    qint64 n = qint64(rows_.capacity() * sizeof(Row) + blocks_.capacity() * sizeof(QByteArray));
    for (const QByteArray &b : blocks_)
        n += b.capacity();
    return n;
}

int FoundItemsModel::rowCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : int(rows_.size());
}

int FoundItemsModel::columnCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : ColumnCount;
}

QVariant FoundItemsModel::data(const QModelIndex &index, int role) const
{
    if (!index.isValid() || size_t(index.row()) >= rows_.size())
        return {};
    const Row &r = rows_[size_t(index.row())];
    const bool dir = S_ISDIR(r.mode);
    if (role == Qt::DisplayRole) {
        switch (index.column()) {
        case NameColumn:
            return rawpath::visible(nameText(r));
        case FolderColumn:
            return rawpath::visible(folderText(r));
        case SizeColumn:
            return dir ? QString() : FolderModel::sizeText(r.size);
        case ModifiedColumn:
            return QLocale().toString(QDateTime::fromSecsSinceEpoch(r.mtime), QLocale::ShortFormat);
        default:
            return {};
        }
    }
    if (role == Qt::DecorationRole && index.column() == NameColumn)
        return dir ? Icons::folder() : Icons::file();
    if (role == Qt::TextAlignmentRole && index.column() == SizeColumn)
        return QVariant::fromValue(Qt::Alignment(Qt::AlignRight | Qt::AlignVCenter));
    return {};
}

QVariant FoundItemsModel::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (orientation != Qt::Horizontal || role != Qt::DisplayRole)
        return {};
    switch (section) {
    case NameColumn:
        return tr("Name");
    case FolderColumn:
        return tr("In Folder");
    case SizeColumn:
        return tr("Size");
    case ModifiedColumn:
        return tr("Modified");
    default:
        return {};
    }
}

} // namespace tarnwick
