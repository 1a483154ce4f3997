#pragma once

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

    // The desktop's own: QDesktopServices and a detached process.
    static Launcher &system();
};

} // namespace tarnwick
