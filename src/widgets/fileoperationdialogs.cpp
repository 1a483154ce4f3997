#include "fileoperationdialogs.h"

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
#include <QProgressBar>
#include <QPushButton>
#include <QVBoxLayout>
#include <memory>

namespace tarnwick {
namespace {

constexpr int ShowAfterMs = 500; // quicker transfers come and go without a window
constexpr int ReportLines = 15;  // more go into the message's details

QString tr(const char *text, int n = -1)
{
    return QCoreApplication::translate("FileTransfer", text, nullptr, n);
}

QString title(JobKind kind)
{
    switch (kind) {
    case JobKind::Copy:
        return tr("Copying");
    case JobKind::Move:
        return tr("Moving");
    case JobKind::Link:
        return tr("Making links");
    case JobKind::Rename:
        return tr("Renaming");
    case JobKind::NewFolder:
        return tr("Making a folder");
    case JobKind::Trash:
        return tr("Moving to the Recycle Bin");
    case JobKind::Delete:
    case JobKind::EraseFromTrash:
        return tr("Deleting");
    case JobKind::Restore:
        return tr("Restoring");
    case JobKind::Permissions:
        return tr("Changing permissions");
    case JobKind::Extract:
        return tr("Unpacking");
    case JobKind::Compress:
        return tr("Packing");
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
        return tr("These items could not be deleted:");
    case JobKind::Restore:
        return tr("These items could not be restored:");
    case JobKind::Extract:
    case JobKind::Compress:
        return tr("Some items were left out:");
    case JobKind::Permissions:
    case JobKind::Rename:
    case JobKind::NewFolder:
        return tr("Some changes could not be made.");
    default:
        return tr("%n item(s) could not be transferred:", n);
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
    return isDir ? tr("a folder, modified %1").arg(when)
                 : tr("%1, modified %2").arg(QLocale().formattedDataSize(size), when);
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
        applyToAll_ = new QCheckBox(tr("&Apply to all"), this);
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
        add(c.sourceIsDir && c.targetIsDir ? tr("&Merge") : tr("&Replace"), ConflictChoice::Replace)
            ->setEnabled(c.mayReplace);
        add(tr("&Skip"), ConflictChoice::Skip)->setDefault(true);
        add(tr("&Keep both"), ConflictChoice::KeepBoth);
        add(tr("Cancel"), ConflictChoice::Cancel);
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
            layout->addWidget(plainLabel(tr("The password was wrong."), this));
        layout->addWidget(
            plainLabel(tr("\u201c%1\u201d is protected by a password:").arg(item), this));
        edit_ = new QLineEdit(this);
        edit_->setEchoMode(QLineEdit::Password);
        edit_->setAccessibleName(tr("Password"));
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
        QPushButton *skip = box.addButton(tr("&Skip"), QMessageBox::AcceptRole);
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
                lines << tr("and %n more.", int(errors.size() - ReportLines));
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
        (c.targetIsDir ? tr("There is already a folder named \u201c%1\u201d in \u201c%2\u201d.")
                       : tr("There is already a file named \u201c%1\u201d in \u201c%2\u201d."))
            .arg(name, folder),
        tr("Already there: %1").arg(describe(c.targetIsDir, c.targetSize, c.targetMtime)),
        tr("Arriving: %1").arg(describe(c.sourceIsDir, c.sourceSize, c.sourceMtime))};
    if (c.sourceIsLink)
        lines
            << tr("The item you are pasting is a link to \u201c%1\u201d.").arg(shown(c.linkTarget));
    if (c.source == c.target)
        lines << tr("It is the item itself. Keep both makes a copy beside it.");
    else if (c.mayReplace && c.sourceIsDir)
        lines << tr("Merging puts what both folders hold into one; items of the same name are "
                    "asked about one by one.");
    return lines;
}

class TransferProgressDialog : public QDialog
{
public:
    TransferProgressDialog(Job *job, QWidget *parent) : QDialog(parent)
    {
        setWindowTitle(title(job->kind()));
        const JobKind kind = job->kind();
        movesData_ = kind == JobKind::Copy || kind == JobKind::Move || kind == JobKind::Extract ||
                     kind == JobKind::Compress;
        auto *layout = new QVBoxLayout(this);
        file_ = new QLabel(this);
        file_->setTextFormat(Qt::PlainText);
        file_->setMinimumWidth(360);
        amount_ = plainLabel(QString(), this);
        bar_ = new QProgressBar(this);
        bar_->setRange(0, 1000);
        cancel_ = new QPushButton(tr("Cancel"), this);
        layout->addWidget(file_);
        layout->addWidget(bar_);
        layout->addWidget(amount_);
        layout->addWidget(cancel_, 0, Qt::AlignRight);
        connect(cancel_, &QPushButton::clicked, this, [this, job] {
            job->cancel();
            cancel_->setEnabled(false);
            cancel_->setText(tr("Cancelling\u2026"));
        });
    }
    void update(const QString &file, qint64 bytesDone, qint64 bytesTotal, int filesDone,
                int filesTotal)
    {
        // Before the window is first shown, its width is not settled yet.
        const int width = qMax(file_->width(), file_->minimumWidth());
        file_->setText(file_->fontMetrics().elidedText(file, Qt::ElideMiddle, width));
        const QLocale l;
        // Jobs that copy no data count items only.
        amount_->setText(
            movesData_ ? tr("%1 of %2 (%3 of %4 items)")
                             .arg(l.formattedDataSize(bytesDone), l.formattedDataSize(bytesTotal))
                             .arg(filesDone)
                             .arg(filesTotal)
                       : tr("%1 of %2 items").arg(filesDone).arg(filesTotal));
        const double part = bytesTotal > 0   ? double(bytesDone) / double(bytesTotal)
                            : filesTotal > 0 ? double(filesDone) / filesTotal
                                             : 0.0;
        bar_->setValue(int(part * 1000));
    }
    // Escape and the close box cancel; the window goes when the transfer has.
    void reject() override { cancel_->click(); }

private:
    QLabel *file_;
    QLabel *amount_;
    QProgressBar *bar_;
    QPushButton *cancel_;
    bool movesData_ = false;
};

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
}

JobRunner::~JobRunner()
{
    delete dialog_;
}

void JobRunner::start()
{
    showTimer_.start();
    job_->start();
}

void JobRunner::showProgress()
{
    // Not over a question; it comes once the question is answered.
    if (asking_ || dialog_)
        return;
    dialog_ = new TransferProgressDialog(job_, parent_);
    dialog_->setWindowModality(modal_ ? Qt::WindowModal : Qt::NonModal);
    dialog_->update(file_, bytesDone_, bytesTotal_, filesDone_, filesTotal_);
    dialog_->show();
}

void JobRunner::onProgress(const QString &file, qint64 bytesDone, qint64 bytesTotal, int filesDone,
                           int filesTotal)
{
    file_ = file;
    bytesDone_ = bytesDone;
    bytesTotal_ = bytesTotal;
    filesDone_ = filesDone;
    filesTotal_ = filesTotal;
    if (dialog_)
        dialog_->update(file, bytesDone, bytesTotal, filesDone, filesTotal);
}

void JobRunner::onConflict(const Conflict &c)
{
    asking_ = true;
    QWidget *over = dialog_ ? static_cast<QWidget *>(dialog_) : parent_.data();
    const auto [choice, applyToAll] = asker_.askConflict(over, c);
    asking_ = false;
    job_->answerConflict(choice, applyToAll);
    if (!showTimer_.isActive())
        showProgress();
}

void JobRunner::onError(const QString &what, const QString &reason)
{
    asking_ = true;
    QWidget *over = dialog_ ? static_cast<QWidget *>(dialog_) : parent_.data();
    const ErrorChoice choice = asker_.askError(over, what, reason);
    asking_ = false;
    job_->answerError(choice);
    if (!showTimer_.isActive())
        showProgress();
}

void JobRunner::onPassword(const QString &item, bool again)
{
    asking_ = true;
    QWidget *over = dialog_ ? static_cast<QWidget *>(dialog_) : parent_.data();
    const std::optional<QByteArray> password = asker_.askPassword(over, item, again);
    asking_ = false;
    job_->answerPassword(password);
    if (!showTimer_.isActive())
        showProgress();
}

void JobRunner::onFinished(const JobResult &result)
{
    showTimer_.stop();
    delete dialog_;
    // One append for the whole job, however many items it did.
    if (auto history = UndoJournal::shared())
        undo::record(*job_, result, *history);
    if (report_ && !result.errors.isEmpty())
        asker_.report(parent_, job_->kind(), result.errors);
    emit finished(result);
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
    runner.setModal(true);
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
