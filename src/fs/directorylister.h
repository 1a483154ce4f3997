#pragma once

#include "background.h"
#include "fileentry.h"

#include <QHash>
#include <QObject>

namespace tarnwick {

struct ListOptions
{
    bool foldersOnly = false;
};

// Enumerates folders off the user-interface thread, each on a thread of its
// own, and reports the entries in batches, so that neither a huge folder nor
// a dead mount holds up the window or another listing. Results arrive on the
// user-interface thread, which owns the lister.
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
    // list). Queue: requests run side by side at a lower priority than the
    // file list's (the tree's expansions).
    explicit DirectoryLister(Mode mode, QObject *parent = nullptr);
    ~DirectoryLister() override;

    quint64 list(const QString &path, ListOptions options = {});
    void cancelAll();

signals:
    // The batch is the listener's to take from: a model moves the entries
    // into its own store rather than copy a million names. Connect one
    // listener only, directly.
    void entriesReady(quint64 request, tarnwick::FileEntries &batch);
    // error is 0, or the errno that stopped the listing (permission denied,
    // no such folder...).
    void finished(quint64 request, int error);

public:
    // Called on the user-interface thread by the listing tasks.
    void deliverEntries(quint64 id, FileEntries &batch);
    void deliverFinished(quint64 id, int error);

private:
    Mode mode_;
    quint64 nextId_ = 1;
    QHash<quint64, TaskHandle> running_;
};

} // namespace tarnwick
