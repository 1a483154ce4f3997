#pragma once

#include <QString>
#include <functional>
#include <optional>

class QAbstractItemView;
class QAction;
class QKeyEvent;
class QMenu;
class QModelIndex;
class QPoint;

namespace tarnwick {

// What the tree and the list do to their folder or their selection.
enum class Verb
{
    Cut,
    Copy,
    Paste,
    Delete,
    Rename,
    Link,
    Properties,
    Restore,
    Find,
    NewFolder,
    DeleteForGood // past the Recycle Bin, by its key only
};

// The verbs' one table: the caption each has in the panes' context menus,
// and the keys that run them in a pane.
QString verbCaption(Verb verb);
// Delete, Shift+Delete (for good), Alt+Enter (Properties), and the
// desktop's Cut, Copy and Paste keys.
std::optional<Verb> verbForKey(const QKeyEvent &key);
// A context-menu entry for `verb` that calls `run`.
QAction *addVerbEntry(QMenu &menu, Verb verb, bool enabled, std::function<void()> run);

// The Menu key and Shift+F10, which open a pane's context menu.
bool isContextMenuKey(const QKeyEvent &key);
// Where a context menu opened from the keyboard goes, in the view's viewport:
// by the item, when it is in sight, else the view's top left corner.
QPoint keyboardMenuPoint(const QAbstractItemView &view, const QModelIndex &item);

} // namespace tarnwick
