#include "historyverbs.h"

#include "fileoperationdialogs.h"
#include "mounts.h"
#include "undo.h"
#include "usermessages.h"

#include <QCoreApplication>
#include <QKeyEvent>
#include <QMenu>

namespace tarnwick::HistoryVerbs {

namespace {

struct Words
{
    Q_DECLARE_TR_FUNCTIONS(HistoryVerbs)
};

} // namespace

std::optional<bool> forKey(const QKeyEvent &key)
{
    if (key.matches(QKeySequence::Undo))
        return false;
    if (key.matches(QKeySequence::Redo) ||
        key.keyCombination() ==
            QKeyCombination(Qt::ControlModifier | Qt::ShiftModifier, Qt::Key_Z) ||
        key.keyCombination() == QKeyCombination(Qt::ControlModifier, Qt::Key_Y))
        return true;
    return std::nullopt;
}

std::pair<QString, quint64> next(std::optional<UndoJournal> &journal, bool redo)
{
    const QList<UndoRecord> history = journal ? journal->load() : QList<UndoRecord>();
    const quint64 id = redo ? undo::nextRedo(history) : undo::nextUndo(history);
    for (const UndoRecord &r : history)
        if (r.id == id)
            return {undo::menuText(r, redo), id};
    return {redo ? Words::tr("R&edo") : Words::tr("&Undo"), 0};
}

void addEntries(QMenu &menu, QWidget *parent, UserMessages &messages, JobAsker &asker)
{
    std::optional<UndoJournal> journal = UndoJournal::shared();
    for (const bool redo : {false, true}) {
        const auto [text, id] = next(journal, redo);
        auto *action = new QAction(text, &menu);
        action->setShortcut(redo ? QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Z)
                                 : QKeySequence(QKeySequence::Undo));
        action->setEnabled(id != 0);
        QObject::connect(
            action, &QAction::triggered, parent,
            [parent, &messages, &asker, redo, id = id] { run(parent, messages, asker, redo, id); });
        menu.addAction(action);
    }
    menu.addSeparator();
}

void run(QWidget *parent, UserMessages &messages, JobAsker &asker, bool redo, quint64 id)
{
    std::optional<UndoJournal> journal = UndoJournal::shared();
    if (!journal)
        return;
    QList<UndoRecord> passed;
    if (id == 0) {
        const QList<UndoRecord> history = journal->load();
        id = redo ? undo::nextRedo(history) : undo::nextUndo(history, &passed);
    }
    QStringList notes;
    for (const UndoRecord &r : passed)
        notes << undo::cannotUndo(r);
    if (id == 0) {
        notes << (redo ? Words::tr("There is nothing to redo.")
                       : Words::tr("There is nothing to undo."));
        messages.notice(parent, notes.join(u'\n'));
        return;
    }
    if (!notes.isEmpty())
        messages.notice(parent, notes.join(u'\n'));
    QString why;
    Job *job = undo::start(*journal, id, redo, TrashStore({}, mountedTrashTops()), &why);
    if (!job) {
        messages.error(parent, why);
        return;
    }
    runJob(job, parent, asker);
}

} // namespace tarnwick::HistoryVerbs
