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
    QAbstractItemModel *model = list->activeModel();
    const int rows = model->rowCount();
    if (rows == 0)
        return;
    // One toggle of the whole range: fast for any number of items.
    const QItemSelection all(model->index(0, 0), model->index(rows - 1, model->columnCount() - 1));
    list->selectionModel()->select(all, QItemSelectionModel::Toggle);
}

} // namespace tarnwick
