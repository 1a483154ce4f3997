#pragma once

#include "jobs.h"
#include "undojournal.h"

namespace tarnwick {

namespace undo {
// The identity of what lies at `to` now, to be checked before undoing.
UndoItem identify(const QByteArray &from, const QByteArray &to, unsigned modeBefore = 0);
// Whether the operation can be taken back at all (not a delete for good).
bool undoable(int kind);
// Takes one item back; empty when done, else why it was left alone: changed
// since, gone, or its old place now taken. Never destroys anything.
QString undoItem(int kind, const UndoItem &item, const TrashStore &store);
// The operation's items taken back, as a job; those left alone are named in
// its errors.
Job *undo(const UndoRecord &record, const TrashStore &store);
} // namespace undo

} // namespace tarnwick
