#include "fileoperationdialogs.h"

#include "datasize.h"
#include "operationswindow.h"
#include "rawpaths.h"
#include "undo.h"
#include "usermessages.h"

#include <QCheckBox>
#include <QDateTime>
#include <QDialog>
#include <QDialogButtonBox>
#include <QEventLoop>
#include <QGuiApplication>
#include <QLabel>
#include <QLineEdit>
#include <QLocale>
#include <QMessageBox>
#include <QPushButton>
#include <QVBoxLayout>
#include <algorithm>
#include <memory>
#include <sys/stat.h>

namespace tarnwick {
namespace {

constexpr int ShowAfterMs = 500; // quicker transfers come and go without a window
constexpr int ReportLines = 15;  // more go into the message's details

struct Words
{
    Q_DECLARE_TR_FUNCTIONS(FileTransfer)
};

QString title(JobKind kind)
{
    switch (kind) {
    case JobKind::Copy:
        return Words::tr("Copying");
    case JobKind::Move:
        return Words::tr("Moving");
    case JobKind::Link:
        return Words::tr("Making links");
    case JobKind::Rename:
        return Words::tr("Renaming");
    case JobKind::NewFolder:
        return Words::tr("Making a folder");
    case JobKind::Trash:
        return Words::tr("Moving to the Recycle Bin");
    case JobKind::Delete:
    case JobKind::EraseFromTrash:
        return Words::tr("Deleting");
    case JobKind::Restore:
        return Words::tr("Restoring");
    case JobKind::Permissions:
        return Words::tr("Changing permissions");
    case JobKind::Extract:
        return Words::tr("Unpacking");
    case JobKind::Compress:
        return Words::tr("Packing");
    }
    return {};
}

// The line above a list of what failed.
QString failedHeading(JobKind kind, int n)
{
    switch (kind) {
    case JobKind::Trash:
    case JobKind::Delete:
    case JobKind::EraseFromTrash:
        return Words::tr("These items could not be deleted:");
    case JobKind::Restore:
        return Words::tr("These items could not be restored:");
    case JobKind::Extract:
    case JobKind::Compress:
        return Words::tr("Some items were left out:");
    case JobKind::Permissions:
    case JobKind::Rename:
    case JobKind::NewFolder:
        return Words::tr("Some changes could not be made.");
    default:
        return Words::tr("%n item(s) could not be transferred:", nullptr, n);
    }
}

using rawpath::shown;

QLabel *plainLabel(const QString &text, QWidget *parent)
{
    auto *label = new QLabel(text, parent);
    label->setTextFormat(Qt::PlainText);
    label->setWordWrap(true);
    return label;
}

QString describe(bool isDir, qint64 size, qint64 mtime)
{
    const QString when =
        QLocale().toString(QDateTime::fromSecsSinceEpoch(mtime), QLocale::ShortFormat);
    return isDir ? Words::tr("a folder, modified %1").arg(when)
                 : Words::tr("%1, modified %2").arg(dataSizeText(size), when);
}

class ConflictDialog : public QDialog
{
public:
    ConflictDialog(const Conflict &c, QWidget *parent) : QDialog(parent)
    {
        setWindowTitle(QGuiApplication::applicationDisplayName());
        auto *layout = new QVBoxLayout(this);
        for (const QString &line : conflictTexts(c))
            layout->addWidget(plainLabel(line, this));
        applyToAll_ = new QCheckBox(Words::tr("&Apply to all"), this);
        layout->addWidget(applyToAll_);

        auto *buttons = new QDialogButtonBox(this);
        const auto add = [&](const QString &text, ConflictChoice choice) {
            QPushButton *b = buttons->addButton(text, QDialogButtonBox::ActionRole);
            connect(b, &QPushButton::clicked, this, [this, choice] {
                choice_ = choice;
                accept();
            });
            return b;
        };
        add(c.sourceIsDir && c.targetIsDir ? Words::tr("&Merge") : Words::tr("&Replace"),
            ConflictChoice::Replace)
            ->setEnabled(c.mayReplace);
        add(Words::tr("&Skip"), ConflictChoice::Skip)->setDefault(true);
        add(Words::tr("&Keep both"), ConflictChoice::KeepBoth);
        add(Words::tr("Cancel"), ConflictChoice::Cancel);
        layout->addWidget(buttons);
    }
    ConflictChoice choice() const { return choice_; }
    bool applyToAll() const { return applyToAll_->isChecked(); }

private:
    QCheckBox *applyToAll_;
    ConflictChoice choice_ = ConflictChoice::Cancel; // Escape and the close box stop it all
};

// A password, typed where it is not shown.
class PasswordDialog : public QDialog
{
public:
    PasswordDialog(const QString &item, bool again, QWidget *parent) : QDialog(parent)
    {
        setWindowTitle(QGuiApplication::applicationDisplayName());
        auto *layout = new QVBoxLayout(this);
        if (again)
            layout->addWidget(plainLabel(Words::tr("The password was wrong."), this));
        layout->addWidget(
            plainLabel(Words::tr("\u201c%1\u201d is protected by a password:").arg(item), this));
        edit_ = new QLineEdit(this);
        edit_->setEchoMode(QLineEdit::Password);
        edit_->setAccessibleName(Words::tr("Password"));
        layout->addWidget(edit_);
        auto *buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
        connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
        connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
        layout->addWidget(buttons);
    }
    QByteArray password() const { return edit_->text().toUtf8(); }

private:
    QLineEdit *edit_;
};

class DialogAsker : public JobAsker
{
public:
    bool waitsInRow() const override { return true; }
    std::optional<QByteArray> askPassword(QWidget *parent, const QString &item, bool again) override
    {
        PasswordDialog dialog(item, again, parent);
        if (dialog.exec() != QDialog::Accepted)
            return std::nullopt;
        return dialog.password();
    }
    std::pair<ConflictChoice, bool> askConflict(QWidget *parent, const Conflict &c) override
    {
        ConflictDialog dialog(c, parent);
        dialog.exec();
        return {dialog.choice(), dialog.applyToAll()};
    }
    ErrorChoice askError(QWidget *parent, const QString &what, const QString &reason) override
    {
        QMessageBox box(QMessageBox::Warning, QGuiApplication::applicationDisplayName(), what,
                        QMessageBox::NoButton, parent);
        box.setInformativeText(reason);
        showAsPlainText(box);
        QPushButton *retry = box.addButton(QMessageBox::Retry);
        QPushButton *skip = box.addButton(Words::tr("&Skip"), QMessageBox::AcceptRole);
        box.addButton(QMessageBox::Cancel);
        box.setDefaultButton(skip);
        box.exec();
        return box.clickedButton() == retry  ? ErrorChoice::Retry
               : box.clickedButton() == skip ? ErrorChoice::Skip
                                             : ErrorChoice::Cancel;
    }
    void report(QWidget *parent, JobKind kind, const QStringList &errors) override
    {
        QMessageBox box(QMessageBox::Warning, QGuiApplication::applicationDisplayName(),
                        errors.value(0), QMessageBox::Ok, parent);
        if (errors.size() > 1) {
            box.setText(failedHeading(kind, int(errors.size())));
            QStringList lines = errors.mid(0, ReportLines);
            if (errors.size() > ReportLines)
                lines << Words::tr("and %n more.", nullptr, int(errors.size() - ReportLines));
            box.setInformativeText(lines.join(QLatin1Char('\n')));
            box.setDetailedText(errors.join(QLatin1Char('\n')));
        }
        showAsPlainText(box);
        box.exec();
    }
};

} // namespace

QStringList conflictTexts(const Conflict &c)
{
    const QString name = shown(rawpath::baseName(c.target));
    const QString folder = shown(rawpath::parentOf(c.target));
    QStringList lines{
        (c.targetIsDir
             ? Words::tr("There is already a folder named \u201c%1\u201d in \u201c%2\u201d.")
             : Words::tr("There is already a file named \u201c%1\u201d in \u201c%2\u201d."))
            .arg(name, folder),
        Words::tr("Already there: %1").arg(describe(c.targetIsDir, c.targetSize, c.targetMtime)),
        Words::tr("Arriving: %1").arg(describe(c.sourceIsDir, c.sourceSize, c.sourceMtime))};
    if (c.sourceIsLink)
        lines << Words::tr("The item you are pasting is a link to \u201c%1\u201d.")
                     .arg(shown(c.linkTarget));
    if (c.source == c.target)
        lines << Words::tr("It is the item itself. Keep both makes a copy beside it.");
    else if (c.mayReplace && c.sourceIsDir)
        lines << Words::tr(
            "Merging puts what both folders hold into one; items of the same name are "
            "asked about one by one.");
    return lines;
}

JobAsker::~JobAsker() = default;

std::optional<QByteArray> JobAsker::askPassword(QWidget *, const QString &, bool)
{
    return std::nullopt;
}

JobAsker &JobAsker::dialogs()
{
    static DialogAsker instance;
    return instance;
}

namespace {

// The transfers under way, by the disk they write to, and those waiting
// for it: one disk does one thing at a time, quicker than two at once.
QList<JobRunner *> &writing()
{
    static QList<JobRunner *> runners;
    return runners;
}
QList<QPointer<JobRunner>> &waitingTurn()
{
    static QList<QPointer<JobRunner>> runners;
    return runners;
}

// Every runner with a job not yet over, and what waits for the last.
QList<JobRunner *> &live()
{
    static QList<JobRunner *> runners;
    return runners;
}
std::vector<std::function<void()>> &afterLast()
{
    static std::vector<std::function<void()>> calls;
    return calls;
}

void jobOver(JobRunner *runner)
{
    if (live().removeAll(runner) == 0 || !live().isEmpty())
        return;
    for (const auto &call : std::exchange(afterLast(), {}))
        call();
}

bool queues(const Job &job)
{
    const JobKind k = job.kind();
    return !job.folder().isEmpty() && (k == JobKind::Copy || k == JobKind::Move ||
                                       k == JobKind::Extract || k == JobKind::Compress);
}

std::optional<dev_t> diskOf(const Job &job)
{
    struct stat st;
    if (!queues(job) || stat(job.folder().constData(), &st) != 0)
        return std::nullopt;
    return st.st_dev;
}

bool diskBusy(const Job &job)
{
    const std::optional<dev_t> disk = diskOf(job);
    return disk && std::any_of(writing().cbegin(), writing().cend(),
                               [&](const JobRunner *r) { return diskOf(*r->job()) == disk; });
}

// The next of those waiting whose disk is free.
void startWaiting()
{
    QList<QPointer<JobRunner>> &queue = waitingTurn();
    queue.removeAll(nullptr);
    for (const QPointer<JobRunner> &r : QList(queue)) {
        if (!diskBusy(*r->job()))
            r->startNow();
    }
}

} // namespace

JobRunner::JobRunner(Job *job, QWidget *parent, JobAsker &asker)
    : job_(job), parent_(parent), asker_(asker)
{
    showTimer_.setSingleShot(true);
    showTimer_.setInterval(ShowAfterMs);
    connect(&showTimer_, &QTimer::timeout, this, &JobRunner::showProgress);
    connect(job, &Job::progress, this, &JobRunner::onProgress);
    connect(job, &Job::conflict, this, &JobRunner::onConflict);
    connect(job, &Job::error, this, &JobRunner::onError);
    connect(job, &Job::passwordNeeded, this, &JobRunner::onPassword);
    connect(job, &Job::finished, this, &JobRunner::onFinished);
    live().append(this);
}

JobRunner::~JobRunner()
{
    jobOver(this);
    if (OperationsWindow *w = OperationsWindow::current())
        w->remove(this);
    waitingTurn().removeAll(this);
    if (writing().removeAll(this) > 0)
        startWaiting();
}

void JobRunner::start()
{
    showTimer_.start();
    if (queues(*job_) && diskBusy(*job_)) {
        waiting_ = true;
        waitingTurn().append(this);
        return;
    }
    begin();
}

void JobRunner::begin()
{
    started_ = true;
    if (queues(*job_))
        writing().append(this);
    job_->start();
}

void JobRunner::startNow()
{
    if (started_)
        return;
    waiting_ = false;
    waitingTurn().removeAll(this);
    begin();
    if (OperationsWindow *w = OperationsWindow::current())
        w->refresh(this);
}

void JobRunner::setPaused(bool paused)
{
    if (!job_->pausable())
        return;
    paused_ = paused;
    job_->setPaused(paused);
    if (OperationsWindow *w = OperationsWindow::current())
        w->refresh(this);
}

void JobRunner::cancel()
{
    if (!started_) {
        // It never began: it ends here, having done nothing.
        waiting_ = false;
        waitingTurn().removeAll(this);
        JobResult r;
        r.cancelled = true;
        onFinished(r);
        return;
    }
    job_->cancel();
}

QString JobRunner::description() const
{
    const int n = job_->items();
    const QString where = rawpath::shown(rawpath::baseName(job_->folder()));
    if (job_->folder().isEmpty() || n <= 0)
        return title(job_->kind());
    // Two forms in English; other languages take as many as they have.
    const auto text = [&](const char *one, const char *many) {
        return n == 1 ? Words::tr(one).arg(where) : Words::tr(many, nullptr, n).arg(where);
    };
    switch (job_->kind()) {
    case JobKind::Copy:
        return text(QT_TRANSLATE_NOOP("FileTransfer", "Copying 1 item to \u201c%1\u201d"),
                    QT_TRANSLATE_N_NOOP("FileTransfer", "Copying %n items to \u201c%1\u201d"));
    case JobKind::Move:
        return text(QT_TRANSLATE_NOOP("FileTransfer", "Moving 1 item to \u201c%1\u201d"),
                    QT_TRANSLATE_N_NOOP("FileTransfer", "Moving %n items to \u201c%1\u201d"));
    case JobKind::Link:
        return text(QT_TRANSLATE_NOOP("FileTransfer", "Making 1 link in \u201c%1\u201d"),
                    QT_TRANSLATE_N_NOOP("FileTransfer", "Making %n links in \u201c%1\u201d"));
    case JobKind::Extract:
        return text(QT_TRANSLATE_NOOP("FileTransfer", "Unpacking 1 archive in \u201c%1\u201d"),
                    QT_TRANSLATE_N_NOOP("FileTransfer", "Unpacking %n archives in \u201c%1\u201d"));
    case JobKind::Compress:
        return text(QT_TRANSLATE_NOOP("FileTransfer", "Packing 1 item in \u201c%1\u201d"),
                    QT_TRANSLATE_N_NOOP("FileTransfer", "Packing %n items in \u201c%1\u201d"));
    default:
        return title(job_->kind());
    }
}

QString JobRunner::question() const
{
    switch (asked_) {
    case Asked::Conflict:
        return conflictTexts(conflict_).value(0);
    case Asked::Error:
        return what_ + QLatin1Char(' ') + reason_;
    case Asked::Nothing:
        break;
    }
    return {};
}

QWidget *JobRunner::over() const
{
    return shown_ ? &OperationsWindow::shared() : parent_.data();
}

void JobRunner::showProgress()
{
    if (shown_ || QCoreApplication::closingDown())
        return;
    shown_ = true;
    OperationsWindow::shared().add(this);
}

void JobRunner::onProgress(const QString &file, qint64 bytesDone, qint64 bytesTotal, int filesDone,
                           int filesTotal)
{
    file_ = file;
    bytesDone_ = bytesDone;
    bytesTotal_ = bytesTotal;
    filesDone_ = filesDone;
    filesTotal_ = filesTotal;
    if (shown_)
        if (OperationsWindow *w = OperationsWindow::current())
            w->refresh(this);
}

void JobRunner::onConflict(const Conflict &c)
{
    asked_ = Asked::Conflict;
    conflict_ = c;
    if (!asker_.waitsInRow())
        return answer();
    showProgress();
    if (OperationsWindow *w = OperationsWindow::current())
        w->refresh(this);
}

void JobRunner::onError(const QString &what, const QString &reason)
{
    asked_ = Asked::Error;
    what_ = what;
    reason_ = reason;
    if (!asker_.waitsInRow())
        return answer();
    showProgress();
    if (OperationsWindow *w = OperationsWindow::current())
        w->refresh(this);
}

void JobRunner::answer()
{
    const Asked asked = std::exchange(asked_, Asked::Nothing);
    if (shown_)
        if (OperationsWindow *w = OperationsWindow::current())
            w->refresh(this);
    if (asked == Asked::Conflict) {
        const auto [choice, applyToAll] = asker_.askConflict(over(), conflict_);
        job_->answerConflict(choice, applyToAll);
    } else if (asked == Asked::Error) {
        job_->answerError(asker_.askError(over(), what_, reason_));
    }
}

void JobRunner::onPassword(const QString &item, bool again)
{
    job_->answerPassword(asker_.askPassword(over(), item, again));
}

void JobRunner::onFinished(const JobResult &result)
{
    showTimer_.stop();
    if (OperationsWindow *w = OperationsWindow::current())
        w->remove(this);
    shown_ = false;
    if (writing().removeAll(this) > 0)
        startWaiting();
    // One append for the whole job, however many items it did.
    if (auto history = UndoJournal::shared())
        undo::record(*job_, result, *history);
    if (report_ && !result.errors.isEmpty())
        asker_.report(parent_, job_->kind(), result.errors);
    emit finished(result);
    jobOver(this);
}

void endAfterJobs(QWidget *window, UserMessages &messages, const std::function<void()> &end)
{
    if (live().isEmpty())
        return end();
    const bool finish = messages.confirm(
        window,
        Words::tr("Operations are still running. Let them finish before the program ends?\n\n"
                  "Yes lets them finish first; No cancels them, and what they had begun is "
                  "cleaned away."));
    if (!finish)
        for (JobRunner *r : QList(live()))
            r->cancel();
    if (window)
        window->hide();
    if (live().isEmpty())
        return end();
    afterLast().push_back(end);
}

void cancelJobsAndWait()
{
    for (JobRunner *r : QList(live()))
        r->cancel();
    // A transfer cleans up on its thread and says so through `finished`.
    QEventLoop loop;
    afterLast().push_back([&loop] { loop.quit(); });
    if (!live().isEmpty())
        loop.exec();
    afterLast().clear();
}

JobRunner *runJob(Job *job, QWidget *parent, JobAsker &asker)
{
    auto *runner = new JobRunner(job, parent, asker);
    // Going with the window cancels the job (a transfer waits for its clean-up).
    runner->setParent(parent);
    job->setParent(runner);
    QObject::connect(runner, &JobRunner::finished, runner, &QObject::deleteLater);
    runner->start();
    return runner;
}

JobResult runJobModal(Job *job, QWidget *parent, JobAsker &asker, bool reportErrors)
{
    const std::unique_ptr<Job> owned(job);
    JobRunner runner(job, parent, asker);
    runner.setReportErrors(reportErrors);
    JobResult result;
    QEventLoop loop;
    QObject::connect(&runner, &JobRunner::finished, &loop, [&](const JobResult &r) {
        result = r;
        loop.quit();
    });
    runner.start();
    loop.exec();
    return result;
}

JobResult runTransferModal(JobKind kind, const QList<QByteArray> &sources,
                           const QByteArray &targetFolder, QWidget *parent, JobAsker &asker)
{
    return runJobModal(new FileTransfer(kind, sources, targetFolder), parent, asker);
}

} // namespace tarnwick
