#pragma once

#include <QByteArray>
#include <QList>
#include <QString>
#include <optional>

namespace tarnwick {

// One item of a finished operation and how to take it back: `from` is where
// it was before, `to` where it is now (empty when the operation left nothing
// behind, as a delete for good). The identity is that of what lies at `to`
// once the operation was done, so that undo can tell it was not changed since.
struct UndoItem
{
    QByteArray from, to;
    quint64 dev = 0, ino = 0;
    qint64 size = 0, mtime = 0; // mtime in nanoseconds since the epoch
    unsigned mode = 0;          // permissions before a change of them
};

// One operation as the history keeps it. `kind` is a JobKind's number, so
// this header stays free of the jobs. Once undone, its items are those the
// undo left, each saying how to do it again.
struct UndoRecord
{
    quint64 id = 0;
    qint64 when = 0; // seconds since the epoch
    int kind = 0;
    bool undone = false;
    QList<UndoItem> items;
    // Where in the history its state last changed (not kept by compaction):
    // what was undone last is redone first.
    qsizetype changedAt = 0;
    // Claimed by an undo or redo not yet settled (or cut short by a crash):
    // its items are not to be trusted either way.
    bool busy = false;
};

// The history every window and every copy of the program shares: one
// append-only file of checksummed lines, under one lock, bounded to the
// last `Keep` operations. A damaged record is skipped and counted, never
// trusted; a file that is not a regular file is never opened as one.
class UndoJournal
{
public:
    static constexpr int Keep = 200;
    // folder empty: $XDG_STATE_HOME/tarnwick (~/.local/state/tarnwick).
    explicit UndoJournal(QString folder = {});

    QString path() const;

    // The history the user's jobs are kept in. None until the program turns
    // it on, so that code run without it (tests, tools) leaves no history.
    static void keepShared(QString folder = {});
    static std::optional<UndoJournal> shared();

    // Adds the operation, giving it an id when it has none. False when the
    // history could not be saved (a full disk, a file that is not ours);
    // the operation itself stands.
    bool append(UndoRecord &record);
    // The operations kept, oldest first, with their current state.
    QList<UndoRecord> load();
    // Sets the operation's state from `from` to `!from`, as one step under
    // the lock: of two windows doing it at once exactly one succeeds.
    bool claim(quint64 id, bool fromUndone);
    // Once an undo or redo that claimed it has ended: its state and the
    // items it now holds, each saying how to reverse what was last done.
    bool settle(quint64 id, bool undone, const QList<UndoItem> &items);
    // Records skipped as damaged by the last load.
    int damaged() const { return damaged_; }
    QString lastError() const { return error_; }

    // The line for a record and back; exposed for the tests.
    static QByteArray encode(const UndoRecord &record);
    static QByteArray encodeState(quint64 id, bool undone, const QList<UndoItem> *items = nullptr);

private:
    int openLocked(int lockKind);
    QList<UndoRecord> parse(const QByteArray &text);
    bool compact(int fd, const QList<UndoRecord> &records);
    QByteArray readAll(int fd);

    QString folder_;
    int damaged_ = 0;
    QString error_;
};

} // namespace tarnwick
