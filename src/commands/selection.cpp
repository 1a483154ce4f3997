// The selection commands of the Edit menu.
#include "frmexplore.h"

#include <QAbstractItemView>
#include <QItemSelectionModel>

namespace tarnwick {

void frmExplore::mnuEditSelectAll_Click()
{
    ExplorerListView *list = CcXploreListView1.get();
    list->setFocus();
    list->currentView()->selectAll();
}

void frmExplore::mnuEditInvertSelection_Click()
{
    ExplorerListView *list = CcXploreListView1.get();
    list->setFocus();
    list->invertSelection();
}

} // namespace tarnwick
