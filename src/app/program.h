#pragma once

#include "filemanagerservice.h"
#include "preferences.h"
#include "settingsstore.h"
#include "startplaces.h"
#include "usermessages.h"
#include "windowregistry.h"

#include <memory>

namespace tarnwick {

// Everything one run of the program holds: the settings store, the
// preferences over it and the window objects.
class Program
{
public:
    Program(const QString &settingsFile, WindowRegistry::Exit exit,
            UserMessages &messages = UserMessages::dialogs());

    WindowRegistry &windows() { return windows_; }
    Preferences &prefs() { return prefs_; }

    // Main: create the main window and show it; returns at once. A copy
    // started by Open or Explore opens minimised when asked to through its
    // environment. With `splash`, the splash screen comes first and brings
    // up the main window behind it. The window opens on the first of
    // `places`; each further one opens in another copy, as Explore starts one.
    void Main(bool splash = false, const QList<StartPlace> &places = {});
    // Answers other programs' requests to show folders and files on the
    // session bus, unless another program does; whether it does here.
    bool offerFileManagerService(QDBusConnection bus);

private:
    UserMessages &messages_;
    std::unique_ptr<FileManagerService> fileManager_;
    SettingsStore store_;
    Preferences prefs_;
    WindowRegistry windows_;
};

} // namespace tarnwick
