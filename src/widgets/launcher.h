#pragma once

#include "applications.h"

#include <QProcessEnvironment>
#include <QStringList>
#include <QUrl>

namespace tarnwick {

// Starts things outside the program: a file with the desktop's default
// application, or a program. Tests substitute a recording one.
class Launcher
{
public:
    virtual ~Launcher() = default;
    virtual bool openUrl(const QUrl &url) = 0;
    // Starts `program` on its own, not waiting for it; `environment` replaces
    // ours when given, and `pid` receives the new process's id.
    virtual bool startDetached(const QString &program, const QStringList &arguments,
                               const QProcessEnvironment *environment = nullptr,
                               qint64 *pid = nullptr) = 0;
    // Starts the application `app` (a desktop id, or a .desktop file's path)
    // on `paths`, in one call.
    virtual LaunchResult launch(const QString &app, const QList<QByteArray> &paths) = 0;
    // Starts `argv` in the folder `workingDir`, all as bytes: a folder's name
    // need not be UTF-8.
    virtual LaunchResult startIn(const QList<QByteArray> &argv, const QByteArray &workingDir) = 0;

    // The desktop's own: QDesktopServices, GIO and detached processes.
    static Launcher &system();
};

} // namespace tarnwick
