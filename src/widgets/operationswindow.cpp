#include "operationswindow.h"

#include "datasize.h"
#include "fileoperationdialogs.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QLabel>
#include <QLocale>
#include <QPointer>
#include <QProgressBar>
#include <QPushButton>
#include <QScrollArea>
#include <QVBoxLayout>

namespace tarnwick {
namespace {

struct Words
{
    Q_DECLARE_TR_FUNCTIONS(OperationsWindow)
};

constexpr int SpeedSampleMs = 1000; // long enough to smooth block-sized steps

QLabel *plainLabel(QWidget *parent, const QString &name)
{
    auto *label = new QLabel(parent);
    label->setTextFormat(Qt::PlainText);
    label->setAccessibleName(name);
    return label;
}

} // namespace

// One job's row.
class OperationRow : public QFrame
{
public:
    OperationRow(JobRunner *runner, QWidget *parent) : QFrame(parent), runner_(runner)
    {
        setFrameShape(QFrame::StyledPanel);
        const QString what = runner->description();
        setAccessibleName(what);
        auto *layout = new QVBoxLayout(this);
        what_ = plainLabel(this, Words::tr("Operation"));
        what_->setText(what);
        file_ = plainLabel(this, Words::tr("Item"));
        file_->setMinimumWidth(360);
        bar_ = new QProgressBar(this);
        bar_->setRange(0, 1000);
        bar_->setAccessibleName(Words::tr("Progress of %1").arg(what));
        state_ = plainLabel(this, Words::tr("Status"));
        state_->setWordWrap(true);
        auto *buttons = new QHBoxLayout;
        const auto button = [&](const QString &text, const QString &name) {
            auto *b = new QPushButton(text, this);
            b->setAccessibleName(name.arg(what));
            b->setAutoDefault(false);
            buttons->addWidget(b);
            return b;
        };
        buttons->addStretch();
        answer_ = button(Words::tr("&Answer\u2026"), Words::tr("Answer the question of %1"));
        startNow_ = button(Words::tr("Start &Now"), Words::tr("Start %1 now"));
        pause_ = button(Words::tr("&Pause"), Words::tr("Pause %1"));
        cancel_ = button(Words::tr("Cancel"), Words::tr("Cancel %1"));
        layout->addWidget(what_);
        layout->addWidget(file_);
        layout->addWidget(bar_);
        layout->addWidget(state_);
        layout->addLayout(buttons);
        connect(answer_, &QPushButton::clicked, this, [this] {
            if (runner_)
                runner_->answer();
        });
        connect(startNow_, &QPushButton::clicked, this, [this] {
            if (runner_)
                runner_->startNow();
        });
        connect(pause_, &QPushButton::clicked, this, [this] {
            if (runner_)
                runner_->setPaused(!runner_->paused());
        });
        connect(cancel_, &QPushButton::clicked, this, [this] {
            if (!runner_)
                return;
            runner_->cancel();
            cancel_->setEnabled(false);
            cancel_->setText(Words::tr("Cancelling\u2026"));
        });
        clock_.start();
        refresh();
    }

    void refresh()
    {
        if (!runner_)
            return;
        const JobRunner &r = *runner_;
        const int width = qMax(file_->width(), file_->minimumWidth());
        file_->setText(file_->fontMetrics().elidedText(r.currentFile(), Qt::ElideMiddle, width));
        const double part = r.bytesTotal() > 0   ? double(r.bytesDone()) / double(r.bytesTotal())
                            : r.filesTotal() > 0 ? double(r.filesDone()) / r.filesTotal()
                                                 : 0.0;
        bar_->setValue(int(part * 1000));
        sample(r.bytesDone());
        const QString question = r.question();
        answer_->setVisible(!question.isEmpty());
        startNow_->setVisible(r.waiting());
        pause_->setEnabled(r.job()->pausable() && !r.waiting());
        pause_->setText(r.paused() ? Words::tr("&Resume") : Words::tr("&Pause"));
        pause_->setAccessibleName(
            (r.paused() ? Words::tr("Resume %1") : Words::tr("Pause %1")).arg(what_->text()));
        state_->setText(!question.isEmpty() ? question
                        : r.waiting()
                            ? Words::tr("Waiting for the operation before it on this disk")
                        : r.paused() ? Words::tr("Paused")
                                     : amount(r));
    }

private:
    void sample(qint64 bytes)
    {
        const qint64 now = clock_.elapsed();
        if (runner_->paused() || runner_->waiting()) {
            // Time spent holding is not time spent copying.
            sampleAt_ = now;
            sampled_ = bytes;
            return;
        }
        if (now - sampleAt_ < SpeedSampleMs)
            return;
        speed_ = double(bytes - sampled_) * 1000.0 / double(now - sampleAt_);
        sampleAt_ = now;
        sampled_ = bytes;
    }

    QString amount(const JobRunner &r) const
    {
        const QLocale l;
        if (r.bytesTotal() <= 0)
            return Words::tr("%1 of %2 items")
                .arg(l.toString(r.filesDone()), l.toString(r.filesTotal()));
        QString text = Words::tr("%1 of %2")
                           .arg(dataSizeText(r.bytesDone(), l), dataSizeText(r.bytesTotal(), l));
        if (speed_ > 0) {
            const qint64 left = qint64(double(r.bytesTotal() - r.bytesDone()) / speed_);
            text += QLatin1String(", ") + Words::tr("%1/s, about %2 left")
                                              .arg(dataSizeText(qint64(speed_), l))
                                              .arg(timeLeft(left));
        }
        return text;
    }

    static QString timeLeft(qint64 seconds)
    {
        const QLocale l; // digits as the user's locale writes them
        if (seconds < 60)
            return Words::tr("%1 s").arg(l.toString(qMax<qint64>(seconds, 1)));
        if (seconds < 3600)
            return Words::tr("%1 min").arg(l.toString(seconds / 60));
        return Words::tr("%1 h %2 min")
            .arg(l.toString(seconds / 3600), l.toString(seconds / 60 % 60));
    }

    QPointer<JobRunner> runner_;
    QLabel *what_, *file_, *state_;
    QProgressBar *bar_;
    QPushButton *answer_, *startNow_, *pause_, *cancel_;
    QElapsedTimer clock_;
    qint64 sampleAt_ = 0, sampled_ = 0;
    double speed_ = 0;
};

namespace {
QPointer<OperationsWindow> theWindow;
bool ended = false; // the program's end: no window is made again
} // namespace

OperationsWindow &OperationsWindow::shared()
{
    if (!theWindow)
        theWindow = new OperationsWindow;
    return *theWindow;
}

OperationsWindow *OperationsWindow::current()
{
    return ended ? nullptr : theWindow.data();
}

OperationsWindow::OperationsWindow() : QWidget(nullptr, Qt::Window)
{
    setWindowTitle(Words::tr("Operations"));
    setAccessibleName(Words::tr("Operations"));
    setObjectName(QStringLiteral("frmOperations"));
    // It comes up beside the window the user works in, never in its way.
    setAttribute(Qt::WA_ShowWithoutActivating);
    // Open or not, it does not keep the program running on its own.
    setAttribute(Qt::WA_QuitOnClose, false);
    auto *outer = new QVBoxLayout(this);
    auto *scroll = new QScrollArea(this);
    scroll->setWidgetResizable(true);
    scroll->setAccessibleName(Words::tr("Operations"));
    auto *inner = new QWidget(scroll);
    list_ = new QVBoxLayout(inner);
    empty_ = plainLabel(inner, Words::tr("Status"));
    empty_->setText(Words::tr("Nothing is being done."));
    list_->addWidget(empty_);
    list_->addStretch();
    scroll->setWidget(inner);
    outer->addWidget(scroll);
    resize(480, 340); // room for two rows and a question
    // Ends with the program, not before: a row may still point at its job.
    connect(QCoreApplication::instance(), &QCoreApplication::aboutToQuit, this, [this] {
        ended = true;
        deleteLater();
    });
}

void OperationsWindow::add(JobRunner *runner)
{
    if (rows_.contains(runner))
        return;
    auto *row = new OperationRow(runner, list_->parentWidget());
    list_->insertWidget(list_->count() - 1, row);
    rows_.insert(runner, row);
    empty_->hide();
    if (!isVisible()) {
        // Where the platform gives a new window the focus all the same, it
        // goes back to where the user was.
        QWidget *before = QApplication::activeWindow();
        show();
        if (before && before != this)
            before->activateWindow();
    }
}

void OperationsWindow::remove(JobRunner *runner)
{
    if (OperationRow *row = rows_.take(runner))
        delete row;
    if (rows_.isEmpty()) {
        empty_->show();
        hide();
    }
}

void OperationsWindow::refresh(JobRunner *runner)
{
    if (OperationRow *row = rows_.value(runner))
        row->refresh();
}

} // namespace tarnwick
