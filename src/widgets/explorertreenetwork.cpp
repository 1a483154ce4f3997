// The folder tree's network drives: mapping one and disconnecting one.
#include "explorertreeview.h"
#include "namespacemodel.h"
#include "networkdialogs.h"
#include "networkmounts.h"

namespace tarnwick {

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

void ExplorerTreeView::MapNetworkDriveDialog()
{
    tarnwick::MapNetworkDriveDialog dialog(*mounter(), this);
    if (dialog.exec() != QDialog::Accepted)
        return;
    model_->refreshVolumes();
    const QString path = dialog.mountedPath();
    navigateTo(path.isEmpty() ? Location::special(MyComputerSpace) : Location::folder(path));
}

void ExplorerTreeView::DisconnectNetworkDriveDialog()
{
    tarnwick::DisconnectNetworkDriveDialog dialog(*mounter(), this);
    dialog.exec();
    model_->refreshVolumes();
    leaveIfGone();
}

} // namespace tarnwick
