#pragma once

#include <QByteArray>
#include <QList>
#include <optional>

class QMimeData;

namespace tarnwick {

// Files on the clipboard, in the formats other file managers use, so that
// what Tarnwick copies they paste and the other way round: text/uri-list,
// x-special/gnome-copied-files (first line "copy" or "cut") and, for cut,
// application/x-kde-cutselection. Paths are the bytes on disk.
struct ClipboardFiles
{
    QList<QByteArray> paths;
    bool cut = false;
};

QMimeData *makeFilesMimeData(const ClipboardFiles &files);
// The files offered, if the data offers local files at all.
std::optional<ClipboardFiles> filesFromMimeData(const QMimeData *data);
bool holdsFiles(const QMimeData *data);

// "file://" URL of a path as bytes, and back; empty when not a local file URL.
QByteArray fileUrl(const QByteArray &path);
QByteArray pathOfFileUrl(const QByteArray &url);

} // namespace tarnwick
