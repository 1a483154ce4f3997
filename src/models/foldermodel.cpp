#include "foldermodel.h"

#include "background.h"
#include "clipboardfiles.h"
#include "contenttypes.h"
#include "datasize.h"
#include "icons.h"
#include "jobs.h"
#include "naturalorder.h"
#include "plaintext.h"
#include "rawpaths.h"
#include "thumbnails.h"

#include <QColor>
#include <QDateTime>
#include <QGuiApplication>
#include <QLocale>
#include <QMimeDatabase>
#include <QPalette>
#include <algorithm>
#include <cerrno>
#include <climits>
#include <cstdio>
#include <cstring>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace tarnwick {

FolderModel::FolderModel(QObject *parent)
    : QAbstractTableModel(parent), lister_(DirectoryLister::Mode::LatestOnly)
{
    connect(&lister_, &DirectoryLister::entriesReady, this, &FolderModel::onEntries);
    connect(&lister_, &DirectoryLister::finished, this, &FolderModel::onFinished);
    connect(&watcher_, &FolderWatcher::changed, this, &FolderModel::onWatched);
    connect(&watcher_, &FolderWatcher::overflowed, this, &FolderModel::refresh);
    connect(&watcher_, &FolderWatcher::folderGone, this, &FolderModel::folderGone);
    // Connected before any view, so the count is forgotten before a view
    // asks again after a change of rows.
    const auto forget = [this] { shownFolders_ = -1; };
    connect(this, &QAbstractItemModel::rowsInserted, this, forget);
    connect(this, &QAbstractItemModel::rowsRemoved, this, forget);
    connect(this, &QAbstractItemModel::layoutChanged, this, forget);
    connect(this, &QAbstractItemModel::modelReset, this, forget);
}

void FolderModel::setFolder(const QString &path)
{
    beginResetModel();
    folder_ = path;
    folderBytes_ = rawpath::toBytes(path);
    entries_.clear();
    keys_.clear();
    sorted_.clear();
    rows_.clear();
    byName_.clear();
    changedWhileLoading_.clear();
    forgetChanges();
    removedCount_ = 0;
    dropRow_ = -1;
    refreshing_ = false;
    refreshed_.clear();
    endResetModel();
    watcher_.stop();
    if (path.isEmpty()) {
        lister_.cancelAll();
        loading_ = false;
        return;
    }
    loading_ = true;
    // Watch before listing, so nothing that happens in between is missed.
    watcher_.watch(path);
    request_ = lister_.list(path);
}

void FolderModel::refresh()
{
    if (folder_.isEmpty())
        return;
    if (loading_ && !refreshing_) {
        setFolder(folder_);
        return;
    }
    refreshing_ = true;
    loading_ = true;
    refreshed_.clear();
    forgetChanges(); // the listing brings them in
    request_ = lister_.list(folder_);
}

void FolderModel::onEntries(quint64 request, FileEntries &batch)
{
    if (request != request_)
        return;
    if (refreshing_) {
        refreshed_.insert(refreshed_.end(), std::make_move_iterator(batch.begin()),
                          std::make_move_iterator(batch.end()));
        return;
    }
    const int base = int(entries_.size());
    entries_.insert(entries_.end(), std::make_move_iterator(batch.begin()),
                    std::make_move_iterator(batch.end()));
    keys_.reserve(entries_.capacity()); // grows as the entries do, not batch by batch
    Indices added;
    added.reserve(size_t(batch.size()));
    for (int i = base; i < int(entries_.size()); ++i) {
        keys_.push_back(keyOf(entries_[size_t(i)]));
        added.push_back(i);
    }
    added = inKeyOrder(added);

    if (sorted_.empty()) {
        sorted_ = std::move(added);
        Indices visible;
        visible.reserve(sorted_.size());
        for (int i : sorted_) {
            if (isVisible(entries_[size_t(i)]))
                visible.push_back(i);
        }
        if (visible.empty())
            return;
        beginInsertRows({}, 0, int(visible.size()) - 1);
        rows_ = std::move(visible);
        endInsertRows();
        return;
    }
    // What showed before still shows: only the batch is matched, and merged
    // into both orders.
    Indices visible;
    visible.reserve(added.size());
    for (int i : added) {
        if (isVisible(entries_[size_t(i)]))
            visible.push_back(i);
    }
    // With nothing filtered out, as is usual, the rows are the sorted order.
    const bool allShown = rows_.size() == sorted_.size() && visible.size() == added.size();
    changeLayout([&] {
        const auto less = [this](int a, int b) { return lessThan(a, b); };
        const auto mid = qsizetype(sorted_.size());
        sorted_.insert(sorted_.end(), added.begin(), added.end());
        std::inplace_merge(sorted_.begin(), sorted_.begin() + mid, sorted_.end(), less);
        if (allShown) {
            rows_ = sorted_;
            return;
        }
        const auto shown = qsizetype(rows_.size());
        rows_.insert(rows_.end(), visible.begin(), visible.end());
        std::inplace_merge(rows_.begin(), rows_.begin() + shown, rows_.end(), less);
    });
}

void FolderModel::onFinished(quint64 request, int error)
{
    if (request != request_)
        return;
    loading_ = false;
    if (refreshing_) {
        refreshing_ = false;
        if (error == 0)
            applyRefresh();
        refreshed_.clear();
    }
    // What changed while the listing ran may have been read before it did.
    if (!changedWhileLoading_.isEmpty())
        onWatched(std::exchange(changedWhileLoading_, {}));
    emit loadingFinished(error);
}

// Merges a fresh listing into what is shown: entries gone are removed, new
// ones added, changed ones updated; everything else keeps its row.
void FolderModel::applyRefresh()
{
    QHash<QByteArray, int> fresh;
    fresh.reserve(refreshed_.size());
    for (int i = 0; i < int(refreshed_.size()); ++i)
        fresh.insert(refreshed_[i].encodedName(), i);
    changeLayout([&] {
        for (int i = 0; i < int(entries_.size()); ++i) {
            FileEntry &e = entries_[size_t(i)];
            if (e.removed)
                continue;
            const auto it = fresh.constFind(e.encodedName());
            if (it == fresh.constEnd()) {
                e.removed = true;
                ++removedCount_;
                continue;
            }
            const FileEntry &n = refreshed_[*it];
            if (!e.sameAs(n)) {
                e = n;
                keys_[size_t(i)] = keyOf(e);
            }
            fresh.erase(it);
        }
        for (int i : std::as_const(fresh)) {
            entries_.push_back(refreshed_[i]);
            keys_.push_back(keyOf(refreshed_[i]));
        }
        byName_.clear();
        sortAll();
        refilter();
    });
    compact();
}

int FolderModel::liveIndexOf(const QByteArray &encodedName)
{
    if (byName_.isEmpty() && !entries_.empty()) {
        byName_.reserve(qsizetype(entries_.size()));
        for (int i = 0; i < int(entries_.size()); ++i) {
            if (!entries_[size_t(i)].removed)
                byName_.insert(entries_[size_t(i)].encodedName(), i);
        }
    }
    return byName_.value(encodedName, -1);
}

void FolderModel::insertEntry(FileEntry entry)
{
    const int index = int(entries_.size());
    entries_.push_back(std::move(entry));
    keys_.push_back(keyOf(entries_.back()));
    if (!byName_.isEmpty() || index == 0)
        byName_.insert(entries_.back().encodedName(), index);
    const auto less = [this](int a, int b) { return lessThan(a, b); };
    sorted_.insert(std::lower_bound(sorted_.begin(), sorted_.end(), index, less), index);
    if (!isVisible(entries_.back()))
        return;
    const auto pos = std::lower_bound(rows_.begin(), rows_.end(), index, less);
    const int row = int(pos - rows_.begin());
    beginInsertRows({}, row, row);
    rows_.insert(rows_.begin() + row, index);
    endInsertRows();
}

void FolderModel::removeEntry(int entryIndex)
{
    FileEntry &e = entries_[size_t(entryIndex)];
    byName_.remove(e.encodedName());
    e.removed = true;
    ++removedCount_;
    sorted_.erase(std::find(sorted_.begin(), sorted_.end(), entryIndex));
    const auto pos = std::find(rows_.begin(), rows_.end(), entryIndex);
    if (pos == rows_.end())
        return;
    const int row = int(pos - rows_.begin());
    beginRemoveRows({}, row, row);
    rows_.erase(pos);
    endRemoveRows();
}

// Drops removed entries once they are many; indexes change, so it is one
// layout change.
void FolderModel::compact()
{
    if (removedCount_ < 1024 || removedCount_ * 2 < int(entries_.size()))
        return;
    changeLayout([this] {
        std::vector<int> newIndex(entries_.size(), -1);
        BigVector<FileEntry> entries;
        BigVector<SortKey> keys;
        for (size_t i = 0; i < entries_.size(); ++i) {
            if (entries_[i].removed)
                continue;
            newIndex[i] = int(entries.size());
            entries.push_back(std::move(entries_[i]));
            keys.push_back(keys_[i]);
        }
        entries_ = std::move(entries);
        keys_ = std::move(keys);
        for (int &i : sorted_)
            i = newIndex[size_t(i)];
        for (int &i : rows_)
            i = newIndex[size_t(i)];
        byName_.clear();
        removedCount_ = 0;
    });
}

QStringList FolderModel::mimeTypes() const
{
    return {QStringLiteral("text/uri-list"), QStringLiteral("x-special/gnome-copied-files")};
}

QMimeData *FolderModel::mimeData(const QModelIndexList &indexes) const
{
    const QByteArray folder = rawpath::toBytes(folder_);
    QList<QByteArray> paths;
    QSet<int> rows;
    for (const QModelIndex &i : indexes) {
        if (i.isValid() && !rows.contains(i.row())) {
            rows.insert(i.row());
            paths.append(folder + '/' + entryAt(i.row()).encodedName());
        }
    }
    return makeFilesMimeData({paths, false});
}

Qt::DropActions FolderModel::supportedDragActions() const
{
    return Qt::CopyAction | Qt::MoveAction | Qt::LinkAction;
}

void FolderModel::setDropRow(int row)
{
    if (row == dropRow_)
        return;
    const int before = std::exchange(dropRow_, row);
    for (const int r : {before, row}) {
        if (r >= 0 && r < int(rows_.size()))
            emit dataChanged(index(r, 0), index(r, ColumnCount - 1), {Qt::BackgroundRole});
    }
}

void FolderModel::setCutNames(const QSet<QByteArray> &encodedNames)
{
    if (encodedNames == cutNames_)
        return;
    cutNames_ = encodedNames;
    if (!rows_.empty())
        emit dataChanged(index(0, 0), index(int(rows_.size()) - 1, 0),
                         {Qt::DecorationRole, Qt::ForegroundRole});
}

QString FolderModel::pathAt(int row) const
{
    return joinPath(folder_, entryAt(row).name);
}

int FolderModel::rowOfName(const QString &name) const
{
    for (int r = 0; r < int(rows_.size()); ++r) {
        if (entries_[size_t(rows_[size_t(r)])].name == name)
            return r;
    }
    return -1;
}

int FolderModel::rowCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : int(rows_.size());
}

int FolderModel::columnCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : ColumnCount;
}

QString FolderModel::sizeText(qint64 bytes)
{
    return dataSizeText(bytes);
}

const FolderModel::TypeInfo &FolderModel::typeInfo(const FileEntry &e) const
{
    // A type read from the file's content comes first; then the extension.
    // Executables without either get a type of their own. Asked at every
    // paint of a row, so a type read from content is found by its number,
    // without the shared table of names.
    if (e.contentType) {
        if (const auto known = typeByContent_.constFind(e.contentType);
            known != typeByContent_.constEnd())
            return *known;
    }
    const QString content = e.contentType ? ContentTypes::name(e.contentType) : QString();
    // Keys that start with "/" cannot be extensions, as names hold no "/".
    const qsizetype dot = e.name.lastIndexOf(QLatin1Char('.'));
    const bool executable = (e.mode & 0111) && S_ISREG(e.mode);
    const QString suffix = !content.isEmpty() ? QLatin1Char('/') + content
                           : dot > 0          ? e.name.mid(dot + 1).toLower()
                           : executable       ? QStringLiteral("/exec")
                                              : QString();
    auto it = typeBySuffix_.find(suffix);
    if (it != typeBySuffix_.end())
        return *it;
    TypeInfo info;
    static const QMimeDatabase db;
    QMimeType mime;
    if (!content.isEmpty())
        mime = db.mimeTypeForName(content);
    else if (suffix == QLatin1String("/exec"))
        mime = db.mimeTypeForName(QStringLiteral("application/x-executable"));
    else if (!suffix.isEmpty())
        mime = db.mimeTypeForFile(e.name, QMimeDatabase::MatchExtension);
    if (mime.isValid() && !mime.isDefault()) {
        info.mimeName = mime.name();
        info.thumbnailed = thumbnails::handles(info.mimeName);
        info.text = mime.comment();
        info.icon =
            Icons::themed(mime.iconName(), Icons::themed(mime.genericIconName(), Icons::file()));
    }
    if (info.text.isEmpty())
        info.text = suffix.isEmpty() || suffix.startsWith(QLatin1Char('/'))
                        ? tr("File")
                        : tr("%1 file").arg(suffix.toUpper());
    if (info.icon.isNull())
        info.icon = Icons::file();
    if (e.contentType)
        return *typeByContent_.insert(e.contentType, info);
    return *typeBySuffix_.insert(suffix, info);
}

QString FolderModel::typeText(const FileEntry &e) const
{
    if (e.brokenLink)
        return tr("Broken link");
    const QString type = e.isDir                     ? tr("Folder")
                         : e.attributes & AttrSystem ? tr("Special file")
                                                     : typeInfo(e).text;
    return e.isSymlink ? tr("%1 (link)").arg(type) : type;
}

QIcon FolderModel::iconFor(const FileEntry &e) const
{
    const QIcon plain = e.isDir                     ? Icons::folder()
                        : e.attributes & AttrSystem ? Icons::file()
                                                    : typeInfo(e).icon;
    if (!e.isSymlink)
        return plain;
    // One emblemed icon for each type's icon, made when first shown.
    const qint64 key = plain.cacheKey() * 2 + (e.brokenLink ? 1 : 0);
    auto it = linkIcons_.find(key);
    if (it == linkIcons_.end())
        it =
            linkIcons_.insert(key, Icons::withEmblem(plain, e.brokenLink ? Icons::brokenLinkEmblem()
                                                                         : Icons::linkEmblem()));
    return *it;
}

QVariant FolderModel::data(const QModelIndex &index, int role) const
{
    if (!index.isValid() || index.row() >= int(rows_.size()))
        return {};
    const FileEntry &e = entryAt(index.row());
    switch (role) {
    case Qt::DisplayRole:
        switch (index.column()) {
        case NameColumn:
            return rawpath::visible(e.name);
        case SizeColumn:
            return e.isDir ? QString() : sizeText(e.size);
        case TypeColumn:
            return typeText(e);
        case ModifiedColumn:
            return QLocale().toString(QDateTime::fromSecsSinceEpoch(e.mtime), QLocale::ShortFormat);
        }
        break;
    case Qt::EditRole:
        return index.column() == NameColumn ? QVariant(e.name) : data(index, Qt::DisplayRole);
    case Qt::ToolTipRole:
        return index.column() == NameColumn ? QVariant(plainToolTip(rawpath::visible(e.name)))
                                            : QVariant();
    case Qt::DecorationRole:
        if (index.column() != NameColumn)
            break;
        if (!cutNames_.isEmpty() && cutNames_.contains(e.encodedName())) {
            const QIcon icon = shownIcon(e);
            return QIcon(icon.pixmap(QSize(32, 32), QIcon::Disabled));
        }
        return shownIcon(e);
    case Qt::ForegroundRole:
        if (!cutNames_.isEmpty() && cutNames_.contains(e.encodedName()))
            return QColor(Qt::gray);
        break;
    case Qt::BackgroundRole:
        if (index.row() == dropRow_) {
            QColor c = QGuiApplication::palette().color(QPalette::Highlight);
            c.setAlpha(110);
            return c;
        }
        break;
    case Qt::TextAlignmentRole:
        if (index.column() == SizeColumn)
            return int(Qt::AlignRight | Qt::AlignVCenter);
        break;
    case PathRole:
        return pathAt(index.row());
    case IsFolderRole:
        return e.isDir;
    case AttributesRole:
        return uint(e.attributes);
    case SizeRole:
        return e.size;
    case ModifiedRole:
        return e.mtime;
    }
    return {};
}

QVariant FolderModel::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (orientation != Qt::Horizontal || role != Qt::DisplayRole)
        return {};
    switch (section) {
    case NameColumn:
        return tr("Name");
    case SizeColumn:
        return tr("Size");
    case TypeColumn:
        return tr("Type");
    case ModifiedColumn:
        return tr("Modified");
    }
    return {};
}

Qt::ItemFlags FolderModel::flags(const QModelIndex &index) const
{
    if (!index.isValid())
        return Qt::NoItemFlags;
    Qt::ItemFlags f =
        Qt::ItemIsEnabled | Qt::ItemIsSelectable | Qt::ItemNeverHasChildren | Qt::ItemIsDragEnabled;
    // Views ask this of every row at each layout, so it must not reach into
    // the entries: folders come first in every order, and the rows that are
    // folders are counted once.
    if (shownFolders_ < 0)
        shownFolders_ = std::partition_point(rows_.begin(), rows_.end(),
                                             [this](int i) { return keys_[size_t(i)].dir; }) -
                        rows_.begin();
    if (index.row() < shownFolders_)
        f |= Qt::ItemIsDropEnabled;
    if (renameAllowed_ && index.column() == NameColumn)
        f |= Qt::ItemIsEditable;
    return f;
}

bool FolderModel::setData(const QModelIndex &index, const QVariant &value, int role)
{
    if (role != Qt::EditRole || !index.isValid() || index.column() != NameColumn || !renameAllowed_)
        return false;
    const QString refusal = rename(index.row(), value.toString());
    if (!refusal.isEmpty()) {
        emit renameRefused(refusal);
        return false;
    }
    return true;
}

QString FolderModel::nameRefusal(const QString &name, const FileEntry *self) const
{
    if (const QString reason = unusableNameReason(name); !reason.isEmpty())
        return reason;
    for (const FileEntry &e : entries_) {
        if (&e != self && !e.removed && e.name == name)
            return jobtext::alreadyNamed(name);
    }
    return {};
}

} // namespace tarnwick
