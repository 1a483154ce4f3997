#pragma once

#include "undojournal.h"

#include <QString>
#include <optional>
#include <utility>

class QKeyEvent;
class QMenu;
class QWidget;

namespace tarnwick {

class JobAsker;
class UserMessages;

// Undo and Redo over the history every window shares, for both panes: their
// keys, their entries at the top of a folder's context menu, and the run.
namespace HistoryVerbs {

// Ctrl+Z undoes; Ctrl+Shift+Z and Ctrl+Y redo. Whether the key redoes, or
// nothing for any other key.
std::optional<bool> forKey(const QKeyEvent &key);

// The entry for what Undo (Redo) acts on now, "&Undo Move of 3 Items", and
// that operation's id; 0 when there is none.
std::pair<QString, quint64> next(std::optional<UndoJournal> &journal, bool redo);

// "Undo ..." and "Redo ..." added to `menu`, then a separator: first, so
// they head it. An entry with nothing to act on is there, out of use.
void addEntries(QMenu &menu, QWidget *parent, UserMessages &messages, JobAsker &asker);

// Undoes (or redoes) operation `id`, the latest one when 0, as a job run for
// the user. Operations that cannot be undone and are passed by are named.
void run(QWidget *parent, UserMessages &messages, JobAsker &asker, bool redo, quint64 id = 0);

} // namespace HistoryVerbs
} // namespace tarnwick
