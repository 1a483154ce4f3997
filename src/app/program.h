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
    // Passes what the user must be told on to `messages`, except while a
    // bus call is answered: then it is kept, to go back in the reply, since
    // a box would hold that call and every later one in its own loop.
    class DeferringMessages : public UserMessages
    {
    public:
        explicit DeferringMessages(UserMessages &messages) : messages_(messages) {}
        void error(QWidget *parent, const QString &text) override;
        void notice(QWidget *parent, const QString &text) override;
        bool confirm(QWidget *parent, const QString &text) override;
        std::optional<QString> ask(QWidget *parent, const QString &title,
                                   const QString &prompt) override;
        QStringList *kept = nullptr; // while a call is answered

    private:
        UserMessages &messages_;
    };

    UserMessages &messages_;
    DeferringMessages busMessages_;
    std::unique_ptr<FileManagerService> fileManager_;
    SettingsStore store_;
    Preferences prefs_;
    WindowRegistry windows_;
};

} // namespace tarnwick
