#pragma once

#include "fdwalk.h"
#include "fileoperationdialogs.h"
#include "fileoperations.h"
#include "rawpaths.h"
#include "testenv.h"

#include <QMap>
#include <QSignalSpy>
#include <dirent.h>
#include <fcntl.h>
#include <functional>
#include <sys/stat.h>
#include <unistd.h>

// What the file-operation suites share: a scripted asker, files made and
// read by their bytes, and snapshots of trees to compare.
namespace tarnwick::test {

// The second file system the suites copy onto, and their work folder in the
// test's home, which they remove themselves: names that are not UTF-8 are
// beyond a temporary folder's own clean-up.
struct TransferScratch
{
    ScratchVolume volume{QDir::homePath(), "256m"};
    QByteArray other = volume.encodedPath() + "/other";
    QByteArray work = QFile::encodeName(QDir::homePath()) + "/work";
    ~TransferScratch() { tarnwick::removeTree(AT_FDCWD, work.constData()); }
};

// Answers in turn, then Cancel; `onAsk` looks at the disk while the worker waits.
class ScriptedAsker : public JobAsker
{
public:
    std::pair<ConflictChoice, bool> askConflict(QWidget *, const Conflict &c) override
    {
        conflicts << c;
        onAsk();
        return conflictAnswers.isEmpty() ? std::pair(ConflictChoice::Cancel, false)
                                         : conflictAnswers.takeFirst();
    }
    ErrorChoice askError(QWidget *, const QString &what, const QString &reason) override
    {
        errorsAsked << what + ' ' + reason;
        onAsk();
        return errorAnswers.isEmpty() ? ErrorChoice::Cancel : errorAnswers.takeFirst();
    }
    void report(QWidget *, JobKind, const QStringList &errors) override { reported << errors; }

    QList<std::pair<ConflictChoice, bool>> conflictAnswers;
    QList<ErrorChoice> errorAnswers;
    QList<Conflict> conflicts;
    QStringList errorsAsked, reported;
    std::function<void()> onAsk = [] {};
};

// "R", "S", "K", "C" for Replace, Skip, Keep both, Cancel; "*" applies to all.
inline QList<std::pair<ConflictChoice, bool>> script(const QStringList &answers)
{
    QList<std::pair<ConflictChoice, bool>> out;
    for (const QString &a : answers)
        out.append({ConflictChoice(QStringLiteral("RSKC").indexOf(a[0])), a.endsWith('*')});
    return out;
}

inline bool makeFile(const QByteArray &path, const QByteArray &content, mode_t mode = 0644)
{
    const int fd = open(path.constData(), O_WRONLY | O_CREAT | O_TRUNC, mode);
    const bool ok = fd >= 0 &&
                    write(fd, content.constData(), size_t(content.size())) == content.size() &&
                    fchmod(fd, mode) == 0;
    return fd >= 0 && close(fd) == 0 && ok;
}

inline QByteArray readAll(const QByteArray &path)
{
    return rawpath::readSmallFile(path, 64 << 20);
}

// Every entry below `root` (itself as ""), with kind, mode, modification
// time to the nanosecond, and contents or link target.
inline void snap(const QByteArray &root, const QByteArray &rel, QMap<QByteArray, QByteArray> &out)
{
    struct stat st;
    const QByteArray path = root + rel;
    if (lstat(path.constData(), &st) != 0)
        return;
    QByteArray &d = out[rel];
    d = QByteArray::number(st.st_mode, 8) + ' ' + QByteArray::number(st.st_mtim.tv_sec) + '.' +
        QByteArray::number(st.st_mtim.tv_nsec) + ' ';
    if (S_ISREG(st.st_mode))
        d += QByteArray::number(st.st_size) + ' ' + readAll(path).left(64);
    if (S_ISLNK(st.st_mode)) {
        char target[4096];
        d += QByteArray(target, readlink(path.constData(), target, sizeof target));
    }
    DIR *dir = S_ISDIR(st.st_mode) ? opendir(path.constData()) : nullptr;
    while (const dirent *e = dir ? readdir(dir) : nullptr) {
        if (strcmp(e->d_name, ".") != 0 && strcmp(e->d_name, "..") != 0)
            snap(root, rel + '/' + e->d_name, out);
    }
    if (dir)
        closedir(dir);
}
inline QMap<QByteArray, QByteArray> snapshot(const QByteArray &root)
{
    QMap<QByteArray, QByteArray> out;
    snap(root, {}, out);
    return out;
}

inline QList<QByteArray> names(const QByteArray &dir)
{
    QList<QByteArray> out;
    for (const QByteArray &rel : snapshot(dir).keys())
        if (!rel.isEmpty())
            out << rel.mid(1);
    return out;
}

// Without the dialogs: a question nobody listens for is answered Skip.
// `during` runs on the worker at every step.
using Step = std::function<void(qint64 bytesDone, qint64 bytesTotal, int filesDone)>;
inline JobResult runPlain(
    FileTransfer &t, const Step &during = [](qint64, qint64, int) {})
{
    t.setProgressInterval(0);
    QObject::connect(
        &t, &FileTransfer::progress, &t,
        [&](const QString &, qint64 done, qint64 total, int files) { during(done, total, files); },
        Qt::DirectConnection);
    QSignalSpy spy(&t, &FileTransfer::finished);
    t.start();
    const bool done = waitEmitted(spy, 15000);
    return done ? spy.at(0).at(0).value<JobResult>() : JobResult{};
}

} // namespace tarnwick::test
