// The shared history of operations: records survive the trip, damage is
// skipped, odd files are never followed or waited on, the bound holds.
#include "archives.h"
#include "archivetesting.h"
#include "fileoperations.h"
#include "undo.h"
#include "undojournal.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <QTemporaryDir>
#include <QTest>
#include <sys/stat.h>
#include <unistd.h>

using namespace tarnwick;

class TestUndo : public QObject
{
    Q_OBJECT
private slots:
    void roundTrip();
    void damage_data();
    void damage();
    void notARegularFile_data();
    void notARegularFile();
    void claimOnce();
    void bounded();
    void undoItem_data();
    void undoItem();
    void undoJob();
    void jobUndoneAndRedone_data();
    void jobUndoneAndRedone();
    void cancelledRecordsWhatItDid();
    void deleteForGood();
    void menuTextIsPlain();
};

static UndoRecord sample()
{
    UndoRecord r;
    r.kind = 1;
    r.items.append({QByteArray("/a/\xff\n b,;"), QByteArray("/c/d"), 1, 2, 3, 4, 0644});
    r.items.append({QByteArray(), QByteArray("/e"), 5, 6, 7, 8, 0});
    return r;
}

void TestUndo::roundTrip()
{
    QTemporaryDir dir;
    UndoJournal j(dir.path() + "/st");
    UndoRecord r = sample();
    QVERIFY(j.append(r));
    QVERIFY(r.id != 0);
    const QList<UndoRecord> got = UndoJournal(dir.path() + "/st").load();
    QCOMPARE(got.size(), 1);
    QCOMPARE(got[0].items.size(), 2);
    QCOMPARE(got[0].items[0].from, r.items[0].from);
    QCOMPARE(got[0].items[0].mode, 0644u);
    QCOMPARE(got[0].items[1].to, QByteArray("/e"));
    struct stat st
    {
    };
    QCOMPARE(::stat(QFile::encodeName(j.path()).constData(), &st), 0);
    QCOMPARE(st.st_mode & 0777, 0600u);
    QCOMPARE(::stat(QFile::encodeName(dir.path() + "/st").constData(), &st), 0);
    QCOMPARE(st.st_mode & 0777, 0700u);
}

// Whatever follows a good record, the good record is kept and the rest counted.
void TestUndo::damage_data()
{
    QTest::addColumn<QByteArray>("tail");
    QTest::addColumn<int>("damaged");
    QTest::newRow("torn") << UndoJournal::encode(sample()).left(20) << 1;
    QTest::newRow("garbage") << QByteArray("\x01\x02 zz\nR 1 2\n") << 2;
    QTest::newRow("edited") << UndoJournal::encode(sample()).replace("R 0", "R 9") << 1;
    QTest::newRow("state of nothing") << UndoJournal::encodeState(77, true) << 1;
}

void TestUndo::damage()
{
    QFETCH(QByteArray, tail);
    QFETCH(int, damaged);
    QTemporaryDir dir;
    UndoJournal j(dir.path());
    UndoRecord r = sample();
    QVERIFY(j.append(r));
    QFile f(j.path());
    QVERIFY(f.open(QIODevice::Append));
    f.write(tail);
    f.close();
    QCOMPARE(j.load().size(), 1);
    QCOMPARE(j.damaged(), damaged);
    UndoRecord next = sample(); // still appendable after damage
    QVERIFY(j.append(next));
    QCOMPARE(j.load().size(), 2);
}

void TestUndo::notARegularFile_data()
{
    QTest::addColumn<QString>("kind");
    QTest::newRow("fifo") << "fifo";
    QTest::newRow("link") << "link";
}

// Never waits on a FIFO and never writes through a link.
void TestUndo::notARegularFile()
{
    QFETCH(QString, kind);
    QTemporaryDir dir;
    UndoJournal j(dir.path());
    const QByteArray file = QFile::encodeName(j.path());
    const QByteArray elsewhere = QFile::encodeName(dir.path() + "/elsewhere");
    if (kind == "fifo")
        QCOMPARE(::mkfifo(file.constData(), 0600), 0);
    else
        QCOMPARE(::symlink(elsewhere.constData(), file.constData()), 0);
    UndoRecord r = sample();
    QVERIFY(!j.append(r));
    QVERIFY(!j.lastError().isEmpty());
    QVERIFY(j.load().isEmpty());
    QVERIFY(!QFile::exists(dir.path() + "/elsewhere"));
}

// Two handles undoing the same operation: one wins, and the state holds.
void TestUndo::claimOnce()
{
    QTemporaryDir dir;
    UndoJournal a(dir.path()), b(dir.path());
    UndoRecord r = sample();
    QVERIFY(a.append(r));
    QVERIFY(a.claim(r.id, false));
    QVERIFY(!b.claim(r.id, false));
    QVERIFY(b.load().at(0).undone);
    QVERIFY(!b.claim(r.id, true)); // not until the undo has settled
    QVERIFY(a.settle(r.id, true, r.items));
    QVERIFY(b.claim(r.id, true)); // redo
    QVERIFY(!a.load().at(0).undone);
}

void TestUndo::bounded()
{
    QTemporaryDir dir;
    UndoJournal j(dir.path());
    for (int i = 0; i < 3 * UndoJournal::Keep; ++i) {
        UndoRecord r = sample();
        QVERIFY(j.append(r));
        if (i % 7 == 0)
            QVERIFY(j.claim(r.id, false));
    }
    const QList<UndoRecord> got = j.load();
    QCOMPARE(got.size(), UndoJournal::Keep);
    QCOMPARE(got.last().id, quint64(3 * UndoJournal::Keep));
    QCOMPARE(j.damaged(), 0);
    QVERIFY(QFileInfo(j.path()).size() <
            2 * UndoJournal::Keep * UndoJournal::encode(sample()).size());
}

static void write(const QString &path, const QByteArray &data)
{
    QFile f(path);
    QVERIFY(f.open(QIODevice::WriteOnly));
    f.write(data);
}

// Each kind done by hand, then something done to it since, then undone: an
// intact item goes back, anything else is left alone and named.
void TestUndo::undoItem_data()
{
    QTest::addColumn<int>("kind");
    // "", "changed", "gone", "taken", "filled", "swapped" (for a link to another file)
    QTest::addColumn<QString>("since");
    QTest::addColumn<bool>("undone");
    const int move = int(JobKind::Move), copy = int(JobKind::Copy);
    QTest::newRow("move") << move << "" << true;
    QTest::newRow("rename") << int(JobKind::Rename) << "" << true;
    QTest::newRow("move, changed") << move << "changed" << false;
    QTest::newRow("move, gone") << move << "gone" << false;
    QTest::newRow("move, taken") << move << "taken" << false;
    QTest::newRow("copy") << copy << "" << true;
    QTest::newRow("copy, changed") << copy << "changed" << false;
    QTest::newRow("new folder") << int(JobKind::NewFolder) << "" << true;
    QTest::newRow("new folder, filled") << int(JobKind::NewFolder) << "filled" << false;
    QTest::newRow("link") << int(JobKind::Link) << "" << true;
    QTest::newRow("link, replaced") << int(JobKind::Link) << "changed" << false;
    QTest::newRow("permissions") << int(JobKind::Permissions) << "" << true;
    QTest::newRow("trash") << int(JobKind::Trash) << "" << true;
    QTest::newRow("trash, taken") << int(JobKind::Trash) << "taken" << false;
    QTest::newRow("delete") << int(JobKind::Delete) << "" << false;
    QTest::newRow("move, link swapped in") << move << "swapped" << false;
    QTest::newRow("copy, link swapped in") << copy << "swapped" << false;
    QTest::newRow("link, link swapped in") << int(JobKind::Link) << "swapped" << false;
    QTest::newRow("permissions, link swapped in")
        << int(JobKind::Permissions) << "swapped" << false;
}

void TestUndo::undoItem()
{
    QFETCH(int, kind);
    QFETCH(QString, since);
    QFETCH(bool, undone);
    QTemporaryDir dir;
    const TrashStore store(dir.path() + "/Trash");
    const QString a = dir.path() + "/a\xc3\xa9", b = dir.path() + "/b";
    const QByteArray ea = QFile::encodeName(a), eb = QFile::encodeName(b);
    write(a, "one");
    UndoItem item;
    switch (JobKind(kind)) {
    case JobKind::Move:
    case JobKind::Rename:
        QVERIFY(QFile::rename(a, b));
        item = undo::identify(ea, eb);
        break;
    case JobKind::Copy:
        QVERIFY(QFile::copy(a, b));
        item = undo::identify(ea, eb);
        break;
    case JobKind::NewFolder:
        QVERIFY(QDir().mkdir(b));
        item = undo::identify({}, eb);
        break;
    case JobKind::Link:
        QVERIFY(QFile::link(a, b));
        item = undo::identify(ea, eb);
        break;
    case JobKind::Permissions:
        QVERIFY(::chmod(ea.constData(), 0600) == 0);
        item = undo::identify(ea, ea, 0640);
        break;
    case JobKind::Trash: {
        QVERIFY(store.trashEncoded(ea));
        const QList<TrashItem> in = store.items();
        QCOMPARE(in.size(), 1);
        item = undo::identify(ea, in[0].encodedFilesPath);
        break;
    }
    default:
        QVERIFY(QFile::remove(a));
        item = undo::identify(ea, {});
    }
    const QString now = QFile::decodeName(item.to);
    if (since == "changed") {
        QVERIFY(QFile::remove(now));
        write(now, "other, longer");
    } else if (since == "gone") {
        QVERIFY(QFile::remove(now));
    } else if (since == "taken") {
        write(a, "new");
    } else if (since == "filled") {
        write(now + "/inside", "x");
    } else if (since == "swapped") { // what the link leads to must stay as it is
        write(dir.path() + "/victim", "v");
        QVERIFY(::chmod(QFile::encodeName(dir.path() + "/victim").constData(), 0600) == 0);
        QVERIFY(QFile::remove(now));
        QVERIFY(QFile::link(dir.path() + "/victim", now));
    }
    const QString error = undo::undoItem(kind, item, store);
    QCOMPARE(error.isEmpty(), undone);
    if (!undone) {
        QVERIFY2(error.contains(QFileInfo(now.isEmpty() ? a : now).fileName()) ||
                     error.contains(QFileInfo(a).fileName()),
                 qPrintable(error));
        if (since == "swapped") {
            QVERIFY(QFileInfo(now).isSymLink());
            struct stat victim
            {
            };
            QCOMPARE(::stat(QFile::encodeName(dir.path() + "/victim").constData(), &victim), 0);
            QCOMPARE(victim.st_mode & 0777, 0600u);
            QCOMPARE(store.items().size(), 0);
        }
        if (since == "taken") { // neither what took the place nor the item is touched
            QFile taken(a);
            QVERIFY(taken.open(QIODevice::ReadOnly));
            QCOMPARE(taken.readAll(), QByteArray("new"));
            QVERIFY(QFileInfo::exists(now));
        }
        return;
    }
    if (kind == int(JobKind::Permissions)) {
        QCOMPARE(QFileInfo(a).permissions() & QFile::ReadGroup, QFile::ReadGroup);
        return;
    }
    QVERIFY(!QFileInfo(b).exists() && !QFileInfo(b).isSymLink());
    QVERIFY(QFile::exists(a));
    if (kind == int(JobKind::Copy))
        QCOMPARE(store.items().size(), 1); // the copy went to the trash, not away
}

// As a job, undo does what it can and names in one report what it left.
void TestUndo::undoJob()
{
    QTemporaryDir dir;
    const TrashStore store(dir.path() + "/Trash");
    UndoRecord record;
    record.kind = int(JobKind::Move);
    QVERIFY(QDir().mkdir(dir.path() + "/to"));
    for (const QString name : {"x", "y", "z"}) {
        const QString from = dir.path() + "/" + name, to = dir.path() + "/to/" + name;
        write(from, "1");
        QVERIFY(QFile::rename(from, to));
        record.items << undo::identify(QFile::encodeName(from), QFile::encodeName(to));
    }
    write(dir.path() + "/to/y", "changed since");
    std::unique_ptr<Job> job(undo::undo(record, store));
    std::optional<JobResult> result;
    connect(job.get(), &Job::finished, this, [&](const JobResult &r) { result = r; });
    job->start();
    QTRY_VERIFY(result.has_value());
    QCOMPARE(result->done, 2);
    QCOMPARE(result->skipped, 1);
    QCOMPARE(result->errors.size(), 1);
    QVERIFY(result->errors[0].contains("y"));
    QVERIFY(QFile::exists(dir.path() + "/x") && QFile::exists(dir.path() + "/to/y"));
}

static QByteArray readAll(const QString &path)
{
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray("<none>");
}

// A job run through the history: recorded, undone through the record it
// left, redone, and undone again. `at` is where the job leaves its result;
// `back` where undo puts the item (empty: gone to the trash).
void TestUndo::jobUndoneAndRedone_data()
{
    QTest::addColumn<QString>("kind");
    for (const char *kind : {"copy", "move", "rename", "new folder", "link", "trash", "restore",
                             "permissions", "extract", "compress"})
        QTest::newRow(kind) << kind;
}

void TestUndo::jobUndoneAndRedone()
{
    QFETCH(QString, kind);
    QTemporaryDir dir;
    const QString root = dir.path();
    const auto bytes = [&](const QString &rel) { return QFile::encodeName(root + "/" + rel); };
    const TrashStore store(root + "/Trash");
    UndoJournal journal(root + "/state");
    QVERIFY(QDir().mkdir(root + "/to"));
    write(root + "/a", "one");
    Job *job = nullptr;
    QString at, back; // where the job leaves it, where undo puts it back
    if (kind == "copy") {
        job = new FileTransfer(JobKind::Copy, {bytes("a")}, bytes("to"));
        at = "to/a";
    } else if (kind == "move") {
        job = new FileTransfer(JobKind::Move, {bytes("a")}, bytes("to"));
        at = "to/a", back = "a";
    } else if (kind == "rename") {
        job = Jobs::rename(bytes("a"), "b");
        at = "b", back = "a";
    } else if (kind == "new folder") {
        job = Jobs::newFolder(bytes("to"));
        at = "to/New Folder";
    } else if (kind == "link") {
        job = new FileTransfer(JobKind::Link, {bytes("a")}, bytes("to"));
        at = "to/Link to a";
    } else if (kind == "trash") {
        job = Jobs::trash({bytes("a")}, store);
        back = "a";
    } else if (kind == "restore") {
        QVERIFY(store.trashEncoded(bytes("a")));
        job = Jobs::restore({{store.items().at(0), bytes("to/a")}}, store);
        at = "to/a";
    } else if (kind == "permissions") {
        QVERIFY(::chmod(bytes("a").constData(), 0640) == 0);
        job = Jobs::setPermissions({bytes("a")}, 0, 0040);
        at = "a";
    } else if (kind == "extract") {
        QVERIFY(test::run(Archives::compress({bytes("a")}, bytes("a.zip"), ArchiveFormat::Zip))
                    .errors.isEmpty());
        job = Archives::extract({bytes("a.zip")}, bytes("to"));
        at = "to/a";
    } else {
        job = Archives::compress({bytes("a")}, bytes("to/a.zip"), ArchiveFormat::Zip);
        at = "to/a.zip";
    }
    const JobKind jobKind = job->kind();
    {
        // A stand-in for the job as the window runs it, which the recorder reads.
        const std::unique_ptr<Job> same(Jobs::steps(jobKind, {}, {}));
        const JobResult done = test::run(job);
        QCOMPARE(done.undoItems.size(), 1);
        QVERIFY(undo::record(*same, done, journal));
    }
    const auto state = [&] { // what lies where, in one string to compare
        return QString("%1|%2|%3|%4")
            .arg(at.isEmpty() ? "-" : QString::number(QFileInfo::exists(root + "/" + at)))
            .arg(back.isEmpty() ? "-" : QString::number(QFileInfo::exists(root + "/" + back)))
            .arg(store.items().size())
            .arg(QFileInfo(root + "/a").permissions() & QFile::ReadGroup ? "r" : "-");
    };
    const QString doneState = state();
    const auto doneEnds = undo::ends(journal.load().at(0));
    for (const bool redo : {false, true, false}) {
        const QList<UndoRecord> history = journal.load();
        // The history shows where it went as it was done, undone or not;
        // what a copy was made from is not kept past its undo.
        const auto ends = undo::ends(history[0]);
        QCOMPARE(ends.second, doneEnds.second);
        if (!QStringList{"copy", "restore", "extract", "compress"}.contains(kind))
            QCOMPARE(ends.first, doneEnds.first);
        QCOMPARE(history.size(), 1);
        QCOMPARE(redo ? undo::nextRedo(history) : undo::nextUndo(history), history[0].id);
        QString why;
        Job *step = undo::start(journal, history[0].id, redo, store, &why);
        QVERIFY2(step, qPrintable(why));
        QVERIFY(!undo::start(journal, history[0].id, redo, store)); // claimed once only
        const JobResult r = test::run(step);
        QVERIFY2(r.errors.isEmpty(), qPrintable(r.errors.join('\n')));
        QCOMPARE(journal.load().at(0).undone, !redo);
        if (redo)
            QCOMPARE(state(), doneState);
        else
            QVERIFY2(state() != doneState, qPrintable(state()));
    }
    if (kind == "permissions")
        QCOMPARE(state(), QString("1|-|0|r"));
    if (!back.isEmpty())
        QCOMPARE(readAll(root + "/" + back), QByteArray("one"));
}

// Cancelled after its first item, a paste keeps only that one in the history.
void TestUndo::cancelledRecordsWhatItDid()
{
    QTemporaryDir dir;
    const QString root = dir.path();
    QVERIFY(QDir().mkdir(root + "/to"));
    QList<QByteArray> sources;
    for (const QString name : {"x", "y", "z"}) {
        write(root + "/" + name, "1");
        sources << QFile::encodeName(root + "/" + name);
    }
    auto *job = new FileTransfer(JobKind::Copy, sources, QFile::encodeName(root + "/to"));
    job->setFaultHook([job](FaultPoint point, const QByteArray &path) {
        if (point == FaultPoint::Read && path.endsWith("/y"))
            job->cancel();
        return 0;
    });
    const JobResult r = test::run(job);
    QVERIFY(r.cancelled);
    QCOMPARE(r.undoItems.size(), 1);
    QVERIFY(r.undoItems[0].to.endsWith("/to/x"));
}

// A delete for good is kept, named, and never taken back; Undo passes it by.
void TestUndo::deleteForGood()
{
    QTemporaryDir dir;
    const TrashStore store(dir.path() + "/Trash");
    UndoJournal journal(dir.path() + "/state");
    UndoRecord earlier{
        0, 0, int(JobKind::NewFolder), false, {undo::identify({}, QFile::encodeName(dir.path()))}};
    QVERIFY(journal.append(earlier));
    write(dir.path() + "/gone", "x");
    Job *erase = Jobs::erase({QFile::encodeName(dir.path() + "/gone")});
    const std::unique_ptr<Job> same(Jobs::steps(JobKind::Delete, {}, {}));
    QVERIFY(undo::record(*same, test::run(erase), journal));
    const QList<UndoRecord> history = journal.load();
    QCOMPARE(history.size(), 2);
    QList<UndoRecord> skipped;
    QCOMPARE(undo::nextUndo(history, &skipped), earlier.id);
    QCOMPARE(skipped.size(), 1);
    QCOMPARE(undo::cannotUndo(skipped[0]),
             QString("\u201cDelete of \u201cgone\u201d\u201d cannot be undone."));
    QString why;
    QVERIFY(!undo::start(journal, history[1].id, false, store, &why));
    QCOMPARE(why, undo::cannotUndo(history[1]));
    QVERIFY(!journal.load().at(1).undone);
}

void TestUndo::menuTextIsPlain()
{
    UndoRecord r{0, 0, int(JobKind::Rename), false, {{"/d/x", "/d/a&b <i>x.txt"}}};
    QCOMPARE(undo::menuText(r, false), QString("&Undo Rename of \u201ca&&b <i>x.txt\u201d"));
    r.items << r.items[0];
    r.kind = int(JobKind::Copy);
    QCOMPARE(undo::menuText(r, true), QString("R&edo Copy of 2 Items"));
}

QTEST_GUILESS_MAIN(TestUndo)
#include "test_undo.moc"
