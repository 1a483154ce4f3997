#include "clipboardfiles.h"

#include <QMimeData>

namespace tarnwick {

namespace {

const QString UriList = QStringLiteral("text/uri-list");
const QString GnomeFiles = QStringLiteral("x-special/gnome-copied-files");
const QString KdeCut = QStringLiteral("application/x-kde-cutselection");

QList<QByteArray> pathsOfUriList(const QByteArray &text)
{
    QList<QByteArray> paths;
    for (QByteArray line : text.split('\n')) {
        line = line.trimmed(); // CR LF line ends
        if (line.isEmpty() || line.startsWith('#'))
            continue;
        const QByteArray path = pathOfFileUrl(line);
        if (path.isEmpty())
            return {}; // not all local files: nothing we can paste
        paths.append(path);
    }
    return paths;
}

} // namespace

QByteArray fileUrl(const QByteArray &path)
{
    return "file://" + path.toPercentEncoding("/");
}

QByteArray pathOfFileUrl(const QByteArray &url)
{
    QByteArray rest;
    if (url.startsWith("file:///"))
        rest = url.mid(7);
    else if (url.startsWith("file://localhost/"))
        rest = url.mid(16);
    else
        return {};
    const QByteArray path = QByteArray::fromPercentEncoding(rest);
    // A NUL would cut the path short at the system call: refuse it.
    return path.contains('\0') ? QByteArray() : path;
}

QMimeData *makeFilesMimeData(const ClipboardFiles &files)
{
    auto *data = new QMimeData;
    QByteArray uris, gnome = files.cut ? "cut" : "copy", plain;
    for (const QByteArray &p : files.paths) {
        const QByteArray url = fileUrl(p);
        uris += url + "\r\n";
        gnome += '\n' + url;
        plain += p + '\n';
    }
    data->setData(UriList, uris);
    data->setData(GnomeFiles, gnome);
    if (files.cut)
        data->setData(KdeCut, "1");
    data->setData(QStringLiteral("text/plain"), plain);
    return data;
}

std::optional<ClipboardFiles> filesFromMimeData(const QMimeData *data)
{
    if (!data)
        return std::nullopt;
    ClipboardFiles files;
    if (data->hasFormat(GnomeFiles)) {
        QList<QByteArray> lines = data->data(GnomeFiles).split('\n');
        const QByteArray action = lines.isEmpty() ? QByteArray() : lines.takeFirst().trimmed();
        if (action == "copy" || action == "cut") {
            files.cut = action == "cut";
            files.paths = pathsOfUriList(lines.join('\n'));
            if (!files.paths.isEmpty())
                return files;
        }
    }
    if (data->hasFormat(UriList)) {
        files.paths = pathsOfUriList(data->data(UriList));
        files.cut = data->data(KdeCut).trimmed() == "1";
        if (!files.paths.isEmpty())
            return files;
    }
    return std::nullopt;
}

bool holdsFiles(const QMimeData *data)
{
    return filesFromMimeData(data).has_value();
}

} // namespace tarnwick
