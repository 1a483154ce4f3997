#include "filemanagerservice.h"

#include "rawpaths.h"

#include <QDBusConnectionInterface>
#include <QDBusError>
#include <QUrl>

namespace tarnwick {

FileManagerService::FileManagerService(Actions actions, QObject *parent)
    : QObject(parent), actions_(std::move(actions))
{
}

// Another program's current folder means nothing here: only addresses and
// absolute paths are taken.
StartRequest FileManagerService::placesOf(const QStringList &uris, bool selectItems)
{
    QStringList usable;
    QStringList problems;
    for (const QString &uri : uris) {
        if (uri.startsWith(QLatin1Char('/')) || !QUrl(uri).scheme().isEmpty())
            usable << uri;
        else
            problems << tr("“%1” is neither an address nor an absolute path.")
                            .arg(rawpath::visible(uri));
    }
    StartRequest request = startPlaces(usable, selectItems);
    request.problems = problems + request.problems;
    return request;
}

bool FileManagerService::claim(QDBusConnection bus)
{
    if (!bus.isConnected() || !bus.interface())
        return false;
    if (!bus.registerObject(QString::fromLatin1(ObjectPath), this,
                            QDBusConnection::ExportScriptableSlots))
        return false;
    const QDBusReply<QDBusConnectionInterface::RegisterServiceReply> reply =
        bus.interface()->registerService(QString::fromLatin1(ServiceName),
                                         QDBusConnectionInterface::QueueService,
                                         QDBusConnectionInterface::DontAllowReplacement);
    return reply.isValid() && reply.value() == QDBusConnectionInterface::ServiceRegistered;
}

void FileManagerService::reportProblems(const StartRequest &request)
{
    if (!request.problems.isEmpty() && calledFromDBus())
        sendErrorReply(QDBusError::InvalidArgs, request.problems.join(QLatin1Char('\n')));
}

QString FileManagerService::usableStartupId(const QString &id)
{
    if (id.size() > MaxStartupIdBytes)
        return {};
    for (const QChar c : id) {
        if (c.unicode() < 0x20 || c.unicode() > 0x7e)
            return {};
    }
    return id;
}

namespace {

// The place as the caller named it: the folder, or the items in it.
QString described(const StartPlace &place)
{
    if (place.selected.isEmpty())
        return QStringLiteral("“%1”").arg(rawpath::visible(place.folder));
    QStringList items;
    for (const QString &name : place.selected)
        items << QStringLiteral("“%1”").arg(rawpath::visible(rawpath::toText(
            rawpath::join(rawpath::toBytes(place.folder), rawpath::toBytes(name)))));
    return items.join(QLatin1String(", "));
}

} // namespace

void FileManagerService::open(StartRequest request, const QString &startupId)
{
    const QString id = usableStartupId(startupId);
    QStringList beyond;
    QStringList failed;
    for (qsizetype i = 0; i < request.places.size(); ++i) {
        const StartPlace &place = request.places[i];
        if (i >= MaxWindows)
            beyond << described(place);
        else if (!actions_.open(place, id))
            failed << described(place);
    }
    if (!failed.isEmpty())
        request.problems
            << tr("No window could be started for %1.").arg(failed.join(QLatin1String(", ")));
    if (!beyond.isEmpty())
        request.problems << tr("One request opens at most %1 windows; not opened: %2.")
                                .arg(MaxWindows)
                                .arg(beyond.join(QLatin1String(", ")));
    reportProblems(request);
}

void FileManagerService::ShowFolders(const QStringList &uris, const QString &startupId)
{
    open(placesOf(uris, false), startupId);
}

void FileManagerService::ShowItems(const QStringList &uris, const QString &startupId)
{
    open(placesOf(uris, true), startupId);
}

void FileManagerService::ShowItemProperties(const QStringList &uris, const QString &)
{
    StartRequest request = placesOf(uris, true);
    QList<QByteArray> paths;
    for (const StartPlace &place : request.places)
        for (const QString &name : place.selected)
            paths << rawpath::join(rawpath::toBytes(place.folder), rawpath::toBytes(name));
    if (!paths.isEmpty())
        request.problems << actions_.showProperties(paths);
    reportProblems(request);
}

} // namespace tarnwick
