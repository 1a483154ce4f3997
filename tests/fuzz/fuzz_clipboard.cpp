// Files on the clipboard: whatever another program offers as text/uri-list,
// x-special/gnome-copied-files or application/x-kde-cutselection is read
// without harm and yields only absolute paths without a NUL; what Tarnwick
// offers reads back as the same files; and any absolute path survives the
// trip through a file URL.
#include "clipboardfiles.h"

#include <QMimeData>

#include <cstdint>
#include <cstdlib>
#include <memory>

using namespace tarnwick;

namespace {

void checkPaths(const std::optional<ClipboardFiles> &files)
{
    if (!files)
        return;
    if (files->paths.isEmpty())
        std::abort();
    for (const QByteArray &p : files->paths) {
        if (!p.startsWith('/') || p.contains('\0'))
            std::abort();
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const QByteArray bytes(reinterpret_cast<const char *>(data), qsizetype(size));

    // The input as each format's payload, and split among all three.
    const QList<QByteArray> parts = bytes.split('\x01');
    for (const QString &format :
         {QStringLiteral("text/uri-list"), QStringLiteral("x-special/gnome-copied-files")}) {
        QMimeData single;
        single.setData(format, bytes);
        checkPaths(filesFromMimeData(&single));
    }
    QMimeData mixed;
    mixed.setData(QStringLiteral("text/uri-list"), parts.value(0));
    if (parts.size() > 1)
        mixed.setData(QStringLiteral("x-special/gnome-copied-files"), parts.value(1));
    if (parts.size() > 2)
        mixed.setData(QStringLiteral("application/x-kde-cutselection"), parts.value(2));
    checkPaths(filesFromMimeData(&mixed));

    // Paths from the input's lines, made absolute, NULs dropped.
    ClipboardFiles files;
    files.cut = size % 2;
    for (QByteArray line : bytes.split('\n')) {
        line.replace('\0', QByteArray());
        const QByteArray path = '/' + line;
        if (pathOfFileUrl(fileUrl(path)) != path)
            std::abort();
        files.paths.append(path);
    }
    const std::unique_ptr<QMimeData> offered(makeFilesMimeData(files));
    const std::optional<ClipboardFiles> back = filesFromMimeData(offered.get());
    if (!back || back->paths != files.paths || back->cut != files.cut)
        std::abort();
    return 0;
}
