#pragma once

#include <QByteArray>
#include <QList>
#include <QString>
#include <optional>
#include <utility>

namespace tarnwick {

// One installed application, as the desktop knows it (GIO's application
// infos, which read the .desktop files and the mimeapps.list defaults).
struct Application
{
    QString id;       // the desktop id, "org.example.Viewer.desktop"
    QString name;     // localized
    QString iconName; // a theme icon name or an absolute path; may be empty
    // Takes several files in one start (its command line holds %F or %U).
    bool supportsMultiple = false;
};

// What came of starting something: 0, or an errno-like code with the
// system's words for it.
struct LaunchResult
{
    int error = 0;
    QString reason;
    bool ok() const { return error == 0; }
};

// What opening a file needs to know of it, read from the disk.
struct FileFacts
{
    QByteArray path;
    QString contentType;     // empty when it cannot be read
    bool executable = false; // a regular file with an execute bit set
    bool isDir = false;
};

// The desktop's applications, through GIO. Lookups read the desktop files
// once and keep them (GIO watches them for changes), so they are quick after
// the first; launching and reading a file's facts touch the disk.
namespace Applications {

std::optional<Application> find(const QString &id);
// The application that opens `contentType`, if any.
std::optional<Application> defaultFor(const QString &contentType);
// Those that say they open `contentType`, the default included; best first.
QList<Application> recommendedFor(const QString &contentType);
// Every application that is to be shown, sorted by name.
QList<Application> all();
// Makes `id` the default for `contentType` in the user's mimeapps.list, as
// `xdg-mime default` would; the reason when it could not.
LaunchResult setDefault(const QString &id, const QString &contentType);

// Starts `app` on `paths` in one call. `app` is a desktop id, or the
// absolute path of a .desktop file (as rawpath::toText gives it).
LaunchResult launch(const QString &app, const QList<QByteArray> &paths);
// Starts `argv` (argv[0] looked up on PATH) in `workingDir`, not waiting
// for it to end.
LaunchResult startIn(const QList<QByteArray> &argv, const QByteArray &workingDir);

// What a .desktop file would start: its Name and Exec, or nullopt when it
// is not a launcher GIO can use. Reads the file.
std::optional<std::pair<QString, QString>> launcherOf(const QByteArray &path);

// Reads a file's type and mode (following a link); may block on a slow
// disk, so it is for a worker thread.
FileFacts factsOf(const QByteArray &path);
// The type a name alone suggests, without reading anything.
QString typeByName(const QByteArray &name);
// Whether a file of this type may be a program (a binary or a script).
bool canBeExecutable(const QString &contentType);
// Whether this type is a desktop launcher (.desktop file).
bool isLauncherType(const QString &contentType);
// The type whose default opens a file "as text".
QString textType();

} // namespace Applications

} // namespace tarnwick
