#include "testenv.h"
#include "transfertesting.h"

#include "operationswindow.h"

#include <QDeadlineTimer>
#include <QPushButton>
#include <QTemporaryDir>
#include <QThread>

#include <array>
#include <cstring>
#include <dirent.h>
#include <fcntl.h>
#include <sys/stat.h>

using namespace tarnwick;
using namespace tarnwick::test;
using rawpath::join;

// A transfer goes on past a question: the item it is about waits aside
// while the others are placed, and is placed once the answer comes.
class TestTransferQueue : public QObject
{
    Q_OBJECT

private slots:
    void questionsWaitAside_data()
    {
        QTest::addColumn<QList<int>>("taken");     // items already in the target
        QTest::addColumn<QStringList>("answers");  // see script()
        QTest::addColumn<int>("asked");            // questions put in all
        QTest::addColumn<QList<bool>>("replaced"); // per taken item
        QTest::newRow("replace, late") << QList{1} << QStringList{"R"} << 1 << QList{true};
        QTest::newRow("skip, late") << QList{1} << QStringList{"S"} << 1 << QList{false};
        QTest::newRow("skip for all")
            << QList{1, 10, 20} << QStringList{"S*"} << 1 << QList{false, false, false};
        QTest::newRow("replace for all")
            << QList{1, 10, 20} << QStringList{"R*"} << 1 << QList{true, true, true};
        QTest::newRow("one by one")
            << QList{1, 10} << QStringList{"R", "S"} << 2 << QList{true, false};
    }

    void questionsWaitAside()
    {
        QFETCH(QList<int>, taken);
        QFETCH(QStringList, answers);
        QFETCH(int, asked);
        QFETCH(QList<bool>, replaced);
        QTemporaryDir dir;
        const QByteArray src = QFile::encodeName(dir.path()) + "/src",
                         dst = QFile::encodeName(dir.path()) + "/dst";
        QVERIFY(mkdir(src.constData(), 0755) == 0 && mkdir(dst.constData(), 0755) == 0);
        constexpr int Count = 40;
        QList<QByteArray> sources;
        for (int i = 0; i < Count; ++i) {
            const QByteArray name = "f" + QByteArray::number(i);
            QVERIFY(makeFile(join(src, name), "new " + name));
            if (taken.contains(i))
                QVERIFY(makeFile(join(dst, name), "old"));
            sources << join(src, name);
        }

        FileTransfer t(JobKind::Copy, sources, dst);
        auto later = script(answers);
        const auto first = later.takeFirst();
        std::atomic<int> questions = 0;
        // The first question stays open; any after it is answered at once.
        QObject::connect(
            &t, &FileTransfer::conflict, &t,
            [&](const Conflict &) {
                if (questions++ > 0 && !later.isEmpty()) {
                    const auto [choice, all] = later.takeFirst();
                    t.answerConflict(choice, all);
                }
            },
            Qt::DirectConnection);
        QSignalSpy finished(&t, &FileTransfer::finished);
        t.start();
        const auto arrived = [&] {
            int n = 0;
            for (int i = 0; i < Count; ++i)
                n += !taken.contains(i) &&
                     access(join(dst, "f" + QByteArray::number(i)).constData(), F_OK) == 0;
            return n;
        };
        QTRY_COMPARE_WITH_TIMEOUT(arrived(), Count - int(taken.size()), 10000);
        QCOMPARE(questions.load(), 1);
        QVERIFY(finished.isEmpty());

        t.answerConflict(first.first, first.second);
        QVERIFY(waitEmitted(finished, 10000));
        const JobResult r = finished.at(0).at(0).value<JobResult>();
        QCOMPARE(questions.load(), asked);
        QCOMPARE(r.done + r.skipped, Count);
        for (qsizetype k = 0; k < taken.size(); ++k) {
            const QByteArray name = "f" + QByteArray::number(taken[k]);
            QCOMPARE(readAll(join(dst, name)), replaced[k] ? "new " + name : QByteArray("old"));
        }
    }

    // A failure waits aside as a conflict does, and an item inside a folder
    // merged into one of the same name waits aside too.
    void setAsideAtAnyDepth_data()
    {
        QTest::addColumn<bool>("nested");    // the items are in a folder merged into another
        QTest::addColumn<bool>("failing");   // f1 cannot be read, else one is already there
        QTest::addColumn<QString>("answer"); // about f1: R or S, or retry or skip
        QTest::addColumn<bool>("arrives");
        QTest::addColumn<bool>("move"); // the emptied folder then goes too
        QTest::newRow("failure, retried") << false << true << "retry" << true << false;
        QTest::newRow("failure, skipped") << false << true << "skip" << false << false;
        QTest::newRow("failure in a merged folder") << true << true << "retry" << true << false;
        QTest::newRow("conflict in a merged folder, replaced")
            << true << false << "R" << true << false;
        QTest::newRow("conflict in a merged folder, skipped")
            << true << false << "S" << false << false;
        QTest::newRow("conflict in a merged folder, moved") << true << false << "R" << true << true;
    }

    void setAsideAtAnyDepth()
    {
        QFETCH(bool, nested);
        QFETCH(bool, failing);
        QFETCH(QString, answer);
        QFETCH(bool, arrives);
        QFETCH(bool, move);
        QTemporaryDir dir;
        const QByteArray src = QFile::encodeName(dir.path()) + "/src",
                         dst = QFile::encodeName(dir.path()) + "/dst";
        const QByteArray from = nested ? src + "/d" : src, to = nested ? dst + "/d" : dst;
        QVERIFY(rawpath::makeFolders(from) && rawpath::makeFolders(to));
        constexpr int Count = 40;
        QList<QByteArray> sources{from};
        for (int i = 0; i < Count; ++i) {
            const QByteArray name = "f" + QByteArray::number(i);
            QVERIFY(makeFile(join(from, name), "new " + name));
            if (!nested)
                sources << join(from, name);
        }
        if (!nested)
            sources.removeFirst();
        if (!failing)
            QVERIFY(makeFile(join(to, "f1"), "old"));

        FileTransfer t(move ? JobKind::Move : JobKind::Copy, sources, dst);
        std::atomic<bool> failNow = failing;
        t.setFaultHook([&](FaultPoint p, const QByteArray &path) {
            return failNow && p == FaultPoint::Read && path.endsWith("/f1") ? EIO : 0;
        });
        std::atomic<int> asked = 0;
        // The folder's own question is answered at once: merge.
        QObject::connect(
            &t, &FileTransfer::conflict, &t,
            [&](const Conflict &c) {
                if (c.source == from)
                    t.answerConflict(ConflictChoice::Replace, false);
                else
                    ++asked;
            },
            Qt::DirectConnection);
        QObject::connect(
            &t, &FileTransfer::error, &t, [&] { ++asked; }, Qt::DirectConnection);
        QSignalSpy finished(&t, &FileTransfer::finished);
        t.start();
        const auto arrived = [&] {
            int n = 0;
            for (int i = 0; i < Count; ++i) {
                const QByteArray name = "f" + QByteArray::number(i);
                n += i != 1 && readAll(join(to, name)) == "new " + name;
            }
            return n;
        };
        QTRY_COMPARE_WITH_TIMEOUT(arrived(), Count - 1, 10000);
        QCOMPARE(asked.load(), 1);
        QVERIFY(finished.isEmpty());

        failNow = false;
        if (failing)
            t.answerError(answer == "retry" ? ErrorChoice::Retry : ErrorChoice::Skip);
        else
            t.answerConflict(script({answer}).at(0).first, false);
        QVERIFY(waitEmitted(finished, 10000));
        const JobResult r = finished.at(0).at(0).value<JobResult>();
        QCOMPARE(readAll(join(to, "f1")) == "new f1", arrives);
        QCOMPARE(r.errors.size(), failing && !arrives ? 1 : 0);
        QCOMPARE(r.done, failing && !arrives ? sources.size() - 1 : sources.size());
        QCOMPARE(asked.load(), 1);
        QCOMPARE(rawpath::exists(from), !move);
    }

    // Paused, a transfer places nothing more until resumed.
    void pauseHoldsTheWork_data()
    {
        QTest::addColumn<bool>("midFile"); // paused at its first block, else before it begins
        QTest::newRow("before the first item") << false;
        QTest::newRow("between blocks") << true;
    }

    void pauseHoldsTheWork()
    {
        QFETCH(bool, midFile);
        QTemporaryDir dir;
        const QByteArray src = QFile::encodeName(dir.path()) + "/src",
                         dst = QFile::encodeName(dir.path()) + "/dst";
        QVERIFY(mkdir(src.constData(), 0755) == 0 && mkdir(dst.constData(), 0755) == 0);
        QList<QByteArray> sources;
        for (int i = 0; i < 3; ++i) {
            sources << join(src, "f" + QByteArray::number(i));
            QVERIFY(makeFile(sources.last(), QByteArray(8 << 20, char('a' + i))));
        }
        FileTransfer t(JobKind::Copy, sources, dst);
        t.setProgressInterval(0);
        t.setFaultHook([](FaultPoint, const QByteArray &) { return 0; }); // block by block
        std::atomic<qint64> bytes = -1;
        std::atomic<bool> pausedOnce = false;
        QObject::connect(
            &t, &FileTransfer::progress, &t,
            [&](const QString &, qint64 done, qint64, int, int) {
                bytes = done;
                if (midFile && done > 0 && !pausedOnce.exchange(true))
                    t.setPaused(true);
            },
            Qt::DirectConnection);
        QSignalSpy finished(&t, &FileTransfer::finished);
        if (!midFile)
            t.setPaused(true);
        t.start();
        if (midFile)
            QTRY_VERIFY(pausedOnce.load());
        QTest::qWait(100);
        const qint64 held = bytes;
        QTest::qWait(300);
        QCOMPARE(bytes.load(), held);
        QVERIFY(finished.isEmpty());
        QCOMPARE(held > 0, midFile);

        t.setPaused(false);
        QVERIFY(waitEmitted(finished, 15000));
        QCOMPARE(finished.at(0).at(0).value<JobResult>().done, 3);
        for (const QByteArray &s : sources)
            QCOMPARE(readAll(join(dst, rawpath::baseName(s))), readAll(s));
    }

    // The list of operations: a second transfer onto the same disk waits
    // until started at once, and each row's Pause, Resume and Cancel act on
    // its own job only.
    void rowsControlTheirJobs()
    {
        QTemporaryDir dir;
        const QByteArray root = QFile::encodeName(dir.path());
        QWidget main;
        main.show();
        QVERIFY(QTest::qWaitForWindowActive(&main));
        const auto [a, b] = twoSlowCopies(root, root, {false, true});
        OperationsWindow &w = OperationsWindow::shared();
        QTRY_COMPARE(w.rowCount(), 2);
        QVERIFY(w.isVisible());
        QCOMPARE(QApplication::activeWindow(), &main);
        QVERIFY(names(b->folder).isEmpty());
        QVERIFY(!button(w, "Pause %1", b->what)->isEnabled());
        button(w, "Start %1 now", b->what)->click();
        QTRY_VERIFY(bytesIn(b->folder) > 0);

        // The block under way when Pause came still lands; after it, nothing.
        button(w, "Pause %1", a->what)->click();
        const auto steady = [&] {
            const qint64 before = bytesIn(a->folder);
            QTest::qWait(300);
            return bytesIn(a->folder) == before;
        };
        QTRY_VERIFY(steady());
        const qint64 held = bytesIn(a->folder);
        QTest::qWait(400);
        QCOMPARE(bytesIn(a->folder), held);
        QVERIFY(!a->ended);
        button(w, "Resume %1", a->what)->click(); // and it ends complete, below

        button(w, "Cancel %1", b->what)->click();
        b->held = false;
        QTRY_VERIFY_WITH_TIMEOUT(a->ended && b->ended, 20000);
        QVERIFY(b->result.cancelled && !a->result.cancelled);
        QCOMPARE(a->result.done, 4);
        for (const QByteArray &n : names(b->folder))
            QVERIFY2(!n.contains(".tarnwick-part"), n.constData());
        QTRY_COMPARE(w.rowCount(), 0);
        QVERIFY(!w.isVisible());
    }

    // Onto another disk (st_dev), a second transfer does not wait.
    void otherDisksRunTogether()
    {
        QTemporaryDir dir;
        const QByteArray root = QFile::encodeName(dir.path());
        ScratchVolume volume(dir.path(), "64m");
        if (!volume.isMounted())
            QSKIP(qPrintable(volume.whyNot()));
        const auto [a, b] = twoSlowCopies(root, volume.encodedPath(), {true, true});
        QTRY_VERIFY(bytesIn(a->folder) > 0 && bytesIn(b->folder) > 0);
        QVERIFY(!a->ended && !b->ended);
        a->held = b->held = false;
        QTRY_VERIFY_WITH_TIMEOUT(a->ended && b->ended, 20000);
        QCOMPARE(a->result.done + b->result.done, 8);
    }

    // A question waits in its job's row, the job going on meanwhile, until
    // the user chooses to answer it there.
    void questionAnsweredFromItsRow()
    {
        struct RowAsker : ScriptedAsker
        {
            bool waitsInRow() const override { return true; }
        } asker;
        asker.conflictAnswers = script({"R"});
        QTemporaryDir dir;
        const QByteArray src = QFile::encodeName(dir.path()) + "/src",
                         dst = QFile::encodeName(dir.path()) + "/dst";
        QVERIFY(mkdir(src.constData(), 0755) == 0 && mkdir(dst.constData(), 0755) == 0);
        QList<QByteArray> sources;
        for (const char *n : {"f0", "f1", "f2"}) {
            sources << join(src, n);
            QVERIFY(makeFile(sources.last(), "new"));
        }
        QVERIFY(makeFile(join(dst, "f1"), "old"));
        bool ended = false;
        JobRunner *runner = runJob(new FileTransfer(JobKind::Copy, sources, dst), nullptr, asker);
        QObject::connect(runner, &JobRunner::finished, runner, [&] { ended = true; });
        OperationsWindow &w = OperationsWindow::shared();
        const QString what = QStringLiteral("Copying 3 items to \u201cdst\u201d");
        QTRY_VERIFY(button(w, "Answer the question of %1", what));
        QTRY_VERIFY(readAll(join(dst, "f0")) == "new" && readAll(join(dst, "f2")) == "new");
        QVERIFY(asker.conflicts.isEmpty() && !ended);
        button(w, "Answer the question of %1", what)->click();
        QTRY_VERIFY(ended);
        QCOMPARE(asker.conflicts.size(), 1);
        QCOMPARE(readAll(join(dst, "f1")), QByteArray("new"));
    }

    // Closing the last window while jobs run: they finish first, or are
    // cancelled and clean up, and only then does the program end.
    void endingWithJobsRunning_data()
    {
        QTest::addColumn<bool>("finish");
        QTest::newRow("let them finish") << true;
        QTest::newRow("cancel them") << false;
    }

    void endingWithJobsRunning()
    {
        QFETCH(bool, finish);
        QTemporaryDir dir;
        const QByteArray root = QFile::encodeName(dir.path());
        const auto [a, b] = twoSlowCopies(root, root, {true, false});
        QTRY_VERIFY(bytesIn(a->folder) > 0);
        RecordingMessages messages;
        messages.confirmAnswers = {finish};
        QWidget window;
        window.show();
        bool ended = false, afterJobs = false;
        endAfterJobs(&window, messages, [&, a = a, b = b] {
            ended = true;
            afterJobs = a->ended && b->ended;
        });
        QCOMPARE(messages.confirmations.size(), 1);
        QVERIFY(!window.isVisible());
        QVERIFY(!ended);
        a->held = false;
        QTRY_VERIFY_WITH_TIMEOUT(ended, 30000);
        QVERIFY(afterJobs);
        QCOMPARE(a->result.cancelled, !finish);
        QCOMPARE(b->result.cancelled, !finish);
        QCOMPARE(a->result.done + b->result.done, finish ? 8 : a->result.done);
        for (const QByteArray &folder : {a->folder, b->folder}) {
            for (const QByteArray &n : names(folder))
                QVERIFY2(!n.contains(".tarnwick-part"), n.constData());
        }
    }

private:
    struct Run
    {
        QByteArray folder;
        QString what;
        bool ended = false;
        JobResult result;
        std::atomic<bool> held = false; // stop once something has landed, until cleared
    };

    // Two copies of four 8 MiB files, each block held up a little, to
    // folders under `first` and `second`. A copy started `held` goes no
    // further than the first block it writes until its test lets it.
    static std::pair<std::shared_ptr<Run>, std::shared_ptr<Run>>
    twoSlowCopies(const QByteArray &first, const QByteArray &second, std::array<bool, 2> held = {})
    {
        const QByteArray src = first + "/src";
        mkdir(src.constData(), 0755);
        QList<QByteArray> sources;
        for (int i = 0; i < 4; ++i) {
            sources << join(src, "f" + QByteArray::number(i));
            makeFile(sources.last(), QByteArray(8 << 20, char('a' + i)));
        }
        std::shared_ptr<Run> runs[2];
        for (int k = 0; k < 2; ++k) {
            auto run = std::make_shared<Run>();
            run->held = held[k];
            run->folder = (k == 0 ? first + "/a" : second + "/b");
            mkdir(run->folder.constData(), 0755);
            run->what = QStringLiteral("Copying 4 items to \u201c%1\u201d")
                            .arg(QString::fromUtf8(rawpath::baseName(run->folder)));
            auto *t = new FileTransfer(JobKind::Copy, sources, run->folder);
            t->setProgressInterval(0);
            t->setFaultHook([run](FaultPoint p, const QByteArray &) {
                if (p != FaultPoint::Read)
                    return 0;
                QThread::msleep(150);
                const QDeadlineTimer limit(20000); // a failed test lets go in the end
                if (run->held && bytesIn(run->folder) > 0)
                    while (run->held && !limit.hasExpired())
                        QThread::msleep(5);
                return 0;
            });
            JobRunner *runner = runJob(t, nullptr, asker());
            QObject::connect(runner, &JobRunner::finished, runner, [run](const JobResult &r) {
                run->ended = true;
                run->result = r;
            });
            runs[k] = run;
        }
        return {runs[0], runs[1]};
    }

    static ScriptedAsker &asker()
    {
        static ScriptedAsker instance;
        return instance;
    }

    static QPushButton *button(OperationsWindow &w, const char *name, const QString &what)
    {
        const QString wanted = QString::fromUtf8(name).arg(what);
        for (QPushButton *b : w.findChildren<QPushButton *>()) {
            if (b->accessibleName() == wanted && b->isVisible())
                return b;
        }
        return nullptr;
    }

    // What the folder holds, counted again if a part file was renamed as
    // it was being counted.
    static qint64 bytesIn(const QByteArray &folder)
    {
        for (;;) {
            DIR *dir = opendir(folder.constData());
            if (!dir)
                return 0;
            qint64 n = 0;
            bool moved = false;
            struct stat st;
            while (const dirent *e = readdir(dir)) {
                if (e->d_name[0] == '.' && (!e->d_name[1] || !strcmp(e->d_name, "..")))
                    continue;
                if (fstatat(dirfd(dir), e->d_name, &st, AT_SYMLINK_NOFOLLOW) == 0)
                    n += st.st_size;
                else
                    moved = true;
            }
            closedir(dir);
            if (!moved)
                return n;
        }
    }
};

TARNWICK_TEST_MAIN(TestTransferQueue)
#include "test_transferqueue.moc"
