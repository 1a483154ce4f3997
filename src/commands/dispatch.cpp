// The toolbars' key dispatch: a button does what its menu entry does.
#include "frmexplore.h"

namespace tarnwick {

void frmExplore::Toolbar1_ButtonClick(const QString &key)
{
    dispatchToolbarKey(key);
}

void frmExplore::Toolbar2_ButtonClick(const QString &key)
{
    dispatchToolbarKey(key);
}

// Keys compare exactly, case included. A key that matches none (the empty
// button) does nothing.
void frmExplore::dispatchToolbarKey(const QString &key)
{
    if (key == QLatin1String("UpOneLevel"))
        CcXploreTreeView1->GoUpOneLevel();
    else if (key == QLatin1String("MapNetworkDrive"))
        mnuToolsMapNetDrive_Click();
    else if (key == QLatin1String("DisconnectNetDrive"))
        mnuToolsDisconnectNetDrive_Click();
    else if (key == QLatin1String("Cut"))
        mnuEditCut_Click();
    else if (key == QLatin1String("Copy"))
        mnuEditCopy_Click();
    else if (key == QLatin1String("Paste"))
        mnuEditPaste_Click();
    else if (key == QLatin1String("Properties"))
        mnuFileProperties_Click();
    else if (key == QLatin1String("Delete"))
        mnuFileDelete_Click();
    else if (key == QLatin1String("LargeIcon"))
        mnuViewLargeIcons_Click();
    else if (key == QLatin1String("SmallIcon"))
        mnuViewSmallIcons_Click();
    else if (key == QLatin1String("List"))
        mnuViewList_Click();
    else if (key == QLatin1String("Details"))
        mnuViewDetails_Click();
    else if (key == QLatin1String("Print"))
        PrintFolderContents();
}

} // namespace tarnwick
