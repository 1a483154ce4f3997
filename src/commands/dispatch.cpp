// The command table, and the toolbars' key dispatch: a button does what its
// menu entry does.
#include "commandtable.h"
#include "frmexplore.h"

#include <QDir>
#include <cstring>

namespace tarnwick {

namespace commands {
namespace {

const Command table[] = {
    {"mnuFileOpen", nullptr, &frmExplore::mnuFileOpen_Click},
    {"mnuFileExplore", nullptr, &frmExplore::mnuFileExplore_Click},
    {"mnuFileCreateShortcut", nullptr, &frmExplore::mnuFileCreateShortcut_Click},
    {"mnuFileDelete", "Delete", &frmExplore::mnuFileDelete_Click},
    {"mnuFileRename", nullptr, &frmExplore::mnuFileRename_Click},
    {"mnuFileProperties", "Properties", &frmExplore::mnuFileProperties_Click},
    {"mnuPrintWindow", "Print", &frmExplore::mnuPrintWindow_Click},
    {"mnuFileClose", nullptr, &frmExplore::mnuFileClose_Click},
    {"mnuEditCut", "Cut", &frmExplore::mnuEditCut_Click},
    {"mnuEditCopy", "Copy", &frmExplore::mnuEditCopy_Click},
    {"mnuEditPaste", "Paste", &frmExplore::mnuEditPaste_Click},
    {"mnuEditSelectAll", nullptr, &frmExplore::mnuEditSelectAll_Click},
    {"mnuEditInvertSelection", nullptr, &frmExplore::mnuEditInvertSelection_Click},
    {"mnuViewToolbar", nullptr, &frmExplore::mnuViewToolbar_Click},
    {"mnuViewStatusBar", nullptr, &frmExplore::mnuViewStatusBar_Click},
    {"mnuViewLargeIcons", "LargeIcon", &frmExplore::mnuViewLargeIcons_Click},
    {"mnuViewSmallIcons", "SmallIcon", &frmExplore::mnuViewSmallIcons_Click},
    {"mnuViewList", "List", &frmExplore::mnuViewList_Click},
    {"mnuViewDetails", "Details", &frmExplore::mnuViewDetails_Click},
    {"mnuToolsFind", nullptr, &frmExplore::mnuToolsFind_Click},
    {"mnuToolsCustomizeToolbar", nullptr, &frmExplore::mnuToolsCustomizeToolbar_Click},
    {"mnuToolsMapNetDrive", "MapNetworkDrive", &frmExplore::mnuToolsMapNetDrive_Click},
    {"mnuToolsDisconnectNetDrive", "DisconnectNetDrive",
     &frmExplore::mnuToolsDisconnectNetDrive_Click},
    {"mnuToolsGoTo", nullptr, &frmExplore::mnuToolsGoTo_Click},
    {"mnuOptions", nullptr, &frmExplore::mnuOptions_Click},
    {"mnuToolsHistory", nullptr, &frmExplore::mnuToolsHistory_Click},
    {"mnuHelpAbout", nullptr, &frmExplore::mnuHelpAbout_Click},
    {nullptr, "UpOneLevel", &frmExplore::upOneLevel},
    {nullptr, "Back", &frmExplore::goBack},
    {nullptr, "Forward", &frmExplore::goForward},
    {nullptr, "Home", &frmExplore::goHome},
};

} // namespace

Handler forEntry(const char *entry)
{
    for (const Command &c : table) {
        if (c.entry && std::strcmp(c.entry, entry) == 0)
            return c.handler;
    }
    return nullptr;
}

Handler forToolbarKey(const QString &key)
{
    for (const Command &c : table) {
        if (c.toolbarKey && key == QLatin1String(c.toolbarKey))
            return c.handler;
    }
    return nullptr;
}

} // namespace commands

void frmExplore::Toolbar1_ButtonClick(const QString &key)
{
    dispatchToolbarKey(key);
}

void frmExplore::Toolbar2_ButtonClick(const QString &key)
{
    dispatchToolbarKey(key);
}

void frmExplore::dispatchToolbarKey(const QString &key)
{
    if (const commands::Handler handler = commands::forToolbarKey(key))
        (this->*handler)();
}

void frmExplore::upOneLevel()
{
    CcXploreTreeView1->GoUpOneLevel();
}

void frmExplore::goBack()
{
    CcXploreTreeView1->GoBack();
}

void frmExplore::goForward()
{
    CcXploreTreeView1->GoForward();
}

void frmExplore::goHome()
{
    CcXploreTreeView1->setCurrentFolder(QDir::homePath());
}

} // namespace tarnwick
