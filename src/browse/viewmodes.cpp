// The View menu: the list's four modes, and showing or hiding the bars.
#include "frmexplore.h"
#include "preferences.h"

namespace tarnwick {

void frmExplore::chooseView(ExplorerListView::ViewMode mode, QAction *entry, const QString &key)
{
    for (QAction *a : {mnuViewLargeIcons.data(), mnuViewSmallIcons.data(), mnuViewList.data(),
                       mnuViewDetails.data()})
        a->setChecked(a == entry);
    CcXploreListView1->setView(mode);
    // The small toolbar only; the large one changes when it is clicked. A
    // button removed by customising is simply not there to press.
    Toolbar1->press(key);
    prefs_.write(Pref::View, QString::number(int(mode)));
    prefs_.write(Pref::Button, key);
}

void frmExplore::mnuViewLargeIcons_Click()
{
    chooseView(ExplorerListView::LargeIcons, mnuViewLargeIcons, QStringLiteral("LargeIcon"));
}

void frmExplore::mnuViewSmallIcons_Click()
{
    chooseView(ExplorerListView::SmallIcons, mnuViewSmallIcons, QStringLiteral("SmallIcon"));
}

void frmExplore::mnuViewList_Click()
{
    chooseView(ExplorerListView::ListMode, mnuViewList, QStringLiteral("List"));
}

void frmExplore::mnuViewDetails_Click()
{
    chooseView(ExplorerListView::Details, mnuViewDetails, QStringLiteral("Details"));
}

void frmExplore::mnuViewStatusBar_Click()
{
    const bool show = !mnuViewStatusBar->isChecked();
    mnuViewStatusBar->setChecked(show);
    StatusBar1.setVisible(show);
    Form_Resize();
}

void frmExplore::mnuViewToolbar_Click()
{
    const bool show = !mnuViewToolbar->isChecked();
    mnuViewToolbar->setChecked(show);
    picToolbar1.setVisible(show);
    Form_Resize();
}

} // namespace tarnwick
