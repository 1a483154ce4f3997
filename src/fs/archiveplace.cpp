// Unpacking, the end of it: what an archive made takes its place in the
// target, and what went wrong is said in the archive's name.
#include "archiveunpack.h"

#include "archives.h"
#include "datasize.h"
#include "fdwalk.h"
#include "names.h"
#include "rawpaths.h"
#include "undo.h"

#include <QCoreApplication>
#include <QLocale>
#include <algorithm>
#include <cerrno>
#include <fcntl.h>

namespace tarnwick::archive {
namespace {

struct Words
{
    Q_DECLARE_TR_FUNCTIONS(Archives)
};

using rawpath::join;
using rawpath::shown;

} // namespace

// Asks once per archive when what it unpacks to grows far beyond its own
// size, or beyond the disk's free space.
bool Unpack::sizeAllowed(qint64 total)
{
    if (sizeAccepted_ || (total <= limit_ && total <= free_))
        return true;
    const QLocale l;
    const QString archive = shown(rawpath::baseName(path_));
    const QString what =
        total > free_
            ? Words::tr("\u201c%1\u201d needs more space than the disk has free.").arg(archive)
            : Words::tr("\u201c%1\u201d unpacks to far more than its own size.").arg(archive);
    const QString reason =
        Words::tr(
            "It holds at least %1 in an archive of %2, and the disk has %3 free; it may fill the "
            "disk. Retry goes on unpacking it, Skip leaves it packed.")
            .arg(dataSizeText(total, l), dataSizeText(size_, l), dataSizeText(free_, l));
    switch (job_.askError(what, reason)) {
    case ErrorChoice::Retry:
        sizeAccepted_ = true;
        return true;
    case ErrorChoice::Skip:
        fail(Words::tr("It was left packed: it unpacks to %1.").arg(dataSizeText(total, l)));
        return false;
    case ErrorChoice::Cancel:
        stop_ = true;
        return false;
    }
    return false;
}

void Unpack::refuse(const QByteArray &name, const QString &why)
{
    ++refused_;
    job_.result_.errors << jobtext::itemFailed(
        shown(rawpath::baseName(path_)),
        Words::tr("\u201c%1\u201d was left out: %2").arg(shown(name), why));
}

// The archive as a whole failed; what it left goes.
void Unpack::fail(const QString &why)
{
    if (stop_)
        return;
    stop_ = true;
    job_.result_.errors << jobtext::itemFailed(shown(rawpath::baseName(path_)), why);
}

void Unpack::failWrite(const QByteArray &name, int code)
{
    fail(Words::tr("\u201c%1\u201d could not be written. %2")
             .arg(shown(name), jobtext::reason(code)));
}

QString Unpack::readError() const
{
    const char *said = archive_ ? archive_error_string(archive_) : nullptr;
    const QString detail = said ? QString::fromLocal8Bit(said) : jobtext::reason(errno);
    // Encrypted, and the archive library never asked for a password: it
    // cannot decrypt this kind (7z, for one).
    if (asked_ == 0 && opened_ && archive_read_has_encrypted_entries(archive_) > 0)
        return Words::tr("It is encrypted in a way that cannot be unpacked here (%1).").arg(detail);
    if (asked_ > 0 && noPassword_)
        return asked_ > 1 ? Words::tr("The password was wrong, so nothing was unpacked.")
                          : Words::tr("No password was given, so nothing was unpacked.");
    if (asked_ > 0)
        return Words::tr("The password was wrong, or the archive is damaged (%1).").arg(detail);
    const int code = archive_ ? archive_errno(archive_) : 0;
    if (code > 0 && code != EILSEQ)
        return jobtext::reason(code);
    return Words::tr("It is damaged, cut short or not an archive (%1).").arg(detail);
}

Unpack::Outcome Unpack::finish()
{
    // Deepest first: a folder's time changes with every entry made in it,
    // and a folder without write permission would keep its entries out.
    std::stable_sort(folders_.begin(), folders_.end(), [](const Folder &a, const Folder &b) {
        return a.parts.size() > b.parts.size();
    });
    // The top ones after they have their place: moving a folder elsewhere
    // needs write permission on it.
    std::vector<std::pair<Fd, const Folder *>> tops;
    for (const Folder &f : folders_) {
        Fd fd = findFolder(f.parts);
        if (fd.get() < 0)
            continue;
        if (f.parts.size() == 1) {
            tops.emplace_back(std::move(fd), &f);
            continue;
        }
        if (checked::setMode(fd.get(), f.mode) != 0 || futimens(fd.get(), f.times) != 0)
            refuse(f.parts.join('/'), jobtext::reason(errno));
    }
    int err = 0;
    const std::vector<QByteArray> names = namesIn(partFd_.get(), &err);
    Outcome out;
    if (err != 0) {
        fail(jobtext::reason(err));
        out = Outcome::Skipped;
    } else if (names.empty()) {
        if (refused_ == 0)
            fail(Words::tr("It holds nothing to unpack."));
        out = Outcome::Skipped;
    } else {
        out = place(names.size() == 1 ? names.front() : QByteArray());
    }
    if (out == Outcome::Done) {
        for (const auto &[fd, f] : tops) {
            if (checked::setMode(fd.get(), f->mode) != 0 || futimens(fd.get(), f->times) != 0)
                refuse(f->parts.first(), jobtext::reason(errno));
        }
    }
    if (!partPlaced_)
        removeTree(targetFd_, part_.constData()); // empty, or all of it when it stayed
    return out == Outcome::Done && refused_ > 0 ? Outcome::Skipped : out;
}

// The one top entry `top` out of the part folder into the target, asking
// when its name is taken; or, when `top` is empty, the part folder itself
// under the archive's name, numbered when taken.
Unpack::Outcome Unpack::place(const QByteArray &top)
{
    if (top.isEmpty()) {
        if (const int err = checked::setMode(partFd_.get(), 0777 & ~currentUmask()); err != 0) {
            fail(jobtext::reason(err));
            return Outcome::Skipped;
        }
        const QByteArray stem = Archives::stem(rawpath::baseName(path_));
        for (int n = 1; n <= names::MaxNumber; ++n) {
            const QByteArray free = names::firstFree(targetFd_, stem, true, n);
            if (free.isEmpty())
                break;
            if (renameat2(targetFd_, part_.constData(), targetFd_, free.constData(),
                          RENAME_NOREPLACE) == 0) {
                job_.result_.created << join(target_, free);
                job_.result_.undoItems
                    << undo::identifyAt(path_, targetFd_, free, join(target_, free));
                partPlaced_ = true;
                return Outcome::Done;
            }
            if (errno != EEXIST) {
                failWrite(stem, errno);
                return Outcome::Skipped;
            }
        }
        fail(jobtext::reason(jobtext::NoFreeName));
        return Outcome::Skipped;
    }
    struct stat src;
    if (fstatat(partFd_.get(), top.constData(), &src, AT_SYMLINK_NOFOLLOW) != 0) {
        failWrite(top, errno);
        return Outcome::Skipped;
    }
    QByteArray dest = top;
    bool replace = false;
    for (;;) {
        const int rc = replace
                           ? renameat(partFd_.get(), top.constData(), targetFd_, dest.constData())
                           : renameat2(partFd_.get(), top.constData(), targetFd_, dest.constData(),
                                       RENAME_NOREPLACE);
        if (rc == 0) {
            job_.result_.created << join(target_, dest);
            job_.result_.undoItems << undo::identifyAt(path_, targetFd_, dest, join(target_, dest));
            return Outcome::Done;
        }
        if (errno != EEXIST) {
            failWrite(dest, errno);
            return Outcome::Skipped;
        }
        struct stat there;
        if (fstatat(targetFd_, dest.constData(), &there, AT_SYMLINK_NOFOLLOW) != 0)
            continue; // gone meanwhile
        Conflict c;
        c.source = join(path_, top);
        c.target = join(target_, dest);
        c.sourceIsDir = S_ISDIR(src.st_mode);
        c.targetIsDir = S_ISDIR(there.st_mode);
        c.sourceSize = src.st_size;
        c.targetSize = there.st_size;
        c.sourceMtime = src.st_mtim.tv_sec;
        c.targetMtime = there.st_mtim.tv_sec;
        c.sourceIsLink = S_ISLNK(src.st_mode);
        // Folders are not merged: what is there could be mixed with what
        // arrives beyond telling apart.
        c.mayReplace = !c.sourceIsDir && !c.targetIsDir;
        switch (job_.askConflict(c)) {
        case ConflictChoice::Replace:
            replace = true;
            break;
        case ConflictChoice::KeepBoth:
            dest = names::firstFree(targetFd_, top, c.sourceIsDir, 2);
            if (dest.isEmpty()) {
                fail(jobtext::reason(jobtext::NoFreeName));
                return Outcome::Skipped;
            }
            break;
        case ConflictChoice::Skip:
            return Outcome::Skipped;
        case ConflictChoice::Cancel:
            return Outcome::Cancelled;
        }
    }
}

} // namespace tarnwick::archive
