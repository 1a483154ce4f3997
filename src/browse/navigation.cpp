// The main window's side of browsing: which pane the user last worked in,
// the caption over the list and the status bar's selection count.
#include "frmexplore.h"
#include "statustexts.h"

namespace tarnwick {

void frmExplore::CcXploreTreeView1_GotFocus()
{
    activePane = Pane::Tree;
}

void frmExplore::CcXploreListView1_GotFocus()
{
    activePane = Pane::List;
}

void frmExplore::CcXploreTreeView1_FolderChanged(const QString &)
{
    ExplorerTreeView *tree = CcXploreTreeView1.get();
    const int isNameSpace = tree->IsNameSpace();
    txtStatus2->setCaption(listCaption(isNameSpace, isNameSpace ? int(tree->CurrentNameSpace()) : 0,
                                       isNameSpace ? QString() : tree->CurrentFolder()));
    StatusBar1->setSimpleText(QString());
}

void frmExplore::CcXploreListView1_Click()
{
    const ExplorerListView *list = CcXploreListView1.get();
    const int count = list->ItemCount();
    qint64 selected = 0;
    for (int i = 0; i < count; ++i) {
        if (list->Selected(i))
            ++selected;
    }
    StatusBar1->setSimpleText(selectionStatus(selected));
}

void frmExplore::CcXploreListView1_FolderChanged(const QString &)
{
    StatusBar1->setSimpleText(QString());
}

void frmExplore::CcXploreCombo1_FolderChanged(const QString &)
{
    if (CcXploreTreeView1.Visible())
        CcXploreTreeView1->setFocus();
}

} // namespace tarnwick
