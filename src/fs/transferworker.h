#pragma once

#include "fdwalk.h"
#include "fileoperations.h"

#include <QElapsedTimer>
#include <QSet>
#include <atomic>
#include <condition_variable>
#include <map>
#include <mutex>
#include <optional>
#include <set>
#include <sys/stat.h>
#include <vector>

namespace tarnwick {

// Without trailing slashes, except for the root itself.
QByteArray cleanPath(QByteArray path);

namespace transfer {

constexpr int CancelledCode = jobtext::Cancelled;
using jobtext::Mismatch;
using jobtext::NoFreeName;
using jobtext::NotCopyable;

// Whether `name` is one a copy is written under before it is complete.
bool isPartName(const QByteArray &name);

inline QString reasonText(int code)
{
    return jobtext::reason(code);
}
QString shown(const QByteArray &path);
int openDir(int dirFd, const QByteArray &name); // never through a link
using tarnwick::namesIn;
QByteArray readLink(int dirFd, const QByteArray &name);

} // namespace transfer

// An entry: the open folder it is in, its name there, its path for messages.
struct EntryAt
{
    int dirFd;
    QByteArray name;
    QByteArray path;
};

// The engine behind FileTransfer; everything but cancel() and the answers
// runs on the worker thread.
class TransferWorker
{
public:
    TransferWorker(FileTransfer &owner, JobKind kind, QList<QByteArray> sources, QByteArray target);

    void run();
    void cancel();
    void answerConflict(ConflictChoice choice, bool applyToAll);
    void answerError(ErrorChoice choice);
    void setPaused(bool paused);

    int progressIntervalMs = 100;
    bool askConflicts = true;
    bool askErrors = true;
    FaultHook faults;

private:
    enum class Outcome
    {
        Done,
        Skipped,
        Cancelled,
        Parked // set aside until its question is answered
    };
    struct Question
    {
        bool error;
        QByteArray about; // the path it names
        int number;       // which question of the transfer it is
        QString text;     // a failure's, for the errors should it be skipped
    };
    struct SetAside
    {
        qsizetype top;       // the given item it is, or is inside
        QByteArray from, to; // inside a merged folder; empty for the given item
        bool asked;          // its question is the open one
    };

    bool cancelled() const { return cancelled_.load(); }
    Outcome placeTop(const QByteArray &source, int targetFd);
    Outcome linkTop(const QByteArray &source, int targetFd);
    Outcome place(const EntryAt &from, const EntryAt &to, bool top);
    Outcome merge(const EntryAt &from, const EntryAt &to);
    ConflictChoice decide(const EntryAt &from, const struct stat &st, const EntryAt &to,
                          const struct stat &existing, bool mayMerge);
    ConflictChoice ask(const Conflict &c);
    void takeAnswerForAll();
    bool putAside(bool error, const QByteArray &about, const QString &text = {});
    bool wasAsked(bool error, const QByteArray &about);
    void settleOpenQuestion();
    bool answered(); // under mutex_
    bool skipAnswered();
    void takeUpAside(int targetFd, bool wait);
    void setAside(const QByteArray &from = {}, const QByteArray &to = {});
    Outcome retake(const SetAside &item, int targetFd);
    void holdWhilePaused();
    bool retry(const QByteArray &path, int code, Outcome *out);
    QByteArray temporaryName(int dirFd, const QByteArray &name);
    void sweepLeftovers(int dirFd);
    int fault(FaultPoint point, const QByteArray &path) const
    {
        return faults ? faults(point, path) : 0;
    }

    // transfercopy.cpp: copies that leave nothing behind unless Done.
    // `held`, when given, keeps a copied file's lock until it has its final name.
    Outcome copyEntry(const EntryAt &from, const EntryAt &to, bool sync, int *held = nullptr);
    Outcome copyDir(const EntryAt &from, const struct stat &st, const EntryAt &to, int *held);
    int copyFile(const EntryAt &from, const EntryAt &to, bool sync, int *held);
    bool linkCopied(const struct stat &st, const EntryAt &to);
    void copiesRenamed(const QByteArray &from, const QByteArray &to);
    int pump(int in, int out, const struct stat &st, const QByteArray &path);
    bool matches(const EntryAt &from, int toFd, const QByteArray &toName);
    void removeMoved(const EntryAt &from, int copyFd, const QByteArray &copyName);

    void count(int dirFd, const QByteArray &name, bool whole);
    void itemDone(const QByteArray &path);
    void tick(const QByteArray &path, bool force);

    FileTransfer &owner_;
    JobKind kind_;
    QList<QByteArray> sources_;
    QByteArray target_;

    std::mutex mutex_;
    std::condition_variable wake_;
    std::atomic<bool> cancelled_{false};
    bool paused_ = false;
    std::optional<std::pair<ConflictChoice, bool>> conflictAnswer_;
    std::optional<ErrorChoice> errorAnswer_;
    std::optional<ConflictChoice> forAll_; // "Apply to all"
    // An item met with a question (a conflict or a failure), at any depth,
    // is set aside while the others go on; only the first one is asked at
    // once, and the rest wait their turn in the second round.
    bool parked_ = false, justAsked_ = false;
    int questions_ = 0; // put so far
    std::optional<Question> openQuestion_;
    std::optional<Question> skipOnSight_; // answered Skip, inside the item taken up
    std::vector<SetAside> aside_;
    size_t next_ = 0;        // the first of aside_ not taken up yet
    std::vector<int> whole_; // per given item: 1 all of it arrived, 0 not, -1 not reached
    qsizetype top_ = 0;      // the given item being placed

    JobResult result_;
    QSet<QByteArray> skipped_;                // source paths left behind, which a move must keep
    std::set<std::pair<dev_t, ino_t>> swept_; // folders already rid of leftovers
    // Files with more than one name, by source, and where their copy is: the
    // next name of one becomes a link to that copy.
    struct Copied
    {
        QByteArray path;
        dev_t dev;
        ino_t ino;
        off_t size; // the source's, to know it again
        timespec mtime;
    };
    std::map<std::pair<dev_t, ino_t>, Copied> copied_;
    std::vector<char> buffer_;
    QElapsedTimer clock_;
    qint64 bytesDone_ = 0, bytesTotal_ = 0;
    int filesDone_ = 0, filesTotal_ = 0;
};

} // namespace tarnwick
