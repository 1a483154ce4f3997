// How the folder model follows the disk: the watcher's news, and renames.
#include "foldermodel.h"

#include "background.h"
#include "jobs.h"
#include "rawpaths.h"
#include "transferworker.h"
#include "undo.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace tarnwick {

namespace {

// Live updates of up to this many entries are signalled row by row; more
// are merged in one layout change.
constexpr int RowByRowLimit = 64;

} // namespace

void FolderModel::forgetChanges()
{
    changedPending_.clear();
    if (lookTask_)
        lookTask_->cancel();
    lookTask_.reset();
}

void FolderModel::onWatched(const QSet<QByteArray> &names)
{
    if (folder_.isEmpty())
        return;
    if (loading_) {
        changedWhileLoading_.unite(names);
        return;
    }
    if (names.size() > RowByRowLimit) {
        refresh();
        return;
    }
    changedPending_.unite(names);
    if (!lookTask_)
        lookAtChanged();
}

// The changed names are looked at off the window's thread, one batch at a
// time so that a later look never lands before an earlier one.
void FolderModel::lookAtChanged()
{
    struct Looked
    {
        QByteArray name;
        bool present = false;
        FileEntry entry;
    };
    const QSet<QByteArray> names = std::exchange(changedPending_, {});
    lookTask_ =
        Background::run(this, [this, names, dir = rawpath::toBytes(folder_)](BackgroundTask &task) {
            std::vector<Looked> looked;
            const int fd = open(dir.constData(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
            if (fd >= 0) { // else the folder itself went: folderGone follows
                ContentSniffer sniffer;
                for (const QByteArray &name : names) {
                    if (task.cancelled())
                        break;
                    Looked l;
                    l.name = name;
                    struct stat st;
                    // A copy on its way in shows once it has its name.
                    l.present = !transfer::isPartName(name) &&
                                statEntry(fd, name.constData(), l.entry, &st);
                    if (l.present)
                        l.entry.contentType = sniffer.typeOf(fd, name.constData(), l.entry, st);
                    looked.push_back(std::move(l));
                }
                close(fd);
            }
            task.post([this, looked = std::move(looked)]() mutable {
                lookTask_.reset();
                for (Looked &l : looked) {
                    const int existing = liveIndexOf(l.name);
                    if (existing >= 0 && l.present && entries_[size_t(existing)].sameAs(l.entry))
                        continue;
                    if (existing >= 0)
                        removeEntry(existing);
                    if (l.present)
                        insertEntry(std::move(l.entry));
                }
                compact();
                if (!changedPending_.isEmpty())
                    lookAtChanged();
            });
        });
}

QString FolderModel::rename(int row, const QString &newName)
{
    if (row < 0 || row >= int(rows_.size()))
        return jobtext::noLongerThere(newName);
    const FileEntry &e = entries_[size_t(rows_[size_t(row)])];
    if (newName == e.name)
        return {};
    const QString refusal = nameRefusal(newName, &e);
    if (!refusal.isEmpty())
        return refusal;
    const QByteArray from = e.encodedName();
    Job *job =
        Jobs::rename(rawpath::join(rawpath::toBytes(folder_), from), rawpath::toBytes(newName));
    job->setParent(this);
    connect(job, &Job::finished, this,
            [this, job, folder = folder_, from, newName](const JobResult &r) {
                job->deleteLater();
                if (auto history = UndoJournal::shared())
                    undo::record(*job, r, *history);
                if (folder != folder_)
                    return; // the user has moved on
                if (!r.errors.isEmpty())
                    emit renameRefused(r.errors.first());
                else if (!r.created.isEmpty())
                    renamedOnDisk(from, newName);
            });
    job->start();
    return {};
}

// The watcher may have told of the rename already; then there is nothing left to do.
void FolderModel::renamedOnDisk(const QByteArray &from, const QString &newName)
{
    const QByteArray to = rawpath::toBytes(newName);
    const int index = liveIndexOf(from);
    if (index < 0 || liveIndexOf(to) >= 0)
        return;
    FileEntry &e = entries_[size_t(index)];
    byName_.remove(from);
    changeLayout([&] {
        e.name = newName;
        if (newName.startsWith(QLatin1Char('.')))
            e.attributes |= AttrHidden;
        else
            e.attributes &= ~std::uint32_t(AttrHidden);
        keys_[size_t(index)] = keyOf(e);
        sortAll();
        refilter();
    });
    byName_.insert(to, index);
}

} // namespace tarnwick
