#include "background.h"
#include "filesearch.h"
#include "findwindow.h"
#include "founditemsmodel.h"
#include "rawpaths.h"
#include "startplaces.h"
#include "testenv.h"
#include "treewalk.h"
#include "verbs.h"

#include <QAbstractItemModelTester>
#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QSignalSpy>
#include <QTimer>
#include <QTreeView>
#include <fcntl.h>
#include <memory>
#include <sys/socket.h>
#include <sys/stat.h>
#include <sys/un.h>
#include <unistd.h>

using namespace tarnwick;

namespace {

bool make(const QByteArray &path, const QByteArray &bytes = {})
{
    return test::makeRawFile(path, bytes);
}

} // namespace

class TestFind : public QObject
{
    Q_OBJECT

    QTemporaryDir dir_;
    QByteArray root() const { return QFile::encodeName(dir_.path()) + "/t"; }
    QByteArray at(const QByteArray &rel) const { return root() + '/' + rel; }

    // What a search finds, relative to root(), sorted.
    QList<QByteArray> find(FindQuery q, bool *finished = nullptr)
    {
        if (q.folder.isEmpty())
            q.folder = root();
        FileSearch s;
        QList<QByteArray> got;
        connect(&s, &FileSearch::found, this, [&](FoundBatch &batch) {
            for (const FoundItem &i : std::as_const(batch.items))
                got << batch.pathOf(i).mid(root().size() + 1);
        });
        QSignalSpy done(&s, &FileSearch::finished);
        s.start(q);
        const bool ended = done.wait(5000);
        if (finished)
            *finished = ended;
        std::sort(got.begin(), got.end());
        return got;
    }

    // A file of holes, read as fast as the disk can be read but still long
    // enough to be caught in the middle.
    void makeHugeFile()
    {
        const int fd = open(at("huge.bin"), O_WRONLY | O_CREAT | O_CLOEXEC, 0644);
        QVERIFY(fd >= 0);
        QVERIFY(ftruncate(fd, qint64(16) << 30) == 0);
        close(fd);
    }

private slots:
    void initTestCase()
    {
        test::quietPlatformNotes();
        QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates));
    }
    void cleanupTestCase() { test::removeTree(QFile::decodeName(root())); } // names QDir cannot
    void init()
    {
        test::removeTree(QFile::decodeName(root()));
        QVERIFY(mkdir(root(), 0755) == 0);
    }

    void oddNames_data()
    {
        QTest::addColumn<QByteArray>("name");
        QTest::addColumn<QByteArray>("content");
        QTest::addColumn<QString>("names");
        QTest::addColumn<QString>("text");
        QTest::addColumn<bool>("found");
        QByteArray across(256 * 1024 - 3, 'x'); // the text spans two reads
        across += "needle";
        QTest::newRow("newline, by name")
            << QByteArray("two\nlines.txt") << QByteArray() << "lines" << QString() << true;
        QTest::newRow("not UTF-8, by wildcard")
            << QByteArray("caf\xe9.txt") << QByteArray() << "caf?.txt" << QString() << true;
        QTest::newRow("not UTF-8, by content")
            << QByteArray("bad\xff") << QByteArray("a needle") << ""
            << "needle" << true;
        QTest::newRow("markup") << QByteArray("<img src=x>.html") << QByteArray() << "<IMG"
                                << QString() << true;
        QTest::newRow("other letters, other case")
            << QByteArray("ÜBER.txt") << QByteArray() << "über" << QString() << true;
        QTest::newRow("other letters, ASCII pattern")
            << QByteArray("naïve report.txt") << QByteArray() << "REPORT" << QString() << true;
        QTest::newRow("name.* without extension")
            << QByteArray("README") << QByteArray() << "readme.*" << QString() << true;
        QTest::newRow("wildcard at the end only")
            << QByteArray("xreport") << QByteArray() << "report*" << QString() << false;
        QTest::newRow("text, case ignored") << QByteArray("a.txt") << QByteArray("xx NeEdLe") << ""
                                            << "needle" << true;
        QTest::newRow("text across two reads") << QByteArray("big.txt") << across << "*.txt"
                                               << "NEEDLE" << true;
        QTest::newRow("text, other letters") << QByteArray("u.txt") << QByteArray("ÄRGER") << ""
                                             << "ärger" << true;
        QTest::newRow("text absent") << QByteArray("a.txt") << QByteArray("hay") << ""
                                     << "needle" << false;
    }
    void oddNames()
    {
        QFETCH(QByteArray, name);
        QFETCH(QByteArray, content);
        QFETCH(QString, names);
        QFETCH(QString, text);
        QFETCH(bool, found);
        QVERIFY(mkdir(at("sub"), 0755) == 0);
        QVERIFY(make(at("sub/" + name), content));
        const QList<QByteArray> expected{"sub/" + name};
        QCOMPARE(find({{}, names, text}).contains(expected.first()), found);
    }

    // Only regular files are read, binary ones only when asked; a pipe with
    // no writer would hold a reader for ever.
    void specialFilesAreNotRead()
    {
        QVERIFY(make(at("text.txt"), "a needle"));
        QVERIFY(make(at("binary.dat"), QByteArray("\x7f"
                                                  "ELF\0\0needle",
                                                  12)));
        QVERIFY(mkfifo(at("pipe.txt"), 0644) == 0);
        QVERIFY(symlink("text.txt", at("link.txt")) == 0);
        const int sock = socket(AF_UNIX, SOCK_STREAM, 0);
        sockaddr_un addr{};
        addr.sun_family = AF_UNIX;
        const QByteArray sockPath = at("socket");
        if (size_t(sockPath.size()) < sizeof addr.sun_path) {
            memcpy(addr.sun_path, sockPath.constData(), size_t(sockPath.size()));
            QVERIFY(bind(sock, reinterpret_cast<sockaddr *>(&addr), sizeof addr) == 0);
        }
        const auto closeSocket = qScopeGuard([sock] { close(sock); });
        bool finished = false;
        QCOMPARE(find({{}, {}, "needle"}, &finished), QList<QByteArray>{"text.txt"});
        QVERIFY(finished);
        FindQuery binary{{}, {}, "needle"};
        binary.binaryFiles = true;
        QCOMPARE(find(binary, &finished), (QList<QByteArray>{"binary.dat", "text.txt"}));
        QVERIFY(finished);
    }

    void linkLoops()
    {
        QVERIFY(mkdir(at("a"), 0755) == 0 && mkdir(at("a/b"), 0755) == 0);
        QVERIFY(make(at("a/b/f.txt")));
        QVERIFY(symlink("../..", at("a/b/up")) == 0);
        QVERIFY(symlink("self", at("a/self")) == 0);
        QVERIFY(symlink(at("a"), at("a/b/again")) == 0);
        bool finished = false;
        QCOMPARE(find({{}, {}, {}}, &finished),
                 (QList<QByteArray>{"a", "a/b", "a/b/again", "a/b/f.txt", "a/b/up", "a/self"}));
        QVERIFY(finished);
    }

    void unreliableMountsAreNotEntered()
    {
        const QByteArray table = "22 1 8:1 / / rw - ext4 /dev/sda1 rw\n"
                                 "36 22 0:50 / /mnt/share rw,relatime - nfs4 srv:/x rw\n"
                                 "37 22 0:51 / /home/u/remote rw - fuse.sshfs u@h: rw\n"
                                 "38 22 0:52 / /media/stick rw - vfat /dev/sdb1 rw\n";
        QCOMPARE(unreliableMountPoints(table), (QSet<QByteArray>{"/mnt/share", "/home/u/remote"}));

        QVERIFY(mkdir(at("net"), 0755) == 0 && make(at("net/f")) && make(at("g")));
        ParallelWalkOptions options;
        options.avoid = {at("net")};
        QList<QByteArray> seen;
        std::mutex m;
        const std::atomic<bool> never{false};
        walkInParallel(root(), options, never, [&](int, const FoundEntry &e) {
            std::lock_guard lock(m);
            seen << e.name;
        });
        std::sort(seen.begin(), seen.end());
        QCOMPARE(seen, (QList<QByteArray>{"g", "net"}));
    }

    void stopping_data()
    {
        QTest::addColumn<QString>("how");
        for (const char *how : {"Stop", "new search", "window closed", "window gone"})
            QTest::newRow(how) << QString(how);
    }
    // Every way a search ends stops its workers at once, even in the middle
    // of a long file.
    void stopping()
    {
        QFETCH(QString, how);
        makeHugeFile();
        QVERIFY(mkdir(at("empty"), 0755) == 0);
        const int before = Background::runningCount();
        auto w = std::make_unique<FindWindow>(QFile::decodeName(root()), nullptr);
        w->show();
        w->findChild<QLineEdit *>("containing")->setText("never there");
        w->findChild<QCheckBox *>("binaryFiles")->setChecked(true);
        w->findNow();
        QTRY_VERIFY(Background::runningCount() > before); // its workers are reading
        QVERIFY(w->isSearching());
        QElapsedTimer since;
        since.start();
        if (how == "Stop") {
            QTest::mouseClick(w->findChild<QWidget *>("stop"), Qt::LeftButton);
        } else if (how == "new search") {
            w->findChild<QLineEdit *>("lookIn")->setText(QFile::decodeName(at("empty")));
            w->findNow();
        } else if (how == "window closed") {
            w->close();
        } else {
            w.reset();
        }
        QTRY_COMPARE_WITH_TIMEOUT(Background::runningCount(), before, 2000);
        QVERIFY2(since.elapsed() < 1000, qPrintable(QString::number(since.elapsed())));
    }

    // What was found shows at once, not once a long file has been read.
    void firstResultsDoNotWait()
    {
        QVERIFY(make(at("early.txt"), "a needle"));
        QVERIFY(mkdir(at("sub"), 0755) == 0);
        makeHugeFile(); // in the top folder; moved below, read after early.txt
        QVERIFY(rename(at("huge.bin"), at("sub/huge.bin")) == 0);
        FileSearch s;
        QElapsedTimer since;
        qint64 firstAfter = -1;
        connect(&s, &FileSearch::found, this, [&](FoundBatch &) {
            if (firstAfter < 0)
                firstAfter = since.elapsed();
        });
        FindQuery q{root(), {}, "needle"};
        q.binaryFiles = true;
        since.start();
        s.start(q);
        QTRY_VERIFY_WITH_TIMEOUT(firstAfter >= 0, 5000);
        QVERIFY2(firstAfter < 500, qPrintable(QString::number(firstAfter)));
    }

    // The model keeps its order and its selection as batches arrive, and
    // shows names as plain text on one line.
    void resultsModel()
    {
        FoundItemsModel model;
        QAbstractItemModelTester tester(&model,
                                        QAbstractItemModelTester::FailureReportingMode::QtTest);
        const auto batch = [](const QList<QByteArray> &names) {
            FoundBatch b;
            for (const QByteArray &n : names) {
                FoundItem i;
                i.pathAt = quint32(b.bytes.size());
                b.bytes += "/f/" + n;
                i.nameAt = 3;
                i.pathLength = quint32(b.bytes.size()) - i.pathAt;
                i.mode = S_IFREG | 0644;
                b.items << i;
            }
            return b;
        };
        FoundBatch first = batch({"file10", "a\nb", "file2", "\xff"});
        model.append(first);
        QPersistentModelIndex kept = model.index(0, 0); // file10
        model.sort(FoundItemsModel::NameColumn);
        FoundBatch second = batch({"file1", "file3"});
        model.append(second);
        QStringList shown;
        for (int r = 0; r < model.rowCount(); ++r)
            shown << model.data(model.index(r, 0)).toString();
        QCOMPARE(shown, (QStringList{"a\\nb", "file1", "file2", "file3", "file10", "\uFFFD"}));
        QCOMPARE(kept.row(), 4);
        QCOMPARE(model.folderAt(0), QByteArray("/f"));
    }

    // Sizes and times a search by name did not read come as a view asks for
    // them, and a sort by size has them all read first.
    void detailsReadWhenShown()
    {
        const auto batch = [this] {
            FoundBatch b;
            for (const QByteArray name : {"big", "small", "mid"}) {
                FoundItem i;
                i.pathAt = quint32(b.bytes.size());
                b.bytes += at(name);
                i.pathLength = quint32(b.bytes.size()) - i.pathAt;
                i.nameAt = i.pathLength - quint32(name.size());
                i.mode = S_IFREG;
                i.size = -1;
                b.items << i;
            }
            return b;
        };
        QVERIFY(make(at("big"), QByteArray(30, 'x')) && make(at("small"), "x") &&
                make(at("mid"), QByteArray(10, 'x')));
        FoundItemsModel shownFirst, sortedFirst;
        QAbstractItemModelTester tester(&shownFirst,
                                        QAbstractItemModelTester::FailureReportingMode::QtTest);
        const auto shown = [](const FoundItemsModel &m, int row, int column) {
            return m.data(m.index(row, column)).toString();
        };
        FoundBatch one = batch(), two = batch();
        shownFirst.append(one);
        QCOMPARE(shown(shownFirst, 0, FoundItemsModel::SizeColumn), QString());
        QTRY_VERIFY(shown(shownFirst, 0, FoundItemsModel::SizeColumn).contains("30"));
        QVERIFY(!shown(shownFirst, 0, FoundItemsModel::ModifiedColumn).isEmpty());

        sortedFirst.append(two);
        sortedFirst.sort(FoundItemsModel::SizeColumn);
        QTRY_COMPARE(QStringList({shown(sortedFirst, 0, 0), shown(sortedFirst, 1, 0),
                                  shown(sortedFirst, 2, 0)}),
                     QStringList({"small", "mid", "big"}));
    }

    void countAndEscape()
    {
        for (const char *name : {"a.txt", "b.txt", "c.txt", "d.md"})
            QVERIFY(make(at(name)));
        FindWindow w(QFile::decodeName(root()), nullptr);
        w.show();
        QVERIFY(QTest::qWaitForWindowExposed(&w));
        w.findChild<QLineEdit *>("named")->setText("*.txt");
        QSignalSpy done(&w, &FindWindow::searchFinished);
        w.findNow();
        QVERIFY(done.wait(5000));
        QCOMPARE(w.findChild<QTreeView *>("results")->model()->rowCount(), 3);
        QCOMPARE(w.findChild<QLabel *>("status")->text(), "3 items found");
        QTest::keyClick(w.findChild<QLineEdit *>("named"), Qt::Key_Escape);
        QVERIFY(!w.isVisible());
    }

    // The results' menu has the list's verbs, and Open Containing Folder
    // starts a window on the item's folder with the item selected.
    void contextMenu()
    {
        QVERIFY(mkdir(at("in\nside"), 0755) == 0 && make(at("in\nside/odd \xff.txt")));
        test::RecordingLauncher launcher;
        test::RecordingMessages messages;
        FindWindow w(QFile::decodeName(root()), nullptr, nullptr,
                     {&messages, &launcher, nullptr, "/opt/tarnwick"});
        w.show();
        QVERIFY(QTest::qWaitForWindowExposed(&w));
        w.findChild<QLineEdit *>("named")->setText("odd");
        QSignalSpy done(&w, &FindWindow::searchFinished);
        w.findNow();
        QVERIFY(done.wait(5000));
        auto *results = w.findChild<QTreeView *>("results");
        QCOMPARE(results->model()->rowCount(), 1);
        results->setFocus();
        results->setCurrentIndex(results->model()->index(0, 0));

        QStringList entries;
        QTimer::singleShot(0, this, [&] {
            auto *menu = qobject_cast<QMenu *>(QApplication::activePopupWidget());
            if (!menu)
                return;
            for (QAction *a : menu->actions()) {
                if (!a->isSeparator())
                    entries << a->text();
            }
            for (QAction *a : menu->actions()) {
                if (a->text() == FindWindow::tr("Open Containing &Folder"))
                    a->trigger();
            }
            menu->close();
        });
        QTest::keyClick(results, Qt::Key_F10, Qt::ShiftModifier);
        QCOMPARE(entries,
                 (QStringList{FindWindow::tr("&Open"), FindWindow::tr("Open Containing &Folder"),
                              verbCaption(Verb::Cut), verbCaption(Verb::Copy),
                              verbCaption(Verb::Delete), verbCaption(Verb::Properties)}));
        QCOMPARE(launcher.startedIn.size(), 1);
        const QList<QByteArray> argv = launcher.startedIn.first().first;
        QCOMPARE(argv.first(), "/opt/tarnwick");
        QStringList arguments; // as the new copy reads them
        for (const QByteArray &a : argv.mid(1))
            arguments << rawpath::toText(a);
        const StartRequest asked = startPlaces(arguments, false);
        QCOMPARE(asked.places.size(), 1);
        QCOMPARE(rawpath::toBytes(asked.places.first().folder), at("in\nside"));
        QCOMPARE(asked.places.first().selected, QStringList{rawpath::toText("odd \xff.txt")});
    }
};

TARNWICK_TEST_MAIN(TestFind)
#include "test_find.moc"
