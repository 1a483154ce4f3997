#include "filesearch.h"
#include "findwindow.h"
#include "propertiesdialog.h"
#include "rawpaths.h"
#include "sizecounter.h"
#include "testenv.h"

#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QMimeDatabase>
#include <QScopeGuard>
#include <QSignalSpy>
#include <QTreeView>
#include <fcntl.h>
#include <memory>
#include <pwd.h>
#include <sys/stat.h>
#include <unistd.h>

using namespace tarnwick;

namespace {

bool make(const QByteArray &path, const QByteArray &bytes = {})
{
    const int fd = open(path.constData(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0644);
    if (fd < 0)
        return false;
    const bool ok = write(fd, bytes.constData(), size_t(bytes.size())) == bytes.size();
    close(fd);
    return ok;
}

mode_t modeOf(const QByteArray &path)
{
    struct stat st;
    return lstat(path.constData(), &st) == 0 ? st.st_mode & 07777 : 0;
}

QString widgetText(const QWidget &w, const char *name)
{
    const QObject *o = w.findChild<QObject *>(QLatin1String(name));
    return o ? o->property("text").toString() : QStringLiteral("<none>");
}

QCheckBox *permission(const QWidget &w, const QString &bits)
{
    return w.findChild<QCheckBox *>(QStringLiteral("perm") + bits);
}

// Reading a folder needs permission only when not root; as root, the search
// and the count run as nobody for a while instead.
struct AsNobody
{
    AsNobody() { active = geteuid() == 0 && seteuid(65534) == 0; }
    ~AsNobody()
    {
        if (active)
            QVERIFY(seteuid(0) == 0);
    }
    bool active = false;
};

} // namespace

class TestPropertiesFind : public QObject
{
    Q_OBJECT

    QTemporaryDir tree_;    // the small tree every table works on; left as made
    QTemporaryDir big_;     // 20 folders of 100 files
    QTemporaryDir scratch_; // emptied before every test
    QByteArray root() const { return QFile::encodeName(tree_.path()); }
    QByteArray at(const QString &rel) const { return root() + '/' + QFile::encodeName(rel); }
    QByteArray scratch(const QByteArray &name) const
    {
        return QFile::encodeName(scratch_.path()) + '/' + name;
    }

private slots:
    void initTestCase()
    {
        test::quietPlatformNotes();
        QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates));
        QVERIFY(mkdir(at("docs"), 0755) == 0 && mkdir(at("docs/deep"), 0755) == 0 &&
                mkdir(at("links"), 0755) == 0);
        QByteArray c(70000, 'x');
        c.replace(65533, 6, "needle"); // across the first chunk's end
        QVERIFY(make(at("a.txt"), "hello world") && make(at("docs/b.txt"), "Some Needle here") &&
                make(at("docs/c.md"), c) && make(at("docs/deep/d.txt"), "NEEDLE") &&
                make(at("docs/deep/Ünïcode.txt"), "ÄRGER") && make(at("report"), "%PDF-1.4\n"));
        QVERIFY(symlink("..", at("links/up")) == 0);
        QVERIFY(symlink("../docs/c.md", at("links/big")) == 0);
        QVERIFY(mkfifo(at("pipe.txt"), 0644) == 0);
        chmod(root(), 0755); // for the runs as nobody

        const QByteArray big = QFile::encodeName(big_.path());
        for (int d = 0; d < 20; ++d) {
            const QByteArray dir = big + "/d" + QByteArray::number(d);
            QVERIFY(mkdir(dir, 0755) == 0);
            for (int f = 0; f < 100; ++f)
                QVERIFY(make(dir + "/f" + QByteArray::number(f) + ".txt"));
        }
    }
    void init()
    {
        QVERIFY(test::removeTree(scratch_.path()));
        QVERIFY(mkdir(QFile::encodeName(scratch_.path()), 0755) == 0);
    }

    // ---- SizeCounter ----

    void sizeCounter_data()
    {
        QTest::addColumn<QStringList>("items");
        QTest::addColumn<qint64>("bytes");
        QTest::addColumn<qint64>("files");
        QTest::addColumn<qint64>("folders");
        QTest::newRow("one file") << QStringList{"a.txt"} << 11LL << 1LL << 0LL;
        QTest::newRow("folder and below") << QStringList{"docs"} << 70028LL << 4LL << 2LL;
        // "up" leads to an ancestor: followed, it would never end.
        QTest::newRow("links by their own size") << QStringList{"links"} << 14LL << 2LL << 1LL;
        QTest::newRow("several") << QStringList{"a.txt", "docs"} << 70039LL << 5LL << 2LL;
        QTest::newRow("everything") << QStringList{""} << 70062LL << 9LL << 4LL;
        QTest::newRow("gone item skipped") << QStringList{"gone", "a.txt"} << 11LL << 1LL << 0LL;
    }
    void sizeCounter()
    {
        QFETCH(QStringList, items);
        QFETCH(qint64, bytes);
        QFETCH(qint64, files);
        QFETCH(qint64, folders);
        QList<QByteArray> paths;
        for (const QString &i : items)
            paths << (i.isEmpty() ? root() : at(i));
        SizeCounter counter;
        QSignalSpy done(&counter, &SizeCounter::finished);
        counter.start(paths);
        QVERIFY(done.wait(5000));
        const auto t = done.first().at(0).value<SizeTotals>();
        QVERIFY(done.first().at(1).toBool());
        QCOMPARE((QList<qint64>{t.bytes, t.files, t.folders, t.unreadable}),
                 (QList<qint64>{bytes, files, folders, 0}));
        QVERIFY(!counter.isRunning());
    }

    void sizeCounterCancelAndRestart()
    {
        SizeCounter counter;
        QSignalSpy done(&counter, &SizeCounter::finished);
        counter.start({QFile::encodeName(big_.path())});
        counter.cancel();
        QVERIFY(done.wait(5000));
        QVERIFY(!done.first().at(1).toBool());
        QVERIFY(done.first().at(0).value<SizeTotals>().files < 2000);

        counter.start({QFile::encodeName(big_.path())});
        counter.start({at("a.txt")});
        QVERIFY(done.wait(5000));
        QCOMPARE(done.size(), 2);
        QCOMPARE(done.last().at(0).value<SizeTotals>().bytes, 11);
        // The count given up must stay silent: a full count of the same
        // folder, finished, outlasts it.
        counter.start({QFile::encodeName(big_.path())});
        QVERIFY(done.wait(10000));
        QCOMPARE(done.size(), 3);
        QVERIFY(done.last().at(1).toBool());
    }

    void unreadableFoldersCounted()
    {
        const QByteArray locked = scratch("locked");
        QVERIFY(mkdir(locked, 0700) == 0 && make(locked + "/inside.txt"));
        QVERIFY(make(scratch("open.txt")));
        auto restore = qScopeGuard([&] { chmod(locked, 0700); });
        if (geteuid() != 0)
            QVERIFY(chmod(locked, 0) == 0);
        chmod(QFile::encodeName(scratch_.path()), 0755);
        AsNobody nobody;

        SizeCounter counter;
        QSignalSpy counted(&counter, &SizeCounter::finished);
        counter.start({QFile::encodeName(scratch_.path())});
        QVERIFY(counted.wait(5000));
        const auto t = counted.first().at(0).value<SizeTotals>();
        QCOMPARE(t.unreadable, 1);
        QCOMPARE(t.folders, 2);

        FileSearch search;
        QSignalSpy searched(&search, &FileSearch::finished);
        search.start({QFile::encodeName(scratch_.path()), "*.txt", {}, false, true});
        QVERIFY(searched.wait(5000));
        QCOMPARE(searched.first().at(0).toLongLong(), 1); // open.txt
        QCOMPARE(searched.first().at(1).toLongLong(), 1);
    }

    // ---- PropertiesDialog ----

    void properties_data()
    {
        QTest::addColumn<QStringList>("items");
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("type");
        QTest::addColumn<QString>("location");
        QTest::addColumn<QString>("size");
        const QMimeDatabase db;
        const QString text = db.mimeTypeForName("text/plain").comment();
        const QString here = tree_.path();
        const auto row = [](const char *name, const char *items, const char *shown,
                            const QString &type, const QString &location, const char *size) {
            QTest::newRow(name) << QString(items).split(' ') << QString(shown) << type << location
                                << QString(size);
        };
        row("text file", "a.txt", "a.txt", text, here, "11 bytes");
        row("told by content", "report", "report", db.mimeTypeForName("application/pdf").comment(),
            here, "9 bytes");
        row("folder, itself not counted", "docs", "docs", "Folder", here,
            "68.4 KiB (70,028 bytes), 4 files, 1 folder");
        row("link", "links/big", "big", "Link to ../docs/c.md", here + "/links", "12 bytes");
        row("pipe", "pipe.txt", "pipe.txt", db.mimeTypeForName("inode/fifo").comment(), here,
            "0 bytes");
        row("several", "a.txt docs", "2 items", "Various types", here,
            "68.4 KiB (70,039 bytes), 5 files, 2 folders");
        row("several of one type", "a.txt docs/b.txt", "2 items", text, "Various folders",
            "27 bytes, 2 files, 0 folders");
    }
    void properties()
    {
        QFETCH(QStringList, items);
        QFETCH(QString, name);
        QFETCH(QString, type);
        QFETCH(QString, location);
        QFETCH(QString, size);
        QList<QByteArray> paths;
        for (const QString &i : items)
            paths << at(i);
        test::RecordingMessages messages;
        std::unique_ptr<PropertiesDialog> d(PropertiesDialog::create(paths, nullptr, messages));
        QVERIFY(d);
        QTRY_VERIFY(!d->isCounting());
        QCOMPARE(widgetText(*d, "name"), name);
        QCOMPARE(widgetText(*d, "type"), type);
        QCOMPARE(widgetText(*d, "location"), location);
        QCOMPARE(widgetText(*d, "size"), size);
        const QString me = QString::fromLocal8Bit(getpwuid(geteuid())->pw_name);
        QCOMPARE(widgetText(*d, "owner"), me);
        QCOMPARE(widgetText(*d, "created") == "<none>", items.size() > 1);
        QVERIFY(messages.errors.isEmpty());
    }

    // The top of a volume is named for its kind, as My Computer lists it.
    void volumeNamesItsKind()
    {
        test::RecordingMessages messages;
        std::unique_ptr<PropertiesDialog> d(PropertiesDialog::create({"/"}, nullptr, messages));
        QVERIFY(d);
        QCOMPARE(widgetText(*d, "type"), QStringLiteral("Local Disk"));
    }

    void ownerWithoutAName()
    {
        if (geteuid() != 0)
            QSKIP("giving a file away needs root");
        QVERIFY(make(scratch("given")) && chown(scratch("given"), 54321, 54322) == 0);
        std::unique_ptr<PropertiesDialog> d(PropertiesDialog::create({scratch("given")}));
        QCOMPARE(widgetText(*d, "owner"), "54321");
        QCOMPARE(widgetText(*d, "group"), "54322");
    }

    void vanishedItem()
    {
        test::RecordingMessages messages;
        QVERIFY(!PropertiesDialog::create({at("a.txt"), at("gone")}, nullptr, messages));
        QCOMPARE(messages.errors, QStringList{"“" + tree_.path() + "/gone” is no longer there."});
    }

    void permissions_data()
    {
        QTest::addColumn<QList<int>>("modes");
        QTest::addColumn<QStringList>("changes"); // box=state, 0 off, 1 as it was, 2 on
        QTest::addColumn<QList<int>>("after");
        QTest::newRow("owner may run")
            << QList<int>{0644} << QStringList{"100=2"} << QList<int>{0744};
        QTest::newRow("private") << QList<int>{0644} << QStringList{"040=0", "004=0"}
                                 << QList<int>{0600};
        QTest::newRow("nothing changed") << QList<int>{0640} << QStringList{} << QList<int>{0640};
        QTest::newRow("changed and back")
            << QList<int>{0640} << QStringList{"002=2", "002=0"} << QList<int>{0640};
        QTest::newRow("special bits kept")
            << QList<int>{04755} << QStringList{"001=0"} << QList<int>{04754};
        QTest::newRow("shared bit off for all")
            << QList<int>{0600, 0755} << QStringList{"200=0"} << QList<int>{0400, 0555};
        QTest::newRow("differing bit left alone")
            << QList<int>{0600, 0755} << QStringList{"040=1", "001=2"} << QList<int>{0601, 0755};
        QTest::newRow("differing bit set for all")
            << QList<int>{0600, 0644} << QStringList{"004=2"} << QList<int>{0604, 0644};
    }
    void permissions()
    {
        QFETCH(QList<int>, modes);
        QFETCH(QStringList, changes);
        QFETCH(QList<int>, after);
        QList<QByteArray> paths;
        for (int i = 0; i < modes.size(); ++i) {
            paths << scratch("f" + QByteArray::number(i));
            QVERIFY(make(paths.last()) && chmod(paths.last(), mode_t(modes[i])) == 0);
        }
        test::RecordingMessages messages;
        std::unique_ptr<PropertiesDialog> d(PropertiesDialog::create(paths, nullptr, messages));
        for (const QString &c : changes) {
            QCheckBox *box = permission(*d, c.left(3));
            QVERIFY(box && box->isEnabled());
            box->setCheckState(Qt::CheckState(c.mid(4).toInt()));
        }
        d->accept();
        QCOMPARE(d->result(), int(QDialog::Accepted));
        for (int i = 0; i < paths.size(); ++i)
            QCOMPARE(int(modeOf(paths[i])), after[i]);
        QVERIFY(messages.errors.isEmpty());
    }

    void linksNeverChanged()
    {
        QVERIFY(make(scratch("target")) && chmod(scratch("target"), 0600) == 0);
        QVERIFY(symlink("target", scratch("link")) == 0 && make(scratch("plain")));
        std::unique_ptr<PropertiesDialog> one(PropertiesDialog::create({scratch("link")}));
        QVERIFY(!permission(*one, "004")->isEnabled());
        std::unique_ptr<PropertiesDialog> d(
            PropertiesDialog::create({scratch("link"), scratch("plain")}));
        permission(*d, "002")->setChecked(true);
        d->accept();
        QCOMPARE(int(modeOf(scratch("plain"))), 0646);
        QCOMPARE(int(modeOf(scratch("target"))), 0600);
    }

    void onlyTheOwnerChangesPermissions()
    {
        AsNobody nobody;
        if (geteuid() == 0)
            QSKIP("cannot stop being root here");
        std::unique_ptr<PropertiesDialog> d(PropertiesDialog::create({"/etc/passwd"}));
        QVERIFY(d);
        QVERIFY(!permission(*d, "400")->isEnabled());
    }

    void failuresReportedOnceAndTheRestApplied()
    {
        QVERIFY(make(scratch("stays")) && make(scratch("goes")));
        test::RecordingMessages messages;
        std::unique_ptr<PropertiesDialog> d(
            PropertiesDialog::create({scratch("stays"), scratch("goes")}, nullptr, messages));
        permission(*d, "100")->setChecked(true);
        QVERIFY(unlink(scratch("goes")) == 0);
        d->accept();
        QCOMPARE(int(modeOf(scratch("stays"))), 0744);
        QCOMPARE(messages.errors.size(), 1);
        QVERIFY(messages.errors.first().contains(scratch_.path() + "/goes” is no longer there"));
    }

    void rename_data()
    {
        QTest::addColumn<QByteArray>("item");
        QTest::addColumn<QString>("typed"); // empty: left as shown
        QTest::addColumn<bool>("closes");
        QTest::addColumn<QByteArray>("there"); // the item's name afterwards
        QTest::newRow("renamed") << QByteArray("old") << "new name" << true
                                 << QByteArray("new name");
        QTest::newRow("taken name") << QByteArray("old") << "taken" << false << QByteArray("old");
        QTest::newRow("slash") << QByteArray("old") << "a/b" << false << QByteArray("old");
        QTest::newRow("invalid UTF-8 left alone")
            << QByteArray("bad\xff") << "" << true << QByteArray("bad\xff");
    }
    void rename()
    {
        QFETCH(QByteArray, item);
        QFETCH(QString, typed);
        QFETCH(bool, closes);
        QFETCH(QByteArray, there);
        QVERIFY(make(scratch(item), "kept") && make(scratch("taken")));
        test::RecordingMessages messages;
        std::unique_ptr<PropertiesDialog> d(
            PropertiesDialog::create({scratch(item)}, nullptr, messages));
        d->show();
        auto *name = d->findChild<QLineEdit *>("name");
        if (!typed.isEmpty())
            name->setText(typed.trimmed());
        permission(*d, "001")->setChecked(true);
        d->accept();
        QCOMPARE(d->isVisible(), !closes);
        QCOMPARE(messages.errors.size(), closes ? 0 : 1);
        QVERIFY(rawpath::exists(scratch(there)));
        // Both changes or neither, whatever the order they are made in.
        QCOMPARE(int(modeOf(scratch(there))), closes ? 0645 : 0644);
    }

    // ---- FileSearch ----

    void search_data()
    {
        QTest::addColumn<QString>("names");
        QTest::addColumn<QString>("text");
        QTest::addColumn<bool>("matchCase");
        QTest::addColumn<bool>("subfolders");
        QTest::addColumn<QStringList>("found");
        const auto row = [](const char *name, const char *names, const char *text, bool matchCase,
                            bool subfolders, const char *found) {
            QTest::newRow(name) << QString(names) << QString(text) << matchCase << subfolders
                                << QString(found).split(' ', Qt::SkipEmptyParts);
        };
        const char *txt = "a.txt docs/b.txt docs/deep/d.txt docs/deep/Ünïcode.txt pipe.txt";
        row("every name", "", "", false, true,
            "a.txt docs docs/b.txt docs/c.md docs/deep docs/deep/d.txt docs/deep/Ünïcode.txt "
            "links links/big links/up pipe.txt report");
        row("wildcard", "*.txt", "", false, true, txt);
        row("case ignored", "*.TXT", "", false, true, txt);
        row("word anywhere", "EE", "", false, true, "docs/deep");
        row("several patterns", "*.md; a.*", "", false, true, "a.txt docs/c.md");
        row("top folder only", "*.txt", "", false, false, "a.txt pipe.txt");
        // Neither the pipe nor the link to c.md is read.
        row("text, case ignored", "", "needle", false, true,
            "docs/b.txt docs/c.md docs/deep/d.txt");
        row("text, case matched", "*", "NEEDLE", true, true, "docs/deep/d.txt");
        row("text and name", "*.md", "needle", false, true, "docs/c.md");
        row("other letters, case ignored", "", "ärger", false, true, "docs/deep/Ünïcode.txt");
        row("nowhere", "", "absent", false, true, "");
    }
    void search()
    {
        QFETCH(QString, names);
        QFETCH(QString, text);
        QFETCH(bool, matchCase);
        QFETCH(bool, subfolders);
        QFETCH(QStringList, found);
        FileSearch s;
        QStringList got;
        connect(&s, &FileSearch::found, this, [&](FoundBatch &batch) {
            for (const FoundItem &f : std::as_const(batch.items))
                got << QFile::decodeName(batch.pathOf(f).mid(root().size() + 1));
        });
        QSignalSpy done(&s, &FileSearch::finished);
        s.start({root(), names, text, matchCase, subfolders});
        QVERIFY(done.wait(5000));
        got.sort();
        QCOMPARE(got, found);
        QCOMPARE(done.first().at(0).toLongLong(), found.size());
        QVERIFY(!done.first().at(2).toBool());
    }

    void resultsArriveInBatches()
    {
        FileSearch s;
        int batches = 0;
        qsizetype total = 0;
        connect(&s, &FileSearch::found, this, [&](FoundBatch &batch) {
            ++batches;
            total += batch.items.size();
        });
        QSignalSpy done(&s, &FileSearch::finished);
        s.start({QFile::encodeName(big_.path()), "*.txt", {}, false, true});
        QVERIFY(done.wait(5000));
        QVERIFY(batches >= 1 && batches < 2000);
        QCOMPARE(total, 2000);
    }

    void stopEndsTheSearch()
    {
        FileSearch s;
        QSignalSpy done(&s, &FileSearch::finished);
        s.start({QFile::encodeName(big_.path()), "", {}, false, true});
        s.stop();
        QVERIFY(done.wait(5000));
        QVERIFY(done.first().at(2).toBool());
        QVERIFY(done.first().at(0).toLongLong() < 2020);
        QVERIFY(!s.isRunning());
    }

    // ---- FindWindow ----

    void findWindowOpensTheFolder()
    {
        QStringList opened;
        FindWindow w(tree_.path(), [&](const QString &folder) { opened << folder; });
        w.show();
        w.findChild<QLineEdit *>("named")->setText("d.txt");
        QCOMPARE(w.windowTitle(), "Find: Files named d.txt");
        QSignalSpy done(&w, &FindWindow::searchFinished);
        QTest::mouseClick(w.findChild<QWidget *>("findNow"), Qt::LeftButton);
        QVERIFY(done.wait(5000));
        QCOMPARE(widgetText(w, "status"), "1 item found");
        auto *results = w.findChild<QTreeView *>("results");
        QCOMPARE(results->model()->rowCount(), 1);
        const QRect r = results->visualRect(results->model()->index(0, 0));
        // A view takes a double click only on the item the press went to.
        QTest::mouseClick(results->viewport(), Qt::LeftButton, {}, r.center());
        QTest::mouseDClick(results->viewport(), Qt::LeftButton, {}, r.center());
        QCOMPARE(opened, QStringList{tree_.path() + "/docs/deep"});
    }

    void findWindowRefusesWhatIsNoFolder()
    {
        for (const QString &lookIn : QStringList{"", "docs", "/no/such", tree_.path() + "/a.txt"}) {
            FindWindow w(lookIn, {});
            w.findNow();
            QVERIFY2(!w.isSearching() && !widgetText(w, "status").isEmpty(), qPrintable(lookIn));
        }
    }

    void closingStopsTheSearch()
    {
        FindWindow w(big_.path(), {});
        w.show();
        w.findChild<QLineEdit *>("containing")->setText("never there");
        QSignalSpy done(&w, &FindWindow::searchFinished);
        w.findNow();
        QCOMPARE(widgetText(w, "status"), "Searching…");
        w.close();
        QVERIFY(done.wait(5000));
        QVERIFY(widgetText(w, "status").startsWith("Stopped: "));
    }
};

TARNWICK_TEST_MAIN(TestPropertiesFind)
#include "test_propertiesfind.moc"
