#include "transferworker.h"

#include "rawpaths.h"

#include <QCoreApplication>
#include <fcntl.h>
#include <unistd.h>
#include <utility>

// The worker's questions: a conflict or a failure is asked about through
// the owner's signals, and the answers, Cancel and Pause come from any
// thread.
namespace tarnwick {

namespace {

using namespace transfer;

struct Words
{
    Q_DECLARE_TR_FUNCTIONS(FileTransfer)
};

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
        result_.errors << (same
                               ? Words::tr("\u201c%1\u201d was left as it was: nothing can replace "
                                           "itself.")
                               : Words::tr("\u201c%1\u201d was left as it was: a folder and a file "
                                           "cannot replace each other."))
                              .arg(shown(to.path));
        choice = ConflictChoice::Skip;
    }
    if (choice == ConflictChoice::Skip && !parked_)
        skipped_.insert(from.path);
    return choice;
}

// An answer that came while its item was set aside: "for all" settles the
// items met from then on, and Cancel stops the rest.
void TransferWorker::takeAnswerForAll()
{
    const std::lock_guard lock(mutex_);
    if (openQuestion_ && openQuestion_->error && errorAnswer_ == ErrorChoice::Cancel)
        cancelled_ = true;
    if (!conflictAnswer_)
        return;
    if (conflictAnswer_->first == ConflictChoice::Cancel)
        cancelled_ = true;
    else if (conflictAnswer_->second)
        forAll_ = conflictAnswer_->first;
}

// A question is put only while none is open; its item, and every item met
// with a question meanwhile, waits aside.
bool TransferWorker::putAside(bool error, const QByteArray &about, const QString &text)
{
    if (openQuestion_)
        return false;
    {
        const std::lock_guard lock(mutex_);
        if (error)
            errorAnswer_.reset();
        else
            conflictAnswer_.reset();
    }
    openQuestion_ = Question{error, about, ++questions_, text};
    justAsked_ = true;
    return true;
}

// The question put while its item waited aside is not put twice.
bool TransferWorker::wasAsked(bool error, const QByteArray &about)
{
    if (!openQuestion_ || openQuestion_->error != error || openQuestion_->about != about)
        return false;
    openQuestion_.reset();
    return true;
}

bool TransferWorker::skipAnswered()
{
    const std::lock_guard lock(mutex_);
    return errorAnswer_ == ErrorChoice::Skip;
}

bool TransferWorker::answered()
{
    return openQuestion_ && (openQuestion_->error ? bool(errorAnswer_) : bool(conflictAnswer_));
}

// Takes up the items set aside while no question waits for its answer; with
// `wait`, until none is left, waiting for each answer in turn.
void TransferWorker::takeUpAside(int targetFd, bool wait)
{
    while (next_ < aside_.size() && !cancelled()) {
        if (openQuestion_) {
            std::unique_lock lock(mutex_);
            if (!answered() && !wait)
                return;
            wake_.wait(lock, [this] { return answered() || cancelled_; });
        }
        holdWhilePaused();
        takeAnswerForAll();
        const SetAside item = aside_[next_++];
        top_ = item.top;
        const qsizetype failures = result_.errors.size();
        const int own = item.asked && openQuestion_ ? openQuestion_->number : 0;
        // A failure the user chose to skip stays skipped, even if it would
        // not happen again: the item itself, or the entry inside it that a
        // folder's copy leaves out.
        const QByteArray path = item.from.isEmpty() ? sources_[top_] : item.from;
        bool skip = false;
        if (own && openQuestion_->error && skipAnswered()) {
            if (openQuestion_->about.startsWith(path + '/'))
                skipOnSight_ = *openQuestion_;
            else {
                skip = true;
                result_.errors << openQuestion_->text;
                skipped_.insert(openQuestion_->about);
            }
            openQuestion_.reset();
        }
        const Outcome o = skip ? Outcome::Skipped : retake(item, targetFd);
        skipOnSight_.reset();
        if (o == Outcome::Cancelled || cancelled())
            return;
        // Not one put about what it holds meanwhile.
        if (openQuestion_ && openQuestion_->number == own)
            settleOpenQuestion();
        int &whole = whole_[size_t(top_)];
        if (o == Outcome::Parked)
            setAside(item.from, item.to);
        else if (item.from.isEmpty())
            whole = o == Outcome::Done && result_.errors.size() == failures;
        else if (result_.errors.size() != failures)
            whole = 0;
    }
}

// Its item was placed without meeting the question again (the conflict or
// the failure went away): the answer still belongs to it, not to the next
// question.
void TransferWorker::settleOpenQuestion()
{
    if (!openQuestion_)
        return;
    const bool error = std::exchange(openQuestion_, std::nullopt)->error;
    std::unique_lock lock(mutex_);
    wake_.wait(lock,
               [&] { return (error ? bool(errorAnswer_) : bool(conflictAnswer_)) || cancelled_; });
    if (cancelled_)
        return;
    if (error ? errorAnswer_ == ErrorChoice::Cancel
              : conflictAnswer_->first == ConflictChoice::Cancel)
        cancelled_ = true;
    else if (!error && conflictAnswer_->second)
        forAll_ = conflictAnswer_->first;
}

ConflictChoice TransferWorker::ask(const Conflict &c)
{
    if (!askConflicts)
        return ConflictChoice::Skip;
    if (!wasAsked(false, c.source)) {
        if (putAside(false, c.source))
            emit owner_.conflict(c);
        parked_ = true;
        return ConflictChoice::Skip;
    }
    // Taken up again once answered.
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
    const QString what =
        (kind_ == JobKind::Copy   ? Words::tr("Could not copy \u201c%1\u201d.")
         : kind_ == JobKind::Move ? Words::tr("Could not move \u201c%1\u201d.")
                                  : Words::tr("Could not make a link to \u201c%1\u201d."))
            .arg(shown(path));
    const QString reason = reasonText(code);
    ErrorChoice choice = ErrorChoice::Skip;
    if (askErrors && !cancelled()) {
        if (!wasAsked(true, path)) {
            if (putAside(true, path, what + QLatin1Char(' ') + reason))
                emit owner_.error(what, reason);
            *out = Outcome::Parked;
            return false;
        }
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

namespace {

// The folders from `basePath` (open as `baseFd`) down to the one holding
// `path`, each opened by name as the merge went, never through a link;
// false, with errno set, when one of them cannot be opened.
bool openDown(int baseFd, const QByteArray &basePath, const QByteArray &path,
              std::vector<std::pair<int, QByteArray>> *chain)
{
    const QByteArray rel = path.mid(basePath == "/" ? 1 : basePath.size() + 1);
    QList<QByteArray> names = rel.split('/');
    names.removeLast();
    for (const QByteArray &n : names) {
        const int fd = openDir(chain->empty() ? baseFd : chain->back().first, n);
        if (fd < 0)
            return false;
        chain->push_back({fd, n});
    }
    return true;
}

void closeAll(std::vector<std::pair<int, QByteArray>> &chain)
{
    for (const auto &[fd, name] : chain)
        close(fd);
    chain.clear();
}

} // namespace

void TransferWorker::setAside(const QByteArray &from, const QByteArray &to)
{
    aside_.push_back({top_, from, to, std::exchange(justAsked_, false)});
}

// Takes up an item set aside, now that questions are asked as they come.
TransferWorker::Outcome TransferWorker::retake(const SetAside &item, int targetFd)
{
    const QByteArray &top = sources_[item.top];
    if (item.from.isEmpty())
        return kind_ == JobKind::Link ? linkTop(top, targetFd) : placeTop(top, targetFd);
    const QByteArray base = rawpath::parentOf(top);
    Outcome out;
    for (;;) {
        std::vector<std::pair<int, QByteArray>> from, to;
        const int baseFd = open(base.constData(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
        if (baseFd < 0 || !openDown(baseFd, base, item.from, &from) ||
            !openDown(targetFd, target_, item.to, &to)) {
            const int err = errno;
            closeAll(from);
            closeAll(to);
            if (baseFd >= 0)
                close(baseFd);
            if (retry(item.from, err, &out))
                continue;
            return out;
        }
        const auto in = [&](const auto &chain, int fd) {
            return chain.empty() ? fd : chain.back().first;
        };
        out = place({in(from, baseFd), rawpath::baseName(item.from), item.from},
                    {in(to, targetFd), rawpath::baseName(item.to), item.to}, false);
        // The folders it was moved out of go once empty, as the merge would
        // have taken them.
        for (size_t i = from.size(); kind_ == JobKind::Move && out == Outcome::Done && i-- > 0;) {
            if (unlinkat(i == 0 ? baseFd : from[i - 1].first, from[i].second.constData(),
                         AT_REMOVEDIR) != 0)
                break;
        }
        closeAll(from);
        closeAll(to);
        close(baseFd);
        return out;
    }
}

} // namespace tarnwick
