#include "fileoperationdialogs.h"

#include "rawpaths.h"

#include <QCheckBox>
#include <QDateTime>
#include <QDialog>
#include <QDialogButtonBox>
#include <QEventLoop>
#include <QGuiApplication>
#include <QLabel>
#include <QLocale>
#include <QMessageBox>
#include <QProgressBar>
#include <QPushButton>
#include <QVBoxLayout>

namespace tarnwick {
namespace {

constexpr int ShowAfterMs = 500; // quicker transfers come and go without a window
constexpr int ReportLines = 15;  // more go into the message's details

QString tr(const char *text, int n = -1)
{
    return QCoreApplication::translate("FileTransfer", text, nullptr, n);
}

QString title(TransferKind kind)
{
    return kind == TransferKind::Copy   ? tr("Copying")
           : kind == TransferKind::Move ? tr("Moving")
                                        : tr("Making links");
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

class DialogAsker : public TransferAsker
{
public:
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
        box.setTextFormat(Qt::PlainText);
        QPushButton *retry = box.addButton(QMessageBox::Retry);
        QPushButton *skip = box.addButton(tr("&Skip"), QMessageBox::AcceptRole);
        box.addButton(QMessageBox::Cancel);
        box.setDefaultButton(skip);
        box.exec();
        return box.clickedButton() == retry  ? ErrorChoice::Retry
               : box.clickedButton() == skip ? ErrorChoice::Skip
                                             : ErrorChoice::Cancel;
    }
    void report(QWidget *parent, const QStringList &errors) override
    {
        QMessageBox box(QMessageBox::Warning, QGuiApplication::applicationDisplayName(),
                        errors.value(0), QMessageBox::Ok, parent);
        box.setTextFormat(Qt::PlainText);
        if (errors.size() > 1) {
            box.setText(tr("%n item(s) could not be transferred:", int(errors.size())));
            QStringList lines = errors.mid(0, ReportLines);
            if (errors.size() > ReportLines)
                lines << tr("and %n more.", int(errors.size() - ReportLines));
            box.setInformativeText(lines.join(QLatin1Char('\n')));
            box.setDetailedText(errors.join(QLatin1Char('\n')));
        }
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
    TransferProgressDialog(FileTransfer *transfer, QWidget *parent) : QDialog(parent)
    {
        setWindowTitle(title(transfer->kind()));
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
        connect(cancel_, &QPushButton::clicked, this, [this, transfer] {
            transfer->cancel();
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
        amount_->setText(tr("%1 of %2 (%3 of %4 items)")
                             .arg(l.formattedDataSize(bytesDone), l.formattedDataSize(bytesTotal))
                             .arg(filesDone)
                             .arg(filesTotal));
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
};

TransferAsker::~TransferAsker() = default;

TransferAsker &TransferAsker::dialogs()
{
    static DialogAsker instance;
    return instance;
}

TransferRunner::TransferRunner(FileTransfer *transfer, QWidget *parent, TransferAsker &asker)
    : transfer_(transfer), parent_(parent), asker_(asker)
{
    showTimer_.setSingleShot(true);
    showTimer_.setInterval(ShowAfterMs);
    connect(&showTimer_, &QTimer::timeout, this, &TransferRunner::showProgress);
    connect(transfer, &FileTransfer::progress, this, &TransferRunner::onProgress);
    connect(transfer, &FileTransfer::conflict, this, &TransferRunner::onConflict);
    connect(transfer, &FileTransfer::error, this, &TransferRunner::onError);
    connect(transfer, &FileTransfer::finished, this, &TransferRunner::onFinished);
}

TransferRunner::~TransferRunner()
{
    delete dialog_;
}

void TransferRunner::start()
{
    showTimer_.start();
    transfer_->start();
}

void TransferRunner::showProgress()
{
    // Not over a question; it comes once the question is answered.
    if (asking_ || dialog_)
        return;
    dialog_ = new TransferProgressDialog(transfer_, parent_);
    dialog_->setWindowModality(modal_ ? Qt::WindowModal : Qt::NonModal);
    dialog_->update(file_, bytesDone_, bytesTotal_, filesDone_, filesTotal_);
    dialog_->show();
}

void TransferRunner::onProgress(const QString &file, qint64 bytesDone, qint64 bytesTotal,
                                int filesDone, int filesTotal)
{
    file_ = file;
    bytesDone_ = bytesDone;
    bytesTotal_ = bytesTotal;
    filesDone_ = filesDone;
    filesTotal_ = filesTotal;
    if (dialog_)
        dialog_->update(file, bytesDone, bytesTotal, filesDone, filesTotal);
}

void TransferRunner::onConflict(const Conflict &c)
{
    asking_ = true;
    QWidget *over = dialog_ ? static_cast<QWidget *>(dialog_) : parent_.data();
    const auto [choice, applyToAll] = asker_.askConflict(over, c);
    asking_ = false;
    transfer_->answerConflict(choice, applyToAll);
    if (!showTimer_.isActive())
        showProgress();
}

void TransferRunner::onError(const QString &what, const QString &reason)
{
    asking_ = true;
    QWidget *over = dialog_ ? static_cast<QWidget *>(dialog_) : parent_.data();
    const ErrorChoice choice = asker_.askError(over, what, reason);
    asking_ = false;
    transfer_->answerError(choice);
    if (!showTimer_.isActive())
        showProgress();
}

void TransferRunner::onFinished(const TransferResult &result)
{
    showTimer_.stop();
    delete dialog_;
    if (!result.errors.isEmpty())
        asker_.report(parent_, result.errors);
    emit finished(result);
}

TransferRunner *runTransfer(FileTransfer *transfer, QWidget *parent, TransferAsker &asker)
{
    auto *runner = new TransferRunner(transfer, parent, asker);
    // Going with the window cancels the transfer and waits for its clean-up.
    runner->setParent(parent);
    transfer->setParent(runner);
    QObject::connect(runner, &TransferRunner::finished, runner, &QObject::deleteLater);
    runner->start();
    return runner;
}

TransferResult runTransferModal(TransferKind kind, const QList<QByteArray> &sources,
                                const QByteArray &targetFolder, QWidget *parent,
                                TransferAsker &asker)
{
    FileTransfer transfer(kind, sources, targetFolder);
    TransferRunner runner(&transfer, parent, asker);
    runner.setModal(true);
    TransferResult result;
    QEventLoop loop;
    QObject::connect(&runner, &TransferRunner::finished, &loop, [&](const TransferResult &r) {
        result = r;
        loop.quit();
    });
    runner.start();
    loop.exec();
    return result;
}

} // namespace tarnwick
