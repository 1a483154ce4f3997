#pragma once

#include "trash.h"
#include "undojournal.h"

#include <QByteArray>
#include <QList>
#include <QMetaType>
#include <QObject>
#include <QStringList>
#include <functional>
#include <memory>
#include <optional>

namespace tarnwick {

class BackgroundTask;

// Every change to the disk the user asks for is one of these.
enum class JobKind
{
    Copy,
    Move,
    Link,
    Rename,
    NewFolder,
    Trash,
    Delete,         // for good, outside the trash
    EraseFromTrash, // for good, from the trash
    Restore,
    Permissions,
    Extract, // archives unpacked beside themselves
    Compress // items packed into a new archive
};

// Something of the same name is already in the target folder.
struct Conflict
{
    QByteArray source, target; // encoded paths
    bool targetIsDir = false, sourceIsDir = false;
    qint64 sourceSize = 0, targetSize = 0;
    qint64 sourceMtime = 0, targetMtime = 0; // seconds since the epoch
    bool sourceIsLink = false;
    QByteArray linkTarget; // what an arriving link holds, as it is stored
    // False when the target is the source itself (a copy into its own
    // folder, a hard link, a link that leads to it), or when one is a folder
    // and the other not: replacing would destroy what is meant to be kept.
    // Two folders "replace" by merging.
    bool mayReplace = true;
};

enum class ConflictChoice
{
    Replace,
    Skip,
    KeepBoth,
    Cancel
};

enum class ErrorChoice
{
    Retry,
    Skip,
    Cancel
};

struct JobResult
{
    int done = 0;    // of the items given, those that arrived
    int skipped = 0; // of the items given, those left where they were
    bool cancelled = false;
    QStringList errors;        // plain words, one per item that failed and was skipped
    QList<QByteArray> created; // top-level items that now hold what was done
    // Items a trash would not take, with the reason in `errors`: they may
    // still be deleted for good.
    QList<QByteArray> refused;
    // Each item done and how to take it back, gathered by the worker as it
    // goes so that the history is written once, at the end.
    QList<UndoItem> undoItems;
    // Of the items given, the places of those left (step jobs only).
    QList<qsizetype> leftItems;
};

// One change to the disk, run off the user-interface thread. Questions
// (conflicts, errors) are signals the job waits on; a question nobody
// listens for is answered Skip. `finished` comes exactly once.
class Job : public QObject
{
    Q_OBJECT
public:
    explicit Job(JobKind kind, QObject *parent = nullptr);
    JobKind kind() const { return kind_; }
    // A job that undoes or redoes an operation of the history, which is not
    // a new operation of its own.
    bool historyStep() const { return historyStep_; }
    void setHistoryStep(bool step) { historyStep_ = step; }

    virtual void start() = 0; // returns at once
    virtual void cancel() = 0;
    virtual void answerConflict(ConflictChoice, bool /*applyToAll*/) {}
    virtual void answerError(ErrorChoice) {}
    // The password asked for; nullopt when none was given.
    virtual void answerPassword(const std::optional<QByteArray> &) {}
    // A paused job waits between steps; one that cannot says so.
    virtual bool pausable() const { return false; }
    virtual void setPaused(bool) {}

    // The folder it writes into and how many items it was given, for the
    // list of operations and for one disk's jobs to wait their turn.
    void describe(const QByteArray &folder, int items)
    {
        folder_ = folder;
        items_ = items;
    }
    QByteArray folder() const { return folder_; }
    int items() const { return items_; }

signals:
    void progress(const QString &currentFile, qint64 bytesDone, qint64 bytesTotal, int filesDone,
                  int filesTotal);
    void conflict(const tarnwick::Conflict &c);             // waits for answerConflict
    void error(const QString &what, const QString &reason); // waits for answerError
    // An encrypted item's password; `again` after a wrong one. Waits for answerPassword.
    void passwordNeeded(const QString &item, bool again);
    void finished(const tarnwick::JobResult &result);

private:
    JobKind kind_;
    bool historyStep_ = false;
    QByteArray folder_;
    int items_ = 0;
};

// The words for what went wrong, shared by every job and every check before one.
namespace jobtext {
// Codes beside errno values, for failures the system does not report.
constexpr int Cancelled = -1;
constexpr int NotCopyable = -2;
constexpr int Mismatch = -3;
constexpr int NoFreeName = -4;
// How long a cancelled Delete may count what it left, to say so.
constexpr int CountLeftMs = 1000;

QString reason(int code); // a sentence
QString alreadyNamed(const QString &name);
QString noLongerThere(const QString &name);
QString noSuchFolder(const QString &path);
QString folderGone(const QString &path);
QString notAFolder(const QString &path);
QString notRenamed(const QString &name, int code);
QString noNewFolder(int code);
QString noPermissions(const QString &name, int code);
QString itemFailed(const QString &name, const QString &reason); // "name: reason"
// A folder that Cancel stopped half-way; `left` < 0 when unknown.
QString partlyDeleted(const QString &name, qint64 deleted, qint64 left);
QString notStarted(int count);         // items a cancelled job never reached
QString underWay(const QString &name); // one a cancel left in a call that did not return
} // namespace jobtext

// The jobs besides transfers (see fileoperations.h). A cancelled job stops
// between entries, within a few milliseconds, and reports what it did and
// what it left; a call stuck on a dead mount is left behind after three
// seconds.
namespace Jobs {
// Renames `path` within its folder, never over anything. created: the new path.
Job *rename(const QByteArray &path, const QByteArray &newName);
// "New Folder", numbered when taken. created: its path.
Job *newFolder(const QByteArray &folder);
// Each item into the trash of its volume; refused: those it would not take.
Job *trash(const QList<QByteArray> &paths, const TrashStore &store);
// Each item deleted for good, folders with all they hold, links never followed.
Job *erase(const QList<QByteArray> &paths);
Job *eraseFromTrash(const QList<TrashItem> &items, const TrashStore &store);
// Every item of every trash folder of `store`, a step each folder.
Job *emptyTrash(const TrashStore &store);
// Each item back to its target (where it came from when empty).
Job *restore(const QList<std::pair<TrashItem, QByteArray>> &items, const TrashStore &store);
// Sets the bits of `set` and clears those of `clear` in each item's mode,
// keeping its other bits; links are left alone.
Job *setPermissions(const QList<QByteArray> &paths, unsigned set, unsigned clear);
// A job of one step per labelled item, for work built above the step jobs
// (undo): a step returns what went wrong, empty when its item was done, and
// may fill in how to take back what it did.
Job *steps(JobKind kind, const QList<QByteArray> &labels,
           std::function<QString(qsizetype, const std::atomic<bool> &, UndoItem *)> step);
} // namespace Jobs

} // namespace tarnwick

Q_DECLARE_METATYPE(tarnwick::Conflict)
Q_DECLARE_METATYPE(tarnwick::JobResult)
