#include "foldermodel.h"

#include "icons.h"
#include "naturalorder.h"

#include <QDateTime>
#include <QFile>
#include <QLocale>
#include <QMimeDatabase>
#include <algorithm>
#include <cerrno>
#include <climits>
#include <cstdio>
#include <cstring>
#include <fcntl.h>

namespace tarnwick {

FolderModel::FolderModel(QObject *parent)
    : QAbstractTableModel(parent), lister_(DirectoryLister::Mode::LatestOnly)
{
    connect(&lister_, &DirectoryLister::entriesReady, this, &FolderModel::onEntries);
    connect(&lister_, &DirectoryLister::finished, this, &FolderModel::onFinished);
    folderIcon_ = Icons::folder();
    fileIcon_ = Icons::file();
    linkIcon_ = Icons::symlink();
}

void FolderModel::setFolder(const QString &path)
{
    beginResetModel();
    folder_ = path;
    entries_.clear();
    rows_.clear();
    endResetModel();
    if (path.isEmpty()) {
        lister_.cancelAll();
        loading_ = false;
        return;
    }
    loading_ = true;
    request_ = lister_.list(path);
}

void FolderModel::reload()
{
    setFolder(folder_);
}

void FolderModel::onEntries(quint64 request, const FileEntries &batch)
{
    if (request != request_)
        return;
    const int base = int(entries_.size());
    entries_.reserve(entries_.size() + size_t(batch.size()));
    for (const FileEntry &e : batch)
        entries_.push_back(e);

    std::vector<int> added;
    added.reserve(size_t(batch.size()));
    for (int i = base; i < int(entries_.size()); ++i) {
        if (isVisible(entries_[size_t(i)]))
            added.push_back(i);
    }
    if (added.empty())
        return;
    sortRows(added);
    if (rows_.empty()) {
        beginInsertRows({}, 0, int(added.size()) - 1);
        rows_ = std::move(added);
        endInsertRows();
        return;
    }
    changeLayout([&] {
        const size_t mid = rows_.size();
        rows_.insert(rows_.end(), added.begin(), added.end());
        std::inplace_merge(rows_.begin(), rows_.begin() + qsizetype(mid), rows_.end(),
                           [this](int a, int b) { return lessThan(a, b); });
    });
}

void FolderModel::onFinished(quint64 request, int error)
{
    if (request != request_)
        return;
    loading_ = false;
    emit loadingFinished(error);
}

bool FolderModel::isVisible(const FileEntry &e) const
{
    if (!showHidden_ && (e.attributes & AttrHidden))
        return false;
    if (!showSystem_ && (e.attributes & AttrSystem))
        return false;
    // Folders always show, so the user can still move about under a pattern.
    return e.isDir || pattern_.matches(e.name);
}

bool FolderModel::lessThan(int a, int b) const
{
    const FileEntry &x = entries_[size_t(a)];
    const FileEntry &y = entries_[size_t(b)];
    // Folders first in either direction.
    if (x.isDir != y.isDir)
        return x.isDir;
    int c = 0;
    switch (sortColumn_) {
    case SizeColumn:
        if (!x.isDir && x.size != y.size)
            c = x.size < y.size ? -1 : 1;
        break;
    case TypeColumn:
        c = naturalCompare(typeText(x), typeText(y));
        break;
    case ModifiedColumn:
        if (x.mtime != y.mtime)
            c = x.mtime < y.mtime ? -1 : 1;
        break;
    default:
        break;
    }
    if (c == 0)
        c = naturalCompare(x.name, y.name);
    return sortOrder_ == Qt::AscendingOrder ? c < 0 : c > 0;
}

void FolderModel::sortRows(std::vector<int> &rows) const
{
    std::sort(rows.begin(), rows.end(), [this](int a, int b) { return lessThan(a, b); });
}

void FolderModel::rebuildRows()
{
    rows_.clear();
    for (int i = 0; i < int(entries_.size()); ++i) {
        if (isVisible(entries_[size_t(i)]))
            rows_.push_back(i);
    }
    sortRows(rows_);
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
            const int r = e >= 0 ? rowOfEntry[size_t(e)] : -1;
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
    changeLayout([this] { rebuildRows(); });
}

void FolderModel::setShowHidden(bool on)
{
    if (showHidden_ == on)
        return;
    showHidden_ = on;
    changeLayout([this] { rebuildRows(); });
}

void FolderModel::setShowSystem(bool on)
{
    if (showSystem_ == on)
        return;
    showSystem_ = on;
    changeLayout([this] { rebuildRows(); });
}

void FolderModel::sort(int column, Qt::SortOrder order)
{
    if (column < 0 || column >= ColumnCount)
        return;
    sortColumn_ = column;
    sortOrder_ = order;
    changeLayout([this] { sortRows(rows_); });
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
    return QLocale().formattedDataSize(bytes, 1, QLocale::DataSizeTraditionalFormat);
}

QString FolderModel::typeText(const FileEntry &e) const
{
    if (e.isDir)
        return tr("Folder");
    if (e.attributes & AttrSystem)
        return tr("Special file");
    const qsizetype dot = e.name.lastIndexOf(QLatin1Char('.'));
    const QString suffix = dot > 0 ? e.name.mid(dot + 1).toLower() : QString();
    auto it = typeBySuffix_.constFind(suffix);
    if (it != typeBySuffix_.constEnd())
        return *it;
    QString text;
    if (!suffix.isEmpty()) {
        static const QMimeDatabase db;
        const QMimeType mime = db.mimeTypeForFile(e.name, QMimeDatabase::MatchExtension);
        if (!mime.isDefault())
            text = mime.comment();
    }
    if (text.isEmpty())
        text = suffix.isEmpty() ? tr("File") : tr("%1 file").arg(suffix.toUpper());
    typeBySuffix_.insert(suffix, text);
    return text;
}

QVariant FolderModel::data(const QModelIndex &index, int role) const
{
    if (!index.isValid() || index.row() >= int(rows_.size()))
        return {};
    const FileEntry &e = entryAt(index.row());
    switch (role) {
    case Qt::DisplayRole:
    case Qt::EditRole:
        switch (index.column()) {
        case NameColumn:
            return e.name;
        case SizeColumn:
            return e.isDir ? QString() : sizeText(e.size);
        case TypeColumn:
            return typeText(e);
        case ModifiedColumn:
            return QLocale().toString(QDateTime::fromSecsSinceEpoch(e.mtime), QLocale::ShortFormat);
        }
        break;
    case Qt::DecorationRole:
        if (index.column() == NameColumn)
            return e.isDir ? folderIcon_ : (e.isSymlink ? linkIcon_ : fileIcon_);
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
    Qt::ItemFlags f = Qt::ItemIsEnabled | Qt::ItemIsSelectable | Qt::ItemNeverHasChildren;
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
    if (name.isEmpty())
        return tr("A name cannot be empty.");
    if (name == QLatin1String(".") || name == QLatin1String(".."))
        return tr("“%1” cannot be used as a name.").arg(name);
    if (name.contains(QLatin1Char('/')) || name.contains(QChar(0)))
        return tr("A name cannot contain “/”.");
    if (QFile::encodeName(name).size() > NAME_MAX)
        return tr("The name “%1” is too long.").arg(name);
    for (const FileEntry &e : entries_) {
        if (&e != self && e.name == name)
            return tr("There is already an item named “%1” in this folder.").arg(name);
    }
    return {};
}

QString FolderModel::rename(int row, const QString &newName)
{
    if (row < 0 || row >= int(rows_.size()))
        return tr("The item is no longer there.");
    FileEntry &e = entries_[size_t(rows_[size_t(row)])];
    if (newName == e.name)
        return {};
    const QString refusal = nameRefusal(newName, &e);
    if (!refusal.isEmpty())
        return refusal;
    const QByteArray dir = QFile::encodeName(folder_);
    const QByteArray from = e.encodedName();
    const QByteArray to = QFile::encodeName(newName);
    // Never over an item that appeared meanwhile.
    if (renameat2(AT_FDCWD, (dir + '/' + from).constData(), AT_FDCWD, (dir + '/' + to).constData(),
                  RENAME_NOREPLACE) != 0) {
        const int err = errno;
        if (err == EEXIST)
            return tr("There is already an item named “%1” in this folder.").arg(newName);
        return tr("“%1” could not be renamed: %2.")
            .arg(e.name, QString::fromLocal8Bit(strerror(err)));
    }
    changeLayout([&] {
        e.name = newName;
        e.rawName.clear();
        if (newName.startsWith(QLatin1Char('.')))
            e.attributes |= AttrHidden;
        else
            e.attributes &= ~std::uint32_t(AttrHidden);
        rebuildRows();
    });
    return {};
}

} // namespace tarnwick
