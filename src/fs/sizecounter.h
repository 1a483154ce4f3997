#pragma once

#include "background.h"

#include <QByteArray>
#include <QList>
#include <QMetaType>
#include <QObject>
#include <atomic>
#include <memory>

namespace tarnwick {

struct SizeTotals
{
    qint64 bytes = 0; // of everything but folders; a link by its own size
    qint64 files = 0; // everything that is not a folder, links included
    qint64 folders = 0;
    qint64 unreadable = 0; // folders whose contents could not be read
};

// Adds up the sizes of items and of everything in the folders among them,
// on a thread of its own, reporting as it goes. Links are counted, never
// followed, so a link to an ancestor cannot make it loop; other file systems
// mounted inside are counted like anything else.
class SizeCounter : public QObject
{
    Q_OBJECT
public:
    explicit SizeCounter(QObject *parent = nullptr);
    // Gives up a count still running without waiting for it: the worker may
    // be stuck on a dead network mount, and that must not hold up the window.
    ~SizeCounter() override;

    // `items` are absolute paths as on disk. A count still running is given
    // up; its reports no longer arrive.
    void start(const QList<QByteArray> &items);
    // Stops the count; `finished` follows with what was counted so far.
    void cancel();
    bool isRunning() const { return task_.isRunning(); }

signals:
    // At most every 100 ms while counting.
    void progress(const tarnwick::SizeTotals &totals);
    // `complete` is false when the count was cancelled.
    void finished(const tarnwick::SizeTotals &totals, bool complete);

private:
    void report(const SizeTotals &totals, bool done, bool complete);

    StoppableTask task_;
};

} // namespace tarnwick

Q_DECLARE_METATYPE(tarnwick::SizeTotals)
