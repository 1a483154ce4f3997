#include "program.h"

#include "form1.h"
#include "frmabout.h"
#include "frmexplore.h"
#include "frmoptions.h"
#include "frmsplash2.h"

namespace tarnwick {

Program::Program(const QString &settingsFile, WindowRegistry::Exit exit, UserMessages &messages)
    : store_(settingsFile), prefs_(store_), windows_(std::move(exit))
{
    store_.setWriteFailureHandler(reportFirstFailureInBox(messages));
    windows_.define(QString::fromLatin1(frmExplore::Name),
                    [this](WindowRegistry &w) { return std::make_unique<frmExplore>(w, prefs_); });
    windows_.define(QString::fromLatin1(frmOptions::Name),
                    [this](WindowRegistry &w) { return std::make_unique<frmOptions>(w, prefs_); });
    windows_.define(QString::fromLatin1(Form1::Name),
                    [](WindowRegistry &) { return std::make_unique<Form1>(); });
    windows_.define(QString::fromLatin1(frmAbout::Name), [&messages](WindowRegistry &) {
        return std::make_unique<frmAbout>(frmAbout::Services{&messages});
    });
    windows_.define(QString::fromLatin1(frmSplash2::Name),
                    [](WindowRegistry &w) { return std::make_unique<frmSplash2>(w); });
}

void Program::Main(bool splash)
{
    if (splash) {
        // The splash brings up the main window itself.
        windows_.form(QString::fromLatin1(frmSplash2::Name))->show();
        return;
    }
    FormObject *main = windows_.form(QString::fromLatin1(frmExplore::Name));
    const bool minimized = qgetenv(ShowStateVariable) == "minimized";
    // The hint is for this copy only, not for copies it starts in turn.
    qunsetenv(ShowStateVariable);
    if (!minimized) {
        main->show();
        return;
    }
    main->load();
    main->window()->showMinimized();
}

} // namespace tarnwick
