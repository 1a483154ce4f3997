#include "sizecounter.h"

#include "treewalk.h"

#include <QElapsedTimer>
#include <QThread>
#include <atomic>
#include <sys/stat.h>

namespace tarnwick {

constexpr qint64 ReportIntervalMs = 100;

struct SizeCounter::Run
{
    std::atomic<bool> cancel{false};
    SizeCounter *owner = nullptr; // touched on the user-interface thread only
};

namespace {

void add(SizeTotals &t, const struct stat &st)
{
    if (S_ISDIR(st.st_mode)) {
        ++t.folders;
    } else {
        ++t.files;
        t.bytes += st.st_size;
    }
}

} // namespace

SizeCounter::SizeCounter(QObject *parent) : QObject(parent)
{
    qRegisterMetaType<tarnwick::SizeTotals>();
}

SizeCounter::~SizeCounter()
{
    abandon();
}

void SizeCounter::start(const QList<QByteArray> &items)
{
    abandon();
    auto run = std::make_shared<Run>();
    run->owner = this;
    run_ = run;

    // Reports are posted to an object of their own that lives until the
    // thread ends, so a worker that outlives the counter posts nowhere
    // harmful; they reach the counter only while it still wants this run.
    auto *relay = new QObject;
    const auto post = [relay, run](SizeTotals t, bool done, bool complete) {
        QMetaObject::invokeMethod(
            relay,
            [run, t, done, complete] {
                if (run->owner)
                    run->owner->report(t, done, complete);
            },
            Qt::QueuedConnection);
    };
    QThread *thread = QThread::create([items, run, post] {
        SizeTotals t;
        QElapsedTimer sinceReport;
        sinceReport.start();
        bool cancelled = false;
        const auto visit = [&](const WalkItem &item) {
            add(t, item.st);
            if (sinceReport.elapsed() >= ReportIntervalMs) {
                post(t, false, false);
                sinceReport.restart();
            }
        };
        for (const QByteArray &path : items) {
            struct stat st;
            if (lstat(path.constData(), &st) != 0)
                continue; // gone meanwhile: nothing of it to count
            add(t, st);
            if (!S_ISDIR(st.st_mode))
                continue;
            const WalkResult r = walkFolder(path, true, run->cancel, visit);
            t.unreadable += r.unreadable;
            if ((cancelled = r.cancelled))
                break;
        }
        post(t, true, !cancelled);
    });
    thread->setObjectName(QStringLiteral("SizeCounter"));
    connect(thread, &QThread::finished, relay, &QObject::deleteLater);
    connect(thread, &QThread::finished, thread, &QObject::deleteLater);
    thread->start();
}

void SizeCounter::cancel()
{
    if (run_)
        run_->cancel.store(true);
}

void SizeCounter::abandon()
{
    if (!run_)
        return;
    run_->cancel.store(true);
    run_->owner = nullptr;
    run_.reset();
}

void SizeCounter::report(const SizeTotals &totals, bool done, bool complete)
{
    if (!done) {
        emit progress(totals);
        return;
    }
    run_.reset();
    emit finished(totals, complete);
}

} // namespace tarnwick
