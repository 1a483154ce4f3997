// Archives: what the usual tools make unpacks byte for byte, what we make
// the tools read back, and hostile archives keep everything inside the
// folder they are unpacked into and leave nothing half-written.
#include "archives.h"
#include "archivetesting.h"
#include "archiveverbs.h"
#include "fileoperationdialogs.h"

#include <QMenu>
#include <QRandomGenerator>
#include <QSemaphore>

using namespace tarnwick;
using namespace tarnwick::test;

class TestArchives : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void cleanup();
    void unpacksWhatToolsMade_data();
    void unpacksWhatToolsMade();
    void toolsReadWhatWeMade_data();
    void toolsReadWhatWeMade();
    void hostile_data();
    void hostile();
    void password_data();
    void password();
    void topEntry_data();
    void topEntry();
    void compressNameTaken_data();
    void compressNameTaken();
    void cancelLeavesNothing_data();
    void cancelLeavesNothing();
    void pauseHolds_data();
    void pauseHolds();
    void diskFull_data();
    void diskFull();
    void namesAndTypes();
    void menuAndDialogAnswers();

private:
    QString dir(const QString &name) const { return tmp_->path() + QLatin1Char('/') + name; }
    QByteArray bytes(const QString &name) const { return QFile::encodeName(dir(name)); }

    std::unique_ptr<QTemporaryDir> tmp_;
};

void TestArchives::initTestCase()
{
    umask(022);
    for (const char *tool : {"tar", "zip", "unzip", "7z", "python3", "zstd"}) {
        if (QStandardPaths::findExecutable(QString::fromLatin1(tool)).isEmpty())
            QSKIP(qPrintable(QStringLiteral("%1 is not installed").arg(QLatin1String(tool))));
    }
}

void TestArchives::init()
{
    tmp_ = std::make_unique<QTemporaryDir>();
    QVERIFY(tmp_->isValid());
    QDir(tmp_->path()).mkpath(QStringLiteral("src"));
    QDir(tmp_->path()).mkpath(QStringLiteral("target"));
}

void TestArchives::cleanup()
{
    // Names that are not UTF-8 are beyond QTemporaryDir.
    QVERIFY(removeTree(tmp_->path()));
    tmp_.reset();
}

void TestArchives::unpacksWhatToolsMade_data()
{
    QTest::addColumn<QString>("command");
    QTest::addColumn<bool>("hardLinks");
    QTest::addColumn<bool>("oddName");
    QTest::newRow("tar.gz") << "tar czf ../target/a.tar.gz top" << true << true;
    QTest::newRow("tar.bz2") << "tar cjf ../target/a.tar.bz2 top" << true << true;
    QTest::newRow("tar.xz") << "tar cJf ../target/a.tar.xz top" << true << true;
    QTest::newRow("tar.zst") << "tar --zstd -cf ../target/a.tar.zst top" << true << true;
    QTest::newRow("zip") << "zip -qry ../target/a.zip top" << false << false;
    QTest::newRow("7z") << "7z a -snl -bd ../target/a.7z top >/dev/null" << false << false;
}

void TestArchives::unpacksWhatToolsMade()
{
    QFETCH(QString, command);
    QFETCH(bool, hardLinks);
    QFETCH(bool, oddName);
    makeTree(dir("src"), oddName);
    QVERIFY(shell(command, dir("src")));
    const QString archive = topNames(dir("target")).value(0);
    const JobResult r = run(Archives::extract({bytes("target/" + archive)}, bytes("target")));
    QCOMPARE(r.errors, QStringList());
    QCOMPARE(r.created, QList<QByteArray>{bytes("target/top")});
    QCOMPARE(describe(bytes("target/top"), true), describe(bytes("src/top"), true));
    struct stat a, b;
    QCOMPARE(stat(bytes("target/top/plain.txt"), &a), 0);
    QCOMPARE(stat(bytes("target/top/sub/hard"), &b), 0);
    QCOMPARE(a.st_ino == b.st_ino, hardLinks);
    QCOMPARE(topNames(dir("target")), QStringList({archive, "top"}));
}

void TestArchives::toolsReadWhatWeMade_data()
{
    QTest::addColumn<ArchiveFormat>("format");
    QTest::addColumn<QString>("check");
    QTest::addColumn<QString>("unpack");
    QTest::addColumn<bool>("oddName");
    QTest::newRow("zip") << ArchiveFormat::Zip << "unzip -tq top.zip"
                         << "unzip -q top.zip -d out" << false;
    QTest::newRow("tar.gz") << ArchiveFormat::TarGz << "tar -tf top.tar.gz >/dev/null"
                            << "mkdir out && tar -xf top.tar.gz -C out" << true;
    QTest::newRow("tar.xz") << ArchiveFormat::TarXz << "tar -tf top.tar.xz >/dev/null"
                            << "mkdir out && tar -xf top.tar.xz -C out" << true;
    QTest::newRow("tar.zst") << ArchiveFormat::TarZst << "tar -tf top.tar.zst >/dev/null"
                             << "mkdir out && tar -xf top.tar.zst -C out" << true;
    QTest::newRow("7z") << ArchiveFormat::SevenZip << "7z t -bd top.7z >/dev/null"
                        << "7z x -snld -bd -oout top.7z >/dev/null" << false;
}

void TestArchives::toolsReadWhatWeMade()
{
    QFETCH(ArchiveFormat, format);
    QFETCH(QString, check);
    QFETCH(QString, unpack);
    QFETCH(bool, oddName);
    makeTree(dir("src"), oddName);
    const QByteArray archive = bytes("target/top") + Archives::suffix(format);
    const JobResult r = run(Archives::compress({bytes("src/top")}, archive, format));
    QCOMPARE(r.errors, QStringList());
    QCOMPARE(r.created, QList<QByteArray>{archive});
    QCOMPARE(r.done, 1);
    QCOMPARE(topNames(dir("target")).size(), 1); // no part file left
    QVERIFY(shell(check, dir("target")));
    QVERIFY(shell(unpack, dir("target")));
    QCOMPARE(describe(bytes("target/out/top"), true), describe(bytes("src/top"), true));
}

void TestArchives::hostile_data()
{
    QTest::addColumn<QString>("make");     // python, in target/, with O the outside folder
    QTest::addColumn<QStringList>("tops"); // what the target holds afterwards
    QTest::addColumn<QString>("inside");   // a file that must be there, if any
    QTest::addColumn<bool>("reported");
    QTest::addColumn<int>("questions");

    QTest::newRow("dot-dot") << "t = tar('evil.tar'); add(t, '../outside/x', b'x'); add(t, "
                                "'ok.txt', b'ok'); t.close()"
                             << QStringList{"evil.tar", "ok.txt"} << "ok.txt" << true << 0;
    QTest::newRow("dot-dot in zip")
        << "z = zipfile.ZipFile('evil.zip', 'w'); z.writestr('../outside/x', 'x'); "
           "z.writestr('ok.txt', 'ok'); z.close()"
        << QStringList{"evil.zip", "ok.txt"} << "ok.txt" << true << 0;
    QTest::newRow("absolute") << "t = tar('evil.tar'); add(t, O + '/abs', b'x'); t.close()"
                              << QStringList{"@top", "evil.tar"} << "@abs" << false << 0;
    QTest::newRow("through own link")
        << "t = tar('evil.tar'); add(t, 'l', kind=tarfile.SYMTYPE, link=O); add(t, 'l/x', "
           "b'x'); t.close()"
        << QStringList{"evil.tar", "l"} << QString() << true << 0;
    QTest::newRow("over own link")
        << "t = tar('evil.tar'); add(t, 'l', kind=tarfile.SYMTYPE, link=O + '/victim'); "
           "add(t, 'l', b'pwned'); t.close()"
        << QStringList{"evil.tar", "l"} << "l" << false << 0;
    QTest::newRow("hard link out")
        << "t = tar('evil.tar'); add(t, 'a', kind=tarfile.LNKTYPE, link=O + '/victim'); "
           "add(t, 'b', kind=tarfile.LNKTYPE, link='../outside/victim'); add(t, 'ok', b'ok'); "
           "t.close()"
        << QStringList{"evil.tar", "ok"} << "ok" << true << 0;
    QTest::newRow("devices, pipes, set-id")
        << "t = tar('evil.tar'); add(t, 'dev', kind=tarfile.CHRTYPE, devmajor=1, devminor=3); "
           "add(t, 'fifo', kind=tarfile.FIFOTYPE); add(t, 'suid', b'#!', mode=0o6755); "
           "add(t, 'sticky', kind=tarfile.DIRTYPE, mode=0o1777); t.close()"
        << QStringList{"evil", "evil.tar"} << "evil/suid" << true << 0;
    QTest::newRow("bomb")
        << "g = gzip.open('evil.tar.gz', 'wb'); i = tarfile.TarInfo('big'); i.size = 2 << 30; "
           "g.write(i.tobuf()); g.write(bytes(1 << 16)); g.close()"
        << QStringList{"evil.tar.gz"} << QString() << true << 1;
    QTest::newRow("truncated")
        << "t = tarfile.open('evil.tar.gz', 'w:gz'); i = tarfile.TarInfo('a'); "
           "d = os.urandom(1 << 20); i.size = len(d); t.addfile(i, io.BytesIO(d)); t.close(); "
           "d = open('evil.tar.gz', 'rb').read(); open('evil.tar.gz', 'wb').write(d[:len(d) // 2])"
        << QStringList{"evil.tar.gz"} << QString() << true << 0;
    QTest::newRow("mtree reading this disk")
        << "open('evil.tar', 'w').write('#mtree\\n./stolen type=file contents=' + O + '/victim\\n')"
        << QStringList{"evil.tar"} << QString() << true << 0;
    QTest::newRow("not an archive") << "open('evil.zip', 'wb').write(b'PK\\x03\\x04' + bytes(100))"
                                    << QStringList{"evil.zip"} << QString() << true << 0;
}

void TestArchives::hostile()
{
    QFETCH(QString, make);
    QFETCH(QStringList, tops);
    QFETCH(QString, inside);
    QFETCH(bool, reported);
    QFETCH(int, questions);
    // An absolute name lands inside, under the whole of that name.
    tops.replaceInStrings(QStringLiteral("@top"), tmp_->path().section(QLatin1Char('/'), 1, 1));
    tops.sort();
    inside.replace(QStringLiteral("@abs"), dir("outside/abs").mid(1));
    QVERIFY(writeFile(dir("outside/victim"), "safe"));
    const QString prelude = QStringLiteral(
        "import gzip, io, os, sys, tarfile, zipfile\n"
        "O = sys.argv[1]\n"
        "def tar(name): return tarfile.open(name, 'w', format=tarfile.GNU_FORMAT)\n"
        "def add(t, name, data=b'', kind=tarfile.REGTYPE, link='', mode=0o644, **kw):\n"
        "    i = tarfile.TarInfo(name); i.type = kind; i.linkname = link; i.mode = mode\n"
        "    i.size = len(data) if kind == tarfile.REGTYPE else 0\n"
        "    for k, v in kw.items(): setattr(i, k, v)\n"
        "    t.addfile(i, io.BytesIO(data))\n");
    QVERIFY(writeFile(dir("make.py"), (prelude + make + QLatin1Char('\n')).toUtf8()));
    QVERIFY(shell(QStringLiteral("python3 ../make.py '%1'").arg(dir("outside")), dir("target")));
    const QString archive = topNames(dir("target")).value(0);

    Answers answers;
    const JobResult r =
        run(Archives::extract({bytes("target/" + archive)}, bytes("target")), &answers);
    QCOMPARE(!r.errors.isEmpty(), reported);
    QCOMPARE(answers.errorsAsked, questions);
    QCOMPARE(topNames(dir("outside")), QStringList{"victim"});
    struct stat victim;
    QCOMPARE(stat(bytes("outside/victim"), &victim), 0);
    QCOMPARE(victim.st_nlink, nlink_t(1));
    QFile f(dir("outside/victim"));
    QVERIFY(f.open(QIODevice::ReadOnly));
    QCOMPARE(f.readAll(), QByteArray("safe"));
    QCOMPARE(topNames(dir("target")), tops);
    if (!inside.isEmpty())
        QVERIFY(QFileInfo(dir("target/" + inside)).isFile());
    // Nothing but files, folders and links, and no set-id or sticky bit.
    for (const QString &line : describe(bytes("target"), false)) {
        if (!line.contains(QStringLiteral(" -> ")))
            QVERIFY2(line.section(QLatin1Char(' '), 1, 1).toUInt(nullptr, 8) <= 0777,
                     qPrintable(line));
    }
    QDirIterator it(dir("target"),
                    QDir::AllEntries | QDir::System | QDir::Hidden | QDir::NoDotAndDotDot,
                    QDirIterator::Subdirectories);
    while (it.hasNext()) {
        const QFileInfo fi(it.next());
        QVERIFY2(fi.isFile() || fi.isDir() || fi.isSymLink(), qPrintable(fi.filePath()));
    }
}

void TestArchives::password_data()
{
    QTest::addColumn<QString>("make");
    QTest::addColumn<QList<std::optional<QByteArray>>>("given");
    QTest::addColumn<QString>("said");
    const QString zip = QStringLiteral("zip -q -P right ../target/locked.zip");
    QTest::newRow("right") << zip << QList<std::optional<QByteArray>>{QByteArray("right")}
                           << QString();
    QTest::newRow("wrong, then none")
        << zip << QList<std::optional<QByteArray>>{QByteArray("wrong"), std::nullopt}
        << "password was wrong";
    QTest::newRow("none") << zip << QList<std::optional<QByteArray>>{std::nullopt}
                          << "No password was given";
    QTest::newRow("7z, which is never asked for")
        << "7z a -bd -pright ../target/locked.7z >/dev/null" << QList<std::optional<QByteArray>>{}
        << "encrypted in a way that cannot be unpacked";
}

void TestArchives::password()
{
    QFETCH(QString, make);
    QFETCH(QList<std::optional<QByteArray>>, given);
    QFETCH(QString, said);
    QVERIFY(writeFile(dir("src/secret.txt"), "the secret"));
    QVERIFY(writeFile(dir("src/plain.txt"), "not secret"));
    QVERIFY(shell(make + " secret.txt plain.txt", dir("src")));
    const QString archive = topNames(dir("target")).value(0);
    Answers answers;
    answers.passwords = given;
    const qsizetype asked = given.size();
    const JobResult r =
        run(Archives::extract({bytes("target/" + archive)}, bytes("target")), &answers);
    // A wrong password passes the old zip check one time in 256, and then
    // fails on the data without being asked again.
    QVERIFY(answers.passwordsAsked >= qMin(asked, 1) && answers.passwordsAsked <= asked);
    if (said.isEmpty()) {
        QCOMPARE(r.errors, QStringList());
        QFile f(dir("target/locked/secret.txt"));
        QVERIFY(f.open(QIODevice::ReadOnly));
        QCOMPARE(f.readAll(), QByteArray("the secret"));
    } else {
        QCOMPARE(r.errors.size(), 1);
        QVERIFY2(r.errors.first().contains(said), qPrintable(r.errors.first()));
        QCOMPARE(topNames(dir("target")), QStringList{archive});
    }
}

void TestArchives::topEntry_data()
{
    QTest::addColumn<QStringList>("entries"); // folders end in "/"
    QTest::addColumn<QStringList>("taken");
    QTest::addColumn<ConflictChoice>("answer");
    QTest::addColumn<QStringList>("created");
    QTest::addColumn<int>("asked");
    const QStringList none;
    const auto skip = ConflictChoice::Skip;
    QTest::newRow("one folder") << QStringList{"top/a", "top/b/"} << none << skip
                                << QStringList{"top"} << 0;
    QTest::newRow("several") << QStringList{"a", "b/c"} << none << skip << QStringList{"photos"}
                             << 0;
    QTest::newRow("several, name taken") << QStringList{"a", "b/c"} << QStringList{"photos/"}
                                         << skip << QStringList{"photos (2)"} << 0;
    QTest::newRow("one folder, taken, keep both")
        << QStringList{"top/a"} << QStringList{"top/"} << ConflictChoice::KeepBoth
        << QStringList{"top (2)"} << 1;
    QTest::newRow("one folder, taken, skip")
        << QStringList{"top/a"} << QStringList{"top/"} << skip << none << 1;
    QTest::newRow("one file, taken, replace")
        << QStringList{"notes.txt"} << QStringList{"notes.txt"} << ConflictChoice::Replace
        << QStringList{"notes.txt"} << 1;
}

void TestArchives::topEntry()
{
    QFETCH(QStringList, entries);
    QFETCH(QStringList, taken);
    QFETCH(ConflictChoice, answer);
    QFETCH(QStringList, created);
    QFETCH(int, asked);
    QStringList tops;
    for (const QString &e : entries) {
        if (e.endsWith(QLatin1Char('/')))
            QDir().mkpath(dir("src/" + e));
        else
            QVERIFY(writeFile(dir("src/" + e), "new"));
        if (!tops.contains(e.section(QLatin1Char('/'), 0, 0)))
            tops << e.section(QLatin1Char('/'), 0, 0);
    }
    for (const QString &t : taken) {
        if (t.endsWith(QLatin1Char('/')))
            QDir().mkpath(dir("target/" + t));
        else
            QVERIFY(writeFile(dir("target/" + t), "old"));
    }
    QVERIFY(shell("tar czf ../target/photos.tar.gz " + tops.join(QLatin1Char(' ')), dir("src")));
    const QStringList before = topNames(dir("target"));
    Answers answers;
    answers.conflict = answer;
    const JobResult r =
        run(Archives::extract({bytes("target/photos.tar.gz")}, bytes("target")), &answers);
    QCOMPARE(answers.conflictsAsked, asked);
    QList<QByteArray> expected;
    for (const QString &c : created)
        expected << bytes("target/" + c);
    QCOMPARE(r.created, expected);
    for (const QByteArray &made : expected) {
        struct stat st;
        QCOMPARE(lstat(made.constData(), &st), 0);
        QCOMPARE(st.st_mode & 0777, S_ISDIR(st.st_mode) ? 0755u : 0644u); // as the umask says
    }
    QStringList after = before;
    for (const QString &c : created) {
        if (!after.contains(c))
            after << c;
    }
    after.sort();
    QCOMPARE(topNames(dir("target")), after);
    if (answer == ConflictChoice::Replace) {
        QFile f(dir("target/notes.txt"));
        QVERIFY(f.open(QIODevice::ReadOnly));
        QCOMPARE(f.readAll(), QByteArray("new"));
    }
}

void TestArchives::compressNameTaken_data()
{
    QTest::addColumn<ConflictChoice>("answer");
    QTest::addColumn<QString>("created");
    QTest::addColumn<QByteArray>("oldHolds");
    QTest::newRow("keep both") << ConflictChoice::KeepBoth << "top (2).zip" << QByteArray("old");
    QTest::newRow("replace") << ConflictChoice::Replace << "top.zip" << QByteArray();
    QTest::newRow("skip") << ConflictChoice::Skip << QString() << QByteArray("old");
}

void TestArchives::compressNameTaken()
{
    QFETCH(ConflictChoice, answer);
    QFETCH(QString, created);
    QFETCH(QByteArray, oldHolds);
    QVERIFY(writeFile(dir("src/top/a"), "a"));
    QVERIFY(writeFile(dir("src/top.zip"), "old"));
    Answers answers;
    answers.conflict = answer;
    const JobResult r = run(
        Archives::compress({bytes("src/top")}, bytes("src/top.zip"), ArchiveFormat::Zip), &answers);
    QCOMPARE(answers.conflictsAsked, 1);
    QCOMPARE(r.created,
             created.isEmpty() ? QList<QByteArray>{} : QList<QByteArray>{bytes("src/" + created)});
    QFile old(dir("src/top.zip"));
    QVERIFY(old.open(QIODevice::ReadOnly));
    if (oldHolds.isEmpty())
        QVERIFY(shell(QStringLiteral("unzip -tq top.zip"), dir("src")));
    else
        QCOMPARE(old.readAll(), oldHolds);
    QCOMPARE(topNames(dir("src")).size(), created == "top (2).zip" ? 3 : 2); // no part file
}

void TestArchives::cancelLeavesNothing_data()
{
    QTest::addColumn<bool>("extracting");
    QTest::addColumn<bool>("deleting"); // as closing the window does
    QTest::newRow("extract") << true << false;
    QTest::newRow("compress") << false << false;
    QTest::newRow("extract, job deleted") << true << true;
    QTest::newRow("compress, job deleted") << false << true;
}

void TestArchives::cancelLeavesNothing()
{
    QFETCH(bool, extracting);
    QFETCH(bool, deleting);
    QByteArray data(8 << 20, '\0');
    for (int i = 0; i < data.size(); ++i)
        data[i] = char(i * 2654435761u >> 24);
    QVERIFY(writeFile(dir("src/top/big"), data));
    QVERIFY(writeFile(dir("src/top/small"), "x"));
    if (extracting)
        QVERIFY(shell("tar czf ../target/top.tar.gz top", dir("src")));
    const QStringList before = topNames(dir("target"));
    Job *job = extracting ? Archives::extract({bytes("target/top.tar.gz")}, bytes("target"))
                          : Archives::compress({bytes("src/top")}, bytes("target/top.tar.gz"),
                                               ArchiveFormat::TarGz);
    if (deleting) {
        // The worker holds at its first report until the job is being deleted,
        // so that it is surely still at work then.
        QSemaphore reached, go;
        QObject::connect(
            job, &Job::progress, job,
            [&, first = true]() mutable {
                if (std::exchange(first, false)) {
                    reached.release();
                    go.acquire();
                }
            },
            Qt::DirectConnection);
        job->start();
        QVERIFY(reached.tryAcquire(1, 5000));
        go.release();
        delete job;
    } else {
        const JobResult r = run(job, nullptr, true);
        QVERIFY(r.cancelled);
        QVERIFY(r.created.isEmpty());
    }
    QCOMPARE(topNames(dir("target")), before);
}

// Paused from the start, a job writes nothing until resumed.
void TestArchives::pauseHolds_data()
{
    QTest::addColumn<bool>("extracting");
    QTest::newRow("extract") << true;
    QTest::newRow("compress") << false;
}

void TestArchives::pauseHolds()
{
    QFETCH(bool, extracting);
    QVERIFY(writeFile(dir("src/top/big"), QByteArray(4 << 20, 'b')));
    if (extracting)
        QVERIFY(shell("tar czf ../target/top.tar.gz top", dir("src")));
    std::unique_ptr<Job> job(
        extracting ? Archives::extract({bytes("target/top.tar.gz")}, bytes("target"))
                   : Archives::compress({bytes("src/top")}, bytes("target/top.tar.gz"),
                                        ArchiveFormat::TarGz));
    QVERIFY(job->pausable());
    job->setPaused(true);
    QSignalSpy finished(job.get(), &Job::finished);
    job->start();
    QTest::qWait(600);
    QVERIFY(finished.isEmpty());
    job->setPaused(false);
    QVERIFY(waitEmitted(finished, 20000));
    QCOMPARE(finished.first().first().value<JobResult>().created.size(), 1);
}

void TestArchives::diskFull_data()
{
    QTest::addColumn<bool>("extracting");
    QTest::newRow("extract") << true;
    QTest::newRow("compress") << false;
}

void TestArchives::diskFull()
{
    QFETCH(bool, extracting);
    ScratchVolume volume(tmp_->path(), "1m");
    if (!volume.isMounted())
        QSKIP(qPrintable(volume.whyNot()));
    // Packs small, unpacks beyond the volume; or cannot be packed smaller.
    QByteArray data(3 << 20, '\0');
    if (!extracting)
        QRandomGenerator(7).fillRange(reinterpret_cast<quint32 *>(data.data()), data.size() / 4);
    QVERIFY(writeFile(dir("src/top/big.bin"), data));
    const QByteArray into = volume.encodedPath();
    Answers answers;
    answers.error = ErrorChoice::Retry; // go on although it will not fit
    JobResult r;
    if (extracting) {
        QVERIFY(shell("tar cf - top | gzip -1 > small.tar.gz", dir("src")));
        QVERIFY(QFile::copy(dir("src/small.tar.gz"), volume.path() + "/small.tar.gz"));
        r = run(Archives::extract({into + "/small.tar.gz"}, into), &answers);
        QCOMPARE(answers.errorsAsked, 1); // it needs more than is free
    } else {
        r = run(Archives::compress({bytes("src/top")}, into + "/top.zip", ArchiveFormat::Zip),
                &answers);
    }
    QCOMPARE(r.errors.size(), 1);
    QVERIFY2(r.errors.first().contains(QStringLiteral("not enough free space")),
             qPrintable(r.errors.first()));
    QVERIFY(r.created.isEmpty());
    QCOMPARE(topNames(volume.path()), extracting ? QStringList{"small.tar.gz"} : QStringList{});
}

void TestArchives::namesAndTypes()
{
    const struct
    {
        QByteArray name, stem;
    } stems[] = {{"photos.tar.gz", "photos"},
                 {"A.TGZ", "A"},
                 {"x.zip", "x"},
                 {"noext", "noext"},
                 {"a.b.7z", "a.b"},
                 {"s.tar.zst", "s"},
                 {"caf\xe9.tar.xz", "caf\xe9"},
                 {".hidden.zip", ".hidden"}};
    for (const auto &s : stems)
        QCOMPARE(Archives::stem(s.name), s.stem);

    QVERIFY(writeFile(dir("src/a.txt"), "just text"));
    QVERIFY(shell("zip -q a.zip a.txt && cp a.zip zipped-no-extension && tar czf a.tgz a.txt",
                  dir("src")));
    QVERIFY(Archives::isArchive(bytes("src/a.zip")));
    QVERIFY(Archives::isArchive(bytes("src/a.tgz")));
    QVERIFY(Archives::isArchive(bytes("src/zipped-no-extension")));
    QVERIFY(!Archives::isArchive(bytes("src/a.txt")));
    QVERIFY(!Archives::isArchive(bytes("src")));
}

namespace {

// Answers the password question as a user would in the dialog.
class PasswordAsker : public JobAsker
{
public:
    std::pair<ConflictChoice, bool> askConflict(QWidget *, const Conflict &) override
    {
        return {ConflictChoice::Cancel, false};
    }
    ErrorChoice askError(QWidget *, const QString &, const QString &) override
    {
        return ErrorChoice::Cancel;
    }
    std::optional<QByteArray> askPassword(QWidget *, const QString &item, bool) override
    {
        asked << item;
        return QByteArray("right");
    }
    void report(QWidget *, JobKind, const QStringList &errors) override { reported << errors; }
    QStringList asked, reported;
};

QStringList entries(const QMenu &menu)
{
    QStringList texts;
    for (const QAction *a : menu.actions())
        texts << a->text().remove(QLatin1Char('&'));
    return texts;
}

} // namespace

void TestArchives::menuAndDialogAnswers()
{
    QVERIFY(writeFile(dir("src/report.pdf"), "%PDF"));
    QVERIFY(writeFile(dir("src/photos.2024/a"), "a"));
    QVERIFY(writeFile(dir("src/in/inner.txt"), "the secret"));
    QVERIFY(shell("zip -q -P right ../locked.zip inner.txt && tar czf ../b.tar.gz inner.txt",
                  dir("src/in")));
    QCOMPARE(ArchiveVerbs::suggestedName({bytes("src/report.pdf")}), QStringLiteral("report"));
    QCOMPARE(ArchiveVerbs::suggestedName({bytes("src/photos.2024")}),
             QStringLiteral("photos.2024"));
    QCOMPARE(ArchiveVerbs::suggestedName({bytes("src/report.pdf"), bytes("src/photos.2024")}),
             QStringLiteral("src"));

    QWidget window;
    RecordingMessages messages;
    PasswordAsker asker;
    QMenu menu;
    ArchiveVerbs::addMenuEntries(menu, &window, messages, asker,
                                 {bytes("src/locked.zip"), bytes("src/b.tar.gz")});
    QCOMPARE(entries(menu), QStringList({"Extract Here", "Compress..."}));
    menu.clear();
    ArchiveVerbs::addMenuEntries(menu, &window, messages, asker,
                                 {bytes("src/locked.zip"), bytes("src/report.pdf")});
    QCOMPARE(entries(menu), QStringList({"Compress..."}));

    QVERIFY(!ArchiveVerbs::compressAs(&window, messages, asker, {bytes("src/report.pdf")},
                                      QStringLiteral("a/b"), ArchiveFormat::Zip));
    QCOMPARE(messages.errors.size(), 1);

    // The runner takes the job's password question to the asker.
    ArchiveVerbs::extractHere(&window, messages, asker, {bytes("src/locked.zip")});
    QTRY_VERIFY(QFileInfo::exists(dir("src/inner.txt")));
    QCOMPARE(asker.asked, QStringList{"locked.zip"});
    QCOMPARE(asker.reported, QStringList());
}

TARNWICK_TEST_MAIN(TestArchives)
#include "test_archives.moc"
