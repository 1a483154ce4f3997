#pragma once

#include "jobs.h"
#include "undojournal.h"

#include <utility>

namespace tarnwick {

namespace undo {
// The identity of what lies at `to` now, to be checked before undoing.
UndoItem identify(const QByteArray &from, const QByteArray &to, unsigned modeBefore = 0);
// The same for `name` in the open folder `dirFd`, never through a link.
UndoItem identifyAt(const QByteArray &from, int dirFd, const QByteArray &name, const QByteArray &to,
                    unsigned modeBefore = 0);
// Whether the operation can be taken back at all (not a delete for good).
bool undoable(int kind);

// Takes one item back (`redo` false) or does it again (`redo` true, over an
// item as undo left it); empty when done, else why it was left alone:
// changed since, gone, or its old place now taken. Never destroys anything
// and never follows a link put in the item's place. *reverse, when given,
// is how to reverse what was just done.
QString apply(int kind, bool redo, const UndoItem &item, const TrashStore &store,
              UndoItem *reverse = nullptr);
inline QString undoItem(int kind, const UndoItem &item, const TrashStore &store)
{
    return apply(kind, false, item, store);
}

// The operation's items taken back (or done again), as a job; those left
// alone are named in its errors. Its undoItems say how to reverse it.
Job *undo(const UndoRecord &record, const TrashStore &store, bool redo = false);

// Keeps a finished job in the history: one append for the whole job, and
// nothing for a job that did nothing or is itself an undo or redo.
bool record(const Job &job, const JobResult &result, UndoJournal &journal);

// Where the operation's first item came from and went, as it was done, even
// once undone (when the items say how to do it again). What a copy was made
// from is not kept past its undo: empty while undone, the trash once redone.
std::pair<QByteArray, QByteArray> ends(const UndoRecord &record);

// What an operation is called: "Move of 3 Items", "Rename of “a.txt”".
QString title(const UndoRecord &record);
// "Undo Move of 3 Items", as a menu shows it (an "&" in a name stays one).
QString menuText(const UndoRecord &record, bool redo);
// Why an operation cannot be undone: "“Delete of 3 Items” cannot be undone."
QString cannotUndo(const UndoRecord &record);

// What Undo and Redo act on in a history loaded oldest first: the newest
// operation not undone that can be (skipping past those that cannot, which
// land in *skipped when given), and the one undone last. Nothing (an id of
// 0) when there is none.
quint64 nextUndo(const QList<UndoRecord> &history, QList<UndoRecord> *skipped = nullptr);
quint64 nextRedo(const QList<UndoRecord> &history);

// Undoes or redoes operation `id` for the user: claims it in the history
// first, so of two windows only one does; when the job ends, the history
// keeps how to reverse what it did, and items it left alone stay as an
// operation of their own. nullptr (with *why) when it was not there to take.
Job *start(UndoJournal &journal, quint64 id, bool redo, const TrashStore &store,
           QString *why = nullptr);
} // namespace undo

} // namespace tarnwick
