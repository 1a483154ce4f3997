#pragma once

#include "fileentry.h"

#include <QObject>
#include <QThread>
#include <atomic>
#include <memory>

namespace tarnwick {

struct ListOptions
{
    bool foldersOnly = false;
};

// Enumerates folders on a thread of its own and reports the entries in
// batches, so that neither a huge folder nor a slow mount holds up the window.
// Results arrive on the thread that owns the lister.
class DirectoryLister : public QObject
{
    Q_OBJECT
public:
    enum class Mode
    {
        LatestOnly,
        Queue
    };

    // LatestOnly: a new request abandons the one still running (the file
    // list). Queue: requests run one after another (the tree's expansions).
    explicit DirectoryLister(Mode mode, QObject *parent = nullptr);
    ~DirectoryLister() override;

    quint64 list(const QString &path, ListOptions options = {});
    void cancelAll();

signals:
    void entriesReady(quint64 request, const tarnwick::FileEntries &batch);
    // error is 0, or the errno that stopped the listing (permission denied,
    // no such folder...).
    void finished(quint64 request, int error);

private:
    class Worker;
    Mode mode_;
    QThread thread_;
    Worker *worker_;
    quint64 nextId_ = 1;
    std::shared_ptr<std::atomic<quint64>> oldestWanted_;
};

} // namespace tarnwick
