// What no job may do, whoever races it: follow a link swapped in while it
// works, go on after Cancel, or give up on a tree for lack of descriptors.
#include "background.h"
#include "jobs.h"
#include "testenv.h"
#include "transfertesting.h"
#include "trash.h"

#include <QElapsedTimer>
#include <ftw.h>
#include <grp.h>
#include <signal.h>
#include <sys/prctl.h>
#include <sys/resource.h>
#include <sys/wait.h>

using namespace tarnwick;
using namespace tarnwick::test;
using rawpath::join;

namespace {

JobResult run(Job *job, const std::function<void()> &whileRunning = {})
{
    const std::unique_ptr<Job> owned(job);
    QSignalSpy finished(job, &Job::finished);
    job->start();
    if (whileRunning)
        whileRunning();
    if (!waitEmitted(finished, 30000))
        return {};
    return finished.first().first().value<JobResult>();
}

// Another local user at work in a shared folder: a second process that
// swaps two entries for each other as fast as it can. Under another user
// when the test runs as root, as the attack would.
class Swapper
{
public:
    Swapper(const QByteArray &folder, const char *a, const char *b)
    {
        pid_ = fork();
        if (pid_ != 0)
            return;
        prctl(PR_SET_PDEATHSIG, SIGKILL);
        if (chdir(folder.constData()) != 0 ||
            (geteuid() == 0 &&
             (setgroups(0, nullptr) != 0 || setgid(65534) != 0 || setuid(65534) != 0)))
            _exit(1);
        for (;;)
            renameat2(AT_FDCWD, a, AT_FDCWD, b, RENAME_EXCHANGE);
    }
    ~Swapper()
    {
        kill(pid_, SIGKILL);
        waitpid(pid_, nullptr, 0);
    }
    bool running() const { return pid_ > 0 && waitpid(pid_, nullptr, WNOHANG) == 0; }

private:
    pid_t pid_;
};

// Removes `name` in `dir` whatever it is by then, without following it,
// while the swapper turns it from one thing into another.
bool clear(int dir, const char *name)
{
    for (int tries = 0; tries < 10000; ++tries) {
        if (unlinkat(dir, name, 0) == 0 || errno == ENOENT ||
            (errno == EISDIR && (unlinkat(dir, name, AT_REMOVEDIR) == 0 || errno == ENOENT)))
            return true;
    }
    return false;
}

qint64 entriesBelow(const QByteArray &folder)
{
    static qint64 count;
    count = -1; // the folder itself
    const auto one = [](const char *, const struct stat *, int, struct FTW *) {
        ++count;
        return 0;
    };
    nftw(folder.constData(), one, 16, FTW_PHYS);
    return qMax<qint64>(count, 0);
}

// `levels` folders one in another, with a file at the bottom.
bool makeDeepTree(const QByteArray &in, const char *top, int levels)
{
    int fd = open(in.constData(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    for (int level = 0; level < levels && fd >= 0; ++level) {
        const char *name = level == 0 ? top : "d";
        const int next = mkdirat(fd, name, 0700) == 0 ? openat(fd, name, O_RDONLY) : -1;
        close(fd);
        fd = next;
    }
    const bool made =
        fd >= 0 && makeFile("/proc/self/fd/" + QByteArray::number(fd) + "/bottom", "x");
    if (fd >= 0)
        close(fd);
    return made;
}

} // namespace

class TestJobSafety : public QObject
{
    Q_OBJECT

    QByteArray home_ = QFile::encodeName(QDir::homePath());

private slots:
    void init() { QVERIFY(rawpath::makeFolders(home_ + "/work")); }
    void cleanup()
    {
        QVERIFY(tarnwick::removeTree(AT_FDCWD, (home_ + "/work").constData()).error == 0);
    }

    // A folder or file of ours in a folder where someone else may rename
    // entries is swapped for a link to a private file while Delete, erasing
    // from the trash and Permissions work on it, thousands of times: the
    // private file keeps its mode and its contents.
    void swappedLinksAreNeverFollowed_data()
    {
        QTest::addColumn<QString>("job");
        for (const char *job : {"delete", "erase from the trash", "permissions"})
            QTest::newRow(job) << QString::fromLatin1(job);
    }
    void swappedLinksAreNeverFollowed()
    {
        QFETCH(QString, job);
        const QByteArray work = home_ + "/work", victim = work + "/private.key";
        QVERIFY(makeFile(victim, "secret", 0600));
        // The shared folder; for the trash, the swap happens inside the item.
        const bool trash = job.startsWith("erase");
        const QByteArray files = work + "/Trash/files", shared = trash ? files + "/d" : work + "/s";
        QVERIFY(rawpath::makeFolders(files) && rawpath::makeFolders(work + "/Trash/info"));
        QVERIFY(chmod(work.constData(), 0711) == 0 && chmod(files.constData(), 0711) == 0);
        const TrashStore store(QFile::decodeName(work + "/Trash"));
        const char *entry = job == "permissions" ? "f" : "sub";
        QVERIFY(mkdir(shared.constData(), 0777) == 0);
        const auto start = [&]() -> Job * {
            if (job == "delete")
                return Jobs::erase({shared + "/sub"});
            if (job == "permissions")
                return Jobs::setPermissions({shared + "/f"}, 0044, 0);
            const auto item = store.item(shared);
            return item ? Jobs::eraseFromTrash({*item}, store) : nullptr;
        };

        const Swapper swapper(trash ? files : shared, trash ? "d/sub" : entry,
                              trash ? "d/alt" : "alt");
        QElapsedTimer clock;
        clock.start();
        int runs = 0;
        for (; clock.elapsed() < 1500; ++runs) {
            QVERIFY(mkdir(shared.constData(), 0777) == 0 || errno == EEXIST);
            QVERIFY(chmod(shared.constData(), 0777) == 0);
            const int dir = open(shared.constData(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
            QVERIFY(dir >= 0);
            QVERIFY(clear(dir, entry) && clear(dir, "alt"));
            // A folder we may not write is opened up before it is emptied;
            // a file asked to be readable by all gets that mode.
            const int made =
                job == "permissions"
                    ? openat(dir, entry, O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC, 0600)
                    : mkdirat(dir, entry, 0500);
            QVERIFY2(made >= 0, strerror(errno));
            if (job == "permissions")
                close(made);
            QVERIFY(symlinkat(victim.constData(), dir, "alt") == 0);
            close(dir);
            QVERIFY(!trash ||
                    makeFile(work + "/Trash/info/d.trashinfo", "[Trash Info]\nPath=/was/d\n"));
            Job *j = start();
            QVERIFY(j);
            run(j);
            struct stat st;
            QVERIFY(lstat(victim.constData(), &st) == 0);
            QVERIFY2((st.st_mode & 07777) == 0600,
                     qPrintable(QStringLiteral("mode %1 after %2 runs")
                                    .arg(st.st_mode & 07777, 0, 8)
                                    .arg(runs + 1)));
            QCOMPARE(readAll(victim), QByteArray("secret"));
        }
        QVERIFY(swapper.running());
        qInfo("%d runs", runs);
    }

    // Cancel stops Delete between entries, says how much went and how much is
    // left, and nothing more goes afterwards.
    void cancelStopsDeleting_data()
    {
        QTest::addColumn<bool>("fromTrash");
        QTest::addColumn<int>("goneBeforeCancel"); // of the 10 folders in the tree
        for (const bool fromTrash : {false, true}) {
            for (const int gone : {0, 1, 7})
                QTest::addRow("%s, after %d of 10 folders", fromTrash ? "trash" : "delete", gone)
                    << fromTrash << gone;
        }
    }
    void cancelStopsDeleting()
    {
        QFETCH(bool, fromTrash);
        QFETCH(int, goneBeforeCancel);
        const QByteArray work = home_ + "/work", files = work + "/Trash/files";
        const QByteArray big = fromTrash ? files + "/big" : work + "/big";
        QVERIFY(rawpath::makeFolders(big) && rawpath::makeFolders(work + "/Trash/info"));
        constexpr int Folders = 10, Files = 400, Total = Folders * (Files + 1);
        for (int d = 0; d < Folders; ++d) {
            const QByteArray sub = big + "/s" + QByteArray::number(d);
            QVERIFY(mkdir(sub.constData(), 0755) == 0);
            for (int f = 0; f < Files; ++f)
                QVERIFY(makeFile(sub + '/' + QByteArray::number(f), {}));
        }
        const TrashStore store(QFile::decodeName(work + "/Trash"));
        QVERIFY(makeFile(work + "/Trash/info/big.trashinfo", "[Trash Info]\nPath=/was/big\n"));
        const auto item = store.item(files + "/big");
        QVERIFY(!fromTrash || item);
        Job *job = fromTrash ? Jobs::eraseFromTrash({*item}, store) : Jobs::erase({big});
        QElapsedTimer stopping;
        const JobResult r = run(job, [&] {
            for (int gone = 0; gone < goneBeforeCancel;) {
                gone = 0;
                for (int d = 0; d < Folders; ++d)
                    gone += !rawpath::exists(big + "/s" + QByteArray::number(d));
            }
            job->cancel();
            stopping.start();
        });
        qInfo("ended %lld ms after Cancel", stopping.elapsed());
        const qint64 left = entriesBelow(big);
        QTRY_COMPARE(Background::runningCount(), 0); // the worker is gone...
        QCOMPARE(entriesBelow(big), left);           // ...and took nothing more with it
        if (left == 0 && !rawpath::exists(big))
            QSKIP("Delete ended before Cancel reached it");
        QVERIFY(r.cancelled);
        QCOMPARE(r.done, 0);
        QCOMPARE(r.errors.size(), 1);
        if (left == Total && r.errors.first().contains("were left as they were"))
            return; // cancelled before it began
        const QRegularExpressionMatch m =
            QRegularExpression("“big” was partly deleted before Cancel: ([0-9,]+) items in it "
                               "went, ([0-9,]+) are left\\.")
                .match(r.errors.first());
        QVERIFY2(m.hasMatch(), qPrintable(r.errors.first()));
        const QLocale locale;
        QCOMPARE(locale.toLongLong(m.captured(2)), left);
        QCOMPARE(locale.toLongLong(m.captured(1)) + left, qint64(Total));
        // An item of the trash stays listed while anything of it is left.
        if (fromTrash)
            QVERIFY(store.item(files + "/big"));
    }

    // Between items too: what Cancel found not yet started is left alone and
    // counted as such.
    void cancelStopsBetweenItems()
    {
        const QByteArray work = home_ + "/work";
        QList<QByteArray> paths;
        for (int i = 0; i < 3000; ++i) {
            paths << work + '/' + QByteArray::number(i);
            QVERIFY(makeFile(paths.last(), {}, 0600));
        }
        Job *job = Jobs::setPermissions(paths, 0044, 0);
        const JobResult r = run(job, [job] { job->cancel(); });
        const auto changed = [&] {
            return std::count_if(paths.begin(), paths.end(), [](const QByteArray &p) {
                struct stat st;
                return lstat(p.constData(), &st) == 0 && (st.st_mode & 07777) == 0644;
            });
        };
        const qsizetype atEnd = changed();
        QTRY_COMPARE(Background::runningCount(), 0);
        QCOMPARE(changed(), atEnd);
        QVERIFY(r.cancelled);
        QCOMPARE(qsizetype(r.done), atEnd);
        if (atEnd < paths.size())
            QCOMPARE(r.errors,
                     QStringList{
                         QStringLiteral("%1 item(s) were left as they were: the job was cancelled "
                                        "before them.")
                             .arg(paths.size() - atEnd)});
    }

    // A tree deeper than the limit of open files allows is deleted whole.
    void deepTreesAreDeleted()
    {
        const QByteArray top = home_ + "/work/deep";
        QVERIFY(makeDeepTree(home_ + "/work", "deep", 1500));
        struct rlimit was;
        QVERIFY(getrlimit(RLIMIT_NOFILE, &was) == 0);
        struct rlimit low = was;
        low.rlim_cur = 64;
        QVERIFY(setrlimit(RLIMIT_NOFILE, &low) == 0);
        const JobResult r = run(Jobs::erase({top}));
        setrlimit(RLIMIT_NOFILE, &was);
        QCOMPARE(r.errors, QStringList());
        QCOMPARE(r.done, 1);
        QVERIFY(!rawpath::exists(top));
    }

    // A copy that could not take the whole of a deep tree along, for lack of
    // descriptors under a low hard limit, is never counted as done.
    void partCopiedTreesAreNotDone()
    {
        const QByteArray work = home_ + "/work";
        QVERIFY(makeDeepTree(work, "deep", 1500));
        QVERIFY(rawpath::makeFolders(work + "/to"));
        QProcess child;
        child.setChildProcessModifier([] {
            const struct rlimit low
            {
                256, 256
            };
            setrlimit(RLIMIT_NOFILE, &low);
        });
        child.start(QCoreApplication::applicationDirPath() + "/transfer_child",
                    {"copy", QFile::decodeName(work + "/to"), QFile::decodeName(work + "/deep")});
        QVERIFY(child.waitForFinished(60000));
        QCOMPARE(child.exitCode(), 1);
        QVERIFY(child.readAllStandardError().contains("Too many open files"));
    }
};

TARNWICK_TEST_MAIN(TestJobSafety)
#include "test_jobsafety.moc"
