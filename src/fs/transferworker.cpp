#include "transferworker.h"

#include "names.h"
#include "rawpaths.h"
#include "undo.h"

#include <QCoreApplication>
#include <cerrno>
#include <climits>
#include <cstdio>
#include <cstring>
#include <dirent.h>
#include <fcntl.h>
#include <sys/file.h>
#include <time.h>
#include <unistd.h>
#include <utility>

namespace tarnwick {

namespace {

using namespace transfer;

struct Words
{
    Q_DECLARE_TR_FUNCTIONS(FileTransfer)
};
using rawpath::join;

using names::fitted;
using names::MaxNumber;
const QByteArray PartTag = ".tarnwick-part";

// When this program started, by the clock file times are stamped with: a
// part file last changed before then is none of this program's own.
const timespec programStart = [] {
    timespec t{};
    clock_gettime(CLOCK_REALTIME_COARSE, &t);
    return t;
}();

bool before(const timespec &a, const timespec &b)
{
    return a.tv_sec < b.tv_sec || (a.tv_sec == b.tv_sec && a.tv_nsec < b.tv_nsec);
}

bool sameFile(const struct stat &a, const struct stat &b)
{
    return a.st_dev == b.st_dev && a.st_ino == b.st_ino;
}

bool sameEntries(int dirFd, const QByteArray &a, const QByteArray &b)
{
    struct stat sa, sb;
    return fstatat(dirFd, a.constData(), &sa, AT_SYMLINK_NOFOLLOW) == 0 &&
           fstatat(dirFd, b.constData(), &sb, AT_SYMLINK_NOFOLLOW) == 0 && sameFile(sa, sb);
}

// A part file's lock, given up once the file has its final name or is gone.
struct PartLock
{
    int fd = -1;
    ~PartLock() { reset(); }
    void reset()
    {
        if (fd >= 0)
            close(fd);
        fd = -1;
    }
};

bool taken(int dirFd, const QByteArray &name)
{
    struct stat st;
    return fstatat(dirFd, name.constData(), &st, AT_SYMLINK_NOFOLLOW) == 0 || errno != ENOENT;
}

// RENAME_NOREPLACE makes the check and the rename one step. File systems
// without it get a hard link (which never replaces) or, for folders, the
// check just before the rename.
int renameAt(int fromFd, const QByteArray &from, int toFd, const QByteArray &to, bool replace)
{
    if (replace)
        return renameat(fromFd, from.constData(), toFd, to.constData()) == 0 ? 0 : errno;
    if (renameat2(fromFd, from.constData(), toFd, to.constData(), RENAME_NOREPLACE) == 0)
        return 0;
    if (errno != EINVAL && errno != ENOSYS)
        return errno;
    struct stat st;
    if (fstatat(fromFd, from.constData(), &st, AT_SYMLINK_NOFOLLOW) != 0)
        return errno;
    if (!S_ISDIR(st.st_mode)) {
        if (linkat(fromFd, from.constData(), toFd, to.constData(), 0) == 0)
            return unlinkat(fromFd, from.constData(), 0) == 0 ? 0 : errno;
        if (errno == EEXIST || errno == EXDEV)
            return errno;
    }
    if (taken(toFd, to))
        return EEXIST;
    return renameat(fromFd, from.constData(), toFd, to.constData()) == 0 ? 0 : errno;
}

} // namespace

bool transfer::isPartName(const QByteArray &name)
{
    const qsizetype at = name.lastIndexOf(PartTag);
    if (!name.startsWith('.') || at < 2)
        return false;
    const QByteArray number = name.mid(at + PartTag.size());
    if (number.isEmpty())
        return true;
    bool ok = false;
    const int n = number.startsWith("-") && number.size() > 1 ? number.mid(1).toInt(&ok) : 0;
    return ok && n >= 2 && n <= MaxNumber && number == "-" + QByteArray::number(n);
}

TransferWorker::TransferWorker(FileTransfer &owner, JobKind kind, QList<QByteArray> sources,
                               QByteArray target)
    : owner_(owner), kind_(kind), target_(cleanPath(std::move(target)))
{
    for (const QByteArray &s : sources)
        sources_.append(cleanPath(s));
}

void TransferWorker::run()
{
    const QString refused = FileTransfer::refusal(kind_, sources_, target_);
    const int targetFd =
        refused.isEmpty() ? open(target_.constData(), O_RDONLY | O_DIRECTORY | O_CLOEXEC) : -1;
    if (targetFd < 0) {
        result_.errors << (refused.isEmpty() ? reasonText(errno) : refused);
        emit owner_.finished(result_);
        return;
    }
    sweepLeftovers(targetFd);
    // Totals first. An item that one rename will move counts as one.
    struct stat ts, ss;
    fstat(targetFd, &ts);
    for (const QByteArray &s : sources_) {
        const bool renames =
            kind_ == JobKind::Move && lstat(s.constData(), &ss) == 0 && ss.st_dev == ts.st_dev;
        count(AT_FDCWD, s, kind_ != JobKind::Link && !renames);
    }
    tick({}, true);

    // An item met with a question waits aside while the others go on, so
    // that one question does not hold up the rest, and is taken up again once
    // answered. A given item is done when all of it arrived, skipped
    // otherwise.
    whole_.assign(size_t(sources_.size()), -1);
    for (qsizetype i = 0; i < sources_.size() && !cancelled(); ++i) {
        holdWhilePaused();
        takeAnswerForAll();
        takeUpAside(targetFd, false);
        if (cancelled())
            break;
        top_ = i;
        const qsizetype failures = result_.errors.size();
        const QByteArray &s = sources_[i];
        const Outcome o = kind_ == JobKind::Link ? linkTop(s, targetFd) : placeTop(s, targetFd);
        if (o == Outcome::Cancelled || cancelled())
            break;
        if (o == Outcome::Parked)
            setAside();
        else
            whole_[size_t(i)] = o == Outcome::Done && result_.errors.size() == failures;
    }
    takeUpAside(targetFd, true);
    for (const int w : whole_) {
        if (w >= 0)
            ++(w ? result_.done : result_.skipped);
    }
    close(targetFd);
    result_.cancelled = cancelled();
    tick({}, true);
    emit owner_.finished(result_);
}

TransferWorker::Outcome TransferWorker::placeTop(const QByteArray &source, int targetFd)
{
    Outcome out;
    int parentFd;
    while ((parentFd = open(rawpath::parentOf(source).constData(),
                            O_RDONLY | O_DIRECTORY | O_CLOEXEC)) < 0) {
        if (!retry(source, errno, &out))
            return out;
    }
    const QByteArray name = rawpath::baseName(source);
    out = place({parentFd, name, source}, {targetFd, name, join(target_, name)}, true);
    close(parentFd);
    return out;
}

TransferWorker::Outcome TransferWorker::linkTop(const QByteArray &source, int targetFd)
{
    Outcome out;
    const QByteArray name = rawpath::baseName(source);
    struct stat st;
    const bool toFolder = stat(source.constData(), &st) == 0 && S_ISDIR(st.st_mode);
    for (int n = 1;;) {
        const QByteArray link = names::link(name, n, toFolder);
        const int rc = n > MaxNumber                                                    ? NoFreeName
                       : symlinkat(source.constData(), targetFd, link.constData()) == 0 ? 0
                                                                                        : errno;
        if (rc == 0) {
            result_.created << join(target_, link);
            result_.undoItems << undo::identifyAt(source, targetFd, link, join(target_, link));
            itemDone(source);
            return Outcome::Done;
        }
        if (rc == EEXIST)
            ++n;
        else if (!retry(source, rc, &out))
            return out;
    }
}

// Puts one entry in its place. Nothing appears under the final name before
// it is complete, and a moved entry's source goes only once its copy is
// known to be whole.
TransferWorker::Outcome TransferWorker::place(const EntryAt &from, const EntryAt &to, bool top)
{
    Outcome out;
    struct stat st, existing;
    while (fstatat(from.dirFd, from.name.constData(), &st, AT_SYMLINK_NOFOLLOW) != 0) {
        if (!retry(from.path, errno, &out))
            return out;
    }
    EntryAt dest = to;
    bool replacing = false;
    QByteArray temp; // the complete copy, once there is one
    PartLock lock;
    const auto discard = [&](Outcome o) {
        if (!temp.isEmpty())
            removeTree(to.dirFd, temp.constData());
        lock.reset();
        return o;
    };
    const QByteArray folder = rawpath::parentOf(to.path);
    for (;;) {
        if (cancelled())
            return discard(Outcome::Cancelled);
        if (!replacing &&
            fstatat(to.dirFd, dest.name.constData(), &existing, AT_SYMLINK_NOFOLLOW) == 0) {
            // A merge needs the source's own entries, not a finished copy.
            switch (decide(from, st, dest, existing, temp.isEmpty())) {
            case ConflictChoice::Skip:
                return discard(std::exchange(parked_, false) ? Outcome::Parked : Outcome::Skipped);
            case ConflictChoice::Cancel:
                return discard(Outcome::Cancelled);
            case ConflictChoice::KeepBoth: {
                const QByteArray free =
                    names::firstFree(to.dirFd, dest.name, S_ISDIR(st.st_mode), 2);
                if (!free.isEmpty())
                    dest = {to.dirFd, free, join(folder, free)};
                else if (!retry(from.path, NoFreeName, &out))
                    return discard(out);
                continue;
            }
            case ConflictChoice::Replace:
                if (S_ISDIR(st.st_mode)) {
                    out = merge(from, dest);
                    if (top && out == Outcome::Done)
                        result_.created << dest.path;
                    return out;
                }
                replacing = true;
            }
        }
        if (kind_ == JobKind::Move && temp.isEmpty()) {
            int rc = fault(FaultPoint::Rename, from.path);
            if (rc == 0)
                rc = renameAt(from.dirFd, from.name, to.dirFd, dest.name, replacing);
            if (rc == 0) {
                if (top)
                    result_.created << dest.path;
                if (top) // for undo, the item as it now is
                    result_.undoItems
                        << undo::identifyAt(from.path, to.dirFd, dest.name, dest.path);
                itemDone(from.path);
                return Outcome::Done;
            }
            if (rc == EEXIST) { // taken meanwhile: ask again
                replacing = false;
                continue;
            }
            if (rc != EXDEV) {
                if (retry(from.path, rc, &out))
                    continue;
                return out;
            }
            count(from.dirFd, from.name, true);
            --filesTotal_; // counted once already
        }
        if (temp.isEmpty()) {
            temp = temporaryName(to.dirFd, dest.name);
            if (temp.isEmpty()) {
                if (retry(from.path, NoFreeName, &out))
                    continue;
                return out;
            }
            lock.reset();
            out = copyEntry(from, {to.dirFd, temp, join(folder, temp)}, replacing, &lock.fd);
            if (out != Outcome::Done) {
                temp.clear(); // copyEntry left nothing behind
                return out;
            }
            if (kind_ == JobKind::Move && !matches(from, to.dirFd, temp)) {
                discard(Outcome::Done);
                temp.clear();
                if (retry(from.path, Mismatch, &out))
                    continue;
                return out;
            }
            // A moved copy is on the disk before it takes its name: one the
            // disk failed to keep never stands in for the original.
            int rc = kind_ == JobKind::Move ? fault(FaultPoint::Sync, dest.path) : 0;
            if (rc == 0 && kind_ == JobKind::Move)
                rc = checked::syncVolume(to.dirFd);
            if (rc != 0) {
                discard(Outcome::Skipped);
                temp.clear();
                if (retry(from.path, rc, &out))
                    continue;
                return out;
            }
        }
        int rc = fault(FaultPoint::Rename, dest.path);
        // The copy may be a link to what it replaces, when the same file came twice.
        if (rc == 0 && replacing && sameEntries(to.dirFd, temp, dest.name))
            rc = unlinkat(to.dirFd, temp.constData(), 0) == 0 ? 0 : errno;
        else if (rc == 0)
            rc = renameAt(to.dirFd, temp, to.dirFd, dest.name, replacing);
        if (rc == 0) {
            copiesRenamed(join(folder, temp), dest.path);
            break;
        }
        if (rc == EEXIST) {
            replacing = false;
            continue;
        }
        if (!retry(dest.path, rc, &out))
            return discard(out);
    }
    if (kind_ == JobKind::Move) {
        // The copy's name is on the disk before the original goes, so a
        // crash cannot lose both.
        int rc = fault(FaultPoint::Sync, dest.path);
        if (rc == 0)
            rc = checked::syncFile(to.dirFd);
        if (rc != 0) {
            result_.errors << Words::tr(
                                  "\u201c%1\u201d was copied, but the disk did not confirm the "
                                  "copy, so the original was kept. %2")
                                  .arg(shown(from.path), reasonText(rc));
            skipped_.insert(from.path);
            return Outcome::Skipped;
        }
        removeMoved(from, to.dirFd, dest.name);
    }
    if (top)
        result_.created << dest.path;
    if (top) // for undo, the item as it now is
        result_.undoItems << undo::identifyAt(from.path, to.dirFd, dest.name, dest.path);
    return Outcome::Done;
}

// Two folders of the same name become one; what both hold is asked about
// entry by entry.
TransferWorker::Outcome TransferWorker::merge(const EntryAt &from, const EntryAt &to)
{
    Outcome out = Outcome::Done;
    int in, into = -1;
    while ((in = openDir(from.dirFd, from.name)) < 0 || (into = openDir(to.dirFd, to.name)) < 0) {
        const int err = errno;
        if (in >= 0)
            close(in);
        if (!retry(in < 0 ? from.path : to.path, err, &out))
            return out;
    }
    int err = 0;
    itemDone(from.path);
    sweepLeftovers(into);
    for (const QByteArray &n : namesIn(in, &err)) {
        const QByteArray f = join(from.path, n), t = join(to.path, n);
        const Outcome o = place({in, n, f}, {into, n, t}, false);
        if (o == Outcome::Parked)
            setAside(f, t);
        if (o == Outcome::Cancelled || cancelled()) {
            out = Outcome::Cancelled;
            break;
        }
    }
    close(in);
    close(into);
    if (err != 0 && out == Outcome::Done && !retry(from.path, err, &out))
        return out;
    // Fails while anything is left in it, which then stays where it was.
    if (kind_ == JobKind::Move && out == Outcome::Done)
        unlinkat(from.dirFd, from.name.constData(), AT_REMOVEDIR);
    return out;
}

// Hidden, and named after the item, so that what a crash leaves behind is
// easy to recognise, and cleared away by the next transfer into its folder.
QByteArray TransferWorker::temporaryName(int dirFd, const QByteArray &name)
{
    for (int n = 1; n <= MaxNumber; ++n) {
        const QByteArray candidate =
            fitted('.' + name, PartTag + (n > 1 ? '-' + QByteArray::number(n) : ""));
        if (!taken(dirFd, candidate))
            return candidate;
    }
    return {};
}

// Removes what killed transfers left in a folder about to be written to:
// part files and part folders of ours changed before this program started,
// so none of its own, and that no other transfer holds, as each holds its
// part's lock until the part has its final name.
void TransferWorker::sweepLeftovers(int dirFd)
{
    struct stat st, held;
    if (fstat(dirFd, &st) != 0 || !swept_.insert({st.st_dev, st.st_ino}).second)
        return;
    int err;
    for (const QByteArray &n : namesIn(dirFd, &err)) {
        if (!isPartName(n) || fstatat(dirFd, n.constData(), &st, AT_SYMLINK_NOFOLLOW) != 0 ||
            !(S_ISREG(st.st_mode) || S_ISDIR(st.st_mode)) || st.st_uid != geteuid() ||
            !before(st.st_ctim, programStart))
            continue;
        const int fd = openat(dirFd, n.constData(), O_RDONLY | O_NOFOLLOW | O_NONBLOCK | O_CLOEXEC);
        if (fd < 0)
            continue;
        if (flock(fd, LOCK_EX | LOCK_NB) == 0 && fstat(fd, &held) == 0 && sameFile(held, st) &&
            before(held.st_ctim, programStart))
            removeTree(dirFd, n.constData());
        close(fd);
    }
}

void TransferWorker::itemDone(const QByteArray &path)
{
    ++filesDone_;
    tick(path, false);
}

void TransferWorker::tick(const QByteArray &path, bool force)
{
    if (!force)
        holdWhilePaused(); // between blocks
    if (!force && clock_.isValid() && clock_.elapsed() < progressIntervalMs)
        return;
    clock_.start();
    emit owner_.progress(shown(path), bytesDone_, qMax(bytesDone_, bytesTotal_), filesDone_,
                         qMax(filesDone_, filesTotal_));
}

} // namespace tarnwick
