#include "filemanagerservice.h"
#include "rawpaths.h"
#include "testenv.h"

#include <QDBusConnectionInterface>
#include <QDBusMessage>
#include <QDBusPendingReply>
#include <QDeadlineTimer>
#include <QProcess>
#include <QStandardPaths>
#include <QUrl>
#include <csignal>

using namespace tarnwick;

namespace {

struct Recorded
{
    QList<StartPlace> opened;
    QStringList startupIds;
    QList<QList<QByteArray>> properties;
    bool starts = true; // whether a window opens when asked
};

FileManagerService::Actions recordingActions(Recorded &r)
{
    return {[&r](const StartPlace &place, const QString &startupId) {
                r.opened << place;
                r.startupIds << startupId;
                return r.starts;
            },
            [&r](const QList<QByteArray> &paths) {
                r.properties << paths;
                return QStringList();
            }};
}

// Calls a method the way another program would, over a connection of its
// own, and waits for the answer without blocking this thread's bus.
QDBusMessage call(QDBusConnection &caller, const QString &method, const QStringList &uris,
                  const QString &startupId = QStringLiteral("startup-7"))
{
    QDBusMessage message =
        QDBusMessage::createMethodCall(QString::fromLatin1(FileManagerService::ServiceName),
                                       QString::fromLatin1(FileManagerService::ObjectPath),
                                       QStringLiteral("org.freedesktop.FileManager1"), method);
    message << uris << startupId;
    QDBusPendingCall pending = caller.asyncCall(message);
    QDeadlineTimer deadline(10000);
    while (!pending.isFinished() && !deadline.hasExpired())
        QCoreApplication::processEvents(QEventLoop::AllEvents, 50);
    return pending.reply(); // an error reply of its own on a time-out
}

// The name claimed for a service on the session bus while it lives.
// A second connection to the session bus, as another program calling in.
struct Caller
{
    ~Caller() { QDBusConnection::disconnectFromBus(QStringLiteral("caller")); }
    QDBusConnection bus =
        QDBusConnection::connectToBus(QDBusConnection::SessionBus, QStringLiteral("caller"));
};

struct Claim
{
    explicit Claim(FileManagerService &service) : claimed(service.claim(bus)) {}
    ~Claim()
    {
        bus.unregisterObject(QString::fromLatin1(FileManagerService::ObjectPath));
        bus.unregisterService(QString::fromLatin1(FileManagerService::ServiceName));
    }
    QDBusConnection bus = QDBusConnection::sessionBus();
    const bool claimed;
};

} // namespace

// Needs a session bus of its own: CTest runs it under dbus-run-session.
class TestFileManager : public QObject
{
    Q_OBJECT

    QTemporaryDir dir_;
    QString root() const { return dir_.path(); }
    QString uri(const QString &relative) const
    {
        return QUrl::fromLocalFile(root() + '/' + relative).toString();
    }

private slots:
    void initTestCase()
    {
        if (qEnvironmentVariableIsEmpty("DBUS_SESSION_BUS_ADDRESS"))
            QSKIP("no session bus of its own: run under dbus-run-session");
        QVERIFY(QDBusConnection::sessionBus().isConnected());
        QDir(root()).mkpath("docs");
        QDir(root()).mkpath("other");
        test::writeFile(root() + "/docs/a.txt", "alpha");
        test::writeFile(root() + "/docs/b c.txt", "beta");
        test::writeFile(root() + "/other/z.txt", "zed");
        for (int i = 0; i < 20; ++i)
            QDir(root()).mkpath(QStringLiteral("many/%1").arg(i, 2, 10, QLatin1Char('0')));
    }

    void methods_data()
    {
        QTest::addColumn<QString>("method");
        QTest::addColumn<QStringList>("uris");       // relative to the test's folder
        QTest::addColumn<QStringList>("opened");     // folder|names, "R" the test's folder
        QTest::addColumn<QStringList>("properties"); // paths, "R" the test's folder
        QTest::addColumn<QString>("error");          // in the error reply; none when empty
        QTest::newRow("folders") << "ShowFolders" << QStringList{"docs", "other"}
                                 << QStringList{"R/docs", "R/other"} << QStringList{} << "";
        QTest::newRow("items share their folder's window")
            << "ShowItems" << QStringList{"docs/a.txt", "other/z.txt", "docs/b c.txt"}
            << QStringList{"R/docs|a.txt|b c.txt", "R/other|z.txt"} << QStringList{} << "";
        QTest::newRow("a folder as an item")
            << "ShowItems" << QStringList{"docs"} << QStringList{"R|docs"} << QStringList{} << "";
        QTest::newRow("properties")
            << "ShowItemProperties" << QStringList{"docs/a.txt", "other"} << QStringList{}
            << QStringList{"R/docs/a.txt", "R/other"} << "";
        QTest::newRow("what is missing is told, the rest shown")
            << "ShowItems" << QStringList{"gone.txt", "docs/a.txt"} << QStringList{"R/docs|a.txt"}
            << QStringList{} << "gone";
        QTest::newRow("a relative path is no address")
            << "ShowFolders" << QStringList{"docs", "!gone/.."} << QStringList{"R/docs"}
            << QStringList{} << "gone";
        QTest::newRow("nothing there")
            << "ShowFolders" << QStringList{"gone"} << QStringList{} << QStringList{} << "gone";
        QTest::newRow("a folder named ten times opens once")
            << "ShowFolders" << QStringList(10, "docs") << QStringList{"R/docs"} << QStringList{}
            << "";
        QTest::newRow("files and their folder share a window")
            << "ShowFolders" << QStringList{"docs/a.txt", "docs", "docs/b c.txt", "docs/a.txt"}
            << QStringList{"R/docs|a.txt|b c.txt"} << QStringList{} << "";
        QStringList many, first16;
        for (int i = 0; i < 20; ++i) {
            many << QStringLiteral("many/%1").arg(i, 2, 10, QLatin1Char('0'));
            if (i < FileManagerService::MaxWindows)
                first16 << "R/" + many.last();
        }
        QTest::newRow("at most 16 windows; the rest named in the error")
            << "ShowFolders" << many << first16 << QStringList{} << "many/16”, “R/many/17";
    }
    void methods()
    {
        QFETCH(QString, method);
        QFETCH(QStringList, uris);
        QFETCH(QStringList, opened);
        QFETCH(QStringList, properties);
        QFETCH(QString, error);
        Recorded recorded;
        FileManagerService service(recordingActions(recorded));
        const Claim claim(service);
        QVERIFY(claim.claimed);
        Caller caller;
        QStringList addresses;
        for (const QString &u : uris) // "!" passes the text on as it is
            addresses << (u.startsWith('!') ? u.mid(1) : uri(u));
        const QDBusMessage reply = call(caller.bus, method, addresses);
        QCOMPARE(reply.type() == QDBusMessage::ErrorMessage, !error.isEmpty());
        QVERIFY2(QString(reply.errorMessage()).replace(root(), "R").contains(error),
                 qPrintable(reply.errorMessage()));

        QStringList got;
        for (const StartPlace &p : recorded.opened)
            got << (QStringList{QString(p.folder).replace(root(), "R")} + p.selected).join('|');
        QCOMPARE(got, opened);
        for (const QString &id : recorded.startupIds)
            QCOMPARE(id, QString("startup-7"));
        QStringList shown;
        for (const QList<QByteArray> &paths : recorded.properties)
            for (const QByteArray &p : paths)
                shown << rawpath::toText(p).replace(root(), "R");
        QCOMPARE(shown, properties);
    }

    // What another program runs from a shell reaches us too.
    void aCallFromTheCommandLine()
    {
        const QString gdbus = QStandardPaths::findExecutable(QStringLiteral("gdbus"));
        if (gdbus.isEmpty())
            QSKIP("gdbus is not installed");
        Recorded recorded;
        FileManagerService service(recordingActions(recorded));
        const Claim claim(service);
        QVERIFY(claim.claimed);
        QProcess p;
        p.start(gdbus, {"call", "--session", "--dest", "org.freedesktop.FileManager1",
                        "--object-path", "/org/freedesktop/FileManager1", "--method",
                        "org.freedesktop.FileManager1.ShowItems",
                        QStringLiteral("['%1']").arg(uri("docs/b c.txt")), "tok"});
        QTRY_COMPARE_WITH_TIMEOUT(p.state(), QProcess::NotRunning, 10000);
        QCOMPARE(p.exitCode(), 0);
        QCOMPARE(recorded.opened, (QList<StartPlace>{{root() + "/docs", {"b c.txt"}}}));
        QCOMPARE(recorded.startupIds, QStringList{"tok"});
    }

    // A desktop's startup ids are short printable tokens; anything else is
    // dropped rather than passed to the new copy's environment, where an
    // oversized one stopped it from starting at all.
    void startupIds_data()
    {
        QTest::addColumn<QString>("given");
        QTest::addColumn<QString>("passed");
        const QString longest(FileManagerService::MaxStartupIdBytes, 'x');
        QTest::newRow("a desktop's") << "desk_top-1234_TIME567"
                                     << "desk_top-1234_TIME567";
        QTest::newRow("the longest") << longest << longest;
        QTest::newRow("one byte more") << longest + 'x' << "";
        QTest::newRow("200 KiB") << QString(200 * 1024, 'x') << "";
        QTest::newRow("a line break") << "id\nDISPLAY=:9"
                                      << "";
        QTest::newRow("not ASCII") << QString::fromUtf8("caf\u00e9") << "";
    }
    void startupIds()
    {
        QFETCH(QString, given);
        QFETCH(QString, passed);
        Recorded recorded;
        FileManagerService service(recordingActions(recorded));
        const Claim claim(service);
        QVERIFY(claim.claimed);
        Caller caller;
        const QDBusMessage reply = call(caller.bus, "ShowFolders", {uri("docs")}, given);
        QCOMPARE(reply.type(), QDBusMessage::ReplyMessage);
        QCOMPARE(recorded.startupIds, QStringList{passed});
    }

    // A window that does not start is the caller's error reply, naming it.
    void aWindowThatDoesNotStart()
    {
        Recorded recorded;
        recorded.starts = false;
        FileManagerService service(recordingActions(recorded));
        const Claim claim(service);
        QVERIFY(claim.claimed);
        Caller caller;
        const QDBusMessage reply = call(caller.bus, "ShowItems", {uri("other/z.txt")});
        QCOMPARE(reply.type(), QDBusMessage::ErrorMessage);
        QVERIFY2(reply.errorMessage().contains(root() + "/other/z.txt"),
                 qPrintable(reply.errorMessage()));
    }

    // Another file manager has the name: we run without it, and take it
    // only once it is free.
    void anotherOwnerKeepsTheName()
    {
        const QString name = QString::fromLatin1(FileManagerService::ServiceName);
        Recorded recorded;
        FileManagerService service(recordingActions(recorded));
        QDBusConnection bus = QDBusConnection::sessionBus();
        {
            QDBusConnection other =
                QDBusConnection::connectToBus(QDBusConnection::SessionBus, QStringLiteral("other"));
            QVERIFY(other.registerService(name));
            QVERIFY(!service.claim(bus));
            QCOMPARE(bus.interface()->serviceOwner(name).value(), other.baseService());
        }
        QDBusConnection::disconnectFromBus(QStringLiteral("other"));
        QTRY_COMPARE(bus.interface()->serviceOwner(name).value(), bus.baseService());
        bus.unregisterObject(QString::fromLatin1(FileManagerService::ObjectPath));
        bus.unregisterService(name);
    }

    // The program itself, asked as a browser would ask it: the reply comes
    // at once, with no box held open over it, and one copy opens on the
    // folder named ten times. Last: the program holds the name meanwhile.
    void theProgramAnswersAtOnce()
    {
        QTemporaryDir scratch;
        const QString reportFile = scratch.filePath("report");
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        environment.insert("TARNWICK_REPORT_START", reportFile);
        environment.insert("HOME", scratch.path());
        environment.insert("XDG_CONFIG_HOME", scratch.path());
        QProcess program;
        program.setProcessEnvironment(environment);
        program.start(QStringLiteral(TARNWICK_EXE), {root() + "/other"});
        QVERIFY(program.waitForStarted());
        // A line per copy that opened: its process id and its folder.
        const auto reports = [&] {
            QFile f(reportFile);
            QList<QByteArray> lines =
                f.open(QIODevice::ReadOnly) ? f.readAll().split('\n') : QList<QByteArray>();
            lines.removeAll(QByteArray());
            return lines;
        };
        const auto endAll = qScopeGuard([&] {
            for (const QByteArray &line : reports())
                if (const qint64 pid = line.split('\t').value(0).toLongLong(); pid > 0)
                    ::kill(pid_t(pid), SIGTERM);
            program.waitForFinished(10000);
        });
        QDBusConnection bus = QDBusConnection::sessionBus();
        const QString name = QString::fromLatin1(FileManagerService::ServiceName);
        QTRY_VERIFY_WITH_TIMEOUT(bus.interface()->isServiceRegistered(name).value(), 30000);
        QTRY_COMPARE_WITH_TIMEOUT(reports().size(), 1, 30000);

        Caller caller;
        const QDBusMessage reply =
            call(caller.bus, "ShowFolders", QStringList(10, uri("docs")), QString(200 * 1024, 'x'));
        QCOMPARE(reply.type(), QDBusMessage::ReplyMessage);
        QTRY_COMPARE_WITH_TIMEOUT(reports().size(), 2, 30000);
        QCOMPARE(reports().last().split('\t').value(1), QFile::encodeName(root() + "/docs"));
    }
};

TARNWICK_TEST_MAIN(TestFileManager)
#include "test_filemanager.moc"
