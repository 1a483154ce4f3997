#pragma once

#include <QString>
#include <functional>
#include <optional>

class QAction;
class QKeyEvent;
class QMenu;

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
    NewFolder
};

// The verbs' one table: the caption each has in the panes' context menus,
// and the keys that run them in a pane.
QString verbCaption(Verb verb);
// Delete, and the desktop's Cut, Copy and Paste keys.
std::optional<Verb> verbForKey(const QKeyEvent &key);
// A context-menu entry for `verb` that calls `run`.
QAction *addVerbEntry(QMenu &menu, Verb verb, bool enabled, std::function<void()> run);

} // namespace tarnwick
