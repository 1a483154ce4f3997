#pragma once

#include "background.h"
#include "namepattern.h"

#include <QByteArray>
#include <QMetaType>
#include <QObject>
#include <QString>
#include <QVector>
#include <atomic>
#include <memory>

namespace tarnwick {

struct FindQuery
{
    QByteArray folder;      // where to look, as on disk
    QString names;          // see FileSearch::namePattern
    QString text;           // looked for inside files when not empty
    bool matchCase = false; // for `text`; names never depend on case
    bool subfolders = true;
};

struct FoundFile
{
    QByteArray path; // as on disk
    QString name;
    QString folder;
    qint64 size = 0;
    qint64 mtime = 0; // seconds since the epoch
    bool isDir = false;
};

using FoundFiles = QVector<FoundFile>;

// Looks for files by name and, optionally, by what they contain, on a thread
// of its own; what is found arrives in batches while the search goes on.
// Links to folders are never followed and special files (pipes, devices,
// sockets) are never read: reading them could wait for ever. Folders that
// cannot be read are skipped and counted.
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
    bool isRunning() const { return task_.isRunning(); }

    // "Named" as people type it: wildcards, several patterns separated by
    // ";", case ignored. A pattern without wildcards is looked for anywhere
    // in a name, so "report" finds "Old Reports.txt".
    static NamePattern namePattern(const QString &names);

signals:
    void found(const tarnwick::FoundFiles &batch);
    void finished(qint64 found, qint64 unreadable, bool stopped);

private:
    StoppableTask task_;
};

} // namespace tarnwick

Q_DECLARE_METATYPE(tarnwick::FoundFiles)
