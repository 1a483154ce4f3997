// The menu bar: every entry under its own name, running its command.
#include "commandtable.h"
#include "frmexplore.h"

#include <QMenuBar>

namespace tarnwick {

namespace {

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
         {"mnuFileOpen", "&Open", OffAtStart},
         {"mnuFileExplore", "&Explore", Plain},
         {"mnuFileFind", "&Find", OffAtStart},
         {"mnuSeperator4", "-", Separator},
         {"mnuFileCreateShortcut", "Create &Shortcut", Plain},
         {"mnuFileDelete", "&Delete", Plain},
         {"mnuFileRename", "Rena&me", OffAtStart},
         {"mnuFileProperties", "&Properties", Plain},
         {"mnuSeparator2", "-", Separator},
         {"mnuPrintWindow", "Print", Plain},
         {"sep", "-", Separator},
         {"mnuFileClose", "&Close", Plain},
     }},
    {"mnuEditTop",
     "&Edit",
     {
         {"mnuEditCut", "Cu&t", Plain},
         {"mnuEditCopy", "&Copy", Plain},
         {"mnuEditPaste", "&Paste", Plain},
         {"mnuSeperator1", "-", Separator},
         {"mnuEditSelectAll", "&Select All", Plain},
         {"mnuEditInvertSelection", "&Invert Selection", Plain},
     }},
    {"View",
     "&View",
     {
         {"mnuViewToolbar", "&Toolbar", Checkable | Checked},
         {"mnuViewStatusBar", "Status &Bar", Checkable | Checked},
         {"mnuSeparator", "-", Separator},
         {"mnuViewLargeIcons", "Lar&ge Icons", Checkable | Checked},
         {"mnuViewSmallIcons", "&Small Icons", Checkable},
         {"mnuViewList", "&List", Checkable},
         {"mnuViewDetails", "&Details", Checkable},
     }},
    {"mnuToolsTop",
     "&Tools",
     {
         {"mnuToolsFind", "&Find...", Plain},
         {"mnuToolsSeperator1", "-", Separator},
         {"mnuToolsCustomizeToolbar", "&Customize Toolbar...", Plain},
         {"mnuToolsSeperator4", "-", Separator},
         {"mnuToolsMapNetDrive", "&Map Network Drive...", Plain},
         {"mnuToolsDisconnectNetDrive", "&Disconnect NetworkDrive...", Plain},
         {"mnuToolsSeperator2", "-", Separator},
         {"mnuToolsGoTo", "&Go to...", Plain},
         {"mnutoolseparator15", "-", Separator | OffAtStart},
         {"mnuOptions", "&Options", Plain},
         {"mnuToolsHistorySeparator", "-", Separator},
         {"mnuToolsHistory", "Operation &History...", Plain},
     }},
    {"mnuHelpTop",
     "&Help",
     {
         {"mnuHelpAbout", "&About...", Plain},
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
            const commands::Handler handler = commands::forEntry(e.name);
            if (!handler || (e.flags & Separator))
                continue;
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
