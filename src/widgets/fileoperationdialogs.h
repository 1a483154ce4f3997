#pragma once

#include "fileoperations.h"

#include <QPointer>
#include <QTimer>
#include <utility>

class QWidget;

namespace tarnwick {

class TransferProgressDialog;

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

    // Dialogs over `parent`.
    static JobAsker &dialogs();
};

// What the conflict dialog says, a line each.
QStringList conflictTexts(const Conflict &c);

// Runs a job for the user: answers its questions through the asker, shows
// its progress (with Cancel) once it has taken half a second, and reports
// what failed at the end. The job must outlive the runner.
class JobRunner : public QObject
{
    Q_OBJECT
public:
    JobRunner(Job *job, QWidget *parent, JobAsker &asker);
    ~JobRunner() override;

    // Whether the progress dialog blocks the parent window.
    void setModal(bool modal) { modal_ = modal; }
    // Whether what failed is reported; a caller that words it otherwise
    // turns this off.
    void setReportErrors(bool report) { report_ = report; }
    void start();

signals:
    void finished(const tarnwick::JobResult &result);

private:
    void onProgress(const QString &file, qint64 bytesDone, qint64 bytesTotal, int filesDone,
                    int filesTotal);
    void onConflict(const Conflict &c);
    void onError(const QString &what, const QString &reason);
    void onPassword(const QString &item, bool again);
    void onFinished(const JobResult &result);
    void showProgress();

    Job *job_;
    QPointer<QWidget> parent_;
    JobAsker &asker_;
    bool modal_ = false;
    bool report_ = true;
    bool asking_ = false;
    QTimer showTimer_;
    QPointer<TransferProgressDialog> dialog_;
    // The latest progress, for a dialog that appears late.
    QString file_;
    qint64 bytesDone_ = 0, bytesTotal_ = 0;
    int filesDone_ = 0, filesTotal_ = 0;
};

// Starts `job` for the user and takes it over: the job and the runner
// delete themselves once `finished` has been emitted. For drag and drop.
JobRunner *runJob(Job *job, QWidget *parent, JobAsker &asker = JobAsker::dialogs());

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
