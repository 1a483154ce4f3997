// The View menu: the list's four modes, and showing or hiding the bars.
#include "frmexplore.h"
#include "preferences.h"

namespace tarnwick {

void frmExplore::chooseView(ExplorerListView::ViewMode mode, const QString &key)
{
    CcXploreListView1->setView(mode);
    markView();
    prefs_.write(Pref::View, QString::number(int(mode)));
    prefs_.write(Pref::Button, key);
}

// The list's own mode is the one record of the view: the menu's check and
// the pressed button of both toolbars follow it, so they can never name
// another view than the one shown. A button removed by customising is simply
// not there to press.
void frmExplore::markView()
{
    QAction *const entries[] = {mnuViewLargeIcons, mnuViewSmallIcons, mnuViewList, mnuViewDetails};
    static const char *const keys[] = {"LargeIcon", "SmallIcon", "List", "Details"};
    const int mode = int(CcXploreListView1->View());
    for (int i = 0; i < 4; ++i)
        entries[i]->setChecked(i == mode);
    for (Toolbar *bar : {Toolbar1.get(), Toolbar2.get()}) {
        if (!bar->press(QString::fromLatin1(keys[mode])))
            bar->releaseGroup();
        bar->update();
    }
}

void frmExplore::mnuViewLargeIcons_Click()
{
    chooseView(ExplorerListView::LargeIcons, QStringLiteral("LargeIcon"));
}

void frmExplore::mnuViewSmallIcons_Click()
{
    chooseView(ExplorerListView::SmallIcons, QStringLiteral("SmallIcon"));
}

void frmExplore::mnuViewList_Click()
{
    chooseView(ExplorerListView::ListMode, QStringLiteral("List"));
}

void frmExplore::mnuViewDetails_Click()
{
    chooseView(ExplorerListView::Details, QStringLiteral("Details"));
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
