#pragma once

#include "fileoperations.h"

#include <QPointer>
#include <QTimer>
#include <utility>

class QWidget;

#include <functional>

namespace tarnwick {

class UserMessages;

// Where a job's questions go, and what went wrong at its end. Tests
// substitute a scripted one.
class JobAsker
{
public:
    virtual ~JobAsker();
    // The choice, and whether it holds for every conflict still to come.
    virtual std::pair<ConflictChoice, bool> askConflict(QWidget *parent, const Conflict &c) = 0;
    virtual ErrorChoice askError(QWidget *parent, const QString &what, const QString &reason) = 0;
    // The password of an encrypted item (an archive); nullopt when none is
    // given, which is what an asker that does not ask answers.
    virtual std::optional<QByteArray> askPassword(QWidget *parent, const QString &item, bool again);
    // What went wrong, once, at the end; one entry per item.
    virtual void report(QWidget *parent, JobKind kind, const QStringList &errors) = 0;
    // Whether a question waits in its job's row until the user chooses to
    // answer it, rather than being asked at once.
    virtual bool waitsInRow() const { return false; }

    // Dialogs over `parent`.
    static JobAsker &dialogs();
};

// What the conflict dialog says, a line each.
QStringList conflictTexts(const Conflict &c);

// Runs a job for the user: shows it in the list of operations once it has
// taken half a second, asks its questions through the asker (a question
// that waits in the job's row is asked when the user chooses to answer
// it), and reports what failed at the end. A copy, move, unpacking or
// packing onto a disk that another one is writing to waits for it, unless
// started at once. The job must outlive the runner.
class JobRunner : public QObject
{
    Q_OBJECT
public:
    JobRunner(Job *job, QWidget *parent, JobAsker &asker);
    ~JobRunner() override;

    // Whether what failed is reported; a caller that words it otherwise
    // turns this off.
    void setReportErrors(bool report) { report_ = report; }
    void start();

    // For the job's row.
    Job *job() const { return job_; }
    QString description() const; // "Copying 3 items to “dest”"
    QString currentFile() const { return file_; }
    qint64 bytesDone() const { return bytesDone_; }
    qint64 bytesTotal() const { return bytesTotal_; }
    int filesDone() const { return filesDone_; }
    int filesTotal() const { return filesTotal_; }
    bool waiting() const { return waiting_; } // for another job on its disk
    void startNow();
    bool paused() const { return paused_; }
    void setPaused(bool paused);
    void cancel();
    QString question() const; // the one waiting in the row, in a line; empty when none
    void answer();            // asks it, over the list of operations

signals:
    void finished(const tarnwick::JobResult &result);

private:
    enum class Asked
    {
        Nothing,
        Conflict,
        Error
    };
    void begin();
    void onProgress(const QString &file, qint64 bytesDone, qint64 bytesTotal, int filesDone,
                    int filesTotal);
    void onConflict(const Conflict &c);
    void onError(const QString &what, const QString &reason);
    void onPassword(const QString &item, bool again);
    void onFinished(const JobResult &result);
    void showProgress();
    QWidget *over() const;

    Job *job_;
    QPointer<QWidget> parent_;
    JobAsker &asker_;
    bool report_ = true;
    bool shown_ = false, waiting_ = false, started_ = false, paused_ = false;
    QTimer showTimer_;
    Asked asked_ = Asked::Nothing;
    Conflict conflict_;
    QString what_, reason_;
    // The latest progress, for a row that appears late.
    QString file_;
    qint64 bytesDone_ = 0, bytesTotal_ = 0;
    int filesDone_ = 0, filesTotal_ = 0;
};

// Starts `job` for the user and takes it over: the job and the runner
// delete themselves once `finished` has been emitted. For drag and drop.
JobRunner *runJob(Job *job, QWidget *parent, JobAsker &asker = JobAsker::dialogs());

// The program's end while jobs run: asks whether to let them finish or to
// cancel them (what they had begun is cleaned away either way), hides
// `window`, and calls `end` once the last job is over; at once when none
// runs.
void endAfterJobs(QWidget *window, UserMessages &messages, const std::function<void()> &end);

// Cancels every job and waits for each to clean up, for an end that asks
// nothing (a signal, the session's end).
void cancelJobsAndWait();

// The whole job, with a local event loop spinning until it ends, the
// window repainting meanwhile; takes the job over. Errors are reported
// unless `reportErrors` is false.
JobResult runJobModal(Job *job, QWidget *parent, JobAsker &asker = JobAsker::dialogs(),
                      bool reportErrors = true);

// The whole transfer, with a local event loop spinning until it ends; for
// the paste command.
JobResult runTransferModal(JobKind kind, const QList<QByteArray> &sources,
                           const QByteArray &targetFolder, QWidget *parent,
                           JobAsker &asker = JobAsker::dialogs());

} // namespace tarnwick
