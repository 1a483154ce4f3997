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

using namespace tarnwick;

namespace {

struct Recorded
{
    QList<StartPlace> opened;
    QStringList startupIds;
    QList<QList<QByteArray>> properties;
};

FileManagerService::Actions recordingActions(Recorded &r)
{
    return {[&r](const StartPlace &place, const QString &startupId) {
                r.opened << place;
                r.startupIds << startupId;
            },
            [&r](const QList<QByteArray> &paths) { r.properties << paths; }};
}

// Calls a method the way another program would, over a connection of its
// own, and waits for the answer without blocking this thread's bus.
QDBusMessage call(QDBusConnection &caller, const QString &method, const QStringList &uris)
{
    QDBusMessage message =
        QDBusMessage::createMethodCall(QString::fromLatin1(FileManagerService::ServiceName),
                                       QString::fromLatin1(FileManagerService::ObjectPath),
                                       QStringLiteral("org.freedesktop.FileManager1"), method);
    message << uris << QStringLiteral("startup-7");
    QDBusPendingCall pending = caller.asyncCall(message);
    QDeadlineTimer deadline(10000);
    while (!pending.isFinished() && !deadline.hasExpired())
        QCoreApplication::processEvents(QEventLoop::AllEvents, 50);
    return pending.reply(); // an error reply of its own on a time-out
}

// The name claimed for a service on the session bus while it lives.
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
    }

    void methods_data()
    {
        QTest::addColumn<QString>("method");
        QTest::addColumn<QStringList>("uris");       // relative to the test's folder
        QTest::addColumn<QStringList>("opened");     // folder|names, "R" the test's folder
        QTest::addColumn<QStringList>("properties"); // paths, "R" the test's folder
        QTest::addColumn<bool>("error");
        QTest::newRow("folders") << "ShowFolders" << QStringList{"docs", "other"}
                                 << QStringList{"R/docs", "R/other"} << QStringList{} << false;
        QTest::newRow("items share their folder's window")
            << "ShowItems" << QStringList{"docs/a.txt", "other/z.txt", "docs/b c.txt"}
            << QStringList{"R/docs|a.txt|b c.txt", "R/other|z.txt"} << QStringList{} << false;
        QTest::newRow("a folder as an item") << "ShowItems" << QStringList{"docs"}
                                             << QStringList{"R|docs"} << QStringList{} << false;
        QTest::newRow("properties")
            << "ShowItemProperties" << QStringList{"docs/a.txt", "other"} << QStringList{}
            << QStringList{"R/docs/a.txt", "R/other"} << false;
        QTest::newRow("what is missing is told, the rest shown")
            << "ShowItems" << QStringList{"gone.txt", "docs/a.txt"} << QStringList{"R/docs|a.txt"}
            << QStringList{} << true;
        QTest::newRow("a relative path is no address")
            << "ShowFolders" << QStringList{"docs", "!gone/.."} << QStringList{"R/docs"}
            << QStringList{} << true;
        QTest::newRow("nothing there")
            << "ShowFolders" << QStringList{"gone"} << QStringList{} << QStringList{} << true;
    }
    void methods()
    {
        QFETCH(QString, method);
        QFETCH(QStringList, uris);
        QFETCH(QStringList, opened);
        QFETCH(QStringList, properties);
        QFETCH(bool, error);
        Recorded recorded;
        FileManagerService service(recordingActions(recorded));
        const Claim claim(service);
        QVERIFY(claim.claimed);
        QDBusConnection caller =
            QDBusConnection::connectToBus(QDBusConnection::SessionBus, QStringLiteral("caller"));
        const auto hangUp =
            qScopeGuard([] { QDBusConnection::disconnectFromBus(QStringLiteral("caller")); });
        QStringList addresses;
        for (const QString &u : uris) // "!" passes the text on as it is
            addresses << (u.startsWith('!') ? u.mid(1) : uri(u));
        const QDBusMessage reply = call(caller, method, addresses);
        QCOMPARE(reply.type() == QDBusMessage::ErrorMessage, error);
        if (error)
            QVERIFY2(reply.errorMessage().contains("gone"), qPrintable(reply.errorMessage()));

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
};

TARNWICK_TEST_MAIN(TestFileManager)
#include "test_filemanager.moc"
