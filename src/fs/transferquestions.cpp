#include "transferworker.h"

#include <QCoreApplication>
#include <fcntl.h>
#include <utility>

// The worker's questions: a conflict or a failure is asked about through
// the owner's signals, and the answers, Cancel and Pause come from any
// thread.
namespace tarnwick {

namespace {

using namespace transfer;

QString tr(const char *text)
{
    return QCoreApplication::translate("FileTransfer", text);
}

bool sameFile(const struct stat &a, const struct stat &b)
{
    return a.st_dev == b.st_dev && a.st_ino == b.st_ino;
}

// Whether a link leads to the entry it would replace, from where it is or
// once copied beside that entry, by its target itself or by what that
// resolves to in the end: the replacement would be a link to itself.
bool leadsTo(const EntryAt &link, const QByteArray &target, const EntryAt &to,
             const struct stat &existing)
{
    const auto hits = [&existing](int dirFd, const QByteArray &path, int flags) {
        struct stat st;
        return fstatat(dirFd, path.constData(), &st, flags) == 0 && sameFile(st, existing);
    };
    return hits(link.dirFd, link.name, 0) ||
           (!target.isEmpty() &&
            (hits(link.dirFd, target, AT_SYMLINK_NOFOLLOW) || hits(to.dirFd, target, 0) ||
             hits(to.dirFd, target, AT_SYMLINK_NOFOLLOW)));
}

} // namespace

void TransferWorker::cancel()
{
    const std::lock_guard lock(mutex_);
    cancelled_ = true;
    wake_.notify_all();
}

void TransferWorker::answerConflict(ConflictChoice choice, bool applyToAll)
{
    const std::lock_guard lock(mutex_);
    conflictAnswer_ = {choice, applyToAll};
    wake_.notify_all();
}

void TransferWorker::answerError(ErrorChoice choice)
{
    const std::lock_guard lock(mutex_);
    errorAnswer_ = choice;
    wake_.notify_all();
}

void TransferWorker::setPaused(bool paused)
{
    const std::lock_guard lock(mutex_);
    paused_ = paused;
    wake_.notify_all();
}

void TransferWorker::holdWhilePaused()
{
    std::unique_lock lock(mutex_);
    wake_.wait(lock, [this] { return !paused_ || cancelled_; });
}

ConflictChoice TransferWorker::decide(const EntryAt &from, const struct stat &st, const EntryAt &to,
                                      const struct stat &existing, bool mayMerge)
{
    Conflict c;
    c.source = from.path;
    c.target = to.path;
    c.sourceIsDir = S_ISDIR(st.st_mode);
    c.targetIsDir = S_ISDIR(existing.st_mode);
    c.sourceSize = st.st_size;
    c.targetSize = existing.st_size;
    c.sourceMtime = st.st_mtim.tv_sec;
    c.targetMtime = existing.st_mtim.tv_sec;
    c.sourceIsLink = S_ISLNK(st.st_mode);
    if (c.sourceIsLink)
        c.linkTarget = readLink(from.dirFd, from.name);
    const bool same =
        sameFile(st, existing) || (c.sourceIsLink && leadsTo(from, c.linkTarget, to, existing));
    c.mayReplace = !same && c.sourceIsDir == c.targetIsDir && (mayMerge || !c.sourceIsDir);

    ConflictChoice choice =
        forAll_ && (*forAll_ != ConflictChoice::Replace || c.mayReplace) ? *forAll_ : ask(c);
    if (choice == ConflictChoice::Replace && !c.mayReplace) {
        result_.errors << (same ? tr("\u201c%1\u201d was left as it was: nothing can replace "
                                     "itself.")
                                : tr("\u201c%1\u201d was left as it was: a folder and a file "
                                     "cannot replace each other."))
                              .arg(shown(to.path));
        choice = ConflictChoice::Skip;
    }
    if (choice == ConflictChoice::Skip && !parked_)
        skipped_.insert(from.path);
    return choice;
}

// An answer "for all" that came while the question's item was set aside
// settles the items met from then on.
void TransferWorker::takeAnswerForAll()
{
    const std::lock_guard lock(mutex_);
    if (!conflictAnswer_)
        return;
    if (conflictAnswer_->first == ConflictChoice::Cancel)
        cancelled_ = true;
    else if (conflictAnswer_->second)
        forAll_ = conflictAnswer_->first;
}

ConflictChoice TransferWorker::ask(const Conflict &c)
{
    if (!askConflicts)
        return ConflictChoice::Skip;
    if (deferQuestions_ && topConflict_) {
        if (!openQuestion_) {
            {
                const std::lock_guard lock(mutex_);
                conflictAnswer_.reset();
            }
            openQuestion_ = c.source;
            emit owner_.conflict(c);
        }
        parked_ = true;
        return ConflictChoice::Skip;
    }
    // The question asked while its item was set aside is not asked twice.
    if (openQuestion_ != c.source) {
        const std::lock_guard lock(mutex_);
        conflictAnswer_.reset();
    }
    if (std::exchange(openQuestion_, std::nullopt) != c.source)
        emit owner_.conflict(c);
    std::unique_lock lock(mutex_);
    wake_.wait(lock, [this] { return conflictAnswer_ || cancelled_; });
    if (cancelled_ || conflictAnswer_->first == ConflictChoice::Cancel) {
        cancelled_ = true;
        return ConflictChoice::Cancel;
    }
    if (conflictAnswer_->second)
        forAll_ = conflictAnswer_->first;
    return conflictAnswer_->first;
}

// Asks about a failure: true to try again, otherwise *out says how to go on.
bool TransferWorker::retry(const QByteArray &path, int code, Outcome *out)
{
    const QString what = (kind_ == JobKind::Copy   ? tr("Could not copy \u201c%1\u201d.")
                          : kind_ == JobKind::Move ? tr("Could not move \u201c%1\u201d.")
                                                   : tr("Could not make a link to \u201c%1\u201d."))
                             .arg(shown(path));
    const QString reason = reasonText(code);
    ErrorChoice choice = ErrorChoice::Skip;
    if (askErrors && !cancelled()) {
        {
            const std::lock_guard lock(mutex_);
            errorAnswer_.reset();
        }
        emit owner_.error(what, reason);
        std::unique_lock lock(mutex_);
        wake_.wait(lock, [this] { return errorAnswer_ || cancelled_; });
        choice = cancelled_ ? ErrorChoice::Cancel : *errorAnswer_;
    }
    if (cancelled())
        choice = ErrorChoice::Cancel;
    switch (choice) {
    case ErrorChoice::Retry:
        return true;
    case ErrorChoice::Skip:
        result_.errors << what + QLatin1Char(' ') + reason;
        skipped_.insert(path);
        *out = Outcome::Skipped;
        return false;
    case ErrorChoice::Cancel:
        cancel();
        *out = Outcome::Cancelled;
        return false;
    }
    return false;
}

} // namespace tarnwick
