// The menu bar: every entry under its own name, connected to the handler
// named after it.
#include "frmexplore.h"

#include <QMenuBar>

namespace tarnwick {

namespace {

using Handler = void (frmExplore::*)();

enum EntryFlag
{
    Plain = 0,
    Separator = 1,
    OffAtStart = 2, // out of use from the start; nothing puts it into use
    Checked = 4,    // carries a check mark at start
    Checkable = 8,
};

struct Entry
{
    const char *name;
    const char *caption;
    int flags;
    Handler handler;
};

struct Menu
{
    const char *name;
    const char *caption;
    std::initializer_list<Entry> entries;
};

const Menu menuBar[] = {
    {"mnuFileTop",
     "&File",
     {
         {"mnuFileOpen", "&Open", OffAtStart, &frmExplore::mnuFileOpen_Click},
         {"mnuFileExplore", "&Explore", Plain, &frmExplore::mnuFileExplore_Click},
         {"mnuFileFind", "&Find", OffAtStart, nullptr},
         {"mnuSeperator4", "-", Separator, nullptr},
         {"mnuFileCreateShortcut", "Create &Shortcut", Plain,
          &frmExplore::mnuFileCreateShortcut_Click},
         {"mnuFileDelete", "&Delete", Plain, &frmExplore::mnuFileDelete_Click},
         {"mnuFileRename", "Rena&me", OffAtStart, &frmExplore::mnuFileRename_Click},
         {"mnuFileProperties", "&Properties", Plain, &frmExplore::mnuFileProperties_Click},
         {"mnuSeparator2", "-", Separator, nullptr},
         {"mnuPrintWindow", "Print", Plain, &frmExplore::mnuPrintWindow_Click},
         {"sep", "-", Separator, nullptr},
         {"mnuFileClose", "&Close", Plain, &frmExplore::mnuFileClose_Click},
     }},
    {"mnuEditTop",
     "&Edit",
     {
         {"mnuEditCut", "Cu&t", Plain, &frmExplore::mnuEditCut_Click},
         {"mnuEditCopy", "&Copy", Plain, &frmExplore::mnuEditCopy_Click},
         {"mnuEditPaste", "&Paste", Plain, &frmExplore::mnuEditPaste_Click},
         {"mnuSeperator1", "-", Separator, nullptr},
         {"mnuEditSelectAll", "&Select All", Plain, &frmExplore::mnuEditSelectAll_Click},
         {"mnuEditInvertSelection", "&Invert Selection", Plain,
          &frmExplore::mnuEditInvertSelection_Click},
     }},
    {"View",
     "&View",
     {
         {"mnuViewToolbar", "&Toolbar", Checkable | Checked, &frmExplore::mnuViewToolbar_Click},
         {"mnuViewStatusBar", "Status &Bar", Checkable | Checked,
          &frmExplore::mnuViewStatusBar_Click},
         {"mnuSeparator", "-", Separator, nullptr},
         {"mnuViewLargeIcons", "Lar&ge Icons", Checkable | Checked,
          &frmExplore::mnuViewLargeIcons_Click},
         {"mnuViewSmallIcons", "&Small Icons", Checkable, &frmExplore::mnuViewSmallIcons_Click},
         {"mnuViewList", "&List", Checkable, &frmExplore::mnuViewList_Click},
         {"mnuViewDetails", "&Details", Checkable, &frmExplore::mnuViewDetails_Click},
     }},
    {"mnuToolsTop",
     "&Tools",
     {
         {"mnuToolsFind", "&Find...", Plain, &frmExplore::mnuToolsFind_Click},
         {"mnuToolsSeperator1", "-", Separator, nullptr},
         {"mnuToolsCustomizeToolbar", "&Customize Toolbar...", Plain,
          &frmExplore::mnuToolsCustomizeToolbar_Click},
         {"mnuToolsSeperator4", "-", Separator, nullptr},
         {"mnuToolsMapNetDrive", "&Map Network Drive...", Plain,
          &frmExplore::mnuToolsMapNetDrive_Click},
         {"mnuToolsDisconnectNetDrive", "&Disconnect NetworkDrive...", Plain,
          &frmExplore::mnuToolsDisconnectNetDrive_Click},
         {"mnuToolsSeperator2", "-", Separator, nullptr},
         {"mnuToolsGoTo", "&Go to...", Plain, &frmExplore::mnuToolsGoTo_Click},
         {"mnutoolseparator15", "-", Separator | OffAtStart, nullptr},
         {"mnuOptions", "&Options", Plain, &frmExplore::mnuOptions_Click},
     }},
    {"mnuHelpTop",
     "&Help",
     {
         {"mnuHelpAbout", "&About...", Plain, &frmExplore::mnuHelpAbout_Click},
     }},
};

} // namespace

void frmExplore::buildMenus(FormWindow *window)
{
    QMenuBar *bar = window->menuBar();
    QList<QPointer<QMenu> *> tops{&mnuFileTop, &mnuEditTop, &View, &mnuToolsTop, &mnuHelpTop};
    int topIndex = 0;
    for (const Menu &m : menuBar) {
        QMenu *menu = bar->addMenu(tr(m.caption));
        menu->setObjectName(QString::fromLatin1(m.name));
        *tops[topIndex++] = menu;
        for (const Entry &e : m.entries) {
            QAction *action =
                (e.flags & Separator) ? menu->addSeparator() : menu->addAction(tr(e.caption));
            action->setObjectName(QString::fromLatin1(e.name));
            action->setEnabled(!(e.flags & OffAtStart));
            if (e.flags & Checkable) {
                action->setCheckable(true);
                action->setChecked(e.flags & Checked);
            }
            if (!e.handler)
                continue;
            const Handler handler = e.handler;
            connect(action, &QAction::triggered, this, [this, action, handler] {
                // A checkable entry toggles itself before it reports the
                // click; its handler decides the check mark, so undo that.
                if (action->isCheckable())
                    action->setChecked(!action->isChecked());
                (this->*handler)();
            });
        }
    }

    connect(mnuEditTop, &QMenu::aboutToShow, this, &frmExplore::mnuEditTop_Click);

    // The window is not ours yet while it is being built: look in the bar.
    const auto entry = [bar](const char *name) {
        return bar->findChild<QAction *>(QString::fromLatin1(name));
    };
    mnuFileClose = entry("mnuFileClose");
    mnuEditPaste = entry("mnuEditPaste");
    mnuViewToolbar = entry("mnuViewToolbar");
    mnuViewStatusBar = entry("mnuViewStatusBar");
    mnuViewLargeIcons = entry("mnuViewLargeIcons");
    mnuViewSmallIcons = entry("mnuViewSmallIcons");
    mnuViewList = entry("mnuViewList");
    mnuViewDetails = entry("mnuViewDetails");
}

QAction *frmExplore::menuEntry(const QString &name) const
{
    const QWidget *w = window();
    return w ? w->findChild<QAction *>(name) : nullptr;
}

} // namespace tarnwick
