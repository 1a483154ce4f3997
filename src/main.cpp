#include "frmabout.h"
#include "icons.h"
#include "program.h"
#include "settingsstore.h"
#include "unixsignals.h"
#include "version.h"

#include <QApplication>

int main(int argc, char *argv[])
{
    tarnwick::TerminationWatcher::catchEarly();
    QApplication app(argc, argv);
    QApplication::setApplicationDisplayName(QString::fromLatin1(tarnwick::version::Title));
    QApplication::setApplicationVersion(QString::fromLatin1(tarnwick::version::Text));
    QApplication::setWindowIcon(tarnwick::applicationIcon());
    // The program ends by its own rules (the close box, File > Close), not
    // when the last visible window goes.
    QApplication::setQuitOnLastWindowClosed(false);

    using namespace tarnwick;
    Icons::useDesktopTheme();
    const QString appName =
        SettingsStore::applicationNameFromPath(QApplication::applicationFilePath());
    Program program(SettingsStore::defaultFilePath(appName),
                    [](int code) { QApplication::exit(code); });

    TerminationWatcher termination;
    QObject::connect(&termination, &TerminationWatcher::terminationRequested, &app,
                     [&program] { program.windows().endOrderly(); });

    program.Main(QApplication::arguments().contains(QStringLiteral("--splash")));
    return QApplication::exec();
}
