// Commands on the window as a whole: another window, Go To, the network
// drives, customising the toolbar, the Options dialog, the history.
#include "fileoperationdialogs.h"
#include "frmabout.h"
#include "frmexplore.h"
#include "frmoptions.h"
#include "historywindow.h"
#include "launcher.h"
#include "usermessages.h"
#include "windowregistry.h"

#include <QProcessEnvironment>

namespace tarnwick {

void frmExplore::mnuFileOpen_Click()
{
    startAnotherCopy();
}

void frmExplore::mnuFileExplore_Click()
{
    startAnotherCopy();
}

void frmExplore::startAnotherCopy(const QStringList &arguments, bool minimised,
                                  const QString &startupId)
{
    if (!startCopy(arguments, minimised, startupId))
        services_.messages->error(window(),
                                  tr("Another window could not be opened: “%1” did not start.")
                                      .arg(services_.programPath));
}

// A new, independent copy of the program; it opens its own window with the
// stored preferences. We do not wait for it.
bool frmExplore::startCopy(const QStringList &arguments, bool minimised, const QString &startupId)
{
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.remove(QString::fromLatin1(ShowStateVariable));
    if (minimised)
        environment.insert(QString::fromLatin1(ShowStateVariable), QStringLiteral("minimized"));
    environment.remove(QStringLiteral("DESKTOP_STARTUP_ID"));
    environment.remove(QStringLiteral("XDG_ACTIVATION_TOKEN"));
    if (!startupId.isEmpty()) {
        // X11 and Wayland each read their own.
        environment.insert(QStringLiteral("DESKTOP_STARTUP_ID"), startupId);
        environment.insert(QStringLiteral("XDG_ACTIVATION_TOKEN"), startupId);
    }
    return services_.launcher->startDetached(services_.programPath, arguments, &environment);
}

void frmExplore::mnuToolsGoTo_Click()
{
    const std::optional<QString> text =
        services_.messages->ask(window(), tr("Go To Folder"),
                                tr("Type the name of the path of the folder you want to open"));
    // Passed on exactly as typed: no trimming, no completion.
    if (text && !text->isEmpty())
        CcXploreTreeView1->setCurrentFolder(*text);
}

// One history window per main window, kept while open and shown again.
void frmExplore::mnuToolsHistory_Click()
{
    QWidget *owner = window();
    auto *history = owner->findChild<HistoryWindow *>(QString(), Qt::FindDirectChildrenOnly);
    if (!history) {
        history = new HistoryWindow(owner, *services_.messages, JobAsker::dialogs());
        history->setAttribute(Qt::WA_DeleteOnClose);
    }
    history->show();
    history->raise();
    history->activateWindow();
}

void frmExplore::mnuToolsMapNetDrive_Click()
{
    CcXploreTreeView1->MapNetworkDriveDialog();
}

void frmExplore::mnuToolsDisconnectNetDrive_Click()
{
    CcXploreTreeView1->DisconnectNetworkDriveDialog();
}

// Always the small toolbar's arrangement, whichever toolbar is shown.
void frmExplore::mnuToolsCustomizeToolbar_Click()
{
    Toolbar1->customize();
    // A view button taken out and put back comes back released.
    markView();
}

// Modal, without an owner: the main window takes no input until it closes.
void frmExplore::mnuOptions_Click()
{
    if (FormObject *options = windows_.form(QString::fromLatin1(frmOptions::Name)))
        options->showModal();
}

// Modal, without an owner, loaded afresh each time.
void frmExplore::mnuHelpAbout_Click()
{
    if (FormObject *about = windows_.form(QString::fromLatin1(frmAbout::Name)))
        about->showModal();
}

} // namespace tarnwick
