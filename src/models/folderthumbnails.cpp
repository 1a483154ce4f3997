// The folder model's pictures of files: asked for by the view for the rows
// it shows, shown in place of the type's icon once made.
#include "foldermodel.h"
#include "rawpaths.h"
#include "thumbnails.h"

namespace tarnwick {

void FolderModel::setThumbnails(ThumbnailProvider *provider)
{
    if (provider == thumbs_)
        return;
    if (thumbs_) {
        disconnect(thumbs_, nullptr, this, nullptr);
        thumbs_->want({});
    }
    thumbs_ = provider;
    if (thumbs_)
        connect(thumbs_, &ThumbnailProvider::ready, this, &FolderModel::thumbnailReady);
    if (!rows_.empty())
        emit dataChanged(index(0, NameColumn), index(int(rows_.size()) - 1, NameColumn),
                         {Qt::DecorationRole});
}

bool FolderModel::mayHaveThumbnail(const FileEntry &e) const
{
    return thumbs_ && !e.isDir && !e.brokenLink && !(e.attributes & AttrSystem) &&
           typeInfo(e).thumbnailed;
}

QIcon FolderModel::shownIcon(const FileEntry &e) const
{
    if (mayHaveThumbnail(e)) {
        const QIcon picture = thumbs_->find(rawpath::join(folderBytes_, e.encodedName()), e.mtime);
        if (!picture.isNull())
            return picture;
    }
    return iconFor(e);
}

void FolderModel::wantThumbnails(int first, int last)
{
    if (!thumbs_)
        return;
    first = std::max(first, 0);
    last = std::min(last, int(rows_.size()) - 1);
    std::vector<ThumbnailRequest> wanted;
    for (int row = first; row <= last; ++row) {
        const FileEntry &e = entryAt(row);
        if (!mayHaveThumbnail(e))
            continue;
        ThumbnailRequest r;
        r.path = rawpath::join(folderBytes_, e.encodedName());
        r.mtime = e.mtime;
        r.row = row;
        r.mimeType = typeInfo(e).mimeName;
        wanted.push_back(std::move(r));
    }
    thumbs_->want(std::move(wanted));
}

void FolderModel::thumbnailReady(const QByteArray &path, int row)
{
    if (rawpath::parentOf(path) != folderBytes_)
        return;
    const QByteArray name = rawpath::baseName(path);
    if (row < 0 || row >= int(rows_.size()) || entryAt(row).encodedName() != name)
        row = rowOfName(rawpath::toText(name));
    if (row >= 0)
        emit dataChanged(index(row, NameColumn), index(row, NameColumn), {Qt::DecorationRole});
}

} // namespace tarnwick
