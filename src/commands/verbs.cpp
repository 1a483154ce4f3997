// Verb commands: each goes to the pane the user last worked in.
#include "clipboardfiles.h"
#include "frmexplore.h"

#include <QClipboard>
#include <QGuiApplication>

namespace tarnwick {

// The tree first if it is the active pane; then the list if it is active
// now, which it can have become while the tree's verb ran. Before either
// pane has had the focus, nothing happens.
void frmExplore::invokeVerb(Verb verb)
{
    if (activePane == Pane::Tree)
        CcXploreTreeView1->InvokeVerb(verb);
    if (activePane == Pane::List)
        CcXploreListView1->InvokeVerb(verb);
}

void frmExplore::mnuEditCut_Click()
{
    invokeVerb(Verb::Cut);
}

void frmExplore::mnuEditCopy_Click()
{
    invokeVerb(Verb::Copy);
}

void frmExplore::mnuEditPaste_Click()
{
    invokeVerb(Verb::Paste);
}

void frmExplore::mnuFileProperties_Click()
{
    invokeVerb(Verb::Properties);
}

// Always on the tree, which keeps the focus, so a following verb applies
// to the tree too.
void frmExplore::mnuToolsFind_Click()
{
    CcXploreTreeView1->setFocus();
    activePane = Pane::Tree; // as the tree's GotFocus sets it, also while the window is inactive
    CcXploreTreeView1->InvokeVerb(Verb::Find);
}

// Paste is usable exactly while the clipboard offers files; the toolbar's
// Paste button is not affected.
void frmExplore::mnuEditTop_Click()
{
    mnuEditPaste->setEnabled(holdsFiles(QGuiApplication::clipboard()->mimeData()));
}

void frmExplore::mnuFileDelete_Click()
{
    invokeVerb(Verb::Delete);
}

void frmExplore::mnuFileRename_Click()
{
    invokeVerb(Verb::Rename);
}

void frmExplore::mnuFileCreateShortcut_Click()
{
    invokeVerb(Verb::Link);
}

} // namespace tarnwick
