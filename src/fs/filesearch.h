#pragma once

#include "background.h"
#include "namepattern.h"

#include <QByteArray>
#include <QList>
#include <QMetaType>
#include <QObject>
#include <QString>

namespace tarnwick {

struct FindQuery
{
    QByteArray folder;      // where to look, as on disk
    QString names;          // see FileSearch::namePattern
    QString text;           // looked for inside files when not empty
    bool matchCase = false; // for `text`; names never depend on case
    bool subfolders = true;
    bool binaryFiles = false; // look for `text` in files that hold NUL bytes too
};

// One item found. Its path lies in its batch's bytes; a search of a hundred
// thousand hits keeps no more than this and the path for each.
struct FoundItem
{
    quint32 pathAt = 0; // in FoundBatch::bytes
    quint32 pathLength = 0;
    quint32 nameAt = 0; // where the name starts within the path
    quint32 mode = 0;   // st_mode; only its type when the size is not known
    qint64 size = 0;    // -1: not read yet (see FileSearch)
    qint64 mtime = 0;   // seconds since the epoch
};

// Items found in one stretch of a search: their paths end to end, a row each.
struct FoundBatch
{
    QByteArray bytes;
    QList<FoundItem> items;

    QByteArray pathOf(const FoundItem &item) const
    {
        return bytes.mid(item.pathAt, item.pathLength);
    }
};

// Looks for files by name and, optionally, by what they contain, on a few
// threads at once; what is found arrives in batches while the search goes
// on. A search by name alone reads no item's size and time where its folder
// entry tells its type: they come with size -1, to be read when shown. Links are never followed,
// and only regular files are read: a pipe or a device could wait for ever or change as it is read.
// Files that look binary (a NUL byte in their first block) are not searched for text unless the
// query asks. Mounts of servers and user-space file systems below the folder are not entered.
// Folders that cannot be read are skipped and counted.
class FileSearch : public QObject
{
    Q_OBJECT
public:
    explicit FileSearch(QObject *parent = nullptr);
    // Gives up a search still running without waiting for it.
    ~FileSearch() override;

    // A search still running is given up; its results no longer arrive.
    void start(const FindQuery &query);
    // Stops the search; `finished` follows with stopped set.
    void stop();
    // Gives up the search at once: nothing more arrives, not even `finished`.
    void abandon() { task_.abandon(); }
    bool isRunning() const { return task_.isRunning(); }

    // "Named" as people type it: wildcards, several patterns separated by
    // ";", case ignored. A pattern without wildcards is looked for anywhere
    // in a name, so "report" finds "Old Reports.txt".
    static NamePattern namePattern(const QString &names);

signals:
    // The batch is the listener's to take from; connect one listener only.
    void found(tarnwick::FoundBatch &batch);
    void finished(qint64 found, qint64 unreadable, bool stopped);

private:
    StoppableTask task_;
};

} // namespace tarnwick
