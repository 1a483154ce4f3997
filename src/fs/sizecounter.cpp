#include "sizecounter.h"

#include "background.h"
#include "treewalk.h"

#include <QElapsedTimer>
#include <atomic>
#include <sys/stat.h>

namespace tarnwick {

constexpr qint64 ReportIntervalMs = 100;

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

SizeCounter::~SizeCounter() = default;

void SizeCounter::start(const QList<QByteArray> &items)
{
    task_.start(this, [this, items](BackgroundTask &task, const std::atomic<bool> &stop) {
        const auto post = [this, &task](SizeTotals t, bool done, bool complete) {
            task.post([this, t, done, complete] { report(t, done, complete); });
        };
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
            const WalkResult r = walkFolder(path, true, stop, visit);
            t.unreadable += r.unreadable;
            if ((cancelled = r.cancelled))
                break;
        }
        post(t, true, !cancelled);
    });
}

void SizeCounter::cancel()
{
    task_.stop();
}

void SizeCounter::report(const SizeTotals &totals, bool done, bool complete)
{
    if (!done) {
        emit progress(totals);
        return;
    }
    task_.finished();
    emit finished(totals, complete);
}

} // namespace tarnwick
