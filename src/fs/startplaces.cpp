#include "startplaces.h"

#include "rawpaths.h"

#include <QCoreApplication>
#include <QDir>
#include <QUrl>
#include <cerrno>
#include <cstring>
#include <sys/stat.h>
#include <unistd.h>

// GLib names struct members "signals", which Qt defines as a keyword.
#pragma push_macro("signals")
#undef signals
#include <gio/gio.h>
#pragma pop_macro("signals")

namespace tarnwick {
namespace {

struct Words
{
    Q_DECLARE_TR_FUNCTIONS(StartPlaces)
};

QString systemError(int error)
{
    return QString::fromLocal8Bit(strerror(error));
}

// The local path an argument names, or empty with `problem` set.
QByteArray localPath(const QString &argument, QString *problem)
{
    if (argument.isEmpty()) {
        *problem = Words::tr("An empty argument names no file or folder.");
        return {};
    }
    // Only scheme://... (or file:...) is an address; anything else is a
    // path, whatever it holds.
    const qsizetype colon = argument.indexOf(QLatin1Char(':'));
    const QString scheme = argument.left(colon);
    const bool looksLikeUri = colon > 1 && !argument.startsWith(QLatin1Char('/')) &&
                              QUrl(scheme + QLatin1String(":x")).scheme() == scheme.toLower() &&
                              (argument.mid(colon + 1).startsWith(QLatin1String("//")) ||
                               scheme.compare(QLatin1String("file"), Qt::CaseInsensitive) == 0);
    if (!looksLikeUri) {
        const QByteArray bytes = rawpath::toBytes(argument);
        if (bytes.startsWith('/'))
            return rawpath::cleanPath(bytes);
        return rawpath::cleanPath(rawpath::join(rawpath::toBytes(QDir::currentPath()), bytes));
    }
    // GIO decodes any address it knows; a connected network share has a
    // local path through its mount.
    GFile *file = g_file_new_for_uri(rawpath::toBytes(argument).constData());
    char *path = g_file_get_path(file);
    g_object_unref(file);
    if (!path) {
        *problem = Words::tr("“%1” is not on this computer or not connected; connect it with "
                             "Tools > Map Network Drive first.")
                       .arg(rawpath::visible(argument));
        return {};
    }
    const QByteArray bytes(path);
    g_free(path);
    return rawpath::cleanPath(bytes);
}

} // namespace

StartRequest startPlaces(const QStringList &arguments, bool selectItems)
{
    StartRequest request;
    for (const QString &argument : arguments) {
        QString problem;
        const QByteArray path = localPath(argument, &problem);
        struct stat st;
        if (!path.isEmpty() && stat(path.constData(), &st) != 0) {
            problem = Words::tr("“%1”: %2.")
                          .arg(rawpath::visible(rawpath::toText(path)), systemError(errno));
        } else if (!path.isEmpty()) {
            const bool folder = S_ISDIR(st.st_mode) && !(selectItems && path != "/");
            const QByteArray where = folder ? path : rawpath::parentOf(path);
            // A folder that cannot be listed would open on an error.
            if (access(where.constData(), R_OK | X_OK) != 0) {
                problem = Words::tr("“%1” cannot be opened: %2.")
                              .arg(rawpath::visible(rawpath::toText(where)), systemError(errno));
            } else {
                StartPlace place{rawpath::toText(where), {}};
                if (!folder)
                    place.selected << rawpath::toText(rawpath::baseName(path));
                // One window per folder, however many of its items are named.
                const auto same =
                    std::find_if(request.places.begin(), request.places.end(),
                                 [&](const StartPlace &p) { return p.folder == place.folder; });
                if (same == request.places.end())
                    request.places << place;
                else if (!same->selected.contains(place.selected.value(0)))
                    same->selected << place.selected;
            }
        }
        if (!problem.isEmpty())
            request.problems << problem;
    }
    return request;
}

namespace {

// A process's arguments are written out as UTF-8, which has no way to carry
// a name's bytes that are not: such a path goes as a file address, whose
// escapes carry any byte.
QString argumentFor(const QByteArray &path)
{
    const QString text = rawpath::toText(path);
    if (text.toUtf8() == path)
        return text;
    return QLatin1String("file://") + QString::fromLatin1(path.toPercentEncoding("/"));
}

} // namespace

QStringList argumentsFor(const StartPlace &place)
{
    const QByteArray folder = rawpath::toBytes(place.folder);
    if (place.selected.isEmpty())
        return {argumentFor(folder)};
    QStringList arguments{QStringLiteral("--select")};
    for (const QString &name : place.selected)
        arguments << argumentFor(rawpath::join(folder, rawpath::toBytes(name)));
    return arguments;
}

} // namespace tarnwick
