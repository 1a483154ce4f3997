#include "launcher.h"

#include <QDesktopServices>
#include <QProcess>

namespace tarnwick {
namespace {

class SystemLauncher : public Launcher
{
public:
    bool openUrl(const QUrl &url) override { return QDesktopServices::openUrl(url); }
    bool startDetached(const QString &program, const QStringList &arguments,
                       const QProcessEnvironment *environment, qint64 *pid) override
    {
        QProcess process;
        process.setProgram(program);
        process.setArguments(arguments);
        if (environment)
            process.setProcessEnvironment(*environment);
        return process.startDetached(pid);
    }
    LaunchResult launch(const QString &app, const QList<QByteArray> &paths) override
    {
        return Applications::launch(app, paths);
    }
    LaunchResult startIn(const QList<QByteArray> &argv, const QByteArray &workingDir) override
    {
        return Applications::startIn(argv, workingDir);
    }
};

} // namespace

Launcher &Launcher::system()
{
    static SystemLauncher instance;
    return instance;
}

} // namespace tarnwick
