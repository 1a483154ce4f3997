#pragma once

#include "preferences.h"
#include "settingsstore.h"
#include "usermessages.h"
#include "windowregistry.h"

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
    // up the main window behind it.
    void Main(bool splash = false);

private:
    SettingsStore store_;
    Preferences prefs_;
    WindowRegistry windows_;
};

} // namespace tarnwick
