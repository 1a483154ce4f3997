#pragma once

#include <QString>

namespace tarnwick {

class frmExplore;

// The window's commands, once: the menu entry each belongs to and the
// toolbar key that runs it too. The menus, the toolbars' key dispatch and
// the tests all go by this table.
namespace commands {

using Handler = void (frmExplore::*)();

struct Command
{
    const char *entry;      // the menu entry's name; null for a toolbar-only command
    const char *toolbarKey; // null when no button runs it
    Handler handler;
};

// The handler of a menu entry, or null for an entry that runs nothing.
Handler forEntry(const char *entry);
// The handler of a toolbar key, compared exactly, case included; null for
// a key that matches none (the empty button).
Handler forToolbarKey(const QString &key);

} // namespace commands
} // namespace tarnwick
