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

FoundItemsModel::FoundItemsModel(QObject *parent) : QAbstractTableModel(parent)
{
    // The rows one paint asks for go in one read.
    wantedTimer_.setSingleShot(true);
    wantedTimer_.setInterval(0);
    connect(&wantedTimer_, &QTimer::timeout, this, &FoundItemsModel::readDetails);
}

FoundItemsModel::~FoundItemsModel()
{
    for (const TaskHandle &t : reading_)
        t->cancel();
}

void FoundItemsModel::clear()
{
    beginResetModel();
    ++generation_;
    for (const TaskHandle &t : reading_)
        t->cancel();
    reading_.clear();
    wanted_.clear();
    unknown_ = 0;
    blocks_.clear();
    rows_.clear();
    rows_.shrink_to_fit();
    rowOfId_.clear();
    rowOfId_.shrink_to_fit();
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
    for (const FoundItem &i : std::as_const(batch.items)) {
        const auto id = quint32(rowOfId_.size());
        rowOfId_.push_back(quint32(rows_.size()));
        rows_.push_back(Row{block, i.pathAt, i.pathLength, i.nameAt, i.mode, id, i.size, i.mtime});
        if (i.size < 0)
            ++unknown_;
    }
    endInsertRows();
    batch.items.clear();
    if (sortColumn_ < 0)
        return;
    if (sortColumn_ == SizeColumn || sortColumn_ == ModifiedColumn) {
        for (size_t r = old; r < rows_.size(); ++r)
            want(r);
    }
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
    placeIds(0);
    const QModelIndexList before = persistentIndexList();
    QModelIndexList after;
    after.reserve(before.size());
    for (const QModelIndex &i : before)
        after.append(index(placeOf[size_t(i.row())], i.column()));
    changePersistentIndexList(before, after);
    emit layoutChanged({}, QAbstractItemModel::VerticalSortHint);
}

void FoundItemsModel::placeIds(size_t from)
{
    for (size_t r = from; r < rows_.size(); ++r)
        rowOfId_[rows_[r].id] = quint32(r);
}

void FoundItemsModel::want(size_t row) const
{
    Row &r = rows_[row];
    if (r.size >= 0 || (r.mode & Asked))
        return;
    r.mode |= Asked;
    wanted_.push_back(r.id);
    if (!wantedTimer_.isActive())
        wantedTimer_.start();
}

// lstat, as the walk: a link is shown as itself. Off the window's thread, as
// the folder may be on a server that stopped answering.
void FoundItemsModel::readDetails()
{
    if (wanted_.empty())
        return;
    std::vector<std::pair<quint32, QByteArray>> items;
    items.reserve(wanted_.size());
    for (quint32 id : std::exchange(wanted_, {}))
        if (rowOfId_[id] != NoRow)
            items.emplace_back(id, pathAt(int(rowOfId_[id])));
    const quint64 generation = generation_;
    reading_.push_back(Background::run(this, [this, items, generation](BackgroundTask &task) {
        std::vector<Details> read;
        const auto hand = [&](bool last) {
            task.post([this, generation, last, read = std::exchange(read, {})] {
                takeDetails(generation, read, last);
            });
        };
        for (const auto &[id, path] : items) {
            if (task.cancelled())
                return;
            struct stat st;
            if (lstat(path.constData(), &st) == 0)
                read.push_back({id, st.st_mode, st.st_size, st.st_mtim.tv_sec});
            else // gone meanwhile: nothing to show
                read.push_back({id, 0, 0, 0});
            if (read.size() >= 4096)
                hand(false);
        }
        hand(true);
    }));
}

void FoundItemsModel::takeDetails(quint64 generation, const std::vector<Details> &details,
                                  bool last)
{
    if (generation != generation_)
        return;
    int low = rowCount(), high = -1;
    for (const Details &d : details) {
        const quint32 row = d.id < rowOfId_.size() ? rowOfId_[d.id] : NoRow;
        if (row == NoRow || rows_[row].size >= 0)
            continue;
        Row &r = rows_[row];
        if (d.mode)
            r.mode = d.mode;
        else
            r.mode &= ~Asked;
        r.size = d.size;
        r.mtime = d.mtime;
        --unknown_;
        low = std::min(low, int(row));
        high = std::max(high, int(row));
    }
    if (high >= 0)
        emit dataChanged(index(low, SizeColumn), index(high, ModifiedColumn));
    if (last && (sortColumn_ == SizeColumn || sortColumn_ == ModifiedColumn))
        sort(sortColumn_, sortOrder_);
}

void FoundItemsModel::sort(int column, Qt::SortOrder order)
{
    sortColumn_ = column;
    sortOrder_ = order;
    if (column < 0 || rows_.empty())
        return;
    // Sorted now by what is known, and again once the rest is read.
    if ((column == SizeColumn || column == ModifiedColumn) && unknown_ > 0) {
        for (size_t r = 0; r < rows_.size(); ++r)
            want(r);
    }
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
        rowOfId_[rows_[size_t(r)].id] = NoRow;
        if (rows_[size_t(r)].size < 0)
            --unknown_;
        rows_.erase(rows_.begin() + r);
        placeIds(size_t(r));
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
    qint64 n = qint64(rows_.capacity() * sizeof(Row) + rowOfId_.capacity() * sizeof(quint32) +
                      blocks_.capacity() * sizeof(QByteArray));
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
        if (r.size < 0 && (index.column() == SizeColumn || index.column() == ModifiedColumn)) {
            want(size_t(index.row()));
            return QString();
        }
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
