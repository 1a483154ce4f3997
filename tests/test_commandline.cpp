#include "filemanagerservice.h"
#include "harness.h"
#include "rawpaths.h"
#include "startplaces.h"

#include <QDBusConnectionInterface>
#include <QDBusMessage>
#include <QDBusPendingCallWatcher>
#include <QDBusPendingReply>
#include <QProcess>
#include <csignal>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

using namespace tarnwick;

namespace {

// One line a real copy of the program wrote on opening: its process id, the
// folder ("" for the usual start) and the names shown selected.
struct Report
{
    qint64 pid = 0;
    QStringList place;
};

QList<Report> readReports(const QString &file)
{
    QList<Report> reports;
    QFile f(file);
    if (!f.open(QIODevice::ReadOnly))
        return reports;
    for (const QByteArray &line : f.readAll().split('\n')) {
        if (line.isEmpty())
            continue;
        QList<QByteArray> fields = line.split('\t');
        Report r{fields.takeFirst().toLongLong(), {}};
        for (const QByteArray &field : fields)
            r.place << rawpath::toText(field);
        reports << r;
    }
    return reports;
}

} // namespace

class TestCommandLine : public QObject
{
    Q_OBJECT

    QTemporaryDir dir_;
    QString root() const { return dir_.path(); }
    std::unique_ptr<test::ExploreHarness> h;

private slots:
    void initTestCase()
    {
        test::quietPlatformNotes();
        QDir(root()).mkpath("docs/inner");
        QDir(root()).mkpath("other");
        test::writeFile(root() + "/docs/a.txt", "alpha");
        test::writeFile(root() + "/docs/b c.txt", "beta");
        test::writeFile(root() + "/other/z.txt", "zed");
        QVERIFY(QFile::link(root() + "/docs", root() + "/to docs"));
        const QByteArray odd = rawpath::join(QFile::encodeName(root()), "caf\xe9.txt");
        const int fd = ::open(odd.constData(), O_WRONLY | O_CREAT | O_EXCL, 0644);
        QVERIFY(fd >= 0);
        ::close(fd);
        QDir::setCurrent(root());
    }
    // Qt cannot remove a name that is not UTF-8.
    void cleanupTestCase() { QVERIFY(test::removeTree(root())); }
    void init() { h = std::make_unique<test::ExploreHarness>(); }
    void cleanup() { h.reset(); }

    // What each argument asks for; "R" stands for the test's folder.
    void places_data()
    {
        QTest::addColumn<QStringList>("arguments");
        QTest::addColumn<bool>("select");
        QTest::addColumn<QStringList>("expected"); // folder|name|name... per window
        QTest::addColumn<int>("problems");
        QTest::newRow("a folder") << QStringList{"R/docs"} << false << QStringList{"R/docs"} << 0;
        QTest::newRow("a file") << QStringList{"R/docs/a.txt"} << false
                                << QStringList{"R/docs|a.txt"} << 0;
        QTest::newRow("relative") << QStringList{"docs/../docs/b c.txt"} << false
                                  << QStringList{"R/docs|b c.txt"} << 0;
        QTest::newRow("file address") << QStringList{"file://R/docs/b%20c.txt"} << false
                                      << QStringList{"R/docs|b c.txt"} << 0;
        QTest::newRow("short file address")
            << QStringList{"file:R/docs"} << false << QStringList{"R/docs"} << 0;
        QTest::newRow("a path with a colon")
            << QStringList{"docs:x"} << false << QStringList{} << 1;
        QTest::newRow("a link to a folder")
            << QStringList{"R/to docs"} << false << QStringList{"R/to docs"} << 0;
        QTest::newRow("a name that is not UTF-8") // built from its bytes below
            << QStringList{} << false << QStringList{} << -1;
        QTest::newRow("missing") << QStringList{"R/nope", "R/docs"} << false
                                 << QStringList{"R/docs"} << 1;
        QTest::newRow("empty") << QStringList{""} << false << QStringList{} << 1;
        QTest::newRow("an address not connected")
            << QStringList{"sftp://nobody.invalid/x"} << false << QStringList{} << 1;
        QTest::newRow("several") << QStringList{"R/docs", "R/other/z.txt"} << false
                                 << QStringList{"R/docs", "R/other|z.txt"} << 0;
        QTest::newRow("files of one folder share a window, once each")
            << QStringList{"R/docs/a.txt", "R/docs", "R/docs/b c.txt", "R/docs/a.txt",
                           "docs/../docs"}
            << false << QStringList{"R/docs|a.txt|b c.txt"} << 0;
        QTest::newRow("selected items share a window")
            << QStringList{"R/docs/a.txt", "R/other/z.txt", "R/docs/b c.txt", "R/docs/a.txt"}
            << true << QStringList{"R/docs|a.txt|b c.txt", "R/other|z.txt"} << 0;
        QTest::newRow("a folder as a selected item")
            << QStringList{"R/docs/inner"} << true << QStringList{"R/docs|inner"} << 0;
        QTest::newRow("the root as a selected item")
            << QStringList{"/"} << true << QStringList{"/"} << 0;
    }
    void places()
    {
        QFETCH(QStringList, arguments);
        QFETCH(bool, select);
        QFETCH(QStringList, expected);
        QFETCH(int, problems);
        for (QString &a : arguments)
            a.replace(QLatin1String("R/"), root() + '/');
        if (problems < 0) { // the name is built from its bytes
            arguments = {rawpath::toText(rawpath::join(QFile::encodeName(root()), "caf\xe9.txt"))};
            expected = {"R|" + rawpath::toText("caf\xe9.txt")};
            problems = 0;
        }
        const StartRequest request = startPlaces(arguments, select);
        for (QString &e : expected)
            e = e.split('|').join(QLatin1Char('\x1f'));
        QStringList flat;
        for (const StartPlace &p : request.places)
            flat << (QStringList(QString(p.folder).replace(root(), "R")) + p.selected)
                        .join(QLatin1Char('\x1f'));
        QCOMPARE(flat, expected);
        QCOMPARE(request.problems.size(), problems);
        // What another copy is given leads it to the same place.
        for (const StartPlace &p : request.places) {
            QStringList again = argumentsFor(p);
            for (const QString &a : again) // as a started process receives them
                QCOMPARE(QFile::encodeName(a), rawpath::toBytes(a));
            const bool selecting = again.first() == QLatin1String("--select");
            if (selecting)
                again.removeFirst();
            const StartRequest round = startPlaces(again, selecting);
            QCOMPARE(round.places, QList<StartPlace>{p});
        }
    }

    void unreadableFolderIsAProblem()
    {
        if (geteuid() == 0)
            QSKIP("root reads every folder");
        const QString locked = root() + "/locked";
        QVERIFY(QDir().mkpath(locked));
        QVERIFY(QFile::setPermissions(locked, QFile::WriteOwner));
        const StartRequest request = startPlaces({locked}, false);
        QFile::setPermissions(locked, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
        QVERIFY(request.places.isEmpty());
        QCOMPARE(request.problems.size(), 1);
        QVERIFY(request.problems.first().contains("cannot be opened"));
    }

    // The window opens on the folder with the item selected and current.
    void windowOpensOnItsStartPlace()
    {
        frmExplore &f = h->form();
        f.setStartPlace({root() + "/docs", {"b c.txt", "a.txt"}});
        h->open();
        ExplorerListView *list = f.CcXploreListView1.get();
        QVERIFY(test::waitListed(list));
        QCOMPARE(list->folder(), root() + "/docs");
        QTRY_COMPARE(list->selectedPaths(),
                     (QList<QByteArray>{QFile::encodeName(root() + "/docs/a.txt"),
                                        QFile::encodeName(root() + "/docs/b c.txt")}));
        QCOMPARE(list->selectionModel()->currentIndex().data().toString(), QString("b c.txt"));
    }

    // Further places open in copies of their own, started as Explore starts
    // one; a request from another program shows its window at once.
    void furtherPlacesOpenInCopies()
    {
        frmExplore &f = h->form();
        h->open();
        f.startAnotherCopy(argumentsFor({root() + "/other", {"z.txt"}}));
        f.startAnotherCopy(argumentsFor({root() + "/docs", {}}), false, "token-1");
        QCOMPARE(h->launcher.started.size(), 2);
        QCOMPARE(h->launcher.started[0],
                 (QStringList{h->programPath, "--select", root() + "/other/z.txt"}));
        QCOMPARE(h->launcher.environments[0].value(ShowStateVariable), QString("minimized"));
        QCOMPARE(h->launcher.started[1], (QStringList{h->programPath, root() + "/docs"}));
        QVERIFY(!h->launcher.environments[1].contains(ShowStateVariable));
        QCOMPARE(h->launcher.environments[1].value("DESKTOP_STARTUP_ID"), QString("token-1"));
    }

    // The program itself, as a shell runs it.
    void realProcess_data()
    {
        QTest::addColumn<QStringList>("arguments");
        QTest::addColumn<int>("exitCode");        // -1: it runs until ended
        QTest::addColumn<QString>("output");      // expected in standard output
        QTest::addColumn<QString>("errors");      // expected in standard error
        QTest::addColumn<QStringList>("reports"); // one per copy: folder|names
        QTest::newRow("version") << QStringList{"--version"} << 0
                                 << QString("tarnwick " TARNWICK_VERSION) << QString()
                                 << QStringList{};
        QTest::newRow("help") << QStringList{"--help"} << 0 << QString("Usage: tarnwick")
                              << QString() << QStringList{};
        QTest::newRow("unknown option") << QStringList{"--bogus"} << 1 << QString()
                                        << QString("Unknown option 'bogus'") << QStringList{};
        QTest::newRow("no argument")
            << QStringList{} << -1 << QString() << QString() << QStringList{""};
        QTest::newRow("a folder") << QStringList{"R/docs"} << -1 << QString() << QString()
                                  << QStringList{"R/docs"};
        QTest::newRow("a file") << QStringList{"docs/a.txt"} << -1 << QString() << QString()
                                << QStringList{"R/docs|a.txt"};
        QTest::newRow("an address") << QStringList{"file://R/docs/b%20c.txt"} << -1 << QString()
                                    << QString() << QStringList{"R/docs|b c.txt"};
        QTest::newRow("missing") << QStringList{"R/nope"} << -1 << QString()
                                 << QString("tarnwick: “R/nope”: No such file or directory.")
                                 << QStringList{""};
        // As the desktop's menu starts it: "H" stands for the home folder.
        QTest::newRow("--home alone")
            << QStringList{"--home"} << -1 << QString() << QString() << QStringList{"H"};
        QTest::newRow("--home with a folder") << QStringList{"--home", "R/docs"} << -1 << QString()
                                              << QString() << QStringList{"R/docs"};
        QTest::newRow("the files of one folder")
            << QStringList{"docs/a.txt", "docs/b c.txt"} << -1 << QString() << QString()
            << QStringList{"R/docs|a.txt|b c.txt"};
        QTest::newRow("several") << QStringList{"R/docs", "R/other/z.txt", "R/nope"} << -1
                                 << QString() << QString("“R/nope”")
                                 << QStringList{"R/docs", "R/other|z.txt"};
    }
    void realProcess()
    {
        QFETCH(QStringList, arguments);
        QFETCH(int, exitCode);
        QFETCH(QString, output);
        QFETCH(QString, errors);
        QFETCH(QStringList, reports);
        for (QString &a : arguments)
            a.replace(QLatin1String("R/"), root() + '/');
        errors.replace(QLatin1String("R/"), root() + '/');
        QTemporaryDir scratch;
        const QString reportFile = scratch.filePath("report");
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        environment.insert("TARNWICK_REPORT_START", reportFile);
        environment.remove("DBUS_SESSION_BUS_ADDRESS"); // no bus: none is needed
        // Text only: no display, no platform at all.
        if (exitCode == 0)
            environment.remove("QT_QPA_PLATFORM");
        environment.remove("DISPLAY");
        environment.remove("WAYLAND_DISPLAY");
        QProcess p;
        p.setProcessEnvironment(environment);
        p.setWorkingDirectory(root());
        p.start(QStringLiteral(TARNWICK_EXE), arguments);
        QVERIFY(p.waitForStarted());
        QList<Report> seen;
        if (exitCode >= 0) {
            QVERIFY(p.waitForFinished(30000));
            QCOMPARE(p.exitStatus(), QProcess::NormalExit);
            QCOMPARE(p.exitCode(), exitCode);
        } else {
            QTRY_VERIFY_WITH_TIMEOUT((seen = readReports(reportFile)).size() >= reports.size(),
                                     30000);
            for (const Report &r : seen)
                ::kill(pid_t(r.pid), SIGTERM);
            QVERIFY(p.waitForFinished(10000));
            QCOMPARE(p.exitCode(), 0);
        }
        const QString out = QString::fromUtf8(p.readAllStandardOutput());
        const QString err = QString::fromUtf8(p.readAllStandardError());
        QVERIFY2(out.contains(output), qPrintable(out));
        QVERIFY2(err.contains(errors), qPrintable(err));
        QStringList got;
        for (const Report &r : seen)
            got << r.place.join('|').replace(root(), "R").replace(QDir::homePath(), "H");
        got.sort();
        reports.sort();
        QCOMPARE(got, reports);
    }
};

TARNWICK_TEST_MAIN(TestCommandLine)
#include "test_commandline.moc"
