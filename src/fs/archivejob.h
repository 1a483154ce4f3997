#pragma once

#include "jobs.h"

#include <QElapsedTimer>
#include <atomic>
#include <condition_variable>
#include <mutex>
#include <optional>

class QThread;

namespace tarnwick {

// What unpacking and packing share: a thread of their own, and the questions
// the worker waits on. A question nobody listens for is answered Skip (no
// password). Everything but cancel() and the answers runs on the worker.
class ArchiveJob : public Job
{
public:
    ~ArchiveJob() override;

    void start() override;
    void cancel() override;
    void answerConflict(ConflictChoice choice, bool applyToAll) override;
    void answerError(ErrorChoice choice) override;
    void answerPassword(const std::optional<QByteArray> &password) override;
    // Paused, the worker waits between blocks; from any thread.
    bool pausable() const override { return true; }
    void setPaused(bool paused) override;

protected:
    explicit ArchiveJob(JobKind kind);

    // The work; its result goes out through `finished` when it returns.
    virtual void run() = 0;
    // Cancels, and waits for the worker to clean up. A subclass's destructor
    // calls it first, as the worker still uses the subclass's members.
    void stopWorker();

    bool cancelled() const { return cancelled_.load(); }
    void holdWhilePaused();
    // With "Apply to all" remembered; Cancel cancels the job.
    ConflictChoice askConflict(const Conflict &c);
    // Skip when nobody listens; Cancel cancels the job.
    ErrorChoice askError(const QString &what, const QString &reason);
    std::optional<QByteArray> askPassword(const QString &item, bool again);
    // Reported at most every 100 ms unless forced.
    void tick(const QByteArray &file, qint64 bytesDone, qint64 bytesTotal, int filesDone,
              int filesTotal, bool force = false);

    JobResult result_;

private:
    // Waits until `answered` holds or the job is cancelled; false when cancelled.
    template <class F> bool waitFor(F answered);

    QThread *thread_ = nullptr;
    std::mutex mutex_;
    std::condition_variable wake_;
    std::atomic<bool> cancelled_{false};
    bool paused_ = false;
    bool askConflicts_ = false, askErrors_ = false, askPasswords_ = false;
    std::optional<std::pair<ConflictChoice, bool>> conflictAnswer_;
    std::optional<ErrorChoice> errorAnswer_;
    std::optional<std::optional<QByteArray>> passwordAnswer_;
    std::optional<ConflictChoice> forAll_;
    QElapsedTimer clock_;
};

namespace archive {

// The umask of this process, read without changing it (another thread may
// be creating files meanwhile).
mode_t currentUmask();

// Hidden, named after `name`, not taken in `dirFd`, and of the kind the
// transfers recognise and clear away when a killed job left it behind.
QByteArray partName(int dirFd, const QByteArray &name);

} // namespace archive

} // namespace tarnwick
