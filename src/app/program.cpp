#include "program.h"

#include "frmexplore.h"

namespace tarnwick {

Program::Program(const QString &settingsFile, WindowRegistry::Exit exit)
    : store_(settingsFile), prefs_(store_), windows_(std::move(exit))
{
    windows_.define(QString::fromLatin1(frmExplore::Name),
                    [this](WindowRegistry &w) { return std::make_unique<frmExplore>(w, prefs_); });
}

void Program::Main()
{
    windows_.form(QString::fromLatin1(frmExplore::Name))->show();
}

} // namespace tarnwick
