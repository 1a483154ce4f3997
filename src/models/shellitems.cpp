#include "shellitems.h"

#include "plaintext.h"
#include "rawpaths.h"

#include "background.h"
#include "icons.h"
#include "naturalorder.h"

#include <algorithm>

namespace tarnwick {

ShellItemsModel::ShellItemsModel(QObject *parent) : QAbstractTableModel(parent) {}

ShellItemsModel::~ShellItemsModel()
{
    if (gathering_)
        gathering_->cancel();
}

void ShellItemsModel::show(NameSpace nameSpace, Source source)
{
    const bool newColumns = source.headers != source_.headers;
    if (newColumns)
        beginResetModel();
    nameSpace_ = nameSpace;
    source_ = std::move(source);
    if (newColumns) {
        items_.clear();
        rows_.clear();
        sortColumn_ = 0;
        sortOrder_ = Qt::AscendingOrder;
        endResetModel();
    }
    reload();
}

void ShellItemsModel::reload()
{
    const quint64 generation = ++generation_;
    loading_ = true;
    if (!source_.gather) {
        take(generation, {});
        return;
    }
    if (source_.onCallingThread) {
        take(generation, source_.gather());
        return;
    }
    // The gathering may read a slow disk (the trash of a network volume);
    // a later reload supersedes it.
    if (gathering_)
        gathering_->cancel();
    gathering_ =
        Background::run(this, [this, gather = source_.gather, generation](BackgroundTask &task) {
            QList<ShellItem> items = gather();
            task.post([this, generation, items = std::move(items)]() mutable {
                take(generation, std::move(items));
            });
        });
}

void ShellItemsModel::take(quint64 generation, QList<ShellItem> items)
{
    if (generation != generation_)
        return; // a newer request is under way
    beginResetModel();
    items_.assign(std::make_move_iterator(items.begin()), std::make_move_iterator(items.end()));
    rebuild();
    endResetModel();
    loading_ = false;
    emit loadingFinished();
}

void ShellItemsModel::rebuild()
{
    rows_.clear();
    for (int i = 0; i < int(items_.size()); ++i) {
        const ShellItem &item = items_[size_t(i)];
        if (!showHidden_ && item.hidden)
            continue;
        if (item.container || pattern_.matches(item.name))
            rows_.push_back(i);
    }
    const int column = sortColumn_;
    const auto compare = [this, column](int a, int b) {
        const ShellItem &x = items_[size_t(a)];
        const ShellItem &y = items_[size_t(b)];
        if (x.container != y.container)
            return x.container ? -1 : 1;
        int c = 0;
        if (column > 0) {
            const QVariant kx = x.sortKeys.value(column - 1), ky = y.sortKeys.value(column - 1);
            if (kx.isValid() && ky.isValid())
                c = kx.toLongLong() < ky.toLongLong() ? -1
                                                      : (ky.toLongLong() < kx.toLongLong() ? 1 : 0);
            else
                c = naturalCompare(x.columns.value(column - 1), y.columns.value(column - 1));
        }
        return c != 0 ? c : naturalCompare(x.name, y.name);
    };
    std::stable_sort(rows_.begin(), rows_.end(), [&](int a, int b) {
        const bool pa = items_[size_t(a)].pinned, pb = items_[size_t(b)].pinned;
        if (pa || pb)
            return pa && pb ? a < b : pa;
        const int c = compare(a, b);
        // Containers stay first either way.
        if (items_[size_t(a)].container != items_[size_t(b)].container)
            return c < 0;
        return sortOrder_ == Qt::AscendingOrder ? c < 0 : c > 0;
    });
}

void ShellItemsModel::setPattern(const QString &pattern)
{
    beginResetModel();
    pattern_ = NamePattern(pattern);
    rebuild();
    endResetModel();
}

void ShellItemsModel::setShowHidden(bool on)
{
    if (on == showHidden_)
        return;
    beginResetModel();
    showHidden_ = on;
    rebuild();
    endResetModel();
}

void ShellItemsModel::sort(int column, Qt::SortOrder order)
{
    if (column < 0 || column >= columnCount())
        return;
    emit layoutAboutToBeChanged();
    const QModelIndexList before = persistentIndexList();
    std::vector<int> itemOf;
    for (const QModelIndex &i : before)
        itemOf.push_back(i.isValid() ? rows_[size_t(i.row())] : -1);
    sortColumn_ = column;
    sortOrder_ = order;
    rebuild();
    QModelIndexList after;
    for (qsizetype k = 0; k < before.size(); ++k) {
        const auto pos = std::find(rows_.begin(), rows_.end(), itemOf[size_t(k)]);
        after.append(pos == rows_.end() ? QModelIndex()
                                        : index(int(pos - rows_.begin()), before[k].column()));
    }
    changePersistentIndexList(before, after);
    emit layoutChanged();
}

int ShellItemsModel::rowCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : int(rows_.size());
}

int ShellItemsModel::columnCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : std::max(1, int(source_.headers.size()));
}

QVariant ShellItemsModel::data(const QModelIndex &index, int role) const
{
    if (!index.isValid() || index.row() >= int(rows_.size()))
        return {};
    const ShellItem &item = itemAt(index.row());
    switch (role) {
    case Qt::DisplayRole:
        return rawpath::visible(index.column() == 0 ? item.name
                                                    : item.columns.value(index.column() - 1));
    case Qt::EditRole:
        return index.column() == 0 ? item.name : item.columns.value(index.column() - 1);
    case Qt::ToolTipRole:
        return index.column() == 0 ? QVariant(plainToolTip(rawpath::visible(
                                         item.path.isEmpty() ? item.name : item.path)))
                                   : QVariant();
    case Qt::DecorationRole: {
        if (index.column() != 0)
            break;
        const QString key = item.dimmed ? QLatin1Char('\n') + item.iconName : item.iconName;
        auto it = icons_.constFind(key);
        if (it == icons_.constEnd()) {
            const QIcon fallback = item.container ? Icons::folder() : Icons::file();
            const QIcon icon =
                item.iconName.isEmpty() ? fallback : Icons::themed(item.iconName, fallback);
            it = icons_.insert(key, item.dimmed ? Icons::dimmed(icon) : icon);
        }
        return *it;
    }
    case PathRole:
        return item.path;
    case IsFolderRole:
        return item.container;
    }
    return {};
}

QVariant ShellItemsModel::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (orientation != Qt::Horizontal || role != Qt::DisplayRole)
        return {};
    return source_.headers.value(section);
}

Qt::ItemFlags ShellItemsModel::flags(const QModelIndex &index) const
{
    if (!index.isValid())
        return Qt::NoItemFlags;
    return Qt::ItemIsEnabled | Qt::ItemIsSelectable | Qt::ItemNeverHasChildren;
}

} // namespace tarnwick
