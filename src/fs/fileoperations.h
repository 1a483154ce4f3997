#pragma once

#include "jobs.h"

#include <QByteArray>
#include <QList>
#include <QMetaType>
#include <QObject>
#include <QStringList>
#include <functional>
#include <memory>

class QThread;

namespace tarnwick {

// Where the engine can be made to fail as a bad disk or a full one would.
enum class FaultPoint
{
    Read,
    Write,
    Rename,
    Sync // what a move's copy is made safe by before the original goes
};
// An errno to fail with at that point, or 0 to go on. Runs on the worker.
using FaultHook = std::function<int(FaultPoint point, const QByteArray &path)>;

class TransferWorker;

// Copies, moves or links files and folders into one folder, on a thread of
// its own. Nothing is lost: a copy is written under a hidden temporary name
// and renamed into place only once complete; a move across file systems
// removes the source only after the copy was checked; nothing replaces the
// very entry it would take the place of. Copies keep holes and the hard
// links among what was copied. Questions (conflicts, errors) are signals; an
// item met with one, at any depth, waits aside while the others go on, and
// is taken up once answered; one question is open at a time. A question
// nobody listens for is answered Skip.
class FileTransfer : public Job
{
    Q_OBJECT
public:
    // kind: Copy, Move or Link.
    FileTransfer(JobKind kind, QList<QByteArray> sources, QByteArray targetFolder,
                 QObject *parent = nullptr);
    ~FileTransfer() override; // cancels, and waits for the worker to clean up

    // How often progress is reported while busy; 0 reports every block. Set
    // before start().
    void setProgressInterval(int ms);
    // For tests: failures made to order. Set before start().
    void setFaultHook(FaultHook hook);

    void start() override;  // returns at once; refusal() is checked first, on the worker
    void cancel() override; // from any thread
    void answerConflict(ConflictChoice choice, bool applyToAll) override;
    void answerError(ErrorChoice choice) override;
    // A paused transfer waits between blocks and between items; from any thread.
    bool pausable() const override { return true; }
    void setPaused(bool paused) override;

    // Why the transfer cannot start at all (a folder into itself, a missing
    // source, a target that is not a folder); empty when fine.
    static QString refusal(JobKind kind, const QList<QByteArray> &sources,
                           const QByteArray &target);

private:
    std::unique_ptr<TransferWorker> worker_;
    QThread *thread_ = nullptr;
};

} // namespace tarnwick
