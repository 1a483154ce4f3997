// The folder tree's network drives: mapping one and disconnecting one.
#include "background.h"
#include "explorerlistview.h"
#include "explorertreeview.h"
#include "namespacemodel.h"
#include "networkdialogs.h"
#include "networkmounts.h"
#include "rawpaths.h"
#include "usermessages.h"

#include <QTimer>
#include <QUrl>
#include <chrono>
#include <thread>

namespace tarnwick {

namespace {

// How long a place just connected is given to answer at its local folder.
// The desktop's file services make the folder answer within moments of the
// connection; a place silent this long is not going to.
constexpr std::chrono::milliseconds PlaceWait{5000};
// How often the folder is looked at meanwhile.
constexpr std::chrono::milliseconds PlacePoll{100};

} // namespace

void ExplorerTreeView::setMounter(NetworkMounter *mounter)
{
    mounter_ = mounter;
}

NetworkMounter *ExplorerTreeView::mounter()
{
    if (!mounter_)
        mounter_ = makeSystemMounter(this).release();
    return mounter_;
}

void ExplorerTreeView::MapNetworkDriveDialog(const QString &address)
{
    tarnwick::MapNetworkDriveDialog dialog(*mounter(), this);
    if (!address.isEmpty())
        dialog.connectTo(address);
    if (dialog.exec() != QDialog::Accepted)
        return;
    model_->refreshVolumes();
    const QString path = dialog.mountedPath();
    if (path.isEmpty())
        navigateTo(Location::special(MyComputerSpace));
    else
        openConnectedPlace(path, QUrl(dialog.mountedUri()).host());
}

// Just after a connection its local folder may not answer yet: it is looked
// at off the window's thread until it does, the list saying what it waits
// for, rather than reported missing.
void ExplorerTreeView::openConnectedPlace(const QString &path, const QString &server)
{
    const quint64 ticket = ++checks_;
    pendingCheck_ = ticket;
    if (list_)
        list_->showWaiting(tr("Waiting for %1...").arg(server));
    const auto giveUp = [this, ticket, path, server] {
        if (ticket != pendingCheck_)
            return; // answered, or the user went elsewhere
        pendingCheck_ = 0;
        if (list_)
            list_->showWaiting({});
        messages_->error(this, tr("%1 was connected, but its folder %2 does not answer.")
                                   .arg(server, rawpath::shown(path)));
    };
    // The folder may not even say no: the window gives up on its own.
    QTimer::singleShot(PlaceWait + PlacePoll * 5, this, giveUp);
    Background::run(this, [this, ticket, path, giveUp](BackgroundTask &task) {
        const auto deadline = std::chrono::steady_clock::now() + PlaceWait;
        bool answers = refusalFor(path).isEmpty();
        while (!answers && !task.cancelled() && std::chrono::steady_clock::now() < deadline) {
            std::this_thread::sleep_for(PlacePoll);
            answers = refusalFor(path).isEmpty();
        }
        task.post([this, ticket, path, answers, giveUp] {
            if (!answers)
                return giveUp();
            if (ticket != pendingCheck_)
                return;
            if (list_)
                list_->showWaiting({});
            finishNavigation(Location::folder(path), {});
        });
    });
}

bool ExplorerTreeView::openAddress(const QString &address)
{
    const QString path = localPathOfAddress(address);
    if (!path.isEmpty())
        return navigateTo(Location::folder(path));
    MapNetworkDriveDialog(address);
    return false;
}

void ExplorerTreeView::DisconnectNetworkDriveDialog()
{
    tarnwick::DisconnectNetworkDriveDialog dialog(*mounter(), this);
    // The tree's own listing and watch would hold the place busy.
    connect(&dialog, &DisconnectNetworkDriveDialog::disconnecting, this,
            [this](const QString &path) {
                if (!path.isEmpty() && current_.isFolder() &&
                    (current_.path == path || current_.path.startsWith(path + QLatin1Char('/'))))
                    navigateTo(Location::special(MyComputerSpace));
            });
    disconnecting_ = true;
    dialog.exec();
    disconnecting_ = false;
    model_->refreshVolumes();
    leaveIfGone();
}

} // namespace tarnwick
