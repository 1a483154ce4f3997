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

void FileManagerService::ShowFolders(const QStringList &uris, const QString &startupId)
{
    const StartRequest request = placesOf(uris, false);
    for (const StartPlace &place : request.places)
        actions_.open(place, startupId);
    reportProblems(request);
}

void FileManagerService::ShowItems(const QStringList &uris, const QString &startupId)
{
    const StartRequest request = placesOf(uris, true);
    for (const StartPlace &place : request.places)
        actions_.open(place, startupId);
    reportProblems(request);
}

void FileManagerService::ShowItemProperties(const QStringList &uris, const QString &)
{
    const StartRequest request = placesOf(uris, true);
    QList<QByteArray> paths;
    for (const StartPlace &place : request.places)
        for (const QString &name : place.selected)
            paths << rawpath::join(rawpath::toBytes(place.folder), rawpath::toBytes(name));
    if (!paths.isEmpty())
        actions_.showProperties(paths);
    reportProblems(request);
}

} // namespace tarnwick
