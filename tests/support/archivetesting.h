#pragma once

#include "jobs.h"
#include "rawpaths.h"
#include "testenv.h"

#include <QCryptographicHash>
#include <QDir>
#include <QProcess>
#include <dirent.h>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

// What the archive suite needs around its jobs: scripted answers, the real
// tools run in a folder, and trees described line by line to compare.
namespace tarnwick::test {

using rawpath::join;

// Scripted answers to a job's questions, and how often each was asked.
struct Answers
{
    QList<std::optional<QByteArray>> passwords;
    ErrorChoice error = ErrorChoice::Skip;
    ConflictChoice conflict = ConflictChoice::Skip;
    int passwordsAsked = 0, errorsAsked = 0, conflictsAsked = 0;
};

inline JobResult run(Job *job, Answers *answers = nullptr, bool cancelAtOnce = false)
{
    const std::unique_ptr<Job> owned(job);
    Answers none;
    Answers &a = answers ? *answers : none;
    QObject::connect(job, &Job::passwordNeeded, job, [job, &a](const QString &, bool) {
        ++a.passwordsAsked;
        job->answerPassword(a.passwords.isEmpty() ? std::nullopt : a.passwords.takeFirst());
    });
    QObject::connect(job, &Job::error, job, [job, &a](const QString &, const QString &) {
        ++a.errorsAsked;
        job->answerError(a.error);
    });
    QObject::connect(job, &Job::conflict, job, [job, &a](const Conflict &) {
        ++a.conflictsAsked;
        job->answerConflict(a.conflict, false);
    });
    if (cancelAtOnce) // on the worker, at its first report
        QObject::connect(
            job, &Job::progress, job, [job] { job->cancel(); }, Qt::DirectConnection);
    QSignalSpy finished(job, &Job::finished);
    job->start();
    if (!waitEmitted(finished, 120000))
        return {};
    return finished.first().first().value<JobResult>();
}

inline bool shell(const QString &command, const QString &dir)
{
    QProcess p;
    p.setWorkingDirectory(dir);
    p.start(QStringLiteral("/bin/sh"), {QStringLiteral("-c"), command});
    if (!p.waitForFinished(120000) || p.exitStatus() != QProcess::NormalExit || p.exitCode() != 0) {
        qWarning("%s: %s", qPrintable(command), p.readAllStandardError().constData());
        return false;
    }
    return true;
}

// Every entry below `root`, a line each: its kind, mode, time and contents.
inline QStringList describe(const QByteArray &root, bool times, const QByteArray &below = {})
{
    QStringList lines;
    DIR *d = opendir(join(root, below).constData());
    if (!d)
        return lines;
    QList<QByteArray> names;
    while (dirent *e = readdir(d)) {
        if (qstrcmp(e->d_name, ".") != 0 && qstrcmp(e->d_name, "..") != 0)
            names << e->d_name;
    }
    closedir(d);
    std::sort(names.begin(), names.end());
    for (const QByteArray &n : names) {
        const QByteArray rel = below.isEmpty() ? n : below + '/' + n;
        struct stat st;
        lstat(join(root, rel).constData(), &st);
        QString line = QString::fromLatin1(rel.toPercentEncoding("/"));
        if (S_ISLNK(st.st_mode)) {
            char target[4096];
            const ssize_t len = readlink(join(root, rel).constData(), target, sizeof target);
            line += QStringLiteral(" -> ") + QString::fromLatin1(QByteArray(target, int(len)));
        } else {
            line += QStringLiteral(" %1").arg(st.st_mode & 07777, 0, 8);
            if (times)
                line += QStringLiteral(" @%1").arg(st.st_mtim.tv_sec);
        }
        if (S_ISREG(st.st_mode)) {
            const QByteArray data = rawpath::readSmallFile(join(root, rel), 1 << 24);
            line += QLatin1Char(' ') +
                    QString::fromLatin1(
                        QCryptographicHash::hash(data, QCryptographicHash::Md5).toHex());
        }
        lines << line;
        if (S_ISDIR(st.st_mode))
            lines << describe(root, times, rel);
    }
    return lines;
}

inline QStringList topNames(const QString &dir)
{
    QStringList names =
        QDir(dir).entryList(QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot);
    names.sort();
    return names;
}

inline void setTime(const QByteArray &path, time_t when)
{
    const timespec times[2] = {{when, 0}, {when, 0}};
    utimensat(AT_FDCWD, path.constData(), times, AT_SYMLINK_NOFOLLOW);
}

// A small tree of what archives must keep: modes, times, a link, a hard
// link, an empty file, a name that is not UTF-8 (when asked for).
inline void makeTree(const QString &where, bool oddName)
{
    const QByteArray top = QFile::encodeName(where) + "/top";
    QVERIFY(writeFile(where + "/top/plain.txt", "hello\n"));
    QVERIFY(writeFile(where + "/top/run.sh", "#!/bin/sh\necho hi\n"));
    QVERIFY(writeFile(where + "/top/secret", "s3cret"));
    QVERIFY(writeFile(where + "/top/empty"));
    QByteArray big(200000, '\0');
    for (int i = 0; i < big.size(); ++i)
        big[i] = char((i * 7919) >> 5);
    QVERIFY(writeFile(where + "/top/sub/deep.bin", big));
    chmod(top + "/run.sh", 0755);
    chmod(top + "/secret", 0600);
    QCOMPARE(symlink("../plain.txt", top + "/sub/link"), 0);
    QCOMPARE(link(top + "/plain.txt", top + "/sub/hard"), 0);
    if (oddName)
        QVERIFY(makeRawFile(top + "/caf\xe9", "latin-1"));
    for (const char *f : {"/plain.txt", "/run.sh", "/secret", "/empty", "/sub/deep.bin",
                          "/sub/link", "/sub/hard", "/caf\xe9"})
        setTime(top + f, 1600000000);
    for (const char *d : {"/sub", ""}) // folders last: what is made in one changes its time
        setTime(top + d, 1500000000);
}

} // namespace tarnwick::test
