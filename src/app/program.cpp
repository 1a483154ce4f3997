#include "program.h"

#include "frmexplore.h"
#include "form1.h"
#include "frmoptions.h"

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
}

void Program::Main()
{
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
