// The history's side of undo: what is kept of a job, what an operation is
// called, which one Undo and Redo act on, and the claim around a run.
#include "undo.h"

#include "rawpaths.h"

#include <QCoreApplication>

namespace tarnwick::undo {

namespace {

struct Words
{
    Q_DECLARE_TR_FUNCTIONS(Undo)
};

QString kindName(int kind)
{
    switch (JobKind(kind)) {
    case JobKind::Copy:
        return Words::tr("Copy");
    case JobKind::Move:
        return Words::tr("Move");
    case JobKind::Link:
        return Words::tr("Link");
    case JobKind::Rename:
        return Words::tr("Rename");
    case JobKind::NewFolder:
        return Words::tr("New Folder");
    case JobKind::Trash:
        return Words::tr("Recycle");
    case JobKind::Delete:
        return Words::tr("Delete");
    case JobKind::EraseFromTrash:
        return Words::tr("Delete from Recycle Bin");
    case JobKind::Restore:
        return Words::tr("Restore");
    case JobKind::Permissions:
        return Words::tr("Permissions Change");
    case JobKind::Extract:
        return Words::tr("Extract");
    case JobKind::Compress:
        return Words::tr("Compress");
    }
    return Words::tr("Operation");
}

const UndoRecord *byId(const QList<UndoRecord> &history, quint64 id)
{
    for (const UndoRecord &r : history)
        if (r.id == id)
            return &r;
    return nullptr;
}

// Once the job has ended: the operation keeps how to reverse what was done,
// or goes back to its state when nothing was; what was left alone stays an
// operation of its own in the state it was in, so it can be tried again.
void settle(UndoJournal &journal, const UndoRecord &record, bool redo, const JobResult &result)
{
    if (result.undoItems.isEmpty()) {
        journal.settle(record.id, redo, record.items);
        return;
    }
    journal.settle(record.id, !redo, result.undoItems);
    UndoRecord left;
    left.kind = record.kind;
    left.when = record.when;
    for (const qsizetype i : result.leftItems)
        if (i >= 0 && i < record.items.size())
            left.items << record.items[i];
    if (!left.items.isEmpty() && journal.append(left) && redo)
        journal.settle(left.id, true, left.items);
}

} // namespace

bool record(const Job &job, const JobResult &result, UndoJournal &journal)
{
    if (job.historyStep() || result.undoItems.isEmpty())
        return true;
    UndoRecord r;
    r.kind = int(job.kind());
    r.items = result.undoItems;
    return journal.append(r);
}

QString title(const UndoRecord &record)
{
    if (record.items.size() == 1) {
        const UndoItem &item = record.items.first();
        const QByteArray path =
            item.to.isEmpty() || JobKind(record.kind) == JobKind::Trash ? item.from : item.to;
        return Words::tr("%1 of \u201c%2\u201d")
            .arg(kindName(record.kind), rawpath::shown(rawpath::baseName(path)));
    }
    return Words::tr("%1 of %2 Items").arg(kindName(record.kind)).arg(record.items.size());
}

QString menuText(const UndoRecord &record, bool redo)
{
    QString name = title(record);
    name.replace(u'&', QStringLiteral("&&"));
    return (redo ? Words::tr("R&edo %1") : Words::tr("&Undo %1")).arg(name);
}

QString cannotUndo(const UndoRecord &record)
{
    return Words::tr("\u201c%1\u201d cannot be undone.").arg(title(record));
}

quint64 nextUndo(const QList<UndoRecord> &history, QList<UndoRecord> *skipped)
{
    QList<UndoRecord> passed;
    for (qsizetype i = history.size() - 1; i >= 0; --i) {
        const UndoRecord &r = history[i];
        if (!undoable(r.kind)) {
            if (!r.undone)
                passed << r;
            continue;
        }
        if (r.busy)
            continue;
        if (r.undone) { // deletes before an undone operation were named when it was undone
            passed.clear();
            continue;
        }
        if (skipped)
            *skipped = passed;
        return r.id;
    }
    return 0;
}

quint64 nextRedo(const QList<UndoRecord> &history)
{
    const UndoRecord *found = nullptr;
    for (const UndoRecord &r : history)
        if (r.undone && !r.busy && undoable(r.kind) && (!found || r.changedAt > found->changedAt))
            found = &r;
    return found ? found->id : 0;
}

Job *start(UndoJournal &journal, quint64 id, bool redo, const TrashStore &store, QString *why)
{
    const QList<UndoRecord> history = journal.load();
    const UndoRecord *record = byId(history, id);
    QString reason;
    if (!record)
        reason = Words::tr("The operation is no longer in the history.");
    else if (!undoable(record->kind))
        reason = cannotUndo(*record);
    else if (record->busy)
        reason = Words::tr("\u201c%1\u201d is being undone or redone elsewhere, or was cut short.")
                     .arg(title(*record));
    else if (record->undone != redo || !journal.claim(id, redo))
        reason = (redo ? Words::tr("\u201c%1\u201d was redone meanwhile.")
                       : Words::tr("\u201c%1\u201d was undone meanwhile."))
                     .arg(title(*record));
    if (!reason.isEmpty()) {
        if (why)
            *why = reason;
        return nullptr;
    }
    Job *job = undo(*record, store, redo);
    QObject::connect(job, &Job::finished, job,
                     [journal, record = *record, redo](const JobResult &result) mutable {
                         settle(journal, record, redo, result);
                     });
    return job;
}

} // namespace tarnwick::undo
