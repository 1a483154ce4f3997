#include "jobs.h"

#include "background.h"
#include "fdwalk.h"
#include "names.h"
#include "rawpaths.h"
#include "undo.h"

#include <QCoreApplication>
#include <QLocale>
#include <QTimer>
#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace tarnwick {

namespace {

struct Words
{
    Q_DECLARE_TR_FUNCTIONS(Jobs)
};

QString shownName(const QByteArray &path)
{
    return rawpath::shown(rawpath::baseName(path));
}

// What one item of a step job came to.
struct StepOutcome
{
    bool done = false;
    QString error;
    QByteArray created;
    bool refused = false;
    std::optional<UndoItem> undo; // how to take it back
    QList<UndoItem> undoMore;     // of a step over many items
};

StepOutcome ok(const QByteArray &created = {}, std::optional<UndoItem> undo = std::nullopt)
{
    StepOutcome out;
    out.done = true;
    out.created = created;
    out.undo = std::move(undo);
    return out;
}

StepOutcome failed(const QString &error, bool refused = false)
{
    StepOutcome out;
    out.error = error;
    out.refused = refused;
    return out;
}

// A job of one step per item, run in turn on a background task. Each step's
// outcome is handed over as it comes, so a cancel keeps what was done.
class StepJob : public Job
{
public:
    // `stop` is set on Cancel; a step that takes long looks at it between
    // entries and says what it did and what it left.
    using Step = std::function<StepOutcome(qsizetype i, const std::atomic<bool> &stop)>;

    StepJob(JobKind kind, QList<QByteArray> labels, Step step)
        : Job(kind), labels_(std::move(labels)), step_(std::move(step))
    {
    }
    ~StepJob() override
    {
        stop_->store(true);
        if (task_)
            task_->cancel();
    }

    void start() override
    {
        if (task_ || ended_)
            return;
        const qsizetype count = labels_.size();
        task_ =
            Background::run(this, [this, count, step = step_, stop = stop_](BackgroundTask &task) {
                for (qsizetype i = 0; i < count && !stop->load(); ++i) {
                    // Its name shows while a long item (a large folder) goes.
                    task.post([this, i] { itemStarted(i); });
                    StepOutcome out = step(i, *stop);
                    task.post([this, i, out = std::move(out)] { itemDone(i, out); });
                }
                task.post([this] { end(); });
            });
    }

    // The step under way stops at its next entry and reports; one stuck in
    // a call that does not return (a dead mount) is left behind after a
    // moment, and its item counted as not done.
    void cancel() override
    {
        if (ended_ || stop_->exchange(true))
            return;
        QTimer::singleShot(task_ ? StuckMs : 0, this, [this] {
            if (task_)
                task_->cancel();
            end();
        });
    }

private:
    static constexpr int StuckMs = 3000;

    void itemStarted(qsizetype i)
    {
        if (ended_)
            return;
        started_ = i + 1;
        emit progress(rawpath::shown(labels_[i]), 0, 0, int(i), int(labels_.size()));
    }
    void itemDone(qsizetype i, const StepOutcome &out)
    {
        if (ended_)
            return;
        ++reached_;
        if (out.done) {
            ++result_.done;
            if (!out.created.isEmpty())
                result_.created << out.created;
            if (out.undo)
                result_.undoItems << *out.undo;
        } else {
            ++result_.skipped;
            result_.leftItems << i;
            if (!out.error.isEmpty())
                result_.errors << out.error;
            if (out.refused)
                result_.refused << labels_[i];
        }
        result_.undoItems += out.undoMore; // kept even when some of the step failed
        emit progress(rawpath::shown(labels_[i]), 0, 0, int(i + 1), int(labels_.size()));
    }
    void end()
    {
        if (ended_)
            return;
        ended_ = true;
        result_.cancelled = stop_->load();
        for (qsizetype i = reached_; i < labels_.size(); ++i)
            result_.leftItems << i;
        if (result_.cancelled && started_ > reached_)
            result_.errors << jobtext::underWay(rawpath::shown(labels_[reached_]));
        const qsizetype notStarted = labels_.size() - qMax(started_, reached_);
        if (result_.cancelled && notStarted > 0)
            result_.errors << jobtext::notStarted(int(notStarted));
        emit finished(result_);
    }

    QList<QByteArray> labels_;
    Step step_;
    std::shared_ptr<std::atomic<bool>> stop_ = std::make_shared<std::atomic<bool>>(false);
    TaskHandle task_;
    JobResult result_;
    qsizetype started_ = 0, reached_ = 0;
    bool ended_ = false;
};

// What Delete did to one item. A cancelled one says how much of it went and
// how much is left.
StepOutcome removeForGood(const QByteArray &path, const std::atomic<bool> &stop)
{
    const QString name = shownName(path);
    const int dir = open(rawpath::parentOf(path).constData(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (dir < 0)
        return failed(jobtext::itemFailed(name, jobtext::reason(errno)));
    const QByteArray base = rawpath::baseName(path);
    const RemoveOutcome r = removeTree(dir, base.constData(), &stop);
    const qint64 left = r.cancelled ? countTree(dir, base.constData(), jobtext::CountLeftMs) : 0;
    close(dir);
    if (r.cancelled)
        return failed(jobtext::partlyDeleted(name, r.removed, left));
    if (r.error != 0)
        return failed(jobtext::itemFailed(name, jobtext::reason(r.error)));
    return ok({}, UndoItem{path, {}});
}

} // namespace

Job::Job(JobKind kind, QObject *parent) : QObject(parent), kind_(kind)
{
    qRegisterMetaType<tarnwick::Conflict>();
    qRegisterMetaType<tarnwick::JobResult>();
}

namespace jobtext {

QString reason(int code)
{
    switch (code) {
    case NotCopyable:
        return Words::tr("It is a pipe, socket or device, which cannot be copied.");
    case Mismatch:
        return Words::tr("The copy did not match the original, so the original was kept.");
    case NoFreeName:
        return Words::tr("No free name was found for it.");
    case FolderMoved:
        return Words::tr(
            "A folder in it was moved elsewhere meanwhile, so the work stopped there.");
    case EOPNOTSUPP:
        return Words::tr("The system cannot change it without following links, which could lead "
                         "elsewhere.");
    case ENOENT:
        return Words::tr("It no longer exists.");
    case ENOSPC:
        return Words::tr("There is not enough free space on the disk.");
    case EDQUOT:
        return Words::tr("The disk quota is used up.");
    case EACCES:
    case EPERM:
        return Words::tr("Permission was denied.");
    case EROFS:
        return Words::tr("The disk is read-only.");
    case ENAMETOOLONG:
        return Words::tr("The name is too long for the target.");
    case EIO:
        return Words::tr("The disk could not be read or written.");
    default:
        return QString::fromLocal8Bit(strerror(code)) + QLatin1Char('.');
    }
}

QString alreadyNamed(const QString &name)
{
    return Words::tr("There is already an item named \u201c%1\u201d in this folder.").arg(name);
}

QString noLongerThere(const QString &name)
{
    return Words::tr("\u201c%1\u201d is no longer there.").arg(name);
}

QString noSuchFolder(const QString &path)
{
    return Words::tr("The folder \u201c%1\u201d does not exist.").arg(path);
}

QString folderGone(const QString &path)
{
    return Words::tr("The folder \u201c%1\u201d is no longer there.").arg(path);
}

QString notAFolder(const QString &path)
{
    return Words::tr("\u201c%1\u201d is not a folder.").arg(path);
}

QString notRenamed(const QString &name, int code)
{
    return Words::tr("\u201c%1\u201d could not be renamed. %2").arg(name, reason(code));
}

QString noNewFolder(int code)
{
    return Words::tr("A new folder could not be made here. %1").arg(reason(code));
}

QString noPermissions(const QString &name, int code)
{
    return Words::tr("The permissions of \u201c%1\u201d could not be changed. %2")
        .arg(name, reason(code));
}

QString partlyDeleted(const QString &name, qint64 deleted, qint64 left)
{
    const QLocale locale;
    if (left < 0)
        return Words::tr("\u201c%1\u201d was partly deleted before Cancel: %2 items in it went.")
            .arg(name, locale.toString(deleted));
    return Words::tr(
               "\u201c%1\u201d was partly deleted before Cancel: %2 items in it went, %3 are left.")
        .arg(name, locale.toString(deleted), locale.toString(left));
}

QString underWay(const QString &name)
{
    return Words::tr(
               "\u201c%1\u201d was under way and did not answer Cancel; it may be partly done.")
        .arg(name);
}

QString notStarted(int count)
{
    return QCoreApplication::translate(
        "Jobs", "%n item(s) were left as they were: the job was cancelled before them.", nullptr,
        count);
}

QString itemFailed(const QString &name, const QString &reason)
{
    return QStringLiteral("%1: %2").arg(name, reason);
}

} // namespace jobtext

namespace Jobs {

using Stop = const std::atomic<bool> &;

Job *rename(const QByteArray &path, const QByteArray &newName)
{
    return new StepJob(JobKind::Rename, {path}, [path, newName](qsizetype, Stop) {
        const QByteArray to = rawpath::join(rawpath::parentOf(path), newName);
        const int err = rawpath::moveNoReplace(path, to);
        if (err == 0)
            return ok(to, undo::identify(path, to));
        return failed(err == EEXIST ? jobtext::alreadyNamed(rawpath::shown(newName))
                                    : jobtext::notRenamed(shownName(path), err));
    });
}

Job *newFolder(const QByteArray &folder)
{
    return new StepJob(JobKind::NewFolder, {folder}, [folder](qsizetype, Stop stop) {
        const int dir = open(folder.constData(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
        if (dir < 0)
            return failed(jobtext::noNewFolder(errno));
        if (stop) { // given up while the folder did not answer
            close(dir);
            return failed({});
        }
        int err = jobtext::NoFreeName;
        // Another program may take a free name meanwhile: the next is tried.
        for (int n = 1; n <= names::MaxNumber; ++n) {
            const QByteArray name = names::firstFree(dir, "New Folder", true, n);
            if (name.isEmpty())
                break;
            if (mkdirat(dir, name.constData(), 0777) == 0) {
                const QByteArray made = rawpath::join(folder, name);
                const UndoItem item = undo::identifyAt({}, dir, name, made);
                close(dir);
                return ok(made, item);
            }
            err = errno;
            if (err != EEXIST)
                break;
        }
        close(dir);
        return failed(jobtext::noNewFolder(err));
    });
}

Job *trash(const QList<QByteArray> &paths, const TrashStore &store)
{
    return new StepJob(JobKind::Trash, paths, [paths, store](qsizetype i, Stop) {
        QString why;
        QByteArray entry;
        if (store.trashEncoded(paths[i], &why, &entry))
            return ok({}, undo::identify(paths[i], entry));
        return failed(jobtext::itemFailed(shownName(paths[i]), why), true);
    });
}

Job *erase(const QList<QByteArray> &paths)
{
    return new StepJob(JobKind::Delete, paths,
                       [paths](qsizetype i, Stop stop) { return removeForGood(paths[i], stop); });
}

Job *eraseFromTrash(const QList<TrashItem> &items, const TrashStore &store)
{
    QList<QByteArray> labels;
    for (const TrashItem &item : items)
        labels << item.encodedOriginalPath;
    return new StepJob(JobKind::EraseFromTrash, labels, [items, store](qsizetype i, Stop stop) {
        QString why;
        if (store.erase(items[i], &why, &stop))
            return ok({}, UndoItem{items[i].encodedOriginalPath, {}});
        return failed(why);
    });
}

Job *emptyTrash(const TrashStore &store)
{
    const QList<TrashDir> dirs = store.dirs();
    QList<QByteArray> labels;
    for (const TrashDir &dir : dirs)
        labels << dir.dir;
    return new StepJob(JobKind::EraseFromTrash, labels, [dirs, store](qsizetype i, Stop stop) {
        QStringList why;
        QList<UndoItem> gone;
        for (const TrashItem &item : store.itemsIn(dirs[i])) {
            if (stop.load())
                break;
            QString error;
            if (store.erase(item, &error, &stop))
                gone << UndoItem{item.encodedOriginalPath, {}};
            else
                why << error;
        }
        // A folder left part-way by a cancel is not done, whatever went.
        StepOutcome out =
            why.isEmpty() && !stop.load() ? ok() : failed(why.join(QLatin1Char('\n')));
        out.undoMore = gone;
        return out;
    });
}

Job *restore(const QList<std::pair<TrashItem, QByteArray>> &items, const TrashStore &store)
{
    QList<QByteArray> labels;
    for (const auto &[item, target] : items)
        labels << (target.isEmpty() ? item.encodedOriginalPath : target);
    return new StepJob(JobKind::Restore, labels, [items, store](qsizetype i, Stop) {
        const auto &[item, target] = items[i];
        QString why;
        const QByteArray to = target.isEmpty() ? item.encodedOriginalPath : target;
        if (store.restore(item, target, &why))
            return ok(to, undo::identify(item.encodedFilesPath, to));
        return failed(jobtext::itemFailed(item.name, why));
    });
}

Job *setPermissions(const QList<QByteArray> &paths, unsigned set, unsigned clear)
{
    return new StepJob(JobKind::Permissions, paths, [paths, set, clear](qsizetype i, Stop) {
        const QByteArray &path = paths[i];
        const int dir =
            open(rawpath::parentOf(path).constData(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
        const QByteArray name = rawpath::baseName(path);
        // The mode before, for undo; the change reads it again as it makes it.
        struct stat before
        {
        };
        const bool known =
            dir >= 0 && fstatat(dir, name.constData(), &before, AT_SYMLINK_NOFOLLOW) == 0;
        const int err = dir < 0 ? errno : checked::updateModeAt(dir, name.constData(), set, clear);
        std::optional<UndoItem> item;
        if (err == 0 && known)
            item = undo::identifyAt(path, dir, name, path, before.st_mode & 07777);
        if (dir >= 0)
            close(dir);
        // Links have no permissions of their own.
        if (err == 0 || err == ELOOP)
            return ok({}, item);
        if (err == ENOENT)
            return failed(jobtext::noLongerThere(rawpath::shown(path)));
        return failed(jobtext::noPermissions(rawpath::shown(path), err));
    });
}

Job *steps(JobKind kind, const QList<QByteArray> &labels,
           std::function<QString(qsizetype, const std::atomic<bool> &, UndoItem *)> step)
{
    return new StepJob(kind, labels, [step = std::move(step)](qsizetype i, Stop stop) {
        UndoItem back;
        const QString error = step(i, stop, &back);
        return error.isEmpty() ? ok({}, back) : failed(error);
    });
}

} // namespace Jobs

} // namespace tarnwick
