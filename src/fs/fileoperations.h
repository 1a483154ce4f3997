#pragma once

#include <QByteArray>
#include <QList>
#include <QMetaType>
#include <QObject>
#include <QStringList>
#include <functional>
#include <memory>

class QThread;

namespace tarnwick {

enum class TransferKind
{
    Copy,
    Move,
    Link
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

// Where the engine can be made to fail as a bad disk or a full one would.
enum class FaultPoint
{
    Read,
    Write,
    Rename
};
// An errno to fail with at that point, or 0 to go on. Runs on the worker.
using FaultHook = std::function<int(FaultPoint point, const QByteArray &path)>;

struct TransferResult
{
    int done = 0;    // of the items given, those that arrived
    int skipped = 0; // of the items given, those left where they were
    bool cancelled = false;
    QStringList errors;        // plain words, one per item that failed and was skipped
    QList<QByteArray> created; // top-level items in the target that now hold what was transferred
};

class TransferWorker;

// Copies, moves or links files and folders into one folder, on a thread of
// its own. Nothing is lost: a copy is written under a hidden temporary name
// and renamed into place only once complete; a move across file systems
// removes the source only after the copy was checked; nothing replaces the
// very entry it would take the place of. Copies keep holes and the hard
// links among what was copied. Questions (conflicts, errors) are signals the
// worker waits on; a question nobody listens for is answered Skip.
class FileTransfer : public QObject
{
    Q_OBJECT
public:
    FileTransfer(TransferKind kind, QList<QByteArray> sources, QByteArray targetFolder,
                 QObject *parent = nullptr);
    ~FileTransfer() override; // cancels, and waits for the worker to clean up

    TransferKind kind() const { return kind_; }

    // How often progress is reported while busy; 0 reports every block. Set
    // before start().
    void setProgressInterval(int ms);
    // For tests: failures made to order. Set before start().
    void setFaultHook(FaultHook hook);

    void start();  // returns at once; refusal() is checked first, on the worker
    void cancel(); // from any thread
    void answerConflict(ConflictChoice choice, bool applyToAll);
    void answerError(ErrorChoice choice);

    // Why the transfer cannot start at all (a folder into itself, a missing
    // source, a target that is not a folder); empty when fine.
    static QString refusal(TransferKind kind, const QList<QByteArray> &sources,
                           const QByteArray &target);

signals:
    void progress(const QString &currentFile, qint64 bytesDone, qint64 bytesTotal, int filesDone,
                  int filesTotal);
    void conflict(const tarnwick::Conflict &c);             // waits for answerConflict
    void error(const QString &what, const QString &reason); // waits for answerError
    void finished(const tarnwick::TransferResult &result);

private:
    TransferKind kind_;
    std::unique_ptr<TransferWorker> worker_;
    QThread *thread_ = nullptr;
};

} // namespace tarnwick

Q_DECLARE_METATYPE(tarnwick::Conflict)
Q_DECLARE_METATYPE(tarnwick::TransferResult)
