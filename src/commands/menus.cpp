// The menu bar: every entry under its own name, running its command.
#include "commandtable.h"
#include "frmexplore.h"

#include <QCoreApplication>
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
     QT_TRANSLATE_NOOP("Menus", "&File"),
     {
         {"mnuFileOpen", QT_TRANSLATE_NOOP("Menus", "&Open"), OffAtStart},
         {"mnuFileExplore", QT_TRANSLATE_NOOP("Menus", "&Explore"), Plain},
         {"mnuFileFind", QT_TRANSLATE_NOOP("Menus", "&Find"), OffAtStart},
         {"mnuSeperator4", "-", Separator},
         {"mnuFileCreateShortcut", QT_TRANSLATE_NOOP("Menus", "Create &Shortcut"), Plain},
         {"mnuFileDelete", QT_TRANSLATE_NOOP("Menus", "&Delete"), Plain},
         {"mnuFileRename", QT_TRANSLATE_NOOP("Menus", "Rena&me"), OffAtStart},
         {"mnuFileProperties", QT_TRANSLATE_NOOP("Menus", "&Properties"), Plain},
         {"mnuSeparator2", "-", Separator},
         {"mnuPrintWindow", QT_TRANSLATE_NOOP("Menus", "Print"), Plain},
         {"sep", "-", Separator},
         {"mnuFileClose", QT_TRANSLATE_NOOP("Menus", "&Close"), Plain},
     }},
    {"mnuEditTop",
     QT_TRANSLATE_NOOP("Menus", "&Edit"),
     {
         {"mnuEditCut", QT_TRANSLATE_NOOP("Menus", "Cu&t"), Plain},
         {"mnuEditCopy", QT_TRANSLATE_NOOP("Menus", "&Copy"), Plain},
         {"mnuEditPaste", QT_TRANSLATE_NOOP("Menus", "&Paste"), Plain},
         {"mnuSeperator1", "-", Separator},
         {"mnuEditSelectAll", QT_TRANSLATE_NOOP("Menus", "&Select All"), Plain},
         {"mnuEditInvertSelection", QT_TRANSLATE_NOOP("Menus", "&Invert Selection"), Plain},
     }},
    {"View",
     QT_TRANSLATE_NOOP("Menus", "&View"),
     {
         {"mnuViewToolbar", QT_TRANSLATE_NOOP("Menus", "&Toolbar"), Checkable | Checked},
         {"mnuViewStatusBar", QT_TRANSLATE_NOOP("Menus", "Status &Bar"), Checkable | Checked},
         {"mnuSeparator", "-", Separator},
         {"mnuViewLargeIcons", QT_TRANSLATE_NOOP("Menus", "Lar&ge Icons"), Checkable | Checked},
         {"mnuViewSmallIcons", QT_TRANSLATE_NOOP("Menus", "&Small Icons"), Checkable},
         {"mnuViewList", QT_TRANSLATE_NOOP("Menus", "&List"), Checkable},
         {"mnuViewDetails", QT_TRANSLATE_NOOP("Menus", "&Details"), Checkable},
     }},
    {"mnuToolsTop",
     QT_TRANSLATE_NOOP("Menus", "&Tools"),
     {
         {"mnuToolsFind", QT_TRANSLATE_NOOP("Menus", "&Find..."), Plain},
         {"mnuToolsSeperator1", "-", Separator},
         {"mnuToolsCustomizeToolbar", QT_TRANSLATE_NOOP("Menus", "&Customize Toolbar..."), Plain},
         {"mnuToolsSeperator4", "-", Separator},
         {"mnuToolsMapNetDrive", QT_TRANSLATE_NOOP("Menus", "&Map Network Drive..."), Plain},
         {"mnuToolsDisconnectNetDrive", QT_TRANSLATE_NOOP("Menus", "&Disconnect NetworkDrive..."),
          Plain},
         {"mnuToolsSeperator2", "-", Separator},
         {"mnuToolsGoTo", QT_TRANSLATE_NOOP("Menus", "&Go to..."), Plain},
         {"mnutoolseparator15", "-", Separator | OffAtStart},
         {"mnuOptions", QT_TRANSLATE_NOOP("Menus", "&Options"), Plain},
         {"mnuToolsHistorySeparator", "-", Separator},
         {"mnuToolsHistory", QT_TRANSLATE_NOOP("Menus", "Operation &History..."), Plain},
     }},
    {"mnuHelpTop",
     QT_TRANSLATE_NOOP("Menus", "&Help"),
     {
         {"mnuHelpAbout", QT_TRANSLATE_NOOP("Menus", "&About..."), Plain},
     }},
};

} // namespace

void frmExplore::buildMenus(FormWindow *window)
{
    QMenuBar *bar = window->menuBar();
    QList<QPointer<QMenu> *> tops{&mnuFileTop, &mnuEditTop, &View, &mnuToolsTop, &mnuHelpTop};
    int topIndex = 0;
    for (const Menu &m : menuBar) {
        QMenu *menu = bar->addMenu(QCoreApplication::translate("Menus", m.caption));
        menu->setObjectName(QString::fromLatin1(m.name));
        *tops[topIndex++] = menu;
        for (const Entry &e : m.entries) {
            QAction *action =
                (e.flags & Separator)
                    ? menu->addSeparator()
                    : menu->addAction(QCoreApplication::translate("Menus", e.caption));
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
