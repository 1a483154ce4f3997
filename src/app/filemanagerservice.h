#pragma once

#include "startplaces.h"

#include <QDBusConnection>
#include <QDBusContext>
#include <QObject>
#include <functional>

namespace tarnwick {

// Shows folders and files when other programs ask: a browser's "show in
// folder", a mail program's saved attachment. Offered on the session bus as
// the desktop's file manager interface.
class FileManagerService : public QObject, protected QDBusContext
{
    Q_OBJECT
    Q_CLASSINFO("D-Bus Interface", "org.freedesktop.FileManager1")
public:
    static constexpr const char *ServiceName = "org.freedesktop.FileManager1";
    static constexpr const char *ObjectPath = "/org/freedesktop/FileManager1";

    // What one call may open: another program's list of a thousand folders
    // must not start a thousand copies.
    static constexpr int MaxWindows = 16;
    // Startup ids are short tokens; anything longer is not one.
    static constexpr qsizetype MaxStartupIdBytes = 256;

    // Each answers for itself, without a box: the caller is another
    // program, and what went wrong goes back in the reply.
    struct Actions
    {
        // Opens a window on a place; `startupId` lets the desktop focus it.
        // False when the window could not be opened.
        std::function<bool(const StartPlace &place, const QString &startupId)> open;
        // Shows the properties of items, by their paths; a sentence for
        // each problem.
        std::function<QStringList(const QList<QByteArray> &paths)> showProperties;
    };

    explicit FileManagerService(Actions actions, QObject *parent = nullptr);

    // Offers the interface on `bus` and asks for the well-known name. False
    // when the name is another program's (the program then runs without
    // it) or there is no bus; the request stays queued, so the name comes
    // to us should its owner go.
    bool claim(QDBusConnection bus);

public slots:
    // Each folder in a window of its own, once however often it is named.
    Q_SCRIPTABLE void ShowFolders(const QStringList &uris, const QString &startupId);
    // Each item's folder with the item selected; items of one folder share
    // its window.
    Q_SCRIPTABLE void ShowItems(const QStringList &uris, const QString &startupId);
    Q_SCRIPTABLE void ShowItemProperties(const QStringList &uris, const QString &startupId);

    // `id` as a desktop makes one (printable ASCII, at most
    // MaxStartupIdBytes), or empty: anything else is ignored.
    static QString usableStartupId(const QString &id);

private:
    static StartRequest placesOf(const QStringList &uris, bool selectItems);
    // Up to MaxWindows windows; the rest, and any that fail, become problems.
    void open(StartRequest request, const QString &startupId);
    // An error reply tells the caller what could not be shown.
    void reportProblems(const StartRequest &request);

    Actions actions_;
};

} // namespace tarnwick
