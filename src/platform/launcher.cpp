#include "launcher.h"

#include <QDesktopServices>
#include <QProcess>

namespace tarnwick {
namespace {

class SystemLauncher : public Launcher
{
public:
    bool openUrl(const QUrl &url) override { return QDesktopServices::openUrl(url); }
    bool startDetached(const QString &program, const QStringList &arguments) override
    {
        return QProcess::startDetached(program, arguments);
    }
};

} // namespace

Launcher &Launcher::system()
{
    static SystemLauncher instance;
    return instance;
}

} // namespace tarnwick
