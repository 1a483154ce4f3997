#include "testenv.h"
#include "transfertesting.h"

using namespace tarnwick;
using namespace tarnwick::test;
using rawpath::join;

// The row's kind, and its target: a folder on a file system of the test's own
// where that is another file system.
#define FETCH_KIND_AND_TARGET                                                                      \
    QFETCH(bool, move);                                                                            \
    QFETCH(bool, acrossDevices);                                                                   \
    if (acrossDevices && !crossDevice())                                                           \
        QSKIP(qPrintable(scratch_->volume.whyNot()));                                              \
    const JobKind kind = move ? JobKind::Move : JobKind::Copy;                                     \
    const QByteArray target = acrossDevices ? other_ : dst_

class TestFileOperations : public QObject
{
    Q_OBJECT

    QByteArray work_, src_, dst_, other_;
    std::unique_ptr<TransferScratch> scratch_;

    JobResult run(JobKind kind, const QList<QByteArray> &sources, const QByteArray &target,
                  ScriptedAsker &asker)
    {
        return runTransferModal(kind, sources, target, nullptr, asker);
    }
    // A tree with every kind of entry, each with its own mode and time.
    void makeTree(const QByteArray &tree)
    {
        QVERIFY(mkdir(tree.constData(), 0750) == 0 &&
                mkdir((tree + "/sub").constData(), 0755) == 0);
        QVERIFY(makeFile(tree + "/a.txt", "alpha", 0640) &&
                makeFile(tree + "/run.sh", "#!", 0755) &&
                makeFile(tree + "/sub/deep.bin", QByteArray(3000, '\x7f'), 0600));
        QVERIFY(symlink("a.txt", (tree + "/link").constData()) == 0 &&
                symlink("/nonexistent/x", (tree + "/dangling").constData()) == 0);
        const int fd = open((tree + "/sparse").constData(), O_WRONLY | O_CREAT, 0644);
        QVERIFY(fd >= 0 && ftruncate(fd, 5 << 20) == 0 && pwrite(fd, "end", 3, 5 << 20) == 3);
        close(fd);
        QVERIFY(chmod((tree + "/sub").constData(), 0555) == 0);
        long ns = 1400000000123456789;
        for (const char *n : {"/a.txt", "/link", "/sub", ""}) {
            const timespec t[2] = {{ns / 1000000000, ns % 1000000000}, {0, UTIME_OMIT}};
            QVERIFY(utimensat(AT_FDCWD, (tree + n).constData(), t, AT_SYMLINK_NOFOLLOW) == 0);
            ns += 1000000007;
        }
    }
    bool crossDevice() const
    {
        struct stat a, b;
        return stat(work_.constData(), &a) == 0 && stat(other_.constData(), &b) == 0 &&
               a.st_dev != b.st_dev;
    }
    static void kindRows(const QList<std::tuple<const char *, bool, bool>> &rows)
    {
        QTest::addColumn<bool>("move");
        QTest::addColumn<bool>("acrossDevices");
        for (const auto &[name, move, across] : rows)
            QTest::newRow(name) << move << across;
    }

private slots:
    void initTestCase()
    {
        scratch_ = std::make_unique<TransferScratch>();
        other_ = scratch_->other;
    }
    void cleanupTestCase() { scratch_.reset(); }
    void init()
    {
        work_ = QFile::encodeName(QDir::homePath()) + "/work";
        src_ = work_ + "/src";
        dst_ = work_ + "/dst";
        for (const QByteArray &d : {work_, other_})
            QVERIFY(tarnwick::removeTree(AT_FDCWD, d.constData()).error == 0);
        QVERIFY(rawpath::makeFolders(src_) && rawpath::makeFolders(dst_));
        QVERIFY(mkdir(other_.constData(), 0755) == 0);
    }

    void copyAndMove_data()
    {
        kindRows({{"copy", false, false},
                  {"move", true, false},
                  {"copy to another file system", false, true},
                  {"move to another file system", true, true}});
    }
    void copyAndMove()
    {
        FETCH_KIND_AND_TARGET;
        makeTree(src_ + "/tree");
        QVERIFY(makeFile(src_ + "/single.txt", "one", 0600));
        const auto tree = snapshot(src_ + "/tree"), single = snapshot(src_ + "/single.txt");

        ScriptedAsker asker;
        const JobResult r = run(kind, {src_ + "/tree/", src_ + "/single.txt"}, target, asker);
        QCOMPARE(r.done, 2);
        QCOMPARE(r.created, (QList<QByteArray>{target + "/tree", target + "/single.txt"}));
        QVERIFY(r.errors.isEmpty() && asker.conflicts.isEmpty() && asker.errorsAsked.isEmpty());
        QCOMPARE(snapshot(target + "/tree"), tree);
        QCOMPARE(snapshot(target + "/single.txt"), single);
        QCOMPARE(names(src_).isEmpty(), move);
        if (!move)
            QCOMPARE(snapshot(src_ + "/tree"), tree);
        QVERIFY(!names(target).join().contains("tarnwick-part"));
        struct stat st; // holes stay holes
        QVERIFY(stat((target + "/tree/sparse").constData(), &st) == 0 && st.st_blocks < 1024);
    }

    void conflicts_data()
    {
        QTest::addColumn<bool>("move");
        QTest::addColumn<QStringList>("answers");
        QTest::addColumn<int>("questions");
        QTest::addColumn<QByteArray>("expected"); // the target afterwards
        QTest::addColumn<bool>("cancelled");
        const auto row = [](const char *name, bool move, const char *answers, int questions,
                            const char *expected, bool cancelled) {
            QTest::newRow(name) << move << QString(answers).split(' ') << questions
                                << QByteArray(expected) << cancelled;
        };
        const char *old = "a.txt=old|b.txt=old|c=old", *fresh = "a.txt=new|b.txt=new|c=new";
        row("skip", false, "S S S", 3, old, false);
        row("keep both", false, "K S K", 3, "a (2).txt=new|a.txt=old|b.txt=old|c=old|c (2)=new",
            false);
        row("cancel", false, "R C", 2, "a.txt=new|b.txt=old|c=old", true);
        row("replace all", false, "R*", 1, fresh, false);
        row("skip all", false, "S*", 1, old, false);
        row("keep both all", false, "K*", 1,
            "a (2).txt=new|a.txt=old|b (2).txt=new|b.txt=old|c=old|c (2)=new", false);
        row("move, replace all", true, "R*", 1, fresh, false);
        row("move, cancel", true, "S C", 2, old, true);
    }
    void conflicts()
    {
        QFETCH(bool, move);
        QFETCH(QStringList, answers);
        QFETCH(int, questions);
        QFETCH(QByteArray, expected);
        QFETCH(bool, cancelled);
        QList<QByteArray> sources;
        for (const char *n : {"a.txt", "b.txt", "c"}) {
            QVERIFY(makeFile(join(dst_, n), "old") && makeFile(join(src_, n), "new"));
            sources << join(src_, n);
        }
        ScriptedAsker asker;
        asker.conflictAnswers = script(answers);
        const JobResult r = run(move ? JobKind::Move : JobKind::Copy, sources, dst_, asker);
        QCOMPARE(asker.conflicts.size(), questions);
        QCOMPARE(asker.conflicts[0].target, dst_ + "/a.txt");
        QVERIFY(asker.conflicts[0].mayReplace && asker.conflicts[0].sourceSize == 3);
        QCOMPARE(r.cancelled, cancelled);
        QByteArrayList got;
        for (const QByteArray &n : names(dst_))
            got << n + '=' + readAll(join(dst_, n));
        QCOMPARE(got.join('|'), expected);
        for (const QByteArray &s : sources) // a moved source goes once it has arrived
            QCOMPARE(rawpath::exists(s), !move || !got.contains(rawpath::baseName(s) + "=new"));
    }

    // Pasting into the item's own folder: never replaced by itself.
    void ownFolder_data()
    {
        QTest::addColumn<bool>("folder");
        QTest::addColumn<QString>("answer");
        QTest::addColumn<QList<QByteArray>>("expected");
        QTest::newRow("file, replace") << false << "R" << QList<QByteArray>{"a.txt"};
        QTest::newRow("file, keep both") << false << "K" << QList<QByteArray>{"a (2).txt", "a.txt"};
        QTest::newRow("folder, keep both")
            << true << "K" << QList<QByteArray>{"a.txt", "a.txt (2)", "a.txt (2)/f", "a.txt/f"};
    }
    void ownFolder()
    {
        QFETCH(bool, folder);
        QFETCH(QString, answer);
        QFETCH(QList<QByteArray>, expected);
        const QByteArray item = src_ + "/a.txt", file = folder ? item + "/f" : item;
        QVERIFY(!folder || mkdir(item.constData(), 0755) == 0);
        QVERIFY(makeFile(file, "keep me"));
        ScriptedAsker asker;
        asker.conflictAnswers = script({answer, answer});
        const JobResult r = run(JobKind::Copy, {item}, src_, asker);
        QCOMPARE(asker.conflicts.size(), 1);
        QVERIFY(!asker.conflicts[0].mayReplace);
        QCOMPARE(names(src_), expected);
        QCOMPARE(readAll(file), QByteArray("keep me"));
        QCOMPARE(r.done + r.skipped, 1);
        QCOMPARE(asker.reported.size(), answer.startsWith('R') ? 1 : 0);
    }

    // Folders of the same name merge; what cannot be replaced stays.
    void merge()
    {
        QVERIFY(rawpath::makeFolders(src_ + "/tree/sub") && rawpath::makeFolders(dst_ + "/tree"));
        QVERIFY(makeFile(src_ + "/tree/x", "new x") && makeFile(src_ + "/tree/z", "z") &&
                makeFile(src_ + "/tree/sub/in", "in"));
        QVERIFY(makeFile(dst_ + "/tree/x", "old x") && makeFile(dst_ + "/tree/y", "y") &&
                makeFile(dst_ + "/tree/sub", "a file where the folder would go"));
        ScriptedAsker asker;
        asker.conflictAnswers = script({"R", "R", "R"}); // tree, x, sub
        const JobResult r = run(JobKind::Move, {src_ + "/tree"}, dst_, asker);
        QCOMPARE(asker.conflicts.size(), 3);
        QVERIFY(asker.conflicts[0].mayReplace && asker.conflicts[0].sourceIsDir);
        QCOMPARE(readAll(dst_ + "/tree/x"), QByteArray("new x"));
        QCOMPARE(readAll(dst_ + "/tree/y") + readAll(dst_ + "/tree/z"), QByteArray("yz"));
        QCOMPARE(readAll(dst_ + "/tree/sub"), QByteArray("a file where the folder would go"));
        QCOMPARE(names(src_), (QList<QByteArray>{"tree", "tree/sub", "tree/sub/in"}));
        QCOMPARE(r.errors.size(), 1);
        QCOMPARE(r.created, QList<QByteArray>{dst_ + "/tree"});
    }

    // A pipe cannot be copied; the rest of its folder can.
    void failureMidway_data()
    {
        QTest::addColumn<bool>("move");
        QTest::addColumn<bool>("acrossDevices");
        QTest::addColumn<ErrorChoice>("answer");
        QTest::newRow("skip") << false << false << ErrorChoice::Skip;
        QTest::newRow("cancel") << false << false << ErrorChoice::Cancel;
        QTest::newRow("retry") << false << false << ErrorChoice::Retry;
        QTest::newRow("move to another file system, skip") << true << true << ErrorChoice::Skip;
        QTest::newRow("move to another file system, cancel") << true << true << ErrorChoice::Cancel;
    }
    void failureMidway()
    {
        QFETCH(ErrorChoice, answer);
        FETCH_KIND_AND_TARGET;
        const QByteArray tree = src_ + "/tree";
        QVERIFY(mkdir(tree.constData(), 0755) == 0 &&
                mkfifo((tree + "/pipe").constData(), 0644) == 0);
        for (const char *n : {"/a", "/b", "/c"})
            QVERIFY(makeFile(tree + n, n));
        const auto before = snapshot(tree);
        ScriptedAsker asker;
        asker.errorAnswers = {answer};
        bool intactWhenAsked = false; // and nothing under the final name yet
        asker.onAsk = [&] {
            intactWhenAsked = snapshot(tree) == before && !rawpath::exists(target + "/tree");
            if (answer == ErrorChoice::Retry) // put right in the meantime
                QVERIFY(unlink((tree + "/pipe").constData()) == 0 && makeFile(tree + "/pipe", "p"));
        };
        const JobResult r = run(kind, {tree}, target, asker);
        QVERIFY(intactWhenAsked);
        QCOMPARE(asker.errorsAsked.size(), 1);
        QVERIFY(asker.errorsAsked[0].contains("pipe"));
        QCOMPARE(r.cancelled, answer == ErrorChoice::Cancel);
        QCOMPARE(asker.reported, r.errors);
        QCOMPARE(r.errors.size(), answer == ErrorChoice::Skip ? 1 : 0);
        const QList<QByteArray> copied{"tree", "tree/a", "tree/b", "tree/c", "tree/pipe"};
        QCOMPARE(names(target), answer == ErrorChoice::Cancel ? QList<QByteArray>()
                                : answer == ErrorChoice::Skip ? copied.mid(0, 4)
                                                              : copied);
        if (answer == ErrorChoice::Cancel || !move)
            QCOMPARE(snapshot(tree).size(), before.size());
        else // only what arrived has gone
            QCOMPARE(names(src_), (QList<QByteArray>{"tree", "tree/pipe"}));
    }

    void cancelLargeCopy_data()
    {
        kindRows({{"copy", false, false}, {"move to another file system", true, true}});
    }
    void cancelLargeCopy()
    {
        FETCH_KIND_AND_TARGET;
        const QByteArray big = src_ + "/big";
        QVERIFY(makeFile(big, QByteArray(8 << 20, 'd')));
        FileTransfer t(kind, {big}, target);
        const JobResult r = runPlain(t, [&t](qint64 done, qint64 total, int) {
            if (done > 1 << 20 && done < total)
                t.cancel();
        });
        QVERIFY(r.cancelled && r.done == 0);
        QCOMPARE(names(target), QList<QByteArray>());
        struct stat st;
        QVERIFY(stat(big.constData(), &st) == 0 && st.st_size == 8 << 20);
    }

    // Between an item's copy and its final step: what changed is never lost.
    void changedMidway_data()
    {
        QTest::addColumn<bool>("move");
        QTest::addColumn<bool>("acrossDevices");
        QTest::addColumn<QByteArray>("changed"); // in src/ or dst/
        QTest::addColumn<QString>("error");
        QTest::newRow("the name taken in the target")
            << false << false << QByteArray("dst/f") << "";
        QTest::newRow("the source grown, moving to another file system")
            << true << true << QByteArray("src/f") << "did not match";
    }
    void changedMidway()
    {
        QFETCH(QByteArray, changed);
        QFETCH(QString, error);
        FETCH_KIND_AND_TARGET;
        const QByteArray file = src_ + "/f";
        changed = work_ + '/' + changed;
        QVERIFY(makeFile(file, "0123456789"));
        FileTransfer t(kind, {file}, target);
        const JobResult r = runPlain(t, [&](qint64, qint64, int filesDone) {
            if (filesDone == 1 && !readAll(changed).startsWith("changed"))
                QVERIFY(makeFile(changed, "changed meanwhile"));
        });
        QCOMPARE(r.skipped, 1);
        QCOMPARE(r.errors.size(), error.isEmpty() ? 0 : 1);
        QVERIFY(r.errors.join("").contains(error));
        QCOMPARE(readAll(changed), QByteArray("changed meanwhile"));
        QCOMPARE(names(target), move ? QList<QByteArray>() : QList<QByteArray>{"f"});
    }

    void refusals_data()
    {
        QTest::addColumn<JobKind>("kind");
        QTest::addColumn<QByteArray>("source");
        QTest::addColumn<QByteArray>("target"); // in src/
        QTest::addColumn<QString>("message");
        const auto row = [](const char *name, JobKind kind, const char *source, const char *target,
                            const char *message) {
            QTest::newRow(name) << kind << QByteArray(source) << QByteArray(target)
                                << QString(message);
        };
        const auto copy = JobKind::Copy, move = JobKind::Move;
        row("into itself", copy, "tree", "tree", "into itself");
        row("into its subfolder", move, "tree", "tree/sub/deeper", "into itself");
        row("into itself by a link", copy, "tree", "linked/sub", "into itself");
        row("target a file", copy, "file", "file", "is not a folder");
        row("target missing", copy, "file", "nowhere", "does not exist");
        row("source missing", move, "gone", "tree", "no longer exists");
        row("move into own folder", move, "file", "", "already in this folder");
    }
    void refusals()
    {
        QFETCH(JobKind, kind);
        QFETCH(QByteArray, source);
        QFETCH(QByteArray, target);
        QFETCH(QString, message);
        QVERIFY(rawpath::makeFolders(src_ + "/tree/sub/deeper") && makeFile(src_ + "/file", "f"));
        QVERIFY(symlink("tree", (src_ + "/linked").constData()) == 0);
        const auto before = snapshot(work_);
        const QList<QByteArray> sources{join(src_, source)};
        const QByteArray to = target.isEmpty() ? src_ : join(src_, target);
        const QString refusal = FileTransfer::refusal(kind, sources, to);
        QVERIFY2(refusal.contains(message), qPrintable(refusal));
        FileTransfer t(kind, sources, to);
        const JobResult r = runPlain(t);
        QCOMPARE(r.errors, QStringList{refusal});
        QCOMPARE(r.done + r.skipped, 0);
        QCOMPARE(snapshot(work_), before);
    }

    void oddNames_data()
    {
        QTest::addColumn<QByteArray>("name");
        QTest::addColumn<QByteArray>("numbered"); // with Keep both
        QTest::newRow("newline") << QByteArray("two\nlines.txt")
                                 << QByteArray("two\nlines (2).txt");
        QTest::newRow("invalid UTF-8")
            << QByteArray("bad\xff\xfe") << QByteArray("bad\xff\xfe (2)");
        QTest::newRow("255 bytes")
            << QByteArray(251, 'x') + ".txt" << QByteArray(247, 'x') + " (2).txt";
        // Shortened by whole characters: 2-byte "é" x 125 + ".txt" = 254 bytes.
        QTest::newRow("255 bytes, two-byte characters")
            << QString(125, QChar(0xE9)).toUtf8() + ".txt"
            << QString(123, QChar(0xE9)).toUtf8() + " (2).txt";
    }
    void oddNames()
    {
        QFETCH(QByteArray, name);
        QFETCH(QByteArray, numbered);
        QVERIFY(makeFile(join(src_, name), "odd " + name));
        ScriptedAsker asker;
        asker.conflictAnswers = script({"K"});
        for (int i = 0; i < 2; ++i)
            QCOMPARE(run(JobKind::Copy, {join(src_, name)}, dst_, asker).done, 1);
        QCOMPARE(names(dst_).size(), 2);
        QCOMPARE(readAll(join(dst_, name)) + readAll(join(dst_, numbered)),
                 "odd " + name + "odd " + name);
    }

    // Replace never destroys what it replaces: an arriving item that is, or
    // leads to, the entry in its way cannot take that entry's place.
    void replaceThroughLinks_data()
    {
        QTest::addColumn<bool>("move");
        QTest::addColumn<QByteArray>("source"); // below work/
        QTest::addColumn<QByteArray>("linkTarget");
        QTest::addColumn<bool>("mayReplace");
        const auto row = [](const char *name, bool move, const char *source, const char *target,
                            bool mayReplace) {
            QTest::newRow(name) << move << QByteArray(source) << QByteArray(target) << mayReplace;
        };
        row("a link to the file", false, "src/abs/f", "@/dst/f", false);
        row("a relative link to the file", false, "src/rel/f", "../../dst/f", false);
        row("a link to a link to the file", false, "src/chain/f", "../rel/f", false);
        row("a link to the file, moved", true, "src/rel/f", "../../dst/f", false);
        row("a link to the folder", false, "src/dirlink/d", "@/dst/d", false);
        row("a link to the folder, moved", true, "src/dirlink/d", "@/dst/d", false);
        row("a link to the link it would replace", false, "src/tolink/l", "@/dst/l", false);
        row("a hard link of the file", false, "src/hard/f", "", false);
        row("the file through a linked folder", false, "via/f", "", false);
        row("a link to another file", false, "src/other/f", "@/src/other/g", true);
    }
    void replaceThroughLinks()
    {
        QFETCH(bool, move);
        QFETCH(QByteArray, source);
        QFETCH(QByteArray, linkTarget);
        QFETCH(bool, mayReplace);
        linkTarget.replace('@', work_);
        for (const char *d : {"abs", "rel", "chain", "dirlink", "tolink", "hard", "other"})
            QVERIFY(mkdir(join(src_, d).constData(), 0755) == 0);
        QVERIFY(makeFile(dst_ + "/f", "keep me") && mkdir((dst_ + "/d").constData(), 0755) == 0 &&
                makeFile(dst_ + "/d/in", "inside") && makeFile(src_ + "/other/g", "other"));
        QVERIFY(symlink((dst_ + "/f").constData(), (src_ + "/abs/f").constData()) == 0 &&
                symlink("../../dst/f", (src_ + "/rel/f").constData()) == 0 &&
                symlink("../rel/f", (src_ + "/chain/f").constData()) == 0 &&
                symlink((dst_ + "/d").constData(), (src_ + "/dirlink/d").constData()) == 0 &&
                link((dst_ + "/f").constData(), (src_ + "/hard/f").constData()) == 0 &&
                symlink("dst", (work_ + "/via").constData()) == 0 &&
                symlink("f", (dst_ + "/l").constData()) == 0 &&
                symlink((dst_ + "/l").constData(), (src_ + "/tolink/l").constData()) == 0 &&
                symlink((src_ + "/other/g").constData(), (src_ + "/other/f").constData()) == 0);
        const QByteArray from = join(work_, source), to = join(dst_, rawpath::baseName(source));
        const auto before = snapshot(from);

        ScriptedAsker asker;
        asker.conflictAnswers = script({"R"});
        const JobResult r = run(move ? JobKind::Move : JobKind::Copy, {from}, dst_, asker);
        QCOMPARE(asker.conflicts.size(), 1);
        const Conflict &c = asker.conflicts[0];
        QCOMPARE(c.mayReplace, mayReplace);
        QCOMPARE(c.sourceIsLink, !linkTarget.isEmpty());
        QCOMPARE(c.linkTarget, linkTarget);
        QCOMPARE(conflictTexts(c).contains(QString("The item you are pasting is a link to \u201c" +
                                                   QString::fromUtf8(linkTarget) + "\u201d.")),
                 c.sourceIsLink);
        QCOMPARE(r.done, mayReplace ? 1 : 0);
        QCOMPARE(r.skipped, mayReplace ? 0 : 1);
        if (mayReplace) {
            QCOMPARE(readAll(to), QByteArray("other"));
            return;
        }
        QCOMPARE(r.errors.size(), 1);
        QVERIFY2(r.errors[0].contains("nothing can replace itself"), qPrintable(r.errors[0]));
        QCOMPARE(readAll(dst_ + "/f"), QByteArray("keep me"));
        QCOMPARE(readAll(dst_ + "/d/in"), QByteArray("inside"));
        QCOMPARE(names(dst_), (QList<QByteArray>{"d", "d/in", "f", "l"}));
        QCOMPARE(readAll(dst_ + "/l"), QByteArray("keep me"));
        QCOMPARE(snapshot(from), before);
    }

    void links()
    {
        const QByteArray longName(255, 'n');
        QVERIFY(makeFile(src_ + "/a.txt", "a") && mkdir((src_ + "/dir").constData(), 0755) == 0 &&
                makeFile(join(src_, longName), "n"));
        ScriptedAsker asker;
        const QList<QByteArray> sources{src_ + "/a.txt", src_ + "/dir/", join(src_, longName)};
        QCOMPARE(run(JobKind::Link, sources, dst_, asker).done, 3);
        QCOMPARE(run(JobKind::Link, {src_ + "/a.txt"}, dst_, asker).done, 1);
        const QMap<QByteArray, QByteArray> expected{
            {"Link to a.txt", src_ + "/a.txt"},
            {"Link to a (2).txt", src_ + "/a.txt"},
            {"Link to dir", src_ + "/dir"},
            {"Link to " + QByteArray(247, 'n'), join(src_, longName)}};
        QCOMPARE(names(dst_), expected.keys());
        for (const QByteArray &n : expected.keys()) {
            char to[4096];
            const ssize_t len = readlink(join(dst_, n).constData(), to, sizeof to);
            QCOMPARE(QByteArray(to, qMax<ssize_t>(len, 0)), expected[n]);
        }
    }

    // The jobs besides transfers, by what each leaves on disk and what it says.
    void otherJobs_data()
    {
        QTest::addColumn<QString>("job");
        QTest::addColumn<QByteArrayList>("after"); // what src holds afterwards, in order
        QTest::addColumn<QString>("error");        // part of the one error, or empty
        const auto row = [](const char *name, const char *job, QByteArrayList after,
                            const char *error = "") {
            QTest::newRow(name) << QString::fromLatin1(job) << after << QString::fromUtf8(error);
        };
        row("rename", "rename a.txt c.txt", {"b.txt", "c.txt", "dir", "link"});
        row("rename onto a taken name", "rename a.txt b.txt", {"a.txt", "b.txt", "dir", "link"},
            "already an item named “b.txt”");
        row("rename what is gone", "rename gone x", {"a.txt", "b.txt", "dir", "link"},
            "no longer exists");
        row("new folders", "newfolder",
            {"New Folder", "New Folder (2)", "a.txt", "b.txt", "dir", "link"});
        row("delete a link, not what it leads to", "erase link", {"a.txt", "b.txt", "dir"});
        row("delete a folder and what it holds", "erase dir", {"a.txt", "b.txt", "link"});
        row("delete what is already gone", "erase gone", {"a.txt", "b.txt", "dir", "link"});
        row("permissions leave a link's target alone", "chmod link",
            {"a.txt", "b.txt", "dir", "link"});
        row("permissions of what is gone", "chmod gone", {"a.txt", "b.txt", "dir", "link"},
            "/gone” is no longer there.");
    }
    void otherJobs()
    {
        QFETCH(QString, job);
        QFETCH(QByteArrayList, after);
        QFETCH(QString, error);
        QVERIFY(makeFile(src_ + "/a.txt", "a", 0640) && makeFile(src_ + "/b.txt", "b", 0640) &&
                mkdir((src_ + "/dir").constData(), 0755) == 0 && makeFile(src_ + "/dir/in", "in") &&
                symlink("a.txt", (src_ + "/link").constData()) == 0);
        const QStringList words = job.split(' ');
        const QByteArray item = src_ + '/' + words.value(1).toUtf8();
        const auto make = [&]() -> Job * {
            if (words[0] == "rename")
                return Jobs::rename(item, words[2].toUtf8());
            if (words[0] == "newfolder")
                return Jobs::newFolder(src_);
            if (words[0] == "erase")
                return Jobs::erase({item});
            return Jobs::setPermissions({item}, 0007, 0);
        };
        QStringList errors;
        for (int run = 0; run < (words[0] == "newfolder" ? 2 : 1); ++run) {
            std::unique_ptr<Job> j(make());
            QSignalSpy finished(j.get(), &Job::finished);
            j->start();
            QVERIFY(finished.wait());
            const auto result = finished.first().first().value<JobResult>();
            QCOMPARE(result.done + result.skipped, 1);
            QCOMPARE(result.errors.isEmpty(), result.done == 1);
            errors += result.errors;
        }
        QByteArrayList top;
        for (const QByteArray &n : names(src_))
            if (!n.contains('/'))
                top << n;
        QCOMPARE(top, after);
        QCOMPARE(errors.size(), error.isEmpty() ? 0 : 1);
        QVERIFY2(errors.join(' ').contains(error), qPrintable(errors.join(' ')));
        struct stat st;
        if (lstat((src_ + "/a.txt").constData(), &st) == 0) // what links lead to keeps its mode
            QCOMPARE(st.st_mode & 07777, mode_t(0640));
        if (lstat((src_ + "/b.txt").constData(), &st) == 0)
            QCOMPARE(readAll(src_ + "/b.txt"), QByteArray("b"));
    }
};

TARNWICK_TEST_MAIN(TestFileOperations)
#include "test_fileoperations.moc"
