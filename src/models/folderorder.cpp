// The folder model's order and filter: sort keys, sorting, the name pattern
// and the hidden and system switches. A folder may hold a million entries,
// so each step here is one pass over flat arrays, split across two threads
// where it is large enough to pay for them.
#include "foldermodel.h"

#include "naturalorder.h"

#include <algorithm>
#include <thread>

namespace tarnwick {

namespace {

// Below this many items a second thread costs more than it saves.
constexpr size_t SplitFrom = 50000;

// Runs `work(begin, end)` over [0, n), in two halves at once when n is large.
template <typename Work> void inHalves(size_t n, const Work &work)
{
    if (n < SplitFrom) {
        work(size_t(0), n);
        return;
    }
    std::thread first([&] { work(size_t(0), n / 2); });
    work(n / 2, n);
    first.join();
}

} // namespace

bool FolderModel::isVisible(const FileEntry &e) const
{
    if (!showHidden_ && (e.attributes & AttrHidden))
        return false;
    if (!showSystem_ && (e.attributes & AttrSystem))
        return false;
    // Folders always show, so the user can still move about under a pattern.
    return e.isDir || pattern_.matches(e.name);
}

std::uint64_t FolderModel::primaryOf(const FileEntry &e) const
{
    switch (sortColumn_) {
    case SizeColumn:
        return e.isDir ? 0 : std::uint64_t(e.size);
    case ModifiedColumn:
        return std::uint64_t(e.mtime) ^ (std::uint64_t(1) << 63);
    case TypeColumn:
        return typeRank_.value(typeText(e));
    default:
        return 0;
    }
}

FolderModel::SortKey FolderModel::keyOf(const FileEntry &e) const
{
    SortKey k;
    k.dir = e.isDir;
    k.name = NameKey::of(e.name);
    k.primary = primaryOf(e);
    return k;
}

int FolderModel::compareKeys(const SortKey &x, int a, const SortKey &y, int b) const
{
    // Folders first in either direction.
    if (x.dir != y.dir)
        return x.dir ? -2 : 2;
    int c = x.primary == y.primary ? 0 : (x.primary < y.primary ? -1 : 1);
    if (c == 0)
        c = NameKey::compare(x.name.words, y.name.words);
    if (c == 0)
        c = naturalCompare(entries_[size_t(a)].name, entries_[size_t(b)].name);
    return sortOrder_ == Qt::AscendingOrder ? c : -c;
}

bool FolderModel::lessThan(int a, int b) const
{
    return compareKeys(keys_[size_t(a)], a, keys_[size_t(b)], b) < 0;
}

void FolderModel::rekey()
{
    if (sortColumn_ == TypeColumn) {
        // Types are few: rank them once, so the key orders them exactly.
        QStringList types;
        for (const FileEntry &e : entries_)
            types.append(typeText(e));
        types.removeDuplicates();
        std::sort(types.begin(), types.end(),
                  [](const QString &a, const QString &b) { return naturalCompare(a, b) < 0; });
        typeRank_.clear();
        for (int i = 0; i < types.size(); ++i)
            typeRank_.insert(types[i], std::uint64_t(i));
    }
    // The name part of a key never changes with the column.
    for (size_t i = 0; i < entries_.size(); ++i)
        keys_[i].primary = primaryOf(entries_[i]);
}

FolderModel::Indices FolderModel::inKeyOrder(const Indices &indices) const
{
    // Sorted as keys beside their entry's number, not as numbers that point
    // into the keys, so the comparisons stay within the cache. The keys are
    // copied by the two threads that sort them, so the first touch of each
    // fresh page is shared between them too.
    struct Keyed
    {
        std::uint64_t primary;
        NameKey::Words name;
        int index;
        bool dir;
    };
    const size_t n = indices.size();
    const BigBuffer<Keyed> keyed(n);
    const auto less = [this](const Keyed &x, const Keyed &y) {
        if (x.dir != y.dir)
            return x.dir;
        int c = x.primary == y.primary ? 0 : (x.primary < y.primary ? -1 : 1);
        if (c == 0)
            c = NameKey::compare(x.name, y.name);
        if (c == 0)
            c = naturalCompare(entries_[size_t(x.index)].name, entries_[size_t(y.index)].name);
        return sortOrder_ == Qt::AscendingOrder ? c < 0 : c > 0;
    };
    inHalves(n, [&](size_t begin, size_t end) {
        for (size_t k = begin; k < end; ++k) {
            const SortKey &key = keys_[size_t(indices[k])];
            keyed[k] = {key.primary, key.name.words, indices[k], key.dir};
        }
        std::sort(keyed.get() + begin, keyed.get() + end, less);
    });
    Indices order(n);
    if (n < SplitFrom) {
        for (size_t k = 0; k < n; ++k)
            order[k] = keyed[k].index;
        return order;
    }
    // The halves merge straight into the order, with no buffer of keys.
    const Keyed *a = keyed.get(), *aEnd = a + n / 2, *b = aEnd, *bEnd = keyed.get() + n;
    for (int &out : order)
        out = (b == bEnd || (a != aEnd && !less(*b, *a))) ? (a++)->index : (b++)->index;
    return order;
}

void FolderModel::sortAll()
{
    Indices live;
    live.reserve(entries_.size() - size_t(removedCount_));
    for (int i = 0; i < int(entries_.size()); ++i) {
        if (!entries_[size_t(i)].removed)
            live.push_back(i);
    }
    sorted_ = inKeyOrder(live);
}

void FolderModel::refilter()
{
    // Matched in the entries' own order, which is the order their names lie
    // in memory, then picked out in the sorted order.
    std::vector<std::uint8_t> visible(entries_.size());
    inHalves(entries_.size(), [&](size_t begin, size_t end) {
        for (size_t i = begin; i < end; ++i)
            visible[i] = isVisible(entries_[i]);
    });
    rows_.clear();
    rows_.reserve(sorted_.size());
    for (int i : sorted_) {
        if (visible[size_t(i)])
            rows_.push_back(i);
    }
}

void FolderModel::changeLayout(const std::function<void()> &change)
{
    emit layoutAboutToBeChanged();
    const QModelIndexList before = persistentIndexList();
    std::vector<int> entryOf;
    entryOf.reserve(size_t(before.size()));
    for (const QModelIndex &i : before)
        entryOf.push_back(i.isValid() ? rows_[size_t(i.row())] : -1);

    change();

    if (!before.isEmpty()) {
        std::vector<int> rowOfEntry(entries_.size(), -1);
        for (int r = 0; r < int(rows_.size()); ++r)
            rowOfEntry[size_t(rows_[size_t(r)])] = r;
        QModelIndexList after;
        after.reserve(before.size());
        for (qsizetype k = 0; k < before.size(); ++k) {
            const int e = entryOf[size_t(k)];
            const int r = e >= 0 && size_t(e) < rowOfEntry.size() ? rowOfEntry[size_t(e)] : -1;
            after.append(r >= 0 ? index(r, before[k].column()) : QModelIndex());
        }
        changePersistentIndexList(before, after);
    }
    emit layoutChanged();
}

void FolderModel::setPattern(const QString &pattern)
{
    patternText_ = pattern;
    pattern_ = NamePattern(pattern);
    changeLayout([this] { refilter(); });
}

void FolderModel::setShowHidden(bool on)
{
    if (showHidden_ == on)
        return;
    showHidden_ = on;
    changeLayout([this] { refilter(); });
}

void FolderModel::setShowSystem(bool on)
{
    if (showSystem_ == on)
        return;
    showSystem_ = on;
    changeLayout([this] { refilter(); });
}

void FolderModel::sort(int column, Qt::SortOrder order)
{
    if (column < 0 || column >= ColumnCount)
        return;
    const bool newKeys = column != sortColumn_;
    sortColumn_ = column;
    sortOrder_ = order;
    changeLayout([&] {
        if (newKeys)
            rekey();
        sortAll();
        refilter();
    });
}

} // namespace tarnwick
